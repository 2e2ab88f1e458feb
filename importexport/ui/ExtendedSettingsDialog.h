#pragma once
// "Extended settings": the import and export buttons run their operation
// through the progress runner; "..." chooses the path's file.

#include "importexport/ExtendedSettings.h"
#include "settings/ui/SettingsDialog.h"

namespace kx::ui {

class ExtendedSettingsDialog final : public SettingsDialogFor<importexport::ExtendedSettings, ExtendedSettingsDialog> {
    Q_OBJECT
public:
    ExtendedSettingsDialog(importexport::ExtendedSettings& model, QWidget* parent);
    ~ExtendedSettingsDialog() override;

private:
    void choose(const char* pathName, const Text& prompt);

    importexport::ExtendedSettings& m_model;
};

}  // namespace kx::ui
