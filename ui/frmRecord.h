#pragma once

#include <QPointer>

#include "Forms.h"
#include "Record.h"

class QLabel;
class QTableView;

namespace varnock::ui {

// The test record's window: the record details above a table of its lines,
// their measured values, verdicts and remarks; opened, saved and printed
// from its File menu. Modeless and resizable; closing it only closes the
// window, the record stays open while the program runs (TestRecord).
class frmRecord : public Form {
 public:
  // Appends the line, then brings the window forward with it selected and
  // its measured value ready to be typed.
  void AddLine(record::Line line, const QWidget* owner);
  // With unsaved changes, asks whether to save them; false when the user
  // cancels (or the save dialog), and the program then goes on.
  bool AskToKeepChanges();

 protected:
  std::unique_ptr<QWidget> Build() override;
  void Form_Load() override;
  bool CanClose() override;

 private:
  void BuildMenus(QWidget* window);
  void ShowState();
  int CurrentRow() const;
  void SelectRow(int row, int column);
  void mnuOpen_Click();
  bool mnuSave_Click();
  bool mnuSaveAs_Click();
  void mnuPrint_Click();
  void mnuSavePdf_Click();
  void mnuRemove_Click();
  void mnuMove_Click(int by);
  void mnuDetails_Click();

  QPointer<QTableView> table_;
  QPointer<QLabel> details_;
};

}  // namespace varnock::ui
