#include "platform/StringTable.h"

#include <cstdio>
#include <mutex>
#include <unordered_map>

namespace kx {

namespace {

// Context "Strings" for the translation tools. Each subsystem keeps its own
// texts together in a block of its own numbers.
const std::vector<std::pair<int, const char*>> kEntries = {
    {str::AppTitle, KX_TRANSLATE_NOOP("Strings", "Alarm Control Center Tellmark")},
    {str::Error, KX_TRANSLATE_NOOP("Strings", "Error")},
    {str::PleaseConfirm, KX_TRANSLATE_NOOP("Strings", "Please confirm...")},
    {str::GroupDatabaseNotOpened, KX_TRANSLATE_NOOP("Strings", "Error, impossible to open group database %1 !")},
    {str::AlarmDatabaseNotOpened, KX_TRANSLATE_NOOP("Strings", "Error, impossible to open alarm-database %1 !")},
    {str::Information, KX_TRANSLATE_NOOP("Strings", "Information")},
    {str::ConfirmLaunchAlarm, KX_TRANSLATE_NOOP("Strings", "Do you want to launch the alarm '%1' ?")},
    {str::ResourceLibraryNotLoaded, KX_TRANSLATE_NOOP("Strings", "The resource DLL %1 could not be loaded !")},
    {str::SelectAlarmFirst, KX_TRANSLATE_NOOP("Strings", "Please select an alarm first.")},
    {str::SelectAlarmToRecord,
     KX_TRANSLATE_NOOP("Strings", "Please select the alarm first, for which you want to record the alarm message !")},
    {str::SelectAlarmForIcon,
     KX_TRANSLATE_NOOP("Strings", "Please select at least one alarm, before changing the alarm icon.")},
    {str::WhitelistTitle, KX_TRANSLATE_NOOP("Strings", "Whitelist settings for %1")},
    {str::EnterNumberFirst, KX_TRANSLATE_NOOP("Strings", "Please enter a number first !")},
    {str::NoModuleStarted, KX_TRANSLATE_NOOP("Strings", "No module started")},
    {str::IncomingMessageNeedsRings,
     KX_TRANSLATE_NOOP("Strings",
                       "To set a message for incoming calls, the lines need to be started with rings=-1. You can do "
                       "this with the command \"kxtini 1 30 rings -1\" from a command prompt in the KXT directory. If "
                       "you are using more then 30 lines, you need to change 30 through the number of lines you are "
                       "using.\nPlease make sure to restart the lines, after changing the rings parameter.")},
    {str::MasterSlaveNotActive,
     KX_TRANSLATE_NOOP("Strings",
                       "The master / slave controller is not active !\nDo you want to add it to the Quillon Service "
                       "?\nThe Quillon Service needs to be restarted to activate the program.")},
    {str::LineLabel, KX_TRANSLATE_NOOP("Strings", "Line")},
    {str::MaximumTenLines,
     KX_TRANSLATE_NOOP("Strings",
                       "Maximum lines which can be checked is 10 !\nPlease make sure, that not more then 10 lines are "
                       "selected.")},
    {str::EmailModuleNotStarted,
     KX_TRANSLATE_NOOP("Strings",
                       "The KXE module kxaemailin is not started automatically !\nDo you want to add it to the Quillon "
                       "Service ?\nThe Quillon Service needs to be restarted to activate the module.")},
    {str::TtsProgramMissing,
     KX_TRANSLATE_NOOP("Strings",
                       "The program Kxtts.exe is not installed !\nPlease contact Quillon for further information.")},
    {str::NoTtsApplication,
     KX_TRANSLATE_NOOP("Strings",
                       "No TTS application found on this system !\nFor dynamic voice messages there has to be a TTS "
                       "application, like SVOX or Loquendo installed.\nPlease contact Quillon for further "
                       "information.")},
    {str::CallerText, KX_TRANSLATE_NOOP("Strings", "AlarmCenter on %1")},
    {str::WatchdogModuleMissingOnOk,
     KX_TRANSLATE_NOOP("Strings",
                       "The KXE program kxawdcall.kxe does not exist !\nPlease make sure, that this program is "
                       "existent in the kxt directory.")},
    {str::WatchdogModuleMissingForTest,
     KX_TRANSLATE_NOOP("Strings", "The kxe module kxawdcall.kxe, which is needed for this function, does not exist!")},
    {str::WatchdogNoNumber, KX_TRANSLATE_NOOP("Strings", "ERROR ! No phonenumber defined for line watchdog to dial !")},
    {str::AddDdiCallbackKeys, KX_TRANSLATE_NOOP("Strings", "Add new alarm-in keys for DDI callback from %d to %d ?")},
    {str::ConfirmDeactivateMinutes,
     KX_TRANSLATE_NOOP("Strings",
                       "Deactivate selected alarms for %d minutes ?\nWarning, the selected alarms will not be "
                       "launched for the defined time!\nThe deactivation does not support winter / summer time "
                       "change.")},
    {str::ConfirmDeactivateHours,
     KX_TRANSLATE_NOOP("Strings",
                       "Deactivate selected alarms for %d hour(s) ?\nWarning, the selected alarms will not be "
                       "launched for the defined time!\nThe deactivation does not support winter / summer time "
                       "change.")},
    {str::SelectAlarmsToActivate,
     KX_TRANSLATE_NOOP("Strings", "Please select the alarm(s) to activate in the alarmlist first.")},
    {str::SelectAlarmsToDeactivate,
     KX_TRANSLATE_NOOP("Strings", "Please select the alarm(s) to deactivate in the alarmlist first.")},
    {str::AddPingToAutostart,
     KX_TRANSLATE_NOOP("Strings",
                       "Add server watch process to autostart? This process needs to be running for this "
                       "function.\nPlease start the kxaping process in the autostart settings of the monitor or "
                       "restart the Quillon tool service.")},
    {str::ProcessNameLabel, KX_TRANSLATE_NOOP("Strings", "Name of process to watch:")},
    {str::ServiceNameLabel, KX_TRANSLATE_NOOP("Strings", "Name of service to watch:")},
    {str::NoServiceOrProcess, KX_TRANSLATE_NOOP("Strings", "No valid service or process defined to watch!")},
    {str::InvalidRemoteAddress,
     KX_TRANSLATE_NOOP("Strings", "No valid ip address defined to watch service or process on a remote system!")},
    {str::InvalidPingAddress,
     KX_TRANSLATE_NOOP("Strings", "No valid ip address defined to watch remote server by ping!")},
    {str::AddServiceWatcherToAutostart,
     KX_TRANSLATE_NOOP("Strings",
                       "Add service/process watcher to autostart? This program needs to be running for this "
                       "function.\nPlease start the kxaservw process in the autostart settings of the monitor or "
                       "restart the Quillon tool service.")},
    {str::ShowProcesses, KX_TRANSLATE_NOOP("Strings", "Show processes")},
    {str::ShowServices, KX_TRANSLATE_NOOP("Strings", "Show services")},
    {str::SaveProcessWatch,
     KX_TRANSLATE_NOOP("Strings",
                       "Save settings for process watch on %1 ?\nThe alarmcomment of this alarm will be overwritten.")},
    {str::SaveServiceWatch,
     KX_TRANSLATE_NOOP("Strings",
                       "Save settings for service watch on %1 ?\nThe alarmcomment of this alarm will be overwritten.")},
    {str::LocalSystem, KX_TRANSLATE_NOOP("Strings", "local system")},
    {str::SavePingWatch,
     KX_TRANSLATE_NOOP("Strings",
                       "Save settings for server watch on ip-address: %1 ?\nThe alarmcomment of this alarm will be "
                       "overwritten.")},
    {str::WatchdogTitle, KX_TRANSLATE_NOOP("Strings", "Settings for the watchdog alarm %d")},
    {str::InvalidWatchdogInterval, KX_TRANSLATE_NOOP("Strings", "Please enter a valid watchdog interval in minutes!")},
    // Alarm kinds, alarm types (the "Select alarm type" menu), alarm-in functions.
    {str::AlarmKindFirst + 0, KX_TRANSLATE_NOOP("Strings", "Parallel")},
    {str::AlarmKindFirst + 1, KX_TRANSLATE_NOOP("Strings", "Sequent")},
    {str::AlarmKindFirst + 2, KX_TRANSLATE_NOOP("Strings", "Copy into MBX")},
    {str::AlarmKindFirst + 3, KX_TRANSLATE_NOOP("Strings", "Conference/Parallel")},
    {str::AlarmKindFirst + 4, KX_TRANSLATE_NOOP("Strings", "2-party conference with the first")},
    {str::AlarmKindFirst + 5, KX_TRANSLATE_NOOP("Strings", "Skill alarm")},
    {str::AlarmTypeFirst + 0, KX_TRANSLATE_NOOP("Strings", "Not specified")},
    {str::AlarmTypeFirst + 1, KX_TRANSLATE_NOOP("Strings", "Contact")},
    {str::AlarmTypeFirst + 2, KX_TRANSLATE_NOOP("Strings", "Firealarm")},
    {str::AlarmTypeFirst + 3, KX_TRANSLATE_NOOP("Strings", "Housemanagement")},
    {str::AlarmTypeFirst + 4, KX_TRANSLATE_NOOP("Strings", "Phone")},
    {str::AlarmTypeFirst + 5, KX_TRANSLATE_NOOP("Strings", "Technical alarm")},
    {str::AlarmTypeFirst + 6, KX_TRANSLATE_NOOP("Strings", "Firstaid / nurse call")},
    {str::AlarmTypeFirst + 7, KX_TRANSLATE_NOOP("Strings", "Day / Night contact")},
    {str::AlarmTypeFirst + 8, KX_TRANSLATE_NOOP("Strings", "WatchDog alarm")},
    {str::AlarmTypeFirst + 9, KX_TRANSLATE_NOOP("Strings", "Man-down function")},
    {str::AlarmTypeFirst + 10, KX_TRANSLATE_NOOP("Strings", "Server / Network watch (ping)")},
    {str::AlarmTypeFirst + 11, KX_TRANSLATE_NOOP("Strings", "Service / Process watch")},
    {str::AlarmInFunctionFirst + 0, KX_TRANSLATE_NOOP("Strings", "Broadcast / Launch an alarm")},
    {str::AlarmInFunctionFirst + 1, KX_TRANSLATE_NOOP("Strings", "Launch a conference")},
    {str::AlarmInFunctionFirst + 2, KX_TRANSLATE_NOOP("Strings", "Record an alarm message")},
    {str::AlarmInFunctionFirst + 3, KX_TRANSLATE_NOOP("Strings", "Login and logout of persons")},
    {str::AlarmInFunctionFirst + 4, KX_TRANSLATE_NOOP("Strings", "Confirmation call back")},
    {str::AlarmInFunctionFirst + 5, KX_TRANSLATE_NOOP("Strings", "Confirmation call back for pager")},
    {str::AlarmInFunctionFirst + 6, KX_TRANSLATE_NOOP("Strings", "Line supervision call back")},
    {str::AlarmInFunctionFirst + 7, KX_TRANSLATE_NOOP("Strings", "Record a fax message")},
    {str::AlarmInFunctionFirst + 8, KX_TRANSLATE_NOOP("Strings", "Play active alarms")},
    {str::AlarmInFunctionFirst + 9, KX_TRANSLATE_NOOP("Strings", "Play the alarm message of an alarm")},
    {str::AlarmInFunctionFirst + 10, KX_TRANSLATE_NOOP("Strings", "Play the last alarm message of the caller")},
    {str::AlarmInFunctionFirst + 11, KX_TRANSLATE_NOOP("Strings", "Play recorded conferences")},
    {str::AlarmInFunctionFirst + 12, KX_TRANSLATE_NOOP("Strings", "Special functions")},
    {str::AlarmInFunctionFirst + 13, KX_TRANSLATE_NOOP("Strings", "Activate and deactivate man-down supervision")},
    {str::AlarmInFunctionFirst + 14, KX_TRANSLATE_NOOP("Strings", "Fax broadcast / Alarm launch")},
    {str::AlarmInFunctionFirst + 15, KX_TRANSLATE_NOOP("Strings", "Room surveillance (baby call)")},
    {str::AlarmInFunctionFirst + 16, KX_TRANSLATE_NOOP("Strings", "Start evacuation alarm")},
    {str::AlarmInFunctionFirst + 17, KX_TRANSLATE_NOOP("Strings", "Add to conference pool")},
    {str::AlarmInFunctionFirst + 18, KX_TRANSLATE_NOOP("Strings", "DECT Alarm call")},
    {str::AlarmInFunctionFirst + 19, KX_TRANSLATE_NOOP("Strings", "IVR application")},
    {str::AlarmInFunctionFirst + 20, KX_TRANSLATE_NOOP("Strings", "Call transfer")},
    {str::AlarmInFunctionFirst + 21, KX_TRANSLATE_NOOP("Strings", "DDI callback")},
    {str::NoAlarmInFunction, KX_TRANSLATE_NOOP("Strings", "No type of alarm defined")},
    // The lists of the main window.
    {str::NoDefinition, KX_TRANSLATE_NOOP("Strings", "[No definition]")},
    {str::EmptyGroup, KX_TRANSLATE_NOOP("Strings", "Empty group")},
    {str::ManDownSupervision, KX_TRANSLATE_NOOP("Strings", "Man-down supervision")},
    {str::NoName, KX_TRANSLATE_NOOP("Strings", "No name")},
    {str::NoGroupSpecified, KX_TRANSLATE_NOOP("Strings", "NO GROUP SPECIFIED")},
    {str::NoGroupCreated, KX_TRANSLATE_NOOP("Strings", "No group created")},
    {str::LoginOnly, KX_TRANSLATE_NOOP("Strings", "Login of persons only")},
    {str::LogoutOnly, KX_TRANSLATE_NOOP("Strings", "Logout of persons only")},
    {str::DoNotLaunchAlarm, KX_TRANSLATE_NOOP("Strings", "Do not launch an alarm")},
    {str::NotGeneratedOrEmpty, KX_TRANSLATE_NOOP("Strings", "Not generated or empty")},
    {str::KeysAreNotAlarms,
     KX_TRANSLATE_NOOP("Strings",
                       "Only alarms of the alarm range %2 can be changed; these keys are not: %1. Nothing was "
                       "changed.")},
    // The main window.
    {str::MenuFile, KX_TRANSLATE_NOOP("Strings", "&File")},
    {str::MenuSettings, KX_TRANSLATE_NOOP("Strings", "&Settings")},
    {str::MenuAlarm, KX_TRANSLATE_NOOP("Strings", "A&larm")},
    {str::MenuAlarmIn, KX_TRANSLATE_NOOP("Strings", "Alarm-in")},
    {str::MenuPersonsGroups, KX_TRANSLATE_NOOP("Strings", "Persons/&Groups")},
    {str::MenuTools, KX_TRANSLATE_NOOP("Strings", "&Tools")},
    {str::MenuView, KX_TRANSLATE_NOOP("Strings", "&View")},
    {str::MenuHelp, KX_TRANSLATE_NOOP("Strings", "&Help")},
    {str::MenuSelectAlarmType, KX_TRANSLATE_NOOP("Strings", "Select alarm type")},
    {str::ColumnAlarmNumber, KX_TRANSLATE_NOOP("Strings", "Alarmnumber")},
    {str::ColumnAlarmName, KX_TRANSLATE_NOOP("Strings", "Alarmname")},
    {str::ColumnGroup, KX_TRANSLATE_NOOP("Strings", "Group")},
    {str::ColumnType, KX_TRANSLATE_NOOP("Strings", "Type")},
    {str::ColumnAlarmIn, KX_TRANSLATE_NOOP("Strings", "Alarm-in")},
    {str::ColumnLaunchAlarm, KX_TRANSLATE_NOOP("Strings", "Launch alarm")},
    {str::ColumnName, KX_TRANSLATE_NOOP("Strings", "Name")},
    {str::ColumnPhoneNumber, KX_TRANSLATE_NOOP("Strings", "Phone number")},
    {str::ButtonEdit, KX_TRANSLATE_NOOP("Strings", "Edit")},
    {str::ButtonDetails, KX_TRANSLATE_NOOP("Strings", "Details")},
    {str::ButtonAlarms, KX_TRANSLATE_NOOP("Strings", "Alarms")},
    {str::ButtonAlarmsIn, KX_TRANSLATE_NOOP("Strings", "alarms-in")},
    {str::FrameAlarmSettings, KX_TRANSLATE_NOOP("Strings", "Alarm settings")},
    {str::FrameAlarmInSettings, KX_TRANSLATE_NOOP("Strings", "Settings of alarms-in")},
    {str::LabelFirstAlarmNumber, KX_TRANSLATE_NOOP("Strings", "First alarm number:")},
    {str::LabelLastAlarmNumber, KX_TRANSLATE_NOOP("Strings", "Last alarm number:")},
    {str::LabelFirstAlarmIn, KX_TRANSLATE_NOOP("Strings", "First alarm-in:")},
    {str::LabelLastAlarmIn, KX_TRANSLATE_NOOP("Strings", "Last alarm-in:")},
    {str::LabelGroup, KX_TRANSLATE_NOOP("Strings", "Group:")},
    {str::LabelIncludedPersons, KX_TRANSLATE_NOOP("Strings", "Including the following persons:")},
    {str::FrameGroupsAndPersons, KX_TRANSLATE_NOOP("Strings", "Data of groups and persons")},
    {str::LabelChangeTo, KX_TRANSLATE_NOOP("Strings", "Change to:")},
    {str::AboutTitle, KX_TRANSLATE_NOOP("Strings", "Info about kxalarm")},
    {str::AboutVersion, KX_TRANSLATE_NOOP("Strings", "Kxalarm, Version 4.8")},
    {str::AboutContact1, KX_TRANSLATE_NOOP("Strings", "Quillon alarm notification systems")},
    {str::AboutContact2, KX_TRANSLATE_NOOP("Strings", "Support: support@quillon.example")},
    {str::AboutContact3, KX_TRANSLATE_NOOP("Strings", "Configuration console of the alarm server")},
    {str::ButtonOk, KX_TRANSLATE_NOOP("Strings", "OK")},
    {str::DocumentTitle, KX_TRANSLATE_NOOP("Strings", "Quillon")},
    {str::StatusReady, KX_TRANSLATE_NOOP("Strings", "Ready")},
    {str::StatusCapsLock, KX_TRANSLATE_NOOP("Strings", "CAP")},
    {str::StatusNumLock, KX_TRANSLATE_NOOP("Strings", "NUM")},
    {str::StatusScrollLock, KX_TRANSLATE_NOOP("Strings", "SCRL")},
    {str::ContextHelpTip, KX_TRANSLATE_NOOP("Strings", "Help on the item clicked next")},
    // The commands, under their own numbers (toolbar buttons: their tool tips).
    {57607, KX_TRANSLATE_NOOP("Strings", "&Print...")},
    {57606, KX_TRANSLATE_NOOP("Strings", "Printer&settings...")},
    {57665, KX_TRANSLATE_NOOP("Strings", "E&xit")},
    {32816, KX_TRANSLATE_NOOP("Strings", "&General settings")},
    {32798, KX_TRANSLATE_NOOP("Strings", "&Parallel alarm settings")},
    {32797, KX_TRANSLATE_NOOP("Strings", "&Sequent alarm settings")},
    {32818, KX_TRANSLATE_NOOP("Strings", "&Confirmation settings")},
    {32820, KX_TRANSLATE_NOOP("Strings", "&Conference settings")},
    {32851, KX_TRANSLATE_NOOP("Strings", "Message settings")},
    {32850, KX_TRANSLATE_NOOP("Strings", "Escalation settings")},
    {32827, KX_TRANSLATE_NOOP("Strings", "E-&mail settings")},
    {32843, KX_TRANSLATE_NOOP("Strings", "&Login / Logout settings")},
    {32860, KX_TRANSLATE_NOOP("Strings", "&DDI callback settings")},
    {32862, KX_TRANSLATE_NOOP("Strings", "XML Settings")},
    {32883, KX_TRANSLATE_NOOP("Strings", "Server / Service watch settings")},
    {32841, KX_TRANSLATE_NOOP("Strings", "Incoming call and alarm-in settings")},
    {32829, KX_TRANSLATE_NOOP("Strings", "Pers&onnel editor and queue settings")},
    {32822, KX_TRANSLATE_NOOP("Strings", "&Result viewer settings")},
    {32830, KX_TRANSLATE_NOOP("Strings", "Call handling settings")},
    {32815, KX_TRANSLATE_NOOP("Strings", "&Line supervision")},
    {32856, KX_TRANSLATE_NOOP("Strings", "&Watch-dog box settings")},
    {32847, KX_TRANSLATE_NOOP("Strings", "Master / Slave configuration")},
    {32853, KX_TRANSLATE_NOOP("Strings", "Dynamic alarmmessage TTS settings")},
    {32842, KX_TRANSLATE_NOOP("Strings", "Hotel-evacuation settings")},
    {32817, KX_TRANSLATE_NOOP("Strings", "&Import/Export and extended settings")},
    {32771, KX_TRANSLATE_NOOP("Strings", "Add &new alarm")},
    {32772, KX_TRANSLATE_NOOP("Strings", "Set alarm &settings")},
    {32803, KX_TRANSLATE_NOOP("Strings", "&Delete alarm")},
    {32773, KX_TRANSLATE_NOOP("Strings", "&Launch alarm")},
    {32782, KX_TRANSLATE_NOOP("Strings", "Alarm-&Simulation")},
    {32774, KX_TRANSLATE_NOOP("Strings", "&View alarm results")},
    {32823, KX_TRANSLATE_NOOP("Strings", "&Record alarm messages")},
    {32804, KX_TRANSLATE_NOOP("Strings", "&New alarm-in")},
    {32805, KX_TRANSLATE_NOOP("Strings", "&Alarm-in settings")},
    {32806, KX_TRANSLATE_NOOP("Strings", "&Delete alarm-in")},
    {32828, KX_TRANSLATE_NOOP("Strings", "Record alarm-in message")},
    {32854, KX_TRANSLATE_NOOP("Strings", "DDI &converter")},
    {32861, KX_TRANSLATE_NOOP("Strings", "DDI-CLI Alarm scanner")},
    {32855, KX_TRANSLATE_NOOP("Strings", "Line / Server supervison overview")},
    {32775, KX_TRANSLATE_NOOP("Strings", "Add &new persons")},
    {32776, KX_TRANSLATE_NOOP("Strings", "&Modify data of persons")},
    {32777, KX_TRANSLATE_NOOP("Strings", "Add new &groups")},
    {32778, KX_TRANSLATE_NOOP("Strings", "Modify &data of groups")},
    {32780, KX_TRANSLATE_NOOP("Strings", "&System-Informations")},
    {32781, KX_TRANSLATE_NOOP("Strings", "Data &backup")},
    {32783, KX_TRANSLATE_NOOP("Strings", "&Schedule plan editor")},
    {32784, KX_TRANSLATE_NOOP("Strings", "&Postjob monitor")},
    {32821, KX_TRANSLATE_NOOP("Strings", "&Dial utility")},
    {32814, KX_TRANSLATE_NOOP("Strings", "Line Monitor")},
    {32859, KX_TRANSLATE_NOOP("Strings", "Release check")},
    {59392, KX_TRANSLATE_NOOP("Strings", "&Symbol bar")},
    {59393, KX_TRANSLATE_NOOP("Strings", "S&tatus bar")},
    {32840, KX_TRANSLATE_NOOP("Strings", "Refresh")},
    {57664, KX_TRANSLATE_NOOP("Strings", "&About kxalarm...")},
    {32785, KX_TRANSLATE_NOOP("Strings", "Alarm configurator")},
    {32786, KX_TRANSLATE_NOOP("Strings", "Editor of persons and groups")},
    {32787, KX_TRANSLATE_NOOP("Strings", "View alarm results")},
    {32792, KX_TRANSLATE_NOOP("Strings", "Schedule plan editor")},
    {32824, KX_TRANSLATE_NOOP("Strings", "Launch alarm")},
    {32794, KX_TRANSLATE_NOOP("Strings", "Utility to launch an alarm")},
    {32793, KX_TRANSLATE_NOOP("Strings", "Alarm simulation")},
    {32807, KX_TRANSLATE_NOOP("Strings", "Dial utility")},
    {32790, KX_TRANSLATE_NOOP("Strings", "Data backup")},
    {32858, KX_TRANSLATE_NOOP("Strings", "Release check")},
    {32791, KX_TRANSLATE_NOOP("Strings", "System information")},
    {32813, KX_TRANSLATE_NOOP("Strings", "Line monitor")},
    // Timed deactivation of alarms: the menu entries in menu order, the submenu, the failure.
    {str::DeactivationMenuFirst + 0, KX_TRANSLATE_NOOP("Strings", "Activate alarms")},
    {str::DeactivationMenuFirst + 1, KX_TRANSLATE_NOOP("Strings", "for 10 minutes")},
    {str::DeactivationMenuFirst + 2, KX_TRANSLATE_NOOP("Strings", "for 20 minutes")},
    {str::DeactivationMenuFirst + 3, KX_TRANSLATE_NOOP("Strings", "for 30 minutes")},
    {str::DeactivationMenuFirst + 4, KX_TRANSLATE_NOOP("Strings", "for 1 hour")},
    {str::DeactivationMenuFirst + 5, KX_TRANSLATE_NOOP("Strings", "for 2 hours")},
    {str::DeactivationMenuFirst + 6, KX_TRANSLATE_NOOP("Strings", "for 3 hours")},
    {str::DeactivationMenuFirst + 7, KX_TRANSLATE_NOOP("Strings", "for 4 hours")},
    {str::DeactivationMenuFirst + 8, KX_TRANSLATE_NOOP("Strings", "for 5 hours")},
    {str::DeactivationMenuFirst + 9, KX_TRANSLATE_NOOP("Strings", "for 6 hours")},
    {str::DeactivationMenuFirst + 10, KX_TRANSLATE_NOOP("Strings", "for 8 hours")},
    {str::DeactivationMenuFirst + 11, KX_TRANSLATE_NOOP("Strings", "for 12 hours")},
    {str::DeactivationMenuFirst + 12, KX_TRANSLATE_NOOP("Strings", "for 18 hours")},
    {str::DeactivationMenuFirst + 13, KX_TRANSLATE_NOOP("Strings", "for 24 hours")},
    {str::DeactivateAlarmsMenu, KX_TRANSLATE_NOOP("Strings", "Deactivate alarms")},
    {str::DeactivationIncomplete,
     KX_TRANSLATE_NOOP("Strings",
                       "%d of the selected alarms could not be changed: the alarm table or the file kxadeact.ini "
                       "could not be written.")},
    // Settings dialogs and number handling.
    {str::SettingNotANumber, KX_TRANSLATE_NOOP("Strings", "Please enter a whole number for \"%1\".")},
    {str::SettingTextTooLong, KX_TRANSLATE_NOOP("Strings", "The text for \"%1\" may have at most %2 characters.")},
    {str::SettingTextOneLine, KX_TRANSLATE_NOOP("Strings", "The text for \"%1\" must stay on one line.")},
    {str::SettingNotAnItem, KX_TRANSLATE_NOOP("Strings", "\"%2\" is not a choice of \"%1\".")},
    {str::SettingsNotWritten, KX_TRANSLATE_NOOP("Strings", "The settings could not be written to %1 !\n%2")},
    {str::SettingNotCp1252,
     KX_TRANSLATE_NOOP("Strings", "The text for \"%1\" holds characters that cannot be stored.")},
    {str::GeneralSettingsTitle, KX_TRANSLATE_NOOP("Strings", "General settings")},
    {str::FirstAlarmOutOfRange,
     KX_TRANSLATE_NOOP("Strings", "The first alarm number '%1' should be between 10 and 9999 ! ")},
    {str::LastAlarmOutOfRange,
     KX_TRANSLATE_NOOP("Strings", "The last alarm number '%1' should be between 10 and 9999 ! ")},
    {str::FirstAlarmInOutOfRange,
     KX_TRANSLATE_NOOP("Strings", "The first alarm-in '%1' should be between 10 and 9999 ! ")},
    {str::LastAlarmInOutOfRange,
     KX_TRANSLATE_NOOP("Strings", "The last alarm-in '%1' should be between 10 and 9999 ! ")},
    {str::AlarmRangeReversed,
     KX_TRANSLATE_NOOP("Strings", "The last alarm number should be higher then the first alarm number !")},
    {str::AlarmInRangeReversed,
     KX_TRANSLATE_NOOP("Strings", "The last alarm-in should be higher then the first alarm-in !")},
    {str::FirstAlarmLabel, KX_TRANSLATE_NOOP("Strings", "First alarm number:")},
    {str::LastAlarmLabel, KX_TRANSLATE_NOOP("Strings", "Last alarm number:")},
    {str::FirstAlarmInLabel, KX_TRANSLATE_NOOP("Strings", "First alarm-in number:")},
    {str::LastAlarmInLabel, KX_TRANSLATE_NOOP("Strings", "Last alarm-in number:")},
    {str::IsdnConnectionLabel, KX_TRANSLATE_NOOP("Strings", "ISDN connection to the alarmserver")},
    {str::QsigProtocolLabel, KX_TRANSLATE_NOOP("Strings", "QSIG ISDN protocol")},
    {str::NormalIsdnProtocolLabel, KX_TRANSLATE_NOOP("Strings", "Normal ISDN protocol (CTR4 / EURO-ISDN)")},
    {str::PbxQsigLabel, KX_TRANSLATE_NOOP("Strings", "PABX QSIG protocol:")},
    {str::PbxIsdnLabel, KX_TRANSLATE_NOOP("Strings", "PABX ISDN protocol:")},
    {str::PbxNone, KX_TRANSLATE_NOOP("Strings", "None")},
    {str::PbxAbc, KX_TRANSLATE_NOOP("Strings", "ABC")},
    {str::PbxCornet, KX_TRANSLATE_NOOP("Strings", "Cornet")},
    {str::PbxIsvpn, KX_TRANSLATE_NOOP("Strings", "ISVPN")},
    {str::SendMsgAsOwnPhoneLabel, KX_TRANSLATE_NOOP("Strings", "Send alarm message as own number (DDI).")},
    {str::SendMsgAsOwnPhoneHint,
     KX_TRANSLATE_NOOP("Strings", "The alarm message to display will be sent directly to the phones.")},
    {str::SendUuiLabel, KX_TRANSLATE_NOOP("Strings", "UUI alarm message sent as mini-message.")},
    {str::SendUuiHint,
     KX_TRANSLATE_NOOP("Strings", "Mini-messages are stored in the phone and can be read after an alarm")},
    {str::SendDdiLabel, KX_TRANSLATE_NOOP("Strings", "Send the alarm number as own number (DDI). ")},
    {str::SendDdiHint,
     KX_TRANSLATE_NOOP("Strings",
                       "The alarm message on the display will be generated in the pbx (depending on own phone)")},
    {str::AddNumberAtBeginningLabel, KX_TRANSLATE_NOOP("Strings", "Use calling party number for outgoing calls:")},
    {str::NumberToAddLabel, KX_TRANSLATE_NOOP("Strings", "Calling party number")},
    {str::ExtDialPrefixLabel, KX_TRANSLATE_NOOP("Strings", "Prefix for external calls (to get dial tone): ")},
    {str::KeyRangesGroup, KX_TRANSLATE_NOOP("Strings", "Alarm and alarm-in numbers")},
    {str::IsdnGroup, KX_TRANSLATE_NOOP("Strings", "ISDN connection")},
    {str::DdiConverterTitle, KX_TRANSLATE_NOOP("Strings", "DDI Converter")},
    {str::EnterDdiFirst, KX_TRANSLATE_NOOP("Strings", "Please enter a DDI to test first!")},
    {str::ScriptEngineNotStarted, KX_TRANSLATE_NOOP("Strings", "The script engine could not be started:\n%1")},
    {str::DdiConversionActiveLabel, KX_TRANSLATE_NOOP("Strings", "DDI conversion active")},
    {str::SuppressDigitsActiveLabel,
     KX_TRANSLATE_NOOP("Strings", "Define valid digits (not defined digits will be suppressed)")},
    {str::ValidDigitsLabel, KX_TRANSLATE_NOOP("Strings", "Valid digits:")},
    {str::CutLeadingDigitsLabel, KX_TRANSLATE_NOOP("Strings", "Cut leading digits from DDI:")},
    {str::CutTrailingDigitsLabel, KX_TRANSLATE_NOOP("Strings", "Cut trailing digits from DDI:")},
    {str::LastDigitsLabel, KX_TRANSLATE_NOOP("Strings", "Use only the last")},
    {str::DigitsLabel, KX_TRANSLATE_NOOP("Strings", "digits")},
    {str::ReplaceLabel, KX_TRANSLATE_NOOP("Strings", "Replace")},
    {str::ReplaceWithLabel, KX_TRANSLATE_NOOP("Strings", "with ")},
    {str::ReplaceAtLabel, KX_TRANSLATE_NOOP("Strings", "at")},
    {str::EmptyDigitItem, KX_TRANSLATE_NOOP("Strings", "empty")},
    {str::AllPositionsItem, KX_TRANSLATE_NOOP("Strings", "All positions")},
    {str::AddOffsetLabel, KX_TRANSLATE_NOOP("Strings", "Add offset:")},
    {str::ResultLabel, KX_TRANSLATE_NOOP("Strings", "Result:")},
    {str::TestButton, KX_TRANSLATE_NOOP("Strings", "Test")},
    {str::RefreshButton, KX_TRANSLATE_NOOP("Strings", "Refresh")},
    {str::TestDdiLabel, KX_TRANSLATE_NOOP("Strings", "DDI to test:")},
    {str::PositionItemFirst + 0, KX_TRANSLATE_NOOP("Strings", "1. Position")},
    {str::PositionItemFirst + 1, KX_TRANSLATE_NOOP("Strings", "2. Position")},
    {str::PositionItemFirst + 2, KX_TRANSLATE_NOOP("Strings", "3. Position")},
    {str::PositionItemFirst + 3, KX_TRANSLATE_NOOP("Strings", "4. Position")},
    {str::PositionItemFirst + 4, KX_TRANSLATE_NOOP("Strings", "5. Position")},
    {str::PositionItemFirst + 5, KX_TRANSLATE_NOOP("Strings", "6. Position")},
    {str::PositionItemFirst + 6, KX_TRANSLATE_NOOP("Strings", "7. Position")},
    {str::PositionItemFirst + 7, KX_TRANSLATE_NOOP("Strings", "8. Position")},
    {str::PositionItemFirst + 8, KX_TRANSLATE_NOOP("Strings", "9. Position")},
    {str::DdiCliScannerTitle, KX_TRANSLATE_NOOP("Strings", "DDI - CLI Alarm scanner")},
    {str::DdiCliExplanation,
     KX_TRANSLATE_NOOP("Strings",
                       "This function scans the alarmname for the DDI and CLI of the caller and starts the alarm if "
                       "it is found. The format for the alarmname is DDI.CLI")},
    {str::DdiCliExample, KX_TRANSLATE_NOOP("Strings", "Example: 2001.0891234567")},
    {str::ScanAlarmNamesLabel, KX_TRANSLATE_NOOP("Strings", "Scan alarmname for DDI.CLI")},
    {str::FirstScanKeyLabel, KX_TRANSLATE_NOOP("Strings", "First alarmkey to scan from:")},
    {str::LastScanKeyLabel, KX_TRANSLATE_NOOP("Strings", "Last alarmkey to scan to:")},
    {str::DistributionSettingsKeyLabel,
     KX_TRANSLATE_NOOP("Strings", "Use configuration for distribution/alarm launcher from alarm-in key:")},
    {str::ConferenceSettingsKeyLabel,
     KX_TRANSLATE_NOOP("Strings", "Use configuration for conference alarm from alarm-in key:")},
};

std::mutex g_translatorMutex;
std::function<std::string(int, std::string_view)> g_translator;

const char* englishText(int id)
{
    static const std::unordered_map<int, const char*> byNumber(kEntries.begin(), kEntries.end());
    auto it = byNumber.find(id);
    return it != byNumber.end() ? it->second : nullptr;
}

}  // namespace

std::string LoadString(int id)
{
    const char* english = englishText(id);
    if (!english)
        return {};
    std::function<std::string(int, std::string_view)> translator;
    {
        std::lock_guard lock(g_translatorMutex);
        translator = g_translator;
    }
    return translator ? translator(id, english) : std::string(english);
}

std::string FillArguments(std::string_view text, std::string_view arg1, std::string_view arg2)
{
    std::string out;
    out.reserve(text.size() + arg1.size() + arg2.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FillNumber(std::string_view text, long number)
{
    std::string out;
    out.reserve(text.size() + 12);
    bool filled = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        if (text[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        // A conversion: flags/width digits, an optional 'l', then d, i or u.
        std::size_t j = i + 1;
        while (j < text.size() && (text[j] == '0' || text[j] == '-' || (text[j] >= '1' && text[j] <= '9')))
            ++j;
        if (j < text.size() && text[j] == 'l')
            ++j;
        if (!filled && j < text.size() && (text[j] == 'd' || text[j] == 'i' || text[j] == 'u')) {
            std::string conversion(text.substr(i, j - i));
            if (conversion.back() == 'l')
                conversion.pop_back();
            conversion += "ld";
            char buf[64];
            std::snprintf(buf, sizeof buf, conversion.c_str(), number);
            out += buf;
            filled = true;
            i = j;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string FormatString(int id, std::string_view arg1, std::string_view arg2)
{
    return FillArguments(LoadString(id), arg1, arg2);
}

std::string FormatStringNumber(int id, long number)
{
    return FillNumber(LoadString(id), number);
}

void SetStringTranslator(std::function<std::string(int, std::string_view)> translator)
{
    std::lock_guard lock(g_translatorMutex);
    g_translator = std::move(translator);
}

const std::vector<std::pair<int, const char*>>& StringTableEntries()
{
    return kEntries;
}

}  // namespace kx
