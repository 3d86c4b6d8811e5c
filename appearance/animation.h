// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <QtGlobal>

// The piston's strokes: quick steps to the left, slow steps back to the right.
// A tick either moves the piston to a new Left (in twips) or hands over to the other stroke.
class PistonStroke
{
public:
    static constexpr int kRest = 1740;
    static constexpr int kLeftmost = 660;
    static constexpr int kLeftStep = 80;
    static constexpr int kRightStep = 40;
    static constexpr int kLeftInterval = 10; // ms
    static constexpr int kRightInterval = 50; // ms

    struct Tick {
        std::optional<int> left; // where the piston goes; absent on a hand-over
    };

    void start() { animpos = kRest; }
    Tick leftward();
    Tick rightward();

    qint16 animpos = 0; // the Left that the next moving tick gives the piston
};
