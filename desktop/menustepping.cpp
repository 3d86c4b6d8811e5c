// SPDX-License-Identifier: MIT
#include "desktop/menustepping.h"

#include "desktop/waylandconnection.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

bool MenuStepping::isWanted()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

MenuStepping::MenuStepping(QMenuBar *bar) : QObject(bar), m_bar(bar)
{
    for (QAction *item : bar->actions())
        if (item->menu())
            item->menu()->installEventFilter(this);
}

bool MenuStepping::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    auto *menu = static_cast<QMenu *>(watched);
    const bool right = key->key() == Qt::Key_Right;
    if ((!right && key->key() != Qt::Key_Left) || key->modifiers() != Qt::NoModifier
        || (right && menu->activeAction() && menu->activeAction()->menu()))
        return false;
    QList<QMenu *> menus;
    for (QAction *item : m_bar->actions())
        if (item->menu() && item->isVisible() && item->isEnabled())
            menus.append(item->menu());
    const qsizetype at = menus.indexOf(menu);
    if (at < 0)
        return false;
    const bool forward = right != (m_bar->layoutDirection() == Qt::RightToLeft);
    QMenu *next = menus.at((at + (forward ? 1 : menus.size() - 1)) % menus.size());
    menu->hide();
    // The compositor answers the closing by moving the keyboard, and Qt applies such a move only
    // once the compositor has answered a request of its own, made as the move came in.
    WaylandConnection::afterTheCompositorCaughtUp(
        next, [this, next] { WaylandConnection::afterTheCompositorCaughtUp(next, [this, next] { open(next); }); });
    return true;
}

void MenuStepping::open(QMenu *menu)
{
    m_bar->setActiveAction(menu->menuAction());
    for (QAction *item : menu->actions())
        if (!item->isSeparator() && item->isEnabled() && item->isVisible()) {
            menu->setActiveAction(item); // so that Down and Return go on from there
            break;
        }
}
