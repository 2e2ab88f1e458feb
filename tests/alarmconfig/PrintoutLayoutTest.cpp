// The printout's page breaks: table pages, group pages and their splits.

#include "alarmconfig/Printout.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "tests/alarmconfig/AlarmInFixture.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace kx::alarmconfig::printout;

namespace {

// Body heights: a tall page (A4 portrait), Letter portrait, A4 landscape.
constexpr int kTall = 513, kLetter = 456, kLandscape = 200;

TEST(PrintoutLayout, TablePagesHoldUpTo45RowsAndFewerOnShorterPages)
{
    const struct {
        std::size_t rows;
        int bodyHeight;
        std::vector<std::size_t> perPage;
    } cases[] = {
        {0, kTall, {0}},        {45, kTall, {45}},
        {46, kTall, {45, 1}},   {91, kTall, {45, 45, 1}},
        {46, kLetter, {44, 2}}, {46, kLandscape, {18, 18, 10}},
        {1, 20, {1}},  // a page too short for a row still takes one
    };
    for (const auto& c : cases) {
        Content content;
        content.alarms.resize(c.rows);
        content.alarmIns.resize(c.rows);
        const std::vector<Page> pages = Layout(content, c.bodyHeight);
        ASSERT_EQ(pages.size(), 2 * c.perPage.size()) << c.rows << " rows, body " << c.bodyHeight;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const std::size_t i = p % c.perPage.size();
            EXPECT_EQ(pages[p].section, p < c.perPage.size() ? Section::Alarms : Section::AlarmIns);
            EXPECT_EQ(pages[p].rowCount, c.perPage[i]) << c.rows << " rows, page " << p;
            EXPECT_EQ(pages[p].firstRow, i * c.perPage[0]);
        }
    }
}

TEST(PrintoutLayout, GroupsFollowOneAnotherAndSplitOnlyUpTo300UnitsUsed)
{
    using Block = std::tuple<std::size_t, std::size_t, std::size_t, bool>;  // group, first, count, continues
    const struct {
        std::vector<std::size_t> members;
        int bodyHeight;
        std::vector<std::vector<Block>> pages;
    } cases[] = {
        {{}, 520, {}},
        {{60}, kTall, {{{0, 0, 46, true}}, {{0, 46, 14, false}}}},
        {{47}, 520, {{{0, 0, 47, false}}}},  // 512 units: fits
        {{48}, 520, {{{0, 0, 46, true}}, {{0, 46, 2, false}}}},
        {{25, 30}, 520, {{{0, 0, 25, false}, {1, 0, 17, true}}, {{1, 17, 13, false}}}},  // 292 used: split
        {{26, 30}, 520, {{{0, 0, 26, false}}, {{1, 0, 30, false}}}},                     // 302 used: moved
        {{1, 1, 1, 1, 5, 30},
         520,  // 300 used: split
         {{{0, 0, 1, false}, {1, 0, 1, false}, {2, 0, 1, false}, {3, 0, 1, false}, {4, 0, 5, false}, {5, 0, 16, true}},
          {{5, 16, 14, false}}}},
        {{1, 1, 1, 1, 6, 30},
         520,  // 310 used: moved
         {{{0, 0, 1, false}, {1, 0, 1, false}, {2, 0, 1, false}, {3, 0, 1, false}, {4, 0, 6, false}},
          {{5, 0, 30, false}}}},
        {{20, 10}, kLandscape, {{{0, 0, 14, true}}, {{0, 14, 6, false}, {1, 0, 4, true}}, {{1, 4, 6, false}}}},
        {{3}, 40, {{{0, 0, 1, true}}, {{0, 1, 1, true}}, {{0, 2, 1, false}}}},  // no room: one member a page
    };
    for (const auto& c : cases) {
        Content content;
        content.withAlarms = content.withAlarmIns = false;
        for (std::size_t n : c.members)
            content.groups.push_back({"10 G", std::vector<MemberRow>(n)});
        std::vector<std::vector<Block>> actual;
        for (const Page& page : Layout(content, c.bodyHeight)) {
            EXPECT_EQ(page.section, Section::Groups);
            actual.emplace_back();
            for (const GroupBlock& b : page.blocks) {
                actual.back().emplace_back(b.group, b.firstMember, b.memberCount, b.continues);
                if (c.bodyHeight >= 100) {  // nothing below the body
                    EXPECT_LE(b.top + kGroupHeadingHeight + kGroupHeaderHeight +
                                  (b.memberCount + b.continues) * kRowHeight,
                              static_cast<std::size_t>(std::min(c.bodyHeight, kGroupArea)));
                }
            }
        }
        EXPECT_EQ(actual, c.pages) << c.members.size() << " groups, first " << c.members[0];
    }
}

using PrintoutGroups = kx::test::AlarmInFixture;

// Groups print in selector order when their member table opens and holds a
// named member; members without a name are left out, GRP is the first column.
TEST_F(PrintoutGroups, OnlyGroupsWithNamedMembersPrint)
{
    const std::string directory = kx::config::PersonsBaseDirectory();
    CDatabase table;
    ASSERT_TRUE(table.Create(kx::config::MemberTablePath(directory, 30).c_str(),
                             {{"GRP", 'C', 3, 0}, {"NAME", 'C', 30, 0}, {"TT1", 'C', 25, 0}, {"TY1", 'C', 3, 0}}));
    for (const char* name : {"", "M\xfcller", ""}) {
        table.Append();
        table.Bottom();
        table.Replace("GRP", "A");
        table.Replace("NAME", name);
        table.Replace("TT1", "0301");
        table.Replace("TY1", "INT");
    }
    table.Close();
    const std::vector<Group> groups = LoadGroups(
        {"NO GROUP SPECIFIED", "30 Security service", "26 Empty", "28 No table", "11 Technicians"}, directory);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].selectorEntry, "30 Security service");
    ASSERT_EQ(groups[0].members.size(), 1u);
    EXPECT_EQ(std::tie(groups[0].members[0].grp, groups[0].members[0].name, groups[0].members[0].phoneType),
              std::make_tuple(std::string("A"), std::string("M\xfcller"), std::string("INT")));
    EXPECT_EQ(groups[1].selectorEntry, "11 Technicians");
}

}  // namespace
