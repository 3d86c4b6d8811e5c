// SPDX-License-Identifier: MIT
#pragma once

#include <QIconEngine>
#include <QLabel>
#include <QPushButton>
#include <QSvgRenderer>
#include <QWidget>

// A label that sizes itself to its caption: the top-left corner stays and the label grows
// to the right. An empty caption keeps the small width given at construction. Hidden within
// its window (on a closed panel), it takes its size as it shows.
// A mouse press and release on it is a click, and so is Space or Enter while it has the focus.
class AutoLabel : public QLabel
{
    Q_OBJECT
public:
    AutoLabel(int emptyWidth, QWidget *parent);
    void setCaption(const QString &caption);

signals:
    void clicked();

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void fit();
    int m_emptyWidth;
    bool m_unfitted = false;
    bool m_pressed = false;
};

// A 1-pixel line between two end points, drawn in the widget's foreground colour.
class LineWidget : public QWidget
{
    Q_OBJECT
public:
    LineWidget(QPoint from, QPoint to, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_from;
    QPoint m_to;
};

// An icon drawn from one vector drawing at whatever size is asked for, when it is asked for.
class DrawingIconEngine : public QIconEngine
{
public:
    explicit DrawingIconEngine(const QString &resource);
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;

private:
    QString m_resource;
    QSvgRenderer m_drawing;
};

// A vector drawing, stretched onto the widget.
class DrawingWidget : public QWidget
{
    Q_OBJECT
public:
    DrawingWidget(const QString &resource, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer m_drawing;
};

// A push button that draws its face in its own background colour under every widget style
// (some native styles ignore the palette's button colour).
class FaceButton : public QPushButton
{
    Q_OBJECT
public:
    FaceButton(const QString &caption, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
