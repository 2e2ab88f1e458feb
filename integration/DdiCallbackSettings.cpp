#include "integration/DdiCallbackSettings.h"

#include "console/CommandIds.h"
#include "core/CDatabase.h"
#include "core/Configuration.h"
#include "core/MailboxLayout.h"
#include "platform/MessageBoxes.h"
#include "platform/StringTable.h"
#include "settings/ItemSources.h"
#include "settings/SettingsRegistry.h"

#include <algorithm>

namespace kx::integration {

namespace {

using namespace settings;

const Registration<DdiCallbackSettings> kRegistration(console::cmd::DdiCallbackSettings);

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "kxaddicallback";
constexpr const char* kCallbackFunction = "21";  // p_ogm4 of a DDI callback alarm-in

constexpr Text kActive =
    KX_TEXT("DdiCallbackSettings", "Send a specific DDI number with alarm message for a confirmation callback");
constexpr Text kForAll = KX_TEXT("DdiCallbackSettings", "Set DDI callback number for all alarms");
constexpr Text kForDefined =
    KX_TEXT("DdiCallbackSettings", "Set DDI callback number only for defined alarms. This can be set in the alarm "
                                   "configurator\nunder the 'Message for display' tab -> addtional information of "
                                   "the first message. ");
constexpr Text kFirst = KX_TEXT("DdiCallbackSettings", "First alarm-in key for DDI callback range:");
constexpr Text kLast = KX_TEXT("DdiCallbackSettings", "Last alarm-in key for DDI callback range:");
constexpr Text kOnlyUui = KX_TEXT("DdiCallbackSettings", "Send callback DDI only with mini-message ( UUI )");
constexpr Text kConfirmed =
    KX_TEXT("DdiCallbackSettings", "Set the status of the person, who is calling back, to 'confirmed' ");
constexpr Text kTrunkPrefix =
    KX_TEXT("DdiCallbackSettings", "Add trunk prefix to access the tellmark-server: (Example: *0)");
constexpr Text kStartModule = KX_TEXT("DdiCallbackSettings", "Start additional KXE module on callback:");
constexpr Text kRangeReversed =
    KX_TEXT("DdiCallbackSettings", "The first alarm-in key for DDI callback must not be greater than the last one.");
constexpr Text kRangeOutside =
    KX_TEXT("DdiCallbackSettings", "The DDI callback range must lie within the keys 0 to %1 of the mailbox table.");
constexpr Text kLeftAlone =
    KX_TEXT("DdiCallbackSettings", "These keys of the DDI callback range hold an alarm or another mailbox and were "
                                   "left unchanged: %1");
constexpr Text kKeyNotWritten =
    KX_TEXT("DdiCallbackSettings", "The key %1 could not be written (%2). The keys after it were not changed.");

// The modules of \kxt\ by their names up to the first ".", as the callback
// starts them.
ItemSource moduleNames()
{
    return [](CDatabase* table) {
        std::vector<Option> items;
        for (Option& o : ModuleItems()(table)) {
            const std::string name = o.token.substr(0, o.token.find('.'));
            if (!name.empty() && (items.empty() || items.back().token != name))
                items.push_back({name, {}, name});
        }
        return items;
    };
}

std::string statusOf(CDatabase& table, long key)
{
    std::string status;
    table.Go(mailbox::RecordOfKey(key));
    table.Read(mailbox::field::Status, status);
    status.erase(0, status.find_first_not_of(' '));
    return status;
}

// "4, 7-9, 12": the keys (ascending) with runs joined.
std::string keyRuns(const std::vector<long>& keys)
{
    std::string text;
    for (std::size_t i = 0; i < keys.size();) {
        std::size_t j = i;
        while (j + 1 < keys.size() && keys[j + 1] == keys[j] + 1)
            ++j;
        text += (text.empty() ? "" : ", ") + std::to_string(keys[i]);
        if (j > i)
            text += "-" + std::to_string(keys[j]);
        i = j + 1;
    }
    return text;
}

}  // namespace

DdiRangeResult ConvertDdiRange(CDatabase& table, long first, long last)
{
    DdiRangeResult result;
    mailbox::UnitWriter writer(table);
    const auto isAlarmIn = [](std::string_view status) { return status == mailbox::kStatusAlarmIn; };
    const auto isFree = [](std::string_view status) { return mailbox::KindOfStatus(status) == mailbox::KeyKind::Free; };
    const std::vector<mailbox::FieldWrite> function = {{"p_ogm4", kCallbackFunction}};
    for (long key = first; key <= last; ++key) {
        const mailbox::KeyKind kind = mailbox::KindOfStatus(statusOf(table, key));
        mailbox::UnitResult written;
        if (kind == mailbox::KeyKind::AlarmIn) {
            written = writer.write(key, isAlarmIn, function);
        } else if (kind == mailbox::KeyKind::Free && key >= mailbox::kLowestFreeableKey) {
            std::vector<mailbox::FieldWrite> writes = mailbox::NewRecordWrites(key, false);
            writes.push_back(function.front());
            written = writer.write(key, isFree, writes);
        } else {
            result.leftAlone.push_back(key);
            continue;
        }
        switch (written.outcome) {
        case mailbox::UnitResult::Outcome::Written:
            (kind == mailbox::KeyKind::AlarmIn ? result.updated : result.created).push_back(key);
            break;
        case mailbox::UnitResult::Outcome::StatusChanged:  // another program took the key meanwhile
            result.leftAlone.push_back(key);
            break;
        case mailbox::UnitResult::Outcome::Failed:
            result.failedKey = key;
            result.reason = written.reason;
            return result;
        }
    }
    return result;
}

DdiCallbackSettings::DdiCallbackSettings()
    : SettingsModel(
          kName, kTitle,
          {
              CheckSetting("AddDDICallbackNumber", kFile, kSection, false).label(kActive),
              RadioSetting("SetOnlyForSpecificAlarms", kFile, kSection, "0",
                           {{"0", kForAll, {}}, {"1", kForDefined, {}}})
                  .asNumber()
                  .when("AddDDICallbackNumber"),
              IntSetting("FirstDDINumber", kFile, kSection, 1000).label(kFirst).when("AddDDICallbackNumber"),
              IntSetting("LastDDINumber", kFile, kSection, 1099).label(kLast).when("AddDDICallbackNumber"),
              CheckSetting("SendDDIOnlyInUUI", kFile, kSection, false).label(kOnlyUui).when("AddDDICallbackNumber"),
              CheckSetting("SetStatusConfirmedOnCallback", kFile, kSection, true)
                  .label(kConfirmed)
                  .when("AddDDICallbackNumber"),
              TextSetting("UseTrunkPrefix", kFile, kSection, {}, 80).label(kTrunkPrefix).when("AddDDICallbackNumber"),
              CheckSetting("StartModule", {}, {}, false)
                  .label(kStartModule)
                  .when("AddDDICallbackNumber")
                  .notWrittenOnOk(),
              ListSetting("StartAdditionalModuleOnCallback", kFile, kSection, {}, {})
                  .buffer(80)
                  .itemsFrom(moduleNames())
                  .when("StartModule"),
          })
{}

void DdiCallbackSettings::fill()
{
    set("StartModule", value("StartAdditionalModuleOnCallback").empty() ? "0" : "1");
}

bool DdiCallbackSettings::check()
{
    if (!isOn("AddDDICallbackNumber"))
        return true;
    if (number("FirstDDINumber") > number("LastDDINumber")) {
        ErrorBox(kRangeReversed);
        return false;
    }
    const std::string path = config::MailboxTablePath();
    CDatabase table;
    if (!table.Open(path.c_str())) {
        ErrorBox(str::AlarmDatabaseNotOpened, path);
        return false;
    }
    ScopedClose closing(table);
    const long lastKey = static_cast<long>(table.RecCount()) - 1;
    if (number("FirstDDINumber") < 0 || number("LastDDINumber") > lastKey) {
        ErrorBox(kRangeOutside, std::to_string(lastKey));
        return false;
    }
    return true;
}

void DdiCallbackSettings::collectWrites(IniWrites& writes) const
{
    for (const char* name : {"AddDDICallbackNumber", "SetOnlyForSpecificAlarms", "FirstDDINumber", "LastDDINumber",
                             "SendDDIOnlyInUUI", "SetStatusConfirmedOnCallback", "UseTrunkPrefix"})
        addWrite(writes, name);
    addWrite(writes, "StartAdditionalModuleOnCallback",
             isOn("StartModule") ? value("StartAdditionalModuleOnCallback") : std::string());
}

void DdiCallbackSettings::afterWrite()
{
    if (!isOn("AddDDICallbackNumber"))
        return;
    const long first = number("FirstDDINumber");
    const long last = number("LastDDINumber");
    const std::string path = config::MailboxTablePath();
    CDatabase table;
    if (!table.Open(path.c_str())) {
        ErrorBox(str::AlarmDatabaseNotOpened, path);
        return;
    }
    ScopedClose closing(table);
    const long lastKey = static_cast<long>(table.RecCount()) - 1;
    long key = first;
    while (key <= last && key <= lastKey && statusOf(table, key) == mailbox::kStatusAlarmIn)
        ++key;
    if (key > last)
        return;  // every key is an alarm-in already
    const std::string question = FillNumber(FillNumber(LoadString(str::AddDdiCallbackKeys), first), last);
    if (!CurrentMessageBoxHandler().askYesNo(LoadString(str::PleaseConfirm), question, false))
        return;
    const DdiRangeResult result = ConvertDdiRange(table, first, std::min(last, lastKey));
    if (!result.leftAlone.empty())
        InfoBox(kLeftAlone, keyRuns(result.leftAlone));
    if (result.failedKey >= 0)
        ErrorBox(kKeyNotWritten, std::to_string(result.failedKey), result.reason);
}

}  // namespace kx::integration
