#pragma once

#include <QPointer>

#include "Forms.h"
#include "Layout.h"

namespace varnock::ui {

// The start-up window: product name and version for three seconds, then the
// calculator window takes its place.
class frmSplash : public Form {
 protected:
  std::unique_ptr<QWidget> Build() override;
  void Form_Load() override;

 private:
  void Wire(const Controls& controls);
  void Timer1_Timer();

  QPointer<QLabel> lblVersion_, lblProductName_;
};

}  // namespace varnock::ui
