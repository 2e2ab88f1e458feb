#pragma once
// The widget of the page "Record a fax message".

#include "alarmconfig/RecordFaxPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class RecordFaxPageWidget final : public AlarmInPageWidgetFor<alarmconfig::RecordFaxPage, RecordFaxPageWidget> {
    Q_OBJECT
public:
    RecordFaxPageWidget(alarmconfig::RecordFaxPage& page, QWidget* parent);
};

}  // namespace kx::ui
