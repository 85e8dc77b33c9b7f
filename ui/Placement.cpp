#include "Placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace varnock::ui {
namespace {

// A window's frame centred on a point, then moved the least needed to lie
// wholly within the available area of the screen that point is on.
QPoint Centred(QSize frame, QPoint centre) {
  QRect place(QPoint(), frame);
  place.moveCenter(centre);
  const QScreen* screen = QGuiApplication::screenAt(centre);
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return place.topLeft();
  const QRect room = screen->availableGeometry();
  place.moveLeft(std::max(room.left(), std::min(place.left(), room.right() + 1 - place.width())));
  place.moveTop(std::max(room.top(), std::min(place.top(), room.bottom() + 1 - place.height())));
  return place.topLeft();
}

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
      window->move(Centred(window->frameGeometry().size(), centre_));
    }
    return false;
  }

 private:
  QPoint centre_;
};

void CentreAt(QWidget* window, QPoint centre) {
  window->move(Centred(window->size(), centre));
  window->installEventFilter(new CentreWhenFramed(window, centre));
}

}  // namespace

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen != nullptr) CentreAt(window, screen->availableGeometry().center());
}

void CentreOn(QWidget* window, const QWidget* owner) {
  if (owner == nullptr) return CentreOnScreen(window);
  CentreAt(window, owner->frameGeometry().center());
}

}  // namespace varnock::ui
