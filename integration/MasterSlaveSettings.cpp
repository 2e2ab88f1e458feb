#include "integration/MasterSlaveSettings.h"

#include "console/CommandIds.h"
#include "core/Autostart.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "platform/MessageBoxes.h"
#include "settings/SettingsRegistry.h"

#include <climits>

namespace kx::integration {

namespace {

using namespace settings;

const Registration<MasterSlaveSettings> kRegistration(console::cmd::MasterSlaveConfiguration);

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "kxaredundant";
constexpr std::size_t kAddressBuffer = 80;

constexpr Text kActive = KX_TEXT("MasterSlaveSettings", "Redundant Alarmserver with master / slave server");
constexpr Text kMaster = KX_TEXT("MasterSlaveSettings", "This Alarmserver is the master");
constexpr Text kSlave = KX_TEXT("MasterSlaveSettings", "This Alarmserver is the slave");
constexpr Text kPerAlarm =
    KX_TEXT("MasterSlaveSettings", "Define for each alarm if the server is Master, Slave or the alarm is not active");
constexpr Text kRange = KX_TEXT("MasterSlaveSettings", "Define range for master / slave alarms");
constexpr Text kFirstAlarm = KX_TEXT("MasterSlaveSettings", "First alarm:");
constexpr Text kLastAlarm = KX_TEXT("MasterSlaveSettings", "Last alarm:");
constexpr Text kMasterIp = KX_TEXT("MasterSlaveSettings", "IP Address from master Alarmserver");
constexpr Text kMasterPort = KX_TEXT("MasterSlaveSettings", "Port on master Alarmserver");
constexpr Text kRetries = KX_TEXT("MasterSlaveSettings", "Maximum retries to connect to master");
constexpr Text kWait = KX_TEXT("MasterSlaveSettings", "Wait before connecting to master for");
constexpr Text kContinue =
    KX_TEXT("MasterSlaveSettings", "Continue with alarm if alarmgroup is empty.\nThis can be used to start an "
                                   "evacuation sequence on the slave server");
constexpr Text kSettings = KX_TEXT("MasterSlaveSettings", "Settings");

constexpr Text kPortRange = KX_TEXT("MasterSlaveSettings", "The port '%1' should be between 1 and 65535 !");
constexpr Text kRetriesRange = KX_TEXT("MasterSlaveSettings", "The maximum retries '%1' should be 0 or more !");
constexpr Text kWaitRange = KX_TEXT("MasterSlaveSettings", "The wait time '%1' should be 0 or more seconds !");
constexpr Text kRangeOrder =
    KX_TEXT("MasterSlaveSettings", "The first alarm '%1' should not be higher than the last alarm '%2' !");
constexpr Text kRangeOutside =
    KX_TEXT("MasterSlaveSettings", "The alarms of the master / slave range should be between 0 and %1 !");
constexpr Text kNoMasterAddress =
    KX_TEXT("MasterSlaveSettings", "Please enter the IP address of the master Alarmserver, without blanks.");

constexpr const char* kMasterMode = "1";
constexpr const char* kSlaveMode = "2";
constexpr const char* kPerAlarmMode = "3";

// 1 master, 2 slave; anything else (0 when never configured) is per alarm.
std::string readMode(const SettingRow& row)
{
    const int mode = ProfileNumber(row.file, row.section, row.key, 0);
    return mode == 1 || mode == 2 ? std::to_string(mode) : kPerAlarmMode;
}

std::vector<SettingRow> masterSlaveRows()
{
    return {
        CheckSetting("Active", kFile, kSection, false).label(kActive),
        RadioSetting("Mode", kFile, kSection, kPerAlarmMode,
                     {{kMasterMode, kMaster, {}}, {kSlaveMode, kSlave, {}}, {kPerAlarmMode, kPerAlarm, {}}})
            .asNumber()
            .readBy(readMode)
            .when("Active"),
        CheckSetting("RedundancyRange", {}, {}, false).label(kRange).when("Active"),
        IntSetting("FirstAlarm", kFile, kSection, 0).label(kFirstAlarm).when("RedundancyRange"),
        IntSetting("LastAlarm", kFile, kSection, 0).label(kLastAlarm).when("RedundancyRange"),
        ButtonRow("settings", kSettings).opens("slave-alarm-start").when("Mode", {kMasterMode}),
        TextSetting("MasterIP", kFile, kSection, {}, kAddressBuffer).label(kMasterIp).when("Mode", {kSlaveMode}),
        IntSetting("MasterPort", kFile, kSection, 4010)
            .label(kMasterPort)
            .when("Mode", {kSlaveMode})
            .range(1, 65535, kPortRange),
        IntSetting("MaxSocketConnectionRetries", kFile, kSection, 5)
            .label(kRetries)
            .when("Mode", {kSlaveMode})
            .range(0, INT_MAX, kRetriesRange),
        IntSetting("WaitBeforeConnect", kFile, kSection, 5)
            .label(kWait)
            .when("Mode", {kSlaveMode})
            .range(0, INT_MAX, kWaitRange),
        CheckSetting("ContinueOnEmptyGroup", kFile, kSection, false).label(kContinue).when("Mode", {kSlaveMode}),
        IntSetting("PerAlarmRetries", kFile, kSection, 5)
            .at(kFile, kSection, "MaxSocketConnectionRetries")
            .label(kRetries)
            .when("Mode", {kPerAlarmMode})
            .range(0, INT_MAX, kRetriesRange),
        IntSetting("PerAlarmWait", kFile, kSection, 5)
            .at(kFile, kSection, "WaitBeforeConnect")
            .label(kWait)
            .when("Mode", {kPerAlarmMode})
            .range(0, INT_MAX, kWaitRange),
    };
}

}  // namespace

MasterSlaveSettings::MasterSlaveSettings() : SettingsModel(kName, kTitle, masterSlaveRows()) {}

void MasterSlaveSettings::fill()
{
    set("RedundancyRange", number("FirstAlarm") != 0 || number("LastAlarm") != 0 ? "1" : "0");
}

bool MasterSlaveSettings::check()
{
    if (isEnabled("FirstAlarm")) {
        // The keys a range may name: those the mailbox table has records for.
        long lastKey = 9999;
        CDatabase table;
        if (table.Open(config::MailboxTablePath().c_str())) {
            lastKey = static_cast<long>(table.RecCount()) - 1;
            table.Close();
        }
        const long first = number("FirstAlarm");
        const long last = number("LastAlarm");
        if (first > last) {
            ErrorBox(kRangeOrder, value("FirstAlarm"), value("LastAlarm"));
            return false;
        }
        if (first < 0 || last > lastKey) {
            ErrorBox(kRangeOutside, std::to_string(lastKey));
            return false;
        }
    }
    if (isEnabled("MasterIP")) {
        const std::string& address = value("MasterIP");
        if (address.empty() || address.find_first_of(" \t") != std::string::npos) {
            ErrorBox(kNoMasterAddress);
            return false;
        }
    }
    return true;
}

void MasterSlaveSettings::collectWrites(IniWrites& writes) const
{
    addWrite(writes, "Active");
    const std::string& mode = value("Mode");
    addWrite(writes, "Mode");
    if (mode == kPerAlarmMode) {
        addWrite(writes, "PerAlarmRetries");
        addWrite(writes, "PerAlarmWait");
    } else {
        addWrite(writes, "MaxSocketConnectionRetries");
        if (mode == kSlaveMode)
            addWrite(writes, "WaitBeforeConnect");
    }
    const bool range = isOn("RedundancyRange");
    addWrite(writes, "FirstAlarm", range ? value("FirstAlarm") : "0");
    addWrite(writes, "LastAlarm", range ? value("LastAlarm") : "0");
    for (const char* name : {"MasterPort", "MasterIP", "ContinueOnEmptyGroup"})
        addWrite(writes, name);
}

void MasterSlaveSettings::afterWrite()
{
    autostart::Register(autostart::kMasterSlave);
}

}  // namespace kx::integration
