#include "platform/ProfileFileEncoding.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#include <memory>
#endif

namespace mevrik::platform {

namespace {

#ifdef Q_OS_WIN
// GB18030 (54936), which reads and writes every GBK file unchanged and has every character; a
// system without it (Wine) has GBK itself, the code page of Chinese Windows.
UINT Gb18030CodePage() {
  static const UINT codePage = IsValidCodePage(54936) ? 54936 : 936;
  return codePage;
}

std::optional<QString> FromGb18030(const QByteArray& bytes) {
  if (bytes.isEmpty()) return QString();
  const int size = MultiByteToWideChar(Gb18030CodePage(), MB_ERR_INVALID_CHARS, bytes.constData(),
                                       int(bytes.size()), nullptr, 0);
  if (size <= 0) return std::nullopt;
  QString text(size, Qt::Uninitialized);
  MultiByteToWideChar(Gb18030CodePage(), MB_ERR_INVALID_CHARS, bytes.constData(),
                      int(bytes.size()), reinterpret_cast<wchar_t*>(text.data()), size);
  return text;
}

// nullopt when a character has no bytes in the code page: GBK would write "?" in its place.
std::optional<QByteArray> ToGb18030(const QString& text) {
  if (text.isEmpty()) return QByteArray();
  const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
  const UINT codePage = Gb18030CodePage();
  BOOL lost = FALSE;
  BOOL* lostFlag = codePage == 54936 ? nullptr : &lost;  // GB18030 takes no such flag
  const int size = WideCharToMultiByte(codePage, 0, wide, int(text.size()), nullptr, 0, nullptr,
                                       lostFlag);
  if (size <= 0 || lost) return std::nullopt;
  QByteArray bytes(size, Qt::Uninitialized);
  WideCharToMultiByte(codePage, 0, wide, int(text.size()), bytes.data(), size, nullptr, nullptr);
  return bytes;
}
#else
// One conversion through glibc's iconv; nullopt on an invalid or unconvertible sequence.
std::optional<QByteArray> Iconv(const char* to, const char* from, const QByteArray& input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  const std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
  QByteArray output(input.size() * 4 + 16, Qt::Uninitialized);
  char* in = const_cast<char*>(input.constData());
  size_t inLeft = size_t(input.size());
  char* out = output.data();
  size_t outLeft = size_t(output.size());
  if (iconv(cd, &in, &inLeft, &out, &outLeft) == size_t(-1)) return std::nullopt;
  if (iconv(cd, nullptr, nullptr, &out, &outLeft) == size_t(-1)) return std::nullopt;
  output.truncate(output.size() - qsizetype(outLeft));
  return output;
}

std::optional<QString> FromGb18030(const QByteArray& bytes) {
  const auto utf16 = Iconv("UTF-16LE", "GB18030", bytes);
  if (!utf16) return std::nullopt;
  return QString(reinterpret_cast<const QChar*>(utf16->constData()), utf16->size() / 2);
}

std::optional<QByteArray> ToGb18030(const QString& text) {
  return Iconv("GB18030", "UTF-16LE",
               QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
}
#endif

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
