#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "Forms.h"
#include "Layout.h"

class QLineEdit;

namespace varnock::ui {

// The record details a printed page carries in its header: site, tank or
// line, technician and notes, all optional. Modal; kept while the program
// runs and never written to disk.
class frmDetails : public Form {
 public:
  // "Site: North yard", one line for each detail given.
  QStringList PageLines() const;
  // The site as given, on one line; empty if none.
  QString Site() const { return details_[0].simplified(); }

 protected:
  std::unique_ptr<QWidget> Build() override;
  void Unloaded() override;

 private:
  void Wire(Dialog& window, const Controls& controls);
  void cmdOK_Click();
  void cmdCancel_Click();

  std::array<QString, 4> details_;
  std::array<QLineEdit*, 4> boxes_{};
};

}  // namespace varnock::ui
