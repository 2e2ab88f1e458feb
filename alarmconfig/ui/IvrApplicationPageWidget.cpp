#include "alarmconfig/ui/IvrApplicationPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kx::ui {

IvrApplicationPageWidget::IvrApplicationPageWidget(alarmconfig::IvrApplicationPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* grid = new QGridLayout;
    grid->addWidget(RadioFor(page, "num1_1", "0", this), 0, 0, 1, 2);
    grid->addWidget(RadioFor(page, "num1_1", "1", this), 1, 0, 1, 2);
    grid->addWidget(LabelFor(page, "num4_1", this), 2, 0);
    grid->addWidget(EditFor(page, "num4_1", this), 2, 1);
    grid->addWidget(ButtonFor(page, "settings", this), 3, 1);
    grid->setRowStretch(4, 1);
    finishLayout(grid);
}

}  // namespace kx::ui
