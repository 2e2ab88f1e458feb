#include "alarmconfig/ui/DdiCallbackPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace kx::ui {

DdiCallbackPageWidget::DdiCallbackPageWidget(alarmconfig::DdiCallbackPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* content = new QVBoxLayout;
    content->addWidget(ButtonFor(page, "settings", this));
    content->addStretch(1);
    finishLayout(content);
}

}  // namespace kx::ui
