#include "Handlers.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <exception>
#include <string>

#include "Failure.h"
#include "Forms.h"
#include "Identity.h"
#include "TextBoxes.h"
#include "Texts.h"

namespace varnock::ui {
namespace {

MessagePresenter presenter;
QuestionPresenter questioner;

void PresentInBox(const QString& text, MessageKind kind) {
  QMessageBox box(kind == MessageKind::FailureReport ? QMessageBox::Critical : QMessageBox::NoIcon, AppTitle(), text,
                  QMessageBox::Ok, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);  // a quoted entry such as "<b>5" is shown as typed, never as markup
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

int AskInBox(const QString& question, const QStringList& answers) {
  QMessageBox box(QMessageBox::Question, AppTitle(), question, QMessageBox::NoButton, QApplication::activeWindow());
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  QList<QAbstractButton*> buttons;
  for (qsizetype i = 0; i < answers.size(); ++i) {
    const auto role = i == 0                    ? QMessageBox::AcceptRole
                      : i == answers.size() - 1 ? QMessageBox::RejectRole
                                                : QMessageBox::DestructiveRole;
    buttons << box.addButton(answers[i], role);
  }
  box.setDefaultButton(qobject_cast<QPushButton*>(buttons.first()));
  box.setEscapeButton(buttons.last());
  box.exec();
  const auto chosen = buttons.indexOf(box.clickedButton());
  return chosen < 0 ? static_cast<int>(answers.size() - 1) : static_cast<int>(chosen);
}

// After a report, the focus goes to the entry it names, text selected, so
// that the user can correct it at once; a disabled entry is left alone.
void LeadBackTo(const QWidget* window, Box entry) {
  auto* box = window == nullptr ? nullptr : window->findChild<QLineEdit*>(QString::fromUtf8(BoxName(entry)));
  if (box != nullptr && box->isEnabled()) FocusWithTextSelected(box);
}

}  // namespace

void RunHandler(const std::function<void()>& handler) {
  const HandlerRunning running;
  try {
    handler();
  } catch (const Failure& failure) {
    const QPointer<QWidget> window = QApplication::activeWindow();  // before the report takes the focus
    ShowMessage(failure.Report(), MessageKind::FailureReport);
    if (failure.Entry()) LeadBackTo(window, *failure.Entry());
  } catch (const std::exception& error) {
    ShowMessage(QString::fromUtf8(texts::kUnexpected).arg(QString::fromUtf8(error.what())).toStdString(),
                MessageKind::FailureReport);
  } catch (...) {
    ShowMessage(texts::kUnexpectedUnknown, MessageKind::FailureReport);
  }
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

namespace {

class Leaving : public QObject {
 public:
  Leaving(QLineEdit* box, std::function<void()> handler) : QObject(box), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusOut &&
        ForAnotherControl(static_cast<QWidget*>(watched), static_cast<QFocusEvent*>(event)->reason())) {
      RunHandler(handler_);
    }
    return false;
  }

 private:
  // Qt names the new focus widget before it tells the old one it lost the focus.
  static bool ForAnotherControl(const QWidget* box, Qt::FocusReason reason) {
    switch (reason) {
      case Qt::TabFocusReason:
      case Qt::BacktabFocusReason:
      case Qt::MouseFocusReason:
      case Qt::ShortcutFocusReason:
      case Qt::OtherFocusReason: {
        const QWidget* next = QApplication::focusWidget();
        return next != nullptr && next != box && next->window() == box->window();
      }
      default:  // the window deactivated, a popup or the menu bar
        return false;
    }
  }

  std::function<void()> handler_;
};

}  // namespace

void BindLeaving(QLineEdit* box, std::function<void()> handler) {
  Bind(box, &QLineEdit::returnPressed, handler);
  box->installEventFilter(new Leaving(box, std::move(handler)));
}

void ShowMessage(std::string_view text, MessageKind kind) {
  const QString message = QString::fromUtf8(text);
  if (presenter) {
    presenter(message, kind);
  } else {
    PresentInBox(message, kind);
  }
}

void SetMessagePresenter(MessagePresenter replacement) { presenter = std::move(replacement); }

int Ask(const QString& question, const QStringList& answers) {
  return questioner ? questioner(question, answers) : AskInBox(question, answers);
}

void SetQuestionPresenter(QuestionPresenter replacement) { questioner = std::move(replacement); }

}  // namespace varnock::ui
