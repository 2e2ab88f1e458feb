// kxalarmctl deactivate, activate and timer-cycle end to end on a demo site
// (alarm range 10 to 4999; alarm 4711 has type 2): the console's model does
// the work (its own tests pin the types, end times and log lines); here the
// answers, output, exit codes and the log in the working directory.

#include "tests/app/CtlDemoFixture.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>

namespace kx {
namespace {

class CtlDeactivationTest : public test::CtlDemoFixture {
protected:
    std::string type(long key) { return ctl({"field", "get", std::to_string(key), "T82"}).out; }
    std::string value(long key)
    {
        return ctl({"profile", "get", "kxadeact.ini", "DeactivatedAlarms", std::to_string(key), "<none>"}).out;
    }
    void setDue(long key, int storedType, const char* end)
    {
        ASSERT_EQ(ctl({"field", "set", std::to_string(key), "num2_4", std::to_string(storedType)}).exitCode, 0);
        ASSERT_EQ(ctl({"profile", "set", "kxadeact.ini", "DeactivatedAlarms", std::to_string(key), end}).exitCode, 0);
    }
};

TEST_F(CtlDeactivationTest, DeactivateAndActivatePrintEachKeyAndLog)
{
    const std::time_t before = std::time(nullptr);
    const test::CtlResult r = ctl({"--yes", "deactivate", "30", "4711", "100"});
    const std::time_t after = std::time(nullptr);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.err.find("Deactivate selected alarms for 30 minutes ?"), std::string::npos);
    const std::string end = value(4711).substr(0, 8);
    EXPECT_EQ(r.out, "4711\tdeactivated\t" + end + "\n100\tdeactivated\t" + end + "\n");
    EXPECT_EQ(end.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_GE(std::stol(end, nullptr, 16), before + 1800);
    EXPECT_LE(std::stol(end, nullptr, 16), after + 1800);
    EXPECT_EQ(type(4711), "52\n");
    EXPECT_EQ(ctl({"activate", "4711"}).out, "4711\tactivated\n");
    EXPECT_EQ(ctl({"deactivate", "0", "4711"}).out, "4711\tactivated\n");  // MINUTES 0 activates too
    EXPECT_EQ(type(4711) + value(4711), "2\n\n");
    // Each log line starts with its "DD.MM, HH:MM,  " stamp.
    EXPECT_EQ(
        std::regex_replace(site.read("work/log/kxadeact.log"), std::regex(R"((^|\n)\d\d\.\d\d, \d\d:\d\d,  )"), "$1"),
        "Deactivate alarm 4711 for 30 minutes\nDeactivate alarm 100 for 30 minutes\n"
        "Activate alarm 4711 again\nActivate alarm 4711 again\n");
}

TEST_F(CtlDeactivationTest, NoAnswerAndUsageErrorsChangeNothing)
{
    // clang-format off
    expectCases({}, {
        {{"--no", "deactivate", "1440", "4711"}, 1, "", "for 24 hour(s) ?"},
        {{"deactivate", "120", "4711"}, 1, "", ""},  // no terminal, no --yes: No
        {{"deactivate"}, 64, "", "usage:"}, {{"deactivate", "10"}, 64, "", "usage:"},
        {{"deactivate", "ten", "4711"}, 64, "", "usage:"}, {{"deactivate", "-10", "4711"}, 64, "", "usage:"},
        {{"deactivate", "1441", "4711"}, 64, "", "usage:"}, {{"activate"}, 64, "", "usage:"},
        {{"timer-cycle", "now"}, 64, "", "usage:"},
    });
    // clang-format on
    EXPECT_EQ(type(4711), "2\n");
    EXPECT_FALSE(site.exists("windows/kxadeact.ini") || site.exists("work/log/kxadeact.log"));
}

TEST_F(CtlDeactivationTest, TimerCyclePutsBackWhatIsDueAndKeepsItWithoutTheTable)
{
    setDue(4711, 52, "00000001");
    setDue(4712, 53, "7FFFFFFF");  // later
    std::filesystem::rename(site.path("db1/vm001.dbf"), site.path("db1/away.dbf"));
    EXPECT_EQ(ctl({"--yes", "deactivate", "10", "4712"}).exitCode, 2);
    const test::CtlResult t = ctl({"timer-cycle"});
    EXPECT_EQ(t.exitCode, 2);
    EXPECT_NE(t.err.find("kept for the next cycle"), std::string::npos);
    EXPECT_EQ(value(4711), "00000001\n");
    std::filesystem::rename(site.path("db1/away.dbf"), site.path("db1/vm001.dbf"));
    const test::CtlResult r = ctl({"timer-cycle"});
    EXPECT_EQ(std::to_string(r.exitCode) + r.out, "04711\tactivated\n");
    EXPECT_EQ(type(4711) + value(4711) + type(4712), "2\n\n53\n");
    EXPECT_FALSE(site.exists("work/log/kxadeact.log"));  // the timer does not log
}

TEST_F(CtlDeactivationTest, DisabledFeatureOffersNothingAndTheTimerRests)
{
    ASSERT_EQ(ctl({"profile", "set", "kxalarm.ini", "config", "EnableAlarmDeactivation", "0"}).exitCode, 0);
    const test::CtlResult d = ctl({"--yes", "deactivate", "10", "4711"});
    EXPECT_EQ(d.exitCode, 1);
    EXPECT_NE(d.err.find("EnableAlarmDeactivation"), std::string::npos);
    setDue(4711, 52, "00000001");
    const test::CtlResult t = ctl({"timer-cycle"});
    EXPECT_EQ(std::to_string(t.exitCode) + t.out, "0");
    EXPECT_EQ(type(4711) + value(4711), "52\n00000001\n");
    // An absent key is written as 0 and counts as 0, as at start.
    ASSERT_EQ(ctl({"profile", "delete", "kxalarm.ini", "config", "EnableAlarmDeactivation"}).exitCode, 0);
    EXPECT_EQ(ctl({"activate", "4711"}).exitCode, 1);
    EXPECT_EQ(ctl({"profile", "get", "kxalarm.ini", "config", "EnableAlarmDeactivation"}).out, "0\n");
}

}  // namespace
}  // namespace kx
