#pragma once
// The numbered texts: messages whose numbers the platform's other programs
// share, and those used across subsystems. Every other text is declared
// beside its own code (platform/Text.h). Each passes through the installed
// translator like any Text.

#include "platform/Text.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kx {

namespace str {
enum : int {
    Error = 61461,
    PleaseConfirm = 61462,
    GroupDatabaseNotOpened = 61498,
    AlarmDatabaseNotOpened = 61499,
    Information = 61511,
    ConfirmLaunchAlarm = 61538,
    ResourceLibraryNotLoaded = 61550,
    SelectAlarmFirst = 61555,
    SelectAlarmToRecord = 61571,
    SelectAlarmForIcon = 61612,
    WhitelistTitle = 61618,
    EnterNumberFirst = 61619,
    NoModuleStarted = 61628,
    IncomingMessageNeedsRings = 61630,
    MasterSlaveNotActive = 61633,
    LineLabel = 61634,
    MaximumTenLines = 61635,
    EmailModuleNotStarted = 61641,
    TtsProgramMissing = 61643,
    NoTtsApplication = 61644,
    CallerText = 61645,
    WatchdogModuleMissingOnOk = 61659,
    WatchdogModuleMissingForTest = 61660,
    WatchdogNoNumber = 61661,
    AddDdiCallbackKeys = 61696,
    ConfirmDeactivateMinutes = 61697,
    ConfirmDeactivateHours = 61698,
    SelectAlarmsToActivate = 61699,
    SelectAlarmsToDeactivate = 61700,
    AddPingToAutostart = 61701,
    ProcessNameLabel = 61702,
    ServiceNameLabel = 61703,
    NoServiceOrProcess = 61704,
    InvalidRemoteAddress = 61705,
    InvalidPingAddress = 61706,
    AddServiceWatcherToAutostart = 61707,
    ShowProcesses = 61708,
    ShowServices = 61709,
    SaveProcessWatch = 61710,
    SaveServiceWatch = 61711,
    LocalSystem = 61712,
    SavePingWatch = 61713,
    WatchdogTitle = 61721,
    InvalidWatchdogInterval = 61722,
};
}  // namespace str

// The text of a number; empty when the table has none.
std::string LoadString(int id);

// The text with %1 and %2 replaced by the arguments (UTF-8).
std::string FormatString(int id, std::string_view arg1 = {}, std::string_view arg2 = {});

// The text with its one printf-style number (%d, %ld, %u) filled.
std::string FormatStringNumber(int id, long number);

// Every entry of the table, for the translation tools and tests.
const std::vector<std::pair<int, Text>>& StringTableEntries();

}  // namespace kx
