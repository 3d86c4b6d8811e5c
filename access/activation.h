// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Keeps from assistive technology the reports of the window's activation that Qt sends when
// nothing changed for the user (a list or menu opening over it, a message box), and stale
// focus reports while a menu or list is open, a box's selection lost with the focus and a box
// emptied without the focus. Every other report goes on.
void filterSpuriousUpdates();

// Until the window is active again after the message box about to open over it, assistive
// technology hears of no change of its activation, and so does not read its title anew.
void quietActivation(QWidget *window);
