#include "platform/ProfileFileEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

#include "platform/Gb18030.h"

namespace mevrik::platform {

namespace {

bool InRange(char byte, unsigned char low, unsigned char high) {
  const auto b = static_cast<unsigned char>(byte);
  return b >= low && b <= high;
}

// Text of the characters in everyday use, as GBK writes them: ASCII, and pairs of a lead byte
// A1-F7 and a second byte A1-FE (the rows of GB2312). UTF-8 Chinese read as GBK seldom stays
// in those rows: its continuation bytes 80-BF fall below A1.
bool IsCommonGbk(const QByteArray& bytes) {
  const qsizetype n = bytes.size();
  for (qsizetype i = 0; i < n;) {
    if (InRange(bytes[i], 0x00, 0x7F)) {
      ++i;
    } else if (i + 1 < n && InRange(bytes[i], 0xA1, 0xF7) && InRange(bytes[i + 1], 0xA1, 0xFE)) {
      i += 2;
    } else {
      return false;
    }
  }
  return true;
}

QStringConverter::Encoding UnicodeEncoding(ProfileEncoding encoding) {
  switch (encoding) {
    case ProfileEncoding::Utf16Le: return QStringConverter::Utf16LE;
    case ProfileEncoding::Utf16Be: return QStringConverter::Utf16BE;
    default: return QStringConverter::Utf8;
  }
}

}  // namespace

std::optional<ByteOrderMark> ByteOrderMarkOf(const QByteArray& bytes) {
  if (bytes.startsWith("\xFF\xFE")) return ByteOrderMark{bytes.first(2), ProfileEncoding::Utf16Le};
  if (bytes.startsWith("\xFE\xFF")) return ByteOrderMark{bytes.first(2), ProfileEncoding::Utf16Be};
  if (bytes.startsWith("\xEF\xBB\xBF")) return ByteOrderMark{bytes.first(3), ProfileEncoding::Utf8};
  return std::nullopt;
}

std::optional<ProfileEncoding> Utf16WithoutMark(const QByteArray& bytes) {
  if (!bytes.contains('\0')) return std::nullopt;
  qsizetype even = 0;
  qsizetype odd = 0;
  for (qsizetype i = 0; i < bytes.size(); ++i)
    if (bytes[i] == '\0') ++(i % 2 == 0 ? even : odd);
  // Every line has its "=" or brackets and its line break: far more than a stray zero or two in
  // a damaged 8-bit file, which stays 8-bit.
  if (std::max(even, odd) * 8 < bytes.size() / 2) return std::nullopt;
  return odd >= even ? ProfileEncoding::Utf16Le : ProfileEncoding::Utf16Be;
}

LineReadings ReadingsOf(const QByteArray& line) {
  return {DecodeProfileText(line, ProfileEncoding::Utf8).has_value(), IsCommonGbk(line)};
}

std::optional<QString> DecodeProfileText(const QByteArray& bytes, ProfileEncoding encoding) {
  if (encoding == ProfileEncoding::Gb18030) return FromGb18030(bytes);
  QStringDecoder decoder(UnicodeEncoding(encoding), QStringConverter::Flag::Stateless);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

std::optional<QByteArray> EncodeProfileText(const QString& text, ProfileEncoding encoding) {
  if (encoding == ProfileEncoding::Gb18030) return ToGb18030(text);
  QStringEncoder encoder(UnicodeEncoding(encoding), QStringConverter::Flag::Stateless);
  QByteArray bytes = encoder.encode(text);
  if (encoder.hasError()) return std::nullopt;
  return bytes;
}

}  // namespace mevrik::platform
