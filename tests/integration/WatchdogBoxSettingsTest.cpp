// The watch-dog box and DDI callback settings on a copy of the demonstration
// site: interval and alarm lists, the buttons' programs, the range scan.

#include "integration/WatchdogBoxSettings.h"
#include "integration/DdiCallbackSettings.h"
#include "platform/Profile.h"
#include "tests/common/DemoSiteFixture.h"
#include "tests/common/StandInPrograms.h"

#include <cstdlib>

namespace kx::integration {
namespace {

using settings::Change;

class WatchdogBoxSettingsTest : public test::DemoSiteFixture {
protected:
    void writeAlarmIni(const std::string& lines) { writeIni("kxalarm.ini", lines); }
};

TEST_F(WatchdogBoxSettingsTest, UnlistedIntervalsAndAlarmsAreKeptAndActiveIsRewrittenAtOpening)
{
    setFields(12, {{"status", "91"}, {"text_opt1", "Twelve"}});
    setFields(1234, {{"status", "91"}, {"text_opt1", "Big"}});
    const struct {
        const char* interval;
        const char* entry;  // the selected entry's text, "" for none
        const char* conf;   // AlarmOnNoConf as stored
    } rows[] = {
        {"1560", "24 hours", "100"},
        {"1440", "", "77"},
        {"60", "hour", "4690"},
    };
    for (const auto& r : rows) {
        writeAlarmIni(std::string("[WatchDog]\nActive=2\nIntervall=") + r.interval +
                      "\nStartAlarmOnNoAnsw=12\nGetConfCode=1\nAlarmOnNoConf=" + r.conf);
        WatchdogBoxSettings model;
        model.load();
        EXPECT_EQ(ProfileString("kxalarm.ini", "WatchDog", "Active", ""), "0");  // before any OK or Cancel
        EXPECT_FALSE(model.isOn("GetConfCode"));
        const settings::Option* entry = model.row("Intervall")->option(model.value("Intervall"));
        EXPECT_EQ(entry ? entry->label.source : "", std::string(r.entry)) << r.interval;
        EXPECT_EQ(model.row("StartAlarmOnNoAnsw")->option("12")->text, "12  Twelve");
        ASSERT_EQ(model.change("Active", "1"), Change::Done);
        ASSERT_EQ(model.change("GetConfCode", "1"), Change::Done);
        ASSERT_TRUE(model.ok());
        EXPECT_EQ(ini("kxalarm.ini"), std::string("[WatchDog]\r\nActive=1\r\nIntervall=") + r.interval +
                                          "\r\nStartAlarmOnNoAnsw=12\r\nGetConfCode=1\r\nAlarmOnNoConf=" + r.conf +
                                          "\r\nNumberToDial=\r\nStartAlarmActive=0\r\nWriteWarningOnNoAnsw=0\r\n"
                                          "SendConfCode=0\r\nConfCode=\r\n");
    }
    EXPECT_EQ(boxKinds(), "");
}

TEST_F(WatchdogBoxSettingsTest, ButtonsRunTheQueueAndTheEditorWithoutAShellAndOkOnlyWarns)
{
    test::StandInPrograms programs(site.path("bin"));
    programs.add("kxtque");
    programs.add("editor");
    ::setenv("KX_EDITOR", (programs.directory() + "/editor").c_str(), 1);
    const struct {
        bool module;  // kxawdcall.kxe in the working directory
        const char* number;
        const char* button;
        const char* box;
        std::string call;
    } rows[] = {
        {false, "0711 5", "test-call", "The kxe module kxawdcall.kxe, which is needed", ""},
        {true, "", "test-call", "ERROR ! No phonenumber defined for line watchdog to dial !", ""},
        {true, "0711 5;x", "test-call", "", "kxtque|postjob|1|kxawdcall|-i51"},
        {false, "", "logfile", "", "editor|" + site.path("work/log/kxawdcall.log")},
    };
    for (const auto& r : rows) {
        writeAlarmIni("[WatchDog]\nActive=1\nNumberToDial=old");
        std::filesystem::remove(site.path("work/kxawdcall.kxe"));
        if (r.module)
            site.write("work/kxawdcall.kxe", "");
        programs.clear();
        boxes.clear();
        WatchdogBoxSettings model;
        model.load();
        ASSERT_EQ(model.change("NumberToDial", r.number), Change::Done);
        EXPECT_EQ(model.press(r.button), *r.box ? Change::Refused : Change::Done);
        EXPECT_EQ(boxes.texts().empty() ? "" : boxes.texts().front().substr(0, std::string(r.box).size()), r.box);
        EXPECT_EQ(programs.waitForCalls(!r.call.empty() ? 1 : 0),
                  !r.call.empty() ? std::vector<std::string>{r.call} : std::vector<std::string>{});
        // Only a posted call saves the number it dials.
        EXPECT_EQ(ProfileString("kxalarm.ini", "WatchDog", "NumberToDial", ""),
                  r.call.rfind("kxtque", 0) == 0 ? r.number : "old");
    }
    ::unsetenv("KX_EDITOR");

    std::filesystem::remove(site.path("kxt/kxawdcall.kxe"));
    boxes.clear();
    WatchdogBoxSettings model;
    model.load();
    ASSERT_EQ(model.change("NumberToDial", "0815"), Change::Done);
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"The KXE program kxawdcall.kxe does not exist !\nPlease make "
                                                      "sure, that this program is existent in the kxt directory."});
    EXPECT_EQ(ProfileString("kxalarm.ini", "WatchDog", "NumberToDial", ""), "0815");
}

TEST_F(WatchdogBoxSettingsTest, DdiRangeIsCheckedAndOnlyFreeKeysAndAlarmsInAreConverted)
{
    site.write("kxt/A.KXE", "");
    const struct {
        const char* range;  // first-last
        bool saved;
        const char* boxes;  // a question is answered Yes when an information follows
    } rows[] = {
        {"1099-1000", false, "E"}, {"9990-10000", false, "E"},
        {"5000-5099", true, ""},  // alarms-in already: nothing asked
        {"5095-5110", true, "C"},  {"5095-5110", true, "CI"},
    };
    setFields(5105, {{"status", "91"}});
    const std::vector<std::string> alarm = record(5105), alarmIn = record(5097), freeKey = record(5102);
    for (const auto& r : rows) {
        const std::string range = r.range;
        const std::string first = range.substr(0, range.find('-')), last = range.substr(range.find('-') + 1);
        writeAlarmIni("[kxaddicallback]\nAddDDICallbackNumber=1\nStartAdditionalModuleOnCallback=gone");
        boxes.clear();
        if (r.boxes[0] == 'C')
            boxes.answer(r.boxes[1] == 'I');
        DdiCallbackSettings model;
        model.load();
        EXPECT_EQ(model.value("StartAdditionalModuleOnCallback"), "gone");  // kept though its file is missing
        ASSERT_EQ(model.change("StartAdditionalModuleOnCallback",
                               model.options("StartAdditionalModuleOnCallback").front().token),
                  Change::Done);
        model.change("FirstDDINumber", first);
        model.change("LastDDINumber", last);
        EXPECT_EQ(model.ok(), r.saved) << r.range;
        EXPECT_EQ(boxKinds(), r.boxes) << r.range;
        EXPECT_EQ(ProfileString("kxalarm.ini", "kxaddicallback", "StartAdditionalModuleOnCallback", ""),
                  r.saved ? "A" : "gone");
    }
    EXPECT_EQ(boxes.texts().front(), "Add new alarm-in keys for DDI callback from 5095 to 5110 ?");
    EXPECT_EQ(boxes.texts().back(), "These keys of the DDI callback range hold an alarm or another mailbox and were "
                                    "left unchanged: 5105");
    expectRecord(5105, alarm, {});
    expectRecord(5097, alarmIn, {{"p_ogm4", "21"}});
    std::map<std::string, std::string> made = {{"p_ogm4", "21"}};
    for (const mailbox::FieldWrite& w : mailbox::NewRecordWrites(5102, false))
        if (std::string(w.logicalName) != "p_ogm4")
            made[w.logicalName] = w.value == " " ? "0" : w.value;
    expectRecord(5102, freeKey, made);
    EXPECT_EQ(field(5110, "status"), "92");
    EXPECT_EQ(field(5111, "status"), "11");
}

}  // namespace
}  // namespace kx::integration
