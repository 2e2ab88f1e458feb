#include "watchers/ui/WatchdogAlarmDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kx::ui {

WatchdogAlarmDialog::WatchdogAlarmDialog(watchers::WatchdogAlarm& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* frame = new QGroupBox(FromUtf8(model.frameTitle()), this);
    auto* grid = new QGridLayout(frame);
    int r = 0;
    grid->addWidget(RadioFor(model, "mode", "0", frame), r++, 0, 1, 2);
    grid->addWidget(RadioFor(model, "mode", "1", frame), r++, 0, 1, 2);
    for (const char* name : {"event_minutes", "after_minutes", "comment", "last_event", "last_alarm"}) {
        grid->addWidget(LabelFor(model, name, frame), r, 0);
        grid->addWidget(EditFor(model, name, frame), r++, 1);
    }
    auto* content = new QVBoxLayout;
    content->addWidget(frame);
    finishLayout(content);
}

}  // namespace kx::ui
