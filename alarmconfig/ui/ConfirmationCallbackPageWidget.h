#pragma once
// The widget of the confirmation callback page (both variants).

#include "alarmconfig/ConfirmationCallbackPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class ConfirmationCallbackPageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::ConfirmationCallbackPage, ConfirmationCallbackPageWidget> {
    Q_OBJECT
public:
    ConfirmationCallbackPageWidget(alarmconfig::ConfirmationCallbackPage& page, QWidget* parent);
};

}  // namespace kx::ui
