// clsLtBs: the user's deflection coefficient k (dNdXs, used with bNd and bNdXx) must lie in
// 0 < k <= 48, else input error 204 with Index -1; and the arithmetic-fault path 299 through an
// extreme but accepted input.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "members/stair.h"

namespace tk {
namespace {

using namespace ltbs;

// Type A, both ends hinged: Lo1 = 3080, Hv = 1800, n = 12, h1 = 120, B = 1200, qk = 2.0, C20,
// fy = 210, d1 = d2 = 200, ψq = 0.4.
std::vector<std::string> TypeA() {
  return {"A",   "两端铰支", "板式", "3080", "",    "",   "120", "1800", "12", "",
          "",    "1200",     "0",    "2.0",  "20",  "20", "20",  "25",   "20", "20",
          "210", "",         "200",  "200",  "0.4", "",   "",    "",     ""};
}

struct StairRun {
  int32_t lErr = -1;
  int16_t Index = 99;  // a value the call must overwrite on an input error
  bool ok = false;
  std::string text = "TB1";
};

StairRun Calc(std::vector<std::string> fields, bool nd, bool ndXx, double ndXs) {
  clsLtBs s;
  VBArray<std::string> Text(0, std::move(fields));
  VBArray<bool> bEnable;
  StairRun r;
  bool bars = true, crack = false, autoZz = false;
  std::string rule;
  s.CalResult(Text, bEnable, r.Index, r.ok, bars, crack, autoZz, nd, ndXx, ndXs, rule, r.text,
              &r.lErr);
  return r;
}

TEST(StairCoefficient, OutsideZeroToFortyEightIsInputError204) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    bool nd, ndXx;
    double k;
    int32_t code;
    const char* shown;  // the value part of the message
  } cases[] = {
      {true, true, -1, kBadCoefficient, "（当前输入：-1）。"},
      {true, true, 0, kBadCoefficient, "（当前输入：0）。"},
      {true, true, 48.5, kBadCoefficient, "（当前输入：48.5）。"},
      {true, true, inf, kBadCoefficient, "（当前输入超出数值范围）。"},
      {true, true, nan, kBadCoefficient, "（当前输入超出数值范围）。"},
      {true, true, 48, 0, ""},     // the cantilever's 48/384: the largest accepted
      {true, true, 0.001, 0, ""},  // any positive k
      {true, false, -1, 0, ""},    // the coefficient is not used: the support condition's k
      {false, true, -1, 0, ""},    // no deflection asked for
  };
  for (const auto& c : cases) {
    const StairRun r = Calc(TypeA(), c.nd, c.ndXx, c.k);
    EXPECT_EQ(r.lErr, c.code) << c.k << " nd " << c.nd << " ndXx " << c.ndXx;
    if (c.code != 0) {
      EXPECT_EQ(r.Index, kCoefficientIndex) << c.k;
      EXPECT_FALSE(r.ok);
      EXPECT_EQ(r.text, std::string("挠度系数k应为大于0且不大于48的数值") + c.shown);
    } else {
      EXPECT_TRUE(r.ok) << c.k;
      EXPECT_EQ(r.Index, 99) << c.k;
    }
  }
}

TEST(StairCoefficient, AcceptedCoefficientIsTheOneInTheDeflection) {
  // f = k/384·η·Qk·L⁴/Bl: the report prints k with one decimal.
  EXPECT_NE(Calc(TypeA(), true, true, 48).text.find("48.0 / 384"), std::string::npos);
  EXPECT_NE(Calc(TypeA(), true, true, 0.5).text.find("0.5 / 384"), std::string::npos);
  // A coefficient given but not switched on leaves the hinged flight's 5.
  EXPECT_NE(Calc(TypeA(), true, false, 0.5).text.find("5.0 / 384"), std::string::npos);
}

TEST(StairCoefficient, FieldErrorsComeBeforeTheCoefficient) {
  std::vector<std::string> t = TypeA();
  t[static_cast<size_t>(kN)] = "1";  // n = 1: 203 at field 8
  const StairRun r = Calc(t, true, true, -1);
  EXPECT_EQ(r.lErr, kOneRiser);
  EXPECT_EQ(r.Index, kN);
}

// Every field within the float range, so the input check accepts them: Lo1 = 3e38 mm with the
// thickness rule h1 = Lo/0.5 gives h1 = 6e38 mm, beyond the float the flexure of the slab takes
// its height in. The calculation traps the overflow: 299, the inputs counted as right, and the
// report ends with the overflow message.
TEST(StairFault, OverflowInsideTheCalculationIs299) {
  std::vector<std::string> t = TypeA();
  t[static_cast<size_t>(kLo1)] = "3e38";
  t[static_cast<size_t>(kH1)] = "1/0.5";
  const StairRun r = Calc(t, false, false, 0);
  EXPECT_EQ(r.lErr, kArithmetic);
  EXPECT_TRUE(r.ok);
  EXPECT_NE(r.text.find("计算过程中出现溢出或除数为零等错误，"), std::string::npos) << r.text;
  EXPECT_EQ(r.text.find("Infinity"), std::string::npos);
}

}  // namespace
}  // namespace tk
