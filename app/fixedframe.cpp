// SPDX-License-Identifier: MIT
#include "app/fixedframe.h"

#include <QGuiApplication>
#include <QWindow>

#ifdef HAVE_XCB
#include <array>
#include <cstdint>
#include <cstdlib>
#include <xcb/xcb.h>

void offerOnlyMoveMinimizeClose(QWindow *window)
{
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
}
#else
void offerOnlyMoveMinimizeClose(QWindow *)
{ }
#endif
