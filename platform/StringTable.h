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
    AppTitle = 128,  // "Alarm Control Center Tellmark"
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
    AlarmKindFirst = 62000,        // 62000..62005: the alarm kinds 0..5
    AlarmTypeFirst = 62010,        // 62010..62021: the alarm types 0..11
    AlarmInFunctionFirst = 62030,  // 62030..62051: the alarm-in functions 0..21
    NoAlarmInFunction = 62052,     // "No type of alarm defined"

    // The lists of the main window.
    NoDefinition = 62100,  // "[No definition]"
    EmptyGroup = 62101,
    ManDownSupervision = 62102,
    NoName = 62103,
    NoGroupSpecified = 62104,
    NoGroupCreated = 62105,
    LoginOnly = 62106,
    LogoutOnly = 62107,
    DoNotLaunchAlarm = 62108,
    NotGeneratedOrEmpty = 62109,
    KeysAreNotAlarms = 62110,  // "... %1 ... %2": the refused keys, the alarm range

    // The main window: menus, form, about box, status bar (62200..62299).
    // The texts of the commands themselves are kept under the command's own
    // number (32771 "Add &new alarm", 57664 "&About kxalarm..." ...).
    MenuFile = 62200,
    MenuSettings = 62201,
    MenuAlarm = 62202,
    MenuAlarmIn = 62203,
    MenuPersonsGroups = 62204,
    MenuTools = 62205,
    MenuView = 62206,
    MenuHelp = 62207,
    MenuSelectAlarmType = 62208,
    ColumnAlarmNumber = 62220,
    ColumnAlarmName = 62221,
    ColumnGroup = 62222,
    ColumnType = 62223,
    ColumnAlarmIn = 62224,
    ColumnLaunchAlarm = 62225,
    ColumnName = 62226,
    ColumnPhoneNumber = 62227,
    ButtonEdit = 62230,
    ButtonDetails = 62231,
    ButtonAlarms = 62232,    // the switch button while the alarm-in list is shown
    ButtonAlarmsIn = 62233,  // ... while the alarm list is shown
    FrameAlarmSettings = 62234,
    FrameAlarmInSettings = 62235,
    LabelFirstAlarmNumber = 62236,
    LabelLastAlarmNumber = 62237,
    LabelFirstAlarmIn = 62238,
    LabelLastAlarmIn = 62239,
    LabelGroup = 62240,
    LabelIncludedPersons = 62241,
    FrameGroupsAndPersons = 62242,
    LabelChangeTo = 62243,
    AboutTitle = 62250,    // "Info about kxalarm"
    AboutVersion = 62251,  // "Kxalarm, Version 4.8"
    AboutContact1 = 62252,
    AboutContact2 = 62253,
    AboutContact3 = 62254,
    ButtonOk = 62255,
    DocumentTitle = 62256,  // "Quillon"
    StatusReady = 62260,
    StatusCapsLock = 62261,
    StatusNumLock = 62262,
    StatusScrollLock = 62263,
    ContextHelpTip = 62264,

    // Timed deactivation of alarms: 62800..62849.
    DeactivationMenuFirst = 62800,   // 62800..62813: "Activate alarms", "for 10 minutes" .. "for 24 hours"
    DeactivateAlarmsMenu = 62814,    // the submenu "Deactivate alarms"
    DeactivationIncomplete = 62815,  // "%d of the selected alarms could not be changed ..."
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
