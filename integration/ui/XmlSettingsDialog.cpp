#include "integration/ui/XmlSettingsDialog.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kx::ui {

XmlSettingsDialog::XmlSettingsDialog(integration::XmlSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    int r = 0;
    grid->addWidget(CheckBoxFor(model, "ShowXML", this), r++, 0, 1, 2);
    grid->addWidget(RadioFor(model, "XmlType", "0", this), r++, 0, 1, 2);
    grid->addWidget(RadioFor(model, "XmlType", "1", this), r++, 0, 1, 2);
    grid->addWidget(LabelFor(model, "ImagePath", this), r, 0);
    grid->addWidget(EditFor(model, "ImagePath", this), r++, 1);
    finishLayout(grid);
}

}  // namespace kx::ui
