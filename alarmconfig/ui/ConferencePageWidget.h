#pragma once
// The Conference page; its "Extended settings" opens the dialog of the
// page's three extended values.

#include "alarmconfig/ConferencePage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class ConferencePageWidget final : public AlarmInPageWidgetFor<alarmconfig::ConferencePage, ConferencePageWidget> {
    Q_OBJECT
public:
    ConferencePageWidget(alarmconfig::ConferencePage& page, QWidget* parent);
};

}  // namespace kx::ui
