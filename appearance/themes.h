// SPDX-License-Identifier: MIT
#pragma once

#include "appearance/colorvalue.h"

#include <QList>

class QWidget;

enum class Theme { Default, Sky, Earth };

struct ThemePalette {
    ColorValue PanelBackColor;
    ColorValue PanelForeColor;
    ColorValue BoxBackColor;
    ColorValue LineBorderColor;
    ColorValue ButtonBackColor;
};

ThemePalette themePalette(Theme theme);

enum class Role { PanelBack, PanelFore, BoxBack, LineBorder, ButtonBack };

// One colour assignment of a theme: the named control's property takes the role's colour.
struct RoleAssignment {
    QString control;
    ColorProperty property;
    Role role;
};

// The assignments in the order a theme makes them; the same for every theme.
const QList<RoleAssignment> &roleTable();

// Applies the palette to the controls below form (the form itself included).
void applyPalette(const ThemePalette &palette, QWidget *form);
