#include "Failure.h"

#include <utility>

#include "NumberText.h"

namespace varnock {

Failure::Failure(FailureKind kind, std::string message, std::optional<Box> entry)
    : kind_(kind), message_(std::move(message)), entry_(entry) {}

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
    case FailureKind::Saving:
      return "Saving";
    case FailureKind::Opening:
      return "Opening";
  }
  return "Error";
}

std::string Say(std::string_view pattern, std::initializer_list<std::string_view> texts) {
  std::string said;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t which = i + 1 < pattern.size() && pattern[i] == '%' ? pattern[i + 1] - '1' : texts.size();
    if (which < texts.size()) {
      said += texts.begin()[which];
      ++i;
    } else {
      said += pattern[i];
    }
  }
  return said;
}

std::string Quoted(std::string_view text) {
  constexpr std::size_t kLongest = 40;
  std::size_t end = text.size();
  if (end > kLongest) {
    end = kLongest;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;  // UTF-8 continuation
  }
  std::string shown = "\"";
  bool lineBreaks = false, tabs = false, spaces = false;
  for (std::size_t i = 0; i < end; ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const std::string_view rest = text.substr(i, 3);
    if (c == '\r' && i + 1 < end && text[i + 1] == '\n') continue;  // CR LF is one line break
    if (c == '\n' || c == '\r' || rest == "\u2028" || rest == "\u2029") {
      shown += "\u00b6";
      lineBreaks = true;
      if (c >= 0x80) i += 2;
    } else if (c == '\t') {
      shown += "\u00bb";
      tabs = true;
    } else if (const std::size_t space = UnicodeSpaceAt(text.substr(i, end - i))) {
      shown += "\u00b0";
      spaces = true;
      i += space - 1;
    } else if (c < 0x20 || c == 0x7f) {
      shown += "\u00b7";
    } else {
      shown += static_cast<char>(c);
    }
  }
  shown += end < text.size() ? "\u2026\"" : "\"";
  // What each mark stands for, in the order the marks are listed here.
  std::string note;
  for (const auto& [held, says] :
       {std::pair{lineBreaks, "line breaks, shown as \u00b6"}, std::pair{tabs, "tabs, shown as \u00bb"},
        std::pair{spaces, "no-break or other special spaces, shown as \u00b0"}}) {
    if (held) note += (note.empty() ? " (it holds " : "; ") + std::string(says);
  }
  return note.empty() ? shown : shown + note + ")";
}

}  // namespace varnock
