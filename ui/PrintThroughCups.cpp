#include <cups/cups.h>

#include <QDir>
#include <QLibrary>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>

#include "Identity.h"
#include "Printing.h"
#include "Texts.h"

namespace varnock::ui {
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
    FailToPrint(QString::fromUtf8(texts::kNoCups), library.errorString());
  }
  return cups;
}

}  // namespace

// Through CUPS directly, so that a refused job is seen and reported, not lost.
void PrintPage(const QWidget* client, const PageText& text) {
  const Cups& cups = LoadCups();
  cups_dest_t* destination = cups.getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (destination == nullptr) FailToPrint(QString::fromUtf8(texts::kNoPrinter));
  const std::string name = destination->name;
  cups.freeDests(1, destination);

  QTemporaryFile file(QDir::tempPath() + QStringLiteral("/tovel-XXXXXX.pdf"));
  if (!file.open()) {
    FailToPrint(QString::fromUtf8(texts::kNoRoomToPrint), file.errorString());
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file.fileName());
  printer.setDocName(AppTitle());
  const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
  if (!info.isNull()) printer.setPageSize(info.defaultPageSize());
  PaintPage(printer, client, text);

  const QByteArray path = file.fileName().toLocal8Bit();
  const QByteArray title = AppTitle().toUtf8();
  if (cups.printFile(name.c_str(), path.constData(), title.constData(), 0, nullptr) == 0) {
    FailToPrint(QString::fromUtf8(texts::kPrinterRefused).arg(QString::fromStdString(name)),
                QString::fromUtf8(cups.lastErrorString()));
  }
}

}  // namespace varnock::ui
