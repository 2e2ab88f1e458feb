#pragma once
// "Watchdog settings" of one alarm: how the alarm is started, the minutes of
// the watchdog event, the comment and the last event and alarm.

#include "settings/ui/SettingsDialog.h"
#include "watchers/WatchdogAlarm.h"

namespace kx::ui {

class WatchdogAlarmDialog final : public SettingsDialogFor<watchers::WatchdogAlarm, WatchdogAlarmDialog> {
    Q_OBJECT
public:
    WatchdogAlarmDialog(watchers::WatchdogAlarm& model, QWidget* parent);
};

}  // namespace kx::ui
