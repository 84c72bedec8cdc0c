// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <optional>
#include <vector>


// One drawing operation as the caller gave it, with coordinates already in single precision.
struct CanvasOp
{
    enum Kind { ScaleMode, DrawWidth, Line, Circle };
    Kind kind = Line;
    int flags = 0;        // Line: 4, plus 2 with a colour; Circle: 2 with a colour, else 0
    int value = 0;        // ScaleMode and DrawWidth
    float x1 = 0, y1 = 0; // Line: first end; Circle: centre
    float x2 = 0, y2 = 0; // Line: second end
    float radius = 0;     // Circle
    quint32 colour = 0;   // as given, 0 when none

    bool operator==(const CanvasOp &) const = default;
};

// Applies drawing operations to a painter: the line width and scale that they set carry over to later ones.
// Shared by the canvas and by anything that replays recorded operations.
class CanvasPainter
{
public:
    // Paints op within area (logical pixels) and returns the rectangle it touched; empty for settings.
    QRect apply(QPainter &painter, const CanvasOp &op, const QRectF &area);
    // The settings alone, without painting.
    void track(const CanvasOp &op);

    int drawWidth() const { return m_width; }
    int scaleMode() const { return m_scaleMode; }

    // With the settings in force, in canvas pixels, at every device scale: a rectangle whose inside holds every
    // pixel centre that op can paint, with a margin; and one whose every inner pixel centre an axis-aligned
    // segment paints (empty for anything else).
    QRectF footprint(const CanvasOp &op) const;
    QRectF cover(const CanvasOp &op) const;

private:
    double m_scale = 1.0 / 15; // canvas pixels per unit: twips until ScaleMode(3)
    int m_scaleMode = 1;
    int m_width = 1;
};

// The drawing operations whose pixels may still show, each with the settings it was drawn with. An operation is
// forgotten once later ones have painted over every pixel it could have touched, at every scale: the same shape
// drawn again in any colour, or opaque axis-aligned segments that together cover its footprint. Replaying what is
// kept therefore gives the raster that replaying everything would, at any device scale.
class CanvasHistory
{
public:
    struct Entry
    {
        CanvasOp op;
        int width = 1;
        int scaleMode = 1;
    };

    // Operations wholly outside area (canvas pixels) paint nothing and are not kept.
    explicit CanvasHistory(const QRectF &area)
        : m_area(area)
    {
    }

    // A line or a circle, drawn with the settings that painter holds. Now and then, what has been painted over
    // is forgotten, at a cost that stays in proportion to what is added.
    void add(const CanvasOp &op, const CanvasPainter &settings);
    // Everything kept, painted in order.
    void replay(QPainter &painter) const;
    void forgetPaintedOver();

    const std::vector<Entry> &entries() const { return m_entries; }

private:
    QRectF m_area;
    std::vector<Entry> m_entries;
    size_t m_keptAtLastSweep = 0;
};

// The main window's drawing surface: a persistent raster of the client area, transparent until drawn on,
// lying above the labels and below the other controls, and blind to the mouse. Each operation paints into the
// raster at once and schedules a repaint of just the pixels it changed, at most once a screen's frame; one
// painter serves a series of operations and is closed whenever the raster is read. Nothing clears it; callers
// erase by drawing in the background grey, which restores every pixel because nothing is antialiased.
// Shown zoomed, the raster is drawn anew from the operations that still show, so that it stays crisp and later
// erasing stays exact. It knows nothing of what drives it.
class Canvas : public QWidget
{
    Q_OBJECT
public:
    // 0x00BBGGRR, or 0x80000000 plus a system colour index (9 and 15 are known).
    using Colour = quint32;
    static constexpr Colour systemColourFlag = 0x80000000;

    // Covers the parent's client area as it is now: that size, in canvas pixels, is the drawing's area.
    explicit Canvas(QWidget *parent);

    // 1 twips (15 per pixel), 3 pixels; anything else is run-time error 380. Starts at twips.
    void ScaleMode(int mode);
    // Width in pixels of all later lines and circles, 1 or more; anything else is run-time error 380.
    void DrawWidth(int width);
    // A segment between two points; without a colour it is drawn in the foreground colour (black).
    void Line(double x1, double y1, double x2, double y2, std::optional<Colour> colour = std::nullopt);
    // A circle outline, never filled.
    void Circle(double x, double y, double radius, std::optional<Colour> colour = std::nullopt);

    int drawWidth() const { return m_painter.drawWidth(); }
    int scaleMode() const { return m_painter.scaleMode(); }

    // Shows the drawing zoom times larger (canvas pixels to the widget's pixels); whoever places the canvas sizes
    // it to match. The raster is drawn anew from the operations that still show, before it is next used.
    void setZoom(qreal zoom);
    qreal zoom() const { return m_zoom; }
    QSize area() const { return m_area; }

    // The raster, at device resolution: the area times the zoom times the device pixel ratio, which is its
    // devicePixelRatio, so canvas coordinates address it as logical ones.
    const QImage &image() const;

    // The operations kept to draw the raster anew; for tests and the benchmark.
    const CanvasHistory &history() const { return m_history; }

    // Appends every operation to log until called with nullptr; for tests and the benchmark.
    void setRecorder(std::vector<CanvasOp> *log) { m_recorder = log; }

    // Foreground black; system colour 9 white and 15 light grey, as in the classic desktop scheme.
    // Run-time error 380 for an unknown system colour.
    static QColor resolve(Colour colour);
    static QColor foreground() { return Qt::black; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void perform(const CanvasOp &op);
    bool stale() const;
    void render() const;
    void closeRasterPainter() const;
    // Device pixels of the raster: kept before an operation, and then those it changed (those alone are repainted).
    void remember(const QRect &pixels);
    QRect changedSince(const QRect &pixels) const;
    void scheduleRepaint(const QRect &touched);
    void repaintPending();

    QSize m_area;
    qreal m_zoom = 1;
    mutable QImage m_image;
    mutable bool m_stale = true;      // to be drawn anew at the present zoom and pixel ratio
    mutable QPainter m_rasterPainter; // open between reads of the raster
    CanvasPainter m_painter;
    CanvasHistory m_history;
    std::vector<CanvasOp> *m_recorder = nullptr;
    static constexpr std::chrono::milliseconds repaintInterval{16};
    std::vector<QRect> m_pending; // changed, not yet handed to update()
    QTimer m_repaintTimer;
    std::chrono::steady_clock::time_point m_lastRepaint;
    std::vector<quint32> m_before;
};
