#pragma once
// The page of functions 4 and 5, "Confirmation call back" (variant 4) and
// "... for pager" (variant 5): how every such alarm-in confirms an alarm
// ("kxacallb" of kxalarm.ini, for all of them). Each variant has its own
// first key; the three others are shared, and variant 4 writes back the two
// it does not show as they were loaded.

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class ConfirmationCallbackPage final : public AlarmInPage {
public:
    ConfirmationCallbackPage();

protected:
    void collectWrites(settings::IniWrites& writes) const override;
};

}  // namespace kx::alarmconfig
