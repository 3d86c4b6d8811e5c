// SPDX-License-Identifier: MIT
#include "access/announcer.h"

#include "access/windowaccess.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char kAnnouncerProperty[] = "announcer";

// Speaks what it is given, wherever the focus is: an object that starts showing in the role
// of a notification is read out.
class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(QWidget *announcer) : QAccessibleWidget(announcer, QAccessible::Notification) { }
    QAccessibleInterface *parent() const override { return accessibleParent(widget()); }
    // With nothing said yet, there is nothing to show.
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = state.invisible || widget()->accessibleName().isEmpty();
        return state;
    }
};

} // namespace

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

QAccessibleInterface *createAnnouncerAccessible(QObject *object)
{
    if (auto *widget = qobject_cast<QWidget *>(object); widget && widget->property(kAnnouncerProperty).toBool())
        return new AnnouncerAccessible(widget);
    return nullptr;
}
