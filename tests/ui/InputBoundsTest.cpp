#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTest>

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

// Pasting a megabyte into an entry box keeps the window responsive and the
// memory bounded; the text is kept whole.
TEST(InputBounds, AMegabytePasteIntoEveryEntryBox) {
  MessageRecorder recorder;
  frmPipeline& calculator = Instance<frmPipeline>();
  calculator.Show();
  QWidget* window = calculator.Window();
  calculator.Enable(Box::txtLR);
  calculator.Enable(Box::txtRef);
  const QString megabyte(1 << 20, QLatin1Char('7'));
  QApplication::clipboard()->setText(megabyte);
  long settled = 0;
  for (int round = 0; round < 8; ++round) {
    if (round == 4) settled = ResidentKilobytes();  // the allocator has settled by now
    for (const char* name : {"txtActual", "txtLR", "txtRef"}) {
      auto* box = Find<QLineEdit>(window, name);
      box->setFocus();
      box->selectAll();
      QElapsedTimer timer;
      timer.start();
      QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
      box->clearFocus();  // the leak-rate box re-formats here
      // Most of this is Qt laying out the line edit's text (about 0.1 to 0.3 s).
      EXPECT_LT(timer.elapsed(), 2000) << name << ": the paste";
      EXPECT_EQ(box->text().size(), megabyte.size()) << name;
    }
  }
  // The program's own part: each handler on megabyte texts.
  const std::function<void()> handlers[] = {
      [&] { equivalence::txtActual_Change(calculator); }, [&] { equivalence::txtRef_Change(calculator); },
      [&] { equivalence::txtLR_Change(calculator); }, [&] { equivalence::txtLR_LostFocus(calculator); }};
  for (const auto& handler : handlers) {
    QElapsedTimer timer;
    timer.start();
    handler();
    EXPECT_LT(timer.elapsed(), 50) << "a change handler on a megabyte text";
  }
  EXPECT_EQ(Module1::strActual.size(), std::size_t{1} << 20);
  QElapsedTimer timer;
  timer.start();
  QTest::mouseClick(Find<QAbstractButton>(window, "cmdCalculate"), Qt::LeftButton);
  EXPECT_LT(timer.elapsed(), 50) << "calculating with megabyte texts";
  EXPECT_EQ(recorder.reports.size(), 1) << "a number beyond the double range is reported";
  // Three boxes holding a megabyte each cost what Qt's text layout takes; more
  // pastes of the same size must not add to it.
  // Unbounded, it grew by about 32 MB a paste; allocators (ASan's quarantine
  // above all) may still hold on to a little.
  EXPECT_LT(ResidentKilobytes() - settled, 48 * 1024) << "memory grows with every paste";
  calculator.Unload();
}

}  // namespace
}  // namespace varnock::ui
