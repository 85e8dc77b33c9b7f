#pragma once

#include <QString>
#include <string>

class QPrinter;
class QWidget;

// Printing a window's client area on one page of the default printer, with
// no dialog. Two back-ends, one chosen when building: through CUPS directly
// where there is CUPS, otherwise through Qt's print system.
namespace varnock::ui {

// Prints the page PaintPage draws. Throws Failure (Printing) when there is no
// printer or it refuses the job.
void PrintPage(const QWidget* client, const QString& note = {});

// Paints one page: the window's client area control by control, with lines
// and text only, all opaque and only scaled, so that every printer path keeps
// it as text and lines; below it the footer (when, which version, the note).
// Throws Failure (Printing) when the printer cannot take the page.
void PaintPage(QPrinter& printer, const QWidget* client, const QString& note);

// Reports a page that was not printed: why, and what the user can do.
[[noreturn]] void FailToPrint(const std::string& reason, const std::string& remedy);
inline constexpr const char* kCheckPrinter = "Check that the printer is on and accepts jobs, then print again.";
inline constexpr const char* kSetUpPrinter = "Set up a printer, or make one the default printer, then print again.";

}  // namespace varnock::ui
