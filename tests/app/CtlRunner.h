#pragma once
// Runs the kxalarmctl program of this build and captures what it prints.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
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

inline std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// `input` is fed to standard input (empty: /dev/null).
inline CtlResult RunCtl(const std::vector<std::string>& args, const std::string& workDir = {},
                        const std::string& input = {})
{
    const std::string base =
        (std::filesystem::temp_directory_path() / ("kxctl-" + std::to_string(::getpid()))).string();
    std::string command;
    if (!workDir.empty())
        command += "cd " + shellQuoted(workDir) + " && ";
    command += shellQuoted(std::string(KX_BINARY_DIR) + "/app/kxalarmctl");
    for (const std::string& a : args)
        command += " " + shellQuoted(a);
    if (!input.empty()) {
        std::ofstream(base + ".in", std::ios::binary) << input;
        command += " < " + shellQuoted(base + ".in");
    } else {
        command += " < /dev/null";
    }
    command += " > " + shellQuoted(base + ".out") + " 2> " + shellQuoted(base + ".err");
    const int status = std::system(command.c_str());
    CtlResult r;
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = slurp(base + ".out");
    r.err = slurp(base + ".err");
    std::filesystem::remove(base + ".out");
    std::filesystem::remove(base + ".err");
    std::filesystem::remove(base + ".in");
    return r;
}

}  // namespace kx::test
