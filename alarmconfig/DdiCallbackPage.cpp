#include "alarmconfig/DdiCallbackPage.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<DdiCallbackPage> kPage({21});

constexpr Text kSettings = KX_TEXT("DdiCallbackPage", "Settings");

}  // namespace

// The DDI callback settings dialog is not built yet: the button is shown
// and stays disabled until it is.
DdiCallbackPage::DdiCallbackPage() : AlarmInPage({21}, {settings::ButtonRow("settings", kSettings).unavailable()}) {}

}  // namespace kx::alarmconfig
