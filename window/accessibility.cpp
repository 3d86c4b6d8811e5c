// SPDX-License-Identifier: MIT
#include "window/accessibility.h"

#include "access/activation.h"
#include "access/announcer.h"
#include "access/comboaccess.h"
#include "access/helptextaccess.h"
#include "access/memberaccess.h"
#include "access/menuaccess.h"
#include "access/textaccess.h"
#include "access/windowaccess.h"
#include "panels/panels.h"
#include "widgets/controls.h"
#include "widgets/factory.h"
#include "window/design.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QPlainTextEdit>

namespace {

// The calculator and each help panel: a named group. Lines and the focus ring only decorate, the
// mouse passes through them, and they stay out of the tree, as do the captions that read as part
// of a panel's first text.
class GroupAccessible : public MembersAccessible
{
public:
    explicit GroupAccessible(QFrame *frame) : MembersAccessible(frame, QAccessible::Grouping) { }

    QAccessibleInterface *parent() const override { return accessibleParent(widget()); }

protected:
    QList<QWidget *> members() const override
    {
        QList<QWidget *> result = widget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        result.removeIf([](const QWidget *member) {
            return member->testAttribute(Qt::WA_TransparentForMouseEvents)
                || (continuesAnother(member) && !qobject_cast<const QPlainTextEdit *>(member));
        });
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

// A label with no caption, such as the verdict's before the first computation: nothing to
// read, and no object on show.
class CaptionAccessible : public QAccessibleWidget
{
public:
    explicit CaptionAccessible(AutoLabel *label) : QAccessibleWidget(label, QAccessible::StaticText) { }

    QString text(QAccessible::Text type) const override
    {
        return type == QAccessible::Name ? static_cast<AutoLabel *>(widget())->text() : QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || static_cast<AutoLabel *>(widget())->text().isEmpty();
        return state;
    }
};

bool isCloser(const QObject *label)
{
    return std::any_of(Panels::kPanels.begin(), Panels::kPanels.end(),
                       [label](const PanelSpec &panel) { return label->objectName() == QLatin1String(panel.closer); });
}

QAccessibleInterface *createInterface(const QString &, QObject *object)
{
    if (QAccessibleInterface *combo = createComboAccessible(object))
        return combo;
    if (auto *label = qobject_cast<AutoLabel *>(object); label && isCloser(label))
        return new CloseAccessible(label);
    if (auto *label = qobject_cast<AutoLabel *>(object);
        label && label->objectName() == QLatin1String(Design::kVerdict))
        return new CaptionAccessible(label);
    if (auto *drawing = qobject_cast<DrawingWidget *>(object))
        return new DrawingAccessible(drawing);
    if (object->metaObject() == &QFrame::staticMetaObject)
        return new GroupAccessible(static_cast<QFrame *>(object));
    if (QAccessibleInterface *announcer = createAnnouncerAccessible(object))
        return announcer;
    if (QAccessibleInterface *text = createTextAccessible(object))
        return text;
    if (QAccessibleInterface *text = createHelpTextAccessible(object))
        return text;
    if (QAccessibleInterface *window = createWindowAccessible(object))
        return window;
    return createMenuAccessible(object);
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(createInterface);
    filterSpuriousUpdates();
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
    for (QComboBox *combo : form->findChildren<QComboBox *>())
        followListOpening(combo);
    // A panel reads as one text from its first on, its later headings and texts included, so
    // that a screen reader reads it whole in one go.
    for (const PanelSpec &panel : Panels::kPanels) {
        QList<QWidget *> continuation;
        for (const ControlSpec &row : panel.controls.subspan(2)) // after the first heading and text
            if (row.kind == Kind::PanelText || row.access.labelFor)
                continuation.append(find(row.name));
        continueText(qobject_cast<QPlainTextEdit *>(find(panel.controls[1].name)), continuation);
    }
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
