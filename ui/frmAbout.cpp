#include "frmAbout.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "Controls.h"
#include "frmPipeline.h"

namespace varnock::ui {
namespace {

// Esc presses OK, as Enter does: both close the window through its handler.
class AboutDialog : public QDialog {
 public:
  QPushButton* cancelButton = nullptr;

 protected:
  void reject() override {
    if (cancelButton != nullptr) cancelButton->click();
  }
};

}  // namespace

std::unique_ptr<QWidget> frmAbout::Build() {
  auto window = std::make_unique<AboutDialog>();
  QWidget* w = window.get();
  w->setObjectName(QStringLiteral("frmAbout"));
  w->setWindowTitle(QStringLiteral("About Varnock"));
  w->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                    Qt::MSWindowsFixedSizeDialogHint);
  w->setWindowIcon(AppIcon());
  w->setFont(DialogFont());
  w->setFixedSize(Px(6405), Px(3285));

  auto* frame1 = MakeFrame(w, "Frame1", {120, 720, 6135, 2175});
  SetTabIndex(frame1, 5);
  MakeLogo(frame1, "Image2", {120, 240, 2775, 1815});
  auto* cmdOK = Make<QPushButton>(w, "cmdOK", {3870, 1575, 1740, 585}, QStringLiteral("OK"));
  cmdOK->setDefault(true);
  cmdOK->raise();
  SetTabIndex(cmdOK, 0);
  window->cancelButton = cmdOK;
  auto* label1 = Make<QLabel>(w, "Label1", {3120, 120, 3135, 375},
                              QStringLiteral("Developed by Kestrane, Inc. for Holvane, Inc."));
  label1->setWordWrap(true);
  label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* lblCopyright = Make<QLabel>(w, "lblCopyright", {120, 3000, 3375, 255},
                                    QStringLiteral("Copyright \u00a9 Holvane, Inc. All rights reserved."));
  lblTitle_ = Make<QLabel>(w, "lblTitle", {120, 120, 2805, 360}, QStringLiteral("App Name"));
  lblVersion_ = Make<QLabel>(w, "lblVersion", {120, 480, 3885, 345}, QStringLiteral("Version"));
  for (QLabel* label : {lblCopyright, lblTitle_, lblVersion_}) label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  ApplyTabOrder(w);

  Bind(cmdOK, &QPushButton::clicked, [this] { cmdOK_Click(); });
  if (Instance<frmPipeline>().IsLoaded()) {
    CentreOn(w, Instance<frmPipeline>().Window());
  } else {
    CentreOnScreen(w);
  }
  return window;
}

void frmAbout::Form_Load() {
  SetCaption(lblVersion_, VersionText());
  SetCaption(lblTitle_, AppTitle().toStdString());
}

void frmAbout::Unloaded() { lblTitle_ = lblVersion_ = nullptr; }

void frmAbout::cmdOK_Click() { Unload(); }

}  // namespace varnock::ui
