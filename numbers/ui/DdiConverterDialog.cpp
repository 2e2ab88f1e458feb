#include "numbers/ui/DdiConverterDialog.h"

#include "settings/ui/SettingsWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kx::ui {

DdiConverterDialog::DdiConverterDialog(numbers::DdiConverter& model, QWidget* parent) : SettingsDialogFor(model, parent)
{
    // Settings on the left, each step's result of the last test on the right.
    auto* grid = new QGridLayout;
    constexpr int kResultColumn = 6;
    int line = 0;
    grid->addWidget(CheckBoxFor(model, "DDIConversionActive", this), line++, 0, 1, kResultColumn);

    grid->addWidget(CheckBoxFor(model, "SuppressDigitsActive", this), line, 0, 1, kResultColumn);
    grid->addWidget(EditFor(model, "AfterSuppress", this), line++, kResultColumn);
    grid->addWidget(LabelFor(model, "SuppressDigits", this), line, 0);
    grid->addWidget(EditFor(model, "SuppressDigits", this), line++, 1, 1, kResultColumn - 1);

    grid->addWidget(LabelFor(model, "CutLeadingDigits", this), line, 0, 1, 2);
    grid->addWidget(ListFor(model, "CutLeadingDigits", this), line, 2);
    grid->addWidget(EditFor(model, "AfterCutLeading", this), line++, kResultColumn);
    grid->addWidget(LabelFor(model, "CutTrailingDigits", this), line, 0, 1, 2);
    grid->addWidget(ListFor(model, "CutTrailingDigits", this), line, 2);
    grid->addWidget(EditFor(model, "AfterCutTrailing", this), line++, kResultColumn);

    grid->addWidget(CheckBoxFor(model, "LastDigits", this), line, 0, 1, 2);
    grid->addWidget(LabelFor(model, "UseLastDigits", this), line, 2);
    grid->addWidget(ListFor(model, "UseLastDigits", this), line, 3);
    grid->addWidget(EditFor(model, "AfterUseLast", this), line++, kResultColumn);

    for (int n = 1; n <= 6; ++n) {
        const std::string i = std::to_string(n);
        grid->addWidget(CheckBoxFor(model, "ReplaceActive" + i, this), line, 0);
        grid->addWidget(EditFor(model, "Replace" + i, this), line, 1);
        grid->addWidget(LabelFor(model, "ReplaceWith" + i, this), line, 2);
        grid->addWidget(ListFor(model, "ReplaceWith" + i, this), line, 3);
        grid->addWidget(LabelFor(model, "ReplaceAtPos" + i, this), line, 4);
        grid->addWidget(ListFor(model, "ReplaceAtPos" + i, this), line, 5);
        grid->addWidget(EditFor(model, "AfterReplace" + i, this), line++, kResultColumn);
    }

    grid->addWidget(LabelFor(model, "AddOffset", this), line, 0);
    grid->addWidget(EditFor(model, "AddOffset", this), line, 1);
    grid->addWidget(EditFor(model, "AfterOffset", this), line++, kResultColumn);
    grid->addWidget(LabelFor(model, "Result", this), line, 5);
    grid->addWidget(EditFor(model, "Result", this), line++, kResultColumn);

    grid->addWidget(LabelFor(model, "TestDDI", this), line, 0);
    grid->addWidget(ListFor(model, "TestDDI", this, true), line, 1, 1, 3);
    grid->addWidget(ButtonFor(model, "test", this), line, 4);
    grid->addWidget(ButtonFor(model, "refresh", this), line++, 5);

    // The results are as long as the numbers they show.
    for (const std::string& key : numbers::DdiConverter::ResultKeys())
        findChild<QLineEdit*>(QString::fromStdString(key))->setMinimumWidth(160);
    grid->setColumnStretch(kResultColumn, 1);
    finishLayout(grid);
}

}  // namespace kx::ui
