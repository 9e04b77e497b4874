// clsZtj: load-test statistics, tables C-5 and C-6, the root search of eq. C-4 and the form.
#include "foundation/pile_load_test.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "frame/component.h"
#include "frame/host.h"
#include "frame/records.h"
#include "frame/registry.h"
#include "frame/variant.h"
#include "support/report_lines.h"

namespace tk {
namespace {

using test_support::Contains;

struct StatRun {
  std::string text;
  std::shared_ptr<MemoryControl> bar = std::make_shared<MemoryControl>();
};

StatRun Stats(const std::vector<double>& qu, int32_t precision = 1000, bool with_bar = true) {
  clsZtj z;
  StatRun r;
  r.bar->Set("Value", Variant::Int32(0));
  VBArray<double> q(1, qu);
  z.CalZtj(precision, r.text, "工程", q, with_bar ? HostRef(r.bar) : HostRef());
  return r;
}

TEST(SortZtjAlpha, Ascending) {
  for (auto a : std::vector<std::vector<double>>{{1.0},
                                                 {2, 1},
                                                 {5, 4, 3, 2, 1},
                                                 {1, 1, 1, 0.5, 1},
                                                 {0.9, 1.2, 0.8, 1.2, 1.0, 0.7, 1.3}}) {
    auto want = a;
    std::sort(want.begin(), want.end());
    clsZtj::SortZtjAlpha(a, 0, static_cast<int>(a.size()) - 1);
    EXPECT_EQ(a, want);
  }
}

// Qu = 85, 100, 115 → Qum = 100, α = 0.85, 1.00, 1.15,
// Sn = [(0.0225 + 0 + 0.0225)/2]^0.5 = 0.15 exactly → Quk = Qum.
TEST(CalZtj, SnExactlyLimitTakesMean) {
  const StatRun r = Stats({115, 85, 100});
  EXPECT_TRUE(Contains(r.text, "    Qum ＝ 300.00/3 ＝ 100.00 kN\r\n"));
  EXPECT_TRUE(Contains(r.text,
                       "    α1 ＝ 85.00/100.00 ＝ 0.850\r\n    α2 ＝ 100.00/100.00 ＝ 1.000\r\n"
                       "    α3 ＝ 115.00/100.00 ＝ 1.150\r\n"));
  EXPECT_TRUE(Contains(r.text, "    Sn ＝ (0.0450/2)^0.5 ＝ 0.1500\r\n"));
  EXPECT_TRUE(Contains(r.text, "    当Sn ≤ 0.15 时，Quk ＝ Qum ＝ 100.00 kN\r\n"));
  EXPECT_FALSE(Contains(r.text, "λ"));
}

// The λ lookups themselves are checked with the JGJ 94-94 tables; here the branch each pile count
// takes and the lines it writes. Qum = 1000, α2 − α1 = (Qu2 − Qu1)/1000.
//   n = 2, 0.20: Sn = 0.2/√2 = 0.141 ≤ 0.15, so Quk = Qum; 0.30: table C-5 gives λ = 0.96
//   n = 3, α = 0.835, 0.84, 1.325: Δ = 0.49 → 0.93 + (0.49 − 0.48)/0.03·(0.92 − 0.93) = 0.92667
TEST(CalZtj, TablesC5AndC6) {
  struct Case {
    std::vector<double> qu;
    std::string line;
  } cases[] = {
      {{900, 1100}, "    当Sn ≤ 0.15 时，Quk ＝ Qum ＝ 1000.00 kN\r\n"},
      {{850, 1150}, "    查表得，λ＝0.9600\r\n    Quk ＝ 0.9600*1000.00 ＝ 960.00 kN\r\n"},
      {{835, 840, 1325},
       "    α2 ＝ 0.840\r\n    α3 - α1 ＝ 1.325-0.835 ＝ 0.490\r\n    查表得，λ＝0.9267\r\n"},
  };
  for (const auto& c : cases) {
    const StatRun r = Stats(c.qu);
    EXPECT_EQ(r.text.rfind("工程：单桩竖向极限承载力标准值统计\r\n", 0), 0u);
    EXPECT_TRUE(Contains(r.text, c.line)) << c.qu[0] << "\n" << r.text;
    EXPECT_FALSE(Contains(r.text, "超出")) << c.qu[0];
  }
}

// n = 2, α = 0.74, 1.26: α2 − α1 = 0.52 > 0.51 → eq. C-4 with m = 1 over α1 = 0.74:
//   A0 = 0.74² + 0.74²/1 = 1.0952; A1 = −2·2·0.74 = −2.96; A2 = 0.127 − 2.254 + 4 = 1.873;
//   A3 = 0.147; A4 = −0.042; F(1) = 0.1132 > 0.
//   F(0.849) = +0.000357, F(0.848) = −0.000076 → scanning down in 0.001 steps stops at 0.848.
TEST(CalZtj, EquationForN2OutsideTableAndDecimals) {
  StatRun r = Stats({740, 1260}, 1000);
  for (const char* l : {"    α2 - α1 ＞ 0.51，超出表C－5的范围，无法确定λ值。\r\n"
                        "    当试桩数n＝2超出表C－5的范围时，按试桩数n≥4的公式计算：\r\n",
                        "    当m ＝ 1时，解方程：1.095 - 2.960 * λ + 1.873 * λ^ 2 + 0.147 * λ^ 3 - "
                        "0.042 * λ^ 4 ＝ 0\r\n",
                        "    方程有近似解λ(1) ＝ 0.848，此时F(λ) ＝-0.000076\r\n",
                        "    Quk ＝ 0.848*1000.00 ＝ 848.00 kN\r\n"})
    EXPECT_TRUE(Contains(r.text, l)) << l;
  // A 0.1 grid (one decimal) is shown with seven: F(0.9) > 0 ≥ F(0.8) → 0.8.
  r = Stats({740, 1260}, 10);
  EXPECT_TRUE(Contains(r.text, "    方程有近似解λ(1) ＝ 0.8000000，此时"));
  EXPECT_TRUE(Contains(r.text, "    Quk ＝ 0.8000000*1000.00 ＝ 800.00 kN\r\n"));
}

// The range tests of table C-6 in their order; each case has Qum = 1000 and Sn > 0.15.
TEST(CalZtj, TableC6RangeMessagesInOrder) {
  struct Case {
    std::vector<double> qu;
    std::string message;
  } cases[] = {
      // comments: α2, α3 − α1
      {{825, 900, 1275}, "α3 - α1 ＜ 0.48，且α2 ＜ 0.92"},   // 0.90, 0.45
      {{910, 910, 1180}, "α3 - α1 ＜ 0.48，且α2 ＜ 0.92"},   // 0.91, 0.27: also < 0.30, first wins
      {{725, 1100, 1175}, "α3 - α1 ＜ 0.48，且α2 ＞ 1.08"},  // 1.10, 0.45
      {{815, 1080, 1105}, "α3 - α1 ＜ 0.30，"},              // 1.08 (not above), 0.29
      {{700, 1000, 1300}, "α3 - α1 ＞ 0.51，"},              // 1.00, 0.60
      {{610, 1180, 1210}, "α3 - α1 ＞ 0.51，"},              // 1.18, 0.60: also α2 > 1.16
      {{667.5, 1165, 1167.5}, "α2 ＞ 1.16，"},               // 1.165, 0.50
      {{832.5, 835, 1332.5}, "α2 ＜ 0.84，"},                // 0.835, 0.50
  };
  for (const auto& c : cases) {
    const StatRun r = Stats(c.qu);
    EXPECT_TRUE(Contains(r.text, "\r\n    " + c.message)) << c.qu[1] << "\n" << r.text;
    const std::string once = "超出表C－6的范围，无法确定λ值。";  // one message only
    EXPECT_EQ(r.text.find(once), r.text.rfind(once)) << c.qu[1];
    EXPECT_TRUE(Contains(r.text, "    方程有近似解λ(")) << c.qu[1];
  }
  // α = 0.815, 1.08, 1.105, m = 1: A0 = 0.815² + 1.08² + 1.895² = 5.42165, A1 = −6·1.895 = −11.37,
  // A2 = 0.127 − 3.381 + 9 = 5.746; F(0.99) > 0 ≥ F(0.98) = −0.00326 on 0.01 steps → λ = 0.98.
  const StatRun r = Stats({815, 1080, 1105}, 100);
  EXPECT_TRUE(Contains(r.text, "    当试桩数n＝3超出表C－6的范围时，按试桩数n≥4的公式计算：\r\n"));
  EXPECT_TRUE(Contains(
      r.text, "解方程：5.422 - 11.370 * λ + 5.746 * λ^ 2 + 0.294 * λ^ 3 - 0.084 * λ^ 4 ＝ 0\r\n"));
  EXPECT_TRUE(Contains(r.text, "    方程有近似解λ(1) ＝ 0.98，此时F(λ) ＝-0.003260\r\n"));
}

TEST(CalZtj, FewerThanTwoPilesAndFaults) {
  StatRun r = Stats({1200});
  EXPECT_TRUE(Contains(r.text, "    1号桩，Qu1 ＝ 1200.00 kN\r\n    试桩数n＝1，"));
  EXPECT_FALSE(Contains(r.text, "Quk ＝"));
  r = Stats({});
  EXPECT_TRUE(Contains(r.text, "无法统计"));
  r = Stats({0, 0});
  EXPECT_TRUE(Contains(r.text, "      错误：1号桩的极限承载力Qu1 ＝ 0，应大于0。\r\n"));
  // a negative capacity is refused before any statistics (it gave α1 = -2.377 and no error)
  r = Stats({4200, -5600, 3900});
  EXPECT_TRUE(Contains(r.text, "      错误：2号桩的极限承载力Qu2 ＝ -5600，应大于0。\r\n"))
      << r.text;
  EXPECT_FALSE(Contains(r.text, "Qum"));
  // An absent progress control is allowed.
  EXPECT_TRUE(Contains(Stats({4200, 5600, 3900, 6100, 4800, 7000}, 1000, false).text, "方程无解"));
}

TEST(SolveQuartic, GridRules) {
  // {precision, decimals}: 10^5.5 splits 5 and 6; unset precision → 0.01 grid
  for (auto [prec, dec] : std::vector<std::pair<int32_t, int>>{
           {100, 2}, {316227, 5}, {316228, 6}, {1000000000, 9}, {0, 2}})
    EXPECT_EQ(clsZtj::DecimalsOf(prec), dec) << prec;
  // F = A0 − λ scanned down from 1, stopping at the first F ≥ 0: F(1) = 0 → 1; F(0.25) = 0
  // exactly; A1 = 0 has no sign change; on the capped 10⁻⁹ grid 1/3 refines to 0.333333333.
  struct Case {
    double a0, a1;
    int32_t prec;
    bool found;
    double lambda;
  } cases[] = {{1, -1, 1000, true, 1.0},
               {0.25, -1, 1000, true, 0.25},
               {1, 0, 1000, false, 0},
               {1.0 / 3.0, -1, 1000000000, true, 0.333333333}};
  for (const auto& c : cases) {
    const auto root = clsZtj::SolveQuartic({c.a0, c.a1, 0, 0, 0}, c.prec);
    ASSERT_EQ(root.found, c.found) << c.a0;
    if (c.found) {
      EXPECT_NEAR(root.lambda, c.lambda, 1e-12) << c.a0;
    }
  }
}

TEST(ZtjForm, AddDeleteClearAndCalculate) {
  auto New = [] { return std::make_shared<MemoryControl>(); };
  auto list = New(), entry = New(), label = New(), eng = New(), prec = New();
  eng->Set("Text", Variant::String("某工程"));
  prec->Set("Text", Variant::String("1000"));
  auto f = std::make_shared<MemoryForm>();
  f->controls = {{"TxtEngName", eng},    {"LstQui", list},  {"TxtQui", entry},
                 {"CboPrecision", prec}, {"PrgBar", New()}, {"LblTs", label}};
  HostRef main, form = f;
  clsZtj z;
  z.Let_Controls(main, form);
  auto add = [&](const char* v) {
    entry->Set("Text", Variant::String(v));
    z.cmdZj_Click(0);
  };
  for (const char* v : {"740", "abc", "999", "1260"}) add(v);
  EXPECT_EQ(list->list, (std::vector<std::string>{"740", "999", "1260"}));
  EXPECT_EQ(label->Get("Caption").AsText(), "试桩数 n ＝ 3");
  // A selection the host cannot have (beyond 16 bits, or a fraction) deletes nothing.
  for (double bad : {1e10, -1e10, 0.5}) {
    list->Set("ListIndex", Variant::Double(bad));
    z.cmdZj_Click(1);
    EXPECT_EQ(list->list.size(), 3u) << bad;
  }
  list->Set("ListIndex", Variant::Int32(1));
  z.cmdZj_Click(1);
  EXPECT_EQ(list->list, (std::vector<std::string>{"740", "1260"}));
  std::string t;
  z.Calculate(t);
  EXPECT_EQ(t.rfind("某工程：单桩竖向极限承载力标准值统计", 0), 0u);
  EXPECT_TRUE(Contains(t, "    Quk ＝ 0.848*1000.00 ＝ 848.00 kN\r\n"));
  // A rejected entry is reported on the prompt label and not added.
  add("-5");
  EXPECT_EQ(list->list.size(), 2u);
  EXPECT_TRUE(Contains(label->Get("Caption").AsText(), "试桩极限承载力Qu"));
  // A bad list item stops Calculate with the message in tText.
  list->Call("AddItem", {Variant::String("x")});
  z.Calculate(t);
  EXPECT_TRUE(Contains(t, "3号桩的极限承载力Qu3")) << t;
  z.cmdZj_Click(2);
  EXPECT_TRUE(list->list.empty());
  z.Calculate(t);
  EXPECT_EQ(t, "请输入试桩的极限承载力实测值Qui。");
}

// Late-bound, n = 6: m = 1 has no root in (0, 1] (F stays above 0.0086), the progress shows 1,
// m = 2 solves.
TEST(CalZtj, LateBoundSixPilesNoRootThenRoot) {
  auto obj = Registry::Create("clsZtj");
  auto bar = std::make_shared<MemoryControl>();
  std::vector<Variant> qu;
  for (double q : {4200, 5600, 3900, 6100, 4800, 7000}) qu.push_back(Variant::Double(q));
  std::vector<Arg> args = {{"lPrecision", Variant::Int32(1000000000)},
                           {"tText", Variant::String("")},
                           {"tEngName", Variant::String("P")},
                           {"dQui", Variant::Array(VArray::kDeclaredLBound, qu)},
                           {"prgBar", Variant::Object(bar)}};
  Invoke(*obj, "CalZtj", args);
  const std::string t = args[1].value.AsText();
  EXPECT_TRUE(Contains(t, "6号桩，Qu6 ＝ 7000.00 kN"));
  EXPECT_TRUE(Contains(t, "    当试桩数n≥4时按下式计算：\r\n"));
  EXPECT_TRUE(Contains(t, "＝ 0\r\n    方程无解\r\n    当m ＝ 2时"));
  EXPECT_TRUE(Contains(t, "    方程有近似解λ(2) ＝ 0.9448980，此时"));
  EXPECT_EQ(bar->Get("Value").AsDouble(), 1);
}

}  // namespace
}  // namespace tk
