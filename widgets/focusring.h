// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QWidget>

// A ring drawn around whichever control of a window has the keyboard focus, over the control's
// surroundings, so that the control's own looks stay as designed. Its colour is the one of the
// surroundings' palette that stands out most against their background, whatever the theme.
// The mouse passes through it.
class FocusRing : public QWidget
{
    Q_OBJECT
public:
    explicit FocusRing(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void follow(QWidget *control);
    void place();

    QPointer<QWidget> m_window;
    QPointer<QWidget> m_control;
};
