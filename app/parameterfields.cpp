// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "parameterfields.h"

#include "fields.h"
#include "runwords.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <algorithm>

namespace {
void warn(QWidget *window, const QString &message)
{
    QMessageBox box(QMessageBox::Warning, ParameterFields::tr("Chybný parametr"), message, QMessageBox::Ok, window);
    box.setTextFormat(Qt::PlainText); // what was typed is shown as typed, never as markup
    box.exec();
}
}

ParameterFields::ParameterFields(QWidget *window, QWidget *drawing, const std::array<Field, 4> &fields)
    : m_window(window)
    , m_drawing(drawing)
    , m_fields(fields)
{
    for (const Field &field : m_fields) {
        field.label->setBuddy(field.box);
        connect(field.box, &QLineEdit::textChanged, this, [this] {
            readHoles();
            update();
            Q_EMIT edited();
        });
    }
    update();
}

void ParameterFields::retranslate(const QString &title)
{
    m_title = title;
    for (const Field &field : m_fields) {
        const parameters::Parameter &parameter = *field.parameter;
        field.label->setText(parameters::nameOf(parameter));
        field.box->setAccessibleName(parameters::nameOf(parameter));
        field.box->setAccessibleDescription((parameter.whole ? tr("Celé číslo od %1 do %2, na začátku %3.")
                                                             : tr("Číslo od %1 do %2, na začátku %3."))
                                                .arg(parameters::written(parameter.least),
                                                     parameters::written(parameter.most),
                                                     parameters::written(parameter.start)));
    }
    update();
}

void ParameterFields::setShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    for (const Field &field : m_fields) {
        if (shown)
            field.label->stackUnder(field.box); // above the drawing, beneath the text boxes
        else
            field.label->stackUnder(m_drawing);
        field.label->setVisible(shown);
        field.box->setVisible(shown);
    }
    update();
    Q_EMIT shownChanged(shown);
}

void ParameterFields::setRunning(bool running)
{
    m_running = running;
    update();
}

void ParameterFields::writeStartingValues()
{
    for (const Field &field : m_fields)
        setFieldNumber(field.box, field.parameter->start);
    std::fill(m_covered.begin(), m_covered.end(), false);
    m_watched = false;
    update();
    Q_EMIT holesChanged();
}

bool ParameterFields::changed() const
{
    for (const Field &field : m_fields) {
        const auto read = parameters::check(*field.parameter, field.box->text());
        if (!std::holds_alternative<double>(read) || std::get<double>(read) != field.parameter->start)
            return true;
    }
    return m_watched || std::find(m_covered.begin(), m_covered.end(), true) != m_covered.end();
}

bool ParameterFields::readyForRun(Setup &setup)
{
    const QLineEdit *spacingBox = nullptr;
    for (const Field &field : m_fields) {
        const auto read = parameters::check(*field.parameter, field.box->text());
        if (const QString *message = std::get_if<QString>(&read)) {
            setShown(true);
            warn(m_window, *message);
            field.box->setFocus();
            field.box->selectAll();
            return false;
        }
        field.store(setup, std::get<double>(read));
        if (field.parameter == &parameters::spacing)
            spacingBox = field.box;
    }
    if (const auto refusal = parameters::checkHoles(setup.holes, setup.spacing)) {
        setShown(true);
        warn(m_window, *refusal);
        for (const Field &field : m_fields)
            if (field.box == spacingBox) {
                field.box->setFocus();
                field.box->selectAll();
            }
        return false;
    }
    setup.covered = m_covered;
    setup.watched = m_watched;
    return true;
}

QString ParameterFields::inWords() const
{
    QStringList values;
    for (const Field &field : m_fields)
        if (field.parameter != &parameters::holes)
            values << parameters::nameOf(*field.parameter).toLower() + u' ' + field.box->text().trimmed();
    QString words = tr("Parametry: %1.").arg(values.join(QStringLiteral(", ")));
    if (m_holes != parameters::holes.start)
        words += u' ' + tr("Clona má %1.").arg(words::holesInWords(m_holes));
    QStringList covered;
    for (int hole = 1; hole <= m_holes; ++hole)
        if (!isOpen(hole))
            covered << QString::number(hole);
    if (!covered.isEmpty())
        words += u' ' + tr("Zakryté otvory (počítáno shora): %1.", nullptr, int(covered.size())).arg(covered.join(QStringLiteral(", ")));
    if (m_watched)
        words += u' ' + tr("Trasa fotonu je sledována: sčítají se pravděpodobnosti tras, ne jejich šipky.");
    return words;
}

bool ParameterFields::isOpen(int hole) const
{
    return hole >= 1 && hole <= m_holes && !m_covered[size_t(hole - 1)];
}

bool ParameterFields::canCover(int hole) const
{
    return isOpen(hole) && std::count(m_covered.begin(), m_covered.end(), false) > 1;
}

void ParameterFields::setOpen(int hole, bool open)
{
    if (m_running || hole < 1 || hole > m_holes || isOpen(hole) == open || (!open && !canCover(hole)))
        return;
    m_covered[size_t(hole - 1)] = !open;
    update();
    Q_EMIT holesChanged();
}

void ParameterFields::setWatched(bool watched)
{
    if (m_running || watched == m_watched)
        return;
    m_watched = watched;
    update();
    Q_EMIT holesChanged();
}

// A number of holes that can be read, and is new, opens every hole.
void ParameterFields::readHoles()
{
    for (const Field &field : m_fields) {
        if (field.parameter != &parameters::holes)
            continue;
        const auto read = parameters::check(parameters::holes, field.box->text());
        if (const double *holes = std::get_if<double>(&read); holes && int(*holes) != m_holes) {
            m_holes = int(*holes);
            m_covered.assign(size_t(m_holes), false);
            Q_EMIT holesChanged();
        }
    }
}

void ParameterFields::update()
{
    for (const Field &field : m_fields)
        field.box->setEnabled(m_shown && !m_running);
    m_window->setWindowTitle(changed() ? tr("%1 – změněné parametry").arg(m_title) : m_title);
}
