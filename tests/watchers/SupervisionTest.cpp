// The supervision of lines: the list of supervised alarms-in the watchdog
// program reads, and the overview's rows and times.

#include "tests/common/DemoSiteFixture.h"
#include "watchers/SupervisedAlarmIns.h"
#include "watchers/SupervisionOverview.h"

#include <cstdlib>
#include <ctime>

namespace kx::watchers {
namespace {

class SupervisionTest : public test::DemoSiteFixture {
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        // Function 6 in the demo: 5006, 5028, 5050, 5072. 5010 becomes one,
        // 5050 another function, and 5072 is freed (still function 6).
        setFields(5010, {{"p_ogm4", "6"}});
        setFields(5050, {{"p_ogm4", "7"}});
        setFields(5072, {{"status", "11"}});
    }
};

TEST_F(SupervisionTest, TheListHoldsTheFunctionSixAlarmInsAndEmptiesEveryLaterKeyUpTo99)
{
    const struct {
        const char* before;
        const char* after;
    } cases[] = {
        {"[Settings]\nKey1=1\nKey2=\nKey3=3\nKey4=4\nKey5=5\nKey7=7\nKey99=99\nKey100=100\n[KxaWDog]\n5006=x\n",
         "[Settings]\nKey1=5006\nKey2=5010\nKey3=5028\nKey4=\nKey5=\nKey7=\nKey99=\nKey100=100\n[KxaWDog]\n5006=x\n"},
        {"", "[Settings]\nKey1=5006\nKey2=5010\nKey3=5028\n"},
    };
    for (const auto& c : cases) {
        writeIni("kxawdog.ini", c.before);
        EXPECT_TRUE(RebuildSupervisedList());
        EXPECT_EQ(iniLines("kxawdog.ini"), c.after);
    }
    EXPECT_EQ(boxKinds(), "");
}

TEST_F(SupervisionTest, OverviewRowsAndTimes)
{
    setenv("TZ", "UTC", 1);
    tzset();
    const struct {
        const char* stored;
        const char* shown;
    } times[] = {
        // clang-format off
        {"", ""}, {"00000000", "01.01.1970  00:00"}, {"6A5B3C00", "18.07.2026  08:40"},
        {"6a5b3c00", "18.07.2026  08:40"}, {"1784364032", "1784364032"},  // decimal seconds: shown as stored
        {"6A5B3C0G", "6A5B3C0G"}, {"\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
        // clang-format on
    };
    for (const auto& t : times)
        EXPECT_EQ(WatchdogTimeText(t.stored), t.shown) << t.stored;

    setFields(100, {{"text_opt1", "Fire"}});
    setFields(101, {{"text_opt1", ""}});
    setFields(5006, {{"text_opt1", "Line A"}, {"num4_1", "100"}, {"num6_1", "15"}});
    setFields(5010, {{"text_opt1", "Line B"}, {"num4_1", "101"}, {"num6_1", "60"}});
    setFields(5028, {{"text_opt1", ""}, {"num4_1", "0"}, {"num6_1", "0"}});
    writeIni("kxawdog.ini", "[KxaWDog]\n5006=6A5B3C00\n5028=late\n[LastAlarm]\n5006=00000000\n");
    const auto rows = LoadSupervisionOverview();
    ASSERT_TRUE(rows);
    std::string shown;
    for (const SupervisionRow& r : *rows)
        shown += std::to_string(r.key) + "|" + r.name + "|" + r.launchAlarm + "|" + r.interval + "|" + r.lastCall +
                 "|" + r.lastAlarm + "\n";
    EXPECT_EQ(shown, "5006|Line A|100 Fire|15 min|18.07.2026  08:40|01.01.1970  00:00\n"
                     "5010|Line B|101 [No definition]|60 min||\n"
                     "5028||Do not launch an alarm|0 min|late|\n");
}

}  // namespace
}  // namespace kx::watchers
