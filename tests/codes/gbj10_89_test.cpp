// Equations of GBJ 10-89 worked by hand, in the order of their clauses.
#include "codes/gbj10_89.h"

#include <gtest/gtest.h>

#include <cmath>

#include "frame/fault.h"

namespace tk {
namespace {

// ---- Art. 4.1 Flexure

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

// fy = 310, Es = 2.0e5: ξb = 0.8 / (1 + 310/660) = 0.544330; ξb − 0.8 = −0.255670 and
// fy·As/(ξb − 0.8) = 930000/(−0.255670) = −3637500 for As = 3000 (fcm 11, b 200, ho 465:
// fcm·b·ho = 1023000).
TEST(Gbj10_89, OverReinforcedDepthWithCompressionForces) {
  const double xb = gbj10_89::BalancedDepth(310, 2.0e5);
  // −3637500 − 1023000 = −4660500: always negative for a positive As, so a depth exists
  EXPECT_NEAR(gbj10_89::OverReinforcedDenominator(310, 3000, xb, 11, 200, 465), -4660500, 1e-3);
  const struct {
    const char* name;
    double As1, Nf, x;
  } cases[] = {
      // no As', no flange: 0.8·(−3637500)·465/(−4660500) = 290.3444, as the single form gives
      {"single", 0, 0, 290.34438},
      // fy'·As' = 310·600 = 186000: (186000 − 2910000)·465/(−4660500) = 271.7863
      {"with As'", 600, 0, 271.78629},
      // and a flange force of 50000 N: (236000 − 2910000)·465/(−4660500) = 266.7976
      {"with As' and flange", 600, 50000, 266.79755},
  };
  for (const auto& c : cases)
    EXPECT_NEAR(gbj10_89::DepthOverReinforcedDoubly(310, 3000, 310, c.As1, c.Nf, xb, 11, 200, 465),
                c.x, 1e-4)
        << c.name;
  EXPECT_NEAR(gbj10_89::DepthOverReinforcedDoubly(310, 3000, 310, 0, 0, xb, 11, 200, 465),
              gbj10_89::DepthOverReinforced(310, 3000, xb, 11, 200, 465), 1e-9);
}

TEST(Gbj10_89, MomentCapacities) {
  const struct {
    const char* name;
    double Mu, expected;
  } cases[] = {
      // 16.5·250·100·(565 − 50) = 212437500; + 310·400·(565 − 35) = 65720000
      {"rectangle with As'", gbj10_89::MomentDoubly(16.5, 250, 100, 565, 310, 400, 35), 278157500},
      {"rectangle without As'", gbj10_89::MomentDoubly(16.5, 250, 100, 565, 310, 0, 35), 212437500},
      // 16.5·[250·120·505 + 350·80·525] = 16.5·(15150000 + 14700000) = 492525000;
      // + 310·200·530 = 32860000
      {"flanged with As'",
       gbj10_89::MomentFlangedDoubly(16.5, 250, 120, 565, 600, 80, 310, 200, 35), 525385000},
      // bf' = b: the flange adds nothing, the rectangle's 16.5·250·120·505 = 249975000
      {"flange as wide as the web",
       gbj10_89::MomentFlangedDoubly(16.5, 250, 120, 565, 250, 80, 310, 0, 35), 249975000},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.Mu, c.expected, 1e-3) << c.name;
}

// ---- Art. 4.2 Shear of beams. Common data of the later cases: fc = 15, b = 250, ho = 565
// (fc·b·ho = 2118750 N), fyv = 210, s = 100.

TEST(Gbj10_89, ShearSectionFactorByWebRatio) {
  const struct {
    double ratio, beta;
  } cases[] = {{1, 0.25}, {4, 0.25}, {5, 0.225}, {6, 0.2}, {9, 0.2}, {4.4, 0.24}};
  for (const auto& c : cases)
    EXPECT_NEAR(gbj10_89::ShearSectionFactor(c.ratio), c.beta, 1e-12) << c.ratio;
}

TEST(Gbj10_89, SectionLimitAndRatio) {
  // β = 0.25: 0.25·2118750 = 529687.5 N
  EXPECT_NEAR(gbj10_89::ShearSectionLimit(0.25, 15, 250, 565), 529687.5, 1e-9);
  // 600000 / 2118750 = 0.283186 > 0.25: too small
  EXPECT_NEAR(gbj10_89::ShearSectionRatio(600000, 15, 250, 565), 0.2831858, 1e-7);
  EXPECT_THROW(gbj10_89::ShearSectionRatio(600000, 0, 250, 565), ArithmeticFault);
}

TEST(Gbj10_89, ShearSpanRatioAndItsBounds) {
  // a = 1000 over ho = 565
  EXPECT_NEAR(gbj10_89::ShearSpanRatio(1000, 565), 1.7699115, 1e-7);
  EXPECT_THROW(gbj10_89::ShearSpanRatio(1000, 0), ArithmeticFault);
  const struct {
    double worked, taken;
  } cases[] = {{0.5, 1.4}, {1.39, 1.4}, {1.4, 1.4}, {2, 2}, {3, 3}, {3.01, 3}, {9, 3}};
  for (const auto& c : cases)
    EXPECT_EQ(gbj10_89::ShearSpanRatioBounded(c.worked), c.taken) << c.worked;
}

TEST(Gbj10_89, ShearCapacityParts) {
  // fc = 10, b = 200, ho = 465: 0.07·10·200·465 = 65100 N
  EXPECT_NEAR(gbj10_89::ShearConcrete(10, 200, 465), 65100, 1e-9);
  // fyv = 210, Asv/s = 0.503: 1.5·210·0.503·465 = 73676.93 N
  EXPECT_NEAR(gbj10_89::ShearStirrups(210, 0.503, 465), 73676.925, 1e-6);
  // λ = 2.5: 0.2·10·200·465 / 4 = 46500 N; 1.25·210·0.503·465 = 61397.44 N
  EXPECT_NEAR(gbj10_89::ShearConcreteConcentrated(10, 200, 465, 2.5), 46500, 1e-9);
  EXPECT_NEAR(gbj10_89::ShearStirrupsConcentrated(210, 0.503, 465), 61397.4375, 1e-6);
}

TEST(Gbj10_89, StirrupsForADesignShear) {
  // V = 150 kN, fc = 10, b = 200, ho = 465, s = 200, fyv = 210:
  // ordinary (150000 − 65100)·200 / (1.5·210·465) = 16980000 / 146475 = 115.9242 mm²
  EXPECT_NEAR(gbj10_89::StirrupsForShear(150000, 65100, 200, 210, 465), 115.9242, 1e-4);
  // a shear the concrete carries alone asks for no stirrups: the result is negative, not clamped
  EXPECT_LT(gbj10_89::StirrupsForShear(60000, 65100, 200, 210, 465), 0);
}

TEST(Gbj10_89, OrdinaryAndConcentratedForms) {
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

// ---- Art. 5.2 Crack width, art. 5.3 stiffness

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
      // a lower bound of 0.2 keeps 0.3 and lifts 0.1
      {"ψ 0.3 over 0.2", gbj10_89::StrainNonUniformity(0.3, 0.2), 0.3},
      {"ψ 0.1 under 0.2", gbj10_89::StrainNonUniformity(0.1, 0.2), 0.2},
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

// ---- Art. 7.2.9, 7.2.10 Stirrups of beams

TEST(Gbj10_89, StirrupBandsIncludeTheirUpperBound) {
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

TEST(Gbj10_89, MinimumStirrupAreas) {
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
  // the variant worked left to right gives the same areas to the last few digits
  EXPECT_NEAR(gbj10_89::DetailingStirrupAreaInOrder(8, 100, 200), 25.132742, 1e-6);
  EXPECT_NEAR(gbj10_89::DetailingStirrupAreaInOrder(6, 100, 150), 18.849556, 1e-6);
  EXPECT_THROW(gbj10_89::DetailingStirrupAreaInOrder(6, 100, 0), ArithmeticFault);
}

// ---- Art. 8.5.1 Minimum reinforcement

TEST(Gbj10_89, MinimumTensionRatioChangesAboveC35) {
  const struct {
    double fcm, percent;
  } cases[] = {{11, 0.15}, {16.5, 0.15}, {19, 0.15}, {19.01, 0.20}, {21.5, 0.20}, {33, 0.20}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(gbj10_89::MinimumTensionRatioPercent(c.fcm), c.percent) << c.fcm;
}

// ---- Tables

TEST(Gbj10_89, ClampedLookupHoldsTheEndValues) {
  constexpr gbj10_89::TablePoint t[] = {{1, 10}, {2, 20}, {4, 30}};
  const struct { double x, y; } cases[] = {{0, 10}, {1, 10}, {1.5, 15}, {3, 25}, {4, 30}, {9, 30}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(gbj10_89::ClampedLookup(t, c.x), c.y) << c.x;
  // a value that is not a number reads the first row
  EXPECT_EQ(gbj10_89::ClampedLookup(t, std::nan("")), 10);
}

}  // namespace
}  // namespace tk
