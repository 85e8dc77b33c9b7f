#include "frmPipeline.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "AppIdentity.h"
#include "Equivalence.h"
#include "Failure.h"
#include "FileDialogs.h"
#include "Handlers.h"
#include "Layout.h"
#include "Look.h"
#include "Module1.h"
#include "NumberText.h"
#include "Placement.h"
#include "Printing.h"
#include "Record.h"
#include "TestRecord.h"
#include "TextBoxes.h"
#include "Texts.h"
#include "frmAbout.h"
#include "frmDetails.h"
#include "frmRecord.h"

namespace varnock::ui {
namespace eq = equivalence;
namespace {

[[maybe_unused]] const bool kListed = ListKind<frmPipeline>();

// The window's controls as stored. The captions beside the boxes fit
// themselves to their texts; those before a box keep their right edge.
const LabelLook kFitted{.autoSize = true};
const LabelLook kFittedRight{.alignment = Qt::AlignRight | Qt::AlignTop, .autoSize = true};
const ControlDef kControls[] = {
    {"Frame2", Kind::Frame, nullptr, {120, 120, 3975, 2055}, "Select the EPA Leak Rate and Reference Pressure", 5},
    {.name = "Option1",
     .kind = Kind::Option,
     .inside = "Frame2",
     .at = {240, 360, 1815, 375},
     .caption = eq::kFixedPairs[0].caption,
     .tabIndex = 6,
     .selected = true},
    {"Option2", Kind::Option, "Frame2", {240, 720, 1695, 375}, eq::kFixedPairs[1].caption, 18},
    {"Option3", Kind::Option, "Frame2", {240, 1080, 1815, 375}, eq::kFixedPairs[2].caption, 19},
    {.name = "Option4",
     .kind = Kind::Option,
     .inside = "Frame2",
     .at = {240, 1440, 255, 495},
     .tabIndex = 20,
     .spokenName = "Your own leak rate and reference pressure"},
    {.name = BoxName(Box::txtLR),
     .kind = Kind::Entry,
     .inside = "Frame2",
     .at = {480, 1560, 855, 285},
     .tabIndex = 7,
     .spokenName = "Leak rate (gal/h)",
     .enabled = false},
    {"Label5", Kind::Label, "Frame2", {1440, 1560, 555, 195}, "gal/h at", 8, kFitted},
    {.name = BoxName(Box::txtRef),
     .kind = Kind::Entry,
     .inside = "Frame2",
     .at = {2160, 1560, 855, 285},
     .tabIndex = 9,
     .spokenName = "Reference pressure (psi)",
     .enabled = false},
    {"Label10", Kind::Label, "Frame2", {3120, 1560, 195, 195}, "psi", 10, kFitted},
    {"Frame1", Kind::Frame, nullptr, {120, 2280, 3975, 1695}, "Input the Desired Equivalent Pressure", 0},
    {"Label2", Kind::Label, "Frame1", {600, 480, 1455, 195}, "Equivalent Pressure:", 2, kFittedRight},
    {.name = BoxName(Box::txtActual),
     .kind = Kind::Entry,
     .inside = "Frame1",
     .at = {2160, 480, 855, 285},
     .caption = "30",
     .tabIndex = 1,
     .spokenName = "Equivalent pressure (psi)"},
    {"Label8", Kind::Label, "Frame1", {3120, 480, 195, 195}, "psi", 4, kFitted},
    // Enter presses it when it has the focus; it is not the default button.
    {"cmdCalculate", Kind::Button, "Frame1", {960, 960, 2175, 495}, "Calculate Equivalent Rates", 3},
    {"Frame3", Kind::Frame, nullptr, {120, 4080, 3975, 1455}, "Results", 11},
    {"Label3", Kind::Label, "Frame3", {240, 360, 1590, 195}, "Equivalent Leak Rate:", 16, kFittedRight},
    {.name = BoxName(Box::txtELRgal),
     .kind = Kind::Result,
     .inside = "Frame3",
     .at = {1920, 360, 855, 285},
     .tabIndex = 13,
     .spokenName = "Equivalent leak rate (gal/h)",
     .enabled = false},
    {"Label6", Kind::Label, "Frame3", {2880, 360, 375, 195}, "gal/h", 15, kFitted},
    {"Label1", Kind::Label, "Frame3", {240, 840, 1590, 195}, "Equivalent Leak Rate:", 17, kFittedRight},
    {.name = BoxName(Box::txtELRml),
     .kind = Kind::Result,
     .inside = "Frame3",
     .at = {1920, 840, 855, 285},
     .tabIndex = 12,
     .spokenName = "Equivalent leak rate (ml/min)",
     .enabled = false},
    {"Label7", Kind::Label, "Frame3", {2880, 840, 465, 195}, "ml/min", 14, kFitted}};

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

// An entry as the page and the clipboard name it: the number it was read as,
// or the text quoted when it is no number.
QString AsRead(const std::string& text) {
  try {
    return QString::fromStdString(RealToText(TextToReal(text)));
  } catch (const Failure&) {
    return text.empty() ? QString::fromUtf8(texts::kEmptyEntry) : QString::fromStdString(Quoted(text));
  }
}

}  // namespace

std::unique_ptr<QWidget> frmPipeline::Build() {
  auto window =
      MakeWindow<QWidget>("frmPipeline", QString::fromUtf8(identity::kCaption),
                          Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  auto* client = new QWidget(window.get());
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(Px(4200), Px(5640));
  // A plain window with the menu bar above the client area: a main window's
  // layout of docks and toolbars, none of which this window has, would cost a
  // third of a megabyte of memory at start-up.
  auto* layout = new QVBoxLayout(window.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(client);
  const Controls controls = BuildControls(client, kControls);
  BuildMenus(window.get());
  layout->setSizeConstraint(QLayout::SetFixedSize);
  window->adjustSize();
  CentreOnScreen(window.get());
  Wire(controls);
  BuildResultMenu(window.get());
  return window;
}

void frmPipeline::Wire(const Controls& controls) {
  for (int box = 0; box < static_cast<int>(boxes_.size()); ++box) {
    boxes_[box] = controls.Get<QLineEdit>(BoxName(static_cast<Box>(box)));
  }
  results_ = {static_cast<ResultBox*>(BoxOf(Box::txtELRgal)), static_cast<ResultBox*>(BoxOf(Box::txtELRml))};
  auto* option1 = controls.Get<QRadioButton>("Option1");
  auto* option2 = controls.Get<QRadioButton>("Option2");
  auto* option3 = controls.Get<QRadioButton>("Option3");
  auto* option4 = controls.Get<QRadioButton>("Option4");
  options_ = {option1, option2, option3, option4};
  QLineEdit *txtLR = BoxOf(Box::txtLR), *txtRef = BoxOf(Box::txtRef), *txtActual = BoxOf(Box::txtActual);
  for (QLineEdit* entry : {txtLR, txtRef, txtActual}) TypePointOnKeypadDecimal(entry);
  auto* cmdCalculate = controls.Get<QPushButton>("cmdCalculate");
  // Any event may change the entries in force: after each, the results show
  // whether they still belong to them.
  auto andShow = [this](std::function<void()> operation) {
    return [this, operation = std::move(operation)] {
      operation();
      ShowWhetherResultsAreCurrent();
    };
  };
  Bind(option1, &QRadioButton::clicked, andShow([this] { eq::Option1_Click(*this, 0); }));
  Bind(option2, &QRadioButton::clicked, andShow([this] { eq::Option2_Click(*this, 0); }));
  Bind(option3, &QRadioButton::clicked, andShow([this] { eq::Option3_Click(*this); }));
  Bind(option4, &QRadioButton::clicked, andShow([this] { eq::Option4_Click(*this, 0); }));
  BindChange(txtActual, andShow([this] { eq::txtActual_Change(*this); }));
  BindChange(txtLR, andShow([this] { eq::txtLR_Change(*this); }));
  BindLeaving(txtLR, andShow([this] { eq::txtLR_LostFocus(*this); }));
  BindChange(txtRef, andShow([this] { eq::txtRef_Change(*this); }));
  for (QLineEdit* own : {txtLR, txtRef}) {
    Bind(own, &QLineEdit::textEdited, andShow([this, option4] {
           if (option4->isChecked()) return;
           option4->setChecked(true);  // no click: the user is already entering the pair, so no prompt
           eq::OwnPair_Typed(*this);
         }));
  }
  Bind(cmdCalculate, &QPushButton::clicked, andShow([this] {
         TidyLeakRate();
         eq::cmdCalculate_Click(*this);
         RememberWhatWasCalculated();
       }));
}

void frmPipeline::BuildResultMenu(QWidget* window) {
  auto* menu = new QMenu(window);
  menu->setObjectName(QStringLiteral("mnuResult"));
  QAction* copy = MenuEntry(menu, "mnuCopy", "Copy");
  menu->addAction(mnuCopyResults_);
  for (ResultBox* box : results_) {
    QObject::connect(box, &QWidget::customContextMenuRequested, box, [menu, copy, box](QPoint at) {
      // A result out of date cannot be carried off into a report.
      copy->setEnabled(!box->text().isEmpty() && !box->IsOutOfDate());
      copy->setData(box->text());
      menu->popup(box->mapToGlobal(at));
    });
  }
  Bind(copy, &QAction::triggered, [copy] { QGuiApplication::clipboard()->setText(copy->data().toString()); });
}

// Compared in place: they may be megabytes long, and this runs on every keystroke.
auto frmPipeline::EntriesInForce() { return std::tie(Module1::strLR, Module1::strRef, Module1::strActual); }

void frmPipeline::RememberWhatWasCalculated() {
  calculatedFrom_ = EntriesInForce();
  calculated_ = Numbers{AsRead(Module1::strLR),     AsRead(Module1::strRef),     AsRead(Module1::strActual),
                        TextToReal(Module1::strLR), TextToReal(Module1::strRef), TextToReal(Module1::strActual)};
}

bool frmPipeline::ResultsAreCurrent() const { return calculated_ && calculatedFrom_ == EntriesInForce(); }

QString frmPipeline::CalculatedFor() const {
  return QString::fromUtf8(texts::kCalculatedFor).arg(calculated_->rate, calculated_->reference, calculated_->actual);
}

void frmPipeline::ShowWhetherResultsAreCurrent() {
  if (!IsLoaded()) return;
  for (Box own : {Box::txtLR, Box::txtRef}) MarkInForce(BoxOf(own), OwnPairChosen());
  mnuCopyResults_->setEnabled(ResultsAreCurrent());
  mnuAddToRecord_->setEnabled(ResultsAreCurrent());
  if (!calculated_) return;
  const QString reason = ResultsAreCurrent() ? QString() : QString::fromUtf8(texts::kOutOfDate).arg(CalculatedFor());
  for (ResultBox* box : results_) box->SetOutOfDate(reason);
}

QString frmPipeline::FixedPairChosen() const {
  for (const QRadioButton* option : options_) {
    if (option->isChecked() && !option->text().isEmpty()) return option->text();
  }
  return {};
}

PageText frmPipeline::PageRecord() const {
  const QString fixed = FixedPairChosen();
  const QString pair =
      fixed.isEmpty() ? QString::fromUtf8(texts::kPairOwn) : QString::fromUtf8(texts::kPairFixed).arg(fixed);
  QStringList summary{pair,
                      QString::fromUtf8(texts::kPageLeakRate).arg(AsRead(Module1::strLR), AsRead(Module1::strRef)),
                      QString::fromUtf8(texts::kPagePressure).arg(AsRead(Module1::strActual))};
  const QString gal = results_[0]->text(), ml = results_[1]->text();
  const char* title = !calculated_          ? texts::kPageTitleNone
                      : ResultsAreCurrent() ? texts::kPageTitle
                                            : texts::kPageTitleOutOfDate;
  if (!calculated_) {
    summary << QString::fromUtf8(texts::kPageNoResults);
  } else if (!ResultsAreCurrent()) {
    summary << QString::fromUtf8(texts::kPageOutOfDate).arg(gal, ml, CalculatedFor());
  } else {
    summary << QString::fromUtf8(texts::kPageGallons).arg(gal) << QString::fromUtf8(texts::kPageMillilitres).arg(ml);
  }
  const TestRecord& record = OpenRecord();
  return {QString::fromUtf8(title), PageName(record.Site()), record.PageLines(), record.PageNotes(), summary};
}

void frmPipeline::BuildMenus(QWidget* window) {
  auto* bar = new QMenuBar(window);
  window->layout()->setMenuBar(bar);
  QMenu* mnuFile = Menu(bar, "mnuFile", "&File");
  QAction* mnuDetails = MenuEntry(mnuFile, "mnuDetails", "Record &Details\u2026");
  QAction* mnuRecord = MenuEntry(mnuFile, "mnuRecord", "Test &Record\u2026");
  QAction* mnuPrint = MenuEntry(mnuFile, "mnuPrint", "&Print");
  QAction* mnuSavePdf = MenuEntry(mnuFile, "mnuSavePdf", "Save &as PDF\u2026");
  Separator(mnuFile, "mnublank0");
  QAction* mnuExit = MenuEntry(mnuFile, "mnuExit", "E&xit");

  QMenu* mnuEdit = Menu(bar, "mnuEdit", "&Edit");
  mnuCopyResults_ = MenuEntry(mnuEdit, "mnuCopyResults", "&Copy Results", false);
  mnuCopyResults_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  mnuAddToRecord_ = MenuEntry(mnuEdit, "mnuAddToRecord", "&Add to Record", false);
  mnuAddToRecord_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));

  QMenu* mnuWeblinks = Menu(bar, "mnuWeblinks", "&Weblinks", false);
  MenuEntry(mnuWeblinks, "mnuHolvane", "&" VARNOCK_COMPANY " Website");
  MenuEntry(mnuWeblinks, "mnuHolvanecerts", VARNOCK_BRAND " &Certified Leak Detectors");
  MenuEntry(mnuWeblinks, "mnuQRC", "&Quessly Research Center");
  Separator(mnuWeblinks, "mnublank");
  MenuEntry(mnuWeblinks, "mnuLatest", "&Latest " VARNOCK_TITLE);

  QMenu* mnuHelp = Menu(bar, "mnuHelp", "&Help");
  MenuEntry(mnuHelp, "mnuReadme", "&Readme", false);
  Separator(mnuHelp, "mnublank1");
  MenuEntry(mnuHelp, "mnuEPA", "&EPA Background Information", false);
  QAction* mnuAbout = MenuEntry(mnuHelp, "mnuAbout", "&About " VARNOCK_TITLE);

  UsePlatformMenuFont(bar);

  Bind(mnuDetails, &QAction::triggered, [this] { mnuDetails_Click(); });
  Bind(mnuRecord, &QAction::triggered, [this] { Instance<frmRecord>().ShowOn(Window()); });
  Bind(mnuAddToRecord_.get(), &QAction::triggered, [this] { mnuAddToRecord_Click(); });
  Bind(mnuPrint, &QAction::triggered, [this] { mnuPrint_Click(); });
  Bind(mnuSavePdf, &QAction::triggered, [this] { mnuSavePdf_Click(); });
  Bind(mnuCopyResults_.get(), &QAction::triggered, [this] { mnuCopyResults_Click(); });
  Bind(mnuExit, &QAction::triggered, [this] { mnuExit_Click(); });
  Bind(mnuAbout, &QAction::triggered, [this] { mnuAbout_Click(); });
}

void frmPipeline::Form_Load() { eq::Form_Load(*this); }

void frmPipeline::Unloaded() { calculated_.reset(); }

QWidget* frmPipeline::Client() const {
  return Window()->findChild<QWidget*>(QStringLiteral("client"), Qt::FindDirectChildrenOnly);
}

void frmPipeline::mnuDetails_Click() { Instance<frmDetails>().ShowOn(Window()); }

// What the user is still typing in the leak-rate box is read as they will
// see it once they leave the box. Only the own pair's: a fixed pair's rate
// must not be replaced by the box's.
void frmPipeline::TidyLeakRate() {
  if (OwnPairChosen()) {
    eq::txtLR_LostFocus(*this);
    ShowWhetherResultsAreCurrent();
  }
}

void frmPipeline::mnuPrint_Click() {
  TidyLeakRate();
  PrintPage(Client(), PageRecord());
}

void frmPipeline::mnuSavePdf_Click() {
  TidyLeakRate();
  const PageText page = PageRecord();
  const QString file =
      AskSaveName(Window(), "dlgSavePdf", QStringLiteral("Save as PDF"), page.name, texts::kPdfFiles, "pdf");
  if (!file.isEmpty()) SavePage(Client(), page, file);
}

void frmPipeline::mnuExit_Click() { Close(); }

// The record's lines must not go with the window that adds them.
bool frmPipeline::CanClose() { return Instance<frmRecord>().AskToKeepChanges(); }

void frmPipeline::mnuAddToRecord_Click() {
  TidyLeakRate();
  if (!ResultsAreCurrent()) return;
  const QString fixed = FixedPairChosen();
  const std::string pair = fixed.isEmpty() ? texts::kOwnPair : fixed.toStdString();
  const QString time = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
  Instance<frmRecord>().AddLine(
      record::Calculated(time.toStdString(), OpenRecord().NextLineName().toStdString(), pair, calculated_->rateNumber,
                         calculated_->referenceNumber, calculated_->actualNumber),
      Window());
}

// One line a report can take: both results with their units and what they belong to.
void frmPipeline::mnuCopyResults_Click() {
  TidyLeakRate();
  if (!ResultsAreCurrent()) return;
  QGuiApplication::clipboard()->setText(QString::fromUtf8(texts::kCopiedResults)
                                            .arg(results_[0]->text(), results_[1]->text(), calculated_->actual,
                                                 calculated_->rate, calculated_->reference));
}

void frmPipeline::mnuAbout_Click() { Instance<frmAbout>().ShowOn(Window()); }

QLineEdit* frmPipeline::BoxOf(Box box) const {
  QLineEdit* control = boxes_.at(static_cast<std::size_t>(box));
  if (control == nullptr) {
    throw Failure(FailureKind::WindowRuntime, texts::kWindowClosed);
  }
  return control;
}

bool frmPipeline::OwnPairChosen() const { return options_.back()->isChecked(); }

std::string frmPipeline::Text(Box box) const { return ui::Text(BoxOf(box)); }

void frmPipeline::SetText(Box box, std::string_view text) { ui::SetText(BoxOf(box), text); }

void frmPipeline::Enable(Box box) { BoxOf(box)->setEnabled(true); }

void frmPipeline::SetFocus(Box box) {
  QLineEdit* control = BoxOf(box);
  FocusWithTextSelected(control);
  // An option button chosen by the arrow keys takes the focus back once its
  // click handler returns: claim it again after that, so the next key lands here.
  QMetaObject::invokeMethod(
      control, [control] { FocusWithTextSelected(control); }, Qt::QueuedConnection);
}

void frmPipeline::ShowMessage(std::string_view text) { ui::ShowMessage(text); }

}  // namespace varnock::ui
