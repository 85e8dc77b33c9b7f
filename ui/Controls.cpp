#include "Controls.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
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

// Keeps a disabled box's text in the palette's ordinary text colour, also
// after the platform palette changes: the disabled grey is too faint to read
// a result by.
class ReadableText : public QObject {
 public:
  using QObject::QObject;
  static void Apply(QWidget* box) {
    QPalette palette = box->palette();
    const QColor text = QApplication::palette(box).color(QPalette::Active, QPalette::Text);
    palette.setColor(QPalette::Disabled, QPalette::Text, text);
    box->setPalette(palette);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ApplicationPaletteChange) Apply(static_cast<QWidget*>(watched));
    return false;
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
    const int titleHeight = frame != nullptr && frame->title().isEmpty()
                                ? 0
                                : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height());
    const QRectF edge = QRectF(option->rect.adjusted(0, titleHeight + 3, 0, 0)).adjusted(1.5, 1.5, -1.5, -1.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QColor(117, 117, 117, 50));
    painter->setBrush(QColor(0, 0, 0, 3));
    painter->drawRoundedRect(edge, 2, 2);
    painter->restore();
  }
};

}  // namespace

QGroupBox* MakeFrame(QWidget* parent, const char* name, Twips at, const QString& title) {
  static FrameStyle* const style = new FrameStyle;
  auto* frame = Make<QGroupBox>(parent, name, at, title);
  frame->setStyle(style);
  return frame;
}

void KeepTextReadable(QLineEdit* box) {
  ReadableText::Apply(box);
  box->installEventFilter(new ReadableText(box));
}

void TipWhenClipped(QLineEdit* box) {
  const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
  const int room = box->width() - 2 * (frame + 2);  // 2: the line edit's own inner margin
  box->setToolTip(box->fontMetrics().horizontalAdvance(box->text()) > room ? box->text() : QString());
}

void Place(QWidget* control, Twips at) {
  control->setGeometry(Px(at.left), Px(at.top), Px(at.width), Px(at.height));
}

void SetTabIndex(QWidget* control, int index) { control->setProperty(kTabIndex, index); }

void ApplyTabOrder(QWidget* window) {
  // A group of option buttons is one stop, at its selected button. Qt settles
  // this only once a button of the group has had the focus, so Shift+Tab at
  // start would land on the last, unselected one.
  for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
    if (option->autoExclusive() && !option->isChecked()) {
      option->setFocusPolicy(Qt::FocusPolicy(option->focusPolicy() & ~Qt::TabFocus));
    }
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
