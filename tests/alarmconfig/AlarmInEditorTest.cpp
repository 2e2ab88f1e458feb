// The alarm-in editor on a copy of the demo site: the list, the common
// values, saving as one unit and switching with its question. Alarm-ins
// 5000 + f have function f (0 to 21), 5088 an unknown function 25.
// The page base: a page shown for another function than the stored one
// takes a new alarm-in's fields, keeping the launched alarm and the
// whitelist flag between pages that both have them. The line supervision
// page (function 6): what MultiSrvCallBack shows, the two fields it always
// writes, the interval check, and the supervised list rebuilt after a save
// with several calling servers.

#include "alarmconfig/AlarmInEditor.h"
#include "alarmconfig/LineSupervisionPage.h"
#include "platform/Profile.h"
#include "settings/ItemSources.h"
#include "tests/alarmconfig/AlarmInFixture.h"

namespace kx::alarmconfig {
namespace {

using settings::Change;
using settings::CheckField;
using settings::IntField;
using settings::KeyField;

class AlarmInEditorTest : public test::AlarmInFixture {
protected:
    AlarmInEditor editor;
};

TEST_F(AlarmInEditorTest, Open_SelectsTheKeyOrTheFirstAndNamesUnlabelledAlarmInsByFunction)
{
    setFields(5008, {{"text_opt1", ""}});
    for (const auto& [initial, expected] : std::vector<std::pair<long, long>>{{5005, 5005}, {-1, 5000}, {4711, 5000}}) {
        editor.open(initial);
        EXPECT_EQ(editor.currentKey(), expected) << initial;
    }
    editor.open(5008);
    EXPECT_EQ(editor.entryText(), "5008 Play active alarms");
    EXPECT_EQ(editor.value("FrameTitle"), "Settings to play active alarms on '5008'");
    editor.open(5000);
    EXPECT_EQ(editor.value("FrameTitle"), "Settings for Broadcast / Launch '5000 Incoming 5000'");
    EXPECT_EQ(editor.options("key").size(), 100u);
}

TEST_F(AlarmInEditorTest, Save_WritesTheCommonFieldsAsOneUnitAndNothingElse)
{
    const std::vector<std::string> before = record(5010);
    editor.open(5010);  // function 10: no page, so only the common fields are stored
    ASSERT_EQ(editor.change("text_opt1", "Last message"), Change::Done);
    ASSERT_EQ(editor.change("num1_6", "1"), Change::Done);
    EXPECT_EQ(editor.change("DisplayMessage", "x"), Change::Disabled);  // ShowMsgOnIncoming is not 1
    EXPECT_TRUE(editor.alarmInModified());
    ASSERT_TRUE(editor.apply());
    expectRecord(5010, before, {{"text_opt1", "Last message"}, {"num1_6", "1"}});
    EXPECT_FALSE(editor.alarmInModified());
    EXPECT_EQ(ini("kxamsgin.ini"), "");
    EXPECT_EQ(editor.entryText(), "5010 Last message");
}

TEST_F(AlarmInEditorTest, DisplayMessage_OnlyWithTheFlagAndAtMost80Characters)
{
    WritePrivateProfileString("kxastart", "ShowMsgOnIncoming", "1", "kxalarm.ini");
    WritePrivateProfileString("Messages", "5010", "On call", "kxamsgin.ini");
    editor.open(5010);
    EXPECT_EQ(editor.value("DisplayMessage"), "On call");
    EXPECT_EQ(editor.change("DisplayMessage", std::string(81, 'm')), Change::Refused);
    ASSERT_EQ(editor.change("DisplayMessage", std::string(80, 'm')), Change::Done);
    ASSERT_TRUE(editor.apply());
    EXPECT_EQ(ProfileString("kxamsgin.ini", "Messages", "5010", "", 256), std::string(80, 'm'));
}

TEST_F(AlarmInEditorTest, UnknownFunction_NoSelectionNoPageAndTheCodeWrittenBackUnchanged)
{
    const std::vector<std::string> before = record(5088);
    editor.open(5088);
    EXPECT_EQ(editor.function(), 25);
    EXPECT_EQ(editor.page(), nullptr);
    EXPECT_EQ(editor.value("FrameTitle"), "");
    ASSERT_EQ(editor.change("text_opt1", "Odd"), Change::Done);
    ASSERT_TRUE(editor.apply());
    expectRecord(5088, before, {{"text_opt1", "Odd"}, {"num1_6", "0"}});  // a blank flag is stored as 0
}

TEST_F(AlarmInEditorTest, Save_RefusedWhenTheKeyIsNoLongerAnAlarmInOrNoneIsLoaded)
{
    editor.open(5010);
    ASSERT_EQ(editor.change("text_opt1", "Changed"), Change::Done);
    setFields(5010, {{"status", "11"}});  // freed by another program meanwhile
    const std::vector<std::string> before = record(5010);
    EXPECT_FALSE(editor.apply());
    expectRecord(5010, before, {});
    ASSERT_EQ(boxes.shown().size(), 1u);

    // No table: no alarm-in, and a save writes nothing anywhere.
    std::filesystem::remove(site.path("db1/vm001.dbf"));
    AlarmInEditor empty;
    empty.open(-1);
    EXPECT_FALSE(empty.hasAlarmIn());
    EXPECT_FALSE(empty.apply());
    EXPECT_EQ(boxes.shown().size(), 2u);
}

TEST_F(AlarmInEditorTest, Switch_AsksForAModifiedAlarmInYesSavesNoDropsAFailedSaveStays)
{
    const struct {
        bool yes;
        bool failSave;
        long shownAfter;
        const char* storedLabel;
    } cases[] = {
        {true, false, 5011, "Renamed"}, {false, false, 5011, "Incoming 5010"}, {true, true, 5010, "Incoming 5010"}};
    for (const auto& c : cases) {
        setFields(5010, {{"text_opt1", "Incoming 5010"}, {"status", "92"}});
        boxes.clear();
        editor.open(5010);
        ASSERT_EQ(editor.change("text_opt1", "Renamed"), Change::Done);
        if (c.failSave)
            setFields(5010, {{"status", "11"}});
        boxes.answer(c.yes);
        EXPECT_EQ(editor.change("key", "5011"), c.failSave ? Change::Refused : Change::Done);
        EXPECT_EQ(editor.currentKey(), c.shownAfter);
        EXPECT_EQ(editor.value("key"), std::to_string(c.shownAfter));
        EXPECT_EQ(field(5010, "text_opt1"), c.storedLabel);
        ASSERT_FALSE(boxes.shown().empty());
        EXPECT_EQ(boxes.shown()[0].text, "Do you want to save the data for the alarm '5010 Incoming 5010' ?");
        EXPECT_FALSE(boxes.shown()[0].defaultNo);
        if (c.failSave) {
            EXPECT_EQ(editor.value("text_opt1"), "Renamed");  // the changes stay on screen
        }
    }
    // Unmodified: no question.
    boxes.clear();
    editor.open(5010);
    ASSERT_EQ(editor.change("key", "5012"), Change::Done);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(AlarmInEditorTest, Save_PageChecksComeFirstAndAnotherFunctionStoresOnlyItsPageFields)
{
    // A refusal of the page writes nothing, the common fields included.
    const std::vector<std::string> evacuation = record(5016);
    const std::string settings = ini("kxalarm.ini");
    editor.open(5016);
    ASSERT_EQ(editor.change("text_opt1", "Exit"), Change::Done);
    ASSERT_EQ(editor.page()->change("UsePassword", "1"), Change::Done);
    ASSERT_EQ(editor.page()->change("Password", "123"), Change::Done);
    EXPECT_FALSE(editor.apply());
    expectRecord(5016, evacuation, {});
    EXPECT_EQ(ini("kxalarm.ini"), settings);

    // Another function: the record gets the common fields and the new page's
    // fields, every other field stays; a launched alarm stays between pages that launch one.
    const struct {
        long key;
        const char* function;
        bool keepsLaunchedAlarm;
    } cases[] = {{5010, "16", false}, {5000, "16", true}, {5001, "9", true}, {5015, "0", false}};
    for (const auto& c : cases) {
        setFields(c.key, {{"p_ogm3", "4711"}});
        const std::vector<std::string> before = record(c.key);
        editor.open(c.key);
        ASSERT_EQ(editor.change("p_ogm4", c.function), Change::Done);
        ASSERT_NE(editor.page(), nullptr);
        EXPECT_EQ(editor.page()->value("p_ogm3"), c.keepsLaunchedAlarm ? "4711" : "0") << c.key;
        const std::string plan = field(c.key, "num1_6");
        std::map<std::string, std::string> written = {{"p_ogm4", c.function}, {"num1_6", plan.empty() ? "0" : plan}};
        for (const settings::RecordWrite& w : editor.page()->recordWrites())
            written[w.field] = w.value;
        ASSERT_TRUE(editor.apply()) << c.key;
        expectRecord(c.key, before, written);
    }
}

TEST_F(AlarmInEditorTest, Save_AFunctionChangedAwayFromLineSupervisionLeavesTheSupervisedList)
{
    WritePrivateProfileString("LineWatchDog", "MultiSrvCallBack", "1", "kxalarm.ini");
    WritePrivateProfileString("Settings", "Key1", "5006", "kxawdog.ini");
    editor.open(5006);
    ASSERT_EQ(editor.change("p_ogm4", "10"), Change::Done);
    ASSERT_TRUE(editor.apply());
    EXPECT_EQ(ProfileString("kxawdog.ini", "Settings", "Key1", "", 256), "5028");
}

TEST_F(AlarmInEditorTest, PlanLabel_ByPlanKindAndTheFilesPresent)
{
    const struct {
        const char* kind;
        std::vector<const char*> files;
        const char* label;
    } cases[] = {
        // clang-format off
        {"0", {"KXI_20.KXW"}, "20 Alarm-in weekplan only"}, {"0", {"kxi_20.kxh"}, "20 Alarm-in scheduleplan only"},
        {"0", {"kxi_20.kxh", "kxi_20.kxw"}, "20 Alarm-in schedule- and weekplan"}, {"1", {}, "20 Alarm weekplan only"},
        {"1", {"kxa_20.kxh"}, "20 Alarm scheduleplan only"},
        {"1", {"kxa_20.kxh", "kxa_20.kxw"}, "20 Alarm schedule- and weekplan"},
        // clang-format on
    };
    setFields(5003, {{"n_mbx", "20"}});
    for (const auto& c : cases) {
        for (const auto& entry : std::filesystem::directory_iterator(site.path("work")))
            std::filesystem::remove(entry.path());
        for (const char* file : c.files)
            site.write(std::string("work/") + file, "x");
        setFields(5003, {{"num1_7", c.kind}});
        editor.open(5003);
        EXPECT_EQ(editor.value("PlanLabel"), c.label);
        EXPECT_EQ(editor.isEnabled("PlanLabel"), editor.isOn("num1_6"));
    }
}

class SamplePage final : public AlarmInPage {
public:
    SamplePage()
        : AlarmInPage({16}, {KeyField("p_ogm3", "p_ogm3", settings::PageAlarmItems(true)), CheckField("n_msg", "n_msg"),
                             CheckField("type_answr", "type_answr").flags("1", "-1"), IntField("num6_2", "num6_2")})
    {}
};

using AlarmInPageTest = test::AlarmInFixture;

TEST_F(AlarmInPageTest, AnotherFunctionLoadsANewAlarmInsFieldsButKeepsWhatBothPagesShare)
{
    const long evacuation = alarmInOfFunction(16), broadcast = alarmInOfFunction(0);
    const long roomSurveillance = alarmInOfFunction(15);
    // Every field set, so that "as stored" and "as new" differ.
    for (long key : {evacuation, broadcast, roomSurveillance})
        setFields(key, {{"p_ogm3", "4711"}, {"n_msg", "1"}, {"type_answr", "1"}, {"num6_2", "45"}});
    const struct {
        long key;
        int stored;
        const char* p_ogm3;
        const char* n_msg;
        const char* num6_2;
    } cases[] = {
        {evacuation, 16, "4711", "1", "45"},    // its own function: as stored
        {broadcast, 0, "4711", "1", "0"},       // both launch an alarm and have a whitelist
        {roomSurveillance, 15, "0", "0", "0"},  // neither
    };
    for (const auto& c : cases) {
        SamplePage page;
        page.loadFor(c.key, 16, c.stored);
        EXPECT_EQ(page.value("p_ogm3"), c.p_ogm3) << c.key;
        EXPECT_EQ(page.value("n_msg"), c.n_msg) << c.key;
        EXPECT_EQ(page.value("num6_2"), c.num6_2) << c.key;
    }
}

TEST_F(AlarmInPageTest, LineSupervisionSavesAlarmAndIntervalAndRebuildsTheListOnlyWithSeveralServers)
{
    const long key = alarmInOfFunction(6), other = alarmInOfFunction(7);
    const struct {
        const char* multi;
        int storedFunction;
        std::vector<std::pair<const char*, const char*>> changes;
        bool saved;
        std::map<std::string, std::string> fields;
        const char* list;  // kxawdog.ini afterwards
    } cases[] = {
        // clang-format off
        {"1", 6, {{"num4_1", "100"}, {"num6_1", "15"}}, true, {{"num4_1", "100"}, {"num6_1", "15"}},
         "[Settings]\r\nKey1=5006\r\nKey2=5028\r\nKey3=5050\r\nKey4=5072\r\n"},
        // clang-format on
        {"1", 6, {{"num6_1", "0"}}, false, {}, ""},
        // No list without several servers.
        {"0", 6, {}, true, {}, ""},
        // Another function shown as 6 takes a new alarm-in's fields, written also while hidden.
        {"0", 7, {}, true, {{"num4_1", "0"}, {"num6_1", "0"}}, ""},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(WriteProfileString("kxalarm.ini", "LineWatchDog", "MultiSrvCallBack", c.multi));
        site.write("windows/kxawdog.ini", "");
        const long k = c.storedFunction == 6 ? key : other;
        setFields(k, {{"num4_1", "4711"}, {"num6_1", "30"}});
        const std::vector<std::string> before = record(k);
        LineSupervisionPage page;
        page.loadFor(k, 6, c.storedFunction);
        EXPECT_EQ(page.isShown("num4_1"), std::string(c.multi) == "1");
        EXPECT_EQ(page.isShown("settings"), std::string(c.multi) == "0");
        EXPECT_FALSE(page.isEnabled("settings"));
        for (const auto& [name, value] : c.changes)
            EXPECT_EQ(page.change(name, value), settings::Change::Done) << name;
        EXPECT_EQ(SavePage(page), c.saved);
        expectRecord(k, before, c.fields);
        EXPECT_EQ(ini("kxawdog.ini"), c.list);
    }
}

}  // namespace
}  // namespace kx::alarmconfig
