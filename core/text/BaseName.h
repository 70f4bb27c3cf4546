#pragma once
// The name a path is known by: its last component without the last extension, whichever of
// "/" and "\" separates the components, so Windows paths stored by hand read the same on Linux.
#include <string>
#include <string_view>

namespace mevrik::text {

// "D:\Docs\Plan.xlsx" gives "Plan", "/home/li/a.tar.gz" "a.tar", "D:\Docs\" "Docs". A leading
// dot starts a hidden file's name rather than an extension: ".profile" stays ".profile".
std::u16string GetBaseName(std::u16string_view path);

}  // namespace mevrik::text
