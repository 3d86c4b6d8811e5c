// SPDX-License-Identifier: MIT
#include "app/accessibility.h"

#include "app/design.h"
#include "panels/panels.h"
#include "widgets/factory.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace {

// Qt names an editable combo box after its text on Linux, and the combo box, not its edit
// field, takes the focus. This one keeps the name it was given and offers its text as value
// and text.
class ComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ComboAccessible(QComboBox *combo) : QAccessibleWidget(combo, QAccessible::ComboBox) { }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Value ? combo()->currentText() : QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.expandable = true;
        state.expanded = combo()->view()->isVisible();
        return state;
    }
    int childCount() const override { return 2; }
    QAccessibleInterface *child(int index) const override
    {
        QWidget *children[] = {combo()->view(), combo()->lineEdit()};
        return index == 0 || index == 1 ? QAccessible::queryAccessibleInterface(children[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child->object() == combo()->view())
            return 0;
        return child->object() == combo()->lineEdit() ? 1 : -1;
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << showMenuAction(); }
    void doAction(const QString &action) override
    {
        if (action == showMenuAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

    // The text is the edit field's.
    void selection(int index, int *start, int *end) const override { edit()->selection(index, start, end); }
    int selectionCount() const override { return edit()->selectionCount(); }
    void addSelection(int start, int end) override { edit()->addSelection(start, end); }
    void removeSelection(int index) override { edit()->removeSelection(index); }
    void setSelection(int index, int start, int end) override { edit()->setSelection(index, start, end); }
    int cursorPosition() const override { return edit()->cursorPosition(); }
    void setCursorPosition(int position) override { edit()->setCursorPosition(position); }
    QString text(int start, int end) const override { return edit()->text(start, end); }
    int characterCount() const override { return edit()->characterCount(); }
    QRect characterRect(int offset) const override { return edit()->characterRect(offset); }
    int offsetAtPoint(const QPoint &point) const override { return edit()->offsetAtPoint(point); }
    void scrollToSubstring(int start, int end) override { edit()->scrollToSubstring(start, end); }
    QString attributes(int offset, int *start, int *end) const override
    {
        return edit()->attributes(offset, start, end);
    }

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
    QAccessibleTextInterface *edit() const
    {
        return QAccessible::queryAccessibleInterface(combo()->lineEdit())->textInterface();
    }
};

// The verdict is a notification that shows anew with each result; it reads as its caption.
class VerdictAccessible : public QAccessibleWidget
{
public:
    explicit VerdictAccessible(QLabel *label) : QAccessibleWidget(label, QAccessible::Notification) { }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? static_cast<QLabel *>(widget())->text() : QAccessibleWidget::text(type);
    }
};

// A menu item with a check mark, which Qt's own menu items expose as a plain item: the theme
// items as one of a group of radio buttons, the others as check boxes.
class CheckItemAccessible : public QAccessibleObject, public QAccessibleActionInterface
{
public:
    CheckItemAccessible(QAction *action, QMenu *menu) : QAccessibleObject(action), m_action(action), m_menu(menu) { }

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
        // One of a group of choices, as the themes are, reads as a radio button.
        return m_action->actionGroup() ? QAccessible::RadioButton : QAccessible::CheckBox;
    }
    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? m_action->text() : QString();
    }
    QRect rect() const override
    {
        const QRect item = m_menu->actionGeometry(m_action);
        return QRect(m_menu->mapToGlobal(item.topLeft()), item.size());
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.checkable = true;
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

QAccessibleInterface *createInterface(const QString &, QObject *object)
{
    if (auto *combo = qobject_cast<QComboBox *>(object); combo && combo->isEditable())
        return new ComboAccessible(combo);
    if (auto *label = qobject_cast<QLabel *>(object); label && label->property(kNotificationProperty).toBool())
        return new VerdictAccessible(label);
    if (auto *action = qobject_cast<QAction *>(object); action && action->isCheckable()) {
        const QList<QObject *> menus = action->associatedObjects();
        for (QObject *menu : menus)
            if (auto *owner = qobject_cast<QMenu *>(menu))
                return new CheckItemAccessible(action, owner);
    }
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(createInterface);
}

void describeControls(QWidget *form)
{
    QList<const ControlSpec *> rows;
    for (const auto &table : {Design::kLabels, Design::kInputs})
        for (const ControlSpec &row : table)
            rows.append(&row);
    for (const PanelSpec &panel : Panels::kPanels)
        for (const ControlSpec &row : panel.controls)
            rows.append(&row);
    for (const ControlSpec *row : std::as_const(rows)) {
        const char *field = row->access.labelFor ? row->access.labelFor : row->access.unitOf;
        if (!field)
            continue;
        auto *label = form->findChild<QLabel *>(QLatin1String(row->name));
        auto *target = form->findChild<QWidget *>(QLatin1String(field));
        label->setBuddy(target); // no shortcut follows: no caption has an ampersand
        // Screen readers announce a field by its label instead of its name: a unit reads as the
        // field's name with the unit, and a field without a name of its own takes its heading's.
        if (row->access.unitOf) {
            label->setAccessibleName(target->accessibleName() + QLatin1String(", ") + label->text());
        } else if (target->accessibleName().isEmpty()) {
            QString heading = label->text();
            if (heading.endsWith(QLatin1Char(':')))
                heading.chop(1);
            target->setAccessibleName(heading);
        }
    }
    const QList<QAction *> actions = form->findChildren<QAction *>();
    for (QAction *action : actions) {
        if (!action->isCheckable())
            continue;
        QObject::connect(action, &QAction::toggled, action, [action] {
            QAccessible::State changed;
            changed.checked = true;
            QAccessibleStateChangeEvent event(action, changed);
            QAccessible::updateAccessibility(&event);
        });
    }
}

void announce(QWidget *verdict)
{
    QAccessibleEvent renamed(verdict, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(verdict, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
