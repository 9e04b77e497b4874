// clsLfKd form operations: the field checks with their names and templates, the lists, captions
// and enabled fields of each member kind and shape, the form calculation and the saved inputs.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "frame/binding.h"
#include "frame/component.h"
#include "frame/form_inputs.h"
#include "frame/host.h"
#include "frame/variant.h"
#include "service/crack_width.h"
#include "support/host_form.h"
#include "support/temp_dir.h"

namespace tk {
namespace {

// A flexural case: b × h = 250 × 600, as = 40, As = 1256, c = 25, d = 20, Ms = 120, C20, Es 2e5.
const char* const kFlexure[18] = {"受弯", "矩形截面", "",    "25",  "20", "120",
                                  "",     "1256",     "250", "600", "",   "",
                                  "",     "",         "",    "40",  "20", "200000"};

struct Bound {
  clsLfKd o;
  std::shared_ptr<MemoryForm> f = test_support::MakeForm(
      {{"lblB", 18}, {"CboB", 18}, {"optSet", 4}, {"ChkB", 3}, {"ChkOpt", 2}}, {"chkXsTL"});
  std::shared_ptr<MemoryForm> pic = std::make_shared<MemoryForm>();
  Bound() {
    HostRef sub = f, p = pic;
    o.SubForm(sub);
    o.PicForm(p);
    for (int k = 0; k < 18; ++k) Put(k, kFlexure[k]);
    o.Form_Load();
  }
  HostRef C(const char* name, int k = -1) { return ControlOf(f, name, k); }
  void Put(int k, const std::string& t) { SetText(C("CboB", k), "Text", t); }
  std::string Text(int k) { return GetText(C("CboB", k)); }
  std::string Caption(int k, const char* prop = "Caption") { return GetText(C("lblB", k), prop); }
  bool Enabled(int k) { return IsEnabled(C("CboB", k)); }
  std::vector<std::string> List(int k) { return test_support::ListOf(C("CboB", k)); }
  void Option(int16_t k) { o.OptSet_Click(k); }
  void Change(int16_t k) { o.CboChangeAndClick(k); }
  void Tick(const char* name, int k, bool on) { SetProp(C(name, k), "Value", Variant::Bool(on)); }
  std::string Calculate() {
    std::string text, label = "L1";
    o.Calculate(text, label);
    return text;
  }
};

TEST(CrackWidthForm, FieldChecksNameTheFieldByTemplate) {
  struct Case {
    const char* kind;
    const char* shape;
    int16_t option;  // -1: none; 1 eccentricity; 3 ftk
    int field;
    const char* text;
    int32_t code;  // 0: passes
    const char* message;
  };
  const Case cases[] = {
      // clang-format off
      {"受弯", "矩形截面", -1, 3, "", 1001, "纵筋外边缘至底边的距离c一栏不能为空。"},
      {"受弯", "矩形截面", -1, 5, "-1", 1003, "弯矩值Ms一栏应输入大于0的数值。（当前输入：-1）"},
      {"偏心受压", "矩形截面", 1, 5, "0", 1003, "偏心距eo一栏应输入大于0的数值。（当前输入：0）"},
      {"轴心受拉", "矩形截面", -1, 6, "x", 1002, "轴向力Ns一栏应输入数值。（当前输入：x）"},
      {"轴心受拉", "矩形截面", -1, 5, "x", 0, ""},  // no moment in axial tension
      {"受弯", "矩形截面", -1, 6, "x", 0, ""},      // no axial force in flexure
      {"偏心受压", "矩形截面", -1, 14, "-1", 1004, "受压构件计算长度lo一栏应输入不小于0的数值。（当前输入：-1）"},
      {"偏心受压", "矩形截面", -1, 14, "0", 0, ""},
      {"受弯", "工形截面（对称）", -1, 10, "0", 1003, "翼缘宽度bf、bf'一栏应输入大于0的数值。（当前输入：0）"},
      {"受弯", "倒T形截面", -1, 11, "", 1001, "受拉区翼缘高度hf一栏不能为空。"},
      {"偏心受拉", "T形截面", -1, 12, "0", 1003, "受压区翼缘宽度bf'一栏应输入大于0的数值。（当前输入：0）"},
      {"受弯", "T形截面", -1, 12, "0", 0, ""},  // a compression flange adds nothing in flexure
      {"偏心受拉", "矩形截面", -1, 2, "0", 1003, "受压区（或受拉较小边）纵筋合力点至近边距离as'一栏应输入大于0的数值。（当前输入：0）"},
      {"受弯", "矩形截面", -1, 16, "22", 1008, "混凝土强度等级一栏应输入规范中的混凝土强度等级（7.5～60）。（当前输入：22）"},
      {"受弯", "矩形截面", 3, 16, "0", 1003, "抗拉强度标准值ftk一栏应输入大于0的数值。（当前输入：0）"},
      {"受弯", "矩形截面", -1, 17, "", 1001, "钢筋弹性模量Es一栏不能为空。"},
      {"纯弯", "矩形截面", -1, 0, "纯弯", 900202, "构件受力特征应从列表框中选取。"},
      {"轴心受拉", "T形截面", -1, 1, "T形截面", 900203, "截面形式应从列表框中选取。"},
      // clang-format on
  };
  for (const Case& c : cases) {
    Bound b;
    b.Put(0, c.kind);
    b.Put(1, c.shape);
    for (int k : {2, 6, 10, 11, 12, 13, 14}) b.Put(k, "100");
    if (c.option == 1) b.Tick("optSet", 1, true), b.Tick("optSet", 0, false);
    if (c.option == 3) b.Tick("optSet", 3, true), b.Tick("optSet", 2, false);
    b.Put(c.field, c.text);
    int32_t code = -1;
    int16_t index = 99;
    HostRef cbo = b.C("CboB"), opt = b.C("optSet");
    b.o.CheckLfErr(code, index, cbo, opt);
    EXPECT_EQ(code, c.code) << c.kind << c.shape << c.field;
    EXPECT_EQ(index, c.code ? c.field : -1) << c.kind << c.shape << c.field;
    const std::string text = b.Calculate();
    if (c.code)
      EXPECT_EQ(text, c.message);
    else
      EXPECT_EQ(text.rfind("裂缝宽度验算：L1", 0), 0u) << text;
  }
}

TEST(CrackWidthForm, OneRowBarsSkipBothAsFields) {
  Bound b;
  b.Put(0, "偏心受拉");
  b.Put(6, "100");
  b.Put(2, "");
  b.Put(15, "");
  b.Tick("ChkB", 0, true);
  int16_t k = 0;
  b.o.ChkB_Click(k);
  EXPECT_FALSE(b.Enabled(2));
  EXPECT_FALSE(b.Enabled(15));
  int32_t code = -1;
  int16_t index = 0;
  HostRef cbo = b.C("CboB"), opt = b.C("optSet");
  b.o.CheckLfErr(code, index, cbo, opt);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(index, -1);
}

TEST(CrackWidthForm, ShapeListsCaptionsAndEnabledFieldsFollowKindAndShape) {
  Bound b;
  // Axial tension offers no T section: the chosen T falls back to the first shape.
  b.Put(1, "T形截面");
  b.Put(0, "轴心受拉");
  b.Change(0);
  EXPECT_EQ(b.List(1).size(), 4u);
  EXPECT_EQ(b.Text(1), "矩形截面");
  EXPECT_FALSE(b.Enabled(5));
  EXPECT_TRUE(b.Enabled(6));

  // A shape the new list still offers stays.
  b.Put(1, "工形截面（对称）");
  b.Put(0, "偏心受压");
  b.Change(0);
  EXPECT_EQ(b.Text(1), "工形截面（对称）");
  EXPECT_EQ(b.Caption(10), "翼缘宽度bf、bf' (mm)：");
  EXPECT_TRUE(b.Enabled(10) && b.Enabled(11) && !b.Enabled(12) && !b.Enabled(13));
  EXPECT_TRUE(b.Enabled(5) && b.Enabled(6) && b.Enabled(14) && !b.Enabled(2));
  EXPECT_FALSE(IsEnabled(b.C("ChkB", 2)));

  b.Put(1, "工形截面（不对称）");
  b.Change(1);
  EXPECT_EQ(b.Caption(10), "受拉区翼缘宽度bf (mm)：");
  EXPECT_TRUE(b.Enabled(10) && b.Enabled(11) && b.Enabled(12) && b.Enabled(13));

  b.Put(0, "受弯");
  b.Change(0);
  EXPECT_TRUE(b.Enabled(10) && !b.Enabled(12) && !b.Enabled(6) && !b.Enabled(14));
  EXPECT_TRUE(IsEnabled(b.C("ChkB", 2)));
}

TEST(CrackWidthForm, OptionsSwitchCaptionsAndDefaults) {
  Bound b;
  b.Put(0, "偏心受拉");
  b.Change(0);
  b.Option(1);
  EXPECT_EQ(b.Caption(5), "偏心距eo (mm)：");
  EXPECT_FALSE(IsOn(b.C("optSet", 0)));
  b.Option(0);
  EXPECT_EQ(b.Caption(5), "弯矩值Ms (kN·M)：");
  b.Option(3);
  EXPECT_EQ(b.Text(16), "1.50");
  b.Option(2);
  EXPECT_EQ(b.Text(16), "20");

  // Deformed and plain bars are one choice.
  b.Tick("ChkOpt", 1, true);
  int16_t k = 1;
  b.o.ChkOpt_Click(k);
  EXPECT_FALSE(IsOn(b.C("ChkOpt", 0)));
  b.Tick("ChkOpt", 1, false);
  b.o.ChkOpt_Click(k);
  EXPECT_TRUE(IsOn(b.C("ChkOpt", 0)));

  b.Tick("chkXsTL", -1, true);
  b.o.chkXsTL_Click();
  EXPECT_EQ(GetText(b.C("chkXsTL"), "Caption"), "隐藏图例(&T)");
  EXPECT_TRUE(IsOn(b.pic->Get("Visible")));
  b.Tick("chkXsTL", -1, false);
  b.o.chkXsTL_Click();
  EXPECT_EQ(GetText(b.C("chkXsTL"), "Caption"), "显示图例(&T)");
  EXPECT_FALSE(IsOn(b.pic->Get("Visible")));
}

TEST(CrackWidthForm, CalculateReadsTheForm) {
  // ho = 560, Ate = 75000, ρte = 0.016747, σss = 120e6/(0.87·560·1256) = 196.10,
  // ψ = 1.1 - 0.65·1.5/ρte/σss = 0.8031, ωmax = 2.1·ψ·σss·(2.7·25 + 0.1·20/ρte)·0.7/2e5 = 0.216;
  // plain bars (υ = 1.0) 0.309; cranes 0.85 × 0.216 = 0.184.
  Bound b;
  EXPECT_NE(b.Calculate().find("    ωmax ＝ 0.216 mm"), std::string::npos);
  b.Tick("ChkOpt", 0, false);
  b.Tick("ChkOpt", 1, true);
  EXPECT_NE(b.Calculate().find("    ωmax ＝ 0.309 mm"), std::string::npos);
  b.Tick("ChkOpt", 0, true);
  b.Tick("ChkOpt", 1, false);
  b.Tick("ChkB", 2, true);
  EXPECT_NE(b.Calculate().find("ωmax' ＝ 0.85*0.216 ＝ 0.184 mm"), std::string::npos);
  // ftk given directly instead of the grade
  b.Tick("optSet", 2, false);
  b.Tick("optSet", 3, true);
  b.Put(16, "1.5");
  EXPECT_NE(b.Calculate().find("ftk＝1.50 N/mm²"), std::string::npos);

  // Eccentric tension reads as' from field 2.
  Bound t;
  t.Put(0, "偏心受拉");
  t.Put(6, "300");
  t.Put(2, "45");
  const std::string r = t.Calculate();
  EXPECT_NE(r.find("受压区（或受拉较小边）纵向钢筋合力点至截面近边的距离as'＝45 mm"),
            std::string::npos)
      << r;
}

TEST(CrackWidthForm, SavedInputsRoundTripAndRefusals) {
  const test_support::TempDir dir;
  std::string path = dir / "QvfdLfKd.tav";
  std::string save = "保存数据", load = "读取数据", err;
  Bound a;
  a.Put(0, "偏心受压");
  a.Change(0);
  a.Put(1, "倒T形截面");
  for (int k = 2; k < 18; ++k)
    if (k != 16) a.Put(k, std::to_string(100 + k));
  a.Option(1);
  a.Option(3);
  a.Tick("ChkB", 1, true);
  a.Tick("ChkOpt", 0, false);
  a.Tick("ChkOpt", 1, true);
  a.Tick("chkXsTL", -1, true);
  EXPECT_TRUE(a.o.bLoadOrSaveData(save, &path, &err)) << err;

  Bound g;
  EXPECT_TRUE(g.o.bLoadOrSaveData(load, &path, &err)) << err;
  for (int k = 0; k < 18; ++k) EXPECT_EQ(g.Text(k), a.Text(k)) << k;
  EXPECT_TRUE(IsOn(g.C("optSet", 1)) && !IsOn(g.C("optSet", 0)));
  EXPECT_TRUE(IsOn(g.C("optSet", 3)) && !IsOn(g.C("optSet", 2)));
  EXPECT_TRUE(IsOn(g.C("ChkB", 1)) && !IsOn(g.C("ChkB", 0)) && !IsOn(g.C("ChkB", 2)));
  EXPECT_TRUE(IsOn(g.C("ChkOpt", 1)) && !IsOn(g.C("ChkOpt", 0)));
  EXPECT_TRUE(IsOn(g.C("chkXsTL")));
  // lists and captions follow what was loaded
  EXPECT_EQ(g.Caption(5), "偏心距eo (mm)：");
  EXPECT_TRUE(g.Enabled(14) && g.Enabled(10) && !g.Enabled(12));

  std::ifstream in(path);
  std::string header;
  std::getline(in, header);
  in.close();
  for (const char* bad : {"Tavrine_MuV2000.0237\n80\n", "Tavrine_LfKd_V2026.12\n受弯\n"}) {
    { std::ofstream(path, std::ios::trunc) << bad; }
    g.Put(3, "kept");
    EXPECT_FALSE(g.o.bLoadOrSaveData(load, &path, &err));
    EXPECT_NE(err.find("未读取任何数据"), std::string::npos) << err;
    EXPECT_EQ(g.Text(3), "kept");
    EXPECT_THROW(g.o.LoadOrSaveData(load, &path), ComponentFailure);
  }
  EXPECT_EQ(header, "Tavrine_LfKd_V2026.12");
  std::string missing = dir / "none.tav";
  EXPECT_FALSE(g.o.bLoadOrSaveData(load, &missing, &err));
  EXPECT_FALSE(err.empty());
}

TEST(CrackWidthForm, LateBound) {
  Bound b;
  std::vector<Arg> args = {{"tText", Variant::String("")}, {"tGjBh", Variant::String("L2")}};
  Invoke(b.o, "Calculate", args);
  EXPECT_NE(args[0].value.s.find("ωmax ＝ 0.216 mm"), std::string::npos);
}

}  // namespace
}  // namespace tk
