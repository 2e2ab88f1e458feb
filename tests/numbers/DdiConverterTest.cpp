// DDI converter: defaults and the order of OK's writes, the UseLastDigits
// and ReplaceWith mappings, the enabling rules, the test history, a test run
// through the stand-in script engine, and a run that cannot start.

#include "numbers/DdiConverter.h"
#include "tests/common/TempSite.h"
#include "tests/numbers/StandInKxe.h"

#include <gtest/gtest.h>

namespace kx::numbers {
namespace {

using settings::Change;

class DdiConverterTest : public ::testing::Test {
protected:
    std::string alarmIni() { return site.read("windows/kxalarm.ini"); }
    std::string testIni() { return site.read("windows/kxaddiconv.ini"); }
    void set(const std::string& name, const char* value)
    {
        ASSERT_EQ(model.change(name, value), Change::Done) << name << "=" << value;
    }
    void activate()
    {
        model.load();
        set("DDIConversionActive", "1");
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

    test::TempSite site;
    test::RecordingMessageBoxes boxes;
    DdiConverter model;
};

TEST_F(DdiConverterTest, Ok_WritesTheSectionInOrderWithItsDefaults)
{
    model.load();
    ASSERT_TRUE(model.ok());
    std::string expected =
        "[kxaddiconv]\r\nDDIConversionActive=0\r\nSuppressDigitsActive=0\r\nSuppressDigits=0123456789\r\n"
        "CutLeadingDigits=0\r\nCutTrailingDigits=0\r\nLastDigits=0\r\nUseLastDigits=4\r\n";
    for (int n = 1; n <= 6; ++n) {
        const std::string i = std::to_string(n);
        expected +=
            "ReplaceActive" + i + "=0\r\nReplace" + i + "=\r\nReplaceWith" + i + "=0\r\nReplaceAtPos" + i + "=0\r\n";
    }
    expected += "AddOffset=0\r\n";
    EXPECT_EQ(alarmIni(), expected);
    EXPECT_FALSE(site.exists("windows/kxaddiconv.ini"));
}

TEST_F(DdiConverterTest, UseLastDigits_ListPositionAndValue)
{
    struct Case {
        const char* stored;  // nullptr: missing
        const char* shown;
        const char* written;
    } cases[] = {
        {nullptr, "4", "4"}, {"0", "1", "1"},    {"-3", "1", "1"}, {"9", "9", "9"},
        {"abc", "4", "4"},   {"12", "12", "12"},  // no such item: no selection, written back as it was
    };
    for (const Case& c : cases) {
        site.write("windows/kxalarm.ini",
                   c.stored ? std::string("[kxaddiconv]\r\nUseLastDigits=") + c.stored + "\r\n" : std::string());
        model.load();
        EXPECT_EQ(model.value("UseLastDigits"), c.shown) << (c.stored ? c.stored : "missing");
        ASSERT_TRUE(model.ok());
        EXPECT_NE(alarmIni().find(std::string("UseLastDigits=") + c.written + "\r\n"), std::string::npos)
            << (c.stored ? c.stored : "missing");
    }
    // The list offers 1 to 9 only.
    activate();
    set("LastDigits", "1");
    EXPECT_EQ(model.change("UseLastDigits", "0"), Change::Refused);
    EXPECT_EQ(model.change("UseLastDigits", "10"), Change::Refused);
    set("UseLastDigits", "1");
}

TEST_F(DdiConverterTest, ReplaceWith_EmptyIsStoredAsE)
{
    site.write("windows/kxalarm.ini",
               "[kxaddiconv]\r\nReplaceWith1=E\r\nReplaceWith2=\r\nReplaceWith3=7\r\nReplaceWith4=x\r\n"
               "ReplaceWith5=e\r\n");
    model.load();
    EXPECT_EQ(model.value("ReplaceWith1"), "E");
    EXPECT_EQ(model.value("ReplaceWith2"), "0");
    EXPECT_EQ(model.value("ReplaceWith3"), "7");
    EXPECT_EQ(model.value("ReplaceWith4"), "0");
    EXPECT_EQ(model.value("ReplaceWith5"), "0");  // only a capital E means "empty"
    EXPECT_EQ(model.value("ReplaceWith6"), "0");  // missing

    set("DDIConversionActive", "1");
    set("ReplaceActive6", "1");
    set("ReplaceWith6", "E");
    set("Replace6", "9");
    set("ReplaceAtPos6", "3");
    ASSERT_TRUE(model.ok());
    EXPECT_NE(alarmIni().find("ReplaceActive6=1\r\nReplace6=9\r\nReplaceWith6=E\r\nReplaceAtPos6=3\r\n"),
              std::string::npos);
    model.load();
    EXPECT_EQ(model.value("ReplaceWith6"), "E");
    EXPECT_EQ(model.value("ReplaceWith1"), "E");
}

TEST_F(DdiConverterTest, Enabling_EverythingFollowsConversionActive)
{
    model.load();
    for (const settings::SettingRow& row : model.rows()) {
        EXPECT_EQ(model.isEnabled(row.name), row.name == "DDIConversionActive") << row.name;
    }
    set("DDIConversionActive", "1");
    for (const char* name : {"SuppressDigitsActive", "CutLeadingDigits", "CutTrailingDigits", "LastDigits",
                             "ReplaceActive1", "ReplaceActive6", "AddOffset", "TestDDI", "test", "refresh"})
        EXPECT_TRUE(model.isEnabled(name)) << name;
    // Each option's own inputs follow the option's check box.
    for (const char* name : {"SuppressDigits", "UseLastDigits", "Replace3", "ReplaceWith3", "ReplaceAtPos3"})
        EXPECT_FALSE(model.isEnabled(name)) << name;
    set("SuppressDigitsActive", "1");
    set("LastDigits", "1");
    set("ReplaceActive3", "1");
    for (const char* name : {"SuppressDigits", "UseLastDigits", "Replace3", "ReplaceWith3", "ReplaceAtPos3"})
        EXPECT_TRUE(model.isEnabled(name)) << name;
    EXPECT_FALSE(model.isEnabled("Replace4"));
    set("DDIConversionActive", "0");
    EXPECT_FALSE(model.isEnabled("Replace3"));
    EXPECT_FALSE(model.isEnabled("SuppressDigits"));
}

TEST_F(DdiConverterTest, Test_EmptyDdiIsRefusedAndNothingRuns)
{
    test::StandInKxe kxe(site.path("bin"), site.windows());
    activate();
    EXPECT_EQ(model.press("test"), Change::Done);
    EXPECT_EQ(boxes.texts(), std::vector<std::string>{"Please enter a DDI to test first!"});
    EXPECT_FALSE(site.exists("windows/kxaddiconv.ini"));
    EXPECT_FALSE(site.exists("windows/kxe.args"));
}

TEST_F(DdiConverterTest, Test_RunsTheModuleOnTheDialogsValuesAndShowsTheResults)
{
    test::StandInKxe kxe(site.path("bin"), site.windows());
    site.write("windows/kxalarm.ini", "[kxaddiconv]\r\nUseLastDigits=3\r\n");
    activate();
    set("LastDigits", "1");
    set("UseLastDigits", "7");  // not saved: the test takes what the dialog shows
    set("ReplaceActive1", "1");
    set("ReplaceWith1", "E");
    set("TestDDI", "08912345");
    ASSERT_EQ(model.press("test"), Change::Done);
    EXPECT_TRUE(boxes.shown().empty()) << boxes.texts()[0];

    EXPECT_EQ(site.read("windows/kxe.args"), "kxaddiconv\n1\n-s1TestDDI\n");
    std::string testData = "[TestData]\r\nInString=08912345\r\nSuppressDigitsActive=0\r\nSuppressDigits=0123456789\r\n"
                           "CutLeadingDigits=0\r\nCutTrailingDigits=0\r\nLastDigits=1\r\nUseLastDigits=7\r\n"
                           "ReplaceActive1=1\r\nReplace1=\r\nReplaceWith1=E\r\nReplaceAtPos1=0\r\n";
    for (int n = 2; n <= 6; ++n) {
        const std::string i = std::to_string(n);
        testData +=
            "ReplaceActive" + i + "=0\r\nReplace" + i + "=\r\nReplaceWith" + i + "=0\r\nReplaceAtPos" + i + "=0\r\n";
    }
    testData += "AddOffset=0\r\n";
    const std::string file = testIni();
    EXPECT_EQ(file.substr(0, file.find("[ResultData]")),
              historySection({"08912345", "", "", "", "", "", "", "", "", ""}) + testData);

    EXPECT_EQ(model.value("AfterSuppress"), "AfterSuppress:08912345");
    EXPECT_EQ(model.value("AfterReplace6"), "AfterReplace6:08912345");
    EXPECT_EQ(model.value("AfterOffset"), "AfterOffset:08912345");
    EXPECT_EQ(model.value("Result"), "08912345/7/E");
    EXPECT_EQ(historyItems(), std::vector<std::string>{"08912345"});
    // The settings themselves are written only by OK.
    EXPECT_EQ(alarmIni(), "[kxaddiconv]\r\nUseLastDigits=3\r\n");
}

TEST_F(DdiConverterTest, Test_HistoryKeepsItsOrderAndDropsTheOldest)
{
    test::StandInKxe kxe(site.path("bin"), site.windows());
    std::vector<std::string> ten;
    for (int n = 0; n < 10; ++n)
        ten.push_back("10" + std::to_string(n));
    site.write("windows/kxaddiconv.ini", historySection(ten));
    activate();
    EXPECT_EQ(historyItems(), ten);

    // Already listed: the order stays.
    set("TestDDI", "105");
    model.press("test");
    EXPECT_EQ(testIni().substr(0, historySection(ten).size()), historySection(ten));

    // An eleventh number goes in front and the oldest drops out.
    set("TestDDI", "2000");
    model.press("test");
    std::vector<std::string> expected = {"2000"};
    expected.insert(expected.end(), ten.begin(), ten.end() - 1);
    EXPECT_EQ(testIni().substr(0, historySection(expected).size()), historySection(expected));
    EXPECT_EQ(historyItems(), expected);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(DdiConverterTest, Test_HistoryWithGapsListsOnlyTheNumbers)
{
    site.write("windows/kxaddiconv.ini", "[TestDdi]\r\n0=11\r\n2=33\r\n9=99\r\n");
    model.load();
    EXPECT_EQ(historyItems(), (std::vector<std::string>{"11", "33", "99"}));
}

TEST_F(DdiConverterTest, Test_ScriptEngineMissingIsReportedAndResultsStay)
{
    site.write("windows/kxaddiconv.ini", "[ResultData]\r\nResult=old\r\n");
    const char* path = std::getenv("PATH");
    const std::string oldPath = path ? path : "";
    ::setenv("PATH", site.path("nothing").c_str(), 1);
    activate();
    set("TestDDI", "123");
    model.press("test");
    ::setenv("PATH", oldPath.c_str(), 1);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.texts()[0].rfind("The script engine could not be started:", 0), 0u) << boxes.texts()[0];
    EXPECT_EQ(model.value("Result"), "");  // not the earlier run's result as this one's
    // "Refresh" still shows what the file holds.
    EXPECT_EQ(model.press("refresh"), Change::Done);
    EXPECT_EQ(model.value("Result"), "old");
    EXPECT_EQ(model.value("AfterSuppress"), "");
}

TEST_F(DdiConverterTest, TestDdi_TooLongIsRefused)
{
    activate();
    EXPECT_EQ(model.change("TestDDI", std::string(80, '1')), Change::Refused);
    set("TestDDI", std::string(79, '1').c_str());
}

}  // namespace
}  // namespace kx::numbers
