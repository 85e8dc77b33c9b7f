#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Conversions between numbers and texts. Number texts always use "." as the
// decimal point and no digit grouping, whatever the process locale says.
namespace varnock {

std::string IntegerToText(std::int16_t value);

// Rounded to 15 significant digits, trailing zeros dropped.
std::string RealToText(double value);

// The shortest text that reads back as exactly this value ("0.1", "1e+300").
std::string ShortestText(double value);

// Blanks around a number: spaces, tabs and line breaks, the Unicode spaces
// that text pasted from web pages, PDFs and spreadsheets carries (no-break,
// narrow no-break, figure space, U+2000 to U+200A, U+3000) and a byte-order
// mark at the very start.
std::string_view TrimBlanks(std::string_view text);
// The length in bytes of the Unicode space or byte-order mark that `text`
// starts with, or 0: characters a report must show, since they look like
// plain blanks or nothing at all.
std::size_t UnicodeSpaceAt(std::string_view text);

// Accepts blanks (as TrimBlanks), an optional sign, digits with at most one ".", and an
// optional exponent; gives the nearest double. Throws Failure: TypeMismatch
// for any other text, Overflow beyond the double range. Too small gives 0.
double TextToReal(std::string_view text);

// Pattern of "#" (written when needed) and "0" (always written) positions with
// one ".". The value is first rounded to 15 significant digits, then to the
// pattern's decimals, halves away from zero. Never an exponent or grouping.
std::string FormatByPattern(double value, std::string_view pattern);
// A text that is not a number comes back unchanged.
std::string FormatByPattern(std::string_view text, std::string_view pattern);

}  // namespace varnock
