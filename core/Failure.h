#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "CalculatorControls.h"

namespace varnock {

enum class FailureKind { TypeMismatch, Overflow, DivisionByZero, InvalidArgument, WindowRuntime, Printing };

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

// "Type mismatch", "Overflow", ...: the kind as a report names it.
const char* KindName(FailureKind kind) noexcept;

// A user's text in quotes for a message, on one line: line breaks shown as
// "¶" and tabs as "»", followed by a note saying so, other control characters
// as "·"; shortened so that a pasted megabyte cannot flood the report. Only
// characters that every font a message box may use can draw.
std::string Quoted(std::string_view text);

}  // namespace varnock
