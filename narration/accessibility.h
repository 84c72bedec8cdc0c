// SPDX-FileCopyrightText: 2026 Kestrova developers <vyvojari@kestrova.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QString;
class QWidget;

// What assistive technology (a screen reader, over AT-SPI or UI Automation) learns beyond Qt's own view of the
// widgets: the main window is a frame named by its title that can be busy, the drawing is a picture, a label of
// the window that the drawing has covered is no longer shown, and a setting tells its value in words.
namespace accessibility {

// Installs those views; once is enough, before the window is built.
void install();

// How a widget is presented: set as soon as it is created, before anything asks for its accessible interface.
enum class Role { Default, Frame, Picture, Label, Setting };
void present(QWidget *widget, Role role);

// A setting's value in words, beside its number (a Setting is a scroll bar).
void setValueText(QWidget *setting, const QString &text);

// Marks the window busy or not and announces a change: a state-change event, and on Linux the AT-SPI
// state-changed:busy signal, which Qt's own bridge does not send.
void setBusy(QWidget *window, bool busy);
bool isBusy(const QWidget *window);

// The label lies beneath the drawing from now on: it is reported as not shown, and that is announced.
void setCovered(QWidget *label);
bool isCovered(const QWidget *label);

} // namespace accessibility
