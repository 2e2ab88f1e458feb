#pragma once
// "Server / Network watcher" of one alarm, and the button that opens the
// general settings of the watchers.

#include "settings/ui/SettingsDialog.h"
#include "watchers/ServerWatch.h"

namespace kx::ui {

class ServerWatchDialog final : public SettingsDialogFor<watchers::ServerWatch, ServerWatchDialog> {
    Q_OBJECT
public:
    ServerWatchDialog(watchers::ServerWatch& model, QWidget* parent);
};

// "General settings" of the dialogs of one watch order: opens the settings
// of both watchers over `parent`.
QPushButton* GeneralWatcherSettingsButton(QWidget* parent);

}  // namespace kx::ui
