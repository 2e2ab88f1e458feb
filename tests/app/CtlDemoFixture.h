#pragma once
// Runs the kxalarmctl program of this build and captures what it prints; a
// demo site for its tests, made once per test suite (it takes a moment) and
// copied for each test, which works on its own copy.

#include "tests/common/TempSite.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
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

// A command line of a table: its exit code, its whole standard output and a
// part of its standard error.
struct CtlCase {
    std::vector<std::string> args;
    int exitCode;
    std::string out;
    std::string err;
};

class CtlDemoFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_demo = new TempSite();
        std::filesystem::remove_all(s_demo->root());
        const CtlResult r = RunCtl({"demo", s_demo->root()});
        ASSERT_EQ(r.exitCode, 0) << r.err;
    }
    static void TearDownTestSuite()
    {
        delete s_demo;
        s_demo = nullptr;
    }
    void SetUp() override
    {
        std::filesystem::copy(s_demo->root(), site.root(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
    }

    // kxalarmctl on this test's copy, from its working directory.
    CtlResult ctl(std::vector<std::string> args)
    {
        args.insert(args.begin(), {"--root", site.root(), "--windir", site.windows()});
        return RunCtl(args, site.path("work"));
    }
    // Runs each case in turn, after the words of `command`.
    void expectCases(const std::vector<std::string>& command, const std::vector<CtlCase>& cases)
    {
        for (const CtlCase& c : cases) {
            std::vector<std::string> args = command;
            args.insert(args.end(), c.args.begin(), c.args.end());
            const CtlResult r = ctl(args);
            const std::string line = testing::PrintToString(c.args);
            EXPECT_EQ(r.exitCode, c.exitCode) << line << r.err;
            EXPECT_EQ(r.out, c.out) << line;
            EXPECT_NE(r.err.find(c.err), std::string::npos) << line << r.err;
        }
    }

    static inline TempSite* s_demo = nullptr;
    TempSite site;
};

}  // namespace kx::test
