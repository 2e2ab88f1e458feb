#pragma once
// Function 16, "Start evacuation alarm": the alarm to launch, the
// confirmation menu, the whitelist, and the password that all evacuation
// alarm-ins share (section "kxastevac" of kxalarm.ini).

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class EvacuationPage final : public AlarmInPage {
public:
    EvacuationPage();

protected:
    // "UsePassword", and "Password" only while it is ticked.
    void collectWrites(settings::IniWrites& writes) const override;
};

}  // namespace kx::alarmconfig
