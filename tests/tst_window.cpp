// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "accessibility.h"
#include "errorreport.h"
#include "startup.h"
#include "runwords.h"
#include "testsupport.h"

#include <cmath>

#include <QAccessible>
#include <QPointer>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMessageBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
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

QStyleOptionSlider sliderOption(QScrollBar *bar)
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
    return option;
}

QRect scrollBarPart(QScrollBar *bar, QStyle::SubControl part)
{
    const QStyleOptionSlider option = sliderOption(bar);
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

QPoint sliderCentre(QScrollBar *bar)
{
    return scrollBarPart(bar, QStyle::SC_ScrollBarSlider).center();
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

// Sets the window's size and lets the window system report it back, as a window manager's resize does.
void resizeWindow(QWidget *window, QSize size)
{
    window->resize(size);
    QCoreApplication::processEvents();
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
            if (family == QStringLiteral("Times New Roman")) // itself (Windows), or its twin from fonts-liberation
                QVERIFY2(QStringList({family, QStringLiteral("Liberation Serif")})
                             .contains(QFontInfo(control->font()).family()),
                         qPrintable(QFontInfo(control->font()).family()));
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
        QTest::addColumn<QSize>("windowSize");
        QTest::addColumn<bool>("parameters"); // shown by F2 first
        for (const QSize size : {QSize(810, 600), QSize(1458, 1080)}) {
            const QByteArray at = size == QSize(810, 600) ? "" : " at 1.8";
            QTest::newRow("Tab" + at) << Qt::Key_Tab << QStringList{"cmdKonec", "HScroll1", "cmdStart", "cmdKonec"} << size
                                      << false;
            QTest::newRow("Backtab" + at) << Qt::Key_Backtab << QStringList{"HScroll1", "cmdKonec", "cmdStart", "HScroll1"}
                                          << size << false;
        }
        QTest::newRow("Tab, parameters shown") << Qt::Key_Tab << QStringList{"cmdKonec", "HScroll1", "nRd", "nUr", "nVzdalenost", "cmdStart"}
                                               << QSize(810, 600) << true;
        QTest::newRow("Backtab, parameters shown") << Qt::Key_Backtab << QStringList{"nVzdalenost", "nUr", "nRd", "HScroll1"}
                                                   << QSize(810, 600) << true;
    }

    void focusAndTabCycle()
    {
        QFETCH(Qt::Key, key);
        QFETCH(QStringList, cycle);
        QFETCH(QSize, windowSize);
        QFETCH(bool, parameters);
        ShownWindow shown;
        resizeWindow(shown.window.get(), windowSize);
        QTRY_COMPARE(QApplication::focusWidget(), shown.window->cmdStart);
        if (parameters)
            QTest::keyClick(shown.window->cmdStart, Qt::Key_F2);
        for (const QString &next : cycle) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    void parameterFields_data()
    {
        QTest::addColumn<int>("presses"); // of F2
        QTest::addColumn<bool>("duringARun");
        QTest::newRow("F2 shows them") << 1 << false;
        QTest::newRow("F2 again hides them: the window as at start") << 2 << false;
        QTest::newRow("shown during a run, editable once it is over") << 1 << true;
    }

    // The three fields with their labels, in place; the labels above the drawing while shown. Nothing else shows.
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
        for (QLabel *label : {w.Label1, w.labFrekvence, w.labRoztec})
            QCOMPARE(label->isVisible() && stack.indexOf(label) > stack.indexOf(w.canvas), visible);
        QVERIFY(!w.nPocetFotonu->isVisible() && !w.frmAnimace->isVisible() && !w.nSpomaleni->isVisible());
        QCOMPARE(w.commands.parameters->isChecked(), visible);
        QCOMPARE(w.nUr->isEnabled(), visible && !duringARun);
        w.playback().finish();
        for (QLineEdit *field : {w.nVzdalenost, w.nUr, w.nRd})
            QCOMPARE(field->isVisible() && field->isEnabled(), visible);
        if (!visible)
            QCOMPARE(w.grab().toImage(), atStart);
    }

    // Shown, the labels and fields look the same after a run as before it: the band paints over none of them.
    void parametersStayReadableOverTheBand()
    {
        ShownWindow shown;
        QTest::keyClick(shown.window.get(), Qt::Key_F2);
        const QRect area(32, 144, 106, 130);
        const QImage before = shown.window->grab(area).toImage();
        int dark = 0;
        for (int y = 0; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                dark += qGray(before.pixel(x, y)) < 100;
        QVERIFY(dark > 100); // the labels' and fields' text
        shown.start();
        QCOMPARE(shown.window->grab(area).toImage(), before);
    }

    void changedParametersInTheTitle_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changed");
        const QLocale c = QLocale::c(), czech(QLocale::Czech, QLocale::Czechia);
        QTest::newRow("the same value written otherwise") << "nUr" << czech << "1,0" << false;
        QTest::newRow("another frequency") << "nUr" << czech << "0,5" << true;
        QTest::newRow("no number") << "nVzdalenost" << c << "abc" << true;
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

    void spaceOnFocusedStartRunsTheDemonstration()
    {
        ShownWindow shown;
        QTRY_COMPARE(QApplication::focusWidget(), shown.window->cmdStart);
        QTest::keyClick(shown.window->cmdStart, Qt::Key_Space);
        QCOMPARE(shown.window->q, 101.0);
        QVERIFY(shown.window->nClona->isVisible());
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
    }

    // Every control, its font and the drawing s times larger, centred; the margin in the window's grey.
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
        const std::vector<Laid> atOne = layoutOf(shown.window.get());
        QVERIFY(atOne.size() >= 24);
        QScrollBar *bar = shown.window->HScroll1;
        const int arrowAtOne = scrollBarPart(bar, QStyle::SC_ScrollBarAddLine).width(); // as wide as the style makes it
        resizeWindow(shown.window.get(), windowSize);
        QCOMPARE(shown.window->size(), windowSize);

        for (const Laid &laid : atOne) {
            QWidget *control = laid.control;
            const QString name = control->objectName();
            const QPointF offset = control->parentWidget() == shown.window.get() ? QPointF(origin) : QPointF();
            const QRectF expected(QPointF(laid.geometry.topLeft()) * scale + offset, QSizeF(laid.geometry.size()) * scale);
            const QRect actual = control->geometry();
            QVERIFY2(std::fabs(actual.left() - expected.left()) <= 1 && std::fabs(actual.top() - expected.top()) <= 1
                         && std::fabs(actual.width() - expected.width()) <= 1
                         && std::fabs(actual.height() - expected.height()) <= 1,
                     qPrintable(QStringLiteral("%1 at %2, %3 %4×%5").arg(name).arg(actual.x()).arg(actual.y())
                                    .arg(actual.width()).arg(actual.height())));
            const QFont font = control->font();
            QVERIFY2(qFuzzyCompare(font.pointSizeF(), laid.font.pointSizeF() * scale), qPrintable(name));
            QCOMPARE(font.family(), laid.font.family());
            QCOMPARE(font.bold(), laid.font.bold());
            if (auto *box = qobject_cast<QLineEdit *>(control); box && box->focusPolicy() == Qt::ClickFocus)
                QVERIFY2(QFontMetrics(font).horizontalAdvance(box->text()) <= box->width(), qPrintable(name));
        }

        const Canvas &canvas = *shown.window->canvas;
        QCOMPARE(canvas.zoom(), scale);
        QCOMPARE(canvas.geometry(), QRect(origin, (QSizeF(SpomalenaAnimace::clientSize) * scale).toSize()));

        // Assistive technology sees the controls where they are shown.
        for (QWidget *control : {static_cast<QWidget *>(shown.window->cmdStart), static_cast<QWidget *>(shown.window->HScroll1)}) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            QCOMPARE(accessible->rect(), QRect(control->mapToGlobal(QPoint(0, 0)), control->size()));
        }

        // The scroll bar's buttons grow with it.
        QVERIFY(std::abs(scrollBarPart(bar, QStyle::SC_ScrollBarAddLine).width() - arrowAtOne * scale) <= 1.5);
        QVERIFY(std::abs(scrollBarPart(bar, QStyle::SC_ScrollBarSubLine).width() - arrowAtOne * scale) <= 1.5);

        const QImage screen = shown.window->grab().toImage();
        if (origin.x() > 0)
            QCOMPARE(screen.pixel(origin.x() / 2, windowSize.height() / 2), grey);
        if (origin.y() > 0)
            QCOMPARE(screen.pixel(windowSize.width() / 2, origin.y() / 2), grey);
    }

    void neverSmallerThanItsLayout()
    {
        ShownWindow shown;
        resizeWindow(shown.window.get(), QSize(400, 300));
        QCOMPARE(shown.window->size(), SpomalenaAnimace::clientSize);
        QCOMPARE(shown.window->cmdStart->geometry(), QRect(584, 16, 73, 27));
    }

    // Larger and back: the window looks exactly as it did at start.
    void backToItsSizeAsAtStart()
    {
        ShownWindow shown;
        const QImage atStart = shown.window->grab().toImage();
        const std::vector<Laid> atOne = layoutOf(shown.window.get());
        resizeWindow(shown.window.get(), QSize(1458, 1080));
        resizeWindow(shown.window.get(), SpomalenaAnimace::clientSize);
        for (const Laid &laid : atOne) {
            QCOMPARE(laid.control->geometry(), laid.geometry);
            QCOMPARE(laid.control->font(), laid.font);
            QCOMPARE(laid.control->testAttribute(Qt::WA_SetFont), laid.ownFont);
        }
        QCOMPARE(shown.window->grab().toImage(), atStart);
    }

    void fullScreenKeys_data()
    {
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<bool>("fullScreen");
        QTest::newRow("F11") << QList<Qt::Key>{Qt::Key_F11} << true;
        QTest::newRow("F11 again leaves") << QList<Qt::Key>{Qt::Key_F11, Qt::Key_F11} << false;
        QTest::newRow("Esc leaves") << QList<Qt::Key>{Qt::Key_F11, Qt::Key_Escape} << false;
        QTest::newRow("Esc alone does nothing") << QList<Qt::Key>{Qt::Key_Escape} << false;
    }

    void fullScreenKeys()
    {
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(bool, fullScreen);
        ShownWindow shown;
        QTRY_COMPARE(QApplication::focusWidget(), shown.window->cmdStart);
        for (const Qt::Key key : keys)
            QTest::keyClick(QApplication::focusWidget(), key);
        QCOMPARE(shown.window->isFullScreen(), fullScreen);
        QCOMPARE(QApplication::focusWidget(), shown.window->cmdStart);
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
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<bool>("described");
        QTest::newRow("window: a frame named by its title")
            << "SpomalenaAnimace" << "Detail Animace spomalené" << QAccessible::Window << true;
        QTest::newRow("Start") << "cmdStart" << "Start" << QAccessible::Button << true;
        QTest::newRow("KONEC") << "cmdKonec" << "Konec" << QAccessible::Button << true;
        QTest::newRow("scroll bar") << "HScroll1" << "Zpomalení animace" << QAccessible::ScrollBar << true;
        QTest::newRow("address") << "nAdresa" << "Webová adresa" << QAccessible::EditableText << true;
        QTest::newRow("hint") << "Label2" << "Klikněte na tlačítko Start" << QAccessible::StaticText << false;
        QTest::newRow("title") << "labTitul" << QString::fromUtf8("Současný let fotonu možnými trasami a jeho dopad na "
                                                                 "vybrané body detektoru")
                               << QAccessible::StaticText << false;
        QTest::newRow("hidden label") << "labRoztec" << "Rozteč děr" << QAccessible::StaticText << false;
        QTest::newRow("drawing: a picture") << "canvas" << "Kresba pokusu" << QAccessible::Graphic << true;
        QTest::newRow("caption") << "nSoučet" << "Součet radiusvektorů" << QAccessible::EditableText << true;
    }

    void accessibleNames()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QAccessible::Role, role);
        QFETCH(bool, described);
        ShownWindow shown;
        QWidget *widget = control == shown.window->objectName() ? shown.window.get()
                                                                : shown.window->findChild<QWidget *>(control);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->role(), role);
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

    void enterOnAFocusedStart_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("autoRepeat");
        QTest::addColumn<bool>("duringARun");
        QTest::addColumn<int>("runs");
        QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers() << false << false << 1;
        QTest::newRow("Enter on the keypad") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << false
                                             << false << 1;
        QTest::newRow("a held key presses once") << Qt::Key_Return << Qt::KeyboardModifiers() << true << false << 0;
        QTest::newRow("Ctrl+Return") << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier) << false << false
                                     << 0;
        QTest::newRow("Return during a run is ignored") << Qt::Key_Return << Qt::KeyboardModifiers() << false << true
                                                        << 1;
    }

    void enterOnAFocusedStart()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, autoRepeat);
        QFETCH(bool, duringARun);
        QFETCH(int, runs);
        ShownWindow shown(duringARun);
        QTRY_COMPARE(QApplication::focusWidget(), shown.window->cmdStart);
        const auto press = [&] {
            QKeyEvent down(QEvent::KeyPress, key, modifiers, QString(), autoRepeat);
            QKeyEvent up(QEvent::KeyRelease, key, modifiers, QString(), autoRepeat);
            QApplication::sendEvent(shown.window->cmdStart, &down);
            QApplication::sendEvent(shown.window->cmdStart, &up);
        };
        int started = 0;
        connect(&shown.window->playback(), &Playback::stateChanged, this, [&](Playback::State state) {
            started += shown.window->playback().position() <= 1 && state == Playback::State::Playing;
        });
        if (duringARun)
            shown.start();
        press();
        shown.window->playback().finish();
        QCOMPARE(started, runs);
        QCOMPARE(shown.window->nClona->isVisible(), runs > 0);
    }

    void enterOnAFocusedKonecEndsTheProgram_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Enter") << Qt::Key_Enter;
    }

    void enterOnAFocusedKonecEndsTheProgram()
    {
        QFETCH(Qt::Key, key);
        ShownWindow shown;
        shown.window->cmdKonec->setFocus();
        const int status = shown.exec([&] { QTest::keyClick(shown.window->cmdKonec, key); });
        QCOMPARE(status, 0);
        QVERIFY(!shown.window->isVisible());
    }

    void aRunIsBusyAndCoversTheHint_data()
    {
        QTest::addColumn<QString>("slowDown");
        QTest::addColumn<bool>("completes");
        QTest::newRow("a run that completes") << "1" << true;
        QTest::newRow("a run that ends in a run-time error") << "jedna" << false;
    }

    void aRunIsBusyAndCoversTheHint()
    {
        QFETCH(QString, slowDown);
        QFETCH(bool, completes);
        ShownWindow shown;
        setFieldText(shown.window->nSpomaleni, slowDown);
        QAccessibleInterface *frame = QAccessible::queryAccessibleInterface(shown.window.get());
        QAccessibleInterface *hint = QAccessible::queryAccessibleInterface(shown.window->Label2);
        QAccessibleInterface *title = QAccessible::queryAccessibleInterface(shown.window->labTitul);
        QAccessibleInterface *start = QAccessible::queryAccessibleInterface(shown.window->cmdStart);
        const QString idle = start->text(QAccessible::Description);
        QVERIFY(!frame->state().busy);
        QVERIFY(!hint->state().invisible);

        shown.window->pacer().setCountDuration(Pacer::defaultCountDuration);
        shown.start();
        QCOMPARE(shown.errors.size(), completes ? size_t(0) : size_t(1));
        if (completes) { // an error is reported before the run begins
            QVERIFY(frame->state().busy);
            QVERIFY(hint->state().invisible);
            QVERIFY(start->text(QAccessible::Description) != idle);
            shown.window->playback().finish();
        }
        QVERIFY(!frame->state().busy);
        QCOMPARE(hint->state().invisible, completes); // the band stays over it
        QVERIFY(!title->state().invisible);
        const QString after = start->text(QAccessible::Description);
        QCOMPARE(after.startsWith(QStringLiteral("Animace doběhla.")), completes);
        if (completes)
            QVERIFY(after.contains(QStringLiteral("Maximum je v bodě 5, minima v bodech 3 a 7.")));
        else
            QCOMPARE(after, idle);
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
            setFieldText(window->nSpomaleni, QStringLiteral("jedna")); // a field the program writes
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
