#pragma once
// The page of function 3, "Login and logout of persons": how a call logs the
// calling person in or out.

#include "alarmconfig/AlarmInPage.h"

namespace kx::alarmconfig {

class LoginLogoutPage final : public AlarmInPage {
public:
    LoginLogoutPage();
};

}  // namespace kx::alarmconfig
