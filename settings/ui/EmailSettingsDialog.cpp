#include "settings/ui/EmailSettingsDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kGroup = KX_TEXT("EmailSettingsDialog", "Settings for sending and receiving e-mails");
constexpr Text kAutomatically = KX_TEXT("EmailSettingsDialog", "automatically if not defined");
constexpr Text kSubjectFormat =
    KX_TEXT("EmailSettingsDialog",
            "A:Alarmnumber;MSG:Alarmmessage;MSG1:Alarmmessage1;MSG2:Alarmmessage2;ID:UserID;PWD:Password;");
constexpr Text kSubjectExample =
    KX_TEXT("EmailSettingsDialog", "Example: A:7010;MSG:Fire in building 2;ID:4711;PWD:1234;");

}  // namespace

EmailSettingsDialog::EmailSettingsDialog(settings::EmailSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* group = new QGroupBox(ui::Translated(kGroup), this);
    auto* grid = new QGridLayout(group);
    int line = 0;
    const auto labelled = [&](const char* name) {
        grid->addWidget(LabelFor(model, name, group), line, 0);
        grid->addWidget(EditFor(model, name, group), line++, 1, 1, 3);
    };
    grid->addWidget(CheckBoxFor(model, "-@-", group), line++, 0, 1, 4);
    labelled("SMTPHost");
    labelled("SMTPSenderName");
    grid->addWidget(CheckBoxFor(model, "AutoAddDomain", group), line, 0);
    grid->addWidget(EditFor(model, "DomainToAdd", group), line, 1, 1, 2);
    grid->addWidget(LabelFor(model, "DomainToAdd", group, "hint", kAutomatically), line++, 3);
    grid->addWidget(CheckBoxFor(model, "OnlyDomainAutoAdd", group), line++, 0, 1, 4);
    grid->addWidget(CheckBoxFor(model, "AttachAlarmWavToEmail", group), line++, 0, 1, 4);

    grid->addWidget(CheckBoxFor(model, "Active", group), line++, 0, 1, 4);
    labelled("MailServer");
    labelled("UserForPolling");
    labelled("PasswordForPolling");
    grid->addWidget(CheckBoxFor(model, "AlarmRange", group), line, 0);
    grid->addWidget(EditFor(model, "FirstAlarmForRange", group), line, 1);
    grid->addWidget(LabelFor(model, "LastAlarmForRange", group), line, 2);
    grid->addWidget(EditFor(model, "LastAlarmForRange", group), line++, 3);
    grid->addWidget(CheckBoxFor(model, "NeedIdAndPwd", group), line, 0, 1, 3);
    grid->addWidget(ButtonFor(model, "edit-id-list", group), line++, 3);
    // The subject format follows the receive settings, as the mail server does.
    grid->addWidget(LabelFor(model, "MailServer", group, "subject", kSubjectFormat), line++, 0, 1, 4);
    grid->addWidget(LabelFor(model, "MailServer", group, "example", kSubjectExample), line++, 0, 1, 4);
    grid->addWidget(LabelFor(model, "DefaultAlarm", group), line, 0);
    grid->addWidget(ListFor(model, "DefaultAlarm", group), line++, 1, 1, 3);

    auto* content = new QVBoxLayout;
    content->addWidget(group);
    finishLayout(content);
}

}  // namespace kx::ui
