// The pages of the alarm-in functions, saved as the editor saves them:
// exact record fields (no other field moved), INI keys and values, the
// enabling that follows a choice, and every refusal leaving record and files
// as they were. kxalarmctl's names (listed rows) are set as kxalarmctl sets
// them, the controls of the window (unlisted rows) as the binder does. Also
// the conference page's alarm kinds and its question, the broadcast message
// settings, the pool numbers, the buttons and the conference pin codes.

#include "alarmconfig/BroadcastMessageSettings.h"
#include "alarmconfig/ConferencePage.h"
#include "alarmconfig/ConferencePins.h"
#include "platform/Profile.h"
#include "settings/SettingsRegistry.h"
#include "tests/alarmconfig/AlarmInFixture.h"
#include "tests/common/StandInPrograms.h"

#include <algorithm>

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
        // clang-format off
        // Broadcast: flags 1/-1, the CLI box 1/0, the password only while its box is ticked.
        {0, {{"p_ogm3", "4690"}, {"p_msg_f", "1"}, {"p_msg_r", "1"}, {"pwd", "4711"}, {"type_answr", "1"},
             {"type_alt", "1"}, {"p_ogm1", "4"}, {"p_ogm2", "100"}, {"n_msg", "1"}}, Change::Done, true,
         with(kBroadcast, {{"p_ogm3", "4690"}, {"p_msg_f", "1"}, {"p_msg_r", "1"}, {"pwd", "4711"}, {"type_answr", "1"},
                           {"type_alt", "1"}, {"p_ogm1", "4"}, {"p_ogm2", "100"}, {"n_msg", "1"}}), {}},
        {0, {{"p_ogm3", "0"}, {"p_msg_f", "0"}, {"p_msg_r", "1"}, {"pwd", "4711"}, {"p_msg_r", "0"}}, Change::Done,
         true, with(kBroadcast, {{"p_ogm3", "0"}, {"p_msg_f", "-1"}}), {}},
        {0, {{"p_msg_r", "1"}, {"pwd", "0815"}}, Change::Done, false, {}, {}},
        {0, {{"p_msg_r", "1"}, {"pwd", ""}}, Change::Done, false, {}, {}},
        {0, {{"p_msg_r", "1"}, {"pwd", "12a"}}, Change::Done, false, {}, {}},
        {0, {{"p_msg_r", "0"}, {"pwd", "1"}}, Change::Disabled, true, kBroadcast, {}},
        {0, {{"type_alt", "1"}, {"p_ogm1", "10"}}, Change::Refused, true, with(kBroadcast, {{"type_alt", "1"}}), {}},
        // Conference, parallel alarm: the waiting radio group; a short wait is stored as 60.
        {1, {{"p_ogm3", "100"}, {"msg_ch_f", "1"}, {"mbx_ch_f", "1"}, {"msg_ch_r", "1"}, {"p_msg_r", "1"},
             {"num6_3", "4711"}, {"p_mbx_f", "5003"}, {"num6_2", "9"}, {"num1_5", "1"}, {"num1_4", "1"},
             {"num4_3", "12"}, {"n_msg", "1"}}, Change::Done, true,
         with(kConference, {{"p_ogm3", "100"}, {"msg_ch_f", "1"}, {"mbx_ch_f", "1"}, {"msg_ch_r", "1"},
                            {"p_msg_r", "1"}, {"num6_3", "4711"}, {"p_mbx_f", "5003"}, {"num1_5", "1"},
                            {"num1_4", "1"}, {"num4_3", "12"}, {"n_msg", "1"}}), {}},
        {1, {{"p_ogm3", "100"}, {"waiting", "2"}, {"num6_2", "10"}, {"p_msg_r", "1"}, {"num6_3", "999"},
             {"p_msg_r", "0"}}, Change::Done, true,
         with(kConference, {{"p_ogm3", "100"}, {"msg_ch_f", "2"}, {"num6_2", "10"}}), {}},
        // ... with the first: a tick box, 2 or 0; the alarm-in on timeout only while ticked.
        {1, {{"p_ogm3", "101"}, {"msg_ch_f", "2"}, {"p_mbx_f", "5003"}, {"timeoutOn", "0"}}, Change::Done, true,
         with(kConference, {{"p_ogm3", "101"}, {"msg_ch_f", "2"}}), {}},
        {1, {{"p_ogm3", "101"}, {"ringTone", "1"}, {"ringTone", "0"}}, Change::Done, true,
         with(kConference, {{"p_ogm3", "101"}}), {}},
        {1, {{"p_ogm3", "101"}, {"msg_ch_f", "1"}}, Change::Refused, true, with(kConference, {{"p_ogm3", "101"}}), {}},
        // ... another alarm: always 0, and no waiting choice.
        {1, {{"p_ogm3", "100"}, {"msg_ch_f", "2"}, {"p_ogm3", "102"}}, Change::Done, true,
         with(kConference, {{"p_ogm3", "102"}}), {}},
        {1, {{"p_ogm3", "102"}, {"msg_ch_f", "2"}}, Change::Disabled, true, with(kConference, {{"p_ogm3", "102"}}), {}},
        {1, {{"p_mbx_f", "4711"}}, Change::Refused, true, kConference, {}},
        {1, {{"p_msg_r", "1"}, {"num6_3", "0123"}}, Change::Done, false, {}, {}},
        // Recording: the password as a number with its count of digits.
        {2, {{"Password", "12345"}}, Change::Done, true, {},
         {"kxarecam/Password=12345", "kxarecam/NumberOfKeyDigits=5"}},
        {2, {{"Password", "0815"}}, Change::Done, false, {}, {}},
        {3, {{"mbx_ch_f", "2"}}, Change::Done, true, {{"mbx_ch_f", "2"}}, {}},
        // Confirmation callback: its own first key, the shared ones (hidden: as loaded).
        {4, {{"ConfirmPhCallback", "0"}, {"RepeatAlarmMessage", "1"}}, Change::Done, true, {},
         {"kxacallb/ConfirmPhCallback=0", "kxacallb/RepeatAlarmMessage=1",
          "kxacallb/PlayAllOnTimeout=1", "kxacallb/SendConfPag=1"}},
        {4, {{"SendConfPag", "0"}}, Change::Disabled, true, {},
         {"kxacallb/ConfirmPhCallback=1", "kxacallb/RepeatAlarmMessage=0",
          "kxacallb/PlayAllOnTimeout=1", "kxacallb/SendConfPag=1"}},
        {5, {{"ConfirmPgCallback", "0"}, {"PlayAllOnTimeout", "0"}}, Change::Done, true, {},
         {"kxacallb/ConfirmPgCallback=0", "kxacallb/RepeatAlarmMessage=0",
          "kxacallb/PlayAllOnTimeout=0", "kxacallb/SendConfPag=1"}},
        {7, {{"Password", "0815"}, {"SendBack", "1"}, {"SendBackNumber", "0891"}}, Change::Done, true, {},
         {"kxarecfx/Password=0815", "kxarecfx/SendBack=1", "kxarecfx/SendBackNumber=0891"}},
        // clang-format on
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

// The pages of functions 8, 9, 11 to 15: what a save stores for each choice.
struct Step {
    const char* name;
    const char* input;
    Change result = Change::Done;
};
struct Stored {
    long key;  // 0: the page's alarm-in
    const char* field;
    const char* value;
};
struct IniValue {
    const char* file;
    const char* section;  // "%d" in section or key: the alarm-in key
    const char* key;
    const char* value;
};
struct Case {
    const char* what;
    std::vector<Step> steps;
    std::map<std::string, std::string> record;  // fields the save changes (every other stays)
    std::vector<IniValue> ini;
    const char* refusal = nullptr;  // the save's refusal: nothing is written
    std::vector<Stored> before = {};
};

class PlaybackAndCallActionPagesTest : public test::AlarmInFixture {
protected:
    // Each case loads the page afresh for the first alarm-in of `function`,
    // on the site as the cases before it left it.
    void run(int function, const std::vector<Case>& cases)
    {
        const long key = alarmInOfFunction(function);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            for (const Stored& s : c.before)
                setFields(s.key ? s.key : key, {{s.field, s.value}});
            const std::vector<std::string> before = record(key);
            const std::string inisBefore = ini("kxalarm.ini") + ini("kxadeadman.ini");
            std::unique_ptr<AlarmInPage> page = MakeAlarmInPage(function);
            ASSERT_TRUE(page);
            page->loadFor(key, function, function);
            for (const Step& s : c.steps) {
                const settings::SettingRow* row = page->row(s.name);
                ASSERT_TRUE(row) << s.name;
                EXPECT_EQ(row->listed ? page->changeShown(s.name, s.input) : page->change(s.name, s.input), s.result)
                    << s.name << "=" << s.input;
            }
            boxes.clear();
            const bool saved = SavePage(*page);
            EXPECT_EQ(saved, c.refusal == nullptr);
            EXPECT_EQ(boxes.texts(), c.refusal ? std::vector<std::string>{c.refusal} : std::vector<std::string>{});
            expectRecord(key, before, saved ? c.record : std::map<std::string, std::string>{});
            if (!saved) {
                EXPECT_EQ(ini("kxalarm.ini") + ini("kxadeadman.ini"), inisBefore);
            }
            const auto keyed = [key](std::string name) {
                if (const std::size_t at = name.find("%d"); at != std::string::npos)
                    name.replace(at, 2, std::to_string(key));
                return name;
            };
            for (const IniValue& v : c.ini)
                EXPECT_EQ(ProfileString(v.file, keyed(v.section), keyed(v.key), "<missing>", 256), v.value) << v.key;
        }
    }
};

// clang-format off
TEST_F(PlaybackAndCallActionPagesTest, PlayActiveAlarmsStoresTheRangeOrZeroAndZero)
{
    run(8, {
        {"from 5 to 5", {{"range", "1"}, {"from", "5"}, {"to", "5"}}, {{"p_mbx_f", "5"}, {"p_mbx_r", "5"}}, {}},
        {"kxalarmctl: both 0 choose all", {{"p_mbx_f", "0"}, {"p_mbx_r", "0"}},
         {{"p_mbx_f", "0"}, {"p_mbx_r", "0"}}, {}},
        {"kxalarmctl: a bound chooses from-to", {{"p_mbx_r", "30"}, {"p_mbx_f", "20"}},
         {{"p_mbx_f", "20"}, {"p_mbx_r", "30"}}, {}},
        {"all clears and disables the bounds", {{"range", "0"}, {"from", "5", Change::Disabled}},
         {{"p_mbx_f", "0"}, {"p_mbx_r", "0"}}, {}},
        {"bad input leaves the choice as it was", {{"p_mbx_f", "x", Change::Refused}},
         {{"p_mbx_f", "0"}, {"p_mbx_r", "0"}}, {}},
        {"from 0", {{"p_mbx_r", "9"}}, {}, {},
         "Please enter the first number of the alarms to play (1 or higher) !"},
        {"A above B", {{"p_mbx_f", "8"}, {"p_mbx_r", "7"}}, {}, {},
         "The first number 8 is higher than the last number 7 of the alarms to play !"},
    });
}

TEST_F(PlaybackAndCallActionPagesTest, PlayAlarmMessageStoresAlarmModeAndMinutes)
{
    run(9, {
        {"mode 1 with minutes", {{"p_ogm3", "100"}, {"p_ogm1", "1"}, {"p_ogm2", "15"}},
         {{"p_ogm3", "100"}, {"p_ogm1", "1"}, {"p_ogm2", "15"}}, {}},
        {"another mode disables the minutes and keeps them",
         {{"p_ogm1", "2"}, {"p_ogm2", "20", Change::Disabled}, {"p_ogm3", "0", Change::Refused}},
         {{"p_ogm1", "2"}}, {}},
    });
}

TEST_F(PlaybackAndCallActionPagesTest, RecordedConferencesStoreTheChoiceAndTheSharedSettings)
{
    const char* kIni = "kxalarm.ini";
    run(11, {
        {"defaults", {{"n_msg", "1"}}, {{"n_msg", "1"}},
         {{kIni, "kxaplconf", "DigitsForPhonenbr", "4"}, {kIni, "kxaplconf", "MaxLastConf", "5"},
          {kIni, "kxaplconf", "ShowCallerNumber", "0"}}},
        {"changed", {{"n_msg", "3"}, {"DigitsForPhonenbr", "6"}, {"MaxLastConf", "2"}, {"ShowCallerNumber", "1"}},
         {{"n_msg", "3"}},
         {{kIni, "kxaplconf", "DigitsForPhonenbr", "6"}, {kIni, "kxaplconf", "MaxLastConf", "2"},
          {kIni, "kxaplconf", "ShowCallerNumber", "1"}}},
    });
}

TEST_F(PlaybackAndCallActionPagesTest, CallActionsStoreTheArgumentOfTheChosenActionOnly)
{
    const char* kIni = "kxalarm.ini";
    run(12, {
        {"play a file", {{"type_msg", "0"}, {"PlayFileFor", "hello.vox"}},
         {{"type_msg", "0"}, {"pager", ""}, {"msg_ch_r", "0"}},
         {{kIni, "kxaspecin", "PlayFileFor%d", "hello.vox"}, {kIni, "kxaspecin", "RecFileFor%d", ""},
          {kIni, "kxaspecin", "CallBackRedials", "5"}}},
        {"a module chosen in the window", {{"type_msg", "2"}, {"module", "kxaping.kxe"}},
         {{"type_msg", "2"}, {"pager", "kxaping.kxe"}}, {}},
        {"another action does not take the module", {{"type_msg", "3"}}, {{"type_msg", "3"}, {"pager", ""}}, {}},
        {"kxalarmctl: the program after the call back", {{"pager", "notepad.exe"}, {"CallBackRedials", "7"}},
         {{"pager", "notepad.exe"}}, {{kIni, "kxaspecin", "CallBackRedials", "7"}}},
        {"kxalarmctl: the participant", {{"type_msg", "4"}, {"pager", "0301234567"}},
         {{"type_msg", "4"}, {"pager", "0301234567"}}, {}},
        {"record: no argument",
         {{"type_msg", "1"}, {"pager", "x", Change::Disabled}, {"msg_ch_r", "1"}, {"RecFileFor", "rec.vox"}},
         {{"type_msg", "1"}, {"pager", ""}, {"msg_ch_r", "1"}},
         {{kIni, "kxaspecin", "RecFileFor%d", "rec.vox"}, {kIni, "kxaspecin", "PlayFileFor%d", "hello.vox"}}},
        {"a module that is not there", {{"type_msg", "2"}, {"pager", "none.kxe", Change::Refused}},
         {{"type_msg", "2"}}, {}},
        {"an action the page does not know keeps its argument", {}, {}, {}, nullptr,
         {{0, "type_msg", "7"}, {0, "pager", "kept"}}},
    });
}

TEST_F(PlaybackAndCallActionPagesTest, ManDownStoresRecordAndSupervisionSettings)
{
    const char* kDeadman = "kxadeadman.ini";
    run(13, {
        {"alarm concept, defaults of the supervision",
         {{"msg_ch_f", "0"}, {"p_ogm3", "100"}, {"num1_1", "1"}, {"num1_2", "1"}},
         {{"msg_ch_f", "0"}, {"p_ogm3", "100"}, {"num1_1", "1"}, {"num1_2", "1"}},
         {{kDeadman, "ConfigFor%d", "PreName", "Totmann-Schaltung f\xFCr"},
          {kDeadman, "ConfigFor%d", "UseAlarmMsg", "Personenschutz"},
          {kDeadman, "ConfigFor%d", "DefaultEscalationAlarm", "8999"},
          {kDeadman, "ConfigFor%d", "DefaultInterval", "30"},
          {kDeadman, "ConfigFor%d", "RetryBeforeEscalation", "1"},
          {kDeadman, "ConfigFor%d", "FirstAlarm", "8001"},
          {kDeadman, "ConfigFor%d", "LastAlarm", "8099"},
          {kDeadman, "ConfigFor%d", "UseEscalationMsg", "PS Alarm"},
          {"kxalarm.ini", "kxacon", "RecDmEscalMsg", "0"}}},
        {"caller concept keeps the alarm; no escalation alarm; a range of one",
         {{"msg_ch_f", "1"}, {"p_ogm3", "101", Change::Disabled}, {"num1_1", "0"}, {"num1_2", "0", Change::Disabled},
          {"DefaultEscalationAlarm", "0"}, {"FirstAlarm", "10"}, {"LastAlarm", "10"}, {"RecDmEscalMsg", "1"}},
         {{"msg_ch_f", "1"}, {"num1_1", "0"}},
         {{kDeadman, "ConfigFor%d", "DefaultEscalationAlarm", "0"}, {kDeadman, "ConfigFor%d", "FirstAlarm", "10"},
          {kDeadman, "ConfigFor%d", "LastAlarm", "10"}, {"kxalarm.ini", "kxacon", "RecDmEscalMsg", "1"}}},
        {"first below 10", {{"FirstAlarm", "9"}}, {}, {},
         "The first alarm number '9' for created alarms should be between 10 and 9999 !"},
        {"last above 9999", {{"LastAlarm", "10000"}}, {}, {},
         "The last alarm number '10000' for created alarms should be between 10 and 9999 !"},
        {"reversed", {{"FirstAlarm", "200"}, {"LastAlarm", "100"}}, {}, {},
         "The last alarm number for created alarms should not be lower than the first !"},
    });
}

TEST_F(PlaybackAndCallActionPagesTest, FaxBroadcastAndRoomSurveillanceStoreTheirKey)
{
    run(14, {{"an alarm", {{"p_ogm3", "4690"}}, {{"p_ogm3", "4690"}}, {}},
             {"no alarm", {{"p_ogm3", "0"}}, {{"p_ogm3", "0"}}, {}}});
    const std::string conference = std::to_string(alarmInOfFunction(1));
    const std::string other = std::to_string(alarmInOfFunction(2));
    run(15, {{"a conference alarm-in", {{"p_ogm3", conference.c_str()}}, {{"p_ogm3", conference}}, {}},
             {"no other alarm-in", {{"p_ogm3", other.c_str(), Change::Refused}}, {}, {}}});
    for (long key; (key = alarmInOfFunction(1)) > 0;)
        setFields(key, {{"p_ogm4", "0"}});
    run(15, {{"no conference: the one entry is selected and stores 0", {}, {{"p_ogm3", "0"}}, {}}});
}
// clang-format on

// The pages of functions 16 to 21.
class EvacuationToDdiCallbackPagesTest : public test::AlarmInFixture {
protected:
    std::string files() const { return ini("kxalarm.ini") + "|" + ini("kxaconfpool.ini"); }
    static std::unique_ptr<AlarmInPage> loaded(long key, int function)
    {
        std::unique_ptr<AlarmInPage> page = MakeAlarmInPage(function);
        page->loadFor(key, function, function);
        return page;
    }
};

constexpr const char* kNoValidPassword =
    "No valid password defined for evacuation start !\nThe password needs to be a 4 digit number.";

TEST_F(EvacuationToDdiCallbackPagesTest, SavesEachPagesEncodingsAndRefusesBadValuesBeforeWriting)
{
    const struct {
        int function;
        std::vector<std::pair<const char*, const char*>> changes;
        std::map<std::string, std::string> record;    // fields that change; empty with `refusal`
        std::vector<std::array<const char*, 3>> ini;  // file, key, value ("-": missing)
        const char* refusal;
    } cases[] = {
        // clang-format off
        // Unticked: only UsePassword is written; the flag is stored as 1 / -1.
        {16, {{"p_ogm3", "101"}, {"UsePassword", "0"}}, {{"p_ogm3", "101"}, {"type_answr", "-1"}},
         {{{"kxalarm.ini", "UsePassword", "0"}}, {{"kxalarm.ini", "Password", "-"}}}, nullptr},
        {16, {{"p_ogm3", "100"}, {"type_answr", "1"}, {"n_msg", "1"}, {"UsePassword", "1"}, {"Password", "4711"}},
         {{"p_ogm3", "100"}, {"type_answr", "1"}, {"n_msg", "1"}},
         {{{"kxalarm.ini", "UsePassword", "1"}}, {{"kxalarm.ini", "Password", "4711"}}}, nullptr},
        {16, {{"p_ogm3", "102"}, {"UsePassword", "1"}, {"Password", "123"}}, {}, {}, kNoValidPassword},
        {17, {{"pwd", "4711"}, {"type_alt", "1"}}, {{"pwd", "4711"}, {"type_alt", "1"}, {"type_msg", "1"}},
         {{{"kxaconfpool.ini", "FirstConferenceNbr", "1"}}, {{"kxaconfpool.ini", "LastConferenceNbr", "99"}}}, nullptr},
        {17, {{"FirstConferenceNbr", "50"}, {"LastConferenceNbr", "10"}}, {}, {},
         "The first conference number 50 is above the last conference number 10 !"},
        {17, {{"pwd", "0471"}}, {}, {},
         "The password to join the conference pool must be a number without a leading zero."},
        {17, {{"LastConferenceNbr", "10000"}}, {}, {}, "The conference number 10000 should be between 1 and 9999 !"},
        {18, {{"p_ogm3", "100"}, {"n_msg", "1"}, {"num1_3", "1"}, {"num1_4", "1"}, {"num1_5", "1"},
              {"pager", "Achtung"}},
         {{"p_ogm3", "100"}, {"n_msg", "1"}, {"num1_3", "1"}, {"num1_4", "1"}, {"num1_5", "1"},
          {"pager", "Achtung"}}, {}, nullptr},
        {19, {{"num1_1", "1"}, {"num4_1", "120"}}, {{"num1_1", "1"}, {"num4_1", "120"}}, {}, nullptr},
        {19, {{"num4_1", ""}}, {{"num4_1", "0"}}, {}, nullptr},  // empty: the top level
        {19, {{"num4_1", "012"}}, {}, {},
         "The menu level \"012\" must be the digits of the menu keys without a leading zero (0 for the top level)."},
        {20, {{"string30_1", "0711"}, {"num1_1", "1"}, {"num4_3", "30"}, {"num2_1", "0"}, {"num4_1", "5000"},
              {"num2_2", "3"}, {"num1_2", "1"}, {"num4_2", "5001"}},
         {{"string30_1", "0711"}, {"num1_1", "1"}, {"num4_3", "30"}, {"num2_1", "8"}, {"num4_1", "5000"},
          {"num2_2", "3"}, {"num1_2", "1"}, {"num4_2", "5001"}}, {}, nullptr},
        {20, {{"num4_1", "100"}, {"num2_1", "3"}, {"num4_2", "0"}},
         {{"num4_1", "100"}, {"num2_1", "3"}, {"num4_2", "0"}}, {}, nullptr},
        {20, {{"num2_2", "-1"}}, {}, {}, "The number of retries -1 should be between 0 and 99 !"},
        // clang-format on
    };
    for (const auto& c : cases) {
        const long key = alarmInOfFunction(c.function);
        const std::vector<std::string> before = record(key);
        const std::string filesBefore = files();
        std::unique_ptr<AlarmInPage> page = loaded(key, c.function);
        for (const auto& [name, value] : c.changes)
            ASSERT_EQ(page->change(name, value), settings::Change::Done) << c.function << " " << name;
        EXPECT_TRUE(page->modified()) << c.function;
        boxes.clear();
        EXPECT_EQ(SavePage(*page), c.refusal == nullptr) << c.function;
        EXPECT_EQ(boxes.texts(), c.refusal ? std::vector<std::string>{c.refusal} : std::vector<std::string>{});
        expectRecord(key, before, c.record);
        if (c.refusal) {
            EXPECT_EQ(files(), filesBefore) << c.refusal;
        }
        for (const auto& [file, name, value] : c.ini)
            EXPECT_EQ(ProfileString(file, std::string(file) == "kxalarm.ini" ? "kxastevac" : "Config", name, "-"),
                      value)
                << name;
    }
}

// The pool number is only proposed by a load; the save writes it, counted
// again when the record still has none.
TEST_F(EvacuationToDdiCallbackPagesTest, PoolNumbersAreProposedOnLoadAndCountedAgainOnSave)
{
    const long first = 5017, second = 5039, third = 5061;  // alarm-ins of function 17 without a number
    const std::vector<std::string> before = record(first), secondBefore = record(second);
    std::unique_ptr<AlarmInPage> a = loaded(first, 17), b = loaded(second, 17);
    EXPECT_EQ(a->value("type_msg"), "1");
    EXPECT_EQ(b->value("type_msg"), "1");
    expectRecord(first, before, {});
    ASSERT_TRUE(SavePage(*a));
    expectRecord(first, before, {{"type_msg", "1"}});
    ASSERT_TRUE(SavePage(*b));  // the proposed 1 was taken meanwhile
    expectRecord(second, secondBefore, {{"type_msg", "2"}});
    EXPECT_EQ(b->value("type_msg"), "2");
    EXPECT_EQ(loaded(third, 17)->value("type_msg"), "3");
    // A stored number stays; an alarm-in shown as a pool alarm-in for the first time gets the next.
    std::unique_ptr<AlarmInPage> again = loaded(first, 17);
    EXPECT_EQ(again->value("type_msg"), "1");
    ASSERT_TRUE(SavePage(*again));
    EXPECT_EQ(field(first, "type_msg"), "1");
    std::unique_ptr<AlarmInPage> special = MakeAlarmInPage(17);
    special->loadFor(5012, 17, 12);
    EXPECT_EQ(special->value("type_msg"), "3");
}

TEST_F(EvacuationToDdiCallbackPagesTest, ButtonsStartTheirProgramsOrStayDisabled)
{
    test::StandInPrograms programs(site.path("bin"));
    EXPECT_EQ(loaded(5019, 19)->press("settings"), settings::Change::Refused);  // missing: reported
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0].rfind("The program kxivr.exe could not be started:", 0), 0u) << boxes.texts()[0];
    programs.add("kxivr");
    programs.add("kxaconf");
    std::unique_ptr<AlarmInPage> dect = loaded(5018, 18);
    ASSERT_EQ(dect->change("p_ogm3", "0"), settings::Change::Done);
    dect->press("edit");  // "Do not launch an alarm": nothing to edit
    ASSERT_EQ(dect->change("p_ogm3", "100"), settings::Change::Done);
    dect->press("edit");
    EXPECT_EQ(loaded(5019, 19)->press("settings"), settings::Change::Done);
    std::vector<std::string> calls = programs.waitForCalls(2);
    std::sort(calls.begin(), calls.end());  // started, not waited for: they may end in any order
    EXPECT_EQ(calls, (std::vector<std::string>{"kxaconf|100", "kxivr|5019"}));
    EXPECT_EQ(loaded(5021, 21)->press("settings"), settings::Change::Disabled);
    EXPECT_FALSE(loaded(5016, 16)->isEnabled("whitelist"));
}

TEST_F(EvacuationToDdiCallbackPagesTest, PinsAreFourDigitsAndUniqueInTheRange)
{
    const struct {
        long number;
        const char* pin;
        const char* refusal;
    } cases[] = {
        {2, "42", nullptr},
        {3, " 7 ", nullptr},
        {3, "0042", "The pin code 0042 is already used by conference number 2."},
        {2, "42", nullptr},  // its own pin again
        {100, "1", "100 is not a conference number of the conference pool (1-99)."},
        {0, "1", "0 is not a conference number of the conference pool (1-99)."},
        {4, "10000", "The pin code \"10000\" must be a number from 0 to 9999."},
        {4, "4a", "The pin code \"4a\" must be a number from 0 to 9999."},
        {4, "", "The pin code \"\" must be a number from 0 to 9999."},
    };
    ConferencePins pins;
    for (const auto& c : cases) {
        boxes.clear();
        EXPECT_EQ(pins.setPin(c.number, c.pin), c.refusal == nullptr) << c.number << " " << c.pin;
        EXPECT_EQ(boxes.texts(), c.refusal ? std::vector<std::string>{c.refusal} : std::vector<std::string>{});
    }
    EXPECT_EQ(ini("kxaconfpool.ini"), "[PinCodes]\r\n2=0042\r\n3=0007\r\n");
    ASSERT_EQ(pins.entries().size(), 99u);
    EXPECT_EQ(pins.entries()[1].number, 2);
    EXPECT_EQ(pins.entries()[1].pin, "0042");
    ASSERT_TRUE(WriteProfileString("kxaconfpool.ini", "Config", "FirstConferenceNbr", "3"));
    ASSERT_TRUE(WriteProfileString("kxaconfpool.ini", "Config", "LastConferenceNbr", "4"));
    pins.load();
    ASSERT_EQ(pins.entries().size(), 2u);
    EXPECT_EQ(pins.entries()[0].pin, "0007");
    // The pin of a number outside the range names no conference any more.
    EXPECT_TRUE(pins.setPin(4, "42"));
}

}  // namespace
}  // namespace kx::alarmconfig
