#include <gtest/gtest.h>

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
        FormatCase{1e20, "0", "100000000000000000000"}, FormatCase{0, "0.000", "0.000"}));

}  // namespace
}  // namespace tk
