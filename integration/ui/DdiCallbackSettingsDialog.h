#pragma once
// "DDI callback settings".

#include "integration/DdiCallbackSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class DdiCallbackSettingsDialog final
    : public SettingsDialogFor<integration::DdiCallbackSettings, DdiCallbackSettingsDialog> {
    Q_OBJECT
public:
    DdiCallbackSettingsDialog(integration::DdiCallbackSettings& model, QWidget* parent);
};

}  // namespace kx::ui
