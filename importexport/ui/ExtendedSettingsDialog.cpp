#include "importexport/ui/ExtendedSettingsDialog.h"

#include "importexport/ui/CsvFiles.h"
#include "importexport/ui/OperationRunner.h"
#include "platform/ui/WidgetText.h"
#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx::ui {

namespace {

constexpr Text kGroup = KX_TEXT("ExtendedSettingsDialog", "Import and export of the alarm-configuration");
constexpr Text kChoose = KX_TEXT("ExtendedSettingsDialog", "...");
constexpr Text kPersonsHint =
    KX_TEXT("ExtendedSettingsDialog", "Format: Name;Telnumber;Type;Department           (Departement is "
                                      "optional)\nExample:John Smith;1234;INT;Technical service");

}  // namespace

ExtendedSettingsDialog::ExtendedSettingsDialog(importexport::ExtendedSettings& model, QWidget* parent)
    : SettingsDialogFor(model, parent),
      m_model(model)
{
    auto* content = new QVBoxLayout;
    auto* top = new QGridLayout;
    top->addWidget(LabelFor(model, "WaitAfterPostjob", this), 0, 0);
    top->addWidget(EditFor(model, "WaitAfterPostjob", this), 0, 1);
    top->addWidget(CheckBoxFor(model, "ErrorNumberActive", this), 1, 0);
    top->addWidget(ListFor(model, "ErrorNumber", this), 1, 1);
    content->addLayout(top);

    auto* group = new QGroupBox(Translated(kGroup), this);
    auto* grid = new QGridLayout(group);
    const struct {
        const char* path;
        const char* run;
        const char* show;
        Text prompt;
    } files[] = {
        {"AlarmImportPath", "import-alarms", "show-alarm-import", kImportFilePrompt},
        {"AlarmExportPath", "export-alarms", "show-alarm-export", kExportFilePrompt},
        {"PersonsImportPath", "import-persons", "show-persons-import", kImportFilePrompt},
    };
    int line = 0;
    for (const auto& file : files) {
        grid->addWidget(LabelFor(model, file.path, group), line++, 0, 1, 4);
        QLineEdit* edit = EditFor(model, file.path, group);
        edit->setMinimumWidth(320);
        grid->addWidget(edit, line, 0);
        auto* choose = new QPushButton(Translated(kChoose), group);
        choose->setObjectName(QString::fromLatin1(file.path) + QStringLiteral("_choose"));
        connect(choose, &QPushButton::clicked, this, [this, file] { this->choose(file.path, file.prompt); });
        grid->addWidget(choose, line, 1);
        grid->addWidget(ButtonFor(model, file.run, group), line, 2);
        grid->addWidget(ButtonFor(model, file.show, group), line++, 3);
    }
    QLabel* hint = LabelFor(model, "PersonsImportPath", group, "hint", kPersonsHint);
    hint->setWordWrap(true);
    grid->addWidget(hint, line++, 0, 1, 4);
    grid->setColumnStretch(0, 1);
    content->addWidget(group);

    // The window's operations run on a worker thread behind a progress
    // dialog, which shows their result when they end.
    model.setRunner([this](importexport::Operation operation, const std::string& path,
                           const importexport::ExtendedSettings::Work& work) {
        OperationRunner runner(operation, QString::fromStdString(path), work, this);
        runner.run();
    });
    finishLayout(content);
}

ExtendedSettingsDialog::~ExtendedSettingsDialog()
{
    m_model.setRunner({});
}

void ExtendedSettingsDialog::choose(const char* pathName, const Text& prompt)
{
    const QString chosen = ChooseCsvFile(this, prompt);
    if (chosen.isEmpty())
        return;
    // The path goes to the model with the other typed values, as if typed.
    findChild<QLineEdit*>(QString::fromLatin1(pathName))->setText(chosen);
    binder().commit();
}

}  // namespace kx::ui
