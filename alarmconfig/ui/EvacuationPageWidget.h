#pragma once
// The widget of the evacuation page.

#include "alarmconfig/EvacuationPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class EvacuationPageWidget final : public AlarmInPageWidgetFor<alarmconfig::EvacuationPage, EvacuationPageWidget> {
    Q_OBJECT
public:
    EvacuationPageWidget(alarmconfig::EvacuationPage& page, QWidget* parent);
};

}  // namespace kx::ui
