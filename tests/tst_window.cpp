// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "errorreport.h"
#include "testsupport.h"

#include <QAccessible>
#include <QGroupBox>
#include <QMessageBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyleOptionSlider>

namespace {
constexpr QRgb grey = 0xFFC0C0C0;
constexpr QRgb lightGreen = 0xFFC0FFC0;
constexpr QRgb lightOrange = 0xFFFFE0C0;
constexpr QRgb platformDefault = 0;

QString textOf(const QWidget *control)
{
    if (auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(control))
        return button->text();
    if (auto *frame = qobject_cast<const QGroupBox *>(control))
        return frame->title();
    return {};
}

QRgb backgroundOf(const QWidget *control)
{
    const QPalette::ColorRole role = qobject_cast<const QLineEdit *>(control)       ? QPalette::Base
                                     : qobject_cast<const QPushButton *>(control) ? QPalette::Button
                                                                                  : QPalette::Window;
    return control->palette().color(role).rgba();
}

QPoint sliderCentre(QScrollBar *bar)
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
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar).center();
}
}

class TestWindow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void window()
    {
        ShownWindow shown;
        QCOMPARE(shown.window->windowTitle(), QStringLiteral("Detail Animace spomalené"));
        QVERIFY(shown.window->width() >= 800 && shown.window->height() >= 590);
        QCOMPARE(shown.window->canvas->geometry(), shown.window->rect());
        QCOMPARE(shown.window->palette().color(QPalette::Window).rgba(), grey);
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("className");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QRgb>("background");
        QTest::addColumn<double>("fontPoints"); // 0: the platform's default font, not bold
        QTest::addColumn<QString>("family");    // of a font of its own
        QTest::addColumn<bool>("centred");

        const auto row = [](const char *name, const char *cls, QRect g, const char *text, bool shown, bool enabled,
                            QRgb background, double points, const char *family = "", bool centred = false) {
            QTest::newRow(name) << QString::fromUtf8(name) << QByteArray(cls) << g << QString::fromUtf8(text) << shown
                                << enabled << background << points << QString::fromLatin1(family) << centred;
        };
        row("frmAnimace", "QGroupBox", {40, 56, 81, 73}, "Animace", false, true, grey, 8.25, "MS Sans Serif");
        row("opPomalá", "QRadioButton", {8, 48, 57, 17}, "Pomalá", false, true, grey, 0);
        row("opPomalší", "QRadioButton", {8, 32, 65, 13}, "Pomalejší", false, true, grey, 0);
        row("opRychla", "QRadioButton", {8, 16, 57, 17}, "Rychlá", false, true, grey, 0);
        row("nSpomaleni", "QLineEdit", {488, 40, 33, 19}, "1", false, true, platformDefault, 0);
        row("nAdresa", "QLineEdit", {584, 0, 97, 13}, "kestrova.example", true, true, grey, -1);
        row("nZdroj", "QLineEdit", {56, 312, 65, 17}, "Zdroj fotonu", false, true, grey, -1);
        row("nPravděpodob", "QLineEdit", {544, 64, 169, 25}, "Pravděpodobnost dopadu", false, true, grey, -1);
        row("nSoučet", "QLineEdit", {400, 64, 113, 19}, "Součet radiusvektorů", false, true, grey, -1);
        row("nStínítko", "QLineEdit", {280, 64, 57, 17}, "Detektor", false, true, grey, -1);
        row("nClona", "QLineEdit", {136, 64, 41, 17}, "Clona ", false, true, grey, -1);
        row("cmdKonec", "QPushButton", {664, 16, 81, 27}, "KONEC", true, true, grey, 14.25, "Times New Roman");
        row("cmdStart", "QPushButton", {584, 16, 73, 27}, "Start", true, true, grey, 14.25, "Times New Roman");
        row("nVzdalenost", "QLineEdit", {56, 160, 49, 25}, "200", false, false, lightGreen, 0);
        row("nUr", "QLineEdit", {48, 200, 49, 25}, "1", false, false, lightGreen, 0);
        row("nRd", "QLineEdit", {56, 248, 49, 25}, "40", false, false, lightGreen, 0);
        row("nPocetFotonu", "QLineEdit", {32, 280, 89, 25}, "2", false, true, lightOrange, 0);
        row("Label2", "QLabel", {168, 224, 201, 49}, "Klikněte na tlačítko Start", true, true, grey, 15.75, "Times New Roman", true);
        row("labTitul", "QLabel", {88, 8, 345, 49},
            "Současný let fotonu možnými trasami a jeho dopad na vybrané body detektoru", true, true, grey, 14.25,
            "Times New Roman", true);
        row("Label1", "QLabel", {40, 144, 81, 17}, "Vzdálenost clony", false, true, platformDefault, 0);
        row("labFrekvence", "QLabel", {48, 184, 89, 17}, "Frekvence fotonů", false, true, grey, 0);
        row("labRoztec", "QLabel", {56, 232, 57, 17}, "Rozteč děr", false, true, grey, 0);
        row("HScroll1", "QScrollBar", {440, 16, 121, 17}, "", true, true, platformDefault, 0);
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, className);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        QFETCH(bool, shown);
        QFETCH(bool, enabled);
        QFETCH(QRgb, background);
        QFETCH(double, fontPoints);
        QFETCH(QString, family);
        QFETCH(bool, centred);

        ShownWindow window;
        auto *control = window.window->findChild<QWidget *>(name);
        QVERIFY(control);
        QVERIFY(control->inherits(className));
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(textOf(control), text);
        QCOMPARE(control->isVisible(), shown);
        QCOMPARE(control->isEnabled(), enabled);
        if (background != platformDefault)
            QCOMPARE(backgroundOf(control), background);
        if (fontPoints > 0) {
            QCOMPARE(control->font().pointSizeF(), fontPoints);
            QVERIFY(control->font().bold());
            QCOMPARE(control->font().family(), family);
            if (family == QStringLiteral("Times New Roman")) // same metrics, from fonts-liberation
                QCOMPARE(QFontInfo(control->font()).family(), QStringLiteral("Liberation Serif"));
        } else if (fontPoints == 0) {
            QVERIFY(!control->font().bold());
            QCOMPARE(control->font().family(), QApplication::font().family());
        }
        if (auto *label = qobject_cast<QLabel *>(control))
            QCOMPARE(label->alignment() & Qt::AlignHorizontal_Mask, centred ? Qt::AlignHCenter : Qt::AlignLeft);
        if (auto *box = qobject_cast<QLineEdit *>(control)) {
            QCOMPARE(box->cursorPosition(), 0); // shows its text from the first letter
            if (fontPoints < 0) {
                QCOMPARE(box->focusPolicy(), Qt::ClickFocus);
                QVERIFY2(QFontMetrics(box->font()).horizontalAdvance(text) <= box->width(), "caption does not fit");
                QVERIFY(!box->isReadOnly());
            }
        }
    }

    void stacking()
    {
        ShownWindow shown;
        const QObjectList children = shown.window->children();
        const auto depth = [&](const QWidget *w) { return children.indexOf(const_cast<QWidget *>(w)); };
        for (const QWidget *label : {static_cast<QWidget *>(shown.window->Label2), static_cast<QWidget *>(shown.window->labTitul)})
            QVERIFY(depth(label) < depth(shown.window->canvas));
        for (const QWidget *control : {static_cast<QWidget *>(shown.window->cmdStart), static_cast<QWidget *>(shown.window->nClona),
                                       static_cast<QWidget *>(shown.window->HScroll1)})
            QVERIFY(depth(control) > depth(shown.window->canvas));
        QVERIFY(shown.window->canvas->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void focusAndTabCycle_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<QStringList>("cycle");
        QTest::newRow("Tab") << Qt::Key_Tab << QStringList{"cmdKonec", "HScroll1", "cmdStart", "cmdKonec"};
        QTest::newRow("Backtab") << Qt::Key_Backtab << QStringList{"HScroll1", "cmdKonec", "cmdStart", "HScroll1"};
    }

    void focusAndTabCycle()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QStringList, cycle);
        ShownWindow shown;
        QTRY_COMPARE(QApplication::focusWidget(), shown.window->cmdStart);
        for (const QString &next : cycle) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    void spaceOnFocusedStartRunsTheDemonstration()
    {
        ShownWindow shown;
        QTRY_COMPARE(QApplication::focusWidget(), shown.window->cmdStart);
        QTest::keyClick(shown.window->cmdStart, Qt::Key_Space);
        QCOMPARE(shown.window->q, 101.0);
        QVERIFY(shown.window->nClona->isVisible());
    }

    void formLoad()
    {
        ShownWindow shown;
        const SpomalenaAnimace &w = *shown.window;
        QCOMPARE(w.nPocetFotonu->text(), QStringLiteral("2"));
        QCOMPARE(w.nRd->text(), QStringLiteral("40"));
        QCOMPARE(w.nUr->text(), QStringLiteral("1"));
        QCOMPARE(w.nVzdalenost->text(), QStringLiteral("200"));
        QCOMPARE(w.nSpomaleni->text(), QStringLiteral("1"));
        QVERIFY(w.opRychla->isChecked());
        QVERIFY(!w.opPomalá->isChecked() && !w.opPomalší->isChecked());
        QCOMPARE(w.HScroll1->value(), 1);
    }

    void optionsWriteTheirFactor_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("factor");
        QTest::newRow("Pomalá") << QStringLiteral("opPomalá") << "10";
        QTest::newRow("Pomalejší") << QStringLiteral("opPomalší") << "5";
        QTest::newRow("Rychlá") << QStringLiteral("opRychla") << "1";
    }

    void optionsWriteTheirFactor()
    {
        QFETCH(QString, option);
        QFETCH(QString, factor);
        ShownWindow shown;
        // Away from the option under test first, so that selecting it is a change.
        (option == QStringLiteral("opPomalší") ? shown.window->opPomalá : shown.window->opPomalší)->setChecked(true);
        setFieldText(shown.window->nSpomaleni, QStringLiteral("sentinel"));
        shown.window->findChild<QRadioButton *>(option)->setChecked(true);
        QCOMPARE(shown.window->nSpomaleni->text(), factor);
    }

    void scrollBarKeys_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<QString>("factor"); // "" when nothing may be written
        QTest::newRow("right") << 1 << QList<Qt::Key>{Qt::Key_Right} << "2";
        QTest::newRow("right thrice") << 1 << QList<Qt::Key>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << "4";
        QTest::newRow("left at 1 changes nothing") << 1 << QList<Qt::Key>{Qt::Key_Left} << "";
        QTest::newRow("right at 10 changes nothing") << 10 << QList<Qt::Key>{Qt::Key_Right} << "";
        QTest::newRow("left") << 7 << QList<Qt::Key>{Qt::Key_Left} << "6";
        QTest::newRow("End") << 1 << QList<Qt::Key>{Qt::Key_End} << "10";
        QTest::newRow("Home") << 10 << QList<Qt::Key>{Qt::Key_Home} << "1";
    }

    void scrollBarKeys()
    {
        QFETCH(int, start);
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(QString, factor);
        ShownWindow shown;
        QScrollBar *bar = shown.window->HScroll1;
        bar->setValue(start);
        setFieldText(shown.window->nSpomaleni, QStringLiteral("sentinel"));
        bar->setFocus();
        for (const Qt::Key key : keys)
            QTest::keyClick(bar, key);
        QCOMPARE(shown.window->nSpomaleni->text(), factor.isEmpty() ? QStringLiteral("sentinel") : factor);
    }

    void scrollBarClicks_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("expected");
        QTest::newRow("right arrow") << 1 << 115 << 2;
        QTest::newRow("left arrow") << 5 << 5 << 4;
        QTest::newRow("left arrow at 1") << 1 << 5 << 1;
        QTest::newRow("right arrow at 10") << 10 << 115 << 10;
        QTest::newRow("track right of the thumb") << 1 << 95 << 2;
        QTest::newRow("track left of the thumb") << 9 << 25 << 8;
    }

    void scrollBarClicks()
    {
        QFETCH(int, start);
        QFETCH(int, x);
        QFETCH(int, expected);
        ShownWindow shown;
        QScrollBar *bar = shown.window->HScroll1;
        bar->setValue(start);
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(x, bar->height() / 2));
        QCOMPARE(bar->value(), expected);
        QCOMPARE(shown.window->nSpomaleni->text(), QString::number(expected));
    }

    void dragWritesOnceOnRelease()
    {
        ShownWindow shown;
        QScrollBar *bar = shown.window->HScroll1;
        QSignalSpy writes(shown.window->nSpomaleni, &QLineEdit::textChanged);
        const QPoint grip = sliderCentre(bar);
        QTest::mousePress(bar, Qt::LeftButton, {}, grip);
        for (int dx = 5; dx <= 70; dx += 5)
            QTest::mouseMove(bar, grip + QPoint(dx, 0));
        QCOMPARE(writes.size(), 0);
        QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(70, 0));
        QCOMPARE(writes.size(), 1);
        QVERIFY(bar->value() > 5);
        QCOMPARE(shown.window->nSpomaleni->text(), QString::number(bar->value()));
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("described");
        QTest::newRow("Start") << "cmdStart" << "Start" << true;
        QTest::newRow("KONEC") << "cmdKonec" << "Konec" << true;
        QTest::newRow("scroll bar") << "HScroll1" << "Zpomalení animace" << true;
        QTest::newRow("address") << "nAdresa" << "Webová adresa" << false;
        QTest::newRow("hint") << "Label2" << "Klikněte na tlačítko Start" << false;
        QTest::newRow("drawing") << "canvas" << "Kresba pokusu" << true;
        QTest::newRow("caption") << "nSoučet" << "Součet radiusvektorů" << true;
    }

    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(bool, described);
        ShownWindow shown;
        QAccessibleInterface *accessible =
            QAccessible::queryAccessibleInterface(shown.window->findChild<QWidget *>(control));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(!accessible->text(QAccessible::Description).isEmpty(), described);
    }

    void everyShownControlIsNamed()
    {
        ShownWindow shown;
        shown.start(); // the captions too
        for (QWidget *control : shown.window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!control->isVisible())
                continue;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(control->objectName()));
        }
    }

    void keyboardAlone()
    {
        ShownWindow shown;
        QTRY_COMPARE(QApplication::focusWidget(), shown.window->cmdStart);
        const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        press(Qt::Key_End);
        QCOMPARE(shown.window->nSpomaleni->text(), QStringLiteral("10"));
        press(Qt::Key_Tab);
        press(Qt::Key_Space);
        QVERIFY(shown.window->nZdroj->isVisible());
        QCOMPARE(QApplication::focusWidget(), shown.window->cmdStart);
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
            bool eventFilter(QObject *, QEvent *event) override
            {
                shown |= event->type() == QEvent::Show;
                return false;
            }
        } showSpy;
        QString shownMessage;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shownMessage = box->text();
                box->accept();
            }
        });
        answer.start(10);
        const int status = runMainWindow([&]() -> std::unique_ptr<QWidget> {
            auto window = std::make_unique<SpomalenaAnimace>();
            window->installEventFilter(&showSpy);
            if (when == QStringLiteral("create"))
                throw RuntimeError(RuntimeError::Overflow);
            if (when == QStringLiteral("load"))
                guarded([] { throw RuntimeError(RuntimeError::Overflow); });
            setFieldText(window->nRd, QStringLiteral("čtyřicet"));
            QTimer::singleShot(0, window->cmdStart, &QPushButton::click);
            return window;
        });
        QCOMPARE(status, runtimeErrorExitStatus);
        QCOMPARE(shownMessage, message);
        QCOMPARE(showSpy.shown, windowShown);
    }

    void konecEndsTheProgram()
    {
        ShownWindow shown;
        const int status = shown.exec([&] { QTest::mouseClick(shown.window->cmdKonec, Qt::LeftButton); });
        QCOMPARE(status, 0);
        QVERIFY(!shown.window->isVisible());
    }
};

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
