#include <QDateTime>
#include <QDir>
#include <QLibrary>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QWidget>
#include <algorithm>

#include "Failure.h"
#include "WindowServices.h"

#ifdef VARNOCK_HAVE_CUPS
#include <cups/cups.h>
#endif

namespace varnock::ui {
namespace {

constexpr const char* kCheckPrinter = "Check that the printer is on and accepts jobs, then print again.";
constexpr const char* kSetUpPrinter = "Set up a printer, or make one the default printer, then print again.";

// A reason why the page was not printed, and what the user can do about it.
[[noreturn]] void Fail(const std::string& reason, const std::string& remedy) {
  throw Failure(FailureKind::Printing, "The page was not printed: " + reason + " " + remedy);
}

// "Printed 2026-12-07 16:40 · Varnock 2.5.2": a filed page says when it was
// made, and then what its results were calculated from.
QString Footer(const QString& note) {
  const QString printed = QStringLiteral("Printed %1 \u00b7 %2 %3.%4.%5")
                              .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), AppTitle())
                              .arg(AppMajor())
                              .arg(AppMinor())
                              .arg(AppRevision());
  return note.isEmpty() ? printed : printed + QLatin1Char('\n') + note;
}

// The window as drawing commands. Drawn on a printer directly, a widget is
// first made a bitmap. The style draws some parts (button faces) from cached
// bitmaps unless the drawing is sheared: a shear far too small to see makes
// it draw them as lines and gradients too.
QPicture VectorImage(QWidget* window) {
  QPicture picture;
  QPainter painter(&picture);
  painter.setTransform(QTransform(1, 1e-9, 1e-9, 1, 0, 0));
  window->render(&painter);
  return picture;
}

// One page: the window drawn at the printer's resolution, so that its texts
// are text on the page and sharp, at twice its size on screen or the page's
// width if that is less; the footer line below it.
void PaintPage(QPrinter& printer, QWidget* window, const QString& note) {
  QPainter painter;
  if (!painter.begin(&printer)) Fail("the printer could not start the page.", kCheckPrinter);
  // The picture brings its own resolution: the painter scales it to the
  // printer's, so that one pixel of it is a pixel on the screen at 96 DPI.
  const QPicture image = VectorImage(window);
  const double printedPixel = printer.resolution() / double(image.logicalDpiX());
  const double scale = std::min(2.0, painter.viewport().width() / (window->width() * printedPixel));
  painter.save();
  painter.scale(scale, scale);
  painter.drawPicture(0, 0, image);
  painter.restore();
  QFont font = window->font();
  font.setPointSizeF(8);
  painter.setFont(font);
  const double top = window->height() * printedPixel * scale + painter.fontMetrics().height();
  painter.drawText(QRectF(0, top, painter.viewport().width(), painter.fontMetrics().height() * 3),
                   Qt::AlignLeft | Qt::AlignTop, Footer(note));
  if (!painter.end()) Fail("the printer could not finish the page.", kCheckPrinter);
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
    Fail("the printing system (CUPS) is not available (" + library.errorString().toStdString() + ").",
         "Install CUPS, then print again.");
  }
  return cups;
}

}  // namespace

// Through CUPS directly, so that a refused job is seen and reported, not lost.
void PrintImage(QWidget* window, const QString& note) {
  const Cups& cups = LoadCups();
  cups_dest_t* destination = cups.getNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
  if (destination == nullptr) Fail("no printer is available.", kSetUpPrinter);
  const std::string name = destination->name;
  cups.freeDests(1, destination);

  QTemporaryFile file(QDir::tempPath() + QStringLiteral("/tovel-XXXXXX.pdf"));
  if (!file.open()) {
    Fail("there is no room for the print job in the temporary folder (" + file.errorString().toStdString() + ").",
         "Free some disk space, then print again.");
  }
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file.fileName());
  printer.setDocName(AppTitle());
  const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromStdString(name));
  if (!info.isNull()) printer.setPageSize(info.defaultPageSize());
  PaintPage(printer, window, note);

  const QByteArray path = file.fileName().toLocal8Bit();
  const QByteArray title = AppTitle().toUtf8();
  if (cups.printFile(name.c_str(), path.constData(), title.constData(), 0, nullptr) == 0) {
    Fail("the printer " + name + " refused the job (" + cups.lastErrorString() + ").", kCheckPrinter);
  }
}
#else
void PrintImage(QWidget* window, const QString& note) {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) Fail("no printer is available.", kSetUpPrinter);
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(AppTitle());
  PaintPage(printer, window, note);
  if (printer.printerState() == QPrinter::Error) {
    Fail("the printer " + info.printerName().toStdString() + " refused the job.", kCheckPrinter);
  }
}
#endif

}  // namespace varnock::ui
