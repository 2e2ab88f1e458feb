#include "platform/SitePaths.h"

#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace kx {
namespace {

class SitePathsTest : public ::testing::Test {
protected:
    test::TempSite site;
};

TEST_F(SitePathsTest, StoredWindowsPathsTranslateToTheSite)
{
    site.write("db1/vm001.dbf", "x");
    site.write("DB2/VM002.DBF", "upper");
    site.write("DB2/vm003.dbf", "lower");
    site.write("DB2/VM003.DBF", "upper");
    site.write("d\xC9P\xD4T/x.ini", "y");
    site.write("\xC0\xDE/x", "z");
    site.write("work/log/x", "");
    const std::string native = site.root().substr(1);
    const std::pair<std::string, std::string> cases[] = {
        // Drive letter dropped, both separators, ".\" and the trailing dot of "db1." ignored.
        {"\\db1\\vm001.dbf", "db1/vm001.dbf"},
        {"D:\\db1\\vm001.dbf", "db1/vm001.dbf"},
        {"d:/db1/vm001.dbf", "db1/vm001.dbf"},
        {"\\db1\\.\\vm001.dbf", "db1/vm001.dbf"},
        {"\\db1.\\vm001.dbf", "db1/vm001.dbf"},
        {"\\db1 \\vm001.dbf ", "db1/vm001.dbf"},
        {"\\db1\\sub\\..\\vm001.dbf", "db1/vm001.dbf"},
        {"\\..\\..\\db1\\vm001.dbf", "db1/vm001.dbf"},  // ".." never climbs above the drive root
        // Components match without case, the exact spelling first; cp1252 letters fold as well.
        {"\\db2\\vm002.dbf", "DB2/VM002.DBF"},
        {"\\db2\\vm003.dbf", "DB2/vm003.dbf"},
        {"\\Db2\\VM003.DBF", "DB2/VM003.DBF"},
        {"\\d\xE9p\xF4t\\X.INI", "d\xC9P\xD4T/x.ini"},
        {"\\\xE0\xFE\\X", "\xC0\xDE/x"},
        // New files keep the name as written, below the directory found.
        {"\\db1\\New.Dbf", "db1/New.Dbf"},
        {"\\work\\LOG\\New.Log", "work/log/New.Log"},
        // Native paths stand as they are, also in formats such as "%s.\kxalogout.ini".
        {site.path("db1/x.dbf"), "db1/x.dbf"},
        {SitePaths::windowsDirectory() + ".\\kxalogout.ini", "windows/kxalogout.ini"},
        // A directory that only begins with the root's name is not under it.
        {site.root() + "2\\x", native + "2/x"},
        {site.root() + "x/y", native + "x/y"},
    };
    for (const auto& [stored, relative] : cases)
        EXPECT_EQ(SitePaths::translate(stored), site.path(relative)) << test::Escaped(stored);

    // Relative paths are in the working directory.
    char old[4096];
    ASSERT_TRUE(::getcwd(old, sizeof old));
    ASSERT_EQ(::chdir(site.path("work").c_str()), 0);
    for (const char* relative : {"log\\x", ".\\LOG\\x", "C:log\\x"})
        EXPECT_EQ(SitePaths::translate(relative), site.path("work/log/x")) << relative;
    ASSERT_EQ(::chdir(old), 0);
}

TEST_F(SitePathsTest, WindowsDirectoryInsideOrOutsideTheRoot)
{
    site.write("windows/KxAlarm.ini", "");
    site.write("work/kxalarm.ini", "");
    EXPECT_EQ(SitePaths::profileFile("kxalarm.ini"), site.path("windows/KxAlarm.ini"));
    EXPECT_EQ(SitePaths::profileFile("\\work\\kxalarm.ini"), site.path("work/kxalarm.ini"));

    test::TempSite other;  // reconfigures the site; put it back with a foreign Windows directory
    SitePaths::configure(site.root(), other.windows());
    EXPECT_EQ(SitePaths::windowsDirectory(), other.windows());
    EXPECT_EQ(SitePaths::systemDirectory(), other.windows() + "/system32");
    EXPECT_EQ(SitePaths::translate(other.windows() + ".\\kxalogout.ini"), other.win("kxalogout.ini"));
    EXPECT_EQ(SitePaths::profileFile("KXALARM.INI"), other.win("KXALARM.INI"));
}

TEST_F(SitePathsTest, ExistenceTestsByStoredPath)
{
    site.write("kxt/kxawdcall.kxe", "");
    EXPECT_EQ(std::vector<bool>({SitePaths::exists("\\KXT\\KXAWDCALL.KXE"), SitePaths::exists("\\kxt"),
                                 SitePaths::exists("\\kxt\\missing.kxe"), SitePaths::exists("")}),
              std::vector<bool>({true, true, false, false}));
}

TEST(FoldCp1252, FoldsLettersOnly)
{
    EXPECT_TRUE(EqualsNoCase("Vm001.DBF", "vm001.dbf"));
    EXPECT_TRUE(EqualsNoCase("\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"));
    EXPECT_TRUE(EqualsNoCase("\xE0\xE9\xFE", "\xC0\xC9\xDE"));  // a grave, e acute, thorn
    EXPECT_FALSE(EqualsNoCase("\xF7", "\xD7"));                 // division and multiplication signs are not letters
    EXPECT_FALSE(EqualsNoCase("\xDF", "SS"));
    EXPECT_FALSE(EqualsNoCase("a", "ab"));
}

}  // namespace
}  // namespace kx
