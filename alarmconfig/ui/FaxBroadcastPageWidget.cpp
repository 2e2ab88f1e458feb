#include "alarmconfig/ui/FaxBroadcastPageWidget.h"

namespace kx::ui {

FaxBroadcastPageWidget::FaxBroadcastPageWidget(alarmconfig::FaxBroadcastPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    finishWithOneList("p_ogm3");
}

}  // namespace kx::ui
