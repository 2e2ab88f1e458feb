#include "alarmconfig/ui/BroadcastMessageSettingsDialog.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kx::ui {

BroadcastMessageSettingsDialog::BroadcastMessageSettingsDialog(alarmconfig::BroadcastMessageSettings& model,
                                                               QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    int r = 0;
    for (const char* name : {"messageFile", "MaxRecSec"}) {
        grid->addWidget(LabelFor(model, name, this), r, 0);
        grid->addWidget(EditFor(model, name, this), r++, 1);
    }
    grid->addWidget(CheckBoxFor(model, "CheckMsgSize", this), r++, 0, 1, 2);
    grid->addWidget(LabelFor(model, "MinSizeForLaunch", this), r, 0);
    grid->addWidget(EditFor(model, "MinSizeForLaunch", this), r++, 1);
    for (const char* name : {"RecAsAlarmMessage", "RecBeforeLaunch", "RecordMenu"})
        grid->addWidget(CheckBoxFor(model, name, this), r++, 0, 1, 2);
    finishLayout(grid);
}

}  // namespace kx::ui
