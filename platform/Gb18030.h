#pragma once
// The Chinese code page of configuration files, through the system's own converter: the C
// library's iconv on Unix, the code page functions on Windows.
#include <QByteArray>
#include <QString>
#include <optional>

namespace mevrik::platform {

// nullopt on bytes that are not valid GB18030.
std::optional<QString> FromGb18030(const QByteArray& bytes);
// nullopt when a character has no bytes in the code page.
std::optional<QByteArray> ToGb18030(const QString& text);

}  // namespace mevrik::platform
