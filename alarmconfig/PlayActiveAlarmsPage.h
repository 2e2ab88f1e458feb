#pragma once
// The page of "Play active alarms": all active alarms, or those of the
// numbers from A to B (p_mbx_f, p_mbx_r; both 0 for all).

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class PlayActiveAlarmsPage final : public AlarmInPage {
public:
    PlayActiveAlarmsPage();

protected:
    void fill() override;
    bool check() override;
};

}  // namespace kx::alarmconfig
