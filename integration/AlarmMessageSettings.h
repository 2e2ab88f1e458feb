#pragma once
// "Alarm-message settings": the maximum lengths of the messages per medium
// (kxamsg1.ini to kxamsg3.ini for the phone displays, kxamsg.ini for UUI,
// SMS and pager), the texts added to SMS and pager messages, and the deposit
// of mini-messages on ISDN causes (kxalarm.ini, section parallel).
//
// The deposit exists only with QSIG to an ABC PBX (ISDN and PBX_Protocol, in
// any case); the view value "DepositAvailable" says whether it does, and
// without it the deposit box reads and writes "0". The three display
// lengths are MaxCharsRinging, MaxCharsAnswered and MaxCharsInfo. Typed
// lengths outside their spin range are refused; a stored one stays.

#include "settings/SettingsModel.h"

namespace kx::integration {

class AlarmMessageSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "alarm-messages";
    static constexpr Text kTitle = KX_TEXT("AlarmMessageSettings", "Alarm-message settings");

    AlarmMessageSettings();

protected:
    void fill() override;
    void collectWrites(settings::IniWrites& writes) const override;
};

}  // namespace kx::integration
