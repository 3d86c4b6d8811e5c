// SPDX-License-Identifier: MIT
#include "access/statechange.h"

#include <QAccessible>

#ifdef HAVE_QTDBUS
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#endif

void tellStateChange(QObject *object, const char *state, bool on)
{
#ifdef HAVE_QTDBUS
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(object);
    // The bridge's own connection to the accessibility bus, and its path for the object.
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!accessible || !bus.isConnected())
        return;
    QDBusMessage signal = QDBusMessage::createSignal(
        QLatin1String("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(accessible)),
        QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("StateChanged"));
    signal << QString::fromLatin1(state) << int(on) << 0 << QVariant::fromValue(QDBusVariant(0)) << QVariantMap();
    bus.send(signal);
#else
    Q_UNUSED(object);
    Q_UNUSED(state);
    Q_UNUSED(on);
#endif
}

void tellVisibility(const QAccessibleEvent *event)
{
    if (event->type() == QAccessible::ObjectShow || event->type() == QAccessible::ObjectHide) {
        tellStateChange(event->object(), "visible", event->type() == QAccessible::ObjectShow);
    } else if (event->type() == QAccessible::NameChanged && event->accessibleInterface()
               && event->accessibleInterface()->role() == QAccessible::StaticText) {
        // A label with nothing to read is on show only once it has a caption.
        const bool shows = !event->accessibleInterface()->state().invisible;
        tellStateChange(event->object(), "visible", shows);
        tellStateChange(event->object(), "showing", shows);
    }
}
