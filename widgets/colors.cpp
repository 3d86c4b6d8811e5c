// SPDX-License-Identifier: MIT
#include "widgets/colors.h"

#include <QApplication>
#include <QMainWindow>
#include <QPalette>
#include <QWidget>

namespace {

constexpr ColorValue kSystemFlag = 0x80000000;

const char *propertyName(ColorProperty property)
{
    switch (property) {
    case ColorProperty::Back:
        return "BackColor";
    case ColorProperty::Fore:
        return "ForeColor";
    case ColorProperty::Border:
        return "BorderColor";
    case ColorProperty::Frame:
        return "FrameColor";
    }
    return "";
}

QPalette::ColorRole roleOf(const QWidget *widget, ColorProperty property)
{
    switch (property) {
    case ColorProperty::Back:
        return widget->backgroundRole();
    case ColorProperty::Frame:
        return QPalette::Window;
    default:
        return widget->foregroundRole();
    }
}

void apply(QWidget *widget, ColorProperty property, ColorValue value)
{
    // A main window shows its colour through its client area: on the window itself the
    // colour would spread to the menu bar, whose text keeps the desktop's colour.
    if (auto *window = qobject_cast<QMainWindow *>(widget))
        widget = window->centralWidget();
    QPalette palette = widget->palette();
    palette.setColor(roleOf(widget, property), resolveColor(value, QApplication::palette()));
    widget->setPalette(palette);
}

} // namespace

QColor resolveColor(ColorValue value, const QPalette &desktop)
{
    if (!(value & kSystemFlag))
        return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
    switch (value) {
    case SystemColor::WindowBackground:
        return desktop.color(QPalette::Base);
    case SystemColor::WindowText:
        return desktop.color(QPalette::Text);
    case SystemColor::ButtonFace:
        return desktop.color(QPalette::Button);
    default:
        return desktop.color(QPalette::ButtonText);
    }
}

void setColor(QWidget *widget, ColorProperty property, ColorValue value)
{
    widget->setProperty(propertyName(property), value);
    apply(widget, property, value);
}

ColorValue colorOf(const QWidget *widget, ColorProperty property)
{
    return widget->property(propertyName(property)).value<ColorValue>();
}

void refreshColors(QWidget *root)
{
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *widget : std::as_const(widgets))
        for (auto property : {ColorProperty::Back, ColorProperty::Fore, ColorProperty::Border, ColorProperty::Frame})
            if (const QVariant value = widget->property(propertyName(property)); value.isValid())
                apply(widget, property, value.value<ColorValue>());
}
