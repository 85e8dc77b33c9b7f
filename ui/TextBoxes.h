#pragma once

#include <QLineEdit>
#include <QRect>
#include <QString>
#include <string>
#include <string_view>

class QLabel;

// Text boxes and captions: their texts as the handlers read and write them,
// the boxes that show results, and what a key may type.
namespace varnock::ui {

std::string Text(const QLineEdit* box);
// Writing raises the box's change event, unless the text is already there.
void SetText(QLineEdit* box, std::string_view text);
// A label's caption; a self-sizing label fits itself to it.
void SetCaption(QLabel* label, std::string_view text);

// A box that shows a result. It stays disabled, so that it neither takes the
// focus nor edits, yet shows its text as readable as a typed one in any
// platform palette. A text too wide for it ends in "…", so that no cut
// number reads as a whole one, and is its tool tip. Marked out of date, its
// text is faint and struck through, with the reason as tool tip and
// accessible description. A right click asks for the box's menu
// (customContextMenuRequested), which a disabled widget would not.
class ResultBox : public QLineEdit {
 public:
  explicit ResultBox(QWidget* parent);
  // An empty reason: the result is current.
  void SetOutOfDate(const QString& reason);
  bool IsOutOfDate() const { return !outOfDate_.isEmpty(); }

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void ApplyLook();
  void Describe();

  QString outOfDate_;
};

// Where a text box draws its text, and its text as it fits there: whole, or
// its start and "…".
QRect TextRoom(const QLineEdit* box);
QString FittingText(const QLineEdit* box);

// Gives a box the focus from the program (not from the user's click or Tab)
// with its whole text selected, so that the first key typed replaces it.
void FocusWithTextSelected(QLineEdit* box);

// A key pressed with Alt or Ctrl held never types into the box; the box's
// own shortcuts (copy, paste, select all, ...) still work.
void TypeOnlyUnmodifiedKeys(QLineEdit* box);

// In a number box the keypad's decimal key types the point, whatever the
// keyboard layout gives it (a comma on a German one): number texts always
// use the point, and the key means the decimal mark.
void TypePointOnKeypadDecimal(QLineEdit* box);

}  // namespace varnock::ui
