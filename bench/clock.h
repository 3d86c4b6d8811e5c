// SPDX-License-Identifier: MIT
#pragma once

#include <ctime>

// One clock for the harness and the programs it starts, so their times compare.
inline long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}
