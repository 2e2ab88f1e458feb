#include "integration/SlaveAlarmStart.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "settings/SettingsRegistry.h"

#include <algorithm>
#include <charconv>

namespace kx::integration {

namespace {

using namespace settings;

// Opened from the master / slave configuration, not from the menu.
const Registration<SlaveAlarmStart> kRegistration(0);

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "kxaredalrstart";
constexpr const char* kListFile = "kxaredalrstart.ini";
constexpr const char* kListSection = "StartSlaveAlarm";
constexpr std::size_t kAddressBuffer = 128;
// Room for every key of the table, joined by ",".
constexpr std::size_t kKeyListBuffer = std::size_t(1) << 20;

constexpr Text kActive =
    KX_TEXT("SlaveAlarmStart", "Start selected alarms on slave server if the alarm is started on master.");
constexpr Text kSlaveIp = KX_TEXT("SlaveAlarmStart", "Slave IP-Address");
constexpr Text kSlavePort = KX_TEXT("SlaveAlarmStart", "Slave Port");
constexpr Text kRetries = KX_TEXT("SlaveAlarmStart", "Max retries for socket-connection");
constexpr Text kNotOn2ndAlarm = KX_TEXT("SlaveAlarmStart", "Do not start the alarm on the slave if the master alarm "
                                                           "is started as a 2nd alarm\nThis can be use for example "
                                                           "in evacuation sequences");
constexpr Text kStarted = KX_TEXT("SlaveAlarmStart", "Start listed alarms on slave server");
constexpr Text kPortRange = KX_TEXT("SlaveAlarmStart", "The port '%1' should be between 1 and 65535 !");
constexpr Text kNotListed = KX_TEXT("SlaveAlarmStart", "\"%1\" is not an alarm of the list.");

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The first entry of `text` that is no key, or "" when all are.
std::string firstNonKey(std::string_view text, std::vector<long>& keys)
{
    while (!trimmed(text).empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view entry = trimmed(text.substr(0, comma));
        long key = 0;
        const auto [end, error] = std::from_chars(entry.data(), entry.data() + entry.size(), key);
        if (error != std::errc() || end != entry.data() + entry.size() || key < 0)
            return entry.empty() ? std::string(",") : std::string(entry);
        keys.push_back(key);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return {};
}

// The integer profile call's reading of a stored value.
long storedNumber(std::string_view text)
{
    text = trimmed(text);
    long n = 0;
    std::from_chars(text.data(), text.data() + text.size(), n);
    return n;
}

}  // namespace

bool ParseKeyList(std::string_view text, std::vector<long>& keys)
{
    std::vector<long> found;
    if (!firstNonKey(text, found).empty())
        return false;
    keys = std::move(found);
    return true;
}

std::string JoinKeys(const std::vector<long>& keys)
{
    std::string text;
    for (long key : keys)
        text += (text.empty() ? "" : ",") + std::to_string(key);
    return text;
}

SlaveAlarmStart::SlaveAlarmStart()
    : SettingsModel(
          kName, kTitle,
          {
              CheckSetting("Active", kFile, kSection, false).label(kActive),
              TextSetting("SlaveIP", kFile, kSection, {}, kAddressBuffer).label(kSlaveIp).when("Active"),
              IntSetting("SlavePort", kFile, kSection, 4010)
                  .label(kSlavePort)
                  .when("Active")
                  .range(1, 65535, kPortRange),
              IntSetting("MaxSocketConnectionRetries", kFile, kSection, 5).label(kRetries).when("Active").spin(1, 50),
              CheckSetting("DoNotStartSlaveIf2ndAlarm", kFile, kSection, false).label(kNotOn2ndAlarm).when("Active"),
              TextSetting("StartSlaveAlarm", {}, {}, {}, kKeyListBuffer).label(kStarted).when("Active"),
          })
{}

std::vector<long> SlaveAlarmStart::startedOnSlave() const
{
    std::vector<long> keys;
    ParseKeyList(value("StartSlaveAlarm"), keys);
    return keys;
}

void SlaveAlarmStart::fill()
{
    m_alarms.clear();
    m_listed.clear();
    long first = ProfileNumber(kFile, "kxaredundant", "FirstAlarm", 0);
    long last = ProfileNumber(kFile, "kxaredundant", "LastAlarm", 0);
    if (first == 0 || last == 0) {
        const config::KeyRanges ranges = config::ReadKeyRanges();
        first = ranges.firstAlarmKey;
        last = ranges.lastAlarmKey;
    }
    const std::string path = config::MailboxTablePath();
    CDatabase table;
    if (table.Open(path.c_str())) {
        // Keys beyond the table's last record have no record to read.
        last = std::min(last, static_cast<long>(table.RecCount()) - 1);
        for (long key = std::max(first, 0L); key <= last; ++key) {
            table.Go(mailbox::RecordOfKey(key));
            std::string status, name;
            table.Read(mailbox::field::Status, status);
            if (trimmed(status) != mailbox::kStatusAlarm)
                continue;
            table.Read(mailbox::field::Comment, name);
            name.erase(name.find_last_not_of(' ') + 1);
            const std::string token = std::to_string(key);
            m_alarms.push_back({token, {}, token + "  " + name});
            m_listed.insert(key);
        }
        table.Close();
    } else {
        ErrorBox(str::AlarmDatabaseNotOpened, path);
    }
    std::sort(m_alarms.begin(), m_alarms.end(), [](const Option& a, const Option& b) { return a.text < b.text; });
    readStored();
    std::vector<long> started;
    for (long key : m_storedOn)
        if (m_listed.count(key))
            started.push_back(key);
    set("StartSlaveAlarm", JoinKeys(started));
}

void SlaveAlarmStart::readStored()
{
    m_storedOn.clear();
    const ProfileValues stored = ProfileSectionValues(kListFile, kListSection);
    for (long key : m_listed)
        if (storedNumber(stored.value(std::to_string(key))) == 1)
            m_storedOn.insert(key);
}

Change SlaveAlarmStart::change(std::string_view name, std::string_view token)
{
    if (name != "StartSlaveAlarm" || !isEnabled(name))
        return SettingsModel::change(name, token);
    std::vector<long> keys;
    const std::string bad = firstNonKey(token, keys);
    if (!bad.empty()) {
        ErrorBox(kNotListed, bad);
        return Change::Refused;
    }
    for (long key : keys) {
        if (!m_listed.count(key)) {
            ErrorBox(kNotListed, std::to_string(key));
            return Change::Refused;
        }
    }
    return SettingsModel::change(name, JoinKeys(keys));
}

void SlaveAlarmStart::collectWrites(IniWrites& writes) const
{
    for (const char* name :
         {"Active", "SlavePort", "MaxSocketConnectionRetries", "DoNotStartSlaveIf2ndAlarm", "SlaveIP"})
        addWrite(writes, name);
    const std::vector<long> left = startedOnSlave();
    const auto onLeft = [&left](long key) { return std::binary_search(left.begin(), left.end(), key); };
    for (const Option& alarm : m_alarms)
        if (onLeft(std::stol(alarm.token)))
            writes.push_back({kListFile, kListSection, alarm.token, "1"});
    for (const Option& alarm : m_alarms) {
        const long key = std::stol(alarm.token);
        if (!onLeft(key) && m_storedOn.count(key))
            writes.push_back({kListFile, kListSection, alarm.token, "0"});
    }
}

void SlaveAlarmStart::afterWrite()
{
    // A second OK compares with what this one wrote.
    readStored();
}

}  // namespace kx::integration
