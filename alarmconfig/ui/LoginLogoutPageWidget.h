#pragma once
// The widget of the page "Login and logout of persons".

#include "alarmconfig/LoginLogoutPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class LoginLogoutPageWidget final : public AlarmInPageWidgetFor<alarmconfig::LoginLogoutPage, LoginLogoutPageWidget> {
    Q_OBJECT
public:
    LoginLogoutPageWidget(alarmconfig::LoginLogoutPage& page, QWidget* parent);
};

}  // namespace kx::ui
