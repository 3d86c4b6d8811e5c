// SPDX-License-Identifier: MIT
#include "desktop/gpudriver.h"

#include <QByteArray>

void leaveTheGpuDriverUnloaded()
{
    if (!qEnvironmentVariableIsSet("QT_WAYLAND_CLIENT_BUFFER_INTEGRATION")
        && !qEnvironmentVariableIsSet("QT_WAYLAND_DISABLE_WINDOWDECORATION"))
        qputenv("QT_WAYLAND_DISABLE_WINDOWDECORATION", QByteArrayLiteral("1"));
}
