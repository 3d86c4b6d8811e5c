// SPDX-License-Identifier: MIT
#pragma once

#include "appearance/animation.h"

#include <QObject>

class QTimer;
class QWidget;

// The piston of the cylinder drawing moving to and fro: Timer1 steps it to the left, Timer2
// back to the right, each handing over to the other at the end of its stroke. While it runs,
// the drawing's captions and their lines are hidden.
class PistonAnimation : public QObject
{
public:
    PistonAnimation(QWidget *piston, const QList<QWidget *> &callouts, QObject *parent);

    void setRunning(bool running);

private:
    void step(PistonStroke::Tick tick, QTimer *stroke, QTimer *nextStroke);
    void place(int left);

    QWidget *m_piston;
    QList<QWidget *> m_callouts;
    PistonStroke m_stroke;
    QTimer *m_leftStroke;
    QTimer *m_rightStroke;
};
