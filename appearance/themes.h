// SPDX-License-Identifier: MIT
#pragma once

#include "appearance/colorvalue.h"

enum class Theme { Default, Sky, Earth };

struct ThemePalette {
    ColorValue PanelBackColor;
    ColorValue PanelForeColor;
    ColorValue BoxBackColor;
    ColorValue LineBorderColor;
    ColorValue ButtonBackColor;
};

ThemePalette themePalette(Theme theme);

// The part a control's colour plays in a theme; None where no theme touches it.
enum class Role { None, PanelBack, PanelFore, BoxBack, LineBorder, ButtonBack };

ColorValue roleColor(const ThemePalette &palette, Role role);
