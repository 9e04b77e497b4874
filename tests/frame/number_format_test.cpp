#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <string>

#include "frame/fault.h"
#include "frame/numfmt.h"

namespace tk {
namespace {

struct FormatCase {
  double x;
  const char* pattern;
  const char* expected;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
  *os << c.x << " as " << c.pattern;
}

class NumberFormat : public ::testing::TestWithParam<FormatCase> {};

// The parts of the pattern language the reports use least: sections, non-finite values, empty
// and literal-only patterns, multi-byte literals.
TEST(NumberFormatEdges, SectionsNonFiniteEmptyAndLiteralPatterns) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double x;
    const char* pattern;
    const char* expected;
  } cases[] = {
      {5, "0.0;(0.0)", "5.0"},
      {-5, "0.0;(0.0)", "(5.0)"},
      {-5, "0.00;-0.00", "-5.00"},
      {1.5, "", "1.5"},
      {1234567.891, "", "1234567.891"},
      {-5, "\"abc\"", "abc"},
      {5, "0.0吨", "5.0吨"},
      {-1.25, "0.0\" mm²\"", "-1.3 mm²"},
      {1234567.891, "#,##0.00", "1,234,567.89"},
      {1.5, "0%", "150%"},
      {-5, "\\k0", "-k5"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatNumber(c.x, c.pattern), c.expected) << c.x << " with " << c.pattern;
  // A number that is not finite is never printed: the formatter raises the arithmetic fault.
  for (double x : {std::nan(""), inf, -inf})
    for (const char* pattern : {"0.00", "0", ""})
      EXPECT_THROW(FormatNumber(x, pattern), ArithmeticFault) << x << " with " << pattern;
}

TEST_P(NumberFormat, FormatsAsReportsShowThem) {
  const auto& c = GetParam();
  EXPECT_EQ(FormatNumber(c.x, c.pattern), c.expected) << c.x << " with " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, NumberFormat,
    ::testing::Values(
        // rounding ties go away from zero, on the decimal value as shown
        FormatCase{2.5, "0", "3"}, FormatCase{-2.5, "0", "-3"}, FormatCase{0.5, "0", "1"},
        FormatCase{1.0005, "0.000", "1.001"}, FormatCase{2.675, "0.00", "2.68"},
        FormatCase{1.2345, "#0.000", "1.235"}, FormatCase{-1.2345, "#0.000", "-1.235"},
        FormatCase{0.0004, "0.000", "0.000"}, FormatCase{-0.0004, "0.000", "0.000"},
        FormatCase{9.9996, "0.000", "10.000"}, FormatCase{999.5, "0", "1000"},
        FormatCase{0.25, "#0.0000", "0.2500"}, FormatCase{0.005, "#0.00", "0.01"},
        // thousands separators
        FormatCase{1234567.891, "##,###0.000", "1,234,567.891"},
        FormatCase{12.3456, "##,###0.000", "12.346"},
        FormatCase{-12345.5, "##,###0.000", "-12,345.500"},
        FormatCase{1000, "##,###0.000", "1,000.000"}, FormatCase{100, "##,###0.000", "100.000"},
        // percent
        FormatCase{0.012345, "Percent", "1.23%"}, FormatCase{0.002, "percent", "0.20%"},
        FormatCase{-0.5, "Percent", "-50.00%"},
        // optional places and literals
        FormatCase{250, "0.##\" mm\"", "250 mm"}, FormatCase{123.456, "0.##\" mm\"", "123.46 mm"},
        FormatCase{0.5, "#.00", ".50"}, FormatCase{3.14159, "0.00\\%", "3.14%"},
        FormatCase{1e20, "0", "100000000000000000000"}, FormatCase{0, "0.000", "0.000"}),
    // Names read "7_0_00" for case 7 with the pattern "0.00": the pattern's letters and digits.
    [](const ::testing::TestParamInfo<FormatCase>& i) {
      std::string name = std::to_string(i.index) + "_";
      for (const char* p = i.param.pattern; *p; ++p)
        name.push_back(std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_');
      return name;
    });

}  // namespace
}  // namespace tk
