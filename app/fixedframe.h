// SPDX-License-Identifier: MIT
#pragma once

class QWindow;

// Tells the X11 window manager that the window can be moved, minimized and closed, and
// nothing else: no resizing border, no maximize button, no full screen. Qt always offers
// resizing in the Motif hints, even for a window of fixed size. Elsewhere a fixed size
// (equal minimum and maximum) already says so, and this does nothing.
void offerOnlyMoveMinimizeClose(QWindow *window);
