// TextToReal on any text: it accepts exactly the number grammar (with the
// Unicode blanks of pasted text around it), gives the
// double strtod gives (in the C locale), never NaN or infinity, and fails
// only with TypeMismatch or Overflow.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>

#include "Failure.h"
#include "FuzzCheck.h"
#include "NumberText.h"

namespace {

// The number without the blanks around it, if the text is one by the grammar.
std::optional<std::string> NumberByGrammar(const std::string& text) {
  static const std::string blank =
      "(?:[ \t\r\n]|\u00a0|\u2000|\u2001|\u2002|\u2003|\u2004|\u2005|\u2006|\u2007|\u2008|\u2009|\u200a|"
      "\u202f|\u3000|\u2028|\u2029)*";
  static const std::regex grammar("(?:\ufeff)?" + blank + R"(([+-]?(?:[0-9]+\.?[0-9]*|\.[0-9]+)(?:[eE][+-]?[0-9]+)?))" +
                                  blank);
  std::smatch match;
  if (!std::regex_match(text, match, grammar)) return std::nullopt;
  return match[1].str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const bool checkGrammar = size <= 256;  // std::regex is slow and recurses per character
  const auto number = checkGrammar ? NumberByGrammar(text) : std::nullopt;
  try {
    const double value = varnock::TextToReal(text);
    FUZZ_CHECK(std::isfinite(value), "a finite number");
    if (checkGrammar) FUZZ_CHECK(number.has_value(), "accepted only by the grammar");
    if (number) {
      const double expected = std::strtod(number->c_str(), nullptr);
      FUZZ_CHECK(value == expected && std::signbit(value) == std::signbit(expected), "the nearest double");
    }
  } catch (const varnock::Failure& failure) {
    const auto kind = failure.kind();
    FUZZ_CHECK(kind == varnock::FailureKind::TypeMismatch || kind == varnock::FailureKind::Overflow,
               "only TypeMismatch or Overflow");
    if (checkGrammar) {
      FUZZ_CHECK(number.has_value() == (kind == varnock::FailureKind::Overflow),
                 "Overflow for numbers, TypeMismatch for the rest");
    }
    if (kind == varnock::FailureKind::Overflow && number) {
      errno = 0;
      FUZZ_CHECK(std::isinf(std::strtod(number->c_str(), nullptr)) && errno == ERANGE, "beyond the double range");
    }
  }
  return 0;
}
