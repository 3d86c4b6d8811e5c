// SPDX-License-Identifier: MIT
#include "desktop/waylandframing.h"

#include "desktop/compositorframe.h"
#include "desktop/waylandframe.h"

#include <QGuiApplication>
#include <QWidget>

bool WaylandFraming::isWanted()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

WaylandFraming::WaylandFraming(QWidget *window, int titleBarHeight, int borderWidth, std::function<void()> changed)
    : QObject(window), m_window(window), m_titleBarHeight(titleBarHeight), m_borderWidth(borderWidth),
      m_changed(std::move(changed))
{
    // The hints of title bar buttons go too, as they would bring Qt's frame back.
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    if (!CompositorFrame::isOffered())
        m_ownFrame = new WaylandFrame(window, titleBarHeight, borderWidth);
}

WaylandFraming::~WaylandFraming() = default;

void WaylandFraming::windowShown()
{
    if (!m_compositorFrame && CompositorFrame::isOffered())
        m_compositorFrame =
            std::make_unique<CompositorFrame>(m_window->windowHandle(), [this](bool drawn) { frame(drawn); });
}

void WaylandFraming::windowClosing()
{
    m_compositorFrame.reset();
}

void WaylandFraming::frame(bool byCompositor)
{
    if (byCompositor == this->byCompositor())
        return;
    if (byCompositor) {
        delete m_ownFrame;
        m_ownFrame = nullptr;
        m_window->setContentsMargins({});
    } else {
        m_ownFrame = new WaylandFrame(m_window, m_titleBarHeight, m_borderWidth);
        m_ownFrame->show();
    }
    m_changed();
}
