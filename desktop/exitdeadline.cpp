// SPDX-License-Identifier: MIT
#include "desktop/exitdeadline.h"

#include <cstdio>
#include <cstdlib>

void ExitDeadline::start(int status, std::chrono::milliseconds grace)
{
    m_watch = std::thread([this, status, grace] {
        std::unique_lock lock(m_mutex);
        if (!m_ended.wait_for(lock, grace, [this] { return m_done; })) {
            std::fputs("cylinder-ratio: the window system's connection did not close in time; ending anyway\n", stderr);
            std::fflush(nullptr);
            std::_Exit(status);
        }
    });
}

ExitDeadline::~ExitDeadline()
{
    if (!m_watch.joinable())
        return;
    {
        const std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_ended.notify_one();
    m_watch.join();
}
