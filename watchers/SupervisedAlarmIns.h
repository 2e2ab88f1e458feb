#pragma once
// The alarms-in that supervise lines (function 6): a second server calls
// each of them regularly, and the watchdog program launches the alarm-in's
// alarm when a call does not come in time. With several calling servers
// ("MultiSrvCallBack" 1 in section "LineWatchDog" of kxalarm.ini) the
// watchdog program takes the alarms-in to watch from kxawdog.ini, section
// "Settings", keys "Key1", "Key2" ...

#include <vector>

class CDatabase;

namespace kx::watchers {

constexpr int kLineSupervisionFunction = 6;
constexpr const char* kWatchdogFile = "kxawdog.ini";

// The alarms-in (status "92") of function 6 in the alarm-in range, in key
// order, from an open mailbox table.
std::vector<long> LineSupervisionAlarmIns(CDatabase& table);

// "MultiSrvCallBack" of kxalarm.ini is 1: the watchdog program reads the
// list of supervised alarms-in.
bool SupervisionUsesList();

// Writes the list anew: "Key1", "Key2" ... hold the alarms-in of function 6
// in key order, and every later "Key%d" up to 99 that holds a value is
// emptied (also behind gaps), in one locked write. False (with a message)
// when the mailbox table does not open or the file cannot be written; the
// file is then unchanged.
bool RebuildSupervisedList();

}  // namespace kx::watchers
