#pragma once
// "Master / Slave configuration"; its "Settings" button opens the slave
// alarm start settings.

#include "integration/MasterSlaveSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class MasterSlaveSettingsDialog final
    : public SettingsDialogFor<integration::MasterSlaveSettings, MasterSlaveSettingsDialog> {
    Q_OBJECT
public:
    MasterSlaveSettingsDialog(integration::MasterSlaveSettings& model, QWidget* parent);
};

}  // namespace kx::ui
