// SPDX-License-Identifier: MIT
#include "app/accessibility.h"

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace {

struct Description {
    const char *control;
    const char *name;
    const char *description;
};

// clang-format off
constexpr Description kDescriptions[] = {
    {"Check1", "Animate", "Moves the piston of the cylinder drawing"},
    {"Text1", "inches", "Length in inches to convert to millimetres"},
    {"Text2", "millimeter", "Length in millimetres to convert to inches"},
    {"Command2", "Convert", "Converts from the box that holds text"},
    {"Combo1", "inner barrel diameter", "Inner barrel bore in millimetres"},
    {"Combo2", "barrel length", "Inner barrel length in millimetres"},
    {"Combo3", "cylinder inner diameter", "Cylinder bore in millimetres; Standard is 23.6"},
    {"Combo4", "cylinder usable length", "Cylinder usable length in millimetres; Type '0' is 73"},
    {"Check2", "Sorbo pad", "Check when a pad is fitted; it takes 3 millimetres off the cylinder length"},
    {"Text5", "inner barrel area", "Square millimetres"},
    {"Text6", "inner barrel volume", "Cubic millimetres"},
    {"Text7", "cylinder area", "Square millimetres"},
    {"Text8", "cylinder volume", "Cubic millimetres"},
    {"Command1", "Compute", "Computes the cylinder-to-barrel ratio"},
    {"Text9", "Cylinder-to-Barrel Ratio", "Under ratio below 1.5, over ratio above 3"},
    {"Label1", "verdict", ""},
};
// clang-format on

} // namespace

void describeControls(QWidget *form)
{
    for (const Description &entry : kDescriptions) {
        auto *control = form->findChild<QWidget *>(QLatin1String(entry.control));
        QList<QWidget *> described = {control};
        // Some screen readers take a combo box's name from its text; its edit field has the focus.
        if (auto *combo = qobject_cast<QComboBox *>(control))
            described.append(combo->lineEdit());
        for (QWidget *widget : described) {
            widget->setAccessibleName(QString::fromUtf8(entry.name));
            widget->setAccessibleDescription(QString::fromUtf8(entry.description));
        }
    }
}

void announce(QWidget *verdict)
{
    QAccessibleEvent event(verdict, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
}
