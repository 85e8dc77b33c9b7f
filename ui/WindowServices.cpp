#include "WindowServices.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "AppIdentity.h"
#include "Controls.h"
#include "Failure.h"
#include "NumberText.h"

namespace varnock::ui {
namespace {

int loadedWindows = 0;
int runningHandlers = 0;
bool running = false;  // RunApplication's event loop is running
MessagePresenter presenter;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void PresentInBox(const QString& text, MessageKind kind) {
  QMessageBox box(kind == MessageKind::FailureReport ? QMessageBox::Critical : QMessageBox::NoIcon,
                  AppTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);  // a quoted entry such as "<b>5" is shown as typed, never as markup
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

// Only the application's own loop is ended: Qt remembers an exit() called
// outside any loop and would end the next one at once.
void EndProcessIfNoWindow() {
  if (running && loadedWindows == 0 && runningHandlers == 0) QCoreApplication::exit(0);
}

}  // namespace

QString AppTitle() { return QString::fromUtf8(identity::kTitle); }
std::int16_t AppMajor() { return identity::kMajor; }
std::int16_t AppMinor() { return identity::kMinor; }
std::int16_t AppRevision() { return identity::kRevision; }

std::string VersionText() {
  return "Version " + IntegerToText(AppMajor()) + "." + IntegerToText(AppMinor()) + "." +
         IntegerToText(AppRevision());
}

Form::~Form() { delete window_; }

void Form::Load() {
  if (IsLoaded()) return;
  window_ = Build().release();
  window_->installEventFilter(this);
  ++loadedWindows;
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

void Form::Unload() {
  if (!IsLoaded()) return;
  QWidget* window = std::exchange(window_, nullptr);
  --loadedWindows;
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

bool Form::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Close) {
    // The close box unloads the window, as "Exit" does.
    event->accept();
    RunHandler([this] { Unload(); });
    return true;
  }
  return false;
}

bool AnyWindowLoaded() { return loadedWindows > 0; }

void RunHandler(const std::function<void()>& handler) {
  ++runningHandlers;
  try {
    handler();
  } catch (const Failure& failure) {
    ShowMessage(failure.Report(), MessageKind::FailureReport);
  } catch (const std::exception& error) {
    ShowMessage(std::string("Unexpected error: ") + error.what(), MessageKind::FailureReport);
  } catch (...) {
    ShowMessage("Unexpected error of unknown kind.", MessageKind::FailureReport);
  }
  --runningHandlers;
  EndProcessIfNoWindow();
}

void BindChange(QLineEdit* box, std::function<void()> handler) {
  constexpr qsizetype kLongText = 10'000;
  QObject::connect(box, &QLineEdit::textChanged, box, [box, handler = std::move(handler)] {
    RunHandler(handler);
    if (box->text().size() > kLongText && box->isUndoAvailable()) {
      // Writing the same text raises no change event and clears the history.
      const int caret = box->cursorPosition();
      box->setText(box->text());
      box->setCursorPosition(caret);
    }
  });
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

std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

void SetText(QLineEdit* box, std::string_view text) {
  box->setText(FromUtf8(text));
  // A write leaves the caret at the end, so a box narrower than its text would
  // show the tail: 1612282.6716 read as 12282.6716. Show the most significant
  // digits first, unless the user is typing in the box.
  if (!box->hasFocus()) box->home(false);
}

void SetCaption(QLabel* label, std::string_view text) {
  label->setText(FromUtf8(text));
  FitToText(label);
}

void ShowMessage(std::string_view text, MessageKind kind) {
  const QString message = FromUtf8(text);
  if (presenter) {
    presenter(message, kind);
  } else {
    PresentInBox(message, kind);
  }
}

void SetMessagePresenter(MessagePresenter replacement) { presenter = std::move(replacement); }

}  // namespace varnock::ui
