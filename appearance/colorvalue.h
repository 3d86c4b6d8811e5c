// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QtGlobal>

class QPalette;
class QWidget;

// Colours in the window system's form: 0x00BBGGRR is a fixed colour with red in the low
// byte; 0x800000nn names the desktop's system colour number nn.
using ColorValue = quint32;

namespace SystemColor {
constexpr ColorValue WindowBackground = 0x80000005;
constexpr ColorValue WindowText = 0x80000008;
constexpr ColorValue ButtonFace = 0x8000000F;
constexpr ColorValue ButtonText = 0x80000012;
} // namespace SystemColor

constexpr ColorValue rgbValue(int red, int green, int blue)
{
    return ColorValue(red) | ColorValue(green) << 8 | ColorValue(blue) << 16;
}

QColor resolveColor(ColorValue value, const QPalette &desktop);

// A control's colour properties. The value is kept on the widget (as the dynamic property
// "BackColor", "ForeColor", "BorderColor" or "FrameColor") so that system colours can be
// resolved again when the desktop's palette changes. Frame is the colour that some styles
// draw a box's outline from; unless set, a control takes it from its parent's back colour.
enum class ColorProperty { Back, Fore, Border, Frame };

void setColor(QWidget *widget, ColorProperty property, ColorValue value);
ColorValue colorOf(const QWidget *widget, ColorProperty property);

// Resolves every stored colour value below root against the current application palette.
void refreshColors(QWidget *root);
