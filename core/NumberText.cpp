#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "Failure.h"

namespace varnock {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

enum class ParseStatus { Number, NotANumber, TooLarge };

struct Parsed {
  ParseStatus status;
  double value;
};

// Decimal order of magnitude of a validated digit string: digits before the
// first significant one of the fraction count negative. Saturates, so that a
// thousand-digit exponent cannot overflow it.
long long DecimalOrder(std::string_view mantissa, std::string_view exponent) {
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  const auto first = mantissa.find_first_not_of("0.");
  long long order = first < point ? static_cast<long long>(point - first)
                                  : -static_cast<long long>(first - point - 1);
  long long shift = 0;
  const bool negative = !exponent.empty() && exponent.front() == '-';
  for (char c : exponent) {
    if (IsDigit(c)) shift = std::min(shift * 10 + (c - '0'), 1'000'000'000LL);
  }
  return order + (negative ? -shift : shift);
}

// The number grammar, checked by hand because std::from_chars also takes
// "inf", "nan" and other forms that are not numbers to the user.
Parsed ParseReal(std::string_view text) {
  const std::string_view s = TrimBlanks(text);
  std::size_t i = 0;
  const bool negative = i < s.size() && s[i] == '-';
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t mantissaStart = i;
  std::size_t digits = 0;
  while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i, ++digits;
  }
  if (digits == 0) return {ParseStatus::NotANumber, 0};
  const std::size_t mantissaEnd = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t exponentDigits = i;
    while (i < s.size() && IsDigit(s[i])) ++i;
    if (i == exponentDigits) return {ParseStatus::NotANumber, 0};
  }
  if (i != s.size()) return {ParseStatus::NotANumber, 0};

  double magnitude = 0;
  const char* first = s.data() + mantissaStart;
  const auto [end, ec] = std::from_chars(first, s.data() + s.size(), magnitude);
  if (ec == std::errc::result_out_of_range) {
    // from_chars says the same for overflow and underflow: tell them apart.
    const auto mantissa = s.substr(mantissaStart, mantissaEnd - mantissaStart);
    const auto exponent = s.substr(std::min(mantissaEnd + 1, s.size()));
    if (DecimalOrder(mantissa, exponent) > 0) return {ParseStatus::TooLarge, 0};
    magnitude = 0;
  } else if (ec != std::errc() || end != s.data() + s.size()) {
    return {ParseStatus::NotANumber, 0};
  }
  return {ParseStatus::Number, negative ? -magnitude : magnitude};
}

struct Pattern {
  int integerZeros = 0;   // integer digits always written
  int fractionZeros = 0;  // decimals always written
  int fractionMax = 0;    // decimals at most
};

Pattern ReadPattern(std::string_view pattern) {
  Pattern p;
  bool afterPoint = false;
  for (char c : pattern) {
    if (c == '.') {
      afterPoint = true;
    } else if (afterPoint && (c == '0' || c == '#')) {
      ++p.fractionMax;
      if (c == '0') ++p.fractionZeros;
    } else if (c == '0') {
      ++p.integerZeros;
    }
  }
  return p;
}

// A decimal number: digits with the point after the first `pointAt` of them
// (pointAt may be negative or beyond the digits: zeros fill the gap).
struct Decimal {
  std::string digits;
  int pointAt = 0;
};

// The magnitude rounded to 15 significant digits, as decimal digits.
Decimal SignificantDigits(double magnitude) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                    std::chars_format::scientific, 14);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const auto e = text.find('e');
  int exponent = 0;
  const auto exponentText = text.substr(e + (text[e + 1] == '+' ? 2 : 1));
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  Decimal d;
  d.digits.reserve(15);
  for (char c : text.substr(0, e)) {
    if (c != '.') d.digits.push_back(c);
  }
  d.pointAt = exponent + 1;
  return d;
}

// Keeps `decimals` digits after the point, rounding half away from zero.
void RoundToDecimals(Decimal& d, int decimals) {
  const long long keep = static_cast<long long>(d.pointAt) + decimals;
  if (keep >= static_cast<long long>(d.digits.size())) return;
  const bool up = keep >= 0 && d.digits[static_cast<std::size_t>(keep)] >= '5';
  d.digits.resize(static_cast<std::size_t>(std::max(keep, 0LL)));
  if (!up) return;
  auto it = d.digits.rbegin();
  for (; it != d.digits.rend() && *it == '9'; ++it) *it = '0';
  if (it != d.digits.rend()) {
    ++*it;
  } else {
    d.digits.insert(d.digits.begin(), '1');
    ++d.pointAt;
  }
}

std::string WriteByPattern(Decimal d, bool negative, const Pattern& p) {
  RoundToDecimals(d, p.fractionMax);
  const long long size = static_cast<long long>(d.digits.size());
  auto digitAt = [&](long long position) {  // position 0 is the first integer digit
    return position >= 0 && position < size ? d.digits[static_cast<std::size_t>(position)] : '0';
  };
  std::string integer;
  for (long long pos = 0; pos < d.pointAt; ++pos) {
    if (!integer.empty() || digitAt(pos) != '0') integer.push_back(digitAt(pos));
  }
  std::string fraction;
  for (int k = 0; k < p.fractionMax; ++k) fraction.push_back(digitAt(d.pointAt + k));
  while (static_cast<int>(fraction.size()) > p.fractionZeros && fraction.back() == '0') {
    fraction.pop_back();
  }
  const bool isZero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
  if (static_cast<int>(integer.size()) < p.integerZeros) {
    integer.insert(0, static_cast<std::size_t>(p.integerZeros) - integer.size(), '0');
  }
  if (integer.empty() && fraction.empty()) integer = "0";  // never an empty text

  std::string out;
  out.reserve(integer.size() + fraction.size() + 2);
  if (negative && !isZero) out.push_back('-');
  out += integer;
  if (!fraction.empty()) out += '.' + fraction;
  return out;
}

std::string ToChars(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::string IntegerToText(std::int16_t value) {
  char buffer[8];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string RealToText(double value) {
  if (value == 0) return "0";  // also -0
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

double TextToReal(std::string_view text) {
  const Parsed parsed = ParseReal(text);
  switch (parsed.status) {
    case ParseStatus::Number: return parsed.value;
    case ParseStatus::TooLarge:
      throw Failure(FailureKind::Overflow,
                    "Overflow: " + Quoted(text) + " is beyond the range of numbers.");
    case ParseStatus::NotANumber: break;
  }
  throw Failure(FailureKind::TypeMismatch, "Type mismatch: " + Quoted(text) + " is not a number.");
}

std::string FormatByPattern(double value, std::string_view pattern) {
  if (!std::isfinite(value)) return ToChars(value);
  return WriteByPattern(SignificantDigits(std::fabs(value)), std::signbit(value),
                        ReadPattern(pattern));
}

std::string FormatByPattern(std::string_view text, std::string_view pattern) {
  const Parsed parsed = ParseReal(text);
  if (parsed.status != ParseStatus::Number) return std::string(text);
  return FormatByPattern(parsed.value, pattern);
}

}  // namespace varnock
