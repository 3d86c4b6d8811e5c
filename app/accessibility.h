// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

// Gives every input, result box, check box and button the name and description that a
// screen reader announces.
void describeControls(QWidget *form);

// Tells assistive technology that the verdict changed, so that it is read out.
void announce(QWidget *verdict);
