#include "frmDetails.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Handlers.h"
#include "Layout.h"
#include "Placement.h"
#include "frmPipeline.h"

namespace varnock::ui {
namespace {

// Each detail: its label's caption and, without the access key and colon,
// the name the page and a screen reader give it; one row each.
struct Field {
  const char* labelName;
  const char* boxName;
  const char* caption;
  const char* name;
};
constexpr std::array<Field, 4> kFields{{{"lblSite", "txtSite", "&Site:", "Site"},
                                        {"lblLine", "txtLine", "&Tank or line:", "Tank or line"},
                                        {"lblTechnician", "txtTechnician", "T&echnician:", "Technician"},
                                        {"lblNotes", "txtNotes", "&Notes:", "Notes"}}};
constexpr int kRowHeight = 405;

}  // namespace

std::unique_ptr<QWidget> frmDetails::Build() {
  auto window = MakeWindow<Dialog>("frmDetails", QStringLiteral("Record Details"),
                                   Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  QWidget* w = window.get();
  w->setFixedSize(Px(5520), Px(2370));
  w->setWindowModality(Qt::ApplicationModal);
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    const int top = 120 + static_cast<int>(i) * kRowHeight;
    QLabel* label = MakeLabel(w, kFields[i].labelName, {120, top + 45, 1215, 195}, kFields[i].caption);
    boxes_[i] = Make<QLineEdit>(w, kFields[i].boxName, {1440, top, 3960, 285}, details_[i]);
    boxes_[i]->setAccessibleName(QString::fromUtf8(kFields[i].name));
    label->setBuddy(boxes_[i]);
    SetTabIndex(boxes_[i], static_cast<int>(i));
  }
  auto* cmdOK = Make<QPushButton>(w, "cmdOK", {2880, 1860, 1200, 375}, QStringLiteral("OK"));
  cmdOK->setDefault(true);
  SetTabIndex(cmdOK, 4);
  auto* cmdCancel = Make<QPushButton>(w, "cmdCancel", {4200, 1860, 1200, 375}, QStringLiteral("Cancel"));
  SetTabIndex(cmdCancel, 5);
  window->cancelButton = cmdCancel;
  ApplyTabOrder(w);

  Bind(cmdOK, &QPushButton::clicked, [this] { cmdOK_Click(); });
  Bind(cmdCancel, &QPushButton::clicked, [this] { cmdCancel_Click(); });
  CentreOn(w, Instance<frmPipeline>().Window());
  return window;
}

void frmDetails::Unloaded() { boxes_ = {}; }

QStringList frmDetails::PageLines() const {
  QStringList lines;
  for (std::size_t i = 0; i < kFields.size(); ++i) {
    const QString given = details_[i].simplified();
    if (!given.isEmpty()) lines << QString::fromUtf8(kFields[i].name) + QStringLiteral(": ") + given;
  }
  return lines;
}

void frmDetails::cmdOK_Click() {
  for (std::size_t i = 0; i < kFields.size(); ++i) details_[i] = boxes_[i]->text();
  Unload();
}

void frmDetails::cmdCancel_Click() { Unload(); }

}  // namespace varnock::ui
