// clsMoment flexure: MuAsCommon and CalMu_As against hand-worked sections.
#include "section/flexure.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "frame/component.h"
#include "frame/variant.h"
#include "support/report_lines.h"

namespace tk {
namespace {

using test_support::ReportLines;

constexpr float kUnset = -777.0f;  // an output that must not be written

struct FlexOut {
  int32_t err = -1;
  double Mu = 0, As = 0;
  float Kc = kUnset, P = kUnset, Kcb = kUnset;
  std::string msg = "stale";
};

FlexOut RunMuAs(int16_t iK, int16_t pos, double Mu, double As, float fy, float fcm, float b,
                float h, float as) {
  clsMoment m;
  FlexOut o;
  o.Mu = Mu, o.As = As;
  m.MuAsCommon(o.err, iK, pos, o.Mu, o.As, fy, fcm, b, h, as, o.Kc, o.P, o.Kcb, &o.msg);
  return o;
}

// xi_b for grade II steel: Es = 200000, xi_b = 0.8 / (1 + 310 / (0.0033*200000)) = 0.8 / (1 +
// 310/660) = 528/970 = 0.544330.
constexpr double kXiB310 = 0.5443299;

struct AreaCase {
  const char* name;
  int16_t pos;
  double Mu;
  float b, h, as;
  int32_t err;
  double x, As, xi, rho;
  float kcb;
};
// CTest lists a parameterised case by its name rather than by its bytes.
void PrintTo(const AreaCase& c, std::ostream* os) {
  *os << c.name;
}

// fy = 310, fcm = 11 (C20) throughout.
const AreaCase kAreaCases[] = {
    // ho = 465; D = 465^2 - 2*150e6/11/200 = 216225 - 136363.64 = 79861.36; sqrt = 282.5975;
    // x = 182.4025; As = 200*182.4025*11/310 = 1294.47; xi = 0.39226; rho = 1294.47/200/465 =
    // 0.013919.
    {"ordinary", 5, 150, 200, 500, 35, 0, 182.4025, 1294.469, 0.392263, 0.0139190, 0.5443299f},
    // gamma_RE 0.75: D = 216225 - 0.75*136363.64 = 113952.27; sqrt = 337.5682; x = 127.4318;
    // As = 200*127.4318*11/310 = 904.355; xi = 0.274047; limit stays xi_b.
    {"grade4 uses 0.75 and xi_b", 4, 150, 200, 500, 35, 0, 127.4318, 904.3549, 0.274047, 0.00972425,
     0.5443299f},
    // Same numbers, grade 2/3 limit 0.35 not exceeded.
    {"grade3 under 0.35", 3, 150, 200, 500, 35, 0, 127.4318, 904.3549, 0.274047, 0.00972425, 0.35f},
    // ho = 560; D = 560^2 - 2*260e6*0.75/11/250 = 313600 - 141818.18 = 171781.82; sqrt = 414.4657;
    // x = 145.5343; xi = 0.259883 > 0.25; As = 250*145.5343*11/310 = 1291.030.
    {"grade1 over 0.25", 1, 260, 250, 600, 40, 100110, 145.5343, 1291.030, 0.259883, 0.00922164,
     0.25f},
    // D = 216225 - 2*200e6/2200 = 34406.82; sqrt = 185.4907; x = 279.5093; xi = 0.601095 > xi_b:
    // sigma_s = 310*(0.601095-0.8)/(0.544330-0.8) = 241.172; As = 200*279.5093*11/241.172 =
    // 2549.716.
    {"over-reinforced", 5, 200, 200, 500, 35, 100112, 279.5093, 2549.716, 0.601095, 0.0274163,
     0.5443299f},
    // grade 2, same section: xi = 0.601095 > 0.35 (also > xi_b, the grade limit is the one
    // reported).
    // D = 216225 - 0.75*181818.18 = 79861.36 as in the first case: x = 182.4025, As = 1294.47.
    {"grade2 over 0.35", 2, 200, 200, 500, 35, 100111, 182.4025, 1294.469, 0.392263, 0.0139190,
     0.35f},
    // Mu = 0: D = ho^2, x = 0, As = 0.
    {"zero moment", 5, 0, 200, 500, 35, 0, 0, 0, 0, 0, 0.5443299f},
};

class AreaFromMoment : public testing::TestWithParam<AreaCase> {};

TEST_P(AreaFromMoment, MatchesHandCalculation) {
  const AreaCase& c = GetParam();
  FlexOut o = RunMuAs(1, c.pos, c.Mu, 12345, 310, 11, c.b, c.h, c.as);
  EXPECT_EQ(o.err, c.err);
  EXPECT_DOUBLE_EQ(o.Mu, c.Mu * 1e6);  // moment handed back in N*mm
  EXPECT_NEAR(o.As, c.As, 0.01);
  EXPECT_NEAR(o.Kc, c.xi, 2e-6);
  EXPECT_NEAR(o.P, c.rho, 1e-7);
  EXPECT_NEAR(o.Kcb, c.kcb, 1e-6);
  if (c.err == 0) {
    EXPECT_EQ(o.msg, "");
  }
}

template <class Info>
std::string CaseName(const Info& i) {
  std::string n = i.param.name;
  for (char& ch : n)
    if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return n;
}

INSTANTIATE_TEST_SUITE_P(Flexure, AreaFromMoment, testing::ValuesIn(kAreaCases),
                         CaseName<testing::TestParamInfo<AreaCase>>);

struct MomentCase {
  const char* name;
  int16_t pos;
  double As;
  int32_t err;
  double Mu, xi, rho;
  float kcb;
};
// CTest lists a parameterised case by its name rather than by its bytes.
void PrintTo(const MomentCase& c, std::ostream* os) {
  *os << c.name;
}

// fy = 310, fcm = 11, b = 200, h = 500, as = 35 (ho = 465).
const MomentCase kMomentCases[] = {
    // x = 1000*310/200/11 = 140.9091; xi = 0.303030; M = 310000*(465 - 70.4545) = 122.3091e6.
    {"ordinary", 5, 1000, 0, 122.30909, 0.3030303, 0.010752688, 0.5443299f},
    // Seismic grade 4: M / 0.75 = 163.07879.
    {"grade4 divides by 0.75", 4, 1000, 0, 163.07879, 0.3030303, 0.010752688, 0.5443299f},
    // x = 4000*310/2200 = 563.64 > xi_b*ho: k = 1.24e6/(0.544330-0.8) = -4849911;
    // x = 0.8*k/(k - 11*200*465)*465 = 0.8*4849911/5872911*465 = 307.2025; xi = 0.660650;
    // M = (465^2 - 157.7975^2)*2200/2/0.75 = 280.6099e6.
    {"recomputed depth grade2", 2, 4000, 100111, 280.60990, 0.6606504, 0.043010753, 0.35f},
    {"recomputed depth ordinary", 5, 4000, 100112, 210.45743, 0.6606504, 0.043010753, 0.5443299f},
    // A huge area: the recomputed xi tends to 0.8 and never reaches ho (no 100109):
    // x = 0.8*|k|/(|k| + 1023000)*465 -> 371.9997; M = (465^2 - 93.0003^2)*1100/1e6 = 228.3335.
    {"huge area stays below 0.8", 5, 1e9, 100112, 228.33354, 0.7999993, 10752.688, 0.5443299f},
    {"zero area", 5, 0, 0, 0, 0, 0, 0.5443299f},
};

class MomentFromArea : public testing::TestWithParam<MomentCase> {};

TEST_P(MomentFromArea, MatchesHandCalculation) {
  const MomentCase& c = GetParam();
  FlexOut o = RunMuAs(2, c.pos, 0, c.As, 310, 11, 200, 500, 35);
  EXPECT_EQ(o.err, c.err);
  EXPECT_NEAR(o.Mu, c.Mu, 1e-4);  // kN*m
  EXPECT_DOUBLE_EQ(o.As, c.As);
  EXPECT_NEAR(o.Kc, c.xi, 2e-6);
  EXPECT_NEAR(o.P, c.rho, c.rho * 1e-6);
  EXPECT_NEAR(o.Kcb, c.kcb, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Flexure, MomentFromArea, testing::ValuesIn(kMomentCases),
                         CaseName<testing::TestParamInfo<MomentCase>>);

TEST(Flexure, BalancedDepthOfGradeISteel) {
  // Es = 210000: xi_b = 0.8/(1 + 210/693) = 0.613953.
  FlexOut o = RunMuAs(1, 5, 10, 0, 210, 11, 200, 500, 35);
  EXPECT_NEAR(o.Kcb, 0.6139535, 1e-6);
}

TEST(Flexure, WarningMessagesCarryXiAndLimit) {
  EXPECT_EQ(RunMuAs(1, 1, 260, 0, 310, 11, 250, 600, 40).msg,
            "相对受压区高度ξ ＝ 0.260 ＞ ξb ＝ 0.250");
  EXPECT_EQ(RunMuAs(1, 2, 200, 0, 310, 11, 200, 500, 35).msg,
            "相对受压区高度ξ ＝ 0.392 ＞ ξb ＝ 0.350");
  EXPECT_EQ(RunMuAs(1, 5, 200, 0, 310, 11, 200, 500, 35).msg,
            "相对受压区高度ξ ＝ 0.601 ＞ ξb ＝ 0.544");
}

struct StopCase {
  int16_t iK, pos;
  double Mu, As;
  float fy, fcm, b, h, as;
  int32_t err;
  const char* msg;
};

const StopCase kStops[] = {
    {1, 5, -5, 0, 310, 11, 200, 500, 35, 100101, "弯矩Mu ＝ -5 ＜0"},
    {2, 5, 0, -1.5, 310, 11, 200, 500, 35, 100102, "配筋面积As ＝ -1.5 ＜0"},
    {1, 5, 10, 0, 0, 11, 200, 500, 35, 100103, "钢筋抗拉强度设计值fy ＝ 0 ≤0"},
    {1, 5, 10, 0, 310, -11, 200, 500, 35, 100104, "砼弯曲抗压强度设计值fcm ＝ -11 ≤0"},
    {1, 5, 10, 0, 310, 11, 0, 500, 35, 100105, "截面宽度b ＝ 0 ≤0"},
    {1, 5, 10, 0, 310, 11, 200, -500, 35, 100106, "截面高度h ＝ -500 ≤0"},
    {1, 5, 10, 0, 310, 11, 200, 500, 0, 100107, "纵筋合力点至近边距离as ＝ 0 ≤0"},
    {1, 5, 10, 0, 310, 11, 200, 500, 500, 100108, "纵筋合力点至近边距离as ＝ 500 ≥截面高度h"},
    {3, 5, 10, 0, 310, 11, 200, 500, 35, 100113,
     "计算方向iK ＝ 3 应为1（由Mu求As）或2（由As求Mu）"},
    {1, 0, 10, 0, 310, 11, 200, 500, 35, 100114, "计算截面位置iSecPos ＝ 0 应为1～5"},
    {1, 6, 10, 0, 310, 11, 200, 500, 35, 100114, "计算截面位置iSecPos ＝ 6 应为1～5"},
    // Checked in order: a negative Mu is reported before a zero width.
    {1, 5, -1, 0, 310, 11, 0, 500, 35, 100101, "弯矩Mu ＝ -1 ＜0"},
};

TEST(Flexure, InputErrorsStopBeforeAnyOutput) {
  for (const StopCase& c : kStops) {
    SCOPED_TRACE(c.msg);
    FlexOut o = RunMuAs(c.iK, c.pos, c.Mu, c.As, c.fy, c.fcm, c.b, c.h, c.as);
    EXPECT_EQ(o.err, c.err);
    EXPECT_EQ(o.msg, c.msg);
    EXPECT_EQ(o.Mu, c.Mu);
    EXPECT_EQ(o.As, c.As);
    EXPECT_EQ(o.Kc, kUnset);
    EXPECT_EQ(o.P, kUnset);
    EXPECT_EQ(o.Kcb, kUnset);
  }
}

TEST(Flexure, MomentBeyondSectionStopsWith100109) {
  // Largest moment of the ordinary section: 465^2*11*200/2 = 237.85 kN*m; 240 has no depth.
  FlexOut o = RunMuAs(1, 5, 240, 12345, 310, 11, 200, 500, 35);
  EXPECT_EQ(o.err, 100109);
  EXPECT_EQ(o.msg, "受压区高度x ≥截面有效高度ho");
  EXPECT_DOUBLE_EQ(o.Mu, 240e6);
  EXPECT_EQ(o.As, 12345);  // no area
  EXPECT_NEAR(o.Kcb, kXiB310, 1e-6);
  EXPECT_EQ(o.Kc, kUnset);
  // The seismic factor raises the bound to 237.85/0.75 = 317.13 kN*m: at 300 kN*m
  // D = 216225 - 0.75*272727.27 = 11679.55, x = 465 - 108.07 = 356.93, xi = 0.7676 > xi_b.
  EXPECT_EQ(RunMuAs(1, 4, 300, 0, 310, 11, 200, 500, 35).err, 100112);
  EXPECT_EQ(RunMuAs(1, 4, 320, 0, 310, 11, 200, 500, 35).err, 100109);
}

TEST(Flexure, ArithmeticFaultsKeepOutputsAsFarAsWritten) {
  // fy = 2310 puts Es = 210000 - 100*(2310-210) = 0: xi_b divides by zero before any output.
  FlexOut o = RunMuAs(1, 5, 10, 0, 2310, 11, 200, 500, 35);
  EXPECT_EQ(o.err, 100199);
  EXPECT_EQ(o.msg, "溢出，或不可知的错误");
  EXPECT_EQ(o.Kcb, kUnset);
  // An area of 1e300 mm2 gives a ratio beyond the single range: xi is written, rho is not.
  o = RunMuAs(2, 5, 0, 1e300, 310, 11, 200, 500, 35);
  EXPECT_EQ(o.err, 100199);
  EXPECT_NEAR(o.Kc, 0.8, 1e-6);
  EXPECT_EQ(o.P, kUnset);
}

TEST(Flexure, LateBoundCallWritesBackByReference) {
  clsMoment m;
  std::vector<Arg> args = {{"lErrNumber", Variant::Int32(-1)}, {"iK", Variant::Int16(1)},
                           {"iSecPos", Variant::Int16(5)},     {"dMu", Variant::Double(150)},
                           {"dAs", Variant::Double(0)},        {"sFy", Variant::Single(310)},
                           {"sFcm", Variant::Single(11)},      {"sB", Variant::Single(200)},
                           {"sH", Variant::Single(500)},       {"sCas", Variant::Single(35)},
                           {"sKc", Variant::Single(0)},        {"sP", Variant::Single(0)},
                           {"sKcb", Variant::Single(0)}};
  Invoke(m, "MuAsCommon", args);
  EXPECT_EQ(args[0].value.AsDouble(), 0);
  EXPECT_DOUBLE_EQ(args[3].value.AsDouble(), 150e6);
  EXPECT_NEAR(args[4].value.AsDouble(), 1294.469, 0.01);
}

// ---- CalMu_As ----

struct CalOut {
  int32_t err = -1;
  double Mu = 0, As = 0;
  float Kc = kUnset, P = kUnset, Pmin = 0, Kcb = kUnset;
  std::string text;
};

CalOut RunCal(int16_t iK, int16_t pos, double Mu, double As, const std::string& fy, int16_t iFcm,
              float fcm, float b, float h, float as, float pmin,
              const std::string& label = " KL1 ") {
  clsMoment m;
  CalOut o;
  o.Mu = Mu, o.As = As, o.Pmin = pmin, o.text = label;
  std::string tFy = fy;
  m.CalMu_As(o.err, iK, pos, o.Mu, o.As, tFy, iFcm, fcm, b, h, as, o.Kc, o.P, o.Pmin, o.Kcb,
             o.text);
  return o;
}

TEST(CalMuAs, ReportLinesCarryTheNumbers) {
  CalOut o = RunCal(1, 5, 150, 0, "Ⅱ级", 0, 20, 200, 500, 35, 0);
  EXPECT_EQ(o.err, 0);
  EXPECT_NEAR(o.As, 1294.469, 0.01);
  auto l = ReportLines(o.text);
  ASSERT_EQ(l.size(), 14u);
  EXPECT_EQ(l[0], "弯矩 KL1计算结果");
  EXPECT_EQ(l[4], "    砼强度等级： C20    砼弯曲抗压强度设计值fcm＝11.00 N/mm²");
  EXPECT_EQ(l[9], "                ＝ 465-(465^2-2*150000000/11.0/200)^0.5");
  EXPECT_EQ(l[11], "    As ＝ B * x * fcm / fy ＝ 200*182.4*11.0/310 ＝ 1294.47 mm²");
  EXPECT_EQ(l[13], "    配筋率ρ ＝ As / B / Ho ＝ 1294.47/200/465 ＝ 1.39%");
  // Direction 2, depth beyond ξb·ho recomputed, grade-2 warning.
  o = RunCal(2, 2, 0, 4000, "310", 1, 11, 200, 500, 35, 0);
  EXPECT_EQ(o.err, 100111);
  l = ReportLines(o.text);
  ASSERT_EQ(l.size(), 20u);
  EXPECT_EQ(l[3], "    计算截面位置：二、三级框架梁端");
  EXPECT_EQ(l[10], "                ＝ 563.64 mm ＞ ξb * Ho，需重新计算受压区高度x");
  EXPECT_EQ(l[12], "      ＝ 0.8*310*4000/(0.544-0.8)/[310*4000/(0.544-0.8)-11.0*200*465]*465");
  EXPECT_EQ(l[15], "                 ＝ 11.0*200*307.2*(465-307.2/2)/0.75");
  EXPECT_EQ(l[16], "                 ＝ 280.61 kN·m");
  EXPECT_EQ(l[18], "        警告：相对受压区高度ξ ＞ 0.35，请复核截面尺寸、材料强度及荷载数据。");
}

TEST(CalMuAs, ReportOverReinforcedAndGradeLines) {
  CalOut o = RunCal(1, 5, 200, 0, "Ⅱ级", 0, 20, 200, 500, 35, 0);
  EXPECT_EQ(o.err, 100112);
  auto l = ReportLines(o.text);
  ASSERT_EQ(l.size(), 17u);
  EXPECT_EQ(l[10], "                ＝ 279.51 mm ＞ ξb * Ho");
  EXPECT_EQ(l[12], "       ＝ 310*(279.51/465-0.8)/(0.544-0.8) ＝ 241.17 N/mm²");
  EXPECT_EQ(l[13], "    As ＝ B * x * fcm / σs ＝ 200*279.51*11.0/241.17 ＝ 2549.72 mm²");
  EXPECT_EQ(l[15], "        警告：相对受压区高度ξ ＞ 0.544，请复核截面尺寸、材料强度及荷载数据。");
  // Seismic direction 1: the gamma_RE formula and its substitution, the grade-1 warning line.
  l = ReportLines(RunCal(1, 1, 260, 0, "Ⅱ级", 1, 11, 250, 600, 40, 0).text);
  EXPECT_EQ(l[3], "    计算截面位置：一级框架梁端");
  EXPECT_EQ(l[10], "                ＝ 560-(560^2-2*260000000*0.75/11.0/250)^0.5");
  EXPECT_EQ(l[14], "        警告：相对受压区高度ξ ＞ 0.25，请复核截面尺寸、材料强度及荷载数据。");
  EXPECT_EQ(ReportLines(RunCal(1, 4, 10, 0, "Ⅱ级", 0, 20, 200, 500, 35, 0).text)[3],
            "    计算截面位置：四级框架梁端");
  // Direction 2 ordinary: the moment lines without gamma_RE.
  l = ReportLines(RunCal(2, 5, 0, 1000, "310", 0, 20, 200, 500, 35, 0).text);
  EXPECT_EQ(l[9], "                ＝ 140.91 mm ≤ ξb * Ho");
  EXPECT_EQ(l[11], "                 ＝ 11.0*200*140.91*(465-140.91/2)");
  EXPECT_EQ(l[12], "                 ＝ 122.31 kN·m");
}

struct MinRatioCase {
  const char* grade_text;
  int16_t iFcm;
  float fcm;
  float pmin_in;
  double As_in;  // direction 2
  float pmin_out;
  const char* min_line;  // nullptr when As >= AsMin
};

// b = 200, h = 500: AsMin = 100000*rho_min.
const MinRatioCase kMinRatio[] = {
    // C35 has fcm = 19 exactly: code minimum 0.15 %, AsMin = 150 > 100.
    {"C35 grade", 0, 35, 0, 100, 0.0015f,
     "    最小配筋率ρmin ＝ 0.15%    AsMin ＝ B * H * ρmin ＝ 150 mm²"},
    // Above 19 the code minimum is 0.2 %.
    {"fcm 21.5", 1, 21.5f, 0, 100, 0.002f,
     "    最小配筋率ρmin ＝ 0.20%    AsMin ＝ B * H * ρmin ＝ 200 mm²"},
    // A user minimum of 0.3 % governs: AsMin = 300.
    {"user 0.3", 1, 11, 0.3f, 100, 0.003f,
     "    最小配筋率ρmin ＝ 0.30%    AsMin ＝ B * H * ρmin ＝ 300 mm²"},
    // A user minimum below the code minimum changes nothing; As = 160 >= 150: no line.
    {"user 0.1 no effect", 1, 11, 0.1f, 160, 0.0015f, nullptr},
};

TEST(CalMuAs, MinimumRatio) {
  for (const auto& c : kMinRatio) {
    SCOPED_TRACE(c.grade_text);
    CalOut o = RunCal(2, 5, 0, c.As_in, "310", c.iFcm, c.fcm, 200, 500, 35, c.pmin_in);
    EXPECT_EQ(o.err, 0);
    EXPECT_NEAR(o.Pmin, c.pmin_out, 1e-9);
    auto l = ReportLines(o.text);
    if (c.min_line)
      EXPECT_EQ(l.back(), c.min_line);
    else
      EXPECT_EQ(l.back().rfind("    配筋率ρ", 0), 0u);
  }
}

TEST(CalMuAs, InputErrorsLeaveReportUntouched) {
  // Unknown steel grade reads as fy 0; a concrete grade outside the table as fcm 0.
  CalOut o = RunCal(1, 5, 150, 0, "Ⅲ级", 0, 20, 200, 500, 35, 0, "KL9");
  EXPECT_EQ(o.err, 100103);
  EXPECT_EQ(o.text, "KL9");
  o = RunCal(1, 5, 150, 0, "Ⅱ级", 0, 22, 200, 500, 35, 0, "KL9");
  EXPECT_EQ(o.err, 100104);
  EXPECT_EQ(o.text, "KL9");
  o = RunCal(1, 5, 150, 0, "Ⅱ级", 0, 20, 200, 500, 500, 0, "KL9");
  EXPECT_EQ(o.err, 100108);
  EXPECT_EQ(o.text, "KL9");
  o = RunCal(1, 9, 150, 0, "Ⅱ级", 0, 20, 200, 500, 35, 0, "KL9");
  EXPECT_EQ(o.err, 100114);
  EXPECT_EQ(o.text, "KL9");
}

TEST(CalMuAs, NoDepthEndsReportAfterResultsHeading) {
  CalOut o = RunCal(1, 5, 240, 0, "Ⅱ级", 0, 20, 200, 500, 35, 0, "");
  EXPECT_EQ(o.err, 100109);
  auto l = ReportLines(o.text);
  EXPECT_EQ(l.front(), "弯矩 计算结果");  // empty label
  EXPECT_EQ(l.back(), "  2．计算结果：");
  EXPECT_DOUBLE_EQ(o.Mu, 240e6);
  EXPECT_EQ(o.Pmin, 0);  // the minimum-ratio step is not reached
}

TEST(CalMuAs, ArithmeticFaultKeepsReportSoFar) {
  CalOut o = RunCal(1, 5, 150, 0, "2310", 0, 20, 200, 500, 35, 0);
  EXPECT_EQ(o.err, 100199);
  auto l = ReportLines(o.text);
  EXPECT_EQ(l[l.size() - 2], "  2．计算结果：");
  EXPECT_EQ(l.back(), "      错误：溢出，或不可知的错误");
}

}  // namespace
}  // namespace tk
