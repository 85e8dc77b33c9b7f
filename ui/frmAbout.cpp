#include "frmAbout.h"

#include <QLabel>
#include <QPushButton>

#include "Handlers.h"
#include "Identity.h"
#include "Layout.h"
#include "Placement.h"
#include "TextBoxes.h"

namespace varnock::ui {

namespace {

[[maybe_unused]] const bool kListed = ListKind<frmAbout>();

const ControlDef kControls[] = {
    {"Frame1", Kind::Frame, nullptr, {120, 720, 6135, 2175}, "", 5},
    {"Image2", Kind::Logo, "Frame1", {120, 240, 2775, 1815}},
    // In front of the frame; Enter and Esc both press it.
    {.name = "cmdOK",
     .kind = Kind::Button,
     .at = {3870, 1575, 1740, 585},
     .caption = "OK",
     .tabIndex = 0,
     .isDefault = true},
    {"Label1",
     Kind::Label,
     nullptr,
     {3120, 120, 3135, 375},
     "Developed by " VARNOCK_DEVELOPER_WHOLE " for " VARNOCK_COMPANY_WHOLE,
     4,
     {.wordWrap = true}},
    {"lblCopyright",
     Kind::Label,
     nullptr,
     {120, 3000, 3375, 255},
     "Copyright \u00a9 " VARNOCK_COMPANY " All rights reserved.",
     3},
    {"lblTitle", Kind::Label, nullptr, {120, 120, 2805, 360}, "App Name", 2},
    {"lblVersion", Kind::Label, nullptr, {120, 480, 3885, 345}, "Version", 1},
};

}  // namespace

std::unique_ptr<QWidget> frmAbout::Build() {
  auto window = MakeWindow<Dialog>("frmAbout", QStringLiteral("About " VARNOCK_TITLE), kFixedDialog);
  window->setFixedSize(Px(6405), Px(3285));
  const Controls controls = BuildControls(window.get(), kControls);
  CentreOn(window.get(), Owner());
  Wire(*window, controls);
  return window;
}

void frmAbout::Wire(Dialog& window, const Controls& controls) {
  lblTitle_ = controls.Get<QLabel>("lblTitle");
  lblVersion_ = controls.Get<QLabel>("lblVersion");
  auto* cmdOK = controls.Get<QPushButton>("cmdOK");
  window.cancelButton = cmdOK;
  Bind(cmdOK, &QPushButton::clicked, [this] { cmdOK_Click(); });
}

void frmAbout::Form_Load() {
  SetCaption(lblVersion_, VersionText());
  SetCaption(lblTitle_, AppTitle().toStdString());
}

void frmAbout::cmdOK_Click() { Unload(); }

}  // namespace varnock::ui
