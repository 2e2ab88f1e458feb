#include "alarmconfig/DectAlarmCallPage.h"

#include "alarmconfig/BroadcastPage.h"
#include "settings/ItemSources.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<DectAlarmCallPage> kPage({18});

constexpr Text kDefaultAlarm = KX_TEXT("DectAlarmCallPage", "Default alarm:");
constexpr Text kEdit = KX_TEXT("DectAlarmCallPage", "Edit");
constexpr Text kWhitelist = KX_TEXT("DectAlarmCallPage", "Use whitelist for phonenumbers which can start this alarm");
constexpr Text kEditWhitelist = KX_TEXT("DectAlarmCallPage", "Edit whitelist");
constexpr Text kAddDectNumber = KX_TEXT("DectAlarmCallPage", "Add number of DECT to the played alarmmessage (wavfile)");
constexpr Text kAsynchronous =
    KX_TEXT("DectAlarmCallPage", "Play alarm-in message asynchronous. Alarm is started immediately.");
constexpr Text kCheckDeadman =
    KX_TEXT("DectAlarmCallPage", "Check if a deadman function for the DECT was activated and a message recorded ");
constexpr Text kPreMessage = KX_TEXT("DectAlarmCallPage", "Use pre-message for alarm:");

}  // namespace

DectAlarmCallPage::DectAlarmCallPage()
    : AlarmInPage({18}, {
                            settings::KeyField("p_ogm3", "p_ogm3", settings::PageAlarmItems(true)).label(kDefaultAlarm),
                            settings::ButtonRow("edit", kEdit),
                            settings::CheckField("n_msg", "n_msg").label(kWhitelist),
                            settings::ButtonRow("whitelist", kEditWhitelist).when("n_msg"),
                            settings::CheckField("num1_3", "num1_3").label(kAddDectNumber),
                            settings::CheckField("num1_4", "num1_4").label(kAsynchronous),
                            settings::CheckField("num1_5", "num1_5").label(kCheckDeadman),
                            settings::TextField("pager", "pager").label(kPreMessage),
                        })
{}

void DectAlarmCallPage::pressed(std::string_view button)
{
    if (button == "edit" && !EditAlarm(number("p_ogm3")))
        pressFailed();
}

}  // namespace kx::alarmconfig
