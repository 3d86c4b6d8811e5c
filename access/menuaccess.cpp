// SPDX-License-Identifier: MIT
#include "access/menuaccess.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace {

// A drop-down menu of plain items; its parent is its title in the menu bar.
class MenuAccessible : public QAccessibleWidget
{
public:
    explicit MenuAccessible(QMenu *menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) { }

    int childCount() const override { return int(menu()->actions().size()); }
    QAccessibleInterface *child(int index) const override
    {
        const QList<QAction *> actions = menu()->actions();
        return index >= 0 && index < actions.size() ? QAccessible::queryAccessibleInterface(actions[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return int(menu()->actions().indexOf(qobject_cast<QAction *>(child->object())));
    }
    QAccessibleInterface *parent() const override
    {
        const QList<QObject *> owners = menu()->menuAction()->associatedObjects();
        for (QObject *owner : owners)
            if (auto *bar = qobject_cast<QMenuBar *>(owner))
                return QAccessible::queryAccessibleInterface(bar)->child(
                    int(bar->actions().indexOf(menu()->menuAction())));
        return QAccessibleWidget::parent();
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? menu()->title() : QAccessibleWidget::text(type);
    }

private:
    QMenu *menu() const { return static_cast<QMenu *>(widget()); }
};

// An item of a drop-down menu. One with a check mark reads as one of a group of radio
// buttons where it belongs to a group, as the themes do, and as a check box otherwise.
class ItemAccessible : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    ItemAccessible(QAction *action, QMenu *menu) : QAccessibleObject(action), m_action(action), m_menu(menu) { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            m_action->trigger();
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    QWindow *window() const override { return m_menu->windowHandle(); }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_menu); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override
    {
        if (!m_action->isCheckable())
            return m_action->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
        return m_action->actionGroup() ? QAccessible::RadioButton : QAccessible::CheckBox;
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? m_action->text() : QString();
    }
    QRect rect() const override
    {
        const QRect item = m_menu->actionGeometry(m_action);
        return {m_menu->mapToGlobal(item.topLeft()), item.size()};
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.checkable = m_action->isCheckable();
        state.checked = m_action->isChecked();
        state.focusable = true;
        state.focused = m_menu->isVisible() && m_menu->activeAction() == m_action;
        state.invisible = !m_menu->isVisible();
        state.disabled = !m_action->isEnabled();
        return state;
    }

private:
    QAction *m_action;
    QMenu *m_menu;
};

} // namespace

QAccessibleInterface *createMenuAccessible(QObject *object)
{
    if (auto *menu = qobject_cast<QMenu *>(object))
        return new MenuAccessible(menu);
    // A menu's title in the menu bar stays Qt's own, which leads to the menu.
    if (auto *action = qobject_cast<QAction *>(object); action && !action->menu()) {
        const QList<QObject *> owners = action->associatedObjects();
        for (QObject *owner : owners)
            if (auto *menu = qobject_cast<QMenu *>(owner))
                return new ItemAccessible(action, menu);
    }
    return nullptr;
}
