// SPDX-License-Identifier: MIT
#pragma once

class QAccessibleInterface;
class QObject;

// The interface of an editable combo box, or none for any other object. Qt names such a box
// after its text on Linux, and the box, not its edit field, takes the focus: this one keeps the
// name it was given and offers its text as value and text.
QAccessibleInterface *createComboAccessible(QObject *object);
