#pragma once
// "Settings for whitelist" of one alarm-in: the list selector with Add and
// Delete, the numbers of the current list with Add number and Delete
// number, Apply, Save and Cancel. Every decision is the model's.

#include "watchers/Whitelist.h"

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace kx::ui {

class WhitelistDialog final : public QDialog {
    Q_OBJECT
public:
    WhitelistDialog(watchers::Whitelist& model, QWidget* parent);

    // Shows the model's lists, name and numbers.
    void refresh();

private:
    // The selector's typed text to the model; false when it was refused.
    bool commitName();
    void addList();
    void deleteList();
    void addNumber();
    void deleteNumbers();
    bool save();

    watchers::Whitelist& m_model;
    QComboBox* m_selector = nullptr;
    QListWidget* m_numbers = nullptr;
    QLineEdit* m_number = nullptr;
};

// Opens the dialog modally for an alarm-in (the pages' "Edit whitelist").
// False when it could not open (the message was shown).
bool OpenWhitelistDialog(long alarmInKey, QWidget* parent);

}  // namespace kx::ui
