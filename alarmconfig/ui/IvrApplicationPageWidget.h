#pragma once
// The widget of the IVR application page.

#include "alarmconfig/IvrApplicationPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class IvrApplicationPageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::IvrApplicationPage, IvrApplicationPageWidget> {
    Q_OBJECT
public:
    IvrApplicationPageWidget(alarmconfig::IvrApplicationPage& page, QWidget* parent);
};

}  // namespace kx::ui
