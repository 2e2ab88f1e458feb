#include "platform/StringTable.h"

#include <unordered_map>

namespace kx {

namespace {

// Context "Strings" for the translation tools. Each subsystem keeps its own
// texts together in a block of its own numbers.
const std::vector<std::pair<int, Text>> kEntries = {
    {str::AppTitle, KX_TEXT("Strings", "Alarm Control Center Tellmark")},
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
    {str::SelectAlarmForIcon,
     KX_TEXT("Strings", "Please select at least one alarm, before changing the alarm icon.")},
    {str::WhitelistTitle, KX_TEXT("Strings", "Whitelist settings for %1")},
    {str::EnterNumberFirst, KX_TEXT("Strings", "Please enter a number first !")},
    {str::NoModuleStarted, KX_TEXT("Strings", "No module started")},
    {str::IncomingMessageNeedsRings,
     KX_TEXT("Strings",
                       "To set a message for incoming calls, the lines need to be started with rings=-1. You can do "
                       "this with the command \"kxtini 1 30 rings -1\" from a command prompt in the KXT directory. If "
                       "you are using more then 30 lines, you need to change 30 through the number of lines you are "
                       "using.\nPlease make sure to restart the lines, after changing the rings parameter.")},
    {str::MasterSlaveNotActive,
     KX_TEXT("Strings",
                       "The master / slave controller is not active !\nDo you want to add it to the Quillon Service "
                       "?\nThe Quillon Service needs to be restarted to activate the program.")},
    {str::LineLabel, KX_TEXT("Strings", "Line")},
    {str::MaximumTenLines,
     KX_TEXT("Strings",
                       "Maximum lines which can be checked is 10 !\nPlease make sure, that not more then 10 lines are "
                       "selected.")},
    {str::EmailModuleNotStarted,
     KX_TEXT("Strings",
                       "The KXE module kxaemailin is not started automatically !\nDo you want to add it to the Quillon "
                       "Service ?\nThe Quillon Service needs to be restarted to activate the module.")},
    {str::TtsProgramMissing,
     KX_TEXT("Strings",
                       "The program Kxtts.exe is not installed !\nPlease contact Quillon for further information.")},
    {str::NoTtsApplication,
     KX_TEXT("Strings",
                       "No TTS application found on this system !\nFor dynamic voice messages there has to be a TTS "
                       "application, like SVOX or Loquendo installed.\nPlease contact Quillon for further "
                       "information.")},
    {str::CallerText, KX_TEXT("Strings", "AlarmCenter on %1")},
    {str::WatchdogModuleMissingOnOk,
     KX_TEXT("Strings",
                       "The KXE program kxawdcall.kxe does not exist !\nPlease make sure, that this program is "
                       "existent in the kxt directory.")},
    {str::WatchdogModuleMissingForTest,
     KX_TEXT("Strings", "The kxe module kxawdcall.kxe, which is needed for this function, does not exist!")},
    {str::WatchdogNoNumber, KX_TEXT("Strings", "ERROR ! No phonenumber defined for line watchdog to dial !")},
    {str::AddDdiCallbackKeys, KX_TEXT("Strings", "Add new alarm-in keys for DDI callback from %d to %d ?")},
    {str::ConfirmDeactivateMinutes,
     KX_TEXT("Strings",
                       "Deactivate selected alarms for %d minutes ?\nWarning, the selected alarms will not be "
                       "launched for the defined time!\nThe deactivation does not support winter / summer time "
                       "change.")},
    {str::ConfirmDeactivateHours,
     KX_TEXT("Strings",
                       "Deactivate selected alarms for %d hour(s) ?\nWarning, the selected alarms will not be "
                       "launched for the defined time!\nThe deactivation does not support winter / summer time "
                       "change.")},
    {str::SelectAlarmsToActivate,
     KX_TEXT("Strings", "Please select the alarm(s) to activate in the alarmlist first.")},
    {str::SelectAlarmsToDeactivate,
     KX_TEXT("Strings", "Please select the alarm(s) to deactivate in the alarmlist first.")},
    {str::AddPingToAutostart,
     KX_TEXT("Strings",
                       "Add server watch process to autostart? This process needs to be running for this "
                       "function.\nPlease start the kxaping process in the autostart settings of the monitor or "
                       "restart the Quillon tool service.")},
    {str::ProcessNameLabel, KX_TEXT("Strings", "Name of process to watch:")},
    {str::ServiceNameLabel, KX_TEXT("Strings", "Name of service to watch:")},
    {str::NoServiceOrProcess, KX_TEXT("Strings", "No valid service or process defined to watch!")},
    {str::InvalidRemoteAddress,
     KX_TEXT("Strings", "No valid ip address defined to watch service or process on a remote system!")},
    {str::InvalidPingAddress,
     KX_TEXT("Strings", "No valid ip address defined to watch remote server by ping!")},
    {str::AddServiceWatcherToAutostart,
     KX_TEXT("Strings",
                       "Add service/process watcher to autostart? This program needs to be running for this "
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
     KX_TEXT("Strings",
                       "Save settings for server watch on ip-address: %1 ?\nThe alarmcomment of this alarm will be "
                       "overwritten.")},
    {str::WatchdogTitle, KX_TEXT("Strings", "Settings for the watchdog alarm %d")},
    {str::InvalidWatchdogInterval, KX_TEXT("Strings", "Please enter a valid watchdog interval in minutes!")},
    // Alarm kinds, alarm types (the "Select alarm type" menu), alarm-in functions.
    {str::AlarmKindFirst + 0, KX_TEXT("Strings", "Parallel")},
    {str::AlarmKindFirst + 1, KX_TEXT("Strings", "Sequent")},
    {str::AlarmKindFirst + 2, KX_TEXT("Strings", "Copy into MBX")},
    {str::AlarmKindFirst + 3, KX_TEXT("Strings", "Conference/Parallel")},
    {str::AlarmKindFirst + 4, KX_TEXT("Strings", "2-party conference with the first")},
    {str::AlarmKindFirst + 5, KX_TEXT("Strings", "Skill alarm")},
    {str::AlarmTypeFirst + 0, KX_TEXT("Strings", "Not specified")},
    {str::AlarmTypeFirst + 1, KX_TEXT("Strings", "Contact")},
    {str::AlarmTypeFirst + 2, KX_TEXT("Strings", "Firealarm")},
    {str::AlarmTypeFirst + 3, KX_TEXT("Strings", "Housemanagement")},
    {str::AlarmTypeFirst + 4, KX_TEXT("Strings", "Phone")},
    {str::AlarmTypeFirst + 5, KX_TEXT("Strings", "Technical alarm")},
    {str::AlarmTypeFirst + 6, KX_TEXT("Strings", "Firstaid / nurse call")},
    {str::AlarmTypeFirst + 7, KX_TEXT("Strings", "Day / Night contact")},
    {str::AlarmTypeFirst + 8, KX_TEXT("Strings", "WatchDog alarm")},
    {str::AlarmTypeFirst + 9, KX_TEXT("Strings", "Man-down function")},
    {str::AlarmTypeFirst + 10, KX_TEXT("Strings", "Server / Network watch (ping)")},
    {str::AlarmTypeFirst + 11, KX_TEXT("Strings", "Service / Process watch")},
    {str::AlarmInFunctionFirst + 0, KX_TEXT("Strings", "Broadcast / Launch an alarm")},
    {str::AlarmInFunctionFirst + 1, KX_TEXT("Strings", "Launch a conference")},
    {str::AlarmInFunctionFirst + 2, KX_TEXT("Strings", "Record an alarm message")},
    {str::AlarmInFunctionFirst + 3, KX_TEXT("Strings", "Login and logout of persons")},
    {str::AlarmInFunctionFirst + 4, KX_TEXT("Strings", "Confirmation call back")},
    {str::AlarmInFunctionFirst + 5, KX_TEXT("Strings", "Confirmation call back for pager")},
    {str::AlarmInFunctionFirst + 6, KX_TEXT("Strings", "Line supervision call back")},
    {str::AlarmInFunctionFirst + 7, KX_TEXT("Strings", "Record a fax message")},
    {str::AlarmInFunctionFirst + 8, KX_TEXT("Strings", "Play active alarms")},
    {str::AlarmInFunctionFirst + 9, KX_TEXT("Strings", "Play the alarm message of an alarm")},
    {str::AlarmInFunctionFirst + 10, KX_TEXT("Strings", "Play the last alarm message of the caller")},
    {str::AlarmInFunctionFirst + 11, KX_TEXT("Strings", "Play recorded conferences")},
    {str::AlarmInFunctionFirst + 12, KX_TEXT("Strings", "Special functions")},
    {str::AlarmInFunctionFirst + 13, KX_TEXT("Strings", "Activate and deactivate man-down supervision")},
    {str::AlarmInFunctionFirst + 14, KX_TEXT("Strings", "Fax broadcast / Alarm launch")},
    {str::AlarmInFunctionFirst + 15, KX_TEXT("Strings", "Room surveillance (baby call)")},
    {str::AlarmInFunctionFirst + 16, KX_TEXT("Strings", "Start evacuation alarm")},
    {str::AlarmInFunctionFirst + 17, KX_TEXT("Strings", "Add to conference pool")},
    {str::AlarmInFunctionFirst + 18, KX_TEXT("Strings", "DECT Alarm call")},
    {str::AlarmInFunctionFirst + 19, KX_TEXT("Strings", "IVR application")},
    {str::AlarmInFunctionFirst + 20, KX_TEXT("Strings", "Call transfer")},
    {str::AlarmInFunctionFirst + 21, KX_TEXT("Strings", "DDI callback")},
    {str::NoAlarmInFunction, KX_TEXT("Strings", "No type of alarm defined")},
    // The lists of the main window.
    {str::NoDefinition, KX_TEXT("Strings", "[No definition]")},
    {str::EmptyGroup, KX_TEXT("Strings", "Empty group")},
    {str::ManDownSupervision, KX_TEXT("Strings", "Man-down supervision")},
    {str::NoName, KX_TEXT("Strings", "No name")},
    {str::NoGroupSpecified, KX_TEXT("Strings", "NO GROUP SPECIFIED")},
    {str::NoGroupCreated, KX_TEXT("Strings", "No group created")},
    {str::LoginOnly, KX_TEXT("Strings", "Login of persons only")},
    {str::LogoutOnly, KX_TEXT("Strings", "Logout of persons only")},
    {str::DoNotLaunchAlarm, KX_TEXT("Strings", "Do not launch an alarm")},
    {str::NotGeneratedOrEmpty, KX_TEXT("Strings", "Not generated or empty")},
    {str::KeysAreNotAlarms,
     KX_TEXT("Strings",
                       "Only alarms of the alarm range %2 can be changed; these keys are not: %1. Nothing was "
                       "changed.")},
    // The main window.
    {str::MenuFile, KX_TEXT("Strings", "&File")},
    {str::MenuSettings, KX_TEXT("Strings", "&Settings")},
    {str::MenuAlarm, KX_TEXT("Strings", "A&larm")},
    {str::MenuAlarmIn, KX_TEXT("Strings", "Alarm-in")},
    {str::MenuPersonsGroups, KX_TEXT("Strings", "Persons/&Groups")},
    {str::MenuTools, KX_TEXT("Strings", "&Tools")},
    {str::MenuView, KX_TEXT("Strings", "&View")},
    {str::MenuHelp, KX_TEXT("Strings", "&Help")},
    {str::MenuSelectAlarmType, KX_TEXT("Strings", "Select alarm type")},
    {str::ColumnAlarmNumber, KX_TEXT("Strings", "Alarmnumber")},
    {str::ColumnAlarmName, KX_TEXT("Strings", "Alarmname")},
    {str::ColumnGroup, KX_TEXT("Strings", "Group")},
    {str::ColumnType, KX_TEXT("Strings", "Type")},
    {str::ColumnAlarmIn, KX_TEXT("Strings", "Alarm-in")},
    {str::ColumnLaunchAlarm, KX_TEXT("Strings", "Launch alarm")},
    {str::ColumnName, KX_TEXT("Strings", "Name")},
    {str::ColumnPhoneNumber, KX_TEXT("Strings", "Phone number")},
    {str::ButtonEdit, KX_TEXT("Strings", "Edit")},
    {str::ButtonDetails, KX_TEXT("Strings", "Details")},
    {str::ButtonAlarms, KX_TEXT("Strings", "Alarms")},
    {str::ButtonAlarmsIn, KX_TEXT("Strings", "alarms-in")},
    {str::FrameAlarmSettings, KX_TEXT("Strings", "Alarm settings")},
    {str::FrameAlarmInSettings, KX_TEXT("Strings", "Settings of alarms-in")},
    {str::LabelFirstAlarmNumber, KX_TEXT("Strings", "First alarm number:")},
    {str::LabelLastAlarmNumber, KX_TEXT("Strings", "Last alarm number:")},
    {str::LabelFirstAlarmIn, KX_TEXT("Strings", "First alarm-in:")},
    {str::LabelLastAlarmIn, KX_TEXT("Strings", "Last alarm-in:")},
    {str::LabelGroup, KX_TEXT("Strings", "Group:")},
    {str::LabelIncludedPersons, KX_TEXT("Strings", "Including the following persons:")},
    {str::FrameGroupsAndPersons, KX_TEXT("Strings", "Data of groups and persons")},
    {str::LabelChangeTo, KX_TEXT("Strings", "Change to:")},
    {str::AboutTitle, KX_TEXT("Strings", "Info about kxalarm")},
    {str::AboutVersion, KX_TEXT("Strings", "Kxalarm, Version 4.8")},
    {str::AboutContact1, KX_TEXT("Strings", "Quillon alarm notification systems")},
    {str::AboutContact2, KX_TEXT("Strings", "Support: support@quillon.example")},
    {str::AboutContact3, KX_TEXT("Strings", "Configuration console of the alarm server")},
    {str::ButtonOk, KX_TEXT("Strings", "OK")},
    {str::DocumentTitle, KX_TEXT("Strings", "Quillon")},
    {str::StatusReady, KX_TEXT("Strings", "Ready")},
    {str::StatusCapsLock, KX_TEXT("Strings", "CAP")},
    {str::StatusNumLock, KX_TEXT("Strings", "NUM")},
    {str::StatusScrollLock, KX_TEXT("Strings", "SCRL")},
    {str::ContextHelpTip, KX_TEXT("Strings", "Help on the item clicked next")},
    // The commands, under their own numbers (toolbar buttons: their tool tips).
    {57607, KX_TEXT("Strings", "&Print...")},
    {57606, KX_TEXT("Strings", "Printer&settings...")},
    {57665, KX_TEXT("Strings", "E&xit")},
    {32816, KX_TEXT("Strings", "&General settings")},
    {32798, KX_TEXT("Strings", "&Parallel alarm settings")},
    {32797, KX_TEXT("Strings", "&Sequent alarm settings")},
    {32818, KX_TEXT("Strings", "&Confirmation settings")},
    {32820, KX_TEXT("Strings", "&Conference settings")},
    {32851, KX_TEXT("Strings", "Message settings")},
    {32850, KX_TEXT("Strings", "Escalation settings")},
    {32827, KX_TEXT("Strings", "E-&mail settings")},
    {32843, KX_TEXT("Strings", "&Login / Logout settings")},
    {32860, KX_TEXT("Strings", "&DDI callback settings")},
    {32862, KX_TEXT("Strings", "XML Settings")},
    {32883, KX_TEXT("Strings", "Server / Service watch settings")},
    {32841, KX_TEXT("Strings", "Incoming call and alarm-in settings")},
    {32829, KX_TEXT("Strings", "Pers&onnel editor and queue settings")},
    {32822, KX_TEXT("Strings", "&Result viewer settings")},
    {32830, KX_TEXT("Strings", "Call handling settings")},
    {32815, KX_TEXT("Strings", "&Line supervision")},
    {32856, KX_TEXT("Strings", "&Watch-dog box settings")},
    {32847, KX_TEXT("Strings", "Master / Slave configuration")},
    {32853, KX_TEXT("Strings", "Dynamic alarmmessage TTS settings")},
    {32842, KX_TEXT("Strings", "Hotel-evacuation settings")},
    {32817, KX_TEXT("Strings", "&Import/Export and extended settings")},
    {32771, KX_TEXT("Strings", "Add &new alarm")},
    {32772, KX_TEXT("Strings", "Set alarm &settings")},
    {32803, KX_TEXT("Strings", "&Delete alarm")},
    {32773, KX_TEXT("Strings", "&Launch alarm")},
    {32782, KX_TEXT("Strings", "Alarm-&Simulation")},
    {32774, KX_TEXT("Strings", "&View alarm results")},
    {32823, KX_TEXT("Strings", "&Record alarm messages")},
    {32804, KX_TEXT("Strings", "&New alarm-in")},
    {32805, KX_TEXT("Strings", "&Alarm-in settings")},
    {32806, KX_TEXT("Strings", "&Delete alarm-in")},
    {32828, KX_TEXT("Strings", "Record alarm-in message")},
    {32854, KX_TEXT("Strings", "DDI &converter")},
    {32861, KX_TEXT("Strings", "DDI-CLI Alarm scanner")},
    {32855, KX_TEXT("Strings", "Line / Server supervison overview")},
    {32775, KX_TEXT("Strings", "Add &new persons")},
    {32776, KX_TEXT("Strings", "&Modify data of persons")},
    {32777, KX_TEXT("Strings", "Add new &groups")},
    {32778, KX_TEXT("Strings", "Modify &data of groups")},
    {32780, KX_TEXT("Strings", "&System-Informations")},
    {32781, KX_TEXT("Strings", "Data &backup")},
    {32783, KX_TEXT("Strings", "&Schedule plan editor")},
    {32784, KX_TEXT("Strings", "&Postjob monitor")},
    {32821, KX_TEXT("Strings", "&Dial utility")},
    {32814, KX_TEXT("Strings", "Line Monitor")},
    {32859, KX_TEXT("Strings", "Release check")},
    {59392, KX_TEXT("Strings", "&Symbol bar")},
    {59393, KX_TEXT("Strings", "S&tatus bar")},
    {32840, KX_TEXT("Strings", "Refresh")},
    {57664, KX_TEXT("Strings", "&About kxalarm...")},
    {32785, KX_TEXT("Strings", "Alarm configurator")},
    {32786, KX_TEXT("Strings", "Editor of persons and groups")},
    {32787, KX_TEXT("Strings", "View alarm results")},
    {32792, KX_TEXT("Strings", "Schedule plan editor")},
    {32824, KX_TEXT("Strings", "Launch alarm")},
    {32794, KX_TEXT("Strings", "Utility to launch an alarm")},
    {32793, KX_TEXT("Strings", "Alarm simulation")},
    {32807, KX_TEXT("Strings", "Dial utility")},
    {32790, KX_TEXT("Strings", "Data backup")},
    {32858, KX_TEXT("Strings", "Release check")},
    {32791, KX_TEXT("Strings", "System information")},
    {32813, KX_TEXT("Strings", "Line monitor")},
    // Timed deactivation of alarms: the menu entries in menu order, the submenu, the failure.
    {str::DeactivationMenuFirst + 0, KX_TEXT("Strings", "Activate alarms")},
    {str::DeactivationMenuFirst + 1, KX_TEXT("Strings", "for 10 minutes")},
    {str::DeactivationMenuFirst + 2, KX_TEXT("Strings", "for 20 minutes")},
    {str::DeactivationMenuFirst + 3, KX_TEXT("Strings", "for 30 minutes")},
    {str::DeactivationMenuFirst + 4, KX_TEXT("Strings", "for 1 hour")},
    {str::DeactivationMenuFirst + 5, KX_TEXT("Strings", "for 2 hours")},
    {str::DeactivationMenuFirst + 6, KX_TEXT("Strings", "for 3 hours")},
    {str::DeactivationMenuFirst + 7, KX_TEXT("Strings", "for 4 hours")},
    {str::DeactivationMenuFirst + 8, KX_TEXT("Strings", "for 5 hours")},
    {str::DeactivationMenuFirst + 9, KX_TEXT("Strings", "for 6 hours")},
    {str::DeactivationMenuFirst + 10, KX_TEXT("Strings", "for 8 hours")},
    {str::DeactivationMenuFirst + 11, KX_TEXT("Strings", "for 12 hours")},
    {str::DeactivationMenuFirst + 12, KX_TEXT("Strings", "for 18 hours")},
    {str::DeactivationMenuFirst + 13, KX_TEXT("Strings", "for 24 hours")},
    {str::DeactivateAlarmsMenu, KX_TEXT("Strings", "Deactivate alarms")},
    {str::DeactivationIncomplete,
     KX_TEXT("Strings",
                       "%d of the selected alarms could not be changed: the alarm table or the file kxadeact.ini "
                       "could not be written.")},
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
