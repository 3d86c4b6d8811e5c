// SPDX-License-Identifier: MIT
#include "desktop/waylandframe.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWindow>

WaylandFrame::WaylandFrame(QWidget *window, int titleBarHeight, int borderWidth)
    : QWidget(window), m_window(window), m_titleBarHeight(titleBarHeight), m_borderWidth(borderWidth)
{
    setObjectName(QStringLiteral("WindowFrame"));
    m_minimize = addButton("MinimizeButton", QStringLiteral("Minimize"));
    m_close = addButton("CloseButton", QStringLiteral("Close"));
    colourButtons();
    connect(m_minimize, &QToolButton::clicked, window, &QWidget::showMinimized);
    connect(m_close, &QToolButton::clicked, window, &QWidget::close);
    window->setContentsMargins(borderWidth, titleBarHeight, borderWidth, borderWidth);
    window->installEventFilter(this);
    lower(); // under the menu bar and the client area
}

QToolButton *WaylandFrame::addButton(const char *name, const QString &accessibleName)
{
    auto *button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus); // out of the tab order, as on the frames compositors draw
    return button;
}

// The buttons' symbols in the title's colour, in any desktop scheme, also when it changes: drawn
// in strokes of two pixels or more across most of the icon, which a font's dash and cross are not.
// Whole-pixel ends keep strokes of even width crisp.
void WaylandFrame::colourButtons()
{
    const int side = (m_titleBarHeight - m_borderWidth) * 2 / 3;
    const int width = std::max(2, side / 6);
    const qreal scale = devicePixelRatioF();
    const QPen stroke(palette().color(QPalette::HighlightedText), width, Qt::SolidLine, Qt::FlatCap);
    const int near = width, far = side - width;
    for (QToolButton *button : {m_minimize, m_close}) {
        QPixmap symbol(QSize(side, side) * scale);
        symbol.setDevicePixelRatio(scale);
        symbol.fill(Qt::transparent);
        QPainter painter(&symbol);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(stroke);
        if (button == m_minimize) {
            painter.drawLine(QPointF(near, far), QPointF(far, far));
        } else {
            painter.drawLine(QPointF(near, near), QPointF(far, far));
            painter.drawLine(QPointF(near, far), QPointF(far, near));
        }
        painter.end();
        button->setIcon(QIcon(symbol));
        button->setIconSize(QSize(side, side));
    }
}

void WaylandFrame::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        colourButtons();
    QWidget::changeEvent(event);
}

void WaylandFrame::placeButtons()
{
    const int side = m_titleBarHeight - m_borderWidth;
    const int top = m_borderWidth / 2;
    m_close->setGeometry(width() - m_borderWidth - side, top, side, side);
    m_minimize->setGeometry(m_close->x() - side, top, side, side);
}

bool WaylandFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window) {
        switch (event->type()) {
        case QEvent::Resize:
            setGeometry(m_window->rect());
            placeButtons();
            break;
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
        case QEvent::ActivationChange:
            update();
            break;
        default:
            break;
        }
    }
    return false;
}

void WaylandFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette::ColorGroup group = m_window->isActiveWindow() ? QPalette::Active : QPalette::Inactive;
    painter.fillRect(rect(), palette().color(group, QPalette::Highlight));
    const int bar = m_titleBarHeight;
    const int iconSide = bar - 2 * m_borderWidth;
    const QRect icon(m_borderWidth, m_borderWidth, iconSide, iconSide);
    m_window->windowIcon().paint(&painter, icon);
    const QRect title(icon.right() + 1 + m_borderWidth, 0, m_minimize->x() - icon.right() - 1 - m_borderWidth, bar);
    painter.setPen(palette().color(group, QPalette::HighlightedText));
    painter.drawText(title, Qt::AlignVCenter | Qt::AlignLeft,
                     fontMetrics().elidedText(m_window->windowTitle(), Qt::ElideRight, title.width()));
}

// The title bar moves the window; its borders do not resize it.
void WaylandFrame::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && event->position().y() < m_titleBarHeight && m_window->windowHandle())
        m_window->windowHandle()->startSystemMove();
}

// A double click neither maximizes nor restores: the window's size is fixed.
void WaylandFrame::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
