#include "alarmconfig/ui/PrintoutJob.h"

#include "platform/MessageBoxes.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace kx::ui {

namespace {
constexpr Text kPageRefused = KX_TEXT("PrintoutJob", "The printer did not accept page %d. The printout was aborted.");
// The document name of the job in the printer's queue.
constexpr const char* kDocumentName = "kxalarm";
}  // namespace

bool PrintPrintout(QPrinter& printer, PrintoutRenderer& renderer)
{
    printer.setDocName(QString::fromLatin1(kDocumentName));
    const bool range = printer.printRange() == QPrinter::PageRange;
    if (renderer.print(printer, range ? printer.fromPage() : 0, range ? printer.toPage() : 0,
                       [&printer] { printer.abort(); }))
        return true;
    ErrorBoxNumber(kPageRefused, renderer.refusedPage());
    return false;
}

void PrintPrintoutWithDialog(QPrinter& printer, PrintoutRenderer& renderer, QWidget* parent)
{
    renderer.layOut(printer);
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, std::max(1, renderer.pageCount()));
    if (dialog.exec() == QDialog::Accepted)
        PrintPrintout(printer, renderer);
}

void PreviewPrintout(QPrinter& printer, PrintoutRenderer& renderer, QWidget* parent)
{
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&renderer](QPrinter* target) { PrintPrintout(*target, renderer); });
    dialog.exec();
}

}  // namespace kx::ui
