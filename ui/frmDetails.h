#pragma once

#include <QPointer>

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

 private:
  void Wire(Dialog& window, const Controls& controls);
  void cmdOK_Click();
  void cmdCancel_Click();

  QPointer<QLineEdit> site_, line_, technician_;
  QPointer<QPlainTextEdit> notes_;
};

}  // namespace varnock::ui
