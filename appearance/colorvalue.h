// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

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

// Fixed colours that more than one part of the window uses.
namespace FixedColor {
constexpr ColorValue White = rgbValue(255, 255, 255);
constexpr ColorValue Red = rgbValue(255, 0, 0);
} // namespace FixedColor
