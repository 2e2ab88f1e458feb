// kxalarmctl plan end to end on the demo site's plans: the command lines in
// order, each with its exit code, output and message.

#include "tests/app/CtlDemoFixture.h"
#include "tests/common/StandInPrograms.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kx {
namespace {

using CtlPlanTest = test::CtlDemoFixture;

TEST_F(CtlPlanTest, CommandLinesOnTheDemoPlans)
{
    const test::StandInPrograms editor(site.path("bin"));
    editor.add("kxsched");
    std::filesystem::rename(site.path("work/kxi_30.kxh"), site.path("work/KXI_30.KXH"));
    // clang-format off
    expectCases({"plan"}, {
        {{}, 64, "", "expects list"},
        {{"list"}, 64, "", "list expects more"},
        {{"list", "alarms"}, 64, "", "FAMILY is alarm or alarm-in"},
        {{"show", "alarm", "-1"}, 64, "", "NUMBER must be decimal digits"},
        {{"show", "alarm", "1e3"}, 64, "", "NUMBER must be"},
        {{"edit", "alarm-in", "../x", "year"}, 64, "", "NUMBER must be"},
        {{"edit", "alarm", "100"}, 64, "", "edit expects more"},
        {{"edit", "alarm", "100", "day"}, 64, "", "year or week"},
        {{"create", "alarm", "12", "all"}, 64, "", "year, week or both"},
        {{"choose", "+5030", "alarm", "100"}, 64, "", "KEY must be"},
        {{"choose", "5030", "alarm", "100", "x"}, 64, "", "unexpected argument x"},
        {{"choose", "99999999999", "alarm", "100"}, 2, "", "is not a key"},
        {{"list", "alarm"}, 0, "100 Alarm schedule- and weekplan\n20 Alarm scheduleplan only\n40 Alarm weekplan only\n", ""},
        {{"list", "alarm-in"}, 0, "12 Alarm-in weekplan only\n30 Alarm-in scheduleplan only\n300 Alarm-in schedule- and weekplan\n", ""},
        {{"show", "alarm", "100"}, 0,
         "year-file\tkxa_100.kxh\nyear\t#280000\tDefault action ,   OFS 0\n"
         "year\t#B40000\t24.12.  25 , 18:00 - 26.12.  25 , 23:59 , OFS 5010\n"
         "year\t#B40000\t31.12.  25 , 20:00 - 01.01.  26 , 06:00 , OFS 5020\n"
         "week-file\tkxa_100.kxw\nweek\t#280000\tDefault action ,   OFS 0\nweek\t#B40000\tMonday  08:00 - 17:00 , OFS 100\n"
         "week\t#B40000\tWednesday  08:00 - 17:00 , OFS 100\nweek\t#B40000\tWednesday  12:00 - 13:00 , OFS 200\n"
         "week\t#B40000\tFriday  08:00 - 14:00 , OFS 100\ntype\t3\n", ""},
        {{"show", "alarm-in", "0300"}, 0,
         "year-file\tkxi_300.kxh\nyear\t#32281E\tDefault action ,   OFS 0\n"
         "year\t#78643C\t06.01.  26 , 00:00 - 06.01.  26 , 23:59 , OFS 1\nweek-file\tkxi_300.kxw\n"
         "week\t#32281E\tDefault action ,   OFS 0\nweek\t#78643C\tTuesday  07:00 - 15:30 , OFS 2 K\u00FChlraum\n"
         "week\t#78643C\tThursday  07:00 - 15:30 , OFS 2\ntype\t0\n", ""},
        {{"show", "alarm", "40"}, 0,
         "year-file\tkxa_40.kxh\nweek-file\tkxa_40.kxw\nweek\t#002800\tDefault action ,   KEY 4711\n"
         "week\t#009600\tSaturday  00:00 - 23:59 , KEY 4712\nweek\t#009600\tSunday  00:00 - 23:59 , KEY 4712\ntype\t2\n", ""},
        {{"create", "alarm", "012"}, 0, "", ""},
        {{"create", "alarm", "12"}, 1, "", "Error: The plan 'kxa_12.kxh' already exists for this number !\nPlease use another number.\n"},
        {{"create", "alarm", "9"}, 1, "", "The number must be between 10 and 9999."},
        {{"create", "alarm-in", "12", "week"}, 1, "", "'kxi_12.kxw' already exists"},
        {{"create", "alarm-in", "30", "year"}, 1, "", "'kxi_30.kxh' already exists"},
        {{"choose", "5032", "alarm", "20"}, 1, "", "is not offset !"},
        {{"choose", "5032", "alarm", "99"}, 1, "", "Please select a schedule- and/or weekplan first!"},
        {{"choose", "4711", "alarm-in", "12"}, 1, "", ""},
        {{"choose", "5031", "alarm", "100"}, 0, "", ""},
        {{"choose", "5030", "alarm-in", "12"}, 0, "", ""},
        {{"edit", "alarm", "100", "week"}, 0, "", ""},
        {{"edit", "alarm-in", "30", "year"}, 0, "", ""},
        {{"edit", "alarm", "99", "year"}, 1, "", "no plan 99"},
    });
    // clang-format on
    // The alarm-in editor's "Edit" of the plan points to this command.
    EXPECT_NE(ctl({"alarm-in", "5030", "--button", "PlanEdit"}).err.find("kxalarmctl plan choose"), std::string::npos);
    // The plans chosen are stored, kind and number; the refusals for 5032 wrote nothing.
    std::string stored;
    for (const char* key : {"5030", "5031", "5032"})
        stored += ctl({"field", "get", key, "T90"}).out + ctl({"field", "get", key, "T10"}).out;
    EXPECT_EQ(stored, "0\n12\n1\n100\n0\n12\n");
    const std::string header = "rem  quillon tool   audiotex & voicemail application generator\nrem  ";
    EXPECT_EQ(site.read("work/kxa_12.kxh"),
              header + "year alarm file:  kxa_12.kxh\n"
                       "rem  line 1 (00.00.  00 , 00:00 - 00.00.  00 , 00:00 ,) : default values\n"
                       "rem  start:date:time - stop:date:time , action;\n");
    EXPECT_EQ(site.read("work/kxa_12.kxw"), header + "week alarm file:  kxa_12.kxw\n"
                                                     "rem  line 1 (0 , 00:00 - 00:00 , ) : default values\n"
                                                     "rem  day , start:time - stop:time , action;\n");
    EXPECT_EQ(editor.waitForCalls(2), (std::vector<std::string>{"kxsched|kxa_100.kxw", "kxsched|KXI_30.KXH"}));
}

}  // namespace
}  // namespace kx
