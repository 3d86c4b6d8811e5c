// SPDX-License-Identifier: MIT
#include "widgets/controls.h"

#include <algorithm>
#include <qdrawutil.h>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

AutoLabel::AutoLabel(int emptyWidth, QWidget *parent) : QLabel(parent), m_emptyWidth(emptyWidth)
{ }

void AutoLabel::setCaption(const QString &caption)
{
    setText(caption);
    // Measuring loads the face and shapes the caption: a closed panel's label pays that when
    // the panel opens, not at start-up.
    m_unfitted = !isVisibleTo(window());
    if (!m_unfitted)
        fit();
}

void AutoLabel::showEvent(QShowEvent *event)
{
    if (m_unfitted) {
        m_unfitted = false;
        fit();
    }
    QLabel::showEvent(event);
}

void AutoLabel::fit()
{
    // A one-line caption needs its advance, or its ink where an italic glyph leans further;
    // measuring just that is far cheaper than sizeHint(), which lays the text out.
    const QFontMetrics metrics = fontMetrics();
    const int width = std::max(metrics.horizontalAdvance(text()), metrics.boundingRect(text()).right() + 1);
    resize(text().isEmpty() ? m_emptyWidth : width, metrics.height());
}

void AutoLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

void AutoLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void AutoLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

LineWidget::LineWidget(QPoint from, QPoint to, QWidget *parent) : QWidget(parent)
{
    const QRect bounds = QRect(from, to).normalized();
    setGeometry(bounds);
    m_from = from - bounds.topLeft();
    m_to = to - bounds.topLeft();
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 0));
    painter.drawLine(m_from, m_to);
}

DrawingIconEngine::DrawingIconEngine(const QString &resource) : m_resource(resource), m_drawing(resource)
{ }

void DrawingIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State)
{
    m_drawing.render(painter, rect);
}

QPixmap DrawingIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, pixmap.rect(), mode, state);
    return pixmap;
}

QIconEngine *DrawingIconEngine::clone() const
{
    return new DrawingIconEngine(m_resource);
}

QList<QSize> DrawingIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
}

DrawingWidget::DrawingWidget(const QString &resource, QWidget *parent) : QWidget(parent), m_drawing(resource)
{
    m_drawing.setAspectRatioMode(Qt::IgnoreAspectRatio);
}

void DrawingWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_drawing.render(&painter, rect());
}

FaceButton::FaceButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    setBackgroundRole(QPalette::Button);
    setForegroundRole(QPalette::ButtonText);
}

void FaceButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor face = palette().color(backgroundRole());
    const QPalette bevel(face);
    qDrawWinButton(&painter, rect(), bevel, isDown(), &bevel.brush(QPalette::Button));

    painter.setPen(palette().color(foregroundRole()));
    const QRect inner = rect().adjusted(4, 4, -4, -4).translated(isDown() ? QPoint(1, 1) : QPoint());
    painter.drawText(inner, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = inner;
        focus.backgroundColor = face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
