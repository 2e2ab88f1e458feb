#include "alarmconfig/ConfirmationCallbackPage.h"

namespace kx::alarmconfig {

namespace {

using namespace settings;

const PageRegistration<ConfirmationCallbackPage> kPage({4, 5});

constexpr const char* kFile = "kxalarm.ini";
constexpr const char* kSection = "kxacallb";

constexpr Text kConfirm = KX_TEXT("ConfirmationCallbackPage", "Confirm the alarm by pressing the key \"3\" .");
constexpr Text kRepeat = KX_TEXT("ConfirmationCallbackPage", "Repeat the alarm message");
constexpr Text kPlayAll = KX_TEXT("ConfirmationCallbackPage", "Play all active alarms, if no call-back-code has "
                                                              "been entered or a wrong code has been entered");
constexpr Text kSendConfirmation =
    KX_TEXT("ConfirmationCallbackPage", "Send confirmation-message to all pagers, which already received the alarm, "
                                        "if the alarm was confirmed. ");

}  // namespace

ConfirmationCallbackPage::ConfirmationCallbackPage()
    : AlarmInPage(
          {4, 5},
          {
              VariantValue("variant").unlisted(),
              CheckSetting("ConfirmPhCallback", kFile, kSection, false).shownWhen("variant", {"4"}).label(kConfirm),
              CheckSetting("ConfirmPgCallback", kFile, kSection, false).shownWhen("variant", {"5"}).label(kConfirm),
              CheckSetting("RepeatAlarmMessage", kFile, kSection, false).label(kRepeat),
              CheckSetting("PlayAllOnTimeout", kFile, kSection, false).shownWhen("variant", {"5"}).label(kPlayAll),
              CheckSetting("SendConfPag", kFile, kSection, false).shownWhen("variant", {"5"}).label(kSendConfirmation),
          })
{}

void ConfirmationCallbackPage::collectWrites(IniWrites& writes) const
{
    // Its own first key, never the other variant's; the shared ones always.
    addWrite(writes, variant() == 5 ? "ConfirmPgCallback" : "ConfirmPhCallback");
    for (const char* shared : {"RepeatAlarmMessage", "PlayAllOnTimeout", "SendConfPag"})
        addWrite(writes, shared);
}

}  // namespace kx::alarmconfig
