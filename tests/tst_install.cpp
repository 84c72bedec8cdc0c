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
#include <QXmlStreamReader>

namespace {

const QString binaryDir = QStringLiteral(KESTROVA_BINARY_DIR);
const QString appId = QStringLiteral(KESTROVA_APP_ID);
const QString version = QStringLiteral(KESTROVA_VERSION);
const QString sourceDir = QStringLiteral(KESTROVA_SOURCE_DIR);
// A fixed SOURCE_DATE_EPOCH for the packages built here: 2001-09-09 01:46:40 UTC.
const QString sourceDateEpoch = QStringLiteral("1000000000");

bool found(const QString &program)
{
    return !program.isEmpty() && !program.endsWith(QStringLiteral("-NOTFOUND"));
}

struct Run
{
    bool finished = false;
    int exitCode = -1;
    QString output; // stdout and stderr together
};

Run run(const QString &program, const QStringList &arguments, const QProcessEnvironment &environment = {})
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.start(program, arguments);
    Run result;
    result.finished = process.waitForFinished(240000) && process.exitStatus() == QProcess::NormalExit;
    result.exitCode = process.exitCode();
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
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

// The [Desktop Entry] group of a desktop file; *error names the first thing that breaks the format.
QMap<QString, QString> desktopEntry(const QString &path, QString *error)
{
    QMap<QString, QString> entry;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = file.errorString();
        return entry;
    }
    QString group;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            group = line;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0) {
            *error = QStringLiteral("not a key=value line: ") + line;
            return entry;
        }
        if (group != QStringLiteral("[Desktop Entry]"))
            continue;
        const QString key = line.left(equals).trimmed();
        if (entry.contains(key)) {
            *error = QStringLiteral("key given twice: ") + key;
            return entry;
        }
        entry.insert(key, line.mid(equals + 1).trimmed());
    }
    return entry;
}

const int themeSizes[] = {16, 32, 48, 64, 128, 256};

const QString englishManPage = QStringLiteral("usr/share/man/man1/kestrova.1.gz");
const QString czechManPage = QStringLiteral("usr/share/man/cs/man1/kestrova.1.gz");
const QString changelog = QStringLiteral("usr/share/doc/kestrova/changelog.gz");
const QString copyright = QStringLiteral("usr/share/doc/kestrova/copyright");

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

    QTemporaryDir stage;
    QTemporaryDir packageDir;
    QString deb;

    QString staged(const QString &path) const { return stage.filePath(path); }

    // make package's packing of this build into folder, with a fixed SOURCE_DATE_EPOCH; the .deb's path.
    static QString buildPackage(const QString &folder)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("SOURCE_DATE_EPOCH"), sourceDateEpoch);
        const Run cpack = run(QStringLiteral(KESTROVA_CPACK),
                              {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                               binaryDir + QStringLiteral("/CPackConfig.cmake"), QStringLiteral("-B"), folder},
                              environment);
        if (!cpack.finished || cpack.exitCode != 0) {
            qWarning("%s", qPrintable(cpack.output));
            return {};
        }
        const QStringList debs = QDir(folder).entryList({QStringLiteral("*.deb")}, QDir::Files);
        return debs.size() == 1 ? QDir(folder).filePath(debs.front()) : QString();
    }
    QString desktopPath() const { return staged(QStringLiteral("usr/share/applications/%1.desktop").arg(appId)); }
    QString metainfoPath() const { return staged(QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(appId)); }

    QMap<QString, QString> entry() const
    {
        QString error;
        const auto values = desktopEntry(desktopPath(), &error);
        return error.isEmpty() ? values : QMap<QString, QString>{};
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(stage.isValid() && packageDir.isValid());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), stage.path());
        const Run install = run(QStringLiteral(KESTROVA_CMAKE),
                                {QStringLiteral("--install"), binaryDir, QStringLiteral("--prefix"), QStringLiteral("/usr")},
                                environment);
        QVERIFY2(install.finished && install.exitCode == 0, qPrintable(install.output));
    }

    void installedFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("executable");
        QTest::newRow("program") << QStringLiteral("usr/bin/kestrova") << true;
        QTest::newRow("menu entry") << QStringLiteral("usr/share/applications/%1.desktop").arg(appId) << false;
        QTest::newRow("AppStream") << QStringLiteral("usr/share/metainfo/%1.metainfo.xml").arg(appId) << false;
        QTest::newRow("manual page") << englishManPage << false;
        QTest::newRow("Czech manual page") << czechManPage << false;
        QTest::newRow("copyright") << copyright << false;
        QTest::newRow("changelog") << changelog << false;
        for (int size : themeSizes)
            QTest::addRow("icon %dx%d", size, size)
                << QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/kestrova.png").arg(size) << false;
    }
    void installedFile()
    {
        QFETCH(QString, path);
        QFETCH(bool, executable);
        const QFileInfo file(staged(path));
        QVERIFY2(file.isFile(), qPrintable(filesBelow(stage.path()).join(QLatin1Char('\n'))));
        QVERIFY(file.size() > 0);
        QCOMPARE(file.isExecutable(), executable);
        QVERIFY(file.permissions().testFlag(QFileDevice::ReadOther));
    }

    // Nothing of the build itself (static libraries, headers, test programs) leaks into the system.
    void onlyProgramAndData()
    {
        const QStringList files = filesBelow(stage.path());
        QVERIFY(!files.isEmpty());
        for (const QString &file : files) {
            QVERIFY2(file.startsWith(QStringLiteral("usr/share/")) || file == QStringLiteral("usr/bin/kestrova"),
                     qPrintable(file));
            QVERIFY2(!file.startsWith(QStringLiteral("usr/share/")) || !QFileInfo(staged(file)).isExecutable(),
                     qPrintable(file));
        }
    }

    void themeIcon_data()
    {
        QTest::addColumn<int>("size");
        for (int size : themeSizes)
            QTest::addRow("%dx%d", size, size) << size;
    }
    // The icon the menu entry names, in the hicolor theme at every size.
    void themeIcon()
    {
        QFETCH(int, size);
        const QString name = entry().value(QStringLiteral("Icon"));
        QVERIFY(!name.isEmpty());
        const QImage icon(staged(QStringLiteral("usr/share/icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(name)));
        QVERIFY2(!icon.isNull(), "not installed or not a PNG");
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY(icon.hasAlphaChannel());
    }

    void desktopEntryParses()
    {
        QString error;
        const auto values = desktopEntry(desktopPath(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!values.isEmpty());
    }

    void desktopEntryKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Type") << QStringLiteral("Type") << QStringLiteral("Application");
        QTest::newRow("Exec") << QStringLiteral("Exec") << QStringLiteral("kestrova");
        QTest::newRow("Icon") << QStringLiteral("Icon") << QStringLiteral("kestrova");
        QTest::newRow("Terminal") << QStringLiteral("Terminal") << QStringLiteral("false");
        QTest::newRow("Categories") << QStringLiteral("Categories") << QStringLiteral("Education;Physics;");
        QTest::newRow("Name") << QStringLiteral("Name") << QStringLiteral("Kestrova");
        QTest::newRow("Name[cs]") << QStringLiteral("Name[cs]") << QStringLiteral("Kestrova");
    }
    void desktopEntryKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const auto values = entry();
        QVERIFY2(values.contains(key), "missing");
        QCOMPARE(values.value(key), expected);
    }

    // Text shown in menus: Czech for a Czech desktop, English for everyone else.
    void desktopEntryInCzech_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("GenericName") << QStringLiteral("GenericName");
        QTest::newRow("Comment") << QStringLiteral("Comment");
        QTest::newRow("Keywords") << QStringLiteral("Keywords");
    }
    void desktopEntryInCzech()
    {
        QFETCH(QString, key);
        const auto values = entry();
        const QString english = values.value(key);
        const QString czech = values.value(key + QStringLiteral("[cs]"));
        QVERIFY2(!english.isEmpty(), "no untranslated fallback");
        QVERIFY2(!czech.isEmpty(), "no Czech text");
        QVERIFY2(czech != english, "the Czech text is the English one");
        QVERIFY2(czech.contains(QRegularExpression(QStringLiteral("[áčďéěíňóřšťúůýž]"))),
                 "no Czech letters: written without diacritics or read in the wrong encoding");
    }

    // The menu entry starts a program that is installed.
    void execIsInstalled()
    {
        const QString exec = entry().value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0);
        QVERIFY(!exec.isEmpty());
        QVERIFY2(!exec.contains(QLatin1Char('/')), "the menu should find the program on PATH");
        QVERIFY(QFileInfo(staged(QStringLiteral("usr/bin/") + exec)).isExecutable());
    }

    void desktopFileValidates()
    {
        const QString validator = QStringLiteral(KESTROVA_DESKTOP_FILE_VALIDATE);
        QVERIFY2(found(validator), "desktop-file-validate is missing: install desktop-file-utils (make deps)");
        const Run result = run(validator, {desktopPath()});
        QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.output));
        // Hints too: a second main category, for one, makes menus list the program twice.
        QVERIFY2(result.output.trimmed().isEmpty(), qPrintable(result.output));
    }

    void metainfoValidates()
    {
        const QString appstreamcli = QStringLiteral(KESTROVA_APPSTREAMCLI);
        QVERIFY2(found(appstreamcli), "appstreamcli is missing: install appstream (make deps)");
        const Run result = run(appstreamcli, {QStringLiteral("validate"), QStringLiteral("--no-net"), metainfoPath()});
        QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.output));
    }

    // The AppStream record names the installed menu entry, program and current version.
    void metainfoAgreesWithInstallation()
    {
        QFile file(metainfoPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString id;
        QString launchable;
        QStringList binaries;
        QStringList releases;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto name = xml.name();
            if (name == QStringLiteral("id"))
                id = xml.readElementText();
            else if (name == QStringLiteral("launchable"))
                launchable = xml.readElementText();
            else if (name == QStringLiteral("binary"))
                binaries.append(xml.readElementText());
            else if (name == QStringLiteral("release"))
                releases.append(xml.attributes().value(QStringLiteral("version")).toString());
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(id, appId);
        QCOMPARE(launchable, appId + QStringLiteral(".desktop"));
        QVERIFY(QFileInfo(staged(QStringLiteral("usr/share/applications/") + launchable)).isFile());
        QCOMPARE(binaries, QStringList{QStringLiteral("kestrova")});
        QVERIFY2(!releases.isEmpty() && releases.front() == version,
                 "the newest release listed must be the project's version");
    }

    // What software centres show besides the description.
    void metainfoDescribesProject_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("licence") << QStringLiteral("project_license") << QStringLiteral("GPL-3\\.0-or-later");
        QTest::newRow("developer") << QStringLiteral("developer_name") << QStringLiteral("Kestrova developers");
        QTest::newRow("home page") << QStringLiteral("url type=homepage") << QStringLiteral("https://kestrova\\.example/");
        QTest::newRow("screenshot") << QStringLiteral("screenshot type=default/image type=source")
                                    << QStringLiteral("https://kestrova\\.example/docs/kestrova\\.png");
    }
    void metainfoDescribesProject()
    {
        QFETCH(QString, element);
        QFETCH(QString, pattern);
        QFile file(metainfoPath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QStringList values; // the text of each element that matches, as "name type=value" below its parent's
        QStringList path;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::EndElement) {
                path.removeLast();
                continue;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            QString name = xml.name().toString();
            if (xml.attributes().hasAttribute(QStringLiteral("type")))
                name += QStringLiteral(" type=") + xml.attributes().value(QStringLiteral("type")).toString();
            path.append(name);
            if (path.join(QLatin1Char('/')).endsWith(element)) {
                values.append(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
                path.removeLast();
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(values.size(), 1);
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(values.front()).hasMatch(),
                 qPrintable(values.front()));
    }

    // The screenshot is the README's picture.
    void screenshotIsReadmePicture()
    {
        QVERIFY(QImage(sourceDir + QStringLiteral("/docs/kestrova.png")).size() == QSize(810, 600));
        QVERIFY(contents(sourceDir + QStringLiteral("/README.md")).contains("](docs/kestrova.png)"));
        QVERIFY(contents(metainfoPath()).contains("width=\"810\" height=\"600\">https://kestrova.example/docs/kestrova.png<"));
    }

    // The packaging's documents name the project's version.
    void versionEverywhere_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("pattern"); // its first group is the version
        QTest::newRow("changelog") << QStringLiteral("packaging/changelog") << QStringLiteral("^kestrova \\(([^)]*)\\)");
        QTest::newRow("manual page") << QStringLiteral("packaging/man/kestrova.1")
                                     << QStringLiteral("(?m)^\\.TH .*\"Kestrova ([^\"]*)\"");
        QTest::newRow("Czech manual page") << QStringLiteral("packaging/man/kestrova.cs.1")
                                           << QStringLiteral("(?m)^\\.TH .*\"Kestrova ([^\"]*)\"");
    }
    void versionEverywhere()
    {
        QFETCH(QString, file);
        QFETCH(QString, pattern);
        const QString text = QString::fromUtf8(contents(sourceDir + QLatin1Char('/') + file));
        const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
        QVERIFY2(match.hasMatch(), "no version found");
        QCOMPARE(match.captured(1), version);
    }

    // Debian's way: the best compression, and neither a file name nor a time stamp (gzip -9n), so that
    // the same text always gives the same bytes.
    void compressedForDebian_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("manual page") << englishManPage;
        QTest::newRow("Czech manual page") << czechManPage;
        QTest::newRow("changelog") << changelog;
    }
    void compressedForDebian()
    {
        QFETCH(QString, path);
        const QByteArray gz = contents(staged(path));
        QVERIFY2(gz.size() > 18, "missing or truncated");
        QCOMPARE(gz.left(3), QByteArray("\x1f\x8b\x08", 3)); // gzip, deflate
        QCOMPARE(int(gz.at(3)), 0);                          // flags: no name, comment or extra field
        QCOMPARE(gz.mid(4, 4), QByteArray(4, '\0'));         // no time stamp
        QCOMPARE(int(gz.at(8)), 2);                          // compressed with the slowest, best method
    }

    // The pages render without a warning from man and groff (lintian asks the same), in their language.
    void manPageRenders_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("English") << englishManPage
                                 << QStringList{QStringLiteral("EXIT STATUS"), QStringLiteral("qt6-wayland"),
                                                QStringLiteral("reads no files")};
        QTest::newRow("Czech") << czechManPage
                               << QStringList{QStringLiteral("NÁVRATOVÝ KÓD"), QStringLiteral("qt6-wayland"),
                                              QStringLiteral("nečte žádné soubory")};
    }
    void manPageRenders()
    {
        QFETCH(QString, path);
        QFETCH(QStringList, expected);
        const QString man = QStringLiteral(KESTROVA_MAN);
        QVERIFY2(found(man), "man is missing: install man-db (make deps)");
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
        QCOMPARE(process.exitCode(), 0);
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        for (const QString &text : expected)
            QVERIFY2(page.simplified().contains(text), qPrintable(text + QStringLiteral(" not in:\n") + page));
    }

    // A machine-readable copyright file whose every licence points at the copy every Debian system has.
    void copyrightLicence_data()
    {
        QTest::addColumn<QString>("licence");
        QTest::addColumn<QString>("commonLicence");
        QTest::newRow("program") << QStringLiteral("GPL-3+") << QStringLiteral("/usr/share/common-licenses/GPL-3");
        QTest::newRow("AppStream record") << QStringLiteral("CC0-1.0") << QStringLiteral("/usr/share/common-licenses/CC0-1.0");
    }
    void copyrightLicence()
    {
        QFETCH(QString, licence);
        QFETCH(QString, commonLicence);
        const QStringList paragraphs = QString::fromUtf8(contents(staged(copyright))).split(QStringLiteral("\n\n"));
        QVERIFY(!paragraphs.isEmpty());
        QVERIFY(paragraphs.front().startsWith(
            QStringLiteral("Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")));
        int filesUsingIt = 0;
        QStringList texts;
        for (const QString &paragraph : paragraphs) {
            const bool files = paragraph.startsWith(QStringLiteral("Files: "));
            if (files && paragraph.split(QLatin1Char('\n')).contains(QStringLiteral("License: ") + licence))
                ++filesUsingIt;
            if (paragraph.startsWith(QStringLiteral("License: ") + licence + QLatin1Char('\n')))
                texts.append(paragraph);
            if (files)
                QVERIFY2(paragraph.contains(QStringLiteral("\nCopyright: ")) && paragraph.contains(QStringLiteral("\nLicense: ")),
                         qPrintable(paragraph));
        }
        QVERIFY2(filesUsingIt > 0, "no Files paragraph under this licence");
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.front().contains(QLatin1Char('"') + commonLicence + QLatin1Char('"')), qPrintable(texts.front()));
        QVERIFY2(QFileInfo(commonLicence).isFile(), "not on this system");
    }

    // ---- the Debian package ----

    void packageBuilds()
    {
        const QString built = buildPackage(packageDir.path());
        QVERIFY(!built.isEmpty());
        deb = built;
        QVERIFY2(QFileInfo(deb).fileName().startsWith(QStringLiteral("kestrova_%1_").arg(version)),
                 qPrintable(deb));
    }

    void packageField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("Package") << QStringLiteral("Package") << QStringLiteral("kestrova");
        QTest::newRow("Version") << QStringLiteral("Version") << QRegularExpression::escape(version);
        QTest::newRow("Section") << QStringLiteral("Section") << QStringLiteral("education|science");
        QTest::newRow("Maintainer") << QStringLiteral("Maintainer")
                                    << QStringLiteral("Kestrova developers <vyvojari@kestrova\\.example>");
        QTest::newRow("Homepage") << QStringLiteral("Homepage") << QStringLiteral("https://kestrova\\.example/");
        QTest::newRow("Recommends") << QStringLiteral("Recommends") << QStringLiteral("(.*, )?qt6-wayland(,.*)?");
        QTest::newRow("Description") << QStringLiteral("Description") << QStringLiteral("(?s)\\S.*\\n .*\\S.*");
    }
    void packageField()
    {
        QFETCH(QString, field);
        QFETCH(QString, pattern);
        QVERIFY2(!deb.isEmpty(), "no package was built");
        const Run result = run(QStringLiteral(KESTROVA_DPKG_DEB), {QStringLiteral("-f"), deb, field});
        QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.output));
        const QString value = result.output.trimmed();
        QVERIFY2(QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(value).hasMatch(),
                 qPrintable(field + QStringLiteral(": ") + value));
    }

    void packageDependsOn_data()
    {
        QTest::addColumn<QString>("package");
        for (const char *name : {"libqt6widgets6", "libqt6gui6", "libqt6core6", "libstdc++6", "libc6", "fonts-liberation"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void packageDependsOn()
    {
        QFETCH(QString, package);
        QVERIFY2(!deb.isEmpty(), "no package was built");
        const Run result = run(QStringLiteral(KESTROVA_DPKG_DEB), {QStringLiteral("-f"), deb, QStringLiteral("Depends")});
        QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.output));
        QStringList names;
        for (const QString &alternatives : result.output.trimmed().split(QLatin1Char(',')))
            names.append(alternatives.trimmed().section(QLatin1Char(' '), 0, 0));
        QVERIFY2(names.contains(package), qPrintable(result.output));
    }

    // The package holds exactly what the installation puts in place.
    void packageHoldsTheInstallation()
    {
        QVERIFY2(!deb.isEmpty(), "no package was built");
        QTemporaryDir unpacked;
        QVERIFY(unpacked.isValid());
        const Run result = run(QStringLiteral(KESTROVA_DPKG_DEB), {QStringLiteral("-x"), deb, unpacked.path()});
        QVERIFY2(result.finished && result.exitCode == 0, qPrintable(result.output));
        QCOMPARE(filesBelow(unpacked.path()), filesBelow(stage.path()));
        QVERIFY(QFileInfo(unpacked.filePath(QStringLiteral("usr/bin/kestrova"))).isExecutable());
    }

    // Packed again from the same build, the package has the same bytes, and every member carries
    // SOURCE_DATE_EPOCH as its time, not the time it was installed or checked out.
    void packageIsReproducible()
    {
        QVERIFY2(!deb.isEmpty(), "no package was built");
        QTemporaryDir again;
        QVERIFY(again.isValid());
        const QString second = buildPackage(again.path());
        QVERIFY(!second.isEmpty());
        QVERIFY2(contents(deb) == contents(second), "two packings of one build differ");

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TZ"), QStringLiteral("UTC"));
        const Run listing = run(QStringLiteral(KESTROVA_DPKG_DEB), {QStringLiteral("--contents"), deb}, environment);
        QVERIFY2(listing.finished && listing.exitCode == 0, qPrintable(listing.output));
        const QStringList members = listing.output.trimmed().split(QLatin1Char('\n'));
        QVERIFY(members.size() > 10);
        for (const QString &member : members)
            QVERIFY2(member.contains(QStringLiteral(" 2001-09-09 01:46 ./")), qPrintable(member));
    }
};

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
