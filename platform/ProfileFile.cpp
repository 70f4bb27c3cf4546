#include "platform/ProfileFile.h"

#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>
#include <optional>

#include "platform/ProfileFileEncoding.h"
#include "platform/RuntimeError.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace mevrik::platform {

namespace {

struct Line {
  QByteArray content;    // the bytes without the line break
  QByteArray lineBreak;  // "\r\n", "\n", or empty on a last line that has none
  QString text;          // the content decoded
};

struct Document {
  bool exists = false;
  QByteArray original;
  ProfileEncoding encoding = ProfileEncoding::Utf8;
  QList<Line> lines;

  // New lines follow the file's own style; a new file gets the Windows one.
  QByteArray newLineBreak() const {
    bool lineFeedOnly = false;
    for (const Line& line : lines) {
      if (line.lineBreak == "\r\n") return "\r\n";
      lineFeedOnly = lineFeedOnly || !line.lineBreak.isEmpty();
    }
    return lineFeedOnly ? "\n" : "\r\n";
  }

  QByteArray bytes() const {
    QByteArray all;
    for (const Line& line : lines) all += line.content + line.lineBreak;
    return all;
  }
};

// Splits at line feeds; neither UTF-8 nor GB18030 uses the byte inside a character.
QList<Line> SplitLines(const QByteArray& bytes, ProfileEncoding encoding) {
  QList<Line> lines;
  qsizetype start = 0;
  while (start < bytes.size()) {
    qsizetype end = bytes.indexOf('\n', start);
    Line line;
    if (end < 0) {
      line.content = bytes.mid(start);
      end = bytes.size();
    } else {
      const bool crlf = end > start && bytes[end - 1] == '\r';
      line.content = bytes.mid(start, end - start - (crlf ? 1 : 0));
      line.lineBreak = crlf ? "\r\n" : "\n";
    }
    // A line the encoding cannot read still matches plain ASCII names.
    line.text = DecodeProfileText(line.content, encoding).value_or(QString::fromLatin1(line.content));
    lines.append(line);
    start = end + 1;
  }
  return lines;
}

// An empty document for a missing file; nullopt when the file is there but cannot be read, so
// that a write never replaces a file whose content it could not see.
std::optional<Document> Load(const QString& path) {
  Document document;
  QFile file(path);
  if (!file.exists()) return document;
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  document.exists = true;
  document.original = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  document.encoding = DetectProfileEncoding(document.original);
  document.lines = SplitLines(document.original, document.encoding);
  return document;
}

bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

QStringView TrimBlanks(QStringView text) {
  while (!text.isEmpty() && IsBlank(text.front())) text = text.sliced(1);
  while (!text.isEmpty() && IsBlank(text.back())) text.chop(1);
  return text;
}

char16_t AsciiLower(QChar c) {
  const char16_t u = c.unicode();
  return (u >= u'A' && u <= u'Z') ? char16_t(u + (u'a' - u'A')) : u;
}

// Only ASCII letters fold: the Windows profile functions leave other characters alone.
bool SameName(QStringView a, QStringView b) {
  if (a.size() != b.size()) return false;
  for (qsizetype i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::optional<QStringView> SectionName(QStringView line) {
  line = TrimBlanks(line);
  if (!line.startsWith(u'[')) return std::nullopt;
  const qsizetype close = line.indexOf(u']');
  if (close < 0) return std::nullopt;
  return TrimBlanks(line.sliced(1, close - 1));
}

struct Entry {
  QStringView key;
  QStringView value;
};

std::optional<Entry> EntryOf(QStringView line) {
  const qsizetype equals = line.indexOf(u'=');
  if (equals < 0) return std::nullopt;
  return Entry{TrimBlanks(line.first(equals)), TrimBlanks(line.sliced(equals + 1))};
}

struct Location {
  qsizetype section = -1;        // the header line of the first section of that name
  qsizetype key = -1;            // the first line of the key inside it
  qsizetype lastInSection = -1;  // the section's last line that is not blank
};

Location Locate(const Document& document, QStringView section, QStringView key) {
  Location at;
  for (qsizetype i = 0; i < document.lines.size(); ++i) {
    const QStringView text = document.lines[i].text;
    if (const auto name = SectionName(text)) {
      if (at.section >= 0) break;
      if (SameName(*name, section)) at.section = at.lastInSection = i;
      continue;
    }
    if (at.section < 0) continue;
    if (!TrimBlanks(text).isEmpty()) at.lastInSection = i;
    const auto entry = EntryOf(text);
    if (entry && SameName(entry->key, key)) {
      at.key = i;
      break;
    }
  }
  return at;
}

QString WithoutEnclosingQuotes(QStringView value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front())
    value = value.sliced(1, value.size() - 2);
  return value.toString();
}

void RequireStorableName(const QString& name, QChar forbidden) {
  const bool storable = !TrimBlanks(name).isEmpty() && !name.contains(forbidden) &&
                        !name.contains(u'\r') && !name.contains(u'\n') && !name.contains(QChar());
  if (!storable) throw RuntimeError(InvalidCall);
}

QString OneLine(const QString& value) {
  qsizetype end = 0;
  while (end < value.size() && value[end] != u'\r' && value[end] != u'\n' && !value[end].isNull())
    ++end;
  return value.first(end);
}

bool SetText(Line& line, const QString& text, ProfileEncoding encoding) {
  const auto content = EncodeProfileText(text, encoding);
  if (!content) return false;
  line.content = *content;
  line.text = text;
  return true;
}

bool InsertLine(Document& document, qsizetype position, const QString& text) {
  const QByteArray lineBreak = document.newLineBreak();
  if (position > 0 && document.lines[position - 1].lineBreak.isEmpty())
    document.lines[position - 1].lineBreak = lineBreak;
  Line line;
  line.lineBreak = lineBreak;
  if (!SetText(line, text, document.encoding)) return false;
  document.lines.insert(position, line);
  return true;
}

bool SaveAtomically(const QString& path, const QByteArray& bytes) {
#ifdef Q_OS_WIN
  // The rename gives the file fresh attributes; keep the hidden mark the start-up gave it.
  const std::wstring nativePath = path.toStdWString();
  const DWORD attributes = GetFileAttributesW(nativePath.c_str());
#endif
  QSaveFile file(path);
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

}  // namespace

ProfileFile::ProfileFile(QString path) : path_(std::move(path)) {}

QString ProfileFile::read(const QString& section, const QString& key) const {
  const auto document = Load(path_);
  if (!document) return {};
  const Location at = Locate(*document, section, key);
  if (at.key < 0) return {};
  return WithoutEnclosingQuotes(EntryOf(document->lines[at.key].text)->value);
}

bool ProfileFile::write(const QString& section, const QString& key, const QString& value) const {
  RequireStorableName(section, u']');
  RequireStorableName(key, u'=');
  if (TrimBlanks(key).startsWith(u'[')) throw RuntimeError(InvalidCall);
  auto document = Load(path_);
  if (!document) return false;
  if (document->exists && !QFileInfo(path_).isWritable()) return false;

  const QString entry = u'=' + OneLine(value);
  const Location at = Locate(*document, section, key);
  bool encoded = true;
  if (at.key >= 0) {
    Line& line = document->lines[at.key];
    encoded = SetText(line, EntryOf(line.text)->key.toString() + entry, document->encoding);
  } else if (at.section >= 0) {
    encoded = InsertLine(*document, at.lastInSection + 1, key + entry);
  } else {
    const qsizetype end = document->lines.size();
    encoded = InsertLine(*document, end, u'[' + section + u']') &&
              InsertLine(*document, end + 1, key + entry);
  }
  if (!encoded) return false;
  const QByteArray bytes = document->bytes();
  if (document->exists && bytes == document->original) return true;
  return SaveAtomically(path_, bytes);
}

}  // namespace mevrik::platform
