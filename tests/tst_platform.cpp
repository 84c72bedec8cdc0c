// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a desktop where Qt finds no usable platform plugin: a Wayland session without the
// wayland plugin (qt6-wayland), or an X11 display that does not answer. It must say which package to
// install, in Czech and English, and end with status 1 instead of aborting.
//
// A copy of the program runs with a qt.conf whose plugin folder holds only the xcb platform plugin, as a
// system without qt6-wayland has it, whether or not this one has qt6-wayland installed.

#include <QDir>
#include <QLibraryInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString socketName = QStringLiteral("wayland-kestrova");

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

    QTemporaryDir runtimeDir; // XDG_RUNTIME_DIR, holding the Wayland socket
    QTemporaryDir installDir; // bin/kestrova, bin/qt.conf, plugins/platforms/libqxcb.so
    QLocalServer compositor;
    QString program;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(runtimeDir.isValid() && installDir.isValid());
        QDir install(installDir.path());
        QVERIFY(install.mkpath(QStringLiteral("bin")) && install.mkpath(QStringLiteral("plugins/platforms")));
        program = install.filePath(QStringLiteral("bin/kestrova"));
        QVERIFY(QFile::copy(QStringLiteral(KESTROVA_PROGRAM), program));
        const QString xcb = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms/libqxcb.so");
        QVERIFY2(QFileInfo(xcb).isFile(), qPrintable(xcb));
        QVERIFY(QFile::link(xcb, install.filePath(QStringLiteral("plugins/platforms/libqxcb.so"))));
        QFile conf(install.filePath(QStringLiteral("bin/qt.conf")));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[Paths]\nPlugins = " + install.filePath(QStringLiteral("plugins")).toUtf8() + '\n');
        conf.close();

        // Where a compositor would listen. Anything that connects is hung up on, so a mistake in the set-up
        // above shows as a failure, not a hang.
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
        QTest::newRow("Wayland session")
            << QStringList{QStringLiteral("XDG_SESSION_TYPE=wayland"), QStringLiteral("WAYLAND_DISPLAY=") + socketName};
        QTest::newRow("Wayland socket only") << QStringList{QStringLiteral("WAYLAND_DISPLAY=") + socketName};
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
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        for (const QString &variable : variables)
            environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));

        QProcess kestrova;
        kestrova.setProcessChannelMode(QProcess::MergedChannels);
        kestrova.setProcessEnvironment(environment);
        kestrova.start(program, {});
        QVERIFY2(kestrova.waitForStarted(), qPrintable(kestrova.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(kestrova.state() == QProcess::NotRunning, 120000); // the socket is served meanwhile
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
