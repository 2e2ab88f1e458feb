#include "numbers/ui/DdiCliScannerDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kExplanation =
    KX_TEXT("DdiCliScannerDialog", "This function scans the alarmname for the DDI and CLI of the caller and starts "
                                   "the alarm if it is found. The format for the alarmname is DDI.CLI");
constexpr Text kExample = KX_TEXT("DdiCliScannerDialog", "Example: 2001.0891234567");

}  // namespace

DdiCliScannerDialog::DdiCliScannerDialog(numbers::DdiCliScanner& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* content = new QVBoxLayout;
    auto* explanation = new QLabel(ui::Translated(kExplanation), this);
    explanation->setWordWrap(true);
    content->addWidget(explanation);
    content->addWidget(new QLabel(ui::Translated(kExample), this));
    content->addWidget(CheckBoxFor(model, "Active", this));

    auto* form = new QFormLayout;
    for (const char* name : {"FirstKey", "LastKey"})
        form->addRow(LabelFor(model, name, this), EditFor(model, name, this));
    for (const char* name : {"UseDistAlarmInSettings", "UseConfAlarmInSettings"})
        form->addRow(LabelFor(model, name, this), ListFor(model, name, this));
    content->addLayout(form);

    finishLayout(content);
}

}  // namespace kx::ui
