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

QString SymbolicLinkTarget(const QString& path) {
  QString target = path;
  // A bounded number of hops: a loop of links ends in a path that cannot be saved.
  for (int hop = 0; hop < 40; ++hop) {
    const QFileInfo link(target);
    if (!link.isSymbolicLink()) return target;
    target = link.symLinkTarget();
  }
  return target;
}

namespace {

// A write replaces the file through a temporary copy beside it, so the file must open for
// writing and its folder take a new file. Opening to append changes nothing in the file.
bool TakesWrites(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Append) &&
         FolderTakesNewFiles(QFileInfo(path).absolutePath());
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
  if (!TakesWrites(SymbolicLinkTarget(path))) throw RuntimeError(PathFileAccess);
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
