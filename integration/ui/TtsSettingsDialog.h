#pragma once
// "Dynamic alarmmessage TTS settings".

#include "integration/TtsSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class TtsSettingsDialog final : public SettingsDialogFor<integration::TtsSettings, TtsSettingsDialog> {
    Q_OBJECT
public:
    TtsSettingsDialog(integration::TtsSettings& model, QWidget* parent);
};

}  // namespace kx::ui
