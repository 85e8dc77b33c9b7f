#pragma once

#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>

class QPagedPaintDevice;
class QWidget;

// The page a technician files: the calculator window's client area as text
// and lines, headed by a title and the record details, followed by a summary
// in words. Printed on the default printer with no dialog (through CUPS
// directly where there is CUPS, otherwise through Qt's print system, one
// back-end chosen when building), or saved as a PDF.
namespace varnock::ui {

class TestRecord;

// What the page says in words besides the drawing of the window.
struct PageText {
  QString title;        // what the page records, and whether its results are valid
  QString name;         // the saved file's, and the print job's: PageName()
  QStringList details;  // the record details given, one a line ("Site: North yard")
  QString notes;        // "Notes: ...", printed whole with its line breaks
  QStringList summary;  // one fact a line, with units
};

// "Varnock 2026-12-09 14.05.33 North yard.pdf": the program, the second it
// was made and the site, if one is given. Print queues and PDF printers name
// their output by the job's title, so that no print replaces another; the
// suffix keeps cups-pdf from taking the seconds for one and cutting them.
QString PageName(const QString& site, const char* suffix = ".pdf");

// A box whose entry is not in force (the own pair's boxes while a fixed pair
// is chosen) is drawn faded on the page, as a disabled one is.
void MarkInForce(QWidget* control, bool inForce);

// Paints a document's pages on a device; throws Failure (Printing) when the
// device cannot take them.
using PagePainter = std::function<void(QPagedPaintDevice& device)>;

// Prints a document named `name` (PageName()). Throws Failure (Printing)
// when there is no printer or it refuses the job.
void PrintDocument(const QString& name, const PagePainter& paint);

// Writes the document as a PDF with real text, replacing the file only once
// the whole document is written. Throws Failure (Saving).
void SaveDocument(const QString& name, const PagePainter& paint, const QString& fileName);

// The calculator's page.
void PrintPage(const QWidget* client, const PageText& text);
void SavePage(const QWidget* client, const PageText& text, const QString& fileName);

// Paints the page in print colours, whatever the screen's palette: the title
// line, the details, the window control by control (opaque, only scaled, so
// that every printer path keeps it as text and lines), the summary and the
// footer. Throws Failure (Printing) when the device cannot take the page.
void PaintPage(QPagedPaintDevice& device, const QWidget* client, const PageText& text);

// The pages of a test record: the title, the details, the table of every
// line with its header on each page, cells wrapped, the signature line
// below it, and "Page N of M" on each page.
void PaintRecord(QPagedPaintDevice& device, const TestRecord& record);

// A4, or Letter where the locale measures in US units.
QPageSize LocalPaper();

// Reports a page that was not printed (one of the texts' reports), with what
// the printing system said, quoted as it stands.
[[noreturn]] void FailToPrint(const QString& report, const QString& said = {});

}  // namespace varnock::ui
