#pragma once
// The window's printout commands on one printer: printing after the print
// dialog, the print preview, and the print itself.

#include "alarmconfig/ui/PrintoutRenderer.h"

class QPrinter;
class QWidget;

namespace kx::ui {

// Prints the whole printout (or the printer's page range) on `printer`
// under the document name "kxalarm". A page the printer refuses aborts the
// job and shows an error box naming it. False when the job was aborted.
bool PrintPrintout(QPrinter& printer, PrintoutRenderer& renderer);
// The print dialog (its page range limited to the printout's pages), then
// the print; nothing is printed when it is cancelled.
void PrintPrintoutWithDialog(QPrinter& printer, PrintoutRenderer& renderer, QWidget* parent);
// The print preview of the printout on the printer's page; printing from
// it prints on the printer.
void PreviewPrintout(QPrinter& printer, PrintoutRenderer& renderer, QWidget* parent);

}  // namespace kx::ui
