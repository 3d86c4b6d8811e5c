// SPDX-License-Identifier: MIT
#include "desktop/systemclose.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <csignal>
#include <QSocketNotifier>
#include <sys/socket.h>
#include <unistd.h>

namespace {
int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop reads the byte and closes the window.
void forwardSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

void closeOnSignals(QWidget *window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window] {
        char byte;
        [[maybe_unused]] const auto read = ::read(signalPipe[0], &byte, 1);
        // Ends the program also where closing leaves a window up for the user (a notice that
        // nothing could be saved): a signal asks for the end, not for a question.
        window->close();
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = forwardSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
    // Past a file size limit a write fails instead of ending the program, which then keeps
    // the old settings file and closes normally.
    signal(SIGXFSZ, SIG_IGN);
}
} // namespace
#endif

void closeWhenTheSystemAsks(QWidget *window)
{
#ifdef Q_OS_WIN
    // Windows asks only when the session ends, and then ends the process without closing its
    // windows. An X11 session manager asks at every checkpoint too, and closes the windows itself
    // when the session ends.
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, window, &QWidget::close);
#elif defined(Q_OS_UNIX)
    closeOnSignals(window);
#endif
}
