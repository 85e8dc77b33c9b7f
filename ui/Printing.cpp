#include <QDir>
#include <QImage>
#include <QLibrary>
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
namespace {

// libcups is loaded when the user first prints: linked at start, it would
// bring its TLS, Kerberos and Avahi libraries into every start of the program.
struct Cups {
  decltype(&cupsGetNamedDest) getNamedDest = nullptr;
  decltype(&cupsFreeDests) freeDests = nullptr;
  decltype(&cupsPrintFile) printFile = nullptr;
  decltype(&cupsLastErrorString) lastErrorString = nullptr;
};

const Cups& LoadCups() {
  static QLibrary library(QStringLiteral("cups"), 2);
  static Cups cups;
  if (cups.printFile == nullptr && library.load()) {
    cups.getNamedDest = reinterpret_cast<decltype(cups.getNamedDest)>(library.resolve("cupsGetNamedDest"));
    cups.freeDests = reinterpret_cast<decltype(cups.freeDests)>(library.resolve("cupsFreeDests"));
    cups.lastErrorString = reinterpret_cast<decltype(cups.lastErrorString)>(library.resolve("cupsLastErrorString"));
    cups.printFile = reinterpret_cast<decltype(cups.printFile)>(library.resolve("cupsPrintFile"));
  }
  if (!cups.getNamedDest || !cups.freeDests || !cups.lastErrorString || !cups.printFile) {
    Fail("The printing system (CUPS) is not available: " + library.errorString().toStdString());
  }
  return cups;
}

}  // namespace

// Through CUPS directly, so that a refused job is seen and reported, not lost.
void PrintImage(QWidget* window) {
  const Cups& cups = LoadCups();
  cups_dest_t* destination = cups.getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (destination == nullptr) Fail("No printer is available.");
  const std::string name = destination->name;
  cups.freeDests(1, destination);

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
  if (cups.printFile(name.c_str(), path.constData(), title.constData(), 0, nullptr) == 0) {
    Fail("The printer " + name + " refused the job: " + cups.lastErrorString());
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
