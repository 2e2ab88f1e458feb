#pragma once
// A throw-away site for the profile tests: <tmp>/kxprofile-XXXXXX with a
// "windows" directory, configured as the site so bare INI names land there.
// RAM-backed /dev/shm is preferred so the many fsyncs of the write tests
// stay cheap.

#include "platform/SitePaths.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

namespace kx::test {

class ProfileSite {
public:
    ProfileSite()
    {
        oldRoot_ = SitePaths::root();
        oldWindows_ = SitePaths::windowsDirectory();
        std::string base = "/dev/shm";
        if (::access(base.c_str(), W_OK | X_OK) != 0)
            base = std::filesystem::temp_directory_path().string();
        std::string pattern = base + "/kxprofile-XXXXXX";
        char* made = ::mkdtemp(pattern.data());
        if (!made)
            throw std::runtime_error("mkdtemp failed");
        root_ = made;
        ::chmod(root_.c_str(), 0755);  // a test may drop its privileges and still need to get in
        std::filesystem::create_directory(windows());
        SitePaths::configure(root_);
    }
    ~ProfileSite()
    {
        // Give back write permission that a test took away, then clean up.
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(root_, ec);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
            if (it->is_directory(ec) && !it->is_symlink(ec))
                ::chmod(it->path().c_str(), 0755);
        }
        std::filesystem::remove_all(root_, ec);
        SitePaths::configure(oldRoot_, oldWindows_);
    }
    ProfileSite(const ProfileSite&) = delete;
    ProfileSite& operator=(const ProfileSite&) = delete;

    const std::string& root() const { return root_; }
    std::string windows() const { return root_ + "/windows"; }
    std::string win(const std::string& name) const { return windows() + "/" + name; }

private:
    std::string root_;
    std::string oldRoot_;
    std::string oldWindows_;
};

inline void putFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Contents of a file, or nullopt when it does not exist.
inline std::optional<std::string> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool pathExists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

// Printable form of bytes for failure messages.
inline std::string escaped(const std::string& s)
{
    std::string r;
    for (unsigned char c : s) {
        if (c == '\r')
            r += "\\r";
        else if (c == '\n')
            r += "\\n";
        else if (c == '\t')
            r += "\\t";
        else if (c == '\\')
            r += "\\\\";
        else if (c < 0x20 || c >= 0x7F) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", c);
            r += buf;
        } else
            r += static_cast<char>(c);
    }
    return r;
}

}  // namespace kx::test
