#pragma once
// Controls of a settings dialog made from the model's rows: each is named
// after its value (or "<value>_<part>" for labels, hints and radio buttons)
// and carries the row's text, so the binder finds it and a dialog's code is
// only its layout.

#include "settings/SettingsModel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace kx::ui {

// A check box with the row's label.
QCheckBox* CheckBoxFor(const settings::SettingsModel& model, const std::string& name, QWidget* parent);
// A line edit (the binder makes it read-only for a Display row).
QLineEdit* EditFor(const settings::SettingsModel& model, const std::string& name, QWidget* parent);
// A drop-down list; `editable` for a text with a list of proposals.
QComboBox* ListFor(const settings::SettingsModel& model, const std::string& name, QWidget* parent,
                   bool editable = false);
// The radio button of one token, with its item's text.
QRadioButton* RadioFor(const settings::SettingsModel& model, const std::string& name, const std::string& token,
                       QWidget* parent);
QPushButton* ButtonFor(const settings::SettingsModel& model, const std::string& name, QWidget* parent);
// A label of the value, "<name>_<part>" (the binder makes it the control's
// buddy), with `text` or else the row's label.
QLabel* LabelFor(const settings::SettingsModel& model, const std::string& name, QWidget* parent,
                 const std::string& part = "label", const Text& text = {});

}  // namespace kx::ui
