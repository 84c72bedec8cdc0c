// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// What a Linux installation puts where: the build is installed into a staging directory as a
// distribution would (prefix /usr, DESTDIR), then the same build is packed into a .deb and opened up.

#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString binaryDir = QStringLiteral(KESTROVA_BINARY_DIR);
const QString appId = QStringLiteral(KESTROVA_APP_ID);
const QString version = QStringLiteral(KESTROVA_VERSION);
const QString sourceDir = QStringLiteral(KESTROVA_SOURCE_DIR);
// A fixed SOURCE_DATE_EPOCH for the packages built here: 2001-09-09 01:46:40 UTC.
const QString sourceDateEpoch = QStringLiteral("1000000000");

struct Run
{
    bool ok = false; // finished with status 0
    QString output;  // stdout and stderr together
};

Run run(const QString &program, const QStringList &arguments, const QStringList &variables = {})
{
    if (program.isEmpty() || program.endsWith(QStringLiteral("-NOTFOUND")))
        return {false, program + QStringLiteral(": not installed (make deps)")};
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &variable : variables)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(240000) && process.exitStatus() == QProcess::NormalExit;
    return {finished && process.exitCode() == 0, QString::fromLocal8Bit(process.readAll())};
}

// Every file below root, as paths relative to it.
QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString englishManPage = QStringLiteral("usr/share/man/man1/kestrova.1.gz");
const QString czechManPage = QStringLiteral("usr/share/man/cs/man1/kestrova.1.gz");
} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir stage;
    QTemporaryDir packageDir;
    QString deb;

    QString staged(const QString &path) const { return stage.filePath(path); }
    QString desktopPath() const { return staged(QStringLiteral("usr/share/applications/%1.desktop").arg(appId)); }
    QString metainfoPath() const { return staged(QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(appId)); }

    // make package's packing of this build into folder, with a fixed SOURCE_DATE_EPOCH; the .deb's path.
    static QString buildPackage(const QString &folder)
    {
        const Run cpack = run(QStringLiteral(KESTROVA_CPACK),
                              {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                               binaryDir + QStringLiteral("/CPackConfig.cmake"), QStringLiteral("-B"), folder},
                              {QStringLiteral("SOURCE_DATE_EPOCH=") + sourceDateEpoch});
        if (!cpack.ok)
            qWarning("%s", qPrintable(cpack.output));
        const QStringList debs = QDir(folder).entryList({QStringLiteral("*.deb")}, QDir::Files);
        return debs.size() == 1 ? QDir(folder).filePath(debs.front()) : QString();
    }

    QString dpkgField(const QString &field) const
    {
        const Run result = run(QStringLiteral(KESTROVA_DPKG_DEB), {QStringLiteral("-f"), deb, field});
        return result.ok ? result.output.trimmed() : QString();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(stage.isValid() && packageDir.isValid());
        const Run install = run(QStringLiteral(KESTROVA_CMAKE),
                                {QStringLiteral("--install"), binaryDir, QStringLiteral("--prefix"), QStringLiteral("/usr")},
                                {QStringLiteral("DESTDIR=") + stage.path()});
        QVERIFY2(install.ok, qPrintable(install.output));
    }

    // The program and its data, nothing of the build (static libraries, headers, test programs); readable by all,
    // the program alone executable, the icons at their sizes, the manual pages and changelog as Debian
    // compresses them (gzip -9n: neither a file name nor a time stamp).
    void installedFiles()
    {
        QStringList expected{QStringLiteral("usr/bin/kestrova"), QStringLiteral("usr/share/doc/kestrova/changelog.gz"),
                             QStringLiteral("usr/share/doc/kestrova/copyright"), englishManPage, czechManPage,
                             QStringLiteral("usr/share/applications/%1.desktop").arg(appId),
                             QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(appId)};
        for (const int size : {16, 32, 48, 64, 128, 256})
            expected << QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/kestrova.png").arg(size);
        expected.sort();
        QCOMPARE(filesBelow(stage.path()), expected);
        for (const QString &path : expected) {
            const QFileInfo file(staged(path));
            QVERIFY2(file.size() > 0 && file.permissions().testFlag(QFileDevice::ReadOther), qPrintable(path));
            QCOMPARE(file.isExecutable(), path == QStringLiteral("usr/bin/kestrova"));
            if (path.contains(QStringLiteral("/icons/")))
                QCOMPARE(QImage(file.filePath()).size().width(), path.section(u'/', 4, 4).section(u'x', 0, 0).toInt());
            if (path.endsWith(QStringLiteral(".gz")))
                QCOMPARE(contents(file.filePath()).left(9), QByteArray("\x1f\x8b\x08\0\0\0\0\0\x02", 9));
        }
    }

    // The menu entry with not even a hint from desktop-file-validate (a category without a main one, for one, leaves
    // the program in a catch-all menu); the AppStream record valid.
    void validates()
    {
        const Run entry = run(QStringLiteral(KESTROVA_DESKTOP_FILE_VALIDATE), {desktopPath()});
        QVERIFY2(entry.ok && entry.output.trimmed().isEmpty(), qPrintable(entry.output));
        const Run record = run(QStringLiteral(KESTROVA_APPSTREAMCLI),
                               {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfoPath()});
        QVERIFY2(record.ok, qPrintable(record.output));
    }

    // In the teachers' menu, with the installed icon and program, its text in Czech for a Czech desktop.
    void desktopEntry()
    {
        QMap<QString, QString> entry;
        for (const QString &line : QString::fromUtf8(contents(desktopPath())).split(u'\n'))
            entry.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
        QVERIFY(entry.value(QStringLiteral("Categories")).split(u';').contains(QStringLiteral("Education")));
        const QString icon = entry.value(QStringLiteral("Icon"));
        QVERIFY(QFileInfo::exists(staged(QStringLiteral("usr/share/icons/hicolor/48x48/apps/%1.png").arg(icon))));
        QVERIFY(QFileInfo(staged(QStringLiteral("usr/bin/") + entry.value(QStringLiteral("Exec")))).isExecutable());
        for (const char *key : {"GenericName", "Comment", "Keywords"}) {
            const QString english = entry.value(QString::fromLatin1(key));
            const QString czech = entry.value(QString::fromLatin1(key) + QStringLiteral("[cs]"));
            QVERIFY2(!english.isEmpty() && czech != english, key);
            QVERIFY2(czech.contains(QRegularExpression(QStringLiteral("[áčďéěíňóřšťúůýž]"))), key);
        }
    }

    // The AppStream record names the installed menu entry, program and current version (its newest release comes
    // first), and the README's picture.
    void metainfoAgreesWithInstallation()
    {
        const QString record = QString::fromUtf8(contents(metainfoPath()));
        for (const QString &element : {QStringLiteral("<id>%1</id>").arg(appId), QStringLiteral("<binary>kestrova</binary>"),
                                       QStringLiteral("<launchable type=\"desktop-id\">%1.desktop</launchable>").arg(appId),
                                       QStringLiteral("width=\"810\" height=\"600\">https://kestrova.example/docs/kestrova.png<")})
            QVERIFY2(record.contains(element), qPrintable(element));
        QCOMPARE(QRegularExpression(QStringLiteral("<release version=\"([^\"]*)\"")).match(record).captured(1), version);
        QCOMPARE(QImage(sourceDir + QStringLiteral("/docs/kestrova.png")).size(), QSize(810, 600));
        QVERIFY(contents(sourceDir + QStringLiteral("/README.md")).contains("](docs/kestrova.png)"));
    }

    // The packaging's documents name the project's version.
    // The packaging's documents name the project's version.
    void versionEverywhere()
    {
        const QString manPage = QStringLiteral("(?m)^\\.TH .*\"Kestrova ([^\"]*)\"");
        for (const auto &[file, pattern] : {std::pair(QStringLiteral("changelog"), QStringLiteral("^kestrova \\(([^)]*)\\)")),
                                            std::pair(QStringLiteral("man/kestrova.1"), manPage),
                                            std::pair(QStringLiteral("man/kestrova.cs.1"), manPage)}) {
            const QString text = QString::fromUtf8(contents(sourceDir + QStringLiteral("/packaging/") + file));
            QVERIFY2(QRegularExpression(pattern).match(text).captured(1) == version, qPrintable(file));
        }
    }

    // The pages render without a warning from man and groff (lintian asks the same), in their language.
    void manPageRenders()
    {
        const QString man = QStringLiteral(KESTROVA_MAN);
        QVERIFY2(!man.endsWith(QStringLiteral("-NOTFOUND")), "man is missing: install man-db (make deps)");
        for (const auto &[path, expected] :
             {std::pair(englishManPage, QStringList{QStringLiteral("EXIT STATUS"), QStringLiteral("reads no files")}),
              std::pair(czechManPage, QStringList{QStringLiteral("NÁVRATOVÝ KÓD"), QStringLiteral("nečte žádné soubory")})}) {
            QProcess process;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
            environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("80"));
            process.setProcessEnvironment(environment);
            process.start(man, {QStringLiteral("--warnings"), QStringLiteral("-E"), QStringLiteral("UTF-8"),
                                QStringLiteral("-l"), staged(path)});
            QVERIFY(process.waitForFinished(60000));
            const QString errors = QString::fromUtf8(process.readAllStandardError());
            const QString page = QString::fromUtf8(process.readAllStandardOutput()).remove(QRegularExpression(QStringLiteral(".\b")));
            QVERIFY2(process.exitCode() == 0 && errors.isEmpty(), qPrintable(path + u'\n' + errors));
            for (const QString &text : expected + QStringList{QStringLiteral("qt6-wayland")})
                QVERIFY2(page.simplified().contains(text), qPrintable(text + QStringLiteral(" not in:\n") + page));
        }
    }

    // A machine-readable copyright file whose every licence points at the copy every Debian system has.
    void copyrightLicences()
    {
        const QString copyright = QString::fromUtf8(contents(staged(QStringLiteral("usr/share/doc/kestrova/copyright"))));
        QVERIFY(copyright.startsWith(QStringLiteral("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")));
        for (const QString &licence : {QStringLiteral("GPL-3"), QStringLiteral("CC0-1.0")}) {
            const QString common = QStringLiteral("/usr/share/common-licenses/") + licence;
            const QRegularExpression paragraph(QStringLiteral("(?m)^License: %1\\+?\\n(?: .*\\n)*? .*\"%2\"")
                                                   .arg(QRegularExpression::escape(licence), QRegularExpression::escape(common)));
            QVERIFY2(copyright.contains(paragraph), qPrintable(licence));
            QVERIFY2(QFileInfo(common).isFile(), qPrintable(common));
        }
    }

    // ---- the Debian package ----

    void packageBuilds()
    {
        deb = buildPackage(packageDir.path());
        QVERIFY2(QFileInfo(deb).fileName().startsWith(QStringLiteral("kestrova_%1_").arg(version)), qPrintable(deb));
        QCOMPARE(dpkgField(QStringLiteral("Version")), version);
        QVERIFY(QRegularExpression(QStringLiteral("^(education|science)$")).match(dpkgField(QStringLiteral("Section"))).hasMatch());
        QVERIFY(dpkgField(QStringLiteral("Recommends")).split(QStringLiteral(", ")).contains(QStringLiteral("qt6-wayland")));
        QStringList depends;
        for (const QString &alternatives : dpkgField(QStringLiteral("Depends")).split(u','))
            depends << alternatives.trimmed().section(u' ', 0, 0);
        for (const char *package : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libstdc++6", "libc6", "fonts-liberation"})
            QVERIFY2(depends.contains(QString::fromLatin1(package)), package);
    }

    // The package holds exactly what the installation puts in place.
    void packageHoldsTheInstallation()
    {
        QTemporaryDir unpacked;
        const Run result = run(QStringLiteral(KESTROVA_DPKG_DEB), {QStringLiteral("-x"), deb, unpacked.path()});
        QVERIFY2(result.ok, qPrintable(result.output));
        QCOMPARE(filesBelow(unpacked.path()), filesBelow(stage.path()));
        QVERIFY(QFileInfo(unpacked.filePath(QStringLiteral("usr/bin/kestrova"))).isExecutable());
    }

    // Packed again from the same build, the package has the same bytes, and every member carries
    // SOURCE_DATE_EPOCH as its time, not the time it was installed or checked out.
    void packageIsReproducible()
    {
        QTemporaryDir again;
        const QString second = buildPackage(again.path());
        QVERIFY(!second.isEmpty());
        QVERIFY2(contents(deb) == contents(second), "two packings of one build differ");
        const Run listing = run(QStringLiteral(KESTROVA_DPKG_DEB), {QStringLiteral("--contents"), deb}, {QStringLiteral("TZ=UTC")});
        QVERIFY2(listing.ok, qPrintable(listing.output));
        const QStringList members = listing.output.trimmed().split(QLatin1Char('\n'));
        QVERIFY(members.size() > 10);
        for (const QString &member : members)
            QVERIFY2(member.contains(QStringLiteral(" 2001-09-09 01:46 ./")), qPrintable(member));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
