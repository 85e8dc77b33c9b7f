#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>  // IWYU pragma: keep

#include "Record.h"

// The test record open in the program, one for the whole run, and the record
// details that head every page: what the record window shows and edits,
// what Record Details edits, and what is saved to and opened from a file.
namespace varnock::ui {

class TestRecord : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Time, Name, Pair, LeakRate, Pressure, Gallons, Millilitres, Measured, Verdict, Remarks, kColumns };

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // A measured value that is no number is reported and the cell keeps what it had.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  const record::Record& Contents() const { return record_; }
  // What a cell shows, as the table and the page give it.
  QString CellText(int row, Column column) const;
  // The header's words for a column.
  static QString ColumnName(Column column);

  // Appends a line; gives its row.
  int Add(record::Line line);
  void Remove(int row);
  // Moves a line one place up (-1) or down (+1).
  void Move(int row, int by);
  // The name the next line added gets: the tank or line given, or "Line N".
  QString NextLineName() const;

  // The details: site, technician and notes belong to the record and its
  // file; the tank or line only names the next line added.
  struct Details {
    QString site, tankOrLine, technician, notes;
  };
  Details GivenDetails() const;
  void SetDetails(const Details& details);
  // "Site: North yard", one line for each of site, tank or line and technician given.
  QStringList PageLines() const;
  // "Notes: ...", with its line breaks; empty if none.
  QString PageNotes() const;
  QString Site() const;

  QString FileName() const { return fileName_; }
  bool IsModified() const { return modified_; }
  // Throws Failure (Opening); the record open stays as it was.
  void Open(const QString& fileName);
  // Replaces the file only with a complete one. Throws Failure (Saving).
  void Save(const QString& fileName);

 signals:
  // The file's name, the unsaved state or the details changed.
  void StateChanged();

 private:
  void Touch();

  record::Record record_;
  QString tankOrLine_;
  QString fileName_;
  bool modified_ = false;
};

// The record open in the program.
TestRecord& OpenRecord();

}  // namespace varnock::ui
