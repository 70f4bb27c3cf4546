#include "platform/FileAttributes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include "platform/RuntimeError.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace mevrik::platform {

// Asking the system is the only reliable test: permission bits say nothing about read-only
// media or an administrator's rights.
bool FolderTakesNewFiles(const QString& folder) {
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".mevrik-probe.XXXXXX")));
  return probe.open();
}

namespace {

// A write replaces the file through a temporary copy beside it, or writes it in place when the
// folder takes no new file, so a file that opens for writing is enough. Opening to append changes
// nothing in the file.
bool TakesWrites(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Append);
}

#ifdef Q_OS_WIN
bool SetAttributes(const QString& path, DWORD attributes) {
  return SetFileAttributesW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                            attributes) != 0;
}
#endif

}  // namespace

void MakeHidden(const QString& path) {
  const QFileInfo file(path);
  if (!file.exists()) throw RuntimeError(FileNotFound);
  if (file.isDir()) throw RuntimeError(FileAlreadyExists);
  if (!TakesWrites(path)) throw RuntimeError(PathFileAccess);
#ifdef Q_OS_WIN
  if (!SetAttributes(path, FILE_ATTRIBUTE_HIDDEN)) throw RuntimeError(PathFileAccess);
#endif
}

bool RemoveWithAttributesCleared(const QString& path) {
#ifdef Q_OS_WIN
  SetAttributes(path, FILE_ATTRIBUTE_NORMAL);
#endif
  return QFile::remove(path);
}

}  // namespace mevrik::platform
