#pragma once
// "DDI - CLI Alarm scanner".

#include "numbers/DdiCliScanner.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class DdiCliScannerDialog final : public SettingsDialogFor<numbers::DdiCliScanner, DdiCliScannerDialog> {
    Q_OBJECT
public:
    DdiCliScannerDialog(numbers::DdiCliScanner& model, QWidget* parent);
};

}  // namespace kx::ui
