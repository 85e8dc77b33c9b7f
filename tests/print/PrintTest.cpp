#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <cstdlib>

#include "WindowServices.h"
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
  void TearDown() override {
    Instance<frmPipeline>().Unload();
  }
  QStringList Pdfs() const { return QDir(output).entryList({QStringLiteral("*.pdf")}, QDir::Files); }

  const QString output = qEnvironmentVariable("VARNOCK_PDF_OUT");
  QWidget* window = nullptr;
  MessageRecorder recorder;
  QStringList& reports = recorder.reports;
};

TEST_F(Printing, OnePageHoldingTheWindowsImageArrives) {
  QTest::mouseClick(Find<QAbstractButton>(window, "Option2"), Qt::LeftButton);
  auto* actual = Find<QLineEdit>(window, "txtActual");
  actual->selectAll();
  QTest::keyClicks(actual, "45");
  QTest::mouseClick(Find<QAbstractButton>(window, "cmdCalculate"), Qt::LeftButton);
  ASSERT_EQ(Find<QLineEdit>(window, "txtELRml")->text(), QStringLiteral("15.4522"));

  const QStringList before = Pdfs();
  Entry(window, "mnuPrint")->trigger();
  ASSERT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Pdfs().size() > before.size(); }, 60000)) << "no PDF arrived";
  QTest::qWait(500);  // let cups-pdf finish writing
  QString pdf;
  for (const QString& name : Pdfs()) {
    if (!before.contains(name)) pdf = QDir(output).filePath(name);
  }
  EXPECT_TRUE(RunTool(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
  // page num type width height ...: one image, the window's size in pixels
  const QStringList lines = RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split('\n', Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 3) << lines.join('\n').toStdString();
  const QStringList image = lines[2].simplified().split(' ');
  EXPECT_EQ(image[3].toInt(), window->width()) << lines[2].toStdString();
  EXPECT_EQ(image[4].toInt(), window->height()) << lines[2].toStdString();

  // The printed picture is the window as it stands, results included.
  const QString prefix = QDir(output).filePath(QStringLiteral("extracted"));
  RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-png"), pdf, prefix});
  const QImage printed = QImage(prefix + QStringLiteral("-000.png")).convertToFormat(QImage::Format_RGB32);
  const QImage shown = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(printed.size(), shown.size());
  qsizetype differing = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb a = printed.pixel(x, y), b = shown.pixel(x, y);
      differing += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) > 48;
    }
  }
  EXPECT_LT(differing, 20) << "pixels that differ from the window";
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
