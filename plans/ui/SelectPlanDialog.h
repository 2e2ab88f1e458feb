#pragma once
// "Select plan" of an alarm-in: the two modes, a drop-down list of each
// family with its "New", the offset notice, the week and year lines of the
// plan shown in their colours with "Edit" and the file name, "Refresh", OK
// and Cancel. Every decision and write is the model's; the dialog shows it.

#include "plans/PlanSelection.h"

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kx::ui {

class SelectPlanDialog final : public QDialog {
    Q_OBJECT
public:
    // `model` is open and outlives the dialog; its "New" opens "Create plan"
    // over this dialog.
    SelectPlanDialog(plans::PlanSelection& model, QWidget* parent);
    ~SelectPlanDialog() override;

    // OK closes only when the model stored the plan.
    void accept() override;

private:
    // Shows the model's mode, lists, selections and plan.
    void refresh();
    void showMode();
    void showDisplay();
    void selectionChanged(plans::PlanFamily family, int index);

    plans::PlanSelection& m_model;
    QButtonGroup* m_modes = nullptr;
    QComboBox* m_lists[2] = {};
    QPushButton* m_new[2] = {};
    QLabel* m_notice = nullptr;
    QListWidget* m_weekLines = nullptr;
    QListWidget* m_yearLines = nullptr;
    QLineEdit* m_weekFile = nullptr;
    QLineEdit* m_yearFile = nullptr;
};

// Opens "Select plan" modally for alarm-in `key` with its plan number and
// kind (num1_7); true when the operator confirmed and the plan was stored,
// with the stored number and kind in `plan` and `kind`.
bool ChoosePlan(long key, long& plan, long& kind, QWidget* parent);

}  // namespace kx::ui
