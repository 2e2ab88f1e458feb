#pragma once
// Choosing the CSV file of an import or export, and "Show" (the file in the
// text editor).

#include "platform/Text.h"

#include <QString>

#include <memory>

class QFileDialog;
class QWidget;

namespace kx::ui {

constexpr Text kImportFilePrompt = KX_TEXT("CsvFileChooser", "Select CSV-File for import");
constexpr Text kExportFilePrompt = KX_TEXT("CsvFileChooser", "Select file to export configuration to");

// The chooser, not yet shown: caption "Select file", the prompt above the
// files, the working directory, and only the files whose name holds ".csv"
// in any case ("A.CSV", "b.csv.bak") besides the folders.
std::unique_ptr<QFileDialog> CsvFileDialog(QWidget* parent, const Text& prompt);
// Shows the chooser; the native path of the chosen file, empty when cancelled.
QString ChooseCsvFile(QWidget* parent, const Text& prompt);

// Starts the text editor on a file without waiting (the path one argument);
// nothing for an empty path. True when the editor started; a failed start is
// not reported to the operator.
bool ShowFile(const QString& path);

}  // namespace kx::ui
