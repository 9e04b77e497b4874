// Seismic factors and frame-beam equations of GBJ 11-89 worked by hand.
#include "codes/gbj11_89.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

// ---- Art. 6.2.9 Shear of frame beams. Common data of the later cases: fc = 15, b = 250,
// ho = 565 (fc·b·ho = 2118750 N), fyv = 210, s = 100.

TEST(Gbj11_89, ShearCapacityOfFrameBeams) {
  // fc = 10, b = 200, ho = 465, fyv = 210, Asv/s = 0.503, λ = 2.5
  // seismic: (0.056·10·200·465 + 1.2·210·0.503·465) / 0.85 = (52080 + 58941.54) / 0.85 = 130613.58
  EXPECT_NEAR(gbj11_89::ShearCapacitySeismic(10, 200, 465, 210, 0.503), 130613.58, 0.01);
  // (0.16·10·200·465/4 + 210·0.503·465) / 0.85 = (37200 + 49117.95) / 0.85 = 101550.5
  EXPECT_NEAR(gbj11_89::ShearCapacitySeismicConcentrated(10, 200, 465, 2.5, 210, 0.503), 101550.53,
              0.01);
}

TEST(Gbj11_89, StirrupsOfFrameBeamsForADesignShear) {
  // V = 150 kN, fc = 10, b = 200, ho = 465, s = 200, fyv = 210:
  // (0.85·150000 − 0.056·10·200·465)·200 / (1.2·210·465) = 15084000 / 117180 = 128.7250
  EXPECT_NEAR(gbj11_89::StirrupsForShearSeismic(150000, 10, 200, 465, 200, 210), 128.7250, 1e-4);
}

TEST(Gbj11_89, SeismicFrameBeamForms) {
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

// ---- Art. 6.3.1, 6.3.3 Flexure of frame beams

TEST(Gbj11_89, XiLimitsOfTheSeismicGrades) {
  EXPECT_EQ(gbj11_89::XiLimitOfGrade(1), 0.25);
  EXPECT_EQ(gbj11_89::XiLimitOfGrade(2), 0.35);
  EXPECT_EQ(gbj11_89::XiLimitOfGrade(3), 0.35);
  EXPECT_EQ(gbj11_89::XiLimitOfGrade(4), 0.0);
}

TEST(Gbj11_89, FrameBeamRatiosByGrade) {
  const struct {
    int grade;
    double As1_ratio, end_min, mid_min;
  } cases[] = {
      {0, 0, 0, 0},        {1, 0.5, 0.4, 0.3}, {2, 0.3, 0.3, 0.25},
      {3, 0.3, 0.25, 0.2}, {4, 0, 0.25, 0.2},  {5, 0, 0, 0},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(gbj11_89::CompressionRatioOfGrade(c.grade), c.As1_ratio) << c.grade;
    EXPECT_DOUBLE_EQ(gbj11_89::FrameBeamMinRatioPercent(c.grade, true), c.end_min) << c.grade;
    EXPECT_DOUBLE_EQ(gbj11_89::FrameBeamMinRatioPercent(c.grade, false), c.mid_min) << c.grade;
  }
}

// ---- Art. 6.3.6, 6.3.7 Stirrups of frame beams

TEST(Gbj11_89, FrameBeamStirrupsByGrade) {
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

}  // namespace
}  // namespace tk
