#include "platform/StringTable.h"

#include <unordered_map>

namespace kx {

namespace {

// The messages whose numbers the platform's programs share, under the
// translation context "Messages".
const std::vector<std::pair<int, Text>> kEntries = {
    {str::Error, KX_TEXT("Messages", "Error")},
    {str::PleaseConfirm, KX_TEXT("Messages", "Please confirm...")},
    {str::GroupDatabaseNotOpened, KX_TEXT("Messages", "Error, impossible to open group database %1 !")},
    {str::AlarmDatabaseNotOpened, KX_TEXT("Messages", "Error, impossible to open alarm-database %1 !")},
    {str::Information, KX_TEXT("Messages", "Information")},
    {str::ConfirmLaunchAlarm, KX_TEXT("Messages", "Do you want to launch the alarm '%1' ?")},
    {str::ResourceLibraryNotLoaded, KX_TEXT("Messages", "The resource DLL %1 could not be loaded !")},
    {str::SelectAlarmFirst, KX_TEXT("Messages", "Please select an alarm first.")},
    {str::SelectAlarmToRecord,
     KX_TEXT("Messages", "Please select the alarm first, for which you want to record the alarm message !")},
    {str::SelectAlarmForIcon, KX_TEXT("Messages", "Please select at least one alarm, before changing the alarm icon.")},
    {str::WhitelistTitle, KX_TEXT("Messages", "Whitelist settings for %1")},
    {str::EnterNumberFirst, KX_TEXT("Messages", "Please enter a number first !")},
    {str::NoModuleStarted, KX_TEXT("Messages", "No module started")},
    {str::IncomingMessageNeedsRings,
     KX_TEXT("Messages",
             "To set a message for incoming calls, the lines need to be started with rings=-1. You can do "
             "this with the command \"kxtini 1 30 rings -1\" from a command prompt in the KXT directory. If "
             "you are using more then 30 lines, you need to change 30 through the number of lines you are "
             "using.\nPlease make sure to restart the lines, after changing the rings parameter.")},
    {str::MasterSlaveNotActive,
     KX_TEXT("Messages", "The master / slave controller is not active !\nDo you want to add it to the Quillon Service "
                         "?\nThe Quillon Service needs to be restarted to activate the program.")},
    {str::LineLabel, KX_TEXT("Messages", "Line")},
    {str::MaximumTenLines,
     KX_TEXT("Messages",
             "Maximum lines which can be checked is 10 !\nPlease make sure, that not more then 10 lines are "
             "selected.")},
    {str::EmailModuleNotStarted,
     KX_TEXT("Messages",
             "The KXE module kxaemailin is not started automatically !\nDo you want to add it to the Quillon "
             "Service ?\nThe Quillon Service needs to be restarted to activate the module.")},
    {str::TtsProgramMissing,
     KX_TEXT("Messages", "The program Kxtts.exe is not installed !\nPlease contact Quillon for further information.")},
    {str::NoTtsApplication,
     KX_TEXT("Messages", "No TTS application found on this system !\nFor dynamic voice messages there has to be a TTS "
                         "application, like SVOX or Loquendo installed.\nPlease contact Quillon for further "
                         "information.")},
    {str::CallerText, KX_TEXT("Messages", "AlarmCenter on %1")},
    {str::WatchdogModuleMissingOnOk,
     KX_TEXT("Messages", "The KXE program kxawdcall.kxe does not exist !\nPlease make sure, that this program is "
                         "existent in the kxt directory.")},
    {str::WatchdogModuleMissingForTest,
     KX_TEXT("Messages", "The kxe module kxawdcall.kxe, which is needed for this function, does not exist!")},
    {str::WatchdogNoNumber, KX_TEXT("Messages", "ERROR ! No phonenumber defined for line watchdog to dial !")},
    {str::AddDdiCallbackKeys, KX_TEXT("Messages", "Add new alarm-in keys for DDI callback from %d to %d ?")},
    {str::ConfirmDeactivateMinutes,
     KX_TEXT("Messages", "Deactivate selected alarms for %d minutes ?\nWarning, the selected alarms will not be "
                         "launched for the defined time!\nThe deactivation does not support winter / summer time "
                         "change.")},
    {str::ConfirmDeactivateHours,
     KX_TEXT("Messages", "Deactivate selected alarms for %d hour(s) ?\nWarning, the selected alarms will not be "
                         "launched for the defined time!\nThe deactivation does not support winter / summer time "
                         "change.")},
    {str::SelectAlarmsToActivate,
     KX_TEXT("Messages", "Please select the alarm(s) to activate in the alarmlist first.")},
    {str::SelectAlarmsToDeactivate,
     KX_TEXT("Messages", "Please select the alarm(s) to deactivate in the alarmlist first.")},
    {str::AddPingToAutostart,
     KX_TEXT("Messages", "Add server watch process to autostart? This process needs to be running for this "
                         "function.\nPlease start the kxaping process in the autostart settings of the monitor or "
                         "restart the Quillon tool service.")},
    {str::ProcessNameLabel, KX_TEXT("Messages", "Name of process to watch:")},
    {str::ServiceNameLabel, KX_TEXT("Messages", "Name of service to watch:")},
    {str::NoServiceOrProcess, KX_TEXT("Messages", "No valid service or process defined to watch!")},
    {str::InvalidRemoteAddress,
     KX_TEXT("Messages", "No valid ip address defined to watch service or process on a remote system!")},
    {str::InvalidPingAddress, KX_TEXT("Messages", "No valid ip address defined to watch remote server by ping!")},
    {str::AddServiceWatcherToAutostart,
     KX_TEXT("Messages", "Add service/process watcher to autostart? This program needs to be running for this "
                         "function.\nPlease start the kxaservw process in the autostart settings of the monitor or "
                         "restart the Quillon tool service.")},
    {str::ShowProcesses, KX_TEXT("Messages", "Show processes")},
    {str::ShowServices, KX_TEXT("Messages", "Show services")},
    {str::SaveProcessWatch,
     KX_TEXT("Messages",
             "Save settings for process watch on %1 ?\nThe alarmcomment of this alarm will be overwritten.")},
    {str::SaveServiceWatch,
     KX_TEXT("Messages",
             "Save settings for service watch on %1 ?\nThe alarmcomment of this alarm will be overwritten.")},
    {str::LocalSystem, KX_TEXT("Messages", "local system")},
    {str::SavePingWatch,
     KX_TEXT("Messages", "Save settings for server watch on ip-address: %1 ?\nThe alarmcomment of this alarm will be "
                         "overwritten.")},
    {str::WatchdogTitle, KX_TEXT("Messages", "Settings for the watchdog alarm %d")},
    {str::InvalidWatchdogInterval, KX_TEXT("Messages", "Please enter a valid watchdog interval in minutes!")},
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
