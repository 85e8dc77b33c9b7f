#pragma once

#include <QPointer>

#include "Forms.h"
#include "Layout.h"

namespace varnock::ui {

// Names the product, its version and its developer; modeless.
class frmAbout : public Form {
 protected:
  std::unique_ptr<QWidget> Build() override;
  void Form_Load() override;

 private:
  void Wire(Dialog& window, const Controls& controls);
  void cmdOK_Click();

  QPointer<QLabel> lblTitle_, lblVersion_;
};

}  // namespace varnock::ui
