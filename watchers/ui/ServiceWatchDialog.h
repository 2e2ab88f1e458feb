#pragma once
// "Service and process watcher" of one alarm: the name's label, the hint and
// the show button follow the kind; typing an address brings its stored
// login.

#include "settings/ui/SettingsDialog.h"
#include "watchers/ServiceWatch.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace kx::ui {

class ServiceWatchDialog final : public SettingsDialogFor<watchers::ServiceWatch, ServiceWatchDialog> {
    Q_OBJECT
public:
    ServiceWatchDialog(watchers::ServiceWatch& model, QWidget* parent);

private:
    void showKind();
    void addressEdited(const QString& text);

    QLabel* m_nameLabel = nullptr;
    QLabel* m_hint = nullptr;
    QPushButton* m_show = nullptr;
    QLineEdit* m_address = nullptr;
};

}  // namespace kx::ui
