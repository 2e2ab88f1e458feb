#pragma once
// The widget of the "Play recorded conferences" page.

#include "alarmconfig/RecordedConferencesPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class RecordedConferencesPageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::RecordedConferencesPage, RecordedConferencesPageWidget> {
public:
    RecordedConferencesPageWidget(alarmconfig::RecordedConferencesPage& page, QWidget* parent);
};

}  // namespace kx::ui
