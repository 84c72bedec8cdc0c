// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The window by keyboard, mouse and screen reader: focus, the parameter fields, the slow-down, the scaled layout,
// what a run tells assistive technology, and how the program ends. How it looks at start is tst_golden's.
#include "accessibility.h"
#include "errorreport.h"
#include "startup.h"
#include "testsupport.h"

#include <algorithm>
#include <cmath>

#include <QAccessible>
#include <QGroupBox>
#include <QPointer>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>

namespace {
using Action = std::function<void(SpomalenaAnimace &)>;

QRect scrollBarPart(QScrollBar *bar, QStyle::SubControl part)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

struct Laid
{
    QPointer<QWidget> control;
    QRect geometry;
    QFont font;
    bool ownFont;
};

// Every control with its geometry and font as they are now.
std::vector<Laid> layoutOf(QWidget *window)
{
    std::vector<Laid> laid;
    for (QWidget *control : window->findChildren<QWidget *>())
        if (!control->isWindow())
            laid.push_back({control, control->geometry(), control->font(), control->testAttribute(Qt::WA_SetFont)});
    return laid;
}
}

class TestWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void parameterFields_data()
    {
        QTest::addColumn<int>("presses"); // of F2
        QTest::addColumn<bool>("duringARun");
        QTest::newRow("F2 shows them") << 1 << false;
        QTest::newRow("F2 again hides them: the window as at start") << 2 << false;
        QTest::newRow("shown during a run, editable once it is over") << 1 << true;
    }

    // The three fields with their labels, the labels above the drawing while shown, nothing else; a run's band
    // paints over none of them. (Backtab into them: the black box.)
    void parameterFields()
    {
        QFETCH(int, presses);
        QFETCH(bool, duringARun);
        ShownWindow shown(duringARun);
        SpomalenaAnimace &w = *shown.window;
        const QImage atStart = w.grab().toImage();
        if (duringARun)
            shown.start();
        for (int i = 0; i < presses; ++i)
            QTest::keyClick(&w, Qt::Key_F2);
        const bool visible = presses == 1;
        const QObjectList stack = w.children();
        for (QLabel *label : {w.Label1, w.labFrekvence, w.labRoztec, w.labOtvory})
            QCOMPARE(label->isVisible() && stack.indexOf(label) > stack.indexOf(w.canvas), visible);
        QVERIFY(!w.nPocetFotonu->isVisible() && !w.frmAnimace->isVisible() && !w.nSpomaleni->isVisible());
        QCOMPARE(w.commands.parameters->isChecked(), visible);
        QCOMPARE(w.nUr->isEnabled(), visible && !duringARun);
        w.playback().finish();
        for (QLineEdit *field : {w.nVzdalenost, w.nUr, w.nRd, w.nPocetOtvoru})
            QCOMPARE(field->isVisible() && field->isEnabled(), visible);
        if (!visible) {
            QCOMPARE(w.grab().toImage(), atStart);
            return;
        }
        if (!duringARun) { // the fields join the tab cycle of Start, KONEC and the scroll bar
            QTRY_COMPARE(QApplication::focusWidget(), w.cmdStart);
            for (const char *next : {"cmdKonec", "HScroll1", "nRd", "nUr", "nVzdalenost", "nPocetOtvoru", "cmdStart"}) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
            }
        }
        const QRect area(32, 100, 106, 174);
        const QImage before = w.grab(area).toImage();
        QVERIFY(darkPixels(before) > 100); // the labels' and fields' text
        shown.start();
        w.playback().finish();
        QCOMPARE(w.grab(area).toImage(), before);
    }

    void sumColumnCaption_data()
    {
        QTest::addColumn<QString>("distance");
        QTest::addColumn<QRect>("expected"); // null: anywhere the rule allows
        QTest::newRow("starting distance: where it always was") << "200" << QRect(400, 64, 113, 19);
        QTest::newRow("50: below the detector's caption, over its column") << "50" << QRect(250, 85, 113, 19);
        QTest::newRow("0") << "0" << QRect();
        QTest::newRow("120: slid right, clear of the detector's") << "120" << QRect();
        QTest::newRow("240: slid left, clear of the probability's") << "240" << QRect();
        QTest::newRow("290") << "290" << QRect();
    }

    // The caption of the sum column names it wherever the distance puts it: the column runs under it, 8 px or more
    // in from its ends, and it covers no other caption.
    void sumColumnCaption()
    {
        QFETCH(QString, distance);
        QFETCH(QRect, expected);
        ShownWindow shown;
        SpomalenaAnimace &w = *shown.window;
        setFieldText(w.nVzdalenost, distance);
        shown.start();
        QVERIFY(w.nSoučet->isVisible());
        const QRect caption = w.nSoučet->geometry();
        const int column = distance.toInt() + 220;
        QVERIFY2(caption.left() + 8 <= column && column <= caption.right() - 7, qPrintable(QString::number(caption.left())));
        for (const QLineEdit *other : {w.nClona, w.nStínítko, w.nPravděpodob, w.nZdroj, w.nAdresa})
            QVERIFY2(!caption.intersects(other->geometry()), qPrintable(other->objectName()));
        if (!expected.isNull())
            QCOMPARE(caption, expected);
    }

    void changedParametersInTheTitle_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changed");
        const QLocale czech(QLocale::Czech, QLocale::Czechia);
        QTest::newRow("the same value written otherwise") << "nUr" << czech << "1,0" << false;
        QTest::newRow("another frequency") << "nUr" << czech << "0,5" << true;
    }

    // The title notes a value other than the starting one, until "Výchozí hodnoty" writes those again.
    void changedParametersInTheTitle()
    {
        QFETCH(QString, field);
        QFETCH(QLocale, locale);
        QFETCH(QString, text);
        QFETCH(bool, changed);
        QLocale::setDefault(locale);
        ShownWindow shown;
        const QString title = shown.window->windowTitle();
        setFieldText(shown.window->findChild<QLineEdit *>(field), text);
        QCOMPARE(shown.window->windowTitle(), changed ? title + QStringLiteral(" – změněné parametry") : title);
        shown.window->commands.startingValues->trigger();
        QCOMPARE(QStringList({shown.window->nVzdalenost->text(), shown.window->nUr->text(), shown.window->nRd->text()}),
                 QStringList({"200", "1", "40"}));
        QCOMPARE(shown.window->windowTitle(), title);
        QLocale::setDefault(QLocale::c());
    }

    void scaledLayout_data()
    {
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<qreal>("scale");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("1.25, room to the sides") << QSize(1100, 750) << 1.25 << QPoint(43, 0);
        QTest::newRow("1.8") << QSize(1458, 1080) << 1.8 << QPoint(0, 0);
        QTest::newRow("1.8 on a wide screen") << QSize(1920, 1080) << 1.8 << QPoint(231, 0);
        QTest::newRow("1.8, room above and below") << QSize(1458, 1300) << 1.8 << QPoint(0, 110);
        QTest::newRow("2.4") << QSize(1944, 1440) << 2.4 << QPoint(0, 0);
        QTest::newRow("wider only: 1:1, centred") << QSize(1000, 600) << 1.0 << QPoint(95, 0);
        QTest::newRow("never smaller than its layout") << QSize(400, 300) << 1.0 << QPoint(0, 0);
    }

    // Every control, its font and the drawing s times larger, centred; the margin in the window's grey; captions
    // show their whole text. Back at its size, the window is exactly as it was at start.
    void scaledLayout()
    {
        QFETCH(QSize, windowSize);
        QFETCH(qreal, scale);
        QFETCH(QPoint, origin);
#ifdef Q_OS_WIN
        if (!QRect(QPoint(), QGuiApplication::primaryScreen()->size()).contains(QRect(QPoint(), windowSize)))
            QSKIP("Windows keeps a window within its screen");
#endif
        ShownWindow shown;
        SpomalenaAnimace &w = *shown.window;
        const QImage atStart = w.grab().toImage();
        const std::vector<Laid> atOne = layoutOf(&w);
        const int arrowAtOne = scrollBarPart(w.HScroll1, QStyle::SC_ScrollBarAddLine).width(); // as the style has it
        w.resize(windowSize);
        QCoreApplication::processEvents(); // the window system reports the size back, as a window manager's resize does
        QCOMPARE(w.size(), windowSize.expandedTo(SpomalenaAnimace::clientSize));
        for (const Laid &laid : atOne) {
            QWidget *control = laid.control;
            const QPointF offset = control->parentWidget() == &w ? QPointF(origin) : QPointF();
            const QRectF expected(QPointF(laid.geometry.topLeft()) * scale + offset, QSizeF(laid.geometry.size()) * scale);
            const QRectF actual = control->geometry();
            QVERIFY2(std::max({std::fabs(actual.left() - expected.left()), std::fabs(actual.top() - expected.top()),
                               std::fabs(actual.width() - expected.width()), std::fabs(actual.height() - expected.height())})
                         <= 1,
                     qPrintable(control->objectName()));
            const QFont font = control->font();
            QVERIFY2(qFuzzyCompare(font.pointSizeF(), laid.font.pointSizeF() * scale), qPrintable(control->objectName()));
            QCOMPARE(font.family(), laid.font.family());
            QCOMPARE(font.bold(), laid.font.bold());
            if (auto *box = qobject_cast<QLineEdit *>(control); box && box->focusPolicy() == Qt::ClickFocus)
                QVERIFY2(QFontMetrics(font).horizontalAdvance(box->text()) <= box->width(), qPrintable(box->objectName()));
        }
        QCOMPARE(w.canvas->zoom(), scale);
        QCOMPARE(w.canvas->geometry(), QRect(origin, (QSizeF(SpomalenaAnimace::clientSize) * scale).toSize()));
        // Assistive technology sees the controls where they are shown; the scroll bar's buttons grow with it.
        QCOMPARE(QAccessible::queryAccessibleInterface(w.HScroll1)->rect(),
                 QRect(w.HScroll1->mapToGlobal(QPoint(0, 0)), w.HScroll1->size()));
        for (const auto part : {QStyle::SC_ScrollBarAddLine, QStyle::SC_ScrollBarSubLine})
            QVERIFY(std::abs(scrollBarPart(w.HScroll1, part).width() - arrowAtOne * scale) <= 1.5);
        const QImage screen = w.grab().toImage();
        if (origin.x() > 0)
            QCOMPARE(screen.pixel(origin.x() / 2, windowSize.height() / 2), 0xFFC0C0C0);
        if (origin.y() > 0)
            QCOMPARE(screen.pixel(windowSize.width() / 2, origin.y() / 2), 0xFFC0C0C0);

        w.resize(SpomalenaAnimace::clientSize);
        QCoreApplication::processEvents();
        for (const Laid &laid : atOne) {
            QCOMPARE(laid.control->geometry(), laid.geometry);
            QCOMPARE(laid.control->font(), laid.font);
            QCOMPARE(laid.control->testAttribute(Qt::WA_SetFont), laid.ownFont);
        }
        QCOMPARE(w.grab().toImage(), atStart);
    }

    void slowDown_data()
    {
        QTest::addColumn<int>("start"); // the scroll bar's value first
        QTest::addColumn<Action>("input");
        QTest::addColumn<QString>("factor"); // written into nSpomaleni, "" when nothing may be written
        const auto keys = [](QList<Qt::Key> keys) {
            return Action([keys](SpomalenaAnimace &w) {
                w.HScroll1->setFocus();
                for (const Qt::Key key : keys)
                    QTest::keyClick(w.HScroll1, key);
            });
        };
        const auto click = [](int x) {
            return Action([x](SpomalenaAnimace &w) { QTest::mouseClick(w.HScroll1, Qt::LeftButton, {}, QPoint(x, 8)); });
        };
        const auto option = [](const char *name) {
            return Action([name](SpomalenaAnimace &w) {
                w.findChild<QRadioButton *>(QString::fromUtf8(name))->setChecked(true);
            });
        };
        QTest::newRow("→") << 1 << keys({Qt::Key_Right}) << "2";
        QTest::newRow("← at 1 changes nothing") << 1 << keys({Qt::Key_Left}) << "";
        QTest::newRow("→ at 10 changes nothing") << 10 << keys({Qt::Key_Right}) << "";
        QTest::newRow("←") << 7 << keys({Qt::Key_Left}) << "6";
        QTest::newRow("End") << 1 << keys({Qt::Key_End}) << "10";
        QTest::newRow("Home") << 10 << keys({Qt::Key_Home}) << "1";
        QTest::newRow("right arrow") << 1 << click(115) << "2";
        QTest::newRow("left arrow") << 5 << click(5) << "4";
        QTest::newRow("left arrow at 1") << 1 << click(5) << "";
        QTest::newRow("track right of the thumb") << 1 << click(95) << "2";
        QTest::newRow("track left of the thumb") << 9 << click(25) << "8";
        QTest::newRow("Pomalá") << 1 << option("opPomalá") << "10";
        QTest::newRow("Pomalejší") << 1 << option("opPomalší") << "5";
        QTest::newRow("Rychlá, after Pomalá") << 1 << Action([](SpomalenaAnimace &w) {
            w.opPomalá->setChecked(true);
            setFieldText(w.nSpomaleni, QStringLiteral("sentinel"));
            w.opRychla->setChecked(true);
        }) << "1";
    }

    // The scroll bar's keys and clicks, and the hidden speed options, write the slow-down the run reads.
    void slowDown()
    {
        QFETCH(int, start);
        QFETCH(Action, input);
        QFETCH(QString, factor);
        ShownWindow shown;
        shown.window->HScroll1->setValue(start);
        setFieldText(shown.window->nSpomaleni, QStringLiteral("sentinel"));
        input(*shown.window);
        QCOMPARE(shown.window->nSpomaleni->text(), factor.isEmpty() ? QStringLiteral("sentinel") : factor);
        // The scroll bar's value in words, for its tooltip and for assistive technology.
        const QString words = QStringLiteral("Zpomalení %1 z 10; projeví se při příštím spuštění").arg(shown.window->HScroll1->value());
        QVERIFY(shown.window->HScroll1->toolTip().startsWith(words));
        QCOMPARE(QAccessible::queryAccessibleInterface(shown.window->HScroll1)->text(QAccessible::Value), words);
    }

    void dragWritesOnceOnRelease()
    {
        ShownWindow shown;
        QScrollBar *bar = shown.window->HScroll1;
        QSignalSpy writes(shown.window->nSpomaleni, &QLineEdit::textChanged);
        const QPoint grip = scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, grip);
        for (int dx = 5; dx <= 70; dx += 5)
            QTest::mouseMove(bar, grip + QPoint(dx, 0));
        QCOMPARE(writes.size(), 0);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(70, 0));
        QCOMPARE(writes.size(), 1);
        QVERIFY(bar->value() > 5);
        QCOMPARE(shown.window->nSpomaleni->text(), QString::number(bar->value()));
    }

    void enterOnAFocusedStart_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("autoRepeat");
        QTest::addColumn<bool>("duringARun");
        QTest::addColumn<bool>("starts"); // a run
        const Qt::KeyboardModifiers none;
        QTest::newRow("Return") << Qt::Key_Return << none << false << false << true;
        QTest::newRow("Enter on the keypad") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << false << false << true;
        QTest::newRow("a held key presses once") << Qt::Key_Return << none << true << false << false;
        QTest::newRow("Ctrl+Return") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier) << false << false << false;
        QTest::newRow("Return during a run is ignored") << Qt::Key_Return << none << false << true << false;
    }

    void enterOnAFocusedStart()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, autoRepeat);
        QFETCH(bool, duringARun);
        QFETCH(bool, starts);
        ShownWindow shown(duringARun);
        QTRY_COMPARE(QApplication::focusWidget(), shown.window->cmdStart);
        if (duringARun)
            shown.start();
        const Timeline *before = shown.window->playback().run();
        QKeyEvent down(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
        QApplication::sendEvent(shown.window->cmdStart, &down);
        QApplication::sendEvent(shown.window->cmdStart, &up);
        QCOMPARE(shown.window->playback().run() != before, starts);
        shown.window->playback().finish();
    }

    // F11 shows the window full screen, F11 or Esc leaves it (Esc alone does nothing), the focus staying on Start.
    // Tab to the scroll bar, End for the slowest, Tab and Space: a run. After it the keys mean what they meant
    // before: Space on Start runs again, Tab goes on to KONEC and Space ends the program.
    void keyboardAlone()
    {
        ShownWindow shown;
        QTRY_COMPARE(QApplication::focusWidget(), shown.window->cmdStart);
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        for (const auto &[key, fullScreen] : {std::pair(Qt::Key_Escape, false), std::pair(Qt::Key_F11, true),
                                              std::pair(Qt::Key_F11, false), std::pair(Qt::Key_F11, true),
                                              std::pair(Qt::Key_Escape, false)}) {
            press(key);
            QCOMPARE(shown.window->isFullScreen(), fullScreen);
            QCOMPARE(QApplication::focusWidget(), shown.window->cmdStart);
        }
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        press(Qt::Key_End);
        QCOMPARE(shown.window->nSpomaleni->text(), QStringLiteral("10"));
        press(Qt::Key_Tab);
        press(Qt::Key_Space);
        QVERIFY(shown.window->nZdroj->isVisible());
        QCOMPARE(QApplication::focusWidget(), shown.window->cmdStart);
        const Timeline *first = shown.window->playback().run();
        press(Qt::Key_Space);
        QVERIFY(shown.window->playback().run() != first);
        const int status = shown.exec([&] {
            press(Qt::Key_Tab);
            press(Qt::Key_Space);
        });
        QCOMPARE(status, 0);
        QVERIFY(!shown.window->isVisible());
    }

    void runtimeErrorIsShownThenEndsTheProgram_data()
    {
        QTest::addColumn<QString>("when");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("windowShown");
        QTest::newRow("during a run") << "run" << "Chyba za běhu 13: Neshoda typů" << true;
        QTest::newRow("in a handler during the load: before the window shows") << "load" << "Chyba za běhu 6: Přetečení" << false;
        QTest::newRow("while the window is created") << "create" << "Chyba za běhu 6: Přetečení" << false;
    }

    // The message, then the end with status 1.
    void runtimeErrorIsShownThenEndsTheProgram()
    {
        QFETCH(QString, when);
        QFETCH(QString, message);
        QFETCH(bool, windowShown);
        struct : QObject
        {
            bool shown = false;
            bool eventFilter(QObject *, QEvent *event) override { shown |= event->type() == QEvent::Show; return false; }
        } showSpy;
        MessageBoxes messages;
        const int status = runMainWindow([&]() -> std::unique_ptr<QWidget> {
            auto window = std::make_unique<SpomalenaAnimace>();
            window->installEventFilter(&showSpy);
            if (when == QStringLiteral("create"))
                throw RuntimeError(RuntimeError::Overflow);
            if (when == QStringLiteral("load"))
                guarded([] { throw RuntimeError(RuntimeError::Overflow); });
            setFieldText(window->nSpomaleni, QStringLiteral("jedna")); // a field the program writes
            QTimer::singleShot(0, window->cmdStart, &QPushButton::click);
            return window;
        });
        QCOMPARE(status, runtimeErrorExitStatus);
        QCOMPARE(messages.texts, QStringList{message});
        QCOMPARE(showSpy.shown, windowShown);
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
