#include "Layout.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <limits>
#include <vector>

#include "Look.h"
#include "TextBoxes.h"

namespace varnock::ui {
namespace {

constexpr const char* kTabIndex = "tabIndex";
constexpr const char* kAutoSize = "autoSize";

// A group of option buttons is one Tab stop, at its selected button. Qt gives
// the stop to the button that last had the focus, and settles it only once a
// button of the group has had it; this keeps it at the selected one, however
// the selection was made.
class OneStopPerGroup : public QObject {
 public:
  using QObject::QObject;

  static void Settle(const QWidget* group) {
    for (QRadioButton* option : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
      if (!option->autoExclusive()) continue;
      const int policy = option->focusPolicy();
      option->setFocusPolicy(Qt::FocusPolicy(option->isChecked() ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
    }
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut) Settle(static_cast<QWidget*>(watched)->parentWidget());
    return false;
  }
};

}  // namespace

void Dialog::reject() {
  if (cancelButton != nullptr) cancelButton->click();
}

void Place(QWidget* control, Twips at) { control->setGeometry(Px(at.left), Px(at.top), Px(at.width), Px(at.height)); }

void SetUpWindow(QWidget* window, const char* name, const QString& title, Qt::WindowFlags flags) {
  UseProgramStyle();
  window->setObjectName(QString::fromUtf8(name));
  if (!title.isEmpty()) window->setWindowTitle(title);
  window->setWindowFlags(flags);
  // A window without a title bar shows no icon (the splash window has no
  // taskbar entry either): decoding one would only cost time and memory.
  if (!(flags & Qt::FramelessWindowHint)) window->setWindowIcon(AppIcon());
  window->setFont(DialogFont());
}

QLabel* MakeLabel(QWidget* parent, const char* name, Twips at, const char* caption, const LabelLook& look) {
  auto* label = Make<QLabel>(parent, name, at, QString::fromUtf8(caption));
  if (look.font) label->setFont(Arial(look.font->points, look.font->bold));
  label->setAlignment(look.alignment);
  label->setWordWrap(look.wordWrap);
  label->setProperty(kAutoSize, look.autoSize);
  FitToText(label);
  return label;
}

namespace {

// A single-line box without a length limit (Qt's default cuts at 32767).
template <class Box>
Box* MakeBox(QWidget* parent, const ControlDef& def) {
  auto* box = Make<Box>(parent, def.name, def.at);
  box->setMaxLength(std::numeric_limits<int>::max());
  return box;
}

QObject* MakeControl(QWidget* parent, const ControlDef& def) {
  const QString caption = QString::fromUtf8(def.caption);
  switch (def.kind) {
    case Kind::Frame:
      return Make<QGroupBox>(parent, def.name, def.at, caption);
    case Kind::Option: {
      auto* option = Make<QRadioButton>(parent, def.name, def.at, caption);
      option->setChecked(def.selected);
      return option;
    }
    case Kind::Entry: {
      auto* box = MakeBox<QLineEdit>(parent, def);
      box->setText(caption);
      TypeOnlyUnmodifiedKeys(box);
      return box;
    }
    case Kind::Notes: {
      auto* box = Make<QPlainTextEdit>(parent, def.name, def.at, caption);
      box->setTabChangesFocus(true);  // Tab leaves the box, as in any other
      return box;
    }
    case Kind::Result:
      return MakeBox<ResultBox>(parent, def);
    case Kind::Label:
      return MakeLabel(parent, def.name, def.at, def.caption, def.look);
    case Kind::Button: {
      auto* button = Make<QPushButton>(parent, def.name, def.at, caption);
      button->setDefault(def.isDefault);
      button->setAutoDefault(true);
      return button;
    }
    case Kind::Logo:
      return MakeLogo(parent, def.name, def.at);
    case Kind::Line: {
      auto* line = Make<QFrame>(parent, def.name, def.at);
      line->setFrameShape(QFrame::HLine);
      line->setFrameShadow(QFrame::Plain);
      return line;
    }
    case Kind::Timer: {
      auto* timer = new QTimer(parent);
      timer->setObjectName(QString::fromUtf8(def.name));
      timer->setInterval(def.interval);
      // Qt's default coarse timer may fire up to 5% early; a stored interval is a least.
      timer->setTimerType(Qt::PreciseTimer);
      return timer;
    }
  }
  return nullptr;
}

}  // namespace

Controls BuildControls(QWidget* client, std::span<const ControlDef> table) {
  Controls made;
  for (const ControlDef& def : table) {
    QWidget* parent = def.inside == nullptr ? client : made.Get(def.inside);
    QObject* control = MakeControl(parent, def);
    if (auto* widget = qobject_cast<QWidget*>(control)) {
      widget->setEnabled(def.enabled);
      if (def.tabIndex) SetTabIndex(widget, *def.tabIndex);
      if (def.spokenName != nullptr) widget->setAccessibleName(QString::fromUtf8(def.spokenName));
    }
    made.Add(control);
  }
  ApplyTabOrder(client->window());
  return made;
}

void FitToText(QLabel* label) {
  if (!label->property(kAutoSize).toBool()) return;
  const QRect before = label->geometry();
  label->adjustSize();
  // A right-aligned label grows to the left, keeping its text where it ends.
  if (label->alignment() & Qt::AlignRight) label->move(before.right() + 1 - label->width(), before.top());
}

void SetTabIndex(QWidget* control, int index) { control->setProperty(kTabIndex, index); }

void ApplyTabOrder(QWidget* window) {
  for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
    option->installEventFilter(new OneStopPerGroup(option));
    QObject::connect(option, &QRadioButton::toggled, option,
                     [option] { OneStopPerGroup::Settle(option->parentWidget()); });
    OneStopPerGroup::Settle(option->parentWidget());
  }
  std::vector<QWidget*> chain;
  for (QWidget* control : window->findChildren<QWidget*>()) {
    if (control->property(kTabIndex).isValid() && control->focusPolicy() != Qt::NoFocus) chain.push_back(control);
  }
  std::stable_sort(chain.begin(), chain.end(), [](const QWidget* a, const QWidget* b) {
    return a->property(kTabIndex).toInt() < b->property(kTabIndex).toInt();
  });
  for (std::size_t i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
  // The focus starts on the lowest tab index that can take it.
  for (QWidget* control : chain) {
    if (!control->isEnabled()) continue;
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
      FocusWithTextSelected(box);
    } else {
      control->setFocus();
    }
    break;
  }
}

}  // namespace varnock::ui
