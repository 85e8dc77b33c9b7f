#include "frmPipeline.h"

#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <limits>

#include "Controls.h"
#include "Equivalence.h"
#include "Failure.h"
#include "frmAbout.h"

namespace varnock::ui {
namespace eq = equivalence;
namespace {

QRadioButton* OptionButton(QWidget* frame, const char* name, Twips at, const char* caption, int tabIndex) {
  auto* option = Make<QRadioButton>(frame, name, at, QString::fromUtf8(caption));
  SetTabIndex(option, tabIndex);
  return option;
}

QLineEdit* TextBox(QWidget* frame, const char* name, Twips at, const char* text, int tabIndex, bool enabled,
                   const char* spokenName) {
  auto* box = Make<QLineEdit>(frame, name, at, QString::fromUtf8(text));
  box->setMaxLength(std::numeric_limits<int>::max());  // no length limit: Qt's default cuts at 32767
  box->setEnabled(enabled);
  box->setAccessibleName(QString::fromUtf8(spokenName));
  SetTabIndex(box, tabIndex);
  return box;
}

QLabel* Label(QWidget* frame, const char* name, Twips at, const char* caption, bool rightAligned = false) {
  auto* label = Make<QLabel>(frame, name, at, QString::fromUtf8(caption));
  if (rightAligned) label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  AutoSize(label);
  return label;
}

QAction* MenuEntry(QMenu* menu, const char* name, const char* caption, bool available = true) {
  QAction* entry = menu->addAction(QString::fromUtf8(caption));
  entry->setObjectName(QString::fromUtf8(name));
  entry->setEnabled(available);
  return entry;
}

QMenu* Menu(QMenuBar* bar, const char* name, const char* caption, bool available = true) {
  QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
  menu->setObjectName(QString::fromUtf8(name));
  menu->menuAction()->setObjectName(QString::fromUtf8(name));
  menu->menuAction()->setEnabled(available);
  return menu;
}

void Separator(QMenu* menu, const char* name) { menu->addSeparator()->setObjectName(QString::fromUtf8(name)); }

}  // namespace

std::unique_ptr<QWidget> frmPipeline::Build() {
  auto window = std::make_unique<QMainWindow>();
  window->setObjectName(QStringLiteral("frmPipeline"));
  window->setWindowTitle(QStringLiteral("Holvane Varnock"));
  window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  window->setWindowIcon(AppIcon());
  window->setFont(DialogFont());
  auto* client = new QWidget(window.get());
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(Px(4200), Px(5640));
  window->setCentralWidget(client);

  auto* frame2 = MakeFrame(client, "Frame2", {120, 120, 3975, 2055},
                           QStringLiteral("Select the EPA Leak Rate and Reference Pressure"));
  SetTabIndex(frame2, 5);
  auto* option1 = OptionButton(frame2, "Option1", {240, 360, 1815, 375}, "3.0 gal/hr at 10 psi", 6);
  auto* option2 = OptionButton(frame2, "Option2", {240, 720, 1695, 375}, "0.2 gal/hr at 30 psi", 18);
  auto* option3 = OptionButton(frame2, "Option3", {240, 1080, 1815, 375}, "0.1 gal/hr at 45 psi", 19);
  auto* option4 = OptionButton(frame2, "Option4", {240, 1440, 255, 495}, "", 20);
  option4->setAccessibleName(QStringLiteral("Your own leak rate and reference pressure"));
  option1->setChecked(true);
  auto* txtLR = TextBox(frame2, "txtLR", {480, 1560, 855, 285}, "", 7, false, "Leak rate (gal/h)");
  Label(frame2, "Label5", {1440, 1560, 555, 195}, "gal/h at");
  auto* txtRef = TextBox(frame2, "txtRef", {2160, 1560, 855, 285}, "", 9, false, "Reference pressure (psi)");
  Label(frame2, "Label10", {3120, 1560, 195, 195}, "psi");

  auto* frame1 = MakeFrame(client, "Frame1", {120, 2280, 3975, 1695},
                           QStringLiteral("Input the Desired Equivalent Pressure"));
  SetTabIndex(frame1, 0);
  Label(frame1, "Label2", {600, 480, 1455, 195}, "Equivalent Pressure:", true);
  auto* txtActual =
      TextBox(frame1, "txtActual", {2160, 480, 855, 285}, "30", 1, true, "Equivalent pressure (psi)");
  Label(frame1, "Label8", {3120, 480, 195, 195}, "psi");
  auto* cmdCalculate = Make<QPushButton>(frame1, "cmdCalculate", {960, 960, 2175, 495},
                                         QStringLiteral("Calculate Equivalent Rates"));
  cmdCalculate->setAutoDefault(false);
  SetTabIndex(cmdCalculate, 3);

  auto* frame3 = MakeFrame(client, "Frame3", {120, 4080, 3975, 1455}, QStringLiteral("Results"));
  SetTabIndex(frame3, 11);
  Label(frame3, "Label3", {240, 360, 1590, 195}, "Equivalent Leak Rate:", true);
  auto* txtELRgal =
      TextBox(frame3, "txtELRgal", {1920, 360, 855, 285}, "", 13, false, "Equivalent leak rate (gal/h)");
  Label(frame3, "Label6", {2880, 360, 375, 195}, "gal/h");
  Label(frame3, "Label1", {240, 840, 1590, 195}, "Equivalent Leak Rate:", true);
  auto* txtELRml =
      TextBox(frame3, "txtELRml", {1920, 840, 855, 285}, "", 12, false, "Equivalent leak rate (ml/min)");
  Label(frame3, "Label7", {2880, 840, 465, 195}, "ml/min");
  KeepTextReadable(txtELRgal);
  KeepTextReadable(txtELRml);

  BuildMenus(window.get());
  ApplyTabOrder(window.get());
  window->layout()->setSizeConstraint(QLayout::SetFixedSize);
  window->adjustSize();
  CentreOnScreen(window.get());

  boxes_ = {txtLR, txtRef, txtActual, txtELRgal, txtELRml};
  Bind(option1, &QRadioButton::clicked, [this] { eq::Option1_Click(*this, 0); });
  Bind(option2, &QRadioButton::clicked, [this] { eq::Option2_Click(*this, 0); });
  Bind(option3, &QRadioButton::clicked, [this] { eq::Option3_Click(*this); });
  Bind(option4, &QRadioButton::clicked, [this] { eq::Option4_Click(*this, 0); });
  BindChange(txtActual, [this] { eq::txtActual_Change(*this); });
  BindChange(txtLR, [this] { eq::txtLR_Change(*this); });
  Bind(txtLR, &QLineEdit::editingFinished, [this] { eq::txtLR_LostFocus(*this); });
  BindChange(txtRef, [this] { eq::txtRef_Change(*this); });
  Bind(cmdCalculate, &QPushButton::clicked, [this] { eq::cmdCalculate_Click(*this); });
  return window;
}

void frmPipeline::BuildMenus(QMainWindow* window) {
  QMenuBar* bar = window->menuBar();
  QMenu* mnuFile = Menu(bar, "mnuFile", "&File");
  QAction* mnuPrint = MenuEntry(mnuFile, "mnuPrint", "&Print");
  Separator(mnuFile, "mnublank0");
  QAction* mnuExit = MenuEntry(mnuFile, "mnuExit", "E&xit");

  QMenu* mnuWeblinks = Menu(bar, "mnuWeblinks", "&Weblinks", false);
  MenuEntry(mnuWeblinks, "mnuHolvane", "&Holvane, Inc. Website");
  MenuEntry(mnuWeblinks, "mnuHolvanecerts", "Holvane &Certified Leak Detectors");
  MenuEntry(mnuWeblinks, "mnuQRC", "&Quessly Research Center");
  Separator(mnuWeblinks, "mnublank");
  MenuEntry(mnuWeblinks, "mnuLatest", "&Latest Varnock");

  QMenu* mnuHelp = Menu(bar, "mnuHelp", "&Help");
  MenuEntry(mnuHelp, "mnuReadme", "&Readme", false);
  Separator(mnuHelp, "mnublank1");
  MenuEntry(mnuHelp, "mnuEPA", "&EPA Background Information", false);
  QAction* mnuAbout = MenuEntry(mnuHelp, "mnuAbout", "&About Varnock");

  Bind(mnuPrint, &QAction::triggered, [this] { mnuPrint_Click(); });
  Bind(mnuExit, &QAction::triggered, [this] { mnuExit_Click(); });
  Bind(mnuAbout, &QAction::triggered, [this] { mnuAbout_Click(); });
}

void frmPipeline::Form_Load() { eq::Form_Load(*this); }

void frmPipeline::Unloaded() { boxes_ = {}; }

void frmPipeline::mnuPrint_Click() { PrintImage(Window()); }

void frmPipeline::mnuExit_Click() { Unload(); }

void frmPipeline::mnuAbout_Click() { Instance<frmAbout>().Show(); }

QLineEdit* frmPipeline::BoxOf(Box box) const {
  QLineEdit* control = boxes_.at(static_cast<std::size_t>(box));
  if (control == nullptr) {
    throw Failure(FailureKind::WindowRuntime, "Window error: the calculator window is not loaded.");
  }
  return control;
}

std::string frmPipeline::Text(Box box) const { return ui::Text(BoxOf(box)); }

void frmPipeline::SetText(Box box, std::string_view text) {
  QLineEdit* control = BoxOf(box);
  ui::SetText(control, text);
  if (box == Box::txtELRgal || box == Box::txtELRml) TipWhenClipped(control);
}

void frmPipeline::Enable(Box box) { BoxOf(box)->setEnabled(true); }

void frmPipeline::SetFocus(Box box) {
  QLineEdit* control = BoxOf(box);
  control->setFocus();
  // An option button chosen by the arrow keys takes the focus back once its
  // click handler returns: claim it again after that, so the next key lands here.
  QMetaObject::invokeMethod(control, [control] { control->setFocus(); }, Qt::QueuedConnection);
}

void frmPipeline::ShowMessage(std::string_view text) { ui::ShowMessage(text); }

}  // namespace varnock::ui
