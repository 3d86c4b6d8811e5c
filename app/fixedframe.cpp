// SPDX-License-Identifier: MIT
#include "app/fixedframe.h"

#include "app/design.h"
#include "widgets/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#ifdef HAVE_XCB
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <xcb/xcb.h>
#endif

namespace {

#ifdef HAVE_XCB
// The X11 connection of a native window; none before it is created, nor off X11.
xcb_connection_t *x11Connection(const QWindow *window)
{
    // The offscreen platform answers to the X11 interface too, without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb") || !window->handle())
        return nullptr;
    return x11->connection();
}
#endif

// Tells the X11 window manager that the window can be moved, minimized and closed, and
// nothing else: no resizing border, no maximize button, no full screen. Qt always offers
// resizing in the Motif hints, even for a window of fixed size. Elsewhere a fixed size
// (equal minimum and maximum) already says so, and this does nothing.
void offerOnlyMoveMinimizeClose([[maybe_unused]] QWindow *window)
{
#ifdef HAVE_XCB
    xcb_connection_t *connection = x11Connection(window);
    if (!connection)
        return;
    static const char name[] = "_MOTIF_WM_HINTS";
    xcb_intern_atom_reply_t *atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, sizeof name - 1, name), nullptr);
    if (!atom)
        return;
    enum : uint32_t { Functions = 1, Decorations = 2 }; // which fields count
    enum : uint32_t { Border = 2, Title = 8, Menu = 16, MinimizeButton = 32 };
    enum : uint32_t { Move = 4, Minimize = 8, Close = 32 };
    // flags, functions, decorations, input mode, status
    const std::array<uint32_t, 5> hints = {Functions | Decorations, Move | Minimize | Close,
                                           Border | Title | Menu | MinimizeButton, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), atom->atom, atom->atom, 32,
                        hints.size(), hints.data());
    xcb_flush(connection);
    std::free(atom);
#endif
}

// Asks the X11 window manager to end full screen and maximized, whatever Qt believes the
// window's state to be: some managers grant it again without telling. Elsewhere does nothing.
void leaveFullScreenAndMaximized([[maybe_unused]] QWindow *window)
{
#ifdef HAVE_XCB
    xcb_connection_t *connection = x11Connection(window);
    if (!connection)
        return;
    const auto atom = [connection](const char *name) {
        xcb_intern_atom_reply_t *reply =
            xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, std::strlen(name), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : XCB_ATOM_NONE;
        std::free(reply);
        return value;
    };
    const xcb_atom_t state = atom("_NET_WM_STATE");
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    for (const auto &[first, second] : {std::pair("_NET_WM_STATE_FULLSCREEN", ""),
                                        std::pair("_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ")}) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = xcb_window_t(window->winId());
        message.type = state;
        // remove, the first state, the second or none, the source: a normal application
        message.data.data32[0] = 0;
        message.data.data32[1] = atom(first);
        message.data.data32[2] = *second ? atom(second) : XCB_ATOM_NONE;
        message.data.data32[3] = 1;
        xcb_send_event(connection, false, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
    }
    xcb_flush(connection);
#endif
}

} // namespace

namespace {
constexpr Qt::WindowStates kGranted = Qt::WindowFullScreen | Qt::WindowMaximized;
constexpr int kSettlingMs = 300;
constexpr int kChecks = 20; // a window manager that insists longer keeps its way
} // namespace

FixedFrame::FixedFrame(QWidget *window) : QObject(window), m_window(window)
{
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
        if (m_centred)
            m_place = centredPlace(); // the frame may have become known only now
        if (!native || (inShape() && native->framePosition() == m_place) || ++m_checks > kChecks) {
            m_checks = 0;
            m_centred = false; // from now on the place is where it is
            return;
        }
        takeBack();
        m_checking.start(kSettlingMs);
    });
}

void FixedFrame::setOuterWidth(int twips)
{
    m_outerWidth = twips;
    fit();
}

QMargins FixedFrame::margins() const
{
    return m_window->windowHandle() ? m_window->windowHandle()->frameMargins() : QMargins();
}

// The window system reports the frame only once the window is shown. Until then, the side
// borders are the ones the design implies: its wide outer width less its client width.
QSize FixedFrame::clientSize() const
{
    const QMargins frame = margins();
    const int border = m_frameKnown
        ? frame.left() + frame.right()
        : Twips::toPixels(Design::kWideOuterWidth) - Twips::toPixels(Design::kCreatedClientWidth);
    return {Twips::toPixels(m_outerWidth) - border, m_window->minimumHeight()};
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

// Some window managers take the position of the frame, as the size hints declare, for that of
// the window inside it. Once the frame is known, the window is placed itself, as the hints
// then declare: that every window manager puts where it is asked.
void FixedFrame::placeFrameAt(QPoint topLeft)
{
    m_place = topLeft;
    QWindow *native = m_window->windowHandle();
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
        leaveFullScreenAndMaximized(m_window->windowHandle());
    fit();
    placeFrameAt(m_place);
}

bool FixedFrame::eventFilter(QObject *watched, QEvent *event)
{
    QWindow *native = m_window->windowHandle();
    if (watched == m_window && event->type() == QEvent::WinIdChange && native) {
        native->installEventFilter(this); // the native window is new: before it is mapped
        offerOnlyMoveMinimizeClose(native);
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
