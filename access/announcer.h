// SPDX-License-Identifier: MIT
#pragma once

class QAccessibleInterface;
class QObject;
class QString;
class QWidget;

// An invisible object whose announcements assistive technology reads out wherever the focus is.
QWidget *createAnnouncer(QWidget *parent);
void announce(QWidget *announcer, const QString &text);

// The announcer's interface, or none for any other object.
QAccessibleInterface *createAnnouncerAccessible(QObject *object);
