#pragma once
// The widget of the "Special functions" page.

#include "alarmconfig/CallActionsPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class CallActionsPageWidget final : public AlarmInPageWidgetFor<alarmconfig::CallActionsPage, CallActionsPageWidget> {
public:
    CallActionsPageWidget(alarmconfig::CallActionsPage& page, QWidget* parent);
};

}  // namespace kx::ui
