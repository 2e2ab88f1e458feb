#pragma once
// Function 19, "IVR application": which IVR application answers and at
// which menu level it starts; "settings" starts the IVR program for the
// alarm-in.

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class IvrApplicationPage final : public AlarmInPage {
public:
    IvrApplicationPage();

protected:
    // The level is a run of menu digits kept as a number: a leading zero
    // would be lost, so it is refused. Empty is the top level (stored 0).
    bool check() override;
    void pressed(std::string_view button) override;
};

}  // namespace kx::alarmconfig
