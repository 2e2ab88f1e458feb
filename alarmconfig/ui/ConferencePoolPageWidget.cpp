#include "alarmconfig/ui/ConferencePoolPageWidget.h"

#include "alarmconfig/ui/ConferencePinsDialog.h"
#include "settings/ui/SettingsWidgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kx::ui {

ConferencePoolPageWidget::ConferencePoolPageWidget(alarmconfig::ConferencePoolPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* grid = new QGridLayout;
    int line = 0;
    grid->addWidget(LabelFor(page, "pwd", this), line, 0);
    grid->addWidget(EditFor(page, "pwd", this), line++, 1);
    grid->addWidget(RadioFor(page, "type_alt", "0", this), line++, 0, 1, 2);
    grid->addWidget(RadioFor(page, "type_alt", "1", this), line++, 0, 1, 2);
    for (const char* name : {"type_msg", "FirstConferenceNbr", "LastConferenceNbr"}) {
        grid->addWidget(LabelFor(page, name, this), line, 0);
        grid->addWidget(EditFor(page, name, this), line++, 1);
    }
    QPushButton* pins = ButtonFor(page, "pins", this);
    grid->addWidget(pins, line++, 1);
    grid->setRowStretch(line, 1);
    finishLayout(grid);
    // The pins are kept apart from the page: the editor writes each one at once.
    connect(pins, &QPushButton::clicked, this, [this] { ConferencePinsDialog::run(this); });
}

}  // namespace kx::ui
