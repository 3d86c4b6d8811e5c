// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QFrame;
class QShortcut;
class QWidget;

// The four help panels beside the calculator: each opened by its Help item, closed by its red
// "close" label or Escape. Opening one widens the window, closing it narrows the window again
// and returns the focus to where the user was.
class HelpPanels : public QObject
{
public:
    // Builds the panels, hidden, inside the calculator; setWide widens or narrows the window.
    HelpPanels(QFrame *calculator, QWidget *window, std::function<void(bool wide)> setWide);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void open(QWidget *panel);
    void close(QWidget *panel);
    QList<QWidget *> stopsAround(QWidget *stop) const;
    void followFocus(QWidget *old, QWidget *now);

    QWidget *m_window;
    std::function<void(bool wide)> m_setWide;
    QList<QFrame *> m_panels;
    QShortcut *m_escape; // closes the open panel
    QPointer<QWidget> m_focusBeforePanel; // where closing a panel returns the focus
    QPointer<QWidget> m_leftFrom; // the close label that Tab has just left its panel from...
    QPointer<QWidget> m_leftTo; // ...and where it went, from where Shift+Tab goes back
    bool m_popupJustClosed = false; // in the key event being handled
};
