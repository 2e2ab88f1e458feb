// The pages of functions 16 to 21 and the conference pin codes, driven as
// the editor drives them: exact record fields and INI values after a save,
// and every refusal leaving record and files as they were.

#include "alarmconfig/AlarmInPage.h"
#include "alarmconfig/ConferencePins.h"
#include "platform/Profile.h"
#include "tests/alarmconfig/AlarmInFixture.h"
#include "tests/common/StandInPrograms.h"

namespace kx::alarmconfig {
namespace {

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
        // Unticked: only UsePassword is written; the flag is stored as 1 / -1.
        {16,
         {{"p_ogm3", "101"}, {"UsePassword", "0"}},
         {{"p_ogm3", "101"}, {"type_answr", "-1"}},
         {{{"kxalarm.ini", "UsePassword", "0"}}, {{"kxalarm.ini", "Password", "-"}}},
         nullptr},
        {16,
         {{"p_ogm3", "100"}, {"type_answr", "1"}, {"n_msg", "1"}, {"UsePassword", "1"}, {"Password", "4711"}},
         {{"p_ogm3", "100"}, {"type_answr", "1"}, {"n_msg", "1"}},
         {{{"kxalarm.ini", "UsePassword", "1"}}, {{"kxalarm.ini", "Password", "4711"}}},
         nullptr},
        {16, {{"p_ogm3", "102"}, {"UsePassword", "1"}, {"Password", "123"}}, {}, {}, kNoValidPassword},
        {17,
         {{"pwd", "4711"}, {"type_alt", "1"}},
         {{"pwd", "4711"}, {"type_alt", "1"}, {"type_msg", "1"}},
         {{{"kxaconfpool.ini", "FirstConferenceNbr", "1"}}, {{"kxaconfpool.ini", "LastConferenceNbr", "99"}}},
         nullptr},
        {17,
         {{"FirstConferenceNbr", "50"}, {"LastConferenceNbr", "10"}},
         {},
         {},
         "The first conference number 50 is above the last conference number 10 !"},
        {17,
         {{"pwd", "0471"}},
         {},
         {},
         "The password to join the conference pool must be a number without a leading zero."},
        {17, {{"LastConferenceNbr", "10000"}}, {}, {}, "The conference number 10000 should be between 1 and 9999 !"},
        {18,
         {{"p_ogm3", "100"}, {"n_msg", "1"}, {"num1_3", "1"}, {"num1_4", "1"}, {"num1_5", "1"}, {"pager", "Achtung"}},
         {{"p_ogm3", "100"}, {"n_msg", "1"}, {"num1_3", "1"}, {"num1_4", "1"}, {"num1_5", "1"}, {"pager", "Achtung"}},
         {},
         nullptr},
        {19, {{"num1_1", "1"}, {"num4_1", "120"}}, {{"num1_1", "1"}, {"num4_1", "120"}}, {}, nullptr},
        {19, {{"num4_1", ""}}, {{"num4_1", "0"}}, {}, nullptr},  // empty: the top level
        {19,
         {{"num4_1", "012"}},
         {},
         {},
         "The menu level \"012\" must be the digits of the menu keys without a leading zero (0 for the top level)."},
        {20,
         {{"string30_1", "0711"},
          {"num1_1", "1"},
          {"num4_3", "30"},
          {"num2_1", "0"},
          {"num4_1", "5000"},
          {"num2_2", "3"},
          {"num1_2", "1"},
          {"num4_2", "5001"}},
         {{"string30_1", "0711"},
          {"num1_1", "1"},
          {"num4_3", "30"},
          {"num2_1", "8"},
          {"num4_1", "5000"},
          {"num2_2", "3"},
          {"num1_2", "1"},
          {"num4_2", "5001"}},
         {},
         nullptr},
        {20,
         {{"num4_1", "100"}, {"num2_1", "3"}, {"num4_2", "0"}},
         {{"num4_1", "100"}, {"num2_1", "3"}, {"num4_2", "0"}},
         {},
         nullptr},
        {20, {{"num2_2", "-1"}}, {}, {}, "The number of retries -1 should be between 0 and 99 !"},
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
    EXPECT_EQ(programs.waitForCalls(2), (std::vector<std::string>{"kxaconf|100", "kxivr|5019"}));
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
