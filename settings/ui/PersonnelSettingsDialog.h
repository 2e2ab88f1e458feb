#pragma once
// "Settings for personnel editor". The phone types are check values of the
// model; the two sorted lists "Activated" and "Deactivated" with the arrow
// buttons between them and the "Info:" field are their view.

#include "settings/PersonnelSettings.h"
#include "settings/ui/SettingsDialog.h"

class QListWidget;
class QLabel;

namespace kx::ui {

class PersonnelSettingsDialog final : public SettingsDialogFor<settings::PersonnelSettings, PersonnelSettingsDialog> {
    Q_OBJECT
public:
    PersonnelSettingsDialog(settings::PersonnelSettings& model, QWidget* parent);

private:
    void showTypes();
    // Moves the selected types of `from` to the other list.
    void move(QListWidget* from, bool activate);
    void showInfo(QListWidget* list);

    QListWidget* m_activated = nullptr;
    QListWidget* m_deactivated = nullptr;
    QLabel* m_info = nullptr;
};

}  // namespace kx::ui
