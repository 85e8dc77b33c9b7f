#include "TestRecord.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "Failure.h"
#include "Handlers.h"
#include "Texts.h"

namespace varnock::ui {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::string S(const QString& text) { return text.toStdString(); }

QString Given(const char* name, const QString& detail) {
  return QString::fromUtf8(name) + QStringLiteral(": ") + detail;
}

QString NativePath(const QString& fileName) { return QDir::toNativeSeparators(fileName); }

}  // namespace

int TestRecord::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(record_.lines.size());
}

int TestRecord::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QString TestRecord::ColumnName(Column column) {
  static const char* const names[kColumns] = {"Time",  "Line",   "Pair",     "Rate at reference", "Tested at",
                                              "gal/h", "ml/min", "Measured", "Verdict",           "Remarks"};
  return QString::fromUtf8(names[column]);
}

QString TestRecord::CellText(int row, Column column) const {
  const record::Line& line = record_.lines.at(static_cast<std::size_t>(row));
  switch (column) {
    case Time:
      return Q(line.time);
    case Name:
      return Q(line.name);
    case Pair:
      return Q(line.pair);
    case LeakRate:
      return QString::fromUtf8(texts::kLeakRateAt).arg(Q(line.rate), Q(line.reference));
    case Pressure:
      return QString::fromUtf8(texts::kPressure).arg(Q(line.actual));
    case Gallons:
      return Q(line.gallons);
    case Millilitres:
      return Q(line.millilitres);
    case Measured:
      return Q(record::MeasuredText(line.measured));
    case Verdict:
      return Q(record::Verdict(line));
    case Remarks:
      return Q(line.remarks);
    case kColumns:
      break;
  }
  return {};
}

QVariant TestRecord::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto column = static_cast<Column>(index.column());
  switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ToolTipRole:
      return CellText(index.row(), column);
    case Qt::TextAlignmentRole:
      return column == Gallons || column == Millilitres ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    default:
      return {};
  }
}

QVariant TestRecord::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return ColumnName(static_cast<Column>(section));
}

Qt::ItemFlags TestRecord::flags(const QModelIndex& index) const {
  const Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  const int column = index.column();
  return column == Name || column == Measured || column == Remarks ? flags | Qt::ItemIsEditable : flags;
}

bool TestRecord::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  record::Line& line = record_.lines.at(static_cast<std::size_t>(index.row()));
  const std::string text = S(value.toString());
  bool changed = false;
  RunHandler([&] {
    switch (index.column()) {
      case Name:
        changed = std::exchange(line.name, text) != text;
        break;
      case Measured: {
        auto measured = record::ReadMeasured(text);
        changed = std::exchange(line.measured, measured) != measured;
        break;
      }
      case Remarks:
        changed = std::exchange(line.remarks, text) != text;
        break;
      default:
        break;
    }
  });
  if (!changed) return false;
  // The verdict follows the measured value.
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), kColumns - 1));
  Touch();
  return true;
}

int TestRecord::Add(record::Line line) {
  const int row = rowCount();
  beginInsertRows({}, row, row);
  record_.lines.push_back(std::move(line));
  endInsertRows();
  Touch();
  return row;
}

void TestRecord::Remove(int row) {
  if (row < 0 || row >= rowCount()) return;
  beginRemoveRows({}, row, row);
  record_.lines.erase(record_.lines.begin() + row);
  endRemoveRows();
  Touch();
}

void TestRecord::Move(int row, int by) {
  const int to = row + by;
  if (row < 0 || row >= rowCount() || to < 0 || to >= rowCount() || by == 0) return;
  // Qt names the destination as the row the moved one goes before.
  beginMoveRows({}, row, row, {}, by > 0 ? to + 1 : to);
  std::swap(record_.lines[static_cast<std::size_t>(row)], record_.lines[static_cast<std::size_t>(to)]);
  endMoveRows();
  Touch();
}

QString TestRecord::NextLineName() const {
  const QString given = tankOrLine_.simplified();
  return given.isEmpty() ? QString::fromUtf8(texts::kLineNamed).arg(rowCount() + 1) : given;
}

TestRecord::Details TestRecord::GivenDetails() const {
  const record::Details& details = record_.details;
  return {Q(details.site), tankOrLine_, Q(details.technician), Q(details.notes)};
}

void TestRecord::SetDetails(const Details& details) {
  const record::Details kept{S(details.site), S(details.technician), S(details.notes)};
  tankOrLine_ = details.tankOrLine;
  if (kept == record_.details) return;
  record_.details = kept;
  // Details alone are no lines to lose, but they change a record that has some.
  if (!record_.lines.empty() || !fileName_.isEmpty()) {
    Touch();
  } else {
    emit StateChanged();
  }
}

QStringList TestRecord::PageLines() const {
  QStringList lines;
  const Details given = GivenDetails();
  const std::pair<const char*, QString> details[] = {{texts::kDetailSite, given.site},
                                                     {texts::kDetailLine, given.tankOrLine},
                                                     {texts::kDetailTechnician, given.technician}};
  for (const auto& [name, detail] : details) {
    if (!detail.simplified().isEmpty()) lines << Given(name, detail.simplified());
  }
  return lines;
}

QString TestRecord::PageNotes() const {
  const QString notes = Q(record_.details.notes).trimmed();
  return notes.isEmpty() ? QString() : Given(texts::kDetailNotes, notes);
}

QString TestRecord::Site() const { return Q(record_.details.site).simplified(); }

void TestRecord::Open(const QString& fileName) {
  QFile file(fileName);
  const auto refuse = [&](const char* report, const QString& reason) {
    throw Failure(FailureKind::Opening, S(QString::fromUtf8(report).arg(NativePath(fileName), reason)));
  };
  if (!file.open(QIODevice::ReadOnly)) refuse(texts::kRecordNotRead, file.errorString());
  if (file.size() > static_cast<qint64>(record::kLargestFile)) {
    refuse(texts::kRecordNotOpened, Q(Say(reports::kFileTooLarge, {std::to_string(record::kLargestFile >> 20)})));
  }
  const QByteArray bytes = file.readAll();
  record::Record opened;
  try {
    opened = record::FromCsv(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const Failure& failure) {
    refuse(texts::kRecordNotOpened, QString::fromUtf8(failure.what()));
  }
  beginResetModel();
  record_ = std::move(opened);
  endResetModel();
  fileName_ = fileName;
  modified_ = false;
  emit StateChanged();
}

void TestRecord::Save(const QString& fileName) {
  QSaveFile file(fileName);
  const auto fail = [&] {
    throw Failure(FailureKind::Saving,
                  S(QString::fromUtf8(texts::kRecordNotSaved).arg(NativePath(fileName), file.errorString())));
  };
  if (!file.open(QIODevice::WriteOnly)) fail();
  const std::string csv = record::ToCsv(record_);
  if (file.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size())) fail();
  if (!file.commit()) fail();
  fileName_ = fileName;
  modified_ = false;
  emit StateChanged();
}

void TestRecord::Touch() {
  modified_ = true;
  emit StateChanged();
}

TestRecord& OpenRecord() {
  static TestRecord* const record = new TestRecord;
  return *record;
}

}  // namespace varnock::ui
