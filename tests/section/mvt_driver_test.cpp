#include <sstream>

#include "frame/input_check.h"
#include "section/mvt_fixture.h"

namespace tk {
namespace {

using mvt_test::In;
using mvt_test::Mvt;

TEST(MvtDriver, ReportHeadItemByItem) {
  In in;
  in.M = 150, in.V = 120, in.T = 12, in.tAs1 = "0.3As", in.Pmin = 0.25f;
  in.shape = "工形截面（不对称）";
  in.Bf = 500, in.Hf = 120, in.Bf1 = 600, in.Hf1 = 100;
  in.Rlfo = 1.1f, in.pos = 2, in.bBE = in.bConF = true, in.A = 1500;
  const auto o = Mvt(in);
  for (const char* line : {"KL1弯剪扭构件：\r\n  基本资料：\r\n    工程名称：工程\r\n",
                           "    结构构件的重要性系数γo＝ 1.10    截面位置：二级框架梁端    \r\n",
                           "    集中荷载作用下的剪扭构件，计算截面至支座的距离a＝ 1500 mm\r\n",
                           "    混凝土强度：C30    fc＝ 15.0    fcm＝ 16.5    ft＝ 1.50 N/mm²\r\n",
                           "    受拉钢筋最小配筋率ρmin＝ 0.25%\r\n",
                           "    宽度b＝ 250 mm    高度h＝ 600 mm    ho＝ 565 mm\r\n",
                           "    受拉区翼缘宽度bf ＝ 500 mm    受拉区翼缘高度hf ＝ 120 mm\r\n"
                           "    受压区翼缘宽度bf'＝ 600 mm    受压区翼缘高度hf'＝ 100 mm\r\n"
                           "  计算结果：\r\n"})
    EXPECT_TRUE(o.Has(line)) << line;
  EXPECT_EQ(o.tText.rfind("KL1弯剪扭构件：", 0), 0u);
  // the stages in order, each followed by one line end
  const size_t f = o.tText.find("正截面受弯配筋计算："), s = o.tText.find("斜截面承载力计算："),
               t = o.tText.find("扭曲截面承载力计算：");
  ASSERT_NE(t, std::string::npos);
  EXPECT_TRUE(f < s && s < t);
  EXPECT_NE(o.tText.find("\r\n\r\n    斜截面承载力计算："), std::string::npos);
  EXPECT_EQ(o.tText.substr(o.tText.size() - 4), "\r\n\r\n");
}

TEST(MvtDriver, HeadVariants) {
  In in;
  in.M = 150, in.bEA = true, in.pos = 1;  // mid-span of a grade-1 frame beam
  in.tAs1 = "400", in.shape = "倒T形截面", in.Bf = 500, in.Hf = 120;
  auto o = Mvt(in);
  EXPECT_TRUE(o.Has("    考虑地震作用组合    截面位置：一级框架梁    \r\n"));
  EXPECT_FALSE(o.Has("重要性系数γo＝"));
  EXPECT_TRUE(o.Has("    受压钢筋面积As'＝ 400 mm²\r\n"));
  EXPECT_TRUE(o.Has("    受拉区翼缘宽度bf＝ 500 mm    受拉区翼缘高度hf＝ 120 mm\r\n"));
  // T = 0: no torque line, no torsion stage, no torsion steel
  EXPECT_FALSE(o.Has("扭矩设计值T"));
  EXPECT_FALSE(o.Has("扭曲截面承载力计算"));
  EXPECT_EQ(o.Ast1, 0);
  // concrete given as strengths: c is fc, Fcm and Ft are used as given and left alone
  in = In();
  in.M = 150, in.bQdSjz = true, in.c = 14.3f, in.Fcm = 16.0f, in.Ft = 1.43f;
  o = Mvt(in);
  EXPECT_TRUE(o.Has("    混凝土强度：    fc＝ 14.3    fcm＝ 16.0    ft＝ 1.43 N/mm²\r\n"))
      << o.tText;
  EXPECT_FLOAT_EQ(o.in.Fcm, 16.0f);
  EXPECT_FLOAT_EQ(o.in.Ft, 1.43f);
  EXPECT_FALSE(o.Has("受压钢筋面积As'"));  // As' = 0 has no line
  // from the grade: C25 gives fcm 13.5 and ft 1.3, written back
  in.bQdSjz = false;
  in.c = 25;
  o = Mvt(in);
  EXPECT_FLOAT_EQ(o.in.Fcm, 13.5f);
  EXPECT_FLOAT_EQ(o.in.Ft, 1.3f);
  EXPECT_TRUE(o.Has("    混凝土强度：C25    fc＝ 12.5    fcm＝ 13.5    ft＝ 1.30 N/mm²\r\n"));
  // symmetric I: the tension flange is copied to the compression flange, also in the report
  in.shape = "工形截面（对称）";
  in.Bf = 500, in.Hf = 100, in.Bf1 = 777, in.Hf1 = 33;
  o = Mvt(in);
  EXPECT_FLOAT_EQ(o.in.Bf1, 500);
  EXPECT_FLOAT_EQ(o.in.Hf1, 100);
  EXPECT_TRUE(o.Has("    翼缘宽度bf,bf'＝ 500 mm    翼缘高度hf,hf'＝ 100 mm\r\n"));
}

TEST(MvtDriver, CapacityModeHeadAndExpression) {
  // mode 1, "0.3As" with As = 1000: As' = 300
  In in;
  in.mode = 1, in.dAs = 1000, in.Asv = 60, in.tAs1 = "0.3As";
  in.T = 50;  // never used in mode 1
  const auto o = Mvt(in);
  EXPECT_TRUE(
      o.Has("    受拉钢筋面积As＝ 1000 mm²\r\n"
            "    受压钢筋面积As'＝ 0.3As ＝ 300 mm²\r\n"
            "    受拉钢筋最小配筋率ρmin＝ 0.00%\r\n"
            "    箍筋面积Asv＝ 60 mm²\r\n"
            "    箍筋间距S＝ 100 mm\r\n"))
      << o.tText;
  EXPECT_FALSE(o.Has("扭曲截面承载力计算"));
  EXPECT_FALSE(o.Has("弯矩设计值M＝"));
  // x = (310000 - 93000)/4125 = 52.606 < 2as' = 70: M = 310*1000*530 = 164.3 kN·m
  EXPECT_NEAR(o.in.M, 164.3, 1e-9);
}

TEST(MvtDriver, RejectedInputs) {
  const struct {
    const char* name;
    int16_t mode;
    std::string shape, tAs1;
    int32_t code;
  } cases[] = {
      {"mode", 2, "矩形截面", "0", 3001},
      {"shape", 0, "圆形截面", "0", 3002},
      {"As' text", 0, "矩形截面", "abc", 3003},
      {"As' expression without As", 0, "矩形截面", "0.3*", 3003},
      {"negative As'", 0, "矩形截面", "-100", 3003},
  };
  for (const auto& c : cases) {
    In in;
    in.mode = c.mode, in.shape = c.shape, in.tAs1 = c.tAs1, in.M = 150;
    const auto o = Mvt(in);
    EXPECT_EQ(o.lErr, c.code) << c.name;
    EXPECT_TRUE(o.Listed(c.code)) << c.name;
    EXPECT_TRUE(o.Has("      错误：" + o.tErr + "\r\n")) << c.name;
    EXPECT_FALSE(o.Has("计算结果：")) << c.name;
  }
}

TEST(MvtDriver, AnEarlierErrorDoesNotVanish) {
  // flexure 3009 (M = 700 is beyond the section), then shear 3211 (600 kN > 529687.5 N)
  In in;
  in.M = 700, in.V = 600;
  const auto o = Mvt(in);
  EXPECT_EQ(o.lErr, 3009);
  EXPECT_EQ(o.tErr, "ho ^ 2 - 2 * M / fcm / b ＝ -20168.94 ≤ 0");
  ASSERT_EQ(o.lErrCon.size(), 2u);
  EXPECT_EQ(o.lErrCon.LBound(), 1);
  EXPECT_EQ(o.lErrCon(1), 3009);
  EXPECT_EQ(o.lErrCon(2), 3211);
  EXPECT_EQ(o.tErrCon(1), o.tErr);
  EXPECT_TRUE(o.Has("    本次计算出现错误（代码 3009、3211），详见以上以“错误：”开头的各行。\r\n"));
}

// MVTCommon with the optional outputs left out; the report only when `text` is given.
void CallBare(mvt_test::Out& o, In& in, bool* text = nullptr, std::string* tText = nullptr) {
  clsMVT m;
  m.MVTCommon(o.lErr, o.tErr, o.lErrCon, o.tErrCon, in.mode, in.pos, in.shape, in.bBE, in.bEA,
              in.bConF, in.bQdSjz, in.c, in.Fcm, in.Ft, in.Fy, in.Fy1, in.Fyv, in.Rlfo, in.tAs1,
              in.M, in.dAs, in.V, in.Asv, in.T, in.B, in.H, in.Bf, in.Hf, in.Bf1, in.Hf1, in.Cas,
              in.Cas1, in.Pmin, o.P, in.S, in.A, o.Smax, o.Dmin, o.AsvMin, o.Ast1, o.AstL, o.Asvt,
              in.Es, nullptr, nullptr, nullptr, text, tText);
}

TEST(MvtDriver, IncomingErrorListIsKept) {
  In in;
  in.M = 150, in.B = 90, in.V = 50, in.T = 2;  // 3310
  mvt_test::Out o;
  o.lErrCon = VBArray<int32_t>(1, {42});
  o.tErrCon = VBArray<std::string>(1, {"earlier"});
  CallBare(o, in);
  EXPECT_EQ(o.lErr, 3310);
  ASSERT_EQ(o.lErrCon.size(), 2u);
  EXPECT_EQ(o.lErrCon(1), 42);
  EXPECT_EQ(o.tErrCon(1), "earlier");
  EXPECT_EQ(o.lErrCon(2), 3310);
}

TEST(MvtDriver, ArithmeticFaults) {
  // V = 1e300 with torsion: the shear stage finds the section too small (3211), the torsion
  // stage's products overflow -> 900999 with text 32095
  In in;
  in.M = 150, in.V = 1e300, in.T = 10;
  auto o = Mvt(in);
  EXPECT_EQ(o.lErr, 900999);
  EXPECT_TRUE(o.Listed(3211));
  EXPECT_EQ(o.tErr, "，请复核截面尺寸、材料强度及荷载数据。");
  EXPECT_TRUE(o.Listed(900999));
  EXPECT_TRUE(o.Has("正截面受弯配筋计算"));
  EXPECT_EQ(o.tText.find("Infinity"), std::string::npos);
  // mode 1 with As = 1e300: fy * As overflows inside a flexure formula -> 3010
  in = In();
  in.mode = 1, in.dAs = 1e300;
  o = Mvt(in);
  EXPECT_EQ(o.lErr, 3010);
  EXPECT_EQ(o.tErr, "溢出，或不可知的错误。");
  EXPECT_EQ(o.tText.find("Infinity"), std::string::npos);
}

// Inputs no section can have are refused before any stage, each with its code and the value.
TEST(MvtDriver, InputsNoSectionCanHave) {
  struct Case {
    const char* what;
    void (*set)(In&);
    int32_t code;
    const char* text;
  } cases[] = {
      {"b < 0", [](In& i) { i.B = -250; }, 3004, "截面宽度b ＝ -250，应大于0"},
      {"h = 0", [](In& i) { i.H = 0; }, 3004, "截面高度h ＝ 0，应大于0"},
      {"h = -1e11 with an expression in As", [](In& i) { i.H = -1e11f, i.tAs1 = "0.3As"; }, 3004,
       "截面高度h ＝ -1e+11，应大于0"},
      {"grade 0", [](In& i) { i.c = 0; }, 3005, "混凝土强度等级C ＝ 0，应大于0"},
      {"fcm given 0", [](In& i) { i.bQdSjz = true, i.c = 14.3f, i.Ft = 1.43f; }, 3005,
       "弯曲抗压强度fcm ＝ 0，应大于0"},
      {"fy < 0", [](In& i) { i.Fy = -310; }, 3005, "钢筋抗拉强度设计值fy ＝ -310，应大于0"},
      {"fyv tiny", [](In& i) { i.Fyv = 0; }, 3005, "箍筋抗拉强度设计值fyv ＝ 0，应大于0"},
      {"Es 0", [](In& i) { i.Es = 0; }, 3005, "钢筋弹性模量Es ＝ 0，应大于0"},
      {"as = h", [](In& i) { i.Cas = 600; }, 3006,
       "纵筋合力点至近边距离as ＝ 600，应大于0且小于截面高度h"},
      {"as' < 0", [](In& i) { i.Cas1 = -1; }, 3006,
       "受压纵筋合力点至近边距离as' ＝ -1，应不小于0且小于截面高度h"},
      {"T: bf' < b", [](In& i) { i.shape = "T形截面", i.Bf1 = 200, i.Hf1 = 80; }, 3007,
       "受压区翼缘宽度bf' ＝ 200，应不小于截面宽度b"},
      {"T: hf' = 0", [](In& i) { i.shape = "T形截面", i.Bf1 = 400; }, 3007,
       "受压区翼缘高度hf' ＝ 0，应大于0且小于截面高度h"},
      {"inverted T under torsion: bf 0", [](In& i) { i.shape = "倒T形截面", i.T = 10, i.Hf = 100; },
       3007, "受拉区翼缘宽度bf ＝ 0，应不小于截面宽度b"},
      {"I: hf + hf' = h",
       [](In& i) {
         i.shape = "工形截面（不对称）", i.T = 10, i.Bf = i.Bf1 = 400, i.Hf = 300, i.Hf1 = 300;
       },
       3007, "翼缘高度之和hf + hf' ＝ 600，应小于截面高度h"},
      {"γo 0", [](In& i) { i.Rlfo = 0; }, 3008, "构件的重要性系数γo ＝ 0，应大于0"},
      {"S 0", [](In& i) { i.S = 0; }, 3008, "箍筋间距S ＝ 0，应大于0"},
      {"a 0 under a concentrated load", [](In& i) { i.bConF = true; }, 3008,
       "计算截面至支座的距离a ＝ 0，应大于0"},
      {"mode 1, As < 0", [](In& i) { i.mode = 1, i.dAs = -1; }, 3008,
       "受拉钢筋面积As ＝ -1，应不小于0"},
  };
  for (const auto& c : cases) {
    In in;
    in.M = 150, in.V = 100;
    c.set(in);
    const auto o = Mvt(in);
    EXPECT_EQ(o.lErr, c.code) << c.what;
    EXPECT_EQ(o.tErr, c.text) << c.what;
    EXPECT_TRUE(o.Listed(c.code)) << c.what;
    EXPECT_TRUE(o.Has(std::string("      错误：") + c.text)) << c.what;
    EXPECT_FALSE(o.Has("正截面受弯")) << c.what;
  }
  // γo is not used with the seismic combination; an inverted T without torsion needs no bf
  In in;
  in.M = 150, in.V = 100, in.bEA = true, in.Rlfo = 0;
  EXPECT_NE(Mvt(in).lErr / 10, 300);
  in = In();
  in.M = 150, in.shape = "倒T形截面";
  EXPECT_EQ(Mvt(in).lErr, 0);
}

TEST(MvtDriver, ReportOnlyWhenAsked) {
  In in;
  in.M = 150, in.text = false;
  mvt_test::Out o;
  o.tText = "KL9";
  CallBare(o, in, &in.text, &o.tText);
  EXPECT_EQ(o.tText, "KL9");
  EXPECT_NEAR(in.dAs, 911.69, 0.01);
  // asked for, without tBh: the label comes from the entry value of tText
  in.text = true;
  CallBare(o, in, &in.text, &o.tText);
  EXPECT_EQ(o.tText.rfind("KL9弯剪扭构件：\r\n", 0), 0u);
  EXPECT_TRUE(o.Has("    工程名称：\r\n"));
}

TEST(MvtDriver, LateBoundCallWithArrays) {
  clsMVT m;
  std::vector<Arg> args = {{"lErrCon", Variant::Array(1, {Variant::Int32(7)})},
                           {"tErrCon", Variant::Array(1, {Variant::String("x")})},
                           {"tJmXs", Variant::String("矩形截面")},
                           {"iSecPos", Variant::Int16(5)},
                           {"tAs1", Variant::String("0")}};
  const std::pair<const char*, double> doubles[] = {
      {"Fy", 310}, {"Fy1", 310}, {"Fyv", 210}, {"M", 700}, {"V", 50}};
  const std::pair<const char*, float> singles[] = {{"c", 30},  {"Rlfo", 1},   {"B", 250},
                                                   {"H", 600}, {"Cas", 35},   {"Cas1", 35},
                                                   {"S", 100}, {"Es", 200000}};
  for (auto [n, v] : doubles) args.push_back({n, Variant::Double(v)});
  for (auto [n, v] : singles) args.push_back({n, Variant::Single(v)});
  Invoke(m, "MVTCommon", args);
  auto find = [&](const char* n) -> const Variant& {
    for (const auto& a : args)
      if (a.name == n) return a.value;
    static Variant none;
    return none;
  };
  EXPECT_EQ(find("lErr").AsDouble(), 3009);
  const Variant& l = find("lErrCon");
  ASSERT_EQ(l.type, Variant::Type::Array);
  ASSERT_EQ(l.arr->items.size(), 2u);
  EXPECT_EQ(l.arr->lbound, 1);
  EXPECT_EQ(l.arr->items[0].AsDouble(), 7);
  EXPECT_EQ(l.arr->items[1].AsDouble(), 3009);
  EXPECT_EQ(find("tErrCon").arr->items[1].s, "ho ^ 2 - 2 * M / fcm / b ＝ -20168.94 ≤ 0");
  EXPECT_EQ(find("tText").type, Variant::Type::Missing);  // optional and left out: not written
}

// --- CheckMvtEnter ---

struct Form {
  VBArray<std::string> Text;
  VBArray<bool> bText;
  Form() {  // fields 0..25; fc/fcm (6, 7), the flanges (18-21) and field 25 start disabled
    std::stringstream in(
        "已知 内力 求 配筋|5|矩形截面|||30|||310|310|210|1.0|150|0|120|0|250|600|||||35|0|100|0");
    Text.ReDim(0, 25);
    bText.ReDim(0, 25);
    std::string v;
    for (int i = 0; std::getline(in, v, '|'); ++i) Text.data[i] = v;
    for (int i = 0; i <= 25; ++i)
      bText.data[i] = !(i == 6 || i == 7 || (i >= 18 && i <= 21) || i == 25);
  }
};

struct Check {
  int32_t lErr = -1;
  int16_t Index = -1;
  std::string tErr;
};

Check RunCheck(Form f, bool qd = false) {
  clsMVT m;
  Check c;
  bool show = true;
  m.CheckMvtEnter(c.lErr, f.Text, f.bText, c.Index, show, c.tErr, qd);
  return c;
}

TEST(MvtCheck, FieldsAndRelations) {
  EXPECT_EQ(RunCheck(Form()).lErr, 0);
  const struct {
    const char* name;
    int index;
    const char* text;
    int16_t at;
    int32_t code;
    const char* in_message;
  } cases[] = {
      {"grade not in the table", 5, "22", 5, checkcode::kNotGrade, "混凝土强度等级"},
      {"fy not positive", 8, "0", 8, checkcode::kNotPositive, "钢筋抗拉强度设计值fy"},
      {"moment negative", 12, "-5", 12, checkcode::kNegative, "弯矩设计值M"},
      {"As' neither number nor expression", 13, "abc", 13, checkcode::kNotNumber, "受压钢筋As'"},
      {"net tension of a ratio", 13, "1.2As", 13, checkcode::kRelation, "fy * As - fy' * As'"},
      {"steel distances", 22, "200", 22, checkcode::kRelation, "H - as"},
      {"spacing empty", 24, "", 24, checkcode::kEmpty, "箍筋间距S"},
  };
  for (const auto& c : cases) {
    Form f;
    f.Text.data[c.index] = c.text;
    const Check r = RunCheck(f);
    EXPECT_EQ(r.lErr, c.code) << c.name;
    EXPECT_EQ(r.Index, c.at) << c.name;
    EXPECT_NE(r.tErr.find(c.in_message), std::string::npos) << c.name << ": " << r.tErr;
  }
  // a disabled field is not checked
  Form f;
  f.Text.data[18] = "abc";
  EXPECT_EQ(RunCheck(f).lErr, 0);
  Check r;
  // capacity mode: names by mode, and the net tension with As known: 310*1000 - 310*1200 < 0
  f = Form();
  f.Text.data[0] = "已知 配筋 求 内力";
  f.Text.data[12] = "1000", f.Text.data[13] = "1200";
  r = RunCheck(f);
  EXPECT_EQ(r.lErr, checkcode::kRelation);
  EXPECT_EQ(r.Index, 13);
  f.Text.data[12] = "x";
  r = RunCheck(f);
  EXPECT_NE(r.tErr.find("受拉钢筋面积As"), std::string::npos);
  // strengths given: fc, fcm, ft are checked as positive numbers (no grade list)
  f = Form();
  f.bText.data[6] = f.bText.data[7] = true;
  f.Text.data[5] = "14.3", f.Text.data[6] = "16", f.Text.data[7] = "";
  r = RunCheck(f, true);
  EXPECT_EQ(r.Index, 7);
  EXPECT_NE(r.tErr.find("抗拉强度ft"), std::string::npos);
  // symmetric I names its flange fields for both flanges
  f = Form();
  f.Text.data[2] = "工形截面（对称）";
  f.bText.data[18] = true, f.Text.data[18] = "";
  r = RunCheck(f);
  EXPECT_NE(r.tErr.find("翼缘宽度bf、bf'"), std::string::npos);
}

TEST(MvtCheck, FlangeRelations) {
  // b = 250, h = 600; every flange box enabled with a valid default, then one value changed.
  const struct {
    int index;
    const char* text;
    int16_t at;
    const char* in_message;
  } cases[] = {
      {18, "249", 18, "受拉区翼缘宽度bf"},  // bf < b
      {19, "600", 19, "受拉区翼缘高度hf"},  // hf = h
      {20, "200", 20, "受压区翼缘宽度bf'"}, {21, "650", 21, "受压区翼缘高度hf'"},
      {19, "500", 21, "hf + hf'"},  // 500 + 100 = h: the sum is reported at hf'
  };
  for (const auto& c : cases) {
    Form f;
    for (int i = 18; i <= 21; ++i) f.bText.data[i] = true;
    f.Text.data[18] = f.Text.data[20] = "250";
    f.Text.data[19] = f.Text.data[21] = "100";
    EXPECT_EQ(RunCheck(f).lErr, 0);
    f.Text.data[c.index] = c.text;
    const Check r = RunCheck(f);
    EXPECT_EQ(r.lErr, checkcode::kRelation) << c.in_message;
    EXPECT_EQ(r.Index, c.at) << c.in_message;
    EXPECT_NE(r.tErr.find(c.in_message), std::string::npos) << r.tErr;
  }
}

}  // namespace
}  // namespace tk
