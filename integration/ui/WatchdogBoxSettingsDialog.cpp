#include "integration/ui/WatchdogBoxSettingsDialog.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx::ui {

namespace {

constexpr Text kShowLog = KX_TEXT("WatchdogBoxSettingsDialog", "Show weekly watchdog logfile");

}  // namespace

WatchdogBoxSettingsDialog::WatchdogBoxSettingsDialog(integration::WatchdogBoxSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    int r = 0;
    grid->addWidget(CheckBoxFor(model, "Active", this), r, 0);
    grid->addWidget(EditFor(model, "NumberToDial", this), r, 1);
    grid->addWidget(LabelFor(model, "Intervall", this), r, 2);
    grid->addWidget(ListFor(model, "Intervall", this), r++, 3);
    grid->addWidget(CheckBoxFor(model, "StartAlarmActive", this), r, 0);
    grid->addWidget(ListFor(model, "StartAlarmOnNoAnsw", this), r++, 1, 1, 3);
    grid->addWidget(CheckBoxFor(model, "WriteWarningOnNoAnsw", this), r++, 0, 1, 4);
    grid->addWidget(LabelFor(model, "WarningMessage", this), r, 0);
    grid->addWidget(EditFor(model, "WarningMessage", this), r++, 1, 1, 3);
    grid->addWidget(CheckBoxFor(model, "SendConfCode", this), r, 0);
    grid->addWidget(EditFor(model, "SendCode", this), r++, 1, 1, 3);
    grid->addWidget(CheckBoxFor(model, "GetConfCode", this), r, 0);
    grid->addWidget(EditFor(model, "ConfCode", this), r++, 1, 1, 3);
    grid->addWidget(LabelFor(model, "AlarmOnNoConf", this), r, 0);
    grid->addWidget(ListFor(model, "AlarmOnNoConf", this), r++, 1, 1, 3);
    grid->addWidget(ButtonFor(model, "test-call", this), r++, 0);
    grid->addWidget(LabelFor(model, "logfile", this, "hint", kShowLog), r, 0, 1, 3);
    grid->addWidget(ButtonFor(model, "logfile", this), r++, 3);
    finishLayout(grid);
}

}  // namespace kx::ui
