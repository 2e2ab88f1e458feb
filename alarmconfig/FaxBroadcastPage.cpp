#include "alarmconfig/FaxBroadcastPage.h"

#include "settings/ItemSources.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<FaxBroadcastPage> kPage({14});

constexpr Text kLaunchAlarm = KX_TEXT("FaxBroadcastPage", "Launch alarm:");

}  // namespace

FaxBroadcastPage::FaxBroadcastPage()
    : AlarmInPage({14}, {settings::KeyField("p_ogm3", "p_ogm3", settings::PageAlarmItems(true)).label(kLaunchAlarm)})
{}

}  // namespace kx::alarmconfig
