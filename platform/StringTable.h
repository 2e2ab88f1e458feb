#pragma once
// The console's numbered texts: one table for every text it shows, so that a
// language file can replace them all. Texts are UTF-8 (they are display
// text, not data); a translator installed by the user interface may replace
// each text by its translation.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Marks a text for the translation tools without changing it.
#define KX_TRANSLATE_NOOP(context, text) text

namespace kx {

namespace str {
enum : int {
    AppTitle = 128,                   // "Alarm Control Center Tellmark"
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

    // Texts of our own numbering: 62000..62999 core and the main window,
    // 63000..63999 the settings dialogs and number handling; later
    // subsystems take the next thousands.
    OwnTextsBegin = 62000,
    AlarmKindFirst = 62000,           // 62000..62005: the alarm kinds 0..5
    AlarmTypeFirst = 62010,           // 62010..62021: the alarm types 0..11
    AlarmInFunctionFirst = 62030,     // 62030..62051: the alarm-in functions 0..21
    NoAlarmInFunction = 62052,        // "No type of alarm defined"
};
}  // namespace str

// The text of a number; empty when the table has none.
std::string LoadString(int id);

// The text with %1 and %2 replaced by the arguments (UTF-8).
std::string FormatString(int id, std::string_view arg1 = {}, std::string_view arg2 = {});

// The text with its one printf-style number (%d, %ld, %u) filled.
std::string FormatStringNumber(int id, long number);

// Replaces %1 / %2 in any text ("%%" stays a per-cent sign only for
// printf-style texts, so it is left alone here).
std::string FillArguments(std::string_view text, std::string_view arg1, std::string_view arg2 = {});
// Fills the first printf-style integer conversion of a text.
std::string FillNumber(std::string_view text, long number);

// Installs the language: a function from (number, English text) to the
// text to show. Without one, the English texts are used.
void SetStringTranslator(std::function<std::string(int id, std::string_view english)> translator);

// Every entry of the table, for the translation tools and tests.
const std::vector<std::pair<int, const char*>>& StringTableEntries();

}  // namespace kx
