#pragma once

#include <QFont>
#include <QIcon>
#include <QString>
#include <QWidget>
#include <utility>

class QGroupBox;
class QLabel;
class QLineEdit;

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

// Keyboard order: controls given a tab index are chained lowest first.
void SetTabIndex(QWidget* control, int index);
void ApplyTabOrder(QWidget* window);

// Makes a label size itself to its text, now and on every caption write.
void AutoSize(QLabel* label);
void FitToText(QLabel* label);

// A box that stays disabled, so that it neither takes the focus nor edits,
// shows its text as readable as a typed one, in any platform palette.
void KeepTextReadable(QLineEdit* box);
// A text wider than its box is also the box's tool tip, to be read whole.
void TipWhenClipped(QLineEdit* box);

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
