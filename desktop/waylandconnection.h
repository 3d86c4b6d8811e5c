// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QObject;
class QWindow;
struct wl_display;

// Qt's own connection to the Wayland compositor, for what Qt does not ask of it. Off Wayland,
// and in builds without the Wayland client library, there is none.
namespace WaylandConnection {

wl_display *display();
// A native object of a shown window, such as its "xdg_toplevel"; null when there is none.
void *windowResource(const char *name, QWindow *window);
// Calls back once the compositor has handled every request made so far, and Qt every event the
// compositor sent meanwhile; at once where there is no compositor. Not after the context is gone.
void afterTheCompositorCaughtUp(QObject *context, std::function<void()> then);

} // namespace WaylandConnection
