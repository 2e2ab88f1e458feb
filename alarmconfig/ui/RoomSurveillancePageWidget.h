#pragma once
// The widget of the room surveillance page.

#include "alarmconfig/RoomSurveillancePage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class RoomSurveillancePageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::RoomSurveillancePage, RoomSurveillancePageWidget> {
public:
    RoomSurveillancePageWidget(alarmconfig::RoomSurveillancePage& page, QWidget* parent);
};

}  // namespace kx::ui
