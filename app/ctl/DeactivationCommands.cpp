// kxalarmctl deactivate / activate / timer-cycle: timed deactivation of
// alarms, on the console's own model.

#include "app/ctl/CtlCommand.h"
#include "console/Deactivation.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "platform/SitePaths.h"
#include "platform/TextEncoding.h"

#include <cstdio>
#include <ctime>

namespace kx::ctl {

namespace {

constexpr long kMaxMinutes = 1440;  // the longest duration the window offers

// The window offers the commands only while the feature is enabled.
bool deactivationEnabled()
{
    return console::DeactivationCommandsEnabled(config::EnableAlarmDeactivation());
}

int runDeactivation(int minutes, const std::vector<long>& keys)
{
    if (!deactivationEnabled())
        return Fail("timed deactivation is not enabled (EnableAlarmDeactivation in section config of kxalarm.ini)");
    const std::string tablePath = config::MailboxTablePath();
    console::DeactivationOptions options;
    options.mailboxTablePath = tablePath;
    options.logPath = SitePaths::translate(console::kDeactivationLogPath);
    const console::DeactivationResult result = console::Deactivate(minutes, keys, console::CommandTime::Now, options);

    switch (result.outcome) {
    case console::DeactivationOutcome::Declined:
        return Fail("not confirmed; nothing changed");
    case console::DeactivationOutcome::NotAlarms:
        return kExitFailed;  // the error box has named the keys
    case console::DeactivationOutcome::TableNotOpened:
        return Fail("cannot open the mailbox table " + Cp1252ToUtf8(tablePath) + ": " + CDatabase::LastError(), 2);
    case console::DeactivationOutcome::NoSelection:
    case console::DeactivationOutcome::InvalidMinutes:
        return kExitUsage;  // the arguments are checked before; not reached
    case console::DeactivationOutcome::Done:
    case console::DeactivationOutcome::Incomplete:
        break;
    }
    for (long key : result.changed) {
        if (minutes > 0)
            std::printf("%ld\tdeactivated\t%s\n", key, result.endTime.c_str());
        else
            std::printf("%ld\tactivated\n", key);
    }
    std::fflush(stdout);
    if (result.logLinesMissing > 0)
        Fail(std::to_string(result.logLinesMissing) + " line(s) could not be appended to " + options.logPath);
    for (long key : result.failed)
        Fail("key " + std::to_string(key) + " was not changed (no record, or a write failed)");
    return result.failed.empty() ? kExitOk : kExitFailed;
}

int RunDeactivate(const Arguments& args)
{
    const Command& self = *FindCommand("deactivate");
    if (args.empty())
        return UsageError(self, "expects MINUTES and at least one KEY");
    long minutes = 0;
    if (!ParseNumber(args[0], minutes) || minutes < 0 || minutes > kMaxMinutes)
        return UsageError(self, "MINUTES must be a number from 0 to " + std::to_string(kMaxMinutes));
    std::vector<long> keys;
    if (int code = ParseKeys(self, args, 1, keys))
        return code;
    return runDeactivation(static_cast<int>(minutes), keys);
}

int RunActivate(const Arguments& args)
{
    const Command& self = *FindCommand("activate");
    std::vector<long> keys;
    if (int code = ParseKeys(self, args, 0, keys))
        return code;
    return runDeactivation(0, keys);
}

int RunTimerCycle(const Arguments& args)
{
    const Command& self = *FindCommand("timer-cycle");
    if (!args.empty())
        return UsageError(self, "takes no arguments");
    console::DeactivationTimer timer(config::EnableAlarmDeactivation(), config::MailboxTablePath());
    const console::TimerCycleReport report = timer.cycle(std::time(nullptr));
    if (!report.ran) {
        Fail("nothing to do: timed deactivation is not enabled, or FirstAlarmKey is above LastAlarmKey", kExitOk);
        return kExitOk;
    }
    for (long key : report.reactivated)
        std::printf("%ld\tactivated\n", key);
    std::fflush(stdout);
    for (long key : report.retried)
        Fail("key " + std::to_string(key) +
             ": the mailbox table could not be opened or written; its end time is kept for the next cycle");
    return report.retried.empty() ? kExitOk : 2;
}

const CommandRegistration deactivateRegistration(
    70, {"deactivate", "deactivate MINUTES KEY...",
         "Deactivates the alarms for MINUTES minutes (1 to 1440), as the window's \"Deactivate alarms\"\n"
         "entries do; MINUTES 0 activates them. Asks for a confirmation first (--yes / --no answer it).\n"
         "Each alarm's type (num2_4) is raised by 50, its end time is written to section\n"
         "DeactivatedAlarms of kxadeact.ini, and a line is appended to log\\kxadeact.log in the\n"
         "working directory. Prints \"KEY<tab>deactivated<tab>END\" (END: hexadecimal seconds since\n"
         "1970) or \"KEY<tab>activated\" per changed key. Needs EnableAlarmDeactivation=1 in section\n"
         "config of kxalarm.ini. A key that is not an alarm of the alarm range refuses the whole\n"
         "command. Exit 0 when every key was changed, 1 when one was not (or a key was refused, or\n"
         "the question was answered No), 2 when the mailbox table could not be opened.",
         RunDeactivate});
const CommandRegistration activateRegistration(
    71, {"activate", "activate KEY...",
         "Puts the alarms back in service, as the window's \"Activate alarms\": the alarm type\n"
         "(num2_4) loses the 50 of a deactivation, the end time in kxadeact.ini is emptied and a line\n"
         "is appended to log\\kxadeact.log. An alarm that is not deactivated keeps its type and is\n"
         "still logged. Output and exit codes as for deactivate.",
         RunActivate});
const CommandRegistration timerCycleRegistration(
    72, {"timer-cycle", "timer-cycle",
         "Runs one cycle of the deactivation timer now: every alarm of the range FirstAlarmKey to\n"
         "LastAlarmKey (section config of kxalarm.ini) whose end time has passed is put back in\n"
         "service and its end time emptied. Prints \"KEY<tab>activated\" per alarm. Does nothing while\n"
         "EnableAlarmDeactivation is 0. Exit 2 when an alarm could not be put back (the mailbox table\n"
         "could not be opened or written); its end time is then kept for the next cycle.",
         RunTimerCycle});

}  // namespace

}  // namespace kx::ctl
