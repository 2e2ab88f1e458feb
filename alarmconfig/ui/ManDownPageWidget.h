#pragma once
// The widget of the man-down supervision page.

#include "alarmconfig/ManDownPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class ManDownPageWidget final : public AlarmInPageWidgetFor<alarmconfig::ManDownPage, ManDownPageWidget> {
public:
    ManDownPageWidget(alarmconfig::ManDownPage& page, QWidget* parent);
};

}  // namespace kx::ui
