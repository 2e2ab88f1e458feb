#pragma once
// The widget of the page "Record an alarm message".

#include "alarmconfig/RecordMessagesPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class RecordMessagesPageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::RecordMessagesPage, RecordMessagesPageWidget> {
    Q_OBJECT
public:
    RecordMessagesPageWidget(alarmconfig::RecordMessagesPage& page, QWidget* parent);
};

}  // namespace kx::ui
