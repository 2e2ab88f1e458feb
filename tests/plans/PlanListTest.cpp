// Listing the plans of a family: which names are plan files, the texts and
// their order, and the item of a number.

#include "plans/PlanList.h"
#include "tests/plans/PlansFixture.h"

namespace kx::test {
namespace {

using plans::PlanFamily;

class PlanListTest : public PlansFixture {};

std::vector<std::string> texts(const std::vector<plans::PlanItem>& items)
{
    std::vector<std::string> out;
    for (const plans::PlanItem& item : items)
        out.push_back(item.text);
    return out;
}

TEST_F(PlanListTest, OnlyPlanFilesOfTheFamilyAreListedOnceEach)
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

TEST_F(PlanListTest, EveryPlanIsListedAndFoundByItsNumber)
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

TEST_F(PlanListTest, LabelFollowsTheFilesThatExistInAnyCase)
{
    put("KXI_20.KXW", "x");
    put("kxa_21.kxh", "x");
    put("kxa_21.kxw", "x");
    EXPECT_EQ(plans::PlanLabel(20, PlanFamily::AlarmIn), "20 Alarm-in weekplan only");
    EXPECT_EQ(plans::PlanLabel(21, PlanFamily::Alarm), "21 Alarm schedule- and weekplan");
    EXPECT_EQ(plans::PlanLabel(22, PlanFamily::Alarm), "22 Alarm weekplan only");  // none: as the editor shows it
}

}  // namespace
}  // namespace kx::test
