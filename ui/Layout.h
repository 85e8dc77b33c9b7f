#pragma once

#include <QDialog>
#include <QHash>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>
#include <span>
#include <utility>

#include "Twips.h"

class QLabel;

// Building windows from their stored definitions: the window itself, its
// controls' places and sizes in twips, its labels, and its keyboard order.
namespace varnock::ui {

void Place(QWidget* control, Twips at);

// Makes a control inside `parent` with its name and place.
template <class Control, class... Args>
Control* Make(QWidget* parent, const char* name, Twips at, Args&&... args) {
  auto* control = new Control(std::forward<Args>(args)..., parent);
  control->setObjectName(QString::fromUtf8(name));
  Place(control, at);
  return control;
}

// Gives a window its name, title, frame, the program's icon and the dialog font.
void SetUpWindow(QWidget* window, const char* name, const QString& title, Qt::WindowFlags flags);

// A dialog of a fixed size with a title bar and a close box only.
constexpr Qt::WindowFlags kFixedDialog = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Makes a window, set up as SetUpWindow does.
template <class Window>
std::unique_ptr<Window> MakeWindow(const char* name, const QString& title, Qt::WindowFlags flags) {
  auto window = std::make_unique<Window>();
  SetUpWindow(window.get(), name, title, flags);
  return window;
}

// A dialog window whose Esc presses its cancel button, as a click would: the
// window closes through that button's handler.
class Dialog : public QDialog {
 public:
  QPushButton* cancelButton = nullptr;

 protected:
  void reject() override;
};

// An Arial font a control stores, in points.
struct FontDef {
  double points;
  bool bold = false;
};

// How a label looks beyond its place: the window's font unless given, top
// left unless aligned otherwise, and, self-sizing, fitted to its caption now
// and on every caption write (a right-aligned one keeps its right edge).
struct LabelLook {
  std::optional<FontDef> font = std::nullopt;
  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
  bool autoSize = false;
  bool wordWrap = false;
};
QLabel* MakeLabel(QWidget* parent, const char* name, Twips at, const char* caption, const LabelLook& look = {});

// One control of a window's stored definition. The table of a window lists
// them in the order they are made: a container before what it holds, and a
// control made later stands in front of one made earlier.
enum class Kind { Frame, Option, Entry, Notes, Result, Label, Button, Logo, Line, Timer };
struct ControlDef {
  const char* name;
  Kind kind;
  const char* inside = nullptr;  // the container's name; none: the window's client area
  Twips at = {};
  const char* caption = "";  // a caption, a frame's title, or an entry's text (Notes: text of several lines)
  std::optional<int> tabIndex = std::nullopt;
  LabelLook look = {};               // labels
  const char* spokenName = nullptr;  // what a screen reader calls it, where its caption does not say
  bool enabled = true;
  bool selected = false;   // option buttons
  bool isDefault = false;  // buttons: pressed by Enter anywhere in the window; others by Enter when focused
  int interval = 0;        // timers, in milliseconds
};

// The controls made from a window's table, found by name.
class Controls {
 public:
  // A name the table does not hold, or a control of another kind, is a slip
  // in the window's code: it stops the program at once, naming the control.
  template <class T = QWidget>
  T* Get(const char* name) const {
    T* control = qobject_cast<T*>(made_.value(QString::fromUtf8(name)));
    if (control == nullptr) qFatal("the window has no control %s of the kind asked for", name);
    return control;
  }
  void Add(QObject* control) { made_.insert(control->objectName(), control); }

 private:
  QHash<QString, QObject*> made_;
};

// Makes every control of a table inside the window's client area, then
// chains the keyboard order by tab index.
Controls BuildControls(QWidget* client, std::span<const ControlDef> table);

// Fits a self-sizing label to its caption; other labels keep their size.
void FitToText(QLabel* label);

// Keyboard order: controls given a tab index are chained lowest first, and the
// one lowest that can take the focus has it.
void SetTabIndex(QWidget* control, int index);
void ApplyTabOrder(QWidget* window);

}  // namespace varnock::ui
