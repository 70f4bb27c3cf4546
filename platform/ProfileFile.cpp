#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace mevrik::platform {

namespace {

// Blanks are U+0020 and tab, the two the profile functions trim.
bool OnlyBlanks(const QString& text) {
  for (const QChar c : text)
    if (c != u' ' && c != u'\t') return false;
  return true;
}

void RequireStorableName(const QString& name, QChar forbidden) {
  const bool storable = !OnlyBlanks(name) && !name.contains(forbidden) && !name.contains(u'\r') &&
                        !name.contains(u'\n') && !name.contains(QChar());
  if (!storable) throw RuntimeError(InvalidCall);
}

void RequireStorable(const QString& section, const QString& key) {
  RequireStorableName(section, u']');
  RequireStorableName(key, u'=');
  if (key.trimmed().startsWith(u'[')) throw RuntimeError(InvalidCall);
}

QString OneLine(const QString& value) {
  qsizetype end = 0;
  while (end < value.size() && value[end] != u'\r' && value[end] != u'\n' && !value[end].isNull())
    ++end;
  return value.first(end);
}

// The temporary copies are "<file>.mevrik-save-" and twelve hexadecimal digits: a name no person
// gives a file, so the start-up can remove leftovers without touching the user's own copies.
const QString kCopyMark = QStringLiteral(".mevrik-save-");
constexpr qsizetype kCopyDigits = 12;

QString TemporaryCopyPath(const QString& path) {
  const quint64 random = QRandomGenerator::system()->generate64();
  return path + kCopyMark +
         QString::number(random & 0xFFFFFFFFFFFFull, 16).rightJustified(kCopyDigits, u'0');
}

bool IsCopySuffix(QStringView suffix) {
  if (suffix.size() != kCopyDigits) return false;
  for (const QChar c : suffix)
    if (!(c >= u'0' && c <= u'9') && !(c >= u'a' && c <= u'f')) return false;
  return true;
}

int ErrorNumber(FileFault fault) {
  switch (fault) {
    case FileFault::NoRoom: return DiskFull;
    case FileFault::NoAccess: return PathFileAccess;
    case FileFault::Missing: return FileNotFound;
    default: return DeviceIO;
  }
}

// The file's new content from its start, cut to its length, on the disk.
FileFault Overwrite(FileSteps& steps, FileSteps::Handle handle, const QByteArray& bytes) {
  FileFault fault = steps.write(handle, bytes);
  if (fault == FileFault::None) fault = steps.truncate(handle, bytes.size());
  if (fault == FileFault::None) fault = steps.sync(handle);
  return fault;
}

// Steps that ran until the first failure; the close runs in any case.
FileFault Closed(FileSteps& steps, FileSteps::Handle handle, FileFault fault) {
  const FileFault closed = steps.close(handle);
  return fault == FileFault::None ? closed : fault;
}

// The user's own file in a folder that is not: writing it in place is the only way to keep
// anything. A failure on the way writes the old bytes back, which fit where they were.
bool WriteInPlace(FileSteps& steps, const QString& path, const QByteArray& bytes,
                  const QByteArray& old) {
  FileSteps::Handle handle = 0;
  const FileFault opened = steps.openExisting(path, handle);
  if (opened == FileFault::NoAccess || opened == FileFault::Missing) return false;
  if (opened != FileFault::None) throw SaveFailed(ErrorNumber(opened));
  const FileFault fault = Closed(steps, handle, Overwrite(steps, handle, bytes));
  if (fault == FileFault::None) return true;
  if (steps.openExisting(path, handle) == FileFault::None)
    Closed(steps, handle, Overwrite(steps, handle, old));
  throw SaveFailed(ErrorNumber(fault));
}

bool Replace(FileSteps& steps, const QString& path, const QByteArray& bytes,
             const QByteArray& old) {
  const QString copy = TemporaryCopyPath(path);
  FileSteps::Handle handle = 0;
  const FileFault opened = steps.createNew(copy, path, handle);
  if (opened == FileFault::NoAccess) return WriteInPlace(steps, path, bytes, old);
  if (opened == FileFault::Missing) return false;
  if (opened != FileFault::None) throw SaveFailed(ErrorNumber(opened));
  FileFault fault = steps.write(handle, bytes);
  if (fault == FileFault::None) fault = steps.sync(handle);
  fault = Closed(steps, handle, fault);
  if (fault == FileFault::None) fault = steps.replace(copy, path);
  if (fault == FileFault::None) return true;
  steps.remove(copy);
  throw SaveFailed(ErrorNumber(fault));
}

bool SaveAtomically(FileSteps& steps, const QString& path, const QByteArray& bytes,
                    const QByteArray& old) {
#ifdef Q_OS_WIN
  // The rename gives the file fresh attributes; keep the hidden mark the start-up gave it.
  const std::wstring nativePath = QDir::toNativeSeparators(path).toStdWString();
  const DWORD attributes = GetFileAttributesW(nativePath.c_str());
#endif
  if (!Replace(steps, path, bytes, old)) return false;
#ifdef Q_OS_WIN
  if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(nativePath.c_str(), attributes);
#endif
  return true;
}

}  // namespace

ProfileFile::ProfileFile(QString path, FileSteps& steps)
    : path_(std::move(path)), steps_(steps) {}

QString ProfileFile::read(const QString& section, const QString& key) const {
  if (batchDepth_ > 0) return batch_ ? batch_->value(section, key) : QString();
  const auto document = ProfileDocument::Load(path_);
  return document ? document->value(section, key) : QString();
}

bool ProfileFile::write(const QString& section, const QString& key, const QString& value) {
  RequireStorable(section, key);
  if (batchDepth_ > 0) return batch_ && batch_->set(section, key, OneLine(value));
  auto document = ProfileDocument::Load(path_);
  if (!document || !document->set(section, key, OneLine(value))) return false;
  return save(*document);
}

bool ProfileFile::save(const ProfileDocument& document) const {
  if (!document.changed()) return true;
  if (document.exists() && !QFileInfo(path_).isWritable()) return false;
  return SaveAtomically(steps_, path_, document.bytes(), document.originalBytes());
}

void ProfileFile::beginBatch() {
  if (batchDepth_++ == 0) batch_ = ProfileDocument::Load(path_);
}

bool ProfileFile::endBatch() {
  if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
  const auto document = std::move(batch_);
  batch_.reset();
  return document && save(*document);
}

void ProfileFile::removeLeftoverCopies() const {
  const QFileInfo file(path_);
  const QDir folder = file.absoluteDir();
  const QString prefix = file.fileName() + kCopyMark;
  // Compared by hand, as a name filter would (ignoring case): a filter is a wildcard pattern,
  // compiled into a regular expression at every start.
  for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
    if (name.startsWith(prefix, Qt::CaseInsensitive) &&
        IsCopySuffix(QStringView(name).sliced(prefix.size())))
      steps_.remove(folder.filePath(name));
  }
}

}  // namespace mevrik::platform
