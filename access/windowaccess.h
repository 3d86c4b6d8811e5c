// SPDX-License-Identifier: MIT
#pragma once

class QAccessibleInterface;
class QObject;
class QWidget;

// A main window's central widget only holds the window's parts: assistive technology finds them
// as the window's own children, with no unnamed object between. The interface of a main window,
// or none for any other object.
QAccessibleInterface *createWindowAccessible(QObject *object);

// What assistive technology sees as the widget's parent: the main window for a part its central
// widget holds, the parent widget's interface otherwise.
QAccessibleInterface *accessibleParent(const QWidget *widget);
