#include "members/beam_bars.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "frame/component.h"
#include "frame/host.h"
#include "frame/modkalbex.h"
#include "frame/records.h"
#include "frame/variant.h"

namespace tk {
namespace {

using namespace beampj;

std::vector<std::string> Names(const SearchResult& r) {
  std::vector<std::string> v;
  for (const auto& x : r.records) v.push_back(Describe(x));
  return v;
}

TEST(BeamBarsGeometry, ClearSpacingByKeyAndRow) {
  struct Case {
    const char* key;
    double d;
    int row;
    double s;
  } cases[] = {{"TH", 16, 1, 30}, {"TH", 25, 3, 37.5}, {"BH", 20, 1, 25},
               {"BH", 28, 1, 28}, {"BH", 20, 3, 50},   {"BH", 28, 4, 56},
               {"TV", 20, 2, 25}, {"BV", 32, 2, 32},   {"BV", 12, 3, 25}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(ClearSpacing(c.key, c.d, c.row), c.s) << c.key << c.d << c.row;
}

TEST(BeamBarsGeometry, MostBarsAndFirstRowMinimum) {
  EXPECT_EQ(MaxBarsInRow(250, 25, 20, 25), 5);  // (250 - 50 + 25) / 45 = 5 exactly
  EXPECT_EQ(MaxBarsInRow(200, 20, 25, 25), 3);  // edge distance max(c, d) = 25
  EXPECT_EQ(MaxBarsInRow(250, 25, 20, 50), 3);  // third bottom row: doubled spacing, 225/70
  EXPECT_EQ(MaxBarsInRow(40, 25, 20, 25), 0);
  EXPECT_EQ(MinBarsFirstRow(350, 25, 25, 300), 4);  // ceil(250/292) + 1 = 2, raised to 4
  EXPECT_EQ(MinBarsFirstRow(349, 25, 25, 300), 2);
  EXPECT_EQ(MinBarsFirstRow(1000, 25, 25, 200), 6);  // ceil(900/192) + 1
}

TEST(BeamBarsGeometry, EquivalentAreas) {
  // 28 mm with fy40 = 310 and fy25 = 340 counts with 310/340 of its area
  EXPECT_NEAR(EquivalentBarArea(28, 340, 310), 615.752 * 310 / 340, 1e-3);
  EXPECT_NEAR(EquivalentBarArea(25, 340, 310), 490.874, 1e-3);
  BeamPjRecord r;
  r.row[0] = {5, 20, 0, 0};
  r.row[1] = {2, 28, 1, 22};
  r.k2 = 0.9f;
  EXPECT_NEAR(ActualArea(r), 5 * 314.159 + 2 * 615.752 + 380.133, 1e-2);
  EXPECT_NEAR(EquivalentArea(r, 340, 310), 5 * 314.159 + 0.9 * (2 * 615.752 * 310 / 340 + 380.133),
              1e-2);
  EXPECT_NEAR(EquivalentDiameter(r), (5 * 400 + 2 * 784 + 484) / (5 * 20.0 + 2 * 28 + 22), 1e-9);
  EXPECT_EQ(Describe(r), "5·20 / 2·28 + 1·22");
}

TEST(BeamBarsGeometry, RowFactorAndItsCodes) {
  int32_t e = -1;
  // [(500 - 80) - 50] / [(500 - 35) - 50]
  EXPECT_NEAR(RowFactor(500, 35, 80, 100, e), 370.0 / 415.0, 1e-12);
  EXPECT_EQ(e, 0);
  RowFactor(100, 35, 85, 30, e);  // exactly 0 counts as failure
  EXPECT_EQ(e, kRowFactorDepth);
  RowFactor(500, 60, 35, 100, e);  // a row above row 1 cannot count for more than row 1
  EXPECT_EQ(e, kRowFactorAboveOne);
}

SearchInput Narrow() {
  SearchInput in;
  in.As = 1200, in.b = 250, in.c = 25, in.dMin = 18, in.dMax = 22, in.kl = 1.0, in.ku = 1.1;
  in.fy25 = in.fy40 = 310, in.sl = 200;
  return in;
}

TEST(BeamBarsSearch, SingleRowListInSearchOrderAndFallback) {
  SearchResult r = FindBarArrangements(Narrow());
  EXPECT_EQ(r.lErr, 0);
  EXPECT_FALSE(r.fallback);
  EXPECT_EQ(Names(r), (std::vector<std::string>{"2·18 + 2·22", "5·18", "4·20"}));
  SearchInput in = Narrow();
  in.b = 200, in.dMin = in.dMax = 20, in.As = 700;
  in.kl = in.ku = 1.0;  // 2·20 = 628 below, 3·20 = 942 above: the next one up is the answer
  r = FindBarArrangements(in);
  EXPECT_EQ(r.lErr, 0);
  EXPECT_TRUE(r.fallback);
  EXPECT_EQ(Names(r), std::vector<std::string>{"3·20"});
}

TEST(BeamBarsSearch, ThroughBarsKeptAsBaseGroup) {
  SearchInput in = Narrow();
  in.b = 300, in.dMin = 16, in.dMax = 25, in.As = 1500, in.ku = 1.15;
  in.nThrough = 2, in.dThrough = 20;
  const SearchResult r = FindBarArrangements(in);
  EXPECT_EQ(r.nMin, 3);
  EXPECT_EQ(Names(r), (std::vector<std::string>{"2·20 + 2·25", "5·20", "2·20 + 4·18", "3·20 + 2·22",
                                                "4·20 + 1·18", "4·20 + 1·22", "4·20 + 2·16"}));
}

TEST(BeamBarsSearch, ThroughBarsAboveTheWindowAreTheAnswer) {
  SearchInput in = Narrow();
  in.b = 400, in.dMin = 16, in.dMax = 25, in.As = 500;  // 2·25 = 981.7 > 1.1·500
  in.nThrough = 2, in.dThrough = 25;
  const SearchResult r = FindBarArrangements(in);
  ASSERT_EQ(r.records.size(), 1u);
  EXPECT_EQ(r.nMin, 4);  // b >= 350
  // completed to four bars with one list entry smaller
  EXPECT_EQ(Describe(r.records[0]), "2·25 + 2·22");
}

TEST(BeamBarsSearch, NothingFoundAndTooNarrow) {
  SearchInput in = Narrow();
  in.As = 100000;
  EXPECT_EQ(FindBarArrangements(in).lErr, kNothingFound);
  in = Narrow();
  in.b = 300, in.dMax = 25,
  in.sl = 50;  // ceil(200/42) + 1 = 6 bars of 25: 2·25 + 150 + 5·25 = 325 > 300
  EXPECT_EQ(FindBarArrangements(in).lErr, kTooNarrow);
  in.sl = 300;  // 2c + sl - 8 >= b: no stirrup-leg demand
  EXPECT_NE(FindBarArrangements(in).lErr, kTooNarrow);
}

TEST(BeamBarsSearch, SecondRowWithItsFactor) {
  SearchInput in = Narrow();
  in.dMin = 16, in.dMax = 25, in.As = 3000, in.ku = 1.05, in.iPai = 2, in.k[2] = 0.9;
  const SearchResult r = FindBarArrangements(in);
  EXPECT_EQ(Names(r), (std::vector<std::string>{"5·20 / 2·20 + 2·25", "5·20 / 2·22 + 2·25"}));
  for (const auto& x : r.records) {
    EXPECT_FLOAT_EQ(x.k2, 0.9f);
    const double a = EquivalentArea(x, 310, 310);
    EXPECT_TRUE(a >= 3000 && a <= 3150) << a;
  }
  in.k[2] = 0;  // a factor of 0 ends the search for deeper rows
  EXPECT_EQ(FindBarArrangements(in).lErr, kNothingFound);
}

TEST(BeamBarsSearch, ThirdBottomRowUsesDoubledSpacing) {
  SearchInput in = Narrow();
  in.dMin = 16, in.dMax = 25, in.As = 4000, in.ku = 1.1, in.iPai = 3;
  in.k[2] = in.k[3] = 1.0;
  const SearchResult r = FindBarArrangements(in);
  bool three = false;
  for (const auto& x : r.records) {
    if (x.Rows() < 3) continue;
    three = true;
    // doubled spacing: at most floor((250 - 50 + 50)/(d + 50)) bars; 3 of 20, 4 with 16s
    EXPECT_EQ(Describe(x).rfind("5·20 / 5·20 / ", 0), 0u) << Describe(x);
    EXPECT_LE(x.row[2].Count(), 3) << Describe(x);
  }
  EXPECT_TRUE(three);
  in.top = true;  // top bars: 1.5d and 30 mm, no doubling; 250 fits 4·20 in a row
  for (const auto& x : FindBarArrangements(in).records) EXPECT_LE(x.row[0].Count(), 4);
}

// --- Calculate -------------------------------------------------------------------------------

struct Call {
  int32_t lErr = -1;
  int16_t Index = -1;
  VBArray<std::string> Text{0, std::vector<std::string>(17)};
  VBArray<bool> bText;
  bool bTop = false, bMM2 = false, bAuto = false;
  int16_t iPai = 1;
  bool bAsEq = true, bAsSj = true, bZj = false, bAsPjl = false, bLfKd = false, bBxGj = true;
  double dEs = 200000, dMs = 0;
  std::string tF, tText = "KL1";

  explicit Call(std::initializer_list<std::pair<int, const char*>> set = {}) {
    const char* t[17] = {"15", "250", "",    "16",  "25",  "25",  "1.0", "1.1", "500",
                         "20", "0.9", "0.8", "0.7", "310", "310", "200", "120"};
    for (int k = 0; k < 17; ++k) Text(k) = t[k];
    for (auto [k, v] : set) Text(k) = v;
  }
  bool Says(const char* piece) const { return tText.find(piece) != std::string::npos; }
  void Run(clsBeamPjOld& o) {
    o.Calculate(lErr, Index, Text, bText, bTop, bMM2, bAuto, iPai, bAsEq, bAsSj, bZj, bAsPjl, bLfKd,
                bBxGj, dEs, dMs, tF, tText);
  }
};

class BeamBarsCalc : public ::testing::Test {
 protected:
  void SetUp() override {
    ui = std::make_shared<SilentHostUi>();
    modKalbex::SetUi(ui);
  }
  void TearDown() override { modKalbex::SetUi(nullptr); }
  std::shared_ptr<SilentHostUi> ui;
  clsBeamPjOld o;
};

TEST_F(BeamBarsCalc, AreaInSquareCentimetresOrMillimetres) {
  Call a({{0, "12.5"}}), b({{0, "1250"}});
  a.Run(o);
  ASSERT_EQ(a.lErr, 0) << a.tText;
  const auto cm = o.records();
  ASSERT_FALSE(cm.empty());
  for (const auto& r : cm) {
    const double e = EquivalentArea(r, 310, 310);
    EXPECT_TRUE(e >= 1250 - 1e-6 && e <= 1375 + 1e-6) << e;
  }
  b.bMM2 = true;
  b.Run(o);
  ASSERT_EQ(b.lErr, 0);
  ASSERT_EQ(o.records().size(), cm.size());
  // cm² shows two decimals, mm² none
  EXPECT_TRUE(a.Says("[12.57]")) << a.tText;  // 4·20 = 1256.6 mm²
  EXPECT_TRUE(b.Says("[1257]")) << b.tText;
}

TEST_F(BeamBarsCalc, SingleThroughBarCountsAsTwo) {
  for (const char* t : {"1Φ20", "Φ20", "1-20"}) {  // one bar, any way of writing it
    Call a({{2, t}});
    a.Run(o);
    ASSERT_EQ(a.lErr, 0) << t << a.tText;
    ASSERT_FALSE(o.records().empty());
    for (const auto& r : o.records()) {
      EXPECT_FLOAT_EQ(r.row[0].d1, 20) << t;
      EXPECT_GE(r.row[0].n1, 2) << t;
    }
  }
}

TEST_F(BeamBarsCalc, InputChecksStopAtTheFirstFailure) {
  struct Case {
    int field;
    const char* text;
    int32_t code;
  } cases[] = {
      {0, "", kInputFails},     {1, "abc", kInputFails},  {10, "-1", kInputFails},
      {2, "2x20", kInputValue}, {2, "2Φ30", kInputValue}, {3, "15", kInputValue},
      {4, "30", kInputValue},   {7, "0.9", kInputValue},  {15, "8", kInputValue},
      {9, "22", kInputFails},
  };
  for (const auto& c : cases) {
    Call a({{c.field, c.text}});
    a.iPai = 2;
    a.bLfKd = c.field == 9;
    a.Run(o);
    EXPECT_EQ(a.lErr, c.code) << c.field << " " << c.text;
    EXPECT_EQ(a.Index, c.field) << c.text;
    EXPECT_TRUE(c.field != 7 || a.Says("实配钢筋面积上限")) << a.tText;
  }
  Call s({{3, "25"}, {4, "20"}});  // smallest above largest
  s.Run(o);
  EXPECT_EQ(s.lErr, kInputValue);
  EXPECT_EQ(s.Index, 4);
  Call f({{12, "x"}});  // the fourth-row factor is not read with two rows allowed ...
  f.iPai = 2;
  f.Run(o);
  EXPECT_EQ(f.lErr, 0);
  f.bText.ReDim(0, 16);  // ... unless the host has it in use
  f.bText.data[12] = true;
  f.Run(o);
  EXPECT_EQ(f.lErr, kInputFails);
  EXPECT_EQ(f.Index, 12);
  EXPECT_TRUE(f.Says("第四排纵筋面积折减系数"));
}

TEST_F(BeamBarsCalc, LongSearchWarningsAndCancel) {
  Call a({{1, "5000"}, {0, "1"}}), b({{1, "5001"}});
  a.Run(o);
  EXPECT_TRUE(ui->shown.empty());
  b.tText = "unchanged";
  b.Run(o);
  ASSERT_EQ(ui->shown.size(), 1u);
  EXPECT_EQ(ui->shown[0].title, "警告！");
  EXPECT_EQ(ui->shown[0].buttons, mb::kOkCancel | mb::kDefaultButton2 | mb::kQuestion);
  EXPECT_EQ(b.lErr, kCancelled);  // Cancel is the default button
  EXPECT_EQ(b.tText, "unchanged");

  ui->shown.clear();
  ui->forced_answer = mb::kOk;
  Call c({{1, "50001"}, {0, "1"}, {3, "40"}, {4, "40"}, {15, "100000"}});
  c.Run(o);
  ASSERT_EQ(ui->shown.size(), 2u);
  EXPECT_NE(c.lErr, kCancelled);

  // Cancel in the second box
  struct SecondCancels : HostUi {
    int n = 0;
    int MsgBox(std::string_view, int, std::string_view) override {
      return ++n == 1 ? mb::kOk : mb::kCancel;
    }
  };
  modKalbex::SetUi(std::make_shared<SecondCancels>());
  Call d = c;
  d.Run(o);
  EXPECT_EQ(d.lErr, kCancelled);
}

TEST_F(BeamBarsCalc, SearchFailuresShowTheirBoxes) {
  Call a({{0, "1000"}}), b({{1, "300"}, {15, "50"}});  // 100000 mm² in 250 mm; legs too far
  a.Run(o);
  EXPECT_EQ(a.lErr, kNothingFound);
  ASSERT_EQ(ui->shown.size(), 1u);
  EXPECT_EQ(ui->shown[0].title, "无法配筋！");
  b.Run(o);
  EXPECT_EQ(b.lErr, kTooNarrow);
  ASSERT_EQ(ui->shown.size(), 2u);
  EXPECT_EQ(ui->shown[1].buttons & mb::kExclamation, mb::kExclamation);
}

TEST_F(BeamBarsCalc, AutomaticRowFactorsAndTheirCodes) {
  Call a({{0, "30"}});
  a.bAuto = a.bZj = true, a.iPai = 4;
  a.Run(o);
  ASSERT_EQ(a.lErr, 0) << a.tText;
  ASSERT_FALSE(o.records().empty());
  // d_m = 20: a1 = 35, rows 45 apart; x = 3000*310/250/11 = 338.18 (xi = 0.727 > xi_b = 0.5443,
  // so x is recomputed: x = 0.8*fy*As/(xi_b-0.8)/[fy*As/(xi_b-0.8) - fcm*b*ho]*ho)
  const double xib = 0.8 / (1 + 310 / (0.0033 * 200000));
  const double t = 310 * 3000 / (xib - 0.8);
  const double x = 0.8 * t / (t - 11 * 250 * 465.0) * 465;
  const double den = 465 - x / 2;
  const auto& r = o.records().front();
  EXPECT_NEAR(r.k2, (420 - x / 2) / den, 1e-4);
  EXPECT_NEAR(r.k3, (375 - x / 2) / den, 1e-4);
  EXPECT_NEAR(r.k4, (330 - x / 2) / den, 1e-4);

  Call b = a;  // h below a1: the flexure calculation fails
  b.Text(8) = "30";
  b.Run(o);
  EXPECT_EQ(b.lErr, kRowFactorFlexure);
  EXPECT_TRUE(b.Says("自动计算多排纵筋面积折减系数失败"));
  Call c = a;  // h = 150: third row in the compression zone
  c.Text(0) = "15", c.Text(8) = "150", c.iPai = 3;
  c.Run(o);
  EXPECT_EQ(c.lErr, kRowFactorDepth);
  EXPECT_EQ(c.tText.rfind("第三排", 0), 0u);
  c.iPai = 2;  // two rows still work
  c.Run(o);
  EXPECT_EQ(c.lErr, 0);
}

TEST_F(BeamBarsCalc, ResultTableWithRatioAndCrackWidth) {
  Call a({{3, "18"}, {4, "22"}, {0, "12"}});
  a.bZj = a.bAsPjl = a.bLfKd = true;
  a.Run(o);
  ASSERT_EQ(a.lErr, 0) << a.tText;
  EXPECT_EQ(a.dMs, 120);
  // 5·18 = 1272.3 mm²: ratio 1272.3 / (250 * (500 - 25 - 9)) = 1.09 %
  // crack width (GBJ 10-89 5.2): ho = 466, sigma_ss = 120e6/(0.87*466*1272.3) = 232.64,
  // rho_te = 1272.3/62500 = 0.020357, psi = 1.1 - 0.65*1.5/0.020357/232.64 = 0.8941,
  // w = 2.1*0.8941*232.64/200000*(2.7*25 + 0.1*18/0.020357)*0.7 = 0.2380
  const size_t at = a.tText.find(" 5·18 ");
  ASSERT_NE(at, std::string::npos) << a.tText;
  const std::string line = a.tText.substr(at, a.tText.find("\r\n", at) - at);
  for (const char* piece : {"[12.72]    | [12.72]", "(1.09%)", "{0.238}"})
    EXPECT_NE(line.find(piece), std::string::npos) << line;
}

// --- form operations and saved inputs --------------------------------------------------------

bool On(HostRef f, const char* name, int k, const char* prop = "Enabled") {
  return ControlOf(f, name, k)->Get(prop).AsDouble() != 0;
}
void Tick(HostRef f, const char* name, int k, int v) {
  SetProp(ControlOf(f, name, k), "Value", Variant::Int32(v));
}

HostRef MakeForm() {
  auto f = std::make_shared<MemoryForm>();
  for (auto [name, n] :
       {std::pair{"lblB", 17}, {"CboB", 17}, {"ChkB", 4}, {"optB", 4}, {"ChkOpt", 2}}) {
    auto a = std::make_shared<MemoryControlArray>();
    for (int k = 0; k < n; ++k) a->items.push_back(std::make_shared<MemoryControl>());
    f->controls.emplace_back(name, a);
  }
  f->controls.emplace_back("rtbBox", std::make_shared<MemoryControl>());
  return f;
}

TEST(BeamBarsForm, CaptionsAndOptions) {
  clsBeamPjOld o;
  HostRef f = MakeForm();
  o.SubForm(f);
  o.Form_Load();

  SetText(ControlOf(f, "rtbBox"), "Text", "old table");
  Tick(f, "ChkOpt", 0, 1);
  int16_t i = 0;
  o.ChkOpt_Click(i);
  EXPECT_TRUE(On(f, "optB", 2, "Value"));
  EXPECT_FALSE(On(f, "ChkOpt", 1, "Value"));
  EXPECT_EQ(GetText(ControlOf(f, "lblB", 0), "Caption"), "钢筋面积 (mm²)：");
  EXPECT_EQ(GetText(ControlOf(f, "rtbBox")), "");

  Tick(f, "ChkB", 0, 1);
  o.ChkB_Click(i);
  EXPECT_TRUE(On(f, "CboB", 8) && !On(f, "CboB", 10));
  Tick(f, "ChkB", 0, 0);
  Tick(f, "ChkB", 1, 1);
  o.ChkB_Click(i);
  EXPECT_TRUE(!On(f, "CboB", 9) && On(f, "CboB", 10) && !On(f, "CboB", 11));
}

TEST(BeamBarsForm, SavedInputsRoundTrip) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("bmpj_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::string path = (dir / "QvfdBmPj.tav").string();
  clsBeamPjOld o;
  HostRef f = MakeForm();
  o.SubForm(f);
  for (int k = 0; k < 17; ++k) SetText(ControlOf(f, "CboB", k), "Text", "v" + std::to_string(k));
  SetText(ControlOf(f, "CboB", 2), "Text", "2Φ20");
  Tick(f, "ChkB", 2, 1);
  SetProp(ControlOf(f, "optB", 3), "Value", Variant::Bool(true));
  std::string save = "保存数据", load = "读取数据";
  o.LoadOrSaveData(save, &path, nullptr);
  HostRef g = MakeForm();
  o.SubForm(g);
  o.LoadOrSaveData(load, &path, nullptr);
  EXPECT_EQ(GetText(ControlOf(g, "CboB", 16)), "v16");
  EXPECT_EQ(GetText(ControlOf(g, "CboB", 2)), "2Φ20");
  EXPECT_TRUE(On(g, "ChkB", 2, "Value") && On(g, "optB", 3, "Value"));

  // A file of another version loads nothing and says so.
  { std::ofstream(path, std::ios::trunc) << "Tavrine_Other\nx\n"; }
  SetText(ControlOf(g, "CboB", 0), "Text", "kept");
  EXPECT_THROW(o.LoadOrSaveData(load, &path, nullptr), ComponentFailure);
  EXPECT_EQ(GetText(ControlOf(g, "CboB", 0)), "kept");
  // A check-box value beyond the 16-bit Value of a control refuses the whole file: no control
  // changes, not even the texts before it.
  {
    std::ofstream out(path, std::ios::trunc);
    out << "Tavrine_BeamPj_V2000.0138\n";
    for (int k = 0; k < 17; ++k) out << "t" << k << "\n";
    out << "1e10\n";
  }
  try {
    o.LoadOrSaveData(load, &path, nullptr);
    ADD_FAILURE() << "loaded";
  } catch (const ComponentFailure& e) {
    EXPECT_EQ(std::string(e.what()),
              "数据文件 " + path + " 第 19 行的数值“1e10”不是有效的选项值，未读取任何数据。");
  }
  EXPECT_EQ(GetText(ControlOf(g, "CboB", 0)), "kept");
  EXPECT_TRUE(On(g, "ChkB", 2, "Value"));
  std::string bad = "删除";  // neither save nor load
  EXPECT_THROW(o.LoadOrSaveData(bad, &path, nullptr), ComponentFailure);
  fs::remove_all(dir);
}

TEST(BeamBarsForm, LateBoundCalculate) {
  modKalbex::SetUi(std::make_shared<SilentHostUi>());
  clsBeamPjOld o;
  std::vector<Variant> t;
  for (const char* s : {"15", "250", "", "16", "25", "25", "1.0", "1.1", "500", "20", "", "", "",
                        "310", "310", "200", ""})
    t.push_back(Variant::String(s));
  std::vector<Arg> args = {{"Text", Variant::Array(VArray::kDeclaredLBound, t)},
                           {"bAsEq", Variant::Bool(true)},
                           {"iPai", Variant::Int16(1)},
                           {"tText", Variant::String("")}};
  Invoke(o, "Calculate", args);
  std::map<std::string, Variant> out;
  for (const auto& a : args) out[a.name] = a.value;
  EXPECT_EQ(out["lErr"].AsDouble(), 0);
  EXPECT_NE(out["tText"].s.find("4·22"), std::string::npos) << out["tText"].s;
  modKalbex::SetUi(nullptr);
}

}  // namespace
}  // namespace tk
