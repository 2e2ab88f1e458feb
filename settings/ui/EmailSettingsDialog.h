#pragma once
// "E-mail settings".

#include "settings/EmailSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class EmailSettingsDialog final : public SettingsDialogFor<settings::EmailSettings, EmailSettingsDialog> {
    Q_OBJECT
public:
    EmailSettingsDialog(settings::EmailSettings& model, QWidget* parent);
};

}  // namespace kx::ui
