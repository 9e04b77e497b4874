#include "members/stair_equations.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tk::stair {
namespace {

TEST(StairEquations, SpanOfEachFlightType) {
  // Lo1 = 3000, Lo2 = 600, Lo3 = 450
  const struct {
    Flight f;
    double Lo;
  } cases[] = {{Flight::A, 3000}, {Flight::B, 3600}, {Flight::C, 3450}, {Flight::D, 4050}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(FlightSpan(c.f, 3000, 600, 450), c.Lo) << static_cast<int>(c.f);
}

TEST(StairEquations, FlightTypeByNameOrLetter) {
  const struct {
    const char* text;
    int type;  // -1: none
  } cases[] = {{"A", 0},
               {" D ", 3},
               {"B 型 （__╱ ）", 1},
               {"C 型 （ ╱￣）", 2},
               {"D 型 （__╱￣）", 3},
               {"a", -1},
               {"E", -1},
               {"", -1},
               {"B型", -1}};
  for (const auto& c : cases) {
    const auto f = FlightOf(c.text);
    EXPECT_EQ(f ? static_cast<int>(*f) : -1, c.type) << c.text;
  }
}

TEST(StairEquations, RuleThicknessRoundsUpToTheStep) {
  const struct {
    double base, div, step, h;
  } cases[] = {
      {3300, 30, 10, 110},  // exactly on the step stays
      {3350, 30, 10, 120},  // 111.67 goes up
      {3700, 28, 10, 140},  // 132.14
      {1500, 20, 10, 80},   // 75
      {4280, 12, 50, 400},  // 356.67
      {3600, 12, 50, 300},  // exactly 300
      {3610, 12, 50, 350},  // 300.83
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(RuleThickness(c.base, c.div, c.step), c.h) << c.base << "/" << c.div;
}

TEST(StairEquations, FlightGeometry) {
  // Hv = 1800, n = 12, Lo1 = 3080, h1 = 120: t = 150, w = 280, α = atan(150/280) = 28.17859°,
  // cos α = 0.8814800, Lx = 3494.1236, h1' = 136.1347, T = (150 + 272.2694)/2 = 211.1347
  const Geometry g = FlightGeometry(1800, 12, 3080, 120);
  EXPECT_DOUBLE_EQ(g.t, 150);
  EXPECT_DOUBLE_EQ(g.w, 280);
  EXPECT_NEAR(Degrees(g.alpha), 28.178590, 1e-6);
  EXPECT_NEAR(g.cosA, 0.88147997, 1e-8);
  EXPECT_NEAR(g.Lx, 3494.12364, 1e-5);
  EXPECT_NEAR(g.h1v, 136.134687, 1e-6);
  EXPECT_NEAR(g.T, 211.134687, 1e-6);
}

TEST(StairEquations, DeadLoadTerms) {
  // Pk = 0.8 kN/m over B = 1.3 m
  EXPECT_NEAR(LineLoadAsArea(0.8, 1.3), 0.6153846, 1e-7);
  // 25 kN/m³ · 0.2111347 m
  EXPECT_NEAR(WaistWeight(25, 0.2111347), 5.2783675, 1e-7);
  // 20 · 0.02 · (12·150 + 11·280) / 3080 = 0.4 · 4880 / 3080
  EXPECT_NEAR(TreadFinish(20, 0.02, 12, 150, 280, 3080), 0.6337662, 1e-7);
  // 3.5 kN/m² on 0.9 m of a 3.7 m span
  EXPECT_NEAR(Spread(3.5, 0.9, 3.7), 0.8513514, 1e-7);
  // ceiling 20 · 0.015 · (3.7 + 3.176476 − 2.8) / 3.7
  EXPECT_NEAR(CeilingLoad(20, 0.015, 3.7, 3.176476035, 2.8), 0.3305251, 1e-7);
  // stringer 1.1 · 25 · 0.2 · 0.4 · (4.28 + 3.494124 − 3.08) / 4.28
  EXPECT_NEAR(StringerWeight(kBeamFinishFactor, 25, 0.2, 0.4, 4.28, 3.49412364, 3.08), 2.4128673,
              1e-7);
}

TEST(StairEquations, LiveLoadByBuildingUse) {
  const struct {
    const char* use;
    double qk;
    const char* psi;
  } cases[] = {{"住宅", 1.5, "0.4"}, {"幼儿园", 1.5, "0.4"}, {"办公楼", 2.0, "0.4"},
               {"食堂", 2.5, "0.5"}, {"食堂 ", 2.5, "0.5"},  {" 教室", 2.5, "0.5"},
               {"看台", 3.5, "0.3"}, {"展览馆", 3.5, "0.3"}};
  for (const auto& c : cases) {
    const auto l = LiveLoadOfUse(c.use);
    ASSERT_TRUE(l) << c.use;
    EXPECT_EQ(l->qk, c.qk) << c.use;
    EXPECT_EQ(l->psi_q, c.psi) << c.use;
  }
  for (const char* other : {"仓库", "食堂餐厅", "", "2.5"}) EXPECT_FALSE(LiveLoadOfUse(other));
}

TEST(StairEquations, ShearFactorsAndCalculationSpan) {
  EXPECT_EQ(ShearFactor(Support::Hinged), 0.5);
  EXPECT_EQ(ShearFactor(Support::Fixed), 0.5);
  EXPECT_EQ(ShearFactor(Support::LowerFixed), 0.625);
  EXPECT_EQ(ShearFactor(Support::UpperFixed), 0.625);
  EXPECT_EQ(ShearFactor(Support::Restrained), 0.5);
  const struct {
    double Lo, d1, d2, L;
  } cases[] = {{3.0, 0, 0, 3.0},       // no supports: L = Lo
               {3.0, 0.2, 0.2, 3.15},  // 3.2 against 1.05·Lo = 3.15
               {3.0, 0.1, 0.1, 3.1},   // 3.1 below 3.15
               {3.7, 0.2, 0, 3.8}};
  for (const auto& c : cases)
    EXPECT_NEAR(CalculationSpan(c.Lo, c.d1, c.d2), c.L, 1e-12) << c.d1 << " " << c.d2;
}

// The moment rows of each support are read in the calculator's report lines; here the rule texts.
TEST(StairEquations, SupportRules) {
  const struct {
    const char* text;
    double divisor;
    bool known;
  } rules[] = {{"1 / 12 * q * lo ^ 2", 12, true},
               {" 1 / 40 * q * lo ^ 2 ", 40, true},
               {"1 / 24 * q * lo ^ 2", 24, true},
               {"1/12*q*lo^2", 24, false},
               {"", 24, false},
               {"1 / 16 * q * lo ^ 2", 24, false}};
  for (const auto& r : rules) {
    const SupportRule s = SupportRuleOf(r.text);
    EXPECT_EQ(s.divisor, r.divisor) << r.text;
    EXPECT_EQ(s.known, r.known) << r.text;
  }
}

TEST(StairEquations, DeflectionFactors) {
  EXPECT_EQ(DeflectionCoefficient(Support::Hinged), 5);
  EXPECT_EQ(DeflectionCoefficient(Support::Fixed), 1);
  EXPECT_EQ(DeflectionCoefficient(Support::LowerFixed), 2);
  EXPECT_EQ(DeflectionCoefficient(Support::UpperFixed), 2);
  EXPECT_EQ(DeflectionCoefficient(Support::Restrained), 3);
  const double c = 0.8814799700287821;
  // 1 + 3.08·(1 − c)/(4.28·c); without landings 1/c
  EXPECT_NEAR(InclinedLengthFactor(3.08, 4.28, c), 1.0967579, 1e-7);
  EXPECT_NEAR(InclinedLengthFactor(3.08, 3.08, c), 1.1344557, 1e-7);
  // 5/384 · 1.1 · 8.74 · 4.48⁴ / 5814.26 · 1000 mm
  EXPECT_NEAR(MidSpanDeflection(5, 1.1, 8.74, 4.48, 5814.26), 8.6728234, 1e-6);
  const struct {
    double Lo, limit;
  } limits[] = {{3.7, 200}, {6.99, 200}, {7, 250}, {9, 250}, {9.01, 300}};
  for (const auto& l : limits) EXPECT_EQ(DeflectionLimit(l.Lo), l.limit) << l.Lo;
}

TEST(StairEquations, MinimumRatioAndBarLists) {
  EXPECT_EQ(CodeMinimumRatio(19), 0.0015);
  EXPECT_EQ(CodeMinimumRatio(21.5), 0.002);
  EXPECT_EQ(CodeMinimumRatio(19.0001), 0.002);
  EXPECT_EQ(BarListFor(210, false), BarList::GradeOne);
  EXPECT_EQ(BarListFor(210.0009, true), BarList::GradeOne);
  EXPECT_EQ(BarListFor(210.001, false), BarList::Slab);
  EXPECT_EQ(BarListFor(310, false), BarList::Slab);
  EXPECT_EQ(BarListFor(310, true), BarList::BeamSlab);
  std::size_t n = 0;
  for (BarList l : {BarList::GradeOne, BarList::Slab, BarList::BeamSlab}) {
    BarListData(l, n);
    EXPECT_EQ(n, 31u);
  }
  // 6@200 = π·36/4·1000/200 = 141.3717 mm²/m, 6@150 = 188.4956, 10@100 = 785.3982
  const struct {
    BarList l;
    double As;
    int d, s;  // d = 0: none
  } cases[] = {
      {BarList::GradeOne, 141.37, 6, 200},
      {BarList::GradeOne, 141.38, 6, 150},
      {BarList::GradeOne, 785.39, 10, 100},
      // past 10@100 the grade Ⅰ list drops to 12@200 (565.5): the first pair not below is 12@125
      {BarList::GradeOne, 785.40, 12, 125},
      {BarList::Slab, 785.40, 12, 125},
      {BarList::Slab, 6135.9, 25, 80},
      {BarList::Slab, 6136.0, 0, 0},
      {BarList::BeamSlab, 100, 12, 200},
      {BarList::BeamSlab, 566, 12, 180},
  };
  for (const auto& c : cases) {
    const auto k = ChooseBars(c.l, c.As);
    if (c.d == 0) {
      EXPECT_FALSE(k) << c.As;
      continue;
    }
    ASSERT_TRUE(k) << c.As;
    const BarPair p = BarListData(c.l, n)[*k];
    EXPECT_EQ(p.d, c.d) << c.As;
    EXPECT_EQ(p.s, c.s) << c.As;
  }
  EXPECT_NEAR(AreaPerMetre({6, 200}), 141.3716694, 1e-6);
  EXPECT_NEAR(AreaPerMetre({25, 80}), 6135.9231515, 1e-6);
}

TEST(StairEquations, StringerBars) {
  const struct {
    double As;
    int n, d;
  } cases[] = {{100, 2, 12},     // two bars at least
               {245.87, 3, 12},  // 2.17 bars of 113.1
               {1000, 4, 18},    // 12..16 need five or more; 4 × 254.47
               {3000, 7, 25}};   // beyond four 25s: as many 25s as needed
  for (const auto& c : cases) {
    const BeamBars b = ChooseBeamBars(c.As);
    EXPECT_EQ(b.n, c.n) << c.As;
    EXPECT_EQ(b.d, c.d) << c.As;
    EXPECT_NEAR(b.area, c.n * M_PI * c.d * c.d / 4, 1e-9) << c.As;
  }
}

TEST(StairEquations, StirrupsOfTheStringer) {
  // (100000 − 0.07·12.5·200·375)·200 / (1.5·310·375) = 34375·200/174375
  EXPECT_NEAR(StirrupArea(100000, 12.5, 200, 375, 310, 200), 39.4265233, 1e-7);
  EXPECT_NEAR(MinimumStirrupRatio(12.5, 310), 0.000806452, 1e-9);
  EXPECT_EQ(MinimumStirrupDiameter(800), 6);
  EXPECT_EQ(MinimumStirrupDiameter(801), 8);
  const struct {
    double h;
    bool ok;
    double s;
  } cases[] = {{300, true, 200}, {300, false, 150}, {400, true, 300}, {500, false, 200},
               {800, true, 350}, {801, false, 300}, {900, true, 500}};
  for (const auto& c : cases) EXPECT_EQ(MaximumStirrupSpacing(c.h, c.ok), c.s) << c.h << c.ok;
}

}  // namespace
}  // namespace tk::stair
