#include "codes/gbj7_89.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

namespace c = gbj7_89;

TEST(Gbj7_89, BearingCapacityWithItsLimits) {
  const struct {
    double b, d, fk, f;
  } cases[] = {
      // fk + 0.3·18·(b − 3) + 1.6·18·(d − 0.5), b limited to 3..6 m, d from 0.5 m
      {2.5, 1.5, 200, 228.8},  // b -> 3
      {4.0, 1.5, 200, 234.2},  // 200 + 5.4 + 28.8
      {7.0, 1.5, 200, 245.0},  // b -> 6: 200 + 16.2 + 28.8
      {3.0, 0.3, 200, 200.0},  // d -> 0.5
      {3.0, 2.0, 150, 193.2},  // 150 + 0 + 43.2
  };
  for (const auto& k : cases)
    EXPECT_NEAR(c::BearingCapacity(k.fk, 0.3, 18, c::CorrectionWidth(k.b), 1.6, 18,
                                   c::CorrectionDepth(k.d)),
                k.f, 1e-9)
        << k.b << " " << k.d;
  EXPECT_NEAR(c::kFloorFactor * 100, 110.0, 1e-12);
}

TEST(Gbj7_89, BasePressures) {
  // F + G = 1000, A = 9, B = L = 3: W = 4.5; M = 500: 111.11 ± 111.11
  EXPECT_DOUBLE_EQ(c::BaseModulus(3, 3), 4.5);
  EXPECT_NEAR(c::AxialPressure(1000, 9), 111.1111, 1e-4);
  EXPECT_NEAR(c::EdgePressureMax(1000, 9, 500, 4.5), 222.2222, 1e-4);
  EXPECT_NEAR(c::EdgePressureMin(1000, 9, 500, 4.5), 0, 1e-12);
  // e = 0.501: a = 0.999, 2·1000/(3·3·0.999) = 222.4447
  EXPECT_NEAR(c::EdgePressureBeyondKern(1000, 3, 0.999), 222.4447, 1e-4);
  // B = 2, L = 3 about the axis across L: W = 2·9/6 = 3
  EXPECT_DOUBLE_EQ(c::BaseModulus(2, 3), 3.0);
}

TEST(Gbj7_89, FaceMomentsAndPressure) {
  const struct {
    double L, cL, B, cB, pmax, p, pmin, GA, MI, MII;
  } cases[] = {
      // uniform 255.61, G/A 33.39: 2.5²·6.5·(2·255.61 − 2·33.39)/48 = 376.1536 both ways
      {3, 0.5, 3, 0.5, 255.61, 255.61, 255.61, 33.39, 376.1536, 376.1536},
      // 3 × 2 base, column 0.6 × 0.4, pmax 300, p 260 (MⅠ) / pmin 200 (MⅡ), G/A 40:
      //   MⅠ = 2.4²·(4 + 0.4)·(300 + 260 − 80)/48 = 5.76·4.4·480/48 = 253.44
      //   MⅡ = 1.6²·(6 + 0.6)·(300 + 200 − 80)/48 = 2.56·6.6·420/48 = 147.84
      {3, 0.6, 2, 0.4, 300, 260, 200, 40, 253.44, 147.84},
  };
  for (const auto& k : cases) {
    EXPECT_NEAR(c::FaceMomentI(k.L, k.cL, k.B, k.cB, k.pmax, k.p, k.GA), k.MI, 1e-3);
    EXPECT_NEAR(c::FaceMomentII(k.L, k.cL, k.B, k.cB, k.pmax, k.pmin, k.GA), k.MII, 1e-3);
  }
  // pmin 222.28 + (288.94 − 222.28)·3.5/6 = 261.165
  EXPECT_NEAR(c::FacePressure(3, 0.5, 288.94, 222.28), 261.165, 1e-9);
}

TEST(Gbj7_89, SlabCapacitiesAndLimits) {
  // 0.6·1.1·1.06·560 = 391.776 kN; bm = (0.5 + 1.62)/2
  EXPECT_NEAR(c::PunchingCapacity(1.1, 1.06, 560), 391.776, 1e-9);
  EXPECT_DOUBLE_EQ(c::PunchingMeanWidth(0.5, 1.62), 1.06);
  // 0.07·10·2.5·560 = 980; seismic 0.056·10·2.5·560/0.85 = 922.353
  EXPECT_NEAR(c::SlabShearCapacity(10, 2.5, 560), 980, 1e-9);
  EXPECT_NEAR(c::SlabShearCapacitySeismic(10, 2.5, 560), 922.3529, 1e-4);
  EXPECT_NEAR(c::SeismicBearingCapacity(1.3, 228.8), 297.44, 1e-9);
  const struct {
    double grade, rho;
  } mins[] = {{20, 0.0015}, {35, 0.0015}, {40, 0.002}, {60, 0.002}};
  for (const auto& m : mins) EXPECT_EQ(c::MinimumSteelRatio(m.grade), m.rho) << m.grade;
}

TEST(Gbj7_89Earth, SurchargeAndCohesionFactors) {
  // q = 10, γ = 18, h = 5 on a vertical back (α = 90°) under level backfill:
  // κq = 1 + 2·10/18/5 = 1.222222; η = 2·10/18/5 = 0.222222
  EXPECT_NEAR(gbj7_89::SurchargeFactor(10, 18, 5, 90, 0), 1.222222, 1e-6);
  EXPECT_NEAR(gbj7_89::CohesionFactor(10, 18, 5), 0.222222, 1e-6);
  // α = 80°, β = 10°: 1 + 0.222222·sin80°·cos10°/sin90° = 1 + 0.222222·0.969846 = 1.215521
  EXPECT_NEAR(gbj7_89::SurchargeFactor(10, 18, 5, 80, 10), 1.215521, 1e-6);
}

// Vertical smooth back, level cohesionless backfill, no load: κq = 1, η = 0 and Ka reduces to
// Rankine's tan²(45° − φ/2): 1/3 at φ = 30°, 0.490291 at 20°, 0.217443 at 40°.
TEST(Gbj7_89Earth, RankineCaseOfTheActiveCoefficient) {
  const struct {
    double phi, Ka;
  } cases[] = {{0, 1.0}, {20, 0.490291}, {30, 1.0 / 3}, {40, 0.217443}};
  for (const auto& c : cases) {
    const gbj7_89::KaParts p = gbj7_89::ActiveCoefficientParts(1, 0, c.phi, 90, 0, 0);
    EXPECT_NEAR(gbj7_89::ActiveCoefficient(p), c.Ka, 1e-6) << c.phi;
  }
  // Ea = 0.5·18·5²·(1/3) = 75 kN/m
  EXPECT_NEAR(gbj7_89::ActiveThrust(18, 5, 1.0 / 3), 75, 1e-9);
}

}  // namespace
}  // namespace tk
