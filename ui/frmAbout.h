#pragma once

#include "Forms.h"
#include "Layout.h"

class QLabel;

namespace varnock::ui {

// Names the product, its version and its developer; modeless.
class frmAbout : public Form {
 protected:
  std::unique_ptr<QWidget> Build() override;
  void Form_Load() override;
  void Unloaded() override;

 private:
  void Wire(Dialog& window, const Controls& controls);
  void cmdOK_Click();

  QLabel* lblTitle_ = nullptr;
  QLabel* lblVersion_ = nullptr;
};

}  // namespace varnock::ui
