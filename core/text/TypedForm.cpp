#include "core/text/TypedForm.h"

namespace mevrik::text {
namespace {

constexpr char16_t kFullWidthFirst = u'！';  // U+FF01, the twin of "!"
constexpr char16_t kFullWidthLast = u'～';   // U+FF5E, the twin of "~"
constexpr char16_t kFullWidthOffset = kFullWidthFirst - u'!';

std::u16string Named(char16_t c) {
  switch (c) {
    case u' ': return u"空格";
    case u'\t': return u"制表符";
    case u'\r': case u'\n': return u"换行";
    default: return u"“" + std::u16string(1, c) + u"”";
  }
}

}  // namespace

char16_t TypedForm(char16_t c) {
  if (c >= kFullWidthFirst && c <= kFullWidthLast) return static_cast<char16_t>(c - kFullWidthOffset);
  switch (c) {
    case u'\u3000': return u' ';
    case u'×': case u'·': return u'*';
    case u'÷': return u'/';
    default: return c;
  }
}

std::u16string RefusedCharactersStatus(std::u16string_view refused) {
  std::u16string names;
  for (const char16_t c : refused) {
    const std::u16string name = Named(c);
    if (names.find(name) != std::u16string::npos) continue;
    names += (names.empty() ? u"" : u"、") + name;
  }
  return u"输入框不接受字符：" + names + u"，内容未改变。";
}

}  // namespace mevrik::text
