// The pages of functions 8, 9, 11 to 15: what a save stores for each choice,
// the enabling that follows a choice, and the refusals (nothing written).
// kxalarmctl's names (listed rows) are set as kxalarmctl sets them, the
// controls of the window (unlisted rows) as the binder does.

#include "platform/Profile.h"
#include "tests/alarmconfig/AlarmInFixture.h"

namespace kx::alarmconfig {
namespace {

using settings::Change;

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

TEST_F(PlaybackAndCallActionPagesTest, PlayActiveAlarmsStoresTheRangeOrZeroAndZero)
{
    run(8, {
               {"from 5 to 5", {{"range", "1"}, {"from", "5"}, {"to", "5"}}, {{"p_mbx_f", "5"}, {"p_mbx_r", "5"}}, {}},
               {"kxalarmctl: both 0 choose all",
                {{"p_mbx_f", "0"}, {"p_mbx_r", "0"}},
                {{"p_mbx_f", "0"}, {"p_mbx_r", "0"}},
                {}},
               {"kxalarmctl: a bound chooses from-to",
                {{"p_mbx_r", "30"}, {"p_mbx_f", "20"}},
                {{"p_mbx_f", "20"}, {"p_mbx_r", "30"}},
                {}},
               {"all clears and disables the bounds",
                {{"range", "0"}, {"from", "5", Change::Disabled}},
                {{"p_mbx_f", "0"}, {"p_mbx_r", "0"}},
                {}},
               {"bad input leaves the choice as it was",
                {{"p_mbx_f", "x", Change::Refused}},
                {{"p_mbx_f", "0"}, {"p_mbx_r", "0"}},
                {}},
               {"from 0",
                {{"p_mbx_r", "9"}},
                {},
                {},
                "Please enter the first number of the alarms to play (1 or higher) !"},
               {"A above B",
                {{"p_mbx_f", "8"}, {"p_mbx_r", "7"}},
                {},
                {},
                "The first number 8 is higher than the last number 7 of the alarms to play !"},
           });
}

TEST_F(PlaybackAndCallActionPagesTest, PlayAlarmMessageStoresAlarmModeAndMinutes)
{
    run(9, {
               {"mode 1 with minutes",
                {{"p_ogm3", "100"}, {"p_ogm1", "1"}, {"p_ogm2", "15"}},
                {{"p_ogm3", "100"}, {"p_ogm1", "1"}, {"p_ogm2", "15"}},
                {}},
               {"another mode disables the minutes and keeps them",
                {{"p_ogm1", "2"}, {"p_ogm2", "20", Change::Disabled}, {"p_ogm3", "0", Change::Refused}},
                {{"p_ogm1", "2"}},
                {}},
           });
}

TEST_F(PlaybackAndCallActionPagesTest, RecordedConferencesStoreTheChoiceAndTheSharedSettings)
{
    const char* kIni = "kxalarm.ini";
    run(11, {
                {"defaults",
                 {{"n_msg", "1"}},
                 {{"n_msg", "1"}},
                 {{kIni, "kxaplconf", "DigitsForPhonenbr", "4"},
                  {kIni, "kxaplconf", "MaxLastConf", "5"},
                  {kIni, "kxaplconf", "ShowCallerNumber", "0"}}},
                {"changed",
                 {{"n_msg", "3"}, {"DigitsForPhonenbr", "6"}, {"MaxLastConf", "2"}, {"ShowCallerNumber", "1"}},
                 {{"n_msg", "3"}},
                 {{kIni, "kxaplconf", "DigitsForPhonenbr", "6"},
                  {kIni, "kxaplconf", "MaxLastConf", "2"},
                  {kIni, "kxaplconf", "ShowCallerNumber", "1"}}},
            });
}

TEST_F(PlaybackAndCallActionPagesTest, CallActionsStoreTheArgumentOfTheChosenActionOnly)
{
    const char* kIni = "kxalarm.ini";
    run(12,
        {
            {"play a file",
             {{"type_msg", "0"}, {"PlayFileFor", "hello.vox"}},
             {{"type_msg", "0"}, {"pager", ""}, {"msg_ch_r", "0"}},
             {{kIni, "kxaspecin", "PlayFileFor%d", "hello.vox"},
              {kIni, "kxaspecin", "RecFileFor%d", ""},
              {kIni, "kxaspecin", "CallBackRedials", "5"}}},
            {"a module chosen in the window",
             {{"type_msg", "2"}, {"module", "kxaping.kxe"}},
             {{"type_msg", "2"}, {"pager", "kxaping.kxe"}},
             {}},
            {"another action does not take the module", {{"type_msg", "3"}}, {{"type_msg", "3"}, {"pager", ""}}, {}},
            {"kxalarmctl: the program after the call back",
             {{"pager", "notepad.exe"}, {"CallBackRedials", "7"}},
             {{"pager", "notepad.exe"}},
             {{kIni, "kxaspecin", "CallBackRedials", "7"}}},
            {"kxalarmctl: the participant",
             {{"type_msg", "4"}, {"pager", "0301234567"}},
             {{"type_msg", "4"}, {"pager", "0301234567"}},
             {}},
            {"record: no argument",
             {{"type_msg", "1"}, {"pager", "x", Change::Disabled}, {"msg_ch_r", "1"}, {"RecFileFor", "rec.vox"}},
             {{"type_msg", "1"}, {"pager", ""}, {"msg_ch_r", "1"}},
             {{kIni, "kxaspecin", "RecFileFor%d", "rec.vox"}, {kIni, "kxaspecin", "PlayFileFor%d", "hello.vox"}}},
            {"a module that is not there",
             {{"type_msg", "2"}, {"pager", "none.kxe", Change::Refused}},
             {{"type_msg", "2"}},
             {}},
            {"an action the page does not know keeps its argument",
             {},
             {},
             {},
             nullptr,
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
                 {{"msg_ch_f", "1"},
                  {"p_ogm3", "101", Change::Disabled},
                  {"num1_1", "0"},
                  {"num1_2", "0", Change::Disabled},
                  {"DefaultEscalationAlarm", "0"},
                  {"FirstAlarm", "10"},
                  {"LastAlarm", "10"},
                  {"RecDmEscalMsg", "1"}},
                 {{"msg_ch_f", "1"}, {"num1_1", "0"}},
                 {{kDeadman, "ConfigFor%d", "DefaultEscalationAlarm", "0"},
                  {kDeadman, "ConfigFor%d", "FirstAlarm", "10"},
                  {kDeadman, "ConfigFor%d", "LastAlarm", "10"},
                  {"kxalarm.ini", "kxacon", "RecDmEscalMsg", "1"}}},
                {"first below 10",
                 {{"FirstAlarm", "9"}},
                 {},
                 {},
                 "The first alarm number '9' for created alarms should be between 10 and 9999 !"},
                {"last above 9999",
                 {{"LastAlarm", "10000"}},
                 {},
                 {},
                 "The last alarm number '10000' for created alarms should be between 10 and 9999 !"},
                {"reversed",
                 {{"FirstAlarm", "200"}, {"LastAlarm", "100"}},
                 {},
                 {},
                 "The last alarm number for created alarms should not be lower than the first !"},
            });
}

TEST_F(PlaybackAndCallActionPagesTest, FaxBroadcastAndRoomSurveillanceStoreTheirKey)
{
    run(14, {
                {"an alarm", {{"p_ogm3", "4690"}}, {{"p_ogm3", "4690"}}, {}},
                {"no alarm", {{"p_ogm3", "0"}}, {{"p_ogm3", "0"}}, {}},
            });
    const std::string conference = std::to_string(alarmInOfFunction(1));
    const std::string other = std::to_string(alarmInOfFunction(2));
    run(15, {
                {"a conference alarm-in", {{"p_ogm3", conference.c_str()}}, {{"p_ogm3", conference}}, {}},
                {"no other alarm-in", {{"p_ogm3", other.c_str(), Change::Refused}}, {}, {}},
            });
    for (long key; (key = alarmInOfFunction(1)) > 0;)
        setFields(key, {{"p_ogm4", "0"}});
    run(15, {{"no conference: the one entry is selected and stores 0", {}, {{"p_ogm3", "0"}}, {}}});
}

}  // namespace
}  // namespace kx::alarmconfig
