#pragma once

#include <cstdint>

#include "CalculatorControls.h"

// The operations bound to the calculator window's events.
namespace varnock::equivalence {

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

}  // namespace varnock::equivalence
