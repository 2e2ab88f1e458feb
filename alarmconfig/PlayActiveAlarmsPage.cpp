#include "alarmconfig/PlayActiveAlarmsPage.h"

#include "alarmconfig/PageRows.h"
#include "platform/MessageBoxes.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<PlayActiveAlarmsPage> kPage({8});

constexpr Text kPlayAll = KX_TEXT("PlayActiveAlarmsPage", "Play all active alarms");
constexpr Text kPlayFrom = KX_TEXT("PlayActiveAlarmsPage", "Play all active alarms from the number ");
constexpr Text kTo = KX_TEXT("PlayActiveAlarmsPage", "to");
constexpr Text kFirstIsZero =
    KX_TEXT("PlayActiveAlarmsPage", "Please enter the first number of the alarms to play (1 or higher) !");
constexpr Text kRangeReversed =
    KX_TEXT("PlayActiveAlarmsPage", "The first number %1 is higher than the last number %2 of the alarms to play !");

// kxalarmctl names the two fields; setting either chooses "from ... to",
// and both 0 choose "all", as the operator's clicks would.
settings::Change assignBound(settings::SettingsModel& page, const char* bound, const char* other, std::string_view text)
{
    const std::string range = page.value("range");
    const bool all = text == "0" && page.value(other) == "0";
    page.change("range", all ? "0" : "1");
    if (all)
        return settings::Change::Done;
    const settings::Change result = page.change(bound, text);
    if (result != settings::Change::Done)
        page.change("range", range);
    return result;
}

settings::SettingRow boundView(const char* name, const char* bound, const char* other)
{
    return settings::ViewValue(
        name, [bound](const settings::SettingsModel& page) { return page.value(bound); },
        [bound, other](settings::SettingsModel& page, std::string_view text) {
            return assignBound(page, bound, other, text);
        });
}

const std::vector<settings::Condition> kAll = {{"range", {"0"}}};

}  // namespace

PlayActiveAlarmsPage::PlayActiveAlarmsPage()
    : AlarmInPage(
          {8},
          {
              settings::RadioSetting("range", {}, {}, "0", settings::PositionItems({kPlayAll, kPlayFrom})).unlisted(),
              ControlOnly(settings::IntField("from", "p_mbx_f").label(kPlayFrom).when("range").clearedIf(kAll)),
              ControlOnly(settings::IntField("to", "p_mbx_r").label(kTo).when("range").clearedIf(kAll)),
              boundView("p_mbx_f", "from", "to"),
              boundView("p_mbx_r", "to", "from"),
          })
{}

void PlayActiveAlarmsPage::fill()
{
    set("range", number("from") != 0 || number("to") != 0 ? "1" : "0");
}

bool PlayActiveAlarmsPage::check()
{
    if (value("range") != "1")
        return true;
    if (number("from") < 1) {
        ErrorBox(kFirstIsZero);
        return false;
    }
    if (number("from") > number("to")) {
        ErrorBox(kRangeReversed, value("from"), value("to"));
        return false;
    }
    return true;
}

}  // namespace kx::alarmconfig
