#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QPalette>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <ostream>

#include "Forms.h"
#include "Handlers.h"

// Lets GoogleTest show Qt strings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace varnock::ui {

// A control of a window, found by its name.
template <class T = QWidget>
T* Find(QWidget* window, const char* name) {
  T* control = window->findChild<T*>(QString::fromUtf8(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

// A menu entry, found by its name.
inline QAction* Entry(QWidget* window, const char* name) {
  for (QAction* action : window->findChildren<QAction*>()) {
    if (action->objectName() == QString::fromUtf8(name)) return action;
  }
  ADD_FAILURE() << "no menu entry " << name;
  return nullptr;
}

// A dark platform palette with light text.
inline QPalette DarkPalette() {
  QPalette dark(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    dark.setColor(role, QColor(0xee, 0xee, 0xee));
  }
  return dark;
}

// Records the message boxes instead of showing them (they would wait for a
// user), failure reports apart from other messages; the real box comes back
// when the recorder goes.
class MessageRecorder {
 public:
  MessageRecorder() {
    SetMessagePresenter([this](const QString& text, MessageKind kind) {
      (kind == MessageKind::FailureReport ? reports : messages).push_back(text);
    });
  }
  ~MessageRecorder() { SetMessagePresenter(nullptr); }
  MessageRecorder(const MessageRecorder&) = delete;
  MessageRecorder& operator=(const MessageRecorder&) = delete;

  QStringList reports, messages;
};

}  // namespace varnock::ui
