#include "integration/ui/AlarmMessageSettingsDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kLengths = KX_TEXT("AlarmMessageSettingsDialog", "Maximum lengths");
constexpr Text kDeposit = KX_TEXT("AlarmMessageSettingsDialog", "Mini-messages");
constexpr Text kTexts = KX_TEXT("AlarmMessageSettingsDialog", "Texts for SMS and pager messages");

}  // namespace

AlarmMessageSettingsDialog::AlarmMessageSettingsDialog(integration::AlarmMessageSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* content = new QVBoxLayout;
    auto* lengths = new QGroupBox(Translated(kLengths), this);
    auto* form = new QFormLayout(lengths);
    for (const char* name :
         {"MaxCharsRinging", "MaxCharsAnswered", "MaxCharsInfo", "MaxUuiLength", "MaxSmsLength", "MaxPagerLength"})
        form->addRow(LabelFor(model, name, lengths), EditFor(model, name, lengths));
    content->addWidget(lengths);

    auto* deposit = new QGroupBox(Translated(kDeposit), this);
    auto* dform = new QFormLayout(deposit);
    dform->addRow(CheckBoxFor(model, "DepositMMSOnInaccessible", deposit));
    dform->addRow(CheckBoxFor(model, "DepositMMSOnISDNError1", deposit));
    for (const char* name : {"DepositMMSOnISDNError2", "DepositMMSOnISDNError3"})
        dform->addRow(LabelFor(model, name, deposit), EditFor(model, name, deposit));
    content->addWidget(deposit);

    auto* texts = new QGroupBox(Translated(kTexts), this);
    auto* tform = new QFormLayout(texts);
    tform->addRow(CheckBoxFor(model, "AddPreDefinedMsgForSMS", texts));
    tform->addRow(CheckBoxFor(model, "AddPreDefinedMsgForPager", texts));
    for (const char* name : {"PreMessage", "PostMessage"})
        tform->addRow(LabelFor(model, name, texts), EditFor(model, name, texts));
    content->addWidget(texts);
    finishLayout(content);
}

}  // namespace kx::ui
