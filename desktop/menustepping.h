// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QMenu;
class QMenuBar;

// On Wayland, Left and Right in a menu of the bar close it, and open the next menu only once the
// compositor has handled the closing. Switching at once, KWin 5.27 hands the keyboard to the new menu
// and then takes it from the one just closed, which Qt 6.4 takes for the new menu losing it: that
// closes at once, and the menus beyond the first cannot be reached by keyboard.
class MenuStepping : public QObject
{
public:
    static bool isWanted(); // on Wayland
    explicit MenuStepping(QMenuBar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open(QMenu *menu);

    QMenuBar *m_bar;
};
