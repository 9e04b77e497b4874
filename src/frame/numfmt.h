// Number patterns of the calculation reports: "0", "#0.000", "0.000", "##,###0.000",
// "Percent"/"percent", literal text in double quotes or after a backslash, "%" (times 100).
#pragma once

#include <string>
#include <string_view>

namespace tk {

// Formats x with a pattern. Rounds half away from zero on the decimal value (15 significant
// digits, as the value is shown), never prints a negative zero. A number that is not finite raises
// ArithmeticFault: no report line ever shows "Infinity" or "NaN".
std::string FormatNumber(double x, std::string_view pattern);
void AppendFormatted(std::string& out, double x, std::string_view pattern);

}  // namespace tk
