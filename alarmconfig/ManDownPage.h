#pragma once
// The page of "Activate and deactivate man-down supervision": the record
// fields (p_ogm3, msg_ch_f, num1_1, num1_2), the supervision of this
// alarm-in in kxadeadman.ini "ConfigFor%d" and the global "RecDmEscalMsg".

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class ManDownPage final : public AlarmInPage {
public:
    ManDownPage();

protected:
    bool check() override;
};

}  // namespace kx::alarmconfig
