// kxalarmctl import / export: the CSV import of alarms and persons and the
// export of the alarms, with the window's operations.

#include "app/ctl/CtlCommand.h"
#include "importexport/AlarmExport.h"
#include "importexport/AlarmImport.h"
#include "importexport/PersonsImport.h"
#include "platform/MessageBoxes.h"

#include <atomic>
#include <csignal>
#include <cstdio>
#include <functional>

namespace kx::ctl {

namespace {

using namespace importexport;

constexpr int kExitRemarks = 2;
constexpr int kExitStopped = 3;

// The signal handler sets the operation's cancel flag itself.
static_assert(std::atomic<bool>::is_always_lock_free);
std::atomic<bool> g_cancel{false};

extern "C" void onOperationCancelSignal(int)
{
    g_cancel.store(true);
}

const char* phaseName(Phase phase)
{
    switch (phase) {
    case Phase::Check:
        return "check";
    case Phase::Write:
        return "write";
    case Phase::Export:
        return "export";
    }
    return "";
}

using Work = std::function<OperationResult(const std::string& file, const OperationControl& control)>;

// Parses "FILE [--quiet]" after the kind, runs the operation on this thread (SIGINT
// and SIGTERM raise its cancel flag), prints its messages to standard error
// and the summary to standard output.
int runOperation(const Command& self, const Arguments& args, const Work& work,
                 const std::function<std::string(const OperationResult&)>& summary, const char* cancelled)
{
    bool quiet = false;
    std::vector<std::string> files;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--quiet")
            quiet = true;
        else
            files.push_back(args[i]);
    }
    if (files.size() != 1 || files[0].empty())
        return UsageError(self, "expects one FILE");

    OperationControl control;
    control.cancel = &g_cancel;
    if (!quiet) {
        control.progress = [](Phase phase, long done, long total) {
            std::fprintf(stderr, "progress: %s %ld/%ld\n", phaseName(phase), done, total);
            std::fflush(stderr);
        };
    }
    struct sigaction action {
    }, oldInt{}, oldTerm{};
    action.sa_handler = onOperationCancelSignal;
    action.sa_flags = SA_RESTART;  // a read or write under way goes on
    sigemptyset(&action.sa_mask);
    g_cancel = false;
    sigaction(SIGINT, &action, &oldInt);
    sigaction(SIGTERM, &action, &oldTerm);
    const OperationResult result = work(files[0], control);
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGTERM, &oldTerm, nullptr);

    // Every remark, not only the first ones a message box shows.
    for (const std::string& remark : result.remarks)
        ErrorBoxText(remark);
    switch (result.outcome) {
    case Outcome::Refused:
    case Outcome::Stopped:
        ErrorBoxText(result.error);
        break;
    case Outcome::Cancelled:
        Fail(cancelled);
        break;
    case Outcome::Done:
    case Outcome::DoneWithRemarks:
        break;
    }
    std::printf("%s\n", summary(result).c_str());
    switch (result.outcome) {
    case Outcome::Done:
        return kExitOk;
    case Outcome::DoneWithRemarks:
        return kExitRemarks;
    case Outcome::Stopped:
        return kExitStopped;
    case Outcome::Refused:
    case Outcome::Cancelled:
        break;
    }
    return kExitFailed;
}

std::string alarmsImported(const OperationResult& r)
{
    return "imported " + std::to_string(r.count) + " lines, " + std::to_string(r.valuesCut) + " values cut, " +
           std::to_string(r.valuesNotWritten) + " values not written";
}

std::string personsImported(const OperationResult& r)
{
    return "imported " + std::to_string(r.count) + " persons, " + std::to_string(r.linesSkipped) + " lines skipped";
}

int RunImport(const Arguments& args)
{
    const Command& self = *FindCommand("import");
    if (args.empty() || (args[0] != "alarms" && args[0] != "persons"))
        return UsageError(self, "expects alarms or persons");
    if (args[0] == "persons")
        return runOperation(
            self, args,
            [](const std::string& file, const OperationControl& c) { return ImportPersons(file, CsvSeparators(), c); },
            personsImported, "cancelled; nothing was written");
    return runOperation(
        self, args,
        [](const std::string& file, const OperationControl& c) { return ImportAlarms(file, CsvSeparators(), c); },
        alarmsImported, "cancelled; nothing was written");
}

int RunExport(const Arguments& args)
{
    const Command& self = *FindCommand("export");
    if (args.empty() || args[0] != "alarms")
        return UsageError(self, "expects alarms");
    return runOperation(
        self, args, [](const std::string& file, const OperationControl& c) { return ExportAlarms(file, c); },
        [](const OperationResult& r) { return "exported " + std::to_string(r.count) + " alarms"; },
        "cancelled; the old file is kept");
}

const CommandRegistration
    importRegistration(85,
                       {"import", "import alarms|persons FILE [--quiet]",
                        "Imports a CSV file (FILE a native path) as the window's \"Import\" buttons do: alarms by the\n"
                        "schema kxaimport.ini, persons into the persons table. Separators: CSVSeparationChar of\n"
                        "kxalarm.ini, \";\" when it is missing. Standard error: the messages, and \"progress: PHASE\n"
                        "DONE/TOTAL\" lines (PHASE check or write, by lines) at the start, at each whole percentage\n"
                        "and at the end, which --quiet drops. Standard output: \"imported N lines, C values cut, S\n"
                        "values not written\" or \"imported N persons, K lines skipped\". SIGINT or SIGTERM cancels\n"
                        "while checking, not while writing. Exit 0 imported as it stood, 1 refused or cancelled\n"
                        "(nothing written), 2 imported with values cut, values not written or lines skipped,\n"
                        "3 stopped by a failed write (what was written before stays).",
                        RunImport});
const CommandRegistration exportRegistration(
    86, {"export", "export alarms FILE [--quiet]",
         "Exports every alarm of the alarm range to a CSV file (FILE a native path) as the window's\n"
         "\"Export\" button does, always separated by \";\". The file is written under a temporary name\n"
         "and renamed at the end. Standard error: the messages and \"progress: export DONE/TOTAL\"\n"
         "lines (by keys; --quiet drops them); standard output: \"exported N alarms\". SIGINT or\n"
         "SIGTERM cancels. Exit 0 exported, 1 refused or cancelled (the old file is kept), 3 a\n"
         "write error (the old file is kept).",
         RunExport});

}  // namespace

}  // namespace kx::ctl
