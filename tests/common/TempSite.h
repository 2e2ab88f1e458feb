#pragma once
// A temporary site for tests: a drive root with a Windows directory that
// configures the site paths and is removed afterwards.

#include "platform/SitePaths.h"
#include "tests/common/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <mutex>
#include <string>
#include <vector>

namespace kx::test {

class TempSite {
public:
    TempSite()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "kxsite-XXXXXX").string();
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        if (!::mkdtemp(buf.data()))
            ADD_FAILURE() << "mkdtemp failed";
        m_root = buf.data();
        std::filesystem::create_directories(m_root + "/windows");
        SitePaths::configure(m_root, {});
    }
    ~TempSite()
    {
        std::error_code ec;
        std::filesystem::permissions(m_root, std::filesystem::perms::owner_all, ec);
        std::filesystem::remove_all(m_root, ec);
        SitePaths::configure("/", {});
    }
    TempSite(const TempSite&) = delete;
    TempSite& operator=(const TempSite&) = delete;

    const std::string& root() const { return m_root; }
    std::string windows() const { return m_root + "/windows"; }
    std::string path(const std::string& relative) const { return m_root + "/" + relative; }

    void write(const std::string& relative, const std::string& bytes) const
    {
        const std::filesystem::path p = path(relative);
        std::filesystem::create_directories(p.parent_path());
        std::ofstream out(p, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::string read(const std::string& relative) const
    {
        std::ifstream in(path(relative), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool exists(const std::string& relative) const { return std::filesystem::exists(path(relative)); }

private:
    std::string m_root;
};

}  // namespace kx::test
