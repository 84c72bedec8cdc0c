// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "parameterfields.h"

#include "fields.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

ParameterFields::ParameterFields(QWidget *window, QWidget *drawing, const std::array<Field, 3> &fields)
    : m_window(window)
    , m_drawing(drawing)
    , m_fields(fields)
    , m_title(window->windowTitle())
{
    for (const Field &field : m_fields) {
        const parameters::Parameter &parameter = *field.parameter;
        field.label->setBuddy(field.box);
        field.box->setAccessibleName(parameter.name.toString());
        field.box->setAccessibleDescription(QStringLiteral("Číslo od %1 do %2, na začátku %3.")
                                                .arg(parameters::written(parameter.least),
                                                     parameters::written(parameter.most),
                                                     parameters::written(parameter.start)));
        connect(field.box, &QLineEdit::textChanged, this, [this] {
            update();
            Q_EMIT edited();
        });
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
}

bool ParameterFields::changed() const
{
    for (const Field &field : m_fields) {
        const auto read = parameters::check(*field.parameter, field.box->text());
        if (!std::holds_alternative<double>(read) || std::get<double>(read) != field.parameter->start)
            return true;
    }
    return false;
}

bool ParameterFields::readyForRun(Setup &setup)
{
    for (const Field &field : m_fields) {
        const auto read = parameters::check(*field.parameter, field.box->text());
        if (const double *value = std::get_if<double>(&read))
            setup.*field.value = *value;
        if (const QString *message = std::get_if<QString>(&read)) {
            setShown(true);
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Chybný parametr"), *message, QMessageBox::Ok, m_window);
            box.setTextFormat(Qt::PlainText); // what was typed is shown as typed, never as markup
            box.exec();
            field.box->setFocus();
            field.box->selectAll();
            return false;
        }
    }
    return true;
}

QString ParameterFields::inWords() const
{
    QStringList values;
    for (const Field &field : m_fields)
        values << field.parameter->name.toString().toLower() + u' ' + field.box->text().trimmed();
    return QStringLiteral("Parametry: ") + values.join(QStringLiteral(", ")) + u'.';
}

void ParameterFields::update()
{
    for (const Field &field : m_fields)
        field.box->setEnabled(m_shown && !m_running);
    m_window->setWindowTitle(changed() ? m_title + QStringLiteral(" – změněné parametry") : m_title);
}
