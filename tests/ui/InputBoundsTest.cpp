#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "Equivalence.h"
#include "Forms.h"
#include "Handlers.h"
#include "Module1.h"
#include "WindowTestSupport.h"
#include "frmPipeline.h"

namespace varnock::ui {
namespace {

long ResidentKilobytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
  }
  return 0;
}

// The fastest of three runs, in nanoseconds: a busy machine makes a run
// slower, never faster.
qint64 Fastest(const std::function<void()>& run) {
  qint64 fastest = std::numeric_limits<qint64>::max();
  for (int i = 0; i < 3; ++i) {
    QElapsedTimer timer;
    timer.start();
    run();
    fastest = std::min(fastest, timer.nsecsElapsed());
  }
  return fastest;
}

// Work in step with its text takes 16 times as long on a megabyte as on 64 kB,
// a quadratic slip 256 times: 64 times is allowed, over a floor for runs too
// short to time.
void ExpectLinear(qint64 small, qint64 large, const std::string& what) {
  EXPECT_LT(large, 64 * std::max<qint64>(small, 100'000)) << what << ": " << small << " ns, then " << large << " ns";
}

// Pasting a megabyte into an entry box keeps the window responsive and the
// memory bounded; the text is kept whole. Times are compared with those of
// 64 kB, not with a clock a busy machine would break.
using InputBounds = WindowTest;

TEST_F(InputBounds, AMegabytePasteIntoEveryEntryBox) {
  frmPipeline& calculator = Instance<frmPipeline>();
  QWidget* window = ShowCalculator();
  calculator.Enable(Box::txtLR);
  calculator.Enable(Box::txtRef);
  const char* names[] = {"txtActual", "txtLR", "txtRef"};
  const std::function<void()> handlers[] = {
      [&] { equivalence::txtActual_Change(calculator); }, [&] { equivalence::txtRef_Change(calculator); },
      [&] { equivalence::txtLR_Change(calculator); }, [&] { equivalence::txtLR_LostFocus(calculator); },
      [&] { QTest::mouseClick(Find<QAbstractButton>(window, "cmdCalculate"), Qt::LeftButton); }};
  // Per size: the paste into each box, then each handler and the calculation.
  auto times = [&](int size) {
    QApplication::clipboard()->setText(QString(size, QLatin1Char('7')));
    std::vector<qint64> took;
    for (const char* name : names) {
      auto* box = Find<QLineEdit>(window, name);
      took.push_back(Fastest([&] {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        box->clearFocus();  // the leak-rate box re-formats here
      }));
      EXPECT_EQ(box->text().size(), size) << name;
    }
    for (const auto& handler : handlers) took.push_back(Fastest(handler));
    return took;
  };
  const std::vector<qint64> small = times(1 << 16), large = times(1 << 20);
  for (std::size_t i = 0; i < large.size(); ++i) {
    ExpectLinear(small[i], large[i],
                 i < 3 ? std::string("pasting into ") + names[i] : "handler " + std::to_string(i - 3));
  }
  EXPECT_EQ(Module1::strActual.size(), std::size_t{1} << 20);
  EXPECT_FALSE(reports.empty()) << "a number beyond the double range is reported";
  // Three boxes holding a megabyte each cost what Qt's text layout takes; more
  // pastes of the same size must not add to it. Unbounded, it grew by about
  // 32 MB a paste; allocators (ASan's quarantine above all) may still hold on
  // to a little.
  const long settled = ResidentKilobytes();
  for (int round = 0; round < 2; ++round) times(1 << 20);
  EXPECT_LT(ResidentKilobytes() - settled, 48 * 1024) << "memory grows with every paste";
}

}  // namespace
}  // namespace varnock::ui
