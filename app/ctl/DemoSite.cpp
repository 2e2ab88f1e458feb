#include "app/ctl/DemoSite.h"

#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "plans/PlanFiles.h"
#include "platform/SitePaths.h"

#include <sys/stat.h>

#include <climits>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <vector>

namespace kx::ctl {

namespace {

// A small deterministic generator, so that every demo site is the same.
class Sequence {
public:
    std::uint32_t next()
    {
        m_state = m_state * 1103515245u + 12345u;
        return (m_state >> 8) & 0xFFFFFF;
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint32_t>(n)); }

private:
    std::uint32_t m_state = 4711;
};

struct Group {
    int number;
    const char* name;  // Windows-1252
};

// Numbers 0..9 are not real groups; 7 is in the table but never offered.
const std::vector<Group> kGroups = {
    {7, "Internal test group"},
    {10, "Fire brigade"},
    {11, "Technicians on call"},
    {12, "Security service"},
    {13, "Nursing staff ward A"},
    {14, "Nursing staff ward B"},
    {15, "Management"},
    {16, "IT on call"},
    {17, "Facility services"},
    {18, "Pflegedienst Station S\xFC"
         "d"},
    {19, "Lift service"},
    {20, "Kitchen"},
    {21, "Reception"},
    {22, "Building 47 evacuation"},
    {23, "Pharmacy"},
    {24, "Emergency doctors"},
    {25, "Sanit\xE4ter"},
    {26, "Night shift"},
    {27, ""},  // a group without a name: shown as "No name"
    {28, "Boiler room"},
    {29, "Car park"},
};

const std::array<const char*, 12> kAlarmNames = {
    "Fire alarm building %d",
    "Contact door %d",
    "Technical fault pump %d",
    "Nurse call ward %d",
    "Lift emergency %d",
    "Brandmeldezentrale S\xFC"
    "d %d",
    "Day / night contact %d",
    "Watchdog line %d",
    "Man-down gate %d",
    "Server watch rack %d",
    "Service watch host %d",
    "K\xFC"
    "hlraum Temperatur %d",
};

const std::array<const char*, 24> kFirstNames = {
    "Anna",
    "Ben",
    "Clara",
    "David",
    "Eva",
    "Felix",
    "Greta",
    "Hans",
    "Ines",
    "Jonas",
    "Karin",
    "Lukas",
    "Mia",
    "Noah",
    "Olga",
    "Paul",
    "Rita",
    "Stefan",
    "Tina",
    "Uwe",
    "Vera",
    "Walter",
    "Y\xFC"
    "ksel",
    "Zoe",
};
const std::array<const char*, 12> kLastNames = {
    "Berger",
    "M\xFC"
    "ller",
    "Schmidt",
    "Weber",
    "Fischer",
    "Wagner",
    "Becker",
    "Hoffmann",
    "Sch\xE4"
    "fer",
    "Koch",
    "Richter",
    "Klein",
};
const std::array<const char*, 24> kPhoneTypes = {
    "INT", "EXT", "GSM", "DCT", "SMS", "PAG", "PNR", "CCX", "ALR", "A9D", "SNP", "FAX",
    "-@-", "PRG", "BCA", "TRP", "ER1", "BCD", "XML", "CPS", "MMS", "POP", "ANS", "XYZ",
};

std::string format(const char* pattern, int number)
{
    char buf[128];
    std::snprintf(buf, sizeof buf, pattern, number);
    return buf;
}

bool makeDirectory(const std::string& path, std::string& error)
{
    if (::mkdir(path.c_str(), 0777) == 0 || errno == EEXIST)
        return true;
    error = "cannot create " + path + ": " + std::strerror(errno);
    return false;
}

// INI files as the platform's editors leave them: CRLF line ends.
bool writeTextFile(const std::string& path, const std::vector<std::string>& lines, std::string& error)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines)
        out << line << "\r\n";
    out.close();
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool isEmptyOrMissing(const std::string& dir)
{
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return errno == ENOENT;
    bool empty = true;
    while (dirent* e = ::readdir(d)) {
        if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0) {
            empty = false;
            break;
        }
    }
    ::closedir(d);
    return empty;
}

bool writeIniFiles(const std::string& windir, std::string& error)
{
    return writeTextFile(windir + "/kxaconf.ini",
                         {"; Alarm configurator and console", "[Config]", "DefaultLanguage=", "Vm001Path=\\db1\\",
                          "GroupDataBase=\\db1\\kxgroups.dbf"},
                         error) &&
           writeTextFile(windir + "/kxpers.ini",
                         {"[DBInfo]", "Path=\\db1\\", "3DigitGroupNumbers=0", "Pers=kxpers.dbf"}, error) &&
           writeTextFile(windir + "/kxalarm.ini",
                         {"[config]", "FirstAlarmKey=10", "LastAlarmKey=4999", "FirstAlarmInKey=5000",
                          "LastAlarmInKey=5999", "EnableAlarmDeactivation=1", "CSVSeparationChar=;", "", "[kxachktn]",
                          "CheckPerson=1", "", "[kxaredundant]", "Active=0", "Mode=0", "FirstAlarm=0", "LastAlarm=0"},
                         error) &&
           writeTextFile(windir + "/kxalogout.ini", {"[LogedOut]", "0301234003=1", "0301234017=0"}, error) &&
           // Alarm messages of some alarms: pager/SMS text and the three display texts.
           writeTextFile(windir + "/kxamsg.ini",
                         {"[Messages]", "100=Fire in building 100; leave by the stairs",
                          "101=Pumpe 3 \xFC"
                          "berhitzt",
                          "4711=\"  Fire alarm building 47  \""},
                         error) &&
           writeTextFile(windir + "/kxamsg1.ini", {"[Messages]", "100=FIRE B100", "4711=FIRE B47"}, error) &&
           writeTextFile(windir + "/kxamsg2.ini", {"[Messages]", "100=Call 112", "4711=Meet at gate \"B\""}, error) &&
           writeTextFile(windir + "/kxamsg3.ini", {"[Messages]", "4711=Assembly point: car park"}, error) &&
           writeTextFile(windir + "/kxamaster.ini",
                         {"[Server1]", "ServerName=ALARMSRV1", "[Server2]", "ServerName=ALARMSRV2"}, error) &&
           writeTextFile(windir + "/kxt.ini", {"[SETTINGS]", "MapMaxLines=30"}, error) &&
           writeTextFile(windir + "/registry.ini", {"[HKEY_LOCAL_MACHINE\\SOFTWARE\\Svox\\TTS]", "Version=4.1"}, error);
}

// The columns of the alarm export, in order, with their source: a field
// position of the mailbox record, or a message file.
struct ImportColumn {
    const char* name;
    int position;             // 0: a message file
    const char* messageFile;  // for position 0
};
const std::array<ImportColumn, 52> kImportColumns = {{
    {"alarmkey", 1, nullptr},
    {"alarmname", 33, nullptr},
    {"group", 30, nullptr},
    {"alarmtype", 15, nullptr},
    {"confirmation", 11, nullptr},
    {"pag_sms_msg", 0, "kxamsg.ini"},
    {"disp_msg1", 0, "kxamsg1.ini"},
    {"disp_msg2", 0, "kxamsg2.ini"},
    {"schedule", 10, nullptr},
    {"rings", 21, nullptr},
    {"priority", 22, nullptr},
    {"password", 9, nullptr},
    {"escalkey_level", 18, nullptr},
    {"escalkey_contact", 20, nullptr},
    {"escal_level", 24, nullptr},
    {"escal_level_delay", 26, nullptr},
    {"escal_contact_delay", 29, nullptr},
    {"faxreport", 32, nullptr},
    {"email", 34, nullptr},
    {"wait_callback", 59, nullptr},
    {"check_status", 60, nullptr},
    {"2nd_alarm", 65, nullptr},
    {"alarm_on_success", 66, nullptr},
    {"alarm_on_reset", 67, nullptr},
    {"alarm_escal_maxloops", 69, nullptr},
    {"check_event", 73, nullptr},
    {"event_time_before", 74, nullptr},
    {"event_time_after", 75, nullptr},
    {"update_event", 76, nullptr},
    {"check_contact_add_offset", 77, nullptr},
    {"slave_server", 78, nullptr},
    {"master_server", 79, nullptr},
    {"max_escal_level_loops", 80, nullptr},
    {"max_escal_contact_loops", 81, nullptr},
    {"alarm_icon", 82, nullptr},
    {"pers_needed", 83, nullptr},
    {"set_status", 84, nullptr},
    {"check_status", 85, nullptr},
    {"pag_sms_callback", 86, nullptr},
    {"check_pers_login", 87, nullptr},
    {"pers_supervision", 88, nullptr},
    {"print_report", 90, nullptr},
    {"mail_report", 91, nullptr},
    {"fax_report", 92, nullptr},
    {"escal_on_max_loops", 93, nullptr},
    {"report_callback", 94, nullptr},
    {"secure_name", 95, nullptr},
    {"start_popup", 97, nullptr},
    {"escal_only_noansw", 98, nullptr},
    {"contact_on", 13, nullptr},
    {"contact_off", 14, nullptr},
    {"disp_msg3", 0, "kxamsg3.ini"},
}};

// The import schema for every export column: numbers within what their
// field's width holds, texts as long as their field, messages as long as
// the platform reads them. A name's second occurrence has "name#2".
bool writeImportSchema(const std::string& windir, std::string& error)
{
    const std::vector<FIELD4INFO> fields = mailbox::TableFields();
    std::vector<std::string> lines = {"; Columns of the alarm import: one section per column name"};
    std::vector<std::string> seen;
    for (const ImportColumn& column : kImportColumns) {
        std::string section = column.name;
        if (std::find(seen.begin(), seen.end(), section) != seen.end())
            section += "#2";
        seen.push_back(column.name);
        lines.push_back("[" + section + "]");
        if (column.position == 0) {
            lines.insert(lines.end(), {std::string("Field=") + column.messageFile, "Type=ini", "MaxLen=127"});
        } else {
            const FIELD4INFO& f = fields[static_cast<std::size_t>(column.position - 1)];
            lines.push_back("Field=" + f.name);
            if (f.type == 'C') {
                lines.insert(lines.end(), {"Type=str", "MaxLen=" + std::to_string(f.length)});
            } else {
                long long largest = 1;
                for (unsigned i = 0; i < f.length; ++i)
                    largest *= 10;
                largest = std::min<long long>(largest - 1, INT_MAX);
                const long long smallest = -std::min<long long>(largest / 10, INT_MAX / 10);
                lines.insert(lines.end(), {"Type=int", "MinValue=" + std::to_string(smallest),
                                           "MaxValue=" + std::to_string(largest)});
            }
        }
        lines.push_back("");
    }
    return writeTextFile(windir + "/kxaimport.ini", lines, error);
}

// The fields of one key of the mailbox table, by physical name.
struct RecordValues {
    std::vector<std::pair<std::string, std::string>> fields;
    void set(const char* name, std::string value) { fields.emplace_back(name, std::move(value)); }
    void set(const char* name, int value) { fields.emplace_back(name, std::to_string(value)); }
    // Starts from the fields the console writes when it adds or frees a key.
    void setAll(const std::vector<mailbox::FieldWrite>& writes)
    {
        for (const mailbox::FieldWrite& w : writes)
            fields.emplace_back(mailbox::PhysicalName(mailbox::PositionOfLogicalName(w.logicalName)), w.value);
    }
};

RecordValues alarmRecord(long key, Sequence& seq)
{
    RecordValues r;
    r.setAll(mailbox::NewRecordWrites(key, true));
    const int type = seq.below(12);
    r.set("T33", format(kAlarmNames[type], static_cast<int>(key)));
    if (seq.below(25) == 0)
        r.set("T33", "");  // an alarm without a name
    // Groups: mostly real ones, some pseudo groups and a few that do not exist.
    const int g = seq.below(30);
    int group = g < 24 ? 10 + g % 20 : g < 26 ? 8 : g < 28 ? 9 : 77;
    r.set("T30", group);
    const int kind = seq.below(14);
    r.set("T15", kind < 12 ? kind % 6 : 7);
    const bool deactivated = seq.below(12) == 0;
    r.set("T82", type + (deactivated ? mailbox::kDeactivationOffset : 0));
    if (type >= 1 && type <= 10 && seq.below(6) == 0)
        r.set("T28", 1);  // alternate icon
    if (seq.below(8) == 0)
        r.set("T10", 100 + seq.below(50));  // schedule plan
    else if (seq.below(10) == 0)
        r.set("T77", 200 + seq.below(50));  // second plan
    return r;
}

RecordValues alarmInRecord(long key, int function, const std::vector<long>& alarmKeys, Sequence& seq)
{
    RecordValues r;
    r.setAll(mailbox::NewRecordWrites(key, false));
    r.set("T30", function);
    r.set("T33", seq.below(10) == 0 ? std::string() : format("Incoming %d", static_cast<int>(key)));
    const int launch = seq.below(8);
    if (launch == 0)
        r.set("T28", 9999);  // outside the alarm range: "Do not launch an alarm"
    else if (launch > 1)
        r.set("T28", static_cast<int>(alarmKeys[seq.below(static_cast<int>(alarmKeys.size()))]));
    if (function == 3)
        r.set("T11", seq.below(3));  // mbx_ch_f: login/logout variants
    if (function == 13)
        r.set("T22", seq.below(2));  // msg_ch_f
    if (seq.below(5) == 0) {
        r.set("T89", 1);
        r.set("T10", 300 + seq.below(20));
    }
    return r;
}

// Schedule plans in the working directory: both families; both files, year
// only (below 100, listed all the same) and week only; default lines, every
// type word, comments, a short line, an unknown day and text behind the ";".
struct DemoPlan {
    long number;
    plans::PlanFamily family;
    bool week;
    std::vector<const char*> lines;  // Windows-1252, after the header
};

const std::vector<DemoPlan> kDemoPlans = {
    // An offset plan: alarm-in 5030 uses it as an alarm plan.
    {100,
     plans::PlanFamily::Alarm,
     false,
     {"00.00.  00 , 00:00 - 00.00.  00 , 00:00 , OFS 0;", "24.12.  25 , 18:00 - 26.12.  25 , 23:59 , OFS 5010;",
      "rem  the turn of the year", "31.12.  25 , 20:00 - 01.01.  26 , 06:00 , OFS 5020;"}},
    {100,
     plans::PlanFamily::Alarm,
     true,
     {"0 , 00:00 - 00:00 , OFS 0;", "1 , 08:00 - 17:00 , OFS 100;", "3 , 08:00 - 17:00 , OFS 100;",
      "9 , 12:00 - 13:00 , OFS 200;", "5 , 08:00 - 14:00 , OFS 100; short Friday", "6 , 10:00;"}},
    // A group plan of the year only, and an alarm-key plan of the week only.
    {20,
     plans::PlanFamily::Alarm,
     false,
     {"00.00.  00 , 00:00 - 00.00.  00 , 00:00 , GRP 10;", "01.05.  25 , 00:00 - 01.05.  25 , 23:59 , GRP 3;"}},
    {40,
     plans::PlanFamily::Alarm,
     true,
     {"0 , 00:00 - 00:00 , KEY 4711;", "rem  weekends to the building alarm", "6 , 00:00 - 23:59 , KEY 4712;",
      "7 , 00:00 - 23:59 , KEY 4712;"}},
    // Alarm-in plans: both files (5033), year only (5031), week only (5032).
    {300,
     plans::PlanFamily::AlarmIn,
     false,
     {"00.00.  00 , 00:00 - 00.00.  00 , 00:00 , OFS 0;", "06.01.  26 , 00:00 - 06.01.  26 , 23:59 , OFS 1;"}},
    {300,
     plans::PlanFamily::AlarmIn,
     true,
     {"0 , 00:00 - 00:00 , OFS 0;",
      "2 , 07:00 - 15:30 , OFS 2 K\xFC"
      "hlraum;",
      "4 , 07:00 - 15:30 , OFS 2;"}},
    {30,
     plans::PlanFamily::AlarmIn,
     false,
     {"00.00.  00 , 00:00 - 00.00.  00 , 00:00 , OFS 0;", "rem  works holiday",
      "22.12.  25 , 00:00 - 02.01.  26 , 23:59 , OFS 10;"}},
    {12, plans::PlanFamily::AlarmIn, true, {"0 , 00:00 - 00:00 , OFS 0;", "1 , 06:00 - 22:00 , OFS 1;"}},
};

// Plan files hold line-feed line ends, as the plan editor writes them.
bool writePlanFiles(const std::string& work, std::string& error)
{
    for (const DemoPlan& plan : kDemoPlans) {
        const std::string name =
            plan.week ? plans::WeekFileName(plan.number, plan.family) : plans::YearFileName(plan.number, plan.family);
        std::ofstream out(work + "/" + name, std::ios::binary | std::ios::trunc);
        out << plans::PlanFileHeader(plan.number, plan.family, plan.week);
        for (const char* line : plan.lines)
            out << line << '\n';
        out.close();
        if (!out) {
            error = "cannot write " + work + "/" + name;
            return false;
        }
    }
    return true;
}

// The alarms-in that use the demo plans: num1_6 on, the plan kind and number.
void usePlan(RecordValues& r, long key)
{
    const struct {
        long key;
        int kind;
        int plan;
    } users[] = {{5030, 1, 100}, {5031, 0, 30}, {5032, 0, 12}, {5033, 0, 300}};
    for (const auto& u : users) {
        if (u.key == key) {
            r.set("T89", 1);
            r.set("T90", u.kind);
            r.set("T10", u.plan);
        }
    }
}

bool writeMailboxTable(std::string& error)
{
    CDatabase table;
    if (!table.Create("\\db1\\vm001.dbf", mailbox::TableFields())) {
        error = "cannot create vm001.dbf: " + CDatabase::LastError();
        return false;
    }
    ScopedClose closer(table);
    table.SetFlush(0);
    table.Lock();

    Sequence seq;
    // Alarms: 250 keys from 100 and 50 around the sample key.
    std::vector<long> alarmKeys;
    for (long k = 100; k < 350; ++k)
        alarmKeys.push_back(k);
    for (long k = 4690; k < 4740; ++k)
        alarmKeys.push_back(k);

    for (long key = 0; key <= 9999; ++key) {
        if (!table.Append()) {
            error = "cannot append to vm001.dbf: " + CDatabase::LastError();
            return false;
        }
        table.Bottom();
        RecordValues r;
        const bool isAlarm = (key >= 100 && key < 350) || (key >= 4690 && key < 4740);
        if (key < 10) {
            r.set("T02", 1);  // the platform's system mailboxes
        } else if (key == DemoSite::kSampleAlarmKey) {
            r = alarmRecord(key, seq);
            r.set("T33", "Fire alarm building 47");
            r.set("T30", 10);
            r.set("T15", 0);
            r.set("T82", 2);
        } else if (isAlarm) {
            r = alarmRecord(key, seq);
        } else if (key >= 5000 && key < 5100) {
            const int n = static_cast<int>(key - 5000);
            const int function = n < 88 ? n % mailbox::kAlarmInFunctionCount : n == 88 ? 25 : n % 4;
            r = alarmInRecord(key, function, alarmKeys, seq);
            usePlan(r, key);
        } else if (key >= 6000 && key < 6200) {
            r.set("T02", 21 + 10 * seq.below(3));  // ordinary mailboxes of the platform
            r.set("T33", format("Voice mailbox %d", static_cast<int>(key)));
        } else {
            r.setAll(mailbox::FreedRecordWrites());
        }
        r.set("T01", static_cast<int>(key));
        // Through the console's own logical-name write, so numbers are written
        // as the console writes them (a one-blank text becomes 0).
        for (const auto& [name, value] : r.fields) {
            const char* logical = mailbox::LogicalName(std::atoi(name.c_str() + 1));
            if (mailbox::WriteField(table, mailbox::RecordOfKey(key), static_cast<unsigned long>(key), logical,
                                    value.c_str()) != 1) {
                error = "cannot write vm001.dbf: " + CDatabase::LastError();
                return false;
            }
        }
    }
    table.Flush();
    table.Unlock();
    return true;
}

bool writeGroupTables(std::string& error)
{
    CDatabase groups;
    if (!groups.Create("\\db1\\kxgroups.dbf", {{"IDXG", 'C', 3, 0}, {"NAME", 'C', 39, 0}, {"NUMBER", 'N', 3, 0}})) {
        error = "cannot create kxgroups.dbf: " + CDatabase::LastError();
        return false;
    }
    ScopedClose closeGroups(groups);
    Sequence seq;
    for (const Group& g : kGroups) {
        groups.Append();
        groups.Bottom();
        groups.Replace("IDXG", format("%03d", g.number).c_str());
        groups.Replace("NAME", g.name);
        groups.Replace("NUMBER", g.number);

        // Member tables for most groups; 28 and 29 have none ("Not generated or empty").
        if (g.number < 10 || g.number >= 28)
            continue;
        CDatabase members;
        const std::string path = format("\\db1\\kxagrp%d.dbf", g.number);
        if (!members.Create(path.c_str(), {{"NAME", 'C', 30, 0},
                                           {"TT1", 'C', 25, 0},
                                           {"TY1", 'C', 3, 0},
                                           {"TT2", 'C', 25, 0},
                                           {"TY2", 'C', 3, 0}})) {
            error = "cannot create " + path + ": " + CDatabase::LastError();
            return false;
        }
        ScopedClose closeMembers(members);
        const int count = g.number == 26 ? 0 : 3 + seq.below(6);
        for (int i = 0; i < count; ++i) {
            members.Append();
            members.Bottom();
            std::string name = std::string(kFirstNames[seq.below(24)]) + " " + kLastNames[seq.below(12)];
            members.Replace("NAME", name.c_str());
            members.Replace("TT1", format("0301234%03d", seq.below(40)).c_str());
            members.Replace("TY1", kPhoneTypes[seq.below(24)]);
        }
    }
    return true;
}

// The persons table: persons, then free records numbered as their records.
bool writePersonsTable(std::string& error)
{
    CDatabase persons;
    if (!persons.Create("\\db1\\kxpers.dbf", {{"NAME", 'C', 30, 0},
                                              {"TT1", 'C', 25, 0},
                                              {"TY1", 'C', 3, 0},
                                              {"DEPARTMENT", 'C', 30, 0},
                                              {"IDXP", 'C', 4, 0}})) {
        error = "cannot create kxpers.dbf: " + CDatabase::LastError();
        return false;
    }
    ScopedClose closer(persons);
    Sequence seq;
    const std::array<const char*, 4> departments = {"Technical service", "Security", "Nursing", ""};
    for (int record = 1; record <= 16; ++record) {
        persons.Append();
        persons.Bottom();
        persons.Replace("IDXP", format("%04d", record).c_str());
        if (record > 12)
            continue;  // free
        const std::string name = std::string(kFirstNames[seq.below(24)]) + " " + kLastNames[seq.below(12)];
        persons.Replace("NAME", name.c_str());
        persons.Replace("TT1", format("0301234%03d", seq.below(40)).c_str());
        persons.Replace("TY1", kPhoneTypes[seq.below(4)]);
        persons.Replace("DEPARTMENT", departments[static_cast<std::size_t>(seq.below(4))]);
    }
    return true;
}

bool writePlatformDirectory(const std::string& root, std::string& error)
{
    const std::string kxt = root + "/kxt";
    for (const char* module :
         {"kxarun", "kxaddiconv", "_rec1am", "_dial_s1", "kxawdcall", "kxaping", "kxaservw", "kxaemailin", "kxadist"}) {
        if (!writeTextFile(kxt + "/" + module + ".kxe", {std::string("; voice module ") + module}, error))
            return false;
    }
    // Post-queue template and queue 1 (lines 1 to 4 belong to it).
    std::vector<FIELD4INFO> fields;
    for (int i = 1; i <= 41; ++i)
        fields.push_back({mailbox::PhysicalName(i), 'N', 4, 0});
    for (int queue : {0, 1}) {
        CDatabase table;
        const std::string path = queue == 0 ? std::string("\\kxt\\kxtpost.dbf") : format("\\kxt\\kxtpost%d.dbf", queue);
        if (!table.Create(path.c_str(), fields)) {
            error = "cannot create " + path + ": " + CDatabase::LastError();
            return false;
        }
        ScopedClose closer(table);
        for (int line = 1; line <= 30; ++line) {
            table.Append();
            table.Bottom();
            table.Replace("T01", line);
            table.Replace("T41", queue == 1 && line <= 4 ? 0 : -9);
        }
    }
    // The queue tables' index files belong to the line server; the console
    // only copies them, so any content stands in for them here.
    const std::vector<std::string> index = {"kxtpost index"};
    return writeTextFile(kxt + "/kxtpost.ndx", index, error) && writeTextFile(kxt + "/kxtpost1.ndx", index, error) &&
           writeTextFile(kxt + "/kxtpost1.cgp", {"kxtpost1"}, error);
}

}  // namespace

bool DemoSite::build(const std::string& rootArgument, std::string& error)
{
    if (rootArgument.empty()) {
        error = "no directory given";
        return false;
    }
    if (!isEmptyOrMissing(rootArgument)) {
        error = rootArgument + " exists and is not empty";
        return false;
    }
    if (!makeDirectory(rootArgument, error))
        return false;
    char resolved[PATH_MAX];
    if (!::realpath(rootArgument.c_str(), resolved)) {
        error = "cannot resolve " + rootArgument + ": " + std::strerror(errno);
        return false;
    }
    const std::string root = resolved;
    SitePaths::configure(root, {});
    for (const char* dir : {"/windows", "/windows/system32", "/db1", "/kxt", "/work", "/work/log"})
        if (!makeDirectory(root + dir, error))
            return false;
    // The restart program the line supervision looks for in the system directory.
    const std::string shutdown = root + "/windows/system32/shutdown.exe";
    if (!writeTextFile(shutdown, {"rem restart"}, error) || ::chmod(shutdown.c_str(), 0755) != 0)
        return false;
    return writeIniFiles(root + "/windows", error) && writeImportSchema(root + "/windows", error) &&
           writeMailboxTable(error) && writeGroupTables(error) && writePersonsTable(error) &&
           writePlatformDirectory(root, error) && writePlanFiles(root + "/work", error);
}

}  // namespace kx::ctl
