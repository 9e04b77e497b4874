// clsBendComponentBl form: the deflection conversion against hand calculations (a middle beam, an
// edge beam, the SATWE fixtures), the field checks, the result-file codes, captions and lists.
//
// Hand calculations (GBJ 10-89 5.2.2, 5.2.3-3, 5.3.2, 5.3.3-1, 5.3.4), worked apart from the code:
//  Middle beam, 250 × 600 rectangle, as 35, As 1256, As' 0, Ms 120, Ml 90, C25 (ftk 1.75,
//  Ec 28000), Es 2e5, fd 4, Bk 2.0, λb 1.0, lo 6000:
//    ho 565, σss = 120e6/(0.87·565·1256) = 194.37, ρte = 1256/75000, ψ = 0.7505, αE = 7.143,
//    ρ = 0.008892, Bs = 2e5·1256·565²/(1.15ψ + 0.2 + 6αEρ) = 55524.82 kN·m², θ = 2.0,
//    Bl = 120/(90 + 120)·Bs = 31728.47 kN·m², Bc = 2·28000·250·600³/12 = 252000 kN·m²,
//    f = 4·252000/31728.47 = 31.770 mm, lo/f = 188.86 → 1/189.
//  Edge beam, inverted L 250 × 600 with bf' × hf' = 700 × 100, as 40, As 1140, λb 1.1 (1254),
//  As' 402, Ms 150, Ml 110, C30 (ftk 2.0, Ec 30000), fd 5, Bk 1.8, lo 7200:
//    Bk = (1 + 1.8)/2 = 1.4, Bc = 1.4·30000·250·600³/12 = 189000 kN·m², ho 560,
//    σss = 245.52, ψ = 0.78332, γf' = 450·100/250/560 = 0.32143, Bs = 61957.97 kN·m²,
//    θ = 2 - 0.4·(402/1254) = 1.87177, Bl = 37795.43 kN·m², f = 25.003 mm, lo/f = 287.97 → 1/288.
//  SATWE floor 2, beam 2 (read by eye from tests/data/msml/satwe): the largest sagging span moment
//  is D 35 + L(M+) 12 ± EX 15 = 62 kN·m (sections 4 and 6), Ml = D + 0.5·L = 35 + 4.5 = 39.5,
//  As = 850 (bottom, points 2..8), As' = 600 (top), 300 × 650; with as 35, C25, fd 5, Bk 2.0,
//  lo 6000: Bs = 74988.21 (ψ = 0.4), θ = 2 - 0.4·600/850 = 1.71765, Bl = 51460.10,
//  Bc = 384475, f = 37.357 mm, lo/f = 160.61 → 1/161.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/binding.h"
#include "frame/component.h"
#include "frame/fault.h"
#include "frame/form_inputs.h"
#include "frame/host.h"
#include "frame/report.h"
#include "frame/variant.h"
#include "service/deflection_conversion.h"
#include "service/stiffness.h"
#include "support/host_form.h"

namespace tk {
namespace {

const std::string kSatwe = std::string(TK_TEST_DATA_DIR) + "/msml/satwe";

using Texts = std::vector<std::string>;
const Texts kMiddle = {"手工输入", "",    "中梁", "",     "",   "",         "4",     "2.0", "1.0",
                       "",         "120", "90",   "1256", "0",  "矩形截面", "250",   "600", "",
                       "",         "",    "",     "6000", "35", "25",       "200000"};
const Texts kEdge = {"手工输入", "",    "边梁", "",     "",    "",          "5",     "1.8", "1.1",
                     "",         "150", "110",  "1140", "402", "倒L形截面", "250",   "600", "",
                     "",         "700", "100",  "7200", "40",  "30",        "200000"};
const Texts kSatweForm = {"SATWE", kSatwe, "中梁", "",     "2",  "2",        "5",     "2.0", "1.0",
                          "0.5",   "",     "",     "",     "",   "矩形截面", "",      "",    "",
                          "",      "",     "",     "6000", "35", "25",       "200000"};

struct Bound {
  clsBendComponentBl o;
  std::shared_ptr<MemoryForm> f =
      test_support::MakeForm({{"lblB", 25}, {"CboB", 25}, {"ChkB", 1}}, {"lblJg", "rtbBox"});
  explicit Bound(const Texts& texts) {
    HostRef sub = f;
    o.SubForm(sub);
    for (int k = 0; k < 25; ++k) Put(k, texts[static_cast<size_t>(k)]);
    o.Form_Load();
  }
  HostRef C(const char* name, int k = -1) { return ControlOf(f, name, k); }
  void Put(int k, const std::string& t) { SetText(C("CboB", k), "Text", t); }
  std::string Text(int k) { return GetText(C("CboB", k)); }
  std::string Caption(int k, const char* prop = "Caption") { return GetText(C("lblB", k), prop); }
  bool Enabled(int k) { return IsEnabled(C("CboB", k)); }
  std::string report;
  int32_t Run(bool show = false) {
    std::string label = "KL1";
    report = "stale";
    return o.DisPlayNdHs(show, report, label);
  }
  std::string Result() { return GetText(C("lblJg"), "Caption"); }
  bool Has(const std::string& s) const { return report.find(s) != std::string::npos; }
};

TEST(DeflectionConversion, Equations) {
  EXPECT_DOUBLE_EQ(deflection::EdgeBeamFactor(1.8), 1.4);
  EXPECT_DOUBLE_EQ(deflection::EdgeBeamFactor(1.0), 1.0);
  // 2 · 28000 · 250 · 600³ / 12 = 2.52e14 N·mm²
  EXPECT_DOUBLE_EQ(deflection::ElasticStiffness(2, 28000, 250, 600), 2.52e14);
  EXPECT_DOUBLE_EQ(deflection::LongTermDeflection(4, 3e14, 1e14), 12);
  EXPECT_THROW(deflection::LongTermDeflection(4, 3e14, 0), ArithmeticFault);
}

TEST(DeflectionConversion, MiddleAndEdgeBeamByHand) {
  struct Case {
    const Texts* form;
    const char* result;
    std::vector<const char*> lines;
  };
  const Case cases[] = {
      {&kMiddle,
       "f ＝ 31.77 mm    f/Lo ＝ 1/189",
       {"Bc ＝ Bk * Ec * I               ＝ 2.00*28000*250*600^3/12 ＝ 252000.00 kN·m²",
        "挠度 f ＝ fd * Bc / Bl          ＝ 4.00*252000.00/31728.47 ＝ 31.77 mm",
        "f / Lo ＝ 1/(Lo / f)            ＝ 1/(6000/31.77) ＝ 1/189"}},
      {&kEdge,
       "f ＝ 25.00 mm    f/Lo ＝ 1/288",
       {"边梁 Bk ＝ (1 + Bk) / 2         ＝ (1+1.80)/2 ＝ 1.40", "＝ 1.10*1140 ＝ 1254 mm²",
        "θ ＝ 1.87", "37795.43 kN·m²"}},
  };
  for (const Case& c : cases) {
    Bound b(*c.form);
    const bool show = c.form == &kMiddle;
    ASSERT_EQ(b.Run(show), 0) << b.report;
    EXPECT_EQ(b.Result(), c.result);
    for (const char* line : c.lines) EXPECT_TRUE(b.Has(line)) << line << "\n" << b.report;
    EXPECT_EQ(b.Has("边梁 Bk"), !show);
    EXPECT_EQ(GetText(b.C("rtbBox")), show ? b.report : "");  // shown only when asked
  }
}

TEST(DeflectionConversion, SatweFixturesByHand) {
  Bound b(kSatweForm);
  ASSERT_EQ(b.Run(), 0) << b.report;
  EXPECT_EQ(b.Text(10), "62");
  EXPECT_EQ(b.Text(11), "39.5");
  EXPECT_EQ(b.Text(12), "850");
  EXPECT_EQ(b.Text(13), "600");
  EXPECT_EQ(b.Text(15), "300");
  EXPECT_EQ(b.Text(16), "650");
  // ties between +EX at section 6 (80) and -EX at section 4 (81): the lower number wins
  EXPECT_EQ(b.Text(3), "工况组合：(80) 恒 + 活(M+) + X地震");
  EXPECT_EQ(b.Result(), "f ＝ 37.36 mm    f/Lo ＝ 1/161");
  EXPECT_TRUE(b.Has("荷载短期效应组合的弯矩值Ms      62.000 kN·m    工况组合：(80)")) << b.report;
  EXPECT_TRUE(b.Has("51460.10 kN·m²"));

  // A file chosen in the data folder stands for the folder.
  Bound g(kSatweForm);
  g.Put(1, kSatwe + "/WPJ2.OUT");
  EXPECT_EQ(g.Run(), 0) << g.report;
  EXPECT_EQ(g.Result(), "f ＝ 37.36 mm    f/Lo ＝ 1/161");
}

TEST(DeflectionConversion, ResultFileFailuresPassTheirCodeOn) {
  struct Case {
    int field;
    std::string text;
    int32_t code;
    const char* part;  // of the message
  };
  const Case cases[] = {
      {4, "9", 3600103, "WNL9.OUT"},
      {5, "99", 3600910, "第 2 层的WPJ文件中找不到该梁"},
      {1, kSatwe + "/none", 3600102, "不存在"},
      {1, "", 3600101, "请指定"},
  };
  for (const Case& c : cases) {
    Bound b(kSatweForm);
    b.Put(c.field, c.text);
    EXPECT_EQ(b.Run(), c.code) << c.text;
    EXPECT_NE(b.report.find(c.part), std::string::npos) << b.report;
    EXPECT_NE(b.report.find(std::to_string(c.code)), std::string::npos) << b.report;
    EXPECT_EQ(b.Result(), b.report);
    EXPECT_EQ(b.Text(10), "");  // nothing read, nothing written
  }
}

TEST(DeflectionConversion, FieldChecksNameTheField) {
  struct Case {
    const Texts* form;
    int field;
    const char* text;
    int32_t code;
    const char* message;
  };
  const Case cases[] = {
      // clang-format off
      {&kMiddle, 6, "0", 1003, "弹性挠度fd一栏应输入大于0的数值。（当前输入：0）"},
      {&kMiddle, 7, "", 1001, "中粱弹性刚度增大系数Bk一栏不能为空。"},
      {&kMiddle, 8, "x", 1002, "受拉钢筋实配增大系数λb一栏应输入数值。（当前输入：x）"},
      {&kMiddle, 10, "-5", 1003, "荷载短期效应组合的弯矩值Ms一栏应输入大于0的数值。（当前输入：-5）"},
      {&kMiddle, 11, "0", 1003, "荷载长期效应组合的弯矩值Ml一栏应输入大于0的数值。（当前输入：0）"},
      {&kMiddle, 12, "0", 1003, "受拉区纵筋实配面积As一栏应输入大于0的数值。（当前输入：0）"},
      {&kMiddle, 13, "-1", 1004, "受压区纵筋实配面积As'一栏应输入不小于0的数值。（当前输入：-1）"},
      {&kMiddle, 14, "圆形截面", 9101, "截面形式应从列表框中选取。"},
      {&kMiddle, 15, "", 1001, "截面宽度b一栏不能为空。"},
      {&kMiddle, 21, "0", 1003, "计算跨度lo一栏应输入大于0的数值。（当前输入：0）"},
      {&kMiddle, 22, "0", 1003, "纵筋合力点至近边距离as一栏应输入大于0的数值。（当前输入：0）"},
      {&kMiddle, 23, "22", 1008, "混凝土强度等级一栏应输入规范中的混凝土强度等级（7.5～60）。（当前输入：22）"},
      {&kMiddle, 24, "", 1001, "钢筋弹性模量Es一栏不能为空。"},
      {&kMiddle, 4, "x", 0, ""},  // the floor serves the result files only
      {&kEdge, 19, "0", 1003, "受压区翼缘宽度bf'一栏应输入大于0的数值。（当前输入：0）"},
      {&kEdge, 17, "0", 0, ""},  // no lower flange on an inverted L
      {&kSatweForm, 4, "1.5", 1005, "计算层号一栏应输入大于0的整数。（当前输入：1.5）"},
      {&kSatweForm, 5, "40000", 1007, "梁编号一栏的数值超出允许范围。（当前输入：40000）"},
      {&kSatweForm, 9, "-0.1", 1004, "活荷载准永久值系数ψq一栏应输入不小于0的数值。（当前输入：-0.1）"},
      {&kSatweForm, 10, "x", 0, ""},  // read from the files
      // clang-format on
  };
  for (const Case& c : cases) {
    Bound b(*c.form);
    b.Put(c.field, c.text);
    const int32_t code = b.Run();
    EXPECT_EQ(code, c.code) << c.field << " " << c.text << "\n" << b.report;
    if (c.code != 0) {
      EXPECT_EQ(b.report, c.message);
      EXPECT_EQ(b.Result(), c.message);
    }
  }
  // A height beyond the 32-bit float range is refused (whichever check sees it first).
  Bound big(kMiddle);
  big.Put(16, "1e39");
  EXPECT_NE(big.Run(), 0);
  EXPECT_EQ(big.report.rfind("截面高度h一栏", 0), 0u) << big.report;
  // The symmetric I section names both flanges in one field.
  Bound i(kMiddle);
  i.Put(14, "工形截面（对称）");
  i.Put(17, "0");
  i.Put(18, "100");
  EXPECT_EQ(i.Run(), 1003);
  EXPECT_EQ(i.report, "翼缘宽度bf、bf'一栏应输入大于0的数值。（当前输入：0）");
}

TEST(DeflectionConversion, FaultKeepsTheReportAndGives9999) {
  clsBendComponentBl bl;
  deflection::Input in;
  in.sec.iType = 1, in.sec.B = 250, in.sec.H = 600;
  in.fd = 4, in.Bk = 2, in.lambda_b = 1, in.Ms = 120, in.Ml = 90, in.As = 0;  // no steel
  in.lo = 6000, in.as = 35, in.grade = 25, in.ftk = 1.75, in.Ec = 28000, in.Es = 2e5;
  Report r;
  const deflection::Result res = deflection::Convert(in, bl, r, "L");
  EXPECT_EQ(res.lErr, 9999);
  EXPECT_NE(r.str().find("【长期刚度】"), std::string::npos);
  EXPECT_NE(r.str().find("错误："), std::string::npos);
  EXPECT_EQ(r.str().find("【挠度】"), std::string::npos);
}

TEST(DeflectionConversion, EnabledFieldsFollowSourceAndShape) {
  Bound b(kSatweForm);
  EXPECT_TRUE(b.Enabled(4) && b.Enabled(9) && !b.Enabled(10) && !b.Enabled(15));

  int16_t k = 0;
  b.Put(0, "TBSA");
  b.o.CboBChangeAndClick(k);
  EXPECT_EQ(b.Caption(1), "TBSA 工程数据的目录：");
  EXPECT_FALSE(b.Enabled(23));
  b.Put(0, "手工输入");
  b.o.CboBChangeAndClick(k);
  EXPECT_TRUE(!b.Enabled(1) && !b.Enabled(4) && b.Enabled(10) && b.Enabled(23));

  k = 14;
  b.Put(14, "工形截面（对称）");
  b.o.CboBChangeAndClick(k);
  EXPECT_EQ(b.Caption(17), "翼缘宽度bf、bf' (mm)");
  EXPECT_TRUE(b.Enabled(17) && !b.Enabled(19));
  b.Put(14, "工形截面（不对称）");
  b.o.CboBChangeAndClick(k);
  EXPECT_EQ(b.Caption(17), "受拉区翼缘宽度bf (mm)");
  EXPECT_TRUE(b.Enabled(17) && b.Enabled(19));
}

TEST(DeflectionConversion, LateBound) {
  Bound b(kMiddle);
  std::vector<Arg> args = {{"bShowRtb", Variant::Bool(false)},
                           {"tText", Variant::String("")},
                           {"tBh", Variant::String("KL1")}};
  const Variant r = Invoke(b.o, "DisPlayNdHs", args);
  EXPECT_EQ(r.AsDouble(), 0);
  EXPECT_NE(args[1].value.s.find("f ＝ 31.77 mm"), std::string::npos);
}

}  // namespace
}  // namespace tk
