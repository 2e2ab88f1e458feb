#pragma once
// "DDI - CLI Alarm scanner" (menu command 32861).

#include "numbers/DdiCliScanner.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class DdiCliScannerDialog final : public SettingsDialog {
    Q_OBJECT
public:
    // `model` is loaded and outlives the dialog.
    DdiCliScannerDialog(numbers::DdiCliScanner& model, QWidget* parent);
};

// Opens the dialog modally; true when it was closed with OK.
bool RunDdiCliScannerDialog(QWidget* parent);

}  // namespace kx::ui
