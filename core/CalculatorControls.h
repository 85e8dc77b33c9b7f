#pragma once

#include <string>
#include <string_view>

namespace varnock {

enum class Box { txtLR, txtRef, txtActual, txtELRgal, txtELRml };

// A box's control name: the window finds it by this name.
constexpr const char* BoxName(Box box) {
  constexpr const char* kNames[] = {"txtLR", "txtRef", "txtActual", "txtELRgal", "txtELRml"};
  return kNames[static_cast<int>(box)];
}

// The five control actions of the calculator window: all the calculator's
// logic may do to the window.
class CalculatorControls {
 public:
  virtual ~CalculatorControls() = default;
  virtual std::string Text(Box box) const = 0;  // txtLR, txtRef, txtActual
  // txtLR, txtELRgal, txtELRml; the window raises the box's change event when the text differs
  virtual void SetText(Box box, std::string_view text) = 0;
  virtual void Enable(Box box) = 0;                     // txtLR, txtRef
  virtual void SetFocus(Box box) = 0;                   // txtLR
  virtual void ShowMessage(std::string_view text) = 0;  // modal, OK button only
};

}  // namespace varnock
