#include "settings/ui/LineSupervisionDialog.h"

#include "platform/ui/WidgetText.h"
#include "settings/SelectLines.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kTestCalls = KX_TEXT("LineSupervisionDialog", "Test calls");
constexpr Text kCallback = KX_TEXT("LineSupervisionDialog", "Supervision by another alarm server");
constexpr Text kEdit = KX_TEXT("LineSupervisionDialog", "Edit");
constexpr Text kIsdnOnly = KX_TEXT("LineSupervisionDialog", "( only for ISDN systems )");
constexpr Text kMinutes = KX_TEXT("LineSupervisionDialog", "minutes");
constexpr Text kNextCallHint = KX_TEXT("LineSupervisionDialog", "This is the time remaining for next call to be "
                                                                "received, plus 10 minutes tolerance");

}  // namespace

LineSupervisionDialog::LineSupervisionDialog(settings::LineSupervision& model, QWidget* parent)
    : SettingsDialogFor(model, parent)
{
    auto* content = new QVBoxLayout;
    content->addWidget(CheckBoxFor(model, "WDogActive", this));

    auto* calls = new QGroupBox(Translated(kTestCalls), this);
    auto* grid = new QGridLayout(calls);
    int r = 0;
    grid->addWidget(LabelFor(model, "NumberToDial", calls), r, 0);
    grid->addWidget(EditFor(model, "NumberToDial", calls), r++, 1, 1, 2);
    grid->addWidget(LabelFor(model, "WithDDIForDial", calls), r, 0);
    grid->addWidget(EditFor(model, "WithDDIForDial", calls), r++, 1, 1, 2);
    grid->addWidget(LabelFor(model, "WithDDIForDial", calls, "hint", kIsdnOnly), r++, 1, 1, 2);
    grid->addWidget(RadioFor(model, "PostType", "0", calls), r++, 0, 1, 3);
    grid->addWidget(RadioFor(model, "PostType", "1", calls), r, 0);
    grid->addWidget(EditFor(model, "CheckLines", calls), r, 1);
    auto* edit = new QPushButton(Translated(kEdit), calls);
    edit->setObjectName(QStringLiteral("CheckLines_edit"));
    grid->addWidget(edit, r++, 2);
    grid->addWidget(LabelFor(model, "Interval", calls), r, 0);
    grid->addWidget(ListFor(model, "Interval", calls), r++, 1, 1, 2);
    grid->addWidget(LabelFor(model, "StartAlarm", calls), r, 0);
    grid->addWidget(ListFor(model, "StartAlarm", calls), r++, 1, 1, 2);
    grid->addWidget(CheckBoxFor(model, "WriteWarningFile", calls), r++, 0, 1, 3);
    grid->addWidget(CheckBoxFor(model, "RestartSystem", calls), r++, 0, 1, 3);
    grid->addWidget(ButtonFor(model, "test-now", calls), r++, 2);
    content->addWidget(calls);

    auto* callback = new QGroupBox(Translated(kCallback), this);
    auto* cgrid = new QGridLayout(callback);
    r = 0;
    cgrid->addWidget(RadioFor(model, "MultiSrvCallBack", "0", callback), r++, 0, 1, 3);
    cgrid->addWidget(RadioFor(model, "MultiSrvCallBack", "1", callback), r++, 0, 1, 3);
    for (const char* name : {"LastReset", "LastAlarm", "NextCallMinutes"}) {
        cgrid->addWidget(LabelFor(model, name, callback), r, 0);
        QLineEdit* field = EditFor(model, name, callback);
        field->setReadOnly(true);
        cgrid->addWidget(field, r++, 1);
    }
    cgrid->addWidget(LabelFor(model, "NextCallMinutes", callback, "unit", kMinutes), r - 1, 2);
    QLabel* hint = LabelFor(model, "NextCallMinutes", callback, "hint", kNextCallHint);
    hint->setWordWrap(true);
    cgrid->addWidget(hint, r++, 0, 1, 3);
    content->addWidget(callback);

    // Select lines first, then CheckLines as it was saved there.
    connect(edit, &QPushButton::clicked, this, [this, &model] {
        settings::SelectLines lines;
        lines.load();
        RunSettingsDialog(lines, this);
        model.refresh();
        binder().updateWidgets();
    });
    finishLayout(content);
}

}  // namespace kx::ui
