#include "frmAbout.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "Handlers.h"
#include "Identity.h"
#include "Layout.h"
#include "Look.h"
#include "Placement.h"
#include "TextBoxes.h"
#include "frmPipeline.h"

namespace varnock::ui {

std::unique_ptr<QWidget> frmAbout::Build() {
  auto window = MakeWindow<Dialog>("frmAbout", QStringLiteral("About Varnock"),
                                   Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  QWidget* w = window.get();
  w->setFixedSize(Px(6405), Px(3285));

  auto* frame1 = MakeFrame(w, "Frame1", {120, 720, 6135, 2175});
  SetTabIndex(frame1, 5);
  MakeLogo(frame1, "Image2", {120, 240, 2775, 1815});
  auto* cmdOK = Make<QPushButton>(w, "cmdOK", {3870, 1575, 1740, 585}, QStringLiteral("OK"));
  cmdOK->setDefault(true);
  cmdOK->raise();
  SetTabIndex(cmdOK, 0);
  window->cancelButton = cmdOK;  // Esc presses OK, as Enter does
  MakeLabel(w, "Label1", {3120, 120, 3135, 375}, "Developed by Kestrane, Inc. for Holvane, Inc.", {.wordWrap = true});
  MakeLabel(w, "lblCopyright", {120, 3000, 3375, 255}, "Copyright \u00a9 Holvane, Inc. All rights reserved.");
  lblTitle_ = MakeLabel(w, "lblTitle", {120, 120, 2805, 360}, "App Name");
  lblVersion_ = MakeLabel(w, "lblVersion", {120, 480, 3885, 345}, "Version");
  ApplyTabOrder(w);

  Bind(cmdOK, &QPushButton::clicked, [this] { cmdOK_Click(); });
  CentreOn(w, Instance<frmPipeline>().Window());
  return window;
}

void frmAbout::Form_Load() {
  SetCaption(lblVersion_, VersionText());
  SetCaption(lblTitle_, AppTitle().toStdString());
}

void frmAbout::Unloaded() { lblTitle_ = lblVersion_ = nullptr; }

void frmAbout::cmdOK_Click() { Unload(); }

}  // namespace varnock::ui
