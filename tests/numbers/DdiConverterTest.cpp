// The DDI converter, its test runs through the stand-in script engine, and the DDI-CLI alarm scanner.

#include "numbers/DdiConverter.h"
#include "numbers/DdiCliScanner.h"
#include "tests/common/TempSite.h"
#include "tests/numbers/StandInKxe.h"

#include <gtest/gtest.h>

#include <map>

namespace kx::numbers {
namespace {

using settings::Change;

class DdiConverterTest : public ::testing::Test {
protected:
    std::string alarmIni() { return site.read("windows/kxalarm.ini"); }
    std::string testIni() { return site.read("windows/kxaddiconv.ini"); }
    void set(std::initializer_list<std::pair<const char*, const char*>> changes)
    {
        for (const auto& [name, value] : changes)
            ASSERT_EQ(model.change(name, value), Change::Done) << name << "=" << value;
    }
    void activate()
    {
        model.load();
        set({{"DDIConversionActive", "1"}});
    }
    std::vector<std::string> historyItems()
    {
        std::vector<std::string> items;
        for (const settings::Option& o : model.options("TestDDI"))
            items.push_back(o.token);
        return items;
    }
    std::string historySection(const std::vector<std::string>& values)
    {
        std::string s = "[TestDdi]\r\n";
        for (std::size_t n = 0; n < values.size(); ++n)
            s += std::to_string(n) + "=" + values[n] + "\r\n";
        return s;
    }
    // The settings' keys in the order OK writes them, with their defaults
    // unless `values` gives others.
    static std::string settingKeys(std::map<std::string, std::string> values)
    {
        std::vector<std::pair<std::string, std::string>> keys = {
            {"SuppressDigitsActive", "0"}, {"SuppressDigits", "0123456789"},
            {"CutLeadingDigits", "0"},     {"CutTrailingDigits", "0"},
            {"LastDigits", "0"},           {"UseLastDigits", "4"}};
        for (const char* i : {"1", "2", "3", "4", "5", "6"})
            for (const char* key : {"ReplaceActive", "Replace", "ReplaceWith", "ReplaceAtPos"})
                keys.push_back({key + std::string(i), std::string(key) == "Replace" ? "" : "0"});
        keys.push_back({"AddOffset", "0"});
        std::string text;
        for (const auto& [key, def] : keys)
            text += key + "=" + (values.count(key) ? values[key] : def) + "\r\n";
        return text;
    }

    test::TempSite site;
    test::RecordingMessageBoxes boxes;
    DdiConverter model;
};

TEST_F(DdiConverterTest, Lists_StoredValuesAsShownAndWritten)
{
    // The key, its stored value (nullptr: missing), the value shown and the value written.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"UseLastDigits", nullptr, "4", "4"}, {"UseLastDigits", "0", "1", "1"},   {"UseLastDigits", "-3", "1", "1"},
        {"UseLastDigits", "9", "9", "9"},     {"UseLastDigits", "abc", "4", "4"}, {"UseLastDigits", "12", "12", "12"},
        {"ReplaceWith1", "E", "E", "E"},      {"ReplaceWith1", "", "0", "0"},     {"ReplaceWith1", "7", "7", "7"},
        {"ReplaceWith1", "x", "0", "0"},      {"ReplaceWith1", "e", "0", "0"},    {"ReplaceWith1", nullptr, "0", "0"},
    };
    for (const auto& [key, stored, shown, written] : cases) {
        const std::string line = std::string(key) + "=";
        site.write("windows/kxalarm.ini", stored ? "[kxaddiconv]\r\n" + line + stored + "\r\n" : std::string());
        model.load();
        EXPECT_EQ(model.value(key), shown) << key << " " << (stored ? stored : "missing");
        ASSERT_TRUE(model.ok());
        EXPECT_NE(alarmIni().find(line + written + "\r\n"), std::string::npos) << key << " " << written;
    }
    // The lists offer 1 to 9, and 0 to 9 and E.
    activate();
    set({{"LastDigits", "1"}, {"ReplaceActive1", "1"}});
    for (const auto& [name, value] : {std::pair{"UseLastDigits", "0"}, {"UseLastDigits", "10"}, {"ReplaceWith1", "e"}})
        EXPECT_EQ(model.change(name, value), Change::Refused) << name << "=" << value;
    set({{"UseLastDigits", "1"}, {"ReplaceWith1", "E"}});
}

TEST_F(DdiConverterTest, Enabling_EverythingFollowsConversionActiveAndEachOptionsCheckBox)
{
    model.load();
    for (const settings::SettingRow& row : model.rows())
        EXPECT_EQ(model.isEnabled(row.name), row.name == "DDIConversionActive") << row.name;
    set({{"DDIConversionActive", "1"}});
    const std::vector<const char*> inputs = {"SuppressDigits", "UseLastDigits", "Replace3", "ReplaceWith3",
                                             "ReplaceAtPos3"};
    for (const char* name : {"SuppressDigitsActive", "CutLeadingDigits", "CutTrailingDigits", "LastDigits",
                             "ReplaceActive1", "ReplaceActive6", "AddOffset", "TestDDI", "test", "refresh"})
        EXPECT_TRUE(model.isEnabled(name)) << name;
    for (const char* name : inputs)
        EXPECT_FALSE(model.isEnabled(name)) << name;
    set({{"SuppressDigitsActive", "1"}, {"LastDigits", "1"}, {"ReplaceActive3", "1"}});
    for (const char* name : inputs)
        EXPECT_TRUE(model.isEnabled(name)) << name;
    EXPECT_FALSE(model.isEnabled("Replace4"));
    set({{"DDIConversionActive", "0"}});
    for (const char* name : inputs)
        EXPECT_FALSE(model.isEnabled(name)) << name;
}

TEST_F(DdiConverterTest, Test_RunsTheModuleOnTheDialogsValuesAndShowsTheResults)
{
    test::StandInKxe kxe(site.path("bin"), site.windows());
    site.write("windows/kxalarm.ini", "[kxaddiconv]\r\nUseLastDigits=3\r\n");
    activate();
    // Without a number: the message, nothing run; a number is at most 79 digits.
    EXPECT_EQ(model.press("test"), Change::Done);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Please enter a DDI to test first!"});
    EXPECT_FALSE(site.exists("windows/kxe.args"));
    EXPECT_EQ(model.change("TestDDI", std::string(80, '1')), Change::Refused);
    boxes.clear();
    // UseLastDigits is not saved: the test takes what the dialog shows.
    set({{"LastDigits", "1"}, {"UseLastDigits", "7"}, {"ReplaceActive1", "1"}, {"ReplaceWith1", "E"}});
    set({{"TestDDI", "08912345"}});
    ASSERT_EQ(model.press("test"), Change::Done);
    EXPECT_TRUE(boxes.shown().empty()) << boxes.texts()[0];

    EXPECT_EQ(site.read("windows/kxe.args"), "kxaddiconv\n1\n-s1TestDDI\n");
    const std::string testData =
        "[TestData]\r\nInString=08912345\r\n" +
        settingKeys({{"LastDigits", "1"}, {"UseLastDigits", "7"}, {"ReplaceActive1", "1"}, {"ReplaceWith1", "E"}});
    const std::string file = testIni();
    EXPECT_EQ(file.substr(0, file.find("[ResultData]")),
              historySection({"08912345", "", "", "", "", "", "", "", "", ""}) + testData);

    EXPECT_EQ(model.value("AfterSuppress") + " " + model.value("AfterReplace6") + " " + model.value("AfterOffset") +
                  " " + model.value("Result"),
              "AfterSuppress:08912345 AfterReplace6:08912345 AfterOffset:08912345 08912345/7/E");
    EXPECT_EQ(historyItems(), std::vector<std::string>{"08912345"});
    // The settings themselves are written only by OK.
    EXPECT_EQ(alarmIni(), "[kxaddiconv]\r\nUseLastDigits=3\r\n");
}

TEST_F(DdiConverterTest, Test_HistoryKeepsItsOrderAndDropsTheOldest)
{
    test::StandInKxe kxe(site.path("bin"), site.windows());
    site.write("windows/kxaddiconv.ini", "[TestDdi]\r\n0=11\r\n2=33\r\n9=99\r\n");
    model.load();
    EXPECT_EQ(historyItems(), (std::vector<std::string>{"11", "33", "99"}));  // the gaps are no items
    const std::vector<std::string> ten = {"100", "101", "102", "103", "104", "105", "106", "107", "108", "109"};
    site.write("windows/kxaddiconv.ini", historySection(ten));
    activate();
    EXPECT_EQ(historyItems(), ten);

    // Already listed: the order stays.
    set({{"TestDDI", "105"}});
    model.press("test");
    EXPECT_EQ(testIni().substr(0, historySection(ten).size()), historySection(ten));

    // An eleventh number goes in front and the oldest drops out.
    set({{"TestDDI", "2000"}});
    model.press("test");
    const std::vector<std::string> expected = {"2000", "100", "101", "102", "103", "104", "105", "106", "107", "108"};
    EXPECT_EQ(testIni().substr(0, historySection(expected).size()), historySection(expected));
    EXPECT_EQ(historyItems(), expected);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(DdiConverterTest, Test_ScriptEngineMissingIsReportedAndResultsStay)
{
    site.write("windows/kxaddiconv.ini", "[ResultData]\r\nResult=old\r\n");
    const std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    ::setenv("PATH", site.path("nothing").c_str(), 1);
    activate();
    set({{"TestDDI", "123"}});
    model.press("test");
    ::setenv("PATH", oldPath.c_str(), 1);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.texts()[0].rfind("The script engine could not be started:", 0), 0u) << boxes.texts()[0];
    EXPECT_EQ(model.value("Result"), "");  // not the earlier run's result as this one's
    // "Refresh" still shows what the file holds.
    EXPECT_EQ(model.press("refresh"), Change::Done);
    EXPECT_EQ(model.value("Result") + "|" + model.value("AfterSuppress"), "old|");
}

TEST(DdiCliScannerTest, Ok_ZeroKeysWhileActiveAreAcceptedAndNoTableMeansNoItems)
{
    test::TempSite site;
    test::RecordingMessageBoxes boxes;
    DdiCliScanner model;
    site.write("windows/kxaconf.ini", "[Config]\r\nVm001Path=\\nowhere\\\r\n");
    model.load();
    EXPECT_TRUE(model.options("UseDistAlarmInSettings").empty());
    EXPECT_FALSE(model.isEnabled("FirstKey"));
    ASSERT_EQ(model.change("Active", "1"), settings::Change::Done);
    for (const char* name : {"FirstKey", "LastKey", "UseDistAlarmInSettings", "UseConfAlarmInSettings"})
        EXPECT_TRUE(model.isEnabled(name)) << name;
    ASSERT_TRUE(model.ok());
    EXPECT_TRUE(boxes.shown().empty());
    EXPECT_EQ(site.read("windows/kxalarm.ini"),
              "[kxaddiclialr]\r\nActive=1\r\nFirstKey=0\r\nLastKey=0\r\nUseDistAlarmInSettings=1001\r\n"
              "UseConfAlarmInSettings=1001\r\n");
}

}  // namespace
}  // namespace kx::numbers
