// SPDX-License-Identifier: MIT
#pragma once

class QAccessibleInterface;
class QObject;

// The interface of a drop-down menu or of one of its items, or none for any other object.
// Qt's own menu finds no index for an item that reads as a radio button or a check box, and
// a screen reader passes over an item without one.
QAccessibleInterface *createMenuAccessible(QObject *object);
