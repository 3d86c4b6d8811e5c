// SPDX-License-Identifier: MIT
#include "widgets/focusring.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWidth = 2; // pixels, as wide as the thinnest focus ring users are told to look for

// The relative luminance of a colour, as contrast ratios are measured.
double luminance(const QColor &color)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double first = luminance(a);
    const double second = luminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

} // namespace

FocusRing::FocusRing(QWidget *window) : QWidget(window), m_window(window)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        // A list or menu that opens over the window takes the focus for a while; the ring stays.
        if (now && now->window() == m_window && now != m_window)
            follow(now);
    });
}

void FocusRing::follow(QWidget *control)
{
    if (m_control)
        m_control->removeEventFilter(this);
    m_control = control;
    control->installEventFilter(this);
    // Inside the control's container: clipped there, it never covers a neighbouring panel.
    if (parentWidget() != control->parentWidget())
        setParent(control->parentWidget());
    place();
}

void FocusRing::place()
{
    if (!m_control)
        return;
    setGeometry(m_control->geometry().adjusted(-kWidth, -kWidth, kWidth, kWidth));
    raise();
    setVisible(m_control->isVisible());
    update();
}

bool FocusRing::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        if (watched == m_control)
            place();
        break;
    default:
        break;
    }
    return false;
}

void FocusRing::paintEvent(QPaintEvent *)
{
    const QWidget *surroundings = parentWidget();
    const QPalette &palette = surroundings->palette();
    const QColor background = palette.color(surroundings->backgroundRole());
    QColor ring;
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text, QPalette::Base, QPalette::Window,
                      QPalette::Highlight, QPalette::HighlightedText}) {
        const QColor candidate = palette.color(role);
        if (!ring.isValid() || contrast(candidate, background) > contrast(ring, background))
            ring = candidate;
    }
    QPainter painter(this);
    const QRect outer = rect();
    const QRect inner = outer.adjusted(kWidth, kWidth, -kWidth, -kWidth);
    painter.fillRect(QRect(outer.topLeft(), QSize(outer.width(), kWidth)), ring);
    painter.fillRect(QRect(QPoint(outer.left(), inner.bottom() + 1), QSize(outer.width(), kWidth)), ring);
    painter.fillRect(QRect(QPoint(outer.left(), inner.top()), QSize(kWidth, inner.height())), ring);
    painter.fillRect(QRect(QPoint(inner.right() + 1, inner.top()), QSize(kWidth, inner.height())), ring);
}
