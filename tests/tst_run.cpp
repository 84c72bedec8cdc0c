// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The run as recorded: its physics against values computed here, its waits, its strokes where they matter, and
// what is reported when a field cannot be read.
#include "accessibility.h"
#include "testsupport.h"

#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>

#include <cmath>
#include <map>

namespace {
constexpr QRgb black = 0xFF000000, greenPixel = 0xFF00FF00;

// The probability bars as drawn: 3 pixels wide and black, from the base line at x = 550.
std::vector<double> drawnBars(const Timeline &run)
{
    std::vector<double> bars;
    for (const Stroke &stroke : run.strokes())
        if (stroke.width == 3 && stroke.colour == black && stroke.x1 == 550 && stroke.y1 == stroke.y2)
            bars.push_back(stroke.x2 - 550);
    return bars;
}

void compareBars(const std::vector<double> &actual, const std::vector<double> &expected, double tolerance)
{
    QCOMPARE(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i)
        QVERIFY2(std::fabs(actual[i] - expected[i]) <= tolerance,
                 qPrintable(QStringLiteral("bar %1: %2, expected %3").arg(i).arg(actual[i]).arg(expected[i])));
}

// The strokes of one step of a run.
std::vector<Stroke> strokesOf(const Timeline &run, size_t step)
{
    return {run.strokes().begin() + ptrdiff_t(run.strokesAt(step)), run.strokes().begin() + ptrdiff_t(run.strokesAt(step + 1))};
}
}

class TestRun : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void parameters_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("distance");
        QTest::addColumn<double>("frequency");
        QTest::addColumn<double>("spacing");
        QTest::newRow("starting values") << "nUr" << "1" << 200.0 << 1.0 << 40.0;
        QTest::newRow("frequency 0: every bar 160") << "nUr" << "0" << 200.0 << 0.0 << 40.0;
        QTest::newRow("frequency 0.5") << "nUr" << "0.5" << 200.0 << 0.5 << 40.0;
        QTest::newRow("distance 100: sum column on the detector") << "nVzdalenost" << "100" << 100.0 << 1.0 << 40.0;
        QTest::newRow("distance 50 mirrors 150") << "nVzdalenost" << "50" << 150.0 << 1.0 << 40.0;
        QTest::newRow("spacing 0: the paths coincide") << "nRd" << "0" << 200.0 << 1.0 << 0.0;
        QTest::newRow("spacing 80") << "nRd" << "80" << 200.0 << 1.0 << 80.0;
        QTest::newRow("largest spacing: the lower hole at the screen's end") << "nRd" << "341" << 200.0 << 1.0 << 341.0;
        QTest::newRow("distance 0") << "nVzdalenost" << "0" << 0.0 << 1.0 << 40.0;
        QTest::newRow("largest distance") << "nVzdalenost" << "290" << 290.0 << 1.0 << 40.0;
        QTest::newRow("largest frequency") << "nUr" << "1.4" << 200.0 << 1.4 << 40.0;
    }

    // The bars against the physics computed here, the bars drawn against the probabilities kept, the resultants
    // in the sum column, and the drawing's description. With Průběh on, the whole pattern: every pixel row of the
    // detector once, its bar as the physics gives it, each point's rows drawn in its last step before its bar, and
    // the level without interference, 80 pixels, with the apparatus.
    void parameters()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(double, distance);
        QFETCH(double, frequency);
        QFETCH(double, spacing);
        ShownWindow shown;
        shown.window->commands.pattern->setChecked(true);
        setFieldText(shown.window->findChild<QLineEdit *>(field), text);
        shown.start();
        QVERIFY(shown.errors.empty());
        compareBars(shown.run().probabilities(), expectedBars(distance, frequency, spacing), 1e-3);
        compareBars(drawnBars(shown.run()), shown.run().probabilities(), 1e-4);

        const float sumColumnX = float(fieldValue(shown.window->nVzdalenost) + 220);
        int resultants = 0;
        for (const Stroke &stroke : shown.run().strokes())
            if (stroke.colour == greenPixel) {
                QCOMPARE(stroke.x1, sumColumnX);
                ++resultants;
            }
        QCOMPARE(resultants, 11);

        // The drawing's description: one sentence per point, lowest first, with its bar in whole pixels.
        const QString description = QAccessible::queryAccessibleInterface(shown.window->canvas)->text(QAccessible::Description);
        static const QRegularExpression sentence(QStringLiteral("Bod (\\d+): (\\d+) (pixel|pixely|pixelů)(, maximum|, minimum)?\\."));
        QStringList sentences;
        for (const QRegularExpressionMatch &match : sentence.globalMatch(description))
            sentences << match.captured(1) + u' ' + match.captured(2);
        QStringList expected;
        for (const double bar : expectedBars(distance, frequency, spacing))
            expected << QString::number(expected.size() + 1) + u' ' + QString::number(std::lround(bar));
        QCOMPARE(sentences, expected);
        const QMap<QString, QString> named{{"nVzdalenost", "vzdálenost clony"}, {"nUr", "frekvence fotonů"}, {"nRd", "rozteč děr"}};
        QVERIFY2(description.contains(named[field] + u' ' + text), qPrintable(description)); // the values of the drawing

        const Timeline &run = shown.run();
        std::map<double, double> rows;
        for (const Timeline::PatternRow &row : run.pattern())
            QVERIFY2(rows.emplace(row.y, row.bar).second, qPrintable(QString::number(row.y)));
        QCOMPARE(rows.size(), size_t(412));
        QCOMPARE(rows.begin()->first, 100.0);
        for (const auto &[y, bar] : rows)
            QVERIFY(std::fabs(bar - expectedBar(distance, frequency, spacing, y)) < 1e-6);
        constexpr QRgb blue = 0xFF0000FF;
        size_t curveStrokes = 0;
        for (size_t point = 0; point < run.points(); ++point) {
            const std::vector<Stroke> last = strokesOf(run, run.endOf(point) - 1);
            const auto firstCurve = std::find_if(last.begin(), last.end(), [](const Stroke &s) { return s.colour == blue; });
            QVERIFY(firstCurve != last.end());
            QVERIFY(std::all_of(firstCurve, last.end() - 1, [](const Stroke &s) { return s.colour == blue; }));
            curveStrokes += size_t(last.end() - 1 - firstCurve);
        }
        QCOMPARE(curveStrokes, size_t(411)); // rows joined, 100 to 511
        const std::vector<Stroke> first = strokesOf(run, 0);
        QVERIFY(std::any_of(first.begin(), first.end(), [](const Stroke &s) {
            return s.x1 == 630 && s.x2 == 630 && s.y1 == 511 && s.y2 == 100 && s.colour != blue;
        }));
    }

    void lessonSetUp_data()
    {
        QTest::addColumn<QStringList>("changes"); // made after a first run, in order
        QTest::addColumn<double>("everyBar"); // of the next run; 0: Start refuses; -1: the starting bars; -2: others
        QTest::addColumn<QString>("described");   // in the drawing's description before the next run
        QTest::newRow("the upper hole covered from the menu") << QStringList{"menu 1"} << 40.0 << "Zakrytý otvor (počítáno shora): 1.";
        QTest::newRow("the upper hole covered by a click") << QStringList{"click 1"} << 40.0 << "Zakrytý otvor";
        QTest::newRow("the last open hole cannot be covered") << QStringList{"click 1", "click 2", "menu 2"} << 40.0 << "";
        QTest::newRow("opened again and watched: 80") << QStringList{"click 1", "click 1", "F7"} << 80.0 << "Trasa fotonu je sledována";
        QTest::newRow("one hole: 160") << QStringList{"holes 1"} << 160.0 << "Clona má 1 otvor.";
        QTest::newRow("a new number of holes opens them all") << QStringList{"menu 1", "holes 3", "holes 2"} << -1.0 << "";
        QTest::newRow("three holes too far apart: refused") << QStringList{"holes 3", "spacing 171"} << 0.0 << "";
        QTest::newRow("three holes") << QStringList{"holes 3"} << -2.0 << "Clona má 3 otvory.";
        QTest::newRow("Výchozí hodnoty restores all") << QStringList{"holes 4", "menu 2", "F7", "starting"} << -1.0 << "";
    }

    // After a first run, the teacher changes the set-up by the menu, the drawing, F7 and the fields: the hole shows
    // the change at once, the title notes it, and the next run follows it, or Start refuses in words naming both
    // fields.
    void lessonSetUp()
    {
        QFETCH(QStringList, changes);
        QFETCH(double, everyBar);
        QFETCH(QString, described);
        ShownWindow shown;
        SpomalenaAnimace &w = *shown.window;
        const QString title = w.windowTitle();
        shown.start();
        for (const QString &change : changes) {
            const QString what = change.section(u' ', 0, 0);
            const QString value = change.section(u' ', 1);
            if (what == "menu") {
                w.commands.holes->actions()[value.toInt() - 1]->trigger();
            } else if (what == "click") { // at the hole's centre, y = 340.5 ∓ 20
                const int hole = value.toInt();
                const QPoint centre(150, hole == 1 ? 320 : 360);
                const QPoint onItsRing = centre + QPoint(-3, 3); // clear of the screen line, the leg and the arrow
                const bool wasOpen = w.canvas->image().pixel(onItsRing) != black;
                const bool lastOpen = !w.commands.holes->actions()[2 - hole]->isChecked();
                QTest::mouseClick(&w, Qt::LeftButton, {}, centre);
                QCOMPARE(w.canvas->image().pixel(onItsRing) == black, wasOpen && !lastOpen); // shown at once
            } else if (what == "F7") {
                QTest::keyClick(&w, Qt::Key_F7);
            } else if (what == "holes") {
                setFieldText(w.nPocetOtvoru, value);
                QCOMPARE(w.commands.holes->actions().size(), value.toInt());
            } else if (what == "spacing") {
                setFieldText(w.nRd, value);
            } else if (what == "starting") {
                w.commands.startingValues->trigger();
            }
        }
        const QList<QAction *> items = w.commands.holes->actions();
        const auto open = std::count_if(items.begin(), items.end(), [](const QAction *item) { return item->isChecked(); });
        for (const QAction *item : items) // every item can act, but that of the last open hole
            QCOMPARE(item->isEnabled(), !(item->isChecked() && open == 1));
        QCOMPARE(w.windowTitle() == title, everyBar == -1);
        const Timeline *first = w.playback().run();
        shown.start();
        if (everyBar == 0) {
            QCOMPARE(w.playback().run(), first);
            QCOMPARE(shown.messages.texts.size(), 1);
            for (const char *named : {"„Počet otvorů“", "„Rozteč děr“", "nejvýše 170.5"})
                QVERIFY2(shown.messages.texts.front().contains(QString::fromUtf8(named)), qPrintable(shown.messages.texts.front()));
            QCOMPARE(w.focusWidget(), w.nRd);
            return;
        }
        if (everyBar > 0)
            compareBars(shown.run().probabilities(), std::vector<double>(11, everyBar), 1e-2);
        else if (everyBar == -1)
            compareBars(shown.run().probabilities(), startingBars(), 1e-2);
        const QString description = QAccessible::queryAccessibleInterface(w.canvas)->text(QAccessible::Description);
        QVERIFY2(description.contains(described), qPrintable(description));
    }

    void comparing_data()
    {
        QTest::addColumn<bool>("compare");       // F6 on for the second run
        QTest::addColumn<bool>("firstEnded");    // the first run paced and ended with End
        QTest::addColumn<QStringList>("changes"); // between the runs: "field=text", "cover=hole" or "watch"
        QTest::addColumn<QString>("caption");    // under the bars after the second run; "" when hidden
        QTest::newRow("spacing 80 after 40") << true << false << QStringList{"nRd=80"} << "předtím: rozteč 40";
        QTest::newRow("nothing changed") << true << false << QStringList{} << "předtím: stejné hodnoty";
        QTest::newRow("a run ended with End counts") << true << true << QStringList{"nUr=0.5"} << "předtím: frekvence 1";
        QTest::newRow("holes, covers, watching") << true << false << QStringList{"nPocetOtvoru=3", "cover=2", "watch"}
                                                 << "předtím: otvorů 2, trasa nesledována";
        QTest::newRow("switched off: none of it") << false << false << QStringList{"nRd=80"} << "";
    }

    // With F6 on, a run keeps the last finished run's bars beside its own and names in its caption what differed;
    // a screen reader hears each previous bar beside the new one.
    void comparing()
    {
        QFETCH(bool, compare);
        QFETCH(bool, firstEnded);
        QFETCH(QStringList, changes);
        QFETCH(QString, caption);
        ShownWindow shown(firstEnded);
        SpomalenaAnimace &w = *shown.window;
        shown.start();
        if (firstEnded)
            QTest::keyClick(&w, Qt::Key_End);
        QVERIFY(!w.playback().running());
        const std::vector<double> first = shown.run().probabilities();
        for (const QString &change : changes)
            shown.change(change);
        w.commands.compare->setChecked(compare);
        shown.start();
        w.playback().finish();
        QCOMPARE(shown.run().previous().has_value(), compare);
        QCOMPARE(w.nPredtim->isVisible(), compare);
        if (!compare)
            return;
        QCOMPARE(shown.run().previous()->bars, first);
        QCOMPARE(w.nPredtim->text(), caption);
        QVERIFY(!w.nPredtim->geometry().intersects(w.nBezInterference->geometry()));
        const QString description = QAccessible::queryAccessibleInterface(w.canvas)->text(QAccessible::Description);
        QVERIFY2(description.contains(QStringLiteral("Bod 1: %1 pixel").arg(std::lround(shown.run().probabilities()[0])))
                     && description.contains(QStringLiteral(", předtím %1 pixel").arg(std::lround(first[0]))),
                 qPrintable(description));
    }

    // The drawing's description tells the values of the drawing: a field changed does not alter it, the next run's
    // result replaces the first's, with the whole pattern's extrema where it has one. Its minima lie where the paths
    // differ by half a wavelength: 402.8 and 278.2 (computed apart).
    void resultInTheDrawingsDescription()
    {
        ShownWindow shown;
        QAccessibleInterface *drawing = QAccessible::queryAccessibleInterface(shown.window->canvas);
        const QString values = QStringLiteral("Parametry: vzdálenost clony 200, frekvence fotonů 1, rozteč děr 40.");
        const QString before = drawing->text(QAccessible::Description);
        QVERIFY2(before.endsWith(values), qPrintable(before));
        shown.start();
        const QString afterFirst = drawing->text(QAccessible::Description);
        QVERIFY(afterFirst.startsWith(before + u' '));
        setFieldText(shown.window->nUr, QStringLiteral("0.5"));
        QCOMPARE(drawing->text(QAccessible::Description), afterFirst);
        setFieldText(shown.window->nUr, QStringLiteral("1"));
        shown.window->commands.pattern->setChecked(true);
        shown.start();
        const QString description = drawing->text(QAccessible::Description);
        QVERIFY2(description.startsWith(before + u' ') && description.size() > afterFirst.size(), qPrintable(description));
        QVERIFY2(description.endsWith(QStringLiteral("Maximum je v bodě 5, minima v bodech 3 a 7. Průběh: maximum na ose; "
                                                     "minima 62 pixelů pod osou a 62 pixelů nad osou.")),
                 qPrintable(description));
    }

    void hintIsCoveredByTheBand()
    {
        ShownWindow shown;
        const QRect hint = shown.window->Label2->geometry().adjusted(0, 0, -75, 0); // clear of the detector and its arrows
        QVERIFY(darkPixels(shown.window->grab(hint).toImage()) > 50);
        shown.start();
        QCOMPARE(darkPixels(shown.window->grab(hint).toImage()), 0);
    }

    void badFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message"); // part of the message shown instead of a run, "" for none
        QTest::addColumn<int>("error");       // run-time error of a field the program writes; 0: none
        const auto ofDistance = " Zadejte číslo od 0 do 290, například 150.";
        QTest::newRow("distance empty") << "nVzdalenost" << "" << QString("Pole „Vzdálenost clony“ je prázdné.") + ofDistance << 0;
        QTest::newRow("spacing decimal comma in C locale") << "nRd" << "4,5" << "není číslo. Desetinná místa oddělte tečkou. Zadejte číslo od 0 do 341, například 80." << 0;
        QTest::newRow("markup is shown as typed") << "nRd" << "<b>40</b>" << "Hodnota „<b>40</b>“ v poli „Rozteč děr“" << 0;
        QTest::newRow("frequency a word") << "nUr" << "x" << "od 0 do 1.4, například 0.5." << 0;
        QTest::newRow("slow-down empty") << "nSpomaleni" << "" << "" << 13;
        QTest::newRow("absurd slow-down") << "nSpomaleni" << "1e305" << "" << 6;
        QTest::newRow("negative slow-down waits nothing") << "nSpomaleni" << "-1" << "" << 0;
        QTest::newRow("slow-down whose total overflows") << "nSpomaleni" << "1e303" << "" << 0;
    }

    // A parameter that cannot be used is a message when Start is pressed, before anything is drawn: the focus goes
    // to its field, shown, and nothing else changes. A field the program writes still raises a run-time error.
    void badFields()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        QFETCH(int, error);
        ShownWindow shown;
        auto *box = shown.window->findChild<QLineEdit *>(field);
        setFieldText(box, text);
        const QImage before = shown.window->canvas->image();
        const QString title = shown.window->windowTitle();
        shown.start();
        QCOMPARE(shown.errors, error ? std::vector<int>{error} : std::vector<int>{});
        QCOMPARE(shown.messages.texts.size(), message.isEmpty() ? 0 : 1);
        QVERIFY(shown.messages.allPlain);
        const bool runs = message.isEmpty() && !error;
        QCOMPARE(shown.window->nClona->isVisible(), runs);
        QVERIFY(!shown.window->playback().running());
        if (runs)
            return;
        QVERIFY(!shown.window->playback().run());
        QCOMPARE(shown.window->canvas->image(), before);
        QVERIFY(shown.window->cmdStart->isEnabled());
        QVERIFY(!accessibility::isBusy(shown.window.get()) && !accessibility::isCovered(shown.window->Label2));
        if (!message.isEmpty()) {
            QVERIFY2(shown.messages.texts.front().contains(message), qPrintable(shown.messages.texts.front()));
            QCOMPARE(shown.window->focusWidget(), box);
            QVERIFY(box->isVisible() && box->isEnabled());
            QCOMPARE(box->selectedText(), text);
            QCOMPARE(shown.window->windowTitle(), title);
        }
    }
};

QTEST_MAIN(TestRun)
#include "tst_run.moc"
