#include "FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace varnock::ui {
namespace {

QString lastFolder;  // for the whole run, never written to disk

QString StartFolder() {
  QString folder = lastFolder;
  if (folder.isEmpty() || !QDir(folder).exists()) {
    folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  }
  if (!QDir(folder).exists()) folder = QDir::homePath();
  return folder;
}

QString Chosen(QFileDialog& dialog) {
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  QString file = dialog.selectedFiles().first();
  lastFolder = QFileInfo(file).path();
  return file;
}

}  // namespace

QString AskSaveName(QWidget* window, const char* dialogName, const QString& title, const QString& proposed,
                    const char* filter, const char* suffix) {
  QFileDialog dialog(window, title, QDir(StartFolder()).filePath(proposed), QString::fromUtf8(filter));
  dialog.setObjectName(QString::fromUtf8(dialogName));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromUtf8(suffix));
  return Chosen(dialog);
}

QString AskOpenName(QWidget* window, const char* dialogName, const QString& title, const char* filter) {
  QFileDialog dialog(window, title, StartFolder(), QString::fromUtf8(filter));
  dialog.setObjectName(QString::fromUtf8(dialogName));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  return Chosen(dialog);
}

}  // namespace varnock::ui
