// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears, without the window: the narration over plain widgets that stand in for its controls.
#include "accessibility.h"
#include "detectorscan.h"
#include "language.h"
#include "narration.h"
#include "runwords.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <cmath>

namespace {
// Czech after a number, worked out here: 1 pixel, 2 to 4 pixely, otherwise pixelů.
QString pixels(long n)
{
    const char *noun = n == 1 ? " pixel" : n >= 2 && n <= 4 ? " pixely" : " pixelů";
    return QString::number(n) + QString::fromUtf8(noun);
}

// The window's controls as plain widgets, presented as the window presents its own, and the narration over them.
struct Stand
{
    QWidget window;
    QPushButton start{&window}, quit{&window};
    QScrollBar slowDown{Qt::Horizontal, &window};
    QLineEdit address{&window}, caption{&window};
    QLabel title{QStringLiteral("Kestrova"), &window}, hint{QStringLiteral("Stiskněte Start."), &window};
    QWidget drawing{&window};
    Narration narration{{&window, &start, &quit, &slowDown, &address, &title, &hint, {&caption}, &drawing},
                        [] { return QStringLiteral("Parametry."); }};

    Stand()
    {
        accessibility::present(&window, accessibility::Role::Frame);
        accessibility::present(&slowDown, accessibility::Role::Setting);
        accessibility::present(&hint, accessibility::Role::Label);
        accessibility::present(&drawing, accessibility::Role::Picture);
        slowDown.setRange(1, 10);
        narration.retranslate(nullptr, false);
    }
    bool busy() { return QAccessible::queryAccessibleInterface(&window)->state().busy; }
};
}

Q_DECLARE_METATYPE(Setup)

class TestNarration : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale::c());
        language::use(QStringLiteral("cs"));
        accessibility::install();
    }

    void resultInWords_data()
    {
        QTest::addColumn<QList<double>>("probabilities");
        QTest::addColumn<QString>("words");
        QTest::newRow("nouns after 0 to 5, rounding")
            << QList<double>{0.4, 1.2, 3.4, 4.49, 5}
            << "Bod 1: 0 pixelů. Bod 2: 1 pixel. Bod 3: 3 pixely. Bod 4: 4 pixely. Bod 5: 5 pixelů, maximum. "
               "Maximum je v bodě 5.";
        QTest::newRow("22 and 2") << QList<double>{22, 2} << "Bod 1: 22 pixelů, maximum. Bod 2: 2 pixely. Maximum je v bodě 1.";
        QTest::newRow("two maxima, a minimum between, none at the ends")
            << QList<double>{160, 20, 159.6, 80, 70}
            << "Bod 1: 160 pixelů, maximum. Bod 2: 20 pixelů, minimum. Bod 3: 160 pixelů, maximum. Bod 4: 80 pixelů. "
               "Bod 5: 70 pixelů. Maxima jsou v bodech 1 a 3, minimum v bodě 2.";
        QTest::newRow("three minima") << QList<double>{5, 1, 5, 1, 5, 1, 9}
                                      << "Bod 1: 5 pixelů. Bod 2: 1 pixel, minimum. Bod 3: 5 pixelů. Bod 4: 1 pixel, "
                                         "minimum. Bod 5: 5 pixelů. Bod 6: 1 pixel, minimum. Bod 7: 9 pixelů, maximum. "
                                         "Maximum je v bodě 7, minima v bodech 2, 4 a 6.";
        QTest::newRow("alike once rounded") << QList<double>{160.2, 159.8, 160}
                                            << "Bod 1: 160 pixelů. Bod 2: 160 pixelů. Bod 3: 160 pixelů. "
                                               "Všechny úsečky jsou stejně dlouhé.";
        QTest::newRow("halves round up") << QList<double>{12.5, 0.5}
                                         << "Bod 1: 13 pixelů, maximum. Bod 2: 1 pixel. Maximum je v bodě 1.";
    }

    void resultInWords()
    {
        QFETCH(QList<double>, probabilities);
        QFETCH(QString, words);
        const QString text = words::resultInWords({probabilities.begin(), probabilities.end()});
        QCOMPARE(text.mid(text.indexOf(QStringLiteral("Bod 1:"))), words);
    }

    void slowDown_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("words");
        QTest::newRow("1") << 1 << "Zpomalení 1 z 10; projeví se při příštím spuštění";
        QTest::newRow("5") << 5 << "Zpomalení 5 z 10; projeví se při příštím spuštění";
        QTest::newRow("10") << 10 << "Zpomalení 10 z 10; projeví se při příštím spuštění";
    }

    // The value and the maximum in words, as the tooltip begins and as assistive technology reads the value.
    void slowDown()
    {
        QFETCH(int, value);
        QFETCH(QString, words);
        Stand stand;
        stand.slowDown.setValue(value);
        stand.narration.describeSlowDown();
        QVERIFY2(stand.slowDown.toolTip().startsWith(words), qPrintable(stand.slowDown.toolTip()));
        QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(&stand.slowDown);
        QCOMPARE(bar->text(QAccessible::Value), words);
        QCOMPARE(bar->text(QAccessible::Description), stand.slowDown.toolTip());
    }

    void aRun_data()
    {
        QTest::addColumn<QStringList>("events"); // after the run begins; "idle" is the window's once Start has the focus
        QTest::addColumn<bool>("busy");
        QTest::addColumn<QString>("start"); // how Start's description begins
        QTest::addColumn<bool>("result");   // whether the drawing's description holds the result
        QTest::newRow("begins") << QStringList{} << true << "Animace běží." << false;
        QTest::newRow("paused") << QStringList{"paused", "idle"} << false << "Animace pozastavena na začátku." << false;
        QTest::newRow("paused tells Start alone") << QStringList{"idle", "paused"} << false << "Animace pozastavena" << false;
        QTest::newRow("a step while paused") << QStringList{"paused", "idle", "moved"} << false << "Bod 1 z 11, krok 1 z " << false;
        QTest::newRow("goes on") << QStringList{"paused", "idle", "goesOn"} << true << "Animace běží." << false;
        QTest::newRow("a language during it") << QStringList{"language"} << true << "Animace běží." << false;
        QTest::newRow("ends") << QStringList{"ends"} << false << "Animace doběhla." << true;
        QTest::newRow("ends after a pause") << QStringList{"paused", "idle", "goesOn", "ends"} << false << "Animace doběhla." << true;
        QTest::newRow("a language after it") << QStringList{"ends", "language"} << false << "Spustí animaci" << true;
    }

    // Busy while it plays, the hint covered from its start, Start telling what it does, the result once it ends.
    void aRun()
    {
        QFETCH(QStringList, events);
        QFETCH(bool, busy);
        QFETCH(QString, start);
        QFETCH(bool, result);
        Stand stand;
        const auto run = recordRun(Setup(), {});
        QVERIFY(!stand.busy());
        stand.narration.runBegins();
        for (const QString &event : events) {
            if (event == QLatin1String("paused"))
                stand.narration.runPaused(*run, 0);
            else if (event == QLatin1String("idle"))
                stand.narration.setBusy(false);
            else if (event == QLatin1String("moved"))
                stand.narration.runMoved(*run, 1);
            else if (event == QLatin1String("goesOn"))
                stand.narration.runGoesOn();
            else if (event == QLatin1String("ends"))
                stand.narration.runEnds(*run);
            else if (event == QLatin1String("language"))
                stand.narration.retranslate(run.get(), !events.contains(QStringLiteral("ends")));
        }
        QCOMPARE(stand.busy(), busy);
        QVERIFY(accessibility::isCovered(&stand.hint));
        QVERIFY2(stand.start.accessibleDescription().startsWith(start), qPrintable(stand.start.accessibleDescription()));
        const QString drawing = stand.drawing.accessibleDescription();
        QVERIFY(drawing.contains(QStringLiteral("Parametry.")));
        QCOMPARE(drawing.contains(QStringLiteral("Bod 1: ")), result);
        if (result)
            for (size_t i = 0; i < run->points(); ++i) {
                const QString bar = QStringLiteral("Bod %1: %2").arg(i + 1).arg(pixels(std::lround(run->probabilities()[i])));
                QVERIFY2(drawing.contains(bar), qPrintable(bar));
            }
    }

    void photons_data()
    {
        QTest::addColumn<bool>("firing");
        QTest::addColumn<QString>("key");
        QTest::newRow("firing, F9") << true << "F9";
        QTest::newRow("firing, Ctrl+F") << true << "Ctrl+F";
        QTest::newRow("paused, F9") << false << "F9";
    }

    // The photons' sentences name the key given for them and Space, which pauses and resumes them.
    void photons()
    {
        QFETCH(bool, firing);
        QFETCH(QString, key);
        Stand stand;
        firing ? stand.narration.photonsFiring(key) : stand.narration.photonsPaused(key);
        const QString says = stand.start.accessibleDescription();
        QVERIFY2(says.startsWith(QString::fromUtf8(firing ? "Fotony dopadají" : "Fotony pozastaveny")), qPrintable(says));
        QVERIFY2(says.contains(key) && says.contains(QStringLiteral("Mezerník")), qPrintable(says));
        QVERIFY(says.indexOf(QStringLiteral("Mezerník")) < says.indexOf(key)); // Space pauses, the key stops
    }
};

QTEST_MAIN(TestNarration)
#include "tst_narration.moc"
