#include "frmSplash.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QTimer>

#include "Controls.h"
#include "frmPipeline.h"

namespace varnock::ui {
namespace {

QLabel* Label(QWidget* parent, const char* name, Twips at, const char* caption, const QFont& font, int tabIndex) {
  auto* label = Make<QLabel>(parent, name, at, QString::fromUtf8(caption));
  label->setFont(font);
  SetTabIndex(label, tabIndex);
  return label;
}

}  // namespace

std::unique_ptr<QWidget> frmSplash::Build() {
  auto window = std::make_unique<QWidget>();
  QWidget* w = window.get();
  w->setObjectName(QStringLiteral("frmSplash"));
  // No title bar and no taskbar entry.
  w->setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
  w->setWindowIcon(AppIcon());
  w->setFont(DialogFont());
  w->setFixedSize(Px(5595), Px(3405));

  auto* frame1 = MakeFrame(w, "Frame1", {120, 480, 5400, 2085});
  SetTabIndex(frame1, 0);
  auto* timer1 = new QTimer(frame1);
  timer1->setObjectName(QStringLiteral("Timer1"));
  timer1->setInterval(3000);
  auto* lblPlatform = Label(frame1, "lblPlatform", {3150, 510, 2115, 285}, "Windows 95/98/NT", Arial(12, true), 3);
  lblPlatform->setAlignment(Qt::AlignRight | Qt::AlignTop);
  AutoSize(lblPlatform);
  lblVersion_ = Label(frame1, "lblVersion", {3120, 840, 720, 240}, "Version", Arial(9.75, true), 2);
  AutoSize(lblVersion_);
  MakeLogo(frame1, "imgLogo", {240, 240, 2775, 1665});
  Label(frame1, "Label1", {3120, 240, 855, 255}, "For", Arial(9.75, true), 1);
  Label(w, "Label2", {120, 3120, 3375, 255}, "Developed by Kestrane, Inc.", DialogFont(), 6);
  auto* line1 = Make<QFrame>(w, "Line1", {120, 3000, 5160 - 120, 15});
  line1->setFrameShape(QFrame::HLine);
  line1->setFrameShadow(QFrame::Plain);
  Label(w, "lblCopyright", {120, 2640, 3375, 255}, "Copyright \u00a9 Holvane, Inc.", DialogFont(), 5);
  lblProductName_ = Label(w, "lblProductName", {120, 120, 4785, 330}, "Holvane Varnock", Arial(14.25, true), 4);
  AutoSize(lblProductName_);
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
