#pragma once
// The widget of the DDI callback page.

#include "alarmconfig/DdiCallbackPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class DdiCallbackPageWidget final : public AlarmInPageWidgetFor<alarmconfig::DdiCallbackPage, DdiCallbackPageWidget> {
    Q_OBJECT
public:
    DdiCallbackPageWidget(alarmconfig::DdiCallbackPage& page, QWidget* parent);
};

}  // namespace kx::ui
