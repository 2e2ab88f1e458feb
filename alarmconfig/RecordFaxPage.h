#pragma once
// The page of function 7, "Record a fax message": the password and the
// number the recorded fax is sent back to for verification ("kxarecfx" of
// kxalarm.ini, for all such alarm-ins).

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class RecordFaxPage final : public AlarmInPage {
public:
    RecordFaxPage();
};

}  // namespace kx::alarmconfig
