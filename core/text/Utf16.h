#pragma once
// Conversions between the core's UTF-16 text and UTF-8, for terminals, files and test output.
#include <string>
#include <string_view>

namespace mevrik::text {

std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);  // invalid sequences become U+FFFD

}  // namespace mevrik::text
