#include "watchers/Whitelist.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"
#include "platform/StringTable.h"
#include "settings/SettingsModel.h"

#include <algorithm>
#include <cstdlib>

namespace kx::watchers {

namespace {

constexpr const char* kListsSection = "Lists";
constexpr const char* kPhoneListField = "type_phone";

constexpr Text kNotAnAlarmIn = KX_TEXT("Whitelist", "Key %1 is not an alarm-in.");
constexpr Text kReservedName = KX_TEXT("Whitelist", "\"%1\" cannot be the name of a whitelist.");
constexpr Text kBadNameCharacter =
    KX_TEXT("Whitelist", "The name of a whitelist cannot contain [ or ] or control characters.");
constexpr Text kNameTooLong = KX_TEXT("Whitelist", "The name of a whitelist may have at most %1 characters.");
constexpr Text kBadNumberCharacter = KX_TEXT("Whitelist", "A phone number cannot contain control characters.");
constexpr Text kNumberTooLong = KX_TEXT("Whitelist", "A phone number may have at most %1 characters.");
constexpr Text kListFull = KX_TEXT("Whitelist", "A whitelist holds at most %1 numbers.");
constexpr Text kNumberNotShown = KX_TEXT("Whitelist", "The number %1 is not in the whitelist.");
constexpr Text kNoFreeSlot =
    KX_TEXT("Whitelist", "No whitelist can be added: all %1 places for whitelists are in use. Delete one first.");
constexpr Text kNothingToDelete = KX_TEXT("Whitelist", "Please choose the whitelist to delete first.");
constexpr Text kListInUse = KX_TEXT(
    "Whitelist",
    "The whitelist \"%1\" is also used by these alarms-in:\n%2\nAfter deleting it they use no whitelist. Delete it?");

std::string trimmed(std::string_view text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos)
        return {};
    return std::string(text.substr(begin, text.find_last_not_of(' ') - begin + 1));
}

bool hasControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

std::string numberKey(int n)
{
    return std::to_string(n);
}

// The mailbox table, opened with a message when it does not open.
bool openTable(CDatabase& table)
{
    const std::string path = config::MailboxTablePath();
    if (table.Open(path.c_str()))
        return true;
    ErrorBox(str::AlarmDatabaseNotOpened, path);
    return false;
}

std::string readField(CDatabase& table, long key, const char* logicalName)
{
    std::string value;
    if (key < 0 || mailbox::RecordOfKey(key) > table.RecCount())
        return value;
    table.Go(mailbox::RecordOfKey(key));
    table.Read(mailbox::PhysicalName(mailbox::PositionOfLogicalName(logicalName)).c_str(), value);
    return trimmed(value);
}

bool isAlarmIn(CDatabase& table, long key)
{
    if (readField(table, key, "status") == mailbox::kStatusAlarmIn)
        return true;
    ErrorBox(kNotAnAlarmIn, std::to_string(key));
    return false;
}

// The alarms-in of the alarm-in range that refer to `slot`.
std::vector<long> alarmInsOfList(CDatabase& table, int slot)
{
    std::vector<long> keys;
    const config::KeyRanges ranges = config::ReadKeyRanges();
    const long lastInTable = static_cast<long>(table.RecCount()) - 1;
    for (long key = std::max<long>(ranges.firstAlarmInKey, 0); key <= ranges.lastAlarmInKey && key <= lastInTable;
         ++key) {
        if (readField(table, key, "status") == mailbox::kStatusAlarmIn &&
            std::atol(readField(table, key, kPhoneListField).c_str()) == slot)
            keys.push_back(key);
    }
    return keys;
}

bool writeListReference(CDatabase& table, long key, int slot)
{
    return settings::WriteRecordUnit(table, key, mailbox::kStatusAlarmIn, {{kPhoneListField, std::to_string(slot)}});
}

}  // namespace

bool Whitelist::open(long alarmInKey)
{
    CDatabase table;
    if (!openTable(table) || !isAlarmIn(table, alarmInKey))
        return false;
    const long slot = std::atol(readField(table, alarmInKey, kPhoneListField).c_str());
    table.Close();
    m_key = alarmInKey;
    readLists();
    m_name.clear();
    m_numbers.clear();
    for (const WhitelistEntry& entry : m_lists)
        if (entry.slot == slot)
            m_name = entry.name;
    loadNumbers();
    return true;
}

std::string Whitelist::frameTitle() const
{
    return FormatString(str::WhitelistTitle, std::to_string(m_key));
}

void Whitelist::readLists()
{
    m_lists.clear();
    for (int slot = 1; slot <= kLastListSlot; ++slot) {
        std::string name = trimmed(ProfileString(kWhitelistFile, kListsSection, std::to_string(slot)));
        if (!name.empty())
            m_lists.push_back({slot, std::move(name)});
    }
}

int Whitelist::slotOf(std::string_view name) const
{
    for (const WhitelistEntry& entry : m_lists)
        if (EqualsNoCase(entry.name, name))
            return entry.slot;
    return 0;
}

int Whitelist::firstFreeSlot() const
{
    int slot = 1;
    for (const WhitelistEntry& entry : m_lists) {  // in slot order
        if (entry.slot != slot)
            break;
        ++slot;
    }
    return slot <= kLastListSlot ? slot : 0;
}

void Whitelist::loadNumbers()
{
    m_numbers.clear();
    if (m_name.empty() || slotOf(m_name) == 0)
        return;
    for (int n = 1; n <= kMaxNumbers; ++n) {
        std::string number = ProfileString(kWhitelistFile, m_name, numberKey(n));
        if (!number.empty())
            m_numbers.push_back(std::move(number));
    }
    std::sort(m_numbers.begin(), m_numbers.end());
}

bool Whitelist::acceptName(std::string_view typed, std::string& name) const
{
    name = trimmed(typed);
    if (EqualsNoCase(name, kListsSection)) {
        ErrorBox(kReservedName, name);
        return false;
    }
    if (name.find_first_of("[]") != std::string::npos || hasControlCharacter(name)) {
        ErrorBox(kBadNameCharacter);
        return false;
    }
    if (name.size() > kMaxNameLength) {
        ErrorBox(kNameTooLong, std::to_string(kMaxNameLength));
        return false;
    }
    return true;
}

bool Whitelist::select(std::string_view typed)
{
    std::string name;
    if (m_key < 0 || !acceptName(typed, name))
        return false;
    readLists();
    const int slot = slotOf(name);
    const bool again = slot != 0 && slot == slotOf(m_name);
    m_name = name;
    for (const WhitelistEntry& entry : m_lists)
        if (entry.slot == slot)
            m_name = entry.name;  // as stored
    if (slot != 0 && !again)
        loadNumbers();
    return true;
}

bool Whitelist::addList(std::string_view typed)
{
    std::string name;
    if (m_key < 0 || !acceptName(typed, name))
        return false;
    if (name.empty())
        name = std::to_string(m_key);
    readLists();
    if (slotOf(name) != 0) {
        m_name.clear();
        return select(name);
    }
    const int slot = firstFreeSlot();
    if (slot == 0) {
        ErrorBox(kNoFreeSlot, std::to_string(kLastListSlot));
        return false;
    }
    if (!settings::SettingsModel::writeAll({{kWhitelistFile, kListsSection, std::to_string(slot), name}}))
        return false;
    readLists();
    m_name = name;
    m_numbers.clear();
    return true;
}

bool Whitelist::deleteList()
{
    if (m_key < 0)
        return false;
    readLists();
    const int slot = slotOf(m_name);
    if (slot == 0) {
        ErrorBox(kNothingToDelete);
        return false;
    }
    CDatabase table;
    if (!openTable(table))
        return false;
    const std::vector<long> users = alarmInsOfList(table, slot);
    std::string others;
    for (long user : users)
        if (user != m_key)
            others += std::to_string(user) + " " + readField(table, user, "text_opt1") + "\n";
    if (!others.empty()) {
        others.pop_back();
        if (!ConfirmBox(kListInUse, true, m_name, others))
            return false;
    }
    // The references first: a slot freed while an alarm-in still refers to
    // it would hand that alarm-in whatever list is added there next.
    for (long user : users)
        if (!writeListReference(table, user, 0))
            return false;
    table.Close();
    if (!settings::SettingsModel::writeAll({{kWhitelistFile, kListsSection, std::to_string(slot), ""}}))
        return false;
    readLists();
    m_name = m_lists.empty() ? std::string() : m_lists.front().name;
    loadNumbers();
    return true;
}

bool Whitelist::addNumber(std::string_view typed)
{
    const std::string number = trimmed(typed);
    if (m_key < 0)
        return false;
    if (number.empty()) {
        ErrorBox(str::EnterNumberFirst);
        return false;
    }
    if (hasControlCharacter(number)) {
        ErrorBox(kBadNumberCharacter);
        return false;
    }
    if (number.size() > kMaxNumberLength) {
        ErrorBox(kNumberTooLong, std::to_string(kMaxNumberLength));
        return false;
    }
    if (std::find(m_numbers.begin(), m_numbers.end(), number) != m_numbers.end())
        return true;
    if (m_numbers.size() >= static_cast<std::size_t>(kMaxNumbers)) {
        ErrorBox(kListFull, std::to_string(kMaxNumbers));
        return false;
    }
    m_numbers.insert(std::upper_bound(m_numbers.begin(), m_numbers.end(), number), number);
    return true;
}

void Whitelist::removeNumbers(const std::vector<std::string>& numbers)
{
    for (const std::string& number : numbers)
        std::erase(m_numbers, number);
}

bool Whitelist::removeNumber(std::string_view typed)
{
    const std::string number = trimmed(typed);
    if (std::find(m_numbers.begin(), m_numbers.end(), number) == m_numbers.end()) {
        ErrorBox(kNumberNotShown, number);
        return false;
    }
    std::erase(m_numbers, number);
    return true;
}

bool Whitelist::save()
{
    if (m_key < 0)
        return false;
    std::string name = m_name.empty() ? std::to_string(m_key) : m_name;
    // Every check before the first write: the table, the key, the slot.
    CDatabase table;
    if (!openTable(table) || !isAlarmIn(table, m_key))
        return false;
    readLists();
    int slot = slotOf(name);
    settings::IniWrites writes;
    if (slot == 0) {
        slot = firstFreeSlot();
        if (slot == 0) {
            ErrorBox(kNoFreeSlot, std::to_string(kLastListSlot));
            return false;
        }
        writes.push_back({kWhitelistFile, kListsSection, std::to_string(slot), name});
    } else {
        name = std::find_if(m_lists.begin(), m_lists.end(), [&](const auto& e) { return e.slot == slot; })->name;
    }
    for (int n = 1; n <= kMaxNumbers; ++n) {
        if (n <= static_cast<int>(m_numbers.size()))
            writes.push_back({kWhitelistFile, name, numberKey(n), m_numbers[static_cast<std::size_t>(n - 1)]});
        else if (!ProfileString(kWhitelistFile, name, numberKey(n)).empty())
            writes.push_back({kWhitelistFile, name, numberKey(n), ""});
    }
    // The list before the reference: a failed reference leaves a complete
    // list that nobody uses yet, never a reference to a half-written one.
    if (!settings::SettingsModel::writeAll(writes) || !writeListReference(table, m_key, slot))
        return false;
    readLists();
    m_name = name;
    return true;
}

}  // namespace kx::watchers
