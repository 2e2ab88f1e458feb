#include "alarmconfig/ManDownPage.h"

#include "alarmconfig/PageRows.h"
#include "platform/MessageBoxes.h"
#include "settings/ItemSources.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<ManDownPage> kPage({13});

constexpr Text kWithAlarm = KX_TEXT("ManDownPage", "Man-down supervision concept with the alarm:");
constexpr Text kByCaller = KX_TEXT("ManDownPage", "Use Alarm dependend on the caller number. If the alarm does not "
                                                  "exist, the alarm is automatically created.");
constexpr Text kRecordMessage = KX_TEXT("ManDownPage", "Record alarmmessage when activating the supervision function");
constexpr Text kPlayMenu = KX_TEXT("ManDownPage", "Play menu after recording to play and re-record message");
constexpr Text kPreName = KX_TEXT("ManDownPage", "Pre-name of created alarms:");
constexpr Text kAlarmMessage = KX_TEXT("ManDownPage", "Message when calling the person:");
constexpr Text kEscalationAlarm = KX_TEXT("ManDownPage", "Escalation alarm:");
constexpr Text kInterval = KX_TEXT("ManDownPage", "Interval in minutes:");
constexpr Text kRetries = KX_TEXT("ManDownPage", "Retries before the escalation:");
constexpr Text kFirstAlarm = KX_TEXT("ManDownPage", "First alarm number for created alarms:");
constexpr Text kLastAlarm = KX_TEXT("ManDownPage", "Last alarm number for created alarms:");
constexpr Text kEscalationMessage = KX_TEXT("ManDownPage", "Escalation message:");
constexpr Text kRecordEscalation =
    KX_TEXT("ManDownPage", "Global option to record the escalation message again after confirmation call");
constexpr Text kFirstOutOfRange =
    KX_TEXT("ManDownPage", "The first alarm number '%1' for created alarms should be between 10 and 9999 !");
constexpr Text kLastOutOfRange =
    KX_TEXT("ManDownPage", "The last alarm number '%1' for created alarms should be between 10 and 9999 !");
constexpr Text kRangeReversed =
    KX_TEXT("ManDownPage", "The last alarm number for created alarms should not be lower than the first !");

constexpr const char* kIni = "kxadeadman.ini";
constexpr const char* kSection = "ConfigFor%d";

}  // namespace

// "Do not launch an alarm" in the escalation list stands for 0 (none); a
// stored key that is no alarm shows no selection and is written back.
ManDownPage::ManDownPage()
    : AlarmInPage({13},
                  {
                      RadioField("msg_ch_f", "msg_ch_f", {kWithAlarm, kByCaller}),
                      settings::KeyField("p_ogm3", "p_ogm3", settings::PageAlarmItems(false))
                          .label(kWithAlarm)
                          .when("msg_ch_f", {"0"}),
                      settings::CheckField("num1_1", "num1_1").label(kRecordMessage),
                      settings::CheckField("num1_2", "num1_2").label(kPlayMenu).when("num1_1"),
                      settings::TextSetting("PreName", kIni, kSection, "Totmann-Schaltung f\xFCr").label(kPreName),
                      settings::TextSetting("UseAlarmMsg", kIni, kSection, "Personenschutz").label(kAlarmMessage),
                      settings::ListSetting("DefaultEscalationAlarm", kIni, kSection, "8999", {})
                          .itemsFrom(settings::PageAlarmItems(true))
                          .asNumber()
                          .label(kEscalationAlarm),
                      settings::IntSetting("DefaultInterval", kIni, kSection, 30).label(kInterval),
                      settings::IntSetting("RetryBeforeEscalation", kIni, kSection, 1).label(kRetries),
                      settings::IntSetting("FirstAlarm", kIni, kSection, 8001)
                          .label(kFirstAlarm)
                          .range(10, 9999, kFirstOutOfRange),
                      settings::IntSetting("LastAlarm", kIni, kSection, 8099)
                          .label(kLastAlarm)
                          .range(10, 9999, kLastOutOfRange),
                      settings::TextSetting("UseEscalationMsg", kIni, kSection, "PS Alarm").label(kEscalationMessage),
                      settings::CheckSetting("RecDmEscalMsg", "kxalarm.ini", "kxacon", false).label(kRecordEscalation),
                  })
{}

bool ManDownPage::check()
{
    if (number("LastAlarm") < number("FirstAlarm")) {
        ErrorBox(kRangeReversed);
        return false;
    }
    return true;
}

}  // namespace kx::alarmconfig
