// The shortest text of a number: exact round trip for finite values, and for NaN and ±infinity
// the overflow text "（溢出）", never "Infinity" or "NaN", which a field check would then refuse.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "frame/text.h"

namespace tk {
namespace {

constexpr const char* kOverflow = "（溢出）";

TEST(ShortestText, NonFiniteValuesShowTheOverflowText) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double x : {inf, -inf, nan}) {
    const std::string d = ShortestText(x), f = ShortestText(static_cast<float>(x));
    EXPECT_EQ(d, kOverflow) << x;
    EXPECT_EQ(f, kOverflow) << x;
    // Read back it is no number: the field checks refuse it, the leading-number rule gives 0.
    EXPECT_FALSE(IsNumericText(d));
    EXPECT_EQ(LeadingNumber(d), 0.0);
  }
  // A double beyond the float range overflows when narrowed to the float overload.
  EXPECT_EQ(ShortestText(static_cast<float>(1e39)), kOverflow);
}

TEST(ShortestText, FiniteValuesReadBackExactly) {
  struct Case {
    double x;
    bool single;
    const char* text;
  } cases[] = {
      {0.1, false, "0.1"},
      {0.1, true, "0.1"},  // 0.1f: 9 digits would show 0.100000001
      {-2.5, false, "-2.5"},
      {48, false, "48"},
      {1e39, false, "1e+39"},  // beyond the float range, still a double
      {static_cast<double>(FLT_MAX), true, "3.4028235e+38"},
      {DBL_MAX, false, "1.7976931348623157e+308"},
  };
  for (const auto& c : cases) {
    const std::string t = c.single ? ShortestText(static_cast<float>(c.x)) : ShortestText(c.x);
    EXPECT_EQ(t, c.text) << c.x;
    if (c.single)
      EXPECT_EQ(static_cast<float>(LeadingNumber(t)), static_cast<float>(c.x)) << t;
    else
      EXPECT_EQ(LeadingNumber(t), c.x) << t;
  }
}

}  // namespace
}  // namespace tk
