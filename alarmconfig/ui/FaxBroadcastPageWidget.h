#pragma once
// The widget of the fax broadcast page.

#include "alarmconfig/FaxBroadcastPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class FaxBroadcastPageWidget final
    : public AlarmInPageWidgetFor<alarmconfig::FaxBroadcastPage, FaxBroadcastPageWidget> {
public:
    FaxBroadcastPageWidget(alarmconfig::FaxBroadcastPage& page, QWidget* parent);
};

}  // namespace kx::ui
