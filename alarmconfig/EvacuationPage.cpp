#include "alarmconfig/EvacuationPage.h"

#include "settings/ItemSources.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<EvacuationPage> kPage({16});

constexpr Text kLaunchAlarm = KX_TEXT("EvacuationPage", "Start alarm for the evacuation");
constexpr Text kConfirmationMenu = KX_TEXT("EvacuationPage", "Play confirmation-menu to launch the evacuation-alarm");
constexpr Text kWhitelist = KX_TEXT("EvacuationPage", "Use whitelist for phonenumbers which can start this evacuation");
constexpr Text kEditWhitelist = KX_TEXT("EvacuationPage", "Edit whitelist");
constexpr Text kUsePassword = KX_TEXT("EvacuationPage", "Password needed to launch all evacuations");
constexpr Text kNoValidPassword = KX_TEXT("EvacuationPage", "No valid password defined for evacuation start !\nThe "
                                                            "password needs to be a 4 digit number.");

constexpr const char* kIni = "kxalarm.ini";
constexpr const char* kSection = "kxastevac";

}  // namespace

EvacuationPage::EvacuationPage()
    : AlarmInPage({16}, {
                            settings::KeyField("p_ogm3", "p_ogm3", settings::PageAlarmItems(true)).label(kLaunchAlarm),
                            settings::CheckField("type_answr", "type_answr").flags("1", "-1").label(kConfirmationMenu),
                            settings::CheckField("n_msg", "n_msg").label(kWhitelist),
                            settings::ButtonRow("whitelist", kEditWhitelist).when("n_msg"),
                            settings::CheckSetting("UsePassword", kIni, kSection, false).label(kUsePassword),
                            // Checked before anything of the save is written.
                            settings::IntSetting("Password", kIni, kSection, 0)
                                .when("UsePassword")
                                .range(1000, 9999, kNoValidPassword),
                        })
{}

void EvacuationPage::collectWrites(settings::IniWrites& writes) const
{
    addWrite(writes, "UsePassword");
    if (isOn("UsePassword"))
        addWrite(writes, "Password");
}

}  // namespace kx::alarmconfig
