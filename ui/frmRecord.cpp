#include "frmRecord.h"

#include <QAction>
#include <QFileInfo>
#include <QHBoxLayout>  // IWYU pragma: keep
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>  // IWYU pragma: keep

#include "FileDialogs.h"
#include "Handlers.h"
#include "Layout.h"
#include "Placement.h"
#include "Printing.h"
#include "TestRecord.h"
#include "Texts.h"
#include "frmDetails.h"

namespace varnock::ui {
namespace {

[[maybe_unused]] const bool kListed = ListKind<frmRecord>();

// Each column's starting width in average characters; the user may widen any.
constexpr int kColumnChars[TestRecord::kColumns] = {16, 14, 20, 18, 10, 8, 9, 13, 44, 24};

QAction* Entry(QMenu* menu, const char* name, const char* caption, const QKeySequence& keys = {}) {
  QAction* entry = menu->addAction(QString::fromUtf8(caption));
  entry->setObjectName(QString::fromUtf8(name));
  entry->setShortcut(keys);
  return entry;
}

QPushButton* Button(QWidget* window, QLayout* row, const char* name, QAction* action) {
  auto* button = new QPushButton(action->text(), window);
  button->setObjectName(QString::fromUtf8(name));
  row->addWidget(button);
  QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
  QObject::connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
  return button;
}

}  // namespace

void frmRecord::AddLine(record::Line line, const QWidget* owner) {
  const int row = OpenRecord().Add(std::move(line));
  ShowOn(owner);
  if (!IsLoaded()) return;
  SelectRow(row, TestRecord::Measured);
  table_->setFocus(Qt::OtherFocusReason);
  table_->edit(table_->currentIndex());
}

std::unique_ptr<QWidget> frmRecord::Build() {
  auto window = MakeWindow<QWidget>("frmRecord", QString(), Qt::Window);
  auto* layout = new QVBoxLayout(window.get());
  details_ = new QLabel(window.get());
  details_->setObjectName(QStringLiteral("lblDetails"));
  details_->setWordWrap(true);
  details_->setTextFormat(Qt::PlainText);
  details_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(details_);

  table_ = new QTableView(window.get());
  table_->setObjectName(QStringLiteral("tblLines"));
  table_->setAccessibleName(QStringLiteral("Lines tested"));
  table_->setModel(&OpenRecord());
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
  table_->setWordWrap(false);
  table_->setTabKeyNavigation(false);  // Tab leaves the table, as from any control
  const int character = table_->fontMetrics().averageCharWidth();
  for (int column = 0; column < TestRecord::kColumns; ++column) {
    table_->setColumnWidth(column, kColumnChars[column] * character);
  }
  table_->horizontalHeader()->setStretchLastSection(true);
  // One height for every row: nothing is measured per row, so that a record
  // of thousands of lines opens at once.
  table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  layout->addWidget(table_, 1);

  BuildMenus(window.get());
  window->resize(Px(14400), Px(6000));
  CentreOn(window.get(), Owner());
  QObject::connect(&OpenRecord(), &TestRecord::StateChanged, window.get(), [this] { ShowState(); });
  return window;
}

void frmRecord::BuildMenus(QWidget* window) {
  auto* bar = new QMenuBar(window);
  window->layout()->setMenuBar(bar);
  QMenu* mnuFile = bar->addMenu(QStringLiteral("&File"));
  QAction* mnuOpen = Entry(mnuFile, "mnuOpen", "&Open\u2026", QKeySequence::Open);
  QAction* mnuSave = Entry(mnuFile, "mnuSave", "&Save", QKeySequence::Save);
  QAction* mnuSaveAs = Entry(mnuFile, "mnuSaveAs", "Save &As\u2026", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  mnuFile->addSeparator();
  QAction* mnuPrint = Entry(mnuFile, "mnuPrint", "&Print", QKeySequence::Print);
  QAction* mnuSavePdf = Entry(mnuFile, "mnuSavePdf", "Save as P&DF\u2026");
  mnuFile->addSeparator();
  QAction* mnuClose = Entry(mnuFile, "mnuClose", "&Close", QKeySequence(Qt::CTRL | Qt::Key_W));
  QMenu* mnuEdit = bar->addMenu(QStringLiteral("&Edit"));
  QAction* mnuDetails = Entry(mnuEdit, "mnuDetails", "Record &Details\u2026");
  mnuEdit->addSeparator();
  QAction* mnuRemove = Entry(mnuEdit, "mnuRemove", "&Remove Line", QKeySequence::Delete);
  QAction* mnuUp = Entry(mnuEdit, "mnuMoveUp", "Move Line &Up", QKeySequence(Qt::ALT | Qt::Key_Up));
  QAction* mnuDown = Entry(mnuEdit, "mnuMoveDown", "Move Line Do&wn", QKeySequence(Qt::ALT | Qt::Key_Down));

  // The same commands as buttons, where a first-time user looks for them.
  auto* buttons = new QHBoxLayout;
  Button(window, buttons, "cmdDetails", mnuDetails);
  buttons->addStretch(1);
  Button(window, buttons, "cmdRemove", mnuRemove);
  Button(window, buttons, "cmdMoveUp", mnuUp);
  Button(window, buttons, "cmdMoveDown", mnuDown);
  static_cast<QVBoxLayout*>(window->layout())->addLayout(buttons);

  Bind(mnuOpen, &QAction::triggered, [this] { mnuOpen_Click(); });
  Bind(mnuSave, &QAction::triggered, [this] { mnuSave_Click(); });
  Bind(mnuSaveAs, &QAction::triggered, [this] { mnuSaveAs_Click(); });
  Bind(mnuPrint, &QAction::triggered, [this] { mnuPrint_Click(); });
  Bind(mnuSavePdf, &QAction::triggered, [this] { mnuSavePdf_Click(); });
  Bind(mnuClose, &QAction::triggered, [this] { Close(); });
  Bind(mnuDetails, &QAction::triggered, [this] { mnuDetails_Click(); });
  Bind(mnuRemove, &QAction::triggered, [this] { mnuRemove_Click(); });
  Bind(mnuUp, &QAction::triggered, [this] { mnuMove_Click(-1); });
  Bind(mnuDown, &QAction::triggered, [this] { mnuMove_Click(+1); });
}

void frmRecord::Form_Load() { ShowState(); }

bool frmRecord::CanClose() {
  // The record outlives its window, but not the program.
  const bool last = LoadedForms().size() == 1;
  return !last || AskToKeepChanges();
}

bool frmRecord::AskToKeepChanges() {
  if (!OpenRecord().IsModified()) return true;
  switch (Ask(QString::fromUtf8(texts::kUnsaved),
              {QStringLiteral("&Save"), QStringLiteral("Do&n't Save"), QStringLiteral("Cancel")})) {
    case 0:
      return mnuSave_Click();
    case 1:
      return true;
    default:
      return false;
  }
}

void frmRecord::ShowState() {
  if (!IsLoaded()) return;
  const TestRecord& record = OpenRecord();
  const QString file = record.FileName();
  Window()->setWindowTitle(
      QString::fromUtf8(texts::kRecordWindowTitle)
          .arg(file.isEmpty() ? QString::fromUtf8(texts::kRecordUntitled) : QFileInfo(file).fileName()));
  Window()->setWindowModified(record.IsModified());
  QStringList details = record.PageLines();
  if (!record.PageNotes().isEmpty()) details << record.PageNotes();
  details_->setText(details.isEmpty() ? QString::fromUtf8(texts::kRecordNoDetails) : details.join(QLatin1Char('\n')));
}

int frmRecord::CurrentRow() const { return table_->currentIndex().isValid() ? table_->currentIndex().row() : -1; }

void frmRecord::SelectRow(int row, int column) {
  table_->setCurrentIndex(OpenRecord().index(row, column));
  table_->scrollTo(table_->currentIndex());
}

void frmRecord::mnuOpen_Click() {
  if (!AskToKeepChanges()) return;
  const QString file = AskOpenName(Window(), "dlgOpenRecord", QStringLiteral("Open Test Record"), texts::kRecordFiles);
  if (!file.isEmpty()) OpenRecord().Open(file);
}

bool frmRecord::mnuSave_Click() {
  if (OpenRecord().FileName().isEmpty()) return mnuSaveAs_Click();
  OpenRecord().Save(OpenRecord().FileName());
  return true;
}

bool frmRecord::mnuSaveAs_Click() {
  const QString file = AskSaveName(Window(), "dlgSaveRecord", QStringLiteral("Save Test Record"),
                                   PageName(OpenRecord().Site(), ".csv"), texts::kRecordFiles, "csv");
  if (file.isEmpty()) return false;
  OpenRecord().Save(file);
  return true;
}

void frmRecord::mnuPrint_Click() {
  PrintDocument(PageName(OpenRecord().Site()), [](QPagedPaintDevice& device) { PaintRecord(device, OpenRecord()); });
}

void frmRecord::mnuSavePdf_Click() {
  const QString name = PageName(OpenRecord().Site());
  const QString file =
      AskSaveName(Window(), "dlgSavePdf", QStringLiteral("Save as PDF"), name, texts::kPdfFiles, "pdf");
  if (file.isEmpty()) return;
  SaveDocument(
      name, [](QPagedPaintDevice& device) { PaintRecord(device, OpenRecord()); }, file);
}

void frmRecord::mnuRemove_Click() {
  const int row = CurrentRow();
  if (row < 0) return;
  const QString name = OpenRecord().CellText(row, TestRecord::Name);
  if (Ask(QString::fromUtf8(texts::kRemoveLine).arg(name), {QStringLiteral("&Remove"), QStringLiteral("Cancel")}) !=
      0) {
    return;
  }
  OpenRecord().Remove(row);
  if (OpenRecord().rowCount() > 0) SelectRow(std::min(row, OpenRecord().rowCount() - 1), TestRecord::Name);
}

void frmRecord::mnuMove_Click(int by) {
  const int row = CurrentRow();
  const int to = row + by;
  if (row < 0 || to < 0 || to >= OpenRecord().rowCount()) return;
  const int column = table_->currentIndex().column();
  OpenRecord().Move(row, by);
  SelectRow(to, column);
}

void frmRecord::mnuDetails_Click() { Instance<frmDetails>().ShowOn(Window()); }

}  // namespace varnock::ui
