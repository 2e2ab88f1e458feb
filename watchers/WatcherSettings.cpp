#include "watchers/WatcherSettings.h"

#include "console/CommandIds.h"
#include "settings/SettingsRegistry.h"

#include <climits>
#include <tuple>

namespace kx::watchers {

namespace {

const settings::Registration<WatcherSettings> kRegistration(console::cmd::ServerServiceWatchSettings);

constexpr Text kFirstAlarm = KX_TEXT("WatcherSettings", "First alarmkey to scan from:");
constexpr Text kLastAlarm = KX_TEXT("WatcherSettings", "Last alarmkey to scan to:");
constexpr Text kPingDelay = KX_TEXT("WatcherSettings", "Interval to ping ip-address");
constexpr Text kServiceDelay = KX_TEXT("WatcherSettings", "Interval to check service");
constexpr Text kSleepAfter = KX_TEXT("WatcherSettings", "Wait after alarm was started");
// The edits take digits only: a sign is refused.
constexpr Text kDigitsOnly = KX_TEXT("WatcherSettings", "Please enter digits only: '%1' is not allowed.");

std::vector<settings::SettingRow> watcherRows()
{
    std::vector<settings::SettingRow> rows;
    for (const auto& [prefix, file, delay] :
         {std::tuple{"ping.", "kxaping.ini", kPingDelay}, std::tuple{"servw.", "kxaservw.ini", kServiceDelay}}) {
        for (const auto& [key, def, label] :
             {std::tuple{"FirstAlarm", 7090, kFirstAlarm}, std::tuple{"LastAlarm", 7099, kLastAlarm},
              std::tuple{"Delay", 60, delay}, std::tuple{"SleepAfter", 3600, kSleepAfter}})
            rows.push_back(settings::IntSetting(std::string(prefix) + key, file, "Settings", def)
                               .at(file, "Settings", key)
                               .label(label)
                               .range(0, INT_MAX, kDigitsOnly));
    }
    return rows;
}

}  // namespace

WatcherSettings::WatcherSettings() : SettingsModel(kName, kTitle, watcherRows()) {}

}  // namespace kx::watchers
