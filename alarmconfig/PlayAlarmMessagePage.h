#pragma once
// The page of "Play the alarm message of an alarm": which alarm (p_ogm3)
// and for how long its message is played (p_ogm1, with the minutes in p_ogm2).

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class PlayAlarmMessagePage final : public AlarmInPage {
public:
    PlayAlarmMessagePage();
};

}  // namespace kx::alarmconfig
