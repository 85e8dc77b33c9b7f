#include "TextBoxes.h"

#include <QApplication>
#include <QContextMenuEvent>  // IWYU pragma: keep
#include <QKeyEvent>          // IWYU pragma: keep
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>

#include "Layout.h"
#include "Look.h"

namespace varnock::ui {
namespace {

// The label QToolTip shows, found by the name Qt gives it.
QWidget* FindToolTip() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == QLatin1String("qtooltip_label") && window->isVisible()) return window;
  }
  return nullptr;
}

// A tip's text in black or white when its own would not read on its
// background: Wine's theme, through the platform style, gives grey on white.
void KeepReadable(QWidget* tip) {
  if (tip == nullptr) return;
  QPalette palette = tip->palette();
  const QColor text = palette.color(QPalette::ToolTipText), base = palette.color(QPalette::ToolTipBase);
  if (Contrast(text, base) >= 4.5) return;
  palette.setColor(QPalette::ToolTipText,
                   Contrast(Qt::black, base) > Contrast(Qt::white, base) ? Qt::black : Qt::white);
  tip->setPalette(palette);
}

}  // namespace

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

void SetText(QLineEdit* box, std::string_view text) {
  box->setText(QString::fromUtf8(text));
  // A write leaves the caret at the end, so a box narrower than its text would
  // show the tail: 1612282.6716 read as 12282.6716. Show the most significant
  // digits first, unless the user is typing in the box. The window's focus
  // widget, not hasFocus(): while the window is inactive the box has no
  // focus, yet the user's caret is still in it.
  if (box->window()->focusWidget() != box) box->home(false);
}

void SetCaption(QLabel* label, std::string_view text) {
  label->setText(QString::fromUtf8(text));
  FitToText(label);
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
  // A desktop switched to dark or light reaches the box as a change of its
  // palette: its text colour is worked out again from the new one.
  if (event->type() == QEvent::PaletteChange) ApplyLook();
  if (event->type() == QEvent::ToolTip && !toolTip().isEmpty()) {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), toolTip(), this);
    KeepReadable(FindToolTip());
    return true;
  }
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
  // Only this colour is the box's own: every other follows the platform's
  // palette. Setting it raises a palette change of its own, which then finds
  // the colour in place.
  if (palette().color(QPalette::Disabled, QPalette::Text) != text) {
    QPalette own;
    own.setColor(QPalette::Disabled, QPalette::Text, text);
    setPalette(own);
  }
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

void FocusWithTextSelected(QLineEdit* box) {
  box->setFocus(Qt::OtherFocusReason);
  box->selectAll();
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

class KeypadPoint : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const bool decimalKey = key->key() == Qt::Key_Comma || key->key() == Qt::Key_Period;
    if (!(key->modifiers() & Qt::KeypadModifier) || !decimalKey || key->text() == QLatin1String(".")) return false;
    QKeyEvent point(key->type(), Qt::Key_Period, key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                    key->nativeModifiers(), QStringLiteral("."), key->isAutoRepeat(), key->count());
    QCoreApplication::sendEvent(watched, &point);
    event->setAccepted(point.isAccepted());
    return true;
  }
};

}  // namespace

void TypeOnlyUnmodifiedKeys(QLineEdit* box) { box->installEventFilter(new UnmodifiedTyping(box)); }

void TypePointOnKeypadDecimal(QLineEdit* box) { box->installEventFilter(new KeypadPoint(box)); }

}  // namespace varnock::ui
