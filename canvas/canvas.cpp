// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include "runtimeerror.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <QRegion>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <unordered_set>
#include <utility>

namespace {
constexpr int lineFlags = 4;
constexpr int colourFlag = 2;
// Beyond this many pixels from the raster, segments are cut before painting: the rasterizer's fixed point
// arithmetic cannot take absurd coordinates. Canvas pixels, and device pixels however far the drawing is zoomed.
constexpr double safeReach = 8192;
constexpr double safeDeviceReach = 16384;

double reachOf(const QPainter &painter)
{
    const QTransform &device = painter.deviceTransform();
    const double scale = std::max(std::fabs(device.m11()), std::fabs(device.m22()));
    return scale > 0 ? std::min(safeReach, safeDeviceReach / scale) : safeReach;
}

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

QRectF CanvasPainter::footprint(const CanvasOp &op) const
{
    const double margin = m_width / 2.0 + 2;
    if (op.kind == CanvasOp::Line)
        return QRectF(QPointF(op.x1 * m_scale, op.y1 * m_scale), QPointF(op.x2 * m_scale, op.y2 * m_scale))
            .normalized()
            .adjusted(-margin, -margin, margin, margin);
    if (op.kind == CanvasOp::Circle) {
        const double reach = std::fabs(op.radius * m_scale) + margin;
        return {op.x1 * m_scale - reach, op.y1 * m_scale - reach, 2 * reach, 2 * reach};
    }
    return {};
}

// Without antialiasing a pixel is painted when its centre lies within the shape, and an axis-aligned segment with
// square ends is the rectangle half a width around it.
QRectF CanvasPainter::cover(const CanvasOp &op) const
{
    const QPointF a(op.x1 * m_scale, op.y1 * m_scale), b(op.x2 * m_scale, op.y2 * m_scale);
    if (op.kind != CanvasOp::Line || a == b || (a.x() != b.x() && a.y() != b.y()))
        return {};
    const double half = m_width / 2.0;
    return QRectF(a, b).normalized().adjusted(-half, -half, half, half);
}

QRect CanvasPainter::apply(QPainter &painter, const CanvasOp &op, const QRectF &area)
{
    track(op);
    if (op.kind != CanvasOp::Line && op.kind != CanvasOp::Circle)
        return {};

    const double margin = m_width / 2.0 + 2;
    const double safe = reachOf(painter);
    painter.setPen(penFor(op, m_width));
    painter.setBrush(Qt::NoBrush);

    if (op.kind == CanvasOp::Line) {
        QPointF a(op.x1 * m_scale, op.y1 * m_scale), b(op.x2 * m_scale, op.y2 * m_scale);
        QRectF bounds = footprint(op);
        if (!bounds.intersects(area))
            return {};
        const QRectF reach = area.adjusted(-safe, -safe, safe, safe);
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
    const QRectF bounds = footprint(op);
    if (!bounds.intersects(area) || radius > safe)
        return {};
    painter.drawEllipse(centre, radius, radius);
    return bounds.toAlignedRect() & area.toAlignedRect();
}

namespace {
// What decides an operation's pixels: its shape and settings, not its colour.
struct Shape
{
    std::array<quint32, 8> bits;
    bool operator==(const Shape &) const = default;
};

Shape shapeOf(const CanvasHistory::Entry &entry)
{
    const CanvasOp &op = entry.op;
    return {{quint32(op.kind), std::bit_cast<quint32>(op.x1), std::bit_cast<quint32>(op.y1),
             std::bit_cast<quint32>(op.x2), std::bit_cast<quint32>(op.y2), std::bit_cast<quint32>(op.radius),
             quint32(entry.width), quint32(entry.scaleMode)}};
}

struct ShapeHash
{
    size_t operator()(const Shape &shape) const { return qHashBits(shape.bits.data(), sizeof shape.bits); }
};

// Rectangles in 1/64 canvas pixel, the rasterizer's own precision, rounded outwards or inwards.
constexpr double gridUnits = 64;

QRect outward(const QRectF &r)
{
    const int left = int(std::floor(r.left() * gridUnits)), top = int(std::floor(r.top() * gridUnits));
    return QRect(QPoint(left, top), QPoint(int(std::ceil(r.right() * gridUnits)) - 1,
                                           int(std::ceil(r.bottom() * gridUnits)) - 1));
}

QRect inward(const QRectF &r)
{
    const int left = int(std::ceil(r.left() * gridUnits)), top = int(std::ceil(r.top() * gridUnits));
    return QRect(QPoint(left, top), QPoint(int(std::floor(r.right() * gridUnits)) - 1,
                                           int(std::floor(r.bottom() * gridUnits)) - 1));
}

CanvasPainter settingsOf(const CanvasHistory::Entry &entry)
{
    CanvasPainter settings;
    settings.track({.kind = CanvasOp::ScaleMode, .value = entry.scaleMode});
    settings.track({.kind = CanvasOp::DrawWidth, .value = entry.width});
    return settings;
}

// A sweep starts once the list has grown to twice what the last one kept, and not below this.
constexpr size_t smallestSweep = 4096;
}

void CanvasHistory::add(const CanvasOp &op, const CanvasPainter &settings)
{
    if (!settings.footprint(op).intersects(m_area.adjusted(-1, -1, 1, 1)))
        return;
    m_entries.push_back({op, settings.drawWidth(), settings.scaleMode()});
    if (m_entries.size() >= std::max(smallestSweep, 2 * m_keptAtLastSweep))
        forgetPaintedOver();
}

// From the newest back: an operation goes when one drawn after it has the same shape, or when the axis-aligned
// segments drawn after it cover its footprint. Every colour is opaque, so each pixel shows the last operation that
// painted it; a forgotten one was never the last, at any scale, and replaying the rest changes no pixel.
void CanvasHistory::forgetPaintedOver()
{
    const QRectF raster = m_area.adjusted(-1, -1, 1, 1);
    std::unordered_set<Shape, ShapeHash> later;
    later.reserve(m_entries.size());
    QRegion covered;
    std::vector<bool> keep(m_entries.size());
    for (size_t i = m_entries.size(); i-- > 0;) {
        const Entry &entry = m_entries[i];
        const CanvasPainter settings = settingsOf(entry);
        const QRectF reach = settings.footprint(entry.op) & raster;
        const Shape shape = shapeOf(entry);
        const bool paintedOver = reach.isEmpty() || later.contains(shape)
                                 || (covered.boundingRect().contains(outward(reach))
                                     && QRegion(outward(reach)).subtracted(covered).isEmpty());
        keep[i] = !paintedOver;
        later.insert(shape);
        const QRectF cover = settings.cover(entry.op) & raster;
        if (!cover.isEmpty() && !inward(cover).isEmpty())
            covered += inward(cover);
    }
    size_t kept = 0;
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (keep[i])
            m_entries[kept++] = m_entries[i];
    m_entries.resize(kept);
    m_keptAtLastSweep = kept;
}

void CanvasHistory::replay(QPainter &painter) const
{
    CanvasPainter settings;
    for (const Entry &entry : m_entries) {
        if (settings.scaleMode() != entry.scaleMode)
            settings.track({.kind = CanvasOp::ScaleMode, .value = entry.scaleMode});
        if (settings.drawWidth() != entry.width)
            settings.track({.kind = CanvasOp::DrawWidth, .value = entry.width});
        settings.apply(painter, entry.op, m_area);
    }
}

Canvas::Canvas(QWidget *parent)
    : QWidget(parent)
    , m_area(parent ? parent->size() : size())
    , m_history(QRectF(QPointF(0, 0), m_area))
{
    setObjectName(QStringLiteral("canvas"));
    m_repaintTimer.setSingleShot(true);
    m_repaintTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_repaintTimer, &QTimer::timeout, this, &Canvas::repaintPending);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(m_area);
}

void Canvas::setZoom(qreal zoom)
{
    if (zoom == m_zoom)
        return;
    m_zoom = zoom;
    m_stale = true;
    update();
}

void Canvas::render() const
{
    closeRasterPainter();
    const qreal scale = m_zoom * devicePixelRatioF();
    // Whole device pixels enough to hold the area; a product that is a whole number stays one.
    const auto pixels = [scale](int length) { return int(std::ceil(length * scale - 1e-6)); };
    QImage raster(pixels(m_area.width()), pixels(m_area.height()), QImage::Format_ARGB32_Premultiplied);
    raster.setDevicePixelRatio(scale);
    raster.fill(Qt::transparent);
    QPainter painter(&raster);
    m_history.replay(painter);
    painter.end();
    m_image = std::move(raster);
    m_stale = false;
}

// A new screen's pixel ratio: drawn anew, crisp and with erasing still exact.
bool Canvas::stale() const
{
    return m_stale || m_image.devicePixelRatio() != m_zoom * devicePixelRatioF();
}

void Canvas::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ScreenChangeInternal && stale())
        update();
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
    if (stale())
        render();
    m_history.add(op, m_painter);
    if (!m_rasterPainter.isActive())
        m_rasterPainter.begin(&m_image);
    const qreal scale = m_image.devicePixelRatio();
    const QRectF reach = m_painter.footprint(op);
    const QRect pixels = QRectF(reach.topLeft() * scale, reach.size() * scale).toAlignedRect() & m_image.rect();
    remember(pixels);
    if (m_painter.apply(m_rasterPainter, op, QRectF(QPointF(0, 0), m_area)).isEmpty())
        return;
    const QRect changed = changedSince(pixels);
    if (changed.isEmpty())
        return;
    const qreal ratio = devicePixelRatioF();
    scheduleRepaint(QRectF(QPointF(changed.topLeft()) / ratio, QSizeF(changed.size()) / ratio).toAlignedRect());
}

void Canvas::remember(const QRect &pixels)
{
    m_before.resize(size_t(std::max(0, pixels.width())) * std::max(0, pixels.height()));
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *row = reinterpret_cast<const quint32 *>(std::as_const(m_image).constScanLine(pixels.top() + y));
        std::copy_n(row + pixels.left(), pixels.width(), m_before.begin() + ptrdiff_t(y) * pixels.width());
    }
}

// The device pixels within pixels that differ from what remember() kept.
QRect Canvas::changedSince(const QRect &pixels) const
{
    QRect changed;
    const int width = pixels.width();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *now = reinterpret_cast<const quint32 *>(m_image.constScanLine(pixels.top() + y)) + pixels.left();
        const quint32 *before = m_before.data() + ptrdiff_t(y) * width;
        const auto first = std::mismatch(now, now + width, before).first - now;
        if (first == width)
            continue;
        int last = width - 1;
        while (now[last] == before[last])
            --last;
        changed |= QRect(pixels.left() + int(first), pixels.top() + y, last - int(first) + 1, 1);
    }
    return changed;
}

// Qt merges every update() into one region, at a cost that grows with its rectangles; between two repaints
// a run touches hundreds of small ones. Keep a few, grown to take the rest, and hand them over at most once a
// frame of a 60 Hz screen: more often, no screen would show it.
void Canvas::scheduleRepaint(const QRect &touched)
{
    constexpr size_t mostRectangles = 8;
    const auto area = [](const QRect &r) { return qint64(r.width()) * r.height(); };
    if (m_pending.empty() && !m_repaintTimer.isActive()) {
        const auto sinceLast = std::chrono::steady_clock::now() - m_lastRepaint;
        m_repaintTimer.start(std::max(std::chrono::milliseconds(0),
                                      std::chrono::duration_cast<std::chrono::milliseconds>(repaintInterval - sinceLast)));
    }
    if (std::any_of(m_pending.begin(), m_pending.end(), [&](const QRect &r) { return r.contains(touched); }))
        return;
    if (m_pending.size() < mostRectangles) {
        m_pending.push_back(touched);
        return;
    }
    QRect &nearest = *std::min_element(m_pending.begin(), m_pending.end(), [&](const QRect &a, const QRect &b) {
        return area(a.united(touched)) - area(a) < area(b.united(touched)) - area(b);
    });
    nearest = nearest.united(touched);
}

void Canvas::repaintPending()
{
    for (const QRect &dirty : m_pending)
        update(dirty);
    m_pending.clear();
    m_lastRepaint = std::chrono::steady_clock::now();
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
    if (stale())
        render();
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
    if (stale())
        render();
    closeRasterPainter();
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF(); // the raster's pixels to the widget's
    // Each dirty rectangle alone: their bounding box can span the whole drawing.
    for (const QRect &dirty : event->region())
        painter.drawImage(QRectF(dirty), m_image,
                          QRectF(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio));
}
