// Text rules shared by every calculator: the leading-number rule, trimming, comparisons.
#pragma once

#include <string>
#include <string_view>

#include "frame/export.h"

namespace tk {

// Leading-number rule: the number at the start of a text ("12.5kN" reads 12.5, "C30" reads 0).
// Blanks (space, tab, line feed) are skipped anywhere in the number, a sign, digits, one decimal
// point and an exponent introduced by E or D are read, "&H"/"&O" read hexadecimal/octal.
TK_API double LeadingNumber(std::string_view text);

// True when the whole trimmed text is one number (sign, digits, point, exponent).
TK_API bool IsNumericText(std::string_view text);

// Removes leading and trailing blanks (ASCII space and tab, and the full-width space U+3000).
TK_API std::string_view TrimView(std::string_view text);
TK_API std::string Trim(std::string_view text);

// ASCII case-insensitive equality.
TK_API bool EqualsNoCase(std::string_view a, std::string_view b);

// Shortest text that reads back to exactly the same float / double ("0.1" for 0.1f); "（溢出）"
// for a value that is not finite (NaN, ±infinity).
TK_API std::string ShortestText(float x);
TK_API std::string ShortestText(double x);

}  // namespace tk
