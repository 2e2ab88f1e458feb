#pragma once
// "Login / Logout settings": whether only logged-in phone numbers are
// called (CheckPerson of kxalarm.ini), and the numbers logged out in section
// LogedOut of kxalogout.ini ("1" logged out, "0" logged in again). Login and
// Logout write at once; OK writes only CheckPerson.

#include "settings/SettingsModel.h"

#include <vector>

namespace kx::integration {

class LoginLogoutSettings final : public settings::SettingsModel {
public:
    static constexpr const char* kName = "login-logout";
    static constexpr Text kTitle = KX_TEXT("LoginLogoutSettings", "Login / Logout settings");

    LoginLogoutSettings();

    // The keys of section LogedOut whose value is "1", in file order.
    static std::vector<std::string> LoggedOutNumbers();

protected:
    void fill() override;
    void pressed(std::string_view button) override;

private:
    // Writes `state` for `number` and shows the list again.
    void writeState(const std::string& number, const char* state);
};

}  // namespace kx::integration
