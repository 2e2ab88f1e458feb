#include "console/ListContents.h"

#include "console/ListImages.h"
#include "platform/SystemInfo.h"
#include "tests/console/ConsoleFixture.h"

#include <gtest/gtest.h>

namespace kx::console {
namespace {

// A row as one text: its column texts and then its images, "|"-separated.
std::string shown(const ListRow& row)
{
    std::string out;
    for (const std::string& text : row.text)
        out += text + "|";
    for (int image : row.image)
        out += std::to_string(image) + "|";
    out.pop_back();
    return out;
}

class ListContentsTest : public test::ConsoleFixture {
protected:
    std::vector<std::string> alarms(const ServerIdentity& server = {})
    {
        GroupList list;
        list.load("\\db1\\kxgroups.dbf");
        const auto rows = AlarmRows(config::MailboxTablePath(), 10, 19, list, server);
        std::vector<std::string> out;
        for (const ListRow& row : rows.value())
            out.push_back(shown(row));
        return out;
    }
};

TEST_F(ListContentsTest, AlarmColumnsAndImages)
{
    groups({{10, "Fire brigade"}, {11, ""}, {7, "Seven"}});
    record(16, "21", {});  // an ordinary mailbox: not listed
    alarm(25, {});         // outside the alarm range
    const std::tuple<long, Fields, std::string> cases[] = {
        {10,
         {{"text_opt1", "Boiler"}, {"p_ogm4", "10"}, {"type_alt", "1"}, {"num2_4", "2"}},
         "10|Boiler|10 Fire brigade|Sequent|2|-1|-1|-1"},
        {11,
         {{"p_ogm4", "8"}, {"num2_4", "53"}},  // deactivated type 3, the empty group
         "11|[No definition]|Empty group|Parallel|30|-1|29|-1"},
        {12,
         {{"p_ogm4", "77"}, {"n_mbx", "150"}, {"type_alt", "9"}},  // a missing group wins over the plan
         "12|[No definition]|NO GROUP SPECIFIED||0|-1|27|-1"},
        {13,
         {{"p_ogm4", "11"}, {"n_mbx", "150"}, {"p_ogm3", "1"}, {"num2_4", "4"}},  // alternate image, plan
         "13|[No definition]|11 No name|Parallel|15|-1|23|-1"},
        {14,
         {{"p_ogm4", "9"}, {"num4_9", "12"}, {"p_ogm3", "1"}, {"num2_4", "11"}},  // type 11 has no alternate
         "14|[No definition]|Man-down supervision|Parallel|11|-1|28|-1"},
        {15, {{"p_ogm4", "7"}}, "15|[No definition]|NO GROUP SPECIFIED|Parallel|0|-1|27|-1"},  // 7: no real group
        {17,
         {{"p_ogm4", "10"}, {"p_ogm3", "1"}, {"num2_4", "10"}},  // the last type with an alternate image
         "17|[No definition]|10 Fire brigade|Parallel|21|-1|-1|-1"},
    };
    std::vector<std::string> expected;
    for (const auto& [key, fields, row] : cases) {
        alarm(key, fields);
        expected.push_back(row);
    }
    EXPECT_EQ(alarms(), expected);
}

TEST_F(ListContentsTest, ServerImagesInMasterSlaveOperation)
{
    alarm(10, {{"num2_1", "2"}});
    alarm(11, {{"num4_10", "2"}});
    alarm(12, {{"num2_1", "1"}, {"num4_10", "3"}});
    alarm(18, {{"num2_1", "2"}});
    std::string images;  // this computer first, second, another server; outside FirstAlarm..LastAlarm none
    for (const std::string& row : alarms(ServerIdentity{2, 10, 12}))
        images += row.substr(row.rfind('|') + 1) + " ";
    EXPECT_EQ(images, "20 21 22 -1 ");
    EXPECT_EQ(alarms()[0].substr(alarms()[0].rfind('|')), "|-1");  // no server number: no image

    EXPECT_EQ(ReadServerIdentity().serverNumber, 0);
    site.write("windows/kxamaster.ini",
               "[Server1]\r\nServerName=other\r\n[Server3]\r\nServerName=" + ComputerName() + "\r\n");
    site.write("windows/kxalarm.ini", "[kxaredundant]\r\nActive=1\r\nMode=3\r\nFirstAlarm=5\r\nLastAlarm=9\r\n");
    const ServerIdentity identity = ReadServerIdentity();
    EXPECT_EQ(std::tie(identity.serverNumber, identity.firstAlarm), std::make_tuple(3, 5));
    EXPECT_TRUE(identity.appliesTo(9) && !identity.appliesTo(10));
    site.write("windows/kxalarm.ini", "[kxaredundant]\r\nActive=1\r\nMode=2\r\n");
    EXPECT_EQ(ReadServerIdentity().serverNumber, 0);
}

TEST_F(ListContentsTest, AlarmInColumns)
{
    alarm(12, {{"text_opt1", "Gate"}});
    const std::tuple<long, Fields, std::string> cases[] = {
        {20,
         {{"text_opt1", "Entry"}, {"p_ogm4", "0"}, {"p_ogm3", "12"}, {"num1_6", "1"}, {"n_mbx", "300"}},
         "20|Entry|Broadcast / Launch an alarm|12 Gate|1"},
        {21, {{"p_ogm4", "3"}, {"mbx_ch_f", "2"}}, "21|[No definition]|Logout of persons only||0"},
        {22,
         {{"p_ogm4", "13"}, {"msg_ch_f", "1"}, {"p_ogm3", "12"}},  // launches nothing
         "22|[No definition]|Activate and deactivate man-down supervision||0"},
        {23,
         {{"p_ogm4", "16"}, {"p_ogm3", "150"}},  // a key outside the alarm range
         "23|[No definition]|Start evacuation alarm|Do not launch an alarm|0"},
        {24, {{"p_ogm4", "30"}, {"num1_6", "1"}}, "24|[No definition]|No type of alarm defined||0"},  // no plan
        {25,
         {{"p_ogm4", "9"}, {"p_ogm3", "13"}},  // the launched key is free: no name
         "25|[No definition]|Play the alarm message of an alarm|13 [No definition]|0"},
        {26, {{"p_ogm4", "3"}, {"mbx_ch_f", "1"}}, "26|[No definition]|Login of persons only||0"},
        {27,
         {{"p_ogm4", "14"}, {"p_ogm3", "50"}},  // a key of the alarm range beyond the table
         "27|[No definition]|Fax broadcast / Alarm launch|50 [No definition]|0"},
    };
    std::vector<std::string> expected;
    for (const auto& [key, fields, row] : cases) {
        alarmIn(key, fields);
        expected.push_back(row + "|-1|-1|-1");
    }
    test::RecordingMessageBoxes boxes;
    const auto alarmIns = AlarmInRows(config::MailboxTablePath(), config::KeyRanges{10, 99, 20, 29});
    std::vector<std::string> rows;
    for (const ListRow& row : alarmIns.value())
        rows.push_back(shown(row));
    EXPECT_EQ(rows, expected);
    EXPECT_TRUE(boxes.shown().empty());
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
    EXPECT_EQ(SelectorTextForGroup("12 Fire", true) + "," + SelectorTextForGroup("12 Fire", false) + "," +
                  SelectorTextForGroup("Empty group", true) + "," + SelectorTextForGroup("NO GROUP SPECIFIED", true),
              "012 Fire,12 Fire,Empty group,NO GROUP SPECIFIED");
    EXPECT_EQ(FindSelectorEntry(selector.entries, "105 "), 1);
    EXPECT_EQ(FindSelectorEntry(selector.entries, "13 "), -1);

    groups({{12, "Fire"}}, 2);  // an IDXG field of two characters rules three digits out
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
    for (int checkPerson : {0, 1}) {  // with CheckPerson 1, logged-out persons get their image
        std::vector<std::string> rows;
        for (const ListRow& row : MemberRows(table, checkPerson, config::LogoutStateFilePath()))
            rows.push_back(shown(row));
        EXPECT_EQ(rows, (std::vector<std::string>{"Meier|0301|GSM||3|-1|-1|-1",
                                                  checkPerson ? "Schulz|0303|-@-||21|-1|-1|-1"
                                                              : "Schulz|0303|-@-||13|-1|-1|-1",
                                                  "Weber|0304|gsm||0|-1|-1|-1"}));  // codes compare case-sensitively
    }
    // "NO GROUP SPECIFIED" looks for group 0, which does not exist.
    const auto none = MemberRows(MemberTableOfSelector("NO GROUP SPECIFIED", "\\db1\\"), 0, "");
    ASSERT_EQ(none.size(), 1u);
    EXPECT_EQ(shown(none[0]), "Not generated or empty||||-1|-1|-1|-1");
    EXPECT_FALSE(none[0].selectable);

    const std::pair<const char*, int> phoneTypes[] = {{"INT", 1},  {"TTR", 5},  {"EPA", 10}, {"ER2", 17},
                                                      {"SCH", 20}, {"INT ", 0}, {"", 0}};
    for (const auto& [code, image] : phoneTypes)
        EXPECT_EQ(MemberImageForPhoneType(code), image) << code;
    EXPECT_TRUE(SelectorHasNoMembers("Man-down supervision") && SelectorHasNoMembers(""));
    EXPECT_FALSE(SelectorHasNoMembers("12 Fire"));
}

}  // namespace
}  // namespace kx::console
