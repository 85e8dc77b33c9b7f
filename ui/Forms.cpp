#include "Forms.h"

#include <QApplication>
#include <QTimer>
#include <utility>
#include <vector>

#include "Handlers.h"

namespace varnock::ui {
namespace {

std::vector<Form*> loaded;  // in the order they were loaded
int runningHandlers = 0;
bool running = false;  // RunApplication's event loop is running

// Only the application's own loop is ended: Qt remembers an exit() called
// outside any loop and would end the next one at once.
void EndProcessIfNoWindow() {
  if (running && loaded.empty() && runningHandlers == 0) QCoreApplication::exit(0);
}

}  // namespace

Form::~Form() { delete window_; }

void Form::Load() {
  if (IsLoaded()) return;
  window_ = Build().release();
  window_->installEventFilter(this);
  loaded.push_back(this);
  Form_Load();
}

void Form::Show() {
  Load();
  QWidget* window = window_;
  window->show();
  if (window_ != window) return;  // showing let events in, and one of them unloaded it
  window->raise();
  window->activateWindow();
}

void Form::ShowOn(const QWidget* owner) {
  owner_ = owner;
  Show();
}

void Form::Unload() {
  if (!IsLoaded()) return;
  QWidget* window = std::exchange(window_, nullptr);
  std::erase(loaded, this);
  Unloaded();
  window->removeEventFilter(this);
  // Its controls raise no more events: hiding moves the focus out of a box,
  // and the box's handler would run on a window whose controls are gone.
  for (QObject* control : window->findChildren<QObject*>()) control->blockSignals(true);
  for (QTimer* timer : window->findChildren<QTimer*>()) timer->stop();
  window->hide();
  // Deferred: the handler that unloads may be running inside a signal of
  // one of this window's own controls.
  window->deleteLater();
  EndProcessIfNoWindow();
}

void Form::Close() {
  if (CanClose()) Unload();
}

bool Form::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Close) {
    // The close box unloads the window, as "Exit" does, once it may close:
    // Qt itself never hides it.
    event->ignore();
    RunHandler([this] { Close(); });
    return true;
  }
  return false;
}

namespace {
// A function's own static: the units list their kinds before main, in no set order.
std::vector<Form& (*)()>& Kinds() {
  static std::vector<Form& (*)()> kinds;
  return kinds;
}
}  // namespace

void ListForm(Form& (*instance)()) { Kinds().push_back(instance); }

std::vector<Form*> AllForms() {
  std::vector<Form*> forms;
  for (const auto instance : Kinds()) forms.push_back(&instance());
  return forms;
}

bool AnyWindowLoaded() { return !loaded.empty(); }

std::vector<Form*> LoadedForms() { return loaded; }

HandlerRunning::HandlerRunning() { ++runningHandlers; }

HandlerRunning::~HandlerRunning() {
  --runningHandlers;
  EndProcessIfNoWindow();
}

int RunApplication(Form& startup) {
  QApplication::setQuitOnLastWindowClosed(false);  // the process ends by our own rule
  RunHandler([&startup] { startup.Show(); });
  if (!AnyWindowLoaded()) return 0;
  running = true;
  const int status = QApplication::exec();
  running = false;
  return status;
}

}  // namespace varnock::ui
