// SPDX-License-Identifier: MIT
#include "appearance/themes.h"

#include <QWidget>

ThemePalette themePalette(Theme theme)
{
    constexpr ColorValue kWhite = rgbValue(255, 255, 255);
    constexpr ColorValue kLightBlue = rgbValue(192, 192, 255);
    switch (theme) {
    case Theme::Sky:
        return {rgbValue(0, 0, 64), kWhite, kLightBlue, kWhite, rgbValue(192, 255, 192)};
    case Theme::Earth:
        return {rgbValue(64, 0, 0), kWhite, kLightBlue, kWhite, rgbValue(255, 224, 192)};
    case Theme::Default:
        break;
    }
    return {SystemColor::ButtonFace, SystemColor::ButtonText, SystemColor::WindowBackground, SystemColor::WindowText,
            SystemColor::ButtonFace};
}

namespace {

QList<RoleAssignment> buildRoleTable()
{
    using enum ColorProperty;
    QList<RoleAssignment> table = {
        {QStringLiteral("Form1"), Back, Role::PanelBack},
        {QStringLiteral("Frame1"), Back, Role::PanelBack},
        {QStringLiteral("Label1"), Back, Role::PanelBack}, // its lettering is the verdict's
    };
    const auto label = [&table](int number) {
        const QString name = QStringLiteral("Label%1").arg(number);
        table.append({name, Back, Role::PanelBack});
        table.append({name, Fore, Role::PanelFore});
    };
    for (int number = 2; number <= 18; ++number)
        label(number);
    for (int number = 25; number <= 29; ++number)
        label(number);
    for (int number = 1; number <= 4; ++number)
        table.append({QStringLiteral("Combo%1").arg(number), Back, Role::BoxBack});
    for (int number : {1, 2, 3, 4, 10, 11, 12, 13, 14})
        table.append({QStringLiteral("Line%1").arg(number), Border, Role::LineBorder});
    for (const char *check : {"Check1", "Check2"}) {
        table.append({QLatin1String(check), Back, Role::PanelBack});
        table.append({QLatin1String(check), Fore, Role::PanelFore});
    }
    for (int number : {1, 2, 5, 6, 7, 8}) // never Text9: the ratio box keeps the verdict's colours
        table.append({QStringLiteral("Text%1").arg(number), Back, Role::BoxBack});
    table.append({QStringLiteral("Command1"), Back, Role::ButtonBack});
    table.append({QStringLiteral("Command2"), Back, Role::ButtonBack});
    return table;
}

ColorValue colorFor(const ThemePalette &palette, Role role)
{
    switch (role) {
    case Role::PanelBack:
        return palette.PanelBackColor;
    case Role::PanelFore:
        return palette.PanelForeColor;
    case Role::BoxBack:
        return palette.BoxBackColor;
    case Role::LineBorder:
        return palette.LineBorderColor;
    case Role::ButtonBack:
        return palette.ButtonBackColor;
    }
    return palette.PanelBackColor;
}

} // namespace

const QList<RoleAssignment> &roleTable()
{
    static const QList<RoleAssignment> table = buildRoleTable();
    return table;
}

void applyPalette(const ThemePalette &palette, QWidget *form)
{
    for (const RoleAssignment &assignment : roleTable()) {
        QWidget *control =
            form->objectName() == assignment.control ? form : form->findChild<QWidget *>(assignment.control);
        if (control)
            setColor(control, assignment.property, colorFor(palette, assignment.role));
    }
}
