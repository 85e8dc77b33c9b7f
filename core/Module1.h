#pragma once

#include <string>

// The three values the calculation works on, kept as the user typed them:
// they become numbers only when "Calculate Equivalent Rates" is pressed.
namespace varnock::Module1 {
inline std::string strLR, strRef, strActual;
}
