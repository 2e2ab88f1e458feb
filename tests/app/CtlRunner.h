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
    for (char c : arg) {
        if (c == '\'')
            q += "'\\''";
        else
            q += c;
    }
    return q + "'";
}

// `input` is fed to standard input (empty: /dev/null).
inline CtlResult RunCtl(const std::vector<std::string>& args, const std::string& workDir = {},
                        const std::string& input = {})
{
    const TempDir capture("kxctl");
    std::string command;
    if (!workDir.empty())
        command += "cd " + shellQuoted(workDir) + " && ";
    command += shellQuoted(std::string(KX_BINARY_DIR) + "/app/kxalarmctl");
    for (const std::string& a : args)
        command += " " + shellQuoted(a);
    if (!input.empty()) {
        capture.write("in", input);
        command += " < " + shellQuoted(capture.path("in"));
    } else {
        command += " < /dev/null";
    }
    command += " > " + shellQuoted(capture.path("out")) + " 2> " + shellQuoted(capture.path("err"));
    const int status = std::system(command.c_str());
    CtlResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = capture.read("out");
    r.err = capture.read("err");
    return r;
}

}  // namespace kx::test
