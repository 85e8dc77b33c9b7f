#include <QPrinter>
#include <QPrinterInfo>

#include "Identity.h"
#include "Printing.h"

namespace varnock::ui {

// Through the platform's print system, as Qt reaches it.
void PrintPage(const QWidget* client, const PageText& text) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) FailToPrint("no printer is available.", kSetUpPrinter);
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(AppTitle());
  PaintPage(printer, client, text);
  if (printer.printerState() == QPrinter::Error) {
    FailToPrint("the printer " + info.printerName().toStdString() + " refused the job.", kCheckPrinter);
  }
}

}  // namespace varnock::ui
