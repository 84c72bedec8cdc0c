// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "detectorscan.h"

#include "apparatus.h"
#include "fields.h"
#include "interference.h"
#include "runtimeerror.h"

#include <QLineEdit>
#include <QScopeGuard>

#include <algorithm>
#include <cmath>
#include <optional>

using namespace apparatus;
using namespace interference;

namespace {
using Colour = std::optional<FormDrawing::Colour>;

constexpr FormDrawing::Colour lightGrey = 0x00C0C0C0;                          // the window's background, used to erase
constexpr Colour upperPathColour = std::nullopt;                                // the foreground colour
constexpr Colour lowerPathColour = FormDrawing::systemColourFlag | 9;           // COLOR_CAPTIONTEXT
constexpr FormDrawing::Colour buttonFace = FormDrawing::systemColourFlag | 15; // COLOR_BTNFACE
constexpr FormDrawing::Colour green = 0x0000FF00;
constexpr FormDrawing::Colour patternColour = 0x00FF0000;        // blue: the whole pattern
constexpr FormDrawing::Colour noInterferenceColour = 0x00707070; // dark grey: its level without interference

constexpr double holeArrowLength = 20;
constexpr double countsPerSlowDown = 30000; // counts an animation step waits per unit of slow-down
constexpr double pauseCounts = 400;         // counts after each detector point

void line(FormDrawing &canvas, const Segment &segment, Colour colour)
{
    canvas.Line(segment.from.x, segment.from.y, segment.to.x, segment.to.y, colour);
}
}

double DetectorScan::holeHalfSpacing() const
{
    return fieldValue(run.nRd) / 2;
}

// The bar a detector row at rowY would get: both paths' arrows added, as at a point.
double DetectorScan::barAt(double pathRun, double baseAngle, double rowY) const
{
    Vector sum;
    for (const double holeY : {axisY + holeHalfSpacing(), axisY - holeHalfSpacing()}) {
        const Vector pathArrow = arrow(arrowLength, phase(baseAngle, fieldValue(run.nUr), pathLength(pathRun, holeY, rowY)));
        sum = {checked(sum.x + pathArrow.x), checked(sum.y + pathArrow.y)};
    }
    return probability(sum.x, sum.y);
}

void DetectorScan::cmdStart_Click()
{
    auto recording = std::make_shared<Timeline>();
    FormDrawing canvas(recording->strokes());
    m_canvas = &canvas;
    const auto recorded = qScopeGuard([this] { m_canvas = nullptr; });

    canvas.ScaleMode(3);
    canvas.DrawWidth(4);
    for (double i = 1; i <= 250; i += 2)
        canvas.Line(50, canvasBottom - 2 * i, canvasRight, canvasBottom - 2 * i, lightGrey);

    canvas.DrawWidth(1);
    const double sumColumnX = checked(fieldValue(run.nVzdalenost) + sumColumnOffset);

    canvas.DrawWidth(3);
    canvas.Line(apertureX, lineBottom, apertureX, lineTop);
    canvas.DrawWidth(5);
    canvas.Circle(apertureX, axisY - holeHalfSpacing(), 3, lightGrey);
    canvas.Circle(apertureX, axisY + holeHalfSpacing(), 3, lightGrey);
    canvas.DrawWidth(1);
    for (const double x : {detectorX, sumColumnX, barX})
        canvas.Line(x, lineBottom, x, lineTop);
    canvas.Line(sourceX - 20, axisY, canvasRight - 30, axisY);
    canvas.DrawWidth(3);
    canvas.Circle(sourceX, axisY, 5);
    // Right of the sum column's arrows, which reach twice an arrow's length from it, nothing is drawn up to the bars.
    recording->setBarBase(barX, std::max(sumColumnX, detectorX) + 2 * arrowLength);
    if (showPattern) {
        canvas.DrawWidth(1);
        const double level = barX + withoutInterference(arrowLength);
        canvas.Line(level, lineBottom, level, lineTop, noInterferenceColour);
    }

    double pathFlag = 0;
    for (double pointIndex = 0; pointIndex <= 10; ++pointIndex) {
        recording->beginPoint();
        canvas.DrawWidth(2);
        double sumX = 0;
        double sumY = 0;
        const double baseAngle = 10;

        // The starting phase at each hole, then the legs from the source.
        canvas.Line(apertureX, axisY - holeHalfSpacing(), apertureX - holeArrowLength * std::cos(baseAngle),
                    axisY - holeArrowLength * std::sin(baseAngle) - holeHalfSpacing(), upperPathColour);
        canvas.Line(apertureX, axisY + holeHalfSpacing(), apertureX - holeArrowLength * std::cos(baseAngle),
                    axisY - holeArrowLength * std::sin(baseAngle) + holeHalfSpacing(), lowerPathColour);
        canvas.Line(sourceX, axisY, apertureX, axisY - holeHalfSpacing(), upperPathColour);
        canvas.Line(sourceX, axisY, apertureX, axisY + holeHalfSpacing(), lowerPathColour);

        double detectorY = 0;
        for (double pathIndex = 1; pathIndex <= 2; ++pathIndex) {
            pathFlag = pathFlag == -1 ? 1 : -1;
            detectorY = canvasBottom - bottomMargin - 10.06 - pointSpacing * pointIndex;

            const double pathRun = checked(sumColumnX - detectorX);
            const double upperPathLength = pathLength(pathRun, checked(axisY - holeHalfSpacing()), detectorY);
            const double lowerPathLength = pathLength(pathRun, checked(axisY + holeHalfSpacing()), detectorY);

            if (pathFlag != 1) {
                for (q = 20; q <= 100; ++q) {
                    PohybDolni(apertureX, axisY, detectorX, detectorY, q);
                    PohybHorni(apertureX, axisY, detectorX, detectorY, q);
                    const double delayCounter = checked(fieldValue(run.nSpomaleni) * countsPerSlowDown);
                    recording->wait(delayCounter);
                    canvas.DrawWidth(1);
                    canvas.Line(sourceX + 20, axisY, canvasRight - 30, axisY);
                    canvas.DrawWidth(2);
                }
            }

            const bool upper = pathFlag == 1;
            const Colour colour = upper ? upperPathColour : lowerPathColour;
            const double pathPhase = phase(baseAngle, fieldValue(run.nUr), upper ? upperPathLength : lowerPathLength);
            const Vector pathArrow = arrow(arrowLength, pathPhase);
            canvas.Line(detectorX, detectorY, detectorX + pathArrow.x, detectorY + pathArrow.y, colour);
            canvas.Line(sumColumnX + sumX, detectorY + sumY, sumColumnX + sumX + pathArrow.x,
                        detectorY + sumY + pathArrow.y, colour);
            // The photon marker left at the detector point by the last animation step.
            line(canvas, marker({apertureX, Z}, {detectorX, detectorY}, q - 1), upper ? lightGrey : buttonFace);

            sumX = checked(sumX + pathArrow.x);
            sumY = checked(sumY + pathArrow.y);
        }

        canvas.DrawWidth(1);
        canvas.Line(sourceX + 20, axisY, canvasRight - 30, axisY);

        canvas.Line(sumColumnX, detectorY, sumColumnX + sumX, detectorY + sumY, green);
        const double bar = probability(sumX, sumY);
        recording->addProbability(detectorY, bar);
        if (showPattern) {
            // The whole pattern, every pixel row from this point halfway to its neighbours, joined to the row below.
            const double pathRun = checked(sumColumnX - detectorX);
            const double last = std::min(lineBottom, std::floor(detectorY + pointSpacing / 2));
            for (double rowY = std::max(lineTop, std::ceil(detectorY - pointSpacing / 2)); rowY <= last; ++rowY) {
                const double rowBar = barAt(pathRun, baseAngle, rowY);
                recording->addPatternRow(rowY, rowBar);
                if (rowY < lineBottom)
                    canvas.Line(barX + rowBar, rowY, barX + barAt(pathRun, baseAngle, rowY + 1), rowY + 1,
                                patternColour);
            }
        }
        canvas.DrawWidth(3);
        canvas.Line(barX, detectorY, barX + bar, detectorY);
        canvas.DrawWidth(1);
        // The point's pause: its last step ends with the bar drawn.
        recording->wait(pauseCounts);
    }

    play(std::move(recording)); // which shows the captions once the run is over
}

void DetectorScan::PohybHorni(const double &apertureX, const double &axisY, const double &detectorX,
                              const double &detectorY, const double &q)
{
    pohyb(Hole::Upper, apertureX, axisY, detectorX, detectorY, q);
}

void DetectorScan::PohybDolni(const double &apertureX, const double &axisY, const double &detectorX,
                              const double &detectorY, const double &q)
{
    pohyb(Hole::Lower, apertureX, axisY, detectorX, detectorY, q);
}

void DetectorScan::pohyb(Hole hole, const double &apertureX, const double &axisY, const double &detectorX,
                         const double &detectorY, const double &q)
{
    const double side = hole == Hole::Upper ? -1 : 1;
    Z = checked(axisY + side * holeHalfSpacing());
    FormDrawing &canvas = *m_canvas;
    canvas.DrawWidth(2);
    const Segment previous = marker({apertureX, Z}, {detectorX, detectorY}, q - 1);
    const Segment current = marker({apertureX, Z}, {detectorX, detectorY}, q);
    line(canvas, previous, lightGrey);
    line(canvas, current, hole == Hole::Upper ? upperPathColour : lowerPathColour);
    line(canvas, previous, lightGrey);
}
