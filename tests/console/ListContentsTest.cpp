#include "console/ListContents.h"

#include "console/ConsoleSession.h"
#include "console/ListImages.h"
#include "platform/SystemInfo.h"
#include "tests/console/ConsoleFixture.h"

#include <gtest/gtest.h>

namespace kx::console {
namespace {

class ListContentsTest : public test::ConsoleFixture {
protected:
    std::vector<ListRow> alarms(const ServerIdentity& server = {})
    {
        GroupList list;
        list.load("\\db1\\kxgroups.dbf");
        return AlarmRows(config::MailboxTablePath(), 10, 19, list, server).value();
    }
    const ListRow& row(const std::vector<ListRow>& rows, long key)
    {
        for (const ListRow& r : rows)
            if (r.key == key)
                return r;
        static ListRow none;
        ADD_FAILURE() << "no row " << key;
        return none;
    }
};

TEST_F(ListContentsTest, AlarmColumnsAndImages)
{
    groups({{10, "Fire brigade"}, {11, ""}, {7, "Seven"}});
    alarm(10, {{"text_opt1", "Boiler"}, {"p_ogm4", "10"}, {"type_alt", "1"}, {"num2_4", "2"}});
    alarm(11, {{"p_ogm4", "8"}, {"num2_4", "53"}});                      // empty group, deactivated type 3
    alarm(12, {{"p_ogm4", "77"}, {"n_mbx", "150"}, {"type_alt", "9"}});  // missing group wins over the plan
    alarm(13, {{"p_ogm4", "11"}, {"n_mbx", "150"}, {"p_ogm3", "1"}, {"num2_4", "4"}});
    alarm(14, {{"p_ogm4", "9"}, {"num4_9", "12"}, {"p_ogm3", "1"}, {"num2_4", "11"}});
    alarm(15, {{"p_ogm4", "7"}});                    // 7 is in the table but not a real group
    alarm(17, {{"p_ogm3", "1"}, {"num2_4", "10"}});  // the last type with an alternate image
    record(16, "21", {});                            // an ordinary mailbox: not listed
    alarm(25, {});                                   // outside the alarm range

    const auto rows = alarms();
    ASSERT_EQ(rows.size(), 7u);
    const ListRow& boiler = row(rows, 10);
    EXPECT_EQ(boiler.text, (std::array<std::string, 4>{"10", "Boiler", "10 Fire brigade", "Sequent"}));
    EXPECT_EQ(boiler.image, (std::array<int, 4>{2, -1, -1, -1}));

    EXPECT_EQ(row(rows, 11).text[1], "[No definition]");
    EXPECT_EQ(row(rows, 11).text[2], "Empty group");
    EXPECT_EQ(row(rows, 11).image[0], alarm_image::kDeactivated);
    EXPECT_EQ(row(rows, 11).image[2], alarm_image::kEmptyGroup);

    EXPECT_EQ(row(rows, 12).text[2], "NO GROUP SPECIFIED");
    EXPECT_EQ(row(rows, 12).image[2], alarm_image::kWarning);
    EXPECT_EQ(row(rows, 12).text[3], "");  // kind 9 has no text

    EXPECT_EQ(row(rows, 13).text[2], "11 No name");
    EXPECT_EQ(row(rows, 13).image[0], alarm_image::kAlternateBase + 4);
    EXPECT_EQ(row(rows, 13).image[2], alarm_image::kPlan);

    EXPECT_EQ(row(rows, 14).text[2], "Man-down supervision");
    EXPECT_EQ(row(rows, 14).image[0], 11);  // type 11 has no alternate image
    EXPECT_EQ(row(rows, 14).image[2], alarm_image::kSecondPlan);

    EXPECT_EQ(row(rows, 15).text[2], "NO GROUP SPECIFIED");
    EXPECT_EQ(row(rows, 17).image[0], alarm_image::kAlternateBase + 10);
}

TEST_F(ListContentsTest, ServerImagesInMasterSlaveOperation)
{
    alarm(10, {{"num2_1", "2"}});
    alarm(11, {{"num4_10", "2"}});
    alarm(12, {{"num2_1", "1"}, {"num4_10", "3"}});
    alarm(18, {{"num2_1", "2"}});
    const ServerIdentity server{2, 10, 12};
    const auto rows = alarms(server);
    EXPECT_EQ(row(rows, 10).image[3], alarm_image::kServerThisFirst);
    EXPECT_EQ(row(rows, 11).image[3], alarm_image::kServerThisSecond);
    EXPECT_EQ(row(rows, 12).image[3], alarm_image::kServerOther);
    EXPECT_EQ(row(rows, 18).image[3], kNoImage);  // outside FirstAlarm..LastAlarm
    EXPECT_EQ(alarms(ServerIdentity{})[0].image[3], kNoImage);
}

TEST_F(ListContentsTest, ServerIdentityFromTheIniFiles)
{
    EXPECT_EQ(ReadServerIdentity().serverNumber, 0);
    site.write("windows/kxamaster.ini",
               "[Server1]\r\nServerName=other\r\n[Server3]\r\nServerName=" + ComputerName() + "\r\n");
    site.write("windows/kxalarm.ini", "[kxaredundant]\r\nActive=1\r\nMode=3\r\nFirstAlarm=5\r\nLastAlarm=9\r\n");
    const ServerIdentity identity = ReadServerIdentity();
    EXPECT_EQ(identity.serverNumber, 3);
    EXPECT_EQ(identity.firstAlarm, 5);
    EXPECT_TRUE(identity.appliesTo(9));
    EXPECT_FALSE(identity.appliesTo(10));
    site.write("windows/kxalarm.ini", "[kxaredundant]\r\nActive=1\r\nMode=2\r\n");
    EXPECT_EQ(ReadServerIdentity().serverNumber, 0);
}

TEST_F(ListContentsTest, AlarmInColumns)
{
    alarm(12, {{"text_opt1", "Gate"}});
    alarmIn(20, {{"text_opt1", "Entry"}, {"p_ogm4", "0"}, {"p_ogm3", "12"}, {"num1_6", "1"}, {"n_mbx", "300"}});
    alarmIn(21, {{"p_ogm4", "3"}, {"mbx_ch_f", "2"}});
    alarmIn(22, {{"p_ogm4", "13"}, {"msg_ch_f", "1"}, {"p_ogm3", "12"}});  // launches nothing
    alarmIn(23, {{"p_ogm4", "16"}, {"p_ogm3", "25"}});                     // key outside the alarm range
    alarmIn(24, {{"p_ogm4", "30"}, {"num1_6", "1"}});                      // unknown function, no plan number
    alarmIn(25, {{"p_ogm4", "9"}, {"p_ogm3", "13"}});                      // launched key is free: no name

    config::KeyRanges ranges{10, 19, 20, 29};
    const auto rows = AlarmInRows(config::MailboxTablePath(), ranges).value();
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].text, (std::array<std::string, 4>{"20", "Entry", "Broadcast / Launch an alarm", "12 Gate"}));
    EXPECT_EQ(rows[0].image[0], alarm_in_image::kPlanInUse);
    EXPECT_EQ(rows[1].text[2], "Logout of persons only");
    EXPECT_EQ(rows[1].text[3], "");
    EXPECT_EQ(rows[2].text[3], "");
    EXPECT_EQ(rows[3].text[3], "Do not launch an alarm");
    EXPECT_EQ(rows[4].text[2], "No type of alarm defined");
    EXPECT_EQ(rows[4].image[0], alarm_in_image::kNoPlan);
    EXPECT_EQ(rows[5].text[3], "13 [No definition]");
}

TEST_F(ListContentsTest, RangesBeyondTheTableStopAtItsEnd)
{
    test::RecordingMessageBoxes boxes;
    alarm(19, {});
    GroupList none;
    EXPECT_EQ(AlarmRows(config::MailboxTablePath(), -5, 9999, none, {}).value().size(), 1u);
    EXPECT_TRUE(boxes.shown().empty());  // no "CDatabase::Go" for keys without a record
    EXPECT_FALSE(AlarmRows("\\db1\\missing.dbf", 10, 19, none, {}).has_value());
}

TEST_F(ListContentsTest, GroupSelectorEntries)
{
    test::RecordingMessageBoxes boxes;
    GroupList list;
    EXPECT_FALSE(LoadGroups("\\db1\\kxgroups.dbf", 0, list).has_value());
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{"Error, impossible to open group database \\db1\\kxgroups.dbf !"});

    groups({{7, "Seven"}, {12, "Fire"}, {105, ""}});
    auto selector = LoadGroups("\\db1\\kxgroups.dbf", 0, list).value();
    EXPECT_EQ(selector.entries, (std::vector<std::string>{"12 Fire", "105 No name", "NO GROUP SPECIFIED"}));
    selector = LoadGroups("\\db1\\kxgroups.dbf", 1, list).value();
    EXPECT_EQ(selector.entries, (std::vector<std::string>{"012 Fire", "105 No name", "NO GROUP SPECIFIED"}));
    EXPECT_EQ(SelectorTextForGroup("12 Fire", true), "012 Fire");
    EXPECT_EQ(SelectorTextForGroup("12 Fire", false), "12 Fire");
    EXPECT_EQ(SelectorTextForGroup("Empty group", true), "Empty group");
    EXPECT_EQ(SelectorTextForGroup("NO GROUP SPECIFIED", true), "NO GROUP SPECIFIED");
    EXPECT_EQ(FindSelectorEntry(selector.entries, "105 "), 1);
    EXPECT_EQ(FindSelectorEntry(selector.entries, "13 "), -1);

    // An IDXG field of two characters rules three digits out.
    groups({{12, "Fire"}}, 2);
    EXPECT_EQ(LoadGroups("\\db1\\kxgroups.dbf", 1, list).value().entries[0], "12 Fire");

    groups({});
    selector = LoadGroups("\\db1\\kxgroups.dbf", 0, list).value();
    EXPECT_TRUE(selector.entries.empty());
    EXPECT_EQ(selector.noGroupText, "No group created");

    // Records whose groups cannot be read are no "No group created".
    CDatabase db;
    ASSERT_EQ(db.Create("\\db1\\kxgroups.dbf", {{"IDXG", 'C', 3, 0}}), 1);
    ASSERT_EQ(db.Append(), 1);
    db.Close();
    selector = LoadGroups("\\db1\\kxgroups.dbf", 0, list).value();
    EXPECT_EQ(selector.noGroupText, "");
    EXPECT_EQ(selector.entries, std::vector<std::string>{"NO GROUP SPECIFIED"});
}

TEST_F(ListContentsTest, MembersWithTheirImages)
{
    members(12, {{"Meier", "0301", "GSM"}, {"", "0302", "INT"}, {"Schulz", "0303", "-@-"}, {"Weber", "0304", "gsm"}});
    site.write("windows/kxalogout.ini", "[LogedOut]\r\n0303=1\r\n0301=0\r\n");
    const std::string table = MemberTableOfSelector("12 Fire", "\\db1\\");
    EXPECT_EQ(table, "\\db1\\.\\kxagrp12.dbf");

    auto rows = MemberRows(table, 0, config::LogoutStateFilePath());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].text, (std::array<std::string, 4>{"Meier", "0301", "GSM", ""}));
    EXPECT_EQ(rows[0].image[0], 3);
    EXPECT_EQ(rows[1].image[0], 13);
    EXPECT_EQ(rows[2].image[0], member_image::kUnknown);  // codes compare case-sensitively

    rows = MemberRows(table, 1, config::LogoutStateFilePath());
    EXPECT_EQ(rows[0].image[0], 3);
    EXPECT_EQ(rows[1].image[0], member_image::kLoggedOut);

    // "NO GROUP SPECIFIED" looks for group 0, which does not exist.
    rows = MemberRows(MemberTableOfSelector("NO GROUP SPECIFIED", "\\db1\\"), 0, "");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].text[0], "Not generated or empty");
    EXPECT_EQ(rows[0].image[0], kNoImage);

    EXPECT_TRUE(SelectorHasNoMembers("Man-down supervision"));
    EXPECT_TRUE(SelectorHasNoMembers(""));
    EXPECT_FALSE(SelectorHasNoMembers("12 Fire"));
}

TEST(MemberImages, PhoneTypeTable)
{
    EXPECT_EQ(MemberImageForPhoneType("INT"), 1);
    EXPECT_EQ(MemberImageForPhoneType("TTR"), 5);
    EXPECT_EQ(MemberImageForPhoneType("EPA"), 10);
    EXPECT_EQ(MemberImageForPhoneType("ER2"), 17);
    EXPECT_EQ(MemberImageForPhoneType("SCH"), 20);
    EXPECT_EQ(MemberImageForPhoneType("INT "), 0);
    EXPECT_EQ(MemberImageForPhoneType(""), 0);
}

TEST_F(ListContentsTest, SessionStartAndItsFailure)
{
    test::RecordingMessageBoxes boxes;
    ConsoleSession session;
    ASSERT_TRUE(session.start());
    EXPECT_EQ(session.ranges().lastAlarmKey, 19);
    EXPECT_EQ(session.mailboxPath(), "\\db1\\.\\vm001.dbf");
    EXPECT_EQ(session.enableAlarmDeactivation(), 1);
    EXPECT_EQ(site.read("windows/kxpers.ini"), "[DBInfo]\r\nPath=\\db1\\\r\n3DigitGroupNumbers=0\r\n");
    EXPECT_TRUE(boxes.shown().empty());

    site.write("windows/kxaconf.ini", "[Config]\r\nVm001Path=D:\\DATA\\\r\n");
    ConsoleSession broken;
    EXPECT_FALSE(broken.start());
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{"Error, impossible to open alarm-database d:\\data\\.\\vm001.dbf !"});
}

}  // namespace
}  // namespace kx::console
