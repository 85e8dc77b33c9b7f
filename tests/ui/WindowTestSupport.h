#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPalette>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <ostream>

#include "Forms.h"
#include "Handlers.h"
#include "frmPipeline.h"

// Lets GoogleTest show Qt strings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace varnock::ui {

// A control or menu entry of a window, found by its name.
template <class T = QWidget>
T* Find(QWidget* window, const char* name) {
  T* control = window->findChild<T*>(QString::fromUtf8(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

// A menu entry, found by its name.
inline QAction* Entry(QWidget* window, const char* name) { return Find<QAction>(window, name); }

// A dark platform palette with light text.
inline QPalette DarkPalette() {
  QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    dark.setColor(role, QColor(0xee, 0xee, 0xee));
  }
  return dark;
}

// Answers the next file dialog as a user does: goes to the folder, types the
// file's name, then Enter. Keeps the folder the dialog opened in, if asked.
inline void AnswerFileDialog(const QString& path, QString* openedIn = nullptr) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, path, openedIn] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    poll->deleteLater();
    if (openedIn != nullptr) *openedIn = dialog->directory().path();
    dialog->setDirectory(QFileInfo(path).path());
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    name->selectAll();
    QTest::keyClicks(name, QFileInfo(path).fileName());
    QTest::keyClick(name, Qt::Key_Return);
  });
  poll->start(50);
}

// Records the message boxes instead of showing them (they would wait for a
// user), failure reports apart from other messages; the real box comes back
// when the recorder goes. As a real box does, a stand-in takes the activation
// while a report is up, and the desktop gives it back to the window
// beneath only afterwards.
class MessageRecorder {
 public:
  MessageRecorder() {
    SetMessagePresenter([this](const QString& text, MessageKind kind) {
      if (kind != MessageKind::FailureReport) return messages.push_back(text);
      reports.push_back(text);
      const QPointer<QWidget> beneath = QApplication::activeWindow();
      QApplication::setActiveWindow(&standIn_);
      QTimer::singleShot(0, [beneath] {
        if (beneath) QApplication::setActiveWindow(beneath);
      });
    });
  }
  ~MessageRecorder() { SetMessagePresenter(nullptr); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  QStringList reports, messages;

 private:
  QWidget standIn_;
};

// The window tests' fixture: messages recorded, the calculator shown and
// active on request, the application's loop run under a time limit, and every
// window still loaded unloaded afterwards. A modal window the test leaves
// unanswered for ten seconds fails it, named, and is closed, instead of
// hanging until ctest's timeout.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    QObject::connect(&modalWatch_, &QTimer::timeout, [this] {
      QWidget* modal = QApplication::activeModalWidget();
      modalSeconds_ = modal == nullptr ? 0 : modalSeconds_ + 1;
      if (modalSeconds_ < 10) return;
      ADD_FAILURE() << "an unexpected modal window: " << modal->objectName().toStdString() << " \""
                    << modal->windowTitle().toStdString() << '"';
      modal->close();
    });
    modalWatch_.start(1000);
  }
  void TearDown() override {
    for (Form* form : LoadedForms()) form->Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  QWidget* ShowCalculator() {
    Instance<frmPipeline>().Show();
    QWidget* window = Instance<frmPipeline>().Window();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return window;
  }
  // Runs the application from a start-up window until the process would end;
  // gives its exit status, or fails after five seconds.
  int RunLoop(Form& startup) {
    bool timedOut = false;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, [&timedOut] { timedOut = true, QCoreApplication::exit(1); });
    limit.start(5000);
    const int status = RunApplication(startup);
    EXPECT_FALSE(timedOut) << "the application loop did not end";
    return status;
  }

  MessageRecorder recorder;
  QStringList& reports = recorder.reports;
  QStringList& messages = recorder.messages;

 private:
  QTimer modalWatch_;
  int modalSeconds_ = 0;
};

}  // namespace varnock::ui
