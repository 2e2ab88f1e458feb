#pragma once
// The page of "Room surveillance (baby call)": the conference alarm-in
// (function 1) started on volume detection (p_ogm3).

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class RoomSurveillancePage final : public AlarmInPage {
public:
    RoomSurveillancePage();

protected:
    void fill() override;
};

}  // namespace kx::alarmconfig
