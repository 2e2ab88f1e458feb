#include "alarmconfig/ui/CallTransferPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kx::ui {

CallTransferPageWidget::CallTransferPageWidget(alarmconfig::CallTransferPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* grid = new QGridLayout;
    int line = 0;
    grid->addWidget(LabelFor(page, "string30_1", this), line, 0);
    grid->addWidget(EditFor(page, "string30_1", this), line++, 1);
    grid->addWidget(RadioFor(page, "num1_1", "0", this), line++, 0, 1, 2);
    auto* blind = new QHBoxLayout;
    blind->addWidget(RadioFor(page, "num1_1", "1", this));
    blind->addWidget(EditFor(page, "num4_3", this));
    blind->addWidget(LabelFor(page, "num4_3", this));
    grid->addLayout(blind, line++, 0, 1, 2);
    grid->addWidget(LabelFor(page, "num2_1", this), line, 0);
    grid->addWidget(EditFor(page, "num2_1", this), line++, 1);
    grid->addWidget(LabelFor(page, "num4_1", this), line++, 0, 1, 2);
    grid->addWidget(ListFor(page, "num4_1", this), line++, 0, 1, 2);
    grid->addWidget(LabelFor(page, "num2_2", this), line, 0);
    grid->addWidget(EditFor(page, "num2_2", this), line++, 1);
    grid->addWidget(CheckBoxFor(page, "num1_2", this), line++, 0, 1, 2);
    grid->addWidget(LabelFor(page, "num4_2", this), line++, 0, 1, 2);
    grid->addWidget(ListFor(page, "num4_2", this), line++, 0, 1, 2);
    grid->setRowStretch(line, 1);
    finishLayout(grid);
}

}  // namespace kx::ui
