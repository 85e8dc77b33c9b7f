#include "Failure.h"

#include <utility>

namespace varnock {

Failure::Failure(FailureKind kind, std::string message) : kind_(kind), message_(std::move(message)) {}

FailureKind Failure::kind() const noexcept { return kind_; }

const char* Failure::what() const noexcept { return message_.c_str(); }

const char* KindName(FailureKind kind) noexcept {
  switch (kind) {
    case FailureKind::TypeMismatch: return "Type mismatch";
    case FailureKind::Overflow: return "Overflow";
    case FailureKind::DivisionByZero: return "Division by zero";
    case FailureKind::InvalidArgument: return "Invalid argument";
    case FailureKind::WindowRuntime: return "Window error";
  }
  return "Error";
}

std::string Quoted(std::string_view text) {
  constexpr std::size_t kLongest = 40;
  if (text.size() <= kLongest) return '"' + std::string(text) + '"';
  std::size_t cut = kLongest;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;  // UTF-8 continuation
  return '"' + std::string(text.substr(0, cut)) + "\u2026\"";
}

}  // namespace varnock
