// SPDX-License-Identifier: MIT
#pragma once

class QWindow;

// What a window of fixed size tells an X11 window manager itself, past what Qt tells it.
// Elsewhere than on X11, a fixed size (equal minimum and maximum) already says so, and these do nothing.
namespace X11Window {

// That the window can be moved, minimized and closed, and nothing else: no resizing border, no
// maximize button, no full screen. Qt always offers resizing in the Motif hints, even for a
// window of fixed size.
void offerOnlyMoveMinimizeClose(QWindow *window);

// To end full screen and maximized, whatever Qt believes the window's state to be: some
// managers grant them again without saying so.
void leaveFullScreenAndMaximized(QWindow *window);

} // namespace X11Window
