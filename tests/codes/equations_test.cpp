#include <gtest/gtest.h>

#include <cmath>

#include "codes/gbj10_89.h"
#include "codes/gbj11_89.h"
#include "codes/section_shape.h"

namespace tk {
namespace {

TEST(Gbj10_89, BalancedDepthAndLinearSteelStress) {
  // fy = 310, Es = 2.0e5: 0.8 / (1 + 310 / 660) = 0.8 / 1.469697 = 0.544330
  EXPECT_NEAR(gbj10_89::BalancedDepth(310, 2.0e5), 0.544330, 1e-6);
  // fy = 210, Es = 2.1e5: 0.8 / (1 + 210 / 693) = 0.613953
  EXPECT_NEAR(gbj10_89::BalancedDepth(210, 2.1e5), 0.613953, 1e-6);
  // ξ = 0.6 above ξb = 0.544: σs = 310·(0.6 − 0.8) / (0.54433 − 0.8) = 242.5001
  EXPECT_NEAR(gbj10_89::SteelStressLinear(310, 0.6, 0.544330), 242.5001, 1e-4);
  // at ξ = ξb the steel just yields
  EXPECT_DOUBLE_EQ(gbj10_89::SteelStressLinear(310, 0.5, 0.5), 310);
}

TEST(Gbj10_89, DepthOfAnOverReinforcedSectionBalancesTheForces) {
  // fy = 310, As = 3000, ξb = 0.54433, fcm = 11, b = 200, ho = 465:
  // x = 0.8·930000/(−0.25567) / [930000/(−0.25567) − 1023000] · 465 = 290.3444 mm, and then
  // fcm·b·x = 638757.6 N = As·σs with σs = 310·(0.624397 − 0.8)/(−0.25567) = 212.919 N/mm²
  const double xb = gbj10_89::BalancedDepth(310, 2.0e5);
  const double x = gbj10_89::DepthOverReinforced(310, 3000, xb, 11, 200, 465);
  EXPECT_NEAR(x, 290.3444, 1e-4);
  EXPECT_NEAR(11 * 200 * x, 3000 * gbj10_89::SteelStressLinear(310, x / 465, xb), 1e-6);
}

TEST(Gbj10_89, ShearSectionFactorByWebRatio) {
  const struct {
    double ratio, beta;
  } cases[] = {{1, 0.25}, {4, 0.25}, {5, 0.225}, {6, 0.2}, {9, 0.2}, {4.4, 0.24}};
  for (const auto& c : cases)
    EXPECT_NEAR(gbj10_89::ShearSectionFactor(c.ratio), c.beta, 1e-12) << c.ratio;
}

TEST(Gbj10_89, ShearCapacityParts) {
  // fc = 10, b = 200, ho = 465: 0.07·10·200·465 = 65100 N
  EXPECT_NEAR(gbj10_89::ShearConcrete(10, 200, 465), 65100, 1e-9);
  // fyv = 210, Asv/s = 0.503: 1.5·210·0.503·465 = 73676.93 N
  EXPECT_NEAR(gbj10_89::ShearStirrups(210, 0.503, 465), 73676.925, 1e-6);
  // λ = 2.5: 0.2·10·200·465 / 4 = 46500 N; 1.25·210·0.503·465 = 61397.44 N
  EXPECT_NEAR(gbj10_89::ShearConcreteConcentrated(10, 200, 465, 2.5), 46500, 1e-9);
  EXPECT_NEAR(gbj10_89::ShearStirrupsConcentrated(210, 0.503, 465), 61397.4375, 1e-6);
  // seismic: (0.056·10·200·465 + 1.2·210·0.503·465) / 0.85 = (52080 + 58941.54) / 0.85 = 130613.58
  EXPECT_NEAR(gbj11_89::ShearCapacitySeismic(10, 200, 465, 210, 0.503), 130613.58, 0.01);
  // (0.16·10·200·465/4 + 210·0.503·465) / 0.85 = (37200 + 49117.95) / 0.85 = 101550.5
  EXPECT_NEAR(gbj11_89::ShearCapacitySeismicConcentrated(10, 200, 465, 2.5, 210, 0.503), 101550.53,
              0.01);
}

TEST(Gbj10_89, StirrupsForADesignShear) {
  // V = 150 kN, fc = 10, b = 200, ho = 465, s = 200, fyv = 210:
  // ordinary (150000 − 65100)·200 / (1.5·210·465) = 16980000 / 146475 = 115.9242 mm²
  EXPECT_NEAR(gbj10_89::StirrupsForShear(150000, 65100, 200, 210, 465), 115.9242, 1e-4);
  // seismic (0.85·150000 − 0.056·10·200·465)·200 / (1.2·210·465) = 15084000 / 117180 = 128.7250
  EXPECT_NEAR(gbj11_89::StirrupsForShearSeismic(150000, 10, 200, 465, 200, 210), 128.7250, 1e-4);
  // a shear the concrete carries alone asks for no stirrups: the result is negative, not clamped
  EXPECT_LT(gbj10_89::StirrupsForShear(60000, 65100, 200, 210, 465), 0);
}

TEST(Gbj10_89, CrackWidthEquations) {
  using gbj10_89::CrackMember;
  EXPECT_EQ(gbj10_89::CrackMemberFactor(CrackMember::AxialTension), 2.7);
  EXPECT_EQ(gbj10_89::CrackMemberFactor(CrackMember::EccTension), 2.4);
  EXPECT_EQ(gbj10_89::CrackMemberFactor(CrackMember::Flexure), 2.1);
  EXPECT_EQ(gbj10_89::CrackMemberFactor(CrackMember::EccCompression), 2.1);
  EXPECT_EQ(gbj10_89::BarSurfaceFactor(true), 0.7);
  EXPECT_EQ(gbj10_89::BarSurfaceFactor(false), 1.0);
  const struct {
    const char* what;
    double got, want;
  } cases[] = {
      // Ms = 100 kN·m, ho = 465, As = 942: 1e8 / (0.87·465·942) = 262.4079
      {"flexure", gbj10_89::SteelStressFlexure(100e6, 465, 942), 262.4079},
      // Ns = 300 kN on As = 1520: 197.3684
      {"axial tension", gbj10_89::SteelStressAxialTension(300000, 1520), 197.3684},
      // e' = 150, ho − as' = 430: 300000·150 / (1520·430) = 68.8494
      {"eccentric tension", gbj10_89::SteelStressEccTension(300000, 150, 1520, 465, 35), 68.8494},
      // e = 600, z = 400: 500000·200 / 1520 / 400 = 164.4737
      {"eccentric compression", gbj10_89::SteelStressEccCompression(500000, 600, 400, 1520),
       164.4737},
      // lo/h = 14 keeps ηs = 1; lo/h = 20, eo = 300, ho = 465: 1 + 400 / 2580.645 = 1.155
      {"ηs at 14", gbj10_89::EccentricityMagnification(14, 300, 465), 1.0},
      {"ηs at 20", gbj10_89::EccentricityMagnification(20, 300, 465), 1.155},
      // γf' = 0, ho/e = 0.5: (0.87 − 0.03)·465 = 390.6
      {"z", gbj10_89::LeverArmRaw(0, 0.5, 465), 390.6},
      // ftk = 1.75, ρte = 0.02, σss = 250: 1.1 − 0.2275 = 0.8725
      {"ψ", gbj10_89::StrainNonUniformityRaw(1.75, 0.02, 250), 0.8725},
      {"ψ below 0.4", gbj10_89::StrainNonUniformity(0.3), 0.4},
      {"ψ above 1.0", gbj10_89::StrainNonUniformity(1.2), 1.0},
      {"ψ inside", gbj10_89::StrainNonUniformity(0.8725), 0.8725},
      // 2.1·0.8725·250·(67.5 + 100)·0.7 / 2e5 = 0.26854 mm
      {"ωmax", gbj10_89::MaxCrackWidth(2.1, 0.8725, 250, 25, 20, 0.02, 0.7, 2e5), 0.268539},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.want, 1e-4) << c.what;
}

TEST(Gbj10_89, StiffnessOfFlexuralMembers) {
  // Es = 2e5, As = 942, ho = 465, ψ = 0.6, αE = 7.143, ρ = 0.01013:
  // γf' = 0:   4.073679e13 / (0.69 + 0.2 + 0.434152) = 3.076445e13 N·mm²
  // γf' = 0.2: 4.073679e13 / (0.89 + 0.434152 / 1.7) = 3.556608e13 N·mm²
  EXPECT_NEAR(gbj10_89::ShortTermStiffness(2e5, 942, 465, 0.6, 7.143, 0.01013, 0) / 1e13, 3.076445,
              1e-5);
  EXPECT_NEAR(gbj10_89::ShortTermStiffness(2e5, 942, 465, 0.6, 7.143, 0.01013, 0.2) / 1e13,
              3.556608, 1e-5);
  // θ: 2.0 without compression steel, 1.6 from ρ' = ρ on, 1.8 half-way
  const struct { double rho1, theta; } cases[] = {{0, 2.0}, {0.005, 1.8}, {0.01, 1.6}, {0.02, 1.6}};
  for (const auto& c : cases)
    EXPECT_NEAR(gbj10_89::DeflectionIncrease(c.rho1, 0.01), c.theta, 1e-12) << c.rho1;
  // Ms = 80, Ml = 60, θ = 2: 80 / (60 + 80) of Bs
  EXPECT_NEAR(gbj10_89::LongTermStiffness(80, 60, 2, 1e13), 80.0 / 140 * 1e13, 1);
}

TEST(Gbj11_89, XiLimitsOfTheSeismicGrades) {
  EXPECT_EQ(gbj11_89::XiLimitOfGrade(1), 0.25);
  EXPECT_EQ(gbj11_89::XiLimitOfGrade(2), 0.35);
  EXPECT_EQ(gbj11_89::XiLimitOfGrade(3), 0.35);
  EXPECT_EQ(gbj11_89::XiLimitOfGrade(4), 0.0);
}

TEST(Gbj10_89, ClampedLookupHoldsTheEndValues) {
  constexpr gbj10_89::TablePoint t[] = {{1, 10}, {2, 20}, {4, 30}};
  const struct { double x, y; } cases[] = {{0, 10}, {1, 10}, {1.5, 15}, {3, 25}, {4, 30}, {9, 30}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(gbj10_89::ClampedLookup(t, c.x), c.y) << c.x;
  // a value that is not a number reads the first row
  EXPECT_EQ(gbj10_89::ClampedLookup(t, std::nan("")), 10);
}

TEST(SectionShape, NamesRoundTripAndWebHeights) {
  for (auto s : {SectionShape::Rect, SectionShape::InvT, SectionShape::T, SectionShape::InvL,
                 SectionShape::ISym, SectionShape::IUnsym})
    EXPECT_EQ(SectionShapeOf(SectionShapeName(s)), s);
  EXPECT_FALSE(SectionShapeOf("圆形截面").has_value());
  // h = 600, ho = 565, hf = 100 (tension flange), hf' = 120 (compression flange)
  EXPECT_EQ(WebHeight(SectionShape::Rect, 600, 565, 100, 120), 565);
  EXPECT_EQ(WebHeight(SectionShape::InvT, 600, 565, 100, 120), 500);
  EXPECT_EQ(WebHeight(SectionShape::T, 600, 565, 100, 120), 480);
  EXPECT_EQ(WebHeight(SectionShape::InvL, 600, 565, 100, 120), 480);
  EXPECT_EQ(WebHeight(SectionShape::ISym, 600, 565, 100, 120), 380);
}

}  // namespace
}  // namespace tk
