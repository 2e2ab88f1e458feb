#include "alarmconfig/RoomSurveillancePage.h"

#include "settings/ItemSources.h"

namespace kx::alarmconfig {

namespace {

const PageRegistration<RoomSurveillancePage> kPage({15});

constexpr Text kConference = KX_TEXT("RoomSurveillancePage", "Start conference on volume detection:");
constexpr Text kNoConferences = KX_TEXT("RoomSurveillancePage", "No conferences found to start");

// The conference alarms-in, or the single entry that says there is none (0).
settings::ItemSource conferenceItems()
{
    return [conferences = settings::AlarmInItems(1)](CDatabase* table) {
        std::vector<settings::Option> items = conferences(table);
        if (items.empty())
            items.push_back({"0", kNoConferences, {}});
        return items;
    };
}

}  // namespace

RoomSurveillancePage::RoomSurveillancePage()
    : AlarmInPage({15}, {settings::KeyField("p_ogm3", "p_ogm3", conferenceItems()).label(kConference)})
{}

void RoomSurveillancePage::fill()
{
    // Without a conference alarm-in the one entry is selected: it stores 0.
    const std::vector<settings::Option>& items = options("p_ogm3");
    if (items.size() == 1 && items.front().token == "0")
        set("p_ogm3", "0");
}

}  // namespace kx::alarmconfig
