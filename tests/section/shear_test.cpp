// clsMoment shear: VAsCommon and CalV_As against hand-worked sections.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "section/flexure.h"
#include "support/report_lines.h"

namespace tk {
namespace {

using test_support::HasLine;
using test_support::ReportLines;

constexpr float kUnset = -777.0f;

struct ShearOut {
  int32_t err = -1;
  double V = 0, Asv = 0;
  float AsMin = kUnset, K = kUnset, Kcal = kUnset, Dmin = kUnset, Smax = kUnset;
};

ShearOut RunV(int16_t iK, int16_t pos, double V, double Asv, float fyv, float fc, float b, float h,
              float as, float s) {
  clsMoment m;
  ShearOut o;
  o.V = V, o.Asv = Asv;
  m.VAsCommon(o.err, iK, pos, o.V, o.Asv, fyv, fc, b, h, as, s, o.AsMin, o.K, o.Kcal, o.Dmin,
              o.Smax);
  return o;
}

// pi of the stirrup area is the single 3.1415927 (3.14159274...).
constexpr double kPiF = 3.1415927410125732;

struct DesignCase {
  const char* name;
  int16_t iK, pos;
  double V_in, Asv_in;
  float fyv, b, h, as, s;
  int32_t err;
  double V_out, Asv_out, AsMin, beta, kcal;
  float Dmin, Smax;
};
// CTest lists a parameterised case by its name rather than by its bytes.
void PrintTo(const DesignCase& c, std::ostream* os) {
  *os << c.name;
}

// fc = 10 (C20) throughout; b = 200, h = 500, as = 35 (ho = 465), s = 200 unless stated.
const DesignCase kDesign[] = {
    // 0.07*10*200*465 = 65100 N < 150000: band 300<h<=500, Dmin 6, Smax 200;
    // ratio 0.02*10/210*200*200 = 38.095, Asvgz = 36*pi/4*200/200 = 28.274, Asvmin = 38.095;
    // ho/b = 2.325 -> beta 0.25, limit 232500 >= 150000;
    // Asv = (150000-65100)*200/(1.5*210*465) = 16980000/146475 = 115.924.
    {"ordinary", 1, 5, 150, 0, 210, 200, 500, 35, 200, 0, 150000, 115.9242, 38.0952, 0.25, kUnset,
     6, 200},
    // V exactly 65.1 kN: detailing only, Smax 300, ratio term 0: Asvmin = 36*pi/4*200/300 = 18.850.
    {"ordinary at V0", 1, 5, 0.07 * 10.0 * 200.0 * 465.0 / 1000.0, 0, 210, 200, 500, 35, 200,
     200110, 65100, 36 * kPiF / 4 * 200 / 300, 36 * kPiF / 4 * 200 / 300, 0.25, kUnset, 6, 300},
    // Grade 3, h = 500: Smax = min(300, 250) = 250, Dmin 8; ratio 0.025*10/210*40000 = 47.619;
    // Asvgz = 64*pi/4*200/250 = 40.212; 0.056*10*200*465/0.85 = 61271 < 150000:
    // Asv = (0.85*150000 - 52080)*200/(1.2*210*465) = 15084000/117180 = 128.725.
    {"grade3 h500", 1, 3, 150, 0, 210, 200, 500, 35, 200, 0, 150000, 128.7250, 47.6190, 0.2, kUnset,
     8, 250},
    // Grade 1, V = 20 kN below 61271 N: detailing, Asv = Asvmin = max(66.667, 100*pi/4) = 78.540.
    {"grade1 detailing", 1, 1, 20, 0, 210, 200, 500, 35, 200, 200111, 20000, 78.5398, 78.5398, 0.2,
     kUnset, 10, 200},
    // b = 100, h = 540, as = 40: ho/b = 5, beta = 0.35 - 0.125 = 0.225; limit 0.225*10*100*500
    // = 112500 < 500000: section too small, kcal = 500000/(10*100*500) = 1.0; no Asv.
    // Band 500<h<=800 (V > V0): Dmin 6, Smax 250; Asvmin = max(0.02*10/210*100*200 = 19.05,
    // 36*pi/4*200/250 = 22.620).
    {"ordinary too small", 1, 5, 500, 12345, 210, 100, 540, 40, 200, 200112, 500000, 12345, 22.6195,
     0.225, 1.0, 6, 250},
    // Grade 4: limit 0.2*10*100*500/0.85 = 117647; kcal = 0.85*500000/500000 = 0.85.
    // Smax = min(300, 270) = 270; Asvmin = max(0.025*10/210*20000 = 23.810, 36*pi/4*200/270
    // = 20.944).
    {"grade4 too small", 1, 4, 500, 12345, 210, 100, 540, 40, 200, 200113, 500000, 12345, 23.8095,
     0.2, 0.85, 6, 270},
    // Capacity, fyv 360 taken as 310: V = 65100 + 1.5*310*465*100/200 = 173212.5 N.
    // Asvmin = max(0.02*10/310*40000 = 25.806, 28.274).
    {"capacity fyv capped", 2, 5, 0, 100, 360, 200, 500, 35, 200, 0, 173.2125, 100, 28.2743, 0.25,
     kUnset, 6, 200},
    // Grade 2 capacity: (0.056*10*200*465 + 1.2*210*465*100/200)/0.85 = (52080 + 58590)/0.85 =
    // 130200 N.
    {"capacity grade2", 2, 2, 0, 100, 210, 200, 500, 35, 200, 0, 130.2, 100, 57.1429, 0.2, kUnset,
     8, 200},
    // Capacity beyond the section: V = 65100 + 1.5*210*465*500/100 = 797475 > 232500;
    // kcal = 797475/930000 = 0.8575; the capacity is still handed back.
    {"capacity ordinary too small", 2, 5, 0, 500, 210, 200, 500, 35, 100, 200112, 797.475, 500,
     19.0476, 0.25, 0.8575, 6, 200},
    // Seismic: V = (52080 + 1.2*210*465*5)/0.85 = 750564.7 > 218823.5; kcal = 0.85*V/930000 =
    // 0.686.
    {"capacity grade1 too small", 2, 1, 0, 500, 210, 200, 500, 35, 100, 200113, 750.5647, 500,
     39.2699, 0.2, 0.686, 10, 200},
};

class ShearDesign : public testing::TestWithParam<DesignCase> {};

TEST_P(ShearDesign, MatchesHandCalculation) {
  const DesignCase& c = GetParam();
  ShearOut o = RunV(c.iK, c.pos, c.V_in, c.Asv_in, c.fyv, 10, c.b, c.h, c.as, c.s);
  EXPECT_EQ(o.err, c.err);
  EXPECT_NEAR(o.V, c.V_out, 1e-3);
  EXPECT_NEAR(o.Asv, c.Asv_out, 1e-3);
  EXPECT_NEAR(o.AsMin, c.AsMin, 1e-3);
  EXPECT_NEAR(o.K, c.beta, 1e-7);
  if (c.kcal == kUnset)
    EXPECT_EQ(o.Kcal, kUnset);
  else
    EXPECT_NEAR(o.Kcal, c.kcal, 1e-6);
  EXPECT_EQ(o.Dmin, c.Dmin);
  EXPECT_EQ(o.Smax, c.Smax);
}

INSTANTIATE_TEST_SUITE_P(Shear, ShearDesign, testing::ValuesIn(kDesign), [](const auto& i) {
  std::string n = i.param.name;
  for (char& ch : n)
    if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
  return n;
});

TEST(Shear, HeightBandsIncludeTheirUpperBound) {
  struct Band {
    float h;
    float Dmin, smax_low, smax_high;
  };
  // The table itself is checked with the code equations; here: the band follows h, not ho.
  const Band bands[] = {{250, 4, 200, 150}, {251, 6, 200, 150}, {801, 8, 500, 300}};
  for (const Band& c : bands) {
    SCOPED_TRACE(c.h);
    // V = 0 in direction 1: the columns for V <= 0.07 fc b ho (detailing only).
    ShearOut o = RunV(1, 5, 0, 0, 210, 10, 200, c.h, 35, 100);
    EXPECT_EQ(o.err, 200110);
    EXPECT_EQ(o.Dmin, c.Dmin);
    EXPECT_EQ(o.Smax, c.smax_low);
    EXPECT_NEAR(o.Asv, c.Dmin * c.Dmin * kPiF / 4 * 100 / c.smax_low, 1e-4);
    // Capacity direction: always the columns for V above it.
    o = RunV(2, 5, 0, 0, 210, 10, 200, c.h, 35, 100);
    EXPECT_EQ(o.err, 0);
    EXPECT_EQ(o.Smax, c.smax_high);
  }
}

TEST(Shear, SeismicDetailingByGrade) {
  // h = 1000 leaves the caps: Smax 200 (grades 1, 2) and 300 (3, 4); h = 300: h/2 = 150.
  const float Dmin[] = {10, 8, 8, 6}, cap[] = {200, 200, 300, 300};
  for (int16_t g = 1; g <= 4; ++g) {
    SCOPED_TRACE(g);
    ShearOut o = RunV(1, g, 10, 0, 210, 10, 200, 1000, 35, 100);
    EXPECT_EQ(o.Dmin, Dmin[g - 1]);
    EXPECT_EQ(o.Smax, cap[g - 1]);
    EXPECT_EQ(RunV(1, g, 10, 0, 210, 10, 200, 300, 35, 100).Smax, 150);
  }
}

TEST(Shear, BetaFollowsHoOverB) {
  // b = 100, as = 40: ho/b = (h - 40)/100 = 5.5 gives 0.35 - 0.025*5.5 = 0.2125; the bounds at
  // ho/b = 4 and 6 are exact in the single output.
  EXPECT_NEAR(RunV(2, 5, 0, 0, 210, 10, 100, 590, 40, 100).K, 0.2125, 1e-7);
  EXPECT_EQ(RunV(2, 5, 0, 0, 210, 10, 100, 440, 40, 100).K, 0.25f);
  EXPECT_EQ(RunV(2, 5, 0, 0, 210, 10, 100, 640, 40, 100).K, 0.2f);
}

TEST(Shear, InputErrorsStopBeforeAnyOutput) {
  const struct {
    int16_t iK, pos;
    double V, Asv;
    float fyv, fc, b, h, as, s;
    int32_t err;
  } cases[] = {
      {1, 5, -1, 0, 210, 10, 200, 500, 35, 200, 200101},
      {2, 5, 0, -1, 210, 10, 200, 500, 35, 200, 200102},
      {1, 5, 1, 0, 0, 10, 200, 500, 35, 200, 200103},
      {1, 5, 1, 0, 210, 0, 200, 500, 35, 200, 200104},
      {1, 5, 1, 0, 210, 10, -1, 500, 35, 200, 200105},
      {1, 5, 1, 0, 210, 10, 200, 0, 35, 200, 200106},
      {1, 5, 1, 0, 210, 10, 200, 500, 0, 200, 200107},
      {1, 5, 1, 0, 210, 10, 200, 500, 600, 200, 200108},
      {1, 5, 1, 0, 210, 10, 200, 500, 35, 0, 200109},
      {0, 5, 1, 0, 210, 10, 200, 500, 35, 200, 200114},
      {1, 7, 1, 0, 210, 10, 200, 500, 35, 200, 200115},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.err);
    ShearOut o = RunV(c.iK, c.pos, c.V, c.Asv, c.fyv, c.fc, c.b, c.h, c.as, c.s);
    EXPECT_EQ(o.err, c.err);
    EXPECT_EQ(o.V, c.V);
    EXPECT_EQ(o.Asv, c.Asv);
    EXPECT_EQ(o.AsMin, kUnset);
    EXPECT_EQ(o.K, kUnset);
    EXPECT_EQ(o.Dmin, kUnset);
    EXPECT_EQ(o.Smax, kUnset);
  }
}

TEST(Shear, OverflowGives200199) {
  // fc and b near the single range: Asvmin = 0.02*fc/fyv*b*s ~ 1.7e75 does not fit the single
  // output. Dmin and Smax are written before it, nothing after it.
  ShearOut o = RunV(2, 5, 0, 0, 210, 3e38f, 3e38f, 500, 35, 200);
  EXPECT_EQ(o.err, 200199);
  EXPECT_EQ(o.Dmin, 6);
  EXPECT_EQ(o.Smax, 200);
  EXPECT_EQ(o.AsMin, kUnset);
  EXPECT_EQ(o.K, kUnset);
  EXPECT_EQ(o.V, 0);
}

// ---- CalV_As ----

struct CalOut {
  int32_t err = -1;
  double V = 0, Asv = 0;
  float AsMin = kUnset, K = kUnset, Kcal = kUnset, Dmin = kUnset, Smax = kUnset;
  std::string text;
};

CalOut RunCal(int16_t iK, int16_t pos, double V, double Asv, const std::string& fyv, int16_t iFc,
              float fc, float b, float h, float as, float s, const std::string& label = "L1") {
  clsMoment m;
  CalOut o;
  o.V = V, o.Asv = Asv, o.text = label;
  std::string t = fyv;
  m.CalV_As(o.err, iK, pos, o.V, o.Asv, t, iFc, fc, b, h, as, s, o.AsMin, o.K, o.Kcal, o.Dmin,
            o.Smax, o.text);
  return o;
}

TEST(CalVAs, ReportOrdinaryDesign) {
  CalOut o = RunCal(1, 5, 150, 0, "Ⅰ级", 0, 20, 200, 500, 35, 200, " L1 ");
  EXPECT_EQ(o.err, 0);
  EXPECT_NEAR(o.Asv, 115.924, 1e-3);
  auto l = ReportLines(o.text);
  ASSERT_EQ(l.size(), 25u);
  EXPECT_EQ(l[0], "剪力 L1计算结果");
  EXPECT_EQ(l[10], "    0.07 * fc * B * Ho ＝ 0.07*10*200*465 ＝ 65100 N");
  EXPECT_EQ(l[15], "                        ＝ (0.02*10/210)*200*200 ＝ 38.1 mm²");
  EXPECT_EQ(l[16], "    Dmin、Smax的配箍面积Asvgz＝ Dmin ^ 2 * π / 4 * S / Smax ＝ 28.27 mm²");
  EXPECT_EQ(l[20], "    0.25 * fc * b * ho ＝ 0.25*10*200*465 ＝ 232500 N");
  EXPECT_EQ(l[23], "        ＝ (150000-0.07*10*200*465)*200/(1.5*210*465) ＝ 115.92 mm²");
  EXPECT_EQ(l[24], "    Asv ＝ 115.92 mm²    最大间距@200");
}

TEST(CalVAs, ReportSeismicDesignGrade3) {
  CalOut o = RunCal(1, 3, 150, 0, "Ⅰ级", 0, 20, 200, 500, 35, 200);
  auto l = ReportLines(o.text);
  EXPECT_TRUE(HasLine(l, "    计算截面位置：3级框架梁"));
  EXPECT_TRUE(HasLine(l, "      加密区箍筋最大间距Sjmmax＝ Min{150, H / 4} ＝ 125 mm"));
  EXPECT_TRUE(HasLine(l, "      非加密区箍筋最大间距Smax＝ 2 * Sjmmax ＝ 250 mm"));
  EXPECT_TRUE(HasLine(l, "                        ＝ (0.025*10/210)*200*200 ＝ 47.62 mm²"));
  EXPECT_TRUE(HasLine(l, "    0.2 * fc * b * ho / γRE ＝ 0.2*10*200*465/0.85 ＝ 218824 N"));
  EXPECT_TRUE(HasLine(l, "    0.056 * fc * B * Ho / γRE ＝ 0.056*10*200*465/0.85 ＝ 61271 N"));
  // Above the concrete part the design formula follows at once, with no comparison line.
  for (size_t k = 0; k + 1 < l.size(); ++k) {
    if (l[k].rfind("    0.056 * fc * B * Ho / γRE", 0) == 0) {
      EXPECT_EQ(
          l[k + 1],
          "    V ≤ (0.056 * fc * B * Ho + 1.2 * fyv * Asv / S * Ho) / γRE（混凝土规范式 8.3.4-1）");
    }
  }
  EXPECT_FALSE(HasLine(l, "        ＜ V ＝ 150000 N"));
  EXPECT_TRUE(
      HasLine(l, "        ＝ (150000*0.85-0.056*10*200*465)*200/(1.2*210*465) ＝ 128.73 mm²"));
  EXPECT_EQ(l.back(), "    Asv ＝ 128.73 mm²    最大间距@250");
  // Grade 1 detailing: the comparison, and Asvmin as the last line.
  l = ReportLines(RunCal(1, 1, 20, 0, "Ⅰ级", 0, 20, 200, 500, 35, 200).text);
  EXPECT_TRUE(HasLine(l, "      加密区箍筋最大间距Sjmmax＝ Min{100, H / 4} ＝ 100 mm"));
  EXPECT_EQ(l[l.size() - 2], "        ≥ V ＝ 20000 N");
  EXPECT_EQ(l.back(), "    Asvmin ＝ 78.54 mm²    最大间距@200");
}

TEST(CalVAs, ReportCapacityWithCappedSteel) {
  CalOut o = RunCal(2, 5, 0, 100, "360", 1, 10, 200, 500, 35, 200);
  EXPECT_NEAR(o.V, 173.2125, 1e-6);
  auto l = ReportLines(o.text);
  EXPECT_TRUE(HasLine(l, "        当Fyv≥310时，取Fyv＝310 N/mm²"));
  EXPECT_TRUE(HasLine(l, "                        ＝ (0.02*10/310)*200*200 ＝ 25.81 mm²"));
  EXPECT_TRUE(HasLine(l, "    V ＝ 0.07*10*200*465+1.5*310*100/200*465 ＝ 173213 N"));
  EXPECT_EQ(l.back(), "        ≤ 232500 N，受剪截面满足要求。");
  // Seismic capacity.
  l = ReportLines(RunCal(2, 2, 0, 100, "Ⅰ级", 0, 20, 200, 500, 35, 200).text);
  EXPECT_TRUE(HasLine(l, "    V ＝ (0.056*10*200*465+1.2*210*100/200*465)/0.85 ＝ 130200 N"));
}

TEST(CalVAs, ReportSectionTooSmall) {
  CalOut o = RunCal(1, 5, 500, 0, "Ⅰ级", 0, 20, 100, 540, 40, 200);
  EXPECT_EQ(o.err, 200112);
  auto l = ReportLines(o.text);
  EXPECT_TRUE(HasLine(l, "    当 4 ＜Ho / B ＜ 6 时，β＝ 0.35 - 0.025 * Ho / B ＝ 0.225"));
  EXPECT_TRUE(HasLine(l, "    V ≤ 0.23 * fc * b * ho    （混凝土规范式 4.2.1）"));
  EXPECT_TRUE(HasLine(l, "    0.225 * fc * b * ho ＝ 0.225*10*100*500 ＝ 112500 N"));
  EXPECT_EQ(l[l.size() - 2], "        ＜ V ＝ 500000 N");
  EXPECT_EQ(l.back(),
            "        警告：受剪截面尺寸不足，V / (fc * B * Ho) ＝ 1.000 ＞ "
            "0.225，请复核截面尺寸、材料强度及荷载数据。");
  // ho/b = 6.5: the 0.2 line.
  l = ReportLines(RunCal(1, 5, 10, 0, "Ⅰ级", 0, 20, 100, 690, 40, 200).text);
  EXPECT_TRUE(
      HasLine(l, "    当 Ho / B ≥ 6 时，V ≤ 0.2 * fc * b * ho    （混凝土规范式 4.2.1-1）"));
}

TEST(CalVAs, ReportDetailingBandLine) {
  auto l = ReportLines(RunCal(1, 5, 0, 0, "Ⅰ级", 0, 20, 200, 250, 35, 100).text);
  EXPECT_TRUE(HasLine(l, "        ≥ V ＝ 0 N"));
  EXPECT_TRUE(HasLine(l, "    当V≤0.07 * fc * B * Ho、H≤250（mm）构造要求："));
  EXPECT_TRUE(HasLine(l, "      箍筋最小直径Dmin＝4 mm，箍筋最大间距Smax＝200 mm"));
  l = ReportLines(RunCal(2, 5, 0, 0, "Ⅰ级", 0, 20, 200, 900, 35, 100).text);
  EXPECT_TRUE(HasLine(l, "    当V＞0.07 * fc * B * Ho、H＞800（mm）构造要求："));
}

TEST(CalVAs, InputErrorsLeaveReportUntouched) {
  CalOut o = RunCal(1, 5, 150, 0, "Ⅲ级", 0, 20, 200, 500, 35, 200, "L9");
  EXPECT_EQ(o.err, 200103);
  EXPECT_EQ(o.text, "L9");
  o = RunCal(1, 5, 150, 0, "Ⅰ级", 0, 21, 200, 500, 35, 200, "L9");  // no grade C21
  EXPECT_EQ(o.err, 200104);
  EXPECT_EQ(o.text, "L9");
  EXPECT_EQ(o.V, 150);
}

}  // namespace
}  // namespace tk
