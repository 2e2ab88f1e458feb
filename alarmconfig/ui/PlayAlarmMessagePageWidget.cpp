#include "alarmconfig/ui/PlayAlarmMessagePageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kx::ui {

PlayAlarmMessagePageWidget::PlayAlarmMessagePageWidget(alarmconfig::PlayAlarmMessagePage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* content = new QVBoxLayout;
    content->addWidget(LabelFor(page, "p_ogm3", this));
    content->addWidget(ListFor(page, "p_ogm3", this));
    auto* modes = new QGridLayout;
    modes->addWidget(RadioFor(page, "p_ogm1", "0", this), 0, 0, 1, 3);
    modes->addWidget(RadioFor(page, "p_ogm1", "1", this), 1, 0);
    modes->addWidget(EditFor(page, "p_ogm2", this), 1, 1);
    modes->addWidget(LabelFor(page, "p_ogm2", this), 1, 2);
    modes->addWidget(RadioFor(page, "p_ogm1", "2", this), 2, 0, 1, 3);
    modes->setColumnStretch(2, 1);
    content->addLayout(modes);
    content->addStretch(1);
    finishLayout(content);
}

}  // namespace kx::ui
