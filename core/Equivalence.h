#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "CalculatorControls.h"

// The operations bound to the calculator window's events.
namespace varnock::equivalence {

// The fixed pairs, in the order of their option buttons: a leak rate in gal/h
// stated at a reference pressure in psi, and the button's caption.
struct FixedPair {
  double rate;
  std::int16_t reference;
  const char* caption;
};
inline constexpr std::array<FixedPair, 3> kFixedPairs{
    {{3, 10, "3.0 gal/hr at 10 psi"}, {0.2, 30, "0.2 gal/hr at 30 psi"}, {0.1, 45, "0.1 gal/hr at 45 psi"}}};

// The law's units: millilitres in a US gallon, minutes in an hour.
inline constexpr std::int16_t kMillilitresPerGallon = 3785;
inline constexpr std::int16_t kMinutesPerHour = 60;
// The leak-rate box's text once the user leaves it.
inline constexpr const char* kLeakRatePattern = "##0.0###";

void Form_Load(CalculatorControls&);
void Option1_Click(CalculatorControls&, std::int16_t index);
void Option2_Click(CalculatorControls&, std::int16_t index);
void Option3_Click(CalculatorControls&);
void Option4_Click(CalculatorControls&, std::int16_t index);
// Typing into an own-pair box while a fixed pair is selected selects the own
// pair (the window does that, without the prompt): both boxes' texts are then
// the pair in force, so that no result comes from a pair the window hides.
void OwnPair_Typed(CalculatorControls&);
void txtActual_Change(CalculatorControls&);
void txtRef_Change(CalculatorControls&);
void txtLR_Change(CalculatorControls&);
// The leak-rate box is re-formatted when the user leaves it (focus lost or
// Enter), not per keystroke: re-formatting "0.00" mid-typing would eat a zero.
void txtLR_LostFocus(CalculatorControls&);
void cmdCalculate_Click(CalculatorControls&);

// The equivalent rates, unrounded, by the calculation's own arithmetic: a
// verdict compares with exactly what the results were rounded from.
struct Rates {
  double gallons;      // gal/h
  double millilitres;  // ml/min
};
Rates EquivalentRates(double rate, double reference, double actual);
// The results as the window shows them.
std::string GallonsShown(double gallons);
std::string MillilitresShown(double millilitres);

}  // namespace varnock::equivalence
