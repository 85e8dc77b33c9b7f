#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace varnock {

enum class FailureKind { TypeMismatch, Overflow, DivisionByZero, InvalidArgument, WindowRuntime, Printing };

// The one exception type of the program. Handlers never catch it; the window
// services report it to the user and the program goes on.
class Failure : public std::exception {
 public:
  // The message says what is wrong and what to do, in the user's words.
  Failure(FailureKind kind, std::string message);
  FailureKind kind() const noexcept;
  const char* what() const noexcept override;  // the message
  // The message, then the kind on a line of its own, for whoever helps the user.
  std::string Report() const;

 private:
  FailureKind kind_;
  std::string message_;
};

// "Type mismatch", "Overflow", ...: the kind as a report names it.
const char* KindName(FailureKind kind) noexcept;

// A user's text in quotes for a message, on one line with its control
// characters shown, and shortened so that a pasted megabyte cannot flood the report.
std::string Quoted(std::string_view text);

}  // namespace varnock
