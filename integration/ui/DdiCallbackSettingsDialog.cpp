#include "integration/ui/DdiCallbackSettingsDialog.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kx::ui {

DdiCallbackSettingsDialog::DdiCallbackSettingsDialog(integration::DdiCallbackSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    int r = 0;
    grid->addWidget(CheckBoxFor(model, "AddDDICallbackNumber", this), r++, 0, 1, 2);
    grid->addWidget(RadioFor(model, "SetOnlyForSpecificAlarms", "0", this), r++, 0, 1, 2);
    grid->addWidget(RadioFor(model, "SetOnlyForSpecificAlarms", "1", this), r++, 0, 1, 2);
    for (const char* name : {"FirstDDINumber", "LastDDINumber", "UseTrunkPrefix"}) {
        grid->addWidget(LabelFor(model, name, this), r, 0);
        grid->addWidget(EditFor(model, name, this), r++, 1);
    }
    grid->addWidget(CheckBoxFor(model, "SendDDIOnlyInUUI", this), r++, 0, 1, 2);
    grid->addWidget(CheckBoxFor(model, "SetStatusConfirmedOnCallback", this), r++, 0, 1, 2);
    grid->addWidget(CheckBoxFor(model, "StartModule", this), r, 0);
    grid->addWidget(ListFor(model, "StartAdditionalModuleOnCallback", this), r++, 1);
    finishLayout(grid);
}

}  // namespace kx::ui
