#pragma once
// The two encodings a configuration file comes in: UTF-8 (our own new files) and the Chinese
// Windows code page (files written by the Windows program). GB18030 is used for the latter: it
// reads every GBK file as GBK does and writes every character GBK has with the same bytes, and it
// can still store a character GBK lacks instead of losing it.
#include <QByteArray>
#include <QString>
#include <optional>

namespace mevrik::platform {

enum class ProfileEncoding { Utf8, Gb18030 };

// UTF-8 when the bytes are valid UTF-8, else GB18030.
ProfileEncoding DetectProfileEncoding(const QByteArray& bytes);

// nullopt when the bytes are not valid in the encoding.
std::optional<QString> DecodeProfileText(const QByteArray& bytes, ProfileEncoding encoding);
std::optional<QByteArray> EncodeProfileText(const QString& text, ProfileEncoding encoding);

}  // namespace mevrik::platform
