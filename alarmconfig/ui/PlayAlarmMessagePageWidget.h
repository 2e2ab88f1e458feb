#pragma once
// The widget of the "Play the alarm message of an alarm" page.

#include "alarmconfig/PlayAlarmMessagePage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class PlayAlarmMessagePageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::PlayAlarmMessagePage, PlayAlarmMessagePageWidget> {
public:
    PlayAlarmMessagePageWidget(alarmconfig::PlayAlarmMessagePage& page, QWidget* parent);
};

}  // namespace kx::ui
