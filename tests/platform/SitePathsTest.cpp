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
    const std::string expected = site.path("db1/vm001.dbf");
    // Drive letter dropped, both separators, ".\" and the trailing dot of "db1." ignored.
    EXPECT_EQ(SitePaths::translate("\\db1\\vm001.dbf"), expected);
    EXPECT_EQ(SitePaths::translate("D:\\db1\\vm001.dbf"), expected);
    EXPECT_EQ(SitePaths::translate("d:/db1/vm001.dbf"), expected);
    EXPECT_EQ(SitePaths::translate("\\db1\\.\\vm001.dbf"), expected);
    EXPECT_EQ(SitePaths::translate("\\db1.\\vm001.dbf"), expected);
    EXPECT_EQ(SitePaths::translate("\\db1\\sub\\..\\vm001.dbf"), expected);
    // ".." never climbs above the drive root.
    EXPECT_EQ(SitePaths::translate("\\..\\..\\db1\\vm001.dbf"), expected);
}

TEST_F(SitePathsTest, ComponentsMatchCaseInsensitivelyExactFirst)
{
    site.write("DB1/VM001.DBF", "upper");
    EXPECT_EQ(SitePaths::translate("\\db1\\vm001.dbf"), site.path("DB1/VM001.DBF"));
    // When both spellings exist, the exact one wins.
    site.write("DB1/vm001.dbf", "lower");
    EXPECT_EQ(SitePaths::translate("\\db1\\vm001.dbf"), site.path("DB1/vm001.dbf"));
    EXPECT_EQ(SitePaths::translate("\\Db1\\VM001.DBF"), site.path("DB1/VM001.DBF"));
    // cp1252 letters fold as well (\xC9 = E acute, \xE9 = e acute).
    site.write("d\xC9P\xD4T/x.ini", "y");
    EXPECT_EQ(SitePaths::translate("\\d\xE9p\xF4t\\X.INI"), site.path("d\xC9P\xD4T/x.ini"));
}

TEST_F(SitePathsTest, NewFilesKeepTheNameAsWritten)
{
    EXPECT_EQ(SitePaths::translate("\\db1\\New.Dbf"), site.path("db1/New.Dbf"));
    site.write("DB1/keep", "");
    EXPECT_EQ(SitePaths::translate("\\db1\\New.Dbf"), site.path("DB1/New.Dbf"));
}

TEST_F(SitePathsTest, RelativePathsAreInTheWorkingDirectory)
{
    site.write("work/log/x", "");
    char old[4096];
    ASSERT_TRUE(::getcwd(old, sizeof old));
    ASSERT_EQ(::chdir(site.path("work").c_str()), 0);
    EXPECT_EQ(SitePaths::translate("log\\kxadeact.log"), site.path("work/log/kxadeact.log"));
    EXPECT_EQ(SitePaths::translate(".\\LOG\\x"), site.path("work/log/x"));
    EXPECT_EQ(SitePaths::translate("C:log\\x"), site.path("work/log/x"));
    ASSERT_EQ(::chdir(old), 0);
}

TEST_F(SitePathsTest, NativePathsUnderTheSiteStandAsTheyAre)
{
    // Formats such as "%s.\kxalogout.ini" are filled with the native Windows directory.
    EXPECT_EQ(SitePaths::translate(SitePaths::windowsDirectory() + ".\\kxalogout.ini"),
              site.path("windows/kxalogout.ini"));
    EXPECT_EQ(SitePaths::translate(site.path("db1/x.dbf")), site.path("db1/x.dbf"));
}

TEST_F(SitePathsTest, WindowsDirectoryOutsideTheRoot)
{
    test::TempSite other;  // reconfigures the site; put it back with a foreign Windows directory
    SitePaths::configure(site.root(), other.windows());
    EXPECT_EQ(SitePaths::windowsDirectory(), other.windows());
    EXPECT_EQ(SitePaths::systemDirectory(), other.windows() + "/system32");
    EXPECT_EQ(SitePaths::translate(other.windows() + ".\\kxalogout.ini"), other.path("windows/kxalogout.ini"));
    EXPECT_EQ(SitePaths::profileFile("KXALARM.INI"), other.path("windows/KXALARM.INI"));
    SitePaths::configure(site.root(), {});
}

TEST_F(SitePathsTest, BareProfileNamesLiveInTheWindowsDirectory)
{
    site.write("windows/KxAlarm.ini", "");
    site.write("work/kxalarm.ini", "");
    EXPECT_EQ(SitePaths::profileFile("kxalarm.ini"), site.path("windows/KxAlarm.ini"));
    EXPECT_EQ(SitePaths::profileFile("\\work\\kxalarm.ini"), site.path("work/kxalarm.ini"));
}

TEST_F(SitePathsTest, ExistenceTestsByStoredPath)
{
    site.write("kxt/kxawdcall.kxe", "");
    EXPECT_TRUE(SitePaths::exists("\\KXT\\KXAWDCALL.KXE"));
    EXPECT_TRUE(SitePaths::exists("\\kxt"));
    EXPECT_FALSE(SitePaths::exists("\\kxt\\missing.kxe"));
    EXPECT_FALSE(SitePaths::exists(""));
}

TEST(FoldCp1252, FoldsLettersOnly)
{
    EXPECT_TRUE(EqualsNoCase("Vm001.DBF", "vm001.dbf"));
    EXPECT_TRUE(EqualsNoCase("\x9A\x9C\x9E\xFF", "\x8A\x8C\x8E\x9F"));
    EXPECT_FALSE(EqualsNoCase("\xF7", "\xD7"));  // division and multiplication signs are not letters
    EXPECT_FALSE(EqualsNoCase("\xDF", "SS"));
    EXPECT_FALSE(EqualsNoCase("a", "ab"));
}

}  // namespace
}  // namespace kx
