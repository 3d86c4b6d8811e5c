// SPDX-License-Identifier: MIT
#include "appearance/animation.h"

// Both comparisons are strict and a hand-over does not move the piston, so the drawn
// positions are 1740 down to 700 and 660 up to 1740, never 620 or 1780.
PistonStroke::Tick PistonStroke::leftward()
{
    if (animpos < kLeftmost) {
        animpos = kLeftmost;
        return {};
    }
    const int left = animpos;
    animpos = qint16(animpos - kLeftStep);
    return {left};
}

PistonStroke::Tick PistonStroke::rightward()
{
    if (animpos > kRest) {
        animpos = kRest;
        return {};
    }
    const int left = animpos;
    animpos = qint16(animpos + kRightStep);
    return {left};
}
