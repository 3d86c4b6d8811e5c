// SPDX-License-Identifier: MIT
#pragma once

class QAccessibleEvent;
class QObject;

// Tells assistive technology that a state of the object changed where Qt's bridge on Linux does
// not: it passes on a few states only (checked, focused, enabled, active). The state is named as
// on the desktop's accessibility bus ("visible", "expanded"). Elsewhere it does nothing.
void tellStateChange(QObject *object, const char *state, bool on);

// After a report that the object starts or stops showing: that it became visible or invisible.
// A screen reader that stored an object as invisible while its panel was hidden would else keep
// it so. After a label's new caption: whether it shows, as a label without one does not.
void tellVisibility(const QAccessibleEvent *event);
