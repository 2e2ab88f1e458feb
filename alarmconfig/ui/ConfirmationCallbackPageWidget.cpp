#include "alarmconfig/ui/ConfirmationCallbackPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace kx::ui {

ConfirmationCallbackPageWidget::ConfirmationCallbackPageWidget(alarmconfig::ConfirmationCallbackPage& page,
                                                               QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* layout = new QVBoxLayout;
    // One of the two first boxes is shown, by the variant.
    for (const char* name :
         {"ConfirmPhCallback", "ConfirmPgCallback", "RepeatAlarmMessage", "PlayAllOnTimeout", "SendConfPag"})
        layout->addWidget(CheckBoxFor(page, name, this));
    layout->addStretch();
    finishLayout(layout);
}

}  // namespace kx::ui
