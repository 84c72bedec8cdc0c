// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The built program on a desktop where Qt finds no usable platform plugin: a Wayland session whose
// wayland plugin is missing, or an X11 display that does not answer. It must say which package to
// install, in Czech and English, and end with status 1 instead of aborting.

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString program = QStringLiteral(KESTROVA_PROGRAM);
const QString socketName = QStringLiteral("wayland-kestrova");

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

    QTemporaryDir runtimeDir;  // XDG_RUNTIME_DIR, holding the Wayland socket
    QTemporaryDir emptyPlugins; // QT_QPA_PLATFORM_PLUGIN_PATH: no wayland plugin there
    QLocalServer compositor;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(runtimeDir.isValid() && emptyPlugins.isValid());
        // A socket where a compositor would listen. Where qt6-wayland is installed its plugin connects
        // and is hung up on, so it fails as a missing one does.
        QVERIFY2(compositor.listen(runtimeDir.filePath(socketName)), qPrintable(compositor.errorString()));
        connect(&compositor, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket *client = compositor.nextPendingConnection()) {
                client->abort();
                client->deleteLater();
            }
        });
    }

    void noUsablePlatform_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::newRow("Wayland session, no wayland plugin")
            << QStringList{QStringLiteral("XDG_SESSION_TYPE=wayland"), QStringLiteral("WAYLAND_DISPLAY=") + socketName};
        QTest::newRow("Wayland socket only")
            << QStringList{QStringLiteral("WAYLAND_DISPLAY=") + socketName};
        QTest::newRow("wayland asked for by name")
            << QStringList{QStringLiteral("QT_QPA_PLATFORM=wayland"), QStringLiteral("WAYLAND_DISPLAY=") + socketName};
        QTest::newRow("X11 display that does not answer")
            << QStringList{QStringLiteral("XDG_SESSION_TYPE=x11"), QStringLiteral("DISPLAY=:64999")};
    }
    void noUsablePlatform()
    {
        QFETCH(QStringList, variables);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_QPA_PLATFORM_PLUGIN_PATH",
                                 "QT_PLUGIN_PATH", "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM_PLUGIN_PATH"), emptyPlugins.path());
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        for (const QString &variable : variables)
            environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));

        QProcess kestrova;
        kestrova.setProcessChannelMode(QProcess::MergedChannels);
        kestrova.setProcessEnvironment(environment);
        kestrova.start(program, {});
        QVERIFY2(kestrova.waitForStarted(), qPrintable(kestrova.errorString()));
        // The event loop turns meanwhile, so the socket above can hang up on a plugin that connects.
        QTRY_VERIFY_WITH_TIMEOUT(kestrova.state() == QProcess::NotRunning, 120000);
        const QString output = QString::fromUtf8(kestrova.readAll());

        QVERIFY2(kestrova.exitStatus() == QProcess::NormalExit, qPrintable(QStringLiteral("crashed:\n") + output));
        QCOMPARE(kestrova.exitCode(), 1);
        for (const char *expected : {"nainstalujte balíček qt6-wayland", "install the package qt6-wayland",
                                     "balíček libqt6gui6", "the package libqt6gui6"})
            QVERIFY2(output.contains(QString::fromUtf8(expected)), qPrintable(output));
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
