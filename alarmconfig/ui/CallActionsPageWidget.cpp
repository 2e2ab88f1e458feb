#include "alarmconfig/ui/CallActionsPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kx::ui {

CallActionsPageWidget::CallActionsPageWidget(alarmconfig::CallActionsPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* grid = new QGridLayout;
    int line = 0;
    grid->addWidget(RadioFor(page, "type_msg", "0", this), line, 0);
    grid->addWidget(EditFor(page, "PlayFileFor", this), line++, 1);
    grid->addWidget(RadioFor(page, "type_msg", "1", this), line, 0);
    grid->addWidget(EditFor(page, "RecFileFor", this), line++, 1);
    // The record variant is a radio group of its own, so it gets a parent of its own.
    auto* variant = new QWidget(this);
    auto* variantLayout = new QVBoxLayout(variant);
    variantLayout->setContentsMargins(20, 0, 0, 0);
    variantLayout->addWidget(RadioFor(page, "msg_ch_r", "0", variant));
    variantLayout->addWidget(RadioFor(page, "msg_ch_r", "1", variant));
    grid->addWidget(variant, line++, 0, 1, 2);
    grid->addWidget(RadioFor(page, "type_msg", "2", this), line, 0);
    grid->addWidget(ListFor(page, "module", this), line++, 1);
    grid->addWidget(RadioFor(page, "type_msg", "3", this), line++, 0, 1, 2);
    grid->addWidget(LabelFor(page, "program", this), line, 0);
    grid->addWidget(EditFor(page, "program", this), line++, 1);
    grid->addWidget(LabelFor(page, "CallBackRedials", this), line, 0);
    grid->addWidget(EditFor(page, "CallBackRedials", this), line++, 1);
    grid->addWidget(RadioFor(page, "type_msg", "4", this), line++, 0, 1, 2);
    grid->addWidget(LabelFor(page, "participant", this), line, 0);
    grid->addWidget(EditFor(page, "participant", this), line++, 1);
    auto* content = new QVBoxLayout;
    content->addLayout(grid);
    content->addStretch(1);
    finishLayout(content);
}

}  // namespace kx::ui
