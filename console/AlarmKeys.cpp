#include "console/AlarmKeys.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"

#include <string>

namespace kx::console {

namespace {

constexpr Text kKeysAreNotAlarms = KX_TEXT(
    "AlarmKeys", "Only alarms of the alarm range %2 can be changed; these keys are not: %1. Nothing was changed.");

bool isAlarm(CDatabase& table, long key, const config::KeyRanges& ranges)
{
    if (key < ranges.firstAlarmKey || key > ranges.lastAlarmKey || mailbox::RecordOfKey(key) > table.RecCount())
        return false;
    table.Go(mailbox::RecordOfKey(key));
    std::string status;
    return table.Read(mailbox::field::Status, status) && mailbox::KindOfStatus(status) == mailbox::KeyKind::Alarm;
}

}  // namespace

std::vector<long> RefuseKeysThatAreNotAlarms(CDatabase& openTable, std::span<const long> keys)
{
    const config::KeyRanges ranges = config::ReadKeyRanges();
    std::vector<long> refused;
    std::string names;
    for (const long key : keys) {
        if (isAlarm(openTable, key, ranges))
            continue;
        refused.push_back(key);
        names += (names.empty() ? "" : ", ") + std::to_string(key);
    }
    if (!refused.empty())
        ErrorBox(kKeysAreNotAlarms, names,
                 std::to_string(ranges.firstAlarmKey) + " - " + std::to_string(ranges.lastAlarmKey));
    return refused;
}

}  // namespace kx::console
