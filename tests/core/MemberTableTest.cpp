#include "core/MemberTable.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(MemberTable, MembersWithANameInTableOrder)
{
    test::TempSite site;
    std::filesystem::create_directories(site.path("db1"));
    const std::string path = config::MemberTablePath("\\db1\\", 12);
    CDatabase db;
    ASSERT_EQ(db.Create(path.c_str(), {{"NAME", 'C', 20, 0}, {"TT1", 'C', 20, 0}, {"TY1", 'C', 3, 0}}), 1);
    for (const auto& [name, phone, type] :
         {std::tuple{"Meier", "0301", "GSM"}, std::tuple{"", "0302", "INT"}, std::tuple{"M\xFCller", "0303", "-@-"}}) {
        db.Append();
        db.Bottom();
        db.Replace("NAME", name);
        db.Replace("TT1", phone);
        db.Replace("TY1", type);
    }
    db.Close();

    const auto members = LoadMembers(path);
    ASSERT_TRUE(members.has_value());
    std::vector<std::string> read;
    for (const Member& m : *members)
        read.push_back(m.name + "|" + m.phone + "|" + m.phoneType);
    EXPECT_EQ(read, (std::vector<std::string>{"Meier|0301|GSM", "M\xFCller|0303|-@-"}));

    EXPECT_FALSE(LoadMembers(config::MemberTablePath("\\db1\\", 13)).has_value());
}

}  // namespace
}  // namespace kx
