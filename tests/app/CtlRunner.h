#pragma once
// Runs the kxalarmctl program of this build and captures what it prints.

#include "tests/common/TempSite.h"

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace kx::test {

struct CtlResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

inline std::string shellQuoted(const std::string& arg)
{
    std::string q = "'";
    for (char c : arg)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline CtlResult RunCtl(const std::vector<std::string>& args, const std::string& workDir = {})
{
    const TempDir capture("kxctl");
    std::string command;
    if (!workDir.empty())
        command += "cd " + shellQuoted(workDir) + " && ";
    command += shellQuoted(std::string(KX_BINARY_DIR) + "/app/kxalarmctl");
    for (const std::string& a : args)
        command += " " + shellQuoted(a);
    command += " < /dev/null > " + shellQuoted(capture.path("out")) + " 2> " + shellQuoted(capture.path("err"));
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, capture.read("out"), capture.read("err")};
}

}  // namespace kx::test
