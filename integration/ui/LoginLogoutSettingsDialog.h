#pragma once
// "Login / Logout settings".

#include "integration/LoginLogoutSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class LoginLogoutSettingsDialog final
    : public SettingsDialogFor<integration::LoginLogoutSettings, LoginLogoutSettingsDialog> {
    Q_OBJECT
public:
    LoginLogoutSettingsDialog(integration::LoginLogoutSettings& model, QWidget* parent);
};

}  // namespace kx::ui
