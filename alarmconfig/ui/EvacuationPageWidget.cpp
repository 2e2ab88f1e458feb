#include "alarmconfig/ui/EvacuationPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx::ui {

EvacuationPageWidget::EvacuationPageWidget(alarmconfig::EvacuationPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* grid = new QGridLayout;
    grid->addWidget(LabelFor(page, "p_ogm3", this), 0, 0, 1, 2);
    grid->addWidget(ListFor(page, "p_ogm3", this), 1, 0, 1, 2);
    grid->addWidget(CheckBoxFor(page, "type_answr", this), 2, 0, 1, 2);
    grid->addWidget(CheckBoxFor(page, "n_msg", this), 3, 0, 1, 2);
    grid->addWidget(ButtonFor(page, "whitelist", this), 4, 1);
    grid->addWidget(CheckBoxFor(page, "UsePassword", this), 5, 0);
    grid->addWidget(EditFor(page, "Password", this), 5, 1);
    grid->setRowStretch(6, 1);
    finishLayout(grid);
}

}  // namespace kx::ui
