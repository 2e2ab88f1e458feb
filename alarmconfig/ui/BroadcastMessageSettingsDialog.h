#pragma once
// "Settings of the alarm messages of the 'broadcast'", opened from the
// Broadcast page for its chosen alarm.

#include "alarmconfig/BroadcastMessageSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class BroadcastMessageSettingsDialog final
    : public SettingsDialogFor<alarmconfig::BroadcastMessageSettings, BroadcastMessageSettingsDialog> {
    Q_OBJECT
public:
    BroadcastMessageSettingsDialog(alarmconfig::BroadcastMessageSettings& model, QWidget* parent);
};

}  // namespace kx::ui
