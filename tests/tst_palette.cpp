// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The palette for a bright room: every colour at least 3 : 1 against the grey, the grey still erasing, the paths
// apart for protan and deutan viewers, and the picture recoloured where the canvas paints, whatever way it is reached.
#include "colourmap.h"
#include "helpwindow.h"
#include "testsupport.h"

#include <QAction>
#include <QtTest>

#include <array>
#include <cmath>

namespace {
const QRgb grey = qRgb(0xC0, 0xC0, 0xC0);

QRgb rgb(palette::Colour colour)
{
    return (colour ? FormDrawing::resolve(*colour) : FormDrawing::foreground()).rgba();
}

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb colour)
{
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

using Linear = std::array<double, 3>;

// Machado, Oliveira and Fernandes (2009), severity 1, on linear sRGB; the result clipped to the gamut.
constexpr double protan[3][3] = {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}};
constexpr double deutan[3][3] = {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
constexpr double normal[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};

Linear seenBy(QRgb colour, const double (&matrix)[3][3])
{
    const Linear in{linear(qRed(colour)), linear(qGreen(colour)), linear(qBlue(colour))};
    Linear out{};
    for (int i = 0; i < 3; ++i)
        out[i] = std::clamp(matrix[i][0] * in[0] + matrix[i][1] * in[1] + matrix[i][2] * in[2], 0.0, 1.0);
    return out;
}

// CIE 1976 L*a*b* under D65.
Linear lab(const Linear &c)
{
    const double x = (0.4124 * c[0] + 0.3576 * c[1] + 0.1805 * c[2]) / 0.95047;
    const double y = 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
    const double z = (0.0193 * c[0] + 0.1192 * c[1] + 0.9505 * c[2]) / 1.08883;
    const auto f = [](double t) { return t > 0.008856 ? std::cbrt(t) : 7.787 * t + 16.0 / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double difference(QRgb a, QRgb b, const double (&matrix)[3][3])
{
    const Linear p = lab(seenBy(a, matrix)), q = lab(seenBy(b, matrix));
    return std::hypot(p[0] - q[0], p[1] - q[1], p[2] - q[2]);
}

std::vector<QRgb> paths(const palette::Colours &colours)
{
    std::vector<QRgb> all{rgb(colours.topPath), rgb(colours.bottomPath)};
    for (const FormDrawing::Colour between : colours.pathsBetween)
        all.push_back(rgb(between));
    return all;
}

// Every colour the picture draws with in a palette, named.
std::vector<std::pair<const char *, QRgb>> drawn(const palette::Colours &colours)
{
    std::vector<std::pair<const char *, QRgb>> all{{"top path", rgb(colours.topPath)},
                                                   {"bottom path", rgb(colours.bottomPath)},
                                                   {"sum", rgb(colours.sum)},
                                                   {"pattern", rgb(colours.pattern)},
                                                   {"without interference", rgb(colours.noInterference)},
                                                   {"photon mark", rgb(colours.photonMark)},
                                                   {"photon tally", rgb(colours.photonTally)},
                                                   {"previous run", rgb(colours.previous)}};
    for (const FormDrawing::Colour between : colours.pathsBetween)
        all.emplace_back("path between", rgb(between));
    return all;
}

QImage recoloured(QImage image, const ColourMap &map)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) == 255)
                image.setPixel(x, y, map(image.pixel(x, y)));
    return image;
}
}

class TestPalette : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Each colour of the original's, as the map shows it in a bright room.
    void everyColourDrawnReachesThreeToOne_data()
    {
        QTest::addColumn<QRgb>("shown");
        const ColourMap map = ColourMap::brightRoom();
        for (const auto &[name, colour] : drawn(palette::standard))
            QTest::addRow("%s #%06x", name, colour & 0xFFFFFF) << map(colour);
        for (const auto &[name, colour] : drawn(palette::brightRoom))
            QTest::addRow("bright %s #%06x", name, colour & 0xFFFFFF) << colour;
    }
    void everyColourDrawnReachesThreeToOne()
    {
        QFETCH(QRgb, shown);
        QVERIFY2(contrast(shown, grey) >= 3, qPrintable(QString::number(contrast(shown, grey), 'f', 2)));
    }

    // The grey erases exactly: it maps to itself, and nothing else of the original's becomes it.
    void theGreyStillErases()
    {
        const ColourMap map = ColourMap::brightRoom();
        QCOMPARE(map(grey), grey);
        QCOMPARE(map(rgb(palette::buttonFace)), grey);
        for (const auto &[was, becomes] : map.changes())
            QVERIFY(becomes != grey && was != grey);
        QVERIFY(ColourMap()(rgb(palette::photonTally)) == rgb(palette::photonTally));
    }

    void pathsApartForEveryViewer_data()
    {
        QTest::addColumn<int>("viewer");
        QTest::newRow("normal") << 0;
        QTest::newRow("protan") << 1;
        QTest::newRow("deutan") << 2;
    }
    // No two paths of the bright room's closer than 12 in CIELAB as the viewer sees them.
    void pathsApartForEveryViewer()
    {
        QFETCH(int, viewer);
        const double(&matrix)[3][3] = viewer == 0 ? normal : viewer == 1 ? protan : deutan;
        const std::vector<QRgb> all = paths(palette::brightRoom);
        for (size_t i = 0; i < all.size(); ++i)
            for (size_t j = i + 1; j < all.size(); ++j)
                QVERIFY2(difference(all[i], all[j], matrix) >= 12,
                         qPrintable(QStringLiteral("paths %1 and %2: %3").arg(i).arg(j).arg(difference(all[i], all[j], matrix))));
    }

    // The legend shows the palette in use.
    void helpShowsThePaletteInUse_data()
    {
        QTest::addColumn<bool>("bright");
        QTest::newRow("original") << false;
        QTest::newRow("bright room") << true;
    }
    void helpShowsThePaletteInUse()
    {
        QFETCH(bool, bright);
        ShownWindow shown;
        shown.window->commands.brightRoom->setChecked(bright);
        const QString text = helpText(shown.window->actions(), Setup{}, shown.window->colours());
        const QString white = QStringLiteral("background:#ffffff"), blue = QStringLiteral("background:#2266aa");
        QCOMPARE(text.contains(white), !bright);
        QCOMPARE(text.contains(blue), bright);
        QCOMPARE(text.contains(QStringLiteral("olivová")), bright);
    }

    void aStepBackShowsWhatPlayingShowed_data()
    {
        QTest::addColumn<int>("holes");
        QTest::addColumn<bool>("pattern");
        QTest::newRow("two holes") << 2 << false;
        QTest::newRow("eight holes, the pattern") << 8 << true;
    }
    // Stepped forward to a position and back to it, the picture is the same, and it is the original's recoloured
    // pixel for pixel; at the end every pixel drawn reaches 3 : 1 or is the grey.
    void aStepBackShowsWhatPlayingShowed()
    {
        QFETCH(int, holes);
        QFETCH(bool, pattern);
        ShownWindow shown(true);
        SpomalenaAnimace &window = *shown.window;
        setFieldNumber(window.nPocetOtvoru, holes);
        window.commands.pattern->setChecked(pattern);
        window.commands.brightRoom->setChecked(true);
        shown.start();
        Playback &playback = window.playback();
        playback.pause();
        const size_t end = playback.run()->end();
        for (const size_t position : {size_t(1), end / 3, end / 2, end - 2}) {
            playback.seek(position - 1);
            playback.seek(position);
            const QImage played = window.canvas->image().copy();
            playback.seek(position + 1);
            playback.seek(position);
            QCOMPARE(window.canvas->image(), played);
            window.commands.brightRoom->setChecked(false);
            const QImage original = window.canvas->image().copy();
            window.commands.brightRoom->setChecked(true);
            QCOMPARE(recoloured(original, ColourMap::brightRoom()), played);
            QVERIFY(original != played);
        }
        playback.finish();
        const QImage last = window.canvas->image();
        for (int y = 0; y < last.height(); ++y)
            for (int x = 0; x < last.width(); ++x) {
                const QRgb pixel = last.pixel(x, y);
                if (qAlpha(pixel) == 255 && pixel != grey)
                    QVERIFY2(contrast(pixel, grey) >= 3, qPrintable(QStringLiteral("#%1 at %2, %3").arg(pixel & 0xFFFFFF, 6, 16).arg(x).arg(y)));
            }
        QVERIFY(shown.errors.empty());
    }
};

QTEST_MAIN(TestPalette)
#include "tst_palette.moc"
