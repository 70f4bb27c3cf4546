#pragma once
// The encodings a configuration file comes in: UTF-8 (our own new files), the Chinese Windows
// code page (files written on Chinese Windows, or single lines pasted by an editor that uses it) and
// UTF-16 (an editor's "Unicode"), with or without a byte order mark. GB18030 stands for the code page: it
// reads every GBK file as GBK does and writes every character GBK has with the same bytes, and it
// can still store a character GBK lacks instead of losing it.
#include <QByteArray>
#include <QString>
#include <optional>

namespace mevrik::platform {

enum class ProfileEncoding { Utf8, Gb18030, Utf16Le, Utf16Be };

struct ByteOrderMark {
  QByteArray bytes;
  ProfileEncoding encoding = ProfileEncoding::Utf8;
};

// The mark a file starts with (UTF-16 in either byte order, or UTF-8); nullopt without one.
std::optional<ByteOrderMark> ByteOrderMarkOf(const QByteArray& bytes);

// UTF-16 without a mark, told by its zero bytes: no 8-bit text has any, and in UTF-16 every
// ASCII character has one, after it in little-endian order and before it in big-endian order.
// nullopt for a file without them, or with only a stray few.
std::optional<ProfileEncoding> Utf16WithoutMark(const QByteArray& bytes);

// How a line reads in the two 8-bit encodings. A line can be valid UTF-8 and everyday GBK text
// at once: "时" in GBK is CA B1, which is "ʱ" in UTF-8.
struct LineReadings {
  bool utf8 = false;        // valid UTF-8
  bool commonGbk = false;   // GBK of the characters in everyday use only
};
LineReadings ReadingsOf(const QByteArray& line);

// nullopt when the bytes are not valid in the encoding.
std::optional<QString> DecodeProfileText(const QByteArray& bytes, ProfileEncoding encoding);
std::optional<QByteArray> EncodeProfileText(const QString& text, ProfileEncoding encoding);

}  // namespace mevrik::platform
