#pragma once

#include <array>

#include "Forms.h"
#include "Layout.h"

class QLineEdit;
class QPlainTextEdit;

namespace varnock::ui {

// Edits the record details that head every page: site, tank or line,
// technician and notes, all optional, the notes on several lines. Modal,
// centred on the window it was opened from; the details belong to the
// record open (TestRecord).
class frmDetails : public Form {
 protected:
  std::unique_ptr<QWidget> Build() override;
  void Unloaded() override;

 private:
  void Wire(Dialog& window, const Controls& controls);
  void cmdOK_Click();
  void cmdCancel_Click();

  std::array<QLineEdit*, 3> boxes_{};  // site, tank or line, technician
  QPlainTextEdit* notes_ = nullptr;
};

}  // namespace varnock::ui
