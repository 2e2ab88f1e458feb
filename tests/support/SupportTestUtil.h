// Helpers for the support library's tests: a private pipe directory per test,
// time measurement, waiting for a condition and child processes.
#pragma once

#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace kxtest {

using kx::test::ReadBytes;
using kx::test::TempDir;
using kx::test::WriteBytes;
using Clock = std::chrono::steady_clock;

// Input and output speed of a terminal device in bits per second (termios2),
// {0, 0} when it cannot be read.
std::pair<unsigned, unsigned> LineSpeeds(int fd);

// Points KX_PIPEDIR at a fresh directory for the duration of a test, so that
// tests running in parallel never meet each other's pipes.
class PipeDirTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("KX_PIPEDIR", m_dir.root().c_str(), 1); }
    void TearDown() override { ::unsetenv("KX_PIPEDIR"); }

    const std::string& PipeDir() const { return m_dir.root(); }

    TempDir m_dir{"kxpipe"};
};

inline int64_t MsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// Runs `child` in a forked process that exits with what it returns; the pid.
template <class F>
pid_t Fork(F child)
{
    pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(child());
    return pid;
}

inline int WaitExit(pid_t pid)
{
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid)
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Retries `attempt` until it returns true or `timeoutMs` pass.
template <class F>
bool Eventually(F attempt, int timeoutMs = 3000)
{
    auto start = Clock::now();
    while (!attempt()) {
        if (MsSince(start) > timeoutMs)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

// Runs `call` on another thread: when it has not returned after `graceMs`,
// runs `late`, which gives a call that waits (wrongly) another result. So
// what `call` returns tells whether it waited, without a clock.
template <class Call, class Late>
auto WithoutWaiting(Call call, Late late, int graceMs = 2000)
{
    auto result = std::async(std::launch::async, call);
    if (result.wait_for(std::chrono::milliseconds(graceMs)) == std::future_status::timeout)
        late();
    return result.get();
}

}  // namespace kxtest
