#pragma once
// "Settings for special postqueue types": one check box per post queue;
// "Save" writes, "Cancel" writes nothing.

#include "settings/QueueTypeSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class QueueTypeSettingsDialog final : public SettingsDialogFor<settings::QueueTypeSettings, QueueTypeSettingsDialog> {
    Q_OBJECT
public:
    QueueTypeSettingsDialog(settings::QueueTypeSettings& model, QWidget* parent);
};

}  // namespace kx::ui
