#include "platform/QtFileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace mevrik::platform {
namespace {

QString Pattern(const QString& pattern) {
#ifdef Q_OS_WIN
  return pattern;
#else
  // "*.*" means every file on Windows; here it would hide "Makefile" and most programs.
  return pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
#endif
}

}  // namespace

QString QtFileDialogs::openFile(const OpenFileRequest& request) {
  QFileDialog dialog(request.owner, request.title);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(request.filterName + " (" + Pattern(request.filterPattern) + ")");
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QString QtFileDialogs::saveFile(const SaveFileRequest& request) {
  QFileDialog dialog(request.owner, request.title);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(request.suffix);
  dialog.setNameFilter(request.filterName + " (*." + request.suffix + ")");
  dialog.setDirectory(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
  dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

}  // namespace mevrik::platform
