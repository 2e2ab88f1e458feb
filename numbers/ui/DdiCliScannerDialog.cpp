#include "numbers/ui/DdiCliScannerDialog.h"

#include "platform/StringTable.h"
#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kx::ui {

DdiCliScannerDialog::DdiCliScannerDialog(numbers::DdiCliScanner& model, QWidget* parent) : SettingsDialog(model, parent)
{
    auto* content = new QVBoxLayout;
    auto* explanation = new QLabel(ui::text(str::DdiCliExplanation), this);
    explanation->setWordWrap(true);
    content->addWidget(explanation);
    content->addWidget(new QLabel(ui::text(str::DdiCliExample), this));
    content->addWidget(CheckBoxFor(model, "Active", this));

    auto* form = new QFormLayout;
    for (const char* name : {"FirstKey", "LastKey"})
        form->addRow(LabelFor(model, name, this), EditFor(model, name, this));
    for (const char* name : {"UseDistAlarmInSettings", "UseConfAlarmInSettings"})
        form->addRow(LabelFor(model, name, this), ListFor(model, name, this));
    content->addLayout(form);

    finishLayout(content);
}

bool RunDdiCliScannerDialog(QWidget* parent)
{
    return RunSettingsDialog<numbers::DdiCliScanner, DdiCliScannerDialog>(parent);
}

}  // namespace kx::ui
