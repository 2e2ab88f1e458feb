#pragma once
// "XML Settings".

#include "integration/XmlSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class XmlSettingsDialog final : public SettingsDialogFor<integration::XmlSettings, XmlSettingsDialog> {
    Q_OBJECT
public:
    XmlSettingsDialog(integration::XmlSettings& model, QWidget* parent);
};

}  // namespace kx::ui
