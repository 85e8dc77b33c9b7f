#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include "AppIdentity.h"
#include "Forms.h"
#include "Handlers.h"
#include "WindowTestSupport.h"
#include "frmPipeline.h"

// Printing for real, through the CUPS scheduler and cups-pdf queue that
// with_cups_pdf.sh starts for these tests.
namespace varnock::ui {
namespace {

QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
  return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError());
}

class Printing : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(output.isEmpty()) << "run through tests/print/with_cups_pdf.sh";
    Instance<frmPipeline>().Show();
    window = Instance<frmPipeline>().Window();
    QApplication::setActiveWindow(window);
  }
  void TearDown() override { Instance<frmPipeline>().Unload(); }
  QStringList Pdfs() const { return QDir(output).entryList({QStringLiteral("*.pdf")}, QDir::Files); }

  const QString output = qEnvironmentVariable("VARNOCK_PDF_OUT");
  QWidget* window = nullptr;
  MessageRecorder recorder;
  QStringList& reports = recorder.reports;
};

TEST_F(Printing, OnePageWithTheWindowAsTextAndWhenItWasPrinted) {
  QTest::mouseClick(Find<QAbstractButton>(window, "Option2"), Qt::LeftButton);
  auto* actual = Find<QLineEdit>(window, "txtActual");
  actual->selectAll();
  QTest::keyClicks(actual, "45");
  QTest::mouseClick(Find<QAbstractButton>(window, "cmdCalculate"), Qt::LeftButton);
  ASSERT_EQ(Find<QLineEdit>(window, "txtELRml")->text(), QStringLiteral("15.4522"));
  actual->selectAll();
  QTest::keyClicks(actual, "50");  // the page must not pass the results off as those for 50 psi

  const QStringList before = Pdfs();
  // Not in a minute's last seconds, so that the footer's minute is the one read here.
  if (QTime::currentTime().second() >= 55) QTest::qWait((61 - QTime::currentTime().second()) * 1000);
  const QString printedAt = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  Entry(window, "mnuPrint")->trigger();
  ASSERT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Pdfs().size() > before.size(); }, 60000)) << "no PDF arrived";
  QTest::qWait(500);  // let cups-pdf finish writing
  QString pdf;
  for (const QString& name : Pdfs()) {
    if (!before.contains(name)) pdf = QDir(output).filePath(name);
  }
  EXPECT_TRUE(RunTool(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));

  // The document as the program handed it to the printer (the queue's own
  // output loses the text's encoding): the window's texts are text, twice the
  // screen's size, the footer exactly so and at least 8 pt; neither it nor the
  // queue's output holds a picture.
  const QDir spool(qEnvironmentVariable("VARNOCK_CUPS_SPOOL"));
  const QStringList jobs = spool.entryList({QStringLiteral("d*")}, QDir::Files, QDir::Time);
  ASSERT_FALSE(jobs.isEmpty()) << "the scheduler kept no job file";
  const QString sent = spool.filePath(jobs.first());
  const QString text = RunTool(QStringLiteral("pdftotext"), {sent, QStringLiteral("-")}).simplified();
  for (const QString& shown :
       {QStringLiteral("Calculate Equivalent Rates"), QStringLiteral("0.245"), QStringLiteral("15.4522"),
        QStringLiteral("50"),
        QStringLiteral("Printed %1 \u00b7 %2 %3").arg(printedAt, identity::kTitle, identity::kVersion),
        QStringLiteral(
            "Results out of date: calculated for 0.2 gal/h at 30 psi and 45 psi, not for the entries shown.")}) {
    EXPECT_TRUE(text.contains(shown)) << shown.toStdString() << " not in: " << text.toStdString();
  }
  const QString words = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), sent, QStringLiteral("-")});
  auto yOf = [&words](const QString& word, int edge) {  // edge 1: the word's top, 2: its bottom, in points
    const auto box = QRegularExpression(QStringLiteral("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">%1<")
                                            .arg(QRegularExpression::escape(word)))
                         .match(words);
    return box.captured(edge).toDouble();
  };
  EXPECT_GE(yOf(QStringLiteral("Printed"), 2) - yOf(QStringLiteral("Printed"), 1), 8 * 1.1) << "footer below 8 pt";
  const int apart = Find(window, "txtELRml")->y() - Find(window, "txtELRgal")->y();  // screen pixels of 1/96 inch
  EXPECT_NEAR(yOf(QStringLiteral("15.4522"), 1) - yOf(QStringLiteral("0.245"), 1), apart * 72.0 / 96 * 2, 0.5);
  for (const QString& document : {sent, pdf}) {
    const QStringList images =
        RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), document}).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << document.toStdString() << ":\n" << images.join('\n').toStdString();
  }
}

TEST_F(Printing, AJobThePrinterRefusesIsReported) {
  const QString socket = qEnvironmentVariable("CUPS_SERVER");
  RunTool(QStringLiteral("cupsreject"), {QStringLiteral("-h"), socket, QStringLiteral("VarnockPDF")});
  Entry(window, "mnuPrint")->trigger();
  RunTool(QStringLiteral("cupsaccept"), {QStringLiteral("-h"), socket, QStringLiteral("VarnockPDF")});
  ASSERT_EQ(reports.size(), 1);
  EXPECT_TRUE(reports[0].contains(QStringLiteral("refused the job"))) << reports[0].toStdString();
  EXPECT_TRUE(Instance<frmPipeline>().IsLoaded());
}

}  // namespace
}  // namespace varnock::ui
