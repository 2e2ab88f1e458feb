#pragma once
// The Broadcast page; its "Settings" opens the broadcast message settings
// for the alarm chosen on the page.

#include "alarmconfig/BroadcastPage.h"
#include "alarmconfig/ui/AlarmInPageWidget.h"

namespace kx::ui {

class BroadcastPageWidget final : public AlarmInPageWidgetFor<alarmconfig::BroadcastPage, BroadcastPageWidget> {
    Q_OBJECT
public:
    BroadcastPageWidget(alarmconfig::BroadcastPage& page, QWidget* parent);
};

}  // namespace kx::ui
