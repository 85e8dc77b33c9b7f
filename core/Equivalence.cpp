#include "Equivalence.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <string>

#include "Failure.h"
#include "Module1.h"
#include "NumberText.h"

namespace varnock::equivalence {
namespace {

constexpr double kExponent = 0.5;
constexpr const char* kGallonsPattern = "##0.0##";
constexpr const char* kMillilitresPattern = "###0.0###";
constexpr int kTestedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// An entry as a report names it, what the user should type instead, and the
// box the report leads back to.
struct Entry {
  const char* name;
  const char* hint;
  Box box;
};
constexpr Entry kEquivalentPressure{"equivalent pressure", reports::kTypePressure30, Box::txtActual};
constexpr Entry kReferencePressure{"reference pressure", reports::kTypePressure10, Box::txtRef};
constexpr Entry kLeakRate{"leak rate", reports::kTypeLeakRate, Box::txtLR};

// A text that is a number once its commas are points was typed with a decimal
// comma (or thousands separators).
bool HasDecimalComma(const std::string& text) {
  if (text.find(',') == std::string::npos) return false;
  std::string pointed = text;
  std::replace(pointed.begin(), pointed.end(), ',', '.');
  try {
    TextToReal(pointed);
    return true;
  } catch (const Failure&) {
    return false;
  }
}

// Converts one of the three shared values; a failure names the entry, says
// what is wrong with its text and what to type instead.
double ToNumber(const std::string& text, const Entry& entry) {
  try {
    return TextToReal(text);
  } catch (const Failure& failure) {
    const char* report = failure.kind() == FailureKind::Overflow ? reports::kEntryTooLarge
                         : TrimBlanks(text).empty()              ? reports::kEntryEmpty
                         : HasDecimalComma(text)                 ? reports::kEntryDecimalComma
                                                                 : reports::kEntryNotANumber;
    throw Failure(failure.kind(), Say(report, {entry.name, Quoted(text), entry.hint}), entry.box);
  }
}

int RaisedFlags() { return std::fetestexcept(kTestedFlags); }

// Division by zero if that flag is up, otherwise Overflow (invalid operation
// included), as the user knows these failures.
[[noreturn]] void ThrowFlagged(int raised, const std::string& message, Box entry) {
  const FailureKind kind = (raised & FE_DIVBYZERO) != 0 ? FailureKind::DivisionByZero : FailureKind::Overflow;
  throw Failure(kind, message, entry);
}

// A whole rate is the integer it is (3, not 3.0); only a fractional one needs
// the double's conversion, whose code and tables a start-up need not load.
void StorePair(const FixedPair& pair) {
  const auto whole = static_cast<std::int16_t>(pair.rate);
  Module1::strLR = whole == pair.rate ? IntegerToText(whole) : RealToText(pair.rate);
  Module1::strRef = IntegerToText(pair.reference);
}

}  // namespace

void Form_Load(CalculatorControls& window) {
  StorePair(kFixedPairs[0]);
  Module1::strActual = window.Text(Box::txtActual);
}

void Option1_Click(CalculatorControls&, std::int16_t) { StorePair(kFixedPairs[0]); }

void Option2_Click(CalculatorControls&, std::int16_t) { StorePair(kFixedPairs[1]); }

void Option3_Click(CalculatorControls&) { StorePair(kFixedPairs[2]); }

void Option4_Click(CalculatorControls& window, std::int16_t) {
  window.Enable(Box::txtLR);
  window.Enable(Box::txtRef);
  window.ShowMessage("Please input a leak rate and reference pressure into the text box");
  window.SetFocus(Box::txtLR);
  OwnPair_Typed(window);
}

void OwnPair_Typed(CalculatorControls& window) {
  Module1::strLR = window.Text(Box::txtLR);
  Module1::strRef = window.Text(Box::txtRef);
}

void txtActual_Change(CalculatorControls& window) { Module1::strActual = window.Text(Box::txtActual); }

void txtRef_Change(CalculatorControls& window) { Module1::strRef = window.Text(Box::txtRef); }

void txtLR_Change(CalculatorControls& window) { Module1::strLR = window.Text(Box::txtLR); }

void txtLR_LostFocus(CalculatorControls& window) {
  // The box's own text, not strLR: after a fixed pair was chosen, Enter in the
  // box must not replace the user's entry with the pair's rate. A write that
  // changes the text raises the change event, which copies it into strLR.
  window.SetText(Box::txtLR, FormatByPattern(window.Text(Box::txtLR), kLeakRatePattern));
}

void cmdCalculate_Click(CalculatorControls& window) {
  using Module1::strActual, Module1::strLR, Module1::strRef;
  std::feclearexcept(FE_ALL_EXCEPT);
  // volatile keeps each operation between the flag tests that belong to it.
  volatile double actual = ToNumber(strActual, kEquivalentPressure);
  volatile double reference = ToNumber(strRef, kReferencePressure);
  volatile double ratio = actual / reference;
  // A failure about both pressures leads back to the equivalent pressure, the
  // first of them in the window's keyboard order, and always an entry (the
  // reference pressure may be a fixed pair's).
  const auto said = [&](const char* report) { return Say(report, {Quoted(strActual), Quoted(strRef), Quoted(strLR)}); };
  if (const int raised = RaisedFlags()) {
    if (reference == 0) ThrowFlagged(raised, said(reports::kReferenceZero), Box::txtRef);
    ThrowFlagged(raised, said(reports::kTooFarApart), Box::txtActual);
  }
  if (ratio < 0) throw Failure(FailureKind::InvalidArgument, said(reports::kOppositeSigns), Box::txtActual);
  const Rates rates = EquivalentRates(ToNumber(strLR, kLeakRate), reference, actual);
  if (const int raised = RaisedFlags()) {
    ThrowFlagged(raised, said(reports::kRateTooLarge), Box::txtLR);
  }
  // Both results or neither: a fresh gal/h beside a stale ml/min would mislead.
  window.SetText(Box::txtELRgal, GallonsShown(rates.gallons));
  window.SetText(Box::txtELRml, MillilitresShown(rates.millilitres));
}

Rates EquivalentRates(double rate, double reference, double actual) {
  // volatile keeps each operation before the flag tests that follow the call:
  // without it the compiler may move the arithmetic across fetestexcept.
  volatile double ratio = actual / reference;
  volatile double exponent = kExponent;
  volatile double gallons = rate * std::pow(ratio, exponent);
  volatile double millilitres = gallons * kMillilitresPerGallon;
  return {gallons, millilitres / kMinutesPerHour};
}

std::string GallonsShown(double gallons) { return FormatByPattern(gallons, kGallonsPattern); }

std::string MillilitresShown(double millilitres) { return FormatByPattern(millilitres, kMillilitresPattern); }

}  // namespace varnock::equivalence
