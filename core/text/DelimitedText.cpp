#include "core/text/DelimitedText.h"

namespace mevrik::text {
namespace {

bool NeedsQuotes(std::u16string_view field, char16_t separator) {
  return field.find_first_of(std::u16string{separator, u'"', u'\r', u'\n'}) != field.npos;
}

}  // namespace

std::u16string DelimitedRecord(const std::vector<std::u16string>& fields, char16_t separator) {
  std::u16string record;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i) record += separator;
    if (!NeedsQuotes(fields[i], separator)) {
      record += fields[i];
      continue;
    }
    record += u'"';
    for (const char16_t c : fields[i]) {
      if (c == u'"') record += u'"';
      record += c;
    }
    record += u'"';
  }
  return record + u"\r\n";
}

bool SplitRecord(std::u16string_view text, char16_t separator, std::vector<std::u16string>& fields) {
  while (text.ends_with(u'\n') || text.ends_with(u'\r')) text.remove_suffix(1);
  fields.assign(1, std::u16string());
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (quoted) {
      if (c != u'"') {
        fields.back() += c;
      } else if (i + 1 < text.size() && text[i + 1] == u'"') {
        fields.back() += u'"';
        ++i;
      } else {
        quoted = false;
      }
    } else if (c == separator) {
      fields.emplace_back();
    } else if (c == u'"' && fields.back().empty()) {
      quoted = true;
    } else {
      fields.back() += c;
    }
  }
  return !quoted;
}

char16_t SeparatorOf(std::u16string_view header) {
  return header.find(kTab) != header.npos ? kTab : kComma;
}

}  // namespace mevrik::text
