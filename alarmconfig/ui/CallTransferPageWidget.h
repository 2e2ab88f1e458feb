#pragma once
// The widget of the call transfer page.

#include "alarmconfig/CallTransferPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class CallTransferPageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::CallTransferPage, CallTransferPageWidget> {
    Q_OBJECT
public:
    CallTransferPageWidget(alarmconfig::CallTransferPage& page, QWidget* parent);
};

}  // namespace kx::ui
