#include "alarmconfig/ui/RoomSurveillancePageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kx::ui {

RoomSurveillancePageWidget::RoomSurveillancePageWidget(alarmconfig::RoomSurveillancePage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* content = new QVBoxLayout;
    content->addWidget(LabelFor(page, "p_ogm3", this));
    content->addWidget(ListFor(page, "p_ogm3", this));
    content->addStretch(1);
    finishLayout(content);
}

}  // namespace kx::ui
