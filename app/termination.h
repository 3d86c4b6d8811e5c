// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Ctrl+C and SIGTERM close the window the normal way, so that it saves its settings.
void closeOnTerminationSignals(QWidget *window);
