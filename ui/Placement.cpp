#include "Placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace varnock::ui {
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

void CentreOn(QWidget* window, const QWidget* owner) {
  if (owner == nullptr) return CentreOnScreen(window);
  CentreAt(window, owner->frameGeometry().center());
}

}  // namespace varnock::ui
