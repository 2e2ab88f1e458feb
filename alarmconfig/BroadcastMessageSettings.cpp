#include "alarmconfig/BroadcastMessageSettings.h"

#include "platform/TextEncoding.h"
#include "settings/SettingsRegistry.h"

namespace kx::alarmconfig {

namespace {

using namespace settings;

// Opened from the Broadcast page, not from the menu.
const Registration<BroadcastMessageSettings> kRegistration(0);

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "kxadist";

constexpr Text kMessageFile = KX_TEXT("BroadcastMessageSettings", "Message file of the alarm:");
constexpr Text kNoAlarm = KX_TEXT("BroadcastMessageSettings", "(no alarm chosen)");
constexpr Text kMaxRecSec = KX_TEXT("BroadcastMessageSettings", "Maximal duration of a recording in seconds:");
constexpr Text kCheckMsgSize =
    KX_TEXT("BroadcastMessageSettings", "Minimal length of a recorded alarm message to launch the alarm");
constexpr Text kMinSize = KX_TEXT("BroadcastMessageSettings", "Minimal size in bytes (10000 bytes are one second):");
constexpr Text kRecAsAlarmMessage =
    KX_TEXT("BroadcastMessageSettings", "Record the message as an alarm message of the defined alarm number");
constexpr Text kRecBeforeLaunch =
    KX_TEXT("BroadcastMessageSettings", "Record the alarm message before launching the alarm");
constexpr Text kRecordMenu = KX_TEXT("BroadcastMessageSettings", "Menu to confirm, play and record the alarm message");

}  // namespace

BroadcastMessageSettings::BroadcastMessageSettings()
    : SettingsModel(kName, kTitle,
                    {
                        DisplayValue("messageFile", kMessageFile),
                        IntSetting("MaxRecSec", kFile, kSection, 60).label(kMaxRecSec),
                        CheckSetting("CheckMsgSize", kFile, kSection, false).label(kCheckMsgSize),
                        IntSetting("MinSizeForLaunch", kFile, kSection, 30000).when("CheckMsgSize").label(kMinSize),
                        CheckSetting("RecAsAlarmMessage", kFile, kSection, false).label(kRecAsAlarmMessage),
                        CheckSetting("RecBeforeLaunch", kFile, kSection, true).label(kRecBeforeLaunch),
                        CheckSetting("RecordMenu", kFile, kSection, false).when("RecBeforeLaunch").label(kRecordMenu),
                    })
{}

void BroadcastMessageSettings::fill()
{
    // The file the platform records the chosen alarm's message into.
    set("messageFile", key() > 0 ? "( v" + std::to_string(key()) + "_1.vox )" : Utf8ToCp1252Lossy(Tr(kNoAlarm)));
}

void BroadcastMessageSettings::collectWrites(IniWrites& writes) const
{
    SettingsModel::collectWrites(writes);
    // The menu belongs to recording before the launch: without it, "0".
    for (IniWrite& w : writes)
        if (w.key == "RecordMenu")
            w.value = isOn("RecBeforeLaunch") && isOn("RecordMenu") ? "1" : "0";
}

}  // namespace kx::alarmconfig
