// Members under torsion with shear, GBJ 10-89 art. 4.4. Common section: 250*600, ho = 565
// (b·ho = 141250), fc 15, ft 1.5, fy 310, fyv 210, s 100; Wt = 250²·(3·600 − 250)/6 = 16145833.3.
#include <gtest/gtest.h>

#include "codes/gbj10_89.h"
#include "frame/fault.h"

namespace tk {
namespace {

namespace g = gbj10_89;

constexpr double kWt = 62500.0 * 1550 / 6;  // 16145833.33 mm³

TEST(Gbj10_89Torsion, PlasticModuliAndFlangeWidth) {
  const struct {
    const char* name;
    double got, want;
  } cases[] = {
      {"rectangle 250*600: 62500*1550/6", g::TorsionModulusRect(250, 600), 16145833.333},
      {"square 300*300: 90000*600/6", g::TorsionModulusRect(300, 300), 9.0e6},
      {"flange 100 thick, 600 overhang: 10000*600/2", g::TorsionModulusFlange(100, 850, 250),
       3.0e6},
      {"flange as wide as the web", g::TorsionModulusFlange(100, 250, 250), 0},
      {"flange narrower than the web counts nothing", g::TorsionModulusFlange(100, 200, 250), 0},
      {"widest flange b + 6hf", g::TorsionFlangeWidthMax(250, 100), 850},
      {"web share 16145833/19145833 of 30 kN·m", g::TorqueShare(kWt, 30e6, kWt + 3e6), 25299238.3},
      {"flange share 3e6/19145833 of 30 kN·m", g::TorqueShare(3e6, 30e6, kWt + 3e6), 4700761.7},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.want, 1e-3 * (1 + c.want * 1e-6)) << c.name;
}

TEST(Gbj10_89Torsion, ConcreteReductionFactorAndItsBounds) {
  const struct {
    const char* name;
    double raw, want_raw, bounded;
  } cases[] = {
      // 1.5/(1 + 0.5·120000·Wt/(30e6·141250)) = 1.5/1.228589 = 1.220888 -> 1.0
      {"general, above 1.0", g::TorsionConcreteFactorRaw(120000, kWt, 30e6, 250, 565), 1.2208884,
       1.0},
      // 1.5/(1 + 0.5·200000·Wt/(5e6·141250)) = 1.5/3.286136 = 0.456463 -> 0.5
      {"general, below 0.5", g::TorsionConcreteFactorRaw(200000, kWt, 5e6, 250, 565), 0.4564632,
       0.5},
      // λ = 1500/565 = 2.654867: 1.5/(1 + 0.17·4.154867·120000·Wt/(30e6·141250)) = 1.133828
      {"concentrated, above 1.0",
       g::TorsionConcreteFactorConcentratedRaw(1500.0 / 565, 120000, kWt, 30e6, 250, 565),
       1.1338279, 1.0},
      // λ = 2.5: 1.5/(1 + 0.17·4·200000·Wt/(10e6·141250)) = 1.5/2.554578 = 0.587182, kept
      {"concentrated, within bounds",
       g::TorsionConcreteFactorConcentratedRaw(2.5, 200000, kWt, 10e6, 250, 565), 0.5871824,
       0.5871824},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(c.raw, c.want_raw, 1e-7) << c.name;
    EXPECT_NEAR(g::TorsionConcreteFactor(c.raw), c.bounded, 1e-7) << c.name;
  }
  // the bounds themselves are kept
  EXPECT_EQ(g::TorsionConcreteFactor(0.5), 0.5);
  EXPECT_EQ(g::TorsionConcreteFactor(1.0), 1.0);
  // without torque there is no factor: the division is trapped
  EXPECT_THROW(g::TorsionConcreteFactorRaw(120000, kWt, 0, 250, 565), ArithmeticFault);
}

TEST(Gbj10_89Torsion, SectionStressAndNeglectLimits) {
  const struct {
    const char* name;
    double got, want;
  } cases[] = {
      // 300000/141250 + 40e6/Wt = 2.123894 + 2.477419 = 4.601313
      {"V/(b·ho) + T/Wt", g::ShearTorsionStress(300000, 250, 565, 40e6, kWt), 4.6013132},
      {"0.035·fc·b·ho", g::ShearNeglectLimit(15, 250, 565), 74156.25},
      {"0.1·fc·b·ho/(λ + 1.5), λ = 2.5", g::ShearNeglectLimitConcentrated(15, 250, 565, 2.5),
       52968.75},
      {"0.028·fc·b·ho/0.85", g::ShearNeglectLimitSeismic(15, 250, 565, 0.85), 69794.1176},
      {"0.08·fc·b·ho/(λ + 1.5)/0.85, λ = 2.5",
       g::ShearNeglectLimitSeismicConcentrated(15, 250, 565, 2.5, 0.85), 49852.9412},
      {"0.175·ft·Wt", g::TorsionNeglectLimit(1.5, kWt), 4238281.25},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.want, 1e-4) << c.name;
  EXPECT_THROW(g::ShearTorsionStress(300000, 250, 565, 40e6, 0), ArithmeticFault);
}

TEST(Gbj10_89Torsion, StirrupsForShearWithTorsion) {
  // βt = 0.8, V = 120 kN (200 kN with earthquake action), λ = 2.5.
  const struct {
    const char* name;
    double got, want;
  } cases[] = {
      // (120000 − 0.07·0.7·15·141250)·100/1.5/210/565 = 1618125/177975
      {"ordinary", g::StirrupsShearTorsion(120000, 0.8, 15, 250, 565, 100, 210), 9.0918668},
      // (120000 − 0.2·0.7·15·141250/4)·100/1.25/210/565 = 4584375/148312.5
      {"concentrated",
       g::StirrupsShearTorsionConcentrated(120000, 0.8, 15, 250, 565, 2.5, 100, 210), 30.9102402},
      // (200000·0.85 − 0.056·0.7·15·141250)·100/1.2/210/565 = 8694500/142380
      {"seismic", g::StirrupsShearTorsionSeismic(200000, 0.85, 0.8, 15, 250, 565, 100, 210),
       61.0654586},
      // (200000·0.85 − 0.16·0.7·15·141250/4)·100/210/565 = 11067500/118650
      {"seismic, concentrated",
       g::StirrupsShearTorsionSeismicConcentrated(200000, 0.85, 0.8, 15, 250, 565, 2.5, 100, 210),
       93.2785504},
      // a shear below the concrete part gives a negative area; the stage cuts it at zero
      {"ordinary, concrete suffices", g::StirrupsShearTorsion(50000, 0.8, 15, 250, 565, 100, 210),
       (50000 - 103818.75) * 100 / 177975.0},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.want, 1e-6) << c.name;
}

TEST(Gbj10_89Torsion, TorsionSteelAndMinimums) {
  // core 200*550: Acor 110000, Ucor 1500; ζ = 1
  const double leg = g::TorsionStirrupLeg(30e6, 1.0, 1.5, kWt, 100, 1.0, 210, 110000);
  const struct {
    const char* name;
    double got, want, tol;
  } cases[] = {
      // (30e6 − 0.35·1.5·Wt)·100/1.2/210/110000 = 21523437.5·100/27720000
      {"leg, pure torsion", leg, 77.6458784, 1e-6},
      // (30e6 − 0.35·0.8·1.5·Wt)·100/1.2/210/110000 = 23218750·100/27720000
      {"leg, βt = 0.8", g::TorsionStirrupLeg(30e6, 0.8, 1.5, kWt, 100, 1.0, 210, 110000),
       83.7617244, 1e-6},
      // ζ = 1.44: the leg is 1.2 times smaller
      {"leg, ζ = 1.44", g::TorsionStirrupLeg(30e6, 1.0, 1.5, kWt, 100, 1.44, 210, 110000),
       77.6458784 / 1.2, 1e-6},
      // a torque below the concrete part: (4e6 − 8476562.5)·100/27720000
      {"leg, concrete suffices", g::TorsionStirrupLeg(4e6, 1.0, 1.5, kWt, 100, 1.0, 210, 110000),
       -16.1492154, 1e-6},
      {"Ucor = 2·(200 + 550)", g::CorePerimeter(200, 550), 1500, 0},
      // 210·77.6459·1500·1/(310·100)
      {"Astl from ζ = 1", g::TorsionLongitudinal(210, leg, 1500, 1.0, 310, 100), 788.9823130, 1e-6},
      // (0.07·1 − 0.015)·15/210 and (0.07·0.8 − 0.015)·15/210
      {"ρsv,min, βt = 1", g::MinStirrupRatioTorsion(1.0, 15, 210), 0.0039285714, 1e-10},
      {"ρsv,min, βt = 0.8", g::MinStirrupRatioTorsion(0.8, 15, 210), 0.0029285714, 1e-10},
      // 0.08·(2·1 − 1)·15/310, 0.08·(2·0.8 − 1)·15/310, and nothing at βt = 0.5
      {"ρtl,min, βt = 1", g::MinLongitudinalRatioTorsion(1.0, 15, 310), 0.0038709677, 1e-10},
      {"ρtl,min, βt = 0.8", g::MinLongitudinalRatioTorsion(0.8, 15, 310), 0.0023225806, 1e-10},
      {"ρtl,min, βt = 0.5", g::MinLongitudinalRatioTorsion(0.5, 15, 310), 0, 1e-15},
  };
  for (const auto& c : cases) EXPECT_NEAR(c.got, c.want, c.tol) << c.name;
  EXPECT_THROW(g::TorsionLongitudinal(210, leg, 1500, 1.0, 310, 0), ArithmeticFault);
}

}  // namespace
}  // namespace tk
