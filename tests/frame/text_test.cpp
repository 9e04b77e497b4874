#include "frame/text.h"

#include <gtest/gtest.h>

#include <vector>

#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/variant.h"

namespace tk {
namespace {

TEST(LeadingNumber, ReadsTheNumberAtTheStart) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {{"12.5kN", 12.5},   {"C30", 0},   {"", 0},       {"  -3.5", -3.5},
               {"1 2", 12},        {"+.5", 0.5}, {"1e3", 1000}, {"2D2", 200},
               {"1.2.3", 1.2},     {"&H1F", 31}, {"&O17", 15},  {"- 4", -4},
               {"0.0015", 0.0015}, {"abc", 0},   {"3e", 3},     {"Ⅱ级", 0},
               {"７", 0}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(NumericText, WholeTextMustBeANumber) {
  EXPECT_TRUE(IsNumericText(" 300 "));
  EXPECT_TRUE(IsNumericText("-1.5e-3"));
  EXPECT_FALSE(IsNumericText("12abc"));
  EXPECT_FALSE(IsNumericText(""));
  EXPECT_FALSE(IsNumericText("."));
  EXPECT_FALSE(IsNumericText("1e"));
}

TEST(Trim, RemovesBlanksIncludingIdeographicSpace) {
  EXPECT_EQ(Trim("  KL1 "), "KL1");
  EXPECT_EQ(Trim("\xE3\x80\x80梁\xE3\x80\x80"), "梁");
  EXPECT_EQ(Trim("   "), "");
}

TEST(ShortestText, ReadsBackToTheSameValueOfItsWidth) {
  EXPECT_EQ(ShortestText(0.1f), "0.1");
  EXPECT_EQ(ShortestText(0.1), "0.1");
  EXPECT_EQ(ShortestText(static_cast<double>(0.1f)), "0.10000000149011612");
  EXPECT_EQ(ShortestText(310.0f), "310");
}

TEST(ModuleHelpers, MinMaxInterpolateCompare) {
  using namespace modKalbex;
  EXPECT_DOUBLE_EQ(vMaxVal(Variant::String("0.0015"), Variant::Double(0.002)), 0.002);
  EXPECT_DOUBLE_EQ(vMaxVal(Variant::String("abc"), Variant::Double(-1)), 0);
  EXPECT_DOUBLE_EQ(vMinVal(Variant::String("3"), Variant::Int16(5), Variant::String("2.5")), 2.5);
  EXPECT_DOUBLE_EQ(vMaxVal(Variant::Int16(1), Variant::Int16(5), Variant::Double(7)), 7);
  EXPECT_DOUBLE_EQ(vMinVal(Variant::Int16(1), Variant::Int16(5), Variant::Double(7)), 1);
  EXPECT_DOUBLE_EQ(vMinVal(4.0, 3.0), 3.0);
  EXPECT_DOUBLE_EQ(dMax(-2, -3), -2);
  EXPECT_DOUBLE_EQ(dInterpolate(2, 2, 4, 10, 20), 10);
  EXPECT_DOUBLE_EQ(dInterpolate(4, 2, 4, 10, 20), 20);
  EXPECT_DOUBLE_EQ(dInterpolate(3, 2, 4, 10, 20), 15);
  EXPECT_DOUBLE_EQ(dInterpolate(3, 2, 2, 10, 20), 0);
  EXPECT_DOUBLE_EQ(dInterpolate(6, 2, 4, 10, 20), 30);  // no clamping here
  EXPECT_TRUE(bTextEq(" Abc", "aBC "));
  EXPECT_FALSE(bTextEq("abc", "abd"));
}

TEST(Report, TitleTrimsTheLabelAndHeadingsIndent) {
  Report r;
  r.Title("弯矩", "  KL1 ").Heading("1．基本参数：").Data("钢筋强度设计值fy＝", 310, "n/mm2d");
  EXPECT_EQ(r.str(), "弯矩 KL1计算结果\r\n  1．基本参数：\r\n    钢筋强度设计值fy＝310 N/mm²\r\n");
  Report e;
  e.Title("剪力", "");
  EXPECT_EQ(e.str(), "剪力 计算结果\r\n");
  Report w;
  w.Error("受压区高度≥截面有效高度。");
  EXPECT_EQ(w.str(), "      错误：受压区高度≥截面有效高度。\r\n");
}

TEST(Report, SubstitutionFormWritesTheNumbersOfTheSymbolicLine) {
  struct Case {
    int indent;
    const char* form;
    std::vector<Sub> subs;
    const char* text;
  } cases[] = {
      // the same piece twice, a unit with and one without its unit text
      {16,
       "＝ $0-($0^2-2*$1/$2)^0.5 ＝ $3",
       {{465, U::mm}, {1.8e8, U::mm}, {9.6, U::nmm2_1}, {123.456, U::mmd}},
       "                ＝ 465-(465^2-2*180000000/9.6)^0.5 ＝ 123.46 mm\r\n"},
      // explicit patterns, a text piece, "$$" and the tenth piece through ${10}
      {4,
       "ρ ＝ $0 $1 $$ ${10}",
       {{0.012345, "percent"}, "≥", "2", "3", "4", "5", "6", "7", "8", "9", {2.5, "0.0"}},
       "    ρ ＝ 1.23% ≥ $ 2.5\r\n"},
      {0, "无替换", {}, "无替换\r\n"},
  };
  for (const auto& c : cases) {
    Report r;
    // initializer_list cannot be built from a vector: expand through Put piece by piece instead.
    r.Sp(c.indent);
    const Sub* p = c.subs.data();
    switch (c.subs.size()) {
      case 0:
        r.Put(c.form);
        break;
      case 4:
        r.Put(c.form, {p[0], p[1], p[2], p[3]});
        break;
      default:
        r.Put(c.form, {p[0], p[1], p[2], p[3], p[4], p[5], p[6], p[7], p[8], p[9], p[10]});
    }
    r.End();
    EXPECT_EQ(r.str(), c.text) << c.form;
  }
  Report one;
  one.Line(4, "As ＝ $0", {{804.25, U::mm2d}});
  EXPECT_EQ(one.str(), "    As ＝ 804.25 mm²\r\n");
  Report bad;
  EXPECT_THROW(bad.Line(0, "$1", {{1.0, U::mm}}), ComponentFailure);
}

TEST(Report, DisabledReportWritesNothingAndLeavesTheCallersText) {
  Report r = Report::Disabled();
  EXPECT_FALSE(r.enabled());
  r.Title("弯矩", "KL1").Heading("1．").Line(4, "x ＝ $0", {{1.0, U::mm}}).Text(32095).Error("e");
  EXPECT_TRUE(r.str().empty());
  std::string text = "old";
  r.MoveTo(text);
  EXPECT_EQ(text, "old");
}

TEST(Services, UnitTokensShowTheUnitOnlyWithD) {
  auto& s = modKalbex::Services();
  struct Case {
    const char* token;
    double x;
    const char* text;
  } cases[] = {{"mm", 465, "465"},
               {"mmd", 465, "465 mm"},
               {"mmd", 123.456, "123.46 mm"},
               {"mm2d", 1256.6, "1256.6 mm²"},
               {"knmd", 123.4567, "123.46 kN·m"},
               {"n/mm2_1", 16.5, "16.5"},
               {"n/mm2d_2", 1.5, "1.50 N/mm²"},
               {"mmd_3", 0.2125, "0.213 mm"},
               {"percent", 0.0123, "1.23%"},
               {"3", 2.0005, "2.001"},
               {"0", 49.5, "50"},
               {"kN/m2d", 0.55, "0.55 kN/m²"}};
  for (const auto& c : cases)
    EXPECT_EQ(FormatNumber(c.x, s.tUnitFormat(c.token)), c.text) << c.token;
  // every token without "d" prints no unit: its pattern has no literal text
  for (const char* t : {"mm",  "m",   "mm2", "mm3",  "m2",    "m3",  "m4",   "n",     "kn",
                        "kN",  "nmm", "knm", "knm2", "n/mm2", "kpa", "kn/m", "kn/m2", "kn/m3",
                        "pjl", "0",   "1",   "2",    "3",     "4",   "5"})
    EXPECT_EQ(std::string(s.tUnitFormat(t)).find('"'), std::string::npos) << t;
  EXPECT_THROW(s.tUnitFormat("furlong"), ComponentFailure);
  EXPECT_THROW(s.tTextById(1), ComponentFailure);
  EXPECT_EQ(s.tFormatValue(12.5, "knm", -1), "12.50 kN·m");
  EXPECT_EQ(s.tFormatValue(12.5, "knm", 0), "12.50");
  EXPECT_EQ(s.tFormatValue(3, "kN", 0), "3.00");
  EXPECT_EQ(s.tFormatValue(3, "t/m", 0), "3.00 t/m");
}

TEST(Services, EvaluatesCompressionSteelExpressions) {
  auto& s = modKalbex::Services();
  EXPECT_DOUBLE_EQ(s.dEvalAsText("0.3As", 1000), 300);
  EXPECT_DOUBLE_EQ(s.dEvalAsText(" 0.5 * As ", 800), 400);
  EXPECT_DOUBLE_EQ(s.dEvalAsText("As/2", 800), 400);
  EXPECT_DOUBLE_EQ(s.dEvalAsText("as", 800), 800);
  EXPECT_DOUBLE_EQ(s.dEvalAsText("226", 800), 226);
  EXPECT_DOUBLE_EQ(s.dEvalAsText("0.3(As+100)", 900), 300);
  for (const char* bad : {"", "abc", "0.3Ab", "As/0", "(As", "0.3As 2", "As*"})
    EXPECT_THROW(s.dEvalAsText(bad, 100), ComponentFailure) << bad;
}

TEST(Services, ParsesBarTexts) {
  auto& s = modKalbex::Services();
  struct Case {
    const char* text;
    int32_t code, count;
    float d;
  } cases[] = {{"4φ20", 0, 4, 20},
               {"Φ16", 0, 1, 16},
               {"2-25", 0, 2, 25},
               {"3 18", 0, 3, 18},
               {"2Ф22", 0, 2, 22},
               {"4ф12", 0, 4, 12},
               {"2Ø14", 0, 2, 14},
               {"20", kBarTextNoSymbol, 0, 0},
               {"4φ", kBarTextBadDiameter, 0, 0},
               {"xφ20", kBarTextBadCount, 0, 0},
               {"1.5φ20", kBarTextBadCount, 0, 0},
               {"", kBarTextEmpty, 0, 0}};
  for (const auto& c : cases) {
    int32_t n = 0;
    float d = 0;
    EXPECT_EQ(s.ParseBarText(c.text, n, d), c.code) << c.text;
    EXPECT_EQ(n, c.count) << c.text;
    EXPECT_FLOAT_EQ(d, c.d) << c.text;
  }
}

TEST(Services, KeyFiltersAndNumbering) {
  auto& s = modKalbex::Services();
  int16_t k = 'a';
  EXPECT_EQ(s.FilterKey(k, keyclass::kPositiveNumber), 0);
  EXPECT_EQ(k, 0);
  k = '5';
  EXPECT_EQ(s.FilterKey(k, keyclass::kPositiveNumber), '5');
  k = '-';
  EXPECT_EQ(s.FilterKey(k, keyclass::kSignedNumber), '-');
  k = 8;  // backspace always passes
  EXPECT_EQ(s.FilterKey(k, keyclass::kInteger), 8);
  k = 'A';
  EXPECT_EQ(s.FilterKey(k, keyclass::kAny), 'A');
  EXPECT_EQ(s.tNumberText(3, 0, 0), "3．");
  EXPECT_EQ(s.tNumberText(3, 1, 0), "(3)");
  EXPECT_EQ(s.tNumberText(3, 2, 0), "③");
  EXPECT_EQ(s.tNumberText(12, 3, 0), "十二、");
  EXPECT_EQ(s.tNumberText(20, 3, 0), "二十、");
}

}  // namespace
}  // namespace tk
