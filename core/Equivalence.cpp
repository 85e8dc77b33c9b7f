#include "Equivalence.h"

#include <cfenv>
#include <cmath>
#include <string>

#include "Failure.h"
#include "Module1.h"
#include "NumberText.h"

namespace varnock::equivalence {
namespace {

constexpr double kExponent = 0.5;
constexpr std::int16_t kMillilitresPerGallon = 3785;
constexpr std::int16_t kMinutesPerHour = 60;
constexpr const char* kGallonsPattern = "##0.0##";
constexpr const char* kMillilitresPattern = "###0.0###";
constexpr const char* kLeakRatePattern = "##0.0###";
constexpr int kTestedFlags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

// Converts one of the three shared values, naming it if it is not a number.
double ToNumber(const std::string& text, const char* what) {
  try {
    return TextToReal(text);
  } catch (const Failure& failure) {
    const std::string tail = failure.kind() == FailureKind::Overflow
                                 ? " is beyond the range of numbers."
                                 : " is not a number.";
    throw Failure(failure.kind(),
                  std::string(KindName(failure.kind())) + ": the " + what + " " + Quoted(text) + tail);
  }
}

int RaisedFlags() { return std::fetestexcept(kTestedFlags); }

// Division by zero if that flag is up, otherwise Overflow (invalid operation
// included), as the user knows these failures.
[[noreturn]] void ThrowFlagged(int raised, const std::string& detail) {
  const FailureKind kind =
      (raised & FE_DIVBYZERO) != 0 ? FailureKind::DivisionByZero : FailureKind::Overflow;
  throw Failure(kind, std::string(KindName(kind)) + ": " + detail);
}

}  // namespace

void Form_Load(CalculatorControls& window) {
  Module1::strLR = IntegerToText(3);
  Module1::strRef = IntegerToText(10);
  Module1::strActual = window.Text(Box::txtActual);
}

void Option1_Click(CalculatorControls&, std::int16_t) {
  Module1::strLR = IntegerToText(3);
  Module1::strRef = IntegerToText(10);
}

void Option2_Click(CalculatorControls&, std::int16_t) {
  Module1::strLR = RealToText(0.2);
  Module1::strRef = IntegerToText(30);
}

void Option3_Click(CalculatorControls&) {
  Module1::strLR = RealToText(0.1);
  Module1::strRef = IntegerToText(45);
}

void Option4_Click(CalculatorControls& window, std::int16_t) {
  window.Enable(Box::txtLR);
  window.Enable(Box::txtRef);
  window.ShowMessage("Please input a leak rate and reference pressure into the text box");
  window.SetFocus(Box::txtLR);
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
  // volatile keeps each operation between the flag tests that belong to it:
  // without it the compiler may move the arithmetic across fetestexcept.
  volatile double actual = ToNumber(strActual, "equivalent pressure");
  volatile double reference = ToNumber(strRef, "reference pressure");
  volatile double ratio = actual / reference;
  if (const int raised = RaisedFlags()) {
    ThrowFlagged(raised, "the equivalent pressure " + Quoted(strActual) +
                             " divided by the reference pressure " + Quoted(strRef) + " has no value.");
  }
  if (ratio < 0) {
    throw Failure(FailureKind::InvalidArgument,
                  "Invalid argument: the equivalent pressure " + Quoted(strActual) +
                      " and the reference pressure " + Quoted(strRef) +
                      " have opposite signs; a negative ratio has no square root.");
  }
  volatile double exponent = kExponent;
  volatile double root = std::pow(ratio, exponent);
  volatile double rate = ToNumber(strLR, "leak rate");
  volatile double gal = rate * root;
  if (const int raised = RaisedFlags()) {
    ThrowFlagged(raised, "the equivalent leak rate for the leak rate " + Quoted(strLR) +
                             " is beyond the range of numbers.");
  }
  volatile double millilitres = gal * kMillilitresPerGallon;
  if (const int raised = RaisedFlags()) {
    ThrowFlagged(raised, "the equivalent leak rate in ml/min for the leak rate " + Quoted(strLR) +
                             " is beyond the range of numbers.");
  }
  const double ml = millilitres / kMinutesPerHour;
  // Both results or neither: a fresh gal/h beside a stale ml/min would mislead.
  window.SetText(Box::txtELRgal, FormatByPattern(static_cast<double>(gal), kGallonsPattern));
  window.SetText(Box::txtELRml, FormatByPattern(ml, kMillilitresPattern));
}

}  // namespace varnock::equivalence
