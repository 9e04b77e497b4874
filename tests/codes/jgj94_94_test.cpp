#include "codes/jgj94_94.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

TEST(Jgj94_94, Table542ReadLinearlyAndHeldAtTheEndRows) {
  const struct {
    double ah;
    bool fixed;
    double vm, vx;
  } cases[] = {
      {1.0, false, 0.601, 3.526},  // below 2.4: the 2.4 row
      {2.5, false, (0.601 + 0.639) / 2, (3.526 + 3.163) / 2},
      {2.7, true, (1.018 + 0.990) / 2, (1.079 + 1.055) / 2},
      {3.25, true, (0.967 + 0.934) / 2, (1.028 + 0.970) / 2},
      {4.0, false, 0.768, 2.441},
      {9.8, true, 0.926, 0.940},  // above 4: the 4.0 row
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(jgj94_94::MomentCoefficient(c.ah, c.fixed), c.vm, 1e-12) << c.ah;
    EXPECT_NEAR(jgj94_94::DisplacementCoefficient(c.ah, c.fixed), c.vx, 1e-12) << c.ah;
  }
}

TEST(Jgj94_94, CalculationWidthOnBothSidesOfOneMetre) {
  const struct {
    double d_mm;
    bool circular;
    double bo;
  } cases[] = {{800, true, 0.9 * 1.7}, {1000, true, 0.9 * 2.0}, {1200, true, 0.9 * 2.2},
               {400, false, 1.1},      {1000, false, 2.0},      {1200, false, 2.2}};
  for (const auto& c : cases)
    EXPECT_NEAR(jgj94_94::CalculationWidth(c.d_mm, c.circular), c.bo, 1e-12) << c.d_mm;
}

// Bored pile d = 0.8 m, αE = 6.667, ρg = 0.0048, do = 0.7 m, C30 (Ec 30000, ft 1.5), m = 10:
//   Wo = π·0.8/32·(0.64 + 2·5.667·0.0048·0.49) = 0.0523592 m³
//   An = π·0.64/4·(1 + 5.667·0.0048) = 0.5163278 m²
//   EI = 0.85·30000·1000·0.0209436 = 534061.8 kN·m²; α = (10000·1.53/534062.21)^0.2 = 0.491383
//   Rh = 0.4914·2·1500·0.052359/0.768·(1.25 + 22·0.0048)·(1 ± 0.5·1000/(2·1500·0.516327))
//      = 180.2229 kN in compression, 92.2656 kN in tension
//   by displacement: 0.5³·500000/2.441·0.01 = 256.0426 kN
TEST(Jgj94_94, LateralCapacityOfAPile) {
  EXPECT_NEAR(jgj94_94::SectionModulusCircular(0.8, 6.667, 0.0048, 0.7), 0.0523592, 1e-7);
  EXPECT_NEAR(jgj94_94::AreaCircular(0.8, 6.667, 0.0048), 0.5163278, 1e-7);
  EXPECT_NEAR(jgj94_94::SectionModulusSquare(0.6), 0.036, 1e-12);
  EXPECT_NEAR(jgj94_94::FlexuralStiffness(30000, 0.0209436), 534061.8, 1e-6);
  EXPECT_NEAR(jgj94_94::DeformationCoefficient(10000, 1.53, 534062.21), 0.491383, 1e-6);
  EXPECT_NEAR(jgj94_94::LateralCapacityByCracking(0.4914, 2, 1500, 0.052359, 0.768, 0.0048, 0.5,
                                                  1000, 0.516327, true),
              180.2229, 1e-4);
  EXPECT_NEAR(jgj94_94::LateralCapacityByCracking(0.4914, 2, 1500, 0.052359, 0.768, 0.0048, 0.5,
                                                  1000, 0.516327, false),
              92.2656, 1e-4);
  EXPECT_NEAR(jgj94_94::LateralCapacityByDisplacement(0.5, 500000, 2.441, 0.01), 256.0426, 1e-4);
  EXPECT_EQ(jgj94_94::PlasticFactor(true), 2.0);
  EXPECT_EQ(jgj94_94::PlasticFactor(false), 1.75);
  EXPECT_EQ(jgj94_94::AxialInfluence(true), 0.5);
  EXPECT_EQ(jgj94_94::AxialInfluence(false), 1.0);
}

TEST(Jgj94_94, LoadTestStatistics) {
  // Qum = 30600 / 6 = 5100; Sn = (0.08 / 2)^0.5 = 0.2
  EXPECT_DOUBLE_EQ(jgj94_94::MeanCapacity(30600, 6), 5100);
  EXPECT_NEAR(jgj94_94::StandardDeviation(0.08, 3), 0.2, 1e-12);
  // λ of two piles (table C-5): 1 below 0.21, linear between the columns
  const struct {
    double delta, lambda;
  } two[] = {{0.10, 1.0}, {0.21, 1.0}, {0.225, 0.995}, {0.40, 0.91 - 0.01 / 3}, {0.51, 0.85}};
  for (const auto& c : two)
    EXPECT_NEAR(jgj94_94::LambdaTwoPiles(c.delta), c.lambda, 1e-6) << c.delta;
  // λ of three piles (table C-6): on a grid point, between two rows, and beside the empty cells
  const struct {
    double alpha2, delta, lambda;
  } three[] = {{1.00, 0.30, 1.00},
               {0.96, 0.315, (0.985 + 0.995) / 2},
               {0.84, 0.48, 0.93},
               {0.88, 0.50, (0.93 - 0.02 / 3 + 0.94 - 0.02 / 3) / 2}};
  for (const auto& c : three)
    EXPECT_NEAR(jgj94_94::LambdaThreePiles(c.alpha2, c.delta), c.lambda, 1e-6) << c.alpha2;
  // eq. C-4 with Σαi = 2, Σαi² = 2.1, n = 4, m = 1:
  // A0 = 2.1 + 4 = 6.1, A1 = −16, A2 = 0.127 − 4.508 + 16 = 11.619, A3 = 0.441, A4 = −0.126
  const jgj94_94::Quartic q = jgj94_94::LambdaEquation(2, 2.1, 4, 1);
  const double want[5] = {6.1, -16, 11.619, 0.441, -0.126};
  for (int k = 0; k < 5; ++k) EXPECT_NEAR(q.A[k], want[k], 1e-12) << k;
}

}  // namespace
}  // namespace tk
