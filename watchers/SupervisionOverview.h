#pragma once
// "Supervison overview": every alarm-in of function 6 with the alarm it
// launches, the interval in which a call must come, and when the last call
// came and the last alarm was launched (kxawdog.ini, sections "KxaWDog" and
// "LastAlarm", key = the alarm-in key, written by the watchdog program).

#include "platform/Text.h"

#include <optional>
#include <string>
#include <vector>

namespace kx::watchers {

constexpr Text kOverviewTitle = KX_TEXT("SupervisionOverview", "Supervison overview");
constexpr Text kColumnDdi = KX_TEXT("SupervisionOverview", "DDI");
constexpr Text kColumnName = KX_TEXT("SupervisionOverview", "Name");
constexpr Text kColumnLaunchAlarm = KX_TEXT("SupervisionOverview", "Launch alarm");
constexpr Text kColumnInterval = KX_TEXT("SupervisionOverview", "Interval");
constexpr Text kColumnLastCall = KX_TEXT("SupervisionOverview", "Last call");
constexpr Text kColumnLastAlarm = KX_TEXT("SupervisionOverview", "Last alarm");

// One row; texts in the operator's language (UTF-8), data converted.
struct SupervisionRow {
    long key = 0;
    std::string name;         // the alarm-in's name
    std::string launchAlarm;  // "<key> <name>", "<key> [No definition]", or "Do not launch an alarm" for 0
    std::string interval;     // "<minutes> min"
    std::string lastCall;     // see WatchdogTimeText
    std::string lastAlarm;
};

// The rows in key order; nullopt (with a message) when the mailbox table
// does not open.
std::optional<std::vector<SupervisionRow>> LoadSupervisionOverview();

// A time stamp of the watchdog files as the console shows it: 8 hexadecimal
// digits are seconds since 1970, shown in local time as "dd.mm.yyyy  hh:mm";
// anything else is shown as stored, so a stamp written in another form
// stays readable; a missing one is empty. `stored` is Windows-1252, the
// result UTF-8.
std::string WatchdogTimeText(const std::string& stored);

}  // namespace kx::watchers
