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
#include <xcb/xcb.h>
#endif

namespace {

// Tells the X11 window manager that the window can be moved, minimized and closed, and
// nothing else: no resizing border, no maximize button, no full screen. Qt always offers
// resizing in the Motif hints, even for a window of fixed size. Elsewhere a fixed size
// (equal minimum and maximum) already says so, and this does nothing.
void offerOnlyMoveMinimizeClose([[maybe_unused]] QWindow *window)
{
#ifdef HAVE_XCB
    // The offscreen platform answers to the X11 interface too, without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb") || !window->handle())
        return;
    xcb_connection_t *connection = x11->connection();
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

} // namespace

FixedFrame::FixedFrame(QWidget *window) : QObject(window), m_window(window)
{
    window->installEventFilter(this);
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

// The window system reports the frame only once the window is mapped, so this runs again
// when it does. Until then, and where it reports none, the side borders are the ones the
// design implies: its wide outer width less its client width.
void FixedFrame::fit()
{
    const QMargins frame = margins();
    const int border = frame.isNull()
        ? Twips::toPixels(Design::kWideOuterWidth) - Twips::toPixels(Design::kCreatedClientWidth)
        : frame.left() + frame.right();
    const int clientWidth = Twips::toPixels(m_outerWidth) - border;
    if (clientWidth != m_window->width())
        m_window->setFixedWidth(clientWidth); // the left edge stays: the frame keeps its position
    if (!frame.isNull() && !m_centred) {
        m_centred = true;
        centreOnScreen();
    }
}

void FixedFrame::centreOnScreen()
{
    // A top-level widget's position is that of its frame.
    if (const QScreen *screen = m_window->screen())
        m_window->move(screen->availableGeometry().center()
                       - QRect(QPoint(), m_window->size().grownBy(margins())).center());
}

bool FixedFrame::eventFilter(QObject *watched, QEvent *event)
{
    QWindow *native = m_window->windowHandle();
    switch (event->type()) {
    case QEvent::WinIdChange: // the native window is new: before it is mapped
        if (watched == m_window && native) {
            native->installEventFilter(this);
            offerOnlyMoveMinimizeClose(native);
        }
        break;
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::Expose:
        if (watched == native)
            fit();
        break;
    case QEvent::WindowStateChange: {
        // Some window managers offer full screen to any window; the size stays fixed all the same.
        const Qt::WindowStates wide = Qt::WindowFullScreen | Qt::WindowMaximized;
        if (watched == m_window && m_window->windowState() & wide)
            QTimer::singleShot(0, m_window,
                               [this, wide] { m_window->setWindowState(m_window->windowState() & ~wide); });
        break;
    }
    default:
        break;
    }
    return false;
}
