// SPDX-License-Identifier: MIT
#pragma once

#include "appearance/colorvalue.h"

#include <QFont>
#include <span>

class QWidget;

enum class Kind {
    Label, // opaque, sized to its caption
    TransparentLabel, // the container's colour shows through
    TextBox, // single line, centred
    ResultBox, // single line, centred, read-only yet focusable and selectable
    PanelText, // multi-line, read-only, out of the Tab sequence, no scroll bars
    ComboBox, // editable drop-down list
    CheckBox,
    Button,
    Picture, // text holds the drawing's resource path
};

enum class Font { Body, BodyBold, Small, SmallBold, SmallItalic, Heading, HeadingItalic, Ratio };

constexpr ColorValue kKindColor = 0xFFFFFFFF; // the system colour a control of its kind has

// One control of the design. Positions and sizes in twips; Form1 converts them once.
struct ControlSpec {
    const char *name;
    Kind kind;
    const char *text;
    int left, top, width, height;
    Font font = Font::Body;
    int tab = 0; // the Tab sequence runs through the controls by increasing index; 0 is no stop
    const char *toolTip = nullptr;
    ColorValue back = kKindColor;
    ColorValue fore = kKindColor;
};

struct LineSpec {
    const char *name;
    int x1, y1, x2, y2;
};

struct MenuSpec {
    const char *name;
    const char *caption;
    const char *menu; // the menu it sits in; nullptr for the menus of the bar itself
    bool checkable = false;
};

struct ListSpec {
    const char *combo;
    std::span<const char *const> items;
};

QFont designFont(Font font);

// Creates the control and gives it its name, geometry, font, caption, colours and tool tip.
QWidget *createControl(const ControlSpec &row, QWidget *parent);
QWidget *createLine(const LineSpec &row, ColorValue color, QWidget *parent);

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

extern const char *const kCaption;
extern const std::span<const ControlSpec> kPictures;
extern const std::span<const ControlSpec> kLabels;
extern const std::span<const ControlSpec> kInputs;
extern const std::span<const LineSpec> kLines;
extern const std::span<const ListSpec> kLists;
extern const std::span<const MenuSpec> kMenus;
} // namespace Design
