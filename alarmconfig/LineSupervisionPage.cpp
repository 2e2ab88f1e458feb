#include "alarmconfig/LineSupervisionPage.h"

#include "settings/ItemSources.h"
#include "watchers/SupervisedAlarmIns.h"

namespace kx::alarmconfig {

namespace {

using namespace settings;

constexpr Text kLaunchAlarm = KX_TEXT("LineSupervisionPage", "Start alarm if no call received in specified time");
constexpr Text kInterval = KX_TEXT("LineSupervisionPage", "A call needs to be received every %1 minutes");
constexpr Text kBadInterval =
    KX_TEXT("LineSupervisionPage", "\"%1\" is no valid interval: please enter a whole number of minutes, at least 1.");
constexpr Text kSettings = KX_TEXT("LineSupervisionPage", "Settings");
constexpr Text kOverview = KX_TEXT("LineSupervisionPage", "Overview");

constexpr const char* kMulti = "MultiSrvCallBack";
constexpr long kLongestInterval = 999999;  // num6_1 holds six digits

// Intervals offered in the editable list, in minutes.
std::vector<Option> intervalItems()
{
    std::vector<Option> items;
    for (int minutes : {5, 10, 15, 30, 60, 120, 240, 480, 720, 1440})
        items.push_back({std::to_string(minutes), {}, std::to_string(minutes)});
    return items;
}

std::vector<SettingRow> pageRows()
{
    return {
        // Read when the page loads (fill()); the line supervision settings write it.
        ViewValue(kMulti, {}, {}),
        KeyField("num4_1", "num4_1", PageAlarmItems(true)).label(kLaunchAlarm).shownWhen(kMulti, {"1"}),
        IntField("num6_1", "num6_1")
            .label(kInterval)
            .items(intervalItems())
            .range(1, kLongestInterval, kBadInterval)
            .shownWhen(kMulti, {"1"}),
        ButtonRow("overview", kOverview).shownWhen(kMulti, {"1"}),
        // Until the line supervision settings can be edited here.
        ButtonRow("settings", kSettings).shownWhen(kMulti, {"0"}).unavailable(),
    };
}

}  // namespace

LineSupervisionPage::LineSupervisionPage() : AlarmInPage({watchers::kLineSupervisionFunction}, pageRows()) {}

void LineSupervisionPage::fill()
{
    set(kMulti, watchers::SupervisionUsesList() ? "1" : "0");
}

void LineSupervisionPage::collectRecordWrites(RecordWrites& writes) const
{
    addRecordWrite(writes, "num4_1");
    addRecordWrite(writes, "num6_1");
}

bool LineSupervisionPage::afterSave()
{
    return !watchers::SupervisionUsesList() || watchers::RebuildSupervisedList();
}

const PageRegistration<LineSupervisionPage> kPage({watchers::kLineSupervisionFunction});

}  // namespace kx::alarmconfig
