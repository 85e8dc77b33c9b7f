#include <QPrinter>
#include <QPrinterInfo>

#include "Printing.h"
#include "Texts.h"

namespace varnock::ui {

// Through the platform's print system, as Qt reaches it.
void PrintPage(const QWidget* client, const PageText& text) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) FailToPrint(QString::fromUtf8(texts::kNoPrinter));
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(text.name);
  PaintPage(printer, client, text);
  if (printer.printerState() == QPrinter::Error) {
    FailToPrint(QString::fromUtf8(texts::kPrinterRefused).arg(info.printerName()));
  }
}

}  // namespace varnock::ui
