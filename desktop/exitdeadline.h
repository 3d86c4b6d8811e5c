// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

// Ends the process with its status if, once the window is closed and everything is saved, the
// libraries' teardown does not end it in time: Qt 6.4's Wayland connection can wait forever
// for its event thread as it closes. Output is flushed first. Declare it before the application
// object, so that it outlives it.
class ExitDeadline
{
public:
    ExitDeadline() = default;
    ~ExitDeadline();
    ExitDeadline(const ExitDeadline &) = delete;
    ExitDeadline &operator=(const ExitDeadline &) = delete;

    // From now on the process has this long to end by itself.
    void start(int status, std::chrono::milliseconds grace);

private:
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    std::thread m_watch;
};
