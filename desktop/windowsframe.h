// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// What a window of fixed size tells Windows, past its equal minimum and maximum size: a frame
// without sizing border, so that the system menu offers no Size and the border no resizing
// cursors. To be called before the window is first shown. Elsewhere it does nothing.
namespace WindowsFrame {

void useFixedSizeFrame(QWidget *window);

} // namespace WindowsFrame
