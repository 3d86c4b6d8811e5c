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

struct Setting {
    ColorProperty property;
    ColorValue value;
    bool unchanged = false; // a palette that already shows the colour is left alone
};

// Puts the colours into the widget's palette, which then changes once: a new palette reaches
// every child, which costs a start-up that sets each colour again.
void apply(QWidget *widget, std::initializer_list<Setting> settings)
{
    // A main window shows its colour through its client area: on the window itself the
    // colour would spread to the menu bar, whose text keeps the desktop's colour.
    if (auto *window = qobject_cast<QMainWindow *>(widget))
        widget = window->centralWidget();
    QPalette palette = widget->palette();
    bool changed = false;
    for (const Setting &setting : settings) {
        const QPalette::ColorRole role = roleOf(widget, setting.property);
        const QColor color = resolveColor(setting.value, QApplication::palette());
        if (setting.unchanged && palette.color(role) == color)
            continue;
        palette.setColor(role, color);
        changed = true;
    }
    if (changed)
        widget->setPalette(palette);
}

// Keeps the value on the widget; tells whether it held that value already, its colour then
// being set in the palette before, for itself.
bool store(QWidget *widget, ColorProperty property, ColorValue value)
{
    const QVariant previous = widget->property(propertyName(property));
    widget->setProperty(propertyName(property), value);
    return previous.isValid() && previous.value<ColorValue>() == value;
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
    apply(widget, {{property, value, store(widget, property, value)}});
}

void setColors(QWidget *widget, ColorValue back, ColorValue fore)
{
    apply(widget,
          {{ColorProperty::Back, back, store(widget, ColorProperty::Back, back)},
           {ColorProperty::Fore, fore, store(widget, ColorProperty::Fore, fore)}});
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
                apply(widget, {{property, value.value<ColorValue>()}});
}
