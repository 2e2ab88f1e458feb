#include "importexport/ui/CsvFiles.h"

#include "platform/ProgramLauncher.h"
#include "platform/ui/WidgetText.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

#include <vector>

namespace kx::ui {

namespace {

constexpr Text kCaption = KX_TEXT("CsvFileChooser", "Select file");
constexpr Text kCsvFiles = KX_TEXT("CsvFileChooser", "CSV files (%1)");

// Puts a line above the dialog's own rows.
void addPromptLine(QFileDialog& dialog, const QString& prompt)
{
    auto* grid = qobject_cast<QGridLayout*>(dialog.layout());
    if (!grid)
        return;
    struct Placed {
        QLayoutItem* item;
        int row, column, rows, columns;
    };
    std::vector<Placed> placed;
    const int columns = grid->columnCount();
    while (grid->count() > 0) {
        Placed p{};
        grid->getItemPosition(0, &p.row, &p.column, &p.rows, &p.columns);
        p.item = grid->takeAt(0);
        placed.push_back(p);
    }
    auto* label = new QLabel(prompt, &dialog);
    label->setObjectName("prompt");
    grid->addWidget(label, 0, 0, 1, columns);
    for (const Placed& p : placed)
        grid->addItem(p.item, p.row + 1, p.column, p.rows, p.columns);
}

}  // namespace

std::unique_ptr<QFileDialog> CsvFileDialog(QWidget* parent, const Text& prompt)
{
    auto dialog = std::make_unique<QFileDialog>(parent, Translated(kCaption), QDir::currentPath());
    // Qt's own dialog: the platform's would drop the prompt and match the
    // filter's case.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setFilter((dialog->filter() | QDir::AllDirs) & ~QDir::CaseSensitive);
    dialog->setNameFilter(FromUtf8(Tr(kCsvFiles, "*.csv*")));
    addPromptLine(*dialog, Translated(prompt));
    return dialog;
}

QString ChooseCsvFile(QWidget* parent, const Text& prompt)
{
    const std::unique_ptr<QFileDialog> dialog = CsvFileDialog(parent, prompt);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return {};
    return QDir::toNativeSeparators(dialog->selectedFiles().constFirst());
}

bool ShowFile(const QString& path)
{
    if (path.isEmpty())
        return false;
    return StartProgram(CommandLine().arg("notepad.exe").arg(QFile::encodeName(path).toStdString())).started;
}

}  // namespace kx::ui
