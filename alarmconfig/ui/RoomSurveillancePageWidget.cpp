#include "alarmconfig/ui/RoomSurveillancePageWidget.h"

namespace kx::ui {

RoomSurveillancePageWidget::RoomSurveillancePageWidget(alarmconfig::RoomSurveillancePage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    finishWithOneList("p_ogm3");
}

}  // namespace kx::ui
