// SPDX-License-Identifier: MIT
#include "desktop/fixedframe.h"

#include "desktop/windowsframe.h"
#include "desktop/x11window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {
constexpr Qt::WindowStates kGranted = Qt::WindowFullScreen | Qt::WindowMaximized;
constexpr int kSettlingMs = 300;
constexpr int kChecks = 20; // a window manager that insists longer keeps its way

// A Wayland compositor alone places windows; elsewhere a window can ask for its place.
bool placesItself()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
} // namespace

FixedFrame::FixedFrame(QWidget *window, int assumedSideBorders)
    : QObject(window), m_window(window), m_assumedSideBorders(assumedSideBorders)
{
    WindowsFrame::useFixedSizeFrame(window);
    window->installEventFilter(this);
    m_settling.setSingleShot(true);
    m_settling.setInterval(kSettlingMs);
    connect(&m_settling, &QTimer::timeout, this, [this] {
        const QWindow *native = m_window->windowHandle();
        const QScreen *screen = m_window->screen();
        // A title bar pushed off the top of the screen is taken back, as is any wrong place the
        // window manager leaves; where the user moves the window, it stays.
        if (native && screen && native->framePosition().y() >= screen->availableGeometry().top())
            m_place = native->framePosition();
        m_checking.start(0);
    });
    m_checking.setSingleShot(true);
    connect(&m_checking, &QTimer::timeout, this, [this] {
        const QWindow *native = m_window->windowHandle();
        if (!native)
            return;
        if (m_centred)
            m_place = centredPlace(); // the frame may have become known only now
        const bool inPlace = !placesItself() || native->framePosition() == m_place;
        if ((inShape() && inPlace) || ++m_checks > kChecks) {
            m_checks = 0;
            m_centred = false; // from now on the place is where it is
            return;
        }
        takeBack();
        m_checking.start(kSettlingMs);
    });
}

void FixedFrame::setOuterWidth(int pixels)
{
    if (m_frameKnown)
        m_centred = false; // a panel widens the window to the right of where it is
    m_outerWidth = pixels;
    fit();
}

void FixedFrame::setFrameUnmeasured(bool unmeasured)
{
    m_frameUnmeasured = unmeasured;
    if (m_outerWidth > 0)
        fit();
}

QMargins FixedFrame::margins() const
{
    return m_window->windowHandle() ? m_window->windowHandle()->frameMargins() : QMargins();
}

// The window system reports the frame only once the window is shown. Until then, the side
// borders are the ones assumed. A frameless window has none from the start: a frame it draws
// itself is part of its size.
int FixedFrame::sideBorders() const
{
    if (m_frameUnmeasured)
        return m_assumedSideBorders;
    if (m_frameKnown || m_window->windowFlags().testFlag(Qt::FramelessWindowHint)) {
        // Without frame extents (i3) the frame is read from the window the manager holds the
        // client in, which for a moment can be far wider than any frame: such a reading is not kept.
        // Nor is a negative one: Qt on Windows takes the invisible sizing border of Windows 10
        // off every frame, also off the fixed-size one that has none.
        const QMargins frame = margins();
        const int border = frame.left() + frame.right();
        if (border >= 0 && border < m_outerWidth / 2)
            m_sideBorders = border;
    }
    return m_sideBorders.value_or(m_assumedSideBorders);
}

QSize FixedFrame::clientSize() const
{
    return {m_outerWidth - sideBorders(), m_window->minimumHeight()};
}

bool FixedFrame::inShape() const
{
    return !(m_window->windowState() & kGranted) && m_window->size() == clientSize();
}

void FixedFrame::fit()
{
    if (m_window->windowState() & kGranted)
        return; // the frame is not the usual one: the size is set once the state is taken back
    const QSize size = clientSize();
    m_window->setFixedSize(size); // does nothing where the bounds stay: the size is set anew
    m_window->resize(size); // the left edge stays: the frame keeps its position
}

void FixedFrame::centreOnScreen()
{
    placeFrameAt(centredPlace());
}

QPoint FixedFrame::centredPlace() const
{
    const QScreen *screen = m_window->screen();
    const QRect outer(QPoint(), clientSize().grownBy(margins()));
    return screen ? screen->availableGeometry().center() - outer.center() : m_place;
}

// Until the frame is known, the position asked for is the frame's (north-west gravity in the
// size hints), which some window managers take for the window's own. From then on it is the
// window's own position inside the frame (static gravity), which every manager honours.
void FixedFrame::placeFrameAt(QPoint topLeft)
{
    m_place = topLeft;
    QWindow *native = m_window->windowHandle();
    if (!placesItself())
        return;
    if (m_frameKnown && native)
        native->setPosition(topLeft + QPoint(margins().left(), margins().top()));
    else
        m_window->move(topLeft); // a top-level widget's position is that of its frame
}

void FixedFrame::takeBack()
{
    m_settling.stop();
    if (m_window->windowState() & kGranted)
        m_window->setWindowState(m_window->windowState() & ~kGranted);
    else if (m_window->size() != clientSize())
        X11Window::leaveFullScreenAndMaximized(m_window->windowHandle());
    fit();
    placeFrameAt(m_place);
}

bool FixedFrame::eventFilter(QObject *watched, QEvent *event)
{
    QWindow *native = m_window->windowHandle();
    if (watched == m_window && event->type() == QEvent::WinIdChange && native) {
        native->installEventFilter(this); // the native window is new: before it is mapped
        X11Window::offerOnlyMoveMinimizeClose(native);
    } else if (watched == native && event->type() == QEvent::Expose && !m_frameKnown && native->isExposed()) {
        m_frameKnown = true;
        fit();
        centreOnScreen();
        m_checking.start(kSettlingMs);
    } else if (m_frameKnown && watched == native
               && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        if (inShape())
            m_settling.start(); // the user moves it, or the window manager does before it asks more
        else
            m_checking.start(0);
    } else if (m_frameKnown && watched == m_window && event->type() == QEvent::WindowStateChange) {
        m_settling.stop();
        m_checking.start(0);
    }
    return false;
}
