#include "watchers/SupervisionOverview.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "platform/TextEncoding.h"
#include "settings/ItemSources.h"
#include "watchers/SupervisedAlarmIns.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace kx::watchers {

namespace {

constexpr Text kMinutes = KX_TEXT("SupervisionOverview", "%1 min");
constexpr std::size_t kStampBuffer = 40;  // stamps are read up to 39 characters

std::string trimmed(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string readField(CDatabase& table, const char* logicalName)
{
    std::string value;
    table.Read(mailbox::PhysicalName(mailbox::PositionOfLogicalName(logicalName)).c_str(), value);
    return trimmed(value);
}

// The launched alarm as the page's alarm list shows it.
std::string launchAlarmText(CDatabase& table, long alarm)
{
    if (alarm == 0)
        return Tr(settings::kDoNotLaunchAlarm);
    const std::string key = std::to_string(alarm);
    if (alarm < 0 || mailbox::RecordOfKey(alarm) > table.RecCount())
        return key;
    table.Go(mailbox::RecordOfKey(alarm));
    if (readField(table, "status") != mailbox::kStatusAlarm)
        return key;
    const std::string name = readField(table, "text_opt1");
    return name.empty() ? Tr(settings::kNoDefinition, key) : key + " " + Cp1252ToUtf8(name);
}

}  // namespace

std::string WatchdogTimeText(const std::string& stored)
{
    const bool stamp = stored.size() == 8 && stored.find_first_not_of("0123456789abcdefABCDEF") == std::string::npos;
    if (!stamp)
        return Cp1252ToUtf8(stored);
    const std::time_t seconds = static_cast<std::time_t>(std::strtoul(stored.c_str(), nullptr, 16));
    std::tm local{};
    if (!localtime_r(&seconds, &local))
        return stored;
    char text[64];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d  %02d:%02d", local.tm_mday, local.tm_mon + 1, local.tm_year + 1900,
                  local.tm_hour, local.tm_min);
    return text;
}

std::optional<std::vector<SupervisionRow>> LoadSupervisionOverview()
{
    const std::string path = config::MailboxTablePath();
    CDatabase table;
    if (!table.Open(path.c_str())) {
        ErrorBox(str::AlarmDatabaseNotOpened, path);
        return std::nullopt;
    }
    std::vector<SupervisionRow> rows;
    for (long key : LineSupervisionAlarmIns(table)) {
        table.Go(mailbox::RecordOfKey(key));
        SupervisionRow row;
        row.key = key;
        row.name = Cp1252ToUtf8(readField(table, "text_opt1"));
        const long alarm = std::atol(readField(table, "num4_1").c_str());
        row.interval = Tr(kMinutes, std::to_string(std::atol(readField(table, "num6_1").c_str())));
        row.launchAlarm = launchAlarmText(table, alarm);
        const std::string keyText = std::to_string(key);
        row.lastCall = WatchdogTimeText(ProfileString(kWatchdogFile, "KxaWDog", keyText, {}, kStampBuffer));
        row.lastAlarm = WatchdogTimeText(ProfileString(kWatchdogFile, "LastAlarm", keyText, {}, kStampBuffer));
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace kx::watchers
