#include "platform/ProfileDocument.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "platform/FileAttributes.h"

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

// NUL characters before a section's bracket (a damaged file, a tool's padding) do not hide it.
std::optional<QStringView> SectionName(QStringView line) {
  while (!line.isEmpty() && (line.front().isNull() || IsSpaceOrTab(line.front())))
    line = line.sliced(1);
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

// Every character beyond ASCII is a Chinese character or full-width punctuation.
bool IsChineseText(QStringView text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    const bool chinese = u < 0x80 || (u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3000 && u <= 0x303F) ||
                         (u >= 0xFF00 && u <= 0xFFEF);
    if (!chinese) return false;
  }
  return true;
}

qsizetype AsciiCount(QStringView text) {
  return std::count_if(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

bool IsAscii(const QByteArray& bytes) {
  for (const char b : bytes)
    if (static_cast<unsigned char>(b) >= 0x80) return false;
  return true;
}

}  // namespace

bool ProfileDocument::IsReadable(const QString& path) {
  const QFileInfo info(path);
  return !info.exists() || info.isDir() || (info.isFile() && info.size() <= kLargestFile);
}

std::optional<ProfileDocument> ProfileDocument::Load(const QString& path) {
  ProfileDocument document;
  // A symbolic link's own existence says nothing about its target's.
  QFile file(SymbolicLinkTarget(path));
  if (!file.exists()) {
    document.newLineBreak_ = "\r\n";
    return document;
  }
  if (!IsReadable(file.fileName()) || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  document.exists_ = true;
  // Never more than the cap, should the file grow between the look and the read.
  document.original_ = file.read(kLargestFile + 1);
  if (document.original_.size() > kLargestFile) return std::nullopt;
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  document.parse(document.original_);
  return document;
}

namespace {

QByteArray Encoded(const char* text, ProfileEncoding encoding) {
  const QString latin = QString::fromLatin1(text);
  return encoding == ProfileEncoding::Utf8 || encoding == ProfileEncoding::Gb18030
             ? latin.toLatin1()
             : *EncodeProfileText(latin, encoding);
}

struct RawLine {
  QByteArray content;
  QByteArray lineBreak;
};

// Splits at line feeds, carriage return and line feed pairs, and lone carriage returns (an old
// Mac editor's break, which must not hide the next key): no encoding we read uses those bytes (or
// UTF-16 units) inside a character. A break is taken at any byte offset, also in UTF-16: a piece
// an 8-bit tool added there shifts every unit after it by a byte, and the lines after it are
// still found.
QList<RawLine> SplitLines(const QByteArray& all, qsizetype start, ProfileEncoding encoding) {
  const QByteArray lineFeed = Encoded("\n", encoding);
  const QByteArray carriageReturn = Encoded("\r", encoding);
  QList<RawLine> lines;
  // The next of each break from `start` on, looked for again only once passed: a file without
  // one kind is searched for it once, not once per line.
  qsizetype feed = -2;
  qsizetype ret = -2;
  while (start < all.size()) {
    if (feed != -1 && feed < start) feed = all.indexOf(lineFeed, start);
    if (ret != -1 && ret < start) ret = all.indexOf(carriageReturn, start);
    if (feed < 0 && ret < 0) {
      lines.append({all.mid(start), QByteArray()});
      break;
    }
    qsizetype end = feed;
    QByteArray lineBreak = lineFeed;
    if (ret >= 0 && (feed < 0 || ret < feed)) {
      end = ret;
      const bool pair = ret + carriageReturn.size() == feed;
      lineBreak = pair ? carriageReturn + lineFeed : carriageReturn;
    }
    lines.append({all.mid(start, end - start), lineBreak});
    start = end + lineBreak.size();
  }
  return lines;
}

// How many lines read as ini lines (a section or a key) in an encoding: the byte order of UTF-16
// without a mark is the one that reads more, whatever stray bytes shifted it.
qsizetype IniLines(const QList<RawLine>& lines, ProfileEncoding encoding) {
  qsizetype count = 0;
  for (const RawLine& line : lines) {
    const auto text = DecodeProfileText(line.content, encoding);
    if (text && (text->contains(u'=') || SectionName(*text))) ++count;
  }
  return count;
}

// Changed and new lines go in the encoding most lines are in, so the file stays in one encoding
// rather than growing a mix. Only lines that read as one of them alone count. A file without
// such a line is taken as UTF-8: UTF-8 is what the program writes new files in, and GBK that
// happens to be valid UTF-8 is rare (one or two characters, such as "时"), so a GBK file nearly
// always has a line that tells.
ProfileEncoding EncodingOfLines(const QList<RawLine>& lines) {
  int utf8Lines = 0;
  int gbLines = 0;
  for (const auto& line : lines) {
    if (IsAscii(line.content)) continue;
    const LineReadings readings = ReadingsOf(line.content);
    if (!readings.utf8) ++gbLines;
    else if (!readings.commonGbk) ++utf8Lines;
  }
  return gbLines > utf8Lines ? ProfileEncoding::Gb18030 : ProfileEncoding::Utf8;
}

}  // namespace

void ProfileDocument::parse(const QByteArray& all) {
  qsizetype start = 0;
  if (const auto mark = ByteOrderMarkOf(all)) {
    byteOrderMark_ = mark->bytes;
    encoding_ = mark->encoding;
    start = mark->bytes.size();
  } else if (Utf16WithoutMark(all)) {
    const bool little = IniLines(SplitLines(all, 0, ProfileEncoding::Utf16Le), ProfileEncoding::Utf16Le) >=
                        IniLines(SplitLines(all, 0, ProfileEncoding::Utf16Be), ProfileEncoding::Utf16Be);
    encoding_ = little ? ProfileEncoding::Utf16Le : ProfileEncoding::Utf16Be;
  }
  utf16_ = encoding_ == ProfileEncoding::Utf16Le || encoding_ == ProfileEncoding::Utf16Be;
  const QList<RawLine> lines = SplitLines(all, start, encoding_);
  const QByteArray lineFeed = Encoded("\n", encoding_);
  bool anyCrlf = false;
  for (const RawLine& line : lines) anyCrlf = anyCrlf || line.lineBreak.size() > lineFeed.size();
  if (!utf16_ && byteOrderMark_.isEmpty()) encoding_ = EncodingOfLines(lines);
  for (const auto& [content, lineBreak] : lines) append(content, lineBreak);
  newLineBreak_ = anyCrlf || lines.isEmpty() ? Encoded("\r\n", encoding_) : lineFeed;
}

// A line that only one encoding reads is read in that one, so one stray line in the other
// encoding hides nothing else. A line both read is read in the one that gives Chinese text ("时"
// in GBK is "ʱ" in UTF-8), and in the file's when both or neither do.
ProfileEncoding ProfileDocument::LineEncoding(const QByteArray& content) const {
  if (utf16_ || IsAscii(content)) return encoding_;
  const LineReadings readings = ReadingsOf(content);
  if (readings.utf8 && readings.commonGbk) {
    const bool utf8Chinese = IsChineseText(*DecodeProfileText(content, ProfileEncoding::Utf8));
    const auto gbk = DecodeProfileText(content, ProfileEncoding::Gb18030);
    const bool gbkChinese = gbk && IsChineseText(*gbk);
    if (utf8Chinese == gbkChinese) return encoding_;
    return utf8Chinese ? ProfileEncoding::Utf8 : ProfileEncoding::Gb18030;
  }
  return readings.utf8 ? ProfileEncoding::Utf8 : ProfileEncoding::Gb18030;
}

// A UTF-16 line with a stray byte in it reads in the alignment that gives more ASCII characters
// ("=", digits, brackets), the stray byte dropped at its start or its end.
QString ProfileDocument::LineText(const QByteArray& content) const {
  if (utf16_ && content.size() % 2 != 0) {
    const QString withoutFirst = DecodeProfileText(content.sliced(1), encoding_).value_or(QString());
    const QString withoutLast = DecodeProfileText(content.chopped(1), encoding_).value_or(QString());
    return AsciiCount(withoutFirst) >= AsciiCount(withoutLast) ? withoutFirst : withoutLast;
  }
  // A line no encoding can read still matches plain ASCII names.
  return DecodeProfileText(content, LineEncoding(content)).value_or(QString::fromLatin1(content));
}

void ProfileDocument::append(QByteArray content, QByteArray lineBreak) {
  Line line;
  line.text = LineText(content);
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
