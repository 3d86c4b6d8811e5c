// SPDX-License-Identifier: MIT
#include "window/pistonanimation.h"

#include "widgets/twips.h"

#include <QTimer>
#include <QWidget>

PistonAnimation::PistonAnimation(QWidget *piston, const QList<QWidget *> &callouts, QObject *parent)
    : QObject(parent), m_piston(piston), m_callouts(callouts), m_leftStroke(new QTimer(this)),
      m_rightStroke(new QTimer(this))
{
    for (auto [timer, name, interval] : {std::tuple(m_leftStroke, "Timer1", PistonStroke::kLeftInterval),
                                         std::tuple(m_rightStroke, "Timer2", PistonStroke::kRightInterval)}) {
        timer->setObjectName(QLatin1String(name));
        timer->setInterval(interval);
        timer->setTimerType(Qt::PreciseTimer);
    }
    connect(m_leftStroke, &QTimer::timeout, this, [this] { step(m_stroke.leftward(), m_leftStroke, m_rightStroke); });
    connect(m_rightStroke, &QTimer::timeout, this, [this] { step(m_stroke.rightward(), m_rightStroke, m_leftStroke); });
}

void PistonAnimation::setRunning(bool running)
{
    for (QWidget *callout : std::as_const(m_callouts))
        callout->setVisible(!running);
    if (running) {
        m_leftStroke->start();
        m_stroke.start();
    } else {
        m_leftStroke->stop();
        m_rightStroke->stop();
        place(PistonStroke::kRest);
    }
}

void PistonAnimation::step(PistonStroke::Tick tick, QTimer *stroke, QTimer *nextStroke)
{
    if (tick.left) {
        place(*tick.left);
    } else {
        stroke->stop();
        nextStroke->start();
    }
}

void PistonAnimation::place(int left)
{
    m_piston->move(Twips::toPixels(left), m_piston->y());
}
