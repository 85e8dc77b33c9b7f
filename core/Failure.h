#pragma once

#include <exception>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "CalculatorControls.h"

namespace varnock {

enum class FailureKind { TypeMismatch, Overflow, DivisionByZero, InvalidArgument, WindowRuntime, Printing, Saving };

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
