// SPDX-License-Identifier: MIT
#include "access/windowaccess.h"

#include "access/memberaccess.h"

#include <QMainWindow>

namespace {

class WindowAccessible : public MembersAccessible
{
public:
    explicit WindowAccessible(QMainWindow *window) : MembersAccessible(window, QAccessible::Window) { }

protected:
    QList<QWidget *> members() const override
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
