#include "integration/ui/EscalationSettingsDialog.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kx::ui {

EscalationSettingsDialog::EscalationSettingsDialog(integration::EscalationSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    int r = 0;
    grid->addWidget(LabelFor(model, "MaxRepeatAlarm", this), r, 0);
    grid->addWidget(EditFor(model, "MaxRepeatAlarm", this), r++, 1);
    for (const char* name : {"AlrMsgFromEscalKey", "SendOrigKeyForEscal", "SetConfirmedByForAlarmOnSuccess"})
        grid->addWidget(CheckBoxFor(model, name, this), r++, 0, 1, 2);
    grid->addWidget(LabelFor(model, "ConfirmedByPreMessage", this), r, 0);
    grid->addWidget(EditFor(model, "ConfirmedByPreMessage", this), r++, 1);
    finishLayout(grid);
}

}  // namespace kx::ui
