#pragma once
// "Supervison overview": the alarms-in of function 6 with their alarm,
// interval, last call and last alarm, read when the dialog opens.

#include <QDialog>

class QTreeWidget;

namespace kx::ui {

class SupervisionOverviewDialog final : public QDialog {
    Q_OBJECT
public:
    explicit SupervisionOverviewDialog(QWidget* parent);
    // Reads the rows again; false (with a message) when the table did not open.
    bool reload();

private:
    QTreeWidget* m_list = nullptr;
};

// Opens the overview modally (menu command and the line supervision page).
void OpenSupervisionOverview(QWidget* parent);

}  // namespace kx::ui
