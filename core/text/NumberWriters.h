#pragma once
// Writing numbers in the general decimal form: shortest text, no trailing zeros, scientific
// ("1E+20", "1E-05") only for very large or very small values.
#include <string>

namespace mevrik::text {

// A double with at most 15 significant digits: 0.1+0.2 gives "0.3", 1/3 "0.333333333333333".
std::u16string ValueText(double value);

// A single-precision value with at most 7 significant digits: 22.66f+3.5f gives "26.16".
std::u16string ShortText(float value);

}  // namespace mevrik::text
