#include "integration/ui/LoginLogoutSettingsDialog.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx::ui {

LoginLogoutSettingsDialog::LoginLogoutSettingsDialog(integration::LoginLogoutSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* grid = new QGridLayout;
    grid->addWidget(CheckBoxFor(model, "CheckPerson", this), 0, 0, 1, 3);
    grid->addWidget(LabelFor(model, "selected", this), 1, 0);
    grid->addWidget(ListFor(model, "selected", this), 1, 1);
    grid->addWidget(ButtonFor(model, "login", this), 1, 2);
    grid->addWidget(LabelFor(model, "number", this), 2, 0);
    grid->addWidget(EditFor(model, "number", this), 2, 1);
    grid->addWidget(ButtonFor(model, "logout", this), 2, 2);
    finishLayout(grid);
}

}  // namespace kx::ui
