#include "frmDetails.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "Handlers.h"
#include "Layout.h"
#include "Placement.h"
#include "TestRecord.h"
#include "TextBoxes.h"
#include "Texts.h"

namespace varnock::ui {
namespace {

[[maybe_unused]] const bool kListed = ListKind<frmDetails>();

// Each detail's label, then its box; the box's accessible name is the name
// the page gives the detail.
const ControlDef kControls[] = {
    {"lblSite", Kind::Label, nullptr, {120, 165, 1215, 195}, "&Site:"},
    {.name = "txtSite",
     .kind = Kind::Entry,
     .at = {1440, 120, 3960, 285},
     .tabIndex = 0,
     .spokenName = texts::kDetailSite},
    {"lblLine", Kind::Label, nullptr, {120, 570, 1215, 195}, "&Tank or line:"},
    {.name = "txtLine",
     .kind = Kind::Entry,
     .at = {1440, 525, 3960, 285},
     .tabIndex = 1,
     .spokenName = texts::kDetailLine},
    {"lblTechnician", Kind::Label, nullptr, {120, 975, 1215, 195}, "T&echnician:"},
    {.name = "txtTechnician",
     .kind = Kind::Entry,
     .at = {1440, 930, 3960, 285},
     .tabIndex = 2,
     .spokenName = texts::kDetailTechnician},
    {"lblNotes", Kind::Label, nullptr, {120, 1380, 1215, 195}, "&Notes:"},
    {.name = "txtNotes",
     .kind = Kind::Notes,
     .at = {1440, 1335, 3960, 1005},
     .tabIndex = 3,
     .spokenName = texts::kDetailNotes},
    {.name = "cmdOK",
     .kind = Kind::Button,
     .at = {2880, 2580, 1200, 375},
     .caption = "OK",
     .tabIndex = 4,
     .isDefault = true},
    {"cmdCancel", Kind::Button, nullptr, {4200, 2580, 1200, 375}, "Cancel", 5},
};
constexpr std::pair<const char*, const char*> kLabelled[] = {
    {"lblSite", "txtSite"}, {"lblLine", "txtLine"}, {"lblTechnician", "txtTechnician"}, {"lblNotes", "txtNotes"}};

}  // namespace

std::unique_ptr<QWidget> frmDetails::Build() {
  auto window = MakeWindow<Dialog>("frmDetails", QStringLiteral("Record Details"), kFixedDialog);
  window->setFixedSize(Px(5520), Px(3090));
  window->setWindowModality(Qt::ApplicationModal);
  const Controls controls = BuildControls(window.get(), kControls);
  CentreOn(window.get(), Owner());
  Wire(*window, controls);
  return window;
}

void frmDetails::Wire(Dialog& window, const Controls& controls) {
  for (const auto& [label, box] : kLabelled) controls.Get<QLabel>(label)->setBuddy(controls.Get(box));
  site_ = controls.Get<QLineEdit>("txtSite");
  line_ = controls.Get<QLineEdit>("txtLine");
  technician_ = controls.Get<QLineEdit>("txtTechnician");
  notes_ = controls.Get<QPlainTextEdit>("txtNotes");
  const TestRecord::Details given = OpenRecord().GivenDetails();
  site_->setText(given.site);
  line_->setText(given.tankOrLine);
  technician_->setText(given.technician);
  notes_->setPlainText(given.notes);
  FocusWithTextSelected(site_);
  auto* cmdOK = controls.Get<QPushButton>("cmdOK");
  auto* cmdCancel = controls.Get<QPushButton>("cmdCancel");
  window.cancelButton = cmdCancel;
  Bind(cmdOK, &QPushButton::clicked, [this] { cmdOK_Click(); });
  Bind(cmdCancel, &QPushButton::clicked, [this] { cmdCancel_Click(); });
}

void frmDetails::cmdOK_Click() {
  OpenRecord().SetDetails({site_->text(), line_->text(), technician_->text(), notes_->toPlainText()});
  Unload();
}

void frmDetails::cmdCancel_Click() { Unload(); }

}  // namespace varnock::ui
