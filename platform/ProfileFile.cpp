#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/RuntimeError.h"

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

bool SaveAtomically(const QString& path, const QByteArray& bytes) {
#ifdef Q_OS_WIN
  // The rename gives the file fresh attributes; keep the hidden mark the start-up gave it.
  const std::wstring nativePath = path.toStdWString();
  const DWORD attributes = GetFileAttributesW(nativePath.c_str());
#endif
  QSaveFile file(path);
  // The user's own file in a folder that is not: writing it in place is the only way to keep
  // anything, and it works.
  file.setDirectWriteFallback(true);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) return false;
#ifdef Q_OS_WIN
  if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesW(nativePath.c_str(), attributes);
#endif
  return true;
}

bool IsTemporarySuffix(QStringView suffix) {
  if (suffix.size() != 6) return false;
  for (const QChar c : suffix)
    if (c.unicode() > 0x7f || !c.isLetterOrNumber()) return false;
  return true;
}

}  // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

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
  return SaveAtomically(path_, document.bytes());
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
  const QString prefix = file.fileName() + u'.';
  for (const QString& name :
       folder.entryList({prefix + QStringLiteral("??????")}, QDir::Files | QDir::Hidden)) {
    if (IsTemporarySuffix(QStringView(name).sliced(prefix.size())))
      QFile::remove(folder.filePath(name));
  }
}

}  // namespace mevrik::platform
