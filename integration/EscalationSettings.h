#pragma once
// "Escalation configuration": how often an alarm escalates, which voice and
// text messages an escalation uses, and whether the number of the person
// who confirmed is added to the original alarm's message (kxalarm.ini).

#include "settings/SettingsModel.h"

namespace kx::integration {

class EscalationSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "escalation";
    static constexpr Text kTitle = KX_TEXT("EscalationSettings", "Escalation configuration");

    EscalationSettings();

protected:
    // The prefix is written only together with "1".
    void collectWrites(settings::IniWrites& writes) const override;
};

}  // namespace kx::integration
