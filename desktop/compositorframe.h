// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWindow;
struct zxdg_toplevel_decoration_v1;

// The frame a Wayland compositor draws around a window when asked to (server-side decoration).
// Off Wayland, and where the compositor offers none, there is none to ask for.
class CompositorFrame
{
public:
    // Whether the compositor offers to draw the frames of its windows.
    static bool isOffered();

    // Asks the compositor to frame the window, which must be frameless to Qt (or Qt would ask in
    // its stead, and draw a frame with a maximize button where it is refused). Call it as the
    // window is shown, before it is first drawn. Each time the compositor decides, tells whether
    // it draws the frame: a compositor may refuse, and change its mind later.
    CompositorFrame(QWindow *window, std::function<void(bool drawn)> decided);
    // Before the window hides: a compositor holds a frame that outlives its window for an error.
    ~CompositorFrame();
    CompositorFrame(const CompositorFrame &) = delete;
    CompositorFrame &operator=(const CompositorFrame &) = delete;

private:
    std::function<void(bool drawn)> m_decided;
    zxdg_toplevel_decoration_v1 *m_decoration = nullptr;
};
