#pragma once
// The widget of the conference pool page; "Edit pin codes" opens the pin
// code editor.

#include "alarmconfig/ConferencePoolPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class ConferencePoolPageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::ConferencePoolPage, ConferencePoolPageWidget> {
    Q_OBJECT
public:
    ConferencePoolPageWidget(alarmconfig::ConferencePoolPage& page, QWidget* parent);
};

}  // namespace kx::ui
