#include "materials/material.h"

#include <gtest/gtest.h>

#include "frame/host.h"

namespace tk {
namespace {

TEST(Material, ConcreteColumnsByGrade) {
  clsMaterial m;
  EXPECT_FLOAT_EQ(m.CtoFcm(7.5f), 4.1f);
  EXPECT_FLOAT_EQ(m.CtoFcm(22), 0.0f);  // no such grade
  EXPECT_FLOAT_EQ(m.CtoFc(30), 15.0f);
  EXPECT_FLOAT_EQ(m.CtoFt(35), 1.65f);
  EXPECT_FLOAT_EQ(m.CtoFtk(60), 2.95f);
  EXPECT_FLOAT_EQ(m.CtoFcm(7.50001f), 4.1f);  // matched on ten times the grade, rounded
}

TEST(Material, GradeFromStrength) {
  clsMaterial m;
  EXPECT_FLOAT_EQ(m.FcToC(15.0f), 30);
  EXPECT_FLOAT_EQ(m.FcToC(3.7f), 7.5f);
  EXPECT_FLOAT_EQ(m.FcToC(16.0f), 0);
  // fcm 12.25 lies halfway between C20 (11) and C25 (13.5)
  EXPECT_FLOAT_EQ(m.FcmtoC(12.25f), 22.5f);
  EXPECT_FLOAT_EQ(m.FcmtoC(4.1f), 7.5f);
  EXPECT_FLOAT_EQ(m.FcmtoC(29.0f), 60);
  EXPECT_FLOAT_EQ(m.FcmtoC(4.0f), 0);
  EXPECT_FLOAT_EQ(m.FcmtoC(29.5f), 0);
}

TEST(Material, ElasticModuli) {
  clsMaterial m;
  EXPECT_DOUBLE_EQ(m.CtoEc(5), 14500);
  EXPECT_DOUBLE_EQ(m.CtoEc(65), 36000);
  EXPECT_DOUBLE_EQ(m.CtoEc(22.5), 26750);  // 25500 + 0.5 * 2500
  EXPECT_DOUBLE_EQ(m.FyToEs(210), 210000);
  EXPECT_DOUBLE_EQ(m.FyToEs(310), 200000);
  EXPECT_DOUBLE_EQ(m.FyToEs(260), 205000);
  EXPECT_DOUBLE_EQ(m.FyToEs(360), 195000);  // the straight line goes on past grade II
}

TEST(Material, SteelStrengthFromText) {
  clsMaterial m;
  struct Case {
    const char* text;
    double fy;
    int16_t flag;
  } cases[] = {{" Ⅱ级", 310, 1},
               {"Ⅰ级 ", 210, 1},
               {"300", 300, 1},
               {" 340.5 ", 340.5, 1},
               {"Ⅲ级", 0, 2},
               {"", 0, 2},
               {"abc", 0, 2},
               {"12abc", 0, 2},
               // as engineers type them: ASCII numerals, digits, later code editions' grades
               {"II级", 310, 1},
               {"Ⅱ", 310, 1},
               {"II", 310, 1},
               {" ii级 ", 310, 1},
               {"2级", 310, 1},
               {"HRB335", 310, 1},
               {"hrb335", 310, 1},
               {"I级", 210, 1},
               {"Ⅰ", 210, 1},
               {"I", 210, 1},
               {"1级", 210, 1},
               {"HPB235", 210, 1},
               // class Ⅲ is recognised but has no strength here; near misses stay unknown
               {"HRB400", 0, 2},
               {"RRB400", 0, 2},
               {"III级", 0, 2},
               {"3级", 0, 2},
               {"IV级", 0, 2},
               {"HRB33", 0, 2},
               {"II级钢", 0, 2},
               {"2", 2, 1}};
  for (const auto& c : cases) {
    int16_t I = 0, I1 = 0;
    EXPECT_DOUBLE_EQ(m.dGanJinFy(c.text, &I), c.fy) << c.text;
    EXPECT_EQ(I, c.flag) << c.text;
    EXPECT_DOUBLE_EQ(m.dGanJinFy1(c.text, &I1), c.fy) << c.text;
    EXPECT_EQ(I1, c.flag) << c.text;
    EXPECT_DOUBLE_EQ(m.dGanJinFy(c.text), c.fy);  // flag left out
  }
}

TEST(Material, UnrecognisedSteelGradeMessageNamesTheText) {
  for (const char* ok : {"Ⅱ级", "II级", "2级", "HRB335", "HPB235", "310", " 300 "})
    EXPECT_EQ(SteelGradeProblem(ok), "") << ok;
  const std::string unknown = SteelGradeProblem(" Ⅱ级钢 ");
  EXPECT_NE(unknown.find("钢筋等级“Ⅱ级钢”无法识别。"), std::string::npos) << unknown;
  EXPECT_NE(unknown.find("steel grade “Ⅱ级钢” not recognised"), std::string::npos) << unknown;
  const std::string third = SteelGradeProblem("HRB400");
  EXPECT_NE(third.find("“HRB400”为Ⅲ级钢筋"), std::string::npos) << third;
  EXPECT_NE(SteelGradeProblem("").find("“”"), std::string::npos);
}

TEST(Material, BarDiameterFromArea) {
  clsMaterial m;
  EXPECT_DOUBLE_EQ(m.dGjDiameterFromAs(157, 2), 10);  // 78.5 mm² per bar: d = 9.997
  EXPECT_DOUBLE_EQ(m.dGjDiameterFromAs(314.1),
                   20);  // one bar when the count is left out: d = 19.998
  EXPECT_DOUBLE_EQ(m.dGjDiameterFromAs(314.2), 22);  // d = 20.001 is above 20
  EXPECT_DOUBLE_EQ(m.dGjDiameterFromAs(300), 20);    // d = 19.54 -> next size up
  EXPECT_DOUBLE_EQ(m.dGjDiameterFromAs(0), 6);
  EXPECT_DOUBLE_EQ(m.dGjDiameterFromAs(1256.0), 40);  // d = 39.989 -> the 40 mm bar
  EXPECT_DOUBLE_EQ(m.dGjDiameterFromAs(1256.7), 40);  // d = 40.001, above 40: itself, rounded
  // above 40 mm the diameter itself, to the whole millimetre: 2*sqrt(2000/pi) = 50.46
  EXPECT_DOUBLE_EQ(m.dGjDiameterFromAs(2000), 50);
  EXPECT_DOUBLE_EQ(m.dGjDiameterFromAs(100, 0), 0);
  EXPECT_DOUBLE_EQ(m.dGjDiameterFromAs(-5, 1), 0);
}

TEST(Material, EffectiveFlangeWidth) {
  clsMaterial m;
  // T: r = 100/(600-35) = 0.177 >= 0.1; w1 = 6000/3 = 2000, w2 = 250 + 12*100 = 1450
  EXPECT_DOUBLE_EQ(m.dBf1_AutoCal("T形截面", 6000, 250, 600, 35, 100), 1450);
  // T with a short span: w1 = 3000/3 = 1000 governs
  EXPECT_DOUBLE_EQ(m.dBf1_AutoCal("T形", 3000, 250, 600, 35, 100), 1000);
  // 0.05 <= r < 0.1: r = 40/565 = 0.0708, w2 = 250 + 6*40 = 490
  EXPECT_DOUBLE_EQ(m.dBf1_AutoCal("T形截面", 6000, 250, 600, 35, 40), 490);
  // r < 0.05: w2 = b
  EXPECT_DOUBLE_EQ(m.dBf1_AutoCal("T形截面", 6000, 250, 600, 35, 20), 250);
  // inverted L: k = 0.5, w1 = 1000, w2 = 250 + 6*100 = 850
  EXPECT_DOUBLE_EQ(m.dBf1_AutoCal("倒L形截面", 6000, 250, 600, 35, 100), 850);
  // other shapes: k = 0, width b
  EXPECT_DOUBLE_EQ(m.dBf1_AutoCal("矩形截面", 6000, 250, 600, 35, 100), 250);
  EXPECT_DOUBLE_EQ(m.dBf1_AutoCal("T形截面", 6000, 250, 600, 600, 100), 0);  // h = as
}

TEST(Material, FillsGradeComboBox) {
  clsMaterial m;
  auto cbo = std::make_shared<MemoryControl>();
  auto lbl = std::make_shared<MemoryControl>();
  cbo->list = {"old"};
  m.HntQdAddCboB(2, cbo, lbl, "12.5");
  EXPECT_EQ(GetText(lbl, "Caption"), "轴心抗压强度fc (N/mm²)：");
  EXPECT_EQ(GetText(lbl, "ToolTipText"), " 混凝土轴心抗压强度fc (N/mm²) ");
  ASSERT_EQ(cbo->list.size(), 12u);
  EXPECT_EQ(cbo->list.front(), "3.7");
  EXPECT_EQ(cbo->list.back(), "26.5");
  EXPECT_EQ(GetText(cbo), "12.5");
  m.HntQdAddCboB(1, cbo, lbl, "2.00");
  EXPECT_EQ(cbo->list[1], "0.90");
  EXPECT_EQ(GetText(lbl, "Caption"), "抗拉强度标准值ftk (MPa)：");
  // absent controls and an unknown list kind do nothing
  m.HntQdAddCboB(0, nullptr, nullptr, "30");
  m.HntQdAddCboB(9, cbo, lbl, "x");
  EXPECT_EQ(GetText(cbo), "2.00");
}

}  // namespace
}  // namespace tk
