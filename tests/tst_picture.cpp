// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and keeping what the program shows: its commands in a menu and in help, the picture copied and saved, and
// a failure to save told in Czech with the program going on.
#include "testsupport.h"

#include <QAccessible>
#include <QClipboard>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>

class TestPicture : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void commandsThatCanAct_data()
    {
        QTest::addColumn<int>("state");         // 0 before a run, 1 playing, 2 paused
        QTest::addColumn<QKeySequence>("keys"); // that open the menu
        QTest::addColumn<QStringList>("enabled");
        const QStringList always{"Parametry", "Průběh", "Tabulka", "Kontrastní barvy", "Kopírovat obrázek",
                                 "Uložit obrázek…", "Celá obrazovka", "Nápověda", "Obnovit výchozí nastavení"};
        const QStringList running{"O krok vpřed", "O krok zpět", "Na konec bodu", "Na začátek bodu",
                                  "Na začátek animace", "Na konec animace"};
        QTest::newRow("before a run, Menu") << 0 << QKeySequence(Qt::Key_Menu)
                                            << QStringList{"Spustit animaci", "Výchozí hodnoty", "Otvory", "Sledovat trasu fotonu", "Porovnat s předchozím", "Jazyk / Language"} + always + QStringList{"Ukončit program"};
        QTest::newRow("playing, Shift+F10") << 1 << QKeySequence(Qt::SHIFT | Qt::Key_F10) << QStringList{"Pozastavit"} + running + always;
        QTest::newRow("paused, Menu") << 2 << QKeySequence(Qt::Key_Menu) << QStringList{"Pokračovat"} + running + always;
    }

    // The keys show every command in a menu; those that cannot act now are disabled, not hidden.
    void commandsThatCanAct()
    {
        QFETCH(int, state);
        QFETCH(QKeySequence, keys);
        QFETCH(QStringList, enabled);
        ShownWindow shown(true);
        if (state > 0)
            shown.start();
        if (state > 1)
            QTest::keyClick(shown.window.get(), Qt::Key_Space);
        QList<QAction *> listed;
        QTimer::singleShot(0, this, [&] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                listed = menu->actions();
                menu->close();
            }
        });
        QTest::keySequence(shown.window.get(), keys);
        QCOMPARE(listed, shown.window->actions());
        QStringList actual;
        for (const QAction *action : listed)
            if (!action->isSeparator() && action->isEnabled())
                actual << action->text().section(u'\t', 0, 0);
        actual.sort();
        enabled.sort();
        QCOMPARE(actual, enabled);
        shown.window->playback().finish();
    }

    // Help pauses a playing run, names every key the menu shows, and grows with the window.
    void help()
    {
        ShownWindow shown(true);
        shown.start();
        QTest::keyClick(shown.window.get(), Qt::Key_F1);
        QCOMPARE(shown.window->playback().state(), Playback::State::Paused);
        auto *help = shown.window->findChild<QWidget *>(QStringLiteral("help"));
        QVERIFY(help && help->isVisible());
        const QString text = help->findChild<QTextBrowser *>()->toPlainText();
        for (const QAction *action : shown.window->actions())
            if (action->text().contains(u'\t'))
                QVERIFY2(text.contains(action->text().section(u'\t', 1)), qPrintable(action->text()));
        for (const char *legend : {"Horní trasa", "Dolní trasa", "Součet obou šipek", "0,1 × |součet|²", "úměrná", "≈ 42 pixelů"})
            QVERIFY2(text.contains(QString::fromUtf8(legend)), legend);
        const qreal pointsAtOne = help->findChild<QTextBrowser *>()->font().pointSizeF();
        const int widthAtOne = help->width();
        shown.window->resize(SpomalenaAnimace::clientSize * 1.8);
        QCOMPARE(help->findChild<QTextBrowser *>()->font().pointSizeF(), pointsAtOne * 1.8);
        QCOMPARE(help->width(), qRound(widthAtOne * 1.8));
        shown.window->playback().finish();
    }

    void picture_data()
    {
        QTest::addColumn<qreal>("zoom");
        QTest::newRow("at 1:1") << 1.0;
        QTest::newRow("maximised, 1.8") << 1.8;
    }

    // The picture is the window at zoom 1 whatever its zoom: the drawing, the title and the captions on grey, the
    // buttons and the scroll bar left out.
    void picture()
    {
        QFETCH(qreal, zoom);
        QImage atOne;
        {
            ShownWindow reference;
            reference.start();
            atOne = reference.window->picture();
        }
        ShownWindow shown;
        shown.window->resize(SpomalenaAnimace::clientSize * zoom);
        shown.start();
        const QImage picture = shown.window->picture();
        const qreal ratio = shown.window->devicePixelRatioF();
        QCOMPARE(picture.size(), (QSizeF(SpomalenaAnimace::clientSize) * ratio).toSize());
        QCOMPARE(picture, atOne);
        QCOMPARE(shown.window->canvas->zoom(), zoom); // and the window as it was

        const auto at = [&](double x, double y) { return QColor(picture.pixel(int(x * ratio), int(y * ratio))); };
        for (const QWidget *left : std::initializer_list<const QWidget *>{shown.window->cmdStart, shown.window->cmdKonec, shown.window->HScroll1})
            QCOMPARE(at(left->x() / zoom + 10, left->y() / zoom + 10), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(at(550 + 50, 500.94), QColor(Qt::black)); // the lowest bar
        const auto row = [&](int x, int y, int width) {
            return picture.copy(QRect(int(x * ratio), int(y * ratio), int(width * ratio), 1));
        };
        QVERIFY(darkPixels(row(100, 20, 320)) > 20); // the title's letters
        QVERIFY(darkPixels(row(58, 321, 60)) > 5);   // a caption's, "Zdroj fotonu"
    }

    // Ctrl+C copies the picture; in a text box, as usual, its text.
    void copy()
    {
        ShownWindow shown;
        shown.start();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_ARGB32),
                 shown.window->picture().convertToFormat(QImage::Format_ARGB32));
        shown.window->nAdresa->setFocus();
        shown.window->nAdresa->selectAll();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("kestrova.example"));
        QVERIFY(QGuiApplication::clipboard()->image().isNull());
    }

    void failureToSave_data()
    {
        QTest::addColumn<QString>("where"); // in a fresh folder
        QTest::addColumn<QString>("reason");
#ifdef Q_OS_LINUX
        QTest::newRow("a folder without write permission") << "jen-ke-čtení/obrázek.png" << "nemáte právo zapisovat";
#endif
        QTest::newRow("a folder that does not exist") << "není/obrázek.png" << "neexistuje";
        QTest::newRow("a name taken by a folder") << "složka" << "je složka";
    }

    // A clear Czech message, and the program goes on.
    void failureToSave()
    {
        QFETCH(QString, where);
        QFETCH(QString, reason);
        ShownWindow shown;
        const SaveFolders folders;
        if (where.startsWith(QStringLiteral("jen")) && folders.readOnlyIsWritable())
            QSKIP("this process may write into a folder without write permission");

        QVERIFY(!shown.window->savePicture(folders.path(where)));
        QCOMPARE(shown.messages.texts.size(), 1);
        const QString &message = shown.messages.texts.front();
        QVERIFY2(message.contains(QStringLiteral("Obrázek se nepodařilo uložit")), qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QVERIFY(shown.window->isVisible());
        shown.start(); // and the program goes on
        QVERIFY(shown.window->nClona->isVisible());
    }
};

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
