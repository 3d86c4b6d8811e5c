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

// With `unchanged`, a palette that already shows the colour is left alone: a new palette
// reaches every child, which costs a start-up that sets each colour again.
void apply(QWidget *widget, ColorProperty property, ColorValue value, bool unchanged = false)
{
    // A main window shows its colour through its client area: on the window itself the
    // colour would spread to the menu bar, whose text keeps the desktop's colour.
    if (auto *window = qobject_cast<QMainWindow *>(widget))
        widget = window->centralWidget();
    QPalette palette = widget->palette();
    const QPalette::ColorRole role = roleOf(widget, property);
    const QColor color = resolveColor(value, QApplication::palette());
    if (unchanged && palette.color(role) == color)
        return;
    palette.setColor(role, color);
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
    // The same value set again: its colour was set in the palette before, for itself.
    const QVariant previous = widget->property(propertyName(property));
    const bool unchanged = previous.isValid() && previous.value<ColorValue>() == value;
    widget->setProperty(propertyName(property), value);
    apply(widget, property, value, unchanged);
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
