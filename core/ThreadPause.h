#pragma once
// The pauses of the background threads, cut short when the program stops
// them, so that closing the window never waits a whole timer period.

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace kx {

class ThreadPause {
public:
    // Waits for the given time or until stop(); false when stopped.
    bool sleep(int milliseconds)
    {
        std::unique_lock lock(m_mutex);
        return !m_wake.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return m_stopped; });
    }
    void stop()
    {
        {
            std::lock_guard lock(m_mutex);
            m_stopped = true;
        }
        m_wake.notify_all();
    }
    bool stopped() const
    {
        std::lock_guard lock(m_mutex);
        return m_stopped;
    }

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopped = false;
};

}  // namespace kx
