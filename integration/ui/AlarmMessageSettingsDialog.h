#pragma once
// "Alarm-message settings".

#include "integration/AlarmMessageSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class AlarmMessageSettingsDialog final
    : public SettingsDialogFor<integration::AlarmMessageSettings, AlarmMessageSettingsDialog> {
    Q_OBJECT
public:
    AlarmMessageSettingsDialog(integration::AlarmMessageSettings& model, QWidget* parent);
};

}  // namespace kx::ui
