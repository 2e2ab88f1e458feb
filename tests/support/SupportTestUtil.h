// Helpers for the support library's tests: temporary directories, a private
// pipe directory per test, and time measurement.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <utility>

namespace kxtest {

// Input and output speed of a terminal device in bits per second (termios2),
// {0, 0} when it cannot be read.
std::pair<unsigned, unsigned> LineSpeeds(int fd);

class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kxsupport-XXXXXX").string();
        char* made = ::mkdtemp(pattern.data());
        EXPECT_NE(made, nullptr);
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

// Points KX_PIPEDIR at a fresh directory for the duration of a test, so that
// tests running in parallel never meet each other's pipes.
class PipeDirTest : public ::testing::Test {
protected:
    void SetUp() override { ::setenv("KX_PIPEDIR", m_dir.Path().c_str(), 1); }
    void TearDown() override { ::unsetenv("KX_PIPEDIR"); }

    const std::string& PipeDir() const { return m_dir.Path(); }

    TempDir m_dir;
};

inline int64_t MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
}

// Retries `attempt` until it returns true or `timeoutMs` pass.
template <class F>
bool Eventually(F attempt, int timeoutMs = 3000)
{
    auto start = std::chrono::steady_clock::now();
    while (!attempt()) {
        if (MsSince(start) > timeoutMs)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

}  // namespace kxtest
