#include "integration/WatchdogBoxSettings.h"

#include "console/CommandIds.h"
#include "core/Configuration.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/SitePaths.h"
#include "platform/StringTable.h"
#include "settings/ItemSources.h"
#include "settings/ProgramStart.h"
#include "settings/SettingsRegistry.h"

#include <array>

namespace kx::integration {

namespace {

using namespace settings;

const Registration<WatchdogBoxSettings> kRegistration(console::cmd::WatchDogBoxSettings);

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "WatchDog";
constexpr const char* kQueueCommand = "kxtque.exe postjob 1 kxawdcall -i51";
constexpr const char* kModuleForTest = "kxawdcall.kxe";  // in the working directory
constexpr const char* kModule = "\\kxt\\kxawdcall.kxe";
constexpr const char* kLogFile = "log\\kxawdcall.log";

constexpr Text kActive = KX_TEXT("WatchdogBoxSettings", "Call number");
constexpr Text kInterval = KX_TEXT("WatchdogBoxSettings", "every");
constexpr Text kStartAlarm = KX_TEXT("WatchdogBoxSettings", "Start alarm if call was not answered");
constexpr Text kWriteWarning =
    KX_TEXT("WatchdogBoxSettings", "Write warning to a file, which is show on the consoles.");
constexpr Text kWarningMessage = KX_TEXT("WatchdogBoxSettings", "Warning-message:");
constexpr Text kSendCode = KX_TEXT("WatchdogBoxSettings", "Send DTMF code after the box answers to confirm call.");
constexpr Text kGetCode = KX_TEXT("WatchdogBoxSettings", "Wait for DTMF confirmation code from watchdog-box.");
constexpr Text kAlarmOnNoCode = KX_TEXT("WatchdogBoxSettings", "Start alarm if no valid code received");
constexpr Text kTestCall = KX_TEXT("WatchdogBoxSettings", "Test call");
constexpr Text kLogfile = KX_TEXT("WatchdogBoxSettings", "Logfile");
constexpr Text kNumberNotSaved = KX_TEXT("WatchdogBoxSettings", "The number could not be saved in %1: %2");

struct Interval {
    int minutes;
    Text label;
};
constexpr std::array<Interval, 24> kIntervals = {{
    {10, KX_TEXT("WatchdogBoxSettings", "10 minutes")},
    {20, KX_TEXT("WatchdogBoxSettings", "20 minutes")},
    {30, KX_TEXT("WatchdogBoxSettings", "30 minutes")},
    {40, KX_TEXT("WatchdogBoxSettings", "40 minutes")},
    {50, KX_TEXT("WatchdogBoxSettings", "50 minutes")},
    {60, KX_TEXT("WatchdogBoxSettings", "hour")},
    {120, KX_TEXT("WatchdogBoxSettings", "2 hours")},
    {180, KX_TEXT("WatchdogBoxSettings", "3 hours")},
    {240, KX_TEXT("WatchdogBoxSettings", "4 hours")},
    {300, KX_TEXT("WatchdogBoxSettings", "5 hours")},
    {360, KX_TEXT("WatchdogBoxSettings", "6 hours")},
    {420, KX_TEXT("WatchdogBoxSettings", "7 hours")},
    {480, KX_TEXT("WatchdogBoxSettings", "8 hours")},
    {540, KX_TEXT("WatchdogBoxSettings", "9 hours")},
    {600, KX_TEXT("WatchdogBoxSettings", "10 hours")},
    {660, KX_TEXT("WatchdogBoxSettings", "11 hours")},
    {720, KX_TEXT("WatchdogBoxSettings", "12 hours")},
    {960, KX_TEXT("WatchdogBoxSettings", "16 hours")},
    {1200, KX_TEXT("WatchdogBoxSettings", "20 hours")},
    {1560, KX_TEXT("WatchdogBoxSettings", "24 hours")},  // 1560, not 1440: the stored files hold it
    {2160, KX_TEXT("WatchdogBoxSettings", "36 hours")},
    {2880, KX_TEXT("WatchdogBoxSettings", "48 hours")},
    {3600, KX_TEXT("WatchdogBoxSettings", "60 hours")},
    {4320, KX_TEXT("WatchdogBoxSettings", "72 hours")},
}};

std::vector<Option> intervalItems()
{
    std::vector<Option> items;
    for (const Interval& i : kIntervals)
        items.push_back({std::to_string(i.minutes), i.label, {}});
    return items;
}

// An alarm chosen by key from "%d  %s" entries; an unlisted key is kept.
// Both lists offer the same alarms: the table is read for the first one.
SettingRow alarmRow(const char* name)
{
    return ListSetting(name, kFile, kSection, "0", {}).asNumber();
}

bool activeStored()
{
    for (const std::string& name : ProfileKeyNames(kFile, kSection))
        if (EqualsNoCase(name, "Active"))
            return true;
    return false;
}

}  // namespace

WatchdogBoxSettings::WatchdogBoxSettings()
    : SettingsModel(
          kName, kTitle,
          {
              CheckSetting("Active", kFile, kSection, false).label(kActive),
              TextSetting("NumberToDial", kFile, kSection).when("Active"),
              ListSetting("Intervall", kFile, kSection, "60", intervalItems())
                  .asNumber()
                  .label(kInterval)
                  .when("Active"),
              CheckSetting("StartAlarmActive", kFile, kSection, false).label(kStartAlarm).when("Active"),
              alarmRow("StartAlarmOnNoAnsw").itemsFrom(AlarmItems(KeyFormat::TwoBlanks)).when("StartAlarmActive"),
              CheckSetting("WriteWarningOnNoAnsw", kFile, kSection, false).label(kWriteWarning).when("Active"),
              TextSetting("WarningMessage", kFile, kSection).label(kWarningMessage).when("WriteWarningOnNoAnsw"),
              CheckSetting("SendConfCode", kFile, kSection, false).label(kSendCode).when("Active"),
              TextSetting("SendCode", kFile, kSection).when("SendConfCode"),
              CheckSetting("GetConfCode", kFile, kSection, false)
                  .label(kGetCode)
                  .when("Active")
                  .clearedIf({{"Active", {"0"}}}),
              TextSetting("ConfCode", kFile, kSection).when("GetConfCode"),
              alarmRow("AlarmOnNoConf").label(kAlarmOnNoCode).when("GetConfCode"),
              ButtonRow("test-call", kTestCall),
              ButtonRow("logfile", kLogfile),
          })
{}

void WatchdogBoxSettings::fill()
{
    if (!table())
        ErrorBox(str::AlarmDatabaseNotOpened, config::MailboxTablePath());
    setOptions("AlarmOnNoConf", options("StartAlarmOnNoAnsw"));
    // The module reads any other value as "off"; a stored one is made plain
    // at once. A missing key is left missing (it means "off" as well).
    if (activeStored() && ProfileNumber(kFile, kSection, "Active", 0) != 1) {
        WriteProfileString(kFile, kSection, "Active", "0");
        set("Active", "0");
    }
}

bool WatchdogBoxSettings::check()
{
    // A warning only: the settings are saved for when the module is installed.
    if (!SitePaths::exists(kModule))
        ErrorBox(str::WatchdogModuleMissingOnOk);
    return true;
}

void WatchdogBoxSettings::collectWrites(IniWrites& writes) const
{
    for (const char* name : {"Active", "NumberToDial", "Intervall", "StartAlarmActive", "StartAlarmOnNoAnsw"})
        addWrite(writes, name);
    if (isOn("WriteWarningOnNoAnsw"))
        addWrite(writes, "WarningMessage");
    addWrite(writes, "WriteWarningOnNoAnsw");
    addWrite(writes, "SendConfCode");
    if (isOn("SendConfCode"))
        addWrite(writes, "SendCode");
    addWrite(writes, "GetConfCode");
    if (isOn("GetConfCode")) {
        addWrite(writes, "ConfCode");
        addWrite(writes, "AlarmOnNoConf");
    }
}

void WatchdogBoxSettings::pressed(std::string_view button)
{
    if (button == "logfile") {
        if (!settings::OpenInEditor(SitePaths::translate(kLogFile)))
            pressFailed();
        return;
    }
    if (button != "test-call")
        return;
    if (!SitePaths::exists(kModuleForTest)) {
        ErrorBox(str::WatchdogModuleMissingForTest);
        pressFailed();
        return;
    }
    const std::string& number = value("NumberToDial");
    if (number.empty()) {
        ErrorBox(str::WatchdogNoNumber);
        pressFailed();
        return;
    }
    // The module dials the number it reads from the file.
    if (!WriteProfileString(kFile, kSection, "NumberToDial", number)) {
        ErrorBox(kNumberNotSaved, kFile, ProfileLastError());
        pressFailed();
        return;
    }
    if (!settings::StartReported(CommandLine(kQueueCommand), settings::Wait::UntilEnd))
        pressFailed();
}

}  // namespace kx::integration
