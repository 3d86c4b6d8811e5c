// SPDX-License-Identifier: MIT
#pragma once

class QAccessibleInterface;
class QComboBox;
class QObject;

// The interface of an editable combo box, or none for any other object. Qt names such a box
// after its text on Linux, and the box, not its edit field, takes the focus: this one keeps the
// name it was given and offers its text as value and text.
QAccessibleInterface *createComboAccessible(QObject *object);

// The box's list opens on the item the box shows, or on its first, so that a screen reader says
// where the list starts, and keeps no current item once it has closed, as assistive technology
// would take that for a second focus. Its opening and closing are told as the box's expanded state.
void followListOpening(QComboBox *combo);
