#include "console/ListContents.h"

#include "console/ListImages.h"
#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "core/MemberTable.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"
#include "platform/StringTable.h"
#include "platform/SystemInfo.h"
#include "platform/TextEncoding.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace kx::console {

namespace {

namespace field = mailbox::field;

// What the lists show where a table has nothing to show.
constexpr Text kNoDefinition = KX_TEXT("ListContents", "[No definition]");
constexpr Text kEmptyGroup = KX_TEXT("ListContents", "Empty group");
constexpr Text kManDownSupervision = KX_TEXT("ListContents", "Man-down supervision");
constexpr Text kNoName = KX_TEXT("ListContents", "No name");
constexpr Text kNoGroupSpecified = KX_TEXT("ListContents", "NO GROUP SPECIFIED");
constexpr Text kNoGroupCreated = KX_TEXT("ListContents", "No group created");
constexpr Text kLoginOnly = KX_TEXT("ListContents", "Login of persons only");
constexpr Text kLogoutOnly = KX_TEXT("ListContents", "Logout of persons only");
constexpr Text kDoNotLaunchAlarm = KX_TEXT("ListContents", "Do not launch an alarm");
constexpr Text kNotGeneratedOrEmpty = KX_TEXT("ListContents", "Not generated or empty");

// Texts are UTF-8; list texts are data bytes.
std::string text(const Text& text)
{
    return Utf8ToCp1252Lossy(Tr(text));
}

int readInt(CDatabase& table, const char* name)
{
    int value = 0;
    table.Read(name, value);
    return value;
}

std::string readText(CDatabase& table, const char* name)
{
    std::string value;
    table.Read(name, value);
    return value;
}

std::string numbered(long number, const std::string& name, bool threeDigits = false)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, threeDigits ? "%03ld " : "%ld ", number);
    return buf + name;
}

// The keys of a range that have a record: a range reaching past the table's
// end stops at its last record instead of asking for records that do not exist.
long lastKeyWithRecord(CDatabase& table, long lastKey)
{
    const long lastRecordKey = static_cast<long>(table.RecCount()) - 1;
    return lastKey < lastRecordKey ? lastKey : lastRecordKey;
}

std::string groupText(int group, const GroupList& groups, bool& found)
{
    found = true;
    if (group == 8)
        return text(kEmptyGroup);
    if (group == 9)
        return text(kManDownSupervision);
    if (group > 9) {
        if (const GroupEntry* entry = groups.find(group))
            return numbered(group, entry->name[0] ? std::string(entry->name) : text(kNoName));
    }
    found = false;
    return text(kNoGroupSpecified);
}

bool launchesAnAlarm(int function, int msgChF)
{
    switch (function) {
    case 0:
    case 1:
    case 9:
    case 14:
    case 16:
        return true;
    case 13:
        return msgChF != 1;
    default:
        return false;
    }
}

}  // namespace

int MemberImageForPhoneType(std::string_view code)
{
    static constexpr std::array<std::pair<std::string_view, int>, 31> kImages = {{
        {"INT", 1},  {"EXT", 2},  {"GSM", 3},  {"DCT", 4},  {"SMS", 5},  {"MMS", 5},  {"WAP", 5},  {"TTR", 5},
        {"PAG", 6},  {"PNR", 7},  {"CCX", 8},  {"ALR", 9},  {"A9D", 10}, {"PSA", 10}, {"EPA", 10}, {"SNP", 11},
        {"FAX", 12}, {"-@-", 13}, {"PRG", 14}, {"BCA", 15}, {"TRP", 16}, {"ER1", 17}, {"ER2", 17}, {"BCD", 18},
        {"OCP", 18}, {"ANS", 18}, {"BCT", 19}, {"XML", 19}, {"POP", 19}, {"CPS", 20}, {"SCH", 20},
    }};
    for (const auto& [type, image] : kImages)
        if (type == code)
            return image;
    return member_image::kUnknown;
}

ServerIdentity ReadServerIdentity()
{
    ServerIdentity identity;
    if (ProfileInt(config::kAlarmFile, "kxaredundant", "Active", 0) != 1 ||
        ProfileInt(config::kAlarmFile, "kxaredundant", "Mode", 0) != 3)
        return identity;
    identity.firstAlarm = ProfileInt(config::kAlarmFile, "kxaredundant", "FirstAlarm", 0);
    identity.lastAlarm = ProfileInt(config::kAlarmFile, "kxaredundant", "LastAlarm", 0);
    const std::string computer = ComputerName();
    for (int n = 1; n <= 10; ++n) {
        const std::string section = "Server" + std::to_string(n);
        // Computer names compare without regard to case, as Windows names do.
        if (EqualsNoCase(ProfileString("kxamaster.ini", section, "ServerName", "", 256), computer)) {
            identity.serverNumber = n;
            break;
        }
    }
    return identity;
}

std::optional<std::vector<ListRow>> AlarmRows(const std::string& mailboxPath, int firstKey, int lastKey,
                                              const GroupList& groups, const ServerIdentity& server)
{
    CDatabase table;
    if (!table.Open(mailboxPath.c_str()))
        return std::nullopt;
    ScopedClose closer(table);
    std::vector<ListRow> rows;
    const long last = lastKeyWithRecord(table, lastKey);
    std::string status;
    for (long key = firstKey < 0 ? 0 : firstKey; key <= last; ++key) {
        table.Go(mailbox::RecordOfKey(key));
        if (!table.Read(field::Status, status) || status != mailbox::kStatusAlarm)
            continue;
        ListRow row;
        row.key = key;
        row.text[alarm_column::Key] = std::to_string(key);

        const int type = readInt(table, field::AlarmType);
        int typeImage = type;
        if (type >= mailbox::kDeactivationOffset)
            typeImage = alarm_image::kDeactivated;
        else if (readInt(table, field::LaunchedAlarm) == 1 && type >= 1 && type <= 10)
            typeImage = alarm_image::kAlternateBase + type;
        row.image[alarm_column::Key] = typeImage;

        row.text[alarm_column::Name] = readText(table, field::Comment);
        if (row.text[alarm_column::Name].empty())
            row.text[alarm_column::Name] = text(kNoDefinition);

        const int group = readInt(table, field::GroupOrFunction);
        bool found = false;
        row.text[alarm_column::Group] = groupText(group, groups, found);
        if (!found)
            row.image[alarm_column::Group] = alarm_image::kWarning;
        else if (readInt(table, field::PlanNumber) > 9)
            row.image[alarm_column::Group] = alarm_image::kPlan;
        else if (readInt(table, field::SecondPlan) > 9)
            row.image[alarm_column::Group] = alarm_image::kSecondPlan;
        else if (group == 8)
            row.image[alarm_column::Group] = alarm_image::kEmptyGroup;

        row.text[alarm_column::Kind] = Utf8ToCp1252Lossy(mailbox::AlarmKindText(readInt(table, field::Kind)));
        if (server.appliesTo(key)) {
            if (readInt(table, field::ServerNumberA) == server.serverNumber)
                row.image[alarm_column::Kind] = alarm_image::kServerThisFirst;
            else if (readInt(table, field::ServerNumberB) == server.serverNumber)
                row.image[alarm_column::Kind] = alarm_image::kServerThisSecond;
            else
                row.image[alarm_column::Kind] = alarm_image::kServerOther;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<std::vector<ListRow>> AlarmInRows(const std::string& mailboxPath, const config::KeyRanges& ranges)
{
    CDatabase table;
    if (!table.Open(mailboxPath.c_str()))
        return std::nullopt;
    ScopedClose closer(table);
    std::vector<ListRow> rows;
    const long last = lastKeyWithRecord(table, ranges.lastAlarmInKey);
    const long lastRecordKey = static_cast<long>(table.RecCount()) - 1;
    std::string status;
    for (long key = ranges.firstAlarmInKey < 0 ? 0 : ranges.firstAlarmInKey; key <= last; ++key) {
        table.Go(mailbox::RecordOfKey(key));
        if (!table.Read(field::Status, status) || status != mailbox::kStatusAlarmIn)
            continue;
        ListRow row;
        row.key = key;
        row.text[alarm_in_column::Key] = std::to_string(key);
        const bool planInUse = readInt(table, field::AlarmInPlanInUse) > 0 && readInt(table, field::PlanNumber) > 0;
        row.image[alarm_in_column::Key] = planInUse ? alarm_in_image::kPlanInUse : alarm_in_image::kNoPlan;

        row.text[alarm_in_column::Name] = readText(table, field::Comment);
        if (row.text[alarm_in_column::Name].empty())
            row.text[alarm_in_column::Name] = text(kNoDefinition);

        const int function = readInt(table, field::GroupOrFunction);
        row.text[alarm_in_column::Function] = Utf8ToCp1252Lossy(mailbox::AlarmInFunctionName(function));
        if (function == 3) {
            const int variant = readInt(table, "T11");  // mbx_ch_f
            if (variant == 1)
                row.text[alarm_in_column::Function] = text(kLoginOnly);
            else if (variant == 2)
                row.text[alarm_in_column::Function] = text(kLogoutOnly);
        }

        if (launchesAnAlarm(function, readInt(table, "T22"))) {  // msg_ch_f
            const int launched = readInt(table, field::LaunchedAlarm);
            if (launched >= ranges.firstAlarmKey && launched <= ranges.lastAlarmKey) {
                std::string name;
                if (launched >= 0 && launched <= lastRecordKey) {
                    table.Go(mailbox::RecordOfKey(launched));
                    name = readText(table, field::Comment);
                }
                row.text[alarm_in_column::Launch] = numbered(launched, name.empty() ? text(kNoDefinition) : name);
            } else {
                row.text[alarm_in_column::Launch] = text(kDoNotLaunchAlarm);
            }
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<GroupSelector> LoadGroups(const std::string& groupTablePath, int threeDigitGroupNumbers,
                                        GroupList& groups)
{
    if (!groups.load(groupTablePath)) {
        ErrorBox(str::GroupDatabaseNotOpened, groupTablePath);
        return std::nullopt;
    }
    GroupSelector selector;
    selector.threeDigitNumbers = groups.indexAllowsThreeDigits() && threeDigitGroupNumbers == 1;
    if (groups.recordCount() == 0) {
        selector.noGroupText = text(kNoGroupCreated);
        return selector;
    }
    for (const GroupEntry& entry : groups.entries()) {
        if (entry.number <= 9)
            continue;
        selector.entries.push_back(numbered(entry.number, entry.name[0] ? std::string(entry.name) : text(kNoName),
                                            selector.threeDigitNumbers));
    }
    selector.entries.push_back(text(kNoGroupSpecified));
    return selector;
}

std::string SelectorTextForGroup(const std::string& groupText, bool threeDigitNumbers)
{
    if (groupText == text(kManDownSupervision) || groupText == text(kEmptyGroup) || !threeDigitNumbers)
        return groupText;
    char* end = nullptr;
    const long number = std::strtol(groupText.c_str(), &end, 10);
    if (end == groupText.c_str() || *end != ' ')
        return groupText;  // "NO GROUP SPECIFIED"
    return numbered(number, std::string(end + 1), true);
}

int FindSelectorEntry(const std::vector<std::string>& entries, const std::string& text)
{
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].compare(0, text.size(), text) == 0)
            return static_cast<int>(i);
    return -1;
}

bool SelectorHasNoMembers(const std::string& selectorText)
{
    return selectorText.empty() || selectorText == text(kManDownSupervision) || selectorText == text(kEmptyGroup);
}

std::string MemberTableOfSelector(const std::string& selectorText, const std::string& personsBaseDirectory)
{
    return config::MemberTablePath(personsBaseDirectory, std::atoi(selectorText.c_str()));
}

std::vector<ListRow> MemberRows(const std::string& memberTablePath, int checkPerson, const std::string& logoutStateFile)
{
    std::vector<ListRow> rows;
    if (auto members = LoadMembers(memberTablePath)) {
        for (const Member& m : *members) {
            ListRow row;
            row.key = static_cast<long>(rows.size());
            row.text[member_column::Name] = m.name;
            row.text[member_column::Phone] = m.phone;
            row.text[member_column::Type] = m.phoneType;
            const bool loggedOut =
                checkPerson == 1 && !m.phone.empty() && ProfileInt(logoutStateFile, "LogedOut", m.phone, 0) == 1;
            row.image[member_column::Name] =
                loggedOut ? member_image::kLoggedOut : MemberImageForPhoneType(m.phoneType);
            rows.push_back(std::move(row));
        }
    }
    if (rows.empty()) {
        ListRow row;
        row.text[member_column::Name] = text(kNotGeneratedOrEmpty);
        row.selectable = false;
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace kx::console
