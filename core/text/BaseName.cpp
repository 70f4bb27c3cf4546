#include "core/text/BaseName.h"

namespace mevrik::text {
namespace {

bool IsSeparator(char16_t c) { return c == u'/' || c == u'\\'; }

}  // namespace

std::u16string GetBaseName(std::u16string_view path) {
  while (!path.empty() && IsSeparator(path.back())) path.remove_suffix(1);
  std::size_t start = path.size();
  while (start > 0 && !IsSeparator(path[start - 1])) --start;
  std::u16string_view name = path.substr(start);
  // A drive ("D:") is not a name with an extension either; only a dot after the first
  // character ends the base name.
  const std::size_t dot = name.rfind(u'.');
  if (dot != std::u16string_view::npos && dot > 0) name = name.substr(0, dot);
  return std::u16string(name);
}

}  // namespace mevrik::text
