#pragma once
// The widget of the "Special functions" page.

#include "alarmconfig/SpecialFunctionsPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class SpecialFunctionsPageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::SpecialFunctionsPage, SpecialFunctionsPageWidget> {
public:
    SpecialFunctionsPageWidget(alarmconfig::SpecialFunctionsPage& page, QWidget* parent);
};

}  // namespace kx::ui
