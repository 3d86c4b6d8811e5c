// SPDX-License-Identifier: MIT
#include "access/comboaccess.h"

#include "access/statechange.h"
#include "access/textaccess.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QTimer>

namespace {

class ComboAccessible : public QAccessibleWidget, public PlainTextBoundaries
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

private:
    QComboBox *combo() const { return static_cast<QComboBox *>(widget()); }
    QAccessibleTextInterface *edit() const
    {
        return QAccessible::queryAccessibleInterface(combo()->lineEdit())->textInterface();
    }
};

// Watches a drop-down list's popup open and close, and its list take the focus.
class ListWatcher : public QObject
{
public:
    explicit ListWatcher(QComboBox *combo) : QObject(combo)
    {
        combo->view()->parentWidget()->installEventFilter(this);
        combo->view()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The box it watches for, unless that is being destroyed and its list hides with it.
        auto *combo = qobject_cast<QComboBox *>(parent());
        if (!combo)
            return false;
        QAbstractItemView *view = combo->view();
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            if (watched == view)
                return false;
            tellStateChange(combo, "expanded", event->type() == QEvent::Show);
            if (event->type() == QEvent::Hide) // closed without a pick as well, once a pick is taken
                QTimer::singleShot(0, view, [view] { view->selectionModel()->clearCurrentIndex(); });
        } else if (event->type() == QEvent::FocusIn && watched == view && combo->count() > 0) {
            // Once the list has told of its own focus, the item it starts on tells of it.
            QTimer::singleShot(0, view, [combo, view] {
                if (!view->hasFocus())
                    return;
                const QModelIndex start = view->currentIndex().isValid()
                    ? view->currentIndex()
                    : combo->model()->index(std::max(combo->findText(combo->currentText()), 0), combo->modelColumn());
                view->selectionModel()->clearCurrentIndex();
                view->setCurrentIndex(start);
            });
        }
        return false;
    }
};

} // namespace

void followListOpening(QComboBox *combo)
{
    new ListWatcher(combo);
}

QAccessibleInterface *createComboAccessible(QObject *object)
{
    if (auto *combo = qobject_cast<QComboBox *>(object); combo && combo->isEditable())
        return new ComboAccessible(combo);
    return nullptr;
}
