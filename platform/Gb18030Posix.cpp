#include "platform/Gb18030.h"

#include <iconv.h>

#include <memory>

namespace mevrik::platform {

namespace {

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

}  // namespace

std::optional<QString> FromGb18030(const QByteArray& bytes) {
  const auto utf16 = Iconv("UTF-16LE", "GB18030", bytes);
  if (!utf16) return std::nullopt;
  return QString(reinterpret_cast<const QChar*>(utf16->constData()), utf16->size() / 2);
}

std::optional<QByteArray> ToGb18030(const QString& text) {
  return Iconv("GB18030", "UTF-16LE",
               QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2));
}

}  // namespace mevrik::platform
