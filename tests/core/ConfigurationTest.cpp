#include "core/Configuration.h"

#include "platform/Profile.h"
#include "tests/common/TempSite.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

class ConfigurationTest : public ::testing::Test {
protected:
    test::TempSite site;
};

TEST(MailboxTablePath, LowerCaseAndAppendedFileName)
{
    EXPECT_EQ(config::MailboxTablePathFrom("D:\\DATA\\"), "d:\\data\\.\\vm001.dbf");
    EXPECT_EQ(config::MailboxTablePathFrom("D:\\DATA"), "d:\\data.\\vm001.dbf");
    EXPECT_EQ(config::MailboxTablePathFrom("D:\\DATA\\VM001.DBF"), "d:\\data\\vm001.dbf");
    EXPECT_EQ(config::MailboxTablePathFrom("\\D\xC4T\\"), "\\d\xE4t\\.\\vm001.dbf");
    EXPECT_EQ(config::MailboxTablePathFrom("\\VM001\\"), "\\vm001\\.\\vm001.dbf");
}

TEST_F(ConfigurationTest, DefaultsWithoutIniFiles)
{
    const config::KeyRanges r = config::ReadKeyRanges();
    EXPECT_EQ(
        std::vector({r.firstAlarmKey, r.lastAlarmKey, r.firstAlarmInKey, r.lastAlarmInKey, config::CheckPerson()}),
        std::vector({10, 9999, 10, 9999, 0}));
    EXPECT_EQ(config::MailboxTablePath() + " " + config::GroupTablePath() + " " + config::PersonsBaseDirectory() +
                  " [" + config::DefaultLanguage() + "]",
              "\\db1\\.\\vm001.dbf \\db1\\kxgroups.dbf \\db1\\ []");
    EXPECT_EQ(config::MemberTablePath("\\db1\\", 12), "\\db1\\.\\kxagrp12.dbf");
    EXPECT_EQ(config::MemberTablePath("\\db1", 12), "\\db1.\\kxagrp12.dbf");
}

TEST_F(ConfigurationTest, PathValuesAreCutTo79Characters)
{
    const std::string longPath = "\\" + std::string(100, 'p') + "\\";
    WriteProfileString("kxaconf.ini", "Config", "GroupDataBase", longPath);
    EXPECT_EQ(config::GroupTablePath(), longPath.substr(0, 79));
}

TEST_F(ConfigurationTest, SelfRepairingKeysAreWrittenAsZero)
{
    site.write("windows/kxpers.ini", "[DBInfo]\r\nPath=\\db1\\\r\n");
    site.write("windows/kxalarm.ini", "[config]\r\nEnableAlarmDeactivation=-4\r\n");
    EXPECT_EQ(std::pair(config::ThreeDigitGroupNumbers(), config::EnableAlarmDeactivation()), std::pair(0, 0));
    EXPECT_EQ(site.read("windows/kxpers.ini"), "[DBInfo]\r\nPath=\\db1\\\r\n3DigitGroupNumbers=0\r\n");
    EXPECT_EQ(site.read("windows/kxalarm.ini"), "[config]\r\nEnableAlarmDeactivation=0\r\n");
    // A set value is used and not rewritten.
    WriteProfileString("kxpers.ini", "DBInfo", "3DigitGroupNumbers", "1");
    EXPECT_EQ(config::ThreeDigitGroupNumbers(), 1);
}

TEST_F(ConfigurationTest, LogoutStateFileIsInTheWindowsDirectory)
{
    site.write("windows/KXALOGOUT.INI", "[LogedOut]\r\n0301=1\r\n");
    EXPECT_EQ(ProfileInt(config::LogoutStateFilePath(), "LogedOut", "0301", 0), 1);
    EXPECT_EQ(SitePaths::translate(config::LogoutStateFilePath()), site.path("windows/KXALOGOUT.INI"));
}

}  // namespace
}  // namespace kx
