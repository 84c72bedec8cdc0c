// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scaledlayout.h"

#include "canvas.h"

#include <QApplication>
#include <QKeyEvent>
#include <QProxyStyle>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

// The buttons and the shortest thumb of a scroll bar, as many times larger as the layout.
class ScrollBarScaling : public QProxyStyle
{
public:
    ScrollBarScaling()
        : QProxyStyle(QApplication::style()->name())
    {
    }

    qreal scale = 1;

    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        const int metricAtOne = QProxyStyle::pixelMetric(metric, option, widget);
        if (metric == PM_ScrollBarExtent || metric == PM_ScrollBarSliderMin)
            return int(std::lround(metricAtOne * scale));
        return metricAtOne;
    }
};

namespace {
QFont enlarged(QFont font, qreal scale)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * scale);
    else
        font.setPixelSize(int(std::lround(font.pixelSize() * scale)));
    return font;
}
}

ScaledLayout::ScaledLayout(QWidget *window, QSize logicalSize, Canvas *canvas)
    : m_window(window)
    , m_logicalSize(logicalSize)
    , m_canvas(canvas)
{
    for (QWidget *control : window->findChildren<QWidget *>())
        if (!control->isWindow())
            m_controls.push_back({control, control->geometry(), control->font()});
    window->installEventFilter(this);
    fit();
}

ScaledLayout::~ScaledLayout()
{
    // The scroll bars must not outlive the style they use.
    for (const Control &control : m_controls)
        if (auto *bar = qobject_cast<QScrollBar *>(control.widget.data()); bar && bar->style() == m_scrollBarStyle.get())
            bar->setStyle(nullptr);
}

qreal ScaledLayout::scaleFor(QSize windowSize, QSize logicalSize)
{
    return std::max(1.0, std::min(qreal(windowSize.width()) / logicalSize.width(),
                                  qreal(windowSize.height()) / logicalSize.height()));
}

QRect ScaledLayout::scaled(const QRect &logical) const
{
    const auto at = [this](int coordinate) { return int(std::lround(coordinate * m_scale)); };
    return QRect(QPoint(at(logical.left()), at(logical.top())),
                 QPoint(at(logical.left() + logical.width()) - 1, at(logical.top() + logical.height()) - 1));
}

void ScaledLayout::fit()
{
    const qreal scale = scaleFor(m_window->size(), m_logicalSize);
    const QSize shown(int(std::lround(m_logicalSize.width() * scale)), int(std::lround(m_logicalSize.height() * scale)));
    const QPoint origin(std::max(0, (m_window->width() - shown.width()) / 2),
                        std::max(0, (m_window->height() - shown.height()) / 2));
    if (scale != m_scale || origin != m_origin)
        apply(scale, origin);
}

void ScaledLayout::apply(qreal scale, QPoint origin)
{
    m_scale = scale;
    m_origin = origin;
    if (scale != 1 && !m_scrollBarStyle)
        m_scrollBarStyle = std::make_unique<ScrollBarScaling>();
    if (m_scrollBarStyle)
        m_scrollBarStyle->scale = scale;
    for (const Control &control : m_controls) {
        QWidget *widget = control.widget;
        if (!widget)
            continue;
        const QPoint offset = widget->parentWidget() == m_window ? origin : QPoint();
        widget->setGeometry(scaled(control.geometry).translated(offset));
        widget->setFont(scale == 1 ? control.font : enlarged(control.font, scale)); // inherited stays inherited
        if (auto *bar = qobject_cast<QScrollBar *>(widget)) {
            bar->setStyle(scale == 1 ? nullptr : m_scrollBarStyle.get());
            bar->update();
        }
    }
    m_canvas->setZoom(scale);
}

ScaledLayout::AtScaleOne::AtScaleOne(ScaledLayout &layout)
    : m_layout(layout)
    , m_scale(layout.m_scale)
    , m_origin(layout.m_origin)
{
    m_layout.m_window->setUpdatesEnabled(false);
    m_layout.apply(1, QPoint());
}

ScaledLayout::AtScaleOne::~AtScaleOne()
{
    m_layout.apply(m_scale, m_origin);
    m_layout.m_window->setUpdatesEnabled(true);
}

void ScaledLayout::setGeometry(QWidget *control, const QRect &logical)
{
    for (Control &kept : m_controls)
        if (kept.widget == control) {
            kept.geometry = logical;
            control->setGeometry(scaled(logical).translated(control->parentWidget() == m_window ? m_origin : QPoint()));
        }
}

void ScaledLayout::setFont(QWidget *control, const QFont &font)
{
    for (Control &kept : m_controls)
        if (kept.widget == control) {
            kept.font = font;
            control->setFont(m_scale == 1 ? font : enlarged(font, m_scale));
        }
}

QFont ScaledLayout::font(const QWidget *control) const
{
    for (const Control &kept : m_controls)
        if (kept.widget == control)
            return kept.font;
    return control->font();
}

bool ScaledLayout::isWindowCommand(const QEvent &event) const
{
    switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        break;
    default:
        return false;
    }
    const int key = static_cast<const QKeyEvent &>(event).key();
    return key == Qt::Key_F11 || (key == Qt::Key_Escape && m_window->isFullScreen());
}

void ScaledLayout::toggleFullScreen()
{
    m_window->setWindowState(m_window->windowState() ^ Qt::WindowFullScreen); // back to maximised, if it was
}

bool ScaledLayout::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        if (event->type() == QEvent::Resize) {
            fit();
        } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape
                   && m_window->isFullScreen()) {
            if (!static_cast<QKeyEvent *>(event)->isAutoRepeat())
                toggleFullScreen();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
