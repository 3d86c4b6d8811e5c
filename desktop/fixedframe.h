// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <optional>

class QWidget;

// Holds a top-level widget of fixed size to an outer width, frame included, whatever frame the
// window manager draws, in its place: whatever a window manager or another program grants it
// (full screen, maximized, another size), it returns to its size where it was.
class FixedFrame : public QObject
{
public:
    // assumedSideBorders: the width of the left and right borders together, in pixels, until
    // the window system reports the frame.
    FixedFrame(QWidget *window, int assumedSideBorders);

    void setOuterWidth(int pixels);
    // Whether a frame is drawn around the window that the window system never measures (a
    // Wayland compositor's): the side borders assumed stand for it.
    void setFrameUnmeasured(bool unmeasured);
    // The whole frame, title bar included, in the middle of the screen's available area.
    void centreOnScreen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMargins margins() const;
    int sideBorders() const;
    QSize clientSize() const;
    QPoint centredPlace() const;
    bool inShape() const;
    void fit();
    void placeFrameAt(QPoint topLeft);
    void takeBack();

    QWidget *m_window;
    int m_assumedSideBorders;
    int m_outerWidth = 0; // pixels
    bool m_frameUnmeasured = false;
    bool m_frameKnown = false; // the window manager has framed the window, with a frame of zero width maybe
    mutable std::optional<int> m_sideBorders; // as last read plausibly
    QPoint m_place; // where the frame's top-left corner belongs
    bool m_centred = true; // the place is the screen's centre, until the window is moved
    // A move becomes the window's place once nothing else follows it for a moment: a window
    // manager moves the window as it makes it full screen and only then tells so.
    QTimer m_settling;
    QTimer m_checking; // whether what was taken back stayed so
    int m_checks = 0;
};
