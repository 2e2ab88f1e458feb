#include "integration/ui/HotelEvacuationSettingsDialog.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kx::ui {

namespace {

constexpr Text kSeconds = KX_TEXT("HotelEvacuationSettingsDialog", "seconds");

}  // namespace

HotelEvacuationSettingsDialog::HotelEvacuationSettingsDialog(integration::HotelEvacuationSettings& model,
                                                             QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    int r = 0;
    grid->addWidget(CheckBoxFor(model, "CheckRoomInfo", this), r++, 0, 1, 4);
    grid->addWidget(RadioFor(model, "PriorityKeys", "all", this), r++, 0, 1, 4);
    grid->addWidget(RadioFor(model, "PriorityKeys", "range", this), r, 0);
    grid->addWidget(EditFor(model, "FirstPriorityCheck", this), r, 1);
    grid->addWidget(LabelFor(model, "LastPriorityCheck", this), r, 2);
    grid->addWidget(EditFor(model, "LastPriorityCheck", this), r++, 3);
    for (const char* name : {"LgCodeForDt", "LgCodeForGb", "LgCodeForFr", "LgCodeForIt", "DefaultLgDir"}) {
        grid->addWidget(LabelFor(model, name, this), r, 0);
        grid->addWidget(EditFor(model, name, this), r++, 1, 1, 3);
    }
    grid->addWidget(CheckBoxFor(model, "PostEmptyAtEnd", this), r, 0, 1, 2);
    grid->addWidget(EditFor(model, "SleepBeforePostingEmpty", this), r, 2);
    grid->addWidget(LabelFor(model, "SleepBeforePostingEmpty", this, "unit", kSeconds), r++, 3);
    finishLayout(grid);
}

}  // namespace kx::ui
