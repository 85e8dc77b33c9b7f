#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QWidget>

#include "Failure.h"
#include "WindowServices.h"

#ifdef VARNOCK_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace varnock::ui {
namespace {

[[noreturn]] void Fail(const std::string& reason) {
  throw Failure(FailureKind::WindowRuntime, std::string(KindName(FailureKind::WindowRuntime)) + ": " + reason);
}

// One page: the window's image at the printable width, aspect ratio kept.
void PaintPage(QPrinter& printer, QWidget* window) {
  QImage image = window->grab().toImage();
  QPainter painter;
  if (!painter.begin(&printer)) Fail("The printer could not start the page.");
  const QRect page = painter.viewport();
  const QSize size = image.size().scaled(page.size(), Qt::KeepAspectRatio);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(page.topLeft(), size), image);
  if (!painter.end()) Fail("The printer could not finish the page.");
}

}  // namespace

#ifdef VARNOCK_HAVE_CUPS
// Through CUPS directly, so that a refused job is seen and reported, not lost.
void PrintImage(QWidget* window) {
  cups_dest_t* destination = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (destination == nullptr) Fail("No printer is available.");
  const std::string name = destination->name;
  cupsFreeDests(1, destination);

  QTemporaryFile file(QDir::tempPath() + QStringLiteral("/tovel-XXXXXX.pdf"));
  if (!file.open()) Fail("No temporary file for the print job: " + file.errorString().toStdString());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file.fileName());
  printer.setDocName(AppTitle());
  const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
  if (!info.isNull()) printer.setPageSize(info.defaultPageSize());
  PaintPage(printer, window);

  const QByteArray path = file.fileName().toLocal8Bit();
  const QByteArray title = AppTitle().toUtf8();
  if (cupsPrintFile(name.c_str(), path.constData(), title.constData(), 0, nullptr) == 0) {
    Fail("The printer " + name + " refused the job: " + cupsLastErrorString());
  }
}
#else
void PrintImage(QWidget* window) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) Fail("No printer is available.");
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(AppTitle());
  PaintPage(printer, window);
  if (printer.printerState() == QPrinter::Error) Fail("The printer " + info.printerName().toStdString() + " refused the job.");
}
#endif

}  // namespace varnock::ui
