#include "core/GroupList.h"

#include "core/CDatabase.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kx {
namespace {

class GroupListTest : public ::testing::Test {
protected:
    void makeGroups(int count, unsigned idxgLength = 3)
    {
        std::filesystem::create_directories(site.path("db1"));
        CDatabase db;
        ASSERT_EQ(db.Create("\\db1\\kxgroups.dbf",
                            {{"IDXG", 'C', idxgLength, 0}, {"GNAME", 'C', 50, 0}, {"NUMBER", 'N', 3, 0}}),
                  1);
        db.SetFlush(0);
        for (int i = 0; i < count; ++i) {
            db.Append();
            db.Bottom();
            db.Replace("GNAME", ("Group " + std::to_string(i) + std::string(45, 'x')).c_str());
            db.Replace("NUMBER", 10 + i % 990);
        }
        db.Close();
    }

    test::TempSite site;
};

TEST_F(GroupListTest, ReadsNameAndNumberByPosition)
{
    makeGroups(3);
    GroupList groups;
    ASSERT_TRUE(groups.load("\\db1\\kxgroups.dbf"));
    ASSERT_EQ(groups.count(), 3u);
    EXPECT_EQ(groups.entries()[1].number, 11);
    // Names are held with at most 39 characters.
    EXPECT_EQ(std::string(groups.entries()[1].name), ("Group 1" + std::string(45, 'x')).substr(0, 39));
    EXPECT_EQ(std::tuple(groups.indexAllowsThreeDigits(), groups.numberFieldLength(), groups.find(12) != nullptr,
                         groups.find(99) != nullptr, groups.overflow()),
              std::tuple(true, 3u, true, false, 0u));

    EXPECT_FALSE(groups.load("\\db1\\nosuch.dbf"));
    EXPECT_EQ(groups.count(), 0u);
}

TEST_F(GroupListTest, HoldsAtMostAThousandGroups)
{
    makeGroups(1005, 2);
    GroupList groups;
    ASSERT_TRUE(groups.load("\\db1\\kxgroups.dbf"));
    EXPECT_EQ(std::tuple(groups.count(), groups.overflow(), groups.indexAllowsThreeDigits()),
              std::tuple(1000u, 5u, false));
}

}  // namespace
}  // namespace kx
