// The alarm import: what refuses a file (with nothing written), and what
// each value does to the record of its key and to the message files.

#include "importexport/AlarmExport.h"
#include "platform/Profile.h"
#include "tests/importexport/ImportFixture.h"

namespace kx::test {
namespace {

using importexport::Outcome;
using importexport::Phase;

class AlarmImportTest : public ImportFixture {};

TEST_F(AlarmImportTest, RefusalsWriteNothing)
{
    // The alarm range reaches past the alarms-in and the table's last key.
    WriteProfileString("kxalarm.ini", "config", "LastAlarmKey", "20000");
    WriteProfileString("kxaimport.ini", "nofield", "Field", "T00");
    WriteProfileString("kxaimport.ini", "status", "Field", "T02");
    WriteProfileString("kxaimport.ini", "numtext", "Field", "T30");
    WriteProfileString("kxaimport.ini", "numtext", "Type", "str");
    WriteProfileString("kxaimport.ini", "path", "Field", "..\\kxamsg.ini");
    WriteProfileString("kxaimport.ini", "path", "Type", "ini");
    const struct {
        std::string csv;
        const char* error;
    } cases[] = {
        {"alarmKey;group\n100;1\n", "The first fieldname needs to be the alarmkey!"},
        {"alarmkey;nosuch\n100;1\n", "The fieldname 'nosuch' in the csv file is not valid!"},
        {"alarmkey;check_status;check_status;check_status\n", "The fieldname 'check_status#3'"},
        {"alarmkey;nofield\n", "Line 1: the column 'nofield' names the field 'T00'"},
        {"alarmkey;status\n", "Line 1: the column 'status' names the field T02"},
        {"alarmkey;numtext\n", "Line 1: the column 'numtext' is a text column"},
        {"alarmkey;path\n", "Line 1: the column 'path' names the INI file"},
        {"alarmkey;group\n100;12\n101;12a\n", "Line 3: the value '12a' in the field 'group'"},
        {"alarmkey;group\n100;abc\n", "Line 2: the value 'abc'"},
        {"alarmkey;group\n1x;1\n", "Line 2: the alarm key '1x' is no whole"},
        {"alarmkey;group\n;1\n", "Line 2: the alarm key '' is no whole"},
        {"alarmkey;group\n9;1\n", "Line 2: the alarm key 9 lies outside"},
        {"alarmkey;group\n20001;1\n", "Line 2: the alarm key 20001 lies outside"},
        {"alarmkey;group\n10000;1\n", "Line 2: the alarm key 10000 has no record"},
        {"alarmkey;group\n5000;1\n", "Line 2: the key 5000 is an alarm-in"},
        {"alarmkey;group\n100;1;;3\n", "Line 2: the line has a value in column 4"},
        {"alarmkey;pag_sms_msg\n100;\"a\nb\"\n", "Line 2: the value in the field 'pag_sms_msg' holds a line break"},
        {"alarmkey;alarmname\n100;\"a\nb\"\n", "Line 2: the value in the field 'alarmname' holds a line break"},
        {"alarmkey;group\n100;\"1\n", "Line 2: a quoted field begins here"},
    };
    const std::string before = written();
    for (const auto& c : cases) {
        const importexport::OperationResult result = alarms(c.csv);
        EXPECT_EQ(result.outcome, Outcome::Refused) << c.csv;
        EXPECT_EQ(result.error.substr(0, std::string(c.error).size()), c.error) << c.csv;
        EXPECT_EQ(written(), before) << c.csv;
    }
    EXPECT_EQ(importexport::ImportAlarms(site.path("work/in.txt"), ";", control).error.substr(0, 23),
              "No CSV file is selected");
    EXPECT_EQ(importexport::ImportAlarms(site.path("work/missing.CSV"), ";", control).error.substr(0, 29),
              "The CSV file '" + site.path("work/missing.CSV").substr(0, 15));
}

TEST_F(AlarmImportTest, ValuesGoIntoTheirFields)
{
    const std::string longName(70, 'n');
    const struct {
        std::string csv;
        std::string separators;
        std::map<std::string, std::string> changed;  // of key 100
        long cut, notWritten;
    } cases[] = {
        {"alarmkey;group\n100; 42 \n", ";", {{"p_ogm4", "42"}}, 0, 0},
        {"alarmkey;alarmname;group\n100;;5\n", ";", {{"p_ogm4", "5"}}, 0, 0},
        {"alarmkey;alarmname;group\n100; ;5\n", ";", {{"p_ogm4", "5"}}, 0, 0},
        {"alarmkey;alarmname\n100;" + longName + "\n", ";", {{"text_opt1", longName.substr(0, 65)}}, 1, 0},
        {"alarmkey;group;rings\n100;1000000;-1\n", ";", {{"type_msg", "-1"}}, 0, 1},
        {"alarmkey;group\n100;5\n100;6\n", ";", {{"p_ogm4", "6"}}, 0, 0},
        // Headers that do not split into a key column are read with ";".
        {"alarmkey;group\n100;7\n", ",", {{"p_ogm4", "7"}}, 0, 0},
        // clang-format off
        {std::string(importexport::kExportHeader) + "\n100;Hall" + std::string(50, ';') + "\n", ",",
         {{"text_opt1", "Hall"}}, 0, 0},
        // clang-format on
    };
    for (const auto& c : cases) {
        const std::vector<std::string> before = record(100);
        const importexport::OperationResult result = alarms(c.csv, c.separators);
        ASSERT_EQ(result.outcome, c.cut + c.notWritten ? Outcome::DoneWithRemarks : Outcome::Done) << result.error;
        EXPECT_EQ(result.valuesCut, c.cut) << c.csv;
        EXPECT_EQ(result.valuesNotWritten, c.notWritten) << c.csv;
        EXPECT_EQ(result.remarks.size(), static_cast<std::size_t>(c.cut + c.notWritten)) << c.csv;
        EXPECT_EQ(result.count, static_cast<long>(std::count(c.csv.begin(), c.csv.end(), '\n')) - 1);
        expectRecord(100, before, c.changed);
    }
}

TEST_F(AlarmImportTest, AKeyThatIsNoAlarmYetBecomesANewAlarmOnce)
{
    setFields(401, mailbox::NewRecordWrites(401, true));
    const importexport::OperationResult result = alarms("alarmkey;group\n400\n400;12\n400;13\n");
    ASSERT_EQ(result.outcome, Outcome::Done) << result.error;
    std::vector<std::string> expected = record(401);
    expected[0] = "400";
    expectRecord(400, expected, {{"p_ogm4", "13"}});
}

TEST_F(AlarmImportTest, MessagesReadBackAsImportedAndTheCheckCanBeCancelled)
{
    const importexport::OperationResult result =
        alarms("alarmkey;pag_sms_msg;disp_msg3\n100; blank ;'q'\n101;\"\"\"x\"\"\";plain\n");
    ASSERT_EQ(result.outcome, Outcome::Done) << result.error;
    EXPECT_EQ(ProfileString("kxamsg.ini", "Messages", "100", {}, 128), " blank ");
    EXPECT_EQ(ProfileString("kxamsg3.ini", "Messages", "100", {}, 128), "'q'");
    EXPECT_EQ(ProfileString("kxamsg.ini", "Messages", "101", {}, 128), "\"x\"");
    EXPECT_EQ(ProfileString("kxamsg3.ini", "Messages", "101", {}, 128), "plain");

    std::atomic<bool> cancel = false;
    std::vector<Phase> phases;
    control.cancel = &cancel;
    control.progress = [&](Phase phase, long, long) {
        phases.push_back(phase);
        cancel = true;
    };
    const std::string before = written();
    EXPECT_EQ(alarms("alarmkey;group\n100;5\n101;5\n").outcome, Outcome::Cancelled);
    EXPECT_EQ(written(), before);
    EXPECT_EQ(phases, std::vector<Phase>{Phase::Check});
}

}  // namespace
}  // namespace kx::test
