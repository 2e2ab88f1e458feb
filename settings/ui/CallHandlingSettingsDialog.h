#pragma once
// "Call handling settings".

#include "settings/CallHandlingSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class CallHandlingSettingsDialog final
    : public SettingsDialogFor<settings::CallHandlingSettings, CallHandlingSettingsDialog> {
    Q_OBJECT
public:
    CallHandlingSettingsDialog(settings::CallHandlingSettings& model, QWidget* parent);
};

}  // namespace kx::ui
