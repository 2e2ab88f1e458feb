#include "alarmconfig/KeyChoice.h"

#include "core/CDatabase.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/TextEncoding.h"

#include <algorithm>

namespace kx::alarmconfig {

namespace field = mailbox::field;

const Text kNotUsedYet = KX_TEXT("KeyChoice", "Not used yet:");
const Text kSetState = KX_TEXT("KeyChoice", "Set state");

namespace {

constexpr Text kNoDefinition = KX_TEXT("KeyChoice", "[No definition]");
constexpr Text kMailboxesChosen =
    KX_TEXT("KeyChoice", "%1 of the selected keys are mailboxes of the voice platform.\nTheir data will be "
                         "overwritten. Continue ?");
constexpr Text kBulkAlarms =
    KX_TEXT("KeyChoice", "Deleting the selected alarms ?\nAll data of this alarm will be reset.");
constexpr Text kBulkAlarmIns = KX_TEXT("KeyChoice", "Deleting the selected alarms-in ?\nAll data of these alarms-in "
                                                    "will be deleted Alarmeingänge werden zurückgesetzt.");
constexpr Text kInvalidAlarm = KX_TEXT("KeyChoice", "The selected alarm '%1' is invalid and can not be deleted !");
constexpr Text kInvalidAlarmIn = KX_TEXT("KeyChoice", "The selected alarm-in '%1' is invalid and can not be deleted !");
constexpr Text kAskAlarm =
    KX_TEXT("KeyChoice", "Do you want to delete the '%1' ?\nAll data of this alarm will be reset.");
constexpr Text kAskAlarmIn =
    KX_TEXT("KeyChoice", "Delete the alarm-in '%1' ?\nAll data of this alarm-in will be deleted.");
constexpr Text kAlarmNotDeleted =
    KX_TEXT("KeyChoice", "Error, impossible to delete the alarm !\nThe database entry could not be reset.");
constexpr Text kAlarmInNotDeleted =
    KX_TEXT("KeyChoice", "Error, impossible to delete the alarm-in !\nThe database entry could not be reset.");

constexpr std::size_t kDialogRows = 9000;  // from this many selected rows the dialog opens

std::string statusOf(CDatabase& table, long key)
{
    std::string status;
    table.Go(mailbox::RecordOfKey(key));
    table.Read(field::Status, status);
    return status;
}

bool hasRecord(CDatabase& table, long key)
{
    return key >= 0 && mailbox::RecordOfKey(key) <= table.RecCount();
}

}  // namespace

AddTexts AddTextsOf(bool alarm)
{
    if (alarm)
        return {KX_TEXT("KeyChoice", "Add new alarms"), KX_TEXT("KeyChoice", "New alarms:"),
                KX_TEXT("KeyChoice", "New alarm"),
                KX_TEXT("KeyChoice", "There are no new alarms selected now !\nPlease mark first the alarms to add in "
                                     "the left field and \nmove them to the right field by pressing the button with "
                                     "the green flash."),
                KX_TEXT("KeyChoice", "Do you want to cancel adding new alarms ?")};
    return {KX_TEXT("KeyChoice", "Add new alarms-in"), KX_TEXT("KeyChoice", "New alarms-in:"),
            KX_TEXT("KeyChoice", "New alarm-in"),
            KX_TEXT("KeyChoice", "There are no new alarms-in selected now !\nPlease mark first the alarms-in to add in "
                                 "the left field and\nmove them to the right field by pressing the button with the "
                                 "green flash."),
            KX_TEXT("KeyChoice", "Do you want to cancel adding new alarms-in ?")};
}

DeleteTexts DeleteTextsOf(bool alarm)
{
    if (alarm)
        return {KX_TEXT("KeyChoice", "Delete alarm"),
                KX_TEXT("KeyChoice", "Select alarm"),
                KX_TEXT("KeyChoice", "No alarms to select"),
                KX_TEXT("KeyChoice", "All selected alarms will be deleted"),
                KX_TEXT("KeyChoice", "Delete alarms"),
                KX_TEXT("KeyChoice", "Do you want to cancel the deletion of alarms ?")};
    return {KX_TEXT("KeyChoice", "Delete alarm-in"),
            KX_TEXT("KeyChoice", "Select an alarm-in"),
            KX_TEXT("KeyChoice", "There are no alarms-in"),
            KX_TEXT("KeyChoice", "All selected alarms-in will be deleted"),
            KX_TEXT("KeyChoice", "Delete alarms-in"),
            KX_TEXT("KeyChoice", "Do you want to cancel the deletion of alarms-in ?")};
}

void SortAsText(std::vector<long>& keys)
{
    std::sort(keys.begin(), keys.end(), [](long a, long b) { return std::to_string(a) < std::to_string(b); });
}

std::vector<long> KeysToAdd(CDatabase& table, long first, long last)
{
    std::vector<long> keys;
    for (long key = std::max(first, 0L); key <= last && hasRecord(table, key); ++key) {
        const mailbox::KeyKind kind = mailbox::KindOfStatus(statusOf(table, key));
        if (kind != mailbox::KeyKind::Alarm && kind != mailbox::KeyKind::AlarmIn)
            keys.push_back(key);
    }
    SortAsText(keys);
    return keys;
}

bool ConfirmMailboxes(CDatabase& table, const std::vector<long>& keys)
{
    std::size_t mailboxes = 0;
    for (long key : keys) {
        if (hasRecord(table, key) && statusOf(table, key) != mailbox::kStatusFree)
            ++mailboxes;
    }
    return mailboxes == 0 || ConfirmBox(kMailboxesChosen, true, std::to_string(mailboxes));
}

std::vector<DeleteEntry> DeleteEntries(CDatabase& table, long first, long last, bool alarm)
{
    std::vector<DeleteEntry> entries;
    const char* wanted = alarm ? mailbox::kStatusAlarm : mailbox::kStatusAlarmIn;
    for (long key = std::max(first, 0L); key <= last && hasRecord(table, key); ++key) {
        if (statusOf(table, key) != wanted)
            continue;
        std::string name;
        table.Read(field::Comment, name);
        std::string text = Cp1252ToUtf8(name);
        if (name.empty()) {
            int function = 0;
            table.Read(field::GroupOrFunction, function);
            text = alarm ? Tr(kNoDefinition) : mailbox::AlarmInFunctionName(function);
        }
        entries.push_back({key, std::to_string(key) + " " + text});
    }
    return entries;
}

DeleteWay DeleteWayOf(std::size_t selectedRows)
{
    if (selectedRows == 0 || selectedRows >= kDialogRows)
        return DeleteWay::Dialog;
    return selectedRows == 1 ? DeleteWay::Single : DeleteWay::Bulk;
}

bool ConfirmBulkDelete(bool alarm)
{
    return ConfirmBox(alarm ? kBulkAlarms : kBulkAlarmIns, true);
}

bool DeleteSingle(const std::string& tablePath, long key, const std::string& text, bool alarm, long first, long last)
{
    if (key < first || key > last) {
        ErrorBox(alarm ? kInvalidAlarm : kInvalidAlarmIn, text);
        return false;
    }
    if (!ConfirmBox(alarm ? kAskAlarm : kAskAlarmIn, true, text))
        return false;
    CDatabase table;
    bool freed = false;
    if (key >= mailbox::kLowestFreeableKey && table.Open(tablePath.c_str())) {
        const char* kindStatus = alarm ? mailbox::kStatusAlarm : mailbox::kStatusAlarmIn;
        freed = mailbox::WriteUnit(
                    table, key, [kindStatus](std::string_view status) { return status == kindStatus; },
                    mailbox::FreedRecordWrites())
                    .outcome == mailbox::UnitResult::Outcome::Written;
        table.Close();
    }
    if (!freed)
        ErrorBox(alarm ? kAlarmNotDeleted : kAlarmInNotDeleted);
    return freed;
}

}  // namespace kx::alarmconfig
