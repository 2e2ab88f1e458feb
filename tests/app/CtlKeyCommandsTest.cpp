// kxalarmctl end to end on a demo site (alarms 100-349, alarm-ins 5000-5099,
// keys 10-99 free): add and delete, record-message, whitelist, list
// supervision and conference-pin; refusals and a No write nothing.

#include "tests/app/CtlDemoFixture.h"
#include "tests/common/StandInPrograms.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

using CtlKeyCommandsTest = test::CtlDemoFixture;

TEST_F(CtlKeyCommandsTest, AddAndDeleteListsRunsAndRefusals)
{
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string outStart;                              // the start of standard output
        std::string errPart;                               // a part of standard error
        std::vector<std::pair<long, std::string>> status;  // T02 afterwards
    };
    // clang-format off
    const Case cases[] = {
        {{"add", "alarms", "--list"}, 0, "10\n1000\n1001\n", "", {{100, "91"}}},
        {{"delete", "alarms-in", "--list"}, 0, "5000 Incoming 5000\n5001 Incoming 5001\n", "", {}},
        {{"add", "alarms", "98", "10-12"}, 0, "10\n11\n12\n98\n", "25 %\n50 %\n75 %\n100 %\n4 of 4 keys done",
         {{10, "91"}, {12, "91"}, {98, "91"}, {13, "11"}}},
        {{"--yes", "add", "alarms", "20", "100"}, 1, "", "key 100 is not offered", {{20, "11"}, {100, "91"}}},
        {{"delete", "alarms", "101", "5000"}, 1, "", "key 5000 is no alarm", {{101, "91"}, {5000, "92"}}},
        {{"--no", "delete", "alarms", "102-103"}, 1, "", "not confirmed; nothing written", {{102, "91"}, {103, "91"}}},
        {{"add", "alarms", "14-13"}, 64, "", "no range FIRST-LAST", {{13, "11"}}},
        {{"--yes", "delete", "alarms-in", "5000-5001"}, 0, "5000\n5001\n", "50 %\n100 %\n2 of 2 keys done",
         {{5000, "11"}, {5001, "11"}, {5002, "92"}}},
    };
    // clang-format on
    for (const Case& c : cases) {
        const std::string name = c.args[0] + " " + c.args[1] + " " + c.args[2];
        const test::CtlResult r = ctl(c.args);
        EXPECT_EQ(r.exitCode, c.exitCode) << name << "\n" << r.err;
        EXPECT_EQ(c.outStart.empty() ? r.out : r.out.substr(0, c.outStart.size()), c.outStart) << name;
        EXPECT_NE(r.err.find(c.errPart), std::string::npos) << name << "\n" << r.err;
        for (const auto& [key, status] : c.status)
            EXPECT_EQ(ctl({"field", "get", std::to_string(key), "T02"}).out, status + "\n") << name << " " << key;
    }
}

TEST_F(CtlKeyCommandsTest, RecordMessageShowsTheDialogAndDialsForKeysOfTheLists)
{
    const test::StandInPrograms queue(site.path("bin"));
    queue.add("kxtque");
    EXPECT_EQ(ctl({"record-message", "4711", "0301234567"}).out, "00301234567\n");
    EXPECT_EQ(ctl({"record-message", "5000"}).out, "00301234567\n");  // Nbr0 by default
    EXPECT_EQ(queue.waitForCalls(2), (std::vector<std::string>{"kxtque|postjob|1|_rec1am|-s100301234567|-i14711",
                                                               "kxtque|postjob|1|_rec1am|-s100301234567|-i15000"}));
    const test::CtlResult shown = ctl({"record-message", "5000", "--show"});
    EXPECT_EQ(shown.out.substr(0, shown.out.find("Nbr2")),
              "Frame\tPlay / record the message for the alarm-in 5000 Incoming 5000 \nNbr0\t0301234567\nNbr1\t\n");
    for (const char* refused : {"6000", "7"})  // a mailbox and a system key
        EXPECT_EQ(ctl({"record-message", refused, "0301"}).exitCode, 1) << refused;
    EXPECT_EQ(ctl({"record-message", "4711", "0301-1"}).exitCode, 1);
    EXPECT_EQ(queue.calls().size(), 2u);
}

TEST_F(CtlKeyCommandsTest, WhitelistActsInOrderAndStopsAtTheFirstRefusal)
{
    site.write("windows/kxawhitelist.ini", "[Lists]\r\n1=Lobby\r\n[Lobby]\r\n1=0301\r\n");
    const std::string lists = "current\tLobby\nlist\t1\tLobby\nlist\t2\t5001\nnumber\t0100\n";
    // clang-format off
    expectCases({"whitelist"}, {
        {{"5001", "--add-list", "", "--add", "0200", "--add", "0200", "--select", "lobby", "--add", "0100", "--remove", "0301", "--save"}, 0, lists, ""},
        {{"5001"}, 0, lists, ""},
        {{"5002", "--add", "1", "--select", "Lists", "--save"}, 1, "", "\"Lists\" cannot be the name of a whitelist."},
        {{"5001", "--delete-list", "--remove", "9"}, 1, "", "The number 9 is not in the whitelist."},
        {{"10"}, 1, "", "Key 10 is not an alarm-in."},
        {{"x1"}, 2, "", ""},
        {{"5001", "--add"}, 64, "", "--add expects a value"},
    });
    // clang-format on
    // 0200 was dropped by choosing Lobby; --delete-list was done before the refused --remove.
    EXPECT_EQ(site.read("windows/kxawhitelist.ini"), "[Lists]\r\n1=\r\n2=5001\r\n[Lobby]\r\n1=0100\r\n");
}

TEST_F(CtlKeyCommandsTest, ListSupervisionPrintsEveryFunctionSixAlarmIn)
{
    ASSERT_EQ(ctl({"field", "set", "5006", "num6_1", "15"}).exitCode, 0);
    site.write("windows/kxawdog.ini", "[LastAlarm]\r\n5006=stale\r\n");
    EXPECT_EQ(ctl({"list", "supervision"}).out, "5006\tIncoming 5006\tDo not launch an alarm\t15 min\t\tstale\n"
                                                "5028\t\tDo not launch an alarm\t0 min\t\t\n"
                                                "5050\tIncoming 5050\tDo not launch an alarm\t0 min\t\t\n"
                                                "5072\t\tDo not launch an alarm\t0 min\t\t\n");
}

TEST_F(CtlKeyCommandsTest, ConferencePinListsTheRangeSetsAPinAndRefusesADuplicate)
{
    site.write("windows/kxaconfpool.ini", "[Config]\r\nFirstConferenceNbr=7\r\nLastConferenceNbr=9\r\n");
    expectCases({"conference-pin"},
                {{{"8", "42"}, 0, "", ""},
                 {{"9", "0042"}, 1, "", "The pin code 0042 is already used by conference number 8."},
                 {{"9"}, 64, "", ""},
                 {{}, 0, "7\t\n8\t0042\n9\t\n", ""}});
    EXPECT_EQ(site.read("windows/kxaconfpool.ini"),
              "[Config]\r\nFirstConferenceNbr=7\r\nLastConferenceNbr=9\r\n[PinCodes]\r\n8=0042\r\n");
}

}  // namespace
}  // namespace kx
