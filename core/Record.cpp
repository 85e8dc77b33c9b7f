#include "Record.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "Equivalence.h"
#include "Failure.h"
#include "NumberText.h"

namespace varnock::record {
namespace {
using equivalence::EquivalentRates, equivalence::GallonsShown, equivalence::MillilitresShown, equivalence::Rates;

// The file's columns, in order; the verdict is written for the spreadsheet
// and recomputed on reading, so that a file cannot claim a pass it is not.
enum Column {
  Time,
  Name,
  Pair,
  Rate,
  Reference,
  Actual,
  Gallons,
  Millilitres,
  MeasuredNumber,
  MeasuredUnit,
  VerdictText,
  Remarks,
  Site,
  Technician,
  Notes,
  kColumnCount
};
constexpr std::array<const char*, kColumnCount> kHeader{"Time",
                                                        "Line",
                                                        "Pair",
                                                        "Leak rate (gal/h)",
                                                        "Reference pressure (psi)",
                                                        "Equivalent pressure (psi)",
                                                        "Equivalent rate (gal/h)",
                                                        "Equivalent rate (ml/min)",
                                                        "Measured",
                                                        "Measured unit",
                                                        "Verdict",
                                                        "Remarks",
                                                        "Site",
                                                        "Technician",
                                                        "Notes"};
// What a report calls a number column.
constexpr std::array<const char*, kColumnCount> kNumberNames{"",
                                                             "",
                                                             "",
                                                             "leak rate",
                                                             "reference pressure",
                                                             "equivalent pressure",
                                                             "equivalent rate in gal/h",
                                                             "equivalent rate in ml/min",
                                                             "measured value"};

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr Unit kUnits[] = {Unit::GallonsPerHour, Unit::MillilitresPerMinute};

[[noreturn]] void Refuse(std::string_view report, std::initializer_list<std::string_view> texts) {
  throw Failure(FailureKind::Opening, Say(report, texts));
}

std::string RowNumber(int row) { return std::to_string(row); }

double Number(std::string_view text) { return TextToReal(text); }

Rates RatesOf(const Line& line) {
  return EquivalentRates(Number(line.rate), Number(line.reference), Number(line.actual));
}

bool EndsWithAsciiCaseless(std::string_view text, std::string_view end) {
  if (text.size() < end.size()) return false;
  text.remove_prefix(text.size() - end.size());
  for (std::size_t i = 0; i < end.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != end[i]) return false;
  }
  return true;
}

// Well-formed UTF-8: no stray continuation bytes, overlong forms, surrogates
// or code points beyond U+10FFFF.
bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<std::uint8_t>(text[i]);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || i + length > text.size()) return false;
    std::uint32_t point = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<std::uint8_t>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      point = point << 6 | (next & 0x3F);
    }
    constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (point < kSmallest[length] || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return false;
    i += length;
  }
  return true;
}

// RFC 4180's rows one at a time: fields split at commas, records at CRLF,
// LF or CR, quoted fields holding commas, line breaks and doubled quotes.
class CsvRows {
 public:
  explicit CsvRows(std::string_view text) : text_(text) {}
  int Row() const { return row_; }
  // The next row's fields, at most `most` of them; false at the end.
  bool Next(std::vector<std::string>& fields, std::size_t most) {
    fields.clear();
    if (at_ >= text_.size()) return false;
    ++row_;
    for (;;) {
      fields.push_back(Field());
      if (!IsUtf8(fields.back())) Refuse(reports::kRowNotUtf8, {RowNumber(row_)});
      if (at_ >= text_.size()) return true;
      const char separator = text_[at_++];
      if (separator != ',') {
        if (separator == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
        return true;
      }
      // Counted while reading: a megabyte of commas must not become a
      // million strings.
      if (fields.size() >= most) {
        Refuse(reports::kRowFieldCount, {RowNumber(row_), "more than " + std::to_string(most), std::to_string(most)});
      }
    }
  }

 private:
  std::string Field() {
    if (at_ < text_.size() && text_[at_] == '"') return QuotedField();
    std::size_t end = text_.find_first_of(",\r\n\"", at_);
    if (end == std::string_view::npos) end = text_.size();
    if (end < text_.size() && text_[end] == '"') Refuse(reports::kRowStrayQuote, {RowNumber(row_)});
    std::string field(text_.substr(at_, end - at_));
    at_ = end;
    return field;
  }

  std::string QuotedField() {
    std::string field;
    ++at_;
    for (;;) {
      const std::size_t quote = text_.find('"', at_);
      if (quote == std::string_view::npos) Refuse(reports::kRowQuoteOpen, {RowNumber(row_)});
      field.append(text_.substr(at_, quote - at_));
      at_ = quote + 1;
      if (at_ >= text_.size() || text_[at_] != '"') break;
      field += '"';
      ++at_;
    }
    if (at_ < text_.size() && std::string_view(",\r\n").find(text_[at_]) == std::string_view::npos) {
      Refuse(reports::kRowAfterQuote, {RowNumber(row_)});
    }
    return field;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int row_ = 0;
};

void AppendField(std::string& csv, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    csv += field;
    return;
  }
  csv += '"';
  for (const char c : field) {
    if (c == '"') csv += '"';
    csv += c;
  }
  csv += '"';
}

void AppendRow(std::string& csv, const std::array<std::string_view, kColumnCount>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) csv += ',';
    AppendField(csv, fields[i]);
  }
  csv += "\r\n";
}

// A number column's text as its shortest text; refused, naming the row, if it is no number.
std::string NumberField(const std::vector<std::string>& fields, Column column, int row) {
  try {
    return ShortestText(Number(fields[column]));
  } catch (const Failure&) {
    Refuse(reports::kRowNotANumber, {RowNumber(row), kNumberNames[column], Quoted(fields[column])});
  }
}

std::optional<Measured> MeasuredField(const std::vector<std::string>& fields, int row) {
  if (TrimBlanks(fields[MeasuredNumber]).empty()) return std::nullopt;
  const std::string number = NumberField(fields, MeasuredNumber, row);
  for (const Unit unit : kUnits) {
    if (fields[MeasuredUnit] == UnitName(unit)) return Measured{std::string(TrimBlanks(fields[MeasuredNumber])), unit};
  }
  Refuse(reports::kRowUnknownUnit, {RowNumber(row), Quoted(fields[MeasuredUnit])});
}

// The results a row shows must be those its entries give.
void CheckResults(const Line& line, int row) {
  const Rates rates = RatesOf(line);
  if (!std::isfinite(rates.gallons) || !std::isfinite(rates.millilitres)) Refuse(reports::kRowNoRate, {RowNumber(row)});
  const std::string gallons = GallonsShown(rates.gallons), millilitres = MillilitresShown(rates.millilitres);
  if (line.gallons != gallons) {
    Refuse(reports::kRowWrongResult, {RowNumber(row), line.gallons + " gal/h", gallons + " gal/h"});
  }
  if (line.millilitres != millilitres) {
    Refuse(reports::kRowWrongResult, {RowNumber(row), line.millilitres + " ml/min", millilitres + " ml/min"});
  }
}

Line LineOf(std::vector<std::string>& fields, int row) {
  Line line{.time = std::move(fields[Time]),
            .name = std::move(fields[Name]),
            .pair = std::move(fields[Pair]),
            .rate = NumberField(fields, Rate, row),
            .reference = NumberField(fields, Reference, row),
            .actual = NumberField(fields, Actual, row),
            .gallons = std::string(TrimBlanks(fields[Gallons])),
            .millilitres = std::string(TrimBlanks(fields[Millilitres])),
            .measured = MeasuredField(fields, row),
            .remarks = std::move(fields[Remarks])};
  NumberField(fields, Gallons, row);
  NumberField(fields, Millilitres, row);
  CheckResults(line, row);
  return line;
}

bool AllEmpty(const std::vector<std::string>& fields) {
  for (const std::string& field : fields) {
    if (!field.empty()) return false;
  }
  return true;
}

}  // namespace

const char* UnitName(Unit unit) { return unit == Unit::GallonsPerHour ? "gal/h" : "ml/min"; }

Line Calculated(std::string time, std::string name, std::string pair, double rate, double reference, double actual) {
  const Rates rates = EquivalentRates(rate, reference, actual);
  if (!std::isfinite(rates.gallons) || !std::isfinite(rates.millilitres)) {
    throw Failure(FailureKind::Overflow,
                  Say(reports::kNoEquivalentRate, {ShortestText(rate), ShortestText(reference), ShortestText(actual)}));
  }
  return {.time = std::move(time),
          .name = std::move(name),
          .pair = std::move(pair),
          .rate = ShortestText(rate),
          .reference = ShortestText(reference),
          .actual = ShortestText(actual),
          .gallons = GallonsShown(rates.gallons),
          .millilitres = MillilitresShown(rates.millilitres),
          .measured = std::nullopt,
          .remarks = {}};
}

std::string MeasuredText(const std::optional<Measured>& measured) {
  return measured ? measured->number + ' ' + UnitName(measured->unit) : std::string();
}

std::optional<Measured> ReadMeasured(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  Unit unit = Unit::GallonsPerHour;
  std::string_view number = text;
  for (const Unit named : kUnits) {
    const std::string_view name = UnitName(named);
    if (EndsWithAsciiCaseless(text, name)) {
      unit = named;
      number = TrimBlanks(text.substr(0, text.size() - name.size()));
    }
  }
  try {
    Number(number);
  } catch (const Failure& failure) {
    throw Failure(failure.kind(), Say(reports::kNotAMeasuredRate, {Quoted(text)}));
  }
  return Measured{std::string(number), unit};
}

Outcome Judge(const Line& line) {
  if (!line.measured) return Outcome::None;
  const Rates rates = RatesOf(line);
  const double limit = line.measured->unit == Unit::GallonsPerHour ? rates.gallons : rates.millilitres;
  return Number(line.measured->number) < limit ? Outcome::Pass : Outcome::Fail;
}

std::string Verdict(const Line& line) {
  const Outcome outcome = Judge(line);
  if (outcome == Outcome::None) return {};
  const Unit unit = line.measured->unit;
  // The limit as the results show it, unless the rounding hides why the
  // value passed or failed (0.1155 measured against 0.11547 shown as 0.115):
  // then the limit unrounded.
  std::string limit = unit == Unit::GallonsPerHour ? line.gallons : line.millilitres;
  const Rates rates = RatesOf(line);
  const double exact = unit == Unit::GallonsPerHour ? rates.gallons : rates.millilitres;
  const double measured = Number(line.measured->number);
  if ((measured < Number(limit)) != (measured < exact)) limit = ShortestText(exact);
  return Say(outcome == Outcome::Pass ? "Pass: %1 %2 measured, below %3 %2" : "Fail: %1 %2 measured, at or above %3 %2",
             {line.measured->number, UnitName(unit), limit});
}

std::string ToCsv(const Record& record) {
  std::string csv(kByteOrderMark);
  std::array<std::string_view, kColumnCount> header;
  for (std::size_t i = 0; i < header.size(); ++i) header[i] = kHeader[i];
  AppendRow(csv, header);
  const Details& details = record.details;
  for (const Line& line : record.lines) {
    const std::string verdict = Verdict(line);
    const std::string_view measured = line.measured ? std::string_view(line.measured->number) : "";
    const std::string_view unit = line.measured ? UnitName(line.measured->unit) : "";
    AppendRow(csv,
              {line.time, line.name, line.pair, line.rate, line.reference, line.actual, line.gallons, line.millilitres,
               measured, unit, verdict, line.remarks, details.site, details.technician, details.notes});
  }
  return csv;
}

Record FromCsv(std::string_view file) {
  if (file.size() > kLargestFile) Refuse(reports::kFileTooLarge, {std::to_string(kLargestFile >> 20)});
  if (file.starts_with(kByteOrderMark)) file.remove_prefix(kByteOrderMark.size());
  if (file.empty()) Refuse(reports::kFileEmpty, {});
  CsvRows rows(file);
  std::vector<std::string> fields;
  const auto notHeader = [&] { Refuse(reports::kRowNotHeader, {"", Quoted(file.substr(0, 40))}); };
  try {
    rows.Next(fields, kColumnCount);
  } catch (const Failure&) {
    notHeader();
  }
  if (!std::equal(fields.begin(), fields.end(), kHeader.begin(), kHeader.end())) notHeader();
  Record record;
  while (rows.Next(fields, kColumnCount)) {
    const int row = rows.Row();
    // Spreadsheets save the empty rows below a table as rows of commas.
    if (AllEmpty(fields)) continue;
    if (fields.size() != kColumnCount) {
      Refuse(reports::kRowFieldCount,
             {RowNumber(row), std::to_string(fields.size()), std::to_string(static_cast<int>(kColumnCount))});
    }
    Details details{std::move(fields[Site]), std::move(fields[Technician]), std::move(fields[Notes])};
    if (record.lines.empty()) {
      record.details = std::move(details);
    } else if (details != record.details) {
      Refuse(reports::kRowOtherDetails, {RowNumber(row)});
    }
    record.lines.push_back(LineOf(fields, row));
  }
  return record;
}

}  // namespace varnock::record
