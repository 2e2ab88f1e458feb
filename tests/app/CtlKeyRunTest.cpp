// kxalarmctl add and delete end to end on a demo site (alarms 100-349,
// alarm-ins 5000-5099, keys 10-99 free): the lists, runs with their progress
// and keys, and refusals or a No that write nothing.

#include "tests/app/CtlDemoFixture.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

class CtlKeyRunTest : public test::CtlDemoFixture {};

TEST_F(CtlKeyRunTest, ListsRunsAndRefusals)
{
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string outStart;                              // the start of standard output
        std::string errPart;                               // a part of standard error
        std::vector<std::pair<long, std::string>> status;  // T02 afterwards
    };
    const Case cases[] = {
        {{"add", "alarms", "--list"}, 0, "10\n1000\n1001\n", "", {{100, "91"}}},
        {{"delete", "alarms-in", "--list"}, 0, "5000 Incoming 5000\n5001 Incoming 5001\n", "", {}},
        {{"add", "alarms", "98", "10-12"},
         0,
         "10\n11\n12\n98\n",
         "25 %\n50 %\n75 %\n100 %\n4 of 4 keys done",
         {{10, "91"}, {12, "91"}, {98, "91"}, {13, "11"}}},
        {{"--yes", "add", "alarms", "20", "100"}, 1, "", "key 100 is not offered", {{20, "11"}, {100, "91"}}},
        {{"delete", "alarms", "101", "5000"}, 1, "", "key 5000 is no alarm", {{101, "91"}, {5000, "92"}}},
        {{"--no", "delete", "alarms", "102-103"}, 1, "", "not confirmed; nothing written", {{102, "91"}, {103, "91"}}},
        {{"add", "alarms", "14-13"}, 64, "", "no range FIRST-LAST", {{13, "11"}}},
        {{"--yes", "delete", "alarms-in", "5000-5001"},
         0,
         "5000\n5001\n",
         "50 %\n100 %\n2 of 2 keys done",
         {{5000, "11"}, {5001, "11"}, {5002, "92"}}},
    };
    for (const Case& c : cases) {
        const std::string name = c.args[0] + " " + c.args[1] + " " + c.args[2];
        const test::CtlResult r = ctl(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << name << "\n" << r.err;
        EXPECT_EQ(r.out.substr(0, c.outStart.size()), c.outStart) << name;
        if (c.outStart.empty()) {
            EXPECT_EQ(r.out, "") << name;
        }
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << name << "\n" << r.err;
        for (const auto& [key, status] : c.status)
            EXPECT_EQ(ctl({"field", "get", std::to_string(key), "T02"}).out, status + "\n") << name << " " << key;
    }
}

}  // namespace
}  // namespace kx
