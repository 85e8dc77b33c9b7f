#include <QDateTime>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStyle>
#include <QStyleOption>
#include <QTextOption>
#include <algorithm>
#include <vector>

#include "Equivalence.h"
#include "Failure.h"
#include "Identity.h"
#include "Look.h"
#include "Printing.h"
#include "TestRecord.h"
#include "TextBoxes.h"
#include "Texts.h"

namespace varnock::ui {
namespace {

// Print colours: paper is white whatever the screen's theme, and nothing is
// transparent, which a PostScript printer path would turn into a picture.
const QColor kInk = Qt::black;
// Results out of date and boxes not in use: a grey that still reads on paper.
const QColor kFaded(0x6e, 0x6e, 0x6e);
constexpr double kLineWidth = 0.5;  // screen pixels: a fine rule once scaled to the page

constexpr const char* kNotInForce = "varnockNotInForce";

QColor Ink(const QWidget* control) {
  if (const auto* result = dynamic_cast<const ResultBox*>(control)) return result->IsOutOfDate() ? kFaded : kInk;
  return control->isEnabled() && !control->property(kNotInForce).toBool() ? kInk : kFaded;
}

void Outline(QPainter& painter) { painter.setPen(QPen(kInk, kLineWidth)); }

void DrawFrame(QPainter& painter, const QGroupBox* frame) {
  Outline(painter);
  painter.drawRoundedRect(FrameOutline(frame), 2, 2);
  QStyleOptionGroupBox option;
  option.initFrom(frame);
  option.text = frame->title();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
  painter.setPen(Ink(frame));
  painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, frame->title());
}

void DrawOption(QPainter& painter, const QRadioButton* option) {
  QStyleOptionButton button;
  button.initFrom(option);
  button.text = option->text();
  const QRectF circle = QRectF(option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &button, option))
                            .adjusted(0.5, 0.5, -0.5, -0.5);
  Outline(painter);
  painter.drawEllipse(circle);
  if (option->isChecked()) {
    const double dot = circle.width() / 3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(circle.center(), dot / 2, dot / 2);
    painter.setBrush(Qt::NoBrush);
  }
  painter.setPen(Ink(option));
  painter.drawText(option->style()->subElementRect(QStyle::SE_RadioButtonContents, &button, option),
                   Qt::AlignLeft | Qt::AlignVCenter, option->text());
}

// A box's text as it fits, so that a long one is visibly cut on paper too.
void DrawBox(QPainter& painter, const QLineEdit* box) {
  Outline(painter);
  painter.drawRoundedRect(QRectF(box->rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  painter.setPen(Ink(box));
  painter.drawText(TextRoom(box), Qt::AlignLeft | Qt::AlignVCenter, FittingText(box));
}

void DrawButton(QPainter& painter, const QPushButton* button) {
  Outline(painter);
  painter.drawRoundedRect(QRectF(button->rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  painter.setPen(Ink(button));
  painter.drawText(button->rect(), Qt::AlignCenter, button->text());
}

void DrawLabel(QPainter& painter, const QLabel* label) {
  painter.setPen(Ink(label));
  painter.drawText(label->contentsRect(), static_cast<int>(label->alignment()), label->text());
}

void DrawControl(QPainter& painter, const QWidget* control) {
  painter.setFont(control->font());
  if (const auto* frame = qobject_cast<const QGroupBox*>(control)) return DrawFrame(painter, frame);
  if (const auto* option = qobject_cast<const QRadioButton*>(control)) return DrawOption(painter, option);
  if (const auto* box = qobject_cast<const QLineEdit*>(control)) return DrawBox(painter, box);
  if (const auto* button = qobject_cast<const QPushButton*>(control)) return DrawButton(painter, button);
  if (const auto* label = qobject_cast<const QLabel*>(control)) return DrawLabel(painter, label);
}

void DrawControls(QPainter& painter, const QWidget* container) {
  for (const QObject* child : container->children()) {
    const auto* control = qobject_cast<const QWidget*>(child);
    if (control == nullptr || control->isWindow() || !control->isVisible()) continue;
    painter.save();
    painter.translate(control->pos());
    DrawControl(painter, control);
    DrawControls(painter, control);
    painter.restore();
  }
}

// The window drawn at the screen's resolution, so that fonts and places are
// those of the window; played onto the page scaled.
QPicture Drawing(const QWidget* client) {
  QPicture picture;
  QPainter recorder(&picture);
  recorder.setRenderHint(QPainter::Antialiasing);
  DrawControls(recorder, client);
  recorder.end();
  return picture;
}

QFont PageFont(double points, bool bold = false) {
  QFont font = DialogFont();
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

// Lines of text wrapped to the page's width, at word boundaries where they can be.
class TextBlock {
 public:
  TextBlock(QPainter& painter, const QFont& font, const QStringList& lines, double width)
      : painter_(painter), font_(font), text_(lines.join(QLatin1Char('\n'))) {
    option_.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    painter_.setFont(font_);
    height_ = lines.isEmpty() ? 0 : painter_.boundingRect(QRectF(0, 0, width, 1e9), text_, option_).height();
    width_ = width;
  }
  double Height() const { return height_; }
  // Draws the block at `top`; gives the y below it.
  double DrawAt(double top) {
    painter_.setFont(font_);
    painter_.setPen(kInk);
    painter_.drawText(QRectF(0, top, width_, height_), text_, option_);
    return top + height_;
  }

 private:
  QPainter& painter_;
  QFont font_;
  QString text_;
  QTextOption option_;
  double width_ = 0, height_ = 0;
};

// What the page records, and on the same line which program made the page and when.
double DrawTitle(QPainter& painter, const QString& title, double width) {
  painter.setPen(kInk);
  painter.setFont(PageFont(14, true));
  const double height = painter.fontMetrics().height();
  const QRectF line(0, 0, width, height);
  painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, title);
  painter.setFont(PageFont(9));
  painter.drawText(line, Qt::AlignRight | Qt::AlignBottom,
                   QString::fromUtf8(texts::kPageMadeBy)
                       .arg(AppTitle(), QString::fromUtf8(identity::kVersion),
                            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))));
  return height;
}

// Each detail on one line of its own, cut with "…" if it is longer.
QStringList OneLineEach(QPainter& painter, const QFont& font, const QStringList& lines, double width) {
  const QFontMetricsF metrics(font, painter.device());
  QStringList cut;
  for (const QString& line : lines) cut << metrics.elidedText(line, Qt::ElideRight, width);
  return cut;
}

// The record's table: each column's share of the page's width, and its cells
// wrapped within it.
constexpr double kShares[TestRecord::kColumns] = {0.10, 0.11, 0.09, 0.10, 0.07, 0.06, 0.07, 0.08, 0.17, 0.15};

class RecordTable {
 public:
  RecordTable(QPainter& painter, const TestRecord& record, double width)
      : painter_(painter), record_(record), width_(width), pad_(painter.device()->logicalDpiX() / 48.0) {
    option_.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  }
  QStringList Header() const {
    QStringList cells;
    for (int column = 0; column < TestRecord::kColumns; ++column) {
      cells << TestRecord::ColumnName(static_cast<TestRecord::Column>(column));
    }
    return cells;
  }
  QStringList Cells(int row) const {
    QStringList cells;
    for (int column = 0; column < TestRecord::kColumns; ++column) {
      cells << record_.CellText(row, static_cast<TestRecord::Column>(column));
    }
    return cells;
  }
  double Height(const QStringList& cells, const QFont& font) const {
    painter_.setFont(font);
    double height = 0;
    for (int column = 0; column < cells.size(); ++column) {
      const QRectF room(0, 0, Width(column) - 2 * pad_, 1e9);
      height = std::max(height, painter_.boundingRect(room, cells[column], option_).height());
    }
    return height + 2 * pad_;
  }
  // Draws a row at `top` with a rule below it; gives the y below it.
  double Draw(const QStringList& cells, const QFont& font, double top, double height) const {
    painter_.setFont(font);
    painter_.setPen(kInk);
    double left = 0;
    for (int column = 0; column < cells.size(); ++column) {
      const QRectF cell(left + pad_, top + pad_, Width(column) - 2 * pad_, height - 2 * pad_);
      painter_.drawText(cell, cells[column], option_);
      left += Width(column);
    }
    painter_.setPen(QPen(kInk, painter_.device()->logicalDpiY() / 144.0));
    painter_.drawLine(QPointF(0, top + height), QPointF(width_, top + height));
    return top + height;
  }

 private:
  double Width(int column) const { return width_ * kShares[column]; }

  QPainter& painter_;
  const TestRecord& record_;
  double width_, pad_;
  QTextOption option_;
};

// The whole path, as the platform writes it: the user chose it in a dialog.
[[noreturn]] void FailToSave(const QString& fileName, const QString& reason) {
  throw Failure(FailureKind::Saving,
                QString::fromUtf8(texts::kPdfNotSaved).arg(QDir::toNativeSeparators(fileName), reason).toStdString());
}

}  // namespace

QString PageName(const QString& site, const char* suffix) {
  QString name = AppTitle() + QDateTime::currentDateTime().toString(QStringLiteral(" yyyy-MM-dd HH.mm.ss"));
  if (!site.isEmpty()) name += QLatin1Char(' ') + site;
  // Also a file's name: without the characters Windows forbids in one (a
  // colon in the time, a slash in a site), and on one line.
  static const QRegularExpression forbidden(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]"));
  return name.replace(forbidden, QStringLiteral("-")).simplified() + QString::fromUtf8(suffix);
}

void MarkInForce(QWidget* control, bool inForce) { control->setProperty(kNotInForce, !inForce); }

QPageSize LocalPaper() {
  return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}

void FailToPrint(const QString& report, const QString& said) {
  const QString message = said.isEmpty() ? report : report + QString::fromUtf8(texts::kPrinterSaid).arg(said);
  throw Failure(FailureKind::Printing, message.toStdString());
}

void PaintPage(QPagedPaintDevice& device, const QWidget* client, const PageText& text) {
  // Inside the printer's margins, and at least a hand's breadth from the edge.
  device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  QPainter painter;
  if (!painter.begin(&device)) FailToPrint(QString::fromUtf8(texts::kPrinterCannotStart));
  const double width = painter.viewport().width(), height = painter.viewport().height();
  const double gap = device.logicalDpiY() / 6.0;  // a sixth of an inch between the parts of the page

  double top = DrawTitle(painter, text.title, width) + gap / 2;
  const QFont body = PageFont(10);
  top = TextBlock(painter, body, OneLineEach(painter, body, text.details, width), width).DrawAt(top);
  if (!text.notes.isEmpty()) top = TextBlock(painter, body, {text.notes}, width).DrawAt(top);
  painter.setPen(QPen(kInk, device.logicalDpiY() / 144.0));
  painter.drawLine(QPointF(0, top + gap / 2), QPointF(width, top + gap / 2));
  top += gap;

  TextBlock summary(painter, body, text.summary, width);
  TextBlock footer(
      painter, PageFont(8),
      {QString::fromUtf8(texts::kPageLaw).arg(equivalence::kMillilitresPerGallon).arg(equivalence::kMinutesPerHour)},
      width);
  // The drawing is played at the device's resolution (a screen pixel, 1/96
  // inch, becomes printedPixel device pixels), and made twice as large, or
  // less if the page has less room.
  const QPicture drawing = Drawing(client);
  const double printedPixel = device.logicalDpiX() / double(drawing.logicalDpiX());
  const double room = height - top - summary.Height() - footer.Height() - 2 * gap;
  const double scale =
      std::min({2.0, width / (client->width() * printedPixel), room / (client->height() * printedPixel)});
  painter.save();
  painter.translate(0, top);
  painter.scale(scale, scale);
  painter.drawPicture(0, 0, drawing);
  painter.restore();
  top += client->height() * printedPixel * scale + gap;
  footer.DrawAt(summary.DrawAt(top) + gap / 2);
  if (!painter.end()) FailToPrint(QString::fromUtf8(texts::kPrinterCannotFinish));
}

void PaintRecord(QPagedPaintDevice& device, const TestRecord& record) {
  device.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  QPainter painter;
  if (!painter.begin(&device)) FailToPrint(QString::fromUtf8(texts::kPrinterCannotStart));
  const double width = painter.viewport().width(), height = painter.viewport().height();
  const double gap = device.logicalDpiY() / 6.0;
  const QFont body = PageFont(10), cells = PageFont(8), header = PageFont(8, true);
  const QString title = QString::fromUtf8(texts::kRecordTitle);

  // Laid out before drawing: every page says how many there are.
  RecordTable table(painter, record, width);
  painter.setFont(PageFont(14, true));
  const double titleHeight = painter.fontMetrics().height() + gap / 2;
  TextBlock details(painter, body, OneLineEach(painter, body, record.PageLines(), width), width);
  TextBlock notes(painter, body, record.PageNotes().isEmpty() ? QStringList() : QStringList{record.PageNotes()}, width);
  const QStringList headerCells = table.Header();
  const double headerHeight = table.Height(headerCells, header);
  TextBlock pageNumber(painter, PageFont(8), {QStringLiteral("Page")}, width);
  TextBlock signature(painter, body,
                      {QString::fromUtf8(texts::kSignature) + QString(40, QLatin1Char('_')) + QStringLiteral("   ") +
                       QString::fromUtf8(texts::kSignatureDate) + QString(20, QLatin1Char('_'))},
                      width);
  const double bottom = height - pageNumber.Height() - gap / 2;
  const double firstTop = titleHeight + details.Height() + notes.Height() + gap / 2 + headerHeight;
  const double laterTop = titleHeight + headerHeight;

  std::vector<double> rowHeights;
  std::vector<int> pageStarts{0};  // the first row of each page
  double top = firstTop;
  for (int row = 0; row < record.rowCount(); ++row) {
    rowHeights.push_back(table.Height(table.Cells(row), cells));
    if (top + rowHeights.back() > bottom && row > pageStarts.back()) {
      pageStarts.push_back(row);
      top = laterTop;
    }
    top += rowHeights.back();
  }
  const bool signatureOnItsOwnPage = top + 2 * gap + signature.Height() > bottom;
  if (signatureOnItsOwnPage) pageStarts.push_back(record.rowCount());
  const int pages = static_cast<int>(pageStarts.size());

  for (int page = 0; page < pages; ++page) {
    if (page > 0 && !device.newPage()) FailToPrint(QString::fromUtf8(texts::kPrinterCannotFinish));
    top = DrawTitle(painter, title, width) + gap / 2;
    if (page == 0) top = notes.DrawAt(details.DrawAt(top)) + gap / 2;
    const int end = page + 1 < pages ? pageStarts[page + 1] : record.rowCount();
    if (pageStarts[page] < end || !signatureOnItsOwnPage || record.rowCount() == 0) {
      top = table.Draw(headerCells, header, top, headerHeight);
    }
    for (int row = pageStarts[page]; row < end; ++row) top = table.Draw(table.Cells(row), cells, top, rowHeights[row]);
    if (page == pages - 1) signature.DrawAt(top + 2 * gap);
    TextBlock(painter, PageFont(8), {QString::fromUtf8(texts::kPageOf).arg(page + 1).arg(pages)}, width)
        .DrawAt(height - pageNumber.Height());
  }
  if (!painter.end()) FailToPrint(QString::fromUtf8(texts::kPrinterCannotFinish));
}

void PrintPage(const QWidget* client, const PageText& text) {
  PrintDocument(text.name, [&](QPagedPaintDevice& device) { PaintPage(device, client, text); });
}

void SavePage(const QWidget* client, const PageText& text, const QString& fileName) {
  SaveDocument(
      text.name, [&](QPagedPaintDevice& device) { PaintPage(device, client, text); }, fileName);
}

void SaveDocument(const QString& name, const PagePainter& paint, const QString& fileName) {
  // Written beside the target and renamed over it once complete: a failure
  // leaves neither half a document nor a damaged earlier one.
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) FailToSave(fileName, file.errorString());
  {
    QPdfWriter writer(&file);
    writer.setTitle(name);
    writer.setCreator(AppTitle() + QLatin1Char(' ') + QString::fromUtf8(identity::kVersion));
    writer.setPageSize(LocalPaper());
    paint(writer);
  }
  if (!file.commit()) FailToSave(fileName, file.errorString());
}

}  // namespace varnock::ui
