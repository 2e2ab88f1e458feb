#include "integration/ui/MasterSlaveSettingsDialog.h"

#include "integration/SlaveAlarmStart.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kx::ui {

namespace {

constexpr Text kControllerNeeded =
    KX_TEXT("MasterSlaveSettingsDialog", "The program 'Master / Slave Controller' needs to be running on this server");
constexpr Text kAlsoOnSlave = KX_TEXT("MasterSlaveSettingsDialog", "Define alarms which are also started on slave");
constexpr Text kSeconds = KX_TEXT("MasterSlaveSettingsDialog", "seconds");

}  // namespace

MasterSlaveSettingsDialog::MasterSlaveSettingsDialog(integration::MasterSlaveSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    int r = 0;
    grid->addWidget(CheckBoxFor(model, "Active", this), r++, 0, 1, 4);
    grid->addWidget(CheckBoxFor(model, "RedundancyRange", this), r++, 0, 1, 4);
    grid->addWidget(LabelFor(model, "FirstAlarm", this), r, 0);
    grid->addWidget(EditFor(model, "FirstAlarm", this), r, 1);
    grid->addWidget(LabelFor(model, "LastAlarm", this), r, 2);
    grid->addWidget(EditFor(model, "LastAlarm", this), r++, 3);

    // Master: the controller runs here and may start alarms on the slave too.
    grid->addWidget(RadioFor(model, "Mode", "1", this), r++, 0, 1, 4);
    grid->addWidget(LabelFor(model, "settings", this, "controller", kControllerNeeded), r++, 1, 1, 3);
    grid->addWidget(LabelFor(model, "settings", this, "line", kAlsoOnSlave), r, 1, 1, 2);
    QPushButton* settings = ButtonFor(model, "settings", this);
    grid->addWidget(settings, r++, 3);

    grid->addWidget(RadioFor(model, "Mode", "2", this), r++, 0, 1, 4);
    for (const char* name : {"MasterIP", "MasterPort", "MaxSocketConnectionRetries", "WaitBeforeConnect"}) {
        grid->addWidget(LabelFor(model, name, this), r, 1, 1, 2);
        grid->addWidget(EditFor(model, name, this), r++, 3);
    }
    grid->addWidget(LabelFor(model, "WaitBeforeConnect", this, "unit", kSeconds), r - 1, 4);
    grid->addWidget(CheckBoxFor(model, "ContinueOnEmptyGroup", this), r++, 1, 1, 4);

    grid->addWidget(RadioFor(model, "Mode", "3", this), r++, 0, 1, 4);
    for (const char* name : {"PerAlarmRetries", "PerAlarmWait"}) {
        grid->addWidget(LabelFor(model, name, this), r, 1, 1, 2);
        grid->addWidget(EditFor(model, name, this), r++, 3);
    }
    grid->addWidget(LabelFor(model, "PerAlarmWait", this, "unit", kSeconds), r - 1, 4);
    finishLayout(grid);

    connect(settings, &QPushButton::clicked, this, [this] {
        integration::SlaveAlarmStart slaves;
        slaves.load();
        RunSettingsDialog(slaves, this);
    });
}

}  // namespace kx::ui
