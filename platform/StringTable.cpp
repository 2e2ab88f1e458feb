#include "platform/StringTable.h"

#include <unordered_map>

namespace kx {

namespace {

// Context "Strings" for the translation tools. Each subsystem keeps its own
// texts together in a block of its own numbers.
const std::vector<std::pair<int, Text>> kEntries = {
    {str::Error, KX_TEXT("Strings", "Error")},
    {str::PleaseConfirm, KX_TEXT("Strings", "Please confirm...")},
    {str::GroupDatabaseNotOpened, KX_TEXT("Strings", "Error, impossible to open group database %1 !")},
    {str::AlarmDatabaseNotOpened, KX_TEXT("Strings", "Error, impossible to open alarm-database %1 !")},
    {str::Information, KX_TEXT("Strings", "Information")},
    {str::ConfirmLaunchAlarm, KX_TEXT("Strings", "Do you want to launch the alarm '%1' ?")},
    {str::ResourceLibraryNotLoaded, KX_TEXT("Strings", "The resource DLL %1 could not be loaded !")},
    {str::SelectAlarmFirst, KX_TEXT("Strings", "Please select an alarm first.")},
    {str::SelectAlarmToRecord,
     KX_TEXT("Strings", "Please select the alarm first, for which you want to record the alarm message !")},
    {str::SelectAlarmForIcon, KX_TEXT("Strings", "Please select at least one alarm, before changing the alarm icon.")},
    {str::WhitelistTitle, KX_TEXT("Strings", "Whitelist settings for %1")},
    {str::EnterNumberFirst, KX_TEXT("Strings", "Please enter a number first !")},
    {str::NoModuleStarted, KX_TEXT("Strings", "No module started")},
    {str::IncomingMessageNeedsRings,
     KX_TEXT("Strings", "To set a message for incoming calls, the lines need to be started with rings=-1. You can do "
                        "this with the command \"kxtini 1 30 rings -1\" from a command prompt in the KXT directory. If "
                        "you are using more then 30 lines, you need to change 30 through the number of lines you are "
                        "using.\nPlease make sure to restart the lines, after changing the rings parameter.")},
    {str::MasterSlaveNotActive,
     KX_TEXT("Strings", "The master / slave controller is not active !\nDo you want to add it to the Quillon Service "
                        "?\nThe Quillon Service needs to be restarted to activate the program.")},
    {str::LineLabel, KX_TEXT("Strings", "Line")},
    {str::MaximumTenLines,
     KX_TEXT("Strings", "Maximum lines which can be checked is 10 !\nPlease make sure, that not more then 10 lines are "
                        "selected.")},
    {str::EmailModuleNotStarted,
     KX_TEXT("Strings",
             "The KXE module kxaemailin is not started automatically !\nDo you want to add it to the Quillon "
             "Service ?\nThe Quillon Service needs to be restarted to activate the module.")},
    {str::TtsProgramMissing,
     KX_TEXT("Strings", "The program Kxtts.exe is not installed !\nPlease contact Quillon for further information.")},
    {str::NoTtsApplication,
     KX_TEXT("Strings", "No TTS application found on this system !\nFor dynamic voice messages there has to be a TTS "
                        "application, like SVOX or Loquendo installed.\nPlease contact Quillon for further "
                        "information.")},
    {str::CallerText, KX_TEXT("Strings", "AlarmCenter on %1")},
    {str::WatchdogModuleMissingOnOk,
     KX_TEXT("Strings", "The KXE program kxawdcall.kxe does not exist !\nPlease make sure, that this program is "
                        "existent in the kxt directory.")},
    {str::WatchdogModuleMissingForTest,
     KX_TEXT("Strings", "The kxe module kxawdcall.kxe, which is needed for this function, does not exist!")},
    {str::WatchdogNoNumber, KX_TEXT("Strings", "ERROR ! No phonenumber defined for line watchdog to dial !")},
    {str::AddDdiCallbackKeys, KX_TEXT("Strings", "Add new alarm-in keys for DDI callback from %d to %d ?")},
    {str::ConfirmDeactivateMinutes,
     KX_TEXT("Strings", "Deactivate selected alarms for %d minutes ?\nWarning, the selected alarms will not be "
                        "launched for the defined time!\nThe deactivation does not support winter / summer time "
                        "change.")},
    {str::ConfirmDeactivateHours,
     KX_TEXT("Strings", "Deactivate selected alarms for %d hour(s) ?\nWarning, the selected alarms will not be "
                        "launched for the defined time!\nThe deactivation does not support winter / summer time "
                        "change.")},
    {str::SelectAlarmsToActivate, KX_TEXT("Strings", "Please select the alarm(s) to activate in the alarmlist first.")},
    {str::SelectAlarmsToDeactivate,
     KX_TEXT("Strings", "Please select the alarm(s) to deactivate in the alarmlist first.")},
    {str::AddPingToAutostart,
     KX_TEXT("Strings", "Add server watch process to autostart? This process needs to be running for this "
                        "function.\nPlease start the kxaping process in the autostart settings of the monitor or "
                        "restart the Quillon tool service.")},
    {str::ProcessNameLabel, KX_TEXT("Strings", "Name of process to watch:")},
    {str::ServiceNameLabel, KX_TEXT("Strings", "Name of service to watch:")},
    {str::NoServiceOrProcess, KX_TEXT("Strings", "No valid service or process defined to watch!")},
    {str::InvalidRemoteAddress,
     KX_TEXT("Strings", "No valid ip address defined to watch service or process on a remote system!")},
    {str::InvalidPingAddress, KX_TEXT("Strings", "No valid ip address defined to watch remote server by ping!")},
    {str::AddServiceWatcherToAutostart,
     KX_TEXT("Strings", "Add service/process watcher to autostart? This program needs to be running for this "
                        "function.\nPlease start the kxaservw process in the autostart settings of the monitor or "
                        "restart the Quillon tool service.")},
    {str::ShowProcesses, KX_TEXT("Strings", "Show processes")},
    {str::ShowServices, KX_TEXT("Strings", "Show services")},
    {str::SaveProcessWatch,
     KX_TEXT("Strings",
             "Save settings for process watch on %1 ?\nThe alarmcomment of this alarm will be overwritten.")},
    {str::SaveServiceWatch,
     KX_TEXT("Strings",
             "Save settings for service watch on %1 ?\nThe alarmcomment of this alarm will be overwritten.")},
    {str::LocalSystem, KX_TEXT("Strings", "local system")},
    {str::SavePingWatch,
     KX_TEXT("Strings", "Save settings for server watch on ip-address: %1 ?\nThe alarmcomment of this alarm will be "
                        "overwritten.")},
    {str::WatchdogTitle, KX_TEXT("Strings", "Settings for the watchdog alarm %d")},
    {str::InvalidWatchdogInterval, KX_TEXT("Strings", "Please enter a valid watchdog interval in minutes!")},
    // Settings dialogs and number handling.
    {str::SettingNotANumber, KX_TEXT("Strings", "Please enter a whole number for \"%1\".")},
    {str::SettingTextTooLong, KX_TEXT("Strings", "The text for \"%1\" may have at most %2 characters.")},
    {str::SettingTextOneLine, KX_TEXT("Strings", "The text for \"%1\" must stay on one line.")},
    {str::SettingNotAnItem, KX_TEXT("Strings", "\"%2\" is not a choice of \"%1\".")},
    {str::SettingsNotWritten, KX_TEXT("Strings", "The settings could not be written to %1 !\n%2")},
    {str::SettingNotCp1252, KX_TEXT("Strings", "The text for \"%1\" holds characters that cannot be stored.")},
    {str::GeneralSettingsTitle, KX_TEXT("Strings", "General settings")},
    {str::FirstAlarmOutOfRange, KX_TEXT("Strings", "The first alarm number '%1' should be between 10 and 9999 ! ")},
    {str::LastAlarmOutOfRange, KX_TEXT("Strings", "The last alarm number '%1' should be between 10 and 9999 ! ")},
    {str::FirstAlarmInOutOfRange, KX_TEXT("Strings", "The first alarm-in '%1' should be between 10 and 9999 ! ")},
    {str::LastAlarmInOutOfRange, KX_TEXT("Strings", "The last alarm-in '%1' should be between 10 and 9999 ! ")},
    {str::AlarmRangeReversed,
     KX_TEXT("Strings", "The last alarm number should be higher then the first alarm number !")},
    {str::AlarmInRangeReversed, KX_TEXT("Strings", "The last alarm-in should be higher then the first alarm-in !")},
    {str::FirstAlarmLabel, KX_TEXT("Strings", "First alarm number:")},
    {str::LastAlarmLabel, KX_TEXT("Strings", "Last alarm number:")},
    {str::FirstAlarmInLabel, KX_TEXT("Strings", "First alarm-in number:")},
    {str::LastAlarmInLabel, KX_TEXT("Strings", "Last alarm-in number:")},
    {str::IsdnConnectionLabel, KX_TEXT("Strings", "ISDN connection to the alarmserver")},
    {str::QsigProtocolLabel, KX_TEXT("Strings", "QSIG ISDN protocol")},
    {str::NormalIsdnProtocolLabel, KX_TEXT("Strings", "Normal ISDN protocol (CTR4 / EURO-ISDN)")},
    {str::PbxQsigLabel, KX_TEXT("Strings", "PABX QSIG protocol:")},
    {str::PbxIsdnLabel, KX_TEXT("Strings", "PABX ISDN protocol:")},
    {str::PbxNone, KX_TEXT("Strings", "None")},
    {str::PbxAbc, KX_TEXT("Strings", "ABC")},
    {str::PbxCornet, KX_TEXT("Strings", "Cornet")},
    {str::PbxIsvpn, KX_TEXT("Strings", "ISVPN")},
    {str::SendMsgAsOwnPhoneLabel, KX_TEXT("Strings", "Send alarm message as own number (DDI).")},
    {str::SendMsgAsOwnPhoneHint,
     KX_TEXT("Strings", "The alarm message to display will be sent directly to the phones.")},
    {str::SendUuiLabel, KX_TEXT("Strings", "UUI alarm message sent as mini-message.")},
    {str::SendUuiHint, KX_TEXT("Strings", "Mini-messages are stored in the phone and can be read after an alarm")},
    {str::SendDdiLabel, KX_TEXT("Strings", "Send the alarm number as own number (DDI). ")},
    {str::SendDdiHint,
     KX_TEXT("Strings", "The alarm message on the display will be generated in the pbx (depending on own phone)")},
    {str::AddNumberAtBeginningLabel, KX_TEXT("Strings", "Use calling party number for outgoing calls:")},
    {str::NumberToAddLabel, KX_TEXT("Strings", "Calling party number")},
    {str::ExtDialPrefixLabel, KX_TEXT("Strings", "Prefix for external calls (to get dial tone): ")},
    {str::KeyRangesGroup, KX_TEXT("Strings", "Alarm and alarm-in numbers")},
    {str::IsdnGroup, KX_TEXT("Strings", "ISDN connection")},
    {str::DdiConverterTitle, KX_TEXT("Strings", "DDI Converter")},
    {str::EnterDdiFirst, KX_TEXT("Strings", "Please enter a DDI to test first!")},
    {str::ScriptEngineNotStarted, KX_TEXT("Strings", "The script engine could not be started:\n%1")},
    {str::DdiConversionActiveLabel, KX_TEXT("Strings", "DDI conversion active")},
    {str::SuppressDigitsActiveLabel, KX_TEXT("Strings", "Define valid digits (not defined digits will be suppressed)")},
    {str::ValidDigitsLabel, KX_TEXT("Strings", "Valid digits:")},
    {str::CutLeadingDigitsLabel, KX_TEXT("Strings", "Cut leading digits from DDI:")},
    {str::CutTrailingDigitsLabel, KX_TEXT("Strings", "Cut trailing digits from DDI:")},
    {str::LastDigitsLabel, KX_TEXT("Strings", "Use only the last")},
    {str::DigitsLabel, KX_TEXT("Strings", "digits")},
    {str::ReplaceLabel, KX_TEXT("Strings", "Replace")},
    {str::ReplaceWithLabel, KX_TEXT("Strings", "with ")},
    {str::ReplaceAtLabel, KX_TEXT("Strings", "at")},
    {str::EmptyDigitItem, KX_TEXT("Strings", "empty")},
    {str::AllPositionsItem, KX_TEXT("Strings", "All positions")},
    {str::AddOffsetLabel, KX_TEXT("Strings", "Add offset:")},
    {str::ResultLabel, KX_TEXT("Strings", "Result:")},
    {str::TestButton, KX_TEXT("Strings", "Test")},
    {str::RefreshButton, KX_TEXT("Strings", "Refresh")},
    {str::TestDdiLabel, KX_TEXT("Strings", "DDI to test:")},
    {str::PositionItemFirst + 0, KX_TEXT("Strings", "1. Position")},
    {str::PositionItemFirst + 1, KX_TEXT("Strings", "2. Position")},
    {str::PositionItemFirst + 2, KX_TEXT("Strings", "3. Position")},
    {str::PositionItemFirst + 3, KX_TEXT("Strings", "4. Position")},
    {str::PositionItemFirst + 4, KX_TEXT("Strings", "5. Position")},
    {str::PositionItemFirst + 5, KX_TEXT("Strings", "6. Position")},
    {str::PositionItemFirst + 6, KX_TEXT("Strings", "7. Position")},
    {str::PositionItemFirst + 7, KX_TEXT("Strings", "8. Position")},
    {str::PositionItemFirst + 8, KX_TEXT("Strings", "9. Position")},
    {str::DdiCliScannerTitle, KX_TEXT("Strings", "DDI - CLI Alarm scanner")},
    {str::DdiCliExplanation,
     KX_TEXT("Strings", "This function scans the alarmname for the DDI and CLI of the caller and starts the alarm if "
                        "it is found. The format for the alarmname is DDI.CLI")},
    {str::DdiCliExample, KX_TEXT("Strings", "Example: 2001.0891234567")},
    {str::ScanAlarmNamesLabel, KX_TEXT("Strings", "Scan alarmname for DDI.CLI")},
    {str::FirstScanKeyLabel, KX_TEXT("Strings", "First alarmkey to scan from:")},
    {str::LastScanKeyLabel, KX_TEXT("Strings", "Last alarmkey to scan to:")},
    {str::DistributionSettingsKeyLabel,
     KX_TEXT("Strings", "Use configuration for distribution/alarm launcher from alarm-in key:")},
    {str::ConferenceSettingsKeyLabel, KX_TEXT("Strings", "Use configuration for conference alarm from alarm-in key:")},
};

const Text* entryOf(int id)
{
    static const std::unordered_map<int, Text> byNumber(kEntries.begin(), kEntries.end());
    auto it = byNumber.find(id);
    return it != byNumber.end() ? &it->second : nullptr;
}

}  // namespace

std::string LoadString(int id)
{
    const Text* text = entryOf(id);
    return text ? Tr(*text) : std::string();
}

std::string FormatString(int id, std::string_view arg1, std::string_view arg2)
{
    return FillArguments(LoadString(id), arg1, arg2);
}

std::string FormatStringNumber(int id, long number)
{
    return FillNumber(LoadString(id), number);
}

const std::vector<std::pair<int, Text>>& StringTableEntries()
{
    return kEntries;
}

}  // namespace kx
