// SPDX-License-Identifier: MIT
#include "access/activation.h"

#include "access/helptextaccess.h"
#include "access/statechange.h"

#include <QAccessible>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

// Whether the widget or one it belongs to, such as a drop-down list owning its edit field, has the focus.
bool hasFocusWithin(const QWidget *widget)
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == widget || focus->isAncestorOf(widget));
}

// Whether the report tells that all of a text is removed. It comes before the text has changed.
bool isEmptying(QAccessibleEvent *event)
{
    QAccessibleTextInterface *text = event->accessibleInterface()->textInterface();
    if (!text)
        return false;
    if (event->type() == QAccessible::TextRemoved) {
        const auto *removal = static_cast<QAccessibleTextRemoveEvent *>(event);
        return removal->changePosition() == 0 && removal->textRemoved().size() >= text->characterCount();
    }
    return event->type() == QAccessible::TextUpdated
        && static_cast<QAccessibleTextUpdateEvent *>(event)->textInserted().isEmpty();
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
    // A box loses its selection with the focus (Tab on, a list or menu opening), and a box that
    // the focus enters empties the other converter box; each is told before the focus moves.
    // The user unselected and deleted nothing, and a screen reader would say so: the selections,
    // carets and emptyings of boxes without the focus stay here.
    const bool unfocused = widget && !hasFocusWithin(widget);
    if (unfocused
        && (event->type() == QAccessible::TextSelectionChanged || event->type() == QAccessible::TextCaretMoved
            || isEmptying(event)))
        return;
    tellContinuationFocus(event);
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
    tellVisibility(event);
    QAccessible::installUpdateHandler(passUpdate);
}

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

void filterSpuriousUpdates()
{
    QAccessible::installUpdateHandler(passUpdate);
}

void quietActivation(QWidget *window)
{
    new QuietActivation(window);
}
