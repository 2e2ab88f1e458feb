#pragma once
// The page of function 2, "Record an alarm message": the password that
// every such alarm-in asks for ("kxarecam" of kxalarm.ini, for all of them),
// kept as a number with the count of its digits.

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class RecordMessagesPage final : public AlarmInPage {
public:
    RecordMessagesPage();

protected:
    bool check() override;
    void collectWrites(settings::IniWrites& writes) const override;
};

}  // namespace kx::alarmconfig
