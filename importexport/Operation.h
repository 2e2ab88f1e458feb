#pragma once
// What the import and export operations share: the progress they report,
// the cancel flag they honour, and the result they return instead of
// talking to the operator themselves (they run on a worker thread; the
// window shows the result on its own thread when the worker has ended,
// kxalarmctl prints it).

#include <atomic>
#include <functional>
#include <string>
#include <vector>

namespace kx::importexport {

enum class Phase {
    Check,   // reading and checking a file to import, by lines
    Write,   // writing what was checked, by lines
    Export,  // writing an export, by keys
};

struct OperationControl {
    // Called on the operation's thread: at the start of a phase (done 0),
    // each time the whole percentage grows, and at its end (done == total).
    std::function<void(Phase phase, long done, long total)> progress;
    // Honoured while checking (nothing is written) and while exporting (the
    // old file is kept), not while writing an import.
    const std::atomic<bool>* cancel = nullptr;

    bool cancelled() const { return cancel && cancel->load(); }
};

// Reports the progress of a phase of `total` steps to a control: the start,
// each whole percentage, the end.
class ProgressSteps {
public:
    ProgressSteps(const OperationControl& control, Phase phase, long total);
    // `done` steps are done (called with growing values).
    void at(long done);
    void finish() { at(m_total); }

private:
    const OperationControl& m_control;
    Phase m_phase;
    long m_total;
    int m_percent = -1;
};

enum class Outcome {
    Done,             // done as it stood
    DoneWithRemarks,  // done, with values cut, values not written or lines skipped
    Refused,          // nothing written
    Cancelled,        // nothing written (an export keeps the old file)
    Stopped,          // a write failed: what was written before stays
};

struct OperationResult {
    Outcome outcome = Outcome::Done;
    std::string error;                 // why it was refused or stopped (UTF-8, the operator's language)
    std::vector<std::string> remarks;  // each value cut or not written, each line skipped (UTF-8)
    long count = 0;                    // lines imported, persons imported or alarms exported
    long valuesCut = 0;
    long valuesNotWritten = 0;
    long linesSkipped = 0;
};

// The separator set of the CSV files: "CSVSeparationChar" of section
// "config" of kxalarm.ini (9 characters), ";" when the key is missing.
std::string CsvSeparators();

// Shows a result through the message boxes: a refusal or stop as an error;
// the remarks in one box (the first 20 and their count); the operation's
// success messages only when there were no remarks. Call it on the thread
// that may show message boxes.
enum class Operation {
    AlarmImport,
    PersonsImport,
    AlarmExport
};
void ShowResult(Operation operation, const OperationResult& result);

}  // namespace kx::importexport
