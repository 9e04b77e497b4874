// Torsion stage of MVTCommon. Common data: rectangle 250*600, as 35 (c = 25, ho = 565), C30
// (fc 15, ft 1.5), fy 310, fyv 210, S 100, M 150, mode 0.
// Wt = 250^2*(3*600 - 250)/6 = 16145833; Acor = 200*550 = 110000; Ucor = 2*(200 + 550) = 1500.
#include <vector>

#include "section/mvt_fixture.h"

namespace tk {
namespace {

using mvt_test::In;
using mvt_test::Mvt;

In Base(double V, double T) {
  In in;
  in.M = 150;
  in.V = V;
  in.T = T;
  return in;
}

TEST(MvtTorsion, Branches) {
  struct Case {
    const char* name;
    double V, T;
    double Ast1, AstL, Asvt;
    const char* line;
  } cases[] = {
      // βt = 1.5/(1 + 0.5*120000*16145833/(30e6*250*565)) = 1.2209 -> 1.0;
      // Asv = (120000 - 0.07*0.5*15*141250)*100/1.5/210/565 = 25.759;
      // Ast1 = (30e6 - 0.35*1.5*16145833)*100/1.2/210/110000 = 77.646; Astl =
      // 210*77.646*1500/310/100 = 788.98;
      // Asvt = 25.759 + 2*77.646 = 181.05 (minimum (0.07 - 0.015)*15/210*25000 = 98.2)
      {"shear and torsion", 120, 30, 77.646, 788.98, 181.05,
       "        ＝ 1.5/(1+0.5*120000*16145833/(30000000*250*565)) ＝ 1.221 ＞ 1.0，取 βt ＝ "
       "1.0\r\n"},
      // V = 10 kN ≤ 0.035*15*250*565 = 74156: pure torsion, the same Ast1 (βt not in the formula);
      // Asvt = 2*77.646 = 155.29
      {"pure torsion", 10, 30, 77.646, 788.98, 155.29,
       "        0.035*15.0*250*565 ＝ 74156 N ≥ V ＝ 10000 N，可不考虑剪力的影响\r\n"},
      // βt = 1.5/(1 + 0.5*200000*16145833/(5e6*141250)) = 1.5/3.28613 = 0.45646 -> 0.5; Asv =
      // (200000 - 0.07*15*141250)*100/1.5/210/565 = 29.042;
      // Ast1 = (5e6 - 0.35*0.5*1.5*16145833)*100/1.2/210/110000 = 2.748; Astl = 27.92 (ρtl,min =
      // 0);
      // Asvt = 29.042 + 5.496 = 34.54 < (0.035 - 0.015)*15/210*25000 = 35.714
      {"βt below 0.5", 200, 5, 2.748, 27.92, 35.714, " ＝ 0.456 ＜ 0.5，取 βt ＝ 0.5\r\n"},
      // τ = 50000/141250 + 5e6/16145833 = 0.664 ≤ 0.7*1.5 = 1.05: minimums only; βt = 0.9545:
      // ρsv,min = (0.066815 - 0.015)*15/210 = 0.0037011 -> 92.52; ρtl,min = 0.08*0.90902*15/310 =
      // 0.0035188 -> 527.78
      {"τ ≤ 0.7ft", 50, 5, 0, 527.78, 92.52,
       "        0.664 N/mm² ≤ 0.7*ft ＝ 1.050 N/mm²，仅需按构造配筋\r\n"},
      // T = 4 ≤ 0.175*1.5*16145833 = 4.238 kN·m: torsion neglected, the web takes the shear stage's
      // Asv (V 120 ≤ 148312.5: Asvmin 8.08); βt = 0.5526: ρsv,min*b*S = 42.29 governs; Astl,min
      // = 61.05
      {"torsion neglected", 120, 4, 0, 61.05, 42.29,
       "        0.175*1.50*16145833 ＝ 4.24 kN·m ≥ T ＝ 4.00 kN·m，可不进行受扭承载力计算\r\n"},
  };
  for (const auto& c : cases) {
    const auto o = Mvt(Base(c.V, c.T));
    EXPECT_EQ(o.lErr, 0) << c.name << "\n" << o.tText;
    EXPECT_NEAR(o.Ast1, c.Ast1, 0.001) << c.name;
    EXPECT_NEAR(o.AstL, c.AstL, 0.01) << c.name;
    EXPECT_NEAR(o.Asvt, c.Asvt, 0.01) << c.name;
    EXPECT_TRUE(o.Has(c.line)) << c.name << "\n" << o.tText;
  }
}

TEST(MvtTorsion, ReportLinesOfTheWebDesign) {
  const auto o = Mvt(Base(120, 30));
  EXPECT_TRUE(o.Has("      c ＝ as - 10 ＝ 35-10 ＝ 25 mm\r\n"));
  EXPECT_TRUE(o.Has("      Wt ＝ b^2 * (3h - b) / 6 ＝ 250^2*(3*600-250)/6 ＝ 16145833 mm³\r\n"));
  EXPECT_FALSE(o.Has("腹板和翼缘扭矩的分配"));  // a rectangle has no torque shares
  EXPECT_TRUE(o.Has("      Acor ＝ bcor * hcor ＝ (250-2*25)*(600-2*25) ＝ 110000 mm²\r\n"));
  EXPECT_TRUE(o.Has(
      "        ＝ (30000000-0.35*1.000*1.50*16145833)*100/1.2/1.0^0.5/210/110000 ＝ 77.65 mm²\r\n"))
      << o.tText;
  EXPECT_TRUE(
      o.Has("      Astl ＝ fyv * Ast1 * Ucor * ζ / fy / S ＝ 210*77.65*1500*1.0/310/100 ＝ 788.98 "
            "mm²\r\n"));
  // one leg of 77.65 mm² needs d = 2*(77.65/π)^0.5 = 9.94 -> 10 > the shear stage's 6
  EXPECT_FLOAT_EQ(o.Dmin, 10);
  EXPECT_TRUE(
      o.Has("      按受扭计算 Ast1 ＝ 77.65 mm²， 箍筋最小直径\xEE\x80\x80"
            "10  （@100）\r\n"));
  EXPECT_TRUE(
      o.Has("      腹板箍筋计算配筋面积Asvt ＝ Asv + 2 * Ast1 ＝ 25.76+2*77.65 ＝ 181.05 mm²\r\n"));
}

TEST(MvtTorsion, EarthquakeAndConcentratedForms) {
  // earthquake, grade 2, V 200, T 30: βt -> 1.0;
  // Asv = (200000*0.85 - 0.056*0.5*15*141250)*100/1.2/210/565 = 77.732; Asvt = 77.732 + 2*77.646 =
  // 233.02
  In in = Base(200, 30);
  in.bEA = true;
  in.pos = 2;
  auto o = Mvt(in);
  EXPECT_EQ(o.lErr, 0) << o.tText;
  EXPECT_NEAR(o.Asvt, 233.024, 0.001);
  // concentrated load, a = 1500: λ = 2.6549, βt = 1.5/(1 +
  // 0.17*4.1549*120000*16145833/(30e6*141250)) = 1.134 -> 1.0; Asv = (120000 -
  // 0.2*0.5*15*141250/4.1549)*100/1.25/210/565 = (120000 - 50994.4)/1483.125 = 46.527
  in = Base(120, 30);
  in.bConF = true;
  in.A = 1500;
  o = Mvt(in);
  EXPECT_NEAR(o.Asvt, 46.527 + 2 * 77.646, 0.002);
  EXPECT_TRUE(
      o.Has("        ＝ 1.5/[1+0.17*(2.655+1.5)*120000*16145833/(30000000*250*565)] ＝ 1.134 ＞ "
            "1.0，取 βt ＝ 1.0\r\n"))
      << o.tText;
}

TEST(MvtTorsion, TSectionFlangeLimitedToSixThicknesses) {
  // bf' = 1050 = b + 8hf': bf' = 250 + 6*100 = 850 for Wtf' and the core; Wtf' = 100^2*600/2 = 3e6;
  // Wt = 16145833 + 3e6 = 19145833; Tw = 16145833/19145833*30 = 25.299 kN·m, Tf' = 4.701 kN·m.
  // Web: Ast1 = (25299238 - 0.35*1.5*16145833)*100/1.2/210/110000 = 60.688.
  // Flange: core (600 - 50)*(100 - 50) = 27500; Ast1f' = (4700762 - 0.35*1.5*3e6)*100/1.2/210/27500
  // = 45.105, below 0.5*ρsv,min*(bf' - b)*S = 0.5*0.0039286*600*100 = 117.86 -> 117.86
  In in = Base(120, 30);
  in.shape = "T形截面";
  in.Bf1 = 1050;
  in.Hf1 = 100;
  const auto o = Mvt(in);
  EXPECT_EQ(o.lErr, 0) << o.tText;
  EXPECT_FLOAT_EQ(o.in.Bf1, 1050);  // the caller's width is not changed
  EXPECT_NEAR(o.Ast1, 60.688, 0.001);
  EXPECT_TRUE(o.Has("        bf' ＞ b + 6 * hf' ＝ 850 mm，取 bf' ＝ 850 mm\r\n"));
  EXPECT_TRUE(
      o.Has("      受压翼缘的受扭塑性抵抗矩Wtf' ＝ hf' ^ 2 * (bf' - b) / 2 ＝ 100^2*(850-250)/2 ＝ "
            "3000000 mm³\r\n"));
  EXPECT_TRUE(o.Has("      Tw ＝ Wtw / Wt * T ＝ 16145833/19145833*30.00 ＝ 25.30 kN·m\r\n"))
      << o.tText;
  EXPECT_TRUE(o.Has("      Acor ＝ bcor * hcor ＝ (850-250-2*25)*(100-2*25) ＝ 27500 mm²\r\n"));
  EXPECT_TRUE(o.Has("＝ 45.1 mm²\r\n"));
  EXPECT_TRUE(o.Has("        Ast1f' ＜ 0.5 * Ast1f',min， 取Ast1f' ＝ 117.86 mm²\r\n"));
  // hw = h - hf' = 500 for the section check
  EXPECT_TRUE(o.Has("      hw / b ＝ 500/250 ＝ 2.00 ＜ 6 ，截面高宽比满足要求\r\n"));
}

TEST(MvtTorsion, ErrorsThatLetTheStageGoOn) {
  // τ = 300000/141250 + 40e6/16145833 = 4.601 > 0.25*15 = 3.75: 3320, the design goes on
  auto o = Mvt(Base(300, 40));
  EXPECT_EQ(o.lErr, 3320) << o.tText;
  EXPECT_TRUE(
      o.Has("      错误：V / (b * ho) + T / Wt ＝ 4.601 N/mm² ＞ 0.25*fc ＝ 3.750 "
            "N/mm²，不满足截面尺寸要求\r\n"));
  EXPECT_NEAR(o.Ast1, 113.721, 0.001);  // (40e6 - 8476562.5)*100/1.2/210/110000
  // b = 90: hw/b = 565/90 = 6.28 ≥ 6: 3310, the design goes on
  In in = Base(50, 2);
  in.B = 90;
  o = Mvt(in);
  EXPECT_EQ(o.lErr, 3310) << o.tText;
  EXPECT_TRUE(o.Has("      错误：hw / b ＝ 565/90 ＝ 6.28 ≥ 6 ，截面高宽比不满足要求\r\n"));
  EXPECT_TRUE(o.Has("剪扭构件中箍筋和纵筋的最小配筋面积："));
  // a T flange of hf' = 40 has hcor = 40 - 2*25 = -10: 3339, its formulas are skipped
  in = Base(120, 30);
  in.shape = "T形截面";
  in.Bf1 = 400;
  in.Hf1 = 40;
  o = Mvt(in);
  EXPECT_EQ(o.lErr, 3339) << o.tText;
  EXPECT_TRUE(
      o.Has("      Acor ＝ bcor * hcor ＝ (400-250-2*25)*(40-2*25) ＝ -1000 mm²\r\n"
            "      错误：箍筋内表面范围内截面核心部分的尺寸 bcor ＝ 100 mm、hcor ＝ -10 "
            "mm，应大于0\r\n"));
  EXPECT_FALSE(o.Has("Ast1f' ＝ (Tf'"));
  EXPECT_TRUE(o.Listed(3339));
}

TEST(MvtTorsion, SmallAsTakesZeroCover) {
  // as = 5: c = -5 -> 0 with a warning; the core is the whole section 250*600
  In in = Base(120, 30);
  in.Cas = in.Cas1 = 5;
  const auto o = Mvt(in);
  EXPECT_TRUE(o.Has("      c ＝ as - 10 ＝ 5-10 ＝ -5 mm，取 c ＝ 0\r\n")) << o.tText;
  EXPECT_TRUE(o.Listed(3330));
  EXPECT_TRUE(o.Has("(250-2*0)*(600-2*0) ＝ 150000 mm²"));
}

TEST(MvtTorsion, SymmetricIDesignsBothFlangesAsOne) {
  // I 250*600, bf = bf' = 500, hf = hf' = 100 (Bf1/Hf1 entered differently are ignored):
  // Wtf = Wtf' = 100^2*250/2 = 1.25e6; Wt = 16145833 + 2.5e6 = 18645833
  In in = Base(120, 30);
  in.shape = "工形截面（对称）";
  in.Bf = 500;
  in.Hf = 100;
  in.Bf1 = 900;
  in.Hf1 = 20;
  const auto o = Mvt(in);
  EXPECT_EQ(o.lErr, 0) << o.tText;
  EXPECT_FLOAT_EQ(o.in.Bf1, 500);
  EXPECT_FLOAT_EQ(o.in.Hf1, 100);
  EXPECT_TRUE(
      o.Has("      受拉及受压翼缘的受扭塑性抵抗矩Wtf ＝ Wtf' ＝ hf ^ 2 * (bf - b) / 2 ＝ "
            "100^2*(500-250)/2 ＝ 1250000 mm³\r\n"));
  EXPECT_TRUE(o.Has("      Wt ＝ Wtw + Wtf + Wtf' ＝ 18645833 mm³\r\n"));
  EXPECT_TRUE(o.Has("      hw ＝ h - hf - hf' ＝ 600-100-100 ＝ 400 mm\r\n"));
}

TEST(MvtTorsion, FormsAndClampsWithTheirNumbers) {
  struct Case {
    const char* name;
    In in;
    double Ast1, AstL, Asvt;
    std::vector<const char*> lines;
  };
  In gamma = Base(120, 30);
  gamma.Rlfo = 1.1f;
  In seismic_conc = Base(200, 30);
  seismic_conc.bEA = true;
  seismic_conc.pos = 2;
  seismic_conc.bConF = true;
  seismic_conc.A = 1500;
  In fyv = Base(120, 30);
  fyv.Fyv = 340;
  // clang-format off
  const Case cases[] = {
      // γo = 1.1: V·γo = 132000 N, T·γo = 33 kN·m; βt -> 1.0;
      // Asv = (132000 - 0.07*0.5*15*141250)*100/1.5/210/565 = 32.501;
      // Ast1 = (33e6 - 8476562.5)*100/27720000 = 88.468, Astl = 210*88.468*1500/31000 = 898.95
      {"importance factor", gamma, 88.468, 898.95, 32.501 + 2 * 88.468,
       {"      结构构件的重要性系数γo ＝ 1.1\r\n",
        "        0.035*15.0*250*565 ＝ 74156 N ＜ V * γo ＝ 132000 N，应考虑剪力的影响\r\n",
        "        0.175*1.50*16145833 ＝ 4.24 kN·m ＜ T * γo ＝ 33.00 "
        "kN·m，应进行受扭承载力计算\r\n",
        "        ＝ [132000-0.07*(1.5-1.000)*15.0*250*565]*100/1.5/210/565 ＝ 32.5 mm²\r\n"}},
      // earthquake, grade 2, concentrated load a = 1500: λ = 2.654867;
      // Vlim = 0.08*15*141250/4.154867/0.85 = 47994.7; βt = 1.5/(1 + 0.17*4.154867*200000*Wt/
      // (30e6*141250)) = 0.97513 (kept); Asv = (170000 - 0.16*0.52487*15*141250/4.154867)*100/210/
      // 565 = 107.185; Ast1 = (30e6 - 0.35*0.97513*1.5*Wt)*100/27720000 = 78.406, Astl = 796.71
      {"earthquake with a concentrated load", seismic_conc, 78.406, 796.71, 107.185 + 2 * 78.406,
       {"        0.08*15.0*250*565/(2.655+1.5)/0.85 ＝ 47995 N ＜ V ＝ 200000 "
        "N，应考虑剪力的影响\r\n",
        "＝ 1.5/[1+0.17*(2.655+1.5)*200000*16145833/(30000000*250*565)] ＝ 0.975\r\n",
        "        ＝ [200000*0.85-0.16*(1.5-0.975)*15.0*250*565/(2.655+1.5)]*100/210/565 ＝ 107.19 "
        "mm²\r\n"}},
      // V 100, T 6: τ = 0.70796 + 0.37161 = 1.0796 > 1.05; βt = 1.5/(1 +
      // 0.5*100000*Wt/(6e6*141250))
      // = 0.76822; Asv = (100000 - 0.07*0.73178*15*141250)*100/177975 = -4.79 -> 0;
      // Ast1 = (6e6 - 0.35*0.76822*1.5*Wt)*100/27720000 = -1.85 -> 0; minimums
      // (0.07*0.76822 - 0.015)*15/210*25000 = 69.24 and 0.08*0.53645*15/310*150000 = 311.49
      {"concrete carries both", Base(100, 6), 0, 311.485, 69.242,
       {"        ＝ [100000-0.07*(1.5-0.768)*15.0*250*565]*100/1.5/210/565 ＝ -4.79 mm² ＜ "
        "0，仅需按构造配筋\r\n",
        "＝ (6000000-0.35*0.768*1.50*16145833)*100/1.2/1.0^0.5/210/110000 ＝ -1.85 mm² ＜ "
        "0，仅需按构造配筋\r\n",
        "        Asvt ＜ Asvt,min， 取Asvt ＝ 69.24 mm²\r\n",
        "        Astl ＜ Astl,min， 取Astl ＝ 311.49 mm²\r\n"}},
      // fyv 340 is counted as 310: Ast1 = 21523437.5*100/1.2/310/110000 = 52.599,
      // Astl = 310*52.599*1500/310/100 = 788.98 (ζ = 1 keeps fyv·Ast1);
      // Asv = 45843.75*100/1.5/310/565 = 17.449, Asvt = 17.449 + 2*52.599 = 122.647
      {"stirrup strength capped", fyv, 52.599, 788.98, 122.647,
       {"      当 fyv ≥ 310时，取 fyv ＝310 N/mm²\r\n"}},
  };
  // clang-format on
  for (const auto& c : cases) {
    const auto o = Mvt(c.in);
    EXPECT_EQ(o.lErr, 0) << c.name << "\n" << o.tText;
    EXPECT_NEAR(o.Ast1, c.Ast1, 0.001) << c.name;
    EXPECT_NEAR(o.AstL, c.AstL, 0.01) << c.name;
    EXPECT_NEAR(o.Asvt, c.Asvt, 0.002) << c.name;
    for (const char* line : c.lines)
      EXPECT_TRUE(o.Has(line)) << c.name << ": " << line << "\n" << o.tText;
  }
}

TEST(MvtTorsion, ZeroTorsionModulusIsAnArithmeticFault) {
  // b = 3h: Wt = 750^2*(3*250 - 750)/6 = 0, and T/Wt of the section check cannot be worked
  In in = Base(20, 5);
  in.M = 10;
  in.B = 750;
  in.H = 250;
  const auto o = Mvt(in);
  EXPECT_EQ(o.lErr, 900999) << o.tText;
  EXPECT_TRUE(o.Has("      Wt ＝ b^2 * (3h - b) / 6 ＝ 750^2*(3*250-750)/6 ＝ 0 mm³\r\n"))
      << o.tText;
  EXPECT_FALSE(o.Has("V / (b * ho) + T / Wt ＝"));
  EXPECT_EQ(o.Ast1, 0);
  EXPECT_EQ(o.AstL, 0);
  EXPECT_EQ(o.Asvt, 0);
}

}  // namespace
}  // namespace tk
