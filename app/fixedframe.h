// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QObject>

class QWidget;

// Holds a top-level widget of fixed size to an outer width, frame included, whatever frame the
// window manager draws, and keeps it from being resized, maximized or made full screen.
class FixedFrame : public QObject
{
public:
    explicit FixedFrame(QWidget *window);

    void setOuterWidth(int twips);
    // The whole frame, title bar included, in the middle of the screen's available area.
    void centreOnScreen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QMargins margins() const;
    void fit();

    QWidget *m_window;
    int m_outerWidth = 0; // twips
    bool m_centred = false;
};
