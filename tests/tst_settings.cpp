// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What the program remembers: read back as written, anything damaged read as the first start, a place that cannot be
// written leaving it working, the lesson never remembered, and "Obnovit výchozí nastavení" forgetting it all.
#include "testsupport.h"
#include "windowmemory.h"

#include <QAction>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QtTest>

namespace {
void writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray randomBytes(int count)
{
    QRandomGenerator generator(20260);
    QByteArray bytes(count, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

int warnings = 0;
void countWarnings(QtMsgType type, const QMessageLogContext &, const QString &)
{
    warnings += type == QtWarningMsg;
}
}

class TestSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void init()
    {
        settings::useFile(testSettingsFile());
        settings::forgetAll();
    }

    void readAsWrittenOrAsTheFirstStart_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("pattern");
        QTest::addColumn<bool>("geometry");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("folder");

        const QByteArray folder = "lastFolder=" + QDir::tempPath().toUtf8() + '\n';
        QTest::newRow("none") << QByteArray() << false << false << false << QString() << false;
        QTest::newRow("all good") << "[General]\nlanguage=en\n" + folder + "[switches]\npattern=true\n"
                                     "[window]\ngeometry=@Rect(10 20 900 700)\nfullScreen=true\n"
                                  << true << true << true << QStringLiteral("en") << true;
        QTest::newRow("random bytes") << randomBytes(4096) << false << false << false << QString() << false;
        QTest::newRow("random bytes, then good lines") << randomBytes(512) + "\n[switches]\npattern=true\n"
                                                       << false << false << false << QString() << false;
        QTest::newRow("truncated") << QByteArray("[switches]\npattern=tr") << false << false << false << QString() << false;
        QTest::newRow("switch of the wrong type") << QByteArray("[switches]\npattern=7\n[window]\nfullScreen=@Rect(0 0 1 1)\n")
                                                  << false << false << false << QString() << false;
        QTest::newRow("geometry a word") << QByteArray("[window]\ngeometry=hello\n") << false << false << false << QString() << false;
        QTest::newRow("geometry off every screen") << QByteArray("[window]\ngeometry=@Rect(-30000 -30000 900 700)\n")
                                                   << false << false << false << QString() << false;
        QTest::newRow("geometry smaller than the least") << QByteArray("[window]\ngeometry=@Rect(0 0 200 100)\n")
                                                         << false << false << false << QString() << false;
        QTest::newRow("unknown language") << QByteArray("language=tlh\n") << false << false << false << QString() << false;
        QTest::newRow("language of the wrong type") << QByteArray("language=@Rect(1 2 3 4)\n") << false << false << false << QString() << false;
        QTest::newRow("folder gone") << QByteArray("lastFolder=/nonexistent/kestrova\n") << false << false << false << QString() << false;
        QTest::newRow("folder relative") << QByteArray("lastFolder=.\n") << false << false << false << QString() << false;
    }
    // Read straight, and by a window made from them, which shows.
    void readAsWrittenOrAsTheFirstStart()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, pattern);
        QFETCH(bool, geometry);
        QFETCH(bool, fullScreen);
        QFETCH(QString, language);
        QFETCH(bool, folder);
        writeFile(testSettingsFile(), file);

        QCOMPARE(settings::switchOn(QStringLiteral("pattern")), pattern);
        QCOMPARE(settings::windowGeometry(SpomalenaAnimace::clientSize).has_value(), geometry);
        QCOMPARE(settings::fullScreen(), fullScreen);
        QCOMPARE(settings::language(), language);
        QCOMPARE(!settings::lastFolder().isEmpty(), folder);

        SpomalenaAnimace window;
        QCOMPARE(window.commands.pattern->isChecked(), pattern);
        QVERIFY(!window.commands.brightRoom->isChecked());
        QCOMPARE(bool(window.windowState() & Qt::WindowFullScreen), fullScreen);
        if (!geometry && !fullScreen)
            QCOMPARE(window.size(), SpomalenaAnimace::clientSize);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.commands.brightRoom->setChecked(true); // written over the damage
        QVERIFY(settings::switchOn(QStringLiteral("brightRoom")));
        QCOMPARE(settings::switchOn(QStringLiteral("pattern")), pattern);
    }

    // Nothing can be written there: the window works, says so once, and nothing is remembered.
    void anUnwritablePlaceLeavesTheProgramWorking()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath(QStringLiteral("file")), "not a folder");
        settings::useFile(folder.filePath(QStringLiteral("file/Kestrova.conf")));
        warnings = 0;
        const QtMessageHandler before = qInstallMessageHandler(countWarnings);
        {
            ShownWindow shown;
            shown.window->commands.pattern->setChecked(true);
            shown.window->commands.brightRoom->setChecked(true);
            shown.start();
            QCOMPARE(shown.window->probabilities().size(), size_t(11));
            shown.window->close();
            settings::rememberFolderOf(QDir::tempPath() + QStringLiteral("/picture.png"));
            QVERIFY(shown.errors.empty());
        }
        qInstallMessageHandler(before);
        QVERIFY2(warnings <= 1, qPrintable(QString::number(warnings)));
        QVERIFY(!settings::switchOn(QStringLiteral("pattern")));
        QVERIFY(settings::lastFolder().isEmpty());
    }

    void switchesRemembered_data()
    {
        QTest::addColumn<int>("which");
        for (int i = 0; i < int(WindowMemory::switches.size()); ++i)
            QTest::newRow(WindowMemory::switches[size_t(i)].key) << i;
    }
    void switchesRemembered()
    {
        QFETCH(int, which);
        const auto command = WindowMemory::switches[size_t(which)].command;
        {
            ShownWindow shown;
            (shown.window->commands.*command)->setChecked(true);
            shown.window->close();
        }
        for (bool on : {true, false}) {
            SpomalenaAnimace window;
            QCOMPARE((window.commands.*command)->isChecked(), on);
            for (const auto &other : WindowMemory::switches)
                if (other.command != command)
                    QVERIFY(!(window.commands.*other.command)->isChecked());
            (window.commands.*command)->setChecked(false);
        }
    }

    void geometryAndFullScreenRemembered()
    {
        {
            ShownWindow shown;
            shown.window->resize(900, 700);
            shown.window->close();
        }
        {
            SpomalenaAnimace window;
            QCOMPARE(window.size(), QSize(900, 700));
            window.setWindowState(Qt::WindowFullScreen);
            window.close();
        }
        SpomalenaAnimace window;
        QVERIFY(window.windowState() & Qt::WindowFullScreen);
        QCOMPARE(window.normalGeometry().size(), QSize(900, 700));
    }

    // The slow-down and the set-up start from the original's values whatever the last lesson left.
    void theLessonIsNotRemembered()
    {
        {
            ShownWindow shown;
            shown.window->HScroll1->setValue(7);
            setFieldNumber(shown.window->nPocetOtvoru, 5);
            shown.window->commands.watched->setChecked(true);
            shown.window->close();
        }
        SpomalenaAnimace window;
        QCOMPARE(window.HScroll1->value(), 1);
        QCOMPARE(window.nPocetOtvoru->text(), QString::number(parameters::holes.start));
        QVERIFY(!window.commands.watched->isChecked());
    }

    void resetReturnsToTheFirstStart()
    {
        ShownWindow shown;
        SpomalenaAnimace &window = *shown.window;
        for (const auto &remembered : WindowMemory::switches)
            (window.commands.*remembered.command)->setChecked(true);
        window.resize(1000, 700);
        settings::rememberFolderOf(QDir::tempPath() + QStringLiteral("/picture.png"));
        settings::setLanguage(QStringLiteral("sk"));
        window.setWindowState(Qt::WindowFullScreen);
        QVERIFY(!settings::lastFolder().isEmpty());

        window.commands.resetSettings->trigger();
        for (const auto &remembered : WindowMemory::switches)
            QVERIFY(!(window.commands.*remembered.command)->isChecked());
        QVERIFY(!window.isFullScreen());
        QTRY_COMPARE(window.size(), SpomalenaAnimace::clientSize);
        QVERIFY(settings::lastFolder().isEmpty());
        QVERIFY(settings::language().isEmpty());
        QVERIFY(!settings::fullScreen());
        QVERIFY(!settings::switchOn(QStringLiteral("pattern")));
        QCOMPARE(window.canvas->colourMap(), ColourMap());
    }

    void languageKeptWhenKnown_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::newRow("Czech") << QStringLiteral("cs") << QStringLiteral("cs");
        QTest::newRow("English") << QStringLiteral("en") << QStringLiteral("en");
        QTest::newRow("Slovak") << QStringLiteral("sk") << QStringLiteral("sk");
        QTest::newRow("none") << QString() << QString();
        QTest::newRow("unknown") << QStringLiteral("xx") << QString();
    }
    void languageKeptWhenKnown()
    {
        QFETCH(QString, written);
        QFETCH(QString, read);
        settings::setLanguage(written);
        QCOMPARE(settings::language(), read);
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
