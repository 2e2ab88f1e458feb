#include "watchers/SupervisedAlarmIns.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"
#include "settings/SettingsModel.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace kx::watchers {

namespace {

constexpr const char* kListSection = "Settings";
constexpr int kLastListedKey = 99;  // the watchdog program reads Key1 to Key99

std::string trimmed(std::string text)
{
    text.erase(0, text.find_first_not_of(' '));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

}  // namespace

std::vector<long> LineSupervisionAlarmIns(CDatabase& table)
{
    std::vector<long> keys;
    const config::KeyRanges ranges = config::ReadKeyRanges();
    const long lastInTable = static_cast<long>(table.RecCount()) - 1;
    for (long key = std::max<long>(ranges.firstAlarmInKey, 0); key <= ranges.lastAlarmInKey && key <= lastInTable;
         ++key) {
        table.Go(mailbox::RecordOfKey(key));
        std::string status, function;
        table.Read(mailbox::field::Status, status);
        if (trimmed(status) != mailbox::kStatusAlarmIn)
            continue;
        table.Read(mailbox::field::GroupOrFunction, function);
        if (std::atoi(function.c_str()) == kLineSupervisionFunction)
            keys.push_back(key);
    }
    return keys;
}

bool SupervisionUsesList()
{
    return ProfileInt(config::kAlarmFile, "LineWatchDog", "MultiSrvCallBack", 0) == 1;
}

bool RebuildSupervisedList()
{
    const std::string path = config::MailboxTablePath();
    CDatabase table;
    if (!table.Open(path.c_str())) {
        ErrorBox(str::AlarmDatabaseNotOpened, path);
        return false;
    }
    const std::vector<long> keys = LineSupervisionAlarmIns(table);
    table.Close();

    settings::IniWrites writes;
    const auto keyName = [](int n) { return "Key" + std::to_string(n); };
    int n = 0;
    for (long key : keys)
        writes.push_back({kWatchdogFile, kListSection, keyName(++n), std::to_string(key)});
    // Entries left from a longer list; empty ones stay as they are.
    while (++n <= kLastListedKey)
        if (!ProfileString(kWatchdogFile, kListSection, keyName(n)).empty())
            writes.push_back({kWatchdogFile, kListSection, keyName(n), ""});
    return settings::SettingsModel::writeAll(writes);
}

}  // namespace kx::watchers
