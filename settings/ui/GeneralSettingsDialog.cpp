#include "settings/ui/GeneralSettingsDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kKeyRanges = KX_TEXT("GeneralSettingsDialog", "Alarm and alarm-in numbers");
constexpr Text kIsdnGroup = KX_TEXT("GeneralSettingsDialog", "ISDN connection");
constexpr Text kSendMsgAsOwnPhoneHint =
    KX_TEXT("GeneralSettingsDialog", "The alarm message to display will be sent directly to the phones.");
constexpr Text kSendUuiHint =
    KX_TEXT("GeneralSettingsDialog", "Mini-messages are stored in the phone and can be read after an alarm");
constexpr Text kSendDdiHint =
    KX_TEXT("GeneralSettingsDialog", "The alarm message on the display will be generated in the pbx (depending on "
                                     "own phone)");

}  // namespace

GeneralSettingsDialog::GeneralSettingsDialog(settings::GeneralSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* content = new QVBoxLayout;

    auto* ranges = new QGroupBox(ui::Translated(kKeyRanges), this);
    auto* rangeForm = new QFormLayout(ranges);
    for (const char* name : {"FirstAlarmKey", "LastAlarmKey", "FirstAlarmInKey", "LastAlarmInKey"})
        rangeForm->addRow(LabelFor(model, name, ranges), EditFor(model, name, ranges));
    content->addWidget(ranges);

    auto* isdn = new QGroupBox(ui::Translated(kIsdnGroup), this);
    auto* grid = new QGridLayout(isdn);
    int line = 0;
    grid->addWidget(CheckBoxFor(model, "ISDN", isdn), line++, 0, 1, 2);
    grid->addWidget(RadioFor(model, "E1Protocol", "QSIG", isdn), line, 0);
    grid->addWidget(RadioFor(model, "E1Protocol", "CTR4", isdn), line++, 1);
    grid->addWidget(LabelFor(model, "QsigPbx", isdn), line, 0);
    grid->addWidget(ListFor(model, "QsigPbx", isdn), line++, 1);
    grid->addWidget(LabelFor(model, "IsdnPbx", isdn), line, 0);
    grid->addWidget(ListFor(model, "IsdnPbx", isdn), line++, 1);
    const struct {
        const char* name;
        Text hint;
    } options[] = {
        {"SendMsgAsOwnPhone", kSendMsgAsOwnPhoneHint},
        {"SendUUI", kSendUuiHint},
        {"SendDDI", kSendDdiHint},
    };
    for (const auto& o : options) {
        grid->addWidget(CheckBoxFor(model, o.name, isdn), line++, 0, 1, 2);
        QLabel* hint = LabelFor(model, o.name, isdn, "hint", o.hint);
        hint->setWordWrap(true);
        hint->setIndent(20);
        grid->addWidget(hint, line++, 0, 1, 2);
    }
    grid->addWidget(CheckBoxFor(model, "AddNumberAtBeginning", isdn), line, 0);
    grid->addWidget(EditFor(model, "NumberToAdd", isdn), line++, 1);
    content->addWidget(isdn);

    auto* prefix = new QHBoxLayout;
    prefix->addWidget(LabelFor(model, "ExtDialPrefix", this));
    prefix->addWidget(EditFor(model, "ExtDialPrefix", this));
    content->addLayout(prefix);

    finishLayout(content);
}

}  // namespace kx::ui
