// SPDX-License-Identifier: MIT
#pragma once

#include "appearance/colorvalue.h"

#include <QColor>

class QPalette;
class QWidget;

QColor resolveColor(ColorValue value, const QPalette &desktop);

// A control's colour properties. The value is kept on the widget (as the dynamic property
// "BackColor", "ForeColor", "BorderColor" or "FrameColor") so that system colours can be
// resolved again when the desktop's palette changes. Frame is the colour that some styles
// draw a box's outline from; unless set, a control takes it from its parent's back colour.
enum class ColorProperty { Back, Fore, Border, Frame };

void setColor(QWidget *widget, ColorProperty property, ColorValue value);
void setColors(QWidget *widget, ColorValue back, ColorValue fore); // in one palette change
ColorValue colorOf(const QWidget *widget, ColorProperty property);

// Resolves every stored colour value below root against the current application palette.
void refreshColors(QWidget *root);
