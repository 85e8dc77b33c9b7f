#pragma once

#include <QFont>
#include <QIcon>
#include <QLineEdit>
#include <QString>
#include <QWidget>
#include <utility>

class QGroupBox;
class QLabel;

// Building windows from their stored definitions: positions and sizes in
// twips, tab indexes, fonts, and the program's pictures.
namespace varnock::ui {

// Left, top, width, height in twips, relative to the container.
struct Twips {
  int left, top, width, height;
};

void Place(QWidget* control, Twips at);

// Makes a control inside `parent` with its name and place.
template <class Control, class... Args>
Control* Make(QWidget* parent, const char* name, Twips at, Args&&... args) {
  auto* control = new Control(std::forward<Args>(args)..., parent);
  control->setObjectName(QString::fromUtf8(name));
  Place(control, at);
  return control;
}

// A frame (group box) inside `parent`, drawn as lines on screen and on paper.
QGroupBox* MakeFrame(QWidget* parent, const char* name, Twips at, const QString& title = {});
// Where its outline runs: below the title, in the frame's own coordinates.
QRectF FrameOutline(const QGroupBox* frame);

// Keyboard order: controls given a tab index are chained lowest first.
void SetTabIndex(QWidget* control, int index);
void ApplyTabOrder(QWidget* window);

// Makes a label size itself to its text, now and on every caption write.
void AutoSize(QLabel* label);
void FitToText(QLabel* label);

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

// A key pressed with Alt or Ctrl held never types into the box; the box's
// own shortcuts (copy, paste, select all, ...) still work.
void TypeOnlyUnmodifiedKeys(QLineEdit* box);

// The default dialog font, and Arial at a size for the windows that ask for it.
QFont DialogFont();
QFont Arial(double points, bool bold);

QIcon AppIcon();
// The logo, stretched to the control, from the rendering that suits the
// screen's scale, so that it stays sharp.
QWidget* MakeLogo(QWidget* parent, const char* name, Twips at);

// Windows centred on the screen or on another window.
void CentreOnScreen(QWidget* window);
void CentreOn(QWidget* window, const QWidget* owner);

}  // namespace varnock::ui
