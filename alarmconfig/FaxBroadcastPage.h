#pragma once
// The page of "Fax broadcast / Alarm launch": the alarm launched (p_ogm3).

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class FaxBroadcastPage final : public AlarmInPage {
public:
    FaxBroadcastPage();
};

}  // namespace kx::alarmconfig
