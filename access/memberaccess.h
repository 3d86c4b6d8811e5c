// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>
#include <QWidget>

// A widget whose children, as assistive technology sees them, are the widgets that members()
// lists rather than all of its own.
class MembersAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(members().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> all = members();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(members().indexOf(qobject_cast<QWidget *>(child->object())));
    }

protected:
    virtual QList<QWidget *> members() const = 0;
};
