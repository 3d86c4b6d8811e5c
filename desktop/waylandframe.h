// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QToolButton;

// The window's frame where the program draws it itself: on Wayland, where the frame a compositor
// or Qt would draw offers maximizing and resizing, which a window of fixed size cannot honour.
// A title bar with the icon, the title, a minimize and a close button, and thin borders, all
// inside the window: its contents margins keep the menu bar and the client area clear of them.
class WaylandFrame : public QWidget
{
public:
    // Frames a window frameless to Qt with a title bar and borders of these sizes, in pixels.
    WaylandFrame(QWidget *window, int titleBarHeight, int borderWidth);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QToolButton *addButton(const char *name, const QString &accessibleName);
    void colourButtons();
    void placeButtons();

    QWidget *m_window;
    QToolButton *m_minimize;
    QToolButton *m_close;
    int m_titleBarHeight;
    int m_borderWidth;
};
