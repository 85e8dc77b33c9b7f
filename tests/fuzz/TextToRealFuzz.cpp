// TextToReal on any text: it accepts exactly the number grammar, gives the
// double strtod gives (in the C locale), never NaN or infinity, and fails
// only with TypeMismatch or Overflow.
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

#include "Failure.h"
#include "FuzzCheck.h"
#include "NumberText.h"

namespace {

bool MatchesGrammar(const std::string& text) {
  static const std::regex grammar(R"([ \t\r\n]*[+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?[ \t\r\n]*)");
  return std::regex_match(text, grammar);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const bool checkGrammar = size <= 256;  // std::regex is slow and recurses per character
  try {
    const double value = varnock::TextToReal(text);
    FUZZ_CHECK(std::isfinite(value), "a finite number");
    if (checkGrammar) FUZZ_CHECK(MatchesGrammar(text), "accepted only by the grammar");
    if (text.find('\0') == std::string::npos) {
      const double expected = std::strtod(text.c_str(), nullptr);
      FUZZ_CHECK(value == expected && std::signbit(value) == std::signbit(expected), "the nearest double");
    }
  } catch (const varnock::Failure& failure) {
    const auto kind = failure.kind();
    FUZZ_CHECK(kind == varnock::FailureKind::TypeMismatch || kind == varnock::FailureKind::Overflow,
               "only TypeMismatch or Overflow");
    if (checkGrammar) {
      FUZZ_CHECK(MatchesGrammar(text) == (kind == varnock::FailureKind::Overflow),
                 "Overflow for numbers, TypeMismatch for the rest");
    }
    if (kind == varnock::FailureKind::Overflow && text.find('\0') == std::string::npos) {
      errno = 0;
      FUZZ_CHECK(std::isinf(std::strtod(text.c_str(), nullptr)) && errno == ERANGE, "beyond the double range");
    }
  }
  return 0;
}
