#include "alarmconfig/PlayAlarmMessagePage.h"

#include "alarmconfig/PageRows.h"
#include "settings/ItemSources.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<PlayAlarmMessagePage> kPage({9});

constexpr Text kAlarm = KX_TEXT("PlayAlarmMessagePage", "Play the alarm message of the alarm:");
constexpr Text kWhileOn = KX_TEXT("PlayAlarmMessagePage", "Play the alarm message as long as the alarm status is ON");
constexpr Text kDuring = KX_TEXT("PlayAlarmMessagePage", "Play the alarm message during");
constexpr Text kMinutes = KX_TEXT("PlayAlarmMessagePage", "minutes longer then the alarm has been launched");
constexpr Text kLast = KX_TEXT("PlayAlarmMessagePage", "Play the last alarm message of this alarm number");

}  // namespace

// The list has no "Do not launch an alarm": the page plays the message of
// an alarm, it launches none. The minutes keep their value while another
// mode is chosen (they mean nothing there and come back with mode 1).
PlayAlarmMessagePage::PlayAlarmMessagePage()
    : AlarmInPage({9}, {
                           settings::KeyField("p_ogm3", "p_ogm3", settings::PageAlarmItems(false)).label(kAlarm),
                           RadioField("p_ogm1", "p_ogm1", {kWhileOn, kDuring, kLast}),
                           settings::IntField("p_ogm2", "p_ogm2").label(kMinutes).when("p_ogm1"),
                       })
{}

}  // namespace kx::alarmconfig
