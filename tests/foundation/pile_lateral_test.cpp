// clsZhRh: lateral capacity of a single pile, bar texts, table 5.4.2 and the field checks.
#include "foundation/pile_lateral.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "frame/component.h"
#include "frame/input_check.h"
#include "frame/records.h"
#include "frame/registry.h"
#include "frame/variant.h"
#include "support/report_lines.h"

namespace tk {
namespace {

using test_support::Contains;

constexpr double kPi = std::numbers::pi;
const std::string kLow = "桩身配筋率ρg＜0.65%的灌注桩";
const std::string kHigh = "桩身配筋率ρg≥0.65%的灌注桩";

struct Pile {
  std::string id = "ZH1", sec = "圆形截面", type = kLow, ys = "铰接、自由";
  double C = 30, d = 800;
  std::string As = "12φ16";
  double c = 50, h = 20, m = 10, N = 1000, xoa = 10, Es = 200000;
  bool kz = true;
};

struct Out {
  std::string text;
  int32_t err = -1;
};

Out RunPile(const Pile& p) {
  clsZhRh z;
  Out o;
  z.ZhRhCal(o.text, o.err, p.id, p.sec, p.type, p.ys, p.C, p.d, p.As, p.c, p.h, p.m, p.N, p.xoa,
            p.Es, p.kz);
  return o;
}

// Bored pile d = 800, C30 (ft 1.5, Ec 30000), 12φ16, c = 50, h = 20, m = 10, N = +1000, hinged:
//   As = 2412.74 mm²; ρg = 2412.74/502654.8 = 0.00480; do = 700; αE = 6.667
//   Wo = π·0.8/32·[0.64 + 2·5.667·0.0048·0.49] = 0.052359 m³
//   An = π·0.8²/4·[1 + 5.667·0.0048] = 0.516327 m²
//   Io = 0.052359·0.4 = 0.0209436 m⁴; EI = 0.85·30000·1000·Io = 534062.21 kN·m²
//   bo = 0.9·(1.5·0.8 + 0.5) = 1.53; α = (10000·1.53/534062.21)^0.2 = 0.4914
//   αh = 9.83 > 4 → νm = 0.768, νx = 2.441
//   Rh = 0.4914·2·1500·0.052359/0.768·(1.25 + 22·0.0048)·(1 + 0.5·1000/2/1500/0.516327)
//      = 100.50·1.3556·1.32279 = 180.22 kN; RhE = 1.25·180.22 = 225.27 kN
TEST(ZhRhCal, BoredLowRatioCircularHandWorked) {
  const Out o = RunPile(Pile{});
  EXPECT_EQ(o.err, 0);
  EXPECT_EQ(o.text.rfind("ZH1 单桩水平承载力设计值 Rh：\r\n", 0), 0u);
  for (const char* l : {
           "      ρg ＝ As / (π * d ^ 2 / 4) ＝ 2412.7432/(3.1416*800^2/4) ＝ 0.480%\r\n",
           "         ＝ 0.052359 m³\r\n",
           "      EI ＝ 0.85*30000*1000*0.0209436 ＝ 534062.21 kN·m²\r\n",
           ")^(1/5) ＝ 0.4914（1/m）\r\n",
           "      查桩基规范表5.4.2得：νm ＝ 0.768\r\n",
           "      桩截面模量塑性系数 γm ＝ 2.00\r\n",
           "       ＝ 180.22 kN\r\n",
           "      桩顶竖向力影响系数 ζN ＝ 0.5 （竖向压力）\r\n",
           "    RhE ＝ 1.25 * Rh ＝ 1.25*180.22 ＝ 225.27 kN\r\n",
       })
    EXPECT_TRUE(Contains(o.text, l)) << l;
}

// Variations of the pile above (Rh = 100.50·1.3556·factor = 136.24·factor):
//   N = −1000: ζN = 1.0, factor 1 − 1000/2/1500/0.516327 = 0.354415 → 48.29 kN, no RhE
//   N = −5000: factor −2.228 → −303.53 kN, code 0 with a warning
//   N = 0 counts as compression, factor 1 → 136.24 kN
//   h = 4: αh = 1.966 < 2.4 uses the first table row
TEST(ZhRhCal, HeadForceSignAndShortPile) {
  struct Case {
    Pile p;
    std::vector<std::string> lines;
  } cases[] = {
      // clang-format off
      {{.N = -1000, .kz = false}, {"ζN ＝ 1.0 （竖向拉力）", ")*(1-1.0*1000.00/2.00/1500/0.51633)\r\n", "       ＝ 48.29 kN\r\n"}},
      {{.N = -5000}, {"       ＝ -303.53 kN\r\n        警告：Rh ≤ 0，"}},
      {{.N = 0}, {"ζN ＝ 0.5 （竖向压力）", "       ＝ 136.24 kN\r\n"}},
      {{.h = 4}, {"      桩的换算埋深 αh ＝ 0.4914*4 ＝ 1.966\r\n", "νm ＝ 0.601\r\n", "νx ＝ 3.526\r\n"}},
      // clang-format on
  };
  for (const auto& c : cases) {
    const Out o = RunPile(c.p);
    EXPECT_EQ(o.err, 0) << c.p.N;
    for (const auto& l : c.lines) EXPECT_TRUE(Contains(o.text, l)) << c.p.N << " " << l;
    EXPECT_EQ(Contains(o.text, "RhE"), c.p.kz) << c.p.N;
  }
}

// Precast square 400, C35 (ft 1.65, Ec 31500), 8Φ20, fixed head, h = 15, m = 20, χoa = 10:
//   An = 0.16 m²; ρg = 2513.27/160000 = 1.571 %; Wo = 0.4³/6 = 0.0106667 m³
//   EI = 0.85·31500·1000·0.00213333 = 57120.00 kN·m²; bo = 1.5·0.4 + 0.5 = 1.1 m
//   α = (20000·1.1/57120)^0.2 = 0.8263; αh = 12.39 → νx (fixed) = 0.940
//   Rh = 0.8263³·57120/0.940·0.010 = 342.80 kN
TEST(ZhRhCal, PrecastSquareFixedHandWorked) {
  const Out o = RunPile({.sec = "方形截面",
                         .type = "钢筋混凝土预制桩",
                         .ys = "固接",
                         .C = 35,
                         .d = 400,
                         .As = "8Φ20",
                         .c = 40,
                         .h = 15,
                         .m = 20,
                         .N = 500,
                         .kz = false});
  EXPECT_EQ(o.err, 0);
  for (const char* l : {
           "＝ 57120.00 kN·m²\r\n",
           "      ρg ＝ As / An ＝ 2513.2741/160000 ＝ 1.571%\r\n",
           "      Wo ＝ d ^ 3 / 6 ＝ 0.4^3/6 ＝ 0.010667 m³\r\n",
           "      桩截面模量塑性系数 γm ＝ 1.75\r\n",
           "      查桩基规范表5.4.2得：νx ＝ 0.940\r\n",
           "       ＝ 0.8263^3*57120.00/0.940*0.01\r\n",
           "       ＝ 342.80 kN\r\n",
       })
    EXPECT_TRUE(Contains(o.text, l)) << l;
}

// The width formula switches at d = 1 m exactly (compared in millimetres).
TEST(ZhRhCal, WidthByDiameter) {
  struct Case {
    std::string sec;
    double d;
    std::string line;
  } cases[] = {
      // clang-format off
      {"圆形截面", 1000, "当直径 d ≤ 1m 时，bo ＝ 0.9 * (1.5 * d + 0.5) ＝ 0.9*(1.5*1+0.5) ＝ 1.800 m"},
      {"圆形截面", 1001, "当直径 d ＞ 1m 时，bo ＝ 0.9 * (d + 1) ＝ 0.9*(1.001+1) ＝ 1.801 m"},
      {"方形截面", 1000, "当边宽 d ≤ 1m 时，bo ＝ 1.5 * d + 0.5 ＝ 1.5*1+0.5 ＝ 2.000 m"},
      {"方形截面", 1200, "当直径 d ＞ 1m 时，bo ＝ d + 1 ＝ 1.2+1 ＝ 2.200 m"},
      // clang-format on
  };
  for (const auto& c : cases) {
    const Out o = RunPile({.sec = c.sec, .type = kHigh, .d = c.d});
    EXPECT_EQ(o.err, 0) << c.sec << c.d;
    EXPECT_TRUE(Contains(o.text, c.line)) << c.sec << c.d << "\n" << o.text;
  }
}

TEST(CalZhRhAs, BarTexts) {
  const double a20 = kPi * 400 / 4;
  struct Case {
    std::string text;
    int32_t code;
    double as;
  } cases[] = {
      {"4φ20", 0, 4 * a20},
      {"4Φ20", 0, 4 * a20},
      {"4Ф20", 0, 4 * a20},
      {"4ф20", 0, 4 * a20},
      {"4Ø20", 0, 4 * a20},
      {"2-25", 0, 2 * kPi * 625 / 4},
      {"3 20", 0, 3 * a20},
      {"φ16", 0, kPi * 256 / 4},
      {" 6φ 18 ", 0, 6 * kPi * 324 / 4},
      {"1500", 0, 1500},
      {"0", checkcode::kNotPositive, 0},
      {"4φ", zhrh::kBarNoDiameter, 0},
      {"4φ0", zhrh::kBarNoDiameter, 0},
      {"aφ20", zhrh::kBarBadCount, 0},
      {"0φ20", zhrh::kBarBadCount, 0},
      {"abc", zhrh::kBarNotNumber, 0},
  };
  for (const auto& c : cases) {
    double as = 0;
    EXPECT_EQ(clsZhRh::CalZhRhAs(c.text, as), c.code) << c.text;
    if (c.code == 0) {
      EXPECT_NEAR(as, c.as, 1e-9) << c.text;
    }
  }
}

TEST(ZhRhCal, StopsWithCodes) {
  struct Case {
    const char* what;
    Pile p;
    int32_t code;
    std::string line;
  };
  Pile sq_rho{.sec = "方形截面", .d = 400, .As = "1040"};  // exactly 0.65 %: 1040/400²
  const Case cases[] = {
      // clang-format off
      {"circular ρg 3.2 %", {.d = 500, .As = "20φ20"}, zhrh::kRhoTooHigh, "\r\n      错误： ρg ≥ 0.65% 。\r\n"},
      {"square ρg = 0.65%", sq_rho, zhrh::kRhoTooHigh, "＝ 0.650%\r\n      错误 ρg ≥ 0.65%\r\n"},
      {"do = 0", {.type = kHigh, .d = 100}, zhrh::kCoreNotPositive, "do ＝ d - 2 * c ＝ 100-2*50 ＝ 0 mm     ≤ 0，错误\r\n"},
      {"section", {.sec = "矩形截面"}, zhrh::kBadSection, "      错误："},
      {"type", {.type = "钢管桩"}, zhrh::kBadPileType, "      错误："},
      {"restraint", {.ys = "铰接"}, zhrh::kBadRestraint, "      错误："},
      {"grade", {.C = 22}, zhrh::kBadGrade, "      错误：混凝土强度等级 C22 不在规范表中。"},
      {"bars", {.As = "4φ"}, zhrh::kBadBars, "      错误：桩身纵筋“4φ”无法识别。"},
      {"d", {.d = 0}, zhrh::kBadInput, "      错误："},
      // clang-format on
  };
  for (const auto& c : cases) {
    const Out o = RunPile(c.p);
    EXPECT_EQ(o.err, c.code) << c.what;
    EXPECT_TRUE(Contains(o.text, c.line)) << c.what << "\n" << o.text;
    EXPECT_FALSE(Contains(o.text, "Rh ＝ α")) << c.what;
  }
  sq_rho.type = kHigh;  // a high-ratio pile is not limited
  EXPECT_EQ(RunPile(sq_rho).err, 0);
}

TEST(ZhRhCal, EmptyIdentifierGivesBareTitle) {
  EXPECT_EQ(RunPile({.id = "  "}).text.rfind("单桩水平承载力设计值 Rh：\r\n  1．基本资料：\r\n", 0),
            0u);
}

TEST(ZhRhCal, LateBoundCall) {
  auto obj = Registry::Create("clsZhRh");
  auto S = [](const std::string& s) { return Variant::String(s); };
  auto D = [](double v) { return Variant::Double(v); };
  std::vector<Arg> args = {{"tText", S("")},    {"lErrNumber", Variant::Int32(-1)},
                           {"tZhBh", S("ZH1")}, {"tJmLx", S("圆形截面")},
                           {"tZhLx", S(kLow)},  {"tYs", S("铰接、自由")},
                           {"dC", D(30)},       {"dD", D(800)},
                           {"tAs", S("12φ16")}, {"dCj", D(50)},
                           {"dH", D(20)},       {"dM", D(10)},
                           {"dN", D(1000)},     {"dXoa", D(10)},
                           {"dEs", D(200000)},  {"bKz", Variant::Bool(true)}};
  Invoke(*obj, "ZhRhCal", args);
  EXPECT_EQ(args[1].value.AsDouble(), 0);
  EXPECT_TRUE(Contains(args[0].value.AsText(), "1.25*180.22 ＝ 225.27 kN"));
}

// Every field rule of the host form, with the field it stops at.
TEST(CheckZhRhErr, FieldCodesAndIndexes) {
  const std::vector<std::string> good = {"ZH1",  "圆形截面", "铰接、自由", "30", "30",
                                         "800",  "12φ16",    "50",         "20", "10",
                                         "-500", "10",       "200000"};
  struct Case {
    int field;
    std::string text;
    int32_t code;
  } cases[] = {
      {3, "", checkcode::kEmpty},         {3, "0", checkcode::kNotPositive},
      {4, "65", checkcode::kOutOfRange},  {4, "22", checkcode::kNotGrade},
      {4, "C30", checkcode::kNotNumber},  {5, "0", checkcode::kNotPositive},
      {6, "", checkcode::kEmpty},         {6, "4φ", zhrh::kBarNoDiameter},
      {6, "-3", checkcode::kNotPositive}, {7, "abc", checkcode::kNotNumber},
      {8, "-1", checkcode::kNotPositive}, {9, "0", checkcode::kNotPositive},
      {10, "x", checkcode::kNotNumber},   {10, "", checkcode::kEmpty},
      {11, "0", checkcode::kNotPositive}, {12, "0", checkcode::kNotPositive},
  };
  clsZhRh z;
  int32_t err = -1;
  int16_t index = -1;
  VBArray<bool> on;
  for (const auto& c : cases) {
    VBArray<std::string> text(0, good);
    text(c.field) = c.text;
    z.CheckZhRhErr(err, index, text, on);
    EXPECT_EQ(err, c.code) << c.field << " " << c.text;
    EXPECT_EQ(index, c.field) << c.field << " " << c.text;
  }
  // All good; a disabled bad field is skipped.
  VBArray<std::string> text(0, good);
  z.CheckZhRhErr(err, index, text, on);
  EXPECT_EQ(err, 0);
  text(7) = "abc";
  on.ReDim(0, 12);
  for (auto&& b : on.data) b = true;
  on.data[7] = false;
  z.CheckZhRhErr(err, index, text, on);
  EXPECT_EQ(err, 0);
}

}  // namespace
}  // namespace tk
