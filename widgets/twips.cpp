// SPDX-License-Identifier: MIT
#include "widgets/twips.h"

#include <cmath>
#include <QGuiApplication>
#include <QScreen>

namespace Twips {

int toPixels(int twips)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return int(std::lround(twips * dpi / 1440.0));
}

QPoint point(int x, int y)
{
    return {toPixels(x), toPixels(y)};
}

QRect rect(int left, int top, int width, int height)
{
    return {point(left, top), QSize(toPixels(width), toPixels(height))};
}

} // namespace Twips
