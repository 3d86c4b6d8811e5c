// SPDX-License-Identifier: MIT
// What the started programs tell the harness: the monotonic time at which the window was
// first shown, then they close it at once.
#pragma once

#include "clock.h"

#include <cstdio>
#include <QTimer>
#include <QWidget>

// Shows the window; once the event loop has painted it, reports and closes it.
inline void showReportAndClose(QWidget *window)
{
    window->show();
    QTimer::singleShot(0, window, [window] {
        std::printf("shown %lld\n", monotonicNanoseconds());
        std::fflush(stdout);
        window->close();
    });
}
