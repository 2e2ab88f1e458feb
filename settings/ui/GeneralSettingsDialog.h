#pragma once
// "General settings".

#include "settings/GeneralSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class GeneralSettingsDialog final : public SettingsDialogFor<settings::GeneralSettings, GeneralSettingsDialog> {
    Q_OBJECT
public:
    GeneralSettingsDialog(settings::GeneralSettings& model, QWidget* parent);
};

}  // namespace kx::ui
