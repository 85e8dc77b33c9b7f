#include "Look.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <algorithm>

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
  for (const QString& path : Renderings(QLatin1StringView("icon-"))) icon.addFile(path);
  return icon;
}

QWidget* MakeLogo(QWidget* parent, const char* name, Twips at) { return Make<Logo>(parent, name, at); }

QGroupBox* MakeFrame(QWidget* parent, const char* name, Twips at, const QString& title) {
  static FrameStyle* const style = new FrameStyle;
  auto* frame = Make<QGroupBox>(parent, name, at, title);
  frame->setStyle(style);
  return frame;
}

QRectF FrameOutline(const QGroupBox* frame) {
  const int titleHeight =
      frame->title().isEmpty()
          ? 0
          : std::max(frame->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight), frame->fontMetrics().height());
  return QRectF(frame->rect().adjusted(0, titleHeight + 3, 0, 0)).adjusted(1.5, 1.5, -1.5, -1.5);
}

}  // namespace varnock::ui
