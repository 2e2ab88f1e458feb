// kxalarmctl settings end to end on a demo site: listing, printing, changes, refusals, OK.

#include "tests/app/CtlDemoFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kx {
namespace {

using CtlSettingsTest = test::CtlDemoFixture;

// Whether `out` holds the line "name\tvalue\tenabled|disabled".
bool hasLine(const std::string& out, const std::string& line)
{
    return ("\n" + out).find("\n" + line + "\n") != std::string::npos;
}

TEST_F(CtlSettingsTest, ListsTheDialogsAndPrintsOneAsItOpens)
{
    const test::CtlResult names = ctl({"settings"});
    ASSERT_EQ(names.exitCode, 0) << names.err;
    // clang-format off
    for (const char* line : {
             "broadcast-messages\tSettings of the alarm messages of the 'broadcast'", "ddi-cli-scanner\tDDI - CLI Alarm scanner",
             "ddi-converter\tDDI Converter", "general\tGeneral settings", "line-supervision\tSupervision of lines",
             "select-lines\tSelect lines", "call-handling\tCall handling settings", "personnel\tSettings for personnel editor",
             "special-types\tSettings for special postqueue types", "extended\tExtended settings", "conference\tConference settings",
             "email\tE-mail settings", "master-slave\tMaster / Slave configuration", "slave-alarm-start\tSlave alarmstart settings",
             "incoming-calls\tIncoming call and alarm-in settings", "hotel-evacuation\tHotel-evacuation settings",
             "login-logout\tLogin / Logout settings", "watchdog-box\tWatch-dog box settings", "ddi-callback\tDDI callback settings",
             "xml\tXML Settings", "watchdog-alarm\tWatchdog settings", "watchers\tServer / Service / Process watcher settings",
             "server-watch\tServer / Network watcher", "service-watch\tService and process watcher"})
        // clang-format on
        EXPECT_TRUE(hasLine(names.out, line)) << names.out;

    const test::CtlResult r = ctl({"settings", "general"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(hasLine(r.out, "FirstAlarmKey\t10\tenabled")) << r.out;
    EXPECT_TRUE(hasLine(r.out, "ISDN\t1\tenabled")) << r.out;
    EXPECT_TRUE(hasLine(r.out, "SendMsgAsOwnPhone\t0\tdisabled")) << r.out;
    EXPECT_TRUE(hasLine(r.out, "NumberToAdd\t\tdisabled")) << r.out;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 15);
}

TEST_F(CtlSettingsTest, ChangesApplyTheRulesInOrderAndOnlyOkWrites)
{
    const std::string before = site.read("windows/kxalarm.ini") + site.read("windows/kxt.ini");
    const test::CtlResult shown =
        ctl({"settings", "general", "--set", "ISDN=QSIG", "--set", "SendUUI=1", "--set=ISDN=1"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    // Normal ISDN, set last, cleared the QSIG option that was set before it.
    EXPECT_TRUE(hasLine(shown.out, "SendUUI\t0\tdisabled")) << shown.out;
    EXPECT_TRUE(hasLine(shown.out, "E1Protocol\tCTR4\tenabled")) << shown.out;

    // clang-format off
    expectCases({"settings"}, {
        // The number edit is disabled until its check box is set, so this order is refused.
        {{"general", "--set", "ISDN=qsig", "--set", "NumberToAdd=0711", "--set", "AddNumberAtBeginning=1", "--ok"}, 1, "", "NumberToAdd is disabled"},
        {{"watchdog-alarm", "--key", "4711", "--set", "mode=1", "--set", "event_minutes=0", "--ok"}, 1, "", "valid watchdog interval"},
        {{"general", "--set", "FirstAlarmKey=5", "--ok"}, 1, "", "The first alarm number '5' should be between 10"},
        {{"ddi-converter", "--button", "refresh"}, 1, "", "the button refresh is disabled"},
        {{"general", "--set", "Nothing=1"}, 64, "", "general has no value Nothing"},
        {{"general", "--set", "ISDN"}, 64, "", "--set expects NAME=VALUE"},
        {{"general", "--set==1"}, 64, "", "--set expects NAME=VALUE"},
        {{"nosuchdialog"}, 64, "", "unknown settings dialog"},
        {{"master-slave", "--set", "Active=1", "--set", "Mode=1", "--button", "settings"}, 64, "", "run kxalarmctl settings slave-alarm-start"},
        {{"general", "--key", "4711"}, 64, "", "--key is not taken"},
        {{"watchdog-alarm"}, 64, "", "--key KEY is missing"},
        {{"watchdog-alarm", "--key", "5000"}, 1, "", "key 5000 is not an alarm"},
    });
    // clang-format on
    EXPECT_EQ(site.read("windows/kxalarm.ini") + site.read("windows/kxt.ini"), before);

    const test::CtlResult ok = ctl({"settings", "general", "--set", "ISDN=qsig", "--set", "PBX_Protocol=Cornet",
                                    "--set", "SendMsgAsOwnPhone=1", "--ok"});
    ASSERT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_NE(site.read("windows/kxalarm.ini").find("ISDN=QSIG\r\n"), std::string::npos);
    // Normal ISDN (no key) cleared SendMsgAsOwnPhone at opening; set again, it needs the PBX connection.
    EXPECT_EQ(site.read("windows/kxt.ini"),
              "[SETTINGS]\r\nMapMaxLines=30\r\n[D300]\r\nE1Protocol=QSIG\r\nPBX_Protocol=Cornet\r\nCNXtoPBX=1\r\n");
}

TEST_F(CtlSettingsTest, PostQueuesAreListedAndAQueueOptionIsSetByItsKey)
{
    const test::CtlResult list = ctl({"list", "post-queues"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_EQ(list.out.substr(0, list.out.find("3\t")),
              "0\tStandard queue\n1\tPostqueue 1  ( lines 1 to 4 ) \n2\tPostqueue 2  not existent\n");

    const test::CtlResult ok =
        ctl({"--yes", "settings", "call-handling", "--set", "DialAgainIfBusy=1", "--set", "BusyInQueue=3", "--ok"});
    ASSERT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_NE(site.read("windows/kxalarm.ini").find("BusyInQueue=3\r\n"), std::string::npos);
    EXPECT_EQ(site.read("kxt/kxtpost3.cgp"), "kxtpost3\r\n");
    EXPECT_TRUE(hasLine(ctl({"settings", "call-handling"}).out, "BusyInQueue\t3\tenabled"));
}

TEST_F(CtlSettingsTest, MasterSlaveOkRegistersTheControllerThatAutostartListShows)
{
    site.write("windows/kxtserv.ini", "[Startup_1]\r\nProgram=\r\n[Startup_2]\r\nProgram=kxe.exe\r\nParams=x\ty\r\n");
    ASSERT_EQ(ctl({"--yes", "settings", "master-slave", "--ok"}).exitCode, 0);
    const test::CtlResult r = ctl({"autostart", "list"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "1\tkxamaster.exe\t\t1\t1\t1\t0\n2\tkxe.exe\tx\\x09y\t\t\t\t\n");
}

}  // namespace
}  // namespace kx
