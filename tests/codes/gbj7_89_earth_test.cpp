#include "codes/gbj7_89_earth.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

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
