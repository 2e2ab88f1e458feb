#pragma once
// "Settings of the alarm messages of the 'broadcast'": how broadcast
// alarm-ins record the alarm message ("kxadist" of kxalarm.ini, for all of
// them). Opened from the Broadcast page for the alarm chosen there
// (load(alarmKey)), whose message file it names; kxalarmctl opens it
// without an alarm.

#include "settings/SettingsModel.h"

namespace kx::alarmconfig {

class BroadcastMessageSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "broadcast-messages";
    static constexpr Text kTitle =
        KX_TEXT("BroadcastMessageSettings", "Settings of the alarm messages of the 'broadcast'");

    BroadcastMessageSettings();

protected:
    void fill() override;
    void collectWrites(settings::IniWrites& writes) const override;
};

}  // namespace kx::alarmconfig
