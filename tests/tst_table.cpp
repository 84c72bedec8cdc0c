// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The table of the last run (F5): its bars those drawn, its copy as cells, its CSV read back in two notations, a
// failed save told in Czech with nothing half-written, the help's physics with the run's own numbers and its legend
// with the model's.
#include "helpwindow.h"
#include "language.h"
#include "parameterfields.h"
#include "runwords.h"
#include "phasors.h"
#include "tableexport.h"
#include "tablewindow.h"
#include "testsupport.h"

#include <QClipboard>
#include <QLabel>
#include <QScopeGuard>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>

namespace {
struct Change
{
    QString distance = QStringLiteral("200");
    QString frequency = QStringLiteral("1");
    QString spacing = QStringLiteral("40");
    int holes = 2;
    int covered = 0; // a hole covered, counted from the top; 0 for none
    bool watched = false;
};

// The window with the table open, after a run of the change.
struct TableShown : ShownWindow
{
    TableWindow *table = nullptr;

    explicit TableShown(const Change &change = {})
    {
        window->commands.parameters->setChecked(true);
        setFieldText(window->nVzdalenost, change.distance);
        setFieldText(window->nUr, change.frequency);
        setFieldText(window->nRd, change.spacing);
        setFieldNumber(window->nPocetOtvoru, change.holes);
        window->commands.table->trigger(); // open before the run: it follows the run's end
        table = window->findChild<TableWindow *>(QStringLiteral("table"));
        if (change.covered)
            window->parameterFields().setOpen(change.covered, false);
        window->commands.watched->setChecked(change.watched);
        start();
    }
    const PointTable &model() const { return table->table(); }
    int columnOf(PointTable::Column column) const
    {
        for (int i = 0; i < model().columnCount(); ++i)
            if (model().column(i) == column)
                return i;
        return -1;
    }
    QString cell(int row, PointTable::Column column) const { return model().text(row, columnOf(column), QLocale()); }
};

// Fields of a CSV text split by the separator, quotes honoured: a small reader, as a spreadsheet reads.
QList<QStringList> readCsv(const QString &text, QChar separator)
{
    QList<QStringList> lines{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
                field += text[++i];
            else if (c == u'"')
                quoted = false;
            else
                field += c;
        } else if (c == u'"') {
            quoted = true;
        } else if (c == separator) {
            lines.back() << std::exchange(field, {});
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            lines.back() << std::exchange(field, {});
            lines.append(QStringList{});
            ++i;
        } else {
            field += c;
        }
    }
    if (lines.back().isEmpty() && field.isEmpty())
        lines.removeLast();
    return lines;
}
} // namespace

Q_DECLARE_METATYPE(Change)

class TestTable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void barsAsDrawn_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("starting values") << Change{};
        QTest::newRow("distance 120") << Change{.distance = "120"};
        QTest::newRow("frequency 0.5") << Change{.frequency = "0.5"};
        QTest::newRow("frequency 0") << Change{.frequency = "0"};
        QTest::newRow("spacing 90") << Change{.spacing = "90"};
        QTest::newRow("one hole") << Change{.holes = 1};
        QTest::newRow("five holes") << Change{.holes = 5};
        QTest::newRow("upper hole covered") << Change{.covered = 1};
        QTest::newRow("middle of three covered") << Change{.holes = 3, .covered = 2};
        QTest::newRow("watched") << Change{.watched = true};
        QTest::newRow("three holes watched") << Change{.holes = 3, .watched = true};
    }

    // Each point's bar as drawn, to the table's rounding; the sum's length squared gives it, the heights the points'.
    void barsAsDrawn()
    {
        QFETCH(Change, change);
        TableShown shown(change);
        QVERIFY(shown.table && shown.table->isVisible());
        QVERIFY(shown.errors.empty());
        const std::vector<double> &drawn = shown.run().probabilities();
        QCOMPARE(shown.model().rowCount(), 11);
        for (int row = 0; row < 11; ++row) {
            QCOMPARE(shown.cell(row, PointTable::Column::Point), QString::number(row + 1));
            QCOMPARE(shown.cell(row, PointTable::Column::Bar), QString::number(drawn[size_t(row)], 'f', 2));
            QCOMPARE(shown.cell(row, PointTable::Column::Height),
                     QString::number(340.5 - shown.run().pointY()[size_t(row)], 'f', 2));
            const double sum = shown.cell(row, PointTable::Column::Sum).toDouble();
            QVERIFY2(std::abs(0.1 * sum * sum - drawn[size_t(row)]) < 0.1 * 2 * 40 * 0.005 + 1e-9,
                     qPrintable(shown.cell(row, PointTable::Column::Sum)));
        }
        const QString sumTitle = shown.model().title(shown.columnOf(PointTable::Column::Sum));
        QCOMPARE(sumTitle.contains(QStringLiteral("sčítají se pravděpodobnosti")), change.watched);
        double shares = 0;
        for (int row = 0; row < 11; ++row)
            shares += shown.cell(row, PointTable::Column::BarShare).toDouble();
        QVERIFY2(std::abs(shares - 100) <= 11 * 0.05 + 1e-9, qPrintable(QString::number(shares))); // each to a tenth
    }

    void pathsAndDifferences_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("pathTitles");
        QTest::newRow("two holes") << Change{} << QStringList{"Dráha horním otvorem (px)", "Dráha dolním otvorem (px)"};
        QTest::newRow("frequency 1.3, spacing 70") << Change{.frequency = "1.3", .spacing = "70"}
                                                   << QStringList{"Dráha horním otvorem (px)", "Dráha dolním otvorem (px)"};
        QTest::newRow("one hole") << Change{.holes = 1} << QStringList{"Dráha otvorem (px)"};
        QTest::newRow("four holes, the top covered") << Change{.holes = 4, .covered = 1}
                                                     << QStringList{"Dráhy otevřenými otvory shora (px)"};
    }

    // The paths' lengths from the holes' own geometry; Δs between the top two open paths, in px, in λ and as a phase
    // within a turn; none where one path is open.
    void pathsAndDifferences()
    {
        QFETCH(Change, change);
        QFETCH(QStringList, pathTitles);
        TableShown shown(change);
        QStringList titles;
        for (int i = 0; i < shown.model().columnCount(); ++i)
            titles << shown.model().title(i);
        for (const QString &title : pathTitles)
            QVERIFY2(titles.contains(title), qPrintable(titles.join(u'|')));
        const double frequency = change.frequency.toDouble();
        const double spacing = change.spacing.toDouble();
        for (int row = 0; row < 11; ++row) {
            const double y = 500.94 - 40 * row;
            std::vector<double> open; // lengths, top to bottom
            for (int k = 1; k <= change.holes; ++k)
                if (k != change.covered)
                    open.push_back(std::hypot(change.distance.toDouble() - 100, 340.5 + (k - (change.holes + 1) / 2.0) * spacing - y));
            QStringList lengths;
            for (const double length : open)
                lengths << QString::number(length, 'f', 2);
            if (change.holes == 2) {
                QCOMPARE(shown.cell(row, PointTable::Column::UpperPath), lengths[0]);
                QCOMPARE(shown.cell(row, PointTable::Column::LowerPath), lengths[1]);
            } else if (change.holes > 2) {
                QCOMPARE(shown.cell(row, PointTable::Column::OpenPaths), lengths.join(QStringLiteral("; ")));
            } else {
                QCOMPARE(shown.cell(row, PointTable::Column::Path), lengths[0]);
                QVERIFY(shown.cell(row, PointTable::Column::PathDifference).isEmpty());
                QVERIFY(shown.cell(row, PointTable::Column::PhaseDifference).isEmpty());
                continue;
            }
            const double difference = open[1] - open[0];
            QCOMPARE(shown.cell(row, PointTable::Column::PathDifference), QString::number(difference, 'f', 2));
            const double turns = difference * 0.15 * frequency / (2 * M_PI);
            QCOMPARE(shown.cell(row, PointTable::Column::PathDifferenceInWavelengths).toDouble(), std::round(turns * 1000) / 1000);
            const double degrees = shown.cell(row, PointTable::Column::PhaseDifference).toDouble();
            QVERIFY(degrees >= 0 && degrees < 360);
            const double expected = (turns - std::floor(turns)) * 360;
            QVERIFY2(std::abs(degrees - expected) < 0.051 || std::abs(std::abs(degrees - expected) - 360) < 0.051,
                     qPrintable(QStringLiteral("%1° for %2°").arg(degrees).arg(expected)));
        }
        QVERIFY(shown.table->findChild<QLabel *>()->text().contains(QStringLiteral("λ = 2π / ")));
    }

    // At frequency 0 the line says in words that the arrows do not turn, and prints no infinity.
    void frequencyZeroInWords()
    {
        TableShown shown(Change{.frequency = "0"});
        const QString line = shown.model().summary();
        QVERIFY2(line.contains(QStringLiteral("neotáčejí")), qPrintable(line));
        QVERIFY(!line.contains(QStringLiteral("inf")) && !line.contains(QStringLiteral("∞")));
        for (int row = 0; row < 11; ++row)
            QCOMPARE(shown.cell(row, PointTable::Column::PathDifferenceInWavelengths), QStringLiteral("0.000"));
    }

    void copy_data()
    {
        QTest::addColumn<bool>("byKeys");    // Ctrl+C in the table, or the button
        QTest::addColumn<QList<int>>("rows"); // selected, with columns 0 to 2; none: the whole table
        QTest::newRow("nothing selected, Ctrl+C") << true << QList<int>{};
        QTest::newRow("nothing selected, the button") << false << QList<int>{};
        QTest::newRow("points 3 to 5, Ctrl+C") << true << QList<int>{2, 3, 4};
    }

    // Tab-separated cells with a line of titles, the bars as drawn: the selection, or all when nothing is selected.
    void copy()
    {
        QFETCH(bool, byKeys);
        QFETCH(QList<int>, rows);
        TableShown shown;
        QTableView *view = shown.table->view();
        view->clearSelection();
        if (!rows.isEmpty())
            view->selectionModel()->select(QItemSelection(shown.model().index(rows.front(), 0),
                                                          shown.model().index(rows.back(), 2)),
                                           QItemSelectionModel::Select);
        QGuiApplication::clipboard()->clear();
        if (byKeys) {
            QApplication::setActiveWindow(shown.table); // as the window manager does on a click into it
            QVERIFY(QTest::qWaitForWindowActive(shown.table));
            view->setFocus();
            QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        } else {
            QTest::mouseClick(shown.table->findChild<QPushButton *>(), Qt::LeftButton);
        }
        const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), (rows.isEmpty() ? 11 : int(rows.size())) + 1);
        const QStringList titles = lines.front().split(u'\t');
        QCOMPARE(titles.size(), rows.isEmpty() ? shown.model().columnCount() : 3);
        QCOMPARE(titles.front(), QStringLiteral("Bod"));
        for (int line = 1; line < lines.size(); ++line) {
            const QStringList cells = lines[line].split(u'\t');
            QCOMPARE(cells.size(), titles.size());
            const int row = rows.isEmpty() ? line - 1 : rows[line - 1];
            QCOMPARE(cells.front(), QString::number(row + 1));
            if (rows.isEmpty())
                QCOMPARE(cells[titles.indexOf(QStringLiteral("Úsečka (px)"))],
                         QString::number(shown.run().probabilities()[size_t(row)], 'f', 2));
        }
    }

    // Photons that have landed add their hits and share; while none have, the columns are not there.
    void hits()
    {
        TableShown shown;
        const int columns = shown.model().columnCount();
        shown.window->commands.photons->trigger();
        Photons &photons = shown.window->photons();
        for (int i = 0; i < 200; ++i)
            photons.land();
        photons.pause(); // the table follows at once when they pause
        QCOMPARE(shown.model().columnCount(), columns + 2);
        size_t total = 0;
        for (int row = 0; row < 11; ++row) {
            QCOMPARE(shown.cell(row, PointTable::Column::Hits), QString::number(photons.hits()[size_t(row)]));
            total += photons.hits()[size_t(row)];
        }
        QCOMPARE(total, size_t(200));
        photons.stop();
        shown.start(); // a new run: the hits of the last are gone with its table
        QCOMPARE(shown.model().columnCount(), columns);
    }

    void csvReadsBack_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("decimalMark");
        const QLocale czech(QLocale::Czech, QLocale::Czechia), english(QLocale::English, QLocale::UnitedStates);
        QTest::newRow("Czech") << czech << Change{} << ";" << ",";
        QTest::newRow("English") << english << Change{} << "," << ".";
        QTest::newRow("German, three holes") << QLocale(QLocale::German, QLocale::Germany) << Change{.holes = 3} << ";" << ",";
        QTest::newRow("English, three holes") << english << Change{.holes = 3} << "," << ".";
    }

    // The file as a spreadsheet of the locale reads it: a byte-order mark, the titles, and the table's numbers; a field
    // that holds the separator comes quoted.
    void csvReadsBack()
    {
        QFETCH(QLocale, locale);
        QFETCH(Change, change);
        QFETCH(QString, separator);
        QFETCH(QString, decimalMark);
        TableShown shown(change);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("tabulka.csv"));
        QVERIFY(shown.table->saveCsv(path, locale));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        const QString text = QString::fromUtf8(bytes.mid(3));
        const QList<QStringList> lines = readCsv(text, separator.front());
        QCOMPARE(lines.size(), 12);
        const PointTable &model = shown.model();
        for (int column = 0; column < model.columnCount(); ++column)
            QCOMPARE(lines[0].value(column), model.title(column));
        for (int row = 0; row < 11; ++row) {
            QCOMPARE(lines[row + 1].size(), model.columnCount());
            for (int column = 0; column < model.columnCount(); ++column) {
                const QString expected = model.text(row, column, QLocale::c());
                const QString read = lines[row + 1][column];
                if (model.column(column) == PointTable::Column::OpenPaths) {
                    QCOMPARE(read, QString(expected).replace(u'.', decimalMark.front()));
                    continue;
                }
                QVERIFY2(!read.contains(decimalMark == "," ? u'.' : u','), qPrintable(read));
                QCOMPARE(QString(read).replace(decimalMark.front(), u'.').toDouble(), expected.toDouble());
            }
        }
        if (change.holes > 2 && separator == ";")
            QVERIFY(text.contains(QStringLiteral(";\"")));
    }

    void csvField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "Bod" << ";" << "Bod";
        QTest::newRow("the separator") << "1,5; 2,5" << ";" << "\"1,5; 2,5\"";
        QTest::newRow("the other separator") << "1.5; 2.5" << "," << "1.5; 2.5";
        QTest::newRow("a comma under commas") << "a, b" << "," << "\"a, b\"";
        QTest::newRow("a quote") << "say \"hi\"" << "," << "\"say \"\"hi\"\"\"";
        QTest::newRow("a line break") << "a\nb" << ";" << "\"a\nb\"";
    }

    void csvField()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QString, field);
        QCOMPARE(tableexport::csvField(text, separator.front()), field);
        QCOMPARE(readCsv(field + QStringLiteral("\r\n"), separator.front()), QList<QStringList>{{text}});
    }

    void failureToSave_data()
    {
        QTest::addColumn<QString>("where"); // in a fresh folder, or a path of its own
        QTest::addColumn<QString>("reason");
#ifdef Q_OS_LINUX
        QTest::newRow("a folder without write permission") << "jen-ke-čtení/tabulka.csv" << "nemáte právo zapisovat";
        QTest::newRow("a full disk") << "/dev/full" << "není dost místa";
#endif
        QTest::newRow("a folder that does not exist") << "není/tabulka.csv" << "neexistuje";
        QTest::newRow("a name taken by a folder") << "složka" << "je složka";
        QTest::newRow("a name too long to create") << QString(300, u'x') + ".csv" << "nelze vytvořit";
    }

    // A Czech message that says why, the program going on, and no file left half-written.
    void failureToSave()
    {
        QFETCH(QString, where);
        QFETCH(QString, reason);
        TableShown shown;
        const SaveFolders folders;
        if (where.startsWith(QStringLiteral("jen")) && folders.readOnlyIsWritable())
            QSKIP("this process may write into a folder without write permission");
        if (where == QStringLiteral("/dev/full") && (!QFileInfo(where).isWritable() || QFileInfo(where).isFile()))
            QSKIP("no /dev/full to write to");

        const QString path = where.startsWith(u'/') ? where : folders.path(where);
        QVERIFY(!shown.table->saveCsv(path, QLocale(QLocale::Czech)));
        QCOMPARE(shown.messages.texts.size(), 1);
        const QString &message = shown.messages.texts.front();
        QVERIFY2(message.contains(QStringLiteral("Tabulku se nepodařilo uložit")), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        const QStringList left = QDir(folders.folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QCOMPARE(left, (QStringList{"jen-ke-čtení", "složka"}));
        QVERIFY(QDir(folders.readOnly).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QVERIFY(shown.table->isVisible() && shown.window->isVisible());
        shown.start(); // and the program goes on
        QCOMPARE(shown.model().rowCount(), 11);
    }

    // The table stays beside the main window where there is room, and grows with its zoom.
    void besideAndZoomed()
    {
        TableShown shown;
        const qreal pointsAtOne = shown.table->view()->font().pointSizeF();
        const int widthAtOne = shown.table->width();
        shown.window->resize(SpomalenaAnimace::clientSize * 1.5);
        QCOMPARE(shown.table->view()->font().pointSizeF(), pointsAtOne * 1.5);
        QCOMPARE(shown.table->width(), qRound(widthAtOne * 1.5));
        QVERIFY(!shown.table->isModal());
    }

    void helpFollowsTheRun_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QStringList>("phrases");
        QTest::newRow("starting values") << Change{} << QStringList{"Výchozí hodnoty", "o 0,15 radiánu", "λ = 2π / 0,15 ≈ 42 pixelů",
                                                                  "celistvý násobek λ", "lichý násobek λ/2", "λ/2 ≈ 21 pixelů", "3λ/2 ≈ 63 pixelů"};
        QTest::newRow("frequency 0.5") << Change{.frequency = "0.5"} << QStringList{"frekvence fotonů 0,5", "0,15 × 0,5 = 0,075 radiánu",
                                                                                  "λ = 2π / (0,15 × 0,5) ≈ 84 pixelů", "λ/2 ≈ 42 pixelů"};
        QTest::newRow("frequency 1.4, spacing 60") << Change{.frequency = "1.4", .spacing = "60"}
                                                   << QStringList{"rozteč děr 60 px", "λ = 2π / (0,15 × 1,4) ≈ 30 pixelů"};
        QTest::newRow("frequency 0") << Change{.frequency = "0"} << QStringList{"neotáčí", "nekonečná", "lichý násobek λ/2"};
    }

    // The help's physics gives the drawn run's wavelength, its halves and its values, in Czech notation.
    void helpFollowsTheRun()
    {
        QFETCH(Change, change);
        QFETCH(QStringList, phrases);
        TableShown shown(change);
        QTest::keyClick(shown.window.get(), Qt::Key_F1);
        auto *help = shown.window->findChild<QWidget *>(QStringLiteral("help"));
        QVERIFY(help);
        const QString text = help->findChild<QTextBrowser *>()->toPlainText();
        for (const QString &phrase : phrases)
            QVERIFY2(text.contains(phrase), qPrintable(phrase + QStringLiteral(" in ") + text));
        QVERIFY(!text.contains(QStringLiteral("celý násobek")));
        QVERIFY(!text.contains(QStringLiteral("inf")));
    }

    // The legend's numbers are the model's, in each language's notation: %1 the arrows' chain, %2 an arrow at two
    // holes, %3 the bar's scale, %4 the level without interference at two holes.
    void helpQuotesTheModel_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QStringList>("phrases");
        QTest::newRow("Czech") << "cs" << QStringList{"délku %1 / N pixelů", "u dvou tedy %2.", "délka je %3 × |součet|²",
                                                      "u dvou otvorů %4, %3 × (%2² + %2²)."};
        QTest::newRow("English") << "en" << QStringList{"%1 / N pixels long", "so %2 for two holes", "length is %3 × |sum|²",
                                                        "%4 for two holes, %3 × (%2² + %2²)."};
        QTest::newRow("Slovak") << "sk" << QStringList{"dĺžku %1 / N pixelov", "pri dvoch teda %2.", "dĺžka je %3 × |súčet|²",
                                                       "pri dvoch otvoroch %4, %3 × (%2² + %2²)."};
    }
    void helpQuotesTheModel()
    {
        QFETCH(QString, code);
        QFETCH(QStringList, phrases);
        QVERIFY(language::use(code));
        const auto czechAgain = qScopeGuard([] { language::use(language::codes().constFirst()); });
        const auto number = [notation = QLocale(code)](double value) { return parameters::written(value, notation); };
        const double arrow = interference::arrowLengthFor(2);
        const QStringList numbers{number(apparatus::chainLength), number(arrow), number(interference::probabilityScale),
                                  words::pixels(std::lround(interference::withoutInterference(arrow, 2)))};
        const QString text = helpText({});
        for (QString phrase : phrases) {
            for (qsizetype i = 0; i < numbers.size(); ++i)
                phrase.replace(u'%' + QString::number(i + 1), numbers[i]);
            QVERIFY2(text.contains(phrase), qPrintable(phrase));
        }
    }
};

QTEST_MAIN(TestTable)
#include "tst_table.moc"
