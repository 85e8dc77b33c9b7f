#include "Controls.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <algorithm>
#include <vector>

#include "WindowServices.h"

namespace varnock::ui {
namespace {

constexpr const char* kTabIndex = "tabIndex";
constexpr const char* kAutoSize = "autoSize";

class Logo : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), Rendering(width() * devicePixelRatioF()));
  }

 private:
  // The smallest rendering at least as wide as the control in device pixels;
  // named by percent, they are listed smallest first.
  static QPixmap Rendering(double deviceWidth) {
    QPixmap pixmap;
    for (const QString& name : QDir(QStringLiteral(":/art")).entryList({QStringLiteral("logo-*.png")})) {
      pixmap.load(QStringLiteral(":/art/") + name);
      if (pixmap.width() >= deviceWidth) break;
    }
    return pixmap;
  }
};

// The platform style, but a group frame drawn as lines rather than from the
// style's small bitmap, which a printed page would show blurred.
class FrameStyle : public QProxyStyle {
 public:
  FrameStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element != PE_FrameGroupBox) return QProxyStyle::drawPrimitive(element, option, painter, widget);
    const auto* frame = qobject_cast<const QGroupBox*>(widget);
    if (frame == nullptr) return QProxyStyle::drawPrimitive(element, option, painter, widget);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QColor(117, 117, 117, 50));
    painter->setBrush(QColor(0, 0, 0, 3));
    painter->drawRoundedRect(FrameOutline(frame), 2, 2);
    painter->restore();
  }
};

}  // namespace

QRectF FrameOutline(const QGroupBox* frame) {
  const int titleHeight = frame->title().isEmpty() ? 0
                                                   : std::max(frame->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
                                                              frame->fontMetrics().height());
  return QRectF(frame->rect().adjusted(0, titleHeight + 3, 0, 0)).adjusted(1.5, 1.5, -1.5, -1.5);
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, Twips at, const QString& title) {
  static FrameStyle* const style = new FrameStyle;
  auto* frame = Make<QGroupBox>(parent, name, at, title);
  frame->setStyle(style);
  return frame;
}

ResultBox::ResultBox(QWidget* parent) : QLineEdit(parent) {
  setEnabled(false);
  setContextMenuPolicy(Qt::CustomContextMenu);
  connect(this, &QLineEdit::textChanged, this, &ResultBox::Describe);
  ApplyLook();
}

void ResultBox::SetOutOfDate(const QString& reason) {
  if (reason == outOfDate_) return;
  outOfDate_ = reason;
  ApplyLook();
  Describe();
}

bool ResultBox::event(QEvent* event) {
  if (event->type() == QEvent::ApplicationPaletteChange) ApplyLook();
  if (event->type() == QEvent::ContextMenu) {
    emit customContextMenuRequested(static_cast<QContextMenuEvent*>(event)->pos());
    return true;
  }
  return QLineEdit::event(event);
}

void ResultBox::paintEvent(QPaintEvent* event) {
  const QString shown = FittingText(this);
  if (shown == text()) return QLineEdit::paintEvent(event);
  QPainter painter(this);
  QStyleOptionFrame panel;
  initStyleOption(&panel);
  style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
  painter.setPen(palette().color(QPalette::Text));
  painter.drawText(TextRoom(this), Qt::AlignLeft | Qt::AlignVCenter, shown);
}

// The disabled grey is too faint to read a result by: the text takes the
// palette's ordinary colour, or, out of date, one halfway to the background
// (opaque, so that a printer draws it as it is).
void ResultBox::ApplyLook() {
  const QPalette platform = QApplication::palette(this);
  QColor text = platform.color(QPalette::Active, QPalette::Text);
  if (IsOutOfDate()) {
    const QColor base = platform.color(QPalette::Active, QPalette::Base);
    text = QColor((text.red() + base.red()) / 2, (text.green() + base.green()) / 2, (text.blue() + base.blue()) / 2);
  }
  QPalette palette = this->palette();
  palette.setColor(QPalette::Disabled, QPalette::Text, text);
  setPalette(palette);
  QFont font = this->font();
  font.setStrikeOut(IsOutOfDate());
  setFont(font);
}

void ResultBox::Describe() {
  QStringList tip;
  if (FittingText(this) != text()) tip << text();
  if (IsOutOfDate()) tip << outOfDate_;
  setToolTip(tip.join('\n'));
  setAccessibleDescription(outOfDate_);
}

// As QLineEdit lays its text out: its contents less its own margins.
QRect TextRoom(const QLineEdit* box) {
  QStyleOptionFrame frame;
  frame.initFrom(box);
  frame.rect = box->contentsRect();
  frame.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, box) : 0;
  frame.state |= QStyle::State_Sunken;
  const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &frame, box);
  return contents.marginsRemoved(box->textMargins()).adjusted(2, 1, -2, -1);
}

QString FittingText(const QLineEdit* box) {
  return box->fontMetrics().elidedText(box->text(), Qt::ElideRight, TextRoom(box).width());
}

namespace {

// Sends a key pressed with Alt or Ctrl on without its text: the box still
// sees the key for its shortcuts but has nothing to type.
class UnmodifiedTyping : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->text().isEmpty() || !(key->modifiers() & (Qt::AltModifier | Qt::ControlModifier))) return false;
    QKeyEvent textless(key->type(), key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                       key->nativeModifiers(), QString(), key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(watched, &textless);
    event->setAccepted(textless.isAccepted());  // not taken: it goes on to the window
    return true;
  }
};

}  // namespace

void TypeOnlyUnmodifiedKeys(QLineEdit* box) { box->installEventFilter(new UnmodifiedTyping(box)); }

void Place(QWidget* control, Twips at) {
  control->setGeometry(Px(at.left), Px(at.top), Px(at.width), Px(at.height));
}

void SetTabIndex(QWidget* control, int index) { control->setProperty(kTabIndex, index); }

namespace {

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

void ApplyTabOrder(QWidget* window) {
  for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
    option->installEventFilter(new OneStopPerGroup(option));
    QObject::connect(option, &QRadioButton::toggled, option, [option] { OneStopPerGroup::Settle(option->parentWidget()); });
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
    if (control->isEnabled()) {
      control->setFocus();
      break;
    }
  }
}

void AutoSize(QLabel* label) {
  label->setProperty(kAutoSize, true);
  FitToText(label);
}

void FitToText(QLabel* label) {
  if (!label->property(kAutoSize).toBool()) return;
  const QRect before = label->geometry();
  label->adjustSize();
  // A right-aligned label grows to the left, keeping its text where it ends.
  if (label->alignment() & Qt::AlignRight) label->move(before.right() + 1 - label->width(), before.top());
}

// 7.5 pt: the largest size at which every stored caption fits its control.
QFont DialogFont() { return Arial(7.5, false); }

QFont Arial(double points, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QIcon AppIcon() {
  QIcon icon;
  for (const QString& name : QDir(QStringLiteral(":/art")).entryList({QStringLiteral("icon-*.png")})) {
    icon.addFile(QStringLiteral(":/art/") + name);
  }
  return icon;
}

QWidget* MakeLogo(QWidget* parent, const char* name, Twips at) { return Make<Logo>(parent, name, at); }

namespace {

// Before a window is shown only its client area's size is known; once the
// window manager has framed it, the whole frame, title bar included, is
// centred on the same point.
class CentreWhenFramed : public QObject {
 public:
  CentreWhenFramed(QWidget* window, QPoint centre) : QObject(window), centre_(centre) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* window = static_cast<QWidget*>(watched);
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        window->frameGeometry().size() != window->size()) {
      window->removeEventFilter(this);
      deleteLater();
      QRect frame = window->frameGeometry();
      frame.moveCenter(centre_);
      window->move(frame.topLeft());
    }
    return false;
  }

 private:
  QPoint centre_;
};

void CentreAt(QWidget* window, QPoint centre) {
  QRect client(QPoint(), window->size());
  client.moveCenter(centre);
  window->move(client.topLeft());
  window->installEventFilter(new CentreWhenFramed(window, centre));
}

}  // namespace

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) CentreAt(window, screen->availableGeometry().center());
}

void CentreOn(QWidget* window, const QWidget* owner) { CentreAt(window, owner->frameGeometry().center()); }

}  // namespace varnock::ui
