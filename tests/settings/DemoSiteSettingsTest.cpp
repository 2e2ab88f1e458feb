// The dialogs of settings/ on a copy of the demonstration site: sequential
// and parallel alarming, confirmation, conference, alarm result, e-mail,
// "Select lines" and "Supervision of lines".

#include "core/Autostart.h"
#include "platform/Profile.h"
#include "settings/AlarmingSettings.h"
#include "settings/EmailSettings.h"
#include "settings/LineSupervision.h"
#include "settings/SelectLines.h"
#include "tests/common/DemoSiteFixture.h"
#include "tests/common/StandInPrograms.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace kx::settings {
namespace {

class DemoSiteSettingsTest : public test::DemoSiteFixture {
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
    void watchdog(const std::string& lines) { writeIni("kxalarm.ini", "[LineWatchDog]\n" + lines); }
    std::string stored(const char* key) const { return ProfileString("kxalarm.ini", "LineWatchDog", key, "(none)"); }
    static std::string key(const char* section, const char* name, const char* file = "kxalarm.ini")
    {
        return ProfileString(file, section, name, "<none>");
    }
    static void store(const char* section, const char* name, const char* value, const char* file = "kxalarm.ini")
    {
        WriteProfileString(file, section, name, value);
    }
    // The selected item's text, "" when the token is not an item.
    static std::string selected(const SettingsModel& m, const char* name)
    {
        for (const Option& o : m.options(name))
            if (o.token == m.value(name))
                return o.text.empty() ? Tr(o.label) : o.text;
        return {};
    }
};

TEST_F(DemoSiteSettingsTest, Email_DefaultAlarmListKeepsWhatItCannotShow)
{
    const struct {
        const char* stored;
        bool tableOpens;
        const char* value;
        const char* shown;  // the selected item's text begins with it
    } cases[] = {
        {"5", true, "0", "Do not launch an alarm"},  // below 10: no alarm
        {"100", true, "100", "100 "},
        {"4990", true, "4990", ""},  // not an alarm: no selection, written back
        {"12", false, "12", ""},     // table missing: only "Do not launch an alarm"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        store("kxaemailin", "DefaultAlarm", c.stored);
        if (!c.tableOpens)
            std::filesystem::rename(site.path("db1/vm001.dbf"), site.path("db1/gone.dbf"));
        EmailSettings model;
        model.load();
        EXPECT_EQ(model.value("DefaultAlarm"), c.value);
        EXPECT_EQ(selected(model, "DefaultAlarm").substr(0, std::string(c.shown).size()), c.shown);
        EXPECT_EQ(selected(model, "DefaultAlarm").empty(), *c.shown == 0);
        EXPECT_EQ(Tr(model.options("DefaultAlarm").front().label), "Do not launch an alarm");
        EXPECT_EQ(model.options("DefaultAlarm").size() == 1, !c.tableOpens);
        ASSERT_TRUE(model.ok());
        EXPECT_EQ(key("kxaemailin", "DefaultAlarm"), c.value);
    }
}

TEST_F(DemoSiteSettingsTest, Email_OkWritesInOrderAndClearedRangeAsZero)
{
    store("kxaemailin", "FirstAlarmForRange", "0");
    store("kxaemailin", "LastAlarmForRange", "30");
    store("Types", "-@-", "1", "kxpers.ini");
    EmailSettings model;
    model.load();
    EXPECT_TRUE(model.isOn("AlarmRange"));
    EXPECT_TRUE(model.isEnabled("SMTPHost"));
    EXPECT_FALSE(model.isEnabled("DomainToAdd"));
    EXPECT_FALSE(model.isEnabled("AlarmRange"));  // receiving is off
    EXPECT_EQ(model.change("Active", "1"), Change::Done);
    EXPECT_EQ(model.change("AlarmRange", "0"), Change::Done);
    EXPECT_EQ(model.change("Active", "0"), Change::Done);
    const std::string before = ini("kxalarm.ini");
    ASSERT_TRUE(model.ok());
    EXPECT_TRUE(boxes.shown().empty());  // receiving off: no autostart, no getmail
    EXPECT_EQ(ini("kxalarm.ini").substr(before.find("[kxaemailin]")),
              "[kxaemailin]\r\nFirstAlarmForRange=0\r\nLastAlarmForRange=0\r\nActive=0\r\nNeedIdAndPwd=0\r\n"
              "MailServer=\r\nUserForPolling=\r\nPasswordForPolling=\r\nDefaultAlarm=0\r\n"
              "[kxaemail]\r\nSMTPHost=\r\nSMTPSenderName=\r\nDomainToAdd=\r\nAutoAddDomain=0\r\n"
              "OnlyDomainAutoAdd=0\r\nAttachAlarmWavToEmail=0\r\n");
    model.load();
    EXPECT_FALSE(model.isOn("AlarmRange"));
}

TEST_F(DemoSiteSettingsTest, Email_ReceivingRegistersTheModuleAndLooksForGetmail)
{
    test::StandInPrograms programs(site.path("bin"));
    store("kxaemailin", "Active", "1");
    store("kxaemailin", "PasswordForPolling", "s3cr");
    EmailSettings model;
    model.load();
    EXPECT_EQ(model.shown("PasswordForPolling"), "****");  // never printed
    boxes.answer(false);
    ASSERT_TRUE(model.ok());
    ASSERT_EQ(boxes.texts().size(), 2u);
    EXPECT_EQ(boxes.texts()[0].rfind("The KXE module kxaemailin is not started automatically !", 0), 0u);
    EXPECT_EQ(boxes.texts()[1], "The program getmail.exe, which is needed to get the mails from the mailserver, is "
                                "not installed !");
    EXPECT_EQ(ini("kxtserv.ini"), "");

    boxes.clear();
    programs.add("GETMAIL.EXE");
    boxes.answer(true);
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(autostart::Find(autostart::kEmailReceiver).slot, 1);

    programs.add("editor");
    ::setenv("KX_EDITOR", (programs.directory() + "/editor").c_str(), 1);
    EXPECT_EQ(model.press("edit-id-list"), Change::Disabled);
    model.change("NeedIdAndPwd", "1");
    EXPECT_EQ(model.press("edit-id-list"), Change::Done);
    ::unsetenv("KX_EDITOR");
    EXPECT_EQ(programs.waitForCalls(1), std::vector<std::string>{"editor|" + site.win("kxapwd.ini")});
}

TEST_F(DemoSiteSettingsTest, CallBackNumberGoesToBothFilesOnlyWhileChecked)
{
    store("Config", "CallBackNumber", "111", "kxamsg.ini");
    store("Config", "CBNumber", "222", "kxapagcb.ini");
    SequentialSettings sequential;
    sequential.load();
    EXPECT_EQ(sequential.change("CallBackNumber", "333"), Change::Disabled);
    ASSERT_TRUE(sequential.ok());
    EXPECT_EQ(key("Config", "CallBackNumber", "kxamsg.ini") + key("Config", "CBNumber", "kxapagcb.ini"), "111222");
    EXPECT_NE(ini("kxalarm.ini")
                  .find("[sequent]\r\nRepeatMessage=2\r\nPagerCallBack=0\r\nSleepAfterPage=300\r\n"
                        "DialMoreNbrsOnKo=0\r\n"),
              std::string::npos);

    ParallelSettings parallel;
    parallel.load();
    EXPECT_EQ(parallel.value("CallBackNumber"), "111");
    parallel.change("PagerCallBack", "1");
    parallel.change("CallBackNumber", "0891 333");
    ASSERT_TRUE(parallel.ok());
    EXPECT_EQ(key("Config", "CallBackNumber", "kxamsg.ini") + "|" + key("Config", "CBNumber", "kxapagcb.ini"),
              "0891 333|0891 333");
    EXPECT_EQ(key("Config", "Rings0Allowed", "kxaconf.ini"), "0");
}

TEST_F(DemoSiteSettingsTest, SpinRangeRefusesTypedValuesAndKeepsStoredOnes)
{
    store("parallel", "RepeatMessage", "77");
    ParallelSettings model;
    model.load();
    ASSERT_TRUE(model.ok());  // stored outside the range: kept
    EXPECT_EQ(key("parallel", "RepeatMessage"), "77");
    for (const char* typed : {"0", "51", "-3"}) {
        EXPECT_EQ(model.change("RepeatMessage", typed), Change::Refused);
        EXPECT_EQ(boxes.texts().back(), "The value of \"Play the alarm message\" must lie in the range 1-50.");
    }
    EXPECT_EQ(model.change("RepeatMessage", "50"), Change::Done);
}

TEST_F(DemoSiteSettingsTest, ConferenceMinutesKeepSecondsUntilChanged)
{
    const struct {
        const char* stored;  // MaxDurationInSeconds, nullptr: missing
        const char* shown;
        const char* typed;  // nullptr: untouched
        const char* written;
    } cases[] = {
        {"90", "1", nullptr, "90"},
        {"90", "1", "2", "120"},
        {nullptr, "60", nullptr, "3600"},
        {"7199", "119", "1", "60"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.written);
        WritePrivateProfileString("kxaconf", "MaxDurationInSeconds", c.stored,
                                  SitePaths::profileFile("kxalarm.ini").c_str());
        ConferenceSettings model;
        model.load();
        EXPECT_EQ(model.value("MaxDurationMinutes"), c.shown);
        if (c.typed) {
            EXPECT_EQ(model.change("MaxDurationMinutes", c.typed), Change::Done);
        }
        ASSERT_TRUE(model.ok());
        EXPECT_EQ(key("kxaconf", "MaxDurationInSeconds"), c.written);
    }
}

TEST_F(DemoSiteSettingsTest, AlarmResultKeepsTheViewerKeyAndLongTexts)
{
    store("kxarun", "StartViewer", "2");
    AlarmResultSettings model;
    model.load();
    model.change("FaxAlarmResult", "1");
    EXPECT_EQ(model.change("FaxNumber", std::string(127, '1')), Change::Done);
    EXPECT_EQ(model.change("FaxNumber", std::string(128, '1')), Change::Refused);
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(key("kxarun", "StartViewer"), "2");
    EXPECT_EQ(key("kxaprint", "FaxNumber"), std::string(127, '1'));
}

TEST_F(DemoSiteSettingsTest, SelectLinesTakesTheFirstTenLinesAndWritesThemAscending)
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

TEST_F(DemoSiteSettingsTest, LineSupervisionIntervalReadsAndWritesBothKeysAndKeepsAnUnlistedOne)
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

TEST_F(DemoSiteSettingsTest, LineSupervisionHexTimesShowInLocalTimeAndTheNextCallIsNeverNegative)
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

TEST_F(DemoSiteSettingsTest, LineSupervisionTestNowPassesEachArgumentWholeAndRestartLooksForShutdown)
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
