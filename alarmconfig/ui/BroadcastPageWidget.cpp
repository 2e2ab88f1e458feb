#include "alarmconfig/ui/BroadcastPageWidget.h"

#include "alarmconfig/BroadcastMessageSettings.h"
#include "alarmconfig/ui/SentenceParts.h"
#include "settings/ui/SettingsDialog.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx::ui {

BroadcastPageWidget::BroadcastPageWidget(alarmconfig::BroadcastPage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* grid = new QGridLayout;
    int r = 0;
    grid->addWidget(LabelFor(page, "p_ogm3", this), r, 0);
    grid->addWidget(ListFor(page, "p_ogm3", this), r, 1);
    grid->addWidget(ButtonFor(page, "edit", this), r++, 2);
    grid->addWidget(CheckBoxFor(page, "p_msg_f", this), r, 0, 1, 2);
    QPushButton* settings = ButtonFor(page, "settings", this);
    grid->addWidget(settings, r++, 2);
    grid->addWidget(CheckBoxFor(page, "p_msg_r", this), r++, 0, 1, 3);
    grid->addWidget(LabelFor(page, "pwd", this), r, 0);
    grid->addWidget(EditFor(page, "pwd", this), r++, 1);
    grid->addWidget(CheckBoxFor(page, "type_answr", this), r++, 0, 1, 3);
    grid->addWidget(CheckBoxFor(page, "type_alt", this), r++, 0, 1, 3);
    grid->addLayout(SentenceRow(page, "p_ogm1", ListFor(page, "p_ogm1", this), this), r++, 0, 1, 3);
    grid->addLayout(SentenceRow(page, "p_ogm2", EditFor(page, "p_ogm2", this), this), r++, 0, 1, 3);
    grid->addWidget(CheckBoxFor(page, "n_msg", this), r, 0, 1, 2);
    grid->addWidget(ButtonFor(page, "whitelist", this), r++, 2);
    grid->setRowStretch(r, 1);
    finishLayout(grid);

    connect(settings, &QPushButton::clicked, this, [this, &page] {
        alarmconfig::BroadcastMessageSettings messages;
        messages.load(page.number("p_ogm3"));
        RunSettingsDialog(messages, this);
    });
}

}  // namespace kx::ui
