#include "alarmconfig/IvrApplicationPage.h"

#include "alarmconfig/PageRows.h"
#include "platform/MessageBoxes.h"
#include "settings/ProgramStart.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<IvrApplicationPage> kPage({19});

constexpr Text kStandard = KX_TEXT("IvrApplicationPage", "Standard IVR application");
constexpr Text kWeb = KX_TEXT("IvrApplicationPage", "Web IVR application");
constexpr Text kMenuLevel = KX_TEXT("IvrApplicationPage", "Start IVR application at menu level:");
constexpr Text kSettings = KX_TEXT("IvrApplicationPage", "Settings");
constexpr Text kLevelDigits =
    KX_TEXT("IvrApplicationPage", "The menu level \"%1\" must be the digits of the menu keys without a leading zero "
                                  "(0 for the top level).");

}  // namespace

IvrApplicationPage::IvrApplicationPage()
    : AlarmInPage({19}, {
                            RadioField("num1_1", "num1_1", {kStandard, kWeb}),
                            settings::TextField("num4_1", "num4_1").label(kMenuLevel),
                            settings::ButtonRow("settings", kSettings),
                        })
{}

bool IvrApplicationPage::check()
{
    const std::string& level = value("num4_1");
    if (!level.empty() && !IsPlainNumber(level)) {
        ErrorBox(kLevelDigits, level);
        return false;
    }
    return true;
}

void IvrApplicationPage::pressed(std::string_view button)
{
    if (button == "settings" && !settings::StartReported(CommandLine("kxivr.exe").arg(std::to_string(key()))))
        pressFailed();
}

}  // namespace kx::alarmconfig
