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

    // Texts of our own numbering: 62000..62999 core and the main window,
    // 63000..63999 the settings dialogs and number handling; later
    // subsystems take the next thousands.
    OwnTextsBegin = 62000,

    // Settings dialogs and number handling (63000..63999).
    SettingNotANumber = 63000,  // "Please enter a whole number for "%1"."
    SettingTextTooLong = 63001,
    SettingTextOneLine = 63002,
    SettingNotAnItem = 63003,
    SettingsNotWritten = 63004,
    SettingNotCp1252 = 63005,
    GeneralSettingsTitle = 63100,  // "General settings"
    FirstAlarmOutOfRange = 63101,
    LastAlarmOutOfRange = 63102,
    FirstAlarmInOutOfRange = 63103,
    LastAlarmInOutOfRange = 63104,
    AlarmRangeReversed = 63105,
    AlarmInRangeReversed = 63106,
    FirstAlarmLabel = 63110,
    LastAlarmLabel = 63111,
    FirstAlarmInLabel = 63112,
    LastAlarmInLabel = 63113,
    IsdnConnectionLabel = 63114,
    QsigProtocolLabel = 63115,
    NormalIsdnProtocolLabel = 63116,
    PbxQsigLabel = 63117,
    PbxIsdnLabel = 63118,
    PbxNone = 63119,
    PbxAbc = 63120,
    PbxCornet = 63121,
    PbxIsvpn = 63122,
    SendMsgAsOwnPhoneLabel = 63123,
    SendMsgAsOwnPhoneHint = 63124,
    SendUuiLabel = 63125,
    SendUuiHint = 63126,
    SendDdiLabel = 63127,
    SendDdiHint = 63128,
    AddNumberAtBeginningLabel = 63129,
    NumberToAddLabel = 63130,
    ExtDialPrefixLabel = 63131,
    KeyRangesGroup = 63132,
    IsdnGroup = 63133,
    DdiConverterTitle = 63200,  // "DDI Converter"
    EnterDdiFirst = 63201,
    ScriptEngineNotStarted = 63202,
    DdiConversionActiveLabel = 63203,
    SuppressDigitsActiveLabel = 63204,
    ValidDigitsLabel = 63205,
    CutLeadingDigitsLabel = 63206,
    CutTrailingDigitsLabel = 63207,
    LastDigitsLabel = 63208,
    DigitsLabel = 63209,
    ReplaceLabel = 63210,
    ReplaceWithLabel = 63211,
    ReplaceAtLabel = 63212,
    EmptyDigitItem = 63213,
    AllPositionsItem = 63214,
    AddOffsetLabel = 63216,
    ResultLabel = 63217,
    TestButton = 63218,
    RefreshButton = 63219,
    TestDdiLabel = 63220,
    PositionItemFirst = 63231,   // 63231..63239: "1. Position" .. "9. Position"
    DdiCliScannerTitle = 63300,  // "DDI - CLI Alarm scanner"
    DdiCliExplanation = 63301,
    DdiCliExample = 63302,
    ScanAlarmNamesLabel = 63303,
    FirstScanKeyLabel = 63304,
    LastScanKeyLabel = 63305,
    DistributionSettingsKeyLabel = 63306,
    ConferenceSettingsKeyLabel = 63307,
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
