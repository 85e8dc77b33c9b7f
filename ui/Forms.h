#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

// The window life cycle: one instance per window kind for the whole process,
// whose window is built on load and destroyed on unload, and the rule that
// ends the process. The process ends once no window is loaded and no handler
// is running (a handler may unload the last window and then load another),
// and only while the application's event loop runs.
namespace varnock::ui {

class Form : public QObject {
 public:
  ~Form() override;

  bool IsLoaded() const { return window_ != nullptr; }
  QWidget* Window() const { return window_; }

  // Builds the window and runs its load handler; it stays hidden.
  void Load();
  // Loads if needed, then shows modeless; a shown window is only raised.
  void Show();
  // Shows the window opened from another: one not loaded yet is first
  // centred on its owner.
  void ShowOn(const QWidget* owner);
  // Destroys the window; the handler that calls it (even the window's own) runs on.
  void Unload();
  // The user closes the window (its close box, Exit): unloaded unless
  // CanClose says no.
  void Close();

 protected:
  // Makes the window with every control from the stored definition.
  virtual std::unique_ptr<QWidget> Build() = 0;
  virtual void Form_Load() {}
  // Asked before the user closes the window; false keeps it open.
  virtual bool CanClose() { return true; }
  // The controls are gone: forget any pointers to them.
  virtual void Unloaded() {}
  // The window this one was last opened from, while it lasts.
  const QWidget* Owner() const { return owner_; }

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;

  QWidget* window_ = nullptr;
  QPointer<const QWidget> owner_;
};

// The default instance of a window kind, made on first use and never
// destroyed.
template <class F>
F& Instance() {
  static F* const instance = new F;
  return *instance;
}

// Every window kind of the program, each listed by its own unit with
// ListKind, so that what holds for all windows is checked on a new one too.
std::vector<Form*> AllForms();
void ListForm(Form& (*instance)());
template <class F>
bool ListKind() {
  ListForm([]() -> Form& { return Instance<F>(); });
  return true;
}

bool AnyWindowLoaded();
// The windows loaded now, in the order they were loaded.
std::vector<Form*> LoadedForms();

// Keeps the process alive while a handler runs; when the last one ends and
// no window is loaded, the process ends.
class HandlerRunning {
 public:
  HandlerRunning();
  ~HandlerRunning();
  HandlerRunning(const HandlerRunning&) = delete;
  HandlerRunning& operator=(const HandlerRunning&) = delete;
};

// Shows the start-up window and runs the event loop until the process ends.
int RunApplication(Form& startup);

}  // namespace varnock::ui
