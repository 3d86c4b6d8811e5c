// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Lets the combo boxes keep their names, the verdict read as a notification and the menu items
// with check marks read as checkable. Before any control is created.
void installAccessibleInterfaces();

// Links the headings and units to their fields, names the help texts after their headings
// and tells assistive technology when a menu item's check mark moves.
void describeControls(QWidget *form);

// Tells assistive technology that the verdict changed, so that it is read out.
void announce(QWidget *verdict);
