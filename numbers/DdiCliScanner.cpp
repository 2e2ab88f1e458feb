#include "numbers/DdiCliScanner.h"

#include "console/CommandIds.h"
#include "settings/ItemSources.h"
#include "settings/SettingsRegistry.h"

namespace kx::numbers {

using namespace settings;

namespace {

const Registration<DdiCliScanner> kRegistration(console::cmd::DdiCliScanner);

constexpr const char* kAlarmIni = "kxalarm.ini";
constexpr const char* kSection = "kxaddiclialr";

constexpr Text kActive = KX_TEXT("DdiCliScanner", "Scan alarmname for DDI.CLI");
constexpr Text kFirstKey = KX_TEXT("DdiCliScanner", "First alarmkey to scan from:");
constexpr Text kLastKey = KX_TEXT("DdiCliScanner", "Last alarmkey to scan to:");
constexpr Text kDistributionKey =
    KX_TEXT("DdiCliScanner", "Use configuration for distribution/alarm launcher from alarm-in key:");
constexpr Text kConferenceKey = KX_TEXT("DdiCliScanner", "Use configuration for conference alarm from alarm-in key:");

std::vector<SettingRow> scannerRows()
{
    return {
        CheckSetting("Active", kAlarmIni, kSection, false).label(kActive),
        IntSetting("FirstKey", kAlarmIni, kSection, 0).label(kFirstKey).when("Active"),
        IntSetting("LastKey", kAlarmIni, kSection, 0).label(kLastKey).when("Active"),
        ListSetting("UseDistAlarmInSettings", kAlarmIni, kSection, "1001", {})
            .asNumber()
            .itemsFrom(AlarmInItems())
            .label(kDistributionKey)
            .when("Active"),
        ListSetting("UseConfAlarmInSettings", kAlarmIni, kSection, "1001", {})
            .asNumber()
            .itemsFrom(AlarmInItems())
            .label(kConferenceKey)
            .when("Active"),
    };
}

}  // namespace

DdiCliScanner::DdiCliScanner() : SettingsModel(kName, kTitle, scannerRows()) {}

}  // namespace kx::numbers
