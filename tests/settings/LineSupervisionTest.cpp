// "Select lines" and "Supervision of lines" on a copy of the demonstration site.

#include "settings/LineSupervision.h"
#include "platform/Profile.h"
#include "settings/SelectLines.h"
#include "tests/common/DemoSiteFixture.h"
#include "tests/common/StandInPrograms.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace kx::settings {
namespace {

class LineSupervisionTest : public test::DemoSiteFixture {
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        ::setenv("TZ", "Europe/Berlin", 1);
        ::tzset();
    }
    void TearDown() override
    {
        ::unsetenv("TZ");
        ::tzset();
        DemoSiteFixture::TearDown();
    }
    void watchdog(const std::string& lines)
    {
        std::string bytes = "[LineWatchDog]\r\n";
        for (std::size_t at = 0, nl; at < lines.size(); at = nl + 1) {
            nl = lines.find('\n', at);
            bytes += lines.substr(at, nl - at) + "\r\n";
            if (nl == std::string::npos)
                break;
        }
        site.write("windows/kxalarm.ini", bytes);
    }
    std::string stored(const char* key) const { return ProfileString("kxalarm.ini", "LineWatchDog", key, "(none)"); }
};

TEST_F(LineSupervisionTest, SelectLinesTakesTheFirstTenLinesAndWritesThemAscending)
{
    const struct {
        const char* stored;
        const char* shown;
    } reads[] = {
        {"3,5", "3,5"},
        {"1,2,3,4,5,6,7,8,9,10,11,12", "1,2,3,4,5,6,7,8,9,10"},
        {"0,61,x,7,-3,60,7", "7,60"},
        {"", ""},
    };
    for (const auto& r : reads) {
        watchdog(std::string("CheckLines=") + r.stored);
        SelectLines model;
        model.load();
        EXPECT_EQ(model.shown("CheckLines"), r.shown) << r.stored;
    }

    SelectLines model;
    model.load();
    EXPECT_EQ(model.changeShown("CheckLines", "12,2,7"), Change::Done);
    EXPECT_EQ(model.shown("CheckLines"), "2,7,12");
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(stored("CheckLines"), "2,7,12");

    EXPECT_EQ(model.changeShown("CheckLines", "1,2,3,4,5,6,7,8,9,10,11"), Change::Done);
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(stored("CheckLines"), "2,7,12");
    EXPECT_EQ(model.changeShown("CheckLines", "5,61"), Change::Refused);
    ASSERT_EQ(boxes.texts().size(), 2u);
    EXPECT_EQ(boxes.texts()[0].rfind("Maximum lines which can be checked is 10 !", 0), 0u);
    EXPECT_NE(boxes.texts()[1].find("\"61\""), std::string::npos);
}

TEST_F(LineSupervisionTest, IntervalReadsAndWritesBothKeysAndKeepsAnUnlistedOne)
{
    const struct {
        const char* keys;
        const char* interval;
        const char* chosen;  // nullptr: left as read
        const char* deltaHours;
        const char* minuteInterval;
    } rows[] = {
        {"", "60", nullptr, "1", "0"},
        {"DeltaHours=0\nMinuteInterval=3", "30", nullptr, "1", "3"},
        {"DeltaHours=1\nMinuteInterval=2", "20", "60", "1", "0"},
        {"DeltaHours=1\nMinuteInterval=7", "60", "10", "1", "1"},
        {"DeltaHours=24\nMinuteInterval=2", "1440", "4320", "72", "0"},
        {"DeltaHours=7\nMinuteInterval=2", "", nullptr, "7", "2"},
        {"DeltaHours=7\nMinuteInterval=2", "", "720", "12", "0"},
    };
    for (const auto& r : rows) {
        watchdog(r.keys);
        LineSupervision model;
        model.load();
        EXPECT_EQ(model.shown("Interval"), r.interval) << r.keys;
        ASSERT_EQ(model.changeShown("WDogActive", "1"), Change::Done);
        if (r.chosen) {
            ASSERT_EQ(model.changeShown("Interval", r.chosen), Change::Done);
        }
        ASSERT_TRUE(model.ok());
        EXPECT_EQ(stored("DeltaHours"), r.deltaHours) << r.keys;
        EXPECT_EQ(stored("MinuteInterval"), r.minuteInterval) << r.keys;
    }
}

TEST_F(LineSupervisionTest, HexTimesShowInLocalTimeAndTheNextCallIsNeverNegative)
{
    const struct {
        const char* stored;
        const char* shown;
    } times[] = {
        {"65A0B8C0", "12.01.2024  04:57"},  // 1705031872 s, 03:57:52 UTC
        {"65a0b8c0", "12.01.2024  04:57"}, {"65A0B8C", ""}, {"65A0B8C0 ", ""}, {"65A0B8CG", ""},
    };
    for (const auto& t : times)
        EXPECT_EQ(HexTimeText(t.stored), t.shown) << t.stored;

    char now[16];
    std::snprintf(now, sizeof now, "%08lX", static_cast<unsigned long>(std::time(nullptr) + 30));
    watchdog(std::string("DeltaHours=2\nLastReset=") + now + "\nLastAlarm=1\nMultiSrvCallBack=1");
    LineSupervision model;
    model.load();
    EXPECT_EQ(model.shown("NextCallMinutes"), "130");
    EXPECT_EQ(model.shown("LastAlarm"), "");
    EXPECT_EQ(model.changeShown("LastReset", "x"), Change::ReadOnly);
    model.changeShown("WDogActive", "1");
    EXPECT_FALSE(model.isEnabled("LastReset"));
    model.changeShown("MultiSrvCallBack", "0");
    EXPECT_TRUE(model.isEnabled("NextCallMinutes"));

    watchdog("LastReset=00000010");
    model.load();
    EXPECT_EQ(model.shown("NextCallMinutes"), "0");
}

TEST_F(LineSupervisionTest, TestNowPassesEachArgumentWholeAndRestartLooksForShutdown)
{
    test::StandInPrograms programs(site.path("bin"));
    watchdog("WDogActive=1\nNumberToDial=0 89\nWithDDIForDial=\"7\"");
    LineSupervision model;
    model.load();
    ASSERT_EQ(model.changeShown("WithDDIForDial", "4711;x"), Change::Done);
    EXPECT_EQ(model.press("test-now"), Change::Refused);
    ASSERT_EQ(boxes.texts().size(), 1u);  // the program is missing
    EXPECT_NE(boxes.texts()[0].find("\\kxt\\kxtque.exe"), std::string::npos);

    programs.add("../kxt/KXTQUE");
    boxes.clear();
    EXPECT_EQ(model.press("test-now"), Change::Done);
    EXPECT_TRUE(boxes.texts().empty());
    EXPECT_EQ(programs.calls(), std::vector<std::string>{"../kxt/KXTQUE|postjob|1|_dial_s1|-s10 89|-s24711;x"});

    model.changeShown("RestartSystem", "1");
    EXPECT_TRUE(boxes.texts().empty());
    std::filesystem::remove(site.path("windows/system32/shutdown.exe"));
    model.changeShown("RestartSystem", "0");
    model.changeShown("RestartSystem", "1");
    EXPECT_EQ(model.shown("RestartSystem"), "1");
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0].rfind("The program shutdown.exe was not found", 0), 0u);
}

}  // namespace
}  // namespace kx::settings
