#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "AppIdentity.h"
#include "Failure.h"
#include "Forms.h"
#include "Handlers.h"
#include "Layout.h"
#include "Look.h"
#include "NumberText.h"
#include "TextBoxes.h"
#include "WindowTestSupport.h"

namespace varnock::ui {
namespace {

// A window kind of the tests' own: a text box, a button and a timer whose
// handlers the test decides.
template <int Kind>
class TestForm : public Form {
 public:
  int loads = 0;
  QLineEdit* box = nullptr;
  QPushButton* button = nullptr;
  QTimer* timer = nullptr;
  std::function<void()> onClick, onChange, onTick;

 protected:
  std::unique_ptr<QWidget> Build() override {
    auto window = std::make_unique<QWidget>();
    box = new QLineEdit(QStringLiteral("stored"), window.get());
    button = new QPushButton(QStringLiteral("Go"), window.get());
    button->move(0, 40);
    timer = new QTimer(window.get());
    timer->setInterval(10);
    Bind(button, &QPushButton::clicked, [this] {
      if (onClick) onClick();
    });
    BindChange(box, [this] {
      if (onChange) onChange();
    });
    Bind(timer, &QTimer::timeout, [this] {
      if (onTick) onTick();
    });
    return window;
  }
  void Form_Load() override { ++loads; }
  void Unloaded() override { box = nullptr, button = nullptr, timer = nullptr; }
};

using FormA = TestForm<0>;
using FormB = TestForm<1>;

template <class F>
void Reset(F& form) {
  form.loads = 0;
  form.onClick = form.onChange = form.onTick = nullptr;
}

class WindowServices : public WindowTest {
 protected:
  void TearDown() override {
    WindowTest::TearDown();
    Reset(Instance<FormA>());
    Reset(Instance<FormB>());
  }
};

// One window per kind, loaded hidden, shown once however often asked; unload
// destroys it, and the next show builds it again from the definition.
TEST_F(WindowServices, OneWindowPerKindRebuiltFromTheDefinitionAfterUnload) {
  FormA& form = Instance<FormA>();
  form.Load();
  EXPECT_FALSE(form.Window()->isVisible()) << "load leaves the window hidden";
  form.Show();
  QPointer<QWidget> first = form.Window();
  form.Show();
  EXPECT_EQ(form.Window(), first);
  EXPECT_EQ(form.loads, 1);
  SetText(form.box, "typed");
  form.Unload();
  EXPECT_FALSE(AnyWindowLoaded());
  EXPECT_FALSE(first->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(first.isNull());
  form.Show();
  EXPECT_EQ(form.box->text(), QStringLiteral("stored"));
  EXPECT_EQ(form.loads, 2);
}

TEST_F(WindowServices, AHandlerUnloadingItsOwnWindowRunsToItsEnd) {
  FormA& form = Instance<FormA>();
  form.Show();
  QPointer<QWidget> window = form.Window();
  bool ranOn = false;
  form.onClick = [&] {
    form.Unload();
    ranOn = true;
  };
  QTest::mouseClick(form.button, Qt::LeftButton);
  EXPECT_TRUE(ranOn);
  EXPECT_FALSE(form.IsLoaded());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  EXPECT_TRUE(reports.isEmpty());
}

TEST_F(WindowServices, ChangeEventOnEveryChangeButNotOnAWriteOfTheSameText) {
  FormA& form = Instance<FormA>();
  form.Show();
  int changes = 0;
  form.onChange = [&] { ++changes; };
  SetText(form.box, "stored");
  EXPECT_EQ(changes, 0);
  SetText(form.box, "written");
  EXPECT_EQ(changes, 1);
  form.box->clear();
  changes = 0;
  QTest::keyClicks(form.box, "12.5");
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(Text(form.box), "12.5");
}

TEST_F(WindowServices, AHandlerRewritingItsOwnBoxEndsAfterOneNestedChange) {
  FormA& form = Instance<FormA>();
  form.Show();
  int changes = 0;
  form.onChange = [&] {
    ++changes;
    SetText(form.box, FormatByPattern(Text(form.box), "##0.0###"));
  };
  SetText(form.box, "3");
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Text(form.box), "3.0");
}

TEST_F(WindowServices, AFailureIsReportedOnceAndTheProgramGoesOn) {
  FormA& form = Instance<FormA>();
  form.Show();
  form.onClick = [] { throw Failure(FailureKind::TypeMismatch, "The equivalent pressure \"abc\" is not a number."); };
  QTest::mouseClick(form.button, Qt::LeftButton);
  ASSERT_EQ(reports.size(), 1);
  EXPECT_EQ(reports[0], QStringLiteral("The equivalent pressure \"abc\" is not a number.\n\n(Type mismatch)"));
  EXPECT_TRUE(form.IsLoaded());

  form.onClick = [] { throw std::runtime_error("disk on fire"); };
  QTest::mouseClick(form.button, Qt::LeftButton);
  ASSERT_EQ(reports.size(), 2);
  EXPECT_TRUE(reports[1].contains(QStringLiteral("disk on fire")));

  bool ranAgain = false;  // the program goes on: the next click runs its handler
  form.onClick = [&] { ranAgain = true; };
  QTest::mouseClick(form.button, Qt::LeftButton);
  EXPECT_TRUE(ranAgain);
  EXPECT_EQ(reports.size(), 2);
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(WindowServices, TheRealMessageBoxHasOkOnlyAndTheTitle) {
  SetMessagePresenter(nullptr);
  Instance<FormA>().Show();  // a window that came and went outside the event loop must not end the box's
  Instance<FormA>().Unload();
  QString title, text;
  int buttons = 0, room = -1;  // the label's width beyond that of the text as typed
  const QString typed = QStringLiteral("The entry \"<b>4</b> 5\" is not a number.");
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    text = box->text();
    const QLabel* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    room = label->sizeHint().width() - label->fontMetrics().horizontalAdvance(typed);
    buttons = static_cast<int>(box->buttons().size());
    box->button(QMessageBox::Ok)->click();
  });
  ShowMessage(typed.toStdString());
  EXPECT_EQ(title, QString::fromUtf8(identity::kTitle));
  EXPECT_EQ(text, typed);
  EXPECT_GE(room, 0) << "markup shown as formatting";
  EXPECT_EQ(buttons, 1);
}

// A start-up window that hands over to a second one from its timer, with no
// window loaded in between: the process must not end there, only after the
// second window goes.
TEST_F(WindowServices, TheProcessEndsWhenNoWindowIsLeftAndTheHandlerReturned) {
  FormA& splash = Instance<FormA>();
  FormB& next = Instance<FormB>();
  int ticks = 0;
  bool nextShown = false;
  splash.onTick = [&] {
    ++ticks;
    splash.Unload();
    EXPECT_FALSE(AnyWindowLoaded());
    next.Show();
    nextShown = true;
  };
  next.onTick = [&] { next.Unload(); };
  QTimer::singleShot(0, [&] { splash.timer->start(); });
  QTimer::singleShot(100, [&] {
    if (next.IsLoaded()) next.timer->start();
  });
  EXPECT_EQ(RunLoop(splash), 0);
  EXPECT_TRUE(nextShown);
  EXPECT_EQ(ticks, 1);
  EXPECT_FALSE(AnyWindowLoaded());
}

TEST_F(WindowServices, SelfSizingCaptions) {
  QWidget parent;
  QLabel* label = MakeLabel(&parent, "label", {0, 0, 15, 15}, "", {.autoSize = true});
  SetCaption(label, "Version");
  const int narrow = label->width();
  SetCaption(label, "Version 2.5.2 with a longer caption");
  EXPECT_GT(label->width(), narrow);
  EXPECT_EQ(label->text(), QStringLiteral("Version 2.5.2 with a longer caption"));
}

}  // namespace
}  // namespace varnock::ui
