#include "console/Deactivation.h"

#include "console/AlarmKeys.h"
#include "console/CommandIds.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>
#include <set>
#include <thread>

namespace kx::console {

namespace {

constexpr Text kDeactivationIncomplete =
    KX_TEXT("Deactivation", "%d of the selected alarms could not be changed: the alarm table or the file kxadeact.ini "
                            "could not be written.");

constexpr std::array<DeactivationCommand, 14> kCommands = {{
    {cmd::ActivateAlarms, 0, KX_TEXT("Deactivation", "&Activate alarms")},
    {cmd::DeactivateFor10Minutes, 10, KX_TEXT("Deactivation", "for 1&0 minutes")},
    {cmd::DeactivateFor20Minutes, 20, KX_TEXT("Deactivation", "for 20 &minutes")},
    {cmd::DeactivateFor30Minutes, 30, KX_TEXT("Deactivation", "for 30 m&inutes")},
    {cmd::DeactivateFor1Hour, 60, KX_TEXT("Deactivation", "for &1 hour")},
    {cmd::DeactivateFor2Hours, 120, KX_TEXT("Deactivation", "for &2 hours")},
    {cmd::DeactivateFor3Hours, 180, KX_TEXT("Deactivation", "for &3 hours")},
    {cmd::DeactivateFor4Hours, 240, KX_TEXT("Deactivation", "for &4 hours")},
    {cmd::DeactivateFor5Hours, 300, KX_TEXT("Deactivation", "for &5 hours")},
    {cmd::DeactivateFor6Hours, 360, KX_TEXT("Deactivation", "for &6 hours")},
    {cmd::DeactivateFor8Hours, 480, KX_TEXT("Deactivation", "for &8 hours")},
    {cmd::DeactivateFor12Hours, 720, KX_TEXT("Deactivation", "for 12 &hours")},
    {cmd::DeactivateFor18Hours, 1080, KX_TEXT("Deactivation", "for 18 h&ours")},
    {cmd::DeactivateFor24Hours, 1440, KX_TEXT("Deactivation", "for 24 ho&urs")},
}};

std::string keyName(long key)
{
    return std::to_string(key);
}

// A numeric field as the console reads it: the text, converted as a
// decimal integer (blank reads as 0).
int decimalOf(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<int>::max())
            return negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -value : value);
}

bool writeValue(long key, const std::string& value)
{
    return WriteProfileString(kDeactivationFile, kDeactivationSection, keyName(key), value);
}

// Whether the key has a record in the open table. Checked before Go, so that
// a key without one is left alone instead of raising the table's own report.
bool hasRecord(CDatabase& table, long key)
{
    return key >= 0 && mailbox::RecordOfKey(key) <= table.RecCount();
}

// Reads T82 of a key; false when the record or the field cannot be read.
bool readAlarmType(CDatabase& table, long key, int& value)
{
    if (!hasRecord(table, key))
        return false;
    table.Go(mailbox::RecordOfKey(key));
    std::string text;
    if (!table.Read(mailbox::field::AlarmType, text))
        return false;
    value = decimalOf(text);
    return true;
}

bool writeAlarmType(CDatabase& table, long key, int value)
{
    const std::string text = std::to_string(value);
    return mailbox::WriteField(table, mailbox::RecordOfKey(key), static_cast<unsigned long>(key), "num2_4",
                               text.c_str()) == 1;
}

bool appendLogLine(const std::string& path, const std::string& line)
{
    std::FILE* log = std::fopen(path.c_str(), "ab");
    if (!log)
        return false;
    const bool written = std::fwrite(line.data(), 1, line.size(), log) == line.size();
    return std::fclose(log) == 0 && written;
}

// Parses a key name of the deactivation file that is exactly "%d" of a
// number (no sign other than '-', no leading zeros, no blanks).
bool canonicalKey(std::string_view name, long& key)
{
    if (name.empty() || name.size() > 11)
        return false;
    std::size_t i = name[0] == '-' ? 1 : 0;
    if (i == name.size())
        return false;
    long long value = 0;
    for (std::size_t j = i; j < name.size(); ++j) {
        if (name[j] < '0' || name[j] > '9')
            return false;
        value = value * 10 + (name[j] - '0');
    }
    if (i == 1)
        value = -value;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return false;
    key = static_cast<long>(value);
    return std::to_string(key) == name;
}

// The keys of the range whose entry in the deactivation file is not empty,
// ascending, from one read of the section. Each is read again through the
// profile call by the caller, so the values are exactly what a read per key
// would give; keys with empty values (most entries, since entries are only
// ever emptied) and keys outside the range cost nothing.
std::vector<long> keysWithValues(long first, long last)
{
    std::vector<char> buffer(64 * 1024);
    unsigned long length = 0;
    for (;;) {
        length = GetPrivateProfileSection(kDeactivationSection, buffer.data(),
                                          static_cast<unsigned long>(buffer.size()), kDeactivationFile);
        // A dump that filled the buffer may have been cut: read it again with more room.
        if (length + 2 < buffer.size() || buffer.size() >= (std::size_t{1} << 30))
            break;
        buffer.resize(buffer.size() * 2);
    }
    std::set<long> keys;
    std::string_view dump(buffer.data(), length);
    while (!dump.empty()) {
        const std::size_t end = std::min(dump.find('\0'), dump.size());
        const std::string_view entry = dump.substr(0, end);
        dump.remove_prefix(std::min(end + 1, dump.size()));
        const std::size_t equals = entry.find('=');
        if (equals == std::string_view::npos || equals + 1 == entry.size())
            continue;  // a bare line or an empty value
        long key = 0;
        if (canonicalKey(entry.substr(0, equals), key) && key >= first && key <= last)
            keys.insert(key);
    }
    return {keys.begin(), keys.end()};
}

void sleepWhileRunning(std::chrono::milliseconds period, const std::atomic<bool>& running)
{
    constexpr std::chrono::milliseconds kStep{200};
    const auto until = std::chrono::steady_clock::now() + period;
    while (running.load()) {
        const auto now = std::chrono::steady_clock::now();
        if (now >= until)
            break;
        std::this_thread::sleep_for(std::min<std::chrono::steady_clock::duration>(kStep, until - now));
    }
}

}  // namespace

// --- The commands -------------------------------------------------------

std::span<const DeactivationCommand> DeactivationCommands()
{
    return kCommands;
}

const DeactivationCommand* FindDeactivationCommand(int id)
{
    for (const DeactivationCommand& command : kCommands)
        if (command.id == id)
            return &command;
    return nullptr;
}

// --- Deactivate / activate ---------------------------------------------

CommandTime CommandTime::Now()
{
    return At(std::time(nullptr));
}

CommandTime CommandTime::At(std::time_t now)
{
    CommandTime t;
    t.now = now;
    localtime_r(&now, &t.local);
    return t;
}

std::string DeactivationEndTime(std::time_t now, int minutes)
{
    char text[32];
    const long long end = static_cast<long long>(now) + static_cast<long long>(minutes) * 60;
    std::snprintf(text, sizeof text, "%08llX", static_cast<unsigned long long>(end));
    return text;
}

std::string DeactivationLogLine(const std::tm& local, long key, int minutes)
{
    char action[96];
    if (minutes > 0)
        std::snprintf(action, sizeof action, "Deactivate alarm %ld for %d minutes", key, minutes);
    else
        std::snprintf(action, sizeof action, "Activate alarm %ld again", key);
    char line[160];
    std::snprintf(line, sizeof line, "%02d.%02d, %02d:%02d,  %s\n", local.tm_mday, local.tm_mon + 1, local.tm_hour,
                  local.tm_min, action);
    return line;
}

std::uint64_t ParseDeactivationEndTime(std::string_view value)
{
    std::size_t i = 0;
    if (value.size() >= 2 && value[0] == '0' && (value[1] == 'x' || value[1] == 'X'))
        i = 2;
    std::uint64_t result = 0;
    for (; i < value.size(); ++i) {
        const char c = value[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            break;
        if (result > (std::numeric_limits<std::uint64_t>::max() >> 4))
            return std::numeric_limits<std::uint64_t>::max();
        result = (result << 4) | static_cast<std::uint64_t>(digit);
    }
    return result;
}

std::string DeactivationValue(long key)
{
    return ProfileString(kDeactivationFile, kDeactivationSection, keyName(key), "", kDeactivationValueBufferSize);
}

DeactivationResult Deactivate(int minutes, std::span<const long> keys, const CommandClock& clock,
                              const DeactivationOptions& options)
{
    DeactivationResult result;
    if (minutes < 0) {
        result.outcome = DeactivationOutcome::InvalidMinutes;
        return result;
    }
    const bool activate = minutes == 0;
    if (keys.empty()) {
        ErrorBox(activate ? str::SelectAlarmsToActivate : str::SelectAlarmsToDeactivate);
        result.outcome = DeactivationOutcome::NoSelection;
        return result;
    }
    const std::string tablePath =
        options.mailboxTablePath.empty() ? config::MailboxTablePath() : options.mailboxTablePath;
    CDatabase table;
    if (!table.Open(tablePath.c_str())) {
        result.outcome = DeactivationOutcome::TableNotOpened;
        return result;
    }
    ScopedClose closer(table);
    result.refused = RefuseKeysThatAreNotAlarms(table, keys);
    if (!result.refused.empty()) {
        result.outcome = DeactivationOutcome::NotAlarms;
        return result;
    }
    if (!activate) {
        // The table is opened anew after the question: records read before
        // it may have changed while it was open.
        table.Close();
        const bool yes = minutes < 60 ? ConfirmBoxNumber(str::ConfirmDeactivateMinutes, minutes, true)
                                      : ConfirmBoxNumber(str::ConfirmDeactivateHours, minutes / 60, true);
        if (!yes) {
            result.outcome = DeactivationOutcome::Declined;
            return result;
        }
        if (!table.Open(tablePath.c_str())) {
            result.outcome = DeactivationOutcome::TableNotOpened;
            return result;
        }
    }
    // The deactivation counts from the answer, not from the question: a
    // question left open must not shorten it.
    const CommandTime when = clock();
    if (!activate)
        result.endTime = DeactivationEndTime(when.now, minutes);
    const std::string logPath = options.logPath.empty() ? SitePaths::translate(kDeactivationLogPath) : options.logPath;

    for (const long key : keys) {
        int type = 0;
        if (!readAlarmType(table, key, type)) {
            result.failed.push_back(key);
            continue;
        }
        const std::string previous = DeactivationValue(key);
        if (activate) {
            if (type >= mailbox::kDeactivationOffset)
                type -= mailbox::kDeactivationOffset;
            // Not emptied: the alarm is put in service all the same, and the
            // stale end time only empties itself in a later timer cycle.
            writeValue(key, "");
        } else {
            if (type < mailbox::kDeactivationOffset)
                type += mailbox::kDeactivationOffset;
            // Without a recorded end time no timer would ever put the alarm
            // back in service: leave it active.
            if (!writeValue(key, result.endTime)) {
                result.failed.push_back(key);
                continue;
            }
        }
        if (!writeAlarmType(table, key, type)) {
            // The record keeps its old T82: put the old end time back, so that
            // the file describes the record again (and a deactivated alarm
            // whose activation failed is still found by the timer).
            writeValue(key, previous);
            result.failed.push_back(key);
            continue;
        }
        result.changed.push_back(key);
        if (!appendLogLine(logPath, DeactivationLogLine(when.local, key, minutes)))
            ++result.logLinesMissing;
    }

    if (!result.failed.empty()) {
        ErrorBoxNumber(kDeactivationIncomplete, static_cast<long>(result.failed.size()));
        result.outcome = DeactivationOutcome::Incomplete;
    }
    return result;
}

// --- Menu state ---------------------------------------------------------

bool DeactivationCommandsEnabled(int enableAlarmDeactivation)
{
    return enableAlarmDeactivation != 0;
}

std::vector<int> EnabledDeactivationCommands(int enableAlarmDeactivation)
{
    std::vector<int> ids;
    if (DeactivationCommandsEnabled(enableAlarmDeactivation))
        for (const DeactivationCommand& command : kCommands)
            ids.push_back(command.id);
    return ids;
}

int CheckedDeactivationCommandFor(long key, std::string_view value, std::time_t now)
{
    if (key <= 9 || value.size() != 8)
        return 0;
    const std::uint64_t end = ParseDeactivationEndTime(value);
    const long long remaining = static_cast<long long>(end) - static_cast<long long>(now);
    if (remaining <= 0)
        return 0;
    // The first duration whose length the remaining seconds do not exceed.
    for (const DeactivationCommand& command : kCommands)
        if (command.minutes > 0 && remaining <= command.minutes * 60L)
            return command.id;
    return 0;
}

int CheckedDeactivationCommand(std::span<const long> selectedKeys, std::time_t now)
{
    if (selectedKeys.empty() || selectedKeys.front() <= 9)
        return 0;
    const long key = selectedKeys.front();
    return CheckedDeactivationCommandFor(key, DeactivationValue(key), now);
}

// --- The timer ----------------------------------------------------------

DeactivationTimer::DeactivationTimer(int enableAlarmDeactivation, std::string mailboxTablePath)
    : m_enable(enableAlarmDeactivation),
      m_tablePath(mailboxTablePath.empty() ? config::MailboxTablePath() : std::move(mailboxTablePath)),
      m_sleeper(sleepWhileRunning),
      m_clock([] { return std::time(nullptr); })
{}

void DeactivationTimer::setSleeper(Sleeper sleeper)
{
    m_sleeper = sleeper ? std::move(sleeper) : Sleeper(sleepWhileRunning);
}

void DeactivationTimer::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock([] { return std::time(nullptr); });
}

TimerCycleReport DeactivationTimer::cycle(std::time_t now)
{
    TimerCycleReport report;
    const long first = ProfileInt(config::kAlarmFile, "config", "FirstAlarmKey", 10);
    const long last = ProfileInt(config::kAlarmFile, "config", "LastAlarmKey", 9999);
    // Any non-zero value enables the timer, as it enables the commands:
    // alarms deactivated through the menu must also come back.
    if (m_enable == 0 || first > last)
        return report;
    report.ran = true;
    for (const long key : keysWithValues(first, last)) {
        const std::string value = DeactivationValue(key);
        if (value.empty())
            continue;
        const std::uint64_t end = ParseDeactivationEndTime(value);
        if (now < 0 || end > static_cast<std::uint64_t>(now))
            continue;
        (reactivate(key, value) ? report.reactivated : report.retried).push_back(key);
    }
    return report;
}

bool DeactivationTimer::reactivate(long key, const std::string& value)
{
    // The table is opened before the value is emptied: a value emptied while
    // T82 stays raised would leave the alarm out of service with no end.
    CDatabase table;
    if (!table.Open(m_tablePath.c_str()))
        return false;
    ScopedClose closer(table);
    // The value is emptied before T82 is lowered, so that a deactivation
    // given in between (new end time, T82 raised) is lowered early at worst,
    // never left raised without an end time.
    writeValue(key, "");
    if (!hasRecord(table, key))
        return true;  // no record that could stay deactivated
    int type = 0;
    if (!readAlarmType(table, key, type) ||
        (type >= mailbox::kDeactivationOffset && !writeAlarmType(table, key, type - mailbox::kDeactivationOffset))) {
        // T82 is still raised: give the end time back for the next cycle,
        // unless a new deactivation has written one meanwhile.
        if (DeactivationValue(key).empty())
            writeValue(key, value);
        return false;
    }
    return true;
}

void DeactivationTimer::run(const std::atomic<bool>& running)
{
    while (running.load()) {
        cycle(m_clock());
        if (!running.load())
            break;
        m_sleeper(kPeriod, running);
    }
}

}  // namespace kx::console
