// FormatByPattern on any double and any pattern of '#', '0' and one '.':
// the text is a number TextToReal reads back close to the value, formatting
// it again gives the same text, and a text that is not a number comes back
// unchanged.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "Failure.h"
#include "FuzzCheck.h"
#include "NumberText.h"

namespace {

// Builds a pattern from the input's bytes: two bits a position.
std::string Pattern(const std::uint8_t* data, std::size_t size, int& decimals) {
  std::string pattern;
  bool point = false;
  decimals = 0;
  for (std::size_t i = 0; i < size && pattern.size() < 40; ++i) {
    const int pick = data[i] & 3;
    if (pick == 3 && !point) {
      pattern += '.';
      point = true;
    } else {
      pattern += (pick == 0 ? '0' : '#');
      decimals += point;
    }
  }
  return pattern;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < sizeof(double)) return 0;
  double value;
  std::memcpy(&value, data, sizeof value);
  int decimals = 0;
  const std::string pattern = Pattern(data + sizeof value, size - sizeof value, decimals);

  const std::string text = varnock::FormatByPattern(value, pattern);
  FUZZ_CHECK(text.find_first_of("eE,") == std::string::npos || !std::isfinite(value), "no exponent or grouping");
  if (std::isfinite(value)) {
    double back = 0;
    try {
      back = varnock::TextToReal(text);
    } catch (const varnock::Failure&) {
      FUZZ_CHECK(false, "a formatted number reads back");
    }
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-14;
    FUZZ_CHECK(std::fabs(back - value) <= tolerance * (1 + 1e-9) || std::isinf(back - value), "close to the value");
    FUZZ_CHECK(varnock::FormatByPattern(std::string_view(text), pattern) == text, "formatting again changes nothing");
  }

  // The same bytes as a text.
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  const std::string formatted = varnock::FormatByPattern(raw, pattern);
  try {
    varnock::TextToReal(raw);
    FUZZ_CHECK(varnock::FormatByPattern(std::string_view(formatted), pattern) == formatted,
               "formatting a formatted text again changes nothing");
  } catch (const varnock::Failure&) {
    FUZZ_CHECK(formatted == raw, "a text that is not a number comes back unchanged");
  }
  return 0;
}
