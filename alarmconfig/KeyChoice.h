#pragma once
// What the "Add" and "Delete" dialogs offer and ask before a run: the free
// keys of a range, the alarms or alarms-in to delete, the questions, and the
// single delete, which writes its key at once on the calling thread.

#include "alarmconfig/KeyRun.h"
#include "platform/Text.h"

#include <cstddef>
#include <string>
#include <vector>

class CDatabase;

namespace kx::alarmconfig {

// The texts of the "Add" dialog and its progress dialog for a mode.
struct AddTexts {
    Text frame;    // "Add new alarms"
    Text caption;  // "New alarms:"
    Text footer;   // "New alarm"
    Text noneSelected;
    Text cancelQuestion;
};
AddTexts AddTextsOf(bool alarm);
// The texts of a delete dialog and the bulk delete's progress dialog.
struct DeleteTexts {
    Text frame;       // "Delete alarm"
    Text choose;      // "Select alarm"
    Text empty;       // "No alarms to select"
    Text runFrame;    // "All selected alarms will be deleted"
    Text runCaption;  // "Delete alarms"
    Text cancelQuestion;
};
DeleteTexts DeleteTextsOf(bool alarm);
extern const Text kNotUsedYet;  // "Not used yet:"
extern const Text kSetState;    // the adding progress dialog's title

// Keys sorted as decimal text ("100" before "20").
void SortAsText(std::vector<long>& keys);
// The keys of first..last that have a record and are neither an alarm nor
// an alarm-in, sorted as text.
std::vector<long> KeysToAdd(CDatabase& table, long first, long last);
// Before adding: keys whose status is not "11" (blank too) are mailboxes of
// the voice platform, whose data adding overwrites; asks (No as default)
// when there are any. True when the run may go ahead.
bool ConfirmMailboxes(CDatabase& table, const std::vector<long>& keys);

// An entry of a delete dialog: "%d %s" with the name, "[No definition]"
// (alarms) or the function's name (alarms-in) when it has none (UTF-8).
struct DeleteEntry {
    long key;
    std::string text;
};
std::vector<DeleteEntry> DeleteEntries(CDatabase& table, long first, long last, bool alarm);

// The main window's delete by the number of selected rows.
enum class DeleteWay {
    Dialog,  // none, or 9000 and more: the delete dialog
    Single,  // one: the single delete
    Bulk,    // the bulk question, then a run
};
DeleteWay DeleteWayOf(std::size_t selectedRows);
// The bulk question (No as default); true on Yes.
bool ConfirmBulkDelete(bool alarm);

// Single delete of `key` named `text` ("KEY NAME", Windows-1252): checks the
// range, asks (No as default), then frees the record as one unit with the
// kind checked again under its lock. True when the key was freed.
bool DeleteSingle(const std::string& tablePath, long key, const std::string& text, bool alarm, long first, long last);

}  // namespace kx::alarmconfig
