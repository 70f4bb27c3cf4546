#include "platform/Gb18030.h"

#include <windows.h>

namespace mevrik::platform {

namespace {

// GB18030 (54936), which reads and writes every GBK file unchanged and has every character; a
// system without it (Wine) has GBK itself, the code page of Chinese Windows.
UINT Gb18030CodePage() {
  static const UINT codePage = IsValidCodePage(54936) ? 54936 : 936;
  return codePage;
}

}  // namespace

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

// GBK would write "?" in place of a character it lacks.
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

}  // namespace mevrik::platform
