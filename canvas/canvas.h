// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "colourmap.h"
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
// once; the pixels they changed reach the screen when the driver calls flush(), once a frame. Nothing clears it
// but clear(); callers erase by drawing in the background grey, which restores every pixel.
// Shown zoomed, the raster is remade at the new size and whoever drives the canvas draws its picture anew, so it
// stays crisp and later erasing stays exact. It keeps no strokes and knows nothing of what drives it.
class Canvas : public QWidget
{
    Q_OBJECT
public:
    // Covers the parent's client area as it is now: that size, in canvas pixels, is the drawing's area.
    explicit Canvas(QWidget *parent);

    void draw(const Stroke &stroke);
    void draw(std::span<const Stroke> strokes);
    // Back to transparent.
    void clear();

    // Whoever keeps the picture draws its strokes that reach within an area (canvas pixels) with draw(). Called when
    // the raster has been remade, on the whole area, and by redrawWithin().
    void setRedraw(std::function<void(const QRectF &area)> redraw) { m_redraw = std::move(redraw); }
    // The picture within an area drawn anew, from transparent: how something drawn over is taken away again.
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
    void paint(const Stroke &stroke);
    QRect devicePixels(const QRectF &canvasRect) const;
    // Device pixels of the raster: kept before a batch of strokes, and then those it changed (those alone are
    // repainted).
    void remember(const QRect &pixels);
    QRect changedSince(const QRect &pixels, const quint32 *kept) const;
    void markChanged(const QRect &devicePixels);

    QSize m_area;
    qreal m_zoom = 1;
    ColourMap m_colourMap;
    mutable QImage m_image;
    mutable bool m_stale = true;      // to be remade at the present zoom and pixel ratio
    mutable bool m_remaking = false;
    mutable QPainter m_rasterPainter; // open between reads of the raster
    std::function<void(const QRectF &)> m_redraw;
    QImage m_scratch;           // where an area is drawn anew
    bool m_intoScratch = false; // while it is
    std::vector<QRect> m_pending; // device pixels changed, not yet flushed
    std::vector<quint32> m_before;
};
