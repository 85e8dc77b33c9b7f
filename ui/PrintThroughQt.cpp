#include <QPrinter>
#include <QPrinterInfo>

#include "Printing.h"
#include "Texts.h"

namespace varnock::ui {

// Through the platform's print system, as Qt reaches it.
void PrintDocument(const QString& name, const PagePainter& paint) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) FailToPrint(QString::fromUtf8(texts::kNoPrinter));
  QPrinter printer(info, QPrinter::HighResolution);
  // Without the file's suffix: the job is not a PDF, and a print server that
  // went by the name would take it for one and fail to read it.
  QString job = name;
  if (job.endsWith(QLatin1String(".pdf"))) job.chop(4);
  printer.setDocName(job);
  paint(printer);
  if (printer.printerState() == QPrinter::Error) {
    FailToPrint(QString::fromUtf8(texts::kPrinterRefused).arg(info.printerName()));
  }
}

}  // namespace varnock::ui
