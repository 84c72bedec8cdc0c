// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: read alone, and by the built program without any display.
#include "commandline.h"

#include <QProcess>
#include <QtTest>

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void parse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("run");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("fullScreen");
        QTest::addColumn<QString>("said");
        const auto row = [](const char *name, const QStringList &arguments, bool run, int status, bool fullScreen,
                            const QString &said) {
            QTest::newRow(name) << (QStringList{QStringLiteral("kestrova")} + arguments) << run << status << fullScreen << said;
        };
        row("nothing", {}, true, 0, false, {});
        row("full screen", {QStringLiteral("--full-screen")}, true, 0, true, {});
        row("Qt's own options", {QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-style"),
                                 QStringLiteral("fusion"), QStringLiteral("--full-screen")}, true, 0, true, {});
        row("help", {QStringLiteral("--help")}, false, 0, false, QStringLiteral("--full-screen"));
        row("help, short", {QStringLiteral("-h")}, false, 0, false, QStringLiteral("--version"));
        row("version", {QStringLiteral("--version")}, false, 0, false, QStringLiteral("Kestrova " KESTROVA_VERSION));
        row("unknown option", {QStringLiteral("--fullscreen")}, false, 1, false, QStringLiteral("neznámá volba „--fullscreen“"));
        row("a value where none is taken", {QStringLiteral("--full-screen=ano")}, false, 1, false, QStringLiteral("bad value"));
        row("a Qt option without its value", {QStringLiteral("-platform")}, false, 1, false, QStringLiteral("chybná hodnota"));
        row("a file", {QStringLiteral("lesson.txt")}, false, 1, false, QStringLiteral("unexpected argument 'lesson.txt'"));
    }
    void parse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, run);
        QFETCH(int, status);
        QFETCH(bool, fullScreen);
        QFETCH(QString, said);
        const CommandLine line = CommandLine::parse(arguments);
        QCOMPARE(line.run, run);
        QCOMPARE(line.exitStatus, status);
        QCOMPARE(line.fullScreen, fullScreen);
        QVERIFY2((line.output + line.error).contains(said), qPrintable(line.output + line.error));
        QCOMPARE(line.error.isEmpty(), status == 0); // a failure always says why
    }

    void withoutADisplay_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0 << QStringLiteral("--full-screen") << QString();
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0 << QStringLiteral("Kestrova ") << QString();
        QTest::newRow("bad option") << QStringList{QStringLiteral("--barvy")} << 1 << QString()
                                    << QStringLiteral("unknown option '--barvy'");
        // The English half of the message: under wine stderr is in the host's 8-bit code page.
        QTest::newRow("bad value") << QStringList{QStringLiteral("--full-screen=1")} << 1 << QString()
                                   << QStringLiteral("bad value of an option");
        QTest::newRow("unknown language") << QStringList{QStringLiteral("--language"), QStringLiteral("de")} << 1 << QString()
                                          << QStringLiteral("unknown language 'de'");
#if !defined(Q_OS_WIN) // Windows always has its desktop
        QTest::newRow("no display") << QStringList{} << 1 << QString() << QStringLiteral("no display available");
#endif
    }
    // The built program, with no display at all: nothing it says needs one, and no window is attempted.
    void withoutADisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &name : {QStringLiteral("DISPLAY"), QStringLiteral("WAYLAND_DISPLAY"), QStringLiteral("QT_QPA_PLATFORM")})
            environment.remove(name);
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(KESTROVA_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QString stdoutText = QString::fromUtf8(program.readAllStandardOutput());
        const QString stderrText = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(stdoutText.contains(out), qPrintable(stdoutText));
        QVERIFY2(stderrText.contains(err), qPrintable(stderrText));
        QCOMPARE(stderrText.isEmpty(), status == 0);
    }
};

QTEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
