// clsDtqKa.CalResult called without CheckEnter: a field beyond the 32-bit float range is the
// input error 800101 of that field (as CheckEnter gives it), with the field's message in tText,
// never the arithmetic fault 800299.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/earth_pressure.h"

namespace tk {
namespace {

// γ = 18, h = 6, q = 10, c = 12, φ = 20°, α = 80°, β = 10°, δ = 10°: a wall that calculates.
std::vector<std::string> Wall() {
  return {"18", "6", "10", "12", "20", "80", "10", "10", "W1"};
}

TEST(DtqKaRange, NumberBeyondFloatRangeIsTheFieldsInputError) {
  const char* names[] = {"填土重度γ",    "挡土墙的高度 h",       "地表均布荷载 q",
                         "土的粘聚力 c", "墙背填土内摩擦角ψ",    "挡土墙的墙背倾角α",
                         "土的坡度β",    "土对挡土墙背的摩擦角δ"};
  for (int16_t i = 0; i <= 7; ++i)
    for (const char* big : {"1e400", "-1e400", "1e39", "3.5e38"}) {
      std::vector<std::string> t = Wall();
      t[static_cast<size_t>(i)] = big;
      clsDtqKa k;
      VBArray<std::string> a(0, t);
      std::string text = "old";
      int32_t code = -1;
      k.CalResult(a, text, code);
      EXPECT_EQ(code, dtqka::kNotNumeric) << i << " " << big;
      EXPECT_EQ(text, std::string("您输入的") + names[i] + "为\"" + big +
                          "\"， \r\n一栏应输入数值。\r\n\r\n")
          << i << " " << big;
      // CheckEnter gives the same text the same code, at the same field.
      int32_t check = -1;
      int16_t index = -1;
      k.CheckEnter(a, check, index);
      EXPECT_EQ(check, dtqka::kNotNumeric) << i << " " << big;
      EXPECT_EQ(index, i) << big;
    }
}

TEST(DtqKaRange, LargestFloatIsStillANumber) {
  // 3.4e38 is below FLT_MAX (3.40282e38): not refused as beyond the range; whatever the wall then
  // gives, it is not the input error.
  std::vector<std::string> t = Wall();
  t[2] = "3.4e38";
  clsDtqKa k;
  VBArray<std::string> a(0, t);
  std::string text;
  int32_t code = -1;
  k.CalResult(a, text, code);
  EXPECT_NE(code, dtqka::kNotNumeric) << text;
  EXPECT_EQ(text.find("Infinity"), std::string::npos);
}

}  // namespace
}  // namespace tk
