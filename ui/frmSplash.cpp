#include "frmSplash.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include "Handlers.h"
#include "Identity.h"
#include "Layout.h"
#include "Look.h"
#include "Placement.h"
#include "TextBoxes.h"
#include "frmPipeline.h"

namespace varnock::ui {

std::unique_ptr<QWidget> frmSplash::Build() {
  // No title bar and no taskbar entry.
  auto window = MakeWindow<QWidget>("frmSplash", {}, Qt::SplashScreen | Qt::FramelessWindowHint);
  QWidget* w = window.get();
  w->setFixedSize(Px(5595), Px(3405));

  auto* frame1 = MakeFrame(w, "Frame1", {120, 480, 5400, 2085});
  SetTabIndex(frame1, 0);
  auto* timer1 = new QTimer(frame1);
  timer1->setObjectName(QStringLiteral("Timer1"));
  timer1->setInterval(3000);
  MakeLabel(frame1, "lblPlatform", {3150, 510, 2115, 285}, "Windows 95/98/NT",
            {.font = Arial(12, true), .alignment = Qt::AlignRight | Qt::AlignTop, .autoSize = true, .tabIndex = 3});
  lblVersion_ = MakeLabel(frame1, "lblVersion", {3120, 840, 720, 240}, "Version",
                          {.font = Arial(9.75, true), .autoSize = true, .tabIndex = 2});
  MakeLogo(frame1, "imgLogo", {240, 240, 2775, 1665});
  MakeLabel(frame1, "Label1", {3120, 240, 855, 255}, "For", {.font = Arial(9.75, true), .tabIndex = 1});
  MakeLabel(w, "Label2", {120, 3120, 3375, 255}, "Developed by Kestrane, Inc.", {.tabIndex = 6});
  auto* line1 = Make<QFrame>(w, "Line1", {120, 3000, 5160 - 120, 15});
  line1->setFrameShape(QFrame::HLine);
  line1->setFrameShadow(QFrame::Plain);
  MakeLabel(w, "lblCopyright", {120, 2640, 3375, 255}, "Copyright \u00a9 Holvane, Inc.", {.tabIndex = 5});
  lblProductName_ = MakeLabel(w, "lblProductName", {120, 120, 4785, 330}, identity::kCaption,
                              {.font = Arial(14.25, true), .autoSize = true, .tabIndex = 4});
  CentreOnScreen(w);

  Bind(timer1, &QTimer::timeout, [this] { Timer1_Timer(); });
  timer1->start();
  return window;
}

void frmSplash::Form_Load() {
  SetCaption(lblVersion_, VersionText());
  SetCaption(lblProductName_, AppTitle().toStdString());
}

void frmSplash::Unloaded() { lblVersion_ = lblProductName_ = nullptr; }

void frmSplash::Timer1_Timer() {
  Unload();  // takes the timer with it: no second tick
  frmPipeline& calculator = Instance<frmPipeline>();
  calculator.Load();
  calculator.Show();
}

}  // namespace varnock::ui
