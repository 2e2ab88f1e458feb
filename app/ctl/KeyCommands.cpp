// kxalarmctl add / delete: adding and deleting alarms and alarms-in with
// the window's models and writer run.

#include "alarmconfig/KeyChoice.h"
#include "alarmconfig/KeyRun.h"
#include "app/ctl/CtlCommand.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "platform/TextEncoding.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <thread>

namespace kx::ctl {

namespace {

using alarmconfig::RunEnd;

constexpr int kExitCanceled = 2;

volatile std::sig_atomic_t g_cancelSignal = 0;

extern "C" void onCancelSignal(int)
{
    g_cancelSignal = 1;
}

struct KeyArgs {
    bool alarm = true;
    bool list = false;
    std::vector<long> keys;  // as given, ranges expanded
};

int parseKeyArgs(const Command& self, const Arguments& args, KeyArgs& out)
{
    if (args.empty() || (args[0] != "alarms" && args[0] != "alarms-in"))
        return UsageError(self, "expects alarms or alarms-in");
    out.alarm = args[0] == "alarms";
    if (args.size() == 2 && args[1] == "--list") {
        out.list = true;
        return kExitOk;
    }
    if (args.size() < 2)
        return UsageError(self, "expects --list or at least one KEY or FIRST-LAST");
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        const std::size_t dash = a.find('-', 1);
        long first = 0, last = 0;
        if (dash == std::string::npos) {
            if (int code = ParseKey(a, first))
                return code;
            last = first;
        } else if (ParseKey(a.substr(0, dash), first) != kExitOk || ParseKey(a.substr(dash + 1), last) != kExitOk ||
                   first > last) {
            return UsageError(self, "'" + a + "' is no range FIRST-LAST");
        }
        for (long key = first; key <= last; ++key)
            out.keys.push_back(key);
    }
    return kExitOk;
}

// Runs the writer as the window does: "N %" lines and the end text on
// standard error, the keys written on standard output; SIGINT or SIGTERM
// cancels between keys.
int runKeys(const std::string& tablePath, alarmconfig::RunKind kind, std::vector<long> keys)
{
    RunEnd end;
    alarmconfig::KeyRun::Events events;
    events.progress = [](int percent) {
        std::fprintf(stderr, "%d %%\n", percent);
        std::fflush(stderr);
    };
    events.written = [](long key) {
        std::printf("%ld\n", key);
        std::fflush(stdout);
    };
    events.ended = [&end](const RunEnd& e) { end = e; };
    struct sigaction action {
    }, oldInt{}, oldTerm{};
    action.sa_handler = onCancelSignal;
    sigemptyset(&action.sa_mask);
    g_cancelSignal = 0;
    sigaction(SIGINT, &action, &oldInt);
    sigaction(SIGTERM, &action, &oldTerm);
    alarmconfig::KeyRun run(tablePath, kind, std::move(keys), std::move(events));
    run.start();
    while (!run.ended()) {
        if (g_cancelSignal)
            run.cancel();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    run.wait();
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);
    std::fprintf(stderr, "%s\n", alarmconfig::KeyRun::EndText(kind, end).c_str());
    switch (end.outcome) {
    case RunEnd::Outcome::Finished:
        return end.changed.empty() ? kExitOk : kExitFailed;
    case RunEnd::Outcome::Canceled:
        return kExitCanceled;
    case RunEnd::Outcome::Failed:
        break;
    }
    return kExitFailed;
}

int openTable(CDatabase& table, const std::string& path)
{
    if (table.Open(path.c_str()))
        return kExitOk;
    return Fail("cannot open the mailbox table " + Cp1252ToUtf8(path) + ": " + CDatabase::LastError());
}

int RunAdd(const Arguments& args)
{
    const Command& self = *FindCommand("add");
    KeyArgs a;
    if (int code = parseKeyArgs(self, args, a))
        return code;
    const config::KeyRanges r = config::ReadKeyRanges();
    const std::string path = config::MailboxTablePath();
    CDatabase table;
    if (int code = openTable(table, path))
        return code;
    ScopedClose closing(table);
    const std::vector<long> offered = alarmconfig::KeysToAdd(table, a.alarm ? r.firstAlarmKey : r.firstAlarmInKey,
                                                             a.alarm ? r.lastAlarmKey : r.lastAlarmInKey);
    if (a.list) {
        for (long key : offered)
            std::printf("%ld\n", key);
        return kExitOk;
    }
    alarmconfig::SortAsText(a.keys);
    a.keys.erase(std::unique(a.keys.begin(), a.keys.end()), a.keys.end());
    for (long key : a.keys) {
        if (std::find(offered.begin(), offered.end(), key) == offered.end())
            return Fail("key " + std::to_string(key) + " is not offered for adding (no free key of the " +
                        (a.alarm ? "alarm" : "alarm-in") + " range); nothing was written");
    }
    if (!alarmconfig::ConfirmMailboxes(table, a.keys))
        return Fail("not confirmed; nothing written");
    table.Close();
    return runKeys(path, {true, a.alarm}, std::move(a.keys));
}

int RunDelete(const Arguments& args)
{
    const Command& self = *FindCommand("delete");
    KeyArgs a;
    if (int code = parseKeyArgs(self, args, a))
        return code;
    const config::KeyRanges r = config::ReadKeyRanges();
    const long first = a.alarm ? r.firstAlarmKey : r.firstAlarmInKey;
    const long last = a.alarm ? r.lastAlarmKey : r.lastAlarmInKey;
    const std::string path = config::MailboxTablePath();
    CDatabase table;
    if (int code = openTable(table, path))
        return code;
    ScopedClose closing(table);
    const std::vector<alarmconfig::DeleteEntry> entries = alarmconfig::DeleteEntries(table, first, last, a.alarm);
    if (a.list) {
        for (const alarmconfig::DeleteEntry& e : entries)
            std::printf("%s\n", EscapeControls(e.text).c_str());
        return kExitOk;
    }
    std::sort(a.keys.begin(), a.keys.end());
    a.keys.erase(std::unique(a.keys.begin(), a.keys.end()), a.keys.end());
    for (long key : a.keys) {
        if (std::none_of(entries.begin(), entries.end(), [key](const auto& e) { return e.key == key; }))
            return Fail("key " + std::to_string(key) + " is no " +
                        (a.alarm ? "alarm of the alarm" : "alarm-in of the alarm-in") + " range; nothing was written");
    }
    table.Close();
    if (a.keys.size() == 1) {
        const auto it =
            std::find_if(entries.begin(), entries.end(), [&a](const auto& e) { return e.key == a.keys[0]; });
        if (!alarmconfig::DeleteSingle(path, a.keys[0], Utf8ToCp1252Lossy(it->text), a.alarm, first, last))
            return kExitFailed;
        std::printf("%ld\n", a.keys[0]);
        return kExitOk;
    }
    if (!alarmconfig::ConfirmBulkDelete(a.alarm))
        return Fail("not confirmed; nothing written");
    return runKeys(path, {false, a.alarm}, std::move(a.keys));
}

const CommandRegistration
    addRegistration(80,
                    {"add", "add alarms|alarms-in --list | KEY|FIRST-LAST...",
                     "Adds alarms or alarms-in as the window's \"Add\" dialog does. --list prints the keys it offers\n"
                     "(\"Not used yet:\"), one a line, in its text order. Otherwise the keys given (text order,\n"
                     "duplicates dropped) become new records; a key not offered refuses the command before\n"
                     "anything is written. Keys that are mailboxes of the voice platform are asked about first\n"
                     "(--yes / --no answer). Standard error: each new percentage as \"N %\", then the end text;\n"
                     "standard output: each key written. SIGINT or SIGTERM cancels between keys. Exit 0 finished,\n"
                     "1 refused, answered No, failed or a key changed meanwhile, 2 cancelled.",
                     RunAdd});
const CommandRegistration
    deleteRegistration(81,
                       {"delete", "delete alarms|alarms-in --list | KEY|FIRST-LAST...",
                        "Deletes alarms or alarms-in (their records become free keys). --list prints the delete\n"
                        "dialog's entries (\"KEY NAME\"). One key is deleted as the window's single delete (its\n"
                        "question names \"KEY NAME\"), more keys after the bulk question in key order, with output,\n"
                        "cancel and exit codes as for add. A key that is not of the kind or outside its range\n"
                        "refuses the command before anything is written.",
                        RunDelete});

}  // namespace

}  // namespace kx::ctl
