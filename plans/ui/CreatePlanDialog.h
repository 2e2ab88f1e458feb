#pragma once
// "Create plan": the plan number (digits only), what to create (both files
// each time the dialog opens), OK and Cancel. OK creates the files through
// the model and closes only when it did; every check and message is the
// model's.

#include "plans/PlanCreation.h"

#include <QDialog>

class QButtonGroup;
class QLineEdit;

namespace kx::ui {

class CreatePlanDialog final : public QDialog {
    Q_OBJECT
public:
    CreatePlanDialog(plans::PlanCreation& model, QWidget* parent);

    void accept() override;

private:
    plans::PlanCreation& m_model;
    QLineEdit* m_number = nullptr;
    QButtonGroup* m_what = nullptr;
};

// Shows "Create plan" modally on the model, as "New" of "Select plan" does.
void RunCreatePlan(plans::PlanCreation& model, QWidget* parent);

}  // namespace kx::ui
