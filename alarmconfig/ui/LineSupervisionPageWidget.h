#pragma once
// The page of function 6, line supervision.

#include "alarmconfig/LineSupervisionPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class LineSupervisionPageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::LineSupervisionPage, LineSupervisionPageWidget> {
    Q_OBJECT
public:
    LineSupervisionPageWidget(alarmconfig::LineSupervisionPage& page, QWidget* parent);
};

}  // namespace kx::ui
