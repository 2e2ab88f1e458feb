#include "integration/ui/TtsSettingsDialog.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kx::ui {

TtsSettingsDialog::TtsSettingsDialog(integration::TtsSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    int r = 0;
    grid->addWidget(CheckBoxFor(model, "Active", this), r++, 0, 1, 2);
    grid->addWidget(CheckBoxFor(model, "TtsRange", this), r++, 0, 1, 2);
    for (const char* name : {"FirstAlarmKey", "LastAlarmKey"}) {
        grid->addWidget(LabelFor(model, name, this), r, 0);
        grid->addWidget(EditFor(model, name, this), r++, 1);
    }
    grid->addWidget(CheckBoxFor(model, "WaitForWavfile", this), r++, 0, 1, 2);
    grid->addWidget(CheckBoxFor(model, "UseAlrMsgIfExistent", this), r++, 0, 1, 2);
    finishLayout(grid);
}

}  // namespace kx::ui
