// Exporting alarms: the file's bytes read back as the import reads them,
// each column's source, and the old file kept when an export fails.

#include "importexport/AlarmExport.h"
#include "importexport/CsvReader.h"
#include "platform/Profile.h"
#include "tests/common/DemoSiteFixture.h"

#include <sys/resource.h>

#include <csignal>

namespace kx::test {
namespace {

using namespace importexport;
using namespace std::string_literals;

const std::string kHeader =
    "alarmkey; alarmname; group; alarmtype; confirmation; pag_sms_msg; disp_msg1; disp_msg2; schedule; rings; "
    "priority; password; escalkey_level;escalkey_contact; escal_level; escal_level_delay; escal_contact_delay; "
    "faxreport; email; wait_callback; check_status; 2nd_alarm; alarm_on_success; alarm_on_reset; "
    "alarm_escal_maxloops; check_event; event_time_before; event_time_after; update_event; "
    "check_contact_add_offset; slave_server; master_server; max_escal_level_loops; max_escal_contact_loops; "
    "alarm_icon; pers_needed; set_status; check_status; pag_sms_callback; check_pers_login; pers_supervision; "
    "print_report; mail_report; fax_report; escal_on_max_loops; report_callback; secure_name; start_popup; "
    "escal_only_noansw; contact_on; contact_off; disp_msg3\r\n";

class AlarmExportTest : public DemoSiteFixture {
protected:
    // The exported alarms by key, read with `separators` as the import reads them.
    std::map<long, std::vector<std::string>> readBack(const std::string& separators = ";")
    {
        const std::string bytes = ReadBytes(out);
        EXPECT_EQ(bytes.substr(0, bytes.find('\n') + 1), kHeader);
        std::string decoded;
        CsvError error;
        std::vector<CsvRecord> records;
        EXPECT_TRUE(DecodeCsvBytes(bytes, decoded, error) &&
                    ParseCsv(decoded, separators, records, error, kExportColumns))
            << error.message();
        std::map<long, std::vector<std::string>> lines;
        for (std::size_t i = 1; i < records.size(); ++i)
            lines[std::stol(records[i].fields.at(0))] = records[i].fields;
        return lines;
    }
    // Raw bytes into a text field, as another program may write them.
    static void putText(long key, const char* field, const std::string& bytes)
    {
        CDatabase db;
        ASSERT_EQ(db.Open(kTable), 1);
        db.Go(mailbox::RecordOfKey(key));
        ASSERT_EQ(db.Replace(field, bytes.c_str()), 1);
        db.Flush();
        db.Close();
    }
    // Entries of the working directory: the export's temporaries must not stay.
    std::size_t entries() const { return std::distance(std::filesystem::directory_iterator(site.path("work")), {}); }

    std::string out = site.path("work/kxalarm.csv");
};

TEST_F(AlarmExportTest, EachColumnComesFromItsSource)
{
    WriteProfileString("kxalarm.ini", "config", "CSVSeparationChar", ",|");
    // clang-format off
    setFields(4711, {{"index", "99"}, {"n_mbx", "-1"}, {"type_msg", "-3"}, {"msg_ch_f", "-7"}, {"p_msg_f", "-1"},
                     {"type_answr", "-2"}, {"type_pager", "-30"}, {"p_mbx_f", "5"}, {"p_mbx_r", "6"}});
    // clang-format on
    std::string anyByte;  // every byte but NUL, 64 to a field
    for (int c = 1; c < 256; ++c)
        anyByte += static_cast<char>(c);
    putText(100, "T33", "a;b \"c\"\rd\ne,f|g");
    putText(101, "T33", anyByte.substr(0, 64));
    putText(101, "T32", anyByte.substr(64, 64));
    putText(101, "T34", anyByte.substr(128, 64));
    putText(102, "T33", anyByte.substr(192));
    site.write("windows/kxamsg.ini", "[Messages]\r\n101=\" two  \"\r\n101=dup\r\n102=a\0b\r\n"s);
    site.write("windows/kxamsg2.ini", "[messages]\n102=" + std::string(200, 'x') + "\n");
    site.write("windows/kxamsg3.ini", "[Messages]\r\n0102=no\r\n102=x;y\r\n");

    const OperationResult result = ExportAlarms(out, {});
    const auto lines = readBack(";,|");
    EXPECT_EQ(result.outcome, Outcome::Done) << result.error;
    EXPECT_EQ(result.count, 300);  // keys 100-349 and 4690-4739; 5000 up are alarms-in
    ASSERT_EQ(lines.size(), 300u);
    EXPECT_EQ(lines.begin()->first, 100);
    EXPECT_EQ(lines.rbegin()->first, 4739);
    // clang-format off
    const std::vector<std::tuple<long, int, std::string>> cells = {  // key, column (from 1), value
        {4711, 1, "4711"}, {4711, 9, "0"}, {4711, 10, "-3"}, {4711, 11, "0"}, {4711, 15, "0"}, {4711, 16, "0"},
        {4711, 17, "0"}, {4711, 50, "5"}, {4711, 51, "6"}, {4711, 2, "Fire alarm building 47"}, {4711, 7, "FIRE B47"},
        {100, 2, "a;b \"c\"\rd\ne,f|g"}, {101, 2, anyByte.substr(0, 64)}, {101, 18, anyByte.substr(64, 64)},
        {101, 19, anyByte.substr(128, 64)}, {102, 2, anyByte.substr(192)},
        {101, 6, " two  "}, {102, 6, "a"}, {102, 7, ""}, {102, 8, std::string(127, 'x')}, {102, 52, "x;y"},
    };
    // clang-format on
    for (const auto& [key, column, value] : cells)
        EXPECT_EQ(Escaped(lines.at(key).at(column - 1)), Escaped(value)) << "key " << key << " column " << column;
}

TEST_F(AlarmExportTest, KeysRunThroughTheRangeUpToTheTablesEnd)
{
    // First above last; alarms-in only; a first key below 0; a last key past the table's end.
    const std::vector<std::tuple<const char*, const char*, long>> ranges = {
        {"4999", "100", 0}, {"5000", "5999", 0}, {"-5", "120", 21}, {"4700", "99999", 40}};
    for (const auto& [first, last, count] : ranges) {
        WriteProfileString("kxalarm.ini", "config", "FirstAlarmKey", first);
        WriteProfileString("kxalarm.ini", "config", "LastAlarmKey", last);
        std::vector<long> steps;
        long total = -1;
        OperationControl control;
        control.progress = [&](Phase phase, long done, long all) {
            steps.push_back(phase == Phase::Export ? done : -1);
            total = all;
        };
        const OperationResult result = ExportAlarms(out, control);
        EXPECT_EQ(result.outcome, Outcome::Done) << first << ".." << last << ": " << result.error;
        EXPECT_EQ(result.count, count) << first << ".." << last;
        EXPECT_EQ(readBack().size(), static_cast<std::size_t>(count)) << first << ".." << last;
        EXPECT_TRUE(std::is_sorted(steps.begin(), steps.end()) && steps.front() == 0 && steps.back() == total)
            << first << ".." << last;
    }
}

TEST_F(AlarmExportTest, AFailedOrCancelledExportKeepsTheOldFile)
{
    std::atomic<bool> cancel = false;
    bool cancelMidway = false;
    struct rlimit limit;
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const struct rlimit small = {1000, limit.rlim_max};
    struct Case {
        const char* what;
        std::function<void()> prepare;
        Outcome outcome;
        const char* message;
    };
    const std::vector<Case> cases = {
        {"cancelled", [&] { cancelMidway = true; }, Outcome::Cancelled, ""},
        {"no table", [] { WriteProfileString("kxaconf.ini", "Config", "Vm001Path", "\\nosuch\\"); }, Outcome::Refused,
         "Error, impossible to open alarm-database \\nosuch\\.\\vm001.dbf !\n"},
        {"disk full", [&] { ::setrlimit(RLIMIT_FSIZE, &small); }, Outcome::Stopped,
         "The configuration could not be exported to "},
    };
    std::signal(SIGXFSZ, SIG_IGN);
    site.write("work/kxalarm.csv", "old");
    const std::size_t entriesBefore = entries();
    for (const Case& c : cases) {
        OperationControl control;
        control.cancel = &cancel;
        control.progress = [&](Phase, long done, long) { cancel = cancelMidway && done > 0; };
        c.prepare();
        const OperationResult result = ExportAlarms(out, control);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        WriteProfileString("kxaconf.ini", "Config", "Vm001Path", "\\db1\\");
        cancelMidway = false;
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
        EXPECT_EQ(result.error.rfind(c.message, 0), 0u) << c.what << ": " << result.error;
        EXPECT_EQ(ReadBytes(out), "old") << c.what;
        EXPECT_EQ(entries(), entriesBefore) << c.what;  // no temporary file is left
    }
    std::signal(SIGXFSZ, SIG_DFL);
    // Paths that cannot take a file are refused; a good export keeps the old file's permissions.
    EXPECT_EQ(ExportAlarms("", {}).error, "Please specify a file to export the configuration to !");
    for (const std::string& path : {site.path("work"), site.path("nosuch/x.csv")})
        EXPECT_EQ(ExportAlarms(path, {}).error.rfind("The file " + path + " can not be opend to export", 0), 0u);
    ::chmod(out.c_str(), 0640);
    EXPECT_EQ(ExportAlarms(out, {}).outcome, Outcome::Done);
    EXPECT_EQ(readBack().size(), 300u);
    struct stat st;
    EXPECT_TRUE(::stat(out.c_str(), &st) == 0 && (st.st_mode & 0777) == 0640);
    EXPECT_TRUE(boxes.shown().empty());  // results go to the caller, never into boxes
}

}  // namespace
}  // namespace kx::test
