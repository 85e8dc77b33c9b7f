#pragma once

#include <QPointer>
#include <QString>
#include <array>
#include <optional>
#include <string>
#include <tuple>

#include "CalculatorControls.h"
#include "Forms.h"
#include "Layout.h"
#include "Printing.h"

class QLineEdit;
class QRadioButton;

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
  bool CanClose() override;

 private:
  void Wire(const Controls& controls);
  void BuildMenus(QWidget* window);
  void BuildResultMenu(QWidget* window);
  static auto EntriesInForce();
  void RememberWhatWasCalculated();
  void ShowWhetherResultsAreCurrent();
  bool ResultsAreCurrent() const;
  // "0.2 gal/h at 30 psi and 45 psi": what the results were calculated for.
  QString CalculatedFor() const;
  // What the page says besides the window: the details, and the summary.
  PageText PageRecord() const;
  QWidget* Client() const;
  void TidyLeakRate();
  void mnuDetails_Click();
  void mnuPrint_Click();
  void mnuSavePdf_Click();
  void mnuExit_Click();
  void mnuCopyResults_Click();
  void mnuAddToRecord_Click();
  // The caption of the fixed pair chosen; empty for the own pair.
  QString FixedPairChosen() const;
  void mnuAbout_Click();
  QLineEdit* BoxOf(Box box) const;
  bool OwnPairChosen() const;

  std::array<QPointer<QLineEdit>, 5> boxes_;  // indexed by Box
  std::array<QPointer<ResultBox>, 2> results_;
  std::array<QPointer<QRadioButton>, 4> options_;  // the fixed pairs', then the own pair's
  QPointer<QAction> mnuCopyResults_, mnuAddToRecord_;
  // The entries in force at the last successful calculation, as typed and as
  // read as numbers ("0.2", "30", "45"); none before it.
  std::tuple<std::string, std::string, std::string> calculatedFrom_;
  struct Numbers {
    QString rate, reference, actual;
    double rateNumber, referenceNumber, actualNumber;
  };
  std::optional<Numbers> calculated_;
};

}  // namespace varnock::ui
