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
     KX_TRANSLATE_NOOP("Strings",
                       "The kxe module kxawdcall.kxe, which is needed for this function, does not exist!")},
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
    {str::InvalidPingAddress, KX_TRANSLATE_NOOP("Strings", "No valid ip address defined to watch remote server by ping!")},
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
