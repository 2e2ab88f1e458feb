// The console's models: the merge and sort of list rows; then, on a small site
// of crafted records, the lists' rows, the group selector and the commands.

#include "console/CommandIds.h"
#include "console/ConsoleCommands.h"
#include "console/ListContents.h"
#include "console/ListImages.h"
#include "console/ListMerge.h"
#include "console/ListSort.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/SystemInfo.h"
#include "tests/common/StandInPrograms.h"
#include "tests/core/MailboxFixture.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <initializer_list>
#include <tuple>

namespace kx::console {
namespace {

class ConsoleFixture : public test::MailboxFixture {
protected:
    using Fields = std::vector<std::pair<const char*, std::string>>;

    void SetUp() override
    {
        createMailboxTable(30);
        site.write("windows/kxalarm.ini",
                   "[config]\r\nFirstAlarmKey=10\r\nLastAlarmKey=19\r\nFirstAlarmInKey=20\r\nLastAlarmInKey=29\r\n"
                   "EnableAlarmDeactivation=1\r\n");
        site.write("windows/kxpers.ini", "[DBInfo]\r\nPath=\\db1\\\r\n3DigitGroupNumbers=0\r\n");
    }
    test::RecordingMessageBoxes boxes;

    // Writes a record through the logical-name write: status first, then the fields.
    void record(long key, const char* status, const Fields& fields)
    {
        CDatabase db;
        ASSERT_TRUE(db.Open(kTable));
        ScopedClose closer(db);
        ASSERT_EQ(mailbox::WriteFields(db, key, mailbox::NewRecordWrites(key, std::string(status) == "91")), 1);
        mailbox::WriteField(db, mailbox::RecordOfKey(key), key, "status", status);
        for (const auto& [name, value] : fields)
            ASSERT_EQ(mailbox::WriteField(db, mailbox::RecordOfKey(key), key, name, value.c_str()), 1) << name;
    }
    void alarm(long key, const Fields& fields) { record(key, "91", fields); }
    void alarmIn(long key, const Fields& fields) { record(key, "92", fields); }

    // A table of the given fields, one record per row of texts (a short row fills the last fields).
    static void table(const char* path, const std::vector<FIELD4INFO>& fields,
                      std::initializer_list<std::vector<const char*>> rows)
    {
        CDatabase db;
        ASSERT_EQ(db.Create(path, fields), 1);
        ScopedClose closer(db);
        for (const auto& row : rows) {
            ASSERT_EQ(db.Append(), 1);
            db.Bottom();
            for (std::size_t i = 0; i < row.size(); ++i)
                ASSERT_EQ(db.Replace(fields[fields.size() - row.size() + i].name.c_str(), row[i]), 1) << row[i];
        }
    }
    // Groups as name and number (read by their place in the table).
    static void groups(std::initializer_list<std::vector<const char*>> rows, unsigned idxgLength = 3)
    {
        table("\\db1\\kxgroups.dbf", {{"IDXG", 'C', idxgLength, 0}, {"NAME", 'C', 39, 0}, {"NUMBER", 'N', 3, 0}}, rows);
    }
};

ListRow row(long key, const std::string& name = "n")
{
    return {.key = key, .text = {std::to_string(key), name}};
}

std::vector<ListRow> rows(std::initializer_list<long> keys, long renamed = -1)
{
    std::vector<ListRow> out;
    for (long k : keys)
        out.push_back(row(k, k == renamed ? "renamed" : "n"));
    return out;
}

TEST(ListMerge, EditsTouchOnlyWhatChangedAndAreGathered)
{
    using K = ListEdit::Kind;
    using Edits = std::vector<std::tuple<K, std::size_t, std::size_t>>;  // kind, position, count
    const std::tuple<std::vector<ListRow>, std::vector<ListRow>, Edits> cases[] = {
        {rows({10, 11, 12}), rows({10, 11, 12}), {}},
        {{}, {}, {}},
        {rows({10, 11, 12}), rows({10, 11, 12}, 11), {{K::Update, 1, 1}}},  // the neighbours untouched
        {rows({10, 11, 12, 13, 20}),
         rows({5, 6, 7, 10, 13, 20, 21, 22}),
         {{K::Insert, 0, 3}, {K::Remove, 4, 2}, {K::Insert, 6, 2}}},
        {rows({10, 11, 12}), rows({10}), {{K::Remove, 1, 2}}},
        {rows({10, 11, 12}), {}, {{K::Remove, 0, 3}}},
    };
    for (const auto& [current, fresh, expected] : cases) {
        const std::vector<ListEdit> edits = MergeEdits(current, fresh);
        Edits got;
        for (const ListEdit& e : edits)
            got.emplace_back(e.kind, e.position, e.count);
        EXPECT_EQ(got, expected) << current.size() << " rows to " << fresh.size();
        std::vector<ListRow> list = current;
        ApplyEdits(list, edits, fresh);
        EXPECT_EQ(list, fresh);
    }
}

TEST(ListSort, BytewiseOrderAndTheSharedClickState)
{
    std::vector<ListRow> list = {row(1, "beta"), row(2, "Alpha"), row(3, "\xC4rger"), row(4, "alpha")};
    // cp1252 bytes above 0x7F sort after ASCII; numbers sort as text
    EXPECT_EQ(SortOrder(list, 1, true), (std::vector<std::size_t>{1, 3, 0, 2}));
    EXPECT_EQ(SortOrder(list, 1, false), (std::vector<std::size_t>{2, 0, 3, 1}));
    EXPECT_EQ(SortOrder(list, 7, true), (std::vector<std::size_t>{0, 1, 2, 3}));
    EXPECT_EQ(SortOrder(rows({10, 100, 11, 20, 9}), 0, true), (std::vector<std::size_t>{0, 1, 2, 3, 4}));

    SortState state;  // ascending on a new column, then each click turns the order
    EXPECT_EQ((std::vector<bool>{state.click(1), state.click(1), state.click(2), state.click(2), state.click(2)}),
              (std::vector<bool>{true, false, true, false, true}));
}

// Each row as one text: its column texts and then its images, "|"-separated.
std::vector<std::string> shown(const std::vector<ListRow>& rows)
{
    std::vector<std::string> out;
    for (const ListRow& row : rows) {
        std::string& line = out.emplace_back();
        for (const std::string& text : row.text)
            line += text + "|";
        for (int image : row.image)
            line += std::to_string(image) + "|";
        line.pop_back();
    }
    return out;
}

class ListContentsTest : public ConsoleFixture {
protected:
    std::vector<std::string> alarms(const ServerIdentity& server = {})
    {
        GroupList list;
        list.load("\\db1\\kxgroups.dbf");
        return shown(AlarmRows(config::MailboxTablePath(), 10, 19, list, server).value());
    }
};

TEST_F(ListContentsTest, AlarmColumnsAndImages)
{
    groups({{"Fire brigade", "10"}, {"", "11"}, {"Seven", "7"}});
    record(16, "21", {});  // an ordinary mailbox: not listed
    alarm(25, {});         // outside the alarm range
    // 11: deactivated type 3, the empty group; 12: a missing group wins over the plan; 13: alternate image, plan;
    // 14: type 11 has no alternate image; 15: 7 is no real group; 17: the last type with an alternate image.
    // clang-format off
    const std::tuple<long, Fields, std::string> cases[] = {
        {10, {{"text_opt1", "Boiler"}, {"p_ogm4", "10"}, {"type_alt", "1"}, {"num2_4", "2"}}, "10|Boiler|10 Fire brigade|Sequent|2|-1|-1|-1"},
        {11, {{"p_ogm4", "8"}, {"num2_4", "53"}}, "11|[No definition]|Empty group|Parallel|30|-1|29|-1"},
        {12, {{"p_ogm4", "77"}, {"n_mbx", "150"}, {"type_alt", "9"}}, "12|[No definition]|NO GROUP SPECIFIED||0|-1|27|-1"},
        {13, {{"p_ogm4", "11"}, {"n_mbx", "150"}, {"p_ogm3", "1"}, {"num2_4", "4"}}, "13|[No definition]|11 No name|Parallel|15|-1|23|-1"},
        {14, {{"p_ogm4", "9"}, {"num4_9", "12"}, {"p_ogm3", "1"}, {"num2_4", "11"}}, "14|[No definition]|Man-down supervision|Parallel|11|-1|28|-1"},
        {15, {{"p_ogm4", "7"}}, "15|[No definition]|NO GROUP SPECIFIED|Parallel|0|-1|27|-1"},
        {17, {{"p_ogm4", "10"}, {"p_ogm3", "1"}, {"num2_4", "10"}}, "17|[No definition]|10 Fire brigade|Parallel|21|-1|-1|-1"},
    };
    // clang-format on
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
    // 22 launches nothing; 23 launches a key outside the alarm range; 24 has no plan; 25 launches a free key (no
    // name); 27 a key of the alarm range beyond the table.
    // clang-format off
    const std::tuple<long, Fields, std::string> cases[] = {
        {20, {{"text_opt1", "Entry"}, {"p_ogm4", "0"}, {"p_ogm3", "12"}, {"num1_6", "1"}, {"n_mbx", "300"}}, "20|Entry|Broadcast / Launch an alarm|12 Gate|1"},
        {21, {{"p_ogm4", "3"}, {"mbx_ch_f", "2"}}, "21|[No definition]|Logout of persons only||0"},
        {22, {{"p_ogm4", "13"}, {"msg_ch_f", "1"}, {"p_ogm3", "12"}}, "22|[No definition]|Activate and deactivate man-down supervision||0"},
        {23, {{"p_ogm4", "16"}, {"p_ogm3", "150"}}, "23|[No definition]|Start evacuation alarm|Do not launch an alarm|0"},
        {24, {{"p_ogm4", "30"}, {"num1_6", "1"}}, "24|[No definition]|No type of alarm defined||0"},
        {25, {{"p_ogm4", "9"}, {"p_ogm3", "13"}}, "25|[No definition]|Play the alarm message of an alarm|13 [No definition]|0"},
        {26, {{"p_ogm4", "3"}, {"mbx_ch_f", "1"}}, "26|[No definition]|Login of persons only||0"},
        {27, {{"p_ogm4", "14"}, {"p_ogm3", "50"}}, "27|[No definition]|Fax broadcast / Alarm launch|50 [No definition]|0"},
    };
    // clang-format on
    std::vector<std::string> expected;
    for (const auto& [key, fields, row] : cases) {
        alarmIn(key, fields);
        expected.push_back(row + "|-1|-1|-1");
    }
    EXPECT_EQ(shown(AlarmInRows(config::MailboxTablePath(), config::KeyRanges{10, 99, 20, 29}).value()), expected);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ListContentsTest, RangesBeyondTheTableStopAtItsEnd)
{
    alarm(19, {});
    GroupList none;
    EXPECT_EQ(AlarmRows(config::MailboxTablePath(), -5, 9999, none, {}).value().size(), 1u);
    EXPECT_TRUE(boxes.shown().empty());  // no "CDatabase::Go" for keys without a record
    EXPECT_FALSE(AlarmRows("\\db1\\missing.dbf", 10, 19, none, {}).has_value());
}

TEST_F(ListContentsTest, GroupSelectorEntries)
{
    GroupList list;
    EXPECT_FALSE(LoadGroups("\\db1\\kxgroups.dbf", 0, list).has_value());
    EXPECT_EQ(boxes.texts(),
              std::vector<std::string>{"Error, impossible to open group database \\db1\\kxgroups.dbf !"});

    groups({{"Seven", "7"}, {"Fire", "12"}, {"", "105"}});
    auto selector = LoadGroups("\\db1\\kxgroups.dbf", 0, list).value();
    EXPECT_EQ(selector.entries, (std::vector<std::string>{"12 Fire", "105 No name", "NO GROUP SPECIFIED"}));
    selector = LoadGroups("\\db1\\kxgroups.dbf", 1, list).value();
    EXPECT_EQ(selector.entries, (std::vector<std::string>{"012 Fire", "105 No name", "NO GROUP SPECIFIED"}));
    EXPECT_EQ(SelectorTextForGroup("12 Fire", true) + "," + SelectorTextForGroup("12 Fire", false) + "," +
                  SelectorTextForGroup("Empty group", true) + "," + SelectorTextForGroup("NO GROUP SPECIFIED", true),
              "012 Fire,12 Fire,Empty group,NO GROUP SPECIFIED");
    EXPECT_EQ(std::make_pair(FindSelectorEntry(selector.entries, "105 "), FindSelectorEntry(selector.entries, "13 ")),
              std::make_pair(1, -1));

    groups({{"Fire", "12"}}, 2);  // an IDXG field of two characters rules three digits out
    EXPECT_EQ(LoadGroups("\\db1\\kxgroups.dbf", 1, list).value().entries[0], "12 Fire");

    groups({});
    selector = LoadGroups("\\db1\\kxgroups.dbf", 0, list).value();
    EXPECT_EQ(selector.noGroupText + std::to_string(selector.entries.size()), "No group created0");

    // Records whose groups cannot be read are no "No group created".
    table("\\db1\\kxgroups.dbf", {{"IDXG", 'C', 3, 0}}, {{}});
    selector = LoadGroups("\\db1\\kxgroups.dbf", 0, list).value();
    EXPECT_EQ(selector.noGroupText, "");
    EXPECT_EQ(selector.entries, std::vector<std::string>{"NO GROUP SPECIFIED"});
}

TEST_F(ListContentsTest, MembersWithTheirImages)
{
    table("\\db1\\kxagrp12.dbf", {{"NAME", 'C', 30, 0}, {"TT1", 'C', 20, 0}, {"TY1", 'C', 3, 0}},
          {{"Meier", "0301", "GSM"}, {"", "0302", "INT"}, {"Schulz", "0303", "-@-"}, {"Weber", "0304", "gsm"}});
    site.write("windows/kxalogout.ini", "[LogedOut]\r\n0303=1\r\n0301=0\r\n");
    const std::string table = MemberTableOfSelector("12 Fire", "\\db1\\");
    EXPECT_EQ(table, "\\db1\\.\\kxagrp12.dbf");
    for (int checkPerson : {0, 1}) {  // with CheckPerson 1, logged-out persons get their image
        EXPECT_EQ(
            shown(MemberRows(table, checkPerson, config::LogoutStateFilePath())),
            (std::vector<std::string>{"Meier|0301|GSM||3|-1|-1|-1",
                                      checkPerson ? "Schulz|0303|-@-||21|-1|-1|-1" : "Schulz|0303|-@-||13|-1|-1|-1",
                                      "Weber|0304|gsm||0|-1|-1|-1"}));  // codes compare case-sensitively
    }
    // "NO GROUP SPECIFIED" looks for group 0, which does not exist.
    const auto none = MemberRows(MemberTableOfSelector("NO GROUP SPECIFIED", "\\db1\\"), 0, "");
    EXPECT_EQ(shown(none), std::vector<std::string>{"Not generated or empty||||-1|-1|-1|-1"});
    EXPECT_FALSE(none.at(0).selectable);

    const std::pair<const char*, int> phoneTypes[] = {{"INT", 1},  {"TTR", 5},  {"EPA", 10}, {"ER2", 17},
                                                      {"SCH", 20}, {"INT ", 0}, {"", 0}};
    for (const auto& [code, image] : phoneTypes)
        EXPECT_EQ(MemberImageForPhoneType(code), image) << code;
    EXPECT_TRUE(SelectorHasNoMembers("Man-down supervision") && SelectorHasNoMembers(""));
    EXPECT_FALSE(SelectorHasNoMembers("12 Fire"));
}

using ConsoleCommandsTest = ConsoleFixture;

// The lines no command of the main window starts (its test checks the others).
TEST(ConsoleCommands, ProgramLines)
{
    EXPECT_EQ(FixedProgramLine(cmd::Setup) + "|" + FixedProgramLine(cmd::AlarmSettings), "kxasetup.exe|");
    EXPECT_EQ(PersonsEditorLine("\\db1\\", PersonsEditor::Plain).arguments(),
              std::vector<std::string>{"\\db1\\.\\kxpers.exe"});
}

TEST_F(ConsoleCommandsTest, LaunchAlarmAsksThenStartsTheScriptEngine)
{
    test::StandInPrograms programs{site.path("bin")};
    for (const char* program : {"kxlaunch", "kxe"})
        programs.add(program);
    // No selection: the launch program with the first alarm key, without a question.
    ASSERT_TRUE(LaunchAlarm(std::nullopt, 10).has_value());
    ASSERT_EQ(programs.waitForCalls(1).size(), 1u);  // started programs run on their own: keep their order
    // Asked, answered No: nothing; a key below 10, answered Yes: nothing either.
    EXPECT_FALSE(LaunchAlarm(SelectedAlarm{"12", "Gate"}, 10).has_value());
    boxes.answer(true);
    EXPECT_FALSE(LaunchAlarm(SelectedAlarm{"5", "Low"}, 10).has_value());
    // Yes: the caller text goes unquoted at the end, split at its blanks.
    boxes.answer(true);
    const auto started = LaunchAlarm(SelectedAlarm{"12", "Gate A"}, 10);
    ASSERT_TRUE(started.has_value() && started->started);
    EXPECT_EQ(programs.waitForCalls(2),
              (std::vector<std::string>{"kxlaunch|10", "kxe|kxarun|1|-i412|-s8AlarmCenter|on|" + ComputerName()}));
    ASSERT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(boxes.shown()[2].text, "Do you want to launch the alarm '12 Gate A' ?");
    EXPECT_TRUE(boxes.shown()[2].defaultNo);
}

TEST_F(ConsoleCommandsTest, SchedulePlanEditorArgument)
{
    const std::string old = std::filesystem::current_path();
    std::filesystem::create_directories(site.path("work"));
    ASSERT_EQ(::chdir(site.path("work").c_str()), 0);
    for (const char* plan : {"kxa_150.kxh", "KXA_160.KXW", "kxa_50.kxw"})
        site.write("work/" + std::string(plan), "");
    for (const auto& [key, argument] :
         {std::pair<long, std::string>{150, "KXA=150"}, {160, "KXA=160"}, {170, ""}, {50, ""}, {-1, ""}})
        EXPECT_EQ(SchedulePlanArgument(key), argument) << key;
    EXPECT_EQ(SchedulePlanEditorLine(150).text() + "|" + SchedulePlanEditorLine(50).text(),
              "kxsched.exe KXA=150|kxsched.exe");
    ASSERT_EQ(::chdir(old.c_str()), 0);
}

TEST_F(ConsoleCommandsTest, SetAlarmTypeAndItsCheckMark)
{
    const std::string path = config::MailboxTablePath();
    for (const auto& [key, type] : {std::pair{10, "53"}, {11, "57"}, {12, "2"}, {13, "11"}, {5, "3"}})
        alarm(key, {{"num2_4", type}});
    alarmIn(20, {});
    CDatabase shared;
    EXPECT_FALSE(SetAlarmType(4, {}, shared, path));
    EXPECT_EQ(boxes.texts().at(0), "Please select at least one alarm, before changing the alarm icon.");
    EXPECT_FALSE(SetAlarmType(4, {12, 20}, shared, path));  // 20 is no alarm: nothing written
    EXPECT_EQ(field(12, "T82") + "|" + field(20, "T82"), "2|");
    // The check mark: the type of the first selected alarm, none while it is deactivated or below key 10.
    const std::pair<std::optional<long>, int> marks[] = {
        {13, cmd::TypeServiceWatch}, {11, 0}, {5, 0}, {std::nullopt, 0}, {4000, 0}};
    for (const auto& [key, command] : marks)
        EXPECT_EQ(CheckedAlarmTypeCommand(key, path), command) << key.value_or(-1);
    ASSERT_TRUE(SetAlarmType(AlarmTypeOfCommand(cmd::TypePhone), {12, 10, 11}, shared, path));
    EXPECT_FALSE(shared.IsOpen());
    EXPECT_EQ(field(10, "T82") + field(11, "T82") + field(12, "T82"), "444");
    EXPECT_EQ(std::make_tuple(CheckedAlarmTypeCommand(10, path), AlarmTypeOfCommand(cmd::TypeDayNight),
                              AlarmTypeOfCommand(cmd::Refresh), CommandOfAlarmType(10)),
              std::make_tuple(int(cmd::TypePhone), 7, -1, int(cmd::TypeServerWatch)));
}

}  // namespace
}  // namespace kx::console
