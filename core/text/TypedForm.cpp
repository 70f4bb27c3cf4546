#include "core/text/TypedForm.h"

#include "core/text/Blanks.h"

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

OfferedText OfferCharacters(std::u16string_view before, std::u16string_view entered,
                            std::u16string_view after, const AcceptKey& accept) {
  OfferedText offered{std::u16string(before), std::u16string(before), {}};
  std::u16string withAfter;
  for (const char16_t c : entered) {
    // The box as it stands around the new character.
    std::u16string_view box = offered.kept;
    if (!after.empty()) box = withAfter = offered.kept + std::u16string(after);
    char16_t form = c;
    bool taken = accept(c, box);
    if (!taken) {
      form = TypedForm(c);
      taken = form != c && accept(form, box);
    }
    offered.typed += form;
    if (taken) offered.kept += form;
    else offered.refused += c;
  }
  return offered;
}

WholeEntry EnterWhole(std::u16string_view before, std::u16string_view entered,
                      std::u16string_view after, const AcceptKey& accept) {
  const std::u16string_view trimmed = TrimTrailingBlanks(entered);
  const OfferedText offered = OfferCharacters(before, trimmed, after, accept);
  WholeEntry entry;
  entry.caret = offered.kept.size();
  entry.text = offered.kept + std::u16string(after);
  entry.entered = std::u16string(before) + std::u16string(trimmed) + std::u16string(after);
  entry.typed = offered.typed + std::u16string(after);
  entry.refused = offered.refused;
  return entry;
}

}  // namespace mevrik::text
