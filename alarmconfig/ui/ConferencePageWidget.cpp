#include "alarmconfig/ui/ConferencePageWidget.h"

#include "alarmconfig/ui/ConferenceExtendedDialog.h"
#include "alarmconfig/ui/SentenceParts.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kx::ui {

ConferencePageWidget::ConferencePageWidget(alarmconfig::ConferencePage& page, QWidget* parent)
    : AlarmInPageWidgetFor(page, parent)
{
    auto* grid = new QGridLayout;
    int r = 0;
    grid->addWidget(LabelFor(page, "p_ogm3", this), r, 0);
    grid->addWidget(ListFor(page, "p_ogm3", this), r, 1);
    grid->addWidget(ButtonFor(page, "edit", this), r++, 2);
    auto* note = new QLabel(this);
    note->setObjectName(QStringLiteral("note"));
    note->setWordWrap(true);
    grid->addWidget(note, r++, 0, 1, 3);
    // How the caller waits: radio buttons for a parallel conference, a tick
    // box for a conference with the first; hidden for any other alarm.
    for (const settings::Option& o : page.options("waiting"))
        grid->addWidget(RadioFor(page, "waiting", o.token, this), r++, 0, 1, 3);
    grid->addWidget(CheckBoxFor(page, "ringTone", this), r++, 0, 1, 3);
    grid->addWidget(CheckBoxFor(page, "mbx_ch_f", this), r++, 0, 1, 3);
    grid->addWidget(CheckBoxFor(page, "msg_ch_r", this), r++, 0, 1, 3);
    grid->addWidget(CheckBoxFor(page, "p_msg_r", this), r++, 0, 1, 3);
    grid->addWidget(LabelFor(page, "num6_3", this), r, 0);
    grid->addWidget(EditFor(page, "num6_3", this), r++, 1);
    grid->addWidget(CheckBoxFor(page, "timeoutOn", this), r, 0);
    grid->addWidget(ListFor(page, "timeoutAlarmIn", this), r++, 1, 1, 2);
    grid->addLayout(SentenceRow(page, "num6_2", EditFor(page, "num6_2", this), this), r++, 0, 1, 3);
    QPushButton* extended = ButtonFor(page, "extended", this);
    grid->addWidget(extended, r++, 2);
    grid->addWidget(CheckBoxFor(page, "n_msg", this), r, 0, 1, 2);
    grid->addWidget(ButtonFor(page, "whitelist", this), r++, 2);
    grid->setRowStretch(r, 1);
    binder().leaveOut(ConferenceExtendedDialog::values());
    finishLayout(grid);

    connect(extended, &QPushButton::clicked, this, [this, &page] {
        ConferenceExtendedDialog dialog(page, this);
        dialog.exec();
        refresh();
    });
}

}  // namespace kx::ui
