// kxalarmctl whitelist and list supervision end to end on a demo site.

#include "tests/app/CtlDemoFixture.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

using CtlWatchersTest = test::CtlDemoFixture;

TEST_F(CtlWatchersTest, WhitelistActsInOrderAndStopsAtTheFirstRefusal)
{
    site.write("windows/kxawhitelist.ini", "[Lists]\r\n1=Lobby\r\n[Lobby]\r\n1=0301\r\n");
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* out;
        const char* err;
    } cases[] = {
        {{"5001", "--add-list", "", "--add", "0200", "--add", "0200", "--select", "lobby", "--add", "0100", "--remove",
          "0301", "--save"},
         0,
         "current\tLobby\nlist\t1\tLobby\nlist\t2\t5001\nnumber\t0100\n",
         ""},
        {{"5001"}, 0, "current\tLobby\nlist\t1\tLobby\nlist\t2\t5001\nnumber\t0100\n", ""},
        {{"5002", "--add", "1", "--select", "Lists", "--save"}, 1, "", "\"Lists\" cannot be the name of a whitelist."},
        {{"5001", "--delete-list", "--remove", "9"}, 1, "", "The number 9 is not in the whitelist."},
        {{"10"}, 1, "", "Key 10 is not an alarm-in."},
        {{"x1"}, 2, "", ""},
        {{"5001", "--add"}, 64, "", "--add expects a value"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"whitelist"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const test::CtlResult r = ctl(args);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.args[0] << r.err;
        EXPECT_EQ(r.out, c.out) << c.args[0];
        EXPECT_NE(r.err.find(c.err), std::string::npos) << r.err;
    }
    // 0200 was dropped by choosing Lobby; --delete-list was done before the refused --remove.
    EXPECT_EQ(site.read("windows/kxawhitelist.ini"), "[Lists]\r\n1=\r\n2=5001\r\n[Lobby]\r\n1=0100\r\n");
}

TEST_F(CtlWatchersTest, ListSupervisionPrintsEveryFunctionSixAlarmIn)
{
    ASSERT_EQ(ctl({"field", "set", "5006", "num6_1", "15"}).exitCode, 0);
    site.write("windows/kxawdog.ini", "[LastAlarm]\r\n5006=stale\r\n");
    const test::CtlResult r = ctl({"list", "supervision"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "5006\tIncoming 5006\tDo not launch an alarm\t15 min\t\tstale\n"
                     "5028\t\tDo not launch an alarm\t0 min\t\t\n"
                     "5050\tIncoming 5050\tDo not launch an alarm\t0 min\t\t\n"
                     "5072\t\tDo not launch an alarm\t0 min\t\t\n");
}

}  // namespace
}  // namespace kx
