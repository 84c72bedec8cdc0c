// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>
#include <vector>

class Canvas;
class ScrollBarScaling;

// Shows a window laid out in logical pixels for one size uniformly larger when the window grows: by
// s = min(width / logical width, height / logical height), never below 1, centred, the margin in the window's own
// background. Every control's geometry and font scale by s, the scroll bars' buttons too, and the canvas is
// zoomed by s. Esc takes the window out of full screen.
class ScaledLayout : public QObject
{
public:
    // Takes the window's controls as they are now, all of them created and styled, as the layout at scale 1.
    ScaledLayout(QWidget *window, QSize logicalSize, Canvas *canvas);
    ~ScaledLayout() override;

    static qreal scaleFor(QSize windowSize, QSize logicalSize);
    qreal scale() const { return m_scale; }
    // Where the layout's top left corner is shown, in the window.
    QPoint origin() const { return m_origin; }
    // Where a rectangle of the layout in a control's coordinates is shown in them at the present scale; the
    // window's own controls are offset by origin().
    QRect scaled(const QRect &logical) const;

    // A control's geometry at scale 1 from now on; shown at the present scale.
    void setGeometry(QWidget *control, const QRect &logical);
    // A control's font at scale 1 from now on; shown at the present scale.
    void setFont(QWidget *control, const QFont &font);
    QFont font(const QWidget *control) const;

    // While it lasts, the window is laid out at scale 1 from its top left corner, unseen: its updates are held.
    class AtScaleOne
    {
    public:
        explicit AtScaleOne(ScaledLayout &layout);
        ~AtScaleOne();
        AtScaleOne(const AtScaleOne &) = delete;
        AtScaleOne &operator=(const AtScaleOne &) = delete;

    private:
        ScaledLayout &m_layout;
        qreal m_scale;
        QPoint m_origin;
    };

    // F11, and Esc in full screen: keys that change nothing but the window's size, so a run lets them through.
    bool isWindowCommand(const QEvent &event) const;
    // Into full screen, or back to the size before.
    void toggleFullScreen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Control
    {
        QPointer<QWidget> widget;
        QRect geometry;
        QFont font;
    };

    void fit();
    void apply(qreal scale, QPoint origin);

    QWidget *m_window;
    QSize m_logicalSize;
    Canvas *m_canvas;
    std::vector<Control> m_controls;
    std::unique_ptr<ScrollBarScaling> m_scrollBarStyle; // made at the first zoom
    qreal m_scale = 1;
    QPoint m_origin;
};
