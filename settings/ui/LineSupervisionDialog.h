#pragma once
// "Supervision of lines".

#include "settings/LineSupervision.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class LineSupervisionDialog final : public SettingsDialogFor<settings::LineSupervision, LineSupervisionDialog> {
    Q_OBJECT
public:
    LineSupervisionDialog(settings::LineSupervision& model, QWidget* parent);
};

}  // namespace kx::ui
