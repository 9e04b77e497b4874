#include "loads/wind.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/input_check.h"
#include "frame/services.h"
#include "support/report_lines.h"

namespace tk {
namespace {

const char* const kFrame = "高层建筑（钢筋混凝土框架、框剪结构）";
const char* const kWall = "高层建筑（钢筋混凝土剪力墙结构）";
const char* const kSteel = "高层建筑（钢结构）";
const char* const kMasonry = "高层建筑（砌体结构）";
const char* const kMulti = "多层建筑";
const char* const kGlass = "玻璃幕墙";

struct WindCase {
  std::string type = kFrame;
  float wo = 0.5f, kw = 1.0f;
  int16_t czd = 2, scfs = 0;
  std::vector<float> h, B, us;
  bool auto_t1 = false;
  float T1 = 1.0f;
  int16_t n = -1;  // N when it differs from the number of storey heights
};

struct WindRun {
  int32_t code = -1;
  float T1 = 0;
  std::vector<float> wk;
  std::string report;
  bool Has(const std::string& line) const { return test_support::HasLine(report, line); }
  bool Contains(const std::string& piece) const { return report.find(piece) != std::string::npos; }
};

WindRun RunWind(const WindCase& c, std::string name = "工程") {
  clsWind w;
  WindRun r;
  std::string type = c.type;
  float wo = c.wo, kw = c.kw;
  int16_t czd = c.czd, scfs = c.scfs, n = c.n >= 0 ? c.n : static_cast<int16_t>(c.h.size());
  VBArray<float> h(1, c.h), B(1, c.B), us(1, c.us), Wk;
  bool auto_t1 = c.auto_t1;
  r.T1 = c.T1;
  w.CalWindJz(r.code, name, type, wo, kw, czd, scfs, n, h, B, us, auto_t1, r.T1, Wk, r.report);
  for (int i = 1; i <= Wk.UBound(); ++i) r.wk.push_back(Wk(i));
  return r;
}

TEST(WindTables, ClampAndInterpolate) {
  const struct {
    const char* what;
    double got, want;
  } cases[] = {
      // μz: below 5 m the 5 m value, above 400 m 3.12, linear in between
      {"muz A z=3", clsWind::CalWindMuz(1, 3), 1.17},
      {"muz B z=400", clsWind::CalWindMuz(2, 400), 3.12},
      {"muz A z=7.5", clsWind::CalWindMuz(1, 7.5), 1.275},  // 1.17 + 0.5·(1.38 − 1.17)
      {"muz C z=325", clsWind::CalWindMuz(3, 325), 2.87},   // 2.78 + 0.5·0.18
      // ξ: ωo·T1² clamped to 0.01 … 30; steel row and concrete/masonry row
      {"xi steel 0.001", clsWind::CalWindXi(true, 0.001), 1.47},
      {"xi concrete 0", clsWind::CalWindXi(false, 0), 1.11},
      {"xi steel 50", clsWind::CalWindXi(true, 50), 4.14},
      {"xi concrete 30.5", clsWind::CalWindXi(false, 30.5), 2.06},
      {"xi concrete 1.5", clsWind::CalWindXi(false, 1.5), 1.49},  // 1.44 + 0.5·0.10
      {"xi steel 2.76", clsWind::CalWindXi(true, 2.76), 2.9102},  // 2.80 + 0.38·0.29
      // υ: H clamped to 30 … 200, H/B to 0.5 … 3
      {"ups A H=20 HB=0.3", clsWind::CalWindUpsilon(1, 0.3, 20), 0.44},
      {"ups C H=250 HB=4", clsWind::CalWindUpsilon(3, 4, 250), 0.56},
      // H = 35, H/B = 1.5 (B): rows 30 → (0.49 + 0.51)/2 = 0.50, 40 → (0.49 + 0.52)/2 = 0.505
      {"ups B H=35 HB=1.5", clsWind::CalWindUpsilon(2, 1.5, 35), 0.5025},
      // H = 175, H/B = 2.5 (C): rows 150 → 0.59, 200 → 0.535; halfway 0.5625
      {"ups C H=175 HB=2.5", clsWind::CalWindUpsilon(3, 2.5, 175), 0.5625},
      // ψz: z/H ≤ 0.1 → 0.16, ≥ 1.0 → 1.00
      {"psi 0.1", clsWind::CalWindPsiz(0.1), 0.16},
      {"psi 1.0", clsWind::CalWindPsiz(1.0), 1.00},
      {"psi 0.15", clsWind::CalWindPsiz(0.15), 0.21},   // (0.16 + 0.26)/2
      {"psi 0.95", clsWind::CalWindPsiz(0.95), 0.945},  // (0.89 + 1.00)/2
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.want, 2e-6) << c.what;
}

// Multi-storey, class B, ωo = 0.5, Kw = 1, βz = 1 (0.52 and −0.23 also show that the glass
// minimum of ±1.0 is not applied here):
//   floor 1: z = 4 → μz = 0.80 (clamped at 5 m); ωk = 1·1.3·0.80·0.5 = 0.520
//   floor 2: z = 8 → μz = 0.80 + 3/5·0.20 = 0.92; ωk = 1·(−0.5)·0.92·0.5 = −0.230
//   iScFs = 3: P1 = 0.520·4·10 = 20.8 kN; P2 = (0.520 − 0.230)·4·10/2 = 5.8 kN
//   iScFs = 1: Q1 = 0.520·4 = 2.080; Q2 = (0.520 − 0.230)·4/2 = 0.580 kN/m; none for other values
TEST(Wind, MultiStoreyHasNoGustSectionAndGivesStoreyValuesByMode) {
  WindCase c;
  c.type = kMulti, c.scfs = 3;
  c.h = {4, 4}, c.B = {10, 10}, c.us = {1.3f, -0.5f};
  WindRun r = RunWind(c);
  ASSERT_EQ(r.code, 0);
  ASSERT_EQ(r.wk.size(), 2u);
  EXPECT_NEAR(r.wk[0], 0.52, 1e-6);
  EXPECT_NEAR(r.wk[1], -0.23, 1e-6);
  EXPECT_TRUE(r.Has("    对于不考虑风压脉动影响的结构，βz＝1"));
  EXPECT_FALSE(r.Contains("ξ") || r.Contains("ψz") || r.Contains("基本自振周期"));
  EXPECT_TRUE(r.Has("    第 1 层：在z＝4 m高度处，μzi＝0.800"));
  EXPECT_TRUE(r.Has("    第 2 层：在z＝8 m高度处，μzi＝0.920"));
  EXPECT_TRUE(r.Has("    第 1 层：ωki ＝ 1.000 * 1.300 * 0.800 * 0.500 ＝ 0.520 kN/m²"));
  EXPECT_TRUE(r.Has("    第 2 层：ωki ＝ 1.000 * (-0.500) * 0.920 * 0.500 ＝ -0.230 kN/m²"));
  EXPECT_TRUE(r.Has("    第 1 层：Pωki ＝ 0.520 * 4 * 10 ＝ 20.800（kN）"));
  EXPECT_TRUE(r.Has("    第 2 层：Pωki ＝ (0.520 - 0.230) * 4 * 10 / 2 ＝ 5.800（kN）"));
  EXPECT_EQ(r.report.rfind("风荷载标准值：工程\r\n  1．基本资料：\r\n", 0), 0u);

  c.scfs = 1;
  r = RunWind(c);
  EXPECT_TRUE(r.Has("    第 1 层：Qωki ＝ 0.520 * 4 ＝ 2.080（kN/m）"));
  EXPECT_TRUE(r.Has("    第 2 层：Qωki ＝ (0.520 - 0.230) * 4 / 2 ＝ 0.580（kN/m）"));
  for (int16_t mode : std::initializer_list<int16_t>{0, 2, 4}) {
    c.scfs = mode;
    r = RunWind(c);
    EXPECT_TRUE(r.Has("    各层在层高处的风荷载标准值ωk分别为：")) << mode;
    EXPECT_FALSE(r.Contains("Pωki") || r.Contains("Qωki")) << mode;
  }
}

// Glass curtain wall, class B, z ≤ 5 m (μz = 0.80), βz = 2.25, ωo = 0.4:
//   μs =  1.0 → ωk = 2.25·1.0·0.8·0.4 = 0.72  → raised to 1.0
//   μs = −0.5 → ωk = −0.36 → −1.0
//   μs =  1.5 → ωk = 1.08, kept
//   Q1 = 1.0·2 = 2.000; Q2 = (1.0 − 1.0)·1/2 = 0; Q3 = (−1.0 + 1.08)·1/2 = 0.040
TEST(Wind, GlassCurtainWallMinimumPressureAndSuction) {
  WindCase c;
  c.type = kGlass, c.wo = 0.4f, c.scfs = 1;
  c.h = {2, 1, 1}, c.B = {1.5f, 1.5f, 1.5f}, c.us = {1.0f, -0.5f, 1.5f};
  const WindRun r = RunWind(c);
  ASSERT_EQ(r.code, 0);
  ASSERT_EQ(r.wk.size(), 3u);
  EXPECT_FLOAT_EQ(r.wk[0], 1.0f);
  EXPECT_FLOAT_EQ(r.wk[1], -1.0f);
  EXPECT_NEAR(r.wk[2], 1.08, 1e-6);
  EXPECT_TRUE(
      r.Contains("\r\n    第 1 层：ωki ＝ 2.250 * 1.000 * 0.800 * 0.400 ＝ 0.720 kN/m²\r\n"
                 "    ωki < 1.0，取ωki ＝ 1.000 kN/m²\r\n"));
  EXPECT_TRUE(
      r.Contains("\r\n    第 2 层：ωki ＝ 2.250 * (-0.500) * 0.800 * 0.400 ＝ -0.360 kN/m²\r\n"
                 "    ωki > -1.0，取ωki ＝ -1.000 kN/m²\r\n"));
  EXPECT_TRUE(
      r.Contains("\r\n    第 3 层：ωki ＝ 2.250 * 1.500 * 0.800 * 0.400 ＝ 1.080 kN/m²\r\n"
                 "    第 3 层：Qωki ＝ (-1.000 + 1.080) * 1 / 2 ＝ 0.040（kN/m）\r\n"));
  EXPECT_TRUE(r.Has("    第 1 层：Qωki ＝ 1.000 * 2 ＝ 2.000（kN/m）"));
  EXPECT_TRUE(r.Has("    第 2 层：Qωki ＝ (1.000 - 1.000) * 1 / 2 ＝ 0.000（kN/m）"));
}

// Concrete frame, 10 storeys of 3 m, B = 20 m, class B, ωo = 0.5, μs = 1.3, T1 computed:
//   B̄ = 20; H = 30; T1 = 0.25 + 0.00053·30²/20^(1/3) = 0.25 + 0.477/2.714418 = 0.425728 s
//   ωo·T1² = 0.5·0.181245 = 0.090622 → ξ = 1.21 + (0.010622/0.02)·0.02 = 1.220622
//   υ: H = 30, H/B = 1.5 → (0.49 + 0.51)/2 = 0.500
//   floor 10: z = 30, μz = 1.42, ψz = 1.00, βz = 1 + 1.220622·0.5·1.00/1.42 = 1.429797,
//             ωk = 1.429797·1.3·1.42·0.5 = 1.319702
//   floor 1:  z = 3, μz = 0.80, z/H = 0.1 → ψz = 0.16, βz = 1 + 1.220622·0.5·0.16/0.8 = 1.122062,
//             ωk = 1.122062·1.3·0.8·0.5 = 0.583472
TEST(Wind, ConcreteFrameWithComputedPeriod) {
  WindCase c;
  c.type = kFrame, c.auto_t1 = true, c.T1 = 0, c.scfs = 3;
  c.us.assign(10, 1.3f), c.h.assign(10, 3.0f), c.B.assign(10, 20.0f);
  const WindRun r = RunWind(c);
  ASSERT_EQ(r.code, 0);
  EXPECT_NEAR(r.T1, 0.4257283, 1e-6);
  ASSERT_EQ(r.wk.size(), 10u);
  EXPECT_NEAR(r.wk[0], 0.583472, 2e-6);
  EXPECT_NEAR(r.wk[9], 1.319702, 2e-6);
  EXPECT_FALSE(r.Contains("基本自振周期T1＝"));
  EXPECT_TRUE(r.Has("      ＝ 20.000（m）"));
  EXPECT_TRUE(r.Has("    T1 ＝ 0.25+0.00053*30^2/20.000^(1/3) ＝ 0.426（S）"));
  EXPECT_TRUE(r.Has("    ωo * T1 ^ 2 ＝ 0.500 * 0.426 ^ 2 ＝ 0.091"));
  EXPECT_TRUE(r.Has("    ξ ＝ 1.221"));
  EXPECT_TRUE(r.Has("    第 1～10 层：H / Bi ＝ 1.50，υi ＝ 0.500；"));
  EXPECT_TRUE(r.Has("    第 1 层：相对高度 z / H ＝ 0.100，ψzi ＝ 0.160；"));
  EXPECT_TRUE(r.Has("    第 10 层：相对高度 z / H ＝ 1.000，ψzi ＝ 1.000；"));
  EXPECT_TRUE(r.Has("    第 10 层：βzi ＝ 1 + 1.221 * 0.500 * 1.000 / 1.420 ＝ 1.430；"));
  EXPECT_TRUE(r.Has("    第 10 层：ωki ＝ 1.430 * 1.300 * 1.420 * 0.500 ＝ 1.320 kN/m²"));
  // no roughness factor for class B
  EXPECT_FALSE(r.Contains("计算ωo * T1 ^ 2 时"));
}

// Shear wall, same geometry: T1 = 0.03 + 0.03·30/20^(1/3) = 0.03 + 0.9/2.714418 = 0.361563 s
TEST(Wind, ShearWallPeriodAndGivenPeriodsOfOtherTypes) {
  WindCase c;
  c.type = kWall, c.auto_t1 = true;
  c.us.assign(10, 1.3f), c.h.assign(10, 3.0f), c.B.assign(10, 20.0f);
  WindRun r = RunWind(c);
  EXPECT_NEAR(r.T1, 0.3615628, 1e-6);
  EXPECT_TRUE(r.Has("    T1 ＝ 0.03+0.03*30/20.000^(1/3) ＝ 0.362（S）"));
  // steel and masonry keep the period given even when asked to compute it
  for (const char* t : {kSteel, kMasonry}) {
    c.type = t, c.T1 = 1.25f;
    r = RunWind(c);
    EXPECT_FLOAT_EQ(r.T1, 1.25f) << t;
    EXPECT_TRUE(r.Has("    基本自振周期T1＝1.25(S)")) << t;
    EXPECT_FALSE(r.Contains("附4-1")) << t;
  }
  // a concrete frame without bAutoCalT1 uses its given period
  c.type = kFrame, c.auto_t1 = false, c.T1 = 0.8f;
  r = RunWind(c);
  EXPECT_FLOAT_EQ(r.T1, 0.8f);
  EXPECT_TRUE(r.Has("    基本自振周期T1＝0.80(S)"));
}

// ξ is entered with the basic pressure as given (Kw left out), times 1.38 (A) or 0.71 (C):
//   steel, class A, ωo = 0.5, Kw = 1.2, T1 = 2: 1.38·0.5·4 = 2.76 → ξ = 2.80 + 0.38·0.29 = 2.9102
//   masonry, same:                               ξ = 1.54 + 0.38·0.11 = 1.5818
//   steel, class C: 0.71·0.5·4 = 1.42 → ξ = 2.53 + 0.42·0.27 = 2.6434
TEST(Wind, MagnificationFactorUsesUnadjustedPressureAndRoughnessFactor) {
  WindCase c;
  c.type = kSteel, c.czd = 1, c.kw = 1.2f, c.T1 = 2.0f;
  c.h = {40}, c.B = {20}, c.us = {1.3f};
  WindRun r = RunWind(c);
  EXPECT_TRUE(r.Has("    ωo * T1 ^ 2 ＝ 1.38 * 0.500 * 2.000 ^ 2 ＝ 2.760"));
  EXPECT_TRUE(r.Has("    ξ ＝ 2.910"));
  EXPECT_TRUE(r.Has("    调整后的基本风压ωo＝0.600 kN/m²"));
  c.type = kMasonry;
  r = RunWind(c);
  EXPECT_TRUE(r.Has("    ξ ＝ 1.582"));
  c.type = kSteel, c.czd = 3;
  r = RunWind(c);
  EXPECT_TRUE(r.Has("    ωo * T1 ^ 2 ＝ 0.71 * 0.500 * 2.000 ^ 2 ＝ 1.420"));
  EXPECT_TRUE(r.Has("    ξ ＝ 2.643"));
  EXPECT_TRUE(r.Has("    地面粗糙度类别：C类（C类指有密集建筑群的大城市市区）"));
}

TEST(Wind, ConsecutiveEqualFloorsShareOneLine) {
  WindCase c;
  c.type = kSteel, c.h = {3, 3, 3, 4, 3}, c.B = {20, 20, 25, 25, 25};
  c.us = {1.3f, 1.3f, 1.3f, 1.3f, -0.7f};
  const WindRun r = RunWind(c);
  EXPECT_TRUE(r.Has("    第 1～3 层：hi＝3 m"));
  EXPECT_TRUE(r.Has("    第 5 层：hi＝3 m"));
  EXPECT_TRUE(r.Has("    第 1～2 层：Bi＝20 m"));
  EXPECT_TRUE(r.Has("    第 3～5 层：Bi＝25 m"));
  EXPECT_TRUE(r.Has("    第 1～4 层：μsi＝1.3"));
  EXPECT_TRUE(r.Has("    第 5 层：μsi＝-0.7"));
  // H = 16: H/B = 0.80 and 0.64, υ from the 30 m row (class B)
  EXPECT_TRUE(r.Has("    第 1～2 层：H / Bi ＝ 0.80，υi ＝ 0.474；"));  // 0.45 + 0.6·0.04
  EXPECT_TRUE(r.Has("    第 3～5 层：H / Bi ＝ 0.64，υi ＝ 0.461；"));  // 0.45 + 0.28·0.04
  EXPECT_TRUE(r.Has("    结构总高度H＝16 m"));
  EXPECT_TRUE(r.Has("    结构层数N＝5"));
}

TEST(Wind, InputsThatLeaveNothingToComputeGiveTheirCodes) {
  WindCase c;
  c.h = {3}, c.B = {10}, c.us = {1.3f};
  WindCase bad = c;
  bad.h.clear();
  WindRun r = RunWind(bad);
  EXPECT_EQ(r.code, wind::kNoFloors);
  EXPECT_TRUE(r.Contains("      错误："));
  for (int16_t czd : std::initializer_list<int16_t>{0, 4}) {
    bad = c;
    bad.czd = czd;
    EXPECT_EQ(RunWind(bad).code, wind::kBadRoughness) << czd;
  }
  bad = c;
  bad.type = "高层建筑";
  EXPECT_EQ(RunWind(bad).code, wind::kBadStructure);
  // an overflowing pressure: arithmetic fault, report kept as far as written, no infinity printed
  bad = c;
  bad.wo = 3e38f;
  r = RunWind(bad);
  EXPECT_EQ(r.code, wind::kFault);
  EXPECT_TRUE(r.Contains("计算过程中出现溢出或除数为零等错误，"));
  EXPECT_FALSE(r.Contains("Infinity"));
}

TEST(Wind, NonPhysicalInputsAreRefusedBeforeTheReport) {
  WindCase c;
  c.h = {3, 3}, c.B = {10, 10}, c.us = {1.3f, 1.3f};
  struct Case {
    const char* what;
    void (*set)(WindCase&);
    int32_t code;
    const char* line;
  } cases[] = {
      {"ωo < 0", [](WindCase& w) { w.wo = -0.55f; }, wind::kBadPressure,
       "基本风压ωo ＝ -0.55、基本风压调整系数Kw ＝ 1，均应大于0。"},
      {"Kw = 0", [](WindCase& w) { w.kw = 0; }, wind::kBadPressure,
       "基本风压ωo ＝ 0.5、基本风压调整系数Kw ＝ 0，均应大于0。"},
      {"N = 3, two heights", [](WindCase& w) { w.n = 3; }, wind::kShortArrays,
       "结构层数N ＝ 3，各层层高h应给出第 1～3 层的数值（现有 2 个）。"},
      {"one width", [](WindCase& w) { w.B = {10}; }, wind::kShortArrays,
       "结构层数N ＝ 2，各层宽度B应给出第 1～2 层的数值（现有 1 个）。"},
      {"no μs", [](WindCase& w) { w.us.clear(); }, wind::kShortArrays,
       "结构层数N ＝ 2，各层体型系数μs应给出第 1～2 层的数值（现有 0 个）。"},
      {"zero width",
       [](WindCase& w) {
         w.B = {10, 0};
       },
       wind::kBadStorey, "第 2 层：层高h ＝ 3、宽度B ＝ 0，均应大于0。"},
      {"negative height",
       [](WindCase& w) {
         w.h = {-3, 3};
       },
       wind::kBadStorey, "第 1 层：层高h ＝ -3、宽度B ＝ 10，均应大于0。"},
      {"given T1 = 0", [](WindCase& w) { w.T1 = 0; }, wind::kBadPeriod,
       "基本自振周期T1 ＝ 0，应大于0。"},
  };
  for (const auto& k : cases) {
    WindCase w = c;
    k.set(w);
    const WindRun r = RunWind(w);
    EXPECT_EQ(r.code, k.code) << k.what;
    EXPECT_TRUE(r.Has(std::string("      错误：") + k.line)) << k.what << "\n" << r.report;
    EXPECT_FALSE(r.Contains("风荷载计算")) << k.what;
    EXPECT_TRUE(r.wk.empty()) << k.what;
  }
  // T1 is computed for a concrete frame when asked: the given one is not checked
  WindCase w = c;
  w.T1 = 0, w.auto_t1 = true;
  EXPECT_EQ(RunWind(w).code, 0);
  // a multi-storey building uses no period at all
  w = c;
  w.T1 = 0, w.type = kMulti;
  EXPECT_EQ(RunWind(w).code, 0);
}

TEST(Wind, CheckBeamPjErrUsesTheRuleOfEachField) {
  clsWind w;
  VBArray<bool> all, on(0, {true, true, true, true, true, true, true, false, true});
  // fields 0 and 8 are not numbers
  auto check = [&](int16_t field, const char* text, const VBArray<bool>& use, int16_t from,
                   int16_t to) {
    std::vector<std::string> t = {"abc", "0.55", "1.1", "3", "3.3", "30", "-0.5", "1.2", "工程"};
    if (field >= 0) t[field] = text;
    VBArray<std::string> texts(0, t);
    VBArray<bool> u = use;
    int32_t code = -1;
    int16_t index = -1;
    w.CheckBeamPjErr(code, index, texts, u, from, to);
    return std::pair{code, index};
  };
  const struct {
    int16_t index;
    const char* text;
    int32_t code;
  } bad[] = {{1, "0", checkcode::kNotPositive},
             {2, "-1", checkcode::kNotPositive},
             {3, "1.5", checkcode::kNotWholePositive},
             {4, "abc", checkcode::kNotNumber},
             {5, "", checkcode::kEmpty},
             {5, "-2", checkcode::kNotPositive},
             {6, "0", checkcode::kZero},
             {7, "0", checkcode::kNotPositive}};
  for (const auto& b : bad)
    EXPECT_EQ(check(b.index, b.text, all, 0, 8), std::pair(b.code, b.index)) << b.text;
  EXPECT_EQ(check(-1, "", all, 0, 8), std::pair(0, int16_t{-1}));
  // a field outside iStart..iEnd or switched off is skipped
  EXPECT_EQ(check(7, "0", all, 0, 6).first, 0);
  EXPECT_EQ(check(7, "0", on, 0, 8).first, 0);
  EXPECT_EQ(check(7, "0", all, 4, 8), std::pair(checkcode::kNotPositive, int16_t{7}));
}

TEST(Wind, FloorListLinesRoundTrip) {
  clsWind w;
  EXPECT_EQ(w.tFormatLstB(12, 1, 4.5f, 36.25f, -0.5f), "  12|     1|  4.500| 36.250| -0.50|");
  // wider than the column: kept whole
  EXPECT_EQ(w.tFormatLstB(12345, 1, 1234.5f, 1, 1), "12345|     1|1234.500|  1.000|  1.00|");
  int32_t ch = 0, cbz = 0;
  float h = 0, B = 0, us = 0;
  w.ReadTextFormLstB("  12|     1|  4.500| 36.250| -0.50|", ch, cbz, h, B, us);
  EXPECT_TRUE(ch == 12 && cbz == 1 && h == 4.5f && B == 36.25f && us == -0.5f);
  // a short or broken line reads what it has and zero for the rest
  w.ReadTextFormLstB("  7|abc", ch, cbz, h, B, us);
  EXPECT_EQ(ch, 7);
  EXPECT_EQ(cbz, 0);
  EXPECT_EQ(us, 0);
  // equal lines: every one of the five fields agrees (column padding aside)
  const char* base = "   1|     2|  3.300| 30.000|  1.30|";
  EXPECT_TRUE(w.bLstBListEq(base, "1|2|3.3|30|1.3|"));
  for (const char* other :
       {"   5|     2|  3.300| 30.000|  1.30|", "   1|     1|  3.300| 30.000|  1.30|",
        "   1|     2|  3.600| 30.000|  1.30|", "   1|     2|  3.300| 30.000| -1.30|"})
    EXPECT_FALSE(w.bLstBListEq(base, other)) << other;
}

TEST(Wind, KeyFilterByField) {
  clsWind w;
  const struct {
    int16_t index;
    char key;
    bool kept;
  } keys[] = {{1, '5', true}, {1, '-', false}, {1, 'a', false}, {3, '.', false}, {3, '7', true},
              {6, '-', true}, {6, '.', true},  {7, 'x', false}, {8, 'x', true},  {0, 'x', true}};
  for (const auto& k : keys) {
    int16_t key = k.key;
    w.CboB_KeyPress(k.index, key);
    EXPECT_EQ(key, k.kept ? k.key : 0) << k.index << " " << k.key;
  }
  int16_t backspace = 8;
  w.CboB_KeyPress(3, backspace);
  EXPECT_EQ(backspace, 8);
}

}  // namespace
}  // namespace tk
