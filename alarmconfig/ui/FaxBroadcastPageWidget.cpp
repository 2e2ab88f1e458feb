#include "alarmconfig/ui/FaxBroadcastPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

namespace kx::ui {

FaxBroadcastPageWidget::FaxBroadcastPageWidget(alarmconfig::FaxBroadcastPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* content = new QVBoxLayout;
    content->addWidget(LabelFor(page, "p_ogm3", this));
    content->addWidget(ListFor(page, "p_ogm3", this));
    content->addStretch(1);
    finishLayout(content);
}

}  // namespace kx::ui
