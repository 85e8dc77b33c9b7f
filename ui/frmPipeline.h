#pragma once

#include <array>

#include "CalculatorControls.h"
#include "WindowServices.h"

class QLineEdit;
class QMainWindow;

namespace varnock::ui {

// The calculator window: the choice of pair, the equivalent pressure, the
// results, and the File, Weblinks and Help menus.
class frmPipeline : public Form, public CalculatorControls {
 public:
  std::string Text(Box box) const override;
  void SetText(Box box, std::string_view text) override;
  void Enable(Box box) override;
  void SetFocus(Box box) override;
  void ShowMessage(std::string_view text) override;

 protected:
  std::unique_ptr<QWidget> Build() override;
  void Form_Load() override;
  void Unloaded() override;

 private:
  void BuildMenus(QMainWindow* window);
  void mnuPrint_Click();
  void mnuExit_Click();
  void mnuAbout_Click();
  QLineEdit* BoxOf(Box box) const;

  std::array<QLineEdit*, 5> boxes_{};  // indexed by Box
};

}  // namespace varnock::ui
