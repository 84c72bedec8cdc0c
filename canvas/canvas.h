// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colourmap.h"
#include "layers.h"
#include "stroke.h"

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <span>
#include <vector>

// The main window's drawing surface: a persistent raster of the client area, transparent until drawn on,
// lying above the labels and below the other controls, and blind to the mouse. Strokes paint into the raster at
// once; the pixels they changed reach the screen when the driver calls flush(), once a frame. Callers erase by
// drawing in the background grey, which restores every pixel, or by showing a layer anew.
// It keeps the strokes that show, in layers (Layers): shown zoomed or in another colour map, the raster is remade
// from them, so it stays crisp and later erasing stays exact. It calls nothing of whoever draws on it.
class Canvas : public QWidget
{
    Q_OBJECT
public:
    // Covers the parent's client area as it is now: that size, in canvas pixels, is the drawing's area. The
    // picture has this many layers, painted bottom up.
    explicit Canvas(QWidget *parent, size_t layers = 1);

    // Strokes drawn over a layer's.
    void draw(const Stroke &stroke, size_t layer = 0);
    void draw(std::span<const Stroke> strokes, size_t layer = 0);
    // The layer shows these strokes alone now; the rest of the picture as it was.
    void show(size_t layer, std::span<const Stroke> strokes);
    // The layer holds these strokes, which the raster shows already: nothing is drawn.
    void keep(size_t layer, std::span<const Stroke> strokes) { m_layers.assign(layer, strokes); }
    // Every layer empty, the raster transparent.
    void clear();
    const Layers &layers() const { return m_layers; }

    // The picture within an area (canvas pixels) drawn anew from its layers, from transparent.
    void redrawWithin(const QRectF &area);

    // Hands the pixels changed since the last call to the window system, to be repainted, and returns them in the
    // widget's coordinates.
    QRegion flush();

    // Shows the drawing zoom times larger (canvas pixels to the widget's pixels); whoever places the canvas sizes
    // it to match.
    void setZoom(qreal zoom);
    // Each stroke painted in its colour as the map gives it; a new map has the whole picture drawn anew.
    void setColourMap(const ColourMap &map);
    const ColourMap &colourMap() const { return m_colourMap; }
    qreal zoom() const { return m_zoom; }
    // Device pixels per canvas pixel: the zoom times the screen's pixel ratio.
    qreal deviceScale() const { return m_zoom * devicePixelRatioF(); }
    QSize area() const { return m_area; }

    // The raster, at device resolution: the area times the zoom times the device pixel ratio, which is its
    // devicePixelRatio, so canvas coordinates address it as logical ones.
    const QImage &image() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    bool stale() const;
    void remake() const;
    void closeRasterPainter() const;
    void paint(const Stroke &stroke) const;
    QRect devicePixels(const QRectF &canvasRect) const;
    // Device pixels of the raster: kept before a batch of strokes, and then those it changed (those alone are
    // repainted).
    void remember(const QRect &pixels);
    QRect changedSince(const QRect &pixels, const quint32 *kept) const;
    // The device pixels within pixels where the scratch raster differs from the raster.
    QRect scratchDiffers(const QRect &pixels) const;
    QRect differing(const QRect &pixels, const std::function<const quint32 *(int row)> &other) const;
    void markChanged(const QRect &devicePixels);

    QSize m_area;
    qreal m_zoom = 1;
    ColourMap m_colourMap;
    mutable QImage m_image;
    mutable bool m_stale = true;      // to be remade at the present zoom and pixel ratio
    mutable QPainter m_rasterPainter; // open between reads of the raster
    Layers m_layers;
    mutable QImage m_scratch;           // where an area is drawn anew
    mutable bool m_intoScratch = false; // while it is
    std::vector<QRect> m_pending; // device pixels changed, not yet flushed
    std::vector<quint32> m_before;
};
