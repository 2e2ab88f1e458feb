#pragma once
// "General settings" (menu command 32816).

#include "core/Configuration.h"
#include "settings/GeneralSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class GeneralSettingsDialog final : public SettingsDialog {
    Q_OBJECT
public:
    // `model` is loaded and outlives the dialog.
    GeneralSettingsDialog(settings::GeneralSettings& model, QWidget* parent);
};

struct GeneralSettingsResult {
    bool accepted = false;     // closed with OK (the keys were written)
    config::KeyRanges ranges;  // the four key ranges the dialog holds at its end (as loaded after Cancel)
};

// Opens the dialog modally. The main view takes `ranges` in either case and
// refills the alarm and alarm-in lists when `accepted`. Returns `accepted`.
bool RunGeneralSettingsDialog(QWidget* parent, GeneralSettingsResult& result);

}  // namespace kx::ui
