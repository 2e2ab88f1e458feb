#pragma once
// The keys the alarm commands may change. Setting an alarm type and timed
// deactivation write num2_4 and kxadeact.ini, which mean something only for
// an alarm: a key of the alarm range whose record has the status "91".
// Alarm-ins, free keys and the platform's own mailboxes are refused, so that
// a mistyped key never turns one of them into half an alarm.

#include <span>
#include <vector>

class CDatabase;

namespace kx::console {

// The keys of `keys` that are not alarms of the alarm range (FirstAlarmKey
// to LastAlarmKey of kxalarm.ini, read now) in the open table, in the order
// given. When there are any, one error box names them: the caller then
// writes nothing.
std::vector<long> RefuseKeysThatAreNotAlarms(CDatabase& openTable, std::span<const long> keys);

}  // namespace kx::console
