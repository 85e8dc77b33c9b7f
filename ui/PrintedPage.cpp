#include <QDateTime>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

#include "Failure.h"
#include "Identity.h"
#include "Look.h"
#include "Printing.h"
#include "TextBoxes.h"

namespace varnock::ui {
namespace {

// A colour as it looks over white paper, without transparency, which a
// PostScript printer path would turn the whole page into a picture for.
QColor OnPaper(QColor colour) {
  const double alpha = colour.alphaF();
  auto mix = [alpha](int channel) { return static_cast<int>(channel * alpha + 255 * (1 - alpha) + 0.5); };
  return QColor(mix(colour.red()), mix(colour.green()), mix(colour.blue()));
}

QColor Ink(const QWidget* control, QPalette::ColorRole role) {
  return OnPaper(control->palette().color(control->isEnabled() ? QPalette::Active : QPalette::Disabled, role));
}

QColor Outline(const QWidget* control) { return OnPaper(control->palette().color(QPalette::Window).darker(140)); }

void DrawFrame(QPainter& painter, const QGroupBox* frame) {
  painter.setPen(Outline(frame));
  painter.drawRoundedRect(FrameOutline(frame), 2, 2);
  QStyleOptionGroupBox option;
  option.initFrom(frame);
  option.text = frame->title();
  option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
  const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
  painter.setPen(Ink(frame, QPalette::WindowText));
  painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, frame->title());
}

void DrawOption(QPainter& painter, const QRadioButton* option) {
  QStyleOptionButton button;
  button.initFrom(option);
  button.text = option->text();
  const QRectF circle = QRectF(option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &button, option))
                            .adjusted(0.5, 0.5, -0.5, -0.5);
  painter.setPen(Outline(option));
  painter.drawEllipse(circle);
  if (option->isChecked()) {
    const double dot = circle.width() / 3;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink(option, QPalette::Text));
    painter.drawEllipse(circle.center(), dot / 2, dot / 2);
    painter.setBrush(Qt::NoBrush);
  }
  painter.setPen(Ink(option, QPalette::WindowText));
  painter.drawText(option->style()->subElementRect(QStyle::SE_RadioButtonContents, &button, option),
                   Qt::AlignLeft | Qt::AlignVCenter, option->text());
}

// A box's text as it fits, so that a long one is visibly cut on paper too.
void DrawBox(QPainter& painter, const QLineEdit* box) {
  painter.setPen(Outline(box));
  painter.drawRoundedRect(QRectF(box->rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  painter.setPen(Ink(box, QPalette::Text));
  painter.drawText(TextRoom(box), Qt::AlignLeft | Qt::AlignVCenter, FittingText(box));
}

void DrawButton(QPainter& painter, const QPushButton* button) {
  painter.setPen(Outline(button));
  painter.drawRoundedRect(QRectF(button->rect()).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
  painter.setPen(Ink(button, QPalette::ButtonText));
  painter.drawText(button->rect(), Qt::AlignCenter, button->text());
}

void DrawLabel(QPainter& painter, const QLabel* label) {
  painter.setPen(Ink(label, QPalette::WindowText));
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

// "Printed 2026-12-07 16:40 · Varnock 2.5.2": a filed page says when it was
// made, and then what its results were calculated from.
QString Footer(const QString& note) {
  const QString printed = QStringLiteral("Printed %1 \u00b7 %2 %3")
                              .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                   AppTitle(), QString::fromUtf8(identity::kVersion));
  return note.isEmpty() ? printed : printed + QLatin1Char('\n') + note;
}

}  // namespace

void FailToPrint(const std::string& reason, const std::string& remedy) {
  throw Failure(FailureKind::Printing, "The page was not printed: " + reason + " " + remedy);
}

void PaintPage(QPrinter& printer, const QWidget* client, const QString& note) {
  // Inside the printer's margins, and at least a hand's breadth from the edge.
  printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  QPainter painter;
  if (!painter.begin(&printer)) FailToPrint("the printer could not start the page.", kCheckPrinter);
  // Drawn first as a picture at the screen's resolution, so that fonts and
  // places are those of the window, then played onto the printer, scaled: a
  // screen pixel (1/96 inch) twice as large, or less if the page is narrower.
  QPicture picture;
  QPainter recorder(&picture);
  recorder.setRenderHint(QPainter::Antialiasing);
  DrawControls(recorder, client);
  recorder.end();
  const double printedPixel = printer.resolution() / double(picture.logicalDpiX());
  const double scale = std::min(2.0, painter.viewport().width() / (client->width() * printedPixel));
  painter.save();
  painter.scale(scale, scale);
  painter.drawPicture(0, 0, picture);
  painter.restore();
  QFont font = client->font();
  font.setPointSizeF(9);
  painter.setFont(font);
  painter.setPen(Qt::black);
  const double top = client->height() * printedPixel * scale + painter.fontMetrics().height();
  painter.drawText(QRectF(0, top, painter.viewport().width(), painter.fontMetrics().height() * 3),
                   Qt::AlignLeft | Qt::AlignTop, Footer(note));
  if (!painter.end()) FailToPrint("the printer could not finish the page.", kCheckPrinter);
}

}  // namespace varnock::ui
