#include "alarmconfig/ui/PlayActiveAlarmsPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kx::ui {

PlayActiveAlarmsPageWidget::PlayActiveAlarmsPageWidget(alarmconfig::PlayActiveAlarmsPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* grid = new QGridLayout;
    grid->addWidget(RadioFor(page, "range", "0", this), 0, 0, 1, 4);
    grid->addWidget(RadioFor(page, "range", "1", this), 1, 0);
    grid->addWidget(EditFor(page, "from", this), 1, 1);
    grid->addWidget(LabelFor(page, "to", this), 1, 2);
    grid->addWidget(EditFor(page, "to", this), 1, 3);
    grid->setColumnStretch(4, 1);
    auto* content = new QVBoxLayout;
    content->addLayout(grid);
    content->addStretch(1);
    finishLayout(content);
}

}  // namespace kx::ui
