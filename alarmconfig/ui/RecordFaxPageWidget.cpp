#include "alarmconfig/ui/RecordFaxPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kx::ui {

RecordFaxPageWidget::RecordFaxPageWidget(alarmconfig::RecordFaxPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* layout = new QVBoxLayout;
    layout->addWidget(LabelFor(page, "Password", this));
    layout->addWidget(EditFor(page, "Password", this));
    layout->addWidget(CheckBoxFor(page, "SendBack", this));
    layout->addWidget(EditFor(page, "SendBackNumber", this));
    layout->addStretch();
    finishLayout(layout);
}

}  // namespace kx::ui
