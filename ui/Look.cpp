#include "Look.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QImageReader>
#include <QMenu>  // IWYU pragma: keep
#include <QMenuBar>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

#include "Layout.h"

namespace varnock::ui {
namespace {

// The renderings of one picture in name order (the logo's, named by percent,
// smallest first). Picked by name rather than by a wildcard filter, which
// would load the regular-expression library at start-up for nothing else.
QStringList Renderings(QLatin1StringView picture) {
  QStringList paths;
  for (const QString& name : QDir(QStringLiteral(":/art")).entryList(QDir::Files, QDir::Name)) {
    if (name.startsWith(picture)) paths << QStringLiteral(":/art/") + name;
  }
  return paths;
}

// A rendering decoded as the PNG it is: with its format named and detection
// off, Qt does not load every image plugin to ask it first, which would delay
// the splash window's first paint.
QPixmap Decoded(const QString& path) {
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

// An option button's circle whose outline stands out from the window at
// least 3:1 in any palette (the platform's own reaches 1.2:1 under a dark
// theme, 2.2:1 under a light one), and the selected one's dot in the text's
// colour on the box's.
void DrawOptionCircle(const QStyleOption& option, QPainter& painter) {
  const QPalette& palette = option.palette;
  const QColor background = palette.color(QPalette::Window), text = palette.color(QPalette::WindowText);
  QColor edge((2 * text.red() + background.red()) / 3, (2 * text.green() + background.green()) / 3,
              (2 * text.blue() + background.blue()) / 3);
  if (Contrast(edge, background) < 4) edge = text;  // its antialiased edge still above 3
  // On whole pixels and a half, so that the line is sharp.
  const int side = std::min(option.rect.width(), option.rect.height()) - 1;
  const int left = option.rect.x() + (option.rect.width() - side - 1) / 2;
  const int top = option.rect.y() + (option.rect.height() - side - 1) / 2;
  const QRectF circle(left + 0.5, top + 0.5, side, side);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(edge, 1));
  painter.setBrush(palette.color(QPalette::Base));
  painter.drawEllipse(circle);
  if (option.state & QStyle::State_On) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.color(QPalette::Text));
    painter.drawEllipse(circle.center(), side / 4.0, side / 4.0);
  }
  painter.restore();
}

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
  // The smallest rendering at least as wide as the control in device pixels.
  static QPixmap Rendering(double deviceWidth) {
    QPixmap pixmap;
    for (const QString& path : Renderings(QLatin1StringView("logo-"))) {
      pixmap = Decoded(path);
      if (pixmap.width() >= deviceWidth) break;
    }
    return pixmap;
  }
};

// The platform style with three changes. A group frame is drawn as lines rather
// than from the style's small bitmap, which a printed page would show blurred.
// An option button's circle is drawn to be seen in any palette.
// The menu bar's extension button (shown only when the menus do not fit) gets
// its icon read as the PNG it is: the style's own way asks every image plugin
// first, and loading them all at start-up cost a fifth of a megabyte.
class Style : public QProxyStyle {
 public:
  Style() : QProxyStyle(QApplication::style()->name()) {}

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
    if (element == PE_IndicatorRadioButton) return DrawOptionCircle(*option, *painter);
    const auto* frame = qobject_cast<const QGroupBox*>(widget);
    if (element != PE_FrameGroupBox || frame == nullptr)
      return QProxyStyle::drawPrimitive(element, option, painter, widget);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QColor(117, 117, 117, 50));
    painter->setBrush(QColor(0, 0, 0, 3));
    painter->drawRoundedRect(FrameOutline(frame), 2, 2);
    painter->restore();
  }

  QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
    if (icon != SP_ToolBarHorizontalExtensionButton) return QProxyStyle::standardIcon(icon, option, widget);
    const bool rightToLeft =
        (option != nullptr ? option->direction : QGuiApplication::layoutDirection()) == Qt::RightToLeft;
    QIcon arrows;
    for (const char* size : {"8", "16", "32"}) {
      arrows.addPixmap(Decoded(QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1%2.png")
                                   .arg(rightToLeft ? "rtl-" : "", size)));
    }
    return arrows;
  }
};

}  // namespace

// 7.5 pt: the largest size at which every stored caption fits its control.
QFont DialogFont() { return Arial(7.5, false); }

QFont Arial(double points, bool bold) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

double Contrast(QColor a, QColor b) {
  auto luminance = [](QColor c) {
    auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  };
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QIcon AppIcon() {
  QIcon icon;
  for (const QString& path : Renderings(QLatin1StringView("icon-"))) icon.addPixmap(Decoded(path));
  return icon;
}

QWidget* MakeLogo(QWidget* parent, const char* name, Twips at) { return Make<Logo>(parent, name, at); }

void UsePlatformMenuFont([[maybe_unused]] QMenuBar* bar) {
#ifdef Q_OS_WIN
  bar->setFont(QApplication::font("QMenuBar"));
  for (QMenu* menu : bar->findChildren<QMenu*>()) menu->setFont(QApplication::font("QMenu"));
#endif
}

void UseProgramStyle() {
  if (dynamic_cast<const Style*>(QApplication::style()) == nullptr) QApplication::setStyle(new Style);
}

QRectF FrameOutline(const QGroupBox* frame) {
  const int titleHeight =
      frame->title().isEmpty()
          ? 0
          : std::max(frame->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight), frame->fontMetrics().height());
  return QRectF(frame->rect().adjusted(0, titleHeight + 3, 0, 0)).adjusted(1.5, 1.5, -1.5, -1.5);
}

}  // namespace varnock::ui
