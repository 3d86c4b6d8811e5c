// SPDX-License-Identifier: MIT
#pragma once

#include "widgets/factory.h"

#include <span>

// Whether a menu item carries a check mark, and whether it is one of a set of choices.
enum class Mark { None, Check, Choice };

struct MenuSpec {
    const char *name;
    const char *caption;
    const char *menu; // the menu it sits in; nullptr for the menus of the bar itself
    Mark mark = Mark::None;
};

struct ListSpec {
    const char *combo;
    std::span<const char *const> items;
};

namespace Design {
// The window: client area, the outer widths of the two layouts and the calculator panel.
constexpr int kClientHeight = 6210;
constexpr int kCreatedClientWidth = 7950;
constexpr int kWideOuterWidth = 8070;
constexpr int kNarrowOuterWidth = 5130;
constexpr int kWideFrameWidth = 7875;
constexpr int kNarrowFrameWidth = 4905;
constexpr int kFrameLeft = 60;
constexpr int kFrameHeight = 6135;
// The title bar of the frame the window draws itself: room for a 16-pixel icon and the title at 96 DPI.
constexpr int kTitleBarHeight = 330;

extern const char *const kCaption;
constexpr char kVerdict[] = "Label1"; // empty until the first computation
extern const std::span<const ControlSpec> kPictures;
extern const std::span<const ControlSpec> kLabels;
extern const std::span<const ControlSpec> kInputs;
extern const std::span<const LineSpec> kLines;
extern const std::span<const ListSpec> kLists;
extern const std::span<const MenuSpec> kMenus;
} // namespace Design
