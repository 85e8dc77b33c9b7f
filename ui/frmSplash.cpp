#include "frmSplash.h"

#include <QLabel>
#include <QTimer>

#include "Handlers.h"
#include "Identity.h"
#include "Layout.h"
#include "Placement.h"
#include "TextBoxes.h"
#include "frmPipeline.h"

namespace varnock::ui {

namespace {

[[maybe_unused]] const bool kListed = ListKind<frmSplash>();

const ControlDef kControls[] = {
    {"Frame1", Kind::Frame, nullptr, {120, 480, 5400, 2085}, "", 0},
    {.name = "Timer1", .kind = Kind::Timer, .inside = "Frame1", .interval = 3000},
    {"lblPlatform",
     Kind::Label,
     "Frame1",
     {3150, 510, 2115, 285},
     "Windows 95/98/NT",
     3,
     {.font = FontDef{12, true}, .alignment = Qt::AlignRight | Qt::AlignTop, .autoSize = true}},
    {"lblVersion",
     Kind::Label,
     "Frame1",
     {3120, 840, 720, 240},
     "Version",
     2,
     {.font = FontDef{9.75, true}, .autoSize = true}},
    {"imgLogo", Kind::Logo, "Frame1", {240, 240, 2775, 1665}},
    {"Label1", Kind::Label, "Frame1", {3120, 240, 855, 255}, "For", 1, {.font = FontDef{9.75, true}}},
    {"Label2", Kind::Label, nullptr, {120, 3120, 3375, 255}, "Developed by " VARNOCK_DEVELOPER, 6},
    {"Line1", Kind::Line, nullptr, {120, 3000, 5160 - 120, 15}},
    {"lblCopyright", Kind::Label, nullptr, {120, 2640, 3375, 255}, "Copyright \u00a9 " VARNOCK_COMPANY, 5},
    {"lblProductName",
     Kind::Label,
     nullptr,
     {120, 120, 4785, 330},
     identity::kCaption,
     4,
     {.font = FontDef{14.25, true}, .autoSize = true}}};

}  // namespace

std::unique_ptr<QWidget> frmSplash::Build() {
  // No title bar and no taskbar entry.
  auto window = MakeWindow<QWidget>("frmSplash", {}, Qt::SplashScreen | Qt::FramelessWindowHint);
  window->setFixedSize(Px(5595), Px(3405));
  const Controls controls = BuildControls(window.get(), kControls);
  CentreOnScreen(window.get());
  Wire(controls);
  return window;
}

void frmSplash::Wire(const Controls& controls) {
  lblVersion_ = controls.Get<QLabel>("lblVersion");
  lblProductName_ = controls.Get<QLabel>("lblProductName");
  auto* timer1 = controls.Get<QTimer>("Timer1");
  Bind(timer1, &QTimer::timeout, [this] { Timer1_Timer(); });
  timer1->start();
}

void frmSplash::Form_Load() {
  SetCaption(lblVersion_, VersionText());
  SetCaption(lblProductName_, AppTitle().toStdString());
}

void frmSplash::Timer1_Timer() {
  Unload();  // takes the timer with it: no second tick
  frmPipeline& calculator = Instance<frmPipeline>();
  calculator.Load();
  calculator.Show();
}

}  // namespace varnock::ui
