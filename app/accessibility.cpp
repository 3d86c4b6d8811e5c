// SPDX-License-Identifier: MIT
#include "app/accessibility.h"

#include "app/design.h"
#include "app/menuaccess.h"
#include "app/textaccess.h"
#include "panels/panels.h"
#include "widgets/controls.h"
#include "widgets/factory.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QHash>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QWindow>

namespace {

constexpr char kAnnouncerProperty[] = "announcer";

// Qt names an editable combo box after its text on Linux, and the combo box, not its edit
// field, takes the focus. This one keeps the name it was given and offers its text as value
// and text.
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

// Speaks what it is given, wherever the focus is: an object that starts showing in the role
// of a notification is read out.
class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(QWidget *announcer) : QAccessibleWidget(announcer, QAccessible::Notification) { }
};

// The calculator and each help panel: a named group. Lines only decorate, and they stay out of
// the tree.
class GroupAccessible : public QAccessibleWidget
{
public:
    explicit GroupAccessible(QFrame *frame) : QAccessibleWidget(frame, QAccessible::Grouping) { }

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

private:
    QList<QWidget *> members() const
    {
        QList<QWidget *> result = widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        result.removeIf([](const QWidget *member) { return qobject_cast<const LineWidget *>(member); });
        return result;
    }
};

// A drawing, read as an image by its name.
class DrawingAccessible : public QAccessibleWidget
{
public:
    explicit DrawingAccessible(DrawingWidget *drawing) : QAccessibleWidget(drawing, QAccessible::Graphic) { }
};

// A help panel's red "close" label: a button that the keyboard reaches.
class CloseAccessible : public QAccessibleWidget
{
public:
    explicit CloseAccessible(AutoLabel *label) : QAccessibleWidget(label, QAccessible::Button) { }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? label()->text() : QAccessibleWidget::text(type);
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit label()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    AutoLabel *label() const { return static_cast<AutoLabel *>(widget()); }
};

bool isCloser(const QObject *label)
{
    return std::any_of(Panels::kPanels.begin(), Panels::kPanels.end(),
                       [label](const PanelSpec &panel) { return label->objectName() == QLatin1String(panel.closer); });
}

// Qt reports its window active anew when a drop-down list or menu opens over it and again when
// that closes, and when a message box opens, though the window never stopped being active; a
// screen reader then reads the window's title each time. Those reports, and stale focus reports,
// stay here; every other goes on to the screen reader.
void passUpdate(QAccessibleEvent *event)
{
    static bool coveredSinceReport = false;
    const QWidget *popup = QApplication::activePopupWidget();
    const auto *widget = qobject_cast<const QWidget *>(event->object());
    // Moving from one open menu to the next, Qt gives the focus back to the window in between,
    // after the next menu has taken it: while a menu or list is open, the focus is in it.
    if (popup && event->type() == QAccessible::Focus && widget && widget != popup && !popup->isAncestorOf(widget))
        return;
    if (event->type() == QAccessible::StateChanged
        && static_cast<QAccessibleStateChangeEvent *>(event)->changedStates().active) {
        const QWidget *cover = popup ? popup : QApplication::activeModalWidget();
        const bool ofCover =
            cover && (widget == cover || event->object() == static_cast<QObject *>(cover->windowHandle()));
        if (!event->accessibleInterface()->state().active) {
            if (widget && widget->windowType() != Qt::Popup)
                coveredSinceReport = false; // the window was left: its next activation is news
        } else if (cover && !ofCover) {
            coveredSinceReport = true;
            return;
        } else if (!cover && std::exchange(coveredSinceReport, false)) {
            return;
        }
    }
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(passUpdate);
}

QAccessibleInterface *createInterface(const QString &, QObject *object)
{
    if (auto *combo = qobject_cast<QComboBox *>(object); combo && combo->isEditable())
        return new ComboAccessible(combo);
    if (auto *label = qobject_cast<AutoLabel *>(object); label && isCloser(label))
        return new CloseAccessible(label);
    if (auto *drawing = qobject_cast<DrawingWidget *>(object))
        return new DrawingAccessible(drawing);
    if (object->metaObject() == &QFrame::staticMetaObject)
        return new GroupAccessible(static_cast<QFrame *>(object));
    if (auto *widget = qobject_cast<QWidget *>(object); widget && widget->property(kAnnouncerProperty).toBool())
        return new AnnouncerAccessible(widget);
    if (QAccessibleInterface *text = createTextAccessible(object))
        return text;
    return createMenuAccessible(object);
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(createInterface);
    QAccessible::installUpdateHandler(passUpdate);
}

namespace {

QString headingName(QString heading)
{
    if (heading.endsWith(QLatin1Char(':')))
        heading.chop(1);
    return heading;
}

} // namespace

void describeControls(QWidget *form, QWidget *announcer)
{
    // Dozens of look-ups by name: one walk through the window instead of a search for each.
    QHash<QString, QWidget *> named;
    for (QWidget *widget : form->findChildren<QWidget *>())
        named.insert(widget->objectName(), widget);
    const auto find = [&named](const char *name) { return named.value(QLatin1String(name)); };

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
        auto *label = qobject_cast<QLabel *>(find(row->name));
        QWidget *target = find(field);
        label->setBuddy(target); // no shortcut follows: no caption has an ampersand
        // Screen readers announce a field by its label instead of its name: a unit reads as the
        // field's name with the unit, and a field without a name of its own takes its heading's.
        if (row->access.unitOf) {
            label->setAccessibleName(target->accessibleName() + QLatin1String(", ") + label->text());
        } else if (target->accessibleName().isEmpty()) {
            target->setAccessibleName(headingName(label->text()));
        }
    }
    // A drop-down list keeps no current item once it has closed, as assistive technology would
    // take that for a second focus.
    for (QComboBox *combo : form->findChildren<QComboBox *>())
        QObject::connect(combo, &QComboBox::activated, combo->view(),
                         [view = combo->view()] { view->selectionModel()->clearCurrentIndex(); });
    // A panel is named by its first heading.
    find("Frame1")->setAccessibleName(QStringLiteral("Calculator"));
    for (const PanelSpec &panel : Panels::kPanels)
        find(panel.frame)->setAccessibleName(headingName(QString::fromUtf8(panel.controls.front().text)));
    // The captions of the cylinder drawing label it.
    QWidget *drawing = find("Image2");
    for (const ControlSpec &row : Design::kLabels)
        if (row.callout)
            qobject_cast<QLabel *>(find(row.name))->setBuddy(drawing);
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
        // The menu has closed by the time the mark moves: its new state is told.
        QObject::connect(action, &QAction::triggered, announcer, [action, announcer] {
            const char *state = action->actionGroup() ? (action->isChecked() ? "selected" : "not selected")
                                                      : (action->isChecked() ? "checked" : "not checked");
            announce(announcer, action->text() + QLatin1Char(' ') + QLatin1String(state));
        });
    }
}

QWidget *createAnnouncer(QWidget *parent)
{
    auto *announcer = new QWidget(parent);
    announcer->setObjectName(QStringLiteral("announcer"));
    announcer->setProperty(kAnnouncerProperty, true);
    announcer->setGeometry(0, 0, 0, 0); // heard, never seen
    return announcer;
}

void announce(QWidget *announcer, const QString &text)
{
    announcer->setAccessibleName(text);
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

namespace {

// Keeps the window's own activation from assistive technology while a message box is over it
// and until the window is active again: the user never left the window.
class QuietActivation : public QObject
{
public:
    explicit QuietActivation(QWidget *window) : QObject(window), m_window(window)
    {
        qApp->installEventFilter(this); // after the accessibility bridge's filter, so before it
        QTimer::singleShot(5000, this, &QObject::deleteLater); // should the window never come back
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool mine = watched == m_window || watched == m_window->windowHandle();
        if (!mine || !event->spontaneous()
            || (event->type() != QEvent::WindowActivate && event->type() != QEvent::WindowDeactivate))
            return false;
        // The bridge reports only what the system sends; the window still learns of it.
        QEvent copy(event->type());
        QCoreApplication::sendEvent(watched, &copy);
        if (event->type() == QEvent::WindowActivate && !QApplication::activeModalWidget())
            deleteLater();
        return true;
    }

private:
    QWidget *m_window;
};

} // namespace

void quietActivation(QWidget *window)
{
    new QuietActivation(window);
}
