#pragma once
// The widget of the "Play active alarms" page.

#include "alarmconfig/PlayActiveAlarmsPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class PlayActiveAlarmsPageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::PlayActiveAlarmsPage, PlayActiveAlarmsPageWidget> {
public:
    PlayActiveAlarmsPageWidget(alarmconfig::PlayActiveAlarmsPage& page, QWidget* parent);
};

}  // namespace kx::ui
