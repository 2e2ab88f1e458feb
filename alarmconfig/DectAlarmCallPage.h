#pragma once
// Function 18, "DECT Alarm call": the default alarm, the whitelist, how the
// DECT's alarm message is played, and the pre-message.

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class DectAlarmCallPage final : public AlarmInPage {
public:
    DectAlarmCallPage();

protected:
    // "edit": the alarm configurator for the chosen alarm.
    void pressed(std::string_view button) override;
};

}  // namespace kx::alarmconfig
