// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/factory.h"

#include <span>

class AutoLabel;
class QFrame;

// One help panel: a frame beside the calculator, opened by a Help item, closed by its
// red "close" label.
struct PanelSpec {
    const char *frame;
    const char *opener; // the Help menu item
    const char *closer; // the "close" label
    int top;
    std::span<const ControlSpec> controls;
    std::span<const LineSpec> lines;
};

namespace Panels {
constexpr int kLeft = 4920;
constexpr int kWidth = 2895;
constexpr int kHeight = 5925;
constexpr ColorValue kBackColor = 0xFFC0C0;

// Frame2 to Frame5, in that order.
extern const std::span<const PanelSpec> kPanels;

// Builds a hidden panel inside frame1, its "close" label last. Every control on it carries explicit colours, so
// nothing that recolours frame1 reaches the panel.
QFrame *build(const PanelSpec &panel, QWidget *frame1);
} // namespace Panels
