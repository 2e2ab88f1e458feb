#include "alarmconfig/ui/RecordedConferencesPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kx::ui {

RecordedConferencesPageWidget::RecordedConferencesPageWidget(alarmconfig::RecordedConferencesPage& page,
                                                             QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* content = new QVBoxLayout;
    for (const char* token : {"0", "1", "2", "3"})
        content->addWidget(RadioFor(page, "n_msg", token, this));
    auto* numbers = new QFormLayout;
    for (const char* name : {"DigitsForPhonenbr", "MaxLastConf"})
        numbers->addRow(LabelFor(page, name, this), EditFor(page, name, this));
    content->addLayout(numbers);
    content->addWidget(CheckBoxFor(page, "ShowCallerNumber", this));
    content->addStretch(1);
    finishLayout(content);
}

}  // namespace kx::ui
