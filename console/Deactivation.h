#pragma once
// Timed deactivation of alarms.
//
// An operator takes selected alarms out of service for 10 minutes to 24 hours
// and may put them back before that. A deactivated alarm keeps its
// configuration; its type field num2_4 (T82) is raised by 50, which the alarm
// server reads as "do not launch". The end of each deactivation is kept in
// section DeactivatedAlarms of kxadeact.ini (bare name: the Windows
// directory), one key per alarm ("%d"), the value the end time in seconds
// since 1970 (UTC) as eight upper-case hexadecimal digits; an empty value
// means not deactivated, and entries are emptied, never removed. A
// background timer puts alarms back in service once their end time has
// passed. Every deactivation and activation given by the operator is
// appended to "log\kxadeact.log" in the working directory.
//
// The clock is always passed in (CommandTime, or `now` for the timer), so
// that nothing here depends on when it runs.

#include "platform/Text.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kx::console {

constexpr const char* kDeactivationFile = "kxadeact.ini";
constexpr const char* kDeactivationSection = "DeactivatedAlarms";
constexpr const char* kDeactivationLogPath = "log\\kxadeact.log";  // relative to the working directory
// Values are read as a buffer of 40 bytes would hold them: 39 characters.
constexpr std::size_t kDeactivationValueBufferSize = 40;

// --- The commands -------------------------------------------------------

struct DeactivationCommand {
    int id;       // menu command id
    int minutes;  // 0: activate
    Text text;    // the menu text
};
// The submenu that holds the durations.
constexpr Text kDeactivateAlarmsMenu = KX_TEXT("Deactivation", "D&eactivate alarms");

// The fourteen commands in menu order: "Activate alarms"
// (cmd::ActivateAlarms), then the durations "for 10 minutes" to "for 24
// hours" (cmd::DeactivateFor10Minutes .. cmd::DeactivateFor24Hours).
std::span<const DeactivationCommand> DeactivationCommands();
// The command of a menu id; nullptr for any other id.
const DeactivationCommand* FindDeactivationCommand(int id);

// --- Deactivate / activate ---------------------------------------------

// When the operator gave a command: the time the end time counts from, and
// the local time the log lines show.
struct CommandTime {
    std::time_t now = 0;
    std::tm local{};

    // The system clock and the local time zone.
    static CommandTime Now();
    // `now` with its local time.
    static CommandTime At(std::time_t now);
};
// Where a command takes its time from, once the operator has answered.
using CommandClock = std::function<CommandTime()>;

struct DeactivationOptions {
    // Stored Windows path of the mailbox table; empty: config::MailboxTablePath().
    std::string mailboxTablePath;
    // Native path of the log; empty: "log\kxadeact.log" in the working directory.
    std::string logPath;
};

enum class DeactivationOutcome {
    Done,            // every key was changed
    NoSelection,     // no key given: error box 61699 / 61700 shown
    Declined,        // the operator answered No
    InvalidMinutes,  // minutes below 0: nothing done
    TableNotOpened,  // the mailbox table could not be opened: nothing done, no message
    NotAlarms,       // some keys are not alarms of the alarm range: one error box names them, nothing done
    Incomplete,      // some keys could not be changed: one error box names how many
};

struct DeactivationResult {
    DeactivationOutcome outcome = DeactivationOutcome::Done;
    std::vector<long> changed;  // keys whose T82 was written (and logged), in the order given
    std::vector<long> failed;   // keys left as they were: no record, or a write failed
    std::vector<long> refused;  // keys that are not alarms of the alarm range (NotAlarms)
    int logLinesMissing = 0;    // lines that could not be appended to the log
    std::string endTime;        // the "%08X" end time of a deactivation ("" when activating)
};

// Minutes 0 activates the keys, any other value deactivates them for that
// many minutes. `keys` are the selected alarms in list order; a key that is
// not an alarm of the alarm range refuses the whole command. Asks for a
// confirmation before a deactivation (No is the default button), then takes
// the time from `clock`.
//
// Per key: reads T82 and writes it back raised by 50 (deactivate, unless it
// already is 50 or more) or lowered by 50 (activate, if it is 50 or more),
// also when unchanged; sets the key's value in kxadeact.ini to the end time
// or empties it; appends one log line.
//
// A key is only reported as changed when its T82 write reached the table.
// The INI value is written first, so that a timer cycle running at the same
// moment never sees a raised T82 with a stale end time; when the T82 write
// then fails, the previous INI value is put back. A deactivation whose end
// time cannot be recorded leaves the alarm active (it would otherwise stay
// deactivated with no end); an activation goes on even then (the alarm is in
// service again, and the stale end time later only empties itself).
DeactivationResult Deactivate(int minutes, std::span<const long> keys, const CommandClock& clock = CommandTime::Now,
                              const DeactivationOptions& options = {});

// The end time of a deactivation for `minutes` from `now`: "%08X".
std::string DeactivationEndTime(std::time_t now, int minutes);
// The log line "%02d.%02d, %02d:%02d,  <text>\n" (day, month, hour, minute).
std::string DeactivationLogLine(const std::tm& local, long key, int minutes);
// An INI value read as hexadecimal: leading hex digits (after an optional
// "0x"), 0 when there are none; saturates instead of overflowing.
std::uint64_t ParseDeactivationEndTime(std::string_view value);
// The key's value in kxadeact.ini, cut to 39 characters.
std::string DeactivationValue(long key);

// --- Menu state ---------------------------------------------------------

// All fourteen commands are enabled while EnableAlarmDeactivation (as read
// at start) is non-zero, none otherwise.
bool DeactivationCommandsEnabled(int enableAlarmDeactivation);
std::vector<int> EnabledDeactivationCommands(int enableAlarmDeactivation);

// The duration command that carries the check mark for the first selected
// alarm, 0 for none: the key must be above 9 and its value exactly eight
// characters; the remaining seconds (end time - now) must be above 0; the
// command is the first whose limit (600, 1200, 1800, 3600, 7200, 10800,
// 14400, 18000, 21600, 28800, 43200, 64800, 86400 s) is not exceeded.
int CheckedDeactivationCommandFor(long key, std::string_view value, std::time_t now);
// The same for the selection (reads the first key's value); 0 when empty.
int CheckedDeactivationCommand(std::span<const long> selectedKeys, std::time_t now);

// --- The timer ----------------------------------------------------------

struct TimerCycleReport {
    bool ran = false;               // enabled and FirstAlarmKey <= LastAlarmKey
    std::vector<long> reactivated;  // value emptied and T82 lowered (or already below 50)
    std::vector<long> retried;      // expired, but left for the next cycle: table not openable or write failed
};

// Puts alarms back in service when their end time has passed. The main view
// starts run() on a thread of its own; each cycle opens its own table object.
class DeactivationTimer {
public:
    static constexpr std::chrono::milliseconds kPeriod{60000};

    // Waits `period`; may return early once `running` is cleared.
    using Sleeper = std::function<void(std::chrono::milliseconds period, const std::atomic<bool>& running)>;
    using Clock = std::function<std::time_t()>;

    // `enableAlarmDeactivation` as read at start; `mailboxTablePath` a stored
    // Windows path (empty: config::MailboxTablePath() at construction).
    explicit DeactivationTimer(int enableAlarmDeactivation, std::string mailboxTablePath = {});

    // Defaults: a sleeper that waits in short steps and returns as soon as
    // `running` is cleared; the system clock.
    void setSleeper(Sleeper sleeper);
    void setClock(Clock clock);

    // One cycle at time `now`: reads FirstAlarmKey / LastAlarmKey (10 / 9999)
    // of kxalarm.ini anew; for each key of that range with a value not later
    // than now: empties the value and lowers T82 by 50 if it is 50 or more.
    // When the table cannot be opened or T82 cannot be written, the value is
    // kept, so that the next cycle tries again.
    TimerCycleReport cycle(std::time_t now);

    // Cycles, then sleeps kPeriod, for as long as `running` is set.
    void run(const std::atomic<bool>& running);

private:
    bool reactivate(long key, const std::string& value);

    int m_enable;
    std::string m_tablePath;
    Sleeper m_sleeper;
    Clock m_clock;
};

}  // namespace kx::console
