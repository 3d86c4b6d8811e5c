// SPDX-License-Identifier: MIT
#include "appearance/themes.h"

ThemePalette themePalette(Theme theme)
{
    constexpr ColorValue kLightBlue = rgbValue(192, 192, 255);
    switch (theme) {
    case Theme::Sky:
        return {rgbValue(0, 0, 64), FixedColor::White, kLightBlue, FixedColor::White, rgbValue(192, 255, 192)};
    case Theme::Earth:
        return {rgbValue(64, 0, 0), FixedColor::White, kLightBlue, FixedColor::White, rgbValue(255, 224, 192)};
    case Theme::Default:
        break;
    }
    return {SystemColor::ButtonFace, SystemColor::ButtonText, SystemColor::WindowBackground, SystemColor::WindowText,
            SystemColor::ButtonFace};
}

ColorValue roleColor(const ThemePalette &palette, Role role)
{
    switch (role) {
    case Role::PanelFore:
        return palette.PanelForeColor;
    case Role::BoxBack:
        return palette.BoxBackColor;
    case Role::LineBorder:
        return palette.LineBorderColor;
    case Role::ButtonBack:
        return palette.ButtonBackColor;
    case Role::PanelBack:
    case Role::None:
        break;
    }
    return palette.PanelBackColor;
}
