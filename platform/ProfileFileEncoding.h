#pragma once
// The encodings a configuration file comes in: UTF-8 (our own new files), the Chinese Windows
// code page (files older copies wrote on Windows, or single lines pasted by an older editor) and
// UTF-16 with a byte order mark (an editor's "Unicode"). GB18030 stands for the code page: it
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

// One line of a file without a UTF-16 mark is read on its own: UTF-8 when it is valid UTF-8,
// else GB18030, so one stray line in the other encoding hides nothing else.
ProfileEncoding LineEncoding(const QByteArray& line);

// nullopt when the bytes are not valid in the encoding.
std::optional<QString> DecodeProfileText(const QByteArray& bytes, ProfileEncoding encoding);
std::optional<QByteArray> EncodeProfileText(const QString& text, ProfileEncoding encoding);

}  // namespace mevrik::platform
