#pragma once

#include <QString>
#include <string>

class QPrinter;
class QWidget;

namespace varnock::ui {

// Paints one page: the window's client area control by control, with lines
// and text only, all opaque and only scaled, so that every printer path keeps
// it as text and lines; below it the footer (when, which version, the note).
// Throws Failure (Printing) when the printer cannot take the page.
void PaintPage(QPrinter& printer, const QWidget* client, const QString& note);

// Reports a page that was not printed: why, and what the user can do.
[[noreturn]] void FailToPrint(const std::string& reason, const std::string& remedy);
inline constexpr const char* kCheckPrinter = "Check that the printer is on and accepts jobs, then print again.";

}  // namespace varnock::ui
