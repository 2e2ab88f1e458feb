#pragma once
// "Watch-dog box settings".

#include "integration/WatchdogBoxSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class WatchdogBoxSettingsDialog final
    : public SettingsDialogFor<integration::WatchdogBoxSettings, WatchdogBoxSettingsDialog> {
    Q_OBJECT
public:
    WatchdogBoxSettingsDialog(integration::WatchdogBoxSettings& model, QWidget* parent);
};

}  // namespace kx::ui
