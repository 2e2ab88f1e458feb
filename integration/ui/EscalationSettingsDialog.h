#pragma once
// "Escalation configuration".

#include "integration/EscalationSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class EscalationSettingsDialog final
    : public SettingsDialogFor<integration::EscalationSettings, EscalationSettingsDialog> {
    Q_OBJECT
public:
    EscalationSettingsDialog(integration::EscalationSettings& model, QWidget* parent);
};

}  // namespace kx::ui
