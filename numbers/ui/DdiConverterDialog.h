#pragma once
// "DDI Converter" (menu command 32854).

#include "numbers/DdiConverter.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class DdiConverterDialog final : public SettingsDialog {
    Q_OBJECT
public:
    // `model` is loaded and outlives the dialog.
    DdiConverterDialog(numbers::DdiConverter& model, QWidget* parent);
};

// Opens the dialog modally; true when it was closed with OK.
bool RunDdiConverterDialog(QWidget* parent);

}  // namespace kx::ui
