#pragma once

// Every sentence the windows themselves say, each written whole: %1, %2, ...
// stand for the texts each names (QString::arg).
namespace varnock::ui::texts {

// The results and what they belong to; %1 "0.2 gal/h at 30 psi and 45 psi".
inline constexpr const char* kOutOfDate = "Out of date: calculated for %1. Press Calculate Equivalent Rates.";
inline constexpr const char* kCalculatedFor = "%1 gal/h at %2 psi and %3 psi";  // rate, reference, equivalent
inline constexpr const char* kCopiedResults = "%1 gal/h (%2 ml/min) at %3 psi, for %4 gal/h at %5 psi";
inline constexpr const char* kEmptyEntry = "(empty)";

// The page: its title, the summary one fact a line, and the footer.
inline constexpr const char* kPageTitle = "Equivalent leak rate";
inline constexpr const char* kPageTitleOutOfDate = "Equivalent leak rate: out of date";
inline constexpr const char* kPageTitleNone = "Equivalent leak rate: none calculated";
inline constexpr const char* kPageMadeBy = "%1 %2 \u00b7 %3";  // program, version, date and time
inline constexpr const char* kPairFixed = "Pair: the fixed pair \u201c%1\u201d";
inline constexpr const char* kPairOwn = "Pair: the user's own leak rate and reference pressure";
inline constexpr const char* kPageLeakRate = "Leak rate: %1 gal/h at a reference pressure of %2 psi";
inline constexpr const char* kPagePressure = "Equivalent (line) pressure: %1 psi";
inline constexpr const char* kPageNoResults = "Equivalent leak rate: none calculated";
inline constexpr const char* kPageOutOfDate =
    "Equivalent leak rate: out of date. The results shown, %1 gal/h and %2 ml/min, were calculated for %3, not for "
    "the entries above.";
inline constexpr const char* kPageGallons = "Equivalent leak rate: %1 gal/h";
inline constexpr const char* kPageMillilitres = "Equivalent leak rate: %1 ml/min";
inline constexpr const char* kPageLaw =
    "Square-root pressure law: equivalent rate = rate \u00d7 (equivalent pressure \u00f7 reference pressure)^0.5; "
    "ml/min = gal/h \u00d7 %1 \u00f7 %2.";

// The record details, as their boxes and the pages name them.
inline constexpr const char* kDetailSite = "Site";
inline constexpr const char* kDetailLine = "Tank or line";
inline constexpr const char* kDetailTechnician = "Technician";
inline constexpr const char* kDetailNotes = "Notes";

// The test record: its lines, window, pages and file.
inline constexpr const char* kLineNamed = "Line %1";
inline constexpr const char* kOwnPair = "own pair";
inline constexpr const char* kLeakRateAt = "%1 gal/h at %2 psi";
inline constexpr const char* kPressure = "%1 psi";
inline constexpr const char* kRecordTitle = "Test record";
inline constexpr const char* kRecordWindowTitle = "Test Record \u2013 %1[*]";  // the file's name
inline constexpr const char* kRecordUntitled = "new record";
inline constexpr const char* kRecordNone =
    "No lines yet: calculate a line's equivalent rate, then choose Edit > Add to "
    "Record in the calculator.";
inline constexpr const char* kRecordNoDetails =
    "No record details yet: give the site, technician and notes in Record Details.";
inline constexpr const char* kPageOf = "Page %1 of %2";
inline constexpr const char* kSignature = "Technician's signature:";
inline constexpr const char* kSignatureDate = "Date:";
inline constexpr const char* kRecordFiles = "Test records (*.csv)";
inline constexpr const char* kPdfFiles = "PDF documents (*.pdf)";
inline constexpr const char* kRemoveLine = "Remove the line \u201c%1\u201d from the test record?";
inline constexpr const char* kUnsaved = "The test record has changes that are not saved. Save them before leaving?";
inline constexpr const char* kRecordNotOpened =
    "The test record was not opened from \"%1\": %2 The record that was open is unchanged.";
inline constexpr const char* kRecordNotRead = "The test record was not opened from \"%1\": %2.";
inline constexpr const char* kRecordNotSaved =
    "The test record was not saved as \"%1\": %2. Choose another folder or name, or free some disk space, then "
    "save again.";

// Printing and saving that failed; the printing system's own words, where it
// gave any, follow on a paragraph of their own (kPrinterSaid).
inline constexpr const char* kNoPrinter =
    "The page was not printed: no printer is available. Set up a printer, or make one the default printer, then "
    "print again.";
inline constexpr const char* kPrinterRefused =
    "The page was not printed: the printer %1 refused the job. Check that the printer is on and accepts jobs, then "
    "print again.";
inline constexpr const char* kPrinterCannotStart =
    "The page was not printed: the printer could not start the page. Check that the printer is on and accepts jobs, "
    "then print again.";
inline constexpr const char* kPrinterCannotFinish =
    "The page was not printed: the printer could not finish the page. Check that the printer is on and accepts "
    "jobs, then print again.";
inline constexpr const char* kNoCups =
    "The page was not printed: the printing system (CUPS) is not available. Install CUPS, then print again.";
inline constexpr const char* kNoRoomToPrint =
    "The page was not printed: there is no room for the print job in the temporary folder. Free some disk space, "
    "then print again.";
inline constexpr const char* kPrinterSaid = "\n\nThe printing system said: %1";
inline constexpr const char* kPdfNotSaved =
    "The PDF was not saved as \"%1\": %2. Choose another folder or name, or free some disk space, then save again.";

// What no handler should meet.
inline constexpr const char* kWindowClosed = "The calculator window is closed, so its boxes cannot be used.";
inline constexpr const char* kUnexpected = "Unexpected error: %1";
inline constexpr const char* kUnexpectedUnknown = "Unexpected error of unknown kind.";

}  // namespace varnock::ui::texts
