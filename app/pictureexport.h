// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QImage>

#include <functional>
#include <initializer_list>

class ScaledLayout;
class QWidget;

// The picture of the window as a file or on the clipboard: what the window shows at zoom 1, without its
// buttons; saved as PNG where the teacher names, or a Czech message says why not.
class PictureExport
{
    Q_DECLARE_TR_FUNCTIONS(SpomalenaAnimace)
public:
    // The window's controls, the bottom of the stack first, on its grey, but for those left out, at the size the
    // window was laid out for times the screen's pixel ratio, whatever the zoom.
    static QImage picture(QWidget &window, ScaledLayout &layout, QSize logicalSize,
                          std::initializer_list<const QWidget *> leftOut);
    // Saves image as PNG; when that fails, a message over parent says why, and false is returned.
    static bool save(QWidget *parent, const QImage &image, const QString &fileName);
    // Asks for a file name, with one suggested in the folder last saved to, and saves there.
    static void saveAs(QWidget *parent, const std::function<QImage()> &picture);
};
