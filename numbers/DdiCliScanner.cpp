#include "numbers/DdiCliScanner.h"

#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/Profile.h"
#include "platform/StringTable.h"

namespace kx::numbers {

using namespace settings;

namespace {

constexpr const char* kAlarmIni = "kxalarm.ini";
constexpr const char* kSection = "kxaddiclialr";
constexpr std::size_t kVm001PathBuffer = 128;

std::vector<SettingRow> scannerRows()
{
    return {
        CheckSetting("Active", kAlarmIni, kSection, false).label(str::ScanAlarmNamesLabel),
        IntSetting("FirstKey", kAlarmIni, kSection, 0).label(str::FirstScanKeyLabel).when("Active"),
        IntSetting("LastKey", kAlarmIni, kSection, 0).label(str::LastScanKeyLabel).when("Active"),
        ListSetting("UseDistAlarmInSettings", kAlarmIni, kSection, "1001", {})
            .asNumber()
            .label(str::DistributionSettingsKeyLabel)
            .when("Active"),
        ListSetting("UseConfAlarmInSettings", kAlarmIni, kSection, "1001", {})
            .asNumber()
            .label(str::ConferenceSettingsKeyLabel)
            .when("Active"),
    };
}

std::string trimmed(const std::string& text)
{
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(' ') - begin + 1);
}

// "<key> <name>" for every alarm-in of the range; empty when the table does
// not open.
std::vector<Option> alarmInItems(long first, long last)
{
    std::vector<Option> items;
    const std::string vm001 = ProfileString(config::kConfFile, "Config", "Vm001Path", "\\db1\\", kVm001PathBuffer);
    const std::string path = config::MailboxTablePathFrom(vm001);
    CDatabase table;
    if (!table.Open(path.c_str()))
        return items;
    ScopedClose closer(table);
    // Keys beyond the table's last record have no record to read.
    const long lastInTable = static_cast<long>(table.RecCount()) - 1;
    for (long key = first < 0 ? 0 : first; key <= last && key <= lastInTable; ++key) {
        table.Go(mailbox::RecordOfKey(key));
        std::string status;
        table.Read(mailbox::field::Status, status);
        if (mailbox::KindOfStatus(trimmed(status)) != mailbox::KeyKind::AlarmIn)
            continue;
        std::string name;
        table.Read(mailbox::field::Comment, name);
        const std::string token = std::to_string(key);
        items.push_back({token, 0, token + " " + name});
    }
    return items;
}

}  // namespace

DdiCliScanner::DdiCliScanner() : SettingsModel("ddi-cli-scanner", str::DdiCliScannerTitle, scannerRows()) {}

void DdiCliScanner::fill()
{
    const int first = ProfileNumber(kAlarmIni, "config", "FirstAlarmInKey", 10);
    const int last = ProfileNumber(kAlarmIni, "config", "LastAlarmInKey", 9999);
    std::vector<Option> items = alarmInItems(first, last);
    setOptions("UseDistAlarmInSettings", items);
    setOptions("UseConfAlarmInSettings", std::move(items));
}

}  // namespace kx::numbers
