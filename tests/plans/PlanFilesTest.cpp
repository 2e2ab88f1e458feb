// Creating plan files: the exact header bytes, the order of the checks and
// never overwriting anything that exists in any letter case.

#include "plans/PlanFiles.h"
#include "tests/plans/PlansFixture.h"

#include <unistd.h>

namespace kx::test {
namespace {

using plans::PlanFamily;
using plans::PlanParts;

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

const std::vector<Refusal> kRefusals = {
    {"below the range", 9, PlanParts::Both, {}, kRange, {}},
    {"above the range", 10000, PlanParts::Both, {}, kRange, {}},
    {"year exists", 20, PlanParts::Both, {{"kxa_20.kxh", "old"}}, exists("kxa_20.kxh"), {"kxa_20.kxh"}},
    // The year file is made first; the week file then stops "both".
    {"week exists in another case",
     20,
     PlanParts::Both,
     {{"KXA_20.KXW", "old"}},
     exists("kxa_20.kxw"),
     {"KXA_20.KXW", "kxa_20.kxh"}},
    {"week only asked, year exists", 20, PlanParts::Week, {{"kxa_20.kxh", "old"}}, "", {"kxa_20.kxh", "kxa_20.kxw"}},
    {"a directory", 20, PlanParts::Year, {{"Kxa_20.kxh", "dir"}}, exists("kxa_20.kxh"), {"Kxa_20.kxh/"}},
    {"a dangling link", 20, PlanParts::Week, {{"kxa_20.kxw", "link:nowhere"}}, exists("kxa_20.kxw"), {"kxa_20.kxw"}},
    {"a link to a file",
     20,
     PlanParts::Year,
     {{"target", "old"}, {"kxa_20.kxh", "link:target"}},
     exists("kxa_20.kxh"),
     {"kxa_20.kxh", "target"}},
    {"the other family is no obstacle", 20, PlanParts::Year, {{"kxi_20.kxh", "old"}}, "", {"kxa_20.kxh", "kxi_20.kxh"}},
};

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
        for (const auto& [name, content] : r.existing) {
            if (content == "old") {
                EXPECT_EQ(bytes(name), "old") << name;
            }
        }
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

}  // namespace
}  // namespace kx::test
