// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include <QEvent>
#include <QPaintEvent>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
// A batch this long repaints the union of its strokes' footprints rather than comparing each stroke's pixels:
// comparing costs more than it saves once a batch draws a whole picture.
constexpr size_t bulkStrokes = 64;
// Qt merges every update() into one region, at a cost that grows with its rectangles; a frame of a run touches
// dozens of small ones. Keep a few, grown to take the rest.
constexpr size_t mostPendingRectangles = 8;
}

Canvas::Canvas(QWidget *parent, size_t layers)
    : QWidget(parent)
    , m_area(parent ? parent->size() : size())
    , m_layers(layers)
{
    setObjectName(QStringLiteral("canvas"));
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

void Canvas::setColourMap(const ColourMap &map)
{
    if (map == m_colourMap)
        return;
    m_colourMap = map;
    m_stale = true;
    update();
}

// A new zoom, colour map or screen pixel ratio: remade, and drawn anew from the layers.
bool Canvas::stale() const
{
    return m_stale || m_image.devicePixelRatio() != deviceScale();
}

void Canvas::remake() const
{
    closeRasterPainter();
    const qreal scale = deviceScale();
    // Whole device pixels enough to hold the area; a product that is a whole number stays one.
    const auto pixels = [scale](int length) { return int(std::ceil(length * scale - 1e-6)); };
    QImage raster(pixels(m_area.width()), pixels(m_area.height()), QImage::Format_ARGB32_Premultiplied);
    raster.setDevicePixelRatio(scale);
    raster.fill(Qt::transparent);
    m_image = std::move(raster);
    m_stale = false;
    for (const Stroke &stroke : m_layers.within())
        paint(stroke);
    closeRasterPainter();
}

void Canvas::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ScreenChangeInternal && stale())
        update();
    QWidget::changeEvent(event);
}

QRect Canvas::devicePixels(const QRectF &canvasRect) const
{
    const qreal scale = m_image.devicePixelRatio();
    return QRectF(canvasRect.topLeft() * scale, canvasRect.size() * scale).toAlignedRect() & m_image.rect();
}

void Canvas::paint(const Stroke &stroke) const
{
    QImage &target = m_intoScratch ? m_scratch : m_image;
    if (!m_rasterPainter.isActive())
        m_rasterPainter.begin(&target);
    const QRectF area(QPointF(0, 0), m_area);
    if (m_colourMap.keepsAll()) {
        stroke.paint(m_rasterPainter, area);
        return;
    }
    Stroke recoloured = stroke;
    recoloured.colour = m_colourMap(stroke.colour);
    recoloured.paint(m_rasterPainter, area);
}

// The strokes are painted whole into a scratch raster and just the area's pixels copied over: a painter's clip
// would rasterise the lines it cuts differently, a pixel here and there.
void Canvas::redrawWithin(const QRectF &area)
{
    if (stale()) {
        update();
        return; // drawn anew whole before it is next shown
    }
    const QRect pixels = devicePixels(area);
    if (pixels.isEmpty())
        return;
    closeRasterPainter();
    if (m_scratch.size() != m_image.size() || m_scratch.devicePixelRatio() != m_image.devicePixelRatio()) {
        m_scratch = QImage(m_image.size(), m_image.format());
        m_scratch.setDevicePixelRatio(m_image.devicePixelRatio());
    }
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        std::fill_n(reinterpret_cast<quint32 *>(m_scratch.scanLine(y)) + pixels.left(), pixels.width(), 0u);
    const qreal scale = m_image.devicePixelRatio();
    m_intoScratch = true;
    for (const Stroke &stroke : m_layers.within(QRectF(QPointF(pixels.topLeft()) / scale, QSizeF(pixels.size()) / scale)))
        paint(stroke);
    closeRasterPainter();
    m_intoScratch = false;
    const QRect changed = scratchDiffers(pixels);
    for (int y = changed.top(); y <= changed.bottom(); ++y)
        std::copy_n(reinterpret_cast<const quint32 *>(std::as_const(m_scratch).constScanLine(y)) + changed.left(),
                    changed.width(), reinterpret_cast<quint32 *>(m_image.scanLine(y)) + changed.left());
    markChanged(changed);
}

QRect Canvas::scratchDiffers(const QRect &pixels) const
{
    return differing(pixels, [this, &pixels](int y) {
        return reinterpret_cast<const quint32 *>(m_scratch.constScanLine(pixels.top() + y)) + pixels.left();
    });
}

void Canvas::draw(const Stroke &stroke, size_t layer)
{
    draw(std::span(&stroke, 1), layer);
}

// A batch is drawn between one look at the pixels it may change and another: a stroke drawn again over itself,
// as a run redraws its axis at every step, costs no repaint, and pixels drawn over twice are looked at once.
// Beneath a layer that holds strokes, the area is drawn anew instead, so that those stay on top.
void Canvas::draw(std::span<const Stroke> strokes, size_t layer)
{
    m_layers.append(layer, strokes);
    if (stale()) {
        remake();
        markChanged(m_image.rect());
        return;
    }
    if (m_layers.holdsAbove(layer)) {
        QRectF touched;
        for (const Stroke &stroke : strokes)
            touched |= stroke.footprint();
        redrawWithin(touched);
        return;
    }
    if (strokes.size() >= bulkStrokes) {
        QRectF touched;
        for (const Stroke &stroke : strokes) {
            paint(stroke);
            touched |= stroke.footprint();
        }
        markChanged(devicePixels(touched));
        return;
    }
    QRegion reach;
    for (const Stroke &stroke : strokes)
        reach += devicePixels(stroke.footprint());
    m_before.clear();
    for (const QRect &pixels : reach)
        remember(pixels);
    for (const Stroke &stroke : strokes)
        paint(stroke);
    const quint32 *before = m_before.data();
    for (const QRect &pixels : reach) {
        markChanged(changedSince(pixels, before));
        before += size_t(pixels.width()) * pixels.height();
    }
}

void Canvas::show(size_t layer, std::span<const Stroke> strokes)
{
    const QRectF changed = m_layers.replace(layer, strokes);
    if (changed.isNull())
        return;
    if (stale() || m_layers.othersHoldAny(layer)) {
        redrawWithin(changed);
        return;
    }
    closeRasterPainter(); // the layer alone: drawn from transparent, without looking at what was there
    m_image.fill(Qt::transparent);
    for (const Stroke &stroke : m_layers.of(layer))
        paint(stroke);
    markChanged(m_image.rect());
}

void Canvas::clear()
{
    m_layers.clear();
    if (stale()) {
        remake();
    } else {
        closeRasterPainter();
        m_image.fill(Qt::transparent);
    }
    markChanged(m_image.rect());
}

void Canvas::remember(const QRect &pixels)
{
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *row = reinterpret_cast<const quint32 *>(std::as_const(m_image).constScanLine(pixels.top() + y));
        m_before.insert(m_before.end(), row + pixels.left(), row + pixels.left() + pixels.width());
    }
}

// The device pixels within pixels that differ from those remember() kept there, starting at kept.
QRect Canvas::changedSince(const QRect &pixels, const quint32 *kept) const
{
    return differing(pixels, [kept, &pixels](int y) { return kept + ptrdiff_t(y) * pixels.width(); });
}

// The rows of pixels that differ from those other gives for each row (counted from the top of pixels), as the
// rectangle holding them.
QRect Canvas::differing(const QRect &pixels, const std::function<const quint32 *(int row)> &other) const
{
    QRect changed;
    const int width = pixels.width();
    for (int y = 0; y < pixels.height(); ++y) {
        const auto *now = reinterpret_cast<const quint32 *>(m_image.constScanLine(pixels.top() + y)) + pixels.left();
        const quint32 *then = other(y);
        const auto first = std::mismatch(now, now + width, then).first - now;
        if (first == width)
            continue;
        int last = width - 1;
        while (now[last] == then[last])
            --last;
        changed |= QRect(pixels.left() + int(first), pixels.top() + y, last - int(first) + 1, 1);
    }
    return changed;
}

void Canvas::markChanged(const QRect &devicePixels)
{
    if (devicePixels.isEmpty())
        return;
    const auto area = [](const QRect &r) { return qint64(r.width()) * r.height(); };
    if (std::any_of(m_pending.begin(), m_pending.end(), [&](const QRect &r) { return r.contains(devicePixels); }))
        return;
    if (m_pending.size() < mostPendingRectangles) {
        m_pending.push_back(devicePixels);
        return;
    }
    QRect &nearest = *std::min_element(m_pending.begin(), m_pending.end(), [&](const QRect &a, const QRect &b) {
        return area(a.united(devicePixels)) - area(a) < area(b.united(devicePixels)) - area(b);
    });
    nearest = nearest.united(devicePixels);
}

QRegion Canvas::flush()
{
    const qreal ratio = devicePixelRatioF();
    QRegion asked;
    for (const QRect &changed : m_pending) {
        const QRect shown = QRectF(QPointF(changed.topLeft()) / ratio, QSizeF(changed.size()) / ratio).toAlignedRect();
        update(shown);
        asked += shown;
    }
    m_pending.clear();
    return asked;
}

const QImage &Canvas::image() const
{
    if (stale())
        remake();
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
        remake();
    closeRasterPainter();
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF(); // the raster's pixels to the widget's
    // Each dirty rectangle alone: their bounding box can span the whole drawing.
    for (const QRect &dirty : event->region())
        painter.drawImage(QRectF(dirty), m_image,
                          QRectF(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio));
}
