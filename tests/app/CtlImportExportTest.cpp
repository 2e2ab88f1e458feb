// kxalarmctl import and export end to end on a demo site: usage errors,
// progress lines and --quiet, the summary line and each exit code.

#include "tests/app/CtlDemoFixture.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>

namespace kx {
namespace {

class CtlImportExportTest : public test::CtlDemoFixture {};

TEST_F(CtlImportExportTest, CommandsInTurn)
{
    const std::string exported = site.path("work/kxalarm.csv");
    site.write("work/kxpers.csv", "Anna Alt;0891234;1;Labor\nBob;;1\nCarl Cook;0897777;2\n");
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string out;
        std::string errStart;
        std::string errEnd;
        bool fileSizeLimited = false;  // the export cannot write its file
    };
    // clang-format off
    const Case cases[] = {
        {{"import"}, 64, "", "kxalarmctl import: expects alarms or persons", ""},
        {{"export", "alarms", "--quiet"}, 64, "", "kxalarmctl export: expects one FILE", ""},
        {{"export", "alarms", exported}, 0, "exported 300 alarms\n",
         "progress: export 0/4990\nprogress: export 50/4990\n", "progress: export 4941/4990\nprogress: export 4990/4990\n"},
        {{"import", "alarms", exported, "--quiet"}, 0, "imported 300 lines, 0 values cut, 0 values not written\n", "", ""},
        {{"import", "alarms", exported}, 0, "imported 300 lines, 0 values cut, 0 values not written\n",
         "progress: check 0/300\nprogress: check 3/300\n", "progress: write 297/300\nprogress: write 300/300\n"},
        {{"import", "alarms", "missing.csv", "--quiet"}, 1, "imported 0 lines, 0 values cut, 0 values not written\n",
         "Error: The CSV file 'missing.csv' can not be opened !", ""},
        {{"import", "persons", "kxpers.csv", "--quiet"}, 2, "imported 2 persons, 1 lines skipped\n", "Error: Line 2: ", "skipped.\n"},
        {{"export", "alarms", exported, "--quiet"}, 3, "exported 0 alarms\n", "Error: ", "", true},
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string name = testing::PrintToString(c.args);
        const std::string before = test::ReadBytes(exported);
        rlimit old{};
        ::getrlimit(RLIMIT_FSIZE, &old);
        if (c.fileSizeLimited) {
            const rlimit limited{16384, old.rlim_max};
            ::setrlimit(RLIMIT_FSIZE, &limited);
            std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead
        }
        const test::CtlResult r = ctl(c.args);
        ::setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);
        EXPECT_EQ(r.exitCode, c.exitCode) << name << "\n" << r.err;
        EXPECT_EQ(r.out, c.out) << name;
        EXPECT_EQ(r.err.substr(0, c.errStart.size()), c.errStart) << name;
        EXPECT_TRUE(r.err.ends_with(c.errEnd) && (!c.errStart.empty() || r.err.empty())) << name << "\n" << r.err;
        if (c.fileSizeLimited) {
            EXPECT_EQ(test::ReadBytes(exported), before) << name;  // the old file is kept
        }
    }
}

}  // namespace
}  // namespace kx
