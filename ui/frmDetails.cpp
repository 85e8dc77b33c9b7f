#include "frmDetails.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "Handlers.h"
#include "Layout.h"
#include "Placement.h"
#include "TextBoxes.h"
#include "frmPipeline.h"

namespace varnock::ui {
namespace {

// Each detail's label, then its box, in the order of details_; the box's
// accessible name is the name the page gives the detail.
const ControlDef kControls[] = {
    {"lblSite", Kind::Label, nullptr, {120, 165, 1215, 195}, "&Site:"},
    {"txtSite", Kind::Entry, nullptr, {1440, 120, 3960, 285}, "", 0, {}, "Site"},
    {"lblLine", Kind::Label, nullptr, {120, 570, 1215, 195}, "&Tank or line:"},
    {"txtLine", Kind::Entry, nullptr, {1440, 525, 3960, 285}, "", 1, {}, "Tank or line"},
    {"lblTechnician", Kind::Label, nullptr, {120, 975, 1215, 195}, "T&echnician:"},
    {"txtTechnician", Kind::Entry, nullptr, {1440, 930, 3960, 285}, "", 2, {}, "Technician"},
    {"lblNotes", Kind::Label, nullptr, {120, 1380, 1215, 195}, "&Notes:"},
    {"txtNotes", Kind::Entry, nullptr, {1440, 1335, 3960, 285}, "", 3, {}, "Notes"},
    {"cmdOK", Kind::Button, nullptr, {2880, 1860, 1200, 375}, "OK", 4, {}, nullptr, true, false, true},
    {"cmdCancel", Kind::Button, nullptr, {4200, 1860, 1200, 375}, "Cancel", 5}};
constexpr const char* kBoxes[] = {"txtSite", "txtLine", "txtTechnician", "txtNotes"};

}  // namespace

std::unique_ptr<QWidget> frmDetails::Build() {
  auto window = MakeWindow<Dialog>("frmDetails", QStringLiteral("Record Details"),
                                   Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  window->setFixedSize(Px(5520), Px(2370));
  window->setWindowModality(Qt::ApplicationModal);
  const Controls controls = BuildControls(window.get(), kControls);
  CentreOn(window.get(), Instance<frmPipeline>().Window());
  Wire(*window, controls);
  return window;
}

void frmDetails::Wire(Dialog& window, const Controls& controls) {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i] = controls.Get<QLineEdit>(kBoxes[i]);
    boxes_[i]->setText(details_[i]);
    controls.Get<QLabel>(kControls[2 * i].name)->setBuddy(boxes_[i]);
  }
  FocusWithTextSelected(boxes_[0]);
  auto* cmdOK = controls.Get<QPushButton>("cmdOK");
  auto* cmdCancel = controls.Get<QPushButton>("cmdCancel");
  window.cancelButton = cmdCancel;
  Bind(cmdOK, &QPushButton::clicked, [this] { cmdOK_Click(); });
  Bind(cmdCancel, &QPushButton::clicked, [this] { cmdCancel_Click(); });
}

void frmDetails::Unloaded() { boxes_ = {}; }

QStringList frmDetails::PageLines() const {
  QStringList lines;
  for (std::size_t i = 0; i < details_.size(); ++i) {
    const QString given = details_[i].simplified();
    if (!given.isEmpty()) lines << QString::fromUtf8(kControls[2 * i + 1].spokenName) + QStringLiteral(": ") + given;
  }
  return lines;
}

void frmDetails::cmdOK_Click() {
  for (std::size_t i = 0; i < details_.size(); ++i) details_[i] = boxes_[i]->text();
  Unload();
}

void frmDetails::cmdCancel_Click() { Unload(); }

}  // namespace varnock::ui
