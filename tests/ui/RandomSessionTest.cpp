#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleHints>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <optional>
#include <random>

#include "Equivalence.h"
#include "Failure.h"
#include "Forms.h"
#include "Handlers.h"
#include "Module1.h"
#include "NumberText.h"
#include "WindowTestSupport.h"
#include "frmAbout.h"
#include "frmPipeline.h"

// Thousands of seeded random user actions on the real windows. After every
// action: the program is alive, each failure was reported exactly once and
// nothing else was, the shared values follow the last writer, a fixed pair
// shown selected is the pair in force, the result boxes change only on a
// successful calculation and then hold what it gives, they are marked out of
// date exactly when the entries in force differ from those they came from,
// and the leak-rate box, once left, holds its own re-formatted text.
// VARNOCK_SESSION_SEED and VARNOCK_SESSION_ACTIONS override the defaults.
namespace varnock::ui {
namespace {

struct Values {
  std::string lr, ref, actual;
};

struct Outcome {
  std::optional<FailureKind> failure;
  std::string gal, ml;
};

// The calculation worked out again here, apart from the program's handlers
// and flag tests; numbers are read and written with the program's own
// conversions, which core_tests check against their own tables.
Outcome Expected(const Values& v) {
  auto number = [](const std::string& text, double& value) -> std::optional<FailureKind> {
    try {
      value = TextToReal(text);
      return std::nullopt;
    } catch (const Failure& failure) {
      return failure.kind();
    }
  };
  double a = 0, b = 0, q = 0;
  if (auto kind = number(v.actual, a)) return {kind, {}, {}};
  if (auto kind = number(v.ref, b)) return {kind, {}, {}};
  if (b == 0) return {a == 0 ? FailureKind::Overflow : FailureKind::DivisionByZero, {}, {}};
  const double ratio = a / b;
  if (!std::isfinite(ratio)) return {FailureKind::Overflow, {}, {}};
  if (ratio < 0) return {FailureKind::InvalidArgument, {}, {}};
  if (auto kind = number(v.lr, q)) return {kind, {}, {}};
  const double gal = q * std::sqrt(ratio);
  const double millilitres = gal * equivalence::kMillilitresPerGallon;
  if (!std::isfinite(gal) || !std::isfinite(millilitres)) return {FailureKind::Overflow, {}, {}};
  return {std::nullopt, equivalence::GallonsShown(gal),
          equivalence::MillilitresShown(millilitres / equivalence::kMinutesPerHour)};
}

unsigned long Setting(const char* name, unsigned long fallback) {
  const QByteArray value = qgetenv(name);
  return value.isEmpty() ? fallback : value.toULong();
}

class Session {
 public:
  // On the shown calculator, with the messages the fixture records.
  Session(unsigned long seed, QWidget* window, MessageRecorder& recorder)
      : random_(seed), window_(window), reports_(recorder.reports), messages_(recorder.messages) {
    // Clicks in quick succession must not turn into double clicks, whose
    // timing would make a session depend on the machine's speed.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    // The model follows the last writer, seen through the same events the
    // program's handlers get (connected after them, so they run after them).
    for (const char* name : {"txtLR", "txtRef", "txtActual"}) {
      QObject::connect(Box(name), &QLineEdit::textChanged, [this, name](const QString& text) {
        (name[3] == 'L' ? model_.lr : name[3] == 'R' ? model_.ref : model_.actual) = text.toStdString();
      });
    }
    for (int i = 0; i < int(equivalence::kFixedPairs.size()); ++i) {
      QObject::connect(Option(i + 1), &QRadioButton::clicked, [this, i] {
        model_.lr = Pair(i).lr;
        model_.ref = Pair(i).ref;
        selected_ = i + 1;
      });
    }
    auto ownPair = [this] {
      model_.lr = Box("txtLR")->text().toStdString();
      model_.ref = Box("txtRef")->text().toStdString();
      selected_ = 4;
    };
    QObject::connect(Option(4), &QRadioButton::clicked, [this, ownPair] {
      ownPair();
      ++expectedMessages_;
    });
    // Typing into an own-pair box selects the own pair, without its prompt.
    for (const char* name : {"txtLR", "txtRef"}) {
      QObject::connect(Box(name), &QLineEdit::textEdited, [this, ownPair] {
        if (selected_ != 4) ownPair();
      });
    }
    model_ = {"3", "10", "30"};
  }

  int prints = 0;

  // One random action, then every check; the text says what went wrong.
  std::string Step() {
    const int reportsBefore = static_cast<int>(reports_.size());
    const QString galBefore = Box("txtELRgal")->text(), mlBefore = Box("txtELRml")->text();
    std::optional<Outcome> calculated;
    int expectedReports = 0;
    auto expectCalculation = [&] {
      calculated = Expected(model_);
      expectedReports = calculated->failure ? 1 : 0;
      if (!calculated->failure) calculatedFrom_ = model_;
    };
    auto* calculate = Find<QAbstractButton>(window_, "cmdCalculate");
    const int pick = Pick(100);
    if (pick < 12) {
      ClickOption(1 + Pick(4));
    } else if (pick < 50) {
      Type(EnabledEntry(), RandomText(1 + Pick(8)));
    } else if (pick < 56) {
      Paste(EnabledEntry(), RandomText(Pick(20) == 0 ? 100'000 : 1 + Pick(40)));
    } else if (pick < 64) {
      const int which = Pick(4);
      if (which == 1 && calculate->hasFocus()) expectCalculation();  // Enter presses the focused button
      Key(which);
    } else if (pick < 90) {
      // The press takes the focus from the leak-rate box, which re-formats
      // itself; the model sees that before the click calculates.
      QTest::mousePress(calculate, Qt::LeftButton);
      expectCalculation();
      QTest::mouseRelease(calculate, Qt::LeftButton);
    } else if (pick < 99) {
      OpenAndCloseAbout();
    } else if (Pick(10) == 0) {
      Entry(window_, "mnuPrint")->trigger();
      ++prints;
    }
    return Check(reportsBefore, expectedReports, calculated, galBefore, mlBefore);
  }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  QLineEdit* Box(const char* name) { return Find<QLineEdit>(window_, name); }
  QRadioButton* Option(int n) {
    return Find<QRadioButton>(window_, QStringLiteral("Option%1").arg(n).toUtf8().constData());
  }
  QLineEdit* EnabledEntry() {
    QLineEdit* boxes[] = {Box("txtActual"), Box("txtLR"), Box("txtRef")};
    QLineEdit* box = boxes[Pick(3)];
    return box->isEnabled() ? box : boxes[0];
  }
  QString RandomText(int length) {
    static const QString alphabet =
        QStringLiteral("0123456789012345678901234567890.....--++eEE  \tabcxyz,\u00e9\u20ac\u221a");
    QString text;
    text.reserve(length);
    for (int i = 0; i < length; ++i) text += alphabet[Pick(static_cast<int>(alphabet.size()))];
    return text;
  }
  void ClickOption(int n) { QTest::mouseClick(Option(n), Qt::LeftButton); }
  void Focus(QLineEdit* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 3, box->height() / 2));
    if (Pick(2) == 0) box->selectAll();
  }
  void Type(QLineEdit* box, const QString& text) {
    Focus(box);
    for (const QChar c : text) {
      if (!box->hasFocus()) break;  // a tab moved on
      if (c.unicode() < 128) {
        QTest::keyClick(box, static_cast<char>(c.unicode()));
      } else {  // no key code for it: the typed text only
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
      }
    }
  }
  void Paste(QLineEdit* box, const QString& text) {
    Focus(box);
    QApplication::clipboard()->setText(text);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  }
  void Key(int which) {
    QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window_;
    const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape};
    QTest::keyClick(focus, keys[which]);
  }
  void OpenAndCloseAbout() {
    Entry(window_, "mnuAbout")->trigger();
    QWidget* about = Instance<frmAbout>().Window();
    if (about == nullptr) return;
    if (Pick(2) == 0) {
      QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    } else {
      QTest::keyClick(about, Pick(2) ? Qt::Key_Escape : Qt::Key_Return);
    }
    QApplication::setActiveWindow(window_);
  }

  std::string Check(int reportsBefore, int expectedReports, const std::optional<Outcome>& calculated,
                    const QString& galBefore, const QString& mlBefore) {
    if (!Instance<frmPipeline>().IsLoaded() || !window_->isVisible()) return "the calculator window is gone";
    if (Instance<frmAbout>().IsLoaded()) return "the About window stayed open";
    const int newReports = static_cast<int>(reports_.size()) - reportsBefore;
    if (newReports != expectedReports) {
      return "reports: " + std::to_string(newReports) + " instead of " + std::to_string(expectedReports) +
             (newReports > 0 ? ": " + reports_.back().toStdString() : "");
    }
    if (calculated && calculated->failure &&
        !reports_.back().endsWith(QStringLiteral("(%1)").arg(KindName(*calculated->failure)))) {
      return "expected a report of " + std::string(KindName(*calculated->failure)) + ", got " +
             reports_.back().toStdString();
    }
    if (static_cast<int>(messages_.size()) != expectedMessages_) return "an unexpected message";
    if (Module1::strLR != model_.lr || Module1::strRef != model_.ref || Module1::strActual != model_.actual) {
      return "shared values differ from the last writer's";
    }
    if (!Option(selected_)->isChecked()) return "the selected pair is not the one the user chose";
    if (selected_ < 4 && (model_.lr != Pair(selected_ - 1).lr || model_.ref != Pair(selected_ - 1).ref)) {
      return "the pair in force is not the pair shown selected";
    }
    const bool outOfDate = calculatedFrom_ && (calculatedFrom_->lr != model_.lr || calculatedFrom_->ref != model_.ref ||
                                               calculatedFrom_->actual != model_.actual);
    for (const char* name : {"txtELRgal", "txtELRml"}) {
      if (Box(name)->accessibleDescription().isEmpty() == outOfDate) {
        return std::string(name) + (outOfDate ? " is not marked out of date" : " is marked out of date");
      }
    }
    const QString gal = Box("txtELRgal")->text(), ml = Box("txtELRml")->text();
    if (calculated && !calculated->failure) {
      if (gal.toStdString() != calculated->gal || ml.toStdString() != calculated->ml) {
        return "results " + gal.toStdString() + " " + ml.toStdString() + " instead of " + calculated->gal + " " +
               calculated->ml;
      }
    } else if (gal != galBefore || ml != mlBefore) {
      return "the results changed without a successful calculation";
    }
    QLineEdit* lr = Box("txtLR");
    if (!lr->hasFocus() &&
        FormatByPattern(lr->text().toStdString(), equivalence::kLeakRatePattern) != lr->text().toStdString()) {
      return "the leak-rate box was left without being re-formatted: " + lr->text().left(40).toStdString();
    }
    return {};
  }

  // A fixed pair's texts, as its button stores them.
  static Values Pair(int index) {
    const auto& pair = equivalence::kFixedPairs.at(index);
    return {RealToText(pair.rate), IntegerToText(pair.reference), {}};
  }
  std::mt19937_64 random_;
  QWidget* window_ = nullptr;
  Values model_;
  int selected_ = 1;
  std::optional<Values> calculatedFrom_;
  QStringList& reports_;
  QStringList& messages_;
  int expectedMessages_ = 0;
};

using RandomSession = WindowTest;

TEST_F(RandomSession, TenThousandActions) {
  const QString output = qEnvironmentVariable("VARNOCK_PDF_OUT");
  ASSERT_FALSE(output.isEmpty()) << "run through tests/print/with_cups_pdf.sh";
  const unsigned long seed = Setting("VARNOCK_SESSION_SEED", 20261207);
  const unsigned long actions = Setting("VARNOCK_SESSION_ACTIONS", 10'000);
  Session session(seed, ShowCalculator(), recorder);
  for (unsigned long i = 0; i < actions; ++i) {
    const std::string problem = session.Step();
    ASSERT_TRUE(problem.empty()) << "action " << i << " of the session with VARNOCK_SESSION_SEED=" << seed << ": "
                                 << problem;
  }
  // Every print reached the printer.
  auto printed = [&] { return QDir(output).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(); };
  EXPECT_TRUE(QTest::qWaitFor([&] { return printed() >= session.prints; }, 120000))
      << printed() << " of " << session.prints << " prints arrived";
  std::printf("seed %lu: %lu actions, %d prints\n", seed, actions, session.prints);
}

}  // namespace
}  // namespace varnock::ui
