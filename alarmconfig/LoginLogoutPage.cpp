#include "alarmconfig/LoginLogoutPage.h"

namespace kx::alarmconfig {

namespace {

using namespace settings;

const PageRegistration<LoginLogoutPage> kPage({3});

constexpr Text kMenu = KX_TEXT("LoginLogoutPage", "Play menu to login by pressing key 1 and logout with key 0");
constexpr Text kLogin = KX_TEXT("LoginLogoutPage", "Automatic login of calling person");
constexpr Text kLogout = KX_TEXT("LoginLogoutPage", "Automatic logout of calling person");

SettingRow radioField(std::string name, std::vector<Option> buttons)
{
    SettingRow row = IntField(name, name);
    row.kind = Kind::Radio;
    row.options = std::move(buttons);
    return row;
}

}  // namespace

LoginLogoutPage::LoginLogoutPage() : AlarmInPage({3}, {radioField("mbx_ch_f", PositionItems({kMenu, kLogin, kLogout}))})
{}

}  // namespace kx::alarmconfig
