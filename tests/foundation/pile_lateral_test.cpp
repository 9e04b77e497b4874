// clsZhRh: lateral capacity of a single pile, its bar texts, table 5.4.2 and the field checks.
#include "foundation/pile_lateral.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "frame/calculator.h"

namespace tk {
namespace {

constexpr double kPi = std::numbers::pi;
const std::string kLow = "桩身配筋率ρg＜0.65%的灌注桩";
const std::string kHigh = "桩身配筋率ρg≥0.65%的灌注桩";
const std::string kPrecast = "钢筋混凝土预制桩";

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

bool Has(const std::string& text, const std::string& line) {
  return text.find(line) != std::string::npos;
}

// Bored pile, circular d = 800, C30 (ft = 1.5, Ec = 30000), 12φ16, c = 50, h = 20 m, m = 10,
// N = +1000 kN, hinged head:
//   As = 12·π·16²/4 = 2412.74 mm²; ρg = 2412.74 / (π·800²/4 = 502654.8) = 0.00480
//   do = 800 − 2·50 = 700 mm; αE = 200000/30000 = 6.667
//   Wo = π·0.8/32·[0.64 + 2·5.667·0.0048·0.49] = 0.0785398·0.666656 = 0.052359 m³
//   An = π·0.8²/4·[1 + 5.667·0.0048] = 0.502655·1.0272 = 0.516327 m²
//   Io = 0.052359·0.8/2 = 0.0209436 m⁴; EI = 0.85·30000·1000·0.0209436 = 534062.21 kN·m²
//   bo = 0.9·(1.5·0.8 + 0.5) = 1.53 m; α = (10000·1.53/534062.21)^(1/5) = 0.02864804^0.2 = 0.4914
//   αh = 0.4914·20 = 9.83 > 4 → νm = 0.768 (4.0 column), νx = 2.441
//   Rh = 0.4914·2·1500·0.052359/0.768·(1.25 + 22·0.0048)·(1 + 0.5·1000/2/1500/0.516327)
//      = 100.50·1.3556·1.32279 = 180.22 kN; RhE = 1.25·180.22 = 225.27 kN
TEST(ZhRhCal, BoredLowRatioCircularHandWorked) {
  const Out o = RunPile(Pile{});
  EXPECT_EQ(o.err, 0);
  EXPECT_EQ(o.text.rfind("ZH1 单桩水平承载力设计值 Rh：\r\n", 0), 0u);
  EXPECT_TRUE(Has(o.text, "\r\n    桩身直径 d ＝ 800 mm\r\n"));
  EXPECT_TRUE(Has(o.text, "    桩身纵筋 As ＝ 2412.74 mm²\r\n"));
  EXPECT_TRUE(
      Has(o.text, "      ρg ＝ As / (π * d ^ 2 / 4) ＝ 2412.7432/(3.1416*800^2/4) ＝ 0.480%\r\n"));
  EXPECT_TRUE(Has(o.text, "      扣除保护层的桩直径 do ＝ d - 2 * c ＝ 800-2*50 ＝ 700 mm\r\n"));
  EXPECT_TRUE(Has(o.text, "      αE ＝ Es / Ec ＝ 200000/30000 ＝ 6.667\r\n"));
  EXPECT_TRUE(Has(o.text, "         ＝ 0.052359 m³\r\n"));
  EXPECT_TRUE(Has(o.text, "         ＝ 0.51633 m²\r\n"));
  EXPECT_TRUE(Has(o.text, "      EI ＝ 0.85*30000*1000*0.0209436 ＝ 534062.21 kN·m²\r\n"));
  EXPECT_TRUE(Has(
      o.text, "当直径 d ≤ 1m 时，bo ＝ 0.9 * (1.5 * d + 0.5) ＝ 0.9*(1.5*0.8+0.5) ＝ 1.530 m\r\n"));
  EXPECT_TRUE(Has(o.text, ")^(1/5) ＝ 0.4914（1/m）\r\n"));
  EXPECT_TRUE(Has(o.text, "      查桩基规范表5.4.2得：νm ＝ 0.768\r\n"));
  EXPECT_TRUE(Has(o.text, "      桩截面模量塑性系数 γm ＝ 2.00\r\n"));
  EXPECT_TRUE(Has(o.text, "      桩顶竖向力影响系数 ζN ＝ 0.5 （竖向压力）\r\n"));
  EXPECT_TRUE(Has(o.text, "（桩基规范式 5.4.2-1）"));
  EXPECT_TRUE(Has(o.text, "       ＝ 180.22 kN\r\n"));
  EXPECT_TRUE(Has(o.text, "    RhE ＝ 1.25 * Rh ＝ 1.25*180.22 ＝ 225.27 kN\r\n"));
}

// Same pile with N = −1000 kN (tension): ζN = 1.0 and the sign turns to "−":
//   (1 − 1.0·1000/2/1500/0.516327) = 1 − 0.645585 = 0.354415; Rh = 100.50·1.3556·0.354415 = 48.29
//   kN
TEST(ZhRhCal, TensionTakesFullInfluenceAndMinus) {
  Pile p;
  p.N = -1000;
  p.kz = false;
  const Out o = RunPile(p);
  EXPECT_EQ(o.err, 0);
  EXPECT_TRUE(Has(o.text, "ζN ＝ 1.0 （竖向拉力）"));
  EXPECT_TRUE(Has(o.text, ")*(1-1.0*1000.00/2.00/1500/0.51633)\r\n"));
  EXPECT_TRUE(Has(o.text, "       ＝ 48.29 kN\r\n"));
  EXPECT_FALSE(Has(o.text, "RhE"));
}

// N = −5000 kN: 1 − 5000/2/1500/0.516327 = −2.228 → Rh = 136.24·(−2.228) = −303.53 kN: the
// calculation completes (code 0) with a warning line.
TEST(ZhRhCal, LargeTensionWarns) {
  Pile p;
  p.N = -5000;
  const Out o = RunPile(p);
  EXPECT_EQ(o.err, 0);
  EXPECT_TRUE(Has(o.text, "       ＝ -303.53 kN\r\n        警告：Rh ≤ 0，"));
}

TEST(ZhRhCal, ZeroHeadForceCountsAsCompression) {
  Pile p;
  p.N = 0;
  const Out o = RunPile(p);
  EXPECT_TRUE(Has(o.text, "ζN ＝ 0.5 （竖向压力）"));
  // (1 + 0) → Rh = 100.50·1.3556 = 136.24 kN
  EXPECT_TRUE(Has(o.text, "       ＝ 136.24 kN\r\n"));
}

// Precast square pile 400, C35 (ft 1.65, Ec 31500), 8Φ20, fixed head, h = 15, m = 20, χoa = 10:
//   An = 0.4² = 0.16 m²; ρg = 2513.27/160000 = 1.571 %; Wo = 0.4³/6 = 0.0106667 m³
//   Io = 0.0106667·0.4/2 = 0.00213333 m⁴; EI = 0.85·31500·1000·0.00213333 = 57120.00 kN·m²
//   bo = 1.5·0.4 + 0.5 = 1.1 m; α = (20000·1.1/57120)^(1/5) = 0.385154^0.2 = 0.8263
//   αh = 12.39 → νx (fixed, 4.0 column) = 0.940
//   Rh = 0.8263³·57120/0.940·0.010 = 0.564127·57120/0.94·0.01 = 342.80 kN
TEST(ZhRhCal, PrecastSquareFixedHandWorked) {
  Pile p;
  p.sec = "方形截面";
  p.type = kPrecast;
  p.ys = "固接";
  p.C = 35;
  p.d = 400;
  p.As = "8Φ20";
  p.c = 40;
  p.h = 15;
  p.m = 20;
  p.N = 500;
  p.kz = false;
  const Out o = RunPile(p);
  EXPECT_EQ(o.err, 0);
  EXPECT_TRUE(Has(o.text, "    桩身边长 d ＝ 400 mm\r\n"));
  EXPECT_TRUE(Has(o.text, "      桩身换算截面积 An ＝ d ^ 2 ＝ 0.4^2 ＝ 0.16000 m²\r\n"));
  EXPECT_TRUE(Has(o.text, "      ρg ＝ As / An ＝ 2513.2741/160000 ＝ 1.571%\r\n"));
  EXPECT_TRUE(Has(o.text, "      Wo ＝ d ^ 3 / 6 ＝ 0.4^3/6 ＝ 0.010667 m³\r\n"));
  EXPECT_TRUE(Has(o.text, "＝ 57120.00 kN·m²\r\n"));
  EXPECT_TRUE(Has(o.text, "当边宽 d ≤ 1m 时，bo ＝ 1.5 * d + 0.5 ＝ 1.5*0.4+0.5 ＝ 1.100 m\r\n"));
  EXPECT_TRUE(Has(o.text, "      桩截面模量塑性系数 γm ＝ 1.75\r\n"));
  EXPECT_TRUE(Has(o.text, "      查桩基规范表5.4.2得：νx ＝ 0.940\r\n"));
  EXPECT_TRUE(Has(o.text, "    Rh ＝ α ^ 3 * E * I / νx * χoa    （桩基规范式 5.4.2-2）\r\n"));
  EXPECT_TRUE(Has(o.text, "       ＝ 0.8263^3*57120.00/0.940*0.01\r\n"));
  EXPECT_TRUE(Has(o.text, "       ＝ 342.80 kN\r\n"));
}

// The width formula switches at d = 1 m exactly (compared in millimetres).
TEST(ZhRhCal, WidthByDiameter) {
  struct Case {
    std::string sec;
    double d;
    std::string line;
  } cases[] = {
      {"圆形截面", 1000,
       "当直径 d ≤ 1m 时，bo ＝ 0.9 * (1.5 * d + 0.5) ＝ 0.9*(1.5*1+0.5) ＝ 1.800 m"},
      {"圆形截面", 1001, "当直径 d ＞ 1m 时，bo ＝ 0.9 * (d + 1) ＝ 0.9*(1.001+1) ＝ 1.801 m"},
      {"方形截面", 1000, "当边宽 d ≤ 1m 时，bo ＝ 1.5 * d + 0.5 ＝ 1.5*1+0.5 ＝ 2.000 m"},
      {"方形截面", 1200, "当直径 d ＞ 1m 时，bo ＝ d + 1 ＝ 1.2+1 ＝ 2.200 m"},
  };
  for (const auto& c : cases) {
    Pile p;
    p.sec = c.sec;
    p.type = kHigh;
    p.d = c.d;
    const Out o = RunPile(p);
    EXPECT_EQ(o.err, 0) << c.sec << c.d;
    EXPECT_TRUE(Has(o.text, c.line)) << c.sec << c.d << "\n" << o.text;
  }
}

// JGJ 94-94 table 5.4.2 with the end rows repeated below αh = 2.4 and above 4.0.
TEST(ZhRhTable, ClampAndInterpolate) {
  struct Case {
    double ah;
    bool fixed;
    double vm, vx;
  } cases[] = {
      {0.5, false, 0.601, 3.526},  {2.4, false, 0.601, 3.526}, {2.3, true, 1.045, 1.095},
      {2.5, false, 0.620, 3.3445},  // halfway 2.4..2.6: (0.601+0.639)/2, (3.526+3.163)/2
      {3.25, true, 0.9505, 0.999},  // halfway 3.0..3.5: (0.967+0.934)/2, (1.028+0.970)/2
      {4.0, false, 0.768, 2.441},  {4.1, true, 0.926, 0.940},  {12.0, false, 0.768, 2.441},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(clsZhRh::CalZhRhNum(c.ah, c.fixed), c.vm, 1e-12) << c.ah;
    EXPECT_NEAR(clsZhRh::CalZhRhNux(c.ah, c.fixed), c.vx, 1e-12) << c.ah;
  }
}

// A short pile below αh = 2.4 uses the 2.4 row in the report: d = 800 bored, h = 4 m,
// αh = 0.4914·4 = 1.966 → νm = 0.601.
TEST(ZhRhCal, ShortPileUsesFirstRow) {
  Pile p;
  p.h = 4;
  const Out o = RunPile(p);
  EXPECT_TRUE(Has(o.text, "      桩的换算埋深 αh ＝ 0.4914*4 ＝ 1.966\r\n"));
  EXPECT_TRUE(Has(o.text, "νm ＝ 0.601\r\n"));
  EXPECT_TRUE(Has(o.text, "νx ＝ 3.526\r\n"));
}

TEST(CalZhRhAs, BarTexts) {
  struct Case {
    std::string text;
    int32_t code;
    double as;
  } cases[] = {
      {"4φ20", 0, 4 * kPi * 400 / 4},    {"4Φ20", 0, 4 * kPi * 400 / 4},
      {"4Ф20", 0, 4 * kPi * 400 / 4},    {"4ф20", 0, 4 * kPi * 400 / 4},
      {"4Ø20", 0, 4 * kPi * 400 / 4},    {"2-25", 0, 2 * kPi * 625 / 4},
      {"3 20", 0, 3 * kPi * 400 / 4},    {"φ16", 0, kPi * 256 / 4},
      {" 6φ 18 ", 0, 6 * kPi * 324 / 4}, {"1500", 0, 1500},
      {"0", checkcode::kNotPositive, 0}, {"4φ", zhrh::kBarNoDiameter, 0},
      {"4φx", zhrh::kBarNoDiameter, 0},  {"4φ0", zhrh::kBarNoDiameter, 0},
      {"aφ20", zhrh::kBarBadCount, 0},   {"0φ20", zhrh::kBarBadCount, 0},
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
  Pile circ_rho;  // 20φ20 in d = 500: ρg = 6283.19/196349.5 = 3.2 %
  circ_rho.d = 500;
  circ_rho.As = "20φ20";
  Pile sq_rho;  // exactly 0.65 %: 1040/400² = 0.0065
  sq_rho.sec = "方形截面";
  sq_rho.d = 400;
  sq_rho.As = "1040";
  Pile core;  // do = 100 − 2·50 = 0
  core.type = kHigh;
  core.d = 100;
  Pile sec, type, ys, grade, bars, dia;
  sec.sec = "矩形截面";
  type.type = "钢管桩";
  ys.ys = "铰接";
  grade.C = 22;
  bars.As = "4φ";
  dia.d = 0;
  const Case cases[] = {
      {"circular ρg", circ_rho, zhrh::kRhoTooHigh, "\r\n      错误： ρg ≥ 0.65% 。\r\n"},
      {"square ρg = 0.65%", sq_rho, zhrh::kRhoTooHigh, "＝ 0.650%\r\n      错误 ρg ≥ 0.65%\r\n"},
      {"do = 0", core, zhrh::kCoreNotPositive,
       "do ＝ d - 2 * c ＝ 100-2*50 ＝ 0 mm     ≤ 0，错误\r\n"},
      {"section", sec, zhrh::kBadSection, "      错误："},
      {"type", type, zhrh::kBadPileType, "      错误："},
      {"restraint", ys, zhrh::kBadRestraint, "      错误："},
      {"grade", grade, zhrh::kBadGrade, "      错误：混凝土强度等级 C22 不在规范表中。"},
      {"bars", bars, zhrh::kBadBars, "      错误：桩身纵筋“4φ”无法识别。"},
      {"d", dia, zhrh::kBadInput, "      错误："},
  };
  for (const auto& c : cases) {
    const Out o = RunPile(c.p);
    EXPECT_EQ(o.err, c.code) << c.what;
    EXPECT_TRUE(Has(o.text, c.line)) << c.what << "\n" << o.text;
    EXPECT_FALSE(Has(o.text, "Rh ＝ α")) << c.what;
  }
  // The same square pile as a high-ratio type is not limited.
  sq_rho.type = kHigh;
  EXPECT_EQ(RunPile(sq_rho).err, 0);
}

TEST(ZhRhCal, EmptyIdentifierGivesBareTitle) {
  Pile p;
  p.id = "  ";
  EXPECT_EQ(RunPile(p).text.rfind("单桩水平承载力设计值 Rh：\r\n  1．基本资料：\r\n", 0), 0u);
}

TEST(ZhRhCal, LateBoundCall) {
  auto obj = Registry::Create("clsZhRh");
  std::vector<Arg> args = {
      Arg("tText", Variant::String("")),    Arg("lErrNumber", Variant::Int32(-1)),
      Arg("tZhBh", Variant::String("ZH1")), Arg("tJmLx", Variant::String("圆形截面")),
      Arg("tZhLx", Variant::String(kLow)),  Arg("tYs", Variant::String("铰接、自由")),
      Arg("dC", Variant::Double(30)),       Arg("dD", Variant::Double(800)),
      Arg("tAs", Variant::String("12φ16")), Arg("dCj", Variant::Double(50)),
      Arg("dH", Variant::Double(20)),       Arg("dM", Variant::Double(10)),
      Arg("dN", Variant::Double(1000)),     Arg("dXoa", Variant::Double(10)),
      Arg("dEs", Variant::Double(200000)),  Arg("bKz", Variant::Bool(true))};
  Invoke(*obj, "ZhRhCal", args);
  EXPECT_EQ(args[1].value.AsDouble(), 0);
  EXPECT_TRUE(Has(args[0].value.AsText(), "1.25*180.22 ＝ 225.27 kN"));
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
      {6, "xφ20", zhrh::kBarBadCount},    {6, "abc", zhrh::kBarNotNumber},
      {6, "-3", checkcode::kNotPositive}, {7, "abc", checkcode::kNotNumber},
      {8, "-1", checkcode::kNotPositive}, {9, "0", checkcode::kNotPositive},
      {10, "x", checkcode::kNotNumber},   {10, "", checkcode::kEmpty},
      {11, "0", checkcode::kNotPositive}, {12, "0", checkcode::kNotPositive},
  };
  clsZhRh z;
  for (const auto& c : cases) {
    VBArray<std::string> text(0, good);
    text(c.field) = c.text;
    VBArray<bool> on;
    int32_t err = -1;
    int16_t index = -1;
    z.CheckZhRhErr(err, index, text, on);
    EXPECT_EQ(err, c.code) << c.field << " " << c.text;
    EXPECT_EQ(index, c.field) << c.field << " " << c.text;
  }
  // All good; a disabled bad field is skipped.
  VBArray<std::string> text(0, good);
  int32_t err = -1;
  int16_t index = -1;
  VBArray<bool> on;
  z.CheckZhRhErr(err, index, text, on);
  EXPECT_EQ(err, 0);
  text(7) = "abc";
  on.ReDim(0, 12);
  for (auto&& b : on.data) b = true;
  on.data[7] = false;
  z.CheckZhRhErr(err, index, text, on);
  EXPECT_EQ(err, 0);
}

TEST(ZhRhKeyPress, FiltersByField) {
  clsZhRh z;
  struct Case {
    int16_t index, key, kept;
  } cases[] = {{10, '-', '-'}, {5, '-', 0}, {5, '7', '7'}, {6, 'x', 'x'},
               {0, 'Z', 'Z'},  {9, 'a', 0}, {4, 8, 8}};
  for (const auto& c : cases) {
    int16_t k = c.key;
    z.CboB_KeyPress(c.index, k);
    EXPECT_EQ(k, c.kept) << c.index << " " << c.key;
  }
}

}  // namespace
}  // namespace tk
