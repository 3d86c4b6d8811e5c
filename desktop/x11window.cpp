// SPDX-License-Identifier: MIT
#include "desktop/x11window.h"

#include <QGuiApplication>
#include <QWindow>

#ifdef HAVE_XCB
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace {

// The X11 connection of a native window; none before it is created, nor off X11.
xcb_connection_t *connectionOf(const QWindow *window)
{
    // The offscreen platform answers to the X11 interface too, without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb") || !window->handle())
        return nullptr;
    return x11->connection();
}

xcb_atom_t atom(xcb_connection_t *connection, const char *name)
{
    xcb_intern_atom_reply_t *reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, false, std::strlen(name), name), nullptr);
    const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return value;
}

} // namespace
#endif

namespace X11Window {

void offerOnlyMoveMinimizeClose([[maybe_unused]] QWindow *window)
{
#ifdef HAVE_XCB
    xcb_connection_t *connection = connectionOf(window);
    if (!connection)
        return;
    const xcb_atom_t hintsAtom = atom(connection, "_MOTIF_WM_HINTS");
    enum : uint32_t { Functions = 1, Decorations = 2 }; // which fields count
    enum : uint32_t { Border = 2, Title = 8, Menu = 16, MinimizeButton = 32 };
    enum : uint32_t { Move = 4, Minimize = 8, Close = 32 };
    // flags, functions, decorations, input mode, status
    const std::array<uint32_t, 5> hints = {Functions | Decorations, Move | Minimize | Close,
                                           Border | Title | Menu | MinimizeButton, 0, 0};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()), hintsAtom, hintsAtom, 32,
                        hints.size(), hints.data());
    xcb_flush(connection);
#endif
}

void leaveFullScreenAndMaximized([[maybe_unused]] QWindow *window)
{
#ifdef HAVE_XCB
    xcb_connection_t *connection = connectionOf(window);
    if (!connection)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::array<std::array<xcb_atom_t, 2>, 2> states = {{
        {atom(connection, "_NET_WM_STATE_FULLSCREEN"), xcb_atom_t(XCB_ATOM_NONE)},
        {atom(connection, "_NET_WM_STATE_MAXIMIZED_VERT"), atom(connection, "_NET_WM_STATE_MAXIMIZED_HORZ")},
    }};
    for (const auto &pair : states) {
        xcb_client_message_event_t message{};
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = xcb_window_t(window->winId());
        message.type = atom(connection, "_NET_WM_STATE");
        // remove, a state, a second state or none, asked by a normal application
        message.data.data32[0] = 0;
        message.data.data32[1] = pair[0];
        message.data.data32[2] = pair[1];
        message.data.data32[3] = 1;
        xcb_send_event(connection, false, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&message));
    }
    xcb_flush(connection);
#endif
}

} // namespace X11Window
