#pragma once

#include <QObject>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QLabel;
class QLineEdit;

// What the windows need of the platform: shared window instances with load,
// show and unload, text boxes and their change events, the message box, the
// one place every handler runs through, printing, and the end of the process.
namespace varnock::ui {

// The application's identity, as the windows show it.
QString AppTitle();
std::int16_t AppMajor();
std::int16_t AppMinor();
std::int16_t AppRevision();
// "Version 2.5.2", as the splash and About windows show it.
std::string VersionText();

// One window kind. The instance lives for the whole process; its window
// exists only while loaded, and each load rebuilds it from its definition.
class Form : public QObject {
 public:
  ~Form() override;

  bool IsLoaded() const { return window_ != nullptr; }
  QWidget* Window() const { return window_; }

  // Builds the window and runs its load handler; it stays hidden.
  void Load();
  // Loads if needed, then shows modeless; a shown window is only raised.
  void Show();
  // Destroys the window; the handler that calls it (even the window's own) runs on.
  void Unload();

 protected:
  // Makes the window with every control from the stored definition.
  virtual std::unique_ptr<QWidget> Build() = 0;
  virtual void Form_Load() {}
  // The controls are gone: forget any pointers to them.
  virtual void Unloaded() {}

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;

  QWidget* window_ = nullptr;
};

// The default instance of a window kind, made on first use and never
// destroyed.
template <class F>
F& Instance() {
  static F* const instance = new F;
  return *instance;
}

bool AnyWindowLoaded();

// Runs an event handler. A failure stops the handler and is reported to the
// user, and the program goes on; nothing is thrown into Qt's event loop.
// When the outermost handler returns and no window is loaded, the process ends.
void RunHandler(const std::function<void()>& handler);

// Binds a Qt signal to a handler that runs through RunHandler.
template <class Sender, class Signal>
void Bind(Sender* sender, Signal signal, std::function<void()> handler) {
  QObject::connect(sender, signal, sender, [handler = std::move(handler)] { RunHandler(handler); });
}

// Binds a text box's change event. A long text's per-character undo history
// is dropped after the handler, so that pasting megabytes again and again
// cannot grow the memory without bound.
void BindChange(QLineEdit* box, std::function<void()> handler);

// Shows the start-up window and runs the event loop until the process ends.
int RunApplication(Form& startup);

// Text boxes: the change event is QLineEdit::textChanged, which fires on every
// change, typed or written, and not on a write of the text already there.
std::string Text(const QLineEdit* box);
void SetText(QLineEdit* box, std::string_view text);
// A label's caption; a self-sizing label fits itself to it.
void SetCaption(QLabel* label, std::string_view text);

// The modal message box, OK only, captioned with the application title.
enum class MessageKind { Information, FailureReport };
void ShowMessage(std::string_view text, MessageKind kind = MessageKind::Information);

// Tests replace the modal box, which would wait for a user; an empty
// presenter restores the real one.
using MessagePresenter = std::function<void(const QString& text, MessageKind kind)>;
void SetMessagePresenter(MessagePresenter presenter);

// Prints a window's client area on one page of the default printer, no
// dialog, with a footer saying when, by which version, and the note, if any.
// Throws Failure (Printing) when there is no printer or it refuses the job.
void PrintImage(const QWidget* client, const QString& note = {});

// Twips to pixels at 96 DPI (15 twips a pixel).
constexpr int Px(int twips) { return (twips + 7) / 15; }

}  // namespace varnock::ui
