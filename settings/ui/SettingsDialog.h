#pragma once
// The frame every settings dialog shares: caption from the model, OK and
// Cancel, the binder. A dialog derives from it, lays out its controls
// (named after the model's values, see SettingsBinder) and calls
// finishLayout(). OK commits the typed text, runs the model's checks and
// writes; a refusal keeps the dialog open. Cancel writes nothing.

#include "settings/SettingsModel.h"
#include "settings/ui/SettingsBinder.h"

#include <QDialog>
#include <QStringList>

class QLayout;
class QDialogButtonBox;

namespace kx::ui {

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(settings::SettingsModel& model, QWidget* parent);

    settings::SettingsModel& model() { return m_model; }
    SettingsBinder& binder() { return m_binder; }
    // What bind() found amiss (for the tests; empty when all controls match).
    const QStringList& bindingProblems() const { return m_problems; }
    QDialogButtonBox* buttonBox() const { return m_buttons; }

    void accept() override;
    void reject() override;

protected:
    // Puts `content` above OK and Cancel, binds the widgets, shows the values.
    void finishLayout(QLayout* content);

private:
    settings::SettingsModel& m_model;
    SettingsBinder m_binder;
    QDialogButtonBox* m_buttons = nullptr;
    QStringList m_problems;
};

// Opens a settings dialog on a freshly loaded model, as a menu command does;
// true when the operator closed it with OK (the model then wrote its keys).
template <typename Model, typename Dialog>
bool RunSettingsDialog(QWidget* parent)
{
    Model model;
    model.load();
    Dialog dialog(model, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace kx::ui
