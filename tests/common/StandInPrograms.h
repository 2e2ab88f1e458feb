#pragma once
// Stand-in companion programs: scripts in a directory at the front of PATH that
// append one line per call, "name|arg1|arg2...", to a record file.

#include "platform/ProgramLauncher.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace kx::test {

class StandInPrograms {
public:
    explicit StandInPrograms(std::string directory) : m_dir(std::move(directory))
    {
        std::filesystem::create_directories(m_dir);
        m_record = m_dir + "/calls.txt";
        const char* path = std::getenv("PATH");
        m_oldPath = path ? path : "";
        ::setenv("PATH", (m_dir + ":" + m_oldPath).c_str(), 1);
        // The console's own directory must not hide the stand-ins.
        SetProgramDirectory(m_dir);
    }
    ~StandInPrograms()
    {
        ::setenv("PATH", m_oldPath.c_str(), 1);
        SetProgramDirectory({});
    }
    StandInPrograms(const StandInPrograms&) = delete;
    StandInPrograms& operator=(const StandInPrograms&) = delete;

    // A program that records its call; `extra` is more shell to run after it.
    void add(const std::string& name, const std::string& extra = {}) const
    {
        const std::string file = m_dir + "/" + name;
        std::ofstream out(file, std::ios::trunc);
        out << "#!/bin/sh\n"
            << "line=\"" << name << "\"\n"
            << "for a in \"$@\"; do line=\"$line|$a\"; done\n"
            << "printf '%s\\n' \"$line\" >> \"" << m_record << "\"\n"
            << extra << "\n";
        out.close();
        ::chmod(file.c_str(), 0755);
    }

    std::vector<std::string> calls() const
    {
        std::vector<std::string> lines;
        std::ifstream in(m_record);
        for (std::string line; std::getline(in, line);)
            lines.push_back(line);
        return lines;
    }

    // Programs that are started, not waited for, record a moment later.
    std::vector<std::string> waitForCalls(std::size_t count) const
    {
        for (int i = 0; i < 300 && calls().size() < count; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return calls();
    }

    void clear() const { std::filesystem::remove(m_record); }
    const std::string& directory() const { return m_dir; }

private:
    std::string m_dir;
    std::string m_record;
    std::string m_oldPath;
};

}  // namespace kx::test
