// kxalarmctl settings end to end on a demo site: printing a dialog, changes
// with the rules applied in order, OK with its checks and exit codes, a
// button, and the names for --help.

#include "tests/app/CtlDemoFixture.h"
#include "tests/numbers/StandInKxe.h"

#include <gtest/gtest.h>

#include <sstream>

namespace kx {
namespace {

class CtlSettingsTest : public test::CtlDemoFixture {
protected:
    // The line of one value: "name\tvalue\tenabled|disabled".
    static std::string line(const std::string& out, const std::string& name)
    {
        std::istringstream lines(out);
        std::string l;
        while (std::getline(lines, l))
            if (l.rfind(name + "\t", 0) == 0)
                return l;
        return "<no line for " + name + ">";
    }
};

TEST_F(CtlSettingsTest, ListsTheDialogsAndPrintsOneAsItOpens)
{
    const test::CtlResult names = ctl({"settings"});
    ASSERT_EQ(names.exitCode, 0) << names.err;
    for (const char* name : {"general\t", "ddi-converter\t", "ddi-cli-scanner\t"})
        EXPECT_NE(names.out.find(name), std::string::npos) << name;

    const test::CtlResult r = ctl({"settings", "general"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(line(r.out, "FirstAlarmKey"), "FirstAlarmKey\t10\tenabled");
    EXPECT_EQ(line(r.out, "FirstAlarmInKey"), "FirstAlarmInKey\t5000\tenabled");
    EXPECT_EQ(line(r.out, "ISDN"), "ISDN\t1\tenabled");
    EXPECT_EQ(line(r.out, "PBX_Protocol"), "PBX_Protocol\tNONE\tenabled");
    EXPECT_EQ(line(r.out, "SendMsgAsOwnPhone"), "SendMsgAsOwnPhone\t0\tdisabled");
    EXPECT_EQ(line(r.out, "NumberToAdd"), "NumberToAdd\t\tdisabled");
    std::size_t count = 0;
    for (char c : r.out)
        count += c == '\n';
    EXPECT_EQ(count, 15u);
}

TEST_F(CtlSettingsTest, ChangesApplyTheRulesInOrderAndWriteOnlyOnOk)
{
    const std::string before = site.read("windows/kxalarm.ini");
    const test::CtlResult shown =
        ctl({"settings", "general", "--set", "ISDN=QSIG", "--set", "SendUUI=1", "--set", "ISDN=1"});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    // Normal ISDN, set last, cleared the QSIG option that was set before it.
    EXPECT_EQ(line(shown.out, "SendUUI"), "SendUUI\t0\tdisabled");
    EXPECT_EQ(line(shown.out, "E1Protocol"), "E1Protocol\tCTR4\tenabled");
    EXPECT_EQ(site.read("windows/kxalarm.ini"), before);

    // The number edit is disabled until its check box is set, so this order is refused.
    const test::CtlResult early = ctl({"settings", "general", "--set", "ISDN=qsig", "--set", "NumberToAdd=0711",
                                       "--set", "AddNumberAtBeginning=1", "--ok"});
    EXPECT_EQ(early.exitCode, 1);
    EXPECT_NE(early.err.find("NumberToAdd is disabled"), std::string::npos) << early.err;
    EXPECT_EQ(site.read("windows/kxalarm.ini"), before);
}

TEST_F(CtlSettingsTest, RefusalsExitNonZeroAndWriteNothing)
{
    const std::string before = site.read("windows/kxalarm.ini");
    const std::string lineServer = site.read("windows/kxt.ini");
    const test::CtlResult range = ctl({"settings", "general", "--set", "FirstAlarmKey=5", "--ok"});
    EXPECT_EQ(range.exitCode, 1);
    EXPECT_NE(range.err.find("The first alarm number '5' should be between 10 and 9999 !"), std::string::npos)
        << range.err;

    const test::CtlResult disabled = ctl({"settings", "general", "--set", "ISDN=QSIG", "--set", "SendDDI=1", "--ok"});
    EXPECT_EQ(disabled.exitCode, 1);
    EXPECT_NE(disabled.err.find("SendDDI is disabled"), std::string::npos) << disabled.err;

    const test::CtlResult number = ctl({"settings", "general", "--set", "LastAlarmKey=many", "--ok"});
    EXPECT_EQ(number.exitCode, 1);
    EXPECT_NE(number.err.find("Please enter a whole number"), std::string::npos) << number.err;

    EXPECT_EQ(ctl({"settings", "general", "--set", "Nothing=1"}).exitCode, 64);
    EXPECT_EQ(ctl({"settings", "general", "--set", "ISDN"}).exitCode, 64);
    EXPECT_EQ(ctl({"settings", "nosuchdialog"}).exitCode, 64);
    EXPECT_EQ(site.read("windows/kxalarm.ini"), before);
    EXPECT_EQ(site.read("windows/kxt.ini"), lineServer);
}

TEST_F(CtlSettingsTest, OkWritesAsTheDialogWould)
{
    const test::CtlResult r =
        ctl({"settings", "general", "--set", "ISDN=qsig", "--set", "PBX_Protocol=Cornet", "--set",
             "AddNumberAtBeginning=1", "--set", "NumberToAdd=0711", "--set", "SendMsgAsOwnPhone=1", "--ok"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const std::string alarm = site.read("windows/kxalarm.ini");
    EXPECT_NE(alarm.find("ISDN=QSIG\r\n"), std::string::npos);
    EXPECT_NE(alarm.find("[kxaldmsg]\r\nAddNumberAtBeginning=1\r\nNumberToAdd=0711\r\n"), std::string::npos) << alarm;
    EXPECT_NE(alarm.find("FirstAlarmKey=10\r\n"), std::string::npos);
    // Normal ISDN (no key) cleared SendMsgAsOwnPhone at opening; set again, it needs the PBX connection.
    EXPECT_EQ(site.read("windows/kxt.ini"),
              "[SETTINGS]\r\nMapMaxLines=30\r\n[D300]\r\nE1Protocol=QSIG\r\nPBX_Protocol=Cornet\r\nCNXtoPBX=1\r\n");
    EXPECT_EQ(line(ctl({"settings", "general"}).out, "PBX_Protocol"), "PBX_Protocol\tCornet\tenabled");
}

TEST_F(CtlSettingsTest, DdiConverterTestButtonShowsTheModulesResults)
{
    test::StandInKxe kxe(site.path("bin"), site.windows());
    const test::CtlResult r =
        ctl({"settings", "ddi-converter", "--set", "DDIConversionActive=1", "--set", "LastDigits=1", "--set",
             "UseLastDigits=6", "--set", "TestDDI=0891", "--button", "test"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(line(r.out, "Result"), "Result\t0891/6/0\tenabled");
    EXPECT_EQ(line(r.out, "AfterUseLast"), "AfterUseLast\tAfterUseLast:0891\tenabled");
    EXPECT_EQ(line(r.out, "UseLastDigits"), "UseLastDigits\t6\tenabled");
    EXPECT_EQ(site.read("windows/kxe.args"), "kxaddiconv\n1\n-s1TestDDI\n");
    EXPECT_EQ(site.read("windows/kxalarm.ini").find("kxaddiconv"), std::string::npos);  // no OK

    const test::CtlResult disabled = ctl({"settings", "ddi-converter", "--button", "refresh"});
    EXPECT_EQ(disabled.exitCode, 1);
    const test::CtlResult refreshed =
        ctl({"settings", "ddi-converter", "--set", "DDIConversionActive=1", "--button", "refresh"});
    EXPECT_EQ(line(refreshed.out, "Result"), "Result\t0891/6/0\tenabled");

    const test::CtlResult ok = ctl({"settings", "ddi-converter", "--set", "DDIConversionActive=1", "--set",
                                    "ReplaceActive2=1", "--set", "ReplaceWith2=E", "--ok"});
    ASSERT_EQ(ok.exitCode, 0) << ok.err;
    EXPECT_NE(site.read("windows/kxalarm.ini").find("ReplaceActive2=1\r\nReplace2=\r\nReplaceWith2=E\r\n"),
              std::string::npos);
}

TEST_F(CtlSettingsTest, DdiCliScannerTakesOnlyAlarmsInOfTheRange)
{
    EXPECT_EQ(
        ctl({"settings", "ddi-cli-scanner", "--set", "Active=1", "--set", "UseDistAlarmInSettings=4711"}).exitCode,
        1);  // 4711 is an alarm
    const test::CtlResult r = ctl({"settings", "ddi-cli-scanner", "--set", "Active=1", "--set",
                                   "UseDistAlarmInSettings=5001", "--set", "FirstKey=100", "--ok"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(site.read("windows/kxalarm.ini")
                  .find("[kxaddiclialr]\r\nActive=1\r\nFirstKey=100\r\nLastKey=0\r\nUseDistAlarmInSettings=5001\r\n"
                        "UseConfAlarmInSettings=1001\r\n"),
              std::string::npos);
}

TEST_F(CtlSettingsTest, HelpNamesTheShortNames)
{
    const test::CtlResult r = ctl({"settings", "--help"});
    ASSERT_EQ(r.exitCode, 0);
    for (const char* name : {"QsigPbx", "IsdnPbx", "TestDDI", "ddi-cli-scanner", "--button"})
        EXPECT_NE(r.out.find(name), std::string::npos) << name;
}

}  // namespace
}  // namespace kx
