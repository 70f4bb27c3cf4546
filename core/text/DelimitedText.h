#pragma once
// Tables as text, one record per line: comma-separated (CSV) or tab-separated (what a
// spreadsheet puts on the clipboard). A field that holds the separator, a quote or a line break
// is quoted, with each quote doubled; a record ends with "\r\n".
#include <string>
#include <string_view>
#include <vector>

namespace mevrik::text {

inline constexpr char16_t kComma = u',';
inline constexpr char16_t kTab = u'\t';

std::u16string DelimitedRecord(const std::vector<std::u16string>& fields, char16_t separator);

// Splits one record into `fields`. False when the record is not complete: a quoted field runs
// on past the end of `text`, so the next line belongs to it (the caller appends "\n" and the
// next line and tries again). A line break at the end of `text` is not part of the record.
bool SplitRecord(std::u16string_view text, char16_t separator, std::vector<std::u16string>& fields);

// The separator of a table whose first record is `header`: a tab when it holds one, a comma
// otherwise.
char16_t SeparatorOf(std::u16string_view header);

}  // namespace mevrik::text
