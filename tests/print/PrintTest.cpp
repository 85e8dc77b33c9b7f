#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "AppIdentity.h"
#include "Failure.h"
#include "Forms.h"
#include "Handlers.h"
#include "TestRecord.h"
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

// A page as a reader sees it: its words with their boxes, in points from the
// top left, and its picture at two pixels a point.
struct Page {
  struct Word {
    QString text;
    QRectF box;
  };
  QSizeF size;
  QList<Word> words;
  QImage image;

  QString Text() const {
    QStringList all;
    for (const Word& word : words) all << word.text;
    return all.join(' ');
  }
  const Word* Find(const QString& text) const {
    for (const Word& word : words) {
      if (word.text == text) return &word;
    }
    ADD_FAILURE() << text.toStdString() << " is not on the page";
    return nullptr;
  }
  int Darkest(const QRectF& box) const {
    int darkest = 255;
    const QRect pixels = QRectF(box.topLeft() * 2, box.size() * 2).toAlignedRect() & image.rect();
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
      for (int x = pixels.left(); x <= pixels.right(); ++x) darkest = std::min(darkest, qGray(image.pixel(x, y)));
    }
    return darkest;
  }
};

Page ReadPage(const QString& pdf, int number = 1) {
  Page page;
  const QString n = QString::number(number);
  const QString xml = RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n,
                                                            QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  const auto size = QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\"")).match(xml);
  page.size = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
  const QRegularExpression word(QStringLiteral(
      "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
  for (const auto& match : word.globalMatch(xml)) {
    QString text = match.captured(5);
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\"")).replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    page.words.push_back({text, QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                                       QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))});
  }
  QTemporaryDir scratch;
  RunTool(QStringLiteral("pdftoppm"),
          {QStringLiteral("-f"), n, QStringLiteral("-r"), QStringLiteral("144"), QStringLiteral("-gray"),
           QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, scratch.filePath(QStringLiteral("page"))});
  EXPECT_TRUE(page.image.load(scratch.filePath(QStringLiteral("page.png")))) << pdf.toStdString();
  return page;
}

// Each word dark on the paper, 15 mm from the edges and clear of every other.
void ExpectEveryWordReadable(const Page& page) {
  constexpr double kMargin = 15 / 25.4 * 72;
  const QRectF inside =
      QRectF(QPointF(), page.size).adjusted(kMargin, kMargin, -kMargin, -kMargin).adjusted(-1, -1, 1, 1);
  for (qsizetype i = 0; i < page.words.size(); ++i) {
    const auto& [text, box] = page.words[i];
    EXPECT_TRUE(inside.contains(box)) << text.toStdString() << " lies in the margin";
    EXPECT_LE(page.Darkest(box), 0x80) << text.toStdString() << " is too faint to read on paper";
    for (qsizetype j = 0; j < i; ++j) {
      const QRectF overlap = box.intersected(page.words[j].box);
      EXPECT_LT(overlap.width() * overlap.height(), 1)
          << text.toStdString() << " overlaps " << page.words[j].text.toStdString();
    }
  }
}

// What every calculation page is: its words readable; the title above the
// drawing, the summary below it and the footer last; the dot in the selected
// option's circle only (the option whose caption starts with `selected`,
// none for the user's own pair).
void ExpectARecord(const Page& page, const QString& selected) {
  ExpectEveryWordReadable(page);
  const Page::Word *title = page.Find(QStringLiteral("Equivalent")), *frame = page.Find(QStringLiteral("Select")),
                   *label = page.Find(QStringLiteral("ml/min")), *summary = page.Find(QStringLiteral("Pair:")),
                   *footer = page.Find(QStringLiteral("Square-root"));
  ASSERT_TRUE(title && frame && label && summary && footer);
  EXPECT_LT(title->box.bottom(), frame->box.top());
  EXPECT_LT(label->box.bottom(), summary->box.top()) << "the summary does not lie below the drawing";
  EXPECT_LT(summary->box.bottom(), footer->box.top());
  // Across the middle of each fixed pair's circle: a filled dot is a long dark run, a bare circle two short ones.
  for (qsizetype i = 1; i < page.words.size(); ++i) {
    const Page::Word &caption = page.words[i - 1], &unit = page.words[i];
    if (unit.text != QStringLiteral("gal/hr") || unit.box.top() >= summary->box.top()) continue;
    const double y = caption.box.center().y();
    int dark = 0;
    for (double x = caption.box.left() - 25; x < caption.box.left() - 1; x += 0.5) {
      dark += page.Darkest(QRectF(x, y, 0.1, 0.1)) < 0x80;
    }
    EXPECT_EQ(dark > 6, caption.text == selected) << "the dot of the option " << caption.text.toStdString();
  }
}

class Printing : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_FALSE(output.isEmpty()) << "run through tests/print/with_cups_pdf.sh";
    QApplication::setPalette(DarkPalette());  // the page stays black on white
    window = ShowCalculator();
  }
  void TearDown() override {
    WindowTest::TearDown();
    QApplication::setPalette(palette);
  }
  QStringList Pdfs() const { return QDir(output).entryList({QStringLiteral("*.pdf")}, QDir::Files); }

  const QString output = qEnvironmentVariable("VARNOCK_PDF_OUT");
  const QPalette palette = QApplication::palette();
  QWidget* window = nullptr;
};

TEST_F(Printing, OnePageWithTheWindowAsTextAndWhenItWasPrinted) {
  QTest::mouseClick(Find<QAbstractButton>(window, "Option4"), Qt::LeftButton);
  QTest::keyClicks(Find<QLineEdit>(window, "txtLR"), "7");  // an entry that the fixed pair then puts out of force
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
  ASSERT_TRUE(QTest::qWaitFor([] { return QTime::currentTime().second() < 55; }, 10000));
  const QString printedAt = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));  // the printer's A4, not the locale's Letter
  Entry(window, "mnuPrint")->trigger();
  QLocale::setDefault(QLocale::c());
  ASSERT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
  ASSERT_TRUE(QTest::qWaitFor([&] { return Pdfs().size() > before.size(); }, 60000)) << "no PDF arrived";
  QString pdf;
  for (const QString& name : Pdfs()) {
    if (!before.contains(name)) pdf = QDir(output).filePath(name);
  }
  // Read once cups-pdf has written it whole.
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        return RunTool(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")));
      },
      30000));
  // Named by the job's title, to the second, so that the next print does not replace it.
  EXPECT_TRUE(
      pdf.contains(QRegularExpression(QStringLiteral("Varnock.[0-9-]{10}.[0-9]{2}\\.[0-9]{2}\\.[0-9]{2}\\.pdf$"))))
      << pdf.toStdString();

  // The document as the program handed it to the printer (the queue's own
  // output loses the text's encoding): the window's texts are text, twice the
  // screen's size, titled, summed up and dark under a dark screen palette;
  // neither it nor the queue's output holds a picture.
  const QDir spool(qEnvironmentVariable("VARNOCK_CUPS_SPOOL"));
  const QStringList jobs = spool.entryList({QStringLiteral("d*")}, QDir::Files, QDir::Time);
  ASSERT_FALSE(jobs.isEmpty()) << "the scheduler kept no job file";
  const QString sent = spool.filePath(jobs.first());
  const Page page = ReadPage(sent);
  EXPECT_NEAR(page.size.width(), 595.3, 1) << "not on the printer's A4";
  ExpectARecord(page, QStringLiteral("0.2"));
  for (const QString& shown :
       {QStringLiteral("Equivalent leak rate: out of date %1 %2 \u00b7 %3")
            .arg(identity::kTitle, identity::kVersion, printedAt),
        QStringLiteral("Calculate Equivalent Rates"), QStringLiteral("0.245"), QStringLiteral("15.4522"),
        QStringLiteral("Pair: the fixed pair \u201c0.2 gal/hr at 30 psi\u201d Leak rate: 0.2 gal/h at a reference "
                       "pressure of 30 psi Equivalent (line) pressure: 50 psi Equivalent leak rate: out of date. The "
                       "results shown, 0.245 gal/h and 15.4522 ml/min, were calculated for 0.2 gal/h at 30 psi and 45 "
                       "psi, not for the entries above.")}) {
    EXPECT_TRUE(page.Text().contains(shown)) << shown.toStdString() << " not in: " << page.Text().toStdString();
  }
  // Neither the entry out of force nor the results out of date are drawn in full ink.
  for (const char* faded : {"7.0", "0.245", "15.4522"}) {
    const Page::Word* word = page.Find(QString::fromUtf8(faded));
    ASSERT_NE(word, nullptr);
    EXPECT_GE(page.Darkest(word->box), 0x40) << faded << " is drawn as if in force";
  }
  const Page::Word* footer = page.Find(QStringLiteral("Square-root"));
  ASSERT_NE(footer, nullptr);
  EXPECT_GE(footer->box.height(), 8 * 1.1) << "footer below 8 pt";
  const int apart = Find(window, "txtELRml")->y() - Find(window, "txtELRgal")->y();  // screen pixels of 1/96 inch
  EXPECT_NEAR(page.Find(QStringLiteral("15.4522"))->box.top() - page.Find(QStringLiteral("0.245"))->box.top(),
              apart * 72.0 / 96 * 2, 0.5);
  for (const QString& document : {sent, pdf}) {
    const QStringList images =
        RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), document}).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(images.size(), 2) << document.toStdString() << ":\n" << images.join('\n').toStdString();
  }
}

// Saved as a PDF through the save dialog, with record details: the file holds
// the page as text, a result cut in its box is whole in the summary; a folder
// that cannot be written is reported and leaves no file.
TEST_F(Printing, SaveAsPdfWithRecordDetails) {
  Entry(window, "mnuDetails")->trigger();
  QWidget* details = QApplication::activeModalWidget();
  ASSERT_NE(details, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowActive(details));
  QTest::keyClicks(QApplication::focusWidget(), "North yard");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
  QTest::keyClicks(QApplication::focusWidget(), "J. Doe");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QTest::mouseClick(Find<QAbstractButton>(window, "Option4"), Qt::LeftButton);
  for (const auto& [name, text] : {std::pair{"txtLR", "123456789012"}, {"txtRef", "1"}, {"txtActual", "1"}}) {
    auto* box = Find<QLineEdit>(window, name);
    box->selectAll();
    QTest::keyClicks(box, text);
  }
  QTest::mouseClick(Find<QAbstractButton>(window, "cmdCalculate"), Qt::LeftButton);

  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("record.pdf"));
  ASSERT_TRUE(QDir::home().mkpath(QStringLiteral("Documents")));
  QString openedIn;
  AnswerFileDialog(folder.filePath(QStringLiteral("record")), &openedIn);  // the suffix left to the program
  Entry(window, "mnuSavePdf")->trigger();
  ASSERT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
  EXPECT_EQ(openedIn, QDir::home().filePath(QStringLiteral("Documents"))) << "the first save goes to the documents";
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("record.pdf")});
  const Page page = ReadPage(file);
  ExpectARecord(page, QString());
  for (const QString& shown : {QStringLiteral("Site: North yard Technician: J. Doe"),
                               QStringLiteral("Pair: the user's own leak rate and reference pressure"),
                               QStringLiteral("Equivalent leak rate: 123456789012.0 gal/h")}) {
    EXPECT_TRUE(page.Text().contains(shown)) << shown.toStdString() << " not in: " << page.Text().toStdString();
  }
  const Page::Word *site = page.Find(QStringLiteral("Site:")), *frame = page.Find(QStringLiteral("Select"));
  ASSERT_TRUE(site && frame);
  EXPECT_LT(site->box.bottom(), frame->box.top());
  EXPECT_TRUE(page.Text().contains(QRegularExpression(QStringLiteral(" 1234[0-9.]*\u2026 "))))
      << "no result cut with an ellipsis in its box";

  AnswerFileDialog(QStringLiteral("/proc/varnock-record.pdf"));
  Entry(window, "mnuSavePdf")->trigger();
  ASSERT_EQ(reports.size(), 1);
  EXPECT_TRUE(reports[0].startsWith(QStringLiteral("The PDF was not saved"))) << reports[0].toStdString();
  EXPECT_TRUE(reports[0].endsWith(QStringLiteral("(Saving)")));
  EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/varnock-record.pdf")));
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

// A record of 60 lines, their names and remarks long enough to wrap: pages
// enough for every line, each numbered, with the table's header, and the
// signature line at the end.
TEST_F(Printing, ATestRecordOnAsManyPagesAsItNeeds) {
  TestRecord& record = OpenRecord();
  for (int i = 0; i < 60; ++i) {
    record::Line line = record::Calculated("2026-12-09 14:05", "Premium unleaded line " + std::to_string(i + 1),
                                           "own pair", 0.1, 15, 22.5);
    line.measured = record::ReadMeasured(i % 2 == 0 ? "0.05" : "9 ml/min");
    line.remarks = "detector alarmed in 40 s, pump off, sump dry and clean at the time of the test";
    record.Add(std::move(line));
  }
  record.SetDetails({QStringLiteral("North yard ").repeated(30), {}, {}, {}});  // cut to one line on the page
  QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("record.pdf"));
  const auto paint = [&record](QPagedPaintDevice& device) { PaintRecord(device, record); };
  SaveDocument(QStringLiteral("record"), paint, file);
  // A document that cannot take its name is reported, and what has it stays.
  const QString taken = folder.filePath(QStringLiteral("taken.pdf"));
  const auto takenMidway = [&](QPagedPaintDevice& device) { paint(device), QDir().mkdir(taken); };
  EXPECT_THROW(SaveDocument(QStringLiteral("record"), takenMidway, taken), Failure);
  EXPECT_TRUE(QFileInfo(taken).isDir());
  const QString info = RunTool(QStringLiteral("pdfinfo"), {file});
  const int pages = QRegularExpression(QStringLiteral("Pages: +(\\d+)")).match(info).captured(1).toInt();
  EXPECT_GE(pages, 3);
  QStringList all;  // every page's words
  for (int number = 1; number <= pages; ++number) {
    const Page page = ReadPage(file, number);
    ExpectEveryWordReadable(page);
    QStringList words;
    for (const Page::Word& word : page.words) words << word.text;
    EXPECT_EQ(words.mid(0, 2), (QStringList{QStringLiteral("Test"), QStringLiteral("record")})) << number;
    EXPECT_TRUE(page.Text().contains(QStringLiteral("Page %1 of %2").arg(number).arg(pages))) << number;
    const bool header = words.contains(QStringLiteral("Verdict")) && words.contains(QStringLiteral("Remarks"));
    EXPECT_TRUE(header || number == pages) << "the header on page " << number;
    QSet<int> siteLines;  // the tops of the site's words, which head the first page
    for (const Page::Word& word : page.words) {
      if (word.text == QStringLiteral("yard")) siteLines << qRound(word.box.top());
    }
    EXPECT_EQ(siteLines.size(), number == 1 ? 1 : 0) << "the site's lines on page " << number;
    all += words;
  }
  for (int i = 1; i <= 60; ++i) EXPECT_TRUE(all.contains(QString::number(i))) << "line " << i << " is missing";
  EXPECT_EQ(all.count(QStringLiteral("Pass:")), 30);
  EXPECT_EQ(all.count(QStringLiteral("Fail:")), 30);
  EXPECT_TRUE(all.join(QLatin1Char(' ')).contains(QStringLiteral("Technician's signature:")));
  record.Save(folder.filePath(QStringLiteral("record.csv")));  // nothing unsaved for the tests that follow
}

}  // namespace
}  // namespace varnock::ui
