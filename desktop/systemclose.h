// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Closes the window the normal way, so that it saves its settings, when the system asks the
// program to end: the desktop session ending, Ctrl+C in a terminal or the terminal closing
// (SIGHUP), or SIGTERM; on a signal the program then ends, whatever window closing left up.
void closeWhenTheSystemAsks(QWidget *window);
