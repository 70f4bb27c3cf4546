#pragma once
// The configuration file in memory, as ProfileFile reads and changes it: its lines grouped by
// section, each line kept as its own bytes so that what is not changed is written back exactly.
// Sections and keys are found through an index, so reading or adding thousands of keys in one
// pass costs no more than reading the file once.
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

#include "platform/ProfileFileEncoding.h"

namespace mevrik::platform {

class ProfileDocument {
public:
  // An empty document for a missing file; nullopt when the file is there but cannot be read, so
  // that a write never replaces a file whose content it could not see.
  static std::optional<ProfileDocument> Load(const QString& path);
  // False for what stands in the file's place and is no settings file: a pipe or a device, which
  // may block a read or never end it, or a file beyond kLargestFile. Load reads none of them.
  static bool IsReadable(const QString& path);
  // Far beyond any real settings file (thousands of links take a few hundred kilobytes), and
  // small enough to read, show and save at once.
  static constexpr qint64 kLargestFile = 8 << 20;

  bool exists() const { return exists_; }
  // Whether the bytes differ from the file's (always for a missing file that was written to).
  bool changed() const { return written_ && (!exists_ || bytes() != original_); }
  QByteArray bytes() const;
  // The file's bytes as they were read.
  const QByteArray& originalBytes() const { return original_; }

  // The key's value without the spaces and tabs around it or enclosing quotes; empty when missing.
  QString value(const QString& section, const QString& key) const;
  // The text to store so that value() gives back `text` as it is: in quotes when its blanks or
  // enclosing quotes would otherwise be taken away.
  static QString StorableText(const QString& text);
  // Stores "key=value" in the file's own encoding: over the key's line, at the end of its
  // section, or in a new section at the end of the file. False when the encoding cannot hold it.
  bool set(const QString& section, const QString& key, const QString& value);

private:
  struct Line {
    QByteArray content;    // the bytes without the line break
    QByteArray lineBreak;  // the encoded "\r\n" or "\n", or empty on a last line without one
    QString text;          // the content decoded
  };
  // A section header and the lines up to the next one; the first block holds what comes before
  // any header and has no name.
  struct Block {
    QList<Line> lines;
    mutable QHash<QString, qsizetype> keys;  // folded key -> its first line, built on first use
    mutable bool indexed = false;
  };

  void parse(const QByteArray& bytes);
  ProfileEncoding LineEncoding(const QByteArray& content) const;
  QString LineText(const QByteArray& content) const;
  void append(QByteArray content, QByteArray lineBreak);
  const Block* blockOf(const QString& section) const;
  qsizetype lineOf(const Block& block, const QString& key) const;
  std::optional<Line> newLine(const QString& text) const;
  void endLastLine();

  bool exists_ = false;
  QByteArray original_;
  QByteArray byteOrderMark_;
  bool written_ = false;
  QByteArray newLineBreak_;  // the file's own style, in its encoding
  bool utf16_ = false;  // the whole file is in `encoding_`
  ProfileEncoding encoding_ = ProfileEncoding::Utf8;  // what changed and new lines are written in
  QList<Block> blocks_{Block{}};
  QHash<QString, qsizetype> sections_;  // folded name -> its first block
};

}  // namespace mevrik::platform
