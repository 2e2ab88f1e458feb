#include "alarmconfig/ui/RecordMessagesPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kx::ui {

RecordMessagesPageWidget::RecordMessagesPageWidget(alarmconfig::RecordMessagesPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* layout = new QVBoxLayout;
    layout->addWidget(LabelFor(page, "Password", this));
    layout->addWidget(EditFor(page, "Password", this));
    layout->addStretch();
    finishLayout(layout);
}

}  // namespace kx::ui
