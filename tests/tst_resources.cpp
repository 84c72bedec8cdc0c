// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's icon, and the Windows resources compiled on Linux as a MinGW build compiles them. The icon files
// themselves are checked against their generator (icons_up_to_date), the exe's icon and version record by
// tests/windows/check_exe.py.
#include "appicon.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class TestResources : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windowIconHasEverySize_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%dx%d", size, size) << size;
    }
    void windowIconHasEverySize()
    {
        QFETCH(int, size);
        const QIcon icon = kestrovaIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
    }

    // windres comes with the build tools: a missing one fails rather than skips.
    void rcCompiles()
    {
        const QString windres = QStringLiteral(KESTROVA_WINDRES);
        QVERIFY2(!windres.endsWith(QStringLiteral("-NOTFOUND")),
                 "x86_64-w64-mingw32-windres is missing: install binutils-mingw-w64-x86-64 (make deps)");
        QTemporaryDir out;
        QProcess process;
        process.start(windres, {QStringLiteral("--preprocessor=cpp"), QStringLiteral("-O"), QStringLiteral("res"),
                                QStringLiteral(KESTROVA_RC), out.filePath(QStringLiteral("kestrova.res"))});
        QVERIFY2(process.waitForFinished(60000), qPrintable(process.errorString()));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 process.readAllStandardError().constData());
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
