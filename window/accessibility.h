// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Lets the combo boxes keep their names, the boxes answer every question about their text at
// once, the menu items with check marks read as checkable, the panels as named groups, the
// drawings as images and the "close" labels as buttons. Before any control is created.
void installAccessibleInterfaces();

// Links the headings and units to their fields, names the help texts and panels after their
// headings and tells assistive technology when a menu item's check mark moves.
void describeControls(QWidget *form, QWidget *announcer);
