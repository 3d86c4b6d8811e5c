// SPDX-License-Identifier: MIT
#include "access/windowaccess.h"

#include <QAccessibleWidget>
#include <QMainWindow>

namespace {

class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(QMainWindow *window) : QAccessibleWidget(window, QAccessible::Window) { }

    int childCount() const override { return int(parts().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QWidget *> all = parts();
        return index >= 0 && index < all.size() ? QAccessible::queryAccessibleInterface(all[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(parts().indexOf(qobject_cast<QWidget *>(child->object())));
    }

private:
    QList<QWidget *> parts() const
    {
        const QWidget *central = static_cast<QMainWindow *>(widget())->centralWidget();
        QList<QWidget *> result;
        for (QWidget *child : widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isWindow() || child->testAttribute(Qt::WA_TransparentForMouseEvents)) // a decoration
                continue;
            if (child == central)
                result += central->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
            else
                result.append(child);
        }
        return result;
    }
};

} // namespace

QAccessibleInterface *createWindowAccessible(QObject *object)
{
    if (auto *window = qobject_cast<QMainWindow *>(object))
        return new WindowAccessible(window);
    return nullptr;
}

QAccessibleInterface *accessibleParent(const QWidget *widget)
{
    QWidget *parent = widget->parentWidget();
    if (!parent)
        return nullptr;
    if (auto *window = qobject_cast<QMainWindow *>(parent->parentWidget()); window && window->centralWidget() == parent)
        return QAccessible::queryAccessibleInterface(window);
    return QAccessible::queryAccessibleInterface(parent);
}
