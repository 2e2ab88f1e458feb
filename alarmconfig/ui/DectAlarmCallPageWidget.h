#pragma once
// The widget of the DECT alarm call page.

#include "alarmconfig/DectAlarmCallPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class DectAlarmCallPageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::DectAlarmCallPage, DectAlarmCallPageWidget> {
    Q_OBJECT
public:
    DectAlarmCallPageWidget(alarmconfig::DectAlarmCallPage& page, QWidget* parent);
};

}  // namespace kx::ui
