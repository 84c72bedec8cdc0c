// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon and its Windows version record, read back the way Windows reads them: the .ico
// byte by byte, and the .rc compiled by windres into a .res whose records are taken apart here.

#include "appicon.h"

#include <QtEndian>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <optional>
#include <set>

namespace {

const QString resourcesDir = QStringLiteral(KESTROVA_RESOURCES_DIR);
const QString windres = QStringLiteral(KESTROVA_WINDRES);

quint16 u16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 u32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

qsizetype alignedTo4(qsizetype at)
{
    return (at + 3) & ~qsizetype(3);
}

// ---- ICO -------------------------------------------------------------------------------------

struct IconEntry
{
    int width = 0;
    int height = 0;
    int colourCount = 0;
    int reserved = 0;
    int planes = 0;
    int bitCount = 0;
    quint32 size = 0;
    quint32 offset = 0;
};

// One image of an icon as Windows draws it: palette indices plus the AND mask, top row first.
struct IconBitmap
{
    int width = 0;
    int height = 0;
    int bitCount = 0;
    QList<QRgb> palette;
    QList<int> index;
    QList<bool> transparent;

    QRgb argb(int x, int y) const
    {
        const auto i = qsizetype(y) * width + x;
        return transparent[i] ? 0u : palette[index[i]];
    }
};

qsizetype rowBytes(int width, int bitCount)
{
    return ((qsizetype(width) * bitCount + 31) / 32) * 4;
}

QList<IconEntry> iconEntries(const QByteArray &ico)
{
    QList<IconEntry> entries;
    if (ico.size() < 6)
        return entries;
    const int count = u16(ico, 4);
    for (int i = 0; i < count && 6 + 16 * (i + 1) <= ico.size(); ++i) {
        const qsizetype at = 6 + 16 * i;
        const auto byte = [&](int k) { return int(quint8(ico[at + k])); };
        entries.append({byte(0) ? byte(0) : 256, byte(1) ? byte(1) : 256, byte(2), byte(3), u16(ico, at + 4),
                        u16(ico, at + 6), u32(ico, at + 8), u32(ico, at + 12)});
    }
    return entries;
}

// Decodes a BITMAPINFOHEADER image with its colour table, XOR bitmap and AND mask; fails the test on a
// malformed one.
void decodeIconBitmap(const QByteArray &dib, IconBitmap *out)
{
    QVERIFY2(dib.size() >= 40, "shorter than its BITMAPINFOHEADER");
    QCOMPARE(u32(dib, 0), 40u);
    const auto width = qint32(u32(dib, 4));
    const auto doubledHeight = qint32(u32(dib, 8));
    const int bitCount = u16(dib, 14);
    QVERIFY(width > 0 && doubledHeight > 0 && doubledHeight % 2 == 0);
    QVERIFY2(bitCount == 1 || bitCount == 4, "only 1- and 4-bit images are drawn for this icon");
    const int height = doubledHeight / 2;
    const quint32 clrUsed = u32(dib, 32);
    const int colours = clrUsed ? int(clrUsed) : 1 << bitCount;
    const qsizetype paletteAt = 40;
    const qsizetype xorAt = paletteAt + 4 * colours;
    const qsizetype andAt = xorAt + rowBytes(width, bitCount) * height;
    const qsizetype end = andAt + rowBytes(width, 1) * height;
    QCOMPARE(dib.size(), end);

    out->width = width;
    out->height = height;
    out->bitCount = bitCount;
    for (int i = 0; i < colours; ++i) {
        const qsizetype at = paletteAt + 4 * i;
        out->palette.append(qRgb(quint8(dib[at + 2]), quint8(dib[at + 1]), quint8(dib[at])));
    }
    const auto bitsAt = [&](qsizetype rowStart, int x, int bits) {
        const qsizetype bit = qsizetype(x) * bits;
        const int byte = quint8(dib[rowStart + bit / 8]);
        return (byte >> (8 - bits - bit % 8)) & ((1 << bits) - 1);
    };
    for (int y = 0; y < height; ++y) {
        const int stored = height - 1 - y; // bottom-up
        for (int x = 0; x < width; ++x) {
            const int index = bitsAt(xorAt + rowBytes(width, bitCount) * stored, x, bitCount);
            QVERIFY2(index < colours, "pixel outside the colour table");
            out->index.append(index);
            out->transparent.append(bitsAt(andAt + rowBytes(width, 1) * stored, x, 1) == 1);
        }
    }
}

struct IconRow
{
    const char *name;
    int image;
    int size;
    int bitCount;
    int colours;
};

// The three images kestrova.ico holds, in this order.
constexpr IconRow iconRows[] = {
    {"32x32 monochrome", 0, 32, 1, 2},
    {"32x32 16 colours", 1, 32, 4, 16},
    {"16x16 16 colours", 2, 16, 4, 16},
};

void addIconColumns()
{
    QTest::addColumn<int>("image");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("bitCount");
    QTest::addColumn<int>("colours");
    for (const IconRow &row : iconRows)
        QTest::newRow(row.name) << row.image << row.size << row.bitCount << row.colours;
}

// ---- .res ------------------------------------------------------------------------------------

constexpr int rtIcon = 3;
constexpr int rtGroupIcon = 14;
constexpr int rtVersion = 16;

struct Resource
{
    int type = -1; // -1 when named by a string
    int name = -1;
    quint16 language = 0;
    QByteArray data;
};

// A type or name in a resource header: 0xFFFF then a number, or a zero-terminated UTF-16 string.
std::optional<int> readId(const QByteArray &res, qsizetype &at, qsizetype end)
{
    if (at + 4 > end)
        return std::nullopt;
    if (u16(res, at) == 0xFFFF) {
        const int id = u16(res, at + 2);
        at += 4;
        return id;
    }
    while (at + 2 <= end && u16(res, at) != 0)
        at += 2;
    at += 2;
    return -1;
}

QList<Resource> parseRes(const QByteArray &res, QString *error)
{
    QList<Resource> resources;
    qsizetype at = 0;
    while (at < res.size()) {
        if (at + 8 > res.size()) {
            *error = QStringLiteral("truncated header at %1").arg(at);
            return {};
        }
        const quint32 dataSize = u32(res, at);
        const quint32 headerSize = u32(res, at + 4);
        const qsizetype headerEnd = at + headerSize;
        if (headerSize < 24 || quint64(headerEnd) + dataSize > quint64(res.size())) {
            *error = QStringLiteral("bad sizes at %1").arg(at);
            return {};
        }
        qsizetype field = at + 8;
        const auto type = readId(res, field, headerEnd);
        const auto name = readId(res, field, headerEnd);
        field = alignedTo4(field);
        if (!type || !name || field + 16 != headerEnd) {
            *error = QStringLiteral("bad type or name at %1").arg(at);
            return {};
        }
        Resource resource{*type, *name, u16(res, field + 6), res.mid(headerEnd, dataSize)};
        if (!(dataSize == 0 && *type == 0 && *name == 0)) // the empty record that opens every .res
            resources.append(resource);
        at = alignedTo4(headerEnd + dataSize);
    }
    return resources;
}

// One node of a VS_VERSIONINFO tree: wLength, wValueLength, wType, szKey, Value, Children.
struct VersionNode
{
    QString key;
    bool text = false;
    QByteArray value;
    QList<VersionNode> children;

    const VersionNode *child(const QString &name) const
    {
        for (const VersionNode &node : children)
            if (node.key == name)
                return &node;
        return nullptr;
    }

    QString textValue() const
    {
        QString s;
        for (qsizetype i = 0; i + 1 < value.size(); i += 2) {
            const char16_t c = u16(value, i);
            if (c == 0)
                break;
            s.append(QChar(c));
        }
        return s;
    }
};

std::optional<VersionNode> parseVersionNode(const QByteArray &data, qsizetype at)
{
    if (at + 6 > data.size())
        return std::nullopt;
    const qsizetype length = u16(data, at);
    const qsizetype end = at + length;
    if (length < 6 || end > data.size())
        return std::nullopt;
    VersionNode node;
    const qsizetype valueLength = u16(data, at + 2);
    const quint16 type = u16(data, at + 4);
    if (type > 1)
        return std::nullopt;
    node.text = type == 1;
    qsizetype p = at + 6;
    while (p + 2 <= end && u16(data, p) != 0) {
        node.key.append(QChar(char16_t(u16(data, p))));
        p += 2;
    }
    p = alignedTo4(p + 2);
    const qsizetype valueBytes = node.text ? 2 * valueLength : valueLength;
    if (p + valueBytes > end)
        return std::nullopt;
    node.value = data.mid(p, valueBytes);
    p = alignedTo4(p + valueBytes);
    while (p < end) {
        auto child = parseVersionNode(data, p);
        if (!child)
            return std::nullopt;
        node.children.append(*child);
        p = alignedTo4(p + u16(data, p));
    }
    return node;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

    QByteArray ico;
    QList<IconEntry> entries;
    QList<Resource> res;
    std::optional<VersionNode> version;

    const Resource *findResource(int type, int name) const
    {
        for (const Resource &r : res)
            if (r.type == type && r.name == name)
                return &r;
        return nullptr;
    }

    const VersionNode *stringTable() const
    {
        const VersionNode *info = version ? version->child(QStringLiteral("StringFileInfo")) : nullptr;
        return info && info->children.size() == 1 ? &info->children.front() : nullptr;
    }

    QByteArray imageBytes(int image) const
    {
        const IconEntry &e = entries.at(image);
        return ico.mid(e.offset, e.size);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QFile file(resourcesDir + QStringLiteral("/kestrova.ico"));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.errorString()));
        ico = file.readAll();
        entries = iconEntries(ico);
    }

    // ---- the .ico file ----

    void icoDirectory()
    {
        QVERIFY(ico.size() >= 6);
        QCOMPARE(u16(ico, 0), 0); // reserved
        QCOMPARE(u16(ico, 2), 1); // 1 = icon, 2 = cursor
        QCOMPARE(u16(ico, 4), std::size(iconRows));
        QCOMPARE(entries.size(), std::size(iconRows));
    }

    void icoEntry_data() { addIconColumns(); }
    void icoEntry()
    {
        QFETCH(int, image);
        QFETCH(int, size);
        QFETCH(int, bitCount);
        QFETCH(int, colours);
        QVERIFY(image < entries.size());
        const IconEntry &e = entries.at(image);
        QCOMPARE(e.width, size);
        QCOMPARE(e.height, size);
        QCOMPARE(e.colourCount, colours);
        QCOMPARE(e.reserved, 0);
        QCOMPARE(e.planes, 1);
        QCOMPARE(e.bitCount, bitCount);
        QVERIFY2(e.offset >= 6 + 16 * quint32(entries.size()), "image data overlaps the directory");
        QVERIFY2(quint64(e.offset) + e.size <= quint64(ico.size()), "image data runs past the end of the file");
        for (int other = 0; other < entries.size(); ++other) {
            const IconEntry &o = entries.at(other);
            if (other != image)
                QVERIFY2(e.offset + e.size <= o.offset || o.offset + o.size <= e.offset, "images overlap");
        }
    }

    void bitmapHeader_data() { addIconColumns(); }
    void bitmapHeader()
    {
        QFETCH(int, image);
        QFETCH(int, size);
        QFETCH(int, bitCount);
        QFETCH(int, colours);
        QVERIFY(image < entries.size());
        const QByteArray dib = imageBytes(image);
        QVERIFY(dib.size() >= 40);
        QCOMPARE(u32(dib, 0), 40u);                    // biSize
        QCOMPARE(qint32(u32(dib, 4)), size);           // biWidth
        QCOMPARE(qint32(u32(dib, 8)), 2 * size);       // biHeight covers the colour bitmap and the mask
        QCOMPARE(u16(dib, 12), 1);                     // biPlanes
        QCOMPARE(u16(dib, 14), bitCount);              // biBitCount
        QCOMPARE(u32(dib, 16), 0u);                    // BI_RGB
        const qsizetype xorBytes = rowBytes(size, bitCount) * size;
        const qsizetype andBytes = rowBytes(size, 1) * size;
        const quint32 sizeImage = u32(dib, 20);
        QVERIFY2(sizeImage == 0 || sizeImage == xorBytes + andBytes, "biSizeImage disagrees with the bitmaps");
        const quint32 clrUsed = u32(dib, 32);
        QVERIFY2(clrUsed == 0 || int(clrUsed) == colours, "biClrUsed disagrees with the directory");
        // Nothing missing and nothing extra: header, colour table, XOR bitmap, AND mask.
        QCOMPARE(dib.size(), 40 + 4 * colours + xorBytes + andBytes);
    }

    void pictureIsDrawn_data() { addIconColumns(); }
    void pictureIsDrawn()
    {
        QFETCH(int, image);
        QFETCH(int, size);
        QFETCH(int, bitCount);
        QVERIFY(image < entries.size());
        IconBitmap bitmap;
        decodeIconBitmap(imageBytes(image), &bitmap);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(bitmap.width, size);
        if (bitCount == 1)
            QCOMPARE(bitmap.palette, (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));

        int opaque = 0;
        std::set<QRgb> colours;
        for (qsizetype i = 0; i < bitmap.index.size(); ++i) {
            if (bitmap.transparent[i]) {
                // Windows XORs the colour onto the screen behind a transparent pixel: it has to be black.
                QVERIFY2(bitmap.palette[bitmap.index[i]] == qRgb(0, 0, 0), "transparent pixel is not black");
            } else {
                ++opaque;
                colours.insert(bitmap.palette[bitmap.index[i]]);
            }
        }
        // A window filling most of the square, with its corners see-through.
        const int pixels = size * size;
        QVERIFY2(opaque > pixels / 2 && opaque < pixels, qPrintable(QString::number(opaque)));
        QVERIFY(bitmap.transparent.front() && bitmap.transparent.back());
        // Black and white in the monochrome image; frame, title bar, client area and drawing in colour.
        QVERIFY2(colours.size() >= (bitCount == 1 ? 2u : 5u), qPrintable(QString::number(colours.size())));
    }

    // Both 32x32 images show the same window, so they let the same pixels through.
    void sameOutlineInBothDepths()
    {
        QVERIFY(entries.size() >= 2);
        IconBitmap mono;
        IconBitmap colour;
        decodeIconBitmap(imageBytes(0), &mono);
        decodeIconBitmap(imageBytes(1), &colour);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(mono.transparent, colour.transparent);
    }

    // Qt's own ICO reader, as a second opinion on what the images look like.
    void qtReadsTheSamePixels_data() { addIconColumns(); }
    void qtReadsTheSamePixels()
    {
        QFETCH(int, image);
        QFETCH(int, size);
        QVERIFY(image < entries.size());
        IconBitmap bitmap;
        decodeIconBitmap(imageBytes(image), &bitmap);
        if (QTest::currentTestFailed())
            return;
        QImageReader reader(resourcesDir + QStringLiteral("/kestrova.ico"), "ico");
        QCOMPARE(reader.imageCount(), std::size(iconRows));
        QVERIFY(reader.jumpToImage(image));
        const QImage read = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY2(!read.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(read.size(), QSize(size, size));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (read.pixel(x, y) != bitmap.argb(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2: Qt reads %3, expected %4")
                                         .arg(x).arg(y).arg(read.pixel(x, y), 8, 16).arg(bitmap.argb(x, y), 8, 16)));
    }

    // ---- the PNGs for icon themes and the window ----

    void themeSizes_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 32, 48, 64, 128, 256})
            QTest::addRow("%dx%d", size, size) << size;
    }
    void themeSizes()
    {
        QFETCH(int, size);
        const QImage png(QStringLiteral(":/icons/%1x%1/kestrova.png").arg(size));
        QVERIFY2(!png.isNull(), "missing from the resources");
        QCOMPARE(png.size(), QSize(size, size));
        QVERIFY(png.hasAlphaChannel());
        QCOMPARE(qAlpha(png.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(png.pixel(size - 1, size - 1)), 0);
        QCOMPARE(qAlpha(png.pixel(size / 2, size / 2)), 255);
        QVERIFY(png.pixel(size / 2, size / 2) != png.pixel(size / 2, size / 6)); // client area vs title bar
    }

    // The small PNGs are the .ico's colour images pixel for pixel.
    void pngMatchesIco_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("image");
        QTest::newRow("32x32") << 32 << 1;
        QTest::newRow("16x16") << 16 << 2;
    }
    void pngMatchesIco()
    {
        QFETCH(int, size);
        QFETCH(int, image);
        QVERIFY(image < entries.size());
        IconBitmap bitmap;
        decodeIconBitmap(imageBytes(image), &bitmap);
        if (QTest::currentTestFailed())
            return;
        const QImage png = QImage(QStringLiteral(":/icons/%1x%1/kestrova.png").arg(size))
                               .convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(png.size(), QSize(bitmap.width, bitmap.height));
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                if (png.pixel(x, y) != bitmap.argb(x, y))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 differs").arg(x).arg(y)));
    }

    void windowIconHasEverySize_data() { themeSizes_data(); }
    void windowIconHasEverySize()
    {
        QFETCH(int, size);
        const QIcon icon = kestrovaIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
    }

    // ---- the .rc, compiled ----

    // The .rc is compiled the way a MinGW build compiles it; windres is installed with the build tools,
    // so a missing one fails rather than skips.
    void rcCompiles()
    {
        QVERIFY2(!windres.endsWith(QStringLiteral("-NOTFOUND")),
                 "x86_64-w64-mingw32-windres is missing: install binutils-mingw-w64-x86-64 (make deps)");
        QTemporaryDir out;
        QVERIFY(out.isValid());
        const QString resPath = out.filePath(QStringLiteral("kestrova.res"));
        QProcess process;
        process.setWorkingDirectory(out.path());
        process.start(windres, {QStringLiteral("--preprocessor=cpp"), QStringLiteral("-O"), QStringLiteral("res"),
                                QStringLiteral(KESTROVA_RC), resPath});
        QVERIFY2(process.waitForFinished(60000), qPrintable(process.errorString()));
        QVERIFY2(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0,
                 process.readAllStandardError().constData());
        QFile compiled(resPath);
        QVERIFY(compiled.open(QIODevice::ReadOnly));
        QString error;
        res = parseRes(compiled.readAll(), &error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QVERIFY(!res.isEmpty());
        if (const Resource *v = findResource(rtVersion, 1))
            version = parseVersionNode(v->data, 0);
    }

    void iconResource_data() { addIconColumns(); }
    void iconResource()
    {
        QFETCH(int, image);
        QFETCH(int, size);
        QFETCH(int, bitCount);
        QFETCH(int, colours);
        QVERIFY(image < entries.size());
        QVERIFY2(!res.isEmpty(), "kestrova.rc did not compile");
        // The group (RT_GROUP_ICON 1) is the .ico's directory with resource ids in place of file offsets.
        const Resource *group = findResource(rtGroupIcon, 1);
        QVERIFY2(group, "no icon group 1");
        QVERIFY(group->data.size() >= 6);
        QCOMPARE(u16(group->data, 2), 1);
        QCOMPARE(u16(group->data, 4), entries.size());
        const qsizetype at = 6 + 14 * image;
        QVERIFY(at + 14 <= group->data.size());
        QCOMPARE(int(quint8(group->data[at])), size % 256);
        QCOMPARE(int(quint8(group->data[at + 1])), size % 256);
        QCOMPARE(int(quint8(group->data[at + 2])), colours % 256);
        QCOMPARE(u16(group->data, at + 6), bitCount);
        QCOMPARE(u32(group->data, at + 8), entries.at(image).size);
        const Resource *icon = findResource(rtIcon, u16(group->data, at + 12));
        QVERIFY2(icon, "group names a missing RT_ICON");
        QCOMPARE(icon->data, imageBytes(image));
    }

    void versionRecord()
    {
        QVERIFY2(!res.isEmpty(), "kestrova.rc did not compile");
        int records = 0;
        for (const Resource &r : res)
            records += r.type == rtVersion;
        QCOMPARE(records, 1);
        QVERIFY2(findResource(rtVersion, 1), "the version record must be VS_VERSION_INFO (1)");
        QVERIFY2(version, "VS_VERSIONINFO does not parse");
        QCOMPARE(version->key, QStringLiteral("VS_VERSION_INFO"));
        QCOMPARE(version->value.size(), 52); // VS_FIXEDFILEINFO
        QCOMPARE(u32(version->value, 0), 0xFEEF04BDu);
        QCOMPARE(u32(version->value, 4), 0x00010000u);
    }

    void fixedFileInfo_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<quint32>("expected");
        QTest::newRow("FILEVERSION 1,0,_,_") << 8 << 0x00010000u;
        QTest::newRow("FILEVERSION _,_,0,0") << 12 << 0u;
        QTest::newRow("PRODUCTVERSION 1,0,_,_") << 16 << 0x00010000u;
        QTest::newRow("PRODUCTVERSION _,_,0,0") << 20 << 0u;
        QTest::newRow("FILEFLAGS: a release build") << 28 << 0u;
        QTest::newRow("FILEOS: VOS_NT_WINDOWS32") << 32 << 0x00040004u;
        QTest::newRow("FILETYPE: VFT_APP") << 36 << 1u;
    }
    void fixedFileInfo()
    {
        QFETCH(int, offset);
        QFETCH(quint32, expected);
        QVERIFY(version && version->value.size() == 52);
        QCOMPARE(u32(version->value, offset), expected);
    }

    void translation()
    {
        QVERIFY(version);
        const VersionNode *var = version->child(QStringLiteral("VarFileInfo"));
        QVERIFY2(var, "no VarFileInfo");
        const VersionNode *translation = var->child(QStringLiteral("Translation"));
        QVERIFY2(translation, "no Translation");
        QCOMPARE(translation->value.size(), 4);
        QCOMPARE(u16(translation->value, 0), 0x0409); // US English
        QCOMPARE(u16(translation->value, 2), 1200);   // UTF-16
        // Windows finds the strings through the translation: the table's name is its hex spelling.
        const VersionNode *table = stringTable();
        QVERIFY2(table, "StringFileInfo needs exactly one string table");
        QCOMPARE(table->key, QStringLiteral("%1%2")
                                 .arg(u16(translation->value, 0), 4, 16, QLatin1Char('0'))
                                 .arg(u16(translation->value, 2), 4, 16, QLatin1Char('0'))
                                 .toUpper());
    }

    void versionStrings_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("FileVersion") << QStringLiteral("FileVersion") << QStringLiteral(KESTROVA_VERSION);
        QTest::newRow("ProductVersion") << QStringLiteral("ProductVersion") << QStringLiteral(KESTROVA_VERSION);
        QTest::newRow("ProductName") << QStringLiteral("ProductName") << QStringLiteral("Kestrova");
        QTest::newRow("OriginalFilename") << QStringLiteral("OriginalFilename") << QStringLiteral("kestrova.exe");
        QTest::newRow("InternalName") << QStringLiteral("InternalName") << QStringLiteral("kestrova");
        QTest::newRow("FileDescription") << QStringLiteral("FileDescription")
                                         << QStringLiteral("Kestrova - interference behind two holes");
    }
    void versionStrings()
    {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const VersionNode *table = stringTable();
        QVERIFY2(table, "StringFileInfo needs exactly one string table");
        QCOMPARE(table->key, QStringLiteral("040904B0"));
        const VersionNode *value = table->child(key);
        QVERIFY2(value, "missing");
        QVERIFY2(value->text, "a string value must be marked as text");
        QCOMPARE(value->textValue(), expected);
    }
};

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
