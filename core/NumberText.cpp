#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <system_error>

#include "Failure.h"

namespace varnock {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr std::string_view kByteOrderMark = "\ufeff";
// In UTF-8; U+2000 to U+200A are E2 80 80 to E2 80 8A.
constexpr std::string_view kUnicodeSpaces[] = {"\u00a0", "\u2000", "\u2001", "\u2002", "\u2003",
                                               "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
                                               "\u2009", "\u200a", "\u202f", "\u3000", kByteOrderMark};
// Line breaks count as blanks: a copied spreadsheet cell ends with one.
constexpr std::string_view kLineSeparators[] = {"\u2028", "\u2029"};

bool IsAsciiBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The length of the blank that `text` starts (or, atEnd, ends) with; 0 if none.
std::size_t BlankLength(std::string_view text, bool atEnd) {
  if (text.empty()) return 0;
  if (IsAsciiBlank(atEnd ? text.back() : text.front())) return 1;
  auto found = [&](std::string_view blank) { return atEnd ? text.ends_with(blank) : text.starts_with(blank); };
  for (std::string_view blank : kLineSeparators) {
    if (found(blank)) return blank.size();
  }
  for (std::string_view blank : kUnicodeSpaces) {
    if (blank != kByteOrderMark && found(blank)) return blank.size();
  }
  return 0;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  while (const std::size_t blank = BlankLength(text, false)) text.remove_prefix(blank);
  while (const std::size_t blank = BlankLength(text, true)) text.remove_suffix(blank);
  return text;
}

std::size_t UnicodeSpaceAt(std::string_view text) {
  for (std::string_view space : kUnicodeSpaces) {
    if (text.starts_with(space)) return space.size();
  }
  return 0;
}

namespace {

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
  long long order = first < point ? static_cast<long long>(point - first) : -static_cast<long long>(first - point - 1);
  long long shift = 0;
  const bool negative = !exponent.empty() && exponent.front() == '-';
  for (char c : exponent) {
    if (IsDigit(c)) shift = std::min(shift * 10 + (c - '0'), 1'000'000'000LL);
  }
  return order + (negative ? -shift : shift);
}

// The grammar is std::from_chars's own decimal form once the sign is taken
// off, less the forms that start with a letter ("inf", "nan"), and it must
// take the whole text: "1e", "1.2.3" or "1 000" leave characters over.
Parsed ParseReal(std::string_view text) {
  const std::string_view s = TrimBlanks(text);
  std::size_t i = 0;
  const bool negative = !s.empty() && s[0] == '-';
  if (!s.empty() && (s[0] == '+' || s[0] == '-')) i = 1;
  if (i == s.size() || !(IsDigit(s[i]) || s[i] == '.')) return {ParseStatus::NotANumber, 0};

  double magnitude = 0;
  const char* last = s.data() + s.size();
  const auto [end, ec] = std::from_chars(s.data() + i, last, magnitude);
  if (end != last || (ec != std::errc() && ec != std::errc::result_out_of_range)) {
    return {ParseStatus::NotANumber, 0};
  }
  if (ec == std::errc::result_out_of_range) {
    // from_chars says the same for overflow and underflow: tell them apart.
    const std::string_view number = s.substr(i);
    const std::size_t e = std::min(number.find_first_of("eE"), number.size());
    if (DecimalOrder(number.substr(0, e), number.substr(std::min(e + 1, number.size()))) > 0) {
      return {ParseStatus::TooLarge, 0};
    }
    magnitude = 0;
  }
  return {ParseStatus::Number, negative ? -magnitude : magnitude};
}

struct Pattern {
  int integerZeros = 0;   // integer digits always written
  int fractionZeros = 0;  // decimals always written
  int fractionMax = 0;    // decimals at most
};

Pattern ReadPattern(std::string_view pattern) {
  const std::size_t point = std::min(pattern.find('.'), pattern.size());
  const std::string_view integer = pattern.substr(0, point);
  const std::string_view fraction = pattern.substr(point);
  Pattern p;
  p.integerZeros = static_cast<int>(std::count(integer.begin(), integer.end(), '0'));
  p.fractionZeros = static_cast<int>(std::count(fraction.begin(), fraction.end(), '0'));
  p.fractionMax = p.fractionZeros + static_cast<int>(std::count(fraction.begin(), fraction.end(), '#'));
  return p;
}

// A decimal number: digits with the point after the first `pointAt` of them
// (pointAt may be negative or beyond the digits: zeros fill the gap). Kept in
// place, since every formatting makes one.
struct Decimal {
  char digits[24];
  int size = 0;
  int pointAt = 0;

  char At(long long position) const {  // position 0 is the first digit
    return position >= 0 && position < size ? digits[position] : '0';
  }
};

// Reads std::to_chars's scientific form, d.ddde+XX.
Decimal ReadScientific(const char* first, const char* last) {
  Decimal d;
  const char* p = first;
  for (; p != last && *p != 'e'; ++p) {
    if (*p != '.') d.digits[d.size++] = *p;
  }
  int exponent = 0;
  if (p != last && p[1] == '+') ++p;
  std::from_chars(p + 1, last, exponent);
  d.pointAt = exponent + 1;
  return d;
}

// Keeps `decimals` digits after the point, rounding half away from zero.
void RoundToDecimals(Decimal& d, int decimals) {
  const long long keep = static_cast<long long>(d.pointAt) + decimals;
  if (keep >= d.size) return;
  const bool up = keep >= 0 && d.digits[keep] >= '5';
  d.size = static_cast<int>(std::max(keep, 0LL));
  if (!up) return;
  int i = d.size - 1;
  for (; i >= 0 && d.digits[i] == '9'; --i) d.digits[i] = '0';
  if (i >= 0) {
    ++d.digits[i];
  } else {
    std::memmove(d.digits + 1, d.digits, static_cast<std::size_t>(d.size));
    d.digits[0] = '1';
    ++d.size;
    ++d.pointAt;
  }
}

// The magnitude rounded to 15 significant digits. The shortest digits that
// read back as the same double are quicker to get than 15 fixed ones, and
// rounding them gives the same digits, except where they end in exactly 5
// after the 15th digit: there the double's exact value decides.
Decimal SignificantDigits(double magnitude) {
  char buffer[40];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific);
  Decimal d = ReadScientific(buffer, result.ptr);
  // From here up, 15 digits would round beyond the largest double and the
  // text would no longer read back as a number: keep the shortest digits.
  constexpr double kRoundsBeyondRange = 1.797693134862315e308;
  if (d.size <= 15 || magnitude >= kRoundsBeyondRange) return d;
  if (d.size == 16 && d.digits[15] == '5') {
    result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    return ReadScientific(buffer, result.ptr);
  }
  RoundToDecimals(d, 15 - d.pointAt);
  return d;
}

std::string WriteByPattern(Decimal& d, bool negative, const Pattern& p) {
  RoundToDecimals(d, p.fractionMax);
  const bool isZero = std::all_of(d.digits, d.digits + d.size, [](char c) { return c == '0'; });
  // Integer digits from the first significant one; fraction without the
  // trailing zeros the pattern does not ask for.
  long long first = 0;
  while (first < d.pointAt && d.At(first) == '0') ++first;
  const long long integerDigits = std::max(d.pointAt - first, 0LL);
  long long fraction = p.fractionMax;
  while (fraction > p.fractionZeros && d.At(d.pointAt + fraction - 1) == '0') --fraction;
  const long long padding = std::max(p.integerZeros - integerDigits, 0LL);
  const bool lone = integerDigits + padding == 0 && fraction == 0;  // never an empty text
  const bool minus = negative && !isZero;

  std::string out(static_cast<std::size_t>(minus + padding + lone + integerDigits + (fraction > 0) + fraction), '0');
  char* next = out.data() + minus + padding + lone;
  if (minus) out[0] = '-';
  for (long long pos = first; pos < d.pointAt; ++pos) *next++ = d.At(pos);
  if (fraction > 0) *next++ = '.';
  for (long long k = 0; k < fraction; ++k) *next++ = d.At(d.pointAt + k);
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
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

std::string ShortestText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

double TextToReal(std::string_view text) {
  const Parsed parsed = ParseReal(text);
  switch (parsed.status) {
    case ParseStatus::Number:
      return parsed.value;
    case ParseStatus::TooLarge:
      throw Failure(FailureKind::Overflow, Say(reports::kTooLarge, {Quoted(text)}));
    case ParseStatus::NotANumber:
      break;
  }
  throw Failure(FailureKind::TypeMismatch, Say(reports::kNotANumber, {Quoted(text)}));
}

std::string FormatByPattern(double value, std::string_view pattern) {
  if (!std::isfinite(value)) return ToChars(value);
  Decimal digits = SignificantDigits(std::fabs(value));
  return WriteByPattern(digits, std::signbit(value), ReadPattern(pattern));
}

std::string FormatByPattern(std::string_view text, std::string_view pattern) {
  const Parsed parsed = ParseReal(text);
  if (parsed.status != ParseStatus::Number) return std::string(text);
  return FormatByPattern(parsed.value, pattern);
}

}  // namespace varnock
