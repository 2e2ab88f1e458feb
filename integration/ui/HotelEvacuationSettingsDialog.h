#pragma once
// "Hotel-evacuation settings".

#include "integration/HotelEvacuationSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class HotelEvacuationSettingsDialog final
    : public SettingsDialogFor<integration::HotelEvacuationSettings, HotelEvacuationSettingsDialog> {
    Q_OBJECT
public:
    HotelEvacuationSettingsDialog(integration::HotelEvacuationSettings& model, QWidget* parent);
};

}  // namespace kx::ui
