#pragma once

#include <exception>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "CalculatorControls.h"

namespace varnock {

enum class FailureKind {
  TypeMismatch,
  Overflow,
  DivisionByZero,
  InvalidArgument,
  WindowRuntime,
  Printing,
  Saving,
  Opening
};

// The one exception type of the program. Handlers never catch it; the window
// services report it to the user and the program goes on.
class Failure : public std::exception {
 public:
  // The message says what is wrong and what to do, in the user's words; the
  // entry is the box the user is led back to, if the failure concerns one.
  Failure(FailureKind kind, std::string message, std::optional<Box> entry = std::nullopt);
  FailureKind kind() const noexcept;
  std::optional<Box> Entry() const noexcept { return entry_; }
  const char* what() const noexcept override;  // the message
  // The message, then the kind on a line of its own, for whoever helps the user.
  std::string Report() const;

 private:
  FailureKind kind_;
  std::string message_;
  std::optional<Box> entry_;
};

// Every sentence a failure of the calculator reports, each written whole: %1,
// %2 and %3 stand for the texts each names, filled in by Say.
namespace reports {
// A text that is no number, as the conversion reports it: %1 the text quoted.
inline constexpr const char* kNotANumber = "%1 is not a number.";
inline constexpr const char* kTooLarge = "%1 is too large a number.";
// An entry of the calculation: %1 its name, %2 its text quoted, %3 what to type.
inline constexpr const char* kEntryEmpty = "The %1 is empty. %3";
inline constexpr const char* kEntryNotANumber = "The %1 %2 is not a number. %3";
inline constexpr const char* kEntryDecimalComma =
    "The %1 %2 is not a number: use a point as the decimal mark (45.5, not 45,5) and no thousands separator. %3";
inline constexpr const char* kEntryTooLarge = "The %1 %2 is too large a number. %3";
inline constexpr const char* kTypePressure30 = "Type a pressure in psi, such as 30.";
inline constexpr const char* kTypePressure10 = "Type a pressure in psi, such as 10.";
inline constexpr const char* kTypeLeakRate = "Type a leak rate in gal/h, such as 0.2.";
// The calculation: %1 the equivalent pressure, %2 the reference pressure, %3
// the leak rate, each quoted.
inline constexpr const char* kReferenceZero =
    "The reference pressure %2 is zero, so there is no equivalent rate. Type a reference pressure other than 0.";
inline constexpr const char* kTooFarApart =
    "The equivalent pressure %1 and the reference pressure %2 are too far apart to divide: their ratio is too large a "
    "number. Type pressures closer in size.";
inline constexpr const char* kOppositeSigns =
    "The equivalent pressure %1 and the reference pressure %2 have opposite signs, and a negative ratio has no square "
    "root. Type both pressures with the same sign (positive, as line pressures are).";
inline constexpr const char* kRateTooLarge =
    "The equivalent leak rate for the leak rate %3 is too large a number. Type a smaller leak rate or equivalent "
    "pressure.";

// The test record. A measured value typed into its cell: %1 the text quoted.
inline constexpr const char* kNotAMeasuredRate =
    "%1 is not a measured rate. Type a number with a point as the decimal mark, then gal/h or ml/min, such as "
    "0.05 gal/h or 3.2 ml/min.";
inline constexpr const char* kNoEquivalentRate =
    "The leak rate %1 gal/h at %2 psi gives no equivalent rate at %3 psi that a record can hold.";
// A record file: %1 the spreadsheet row (the header is row 1), %2 and %3 what it names.
inline constexpr const char* kFileEmpty = "The file is empty.";
inline constexpr const char* kFileTooLarge = "The file is larger than any test record (%1 MB).";
inline constexpr const char* kRowNotHeader =
    "Row 1 is not the header of a test record written by this program (it begins %2).";
inline constexpr const char* kRowFieldCount = "Row %1 has %2 fields; a test record's row has %3.";
inline constexpr const char* kRowQuoteOpen = "Row %1: a quoted field is not closed.";
inline constexpr const char* kRowAfterQuote = "Row %1: a quoted field is followed by more text before the comma.";
inline constexpr const char* kRowStrayQuote = "Row %1: a field that is not quoted holds a quote.";
inline constexpr const char* kRowNotUtf8 = "Row %1 is not UTF-8 text.";
inline constexpr const char* kRowNotANumber = "Row %1: the %2 %3 is not a number.";
inline constexpr const char* kRowUnknownUnit = "Row %1: the measured unit %2 is neither gal/h nor ml/min.";
inline constexpr const char* kRowNoRate = "Row %1: its leak rate and pressures give no equivalent rate.";
inline constexpr const char* kRowWrongResult =
    "Row %1: the equivalent rate %2 does not follow from the leak rate and pressures of the same row (they give %3).";
inline constexpr const char* kRowOtherDetails =
    "Row %1: its site, technician or notes differ from those of the first line, and a test record is of one site "
    "visit.";
}  // namespace reports

// A report's pattern with %1, %2, ... replaced by the texts given, in order.
std::string Say(std::string_view pattern, std::initializer_list<std::string_view> texts);

// "Type mismatch", "Overflow", ...: the kind as a report names it.
const char* KindName(FailureKind kind) noexcept;

// A user's text in quotes for a message, on one line: line breaks shown as
// "¶" and tabs as "»", followed by a note saying so, other control characters
// as "·"; shortened so that a pasted megabyte cannot flood the report. Only
// characters that every font a message box may use can draw.
std::string Quoted(std::string_view text);

}  // namespace varnock
