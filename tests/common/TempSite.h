#pragma once
// TempDir: a private directory, removed afterwards; in RAM-backed /dev/shm
// when writable, since the INI tests fsync a lot. TempSite: a TempDir
// configured as the site, with a Windows directory; the old site comes back afterwards.

#include "platform/SitePaths.h"
#include "tests/common/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace kx::test {

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), std::streamsize(bytes.size()));
}

// The bytes of a file; empty when it cannot be read.
inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Whether the name exists, a dangling symbolic link included.
inline bool PathExists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// Printable form of bytes for failure messages.
inline std::string Escaped(const std::string& s)
{
    std::string r;
    char buf[8];
    for (unsigned char c : s) {
        std::snprintf(buf, sizeof buf, c < 0x20 || c >= 0x7F ? "\\x%02X" : "%c", c);
        r += c == '\\' ? "\\\\" : c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\t' ? "\\t" : buf;
    }
    return r;
}

// Runs body in a child process; whether it returned true there.
template <typename Body>
bool InChildProcess(Body body)
{
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body() ? 0 : 1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class TempDir {
public:
    explicit TempDir(const std::string& prefix = "kxtest")
    {
        const std::string base = ::access("/dev/shm", W_OK | X_OK) == 0
                                     ? std::string("/dev/shm")
                                     : std::filesystem::temp_directory_path().string();
        std::string pattern = base + "/" + prefix + "-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            ADD_FAILURE() << "mkdtemp failed in " << base;
        m_root = pattern;
        ::chmod(m_root.c_str(), 0755);  // a test may drop its privileges and still need to get in
    }
    ~TempDir()
    {
        // Give back the permissions a test took away, then remove everything.
        std::error_code ec;
        ::chmod(m_root.c_str(), 0755);
        for (auto it = std::filesystem::recursive_directory_iterator(m_root, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
            if (it->is_directory(ec) && !it->is_symlink(ec))
                ::chmod(it->path().c_str(), 0755);
        std::filesystem::remove_all(m_root, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& root() const { return m_root; }
    std::string path(const std::string& relative) const { return m_root + "/" + relative; }

    // Relative names; write() makes the directories on the way.
    void write(const std::string& relative, const std::string& bytes) const
    {
        std::filesystem::create_directories(std::filesystem::path(path(relative)).parent_path());
        WriteBytes(path(relative), bytes);
    }
    std::string read(const std::string& relative) const { return ReadBytes(path(relative)); }
    bool exists(const std::string& relative) const { return std::filesystem::exists(path(relative)); }

private:
    std::string m_root;
};

class TempSite : public TempDir {
public:
    TempSite() : TempDir("kxsite"), m_oldRoot(SitePaths::root()), m_oldWindows(SitePaths::windowsDirectory())
    {
        std::filesystem::create_directories(windows());
        SitePaths::configure(root(), {});
    }
    ~TempSite() { SitePaths::configure(m_oldRoot, m_oldWindows); }

    std::string windows() const { return root() + "/windows"; }
    // A file of the Windows directory.
    std::string win(const std::string& name) const { return windows() + "/" + name; }

private:
    std::string m_oldRoot;
    std::string m_oldWindows;
};

}  // namespace kx::test
