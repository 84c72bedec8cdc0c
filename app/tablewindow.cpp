// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablewindow.h"

#include "savefailure.h"
#include "scaledlayout.h"
#include "sidewindow.h"
#include "photons.h"
#include "playback.h"
#include "tableexport.h"

#include <QCoreApplication>
#include <QApplication>
#include <QClipboard>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QSaveFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTableView>

#include <algorithm>
#include <set>
#include <utility>

TableWindow::TableWindow(QWidget &mainWindow, QSize layoutSize, const Playback &playback, const Photons &photons)
    : QWidget(&mainWindow, Qt::Window)
    , m_main(mainWindow)
    , m_layoutSize(layoutSize)
    , m_playback(playback)
    , m_photons(photons)
    , m_summary(new QLabel(this))
    , m_view(new QTableView(this))
    , m_copyButton(new QPushButton(this))
    , m_saveButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("table"));
    retranslate();
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_view->setModel(&m_table);
    m_view->verticalHeader()->hide(); // the first column numbers the points
    m_view->setTabKeyNavigation(false); // Tab goes on to the buttons; the arrows walk the cells
    m_view->setWordWrap(false);
    m_copy.setShortcut(QKeySequence::Copy);
    m_copy.setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_view->addAction(&m_copy);
    m_layout.addWidget(m_summary, 0, 0, 1, 3);
    m_layout.addWidget(m_view, 1, 0, 1, 3);
    m_layout.addWidget(m_copyButton, 2, 0);
    m_layout.addWidget(m_saveButton, 2, 1);
    m_layout.setRowStretch(1, 1);
    m_layout.setColumnStretch(2, 1);
    connect(&m_copy, &QAction::triggered, this, &TableWindow::copy);
    connect(m_copyButton, &QPushButton::clicked, this, &TableWindow::copy);
    connect(m_saveButton, &QPushButton::clicked, this, &TableWindow::saveCsvAs);

    connect(&m_playback, &Playback::ended, this, &TableWindow::showRun);
    m_hitsTimer.setInterval(Photons::tallyInterval);
    connect(&m_hitsTimer, &QTimer::timeout, this, &TableWindow::showHits);
    connect(&m_photons, &Photons::stateChanged, this, [this](Photons::State state) {
        if (state == Photons::State::Firing)
            m_hitsTimer.start();
        else
            m_hitsTimer.stop();
        showHits();
    });
    connect(&m_table, &QAbstractItemModel::modelReset, this, &TableWindow::fitColumns);
    connect(&m_table, &QAbstractItemModel::columnsInserted, this, &TableWindow::fitColumns);

    m_baseFont = font();
    resize(baseSize);
    m_main.installEventFilter(this);
    setZoom(ScaledLayout::scaleFor(m_main.size(), m_layoutSize));
    showRun();
}

void TableWindow::retranslate()
{
    m_copyButton->setText(QCoreApplication::translate("TableWindow", "Kopírovat tabulku"));
    m_saveButton->setText(QCoreApplication::translate("TableWindow", "Uložit jako CSV…"));
    m_copy.setText(QCoreApplication::translate("TableWindow", "Kopírovat"));
    setWindowTitle(QCoreApplication::translate("TableWindow", "Tabulka – Kestrova"));
    setAccessibleName(windowTitle());
    m_view->setAccessibleName(QCoreApplication::translate("TableWindow", "Hodnoty v bodech detektoru"));
    m_view->setAccessibleDescription(QCoreApplication::translate("TableWindow", "Řádek na každý bod detektoru, bod 1 je "
                                                                 "nejníže. Ctrl+C kopíruje výběr, bez výběru celou tabulku."));
}

void TableWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        showRun();
    }
}

void TableWindow::showRun()
{
    const Playback &playback = m_playback;
    m_table.setRun(playback.running() ? nullptr : playback.run());
    m_summary->setText(playback.running() ? QCoreApplication::translate("TableWindow", "Pokus právě probíhá; tabulka ukáže jeho hodnoty, až doběhne.")
                                          : m_table.summary());
    for (QWidget *button : {m_copyButton, m_saveButton})
        button->setEnabled(m_table.rowCount() > 0);
    showHits();
}

void TableWindow::showHits()
{
    const Photons &photons = m_photons;
    m_table.setHits(photons.total() > 0 ? photons.hits() : std::vector<size_t>{});
}

void TableWindow::fitColumns()
{
    m_view->resizeColumnsToContents();
    m_view->resizeRowsToContents();
}

// Beside the main window on its right where the screen has room, else on its left, else over its right part.
void TableWindow::showBeside()
{
    if (!m_placed) {
        constexpr int gap = 8;
        const QRect screen = m_main.screen()->availableGeometry();
        const QRect main = m_main.frameGeometry();
        int x = main.right() + gap;
        if (x + width() > screen.right() && main.left() - gap - width() >= screen.left())
            x = main.left() - gap - width();
        move(std::clamp(x, screen.left(), std::max(screen.left(), screen.right() - width())),
             std::clamp(main.top(), screen.top(), std::max(screen.top(), screen.bottom() - height())));
        m_placed = true;
    }
    show();
    raise();
    activateWindow();
    m_view->setFocus();
}

void TableWindow::setZoom(qreal zoom)
{
    if (zoom == m_zoom)
        return;
    followZoom(*this, *this, m_baseFont, std::exchange(m_zoom, zoom), zoom);
    fitColumns();
}

bool TableWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_main && event->type() == QEvent::Resize)
        setZoom(ScaledLayout::scaleFor(static_cast<QResizeEvent *>(event)->size(), m_layoutSize));
    return QWidget::eventFilter(watched, event);
}

void TableWindow::copy()
{
    if (m_table.rowCount() == 0)
        return;
    std::set<int> rows, columns;
    for (const QModelIndex &index : m_view->selectionModel()->selectedIndexes()) {
        rows.insert(index.row());
        columns.insert(index.column());
    }
    QGuiApplication::clipboard()->setText(tableexport::tabSeparated(m_table, QList<int>(rows.begin(), rows.end()),
                                                                    QList<int>(columns.begin(), columns.end())));
}

bool TableWindow::saveCsv(const QString &fileName, const QLocale &locale)
{
    const QByteArray bytes = tableexport::csv(m_table, locale);
    // A device (/dev/full, a pipe) is written into: a save file would put a file in its place.
    const QFileInfo target(fileName);
    const bool device = target.exists() && !target.isFile() && !target.isDir();
    QSaveFile saved(fileName);
    QFile direct(fileName);
    QFileDevice &file = device ? static_cast<QFileDevice &>(direct) : saved;
    const bool opened = file.open(QIODevice::WriteOnly);
    const bool written = opened && file.write(bytes) == bytes.size() && file.flush();
    if (written && (device || saved.commit()))
        return true;
    QMessageBox::warning(this, QCoreApplication::translate("TableWindow", "Tabulka nebyla uložena"),
                         QCoreApplication::translate("TableWindow", "Tabulku se nepodařilo uložit do souboru „%1“.\n\n%2")
                             .arg(QDir::toNativeSeparators(fileName),
                                  whyNotSaved(fileName, file, opened && !written, QCoreApplication::translate("TableWindow", "Dokumenty"))));
    return false;
}

void TableWindow::saveCsvAs()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    const QString suggested = QStringLiteral("kestrova-%1.csv")
                                  .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd-HHmm")));
    QFileDialog dialog(this, QCoreApplication::translate("TableWindow", "Uložit tabulku"), QDir(folder).filePath(suggested),
                       QCoreApplication::translate("TableWindow", "Tabulka CSV (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    for (const auto &[label, text] : {std::pair{QFileDialog::LookIn, "Složka:"}, {QFileDialog::FileName, "Název souboru:"},
                                      {QFileDialog::FileType, "Typ souboru:"}, {QFileDialog::Accept, "Uložit"},
                                      {QFileDialog::Reject, "Zrušit"}})
        dialog.setLabelText(label, QString::fromUtf8(text));
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString fileName = dialog.selectedFiles().constFirst();
        if (QFileInfo::exists(fileName)
            && QMessageBox::question(this, QCoreApplication::translate("TableWindow", "Uložit tabulku"),
                                     QCoreApplication::translate("TableWindow", "Soubor „%1“ už existuje. Nahradit ho?").arg(QDir::toNativeSeparators(fileName)),
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                   != QMessageBox::Yes)
            continue;
        if (saveCsv(fileName))
            return;
    }
}
