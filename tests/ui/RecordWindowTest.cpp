#include <QAbstractItemView>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>

#include "TestRecord.h"
#include "WindowTestSupport.h"
#include "frmRecord.h"

namespace varnock::ui {
namespace {

// Answers the next questions in turn, recording what was asked.
struct Answers {
  explicit Answers(std::vector<int> given) : given_(std::move(given)) {
    SetQuestionPresenter([this](const QString& question, const QStringList&) {
      asked << question;
      return given_.at(static_cast<std::size_t>(asked.size() - 1));
    });
  }
  ~Answers() { SetQuestionPresenter(nullptr); }
  QStringList asked;

 private:
  std::vector<int> given_;
};

class RecordWindow : public WindowTest {};

TEST_F(RecordWindow, LinesAreAddedEditedRemovedSavedOpenedAndNeverLostOnExit) {
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("visit.csv"));
  QWidget* calculator = ShowCalculator();
  Find<QRadioButton>(calculator, "Option3")->click();
  QAction* add = Entry(calculator, "mnuAddToRecord");
  EXPECT_FALSE(add->isEnabled()) << "no results yet";
  Find(calculator, "cmdCalculate")->setFocus();
  QTest::keyClick(Find(calculator, "cmdCalculate"), Qt::Key_Space);
  ASSERT_TRUE(add->isEnabled());
  add->trigger();
  add->trigger();
  QWidget* window = Instance<frmRecord>().Window();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window)) << "the record window comes forward";
  auto* table = Find<QTableView>(window, "tblLines");
  TestRecord& record = OpenRecord();
  ASSERT_EQ(record.rowCount(), 2);
  EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Test Record"))) << "named when it first opens";
  EXPECT_EQ(table->currentIndex(), record.index(1, TestRecord::Measured)) << "the new line's measured value";
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr) << "ready to be typed";
  QTest::keyClicks(editor, "0.05");
  QTest::keyClick(editor, Qt::Key_Return);
  // The view commits the editor's text once the key's handling returns.
  EXPECT_TRUE(QTest::qWaitFor([&] { return !record.CellText(1, TestRecord::Measured).isEmpty(); }));
  EXPECT_EQ(record.CellText(1, TestRecord::Verdict), QStringLiteral("Pass: 0.05 gal/h measured, below 0.082 gal/h"));
  EXPECT_EQ(record.CellText(0, TestRecord::Name), QStringLiteral("Line 1"));
  EXPECT_FALSE(record.setData(record.index(0, TestRecord::Measured), QStringLiteral("0,05")));
  EXPECT_EQ(reports.size(), 1) << "a measured value that is no number is refused";
  ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; })) << "back from the report";
  EXPECT_TRUE(window->isWindowModified());

  {
    const Answers answers({1, 0});  // keep the line, then remove it
    table->setCurrentIndex(record.index(0, 0));
    QTest::keyClick(table, Qt::Key_Delete);
    EXPECT_EQ(answers.asked.size(), 1);
    EXPECT_EQ(record.rowCount(), 2);
    QTest::keyClick(table, Qt::Key_Delete);
    ASSERT_EQ(record.rowCount(), 1);
  }
  AnswerFileDialog(file);
  QTest::keyClick(table, Qt::Key_S, Qt::ControlModifier);
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("visit.csv"))) << window->windowTitle().toStdString();
  const record::Record saved = record.Contents();
  record.Remove(0);
  {
    const Answers answers({1});  // Don't Save, then open the saved file again
    AnswerFileDialog(file);
    Entry(window, "mnuOpen")->trigger();
  }
  ASSERT_EQ(record.rowCount(), 1);
  EXPECT_EQ(record.Contents().lines, saved.lines);

  record.Remove(0);
  {
    const Answers answers({2, 1});  // Cancel keeps everything open; Don't Save lets the program end
    Entry(calculator, "mnuExit")->trigger();
    EXPECT_TRUE(Instance<frmPipeline>().IsLoaded());
    calculator->close();
    EXPECT_FALSE(Instance<frmPipeline>().IsLoaded());
    EXPECT_EQ(answers.asked.size(), 2);
  }
  record.Open(file);  // nothing unsaved for the tests that follow
}

// Record Details change the record by OK only; on the page each detail is
// one line, and a detail of blanks alone is left out.
TEST_F(RecordWindow, DetailsChangeByOkAndHeadThePageOneLineEach) {
  TestRecord& record = OpenRecord();
  const QString before = record.GivenDetails().site;
  for (const char* button : {"cmdCancel", "cmdOK"}) {
    Entry(ShowCalculator(), "mnuDetails")->trigger();
    QWidget* details = QApplication::activeModalWidget();
    ASSERT_NE(details, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(details));
    QTest::keyClicks(QApplication::focusWidget(), "Depot 7");
    QTest::mouseClick(Find<QPushButton>(details, button), Qt::LeftButton);
    EXPECT_EQ(record.GivenDetails().site, button == std::string("cmdOK") ? QStringLiteral("Depot 7") : before);
  }
  record.SetDetails({QStringLiteral(" \t"), QStringLiteral("Tank 3\n  north"), {}, QStringLiteral(" ")});
  EXPECT_EQ(record.PageLines(), QStringList{QStringLiteral("Tank or line: Tank 3 north")});
  EXPECT_EQ(record.PageNotes(), QString());
  const QTemporaryDir folder;
  record.Save(folder.filePath(QStringLiteral("details.csv")));  // nothing unsaved for the tests that follow
}

}  // namespace
}  // namespace varnock::ui
