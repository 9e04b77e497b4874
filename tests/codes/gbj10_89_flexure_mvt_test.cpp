// Flexure equations of sections with compression steel and flanges (GBJ 10-89 4.1.5-4.1.7,
// 8.5.1) and the frame-beam limits of GBJ 11-89 6.3.3, worked by hand.
#include <gtest/gtest.h>

#include "codes/gbj10_89.h"
#include "codes/gbj11_89.h"

namespace tk {
namespace {

// fy = 310, Es = 2.0e5: ξb = 0.8 / (1 + 310/660) = 0.544330; ξb − 0.8 = −0.255670 and
// fy·As/(ξb − 0.8) = 930000/(−0.255670) = −3637500 for As = 3000 (fcm 11, b 200, ho 465:
// fcm·b·ho = 1023000).
TEST(Gbj10_89FlexureMvt, OverReinforcedDepthWithCompressionForces) {
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

TEST(Gbj10_89FlexureMvt, MomentCapacities) {
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

TEST(Gbj10_89FlexureMvt, MinimumTensionRatioChangesAboveC35) {
  const struct {
    double fcm, percent;
  } cases[] = {{11, 0.15}, {16.5, 0.15}, {19, 0.15}, {19.01, 0.20}, {21.5, 0.20}, {33, 0.20}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(gbj10_89::MinimumTensionRatioPercent(c.fcm), c.percent) << c.fcm;
}

TEST(Gbj11_89FlexureMvt, FrameBeamRatiosByGrade) {
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

}  // namespace
}  // namespace tk
