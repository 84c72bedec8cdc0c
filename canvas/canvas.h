// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>

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

private:
    double m_scale = 1.0 / 15; // canvas pixels per unit: twips until ScaleMode(3)
    int m_scaleMode = 1;
    int m_width = 1;
};

// The main window's drawing surface: a persistent raster the size of the client area, transparent until drawn on,
// lying above the labels and below the other controls, and blind to the mouse. Each operation paints into the
// raster at once and schedules a repaint of just the rectangle it touched; one painter serves a series of
// operations and is closed whenever the raster is read. Nothing clears it; callers erase by
// drawing in the background grey, which restores every pixel because nothing is antialiased.
// It knows nothing of what drives it.
class Canvas : public QWidget
{
    Q_OBJECT
public:
    // 0x00BBGGRR, or 0x80000000 plus a system colour index (9 and 15 are known).
    using Colour = quint32;
    static constexpr Colour systemColourFlag = 0x80000000;

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

    // The raster, at device resolution (logical size times the device pixel ratio).
    const QImage &image() const;

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
    void allocateRaster();
    void closeRasterPainter() const;
    void scheduleRepaint(const QRect &touched);

    QImage m_image;
    mutable QPainter m_rasterPainter; // open between reads of the raster
    CanvasPainter m_painter;
    std::vector<CanvasOp> *m_recorder = nullptr;
    std::vector<QRect> m_pending; // asked to repaint, not yet painted
};
