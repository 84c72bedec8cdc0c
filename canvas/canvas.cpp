// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include "runtimeerror.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
constexpr int lineFlags = 4;
constexpr int colourFlag = 2;
// Beyond this many pixels from the raster, segments are cut before painting: the rasterizer's fixed point
// arithmetic cannot take absurd coordinates.
constexpr double safeReach = 8192;

QPen penFor(const CanvasOp &op, int width)
{
    const QColor colour = (op.flags & colourFlag) ? Canvas::resolve(op.colour) : Canvas::foreground();
    // Square ends: at these widths they look like round ones, and paint four times faster.
    return QPen(colour, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
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

void CanvasPainter::track(const CanvasOp &op)
{
    if (op.kind == CanvasOp::ScaleMode) {
        m_scaleMode = op.value;
        m_scale = op.value == 3 ? 1.0 : 1.0 / 15;
    } else if (op.kind == CanvasOp::DrawWidth) {
        m_width = op.value;
    }
}

QRect CanvasPainter::apply(QPainter &painter, const CanvasOp &op, const QRectF &area)
{
    track(op);
    if (op.kind != CanvasOp::Line && op.kind != CanvasOp::Circle)
        return {};

    const double margin = m_width / 2.0 + 2;
    painter.setPen(penFor(op, m_width));
    painter.setBrush(Qt::NoBrush);

    if (op.kind == CanvasOp::Line) {
        QPointF a(op.x1 * m_scale, op.y1 * m_scale), b(op.x2 * m_scale, op.y2 * m_scale);
        QRectF bounds = QRectF(a, b).normalized().adjusted(-margin, -margin, margin, margin);
        if (!bounds.intersects(area))
            return {};
        const QRectF reach = area.adjusted(-safeReach, -safeReach, safeReach, safeReach);
        if (!reach.contains(bounds)) {
            if (!clipSegment(a, b, reach))
                return {};
            bounds = QRectF(a, b).normalized().adjusted(-margin, -margin, margin, margin);
        }
        if (a == b) {
            painter.drawPoint(a);
        } else if (m_width == 1 && (a.x() == b.x() || a.y() == b.y())) {
            // A one-pixel line along an axis covers the pixels of this thin rectangle, which fills fifty times faster.
            painter.fillRect(QRectF(a, b).normalized().adjusted(-0.5, -0.5, 0.5, 0.5), painter.pen().color());
        } else {
            painter.drawLine(a, b);
        }
        return bounds.toAlignedRect() & area.toAlignedRect();
    }

    const QPointF centre(op.x1 * m_scale, op.y1 * m_scale);
    const double radius = std::fabs(op.radius * m_scale);
    const QRectF bounds = QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius)
                              .adjusted(-margin, -margin, margin, margin);
    if (!bounds.intersects(area) || radius > safeReach)
        return {};
    painter.drawEllipse(centre, radius, radius);
    return bounds.toAlignedRect() & area.toAlignedRect();
}

Canvas::Canvas(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("canvas"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    if (parent)
        resize(parent->size());
    allocateRaster();
}

void Canvas::allocateRaster()
{
    closeRasterPainter();
    const qreal ratio = devicePixelRatioF();
    QImage raster(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    raster.setDevicePixelRatio(ratio);
    raster.fill(Qt::transparent);
    if (!m_image.isNull()) {
        // Keep what was drawn when the screen's pixel ratio changes.
        QPainter painter(&raster);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), size()), m_image);
    }
    m_image = std::move(raster);
}

void Canvas::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ScreenChangeInternal && !qFuzzyCompare(devicePixelRatioF(), m_image.devicePixelRatio()))
        allocateRaster();
    QWidget::changeEvent(event);
}

void Canvas::ScaleMode(int mode)
{
    if (mode != 1 && mode != 3)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    perform({.kind = CanvasOp::ScaleMode, .value = mode});
}

void Canvas::DrawWidth(int width)
{
    if (width < 1)
        throw RuntimeError(RuntimeError::InvalidPropertyValue);
    perform({.kind = CanvasOp::DrawWidth, .value = width});
}

void Canvas::Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour)
{
    if (colour)
        resolve(*colour);
    perform({.kind = CanvasOp::Line,
             .flags = lineFlags | (colour ? colourFlag : 0),
             .x1 = toSingle(x1),
             .y1 = toSingle(y1),
             .x2 = toSingle(x2),
             .y2 = toSingle(y2),
             .colour = colour.value_or(0)});
}

void Canvas::Circle(double x, double y, double radius, std::optional<Colour> colour)
{
    if (colour)
        resolve(*colour);
    perform({.kind = CanvasOp::Circle,
             .flags = colour ? colourFlag : 0,
             .x1 = toSingle(x),
             .y1 = toSingle(y),
             .radius = toSingle(radius),
             .colour = colour.value_or(0)});
}

void Canvas::perform(const CanvasOp &op)
{
    if (m_recorder)
        m_recorder->push_back(op);
    if (op.kind == CanvasOp::ScaleMode || op.kind == CanvasOp::DrawWidth) {
        m_painter.track(op);
        return;
    }
    if (!m_rasterPainter.isActive())
        m_rasterPainter.begin(&m_image);
    const QRect touched = m_painter.apply(m_rasterPainter, op, rect());
    if (!touched.isEmpty())
        scheduleRepaint(touched);
}

// Qt merges every update() into one region, at a cost that grows with its rectangles; between two repaints
// a run touches hundreds of small ones. Keep a few, grown to take the rest.
void Canvas::scheduleRepaint(const QRect &touched)
{
    constexpr size_t mostRectangles = 8;
    const auto area = [](const QRect &r) { return qint64(r.width()) * r.height(); };
    if (std::any_of(m_pending.begin(), m_pending.end(), [&](const QRect &r) { return r.contains(touched); }))
        return;
    if (m_pending.size() < mostRectangles) {
        m_pending.push_back(touched);
        update(touched);
        return;
    }
    QRect &nearest = *std::min_element(m_pending.begin(), m_pending.end(), [&](const QRect &a, const QRect &b) {
        return area(a.united(touched)) - area(a) < area(b.united(touched)) - area(b);
    });
    nearest = nearest.united(touched);
    update(nearest);
}

QColor Canvas::resolve(Colour colour)
{
    if (colour & systemColourFlag) {
        switch (colour & ~systemColourFlag) {
        case 9: // COLOR_CAPTIONTEXT
            return Qt::white;
        case 15: // COLOR_BTNFACE
            return QColor(0xC0, 0xC0, 0xC0);
        default:
            throw RuntimeError(RuntimeError::InvalidPropertyValue);
        }
    }
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

const QImage &Canvas::image() const
{
    closeRasterPainter(); // a copy taken now must not change with later drawing
    return m_image;
}

void Canvas::closeRasterPainter() const
{
    if (m_rasterPainter.isActive())
        m_rasterPainter.end();
}

void Canvas::paintEvent(QPaintEvent *event)
{
    m_pending.clear();
    closeRasterPainter();
    QPainter painter(this);
    const qreal ratio = m_image.devicePixelRatio();
    // Each dirty rectangle alone: their bounding box can span the whole drawing.
    for (const QRect &dirty : event->region())
        painter.drawImage(QRectF(dirty), m_image,
                          QRectF(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio));
}
