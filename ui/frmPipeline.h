#pragma once

#include <QString>
#include <array>
#include <string>
#include <tuple>

#include "CalculatorControls.h"
#include "Forms.h"

class QLineEdit;
class QMainWindow;

namespace varnock::ui {
class ResultBox;
}

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
  void BuildResultMenu(QWidget* window);
  static auto EntriesInForce();
  void RememberWhatWasCalculated();
  void ShowWhetherResultsAreCurrent();
  // The footer's line on what the printed results were calculated from.
  QString ResultsNote() const;
  void mnuPrint_Click();
  void mnuExit_Click();
  void mnuAbout_Click();
  QLineEdit* BoxOf(Box box) const;

  std::array<QLineEdit*, 5> boxes_{};  // indexed by Box
  std::array<ResultBox*, 2> results_{};
  // The entries in force at the last successful calculation, and the same as
  // the user reads them ("0.2 gal/h at 30 psi and 45 psi"); empty before it.
  std::tuple<std::string, std::string, std::string> calculatedFrom_;
  QString calculatedFor_;
};

}  // namespace varnock::ui
