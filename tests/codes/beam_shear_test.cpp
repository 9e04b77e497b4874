// Beam shear equations of GBJ 10-89 art. 4.2, 7.2.9, 7.2.10 and GBJ 11-89 art. 6.2.9, 6.3.6,
// 6.3.7, worked by hand. Common data: fc = 15, b = 250, ho = 565 (fc·b·ho = 2118750 N),
// fyv = 210, s = 100.
#include <gtest/gtest.h>

#include "codes/gbj10_89.h"
#include "codes/gbj11_89.h"
#include "frame/fault.h"

namespace tk {
namespace {

TEST(BeamShear, StirrupBandsIncludeTheirUpperBound) {
  const struct {
    double h;
    int band;
    double Dmin, smax_low, smax_high;
  } cases[] = {{0, 0, 4, 200, 150},   {250, 0, 4, 200, 150},   {250.5, 1, 6, 200, 150},
               {300, 1, 6, 200, 150}, {300.5, 2, 6, 300, 200}, {500, 2, 6, 300, 200},
               {800, 3, 6, 350, 250}, {800.5, 4, 8, 500, 300}, {3000, 4, 8, 500, 300}};
  for (const auto& c : cases) {
    const int band = gbj10_89::StirrupBandOf(c.h);
    EXPECT_EQ(band, c.band) << c.h;
    const gbj10_89::StirrupBand& row = gbj10_89::kStirrupBands[band];
    EXPECT_EQ(row.Dmin, c.Dmin) << c.h;
    EXPECT_EQ(row.smax_low, c.smax_low) << c.h;
    EXPECT_EQ(row.smax_high, c.smax_high) << c.h;
  }
}

TEST(BeamShear, ShearSpanRatioAndItsBounds) {
  // a = 1000 over ho = 565
  EXPECT_NEAR(gbj10_89::ShearSpanRatio(1000, 565), 1.7699115, 1e-7);
  EXPECT_THROW(gbj10_89::ShearSpanRatio(1000, 0), ArithmeticFault);
  const struct {
    double worked, taken;
  } cases[] = {{0.5, 1.4}, {1.39, 1.4}, {1.4, 1.4}, {2, 2}, {3, 3}, {3.01, 3}, {9, 3}};
  for (const auto& c : cases)
    EXPECT_EQ(gbj10_89::ShearSpanRatioBounded(c.worked), c.taken) << c.worked;
}

TEST(BeamShear, OrdinaryAndConcentratedForms) {
  // λ = 2: 0.2·2118750/3.5 = 121071.43 N; (200000 − 121071.43)·100 / (1.25·210·565)
  // = 7892857.1 / 148312.5 = 53.2177 mm²
  EXPECT_NEAR(gbj10_89::StirrupsForShearConcentrated(200000, 15, 250, 565, 2, 100, 210), 53.21775,
              1e-5);
  // Vc = 148312.5 N, Asv/s = 1.01, γo = 1.1: (148312.5 + 1.5·210·1.01·565) / 1.1
  // = (148312.5 + 179754.75) / 1.1 = 298242.95 N
  EXPECT_NEAR(gbj10_89::ShearCapacityOrdinary(148312.5, 210, 1.01, 565, 1.1), 298242.955, 1e-3);
  // 121071.43 + 1.25·210·1.01·565 = 121071.43 + 149795.63 = 270867.05 N
  EXPECT_NEAR(gbj10_89::ShearCapacityConcentrated(15, 250, 565, 2, 210, 1.01, 1), 270867.054, 1e-3);
  // with γo = 0.9 the member may carry 1/0.9 of it
  EXPECT_NEAR(gbj10_89::ShearCapacityConcentrated(15, 250, 565, 2, 210, 1.01, 0.9),
              270867.054 / 0.9, 1e-3);
}

TEST(BeamShear, SectionLimitAndRatio) {
  // β = 0.25: 0.25·2118750 = 529687.5 N
  EXPECT_NEAR(gbj10_89::ShearSectionLimit(0.25, 15, 250, 565), 529687.5, 1e-9);
  // 600000 / 2118750 = 0.283186 > 0.25: too small
  EXPECT_NEAR(gbj10_89::ShearSectionRatio(600000, 15, 250, 565), 0.2831858, 1e-7);
  EXPECT_THROW(gbj10_89::ShearSectionRatio(600000, 0, 250, 565), ArithmeticFault);
}

TEST(BeamShear, MinimumStirrupAreas) {
  const struct {
    double coef, area;
  } cases[] = {
      {gbj10_89::kMinStirrupRatio, 35.7142857},  // 0.02·15/210·250·100
      {0.035, 62.5},                             // grade 1 frame beam
      {0.025, 44.6428571},                       // grades 3 and 4
  };
  for (const auto& c : cases)
    EXPECT_NEAR(gbj10_89::MinStirrupArea(c.coef, 15, 210, 250, 100), c.area, 1e-6) << c.coef;
  // Dmin² π/4 brought from Smax to s: 8 mm at 200 → 50.2655·100/200; 6 mm at 150 → 28.2743·2/3
  EXPECT_NEAR(gbj10_89::DetailingStirrupArea(8, 100, 200), 25.132742, 1e-6);
  EXPECT_NEAR(gbj10_89::DetailingStirrupArea(6, 100, 150), 18.849556, 1e-6);
  EXPECT_THROW(gbj10_89::DetailingStirrupArea(6, 100, 0), ArithmeticFault);
}

TEST(BeamShear, FrameBeamStirrupsByGrade) {
  const struct {
    int grade;
    double h, smax, rho, Dmin, coef;
  } cases[] = {
      {1, 600, 200, 0.015, 10, 0.035},  // min(200, 300)
      {1, 300, 150, 0.021, 12, 0.035},  // min(200, 150); above 2 % the bar is 2 mm thicker
      {2, 600, 200, 0.02, 8, 0.03},     // exactly 2 % is not above it
      {3, 800, 300, 0.01, 8, 0.025},    // min(300, 400)
      {4, 500, 250, 0.03, 8, 0.025},    // min(300, 250); 6 + 2
  };
  for (const auto& c : cases) {
    EXPECT_EQ(gbj11_89::FrameStirrupSpacing(c.grade, c.h), c.smax) << c.grade;
    EXPECT_EQ(gbj11_89::FrameStirrupDiameter(c.grade, c.rho), c.Dmin) << c.grade;
    EXPECT_EQ(gbj11_89::FrameStirrupsOfGrade(c.grade).coef, c.coef) << c.grade;
  }
}

TEST(BeamShear, SeismicFrameBeamForms) {
  // 0.056·2118750/0.85 = 118650/0.85 = 139588.24 N
  EXPECT_NEAR(gbj11_89::ShearConcreteSeismic(15, 250, 565), 139588.235, 1e-3);
  // λ = 2: 0.16·2118750/3.5 = 96857.14; /0.85 = 113949.58 N
  EXPECT_NEAR(gbj11_89::ShearConcreteSeismicConcentrated(15, 250, 565, 2), 113949.580, 1e-3);
  // (200000·0.85 − 96857.14)·100 / 210 / 565 = 7314285.7 / 118650 = 61.6459 mm²
  EXPECT_NEAR(gbj11_89::StirrupsForShearSeismicConcentrated(200000, 15, 250, 565, 2, 100, 210),
              61.64590, 1e-5);
  // (118650 + 1.2·210·1.01·565) / 0.85 = (118650 + 143803.8) / 0.85 = 308769.18 N
  EXPECT_NEAR(gbj11_89::ShearCapacitySeismicAsvFirst(15, 250, 565, 210, 1.01), 308769.176, 1e-3);
  // 0.2·2118750/0.85 = 498529.41 N
  EXPECT_NEAR(gbj11_89::ShearSectionLimitSeismic(15, 250, 565), 498529.412, 1e-3);
}

}  // namespace
}  // namespace tk
