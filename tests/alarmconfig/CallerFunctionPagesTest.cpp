// The pages of broadcast, conference, message and fax recording,
// login/logout and confirmation callback, saved as the editor saves them:
// exact record fields (no other field moved) and INI keys; the conference
// page's alarm kinds and its question; the broadcast message settings.

#include "alarmconfig/BroadcastMessageSettings.h"
#include "alarmconfig/ConferencePage.h"
#include "platform/Profile.h"
#include "settings/SettingsRegistry.h"
#include "tests/alarmconfig/AlarmInFixture.h"

namespace kx::alarmconfig {
namespace {

using settings::Change;
using Fields = std::map<std::string, std::string>;

constexpr long kParallelAlarm = 100, kWithFirstAlarm = 101, kOtherAlarm = 102;
constexpr const char* kNotConference = "Warning: The selected alarm is not of type conference !";

class CallerFunctionPagesTest : public test::AlarmInFixture {
protected:
    void SetUp() override
    {
        AlarmInFixture::SetUp();
        for (const auto& [alarm, kind] : {std::pair{kParallelAlarm, "3"}, {kWithFirstAlarm, "4"}, {kOtherAlarm, "0"}})
            setFields(alarm, {{"type_alt", kind}});
        for (const char* key : {"ConfirmPhCallback", "ConfirmPgCallback", "PlayAllOnTimeout", "SendConfPag"})
            ASSERT_TRUE(WriteProfileString("kxalarm.ini", "kxacallb", key, "1"));
        for (const char* file : kSaved)
            m_saved.push_back(site.read(file));
    }
    // Back to the site as SetUp left it.
    void restore()
    {
        for (std::size_t i = 0; i < std::size(kSaved); ++i)
            site.write(kSaved[i], m_saved[i]);
        boxes.clear();
    }
    // A page of `function` loaded for its first alarm-in, as the editor shows it.
    std::unique_ptr<AlarmInPage> open(int function, long& key)
    {
        key = alarmInOfFunction(function);
        std::unique_ptr<AlarmInPage> page = MakeAlarmInPage(function);
        page->loadFor(key, function, function);
        return page;
    }
    // What kxalarmctl --set does; the controls that are no value of their own as the operator clicks them.
    static Change set(AlarmInPage& page, const std::string& name, const std::string& value)
    {
        return page.row(name)->listed ? page.changeShown(name, value) : page.change(name, value);
    }

private:
    static constexpr const char* kSaved[] = {"db1/vm001.dbf", "windows/kxalarm.ini"};
    std::vector<std::string> m_saved;
};

// What the pages write for the alarm-in as the demo site holds it (a new alarm-in's fields).
const Fields kBroadcast{{"p_msg_f", "1"},  {"p_msg_r", "-1"}, {"pwd", "0"},    {"type_answr", "-1"},
                        {"type_alt", "0"}, {"p_ogm1", "0"},   {"p_ogm2", "0"}, {"n_msg", "0"}};
const Fields kConference{{"msg_ch_f", "0"}, {"mbx_ch_f", "0"}, {"msg_ch_r", "0"}, {"p_msg_r", "-1"}, {"p_mbx_f", "0"},
                         {"num6_2", "60"},  {"num1_5", "0"},   {"num1_4", "0"},   {"num4_3", "0"},   {"n_msg", "0"}};

Fields with(Fields base, const Fields& changed)
{
    for (const auto& [name, value] : changed)
        base[name] = value;
    return base;
}

TEST_F(CallerFunctionPagesTest, SaveStoresEachValueInItsEncodingAndRefusesBadPasswordsBeforeWriting)
{
    const struct {
        int function;
        std::vector<std::pair<std::string, std::string>> changes;
        Change lastChange;
        bool saved;
        Fields fields;                 // every field the page writes (empty: none, or refused)
        std::vector<std::string> ini;  // the INI writes, "section/key=value"
    } cases[] = {
        // Broadcast: flags 1/-1, the CLI box 1/0, the password only while its box is ticked.
        {0,
         {{"p_ogm3", "4690"},
          {"p_msg_f", "1"},
          {"p_msg_r", "1"},
          {"pwd", "4711"},
          {"type_answr", "1"},
          {"type_alt", "1"},
          {"p_ogm1", "4"},
          {"p_ogm2", "100"},
          {"n_msg", "1"}},
         Change::Done,
         true,
         with(kBroadcast, {{"p_ogm3", "4690"},
                           {"p_msg_f", "1"},
                           {"p_msg_r", "1"},
                           {"pwd", "4711"},
                           {"type_answr", "1"},
                           {"type_alt", "1"},
                           {"p_ogm1", "4"},
                           {"p_ogm2", "100"},
                           {"n_msg", "1"}}),
         {}},
        {0,
         {{"p_ogm3", "0"}, {"p_msg_f", "0"}, {"p_msg_r", "1"}, {"pwd", "4711"}, {"p_msg_r", "0"}},
         Change::Done,
         true,
         with(kBroadcast, {{"p_ogm3", "0"}, {"p_msg_f", "-1"}}),
         {}},
        {0, {{"p_msg_r", "1"}, {"pwd", "0815"}}, Change::Done, false, {}, {}},
        {0, {{"p_msg_r", "1"}, {"pwd", ""}}, Change::Done, false, {}, {}},
        {0, {{"p_msg_r", "1"}, {"pwd", "12a"}}, Change::Done, false, {}, {}},
        {0, {{"p_msg_r", "0"}, {"pwd", "1"}}, Change::Disabled, true, kBroadcast, {}},
        {0, {{"type_alt", "1"}, {"p_ogm1", "10"}}, Change::Refused, true, with(kBroadcast, {{"type_alt", "1"}}), {}},
        // Conference, parallel alarm: the waiting radio group; a short wait is stored as 60.
        {1,
         {{"p_ogm3", "100"},
          {"msg_ch_f", "1"},
          {"mbx_ch_f", "1"},
          {"msg_ch_r", "1"},
          {"p_msg_r", "1"},
          {"num6_3", "4711"},
          {"p_mbx_f", "5003"},
          {"num6_2", "9"},
          {"num1_5", "1"},
          {"num1_4", "1"},
          {"num4_3", "12"},
          {"n_msg", "1"}},
         Change::Done,
         true,
         with(kConference, {{"p_ogm3", "100"},
                            {"msg_ch_f", "1"},
                            {"mbx_ch_f", "1"},
                            {"msg_ch_r", "1"},
                            {"p_msg_r", "1"},
                            {"num6_3", "4711"},
                            {"p_mbx_f", "5003"},
                            {"num1_5", "1"},
                            {"num1_4", "1"},
                            {"num4_3", "12"},
                            {"n_msg", "1"}}),
         {}},
        {1,
         {{"p_ogm3", "100"}, {"waiting", "2"}, {"num6_2", "10"}, {"p_msg_r", "1"}, {"num6_3", "999"}, {"p_msg_r", "0"}},
         Change::Done,
         true,
         with(kConference, {{"p_ogm3", "100"}, {"msg_ch_f", "2"}, {"num6_2", "10"}}),
         {}},
        // ... with the first: a tick box, 2 or 0; the alarm-in on timeout only while ticked.
        {1,
         {{"p_ogm3", "101"}, {"msg_ch_f", "2"}, {"p_mbx_f", "5003"}, {"timeoutOn", "0"}},
         Change::Done,
         true,
         with(kConference, {{"p_ogm3", "101"}, {"msg_ch_f", "2"}}),
         {}},
        {1,
         {{"p_ogm3", "101"}, {"ringTone", "1"}, {"ringTone", "0"}},
         Change::Done,
         true,
         with(kConference, {{"p_ogm3", "101"}}),
         {}},
        {1, {{"p_ogm3", "101"}, {"msg_ch_f", "1"}}, Change::Refused, true, with(kConference, {{"p_ogm3", "101"}}), {}},
        // ... another alarm: always 0, and no waiting choice.
        {1,
         {{"p_ogm3", "100"}, {"msg_ch_f", "2"}, {"p_ogm3", "102"}},
         Change::Done,
         true,
         with(kConference, {{"p_ogm3", "102"}}),
         {}},
        {1, {{"p_ogm3", "102"}, {"msg_ch_f", "2"}}, Change::Disabled, true, with(kConference, {{"p_ogm3", "102"}}), {}},
        {1, {{"p_mbx_f", "4711"}}, Change::Refused, true, kConference, {}},
        {1, {{"p_msg_r", "1"}, {"num6_3", "0123"}}, Change::Done, false, {}, {}},
        // Recording: the password as a number with its count of digits.
        {2,
         {{"Password", "12345"}},
         Change::Done,
         true,
         {},
         {"kxarecam/Password=12345", "kxarecam/NumberOfKeyDigits=5"}},
        {2, {{"Password", "0815"}}, Change::Done, false, {}, {}},
        {2, {{"Password", ""}}, Change::Done, false, {}, {}},
        {3, {{"mbx_ch_f", "2"}}, Change::Done, true, {{"mbx_ch_f", "2"}}, {}},
        // Confirmation callback: its own first key, the shared ones (hidden: as loaded).
        {4,
         {{"ConfirmPhCallback", "0"}, {"RepeatAlarmMessage", "1"}},
         Change::Done,
         true,
         {},
         {"kxacallb/ConfirmPhCallback=0", "kxacallb/RepeatAlarmMessage=1", "kxacallb/PlayAllOnTimeout=1",
          "kxacallb/SendConfPag=1"}},
        {4,
         {{"SendConfPag", "0"}},
         Change::Disabled,
         true,
         {},
         {"kxacallb/ConfirmPhCallback=1", "kxacallb/RepeatAlarmMessage=0", "kxacallb/PlayAllOnTimeout=1",
          "kxacallb/SendConfPag=1"}},
        {5,
         {{"ConfirmPgCallback", "0"}, {"PlayAllOnTimeout", "0"}},
         Change::Done,
         true,
         {},
         {"kxacallb/ConfirmPgCallback=0", "kxacallb/RepeatAlarmMessage=0", "kxacallb/PlayAllOnTimeout=0",
          "kxacallb/SendConfPag=1"}},
        {7,
         {{"Password", "0815"}, {"SendBack", "1"}, {"SendBackNumber", "0891"}},
         Change::Done,
         true,
         {},
         {"kxarecfx/Password=0815", "kxarecfx/SendBack=1", "kxarecfx/SendBackNumber=0891"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "function " << c.function << ", first change " << c.changes[0].first);
        long key = 0;
        std::unique_ptr<AlarmInPage> page = open(c.function, key);
        const std::vector<std::string> before = record(key);
        const std::string iniBefore = ini("kxalarm.ini");
        Change last = Change::Done;
        for (const auto& [name, value] : c.changes)
            last = set(*page, name, value);
        EXPECT_EQ(last, c.lastChange);
        std::vector<std::string> iniWrites;
        for (const settings::IniWrite& w : page->iniWrites())
            iniWrites.push_back(w.section + "/" + w.key + "=" + w.value);
        if (c.saved) {
            EXPECT_EQ(iniWrites, c.ini);
        }
        EXPECT_EQ(SavePage(*page), c.saved);
        expectRecord(key, before, c.fields);
        if (!c.saved) {
            EXPECT_EQ(ini("kxalarm.ini"), iniBefore);
        }
        // An error for a refused change and one for a refused save, nothing else.
        std::size_t errors = 0;
        for (const auto& shown : boxes.shown())
            errors += shown.kind == 'E';
        EXPECT_EQ(errors, (c.lastChange == Change::Refused ? 1u : 0u) + (c.saved ? 0u : 1u));
        restore();
    }
}

TEST_F(CallerFunctionPagesTest, ConferenceShowsTheKindOfItsAlarmAndOffersToMakeItAConferenceAlarm)
{
    const struct {
        long alarm;
        const char* note;
        bool waitingShown, ringToneShown;
        int answer;  // to "Change alarmtype ?", asked only for another kind of alarm
        const char* kindAfter;
    } cases[] = {
        {kParallelAlarm, "The selected alarm is of type: parallel conferences", true, false, 0, "3"},
        {kWithFirstAlarm, "The selected alarm is of type:  2 party conference with the first who answers", false, true,
         0, "4"},
        {kOtherAlarm, kNotConference, false, false, -1, "0"},
        {kOtherAlarm, kNotConference, false, false, 0, "3"},
        {kOtherAlarm, kNotConference, false, false, 1, "4"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.alarm << " answered " << c.answer);
        long key = 0;
        std::unique_ptr<AlarmInPage> page = open(1, key);
        auto& conference = static_cast<ConferencePage&>(*page);
        ASSERT_EQ(page->change("p_ogm3", std::to_string(c.alarm)), Change::Done);
        EXPECT_EQ(page->value("note"), c.note);
        EXPECT_EQ(page->isShown("waiting"), c.waitingShown);
        EXPECT_EQ(page->isShown("ringTone"), c.ringToneShown);
        const std::vector<std::string> alarmBefore = record(c.alarm);
        const bool asked = c.alarm == kOtherAlarm;
        if (asked)
            boxes.answerChoice(c.answer);
        EXPECT_TRUE(SavePage(*page));
        ASSERT_EQ(boxes.shown().size(), asked ? 1u : 0u);
        if (asked) {
            EXPECT_EQ(boxes.shown()[0].text, "The type of the alarm 102 is not conference !");
        }
        expectRecord(c.alarm, alarmBefore, {{"type_alt", c.kindAfter}});
        EXPECT_EQ(conference.alarmKind(), std::atoi(c.kindAfter));  // the note line follows
        restore();
    }
}

// Frees the alarm while its question is open, as another program might.
class FreeingChoice final : public MessageBoxHandler {
public:
    void showError(const std::string&, const std::string& text) override { errors.push_back(text); }
    bool askYesNo(const std::string&, const std::string&, bool) override { return false; }
    void showInfo(const std::string&, const std::string&) override {}
    int askChoice(const std::string&, const std::string&, const std::vector<std::string>&, int) override
    {
        CDatabase db;
        db.Open("\\db1\\vm001.dbf");
        mailbox::WriteFields(db, kOtherAlarm, {{"status", mailbox::kStatusFree}});
        return 0;
    }
    std::vector<std::string> errors;
};

TEST_F(CallerFunctionPagesTest, ConferenceWritesTheAlarmKindOnlyWhileTheKeyIsStillAnAlarm)
{
    long key = 0;
    std::unique_ptr<AlarmInPage> page = open(1, key);
    ASSERT_EQ(page->change("p_ogm3", std::to_string(kOtherAlarm)), Change::Done);
    FreeingChoice handler;
    MessageBoxHandler* previous = SetMessageBoxHandler(&handler);
    EXPECT_FALSE(SavePage(*page));
    SetMessageBoxHandler(previous);
    EXPECT_EQ(field(kOtherAlarm, "type_alt"), "0");
    EXPECT_EQ(handler.errors.size(), 1u);
}

TEST_F(CallerFunctionPagesTest, BroadcastMessageSettingsNameTheAlarmsFileAndTheMenuGoesWithRecordingBefore)
{
    const struct {
        long alarm;  // -1: opened without an alarm (kxalarmctl)
        const char* before;
        const char* menu;
        const char* file;
        const char* written;
    } cases[] = {
        {4711, "1", "1", "( v4711_1.vox )", "1"},
        {-1, "0", "1", "(no alarm chosen)", "0"},
        {100, "1", "0", "( v100_1.vox )", "0"},
    };
    for (const auto& c : cases) {
        BroadcastMessageSettings model;
        c.alarm < 0 ? model.load() : model.load(c.alarm);
        EXPECT_EQ(model.value("messageFile"), c.file);
        model.set("RecBeforeLaunch", c.before);
        model.set("RecordMenu", c.menu);
        for (const settings::IniWrite& w : model.iniWrites())
            if (w.key == "RecordMenu") {
                EXPECT_EQ(w.value, c.written) << c.alarm;
            }
    }
    // Opened from its page, not from the menu: no command, and another such dialog keeps it.
    settings::AddSettingsDialog({0, "broadcast-messages-twin", {}, nullptr});
    EXPECT_NE(settings::FindSettingsDialog(BroadcastMessageSettings::kName), nullptr);
    EXPECT_EQ(settings::FindSettingsDialog(0), nullptr);
}

}  // namespace
}  // namespace kx::alarmconfig
