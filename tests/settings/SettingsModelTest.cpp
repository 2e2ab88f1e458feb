// The settings-dialog pattern on a small table of every kind of row:
// reading with defaults, enabling chains, clearing rules, refused input,
// OK's writes (every key, in order, exact bytes), checks, Cancel, buttons,
// a failed write.

#include "settings/SettingsModel.h"
#include "platform/MessageBoxes.h"
#include "platform/StringTable.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kx::settings {
namespace {

constexpr int kTooManyMessage = str::FirstAlarmOutOfRange;  // any numbered text with %1

class PatternModel final : public SettingsModel {
public:
    PatternModel()
        : SettingsModel(
              "pattern", 0,
              {
                  CheckSetting("Enabled", "pattern.ini", "main", false),
                  IntSetting("Count", "pattern.ini", "main", 5),
                  TextSetting("Name", "pattern.ini", "main", "abc", 8).when("Enabled"),
                  ListPositionSetting("Pos", "pattern.ini", "main", 1, DigitItems(0, 3)).when("Enabled"),
                  RadioSetting("Mode", "pattern.ini", "main", "A", {{"A", 0, "A"}, {"B", 0, "B"}}),
                  CheckSetting("OnlyA", "pattern.ini", "main", true).when("Mode", {"A"}).clearedIf({{"Mode", {"B"}}}),
                  TextSetting("Sub", "other.ini", "x").when("Pos", {"2"}),
                  TextSetting("Scratch", {}, {}).notWrittenOnOk(),
                  DisplayValue("Shown"),
                  ButtonRow("go", 0).when("Enabled"),
              })
    {}
    int presses = 0;

protected:
    bool check() override
    {
        if (number("Count") > 100) {
            ErrorBox(kTooManyMessage, value("Count"));
            return false;
        }
        return true;
    }
    void pressed(std::string_view) override { ++presses; }
};

class SettingsModelTest : public ::testing::Test {
protected:
    std::string ini(const std::string& name) { return site.read("windows/" + name); }

    test::TempSite site;
    test::RecordingMessageBoxes boxes;
    PatternModel model;
};

TEST_F(SettingsModelTest, Load_MissingKeysAndNonNumbersGiveTheDefaults)
{
    site.write("windows/pattern.ini", "[main]\r\nEnabled=7\r\nCount=abc\r\nName=abcdefghijk\r\nPos=\r\n");
    model.load();
    EXPECT_EQ(model.value("Enabled"), "1");     // any non-zero number checks the box
    EXPECT_EQ(model.value("Count"), "5");       // not a number
    EXPECT_EQ(model.value("Name"), "abcdefg");  // cut to the buffer of 8
    EXPECT_EQ(model.value("Pos"), "1");         // empty
    EXPECT_EQ(model.value("Mode"), "A");
    EXPECT_EQ(model.value("OnlyA"), "1");

    site.write("windows/pattern.ini", "[main]\r\nCount= -12x\r\nPos=0x2\r\n");
    model.load();
    EXPECT_EQ(model.value("Count"), "-12");  // the leading number, as the integer call reads it
    EXPECT_EQ(model.value("Pos"), "2");
}

TEST_F(SettingsModelTest, Enabling_FollowsTheChainOfControls)
{
    site.write("windows/pattern.ini", "[main]\r\nEnabled=0\r\nPos=2\r\n");
    model.load();
    EXPECT_FALSE(model.isEnabled("Name"));
    EXPECT_FALSE(model.isEnabled("Pos"));
    // Pos holds 2, but its own control is disabled, so Sub is too.
    EXPECT_FALSE(model.isEnabled("Sub"));
    EXPECT_FALSE(model.isEnabled("go"));

    EXPECT_EQ(model.change("Enabled", "1"), Change::Done);
    EXPECT_TRUE(model.isEnabled("Sub"));
    EXPECT_TRUE(model.isEnabled("go"));
    EXPECT_EQ(model.change("Pos", "3"), Change::Done);
    EXPECT_FALSE(model.isEnabled("Sub"));
}

TEST_F(SettingsModelTest, Clearing_RunsAtOpeningAndOnEveryChange)
{
    site.write("windows/pattern.ini", "[main]\r\nMode=B\r\nOnlyA=1\r\n");
    model.load();
    EXPECT_EQ(model.value("OnlyA"), "0");

    site.write("windows/pattern.ini", "[main]\r\nMode=A\r\nOnlyA=1\r\n");
    model.load();
    EXPECT_EQ(model.value("OnlyA"), "1");
    EXPECT_EQ(model.change("Mode", "B"), Change::Done);
    EXPECT_EQ(model.value("OnlyA"), "0");
    // Back to A: the value stays cleared; the rule never sets anything.
    EXPECT_EQ(model.change("Mode", "A"), Change::Done);
    EXPECT_EQ(model.value("OnlyA"), "0");
}

TEST_F(SettingsModelTest, Change_RefusesBadInputWithAMessageAndKeepsTheValue)
{
    model.load();
    ASSERT_EQ(model.change("Enabled", "1"), Change::Done);
    struct Case {
        const char* name;
        const char* input;
    } refused[] = {
        {"Count", "12x"}, {"Count", ""},        {"Count", "99999999999"},
        {"Count", "-"},   {"Name", "12345678"}, {"Name", "a\r\nb=c"},
        {"Pos", "4"},     {"Mode", "C"},        {"Enabled", "yes"},
    };
    for (const Case& c : refused) {
        boxes.clear();
        const std::string before = model.value(c.name);
        EXPECT_EQ(model.change(c.name, c.input), Change::Refused) << c.name << "=" << c.input;
        EXPECT_EQ(model.value(c.name), before) << c.name;
        ASSERT_EQ(boxes.shown().size(), 1u) << c.name << "=" << c.input;
        EXPECT_EQ(boxes.shown()[0].kind, 'E');
    }
    boxes.clear();
    EXPECT_EQ(model.change("Count", "12x"), Change::Refused);
    EXPECT_EQ(boxes.texts()[0], "Please enter a whole number for \"Count\".");
    boxes.clear();
    EXPECT_EQ(model.change("Name", "12345678"), Change::Refused);
    EXPECT_EQ(boxes.texts()[0], "The text for \"Name\" may have at most 7 characters.");

    // Accepted forms: blanks around a number and leading zeros go.
    EXPECT_EQ(model.change("Count", " 007 "), Change::Done);
    EXPECT_EQ(model.value("Count"), "7");
    EXPECT_EQ(model.change("Count", "-3"), Change::Done);
    EXPECT_EQ(model.change("Name", "1234567"), Change::Done);

    // What the operator cannot touch.
    EXPECT_EQ(model.change("Enabled", "0"), Change::Done);
    boxes.clear();
    EXPECT_EQ(model.change("Name", "x"), Change::Disabled);
    EXPECT_EQ(model.change("Shown", "x"), Change::ReadOnly);
    EXPECT_EQ(model.change("Nothing", "x"), Change::UnknownName);
    EXPECT_EQ(model.change("go", "1"), Change::UnknownName);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(SettingsModelTest, Ok_WritesEveryKeyInTableOrderAlsoWhenUnchanged)
{
    site.write("windows/pattern.ini", "; kept\r\n[main]\r\nPos=2\r\nOther=1\r\n");
    model.load();
    ASSERT_TRUE(model.ok());
    EXPECT_EQ(ini("pattern.ini"),
              "; kept\r\n[main]\r\nPos=2\r\nOther=1\r\nEnabled=0\r\nCount=5\r\nName=abc\r\nMode=A\r\nOnlyA=1\r\n");
    EXPECT_EQ(ini("other.ini"), "[x]\r\nSub=\r\n");  // written although disabled and empty
    EXPECT_FALSE(site.exists("windows/.ini"));       // a value without a key writes nothing
}

TEST_F(SettingsModelTest, Ok_ListValueThatIsNoItemIsWrittenBackUnchanged)
{
    site.write("windows/pattern.ini", "[main]\r\nPos=7\r\n");
    model.load();
    EXPECT_EQ(model.value("Pos"), "7");
    EXPECT_EQ(model.options("Pos").size(), 4u);
    ASSERT_TRUE(model.ok());
    EXPECT_NE(ini("pattern.ini").find("Pos=7\r\n"), std::string::npos);
}

TEST_F(SettingsModelTest, Ok_FailedCheckShowsItsMessageAndWritesNothing)
{
    model.load();
    ASSERT_EQ(model.change("Count", "101"), Change::Done);
    EXPECT_FALSE(model.ok());
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"The first alarm number '101' should be between 10 and 9999 ! "});
    EXPECT_FALSE(site.exists("windows/pattern.ini"));
    EXPECT_FALSE(site.exists("windows/other.ini"));
    // The values stay as entered, so the operator can correct them.
    EXPECT_EQ(model.value("Count"), "101");
    ASSERT_EQ(model.change("Count", "100"), Change::Done);
    EXPECT_TRUE(model.ok());
}

TEST_F(SettingsModelTest, Cancel_WritesNothingAndReturnsToTheLoadedValues)
{
    site.write("windows/pattern.ini", "[main]\r\nCount=9\r\n");
    model.load();
    ASSERT_EQ(model.change("Count", "11"), Change::Done);
    ASSERT_EQ(model.change("Mode", "B"), Change::Done);
    model.cancel();
    EXPECT_EQ(model.value("Count"), "9");
    EXPECT_EQ(model.value("Mode"), "A");
    EXPECT_EQ(model.value("OnlyA"), "1");
    EXPECT_EQ(ini("pattern.ini"), "[main]\r\nCount=9\r\n");
}

TEST_F(SettingsModelTest, Ok_UnwritableFileIsReportedAndTheModelStaysOpen)
{
    // A directory where the INI file should be: the write cannot succeed.
    std::filesystem::create_directories(site.path("windows/other.ini"));
    model.load();
    EXPECT_FALSE(model.ok());
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].kind, 'E');
    EXPECT_EQ(boxes.texts()[0].rfind("The settings could not be written to other.ini !", 0), 0u) << boxes.texts()[0];
}

TEST_F(SettingsModelTest, Buttons_RunOnlyWhileEnabled)
{
    model.load();
    EXPECT_EQ(model.press("go"), Change::Disabled);
    EXPECT_EQ(model.press("Count"), Change::UnknownName);
    EXPECT_EQ(model.presses, 0);
    ASSERT_EQ(model.change("Enabled", "1"), Change::Done);
    EXPECT_EQ(model.press("go"), Change::Done);
    EXPECT_EQ(model.presses, 1);
}

}  // namespace
}  // namespace kx::settings
