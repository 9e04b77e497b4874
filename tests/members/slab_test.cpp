#include "members/slab.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>

#include "frame/host.h"
#include "frame/modkalbex.h"
#include "frame/records.h"
#include "frame/variant.h"
#include "members/slab_equations.h"
#include "support/host_form.h"
#include "support/report_lines.h"
#include "support/temp_dir.h"

namespace tk {
namespace {

using namespace slab;

// ---------------------------------------------------------------------------------------------
// Equations. Hand-worked values.

TEST(SlabEquations, MinimumRatio) {
  struct Case {
    double user_pct, fcm, rho;
  } cases[] = {{0.1, 19.0, 0.0015}, {0.1, 21.5, 0.002}, {0.3, 19.0, 0.003}, {0.18, 21.5, 0.002}};
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(MinimumRatio(c.user_pct, c.fcm), c.rho) << c.fcm;
}

TEST(SlabEquations, DefaultRowsAndBarChoice) {
  const auto rows = DefaultBarRows(310);
  const int32_t areas[20] = {141, 188, 251, 283, 335,  393,  462,  503,  561,  628,
                             714, 785, 835, 954, 1113, 1336, 1670, 1818, 2272, 7246};
  ASSERT_EQ(rows.size(), 20u);
  for (int k = 0; k < 20; ++k) {
    EXPECT_EQ(rows[k].As, areas[k]) << k;
    EXPECT_EQ(rows[k].Two, k >= 12) << k;
  }
  // (12, 200): 565.49 * 310 / 210 = 834.77, stored as 835
  EXPECT_EQ(rows[12].D, "12");
  EXPECT_EQ(rows[12].A, "200");
  EXPECT_EQ(DefaultBarRows(210)[12].As, 565);
  struct Case {
    double As, fy;
    int row;
  } cases[] = {
      {300, 210, 4},     // (8, 150) with 335
      {335.4, 210, 4},   // rounded to 335
      {335.6, 210, 5},   // rounded to 336: (10, 200)
      {560, 310, 8},     // grade I rows count as stored: (10, 140) with 561
      {790, 310, 15},    // grade II (12, 125): 1336 * 210 / 310 = 905 ≥ 790
      {100000, 210, -1}  // above every row
  };
  for (const auto& c : cases) EXPECT_EQ(SelectBar(rows, c.As, c.fy), c.row) << c.As;
}

TEST(SlabEquations, SpanRatioMessages) {
  auto E = [](const char* s) {
    Supports e{};
    for (int k = 0; k < 4; ++k)
      e[k] = s[k] == 'C' ? Support::Fixed : s[k] == 'S' ? Support::Hinged : Support::Free;
    return e;
  };
  struct Case {
    const char* edges;
    double lx, ly;
    const char* message;
  } cases[] = {
      {"SSSS", 2, 4, ""},  // 0.50 is inside
      {"SSSS", 2, 4.5, "Lx/Ly ＜0.50（Lx/Ly ＝ 0.444）"},
      {"SSSS", 4.5, 2, "Lx/Ly ＞2.00（Lx/Ly ＝ 2.25）"},
      // bottom and top fixed: the ratio is named in y
      {"SCSC", 2, 4.5, "Ly/Lx ＞2.00（Ly/Lx ＝ 2.25）"},
      {"SCSC", 4.5, 2, "Ly/Lx ＜0.50（Ly/Lx ＝ 0.444）"},
      // a free top edge runs in x
      {"CCCF", 1, 4, "Lx/Ly ＜0.30（Lx/Ly ＝ 0.25）"},
      {"CCCF", 4, 1, "Lx/Ly ＞3.33（Lx/Ly ＝ 4）"},
      {"CCCF", 3, 1, ""},
      // a free left edge runs in y
      {"FCCC", 4, 1, "Ly/Lx ＜0.30（Ly/Lx ＝ 0.25）"},
      {"FCCC", 1, 4, "Ly/Lx ＞3.33（Ly/Lx ＝ 4）"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(SpanRatioMessage(E(c.edges), c.lx, c.ly), c.message) << c.edges << c.lx;
}

// ---------------------------------------------------------------------------------------------
// The calculator with a coefficient source whose values are worked by hand.

// Navier series, four simply supported edges, square, at the centre (q = 1, D = 1, l = 1).
constexpr double kNavierM_nu02 = 0.044202802302597786;  // (1 + ν)·0.0368357 at ν = 0.2
constexpr double kNavierKappa = 0.004062352660634194;

std::string Key(const Supports& e) {
  std::string s;
  for (auto x : e) s += x == Support::Fixed ? 'C' : x == Support::Hinged ? 'S' : 'F';
  return s;
}

struct FakeSource : ICoefficientSource {
  std::map<std::string, Coefficients> table;
  std::vector<Panel> asked;
  Coefficients Of(const Panel& p) override {
    asked.push_back(p);
    auto it = table.find(Key(p.edges));
    return it == table.end() ? Coefficients{} : it->second;
  }
};

Coefficients Coef(std::initializer_list<std::pair<int, double>> m, double kappa = kNavierKappa,
                  const char* point = "跨中", const char* table = "1") {
  Coefficients c;
  c.computable = true;
  for (auto [k, v] : m) c.m[k] = v;
  c.kappa = kappa;
  c.point = point;
  c.table = table;
  return c;
}

using test_support::TextArray;
using test_support::ValueArray;

struct SlabCase {
  std::vector<std::string> cbo = {"4.0", "2.0", "120", "20", "30", "16.5", "210", "4.0",
                                  "4.0", "0.1", "0.4", "1",  "1",  "1",    "1",   "0.2"};
  std::string edges = "SSSS";
  int load = 13;  // optB 12..14
  bool arrangement = false;
  HostRef CboB() const { return TextArray(cbo); }
  HostRef OptB() const {
    std::vector<bool> v(15, false);
    for (int e = 0; e < 4; ++e) v[e * 3 + (edges[e] == 'C' ? 0 : edges[e] == 'S' ? 1 : 2)] = true;
    v[load] = true;
    return ValueArray(v);
  }
  HostRef ChkB() const { return ValueArray({arrangement}); }
};

class SlabCalc : public ::testing::Test {
 protected:
  void SetUp() override {
    src = std::make_shared<FakeSource>();
    src->table["SSSS"] = Coef({{kMx, kNavierM_nu02}, {kMy, kNavierM_nu02}});
    calc.slabcoefficients().SetSource(src);
  }
  int32_t Run(const SlabCase& c, std::vector<BgjRecordOld> rows = {}) {
    HostRef cbo = c.CboB(), chk = c.ChkB(), opt = c.OptB();
    VBArray<BgjRecordOld> use(0, rows);
    text = "B1";
    return calc.BCalculate(cbo, chk, opt, use, text, nd);
  }
  std::pair<bool, std::string> Check(const SlabCase& c) {
    HostRef cbo = c.CboB(), chk = c.ChkB(), opt = c.OptB();
    HostRef tb = std::make_shared<MemoryControl>(), sb = std::make_shared<MemoryControl>();
    tb->Set("Enabled", Variant::Bool(true));
    sb->Set("Text", Variant::String("old"));
    const bool ok = calc.BWhetherCalculate(cbo, tb, sb, opt, chk);
    EXPECT_EQ(tb->Get("Enabled").b, ok);
    return {ok, sb->Get("Text").AsText()};
  }
  bool Has(const std::string& line) const { return test_support::HasLine(text, line); }

  clsBanOld calc;
  std::shared_ptr<FakeSource> src;
  std::string text, nd;
};

TEST_F(SlabCalc, StatusBarMessages) {
  struct Case {
    int field;
    const char* value;
    const char* message;
  } cases[] = {
      {7, "0", "Lx ＝ 0 ≤ 0"},
      {8, "-2", "Ly ＝ -2 ≤ 0"},
      {7, "9", "Lx/Ly ＞2.00（Lx/Ly ＝ 2.25）"},
      {0, "-1", "荷载值 ＜0（-1）"},
      {1, "-0.5", "荷载值 ＜0（-0.5）"},
      {2, "0", "板厚h ＝ 0 ≤0"},
      {4, "32", "砼强度等级应从列表框中选取"},
      {9, "100", "最小配筋率ρmin ＝ 100% ≥100%"},
      {9, "0", "最小配筋率ρmin ＝ 0% ≤0"},
      {10, "-0.1", "准永久值系数ψq ＝ -0.1 ＜0"},
      {11, "0.9", "X向板底配筋增大系数 ＝ 0.9 ＜1.0"},
      {12, "0.9", "Y向板底配筋增大系数 ＝ 0.9 ＜1.0"},
      {13, "0.9", "X向板面配筋增大系数 ＝ 0.9 ＜1.0"},
      {14, "0.9", "Y向板面配筋增大系数 ＝ 0.9 ＜1.0"},
      {3, "120", "纵筋合力点至近边距离as ＝ 120 ≥板厚h"},
      {15, "0.5", "泊松比ν ＝ 0.5 应在0～0.5之间"},
      {0, "abc", "恒荷为：“abc”"},
      {1, "x", "活荷为：“x”"},
      {2, "", "板厚为：“”"},
      {3, "a", "as为：“a”"},
      {4, "C30", "混凝土强度等级为：“C30”"},
      {5, "f", "砼弯曲抗压强度为：“f”"},
      {6, "Ⅱ级", "钢筋强度设计值为：“Ⅱ级”"},
      {7, "L", "Lx为：“L”"},
      {8, "L", "Ly为：“L”"},
      {9, "%", "最小配筋率ρmin 为：“%”"},
      {10, "p", "准永久值系数ψq 为：“p”"},
      {11, "k", "X向板底配筋增大系数为：“k”"},
      {12, "k", "Y向板底配筋增大系数为：“k”"},
      {13, "k", "X向板面配筋增大系数为：“k”"},
      {14, "k", "Y向板面配筋增大系数为：“k”"},
  };
  for (const auto& c : cases) {
    SlabCase s;
    s.cbo[static_cast<size_t>(c.field)] = c.value;
    auto [ok, msg] = Check(s);
    EXPECT_FALSE(ok) << c.message;
    EXPECT_EQ(msg, c.message);
  }
  SlabCase design;
  design.load = 12;
  design.cbo[0] = "q";
  EXPECT_EQ(Check(design).second, "设计值为：“q”");
  // Spans whose ratio overflows.
  SlabCase far;
  far.cbo[8] = "1e-320";
  EXPECT_EQ(Check(far).second, "计算过程中出现溢出或除数为零等错误，计算结果无效。");
  // All edges free: the component cannot compute the panel.
  SlabCase loose;
  loose.edges = "FFFF";
  EXPECT_EQ(Check(loose).second, "程序无法计算此类支承条件的板");
  // A good panel clears the status bar and enables the toolbar.
  auto [ok, msg] = Check(SlabCase{});
  EXPECT_TRUE(ok);
  EXPECT_EQ(msg, "");
}

// Four simply supported edges, 4 m square, qk = 4, pk = 2, ν = 0.2, C30, fy = 210:
// q = 1.2*4 + 1.4*2 = 7.6, M = 0.0442028 * 7.6 * 4² = 5.3751 kN·m; ho = 100,
// x = 100 - (100² - 2*5.3751e6/16.5/1000)^0.5 = 3.3125, As = 1000*3.3125*16.5/210 = 260.27
// → (6, 100) with 283. Crack width with Ms = 5.3751*6/7.6 = 4.2435: σss = 172.51, ρte → 0.01,
// ψ → 0.4, c → 20, ωmax = 2.1*0.4*172.51*(54 + 60)/210000 = 0.0787. Deflection: Bs =
// 7.6245e11, Ml = 4.2435*4.8/6, Bl = 423.58 kN·m², f = 0.0040624*6*4^4/423.58*1000 = 14.73.
TEST_F(SlabCalc, SimplySupportedSquarePanel) {
  ASSERT_EQ(Run(SlabCase{}), 0) << text;
  EXPECT_TRUE(text.rfind("双向板 B1计算结果\r\n", 0) == 0) << text;
  EXPECT_TRUE(Has("      荷载设计值： q ＝ 1.2 * 4.00 + 1.4 * 2.00 ＝ 7.60 kPa"));
  EXPECT_TRUE(Has("      Mx＝ 5.375 kN·m"));
  EXPECT_TRUE(Has("        Asx ＝ 260.27 mm²    φ6@100   （283）")) << text;
  EXPECT_TRUE(Has("      Mx：Ms ＝ 5.375*6.00/7.60 ＝ 4.243 kN·m，φ6@100，ωmax ＝ 0.079 mm"))
      << text;
  EXPECT_TRUE(Has("      按《建筑结构静力计算手册》表4－1，挠度系数κ ＝ 0.00406  （跨中）"));
  EXPECT_TRUE(Has("      f / L ＝ 14.73/4000 ＝ 1/272")) << text;
  EXPECT_EQ(nd, "f ＝ 14.73 mm，f / L ＝ 1/272");
  // The component was asked with the shorter span, ν and the edges entered.
  ASSERT_FALSE(src->asked.empty());
  EXPECT_DOUBLE_EQ(src->asked[0].nu, 0.2);
  EXPECT_EQ(Key(src->asked[0].edges), "SSSS");
}

// Live-load arrangement on a panel fixed on four edges: span moments of g' on the fixed panel
// plus q' on the hinged one, support moments of the full load.
TEST_F(SlabCalc, LiveLoadArrangement) {
  src->table["CCCC"] =
      Coef({{kMx, 0.02}, {kMy, 0.02}, {kMx_, -0.05}, {kMy_, -0.05}}, 0.00127, "跨中", "6");
  SlabCase c;
  c.edges = "CCCC";
  c.arrangement = true;
  ASSERT_EQ(Run(c), 0) << text;
  // g' = 1.2*4 + 1.4*2/2 = 6.2, q' = 1.4; Mx = 0.02*6.2*16 + 0.0442028*1.4*16 = 1.984 + 0.990
  EXPECT_TRUE(Has("      g' ＝ 1.2 * qk + 1.4 * pk / 2 ＝ 1.2*4.00+1.4*2.00/2 ＝ 6.20 kPa"));
  EXPECT_TRUE(Has("      Mx＝ 1.984 + 0.990 ＝ 2.974 kN·m")) << text;
  // support moment of the full design load: -0.05 * 7.6 * 16
  EXPECT_TRUE(Has("      Mx'＝ -6.080 kN·m")) << text;
  bool hinged = false;
  for (const auto& p : src->asked) hinged = hinged || Key(p.edges) == "SSSS";
  EXPECT_TRUE(hinged);
}

// The deflection takes the strip of the largest sagging moment; a panel supported on one edge
// only takes its largest hogging moment: Mx' = -0.1 * 6 * 4² = -9.6 kN·m under Qk.
TEST_F(SlabCalc, DeflectionStripOfTheCantileverPanel) {
  src->table["CFFF"] =
      Coef({{kMx, -0.04}, {kMx_, -0.1}, {kM0y, 0.004}}, 0.126, "Y方向自由边", "19");
  SlabCase c;
  c.edges = "CFFF";
  ASSERT_EQ(Run(c), 0) << text;
  EXPECT_TRUE(
      Has("      Mx'：Ms ＝ 9.600 kN·m    Ml ＝ Ms * (qk + ψq * pk) / Qk ＝ 9.600*4.80/6.00 ＝ "
          "7.680 kN·m"))
      << text;
  EXPECT_TRUE(
      Has("      按《建筑结构静力计算手册》表4－19，挠度系数κ ＝ 0.12600  （Y方向自由边）"));
  c.edges = "CCCF";
  src->table["CCCF"] = Coef({{kMx, 0.02}, {kMy, 0.01}, {kMx_, -0.06}, {kM0x, 0.03}});
  ASSERT_EQ(Run(c), 0) << text;
  EXPECT_TRUE(
      Has("      M0x：Ms ＝ 2.880 kN·m    Ml ＝ Ms * (qk + ψq * pk) / Qk ＝ 2.880*4.80/6.00 ＝ "
          "2.304 kN·m"))
      << text;
}

// The square panel with one change each, worked from its numbers above.
TEST_F(SlabCalc, SquarePanelVariants) {
  struct Case {
    const char* what;
    std::vector<std::pair<size_t, const char*>> fields;
    int load;  // optB: 12 design value, 13 standard values, 14 without the slab's own weight
    std::vector<BgjRecordOld> rows;
    std::vector<const char*> lines;
    const char* absent;
  } cases[] = {
      // clang-format off
      // qk = 1.0 + 0.1·25 = 3.5; pk = 4 takes 1.3: q = 9.4, Mx = 0.0442028·9.4·16 = 6.648
      {"own weight added, ν = 1/6", {{15, "1/6"}, {0, "1.0"}, {2, "100"}, {1, "4.0"}}, 14, {},
       {"      恒荷标准值：qk ＝ 1.00 + 0.1 * 25 ＝ 3.50 kPa", "      荷载设计值： q ＝ 1.2 * 3.50 + 1.3 * 4.00 ＝ 9.40 kPa", "      Mx＝ 6.648 kN·m"}, nullptr},
      // qk = 0.5, pk = 0: q = 0.6, M = 0.0442028·0.6·16 = 0.4243; ρmin = 0.3 % → 360 mm²
      {"minimum ratio", {{0, "0.5"}, {1, "0"}, {9, "0.3"}}, 13, {},
       {"        ρ ＝ 0.02% ＜ ρmin ＝ 0.30%，As ＝ ρmin * b * h ＝ 0.30%*1000*120 ＝ 360 mm²", "        Asx ＝ 360 mm²    φ10@200   （393）"}, nullptr},
      // X bottom factor 1.1 on 260.27: 286.29 → (8, 150) with 335
      {"bottom factor", {{11, "1.1"}}, 13, {}, {"        Asx ＝ 1.10 * 260.27 ＝ 286.29 mm²    （X向板底配筋增大系数）", "        Asx ＝ 286.29 mm²    φ8@150   （335）"}, nullptr},
      // fy = 310: As = 1000·3.3125·16.5/310 = 176.31, raised to 180; 180·310/210 = 265.71
      {"grade Ⅱ", {{6, "310"}}, 13, {}, {"        Asx ＝ 180 mm²(Ⅱ)    等代面积As ＝ 265.71 mm²    φ6@150   （188）"}, nullptr},
      // one small option only: no row reaches 260.27
      {"no bar", {}, 13, {{"6", "200", 141, false}}, {"        Asx ＝ 260.27 mm²    钢筋选项中无满足要求的钢筋"}, nullptr},
      {"fcm above 29", {{5, "30"}}, 13, {}, {"      警告：砼弯曲抗压强度设计值fcm > 29N/mm²", "      计算挠度时混凝土弹性模量Ec取36000N/mm²"}, nullptr},
      {"fcm low", {{5, "4"}}, 13, {}, {"      计算挠度时混凝土弹性模量Ec取14500N/mm²"}, "警告：砼弯曲"},
      // the design value entered: qk behind it for the checks, (9.66 - 1.4·3.9)/1.2 = 3.5
      {"design value", {{0, "9.66"}, {1, "3.9"}}, 12, {}, {"      恒荷标准值：qk ＝ (q - 1.4 * pk) / 1.2 ＝ (9.66-1.4*3.90)/1.2 ＝ 3.50 kPa"}, nullptr},
      // a design value below 1.4·pk: no dead load behind it
      {"design value below 1.4 pk", {{0, "2.5"}}, 12, {},
       {"      恒荷标准值：qk ＝ (q - 1.4 * pk) / 1.2 ＝ (2.50-1.4*2.00)/1.2 ＝ 0.00 kPa", "      警告：荷载设计值q ＜ 1.4 * pk，取qk ＝ 0"}, nullptr},
      // clang-format on
  };
  for (const auto& c : cases) {
    SlabCase s;
    for (const auto& [k, v] : c.fields) s.cbo[k] = v;
    s.load = c.load;
    ASSERT_EQ(Run(s, c.rows), 0) << c.what << "\n" << text;
    for (const char* line : c.lines) EXPECT_TRUE(Has(line)) << c.what << ": " << line;
    if (c.absent) {
      EXPECT_EQ(text.find(c.absent), std::string::npos) << c.what;
    }
  }
  EXPECT_DOUBLE_EQ(src->asked[0].nu, 1.0 / 6.0);  // the first case's ν as read from its text
}

TEST_F(SlabCalc, StopsWithTheirCodes) {
  SlabCase bad;
  bad.cbo[7] = "0";
  EXPECT_EQ(Run(bad), kInputError);
  EXPECT_TRUE(Has("      错误：Lx ＝ 0 ≤ 0")) << text;
  EXPECT_EQ(nd, "");
  SlabCase loose;
  loose.edges = "FFFF";
  EXPECT_EQ(Run(loose), kNotComputable);

  // A moment too large for the 120 mm slab: 100109 from the flexure, the others still designed.
  SlabCase big;
  big.cbo[0] = "400";
  EXPECT_EQ(Run(big), kMomentError);
  EXPECT_NE(text.find("      错误：Asx："), std::string::npos) << text;
}

// The same square panel through the thin-plate solver: coefficients of the plate with ν = 0.2
// against the Navier series, and the whole calculation on them.
TEST(SlabWithPlateSolver, SimplySupportedSquarePanel) {
  clsBanOld calc;
  const Panel p{{Support::Hinged, Support::Hinged, Support::Hinged, Support::Hinged}, 4, 4, 0.2};
  const LoadCase c = calc.slabcoefficients().Case(p, 7.6);
  ASSERT_TRUE(c.computable);
  EXPECT_NEAR(c.M[kMx], kNavierM_nu02 * 7.6 * 16, 0.005 * kNavierM_nu02 * 7.6 * 16);
  EXPECT_NEAR(c.M[kMy], kNavierM_nu02 * 7.6 * 16, 0.005 * kNavierM_nu02 * 7.6 * 16);
  EXPECT_NEAR(c.kappa, kNavierKappa, 0.005 * kNavierKappa);
  EXPECT_EQ(c.point, "跨中");
  for (int k = kMx_; k < kMoments; ++k) EXPECT_EQ(c.M[k], 0) << kMomentNames[k].name;
  HostRef cbo = SlabCase{}.CboB(), chk = SlabCase{}.ChkB(), opt = SlabCase{}.OptB();
  VBArray<BgjRecordOld> rows;
  std::string text, nd;
  ASSERT_EQ(calc.BCalculate(cbo, chk, opt, rows, text, nd), 0) << text;
  EXPECT_NE(text.find("      Mx＝ 5.3"), std::string::npos) << text;
  EXPECT_NE(text.find("φ6@100   （283）"), std::string::npos) << text;
  EXPECT_EQ(nd.rfind("f ＝ 14.7", 0), 0u) << nd;
}

// Extreme entries end with a code and a report, never a crash.
TEST_F(SlabCalc, ExtremeEntries) {
  struct Case {
    int field;
    const char* value;
    int32_t code;
  } cases[] = {
      {2, "1e300", kArithmetic},    // thickness overflows the single-precision section
      {3, "1e-300", kMomentError},  // as reads 0 in the section's single precision
      {0, "1e300", kMomentError},   // no compression depth below ho
      {6, "1e-30", 0},              // huge areas, no bar: the required area is reported
      {11, "1e300", 0},             // factor: no bar, no stiffness, stated in the report
      {10, "1e300", 0},             // ψq
  };
  for (const auto& c : cases) {
    SlabCase s;
    s.cbo[static_cast<size_t>(c.field)] = c.value;
    EXPECT_EQ(Run(s), c.code) << c.field << " " << text;
    EXPECT_EQ(text.rfind("双向板 B1计算结果", 0), 0u);
  }
}

// ---------------------------------------------------------------------------------------------
// Bar options: default list, per-user file, area label.

class SlabBars : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* u = getenv("USER");
    saved_user = u ? u : "";
  }
  void TearDown() override { setenv("USER", saved_user.c_str(), 1); }
  static VBArray<BgjRecordOld> Rows(std::vector<BgjRecordOld> r) { return {0, std::move(r)}; }
  std::string ReadAll(const std::filesystem::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
  }
  clsBanOld calc;
  test_support::TempDir tmp;
  std::filesystem::path dir{tmp.path()};
  std::string folder = tmp.path(), saved_user, msg;
};

TEST_F(SlabBars, TwoUsersKeepSeparateLists) {
  auto a = Rows({{"8", "200", 251, false}});
  auto b = Rows({{"10", "150", 524, false}, {"12", "150", 1113, true}});
  setenv("USER", "alice", 1);
  EXPECT_EQ(calc.WriteCurrentUse(a, &msg, &folder), kBpjOk) << msg;
  setenv("USER", "bob", 1);
  VBArray<BgjRecordOld> got;
  EXPECT_EQ(calc.ReadBPJ(got, &msg, &folder), kBpjDefaults);
  EXPECT_EQ(got.size(), 20u);
  EXPECT_EQ(calc.WriteCurrentUse(b, &msg, &folder), kBpjOk);
  EXPECT_EQ(calc.ReadBPJ(got, &msg, &folder), kBpjOk);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got(1).D, "12");
  EXPECT_TRUE(got(1).Two);
  setenv("USER", "alice", 1);
  EXPECT_EQ(calc.ReadBPJ(got, &msg, &folder), kBpjOk);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got(0).As, 251);
  EXPECT_FALSE(std::filesystem::exists(dir / kBpjTemp));
}

TEST_F(SlabBars, DamagedFileLoadsDefaultsAndIsKept) {
  setenv("USER", "alice", 1);
  { std::ofstream(dir / kBpjFile) << "garbage\nnot a list\n"; }
  VBArray<BgjRecordOld> got;
  EXPECT_EQ(calc.ReadBPJ(got, &msg, &folder), kBpjDamaged);
  EXPECT_EQ(got.size(), 20u);
  EXPECT_EQ(msg, "钢筋选项文件“BPJUSER.SFD”已损坏，已载入缺省的钢筋选项。");
  auto a = Rows({{"8", "200", 251, false}});
  EXPECT_EQ(calc.WriteCurrentUse(a, &msg, &folder), kBpjDamaged);
  EXPECT_EQ(ReadAll(dir / (std::string(kBpjFile) + ".BAK")), "garbage\nnot a list\n");
  EXPECT_EQ(calc.ReadBPJ(got, &msg, &folder), kBpjOk);
  EXPECT_EQ(got.size(), 1u);
}

TEST_F(SlabBars, InterruptedSaveLeavesTheOldFile) {
  setenv("USER", "alice", 1);
  auto a = Rows({{"8", "200", 251, false}});
  ASSERT_EQ(calc.WriteCurrentUse(a, &msg, &folder), kBpjOk);
  const std::string before = ReadAll(dir / kBpjFile);
  // The temporary file cannot be written: a folder of that name stands in its way.
  std::filesystem::create_directories(dir / kBpjTemp / "x");
  auto b = Rows({{"10", "100", 785, false}});
  EXPECT_EQ(calc.WriteCurrentUse(b, &msg, &folder), kBpjWriteFailed);
  EXPECT_FALSE(msg.empty());
  EXPECT_EQ(ReadAll(dir / kBpjFile), before);
  VBArray<BgjRecordOld> got;
  EXPECT_EQ(calc.ReadBPJ(got, &msg, &folder), kBpjOk);
  EXPECT_EQ(got(0).As, 251);
}

TEST_F(SlabBars, AreaLabel) {
  auto ui = std::make_shared<SilentHostUi>();
  modKalbex::SetUi(ui);
  HostRef d = TextArray({"8", "12", "-8"}), a = TextArray({"150", "200", "100"});
  HostRef pj = ValueArray({false, true, false}), lbl = TextArray({"", "", ""});
  float fy = 310;
  int16_t minA = 70;
  struct Case {
    int16_t index;
    const char* caption;
  } cases[] = {{0, "As：335"}, {1, " 钢筋折算面积 As：835"}, {2, "As："}};
  for (auto c : cases) {
    calc.ChangeLblAs(c.index, fy, d, a, pj, lbl, minA);
    EXPECT_EQ(GetText(ItemOf(lbl, c.index), "Caption"), c.caption);
  }
  ASSERT_EQ(ui->shown.size(), 1u);
  EXPECT_EQ(ui->shown[0].title, "错误");
  EXPECT_EQ(ui->shown[0].prompt, "输入错误：钢筋直径＝ -8 < 0");
  modKalbex::SetUi(nullptr);
}

// ---------------------------------------------------------------------------------------------
// Form operations.

TEST(SlabForm, CaptionsEnablingAndSavedInputs) {
  auto f = std::make_shared<MemoryForm>();
  SlabCase c;
  c.edges = "SCSC";
  c.load = 14;
  f->controls = {{"CboB", c.CboB()},
                 {"lblB", TextArray(std::vector<std::string>(16))},
                 {"optB", c.OptB()},
                 {"ChkB", c.ChkB()},
                 {"ChkOpt", ValueArray({false, false})},
                 {"ToolBar1", std::make_shared<MemoryControl>()},
                 {"sbBar", std::make_shared<MemoryControl>()}};
  clsBanOld calc;
  auto src = std::make_shared<FakeSource>();
  src->table["SCSC"] = Coef({{kMx, 0.03}});
  calc.slabcoefficients().SetSource(src);
  HostRef form = f;
  calc.SubForm(form);
  calc.LblB8Caption();
  int16_t i = 12;
  SetProp(ControlOf(form, "optB", 14), "Value", Variant::Bool(false));
  SetProp(ControlOf(form, "optB", 12), "Value", Variant::Bool(true));
  calc.OptBClick(i);
  EXPECT_EQ(GetText(ControlOf(form, "lblB", 8), "Caption"), "荷载设计值 (kPa)：");
  EXPECT_TRUE(ControlOf(form, "ToolBar1")->Get("Enabled").b);
  calc.RmdXYEnable();
  EXPECT_FALSE(ControlOf(form, "CboB", 13)->Get("Enabled").b);  // no fixed left or right edge
  EXPECT_TRUE(ControlOf(form, "CboB", 14)->Get("Enabled").b);
  int16_t one = 1;
  SetProp(ControlOf(form, "ChkOpt", 1), "Value", Variant::Int32(1));
  calc.ChkOpt_Click(one);
  EXPECT_EQ(GetText(ControlOf(form, "CboB", 15)), "1/6");
  // A status-bar failure follows the form's inputs.
  SetText(ControlOf(form, "CboB", 2), "Text", "0");
  int16_t zero = 0;
  calc.ChkB_Click(zero);
  EXPECT_EQ(GetText(ControlOf(form, "sbBar")), "板厚h ＝ 0 ≤0");
  EXPECT_FALSE(ControlOf(form, "ToolBar1")->Get("Enabled").b);

  const test_support::TempDir tmp;
  const std::string path = tmp / "QvfdB01.tav";
  std::string save = "保存数据", load = "读取数据", p = path;
  calc.LoadOrSaveData(save, &p);
  SetText(ControlOf(form, "CboB", 2), "Text", "150");
  SetProp(ControlOf(form, "optB", 12), "Value", Variant::Bool(false));
  calc.LoadOrSaveData(load, &p);
  EXPECT_EQ(GetText(ControlOf(form, "CboB", 2)), "0");
  EXPECT_TRUE(ControlOf(form, "optB", 12)->Get("Value").b);
  std::string missing = path + ".none";
  EXPECT_FALSE(calc.bLoadOrSaveData(load, &missing));
}

TEST(SlabForm, FormLoadFillsCaptionsListsAndBarRows) {
  const auto cwd = std::filesystem::current_path();
  const test_support::TempDir dir;
  std::filesystem::current_path(dir.path());  // no bar options file here: the default list
  auto f = std::make_shared<MemoryForm>();
  SlabCase c;
  const std::vector<std::string> blank20(20);
  f->controls = {{"CboB", c.CboB()},
                 {"lblB", TextArray(std::vector<std::string>(16))},
                 {"optB", c.OptB()},
                 {"ChkB", c.ChkB()},
                 {"CboD", TextArray(blank20)},
                 {"CboA", TextArray(blank20)},
                 {"ChkPj", ValueArray(std::vector<bool>(20))},
                 {"LblAs", TextArray(blank20)},
                 {"ToolBar1", std::make_shared<MemoryControl>()},
                 {"sbBar", std::make_shared<MemoryControl>()}};
  clsBanOld calc;
  auto src = std::make_shared<FakeSource>();
  src->table["SSSS"] = Coef({{kMx, kNavierM_nu02}, {kMy, kNavierM_nu02}});
  calc.slabcoefficients().SetSource(src);
  HostRef form = f;
  calc.SubForm(form);
  calc.Form_Load();
  std::filesystem::current_path(cwd);
  EXPECT_EQ(GetText(ControlOf(form, "CboD", 12)), "12");
  EXPECT_EQ(GetText(ControlOf(form, "LblAs", 12), "Caption"), " 钢筋折算面积 As：835");
  EXPECT_TRUE(ControlOf(form, "ToolBar1")->Get("Enabled").b);
  SetText(ControlOf(form, "CboD", 0), "Text", "20");
  calc.DefaultBanPjFa();
  EXPECT_EQ(GetText(ControlOf(form, "CboD", 0)), "6");
}

}  // namespace
}  // namespace tk
