#include "core/text/Blanks.h"

namespace mevrik::text {

std::u16string_view TrimBlanks(std::u16string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::u16string_view TrimTrailingBlanks(std::u16string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return text.substr(0, end);
}

std::u16string_view TrimSpaces(std::u16string_view text) {
  const std::size_t begin = text.find_first_not_of(u' ');
  if (begin == std::u16string_view::npos) return {};
  return text.substr(begin, text.find_last_not_of(u' ') - begin + 1);
}

}  // namespace mevrik::text
