#pragma once
// "DDI Converter".

#include "numbers/DdiConverter.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class DdiConverterDialog final : public SettingsDialogFor<numbers::DdiConverter, DdiConverterDialog> {
    Q_OBJECT
public:
    DdiConverterDialog(numbers::DdiConverter& model, QWidget* parent);
};

}  // namespace kx::ui
