// SPDX-License-Identifier: MIT
#include "desktop/windowsframe.h"

#include <QWidget>

namespace WindowsFrame {

void useFixedSizeFrame([[maybe_unused]] QWidget *window)
{
#ifdef Q_OS_WIN
    window->setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
#endif
}

} // namespace WindowsFrame
