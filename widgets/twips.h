// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <QRect>

// The design is measured in twips (1/1440 inch); these convert at the screen's logical DPI,
// 15 twips to the pixel at 96 DPI.
namespace Twips {
int toPixels(int twips);
QPoint point(int x, int y);
QRect rect(int left, int top, int width, int height);
} // namespace Twips
