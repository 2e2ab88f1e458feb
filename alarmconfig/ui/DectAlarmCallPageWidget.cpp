#include "alarmconfig/ui/DectAlarmCallPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx::ui {

DectAlarmCallPageWidget::DectAlarmCallPageWidget(alarmconfig::DectAlarmCallPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* grid = new QGridLayout;
    int line = 0;
    grid->addWidget(LabelFor(page, "p_ogm3", this), line++, 0, 1, 2);
    grid->addWidget(ListFor(page, "p_ogm3", this), line, 0);
    grid->addWidget(ButtonFor(page, "edit", this), line++, 1);
    grid->addWidget(CheckBoxFor(page, "n_msg", this), line++, 0, 1, 2);
    grid->addWidget(ButtonFor(page, "whitelist", this), line++, 1);
    for (const char* name : {"num1_3", "num1_4", "num1_5"})
        grid->addWidget(CheckBoxFor(page, name, this), line++, 0, 1, 2);
    grid->addWidget(LabelFor(page, "pager", this), line++, 0, 1, 2);
    grid->addWidget(EditFor(page, "pager", this), line++, 0, 1, 2);
    grid->setRowStretch(line, 1);
    finishLayout(grid);
}

}  // namespace kx::ui
