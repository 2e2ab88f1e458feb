#pragma once
// "Server / Service / Process watcher settings": one group of four values
// per watcher.

#include "settings/ui/SettingsDialog.h"
#include "watchers/WatcherSettings.h"

namespace kx::ui {

class WatcherSettingsDialog final : public SettingsDialogFor<watchers::WatcherSettings, WatcherSettingsDialog> {
    Q_OBJECT
public:
    WatcherSettingsDialog(watchers::WatcherSettings& model, QWidget* parent);
};

}  // namespace kx::ui
