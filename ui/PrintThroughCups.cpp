#include <cups/cups.h>

#include <QDir>
#include <QLibrary>
#include <QPdfWriter>
#include <QTemporaryFile>

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
  decltype(&cupsGetOption) getOption = nullptr;
};

const Cups& LoadCups() {
  static QLibrary library(QStringLiteral("cups"), 2);
  static Cups cups;
  if (cups.printFile == nullptr && library.load()) {
    cups.getNamedDest = reinterpret_cast<decltype(cups.getNamedDest)>(library.resolve("cupsGetNamedDest"));
    cups.freeDests = reinterpret_cast<decltype(cups.freeDests)>(library.resolve("cupsFreeDests"));
    cups.lastErrorString = reinterpret_cast<decltype(cups.lastErrorString)>(library.resolve("cupsLastErrorString"));
    cups.printFile = reinterpret_cast<decltype(cups.printFile)>(library.resolve("cupsPrintFile"));
    cups.getOption = reinterpret_cast<decltype(cups.getOption)>(library.resolve("cupsGetOption"));
  }
  if (!cups.getNamedDest || !cups.freeDests || !cups.lastErrorString || !cups.printFile || !cups.getOption) {
    FailToPrint(QString::fromUtf8(texts::kNoCups), library.errorString());
  }
  return cups;
}

// The printer's default paper, as CUPS names it ("iso_a4_210x297mm",
// "na_letter_8.5x11in"), or the locale's where it names neither.
QPageSize PaperOf(const Cups& cups, cups_dest_t* destination) {
  const char* media = cups.getOption("media", destination->num_options, destination->options);
  const QString paper = QString::fromUtf8(media == nullptr ? "" : media).toLower();
  if (paper.contains(QLatin1String("a4"))) return QPageSize(QPageSize::A4);
  if (paper.contains(QLatin1String("letter"))) return QPageSize(QPageSize::Letter);
  return LocalPaper();
}

}  // namespace

// Through CUPS directly, so that a refused job is seen and reported, not lost.
void PrintDocument(const QString& name, const PagePainter& paint) {
  const Cups& cups = LoadCups();
  cups_dest_t* destination = cups.getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (destination == nullptr) FailToPrint(QString::fromUtf8(texts::kNoPrinter));
  const std::string printer = destination->name;
  const QPageSize paper = PaperOf(cups, destination);
  cups.freeDests(1, destination);

  QTemporaryFile file(QDir::tempPath() + QStringLiteral("/tovel-XXXXXX.pdf"));
  if (!file.open()) {
    FailToPrint(QString::fromUtf8(texts::kNoRoomToPrint), file.errorString());
  }
  {
    QPdfWriter page(&file);
    page.setTitle(name);
    page.setPageSize(paper);
    paint(page);
  }
  file.flush();

  const QByteArray path = file.fileName().toLocal8Bit();
  const QByteArray title = name.toUtf8();
  if (cups.printFile(printer.c_str(), path.constData(), title.constData(), 0, nullptr) == 0) {
    FailToPrint(QString::fromUtf8(texts::kPrinterRefused).arg(QString::fromStdString(printer)),
                QString::fromUtf8(cups.lastErrorString()));
  }
}

}  // namespace varnock::ui
