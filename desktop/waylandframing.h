// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include <functional>
#include <memory>

class CompositorFrame;
class WaylandFrame;
class QWidget;

// Who frames a window of fixed size on Wayland: the compositor, where it offers to and as long as
// it agrees to; else the window itself, with a WaylandFrame. Never Qt, whose frame offers to
// maximize. The window is frameless to Qt from the start.
class WaylandFraming : public QObject
{
public:
    static bool isWanted(); // on Wayland
    // The window's own frame gets a title bar and borders of these sizes, in pixels. Told, after
    // the window's contents margins changed, each time the frame changes hands.
    WaylandFraming(QWidget *window, int titleBarHeight, int borderWidth, std::function<void()> changed);
    ~WaylandFraming() override;

    bool byCompositor() const { return !m_ownFrame; }
    // Asks the compositor for its frame: as the window is shown, before it is first drawn.
    void windowShown();
    // Lets go of the compositor's frame: before the window hides.
    void windowClosing();

private:
    void frame(bool byCompositor);

    QWidget *m_window;
    int m_titleBarHeight;
    int m_borderWidth;
    std::function<void()> m_changed;
    WaylandFrame *m_ownFrame = nullptr;
    std::unique_ptr<CompositorFrame> m_compositorFrame;
};
