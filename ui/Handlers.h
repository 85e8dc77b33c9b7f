#pragma once

#include <QObject>
#include <QString>
#include <QStringList>  // IWYU pragma: keep
#include <functional>
#include <string_view>

class QLineEdit;

// Running event handlers, and the message box through which they speak to
// the user.
namespace varnock::ui {

// Runs an event handler. A failure stops the handler and is reported to the
// user, and the program goes on; nothing is thrown into Qt's event loop.
void RunHandler(const std::function<void()>& handler);

// Binds a Qt signal to a handler that runs through RunHandler.
template <class Sender, class Signal>
void Bind(Sender* sender, Signal signal, std::function<void()> handler) {
  QObject::connect(sender, signal, sender, [handler = std::move(handler)] { RunHandler(handler); });
}

// Binds a text box's change event (QLineEdit::textChanged: every change, typed
// or written, but not a write of the text already there). A long text's
// per-character undo history is dropped after the handler, so that pasting
// megabytes again and again cannot grow the memory without bound.
void BindChange(QLineEdit* box, std::function<void()> handler);

// Binds the moment the user is done with a box: Enter in it, or the focus
// moving to another control of the same window (Tab, a click, the program).
// Never the window losing activation, a menu or message box opening, or a
// tap of Alt: the user is still typing there and comes back to the same
// text and caret (QLineEdit::editingFinished fires on all of them).
void BindLeaving(QLineEdit* box, std::function<void()> handler);

// The modal message box, OK only, captioned with the application title.
enum class MessageKind { Information, FailureReport };
void ShowMessage(std::string_view text, MessageKind kind = MessageKind::Information);

// A modal question, its answers as buttons: the first is the default, the
// last cancels (Esc or the close box); any between discards. Gives the
// index of the answer chosen.
int Ask(const QString& question, const QStringList& answers);

// Tests replace the modal box, which would wait for a user; an empty
// presenter restores the real one.
using MessagePresenter = std::function<void(const QString& text, MessageKind kind)>;
void SetMessagePresenter(MessagePresenter replacement);
using QuestionPresenter = std::function<int(const QString& question, const QStringList& answers)>;
void SetQuestionPresenter(QuestionPresenter replacement);

}  // namespace varnock::ui
