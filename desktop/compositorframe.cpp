// SPDX-License-Identifier: MIT
#include "desktop/compositorframe.h"

#ifdef HAVE_WAYLAND
#include "desktop/waylandconnection.h"
#include "xdg-decoration-unstable-v1-client-protocol.h"

#include <cstring>

namespace {

// The compositor's decoration manager, looked up once on Qt's connection. The registry is read
// on a queue of its own, so that nothing of Qt's is dispatched meanwhile; the manager then
// moves to the default queue, which Qt dispatches, as will the decorations made from it.
zxdg_decoration_manager_v1 *decorationManager()
{
    static zxdg_decoration_manager_v1 *const manager = [] {
        auto *display = WaylandConnection::display();
        if (!display)
            return static_cast<zxdg_decoration_manager_v1 *>(nullptr);
        wl_event_queue *queue = wl_display_create_queue(display);
        auto *wrapper = static_cast<wl_display *>(wl_proxy_create_wrapper(display));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(wrapper), queue);
        wl_registry *registry = wl_display_get_registry(wrapper);
        zxdg_decoration_manager_v1 *found = nullptr;
        static const wl_registry_listener listener = {
            [](void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t) {
                auto **found = static_cast<zxdg_decoration_manager_v1 **>(data);
                if (!*found && std::strcmp(interface, zxdg_decoration_manager_v1_interface.name) == 0)
                    *found = static_cast<zxdg_decoration_manager_v1 *>(
                        wl_registry_bind(registry, name, &zxdg_decoration_manager_v1_interface, 1));
            },
            [](void *, wl_registry *, uint32_t) {},
        };
        wl_registry_add_listener(registry, &listener, &found);
        wl_display_roundtrip_queue(display, queue);
        if (found)
            wl_proxy_set_queue(reinterpret_cast<wl_proxy *>(found), nullptr);
        wl_registry_destroy(registry);
        wl_proxy_wrapper_destroy(wrapper);
        wl_event_queue_destroy(queue);
        return found;
    }();
    return manager;
}

} // namespace

bool CompositorFrame::isOffered()
{
    return decorationManager() != nullptr;
}

CompositorFrame::CompositorFrame(QWindow *window, std::function<void(bool drawn)> decided)
    : m_decided(std::move(decided))
{
    auto *toplevel = static_cast<xdg_toplevel *>(WaylandConnection::windowResource("xdg_toplevel", window));
    if (!decorationManager() || !toplevel) {
        m_decided(false);
        return;
    }
    m_decoration = zxdg_decoration_manager_v1_get_toplevel_decoration(decorationManager(), toplevel);
    static const zxdg_toplevel_decoration_v1_listener listener = {
        [](void *frame, zxdg_toplevel_decoration_v1 *, uint32_t mode) {
            static_cast<CompositorFrame *>(frame)->m_decided(mode == ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE);
        },
    };
    zxdg_toplevel_decoration_v1_add_listener(m_decoration, &listener, this);
    zxdg_toplevel_decoration_v1_set_mode(m_decoration, ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE);
}

CompositorFrame::~CompositorFrame()
{
    if (m_decoration)
        zxdg_toplevel_decoration_v1_destroy(m_decoration);
}

#else

bool CompositorFrame::isOffered()
{
    return false;
}

CompositorFrame::CompositorFrame(QWindow *, std::function<void(bool drawn)> decided) : m_decided(std::move(decided))
{
    m_decided(false);
}

CompositorFrame::~CompositorFrame() = default;

#endif
