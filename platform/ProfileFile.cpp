#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include "platform/FileAttributes.h"

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

// Steps that ran until the first failure; the close runs in any case.
FileFault Closed(FileSteps& steps, FileSteps::Handle handle, FileFault fault) {
  const FileFault closed = steps.close(handle);
  return fault == FileFault::None ? closed : fault;
}

// A folder that takes no new file refuses the save: a file written in place can be left half old
// and half new by a kill or a size limit, and only a rename replaces it whole.
bool Replace(FileSteps& steps, const QString& path, const QByteArray& bytes) {
  const QString copy = TemporaryCopyPath(path);
  FileSteps::Handle handle = 0;
  const FileFault opened = steps.createNew(copy, path, handle);
  if (opened == FileFault::NoAccess || opened == FileFault::Missing) return false;
  if (opened != FileFault::None) throw SaveFailed(ErrorNumber(opened));
  FileFault fault = steps.write(handle, bytes);
  if (fault == FileFault::None) fault = steps.sync(handle);
  fault = Closed(steps, handle, fault);
  if (fault == FileFault::None) fault = steps.replace(copy, path);
  if (fault == FileFault::None) return true;
  steps.remove(copy);
  throw SaveFailed(ErrorNumber(fault));
}

bool SaveAtomically(FileSteps& steps, const QString& path, const QByteArray& bytes) {
#ifdef Q_OS_WIN
  // The rename gives the file fresh attributes; keep the hidden mark the start-up gave it.
  const std::wstring nativePath = QDir::toNativeSeparators(path).toStdWString();
  const DWORD attributes = GetFileAttributesW(nativePath.c_str());
#endif
  if (!Replace(steps, path, bytes)) return false;
#ifdef Q_OS_WIN
  if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(nativePath.c_str(), attributes);
#endif
  return true;
}

}  // namespace

ProfileFile::ProfileFile(QString path, FileSteps& steps)
    : path_(std::move(path)), steps_(steps) {}

QString ProfileFile::read(const QString& section, const QString& key) const {
  if (!ProfileDocument::IsReadable(path_)) throw RuntimeError(PathFileAccess);
  if (batchDepth_ > 0) return batch_ ? batch_->value(section, key) : QString();
  const auto document = ProfileDocument::Load(path_);
  return document ? document->value(section, key) : QString();
}

bool ProfileFile::write(const QString& section, const QString& key, const QString& value) {
  RequireStorable(section, key);
  if (batchDepth_ > 0) {
    // A refusal in a batch is reported once, by its end.
    if (!batch_ || !batch_->set(section, key, OneLine(value))) batchRefused_ = true;
    return true;
  }
  auto document = ProfileDocument::Load(path_);
  if (!document || !document->set(section, key, OneLine(value))) return false;
  return save(*document);
}

bool ProfileFile::save(const ProfileDocument& document) const {
  if (!document.changed()) return true;
  // A settings file that is a symbolic link stays one: its target is what gets replaced.
  const QString target = SymbolicLinkTarget(path_);
  if (document.exists() && !QFileInfo(target).isWritable()) return false;
  return SaveAtomically(steps_, target, document.bytes());
}

void ProfileFile::beginBatch() {
  if (batchDepth_++ > 0) return;
  batch_ = ProfileDocument::Load(path_);
  batchRefused_ = false;
}

bool ProfileFile::endBatch() {
  if (batchDepth_ == 0 || --batchDepth_ > 0) return true;
  const auto document = std::move(batch_);
  batch_.reset();
  return document && !batchRefused_ && save(*document);
}

void ProfileFile::removeLeftoverCopies() const {
  const QFileInfo file(SymbolicLinkTarget(path_));
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
