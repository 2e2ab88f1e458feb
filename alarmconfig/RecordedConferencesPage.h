#pragma once
// The page of "Play recorded conferences": which conferences are played
// (n_msg) and the settings of all such alarms-in in "kxaplconf" of kxalarm.ini.

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class RecordedConferencesPage final : public AlarmInPage {
public:
    RecordedConferencesPage();
};

}  // namespace kx::alarmconfig
