// kxalarmctl end to end on a demo site: demo, record, field and profile.

#include "tests/app/CtlDemoFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kx {
namespace {

using CtlFoundationTest = test::CtlDemoFixture;

TEST_F(CtlFoundationTest, DemoSiteHasTheWholeLayout)
{
    for (const char* f :
         {"windows/kxaconf.ini", "windows/kxpers.ini", "windows/kxalarm.ini", "db1/vm001.dbf", "db1/kxgroups.dbf",
          "db1/kxagrp10.dbf", "kxt/kxtpost.dbf", "kxt/kxtpost.ndx", "kxt/kxarun.kxe", "work"})
        EXPECT_TRUE(site.exists(f)) << f;
    // A second demo into a non-empty directory is refused.
    const test::CtlResult again = test::RunCtl({"demo", site.root()});
    EXPECT_NE(again.exitCode, 0);
    EXPECT_NE(again.err.find("not empty"), std::string::npos);
}

TEST_F(CtlFoundationTest, RecordPrintsAllNinetyNineFields)
{
    const test::CtlResult r = ctl({"record", "4711"});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 99);
    EXPECT_EQ(r.out.rfind("T01\tindex\t4711\nT02\tstatus\t91\n", 0), 0u) << r.out;
    EXPECT_NE(r.out.find("\nT33\ttext_opt1\tFire alarm building 47\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("\nT99\tnum1_16\t"), std::string::npos) << r.out;
}

TEST_F(CtlFoundationTest, FieldSetAndGetWithTheirExitCodes)
{
    EXPECT_EQ(ctl({"field", "set", "4711", "text_opt1", "Brandmelder S\u00FCd"}).exitCode, 0);
    EXPECT_EQ(ctl({"field", "get", "4711", "T33"}).out, "Brandmelder S\u00FCd\n");
    EXPECT_EQ(ctl({"field", "set", "4711", "p_ogm4", "12"}).exitCode, 0);
    EXPECT_EQ(ctl({"field", "get", "4711", "T30"}).out, "12\n");
    EXPECT_EQ(ctl({"field", "set", "4711", "p_ogm9", "12"}).exitCode, 3);
    // Control bytes other than line breaks are stored, and shown escaped.
    EXPECT_EQ(ctl({"field", "set", "7", "phone", "a\tb\x1F"}).exitCode, 0);
    EXPECT_EQ(ctl({"field", "get", "7", "T31"}).out, "a\\x09b\\x1F\n");
    EXPECT_NE(ctl({"record", "7"}).out.find("\nT31\tphone\ta\\x09b\\x1F\n"), std::string::npos);
    std::filesystem::rename(site.path("db1/vm001.dbf"), site.path("db1/gone.dbf"));
    EXPECT_EQ(ctl({"field", "set", "4711", "p_ogm4", "12"}).exitCode, 2);
}

TEST_F(CtlFoundationTest, BadKeysKeysThatAreNotAlarmsAndValuesThatDoNotFitChangeNothing)
{
    const std::string table = site.read("db1/vm001.dbf");
    // clang-format off
    expectCases({}, {
        {{"set-type", "4", "-2"}, 2, "", "'-2' is not a key"},
        {{"set-type", "4", "x"}, 2, "", "'x' is not a key"},
        {{"record", "-1"}, 2, "", "is not a key"},
        {{"field", "get", "2147483648", "T01"}, 2, "", "is not a key"},
        {{"field", "set", "-3", "num2_4", "1"}, 2, "", "is not a key"},
        {{"launch", "-5"}, 2, "", "is not a key"},
        {{"--yes", "deactivate", "10", "4711", "-3"}, 2, "", "is not a key"},
        {{"set-type", "4", "5000", "5", "6000"}, 2, "", "these keys are not: 5000, 5, 6000."},
        {{"set-type", "4", "4711", "10000"}, 2, "", "these keys are not: 10000."},
        {{"--yes", "deactivate", "10", "4711", "5000"}, 1, "", "these keys are not: 5000."},
        {{"activate", "7"}, 1, "", "these keys are not: 7."},
        {{"field", "set", "100", "num10_1", "99999999999"}, 1, "", "outside -2147483648 to 2147483647"},
        {{"field", "set", "100", "num2_4", "100"}, 1, "", "field's 2 characters"},
        {{"field", "set", "7", "phone", "abc\r\nT99\tnum1_16\t666"}, 1, "", "line break"},
        {{"field", "set", "7", "text_opt1", std::string(66, 'x')}, 1, "", "field's 65 characters"},
        {{"field", "set", "10000", "text_opt1", "x"}, 1, "", "keys 0 to 9999"},
        {{"record", "10000"}, 1, "", "the table holds keys 0 to 9999"},
    });
    // clang-format on
    EXPECT_EQ(site.read("db1/vm001.dbf"), table);
    EXPECT_FALSE(site.exists("windows/kxadeact.ini"));
}

TEST_F(CtlFoundationTest, ProfileCallsAsTheConsoleMakesThem)
{
    EXPECT_EQ(ctl({"profile", "get", "kxalarm.ini", "CONFIG", "lastalarmkey"}).out, "4999\n");
    EXPECT_EQ(ctl({"profile", "get", "kxalarm.ini", "config", "nokey", "dflt"}).out, "dflt\n");
    EXPECT_EQ(ctl({"profile", "getint", "kxalarm.ini", "config", "nokey", "-9"}).out, "-9\n");
    ASSERT_EQ(ctl({"profile", "set", "kxalarm.ini", "config", "NewKey", "a b"}).exitCode, 0);
    EXPECT_EQ(ctl({"profile", "get", "kxalarm.ini", "config", "newkey"}).out, "a b\n");
    ASSERT_EQ(ctl({"profile", "delete", "kxalarm.ini", "config", "NewKey"}).exitCode, 0);
    EXPECT_EQ(ctl({"profile", "get", "kxalarm.ini", "config", "newkey"}).out, "\n");
    EXPECT_EQ(ctl({"profile", "bogus"}).exitCode, 64);
}

TEST_F(CtlFoundationTest, HelpEverywhere)
{
    EXPECT_EQ(test::RunCtl({"--help"}).exitCode, 0);
    for (const std::string command :
         {"demo", "record", "field", "profile", "settings", "deactivate", "activate", "timer-cycle"}) {
        const test::CtlResult r = test::RunCtl({command, "--help"});
        EXPECT_EQ(r.exitCode, 0) << command;
        EXPECT_EQ(r.out.rfind("usage: kxalarmctl [options] " + command, 0), 0u) << r.out;
    }
    EXPECT_EQ(test::RunCtl({"nothing"}).exitCode, 64);
}

TEST_F(CtlFoundationTest, CompletesFromTheRegisteredCommandsDialogsAndKeys)
{
    const struct {
        std::vector<std::string> words;
        const char* candidates;
    } rows[] = {
        {{"settings", "gen"}, "general\n"},
        {{"--root", "X", "settings", "master-slave", "--set", "Act"}, "Active=\n"},
        {{"settings", "ddi-converter", "--set", "ISDN", "=", "1", "--button", ""}, "test\nrefresh\n"},
        {{"autostart", ""}, "list\n"},
        {{"add", ""}, "alarms\nalarms-in\n"},
        {{"plan", "create", "alarm", "1", ""}, "year\nweek\nboth\n"},
        {{"--ro"}, "--root\n"},
        {{"whitelist", "4711", "--add-"}, "--add-list\n"},
        {{"--root", "@", "launch", "4711"}, "4711\n"},
        {{"--root", "@", "alarm-in", "5000"}, "5000\n"},
        // The KEY of an INI file is no record's key; nothing offered leaves the shell to file names.
        {{"--root", "@", "profile", "get", "kxalarm.ini", "config", "4"}, ""},
        {{"--root", "@", "demo", ""}, ""},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = {"--complete"};
        for (const std::string& word : row.words)
            args.push_back(word == "@" ? site.root() : word);
        const test::CtlResult r = test::RunCtl(args, site.path("work"));
        EXPECT_EQ(r.out, row.candidates) << row.words.back() << r.err;
    }
}

}  // namespace
}  // namespace kx
