// SPDX-License-Identifier: MIT
#include "desktop/waylandconnection.h"

#include <memory>
#include <QGuiApplication>
#include <QMetaObject>
#include <QPointer>

#ifdef HAVE_WAYLAND
#include <qpa/qplatformnativeinterface.h>
#include <wayland-client.h>

namespace {
QPlatformNativeInterface *nativeInterface()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
        ? QGuiApplication::platformNativeInterface()
        : nullptr;
}
} // namespace

namespace WaylandConnection {

wl_display *display()
{
    QPlatformNativeInterface *native = nativeInterface();
    return native ? static_cast<wl_display *>(native->nativeResourceForIntegration("wl_display")) : nullptr;
}

void *windowResource(const char *name, QWindow *window)
{
    QPlatformNativeInterface *native = nativeInterface();
    return native && window ? native->nativeResourceForWindow(name, window) : nullptr;
}

// The compositor answers a sync request after all earlier ones, and Qt dispatches its answer on
// the default queue, in order, after the events sent before it.
void afterTheCompositorCaughtUp(QObject *context, std::function<void()> then)
{
    wl_display *connection = display();
    if (!connection) {
        then();
        return;
    }
    struct Pending {
        QPointer<QObject> context;
        std::function<void()> then;
    };
    static const wl_callback_listener listener = {
        [](void *data, wl_callback *callback, uint32_t) {
            const std::unique_ptr<Pending> pending(static_cast<Pending *>(data));
            wl_callback_destroy(callback);
            if (pending->context)
                QMetaObject::invokeMethod(pending->context, pending->then, Qt::QueuedConnection);
        },
    };
    wl_callback_add_listener(wl_display_sync(connection), &listener, new Pending{context, std::move(then)});
    wl_display_flush(connection);
}

} // namespace WaylandConnection

#else

namespace WaylandConnection {

wl_display *display()
{
    return nullptr;
}

void *windowResource(const char *, QWindow *)
{
    return nullptr;
}

void afterTheCompositorCaughtUp(QObject *, std::function<void()> then)
{
    then();
}

} // namespace WaylandConnection

#endif
