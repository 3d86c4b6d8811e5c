// SPDX-License-Identifier: MIT
#pragma once

#include <QList>

class QAccessibleEvent;
class QAccessibleInterface;
class QObject;
class QPlainTextEdit;
class QWidget;

// Lets a read-only multi-line text read on, as assistive technology sees it, into the captions
// and texts that follow it on screen (each a QLabel or a QPlainTextEdit), so that a screen
// reader reads them all in one go. The captions are then no objects of their own, and the texts
// only while they have the focus (a screen reader reviewing the screen would else read them twice).
void continueText(QPlainTextEdit *text, const QList<QWidget *> &continuation);

// Whether the widget is read as part of another text.
bool continuesAnother(const QWidget *widget);

// After a report of the focus: a text read as part of another shows as an object of its own
// while it has the focus, and only then.
void tellContinuationFocus(const QAccessibleEvent *event);

// The interface of a read-only multi-line text with its continuation, or none for any other object.
QAccessibleInterface *createHelpTextAccessible(QObject *object);
