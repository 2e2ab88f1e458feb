#pragma once
// "Edit conference pin codes": the conference numbers of the pool with their
// pins; "Set pin" stores the typed pin for the selected number at once.

#include "alarmconfig/ConferencePins.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kx::ui {

class ConferencePinsDialog final : public QDialog {
    Q_OBJECT
public:
    // `pins` is loaded and outlives the dialog.
    ConferencePinsDialog(alarmconfig::ConferencePins& pins, QWidget* parent);

    // Loads the pins and runs the dialog modally.
    static void run(QWidget* parent);

private:
    void fillList();
    void setPin();

    alarmconfig::ConferencePins& m_pins;
    QTreeWidget* m_list = nullptr;
    QLineEdit* m_pin = nullptr;
    QPushButton* m_set = nullptr;
};

}  // namespace kx::ui
