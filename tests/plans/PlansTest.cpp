// The plans on a copy of the demonstration site, in a working directory of
// their own that holds only the plan files each test makes. Creating plan
// files: the exact header bytes, the order of the checks and never
// overwriting anything that exists in any letter case. Listing the plans of
// a family: which names are plan files, the texts and their order, and the
// item of a number. Reading a plan for display: which lines show, their
// texts and colours, and the type of an alarm plan. "Select plan": every
// check before the one write of num1_7 and n_mbx, and "Edit" ("New" and the
// modes are tested through the dialog).

#include "plans/PlanDisplay.h"
#include "plans/PlanFiles.h"
#include "plans/PlanList.h"
#include "plans/PlanSelection.h"
#include "tests/common/DemoSiteFixture.h"
#include "tests/common/StandInPrograms.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

namespace kx::test {
namespace {

using plans::PlanFamily;
using plans::PlanParts;
using plans::PlanSelection;
using plans::PlanType;
using plans::Rgb;

class PlansFixture : public DemoSiteFixture {
protected:
    void SetUp() override
    {
        DemoSiteFixture::SetUp();
        std::filesystem::create_directories(site.path("plans"));
        std::filesystem::current_path(site.path("plans"));
    }

    // A file of the working directory, written or read as bytes.
    void put(const std::string& name, const std::string& bytes) const { site.write("plans/" + name, bytes); }
    std::string bytes(const std::string& name) const { return site.read("plans/" + name); }
    // Every entry of the working directory, sorted ("name/" for a directory).
    std::vector<std::string> entries() const
    {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(site.path("plans")))
            names.push_back(e.path().filename().string() + (e.is_directory() && !e.is_symlink() ? "/" : ""));
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string boxTexts() const
    {
        std::string all;
        for (const std::string& text : boxes.texts())
            all += text + "|";
        return all;
    }
};

class PlanFilesTest : public PlansFixture {};

const std::string kAlarmYear = "rem  quillon tool   audiotex & voicemail application generator\n"
                               "rem  year alarm file:  kxa_12.kxh\n"
                               "rem  line 1 (00.00.  00 , 00:00 - 00.00.  00 , 00:00 ,) : default values\n"
                               "rem  start:date:time - stop:date:time , action;\n";
const std::string kAlarmInWeek = "rem  quillon tool   audiotex & voicemail application generator\n"
                                 "rem  week alarmin file:  kxi_9999.kxw\n"
                                 "rem  line 1 (0 , 00:00 - 00:00 , ) : default values\n"
                                 "rem  day , start:time - stop:time , action;\n";

TEST_F(PlanFilesTest, NewFilesHoldExactlyTheHeaderAndNothingElseIsLeft)
{
    ASSERT_TRUE(plans::CreatePlanFiles(12, PlanFamily::Alarm, PlanParts::Both));
    ASSERT_TRUE(plans::CreatePlanFiles(9999, PlanFamily::AlarmIn, PlanParts::Week));
    ASSERT_TRUE(plans::CreatePlanFiles(10, PlanFamily::AlarmIn, PlanParts::Year));
    EXPECT_EQ(bytes("kxa_12.kxh"), kAlarmYear);
    EXPECT_EQ(bytes("kxi_9999.kxw"), kAlarmInWeek);
    EXPECT_EQ(bytes("kxa_12.kxw").substr(63, 34), "rem  week alarm file:  kxa_12.kxw\n");
    EXPECT_EQ(bytes("kxi_10.kxh").substr(63, 36), "rem  year alarmin file:  kxi_10.kxh\n");
    EXPECT_EQ(entries(), (std::vector<std::string>{"kxa_12.kxh", "kxa_12.kxw", "kxi_10.kxh", "kxi_9999.kxw"}));
    EXPECT_EQ(boxTexts(), "");
}

// What exists beforehand, what is asked for, the message and what is made.
struct Refusal {
    const char* what;
    long number;
    PlanParts parts;
    std::vector<std::pair<std::string, std::string>> existing;  // name, "dir", "link:target" or contents
    std::string message;                                        // "" when created
    std::vector<std::string> entriesAfter;
};

const std::string kRange =
    "Please enter a valid schedule-number for the plan !\nThe number must be between 10 and 9999.|";
std::string exists(const std::string& name)
{
    return "The plan '" + name + "' already exists for this number !\nPlease use another number.|";
}

// clang-format off
const std::vector<Refusal> kRefusals = {
    {"below the range", 9, PlanParts::Both, {}, kRange, {}},
    {"above the range", 10000, PlanParts::Both, {}, kRange, {}},
    {"year exists", 20, PlanParts::Both, {{"kxa_20.kxh", "old"}}, exists("kxa_20.kxh"), {"kxa_20.kxh"}},
    // The year file is made first; the week file then stops "both".
    {"week exists in another case", 20, PlanParts::Both, {{"KXA_20.KXW", "old"}}, exists("kxa_20.kxw"),
     {"KXA_20.KXW", "kxa_20.kxh"}},
    {"week only asked, year exists", 20, PlanParts::Week, {{"kxa_20.kxh", "old"}}, "", {"kxa_20.kxh", "kxa_20.kxw"}},
    {"a directory", 20, PlanParts::Year, {{"Kxa_20.kxh", "dir"}}, exists("kxa_20.kxh"), {"Kxa_20.kxh/"}},
    {"a dangling link", 20, PlanParts::Week, {{"kxa_20.kxw", "link:nowhere"}}, exists("kxa_20.kxw"), {"kxa_20.kxw"}},
    {"a link to a file", 20, PlanParts::Year, {{"target", "old"}, {"kxa_20.kxh", "link:target"}},
     exists("kxa_20.kxh"), {"kxa_20.kxh", "target"}},
    {"the other family is no obstacle", 20, PlanParts::Year, {{"kxi_20.kxh", "old"}}, "", {"kxa_20.kxh", "kxi_20.kxh"}},
};
// clang-format on

TEST_F(PlanFilesTest, ExistingEntriesAreNeverOverwritten)
{
    for (const Refusal& r : kRefusals) {
        SCOPED_TRACE(r.what);
        std::filesystem::remove_all(site.path("plans"));
        std::filesystem::create_directories(site.path("plans"));
        std::filesystem::current_path(site.path("plans"));
        for (const auto& [name, content] : r.existing) {
            if (content == "dir")
                std::filesystem::create_directory(site.path("plans/" + name));
            else if (content.rfind("link:", 0) == 0)
                std::filesystem::create_symlink(content.substr(5), site.path("plans/" + name));
            else
                put(name, content);
        }
        boxes.clear();
        EXPECT_EQ(plans::CreatePlanFiles(r.number, PlanFamily::Alarm, r.parts), r.message.empty());
        EXPECT_EQ(boxTexts(), r.message);
        EXPECT_EQ(entries(), r.entriesAfter);
        for (const auto& [name, content] : r.existing)
            EXPECT_TRUE(content != "old" || bytes(name) == "old") << name << " was overwritten";
    }
}

TEST_F(PlanFilesTest, AFileThatCannotBeWrittenIsReportedAndLeavesNothing)
{
    // A working directory that was removed: no file can be made in it,
    // whoever runs the test.
    std::filesystem::create_directories(site.path("gone"));
    std::filesystem::current_path(site.path("gone"));
    std::filesystem::remove(site.path("gone"));
    EXPECT_FALSE(plans::CreatePlanFiles(30, PlanFamily::AlarmIn, PlanParts::Both));
    EXPECT_EQ(boxTexts().rfind("The plan 'kxi_30.kxh' could not be created !\n", 0), 0u) << boxTexts();

    if (::getuid() != 0) {  // a read-only directory binds only others than root
        std::filesystem::current_path(site.path("plans"));
        ::chmod(site.path("plans").c_str(), 0555);
        boxes.clear();
        EXPECT_FALSE(plans::CreatePlanFiles(30, PlanFamily::AlarmIn, PlanParts::Week));
        ::chmod(site.path("plans").c_str(), 0755);
        EXPECT_EQ(boxTexts().rfind("The plan 'kxi_30.kxw' could not be created !\n", 0), 0u) << boxTexts();
        EXPECT_TRUE(entries().empty());
    }
}

std::vector<std::string> texts(const std::vector<plans::PlanItem>& items)
{
    std::vector<std::string> out;
    for (const plans::PlanItem& item : items)
        out.push_back(item.text);
    return out;
}

TEST_F(PlanFilesTest, ListHoldsOnlyPlanFilesOfTheFamilyOnceEach)
{
    for (const char* name : {
             "kxa_20.kxh",         "kxa_20.kxw",                                  // both
             "kxa_99.kxh",                                                        // a year plan below 100
             "kxa_5.kxh",          "kxa_5.kxw",                                   // a year file below 10 does not count
             "KXA_30.KXW",         "kxa_30.kxw",                                  // one entry for two cases
             "kxa_9999.kxw",       "kxa_10000.kxw",                               // the last number, one above
             "kxa_012.kxh",        "kxa_+12.kxh",    "kxa_-12.kxw", "kxa_0.kxw",  // not as "%d" writes a plan number
             "kxa_4294967308.kxh", "kxa_12.kxh.bak", "kxa_12.txt",  "kxa12.kxh", "kxa_1x.kxw",
             "kxi_40.kxh",  // the other family
         })
        put(name, "x");
    std::filesystem::create_directory(site.path("plans/kxa_50.kxw"));              // a directory
    std::filesystem::create_symlink("kxa_20.kxh", site.path("plans/kxa_60.kxh"));  // a link to a file
    std::filesystem::create_symlink("nowhere", site.path("plans/kxa_70.kxw"));     // a dangling link

    EXPECT_EQ(texts(plans::ListPlans(PlanFamily::Alarm)),
              (std::vector<std::string>{"20 Alarm schedule- and weekplan", "30 Alarm weekplan only",
                                        "5 Alarm weekplan only", "60 Alarm scheduleplan only",
                                        "99 Alarm scheduleplan only", "9999 Alarm weekplan only"}));
    EXPECT_EQ(texts(plans::ListPlans(PlanFamily::AlarmIn)),
              (std::vector<std::string>{"40 Alarm-in scheduleplan only"}));
}

TEST_F(PlanFilesTest, ListHoldsEveryPlanAndFindsItByItsNumber)
{
    for (int n = 1; n <= 250; ++n)
        put("kxi_" + std::to_string(n) + ".kxw", "x");
    const std::vector<plans::PlanItem> items = plans::ListPlans(PlanFamily::AlarmIn);
    ASSERT_EQ(items.size(), 250u);
    EXPECT_EQ(items.front().text, "1 Alarm-in weekplan only");
    EXPECT_EQ(items[1].text, "10 Alarm-in weekplan only");  // sorted as text
    for (long n : {1L, 10L, 100L, 250L}) {
        const int index = plans::FindPlanItem(items, n);
        ASSERT_GE(index, 0);
        EXPECT_EQ(items[static_cast<std::size_t>(index)].number, n);
    }
    EXPECT_EQ(plans::FindPlanItem(items, 251), -1);
}

TEST_F(PlanFilesTest, LabelFollowsTheFilesThatExistInAnyCase)
{
    put("KXI_20.KXW", "x");
    put("kxa_21.kxh", "x");
    put("kxa_21.kxw", "x");
    EXPECT_EQ(plans::PlanLabel(20, PlanFamily::AlarmIn), "20 Alarm-in weekplan only");
    EXPECT_EQ(plans::PlanLabel(21, PlanFamily::Alarm), "21 Alarm schedule- and weekplan");
    EXPECT_EQ(plans::PlanLabel(22, PlanFamily::Alarm), "22 Alarm weekplan only");  // none: as the editor shows it
}

using PlanDisplayTest = PlansFixture;

std::string shown(const std::vector<plans::PlanLine>& lines)
{
    std::string out;
    for (const plans::PlanLine& line : lines)
        out += line.text + "|";
    return out;
}

const std::string kLong(300, 'x');

struct DisplayCase {
    const char* what;
    PlanFamily family;
    std::string year, week;
    std::string yearShown, weekShown;
    PlanType type;
};

const std::string kBytes("01.01.  26 , Stra\xDF\x65 \xFC \0x", 24);  // cp1252 bytes and a NUL

// clang-format off
const std::vector<DisplayCase> kCases = {
    {"alarm-in plan, LF", PlanFamily::AlarmIn,
     "rem  header\n00.00.  00 , 00:00 - 00.00.  00 , 00:00 , OFS 5;\n"
     "01.05.  26 , 08:00 - 02.05.  26 , 09:00 , KEY 1;x\n",
     "0 , 00:00 - 00:00 , GRP 2;\n1 , 08:00 - 17:00 , OFS 3;\n9 , 08:00 - 17:00 , unknown day;\n",
     "Default action ,   OFS 5|01.05.  26 , 08:00 - 02.05.  26 , 09:00 , KEY 1|",
     "Default action ,   GRP 2|Monday  08:00 - 17:00 , OFS 3|Monday  08:00 - 17:00 , unknown day|",
     PlanType::NotClassified},
    {"CRLF ends, a last line without one, a long line is one line", PlanFamily::AlarmIn, "",
     "3 , 08:00 - 17:00 , x;\r\n4 ," + kLong + "\r\n7 , 00:00 - 01:00 , last", "",
     "Wednesday  08:00 - 17:00 , x|Thursday " + kLong + "|Sunday  00:00 - 01:00 , last|", PlanType::NotClassified},
    {"the length rule counts one for the line end", PlanFamily::AlarmIn,
     std::string(17, 'a') + "\n" + std::string(18, 'b') + "\n" + std::string(18, 'c'), "",
     std::string(18, 'b') + "|", "", PlanType::NotClassified},
    {"rem only at the start and in small letters; no label before a day", PlanFamily::AlarmIn,
     " rem 1234567890123456789\nREM 1234567890123456789\n", "x , rest of the line is shown\n",
     " rem 1234567890123456789|REM 1234567890123456789|", " rest of the line is shown|", PlanType::NotClassified},
    {"missing fields are empty, fields are not trimmed", PlanFamily::AlarmIn,
     "00 no commas in this line\n00,a,b,  c  ,d,more and more;\n", "0 no commas in this week line\n",
     "Default action ,  |Default action ,    c  |", "Default action ,  |", PlanType::NotClassified},
    {"the last type word found decides, the week after the year", PlanFamily::Alarm,
     "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , GRP 3;\n", "2 , 08:00 - 17:00 , OFS 10 KEY;\n",
     "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , GRP 3|", "Tuesday  08:00 - 17:00 , OFS 10 KEY|", PlanType::AlarmKey},
    {"a line without a type word leaves the type", PlanFamily::Alarm,
     "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , OFS 3;\n", "2 , 08:00 - 17:00 , nothing;\n",
     "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , OFS 3|", "Tuesday  08:00 - 17:00 , nothing|", PlanType::Offset},
    {"cp1252 bytes and NUL pass as they are", PlanFamily::AlarmIn, kBytes + ";\n", "", kBytes + "|", "",
     PlanType::NotClassified},
};
// clang-format on

TEST_F(PlanDisplayTest, LinesAreShownAsThePlanHoldsThem)
{
    for (const DisplayCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const plans::PlanDisplay display = plans::ReadPlanText(c.year, c.week, c.family);
        EXPECT_EQ(shown(display.year), c.yearShown);
        EXPECT_EQ(shown(display.week), c.weekShown);
        EXPECT_EQ(display.type, c.type);
    }
}

TEST_F(PlanDisplayTest, ColoursFollowTheKindOfLineAndTheTypeWord)
{
    const std::string year = "00.00.  00 , 00:00 - 00.00.  00 , 00:00 , GRP 1;\n01.01.  26 , 00:00 - 01.01.  26 , "
                             "01:00 , GRP 1;\n01.01.  26 , 00:00 - 01.01.  26 , 01:00 , nothing;\n";
    const std::string week = "0 , 00:00 - 00:00 , KEY 4711;\n1 , 00:00 - 01:00 , KEY 4711;\n"
                             "0 , 00:00 - 00:00 , OFS 1;\n1 , 00:00 - 01:00 , OFS 1 GRP 2;\n";
    const plans::PlanDisplay alarm = plans::ReadPlanText(year, week, PlanFamily::Alarm);
    const std::vector<Rgb> alarmColours = {{0, 0, 40},  {0, 0, 180}, {0, 0, 0},  {0, 40, 0},
                                           {0, 150, 0}, {40, 0, 0},  {0, 0, 180}};
    const plans::PlanDisplay alarmIn = plans::ReadPlanText(year, week, PlanFamily::AlarmIn);
    const std::vector<Rgb> alarmInColours = {{50, 40, 30},   {120, 100, 60}, {120, 100, 60}, {50, 40, 30},
                                             {120, 100, 60}, {50, 40, 30},   {120, 100, 60}};
    for (const auto& [display, colours] : {std::pair{alarm, alarmColours}, std::pair{alarmIn, alarmInColours}}) {
        std::vector<Rgb> got;
        for (const auto* lines : {&display.year, &display.week})
            for (const plans::PlanLine& line : *lines)
                got.push_back(line.colour);
        EXPECT_EQ(got, colours);
    }
    EXPECT_EQ(alarm.type, PlanType::Group);  // GRP comes before OFS in the last line
    EXPECT_EQ(alarmIn.type, PlanType::NotClassified);
}

TEST_F(PlanDisplayTest, FilesAreFoundInAnyCaseAndNamedAsBuilt)
{
    put("KXA_15.KXH", "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , OFS 3;\n");
    const plans::PlanDisplay display = plans::ReadPlanForDisplay(15, PlanFamily::Alarm);
    EXPECT_EQ(display.yearFile, "kxa_15.kxh");
    EXPECT_EQ(display.weekFile, "kxa_15.kxw");  // missing: named all the same, its list empty
    EXPECT_EQ(shown(display.year), "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , OFS 3|");
    EXPECT_TRUE(display.week.empty());
    EXPECT_EQ(display.type, PlanType::Offset);
}

class PlanSelectionTest : public PlansFixture {
protected:
    static constexpr long kAlarmIn = 5000;

    void SetUp() override
    {
        PlansFixture::SetUp();
        ASSERT_EQ(field(kAlarmIn, "status"), "92");
        put("kxi_20.kxw", "1 , 08:00 - 17:00 , OFS 3;\n");
        put("kxa_30.kxh", "01.01.  26 , 00:00 - 02.01.  26 , 00:00 , OFS 3;\n");  // an offset plan
        put("kxa_40.kxw", "1 , 08:00 - 17:00 , GRP 3;\n");                        // a group plan
        put("kxa_50.kxw", "1 , 08:00 - 17:00 , no type word;\n");
        before = record(kAlarmIn);
    }
    // OK on a selection opened for the alarm-in, with `number` chosen in
    // the list of `family`.
    bool okWith(PlanFamily family, long number, long key = kAlarmIn)
    {
        PlanSelection selection(key, 0, family == PlanFamily::Alarm ? 1 : 0);
        selection.open();
        selection.select(family, plans::FindPlanItem(selection.items(family), number));
        return selection.ok();
    }

    std::vector<std::string> before;
};

const std::string kNotOffset =
    "The type of the alarm scheduleplan is not offset !\nAlarm-in scheduleplans only support "
    "the the offset. (Group and Alarmkey are not supported)|";

TEST_F(PlanSelectionTest, OkWritesModeAndNumberTogetherAfterEveryCheck)
{
    struct Case {
        PlanFamily family;
        long number;
        std::string message;  // "" when written
    };
    const std::vector<Case> cases = {
        {PlanFamily::Alarm, 40, kNotOffset},
        {PlanFamily::Alarm, 50, kNotOffset},  // shown after a group plan: its type is its own
        {PlanFamily::Alarm, 99, "Please select a schedule- and/or weekplan first!|"},
        {PlanFamily::AlarmIn, 99, "Please select a schedule- and/or weekplan first!|"},
        {PlanFamily::Alarm, 30, ""},
        {PlanFamily::AlarmIn, 20, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const std::vector<std::string> was = record(kAlarmIn);
        boxes.clear();
        EXPECT_EQ(okWith(c.family, c.number), c.message.empty());
        EXPECT_EQ(boxTexts(), c.message);
        if (c.message.empty())
            expectRecord(kAlarmIn, before,
                         {{"num1_7", c.family == PlanFamily::Alarm ? "1" : "0"}, {"n_mbx", std::to_string(c.number)}});
        else
            expectRecord(kAlarmIn, was, {});
    }
}

TEST_F(PlanSelectionTest, TheOffsetCheckReadsThePlanStoredNotThePlanShown)
{
    PlanSelection selection(kAlarmIn, 20, 0);
    selection.open();
    ASSERT_EQ(selection.selected(PlanFamily::AlarmIn), 0);  // "20 Alarm-in weekplan only", not classified
    selection.select(PlanFamily::Alarm, plans::FindPlanItem(selection.items(PlanFamily::Alarm), 30));
    selection.setMode(PlanFamily::Alarm);  // the alarm-in plan stays on show
    EXPECT_TRUE(selection.ok());
    EXPECT_EQ(boxTexts(), "");
    expectRecord(kAlarmIn, before, {{"num1_7", "1"}, {"n_mbx", "30"}});
}

TEST_F(PlanSelectionTest, NothingIsWrittenForAKeyThatIsNoAlarmInOrATableThatDoesNotOpen)
{
    EXPECT_FALSE(okWith(PlanFamily::AlarmIn, 20, 100));  // an alarm
    EXPECT_FALSE(okWith(PlanFamily::AlarmIn, 20, 99999999));
    EXPECT_EQ(boxTexts(), "Key 100 is not an alarm-in.|Key 99999999 is not an alarm-in.|");
    std::filesystem::rename(site.path("db1/vm001.dbf"), site.path("db1/moved.dbf"));
    boxes.clear();
    EXPECT_FALSE(okWith(PlanFamily::AlarmIn, 20));
    EXPECT_EQ(boxTexts().rfind("Error, impossible to open alarm-database ", 0), 0u) << boxTexts();
    std::filesystem::rename(site.path("db1/moved.dbf"), site.path("db1/vm001.dbf"));
    expectRecord(kAlarmIn, before, {});
}

TEST_F(PlanSelectionTest, EditStartsThePlanEditorOnTheFileOfTheSelectedPlan)
{
    StandInPrograms programs(site.path("bin"));
    programs.add("kxsched.exe");
    put("KXA_30.KXW", "x");
    PlanSelection selection(kAlarmIn, 30, 1);
    selection.open();
    EXPECT_TRUE(selection.edit(true));  // found in another case: passed by its own name
    EXPECT_TRUE(selection.edit(false));
    selection.setMode(PlanFamily::AlarmIn);
    EXPECT_FALSE(selection.edit(true));  // nothing selected in the alarm-in list
    selection.select(PlanFamily::AlarmIn, 0);
    EXPECT_TRUE(selection.edit(false));
    std::vector<std::string> calls = programs.waitForCalls(3);
    std::sort(calls.begin(), calls.end());  // started, not waited for: they may end in any order
    EXPECT_EQ(calls,
              (std::vector<std::string>{"kxsched.exe|KXA_30.KXW", "kxsched.exe|kxa_30.kxh", "kxsched.exe|kxi_20.kxh"}));
    std::filesystem::remove(site.path("bin/kxsched.exe"));
    EXPECT_FALSE(selection.edit(false));  // the editor is missing
    EXPECT_EQ(boxTexts(), "");
}

}  // namespace
}  // namespace kx::test
