#include "alarmconfig/ui/ManDownPageWidget.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kx::ui {

ManDownPageWidget::ManDownPageWidget(alarmconfig::ManDownPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* content = new QVBoxLayout;
    content->addWidget(RadioFor(page, "msg_ch_f", "0", this));
    content->addWidget(ListFor(page, "p_ogm3", this));
    content->addWidget(RadioFor(page, "msg_ch_f", "1", this));
    content->addWidget(CheckBoxFor(page, "num1_1", this));
    content->addWidget(CheckBoxFor(page, "num1_2", this));
    auto* form = new QFormLayout;
    form->addRow(LabelFor(page, "DefaultEscalationAlarm", this), ListFor(page, "DefaultEscalationAlarm", this));
    for (const char* name : {"PreName", "UseAlarmMsg", "UseEscalationMsg", "DefaultInterval", "RetryBeforeEscalation",
                             "FirstAlarm", "LastAlarm"})
        form->addRow(LabelFor(page, name, this), EditFor(page, name, this));
    content->addLayout(form);
    content->addWidget(CheckBoxFor(page, "RecDmEscalMsg", this));
    content->addStretch(1);
    finishLayout(content);
}

}  // namespace kx::ui
