#include "platform/ProfileDocument.h"

#include <QFile>

namespace mevrik::platform {

namespace {

bool IsSpaceOrTab(QChar c) { return c == u' ' || c == u'\t'; }

QStringView TrimSpacesAndTabs(QStringView text) {
  while (!text.isEmpty() && IsSpaceOrTab(text.front())) text = text.sliced(1);
  while (!text.isEmpty() && IsSpaceOrTab(text.back())) text.chop(1);
  return text;
}

// Only ASCII letters fold; every other character must match exactly.
QString Folded(QStringView name) {
  QString folded = name.toString();
  for (QChar& c : folded) {
    if (c >= u'A' && c <= u'Z') c = QChar(c.unicode() + (u'a' - u'A'));
  }
  return folded;
}

std::optional<QStringView> SectionName(QStringView line) {
  line = TrimSpacesAndTabs(line);
  if (!line.startsWith(u'[')) return std::nullopt;
  const qsizetype close = line.indexOf(u']');
  if (close < 0) return std::nullopt;
  return TrimSpacesAndTabs(line.sliced(1, close - 1));
}

struct Entry {
  QStringView key;
  QStringView value;
};

std::optional<Entry> EntryOf(QStringView line) {
  const qsizetype equals = line.indexOf(u'=');
  if (equals < 0) return std::nullopt;
  return Entry{TrimSpacesAndTabs(line.first(equals)), TrimSpacesAndTabs(line.sliced(equals + 1))};
}

QString WithoutEnclosingQuotes(QStringView value) {
  if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') &&
      value.back() == value.front())
    value = value.sliced(1, value.size() - 2);
  return value.toString();
}

bool IsAscii(const QByteArray& bytes) {
  for (const char b : bytes)
    if (static_cast<unsigned char>(b) >= 0x80) return false;
  return true;
}

}  // namespace

std::optional<ProfileDocument> ProfileDocument::Load(const QString& path) {
  ProfileDocument document;
  QFile file(path);
  if (!file.exists()) {
    document.newLineBreak_ = "\r\n";
    return document;
  }
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  document.exists_ = true;
  document.original_ = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  document.parse(document.original_);
  return document;
}

// Splits at line feeds: no encoding we read uses that byte (or UTF-16 unit) inside a character.
void ProfileDocument::parse(const QByteArray& all) {
  qsizetype start = 0;
  if (const auto mark = ByteOrderMarkOf(all)) {
    byteOrderMark_ = mark->bytes;
    encoding_ = mark->encoding;
    start = mark->bytes.size();
  } else if (const auto unmarked = Utf16WithoutMark(all)) {
    encoding_ = *unmarked;
  }
  utf16_ = encoding_ != ProfileEncoding::Utf8;
  const auto encode = [this](const char* text) {
    return utf16_ ? *EncodeProfileText(QString::fromLatin1(text), encoding_) : QByteArray(text);
  };
  const QByteArray lineFeed = encode("\n");
  const QByteArray crlf = encode("\r\n");
  const qsizetype unit = lineFeed.size();
  QList<std::pair<QByteArray, QByteArray>> lines;  // content and line break
  bool anyCrlf = false;
  while (start < all.size()) {
    // A line feed is taken at any byte offset, also in UTF-16: a piece an 8-bit tool added
    // there shifts every unit after it by a byte, and the lines after it are still found.
    qsizetype end = all.indexOf(lineFeed, start);
    if (end < 0) {
      lines.append({all.mid(start), QByteArray()});
      break;
    }
    const bool withReturn = end - start >= unit && all.mid(end - unit, crlf.size()) == crlf;
    lines.append(
        {all.mid(start, end - start - (withReturn ? unit : 0)), withReturn ? crlf : lineFeed});
    anyCrlf = anyCrlf || withReturn;
    start = end + unit;
  }
  if (!utf16_ && byteOrderMark_.isEmpty()) encoding_ = EncodingOfLines(lines);
  for (auto& [content, lineBreak] : lines) append(std::move(content), std::move(lineBreak));
  newLineBreak_ = anyCrlf || lines.isEmpty() ? crlf : lineFeed;
}

// Changed and new lines go in the encoding most lines are in, so the file stays in one encoding
// rather than growing a mix. Only lines that read as one of them alone count. A file without
// such a line is taken as UTF-8: UTF-8 is what the program writes new files in, and GBK that
// happens to be valid UTF-8 is rare (one or two characters, such as "时"), so a GBK file nearly
// always has a line that tells.
ProfileEncoding ProfileDocument::EncodingOfLines(
    const QList<std::pair<QByteArray, QByteArray>>& lines) {
  int utf8Lines = 0;
  int gbLines = 0;
  for (const auto& line : lines) {
    if (IsAscii(line.first)) continue;
    const LineReadings readings = ReadingsOf(line.first);
    if (!readings.utf8) ++gbLines;
    else if (!readings.commonGbk) ++utf8Lines;
  }
  return gbLines > utf8Lines ? ProfileEncoding::Gb18030 : ProfileEncoding::Utf8;
}

// A line that only one encoding reads is read in that one, so one stray line in the other
// encoding hides nothing else; a line both read is read in the file's.
ProfileEncoding ProfileDocument::LineEncoding(const QByteArray& content) const {
  if (utf16_ || IsAscii(content)) return encoding_;
  const LineReadings readings = ReadingsOf(content);
  if (readings.utf8 && readings.commonGbk) return encoding_;
  return readings.utf8 ? ProfileEncoding::Utf8 : ProfileEncoding::Gb18030;
}

void ProfileDocument::append(QByteArray content, QByteArray lineBreak) {
  Line line;
  // A line no encoding can read still matches plain ASCII names.
  line.text = DecodeProfileText(content, LineEncoding(content))
                  .value_or(QString::fromLatin1(content));
  line.content = std::move(content);
  line.lineBreak = std::move(lineBreak);
  if (const auto name = SectionName(line.text)) {
    const QString folded = Folded(*name);
    if (!sections_.contains(folded)) sections_.insert(folded, blocks_.size());
    blocks_.append(Block{});
  }
  blocks_.last().lines.append(std::move(line));
}

QByteArray ProfileDocument::bytes() const {
  QByteArray all = byteOrderMark_;
  for (const Block& block : blocks_)
    for (const Line& line : block.lines) all += line.content + line.lineBreak;
  return all;
}

QString ProfileDocument::StorableText(const QString& text) {
  if (WithoutEnclosingQuotes(TrimSpacesAndTabs(text)) == text) return text;
  return u'"' + text + u'"';
}

const ProfileDocument::Block* ProfileDocument::blockOf(const QString& section) const {
  const auto found = sections_.constFind(Folded(section));
  return found == sections_.constEnd() ? nullptr : &blocks_[*found];
}

qsizetype ProfileDocument::lineOf(const Block& block, const QString& key) const {
  if (!block.indexed) {
    for (qsizetype i = 1; i < block.lines.size(); ++i) {
      const auto entry = EntryOf(block.lines[i].text);
      if (!entry) continue;
      const QString folded = Folded(entry->key);
      if (!block.keys.contains(folded)) block.keys.insert(folded, i);
    }
    block.indexed = true;
  }
  return block.keys.value(Folded(key), -1);
}

QString ProfileDocument::value(const QString& section, const QString& key) const {
  const Block* block = blockOf(section);
  if (!block) return {};
  const qsizetype line = lineOf(*block, key);
  if (line < 0) return {};
  return WithoutEnclosingQuotes(EntryOf(block->lines[line].text)->value);
}

std::optional<ProfileDocument::Line> ProfileDocument::newLine(const QString& text) const {
  const auto content = EncodeProfileText(text, encoding_);
  if (!content) return std::nullopt;
  return Line{*content, newLineBreak_, text};
}

// The file's last line gets a line break before anything follows it.
void ProfileDocument::endLastLine() {
  for (auto b = blocks_.rbegin(); b != blocks_.rend(); ++b) {
    if (b->lines.isEmpty()) continue;
    if (b->lines.last().lineBreak.isEmpty()) b->lines.last().lineBreak = newLineBreak_;
    break;
  }
}

bool ProfileDocument::set(const QString& section, const QString& key, const QString& value) {
  written_ = true;
  const QString entry = u'=' + value;
  auto* block = const_cast<Block*>(blockOf(section));
  if (!block) {
    auto header = newLine(u'[' + section + u']');
    auto line = newLine(key + entry);
    if (!header || !line) return false;
    endLastLine();
    sections_.insert(Folded(section), blocks_.size());
    Block added;
    added.lines = {*header, *line};
    blocks_.append(added);
    return true;
  }
  if (const qsizetype at = lineOf(*block, key); at >= 0) {
    Line& old = block->lines[at];
    const auto line = newLine(EntryOf(old.text)->key.toString() + entry);
    if (!line) return false;
    if (line->text != old.text) {
      old.content = line->content;
      old.text = line->text;
    }
    return true;
  }
  // At the end of the section, before the blank lines that part it from the next one.
  qsizetype at = block->lines.size();
  while (at > 1 && TrimSpacesAndTabs(block->lines[at - 1].text).isEmpty()) --at;
  auto line = newLine(key + entry);
  if (!line) return false;
  if (block->lines[at - 1].lineBreak.isEmpty()) block->lines[at - 1].lineBreak = newLineBreak_;
  block->lines.insert(at, *line);
  if (block->indexed) block->keys.insert(Folded(key), at);
  return true;
}

}  // namespace mevrik::platform
