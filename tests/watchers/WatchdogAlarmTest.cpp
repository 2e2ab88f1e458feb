// "Watchdog settings" of one alarm: the order in its comment, the list of
// watched keys, the stamps, and the refusals that write nothing.

#include "watchers/WatchdogAlarm.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "tests/common/DemoSiteFixture.h"

#include <cstdlib>
#include <ctime>

namespace kx::watchers {
namespace {

constexpr long kKey = ctl::DemoSite::kSampleAlarmKey;  // 4711

class WatchdogAlarmTest : public test::DemoSiteFixture {
protected:
    // The model of kKey after its comment was set to `comment`.
    void open(const std::string& comment)
    {
        setFields(kKey, {{"text_opt1", comment}});
        model.load(kKey);
    }
    std::string shown() const
    {
        return model.value("mode") + "|" + model.value("event_minutes") + "|" + model.value("after_minutes") + "|" +
               model.value("comment");
    }
    std::string activeList() const { return ProfileString("kxawdog.ini", "Config", "ActiveWdogAlarms", "-", 1 << 20); }

    WatchdogAlarm model;
};

TEST_F(WatchdogAlarmTest, CommentsOpenAsOrdersAndOkWritesThemBack)
{
    const struct {
        const char* stored;
        const char* shown;  // mode|event|after|comment
        const char* written;
    } cases[] = {
        {"KXAWDOG 15 30 Backup job", "1|15|30|Backup job", "KXAWDOG 15 30 Backup job"},
        {"KXAWDOG 15 30  Backup  job ", "1|15|30| Backup  job", "KXAWDOG 15 30  Backup  job"},
        {"KXAWDOG 15", "1|15|60|", "KXAWDOG 15 60"},  // parsing stops at the first missing word
        {"KXAWDOG x -3 a", "1|5|60|a", "KXAWDOG 5 60 a"},
        {"Server room", "0|0|0|Server room", "Server room"},
    };
    for (const auto& c : cases) {
        open(c.stored);
        EXPECT_EQ(shown(), c.shown) << c.stored;
        EXPECT_TRUE(model.ok()) << c.stored;
        EXPECT_EQ(field(kKey, "text_opt1"), c.written) << c.stored;
    }
    // Event mode clicked on a plain comment shows the defaults; a negative after-alarm time is saved as 60.
    open("Fire alarm building 47");
    EXPECT_EQ(model.frameTitle(), "Settings for the watchdog alarm 4711");
    EXPECT_FALSE(model.isEnabled("event_minutes") || model.isEnabled("after_minutes") || model.isEnabled("comment"));
    model.change("mode", "1");
    EXPECT_EQ(shown(), "1|5|60|Fire alarm building 47");
    EXPECT_TRUE(model.isEnabled("event_minutes") && model.isEnabled("after_minutes") && model.isEnabled("comment"));
    model.change("after_minutes", "-7");
    EXPECT_TRUE(model.ok());
    EXPECT_EQ(field(kKey, "text_opt1"), "KXAWDOG 5 60 Fire alarm building 47");
    EXPECT_EQ(boxKinds(), "");
}

TEST_F(WatchdogAlarmTest, EventModeListsTheKeyOnceAsAWholeEntry)
{
    std::string many;  // 2,000 keys: longer than any one read buffer
    for (long k = 10; k < 2010; ++k)
        many += std::to_string(k) + ";";
    const std::string manyWithKey = many + "4711;";
    const struct {
        const char* mode;
        std::string before;  // "-": no key
        std::string after;
    } cases[] = {
        {"1", "-", "4711;"},
        {"1", "47110;471; 4711x;", "47110;471; 4711x;4711;"},
        {"1", "7001; 4711 ;7005;", "7001; 4711 ;7005;"},
        {"1", "7001", "7001;4711;"},
        {"1", many, manyWithKey},
        {"1", manyWithKey, manyWithKey},
        {"0", "7001;", "7001;"},
    };
    for (const auto& c : cases) {
        writeIni("kxawdog.ini", c.before == "-" ? "" : "[Config]\nActiveWdogAlarms=" + c.before + "\n");
        for (int save = 0; save < 2; ++save) {  // saving twice lists the key once
            open("KXAWDOG 15 30 x");
            EXPECT_EQ(model.change("mode", c.mode), settings::Change::Done);
            EXPECT_TRUE(model.ok());
            EXPECT_EQ(activeList(), c.after) << c.before.substr(0, 40);
        }
    }
}

TEST_F(WatchdogAlarmTest, StampsOfEightHexDigitsShowInLocalTime)
{
    ::setenv("TZ", "Europe/Berlin", 1);
    ::tzset();
    const struct {
        const char* stored;
        const char* shown;
    } cases[] = {
        // clang-format off
        {"5F5E1000", "13.09.2020  14:26"}, {"5f5e1000", "13.09.2020  14:26"}, {"1600000000", "1600000000"},
        {"5F5E100", "5F5E100"}, {"5F5E100G", "5F5E100G"}, {"0x5F5E10", "0x5F5E10"}, {"", ""},
        // clang-format on
    };
    for (const auto& c : cases) {
        writeIni("kxawdog.ini", std::string("[KxaWDog]\n4711=") + c.stored + "\n");
        writeIni("kxalog.ini", std::string("[LastAlarm]\n4711=") + c.stored + "\n");
        model.load(kKey);
        EXPECT_EQ(model.value("last_event") + "|" + model.value("last_alarm"), c.shown + std::string("|") + c.shown);
    }
    ::unsetenv("TZ");
    ::tzset();
}

TEST_F(WatchdogAlarmTest, RefusalsKeepTheDialogOpenAndWriteNothing)
{
    const unsigned width = 65;  // of the comment field T33
    writeIni("kxawdog.ini", "[Config]\nActiveWdogAlarms=7001;\n");
    const struct {
        const char* eventMinutes;
        std::string comment;
        bool tableMissing;
        std::string message;  // a part of it
    } cases[] = {
        {"0", "x", false, LoadString(str::InvalidWatchdogInterval)},
        {"15", std::string(width, 'c'), false, "at most " + std::to_string(width) + " characters"},
        {"15", "x", true, "impossible to open alarm-database \\nowhere\\"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> before = record(kKey);
        if (c.tableMissing)
            WriteProfileString("kxaconf.ini", "Config", "Vm001Path", "\\nowhere\\");
        model.load(kKey);
        EXPECT_EQ(model.change("mode", "1"), settings::Change::Done);
        EXPECT_EQ(model.change("event_minutes", c.eventMinutes), settings::Change::Done);
        EXPECT_EQ(model.change("comment", c.comment), settings::Change::Done);
        boxes.clear();
        EXPECT_FALSE(model.ok());
        ASSERT_EQ(boxes.texts().size(), 1u);
        EXPECT_NE(boxes.texts()[0].find(c.message), std::string::npos) << boxes.texts()[0];
        expectRecord(kKey, before, {});
        EXPECT_EQ(activeList(), "7001;");
    }
}

}  // namespace
}  // namespace kx::watchers
