#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "CalculatorControls.h"
#include "Equivalence.h"

namespace varnock {

// The calculator window as the logic sees it. Like the real text boxes, a
// write raises the change event only when the text differs.
class FakeWindow : public CalculatorControls {
 public:
  std::map<Box, std::string> texts{{Box::txtActual, "30"}};
  std::vector<std::string> actions;
  int lrChanges = 0;
  int resultWrites = 0;

  std::string Text(Box box) const override {
    const auto it = texts.find(box);
    return it == texts.end() ? std::string() : it->second;
  }
  void SetText(Box box, std::string_view text) override {
    actions.push_back("write " + std::string(text));
    if (box == Box::txtELRgal || box == Box::txtELRml) ++resultWrites;
    if (Text(box) == text) return;
    texts[box] = std::string(text);
    RaiseChange(box);
  }
  void Enable(Box) override { actions.push_back("enable"); }
  void SetFocus(Box) override { actions.push_back("focus"); }
  void ShowMessage(std::string_view text) override { actions.push_back("message " + std::string(text)); }

  // The user types a text: the box changes and raises its change event.
  void Type(Box box, std::string text) {
    texts[box] = std::move(text);
    RaiseChange(box);
  }

 private:
  void RaiseChange(Box box) {
    if (box == Box::txtLR) ++lrChanges, equivalence::txtLR_Change(*this);
    if (box == Box::txtRef) equivalence::txtRef_Change(*this);
    if (box == Box::txtActual) equivalence::txtActual_Change(*this);
  }
};

}  // namespace varnock
