// SPDX-License-Identifier: MIT
#pragma once

#include "appearance/themes.h"

#include <QFont>

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

constexpr ColorValue kKindDefault = 0xFFFFFFFF; // the system colour that a control of its kind has

// The parts that a control's back and fore colours play in the colour themes.
struct ThemeRoles {
    Role back = Role::None;
    Role fore = Role::None;
};

namespace Themed {
constexpr ThemeRoles No;
constexpr ThemeRoles Panel{Role::PanelBack, Role::PanelFore};
constexpr ThemeRoles PanelBack{Role::PanelBack}; // the lettering is someone else's
constexpr ThemeRoles Box{Role::BoxBack};
constexpr ThemeRoles Button{Role::ButtonBack};
} // namespace Themed

// What assistive technology reads of a control.
struct Access {
    const char *name = nullptr;
    const char *description = nullptr;
    const char *labelFor = nullptr; // the field that this label names
    const char *unitOf = nullptr; // the field whose unit this label gives
};

// One control of the design. Positions and sizes in twips, converted once when it is created.
struct ControlSpec {
    const char *name;
    Kind kind;
    const char *text;
    int left, top, width, height;
    Font font = Font::Body;
    ThemeRoles themed = Themed::No;
    bool callout = false; // a caption of the cylinder drawing, hidden while the piston moves
    Access access = {};
    int tab = 0; // the Tab sequence runs through the controls by increasing index; 0 is no stop
    const char *toolTip = nullptr;
    ColorValue back = kKindDefault;
    ColorValue fore = kKindDefault;
};

struct LineSpec {
    const char *name;
    int x1, y1, x2, y2;
    Role themed = Role::None;
    bool callout = false;
};

QFont designFont(Font font);

// Creates the control and gives it its name, geometry, font, caption, colours, tool tip and
// accessible name and description.
QWidget *createControl(const ControlSpec &row, QWidget *parent);
QWidget *createLine(const LineSpec &row, QWidget *parent);
