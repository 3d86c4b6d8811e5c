// SPDX-License-Identifier: MIT
// What the started programs tell the harness: the process's CPU time and the monotonic time at
// which the window's first frame reached the window system, then they close the window.
#pragma once

#include "clock.h"

#include <cstdio>
#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <sys/resource.h>

inline long long cpuNanoseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage); // every thread, from exec on
    const timeval total = {usage.ru_utime.tv_sec + usage.ru_stime.tv_sec,
                           usage.ru_utime.tv_usec + usage.ru_stime.tv_usec};
    return total.tv_sec * 1'000'000'000LL + total.tv_usec * 1000LL;
}

// The first expose of the window is painted and handed to the window system (an X image put,
// a Wayland buffer attached and committed) while Qt delivers it; what was posted meanwhile runs
// after that, before the event loop next waits.
class FirstFrameProbe : public QObject
{
public:
    explicit FirstFrameProbe(QWidget *window) : QObject(window), m_window(window)
    {
        window->show();
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_seen && static_cast<QWindow *>(watched)->isExposed()) {
            m_seen = true;
            QTimer::singleShot(0, this, [this] {
                const long long cpu = cpuNanoseconds();
                std::printf("frame %lld %lld\n", cpu, monotonicNanoseconds());
                std::fflush(stdout);
                m_window->close();
            });
        }
        return false;
    }

private:
    QWidget *m_window;
    bool m_seen = false;
};

// Names the application as the program does.
inline void nameApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("cylinder-ratio"));
    QGuiApplication::setApplicationVersion(QStringLiteral(APP_VERSION_TEXT));
    QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
}
