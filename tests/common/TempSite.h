#pragma once
// Test fixtures shared by the test programs: a temporary site (drive root
// with a Windows directory) that configures the site paths and is removed
// afterwards, and a message-box handler that records what the code shows
// and answers questions from a script.

#include "platform/MessageBoxes.h"
#include "platform/SitePaths.h"

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

// Records every box and answers questions in order (No when the script is empty).
class RecordingMessageBoxes final : public MessageBoxHandler {
public:
    struct Shown {
        char kind;  // 'E' error, 'C' question, 'I' information
        std::string caption;
        std::string text;
        bool defaultNo = false;
    };

    RecordingMessageBoxes() { m_previous = SetMessageBoxHandler(this); }
    ~RecordingMessageBoxes() override { SetMessageBoxHandler(m_previous); }

    void answer(bool yes)
    {
        std::lock_guard lock(m_mutex);
        m_answers.push_back(yes);
    }
    std::vector<Shown> shown() const
    {
        std::lock_guard lock(m_mutex);
        return m_shown;
    }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const Shown& s : shown())
            out.push_back(s.text);
        return out;
    }
    void clear()
    {
        std::lock_guard lock(m_mutex);
        m_shown.clear();
    }

    void showError(const std::string& caption, const std::string& text) override { add({'E', caption, text}); }
    bool askYesNo(const std::string& caption, const std::string& text, bool defaultNo) override
    {
        add({'C', caption, text, defaultNo});
        std::lock_guard lock(m_mutex);
        if (m_answers.empty())
            return false;
        const bool yes = m_answers.front();
        m_answers.pop_front();
        return yes;
    }
    void showInfo(const std::string& caption, const std::string& text) override { add({'I', caption, text}); }

private:
    void add(Shown s)
    {
        std::lock_guard lock(m_mutex);
        m_shown.push_back(std::move(s));
    }

    mutable std::mutex m_mutex;
    std::vector<Shown> m_shown;
    std::deque<bool> m_answers;
    MessageBoxHandler* m_previous = nullptr;
};

}  // namespace kx::test
