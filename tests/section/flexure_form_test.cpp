// clsMoment form operations: field checks and their messages, option switches, results written
// back, key filters and saved inputs (both file versions).
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "frame/binding.h"
#include "frame/component.h"
#include "frame/form_inputs.h"
#include "frame/host.h"
#include "frame/modkalbex.h"
#include "frame/variant.h"
#include "section/flexure.h"

namespace tk {
namespace {

std::shared_ptr<MemoryControlArray> Array(int n) {
  auto a = std::make_shared<MemoryControlArray>();
  for (int k = 0; k < n; ++k) a->items.push_back(std::make_shared<MemoryControl>());
  return a;
}

HostRef MakeForm() {
  auto f = std::make_shared<MemoryForm>();
  for (auto [name, n] : {std::pair{"lblB", 8},
                         {"CboB", 8},
                         {"optSet", 2},
                         {"optMu", 2},
                         {"ChkOpt", 2},
                         {"lblJg", 4}})
    f->controls.emplace_back(name, Array(n));
  for (const char* name : {"lblKz", "CboKz", "rtbBox"})
    f->controls.emplace_back(name, std::make_shared<MemoryControl>());
  return f;
}

std::string Text(const HostRef& f, const char* name, int k, const char* prop = "Text") {
  return GetText(ControlOf(f, name, k), prop);
}
void Put(const HostRef& f, int k, const char* text) {
  SetText(ControlOf(f, "CboB", k), "Text", text);
}
void Tick(const HostRef& f, const char* name, int k, bool on) {
  SetProp(ControlOf(f, name, k), "Value", Variant::Bool(on));
}

// A bound form with a valid C20 case: As from Mu = 80 kN·m, 200 × 350, as = 35, Ⅱ级.
struct Bound {
  clsMoment m;
  HostRef main = std::make_shared<MemoryForm>(), f = MakeForm();
  std::shared_ptr<SilentHostUi> ui = std::make_shared<SilentHostUi>();
  Bound() {
    modKalbex::SetUi(ui);
    m.Let_Controls(main, f);
    const char* texts[] = {"80", "200", "350", "35", "20", "Ⅱ级", "", "KL1"};
    for (int k = 0; k < 8; ++k) Put(f, k, texts[k]);
  }
  ~Bound() { modKalbex::SetUi(nullptr); }
  void Click(void (clsMoment::*op)(int16_t&), int16_t index) { (m.*op)(index); }
};

TEST(MomentForm, FieldChecksNameTheFieldWithItsPhrase) {
  struct Case {
    int field;
    const char* text;
    bool area, strength, own_min;
    const char* message;
  };
  const Case cases[] = {
      {0, "abc", false, false, false, "弯矩为“abc”，不是有效的数值。"},
      {0, "-5", true, false, false, "配筋面积为“-5”，应为大于0的数值。"},
      {1, "0", false, false, false, "截面宽度为“0”，应为大于0的数值。"},
      {2, "", false, false, false, "截面高度为“”，不是有效的数值。"},
      {2, "1e39", false, false, false, "截面高度为“1e39”，超出允许范围。"},
      {3, "350", false, false, false, "纵筋合力点至近边距离as为“350”，应小于截面高度h。"},
      {4, "22", false, false, false, "混凝土强度等级应从列表框中选取"},
      {4, "C20", false, false, false, "混凝土强度等级为“C20”，不是有效的数值。"},
      {4, "0", false, true, false, "砼弯曲抗压强度设计值fcm为“0”，应为大于0的数值。"},
      {5, "Ⅲ级", false, false, false,
       "钢筋强度设计值fy为“Ⅲ级”，应为“Ⅰ级”、“Ⅱ级”或钢筋强度设计值。"},
      {5, "-300", false, false, false, "钢筋强度设计值fy为“-300”，应为大于0的数值。"},
      {6, "100", false, false, true, "最小配筋率ρmin ＝ 100% ≥100%"},
      {6, "0", false, false, true, "最小配筋率ρmin ＝ 0% ≤0"},
      {6, "x", false, false, true, "最小配筋率ρmin 为“x”，不是有效的数值。"},
  };
  for (const Case& c : cases) {
    Bound b;
    Tick(b.f, "optMu", 1, c.area);
    Tick(b.f, "optSet", 1, c.strength);
    Tick(b.f, "ChkOpt", 1, c.own_min);
    Put(b.f, c.field, c.text);
    SetText(ControlOf(b.f, "rtbBox"), "Text", "old report");
    b.m.Calculate();
    ASSERT_EQ(b.ui->shown.size(), 1u) << c.message;
    EXPECT_EQ(b.ui->shown[0].prompt, c.message);
    EXPECT_EQ(b.ui->shown[0].title, "错误信息");
    EXPECT_TRUE(b.m.bRestrain());
    EXPECT_EQ(Text(b.f, "rtbBox", -1), "old report");
  }
  // Field 6 is read only when the user asks for an own minimum ratio.
  Bound b;
  Put(b.f, 6, "abc");
  b.m.Calculate();
  EXPECT_TRUE(b.ui->shown.empty());
  EXPECT_FALSE(b.m.bRestrain());
}

TEST(MomentForm, SeismicGradeMustComeFromTheList) {
  Bound b;
  Tick(b.f, "ChkOpt", 0, true);
  SetText(ControlOf(b.f, "CboKz"), "Text", "五级");
  b.m.Calculate();
  ASSERT_EQ(b.ui->shown.size(), 1u);
  EXPECT_EQ(b.ui->shown[0].prompt, "框架梁抗震等级应从列表框中选取");
}

TEST(MomentForm, ResultsWrittenBack) {
  // As from Mu: x = 315 - √(315² - 2·80e6/11/200) = 152.219, As = 11·200·x/310 = 1080.26,
  // ξ = 0.483, ρ = 1.71 %, ξb = 0.8/(1 + 310/(0.0033·200000)) = 0.544.
  Bound b;
  b.m.Calculate();
  EXPECT_EQ(Text(b.f, "lblJg", 0, "Caption"), "配筋面积As ＝ 1080.26 mm²");
  EXPECT_EQ(Text(b.f, "lblJg", 1, "Caption"), "相对受压区高度ξ ＝ 0.483");
  EXPECT_EQ(Text(b.f, "lblJg", 2, "Caption"), "配筋率ρ ＝ 1.71%");
  EXPECT_EQ(Text(b.f, "lblJg", 3, "Caption"), "ξ的限值 ＝ 0.544");
  EXPECT_EQ(Text(b.f, "rtbBox", -1).rfind("弯矩 KL1计算结果", 0), 0u);

  // Mu from As = 1000: x = 1000·310/200/11 = 140.909, Mu = 11·200·x·(315 - x/2) = 75.81 kN·m.
  Tick(b.f, "optMu", 1, true);
  Put(b.f, 0, "1000");
  std::string report = "ignored";
  b.m.CalculateA(report);
  EXPECT_EQ(Text(b.f, "lblJg", 0, "Caption"), "弯矩设计值Mu ＝ 75.81 kN·m");
  EXPECT_EQ(Text(b.f, "lblJg", 1, "Caption"), "相对受压区高度ξ ＝ 0.447");
  EXPECT_NE(report.find("＝ 75.81 kN·m"), std::string::npos) << report;

  // Grade-2 frame-beam end, As from 80 kN·m: γRE = 0.75 gives x = 103.625, As = 735.40 mm²,
  // and the limit 0.35.
  Tick(b.f, "optMu", 1, false);
  Put(b.f, 0, "80");
  Tick(b.f, "ChkOpt", 0, true);
  b.Click(&clsMoment::ChkOpt_Click, 0);
  EXPECT_EQ(Text(b.f, "CboKz", -1), "二级");
  b.m.Calculate();
  EXPECT_EQ(Text(b.f, "lblJg", 0, "Caption"), "配筋面积As ＝ 735.4 mm²");
  EXPECT_EQ(Text(b.f, "lblJg", 3, "Caption"), "ξ的限值 ＝ 0.350");

  // A section too small for the moment: no depth below ho.
  Tick(b.f, "ChkOpt", 0, false);
  Put(b.f, 0, "500");
  b.m.Calculate();
  EXPECT_EQ(Text(b.f, "lblJg", 0, "Caption"), "受压区高度x ≥截面有效高度ho，截面尺寸不足。");
  EXPECT_EQ(Text(b.f, "lblJg", 1, "Caption"), "");
}

TEST(MomentForm, OptionSwitchesSetDefaults) {
  Bound b;
  b.Click(&clsMoment::OptSet_Click, 1);
  EXPECT_EQ(Text(b.f, "CboB", 4), "11");
  b.Click(&clsMoment::OptSet_Click, 0);
  EXPECT_EQ(Text(b.f, "CboB", 4), "20");

  Put(b.f, 1, "");
  Put(b.f, 2, "600");
  b.Click(&clsMoment::OptMu_Click, 1);
  EXPECT_EQ(Text(b.f, "CboB", 0), "1000");
  EXPECT_EQ(Text(b.f, "CboB", 1), "200");  // empty: default
  EXPECT_EQ(Text(b.f, "CboB", 2), "600");  // the user's height stays
  b.Click(&clsMoment::OptMu_Click, 0);
  EXPECT_EQ(Text(b.f, "CboB", 0), "80");

  for (bool on : {true, false}) {
    Tick(b.f, "ChkOpt", 1, on);
    b.Click(&clsMoment::ChkOpt_Click, 1);
    EXPECT_EQ(IsOn(ControlOf(b.f, "CboB", 6)->Get("Enabled")), on);
  }
}

TEST(MomentForm, SavedInputsBothVersions) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("mu01_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string path = (dir / "QvfdMu01.tav").string();
  std::string save = "保存数据", load = "读取数据";
  {
    Bound b;
    Tick(b.f, "optSet", 1, true);
    Tick(b.f, "optMu", 1, true);
    Tick(b.f, "ChkOpt", 0, true);
    Put(b.f, 4, "16.5");
    SetText(ControlOf(b.f, "CboKz"), "Text", "三级");
    b.m.LoadOrSaveData(save, &path);
  }
  std::ifstream in(path);
  std::string header;
  std::getline(in, header);
  EXPECT_EQ(header, "Tavrine_MuV2000.0237");

  Bound g;
  for (int k = 0; k < 8; ++k) Put(g.f, k, "");
  g.m.LoadOrSaveData(load, &path);
  const char* want[] = {"80", "200", "350", "35", "16.5", "Ⅱ级", "", "KL1"};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(Text(g.f, "CboB", k), want[k]) << k;
  EXPECT_TRUE(IsOn(ControlOf(g.f, "optSet", 1)->Get("Value")));
  EXPECT_FALSE(IsOn(ControlOf(g.f, "optSet", 0)->Get("Value")));
  EXPECT_TRUE(IsOn(ControlOf(g.f, "optMu", 1)->Get("Value")));
  EXPECT_TRUE(IsOn(ControlOf(g.f, "ChkOpt", 0)->Get("Value")));
  EXPECT_FALSE(IsOn(ControlOf(g.f, "ChkOpt", 1)->Get("Value")));
  EXPECT_EQ(Text(g.f, "CboKz", -1), "三级");

  // The older version holds fields 0..6 and the option pairs; the label and the check boxes keep
  // their values.
  {
    std::ofstream(path, std::ios::trunc)
        << "Tavrine_MuV2000.0138\n120\n250\n500\n40\n25\nⅠ级\n0.25\nTrue\nFalse\nTrue\nFalse\n";
  }
  Put(g.f, 7, "L9");
  g.m.LoadOrSaveData(load, &path);
  const char* old[] = {"120", "250", "500", "40", "25", "Ⅰ级", "0.25", "L9"};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(Text(g.f, "CboB", k), old[k]) << k;
  EXPECT_TRUE(IsOn(ControlOf(g.f, "optSet", 0)->Get("Value")));
  EXPECT_TRUE(IsOn(ControlOf(g.f, "ChkOpt", 0)->Get("Value")));

  // Foreign and damaged files load nothing and say so.
  for (const char* bad : {"Tavrine_DlJc_V2000.0315\n1\n", "Tavrine_MuV2000.0138\n1\n2\n",
                          "Tavrine_MuV2000.0138\n1\n2\n3\n4\n5\n6\n7\nyes\nno\nTrue\nFalse\n"}) {
    { std::ofstream(path, std::ios::trunc) << bad; }
    try {
      g.m.LoadOrSaveData(load, &path);
      ADD_FAILURE() << bad;
    } catch (const ComponentFailure& e) {
      EXPECT_NE(std::string(e.what()).find("未读取任何数据"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Text(g.f, "CboB", 0), "120");
  }
  std::string nowhere = (dir / "none" / "QvfdMu01.tav").string();
  try {
    g.m.LoadOrSaveData(save, &nowhere);
    ADD_FAILURE() << nowhere;
  } catch (const ComponentFailure& e) {
    EXPECT_NE(std::string(e.what()).find("保存失败，原文件未改动"), std::string::npos) << e.what();
  }
  std::string other = "打印";
  EXPECT_THROW(g.m.LoadOrSaveData(other, &path), ComponentFailure);
  fs::remove_all(dir);
}

TEST(MomentForm, LateBound) {
  Bound b;
  std::vector<Arg> args = {{"tText", Variant::String("")}};
  Invoke(b.m, "CalculateA", args);
  EXPECT_NE(args[0].value.s.find("1080.26"), std::string::npos) << args[0].value.s;
  std::vector<Arg> none;
  EXPECT_FALSE(Invoke(b.m, "bRestrain", none).b);
}

}  // namespace
}  // namespace tk
