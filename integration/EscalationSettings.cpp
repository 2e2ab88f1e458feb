#include "integration/EscalationSettings.h"

#include "console/CommandIds.h"
#include "settings/SettingsRegistry.h"

namespace kx::integration {

namespace {

using namespace settings;

const Registration<EscalationSettings> kRegistration(console::cmd::EscalationSettings);

constexpr const char* kFile = "kxalarm.ini";

constexpr Text kMaxRepeat = KX_TEXT("EscalationSettings", "Maximum escalations loops");
constexpr Text kVoiceFromEscalation =
    KX_TEXT("EscalationSettings", "If existent, use voice message from escalationkey.");
constexpr Text kOriginalMessage = KX_TEXT("EscalationSettings", "Use alarm-message from original alarmkey");
constexpr Text kAddConfirmedBy =
    KX_TEXT("EscalationSettings", "Add number of person who confirmed the alarm,to the original alarmmessage");
constexpr Text kPrefix = KX_TEXT("EscalationSettings", "Add prefix message before number:");

}  // namespace

EscalationSettings::EscalationSettings()
    : SettingsModel(kName, kTitle,
                    {
                        IntSetting("MaxRepeatAlarm", kFile, "kxarun2", 99).label(kMaxRepeat),
                        CheckSetting("AlrMsgFromEscalKey", kFile, "kxarun2", false).label(kVoiceFromEscalation),
                        CheckSetting("SendOrigKeyForEscal", kFile, "kxadisp", true).label(kOriginalMessage),
                        CheckSetting("SetConfirmedByForAlarmOnSuccess", kFile, "kxarun2", false).label(kAddConfirmedBy),
                        TextSetting("ConfirmedByPreMessage", kFile, "kxarun2", {}, 80)
                            .label(kPrefix)
                            .when("SetConfirmedByForAlarmOnSuccess"),
                    })
{}

void EscalationSettings::collectWrites(IniWrites& writes) const
{
    for (const char* name :
         {"MaxRepeatAlarm", "AlrMsgFromEscalKey", "SendOrigKeyForEscal", "SetConfirmedByForAlarmOnSuccess"})
        addWrite(writes, name);
    if (isOn("SetConfirmedByForAlarmOnSuccess"))
        addWrite(writes, "ConfirmedByPreMessage");
}

}  // namespace kx::integration
