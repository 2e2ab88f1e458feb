// "Select plan": every check before the one write of num1_7 and n_mbx, and
// "Edit" ("New" and the modes are tested through the dialog).

#include "plans/PlanSelection.h"
#include "tests/common/StandInPrograms.h"
#include "tests/plans/PlansFixture.h"

namespace kx::test {
namespace {

using plans::PlanFamily;
using plans::PlanSelection;

class PlanSelectionTest : public PlansFixture {
protected:
    static constexpr long kAlarmIn = 5000;

    void SetUp() override
    {
        PlansFixture::SetUp();
        ASSERT_EQ(field(kAlarmIn, "status"), "92");
        put("kxi_20.kxw", "1 , 08:00 - 17:00 , OFS 3;\n");
        put("kxa_30.kxh", "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , OFS 3;\n");  // an offset plan
        put("kxa_40.kxw", "1 , 08:00 - 17:00 , GRP 3;\n");                        // a group plan
        put("kxa_50.kxw", "1 , 08:00 - 17:00 , no type word;\n");
        before = record(kAlarmIn);
    }
    // OK on a selection opened for the alarm-in, with `number` chosen in
    // the list of `family`.
    bool okWith(PlanFamily family, long number, long key = kAlarmIn)
    {
        PlanSelection selection(key, 0, family == PlanFamily::Alarm ? 1 : 0);
        selection.open();
        selection.select(family, plans::FindPlanItem(selection.items(family), number));
        return selection.ok();
    }

    std::vector<std::string> before;
};

const std::string kNotOffset =
    "The type of the alarm scheduleplan is not offset !\nAlarm-in scheduleplans only support "
    "the the offset. (Group and Alarmkey are not supported)|";

TEST_F(PlanSelectionTest, OkWritesModeAndNumberTogetherAfterEveryCheck)
{
    struct Case {
        PlanFamily family;
        long number;
        std::string message;  // "" when written
    };
    const std::vector<Case> cases = {
        {PlanFamily::Alarm, 40, kNotOffset},
        {PlanFamily::Alarm, 50, kNotOffset},  // shown after a group plan: its type is its own
        {PlanFamily::Alarm, 99, "Please select a schedule- and/or weekplan first!|"},
        {PlanFamily::AlarmIn, 99, "Please select a schedule- and/or weekplan first!|"},
        {PlanFamily::Alarm, 30, ""},
        {PlanFamily::AlarmIn, 20, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const std::vector<std::string> was = record(kAlarmIn);
        boxes.clear();
        EXPECT_EQ(okWith(c.family, c.number), c.message.empty());
        EXPECT_EQ(boxTexts(), c.message);
        if (c.message.empty())
            expectRecord(kAlarmIn, before,
                         {{"num1_7", c.family == PlanFamily::Alarm ? "1" : "0"}, {"n_mbx", std::to_string(c.number)}});
        else
            expectRecord(kAlarmIn, was, {});
    }
}

TEST_F(PlanSelectionTest, TheOffsetCheckReadsThePlanStoredNotThePlanShown)
{
    PlanSelection selection(kAlarmIn, 20, 0);
    selection.open();
    ASSERT_EQ(selection.selected(PlanFamily::AlarmIn), 0);  // "20 Alarm-in weekplan only", not classified
    selection.select(PlanFamily::Alarm, plans::FindPlanItem(selection.items(PlanFamily::Alarm), 30));
    selection.setMode(PlanFamily::Alarm);  // the alarm-in plan stays on show
    EXPECT_TRUE(selection.ok());
    EXPECT_EQ(boxTexts(), "");
    expectRecord(kAlarmIn, before, {{"num1_7", "1"}, {"n_mbx", "30"}});
}

TEST_F(PlanSelectionTest, NothingIsWrittenForAKeyThatIsNoAlarmInOrATableThatDoesNotOpen)
{
    EXPECT_FALSE(okWith(PlanFamily::AlarmIn, 20, 100));  // an alarm
    EXPECT_FALSE(okWith(PlanFamily::AlarmIn, 20, 99999999));
    EXPECT_EQ(boxTexts(), "Key 100 is not an alarm-in.|Key 99999999 is not an alarm-in.|");
    std::filesystem::rename(site.path("db1/vm001.dbf"), site.path("db1/moved.dbf"));
    boxes.clear();
    EXPECT_FALSE(okWith(PlanFamily::AlarmIn, 20));
    EXPECT_EQ(boxTexts().rfind("Error, impossible to open alarm-database ", 0), 0u) << boxTexts();
    std::filesystem::rename(site.path("db1/moved.dbf"), site.path("db1/vm001.dbf"));
    expectRecord(kAlarmIn, before, {});
}

TEST_F(PlanSelectionTest, EditStartsThePlanEditorOnTheFileOfTheSelectedPlan)
{
    StandInPrograms programs(site.path("bin"));
    programs.add("kxsched.exe");
    put("KXA_30.KXW", "x");
    PlanSelection selection(kAlarmIn, 30, 1);
    selection.open();
    EXPECT_TRUE(selection.edit(true));  // found in another case: passed by its own name
    EXPECT_TRUE(selection.edit(false));
    selection.setMode(PlanFamily::AlarmIn);
    EXPECT_FALSE(selection.edit(true));  // nothing selected in the alarm-in list
    selection.select(PlanFamily::AlarmIn, 0);
    EXPECT_TRUE(selection.edit(false));
    std::vector<std::string> calls = programs.waitForCalls(3);
    std::sort(calls.begin(), calls.end());  // started, not waited for: they may end in any order
    EXPECT_EQ(calls,
              (std::vector<std::string>{"kxsched.exe|KXA_30.KXW", "kxsched.exe|kxa_30.kxh", "kxsched.exe|kxi_20.kxh"}));
    std::filesystem::remove(site.path("bin/kxsched.exe"));
    EXPECT_FALSE(selection.edit(false));  // the editor is missing
    EXPECT_EQ(boxTexts(), "");
}

}  // namespace
}  // namespace kx::test
