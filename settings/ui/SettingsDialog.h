#pragma once
// The frame every settings dialog shares: caption from the model, OK and
// Cancel, the binder. A dialog derives from SettingsDialogFor<Model, Self>,
// which also registers it as the widget of its model, lays out its controls
// (named after the model's values, see SettingsBinder) and calls
// finishLayout(). OK commits the typed text, runs the model's checks and
// writes; a refusal keeps the dialog open. Cancel writes nothing.
//
// Adding a dialog: a model (one .cpp with its registration line, see
// settings/SettingsRegistry.h) and a widget:
//
//     class EmailSettingsDialog final : public SettingsDialogFor<settings::EmailSettings, EmailSettingsDialog> {
//     public:
//         EmailSettingsDialog(settings::EmailSettings& model, QWidget* parent);  // the layout
//     };

#include "settings/SettingsModel.h"
#include "settings/ui/SettingsBinder.h"

#include <QDialog>
#include <QStringList>

#include <memory>
#include <typeinfo>

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

// The widgets of the models: each dialog class registers how it is made
// for its model's type.
using SettingsDialogMaker = SettingsDialog* (*)(settings::SettingsModel& model, QWidget* parent);
bool RegisterSettingsDialogWidget(const std::type_info& modelType, SettingsDialogMaker make);
// The dialog of a loaded model; null when no widget shows that model.
std::unique_ptr<SettingsDialog> MakeSettingsDialog(settings::SettingsModel& model, QWidget* parent);
// Opens the dialog of a loaded model modally, as a menu command does; true
// when the operator closed it with OK (the model then wrote its values).
bool RunSettingsDialog(settings::SettingsModel& model, QWidget* parent);

template <typename Model, typename Self>
class SettingsDialogFor : public SettingsDialog {
protected:
    // `model` is loaded and outlives the dialog.
    SettingsDialogFor(Model& model, QWidget* parent) : SettingsDialog(model, parent) { (void)&kRegistered; }

private:
    static inline const bool kRegistered = RegisterSettingsDialogWidget(
        typeid(Model), [](settings::SettingsModel& model, QWidget* parent) -> SettingsDialog* {
            return new Self(static_cast<Model&>(model), parent);
        });
};

}  // namespace kx::ui
