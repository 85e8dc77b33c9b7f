#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The test record of a site visit: a line for each pipeline tested, each
// with its equivalent rate and, once measured, a verdict; kept as a CSV file
// that a spreadsheet opens and this program opens again.
namespace varnock::record {

enum class Unit { GallonsPerHour, MillilitresPerMinute };

// "gal/h", "ml/min".
const char* UnitName(Unit unit);

struct Measured {
  std::string number;  // as typed, without the blanks around it
  Unit unit;
  friend bool operator==(const Measured&, const Measured&) = default;
};

struct Line {
  std::string time;  // "2026-12-09 14:05"
  std::string name;  // "Premium", "Line 2"
  std::string pair;  // the fixed pair's caption, or "own pair"
  // The entries as read, each the shortest text of its number, so that the
  // verdict recomputes exactly what the results were rounded from.
  std::string rate, reference, actual;
  std::string gallons, millilitres;  // the results as the window showed them
  std::optional<Measured> measured;
  std::string remarks;

  friend bool operator==(const Line&, const Line&) = default;
};

// A line for what the calculator calculated, with its results. Throws
// Failure when the numbers give no equivalent rate.
Line Calculated(std::string time, std::string name, std::string pair, double rate, double reference, double actual);

struct Details {
  std::string site, technician, notes;
  friend bool operator==(const Details&, const Details&) = default;
};

struct Record {
  Details details;
  std::vector<Line> lines;
};

// "0.050 gal/h"; empty when nothing was measured.
std::string MeasuredText(const std::optional<Measured>& measured);
// A measured value as typed into its cell: a number, then its unit (gal/h
// when none is typed); blanks alone clear it. Throws Failure (TypeMismatch).
std::optional<Measured> ReadMeasured(std::string_view text);

enum class Outcome { None, Pass, Fail };
// Below the line's equivalent rate, in the measured unit and unrounded, is a
// pass; at or above it a fail.
Outcome Judge(const Line& line);
// What the judgement compared: "Pass: 0.050 gal/h measured, below 0.115 gal/h";
// empty when nothing was measured.
std::string Verdict(const Line& line);

// RFC 4180 in UTF-8 with a byte-order mark (so that spreadsheets take it as
// UTF-8), CRLF line ends, "." as the decimal point, one header row, and the
// details repeated on every row so that each row stands alone.
std::string ToCsv(const Record& record);

// Files larger than this are no record this program wrote.
inline constexpr std::size_t kLargestFile = std::size_t{64} << 20;
// Reads a file ToCsv wrote. Throws Failure (Opening) naming the spreadsheet
// row (the header is row 1) and what is wrong with it.
Record FromCsv(std::string_view file);

}  // namespace varnock::record
