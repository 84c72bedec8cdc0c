// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "detectorscan.h"

#include "apparatus.h"
#include "interference.h"
#include "palette.h"
#include "pointpaths.h"
#include "runtimeerror.h"

#include <QScopeGuard>

#include <algorithm>
#include <cmath>

using namespace apparatus;
using namespace interference;
using palette::grey;

namespace {
constexpr double countsPerSlowDown = 30000; // counts an animation step waits per unit of slow-down
constexpr double pauseCounts = 400;         // counts after each detector point
constexpr double holeRadius = 3;            // the ring that cuts a hole out of the screen line, 5 px wide

void line(FormDrawing &canvas, const Segment &segment, palette::Colour colour)
{
    canvas.Line(segment.from.x, segment.from.y, segment.to.x, segment.to.y, colour);
}

// An open hole is cut out of the screen line; a covered one is closed by a ring in the line's colour.
void drawHole(FormDrawing &canvas, double y, bool open)
{
    canvas.DrawWidth(5);
    canvas.Circle(apertureX, y, holeRadius, open ? palette::Colour(grey) : std::nullopt);
}
}

double DetectorScan::holeY(int hole) const
{
    return ::holeY(m_setup, hole);
}

double DetectorScan::barAt(double rowY) const
{
    return pathsTo(m_setup, rowY).bar(m_setup.watched);
}

std::shared_ptr<Timeline> DetectorScan::record()
{
    auto recording = std::make_shared<Timeline>(m_setup, m_previous);
    FormDrawing canvas(recording->strokes());
    m_canvas = &canvas;
    const auto recorded = qScopeGuard([this] { m_canvas = nullptr; });
    const int holes = m_setup.holes;
    const double holeArrowLength = arrowLengthFor(holes);

    canvas.ScaleMode(3);
    canvas.DrawWidth(4);
    for (double i = 1; i <= 250; i += 2)
        canvas.Line(50, canvasBottom - 2 * i, canvasRight, canvasBottom - 2 * i, grey);

    if (m_previous)
        drawPrevious(canvas);

    canvas.DrawWidth(1);
    const double sumColumnX = checked(m_setup.distance + sumColumnOffset);

    canvas.DrawWidth(3);
    canvas.Line(apertureX, lineBottom, apertureX, lineTop);
    for (int hole = 1; hole <= holes; ++hole) // from the top
        drawHole(canvas, holeY(hole), m_setup.isOpen(hole));
    canvas.DrawWidth(1);
    for (const double x : {detectorX, sumColumnX, barX})
        canvas.Line(x, lineBottom, x, lineTop);
    canvas.Line(sourceX - 20, axisY, axisRight, axisY);
    canvas.DrawWidth(3);
    canvas.Circle(sourceX, axisY, 5);
    // Right of the sum column's arrows, which reach a chain's length from it, nothing is drawn up to the bars.
    recording->setBarBase(barX, std::max(sumColumnX, detectorX) + chainLength);
    const double arrowLength = arrowLengthFor(holes);
    if (m_setup.pattern) {
        canvas.DrawWidth(1);
        const double level = barX + withoutInterference(arrowLength, m_setup.openHoles());
        canvas.Line(level, lineBottom, level, lineTop, palette::noInterference);
    }

    // The open holes from the bottom up: the order of the passes, and in which the photons move.
    std::vector<int> openFromBottom;
    for (int hole = holes; hole >= 1; --hole)
        if (m_setup.isOpen(hole))
            openFromBottom.push_back(hole);

    for (double pointIndex = 0; pointIndex <= 10; ++pointIndex) {
        recording->beginPoint();
        canvas.DrawWidth(2);
        double sumX = 0;
        double sumY = 0;
        double watchedBar = 0;

        // The starting phase at each open hole, then the legs from the source, from the top.
        for (int hole = 1; hole <= holes; ++hole)
            if (m_setup.isOpen(hole))
                canvas.Line(apertureX, holeY(hole), apertureX - holeArrowLength * std::cos(baseAngle),
                            axisY - holeArrowLength * std::sin(baseAngle) + holeOffset(hole, holes, m_setup.spacing),
                            palette::path(hole, holes));
        for (int hole = 1; hole <= holes; ++hole)
            if (m_setup.isOpen(hole))
                canvas.Line(sourceX, axisY, apertureX, holeY(hole), palette::path(hole, holes));

        double detectorY = 0;
        for (size_t pathIndex = 1; pathIndex <= openFromBottom.size(); ++pathIndex) {
            const int hole = openFromBottom[pathIndex - 1];
            detectorY = pointY(pointIndex);
            const double pathRun = checked(sumColumnX - detectorX);
            const double length = pathLength(pathRun, holeY(hole), detectorY);

            // The first pass animates: every open path's photon moves, from the bottom up.
            if (pathIndex == 1) {
                for (q = 20; q <= pathDivisions; ++q) {
                    for (const int moving : openFromBottom)
                        Pohyb(moving, apertureX, axisY, detectorX, detectorY, q);
                    const double delayCounter = checked(m_setup.slowDown * countsPerSlowDown);
                    recording->wait(delayCounter);
                    canvas.DrawWidth(1);
                    canvas.Line(axisRedrawnFrom, axisY, axisRight, axisY);
                    canvas.DrawWidth(2);
                }
            }

            // The photon marker left at the detector point by the last animation step is erased after each pass's
            // arrows at two holes, as it always was; with shorter arrows it would take most of one, so it goes once,
            // before the first.
            const bool markerErasedFirst = holes != 2;
            const Segment lastMarker = marker({apertureX, Z}, {detectorX, detectorY}, q - 1);
            if (markerErasedFirst && pathIndex == 1)
                line(canvas, lastMarker, palette::buttonFace);
            const palette::Colour colour = palette::path(hole, holes);
            const Vector pathArrow = arrow(arrowLength, phase(baseAngle, m_setup.frequency, length));
            canvas.Line(detectorX, detectorY, detectorX + pathArrow.x, detectorY + pathArrow.y, colour);
            // Head to tail; watched, each from the column's point, as nothing adds the arrows.
            const double fromX = m_setup.watched ? 0 : sumX;
            const double fromY = m_setup.watched ? 0 : sumY;
            canvas.Line(sumColumnX + fromX, detectorY + fromY, sumColumnX + fromX + pathArrow.x,
                        detectorY + fromY + pathArrow.y, colour);
            if (!markerErasedFirst)
                line(canvas, lastMarker, pathIndex == 1 ? palette::buttonFace : grey);

            sumX = checked(sumX + pathArrow.x);
            sumY = checked(sumY + pathArrow.y);
            watchedBar = checked(watchedBar + probability(pathArrow.x, pathArrow.y));
        }
        detectorY = pointY(pointIndex);

        canvas.DrawWidth(1);
        canvas.Line(axisRedrawnFrom, axisY, axisRight, axisY);

        if (!m_setup.watched)
            canvas.Line(sumColumnX, detectorY, sumColumnX + sumX, detectorY + sumY, palette::sum);
        const double bar = m_setup.watched ? watchedBar : probability(sumX, sumY);
        recording->addProbability(detectorY, bar);
        if (m_setup.pattern) {
            // The whole pattern, every pixel row from this point halfway to its neighbours, joined to the row below.
            const double last = std::min(lineBottom, std::floor(detectorY + pointSpacing / 2));
            for (double rowY = std::max(lineTop, std::ceil(detectorY - pointSpacing / 2)); rowY <= last; ++rowY) {
                const double rowBar = barAt(rowY);
                recording->addPatternRow(rowY, rowBar);
                if (rowY < lineBottom)
                    canvas.Line(barX + rowBar, rowY, barX + barAt(rowY + 1), rowY + 1, palette::pattern);
            }
        }
        canvas.DrawWidth(3);
        canvas.Line(barX, detectorY, barX + bar, detectorY);
        canvas.DrawWidth(1);
        // The point's pause: its last step ends with the bar drawn.
        recording->wait(pauseCounts);
    }
    return recording;
}

// The previous run's bars, each just above where this run's bar comes, and its curve where it drew one.
void DetectorScan::drawPrevious(FormDrawing &canvas) const
{
    canvas.DrawWidth(2);
    for (size_t point = 0; point < m_previous->bars.size(); ++point) {
        const double y = pointY(double(point)) - previousBarAbove;
        canvas.Line(barX, y, barX + m_previous->bars[point], y, palette::previous);
    }
    canvas.DrawWidth(1);
    std::vector<Timeline::PatternRow> rows = m_previous->pattern;
    std::sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return a.y < b.y; });
    for (size_t i = 1; i < rows.size(); ++i)
        if (rows[i].y == rows[i - 1].y + 1)
            canvas.Line(barX + rows[i - 1].bar, rows[i - 1].y, barX + rows[i].bar, rows[i].y, palette::previous);
}

void DetectorScan::PohybHorni(const double &apertureX, const double &axisY, const double &detectorX,
                              const double &detectorY, const double &q)
{
    Pohyb(1, apertureX, axisY, detectorX, detectorY, q);
}

void DetectorScan::PohybDolni(const double &apertureX, const double &axisY, const double &detectorX,
                              const double &detectorY, const double &q)
{
    Pohyb(m_setup.holes, apertureX, axisY, detectorX, detectorY, q);
}

void DetectorScan::Pohyb(int hole, const double &apertureX, const double &axisY, const double &detectorX,
                         const double &detectorY, const double &q)
{
    Z = checked(axisY + holeOffset(hole, m_setup.holes, m_setup.spacing));
    FormDrawing &canvas = *m_canvas;
    canvas.DrawWidth(2);
    const Segment previous = marker({apertureX, Z}, {detectorX, detectorY}, q - 1);
    const Segment current = marker({apertureX, Z}, {detectorX, detectorY}, q);
    line(canvas, previous, grey);
    line(canvas, current, palette::path(hole, m_setup.holes));
    line(canvas, previous, grey);
}

Stroke holeRing(const Setup &setup, int hole, bool open)
{
    std::vector<Stroke> ring;
    FormDrawing canvas(ring);
    canvas.ScaleMode(3);
    drawHole(canvas, checked(axisY + holeOffset(hole, setup.holes, setup.spacing)), open);
    return ring.front();
}

std::shared_ptr<const Timeline> recordRun(const Setup &setup, std::optional<Timeline::Result> previous)
{
    return DetectorScan(setup, std::move(previous)).record();
}
