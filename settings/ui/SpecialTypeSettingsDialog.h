#pragma once
// "Settings for special postqueue types": one check box per post queue;
// "Save" writes, "Cancel" writes nothing.

#include "settings/SpecialTypeSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class SpecialTypeSettingsDialog final
    : public SettingsDialogFor<settings::SpecialTypeSettings, SpecialTypeSettingsDialog> {
    Q_OBJECT
public:
    SpecialTypeSettingsDialog(settings::SpecialTypeSettings& model, QWidget* parent);
};

}  // namespace kx::ui
