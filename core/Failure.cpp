#include "Failure.h"

#include <utility>

namespace varnock {

Failure::Failure(FailureKind kind, std::string message) : kind_(kind), message_(std::move(message)) {}

FailureKind Failure::kind() const noexcept { return kind_; }

const char* Failure::what() const noexcept { return message_.c_str(); }

std::string Failure::Report() const { return message_ + "\n\n(" + KindName(kind_) + ")"; }

const char* KindName(FailureKind kind) noexcept {
  switch (kind) {
    case FailureKind::TypeMismatch:
      return "Type mismatch";
    case FailureKind::Overflow:
      return "Overflow";
    case FailureKind::DivisionByZero:
      return "Division by zero";
    case FailureKind::InvalidArgument:
      return "Invalid argument";
    case FailureKind::WindowRuntime:
      return "Window error";
    case FailureKind::Printing:
      return "Printing";
  }
  return "Error";
}

namespace {

// Control characters as their visible pictures (U+2400 to U+2421), and the
// Unicode line separators as the newline picture, so that a quoted text stays
// on one line and shows what it holds.
std::string Visible(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x20) {
      shown += "\xe2\x90";
      shown += static_cast<char>(0x80 + c);
    } else if (c == 0x7f) {
      shown += "\u2421";
    } else if (text.substr(i, 3) == "\u2028" || text.substr(i, 3) == "\u2029") {
      shown += "\u2424";
      i += 2;
    } else {
      shown += static_cast<char>(c);
    }
  }
  return shown;
}

}  // namespace

std::string Quoted(std::string_view text) {
  constexpr std::size_t kLongest = 40;
  if (text.size() <= kLongest) return '"' + Visible(text) + '"';
  std::size_t cut = kLongest;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // UTF-8 continuation
  return '"' + Visible(text.substr(0, cut)) + "\u2026\"";
}

}  // namespace varnock
