#pragma once
// Puts the stand-in script engine (tests/numbers/standin/kxe) on the search
// path of a temporary site for the lifetime of the object, and tells it the
// site's Windows directory. It records its arguments in <windir>/kxe.args
// and answers a kxaddiconv run with a "ResultData" section.

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace kx::test {

class StandInKxe {
public:
    // `binDirectory` is created; `windowsDirectory` is the site's.
    StandInKxe(const std::string& binDirectory, const std::string& windowsDirectory)
    {
        std::filesystem::create_directories(binDirectory);
        std::filesystem::copy_file(std::string(KX_SOURCE_DIR) + "/tests/numbers/standin/kxe", binDirectory + "/kxe",
                                   std::filesystem::copy_options::overwrite_existing);
        ::chmod((binDirectory + "/kxe").c_str(), 0755);
        const char* path = std::getenv("PATH");
        m_oldPath = path ? path : "";
        const char* windir = std::getenv("KX_WINDIR");
        m_hadWindir = windir != nullptr;
        m_oldWindir = windir ? windir : "";
        ::setenv("PATH", (binDirectory + ":" + m_oldPath).c_str(), 1);
        ::setenv("KX_WINDIR", windowsDirectory.c_str(), 1);
    }
    ~StandInKxe()
    {
        ::setenv("PATH", m_oldPath.c_str(), 1);
        if (m_hadWindir)
            ::setenv("KX_WINDIR", m_oldWindir.c_str(), 1);
        else
            ::unsetenv("KX_WINDIR");
    }
    StandInKxe(const StandInKxe&) = delete;
    StandInKxe& operator=(const StandInKxe&) = delete;

private:
    std::string m_oldPath;
    std::string m_oldWindir;
    bool m_hadWindir = false;
};

}  // namespace kx::test
