#include "foundation/earth_pressure.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/host.h"
#include "frame/modkalbex.h"
#include "support/report_lines.h"

namespace tk {
namespace {

using test_support::HasLine;

// Fields: γ, h, q, c, φ, α, β, δ, name.
struct KaRun {
  int32_t code = 0;
  std::string report;
};

KaRun RunKa(std::vector<std::string> t) {
  clsDtqKa k;
  VBArray<std::string> a(0, std::move(t));
  KaRun r;
  r.report = "label on entry is replaced";
  k.CalResult(a, r.report, r.code);
  return r;
}

// γ = 18, h = 6, q = 10, c = 12, φ = 20°, α = 80°, β = 10°, δ = 10°:
//   κq = 1 + 2·10/18/6 · sin80·cos10 / sin90 = 1 + 0.185185·0.984808·0.984808 = 1.179601
//   η  = 2·12/18/6 = 0.222222
//   A  = sin90 / (sin80·sin60)² = 1 / (0.984808·0.866025)² = 1/0.727386 = 1.374788
//   B  = κq (sin90·sin70 + sin30·sin10) = 1.179601·(0.939693 + 0.086824) = 1.210880
//   C  = 2η sin80 cos20 cos60 = 0.444444·0.984808·0.939693·0.5 = 0.205648
//   D  = κq sin90 sin10 + η sin80 cos20 = 0.204836 + 0.205648 = 0.410484
//   E  = κq sin70 sin30 + η sin80 cos20 = 0.554231 + 0.205648 = 0.759879
//   Ka = A (B + C − 2√(D·E)) = 1.374788·(1.416528 − 1.116996) = 0.411798
//   Ea = 0.5·18·6²·Ka = 324·0.411798 = 133.42 kN/m
TEST(DtqKa, CohesiveBackfillWithSurchargeHandWorked) {
  const KaRun r = RunKa({"18", "6", "10", "12", "20", "80", "10", "10", " 1-1剖面 "});
  ASSERT_EQ(r.code, dtqka::kDone);
  EXPECT_EQ(r.report.rfind("挡土墙：1-1剖面\r\n", 0), 0u);  // trimmed name replaces the entry label
  for (const char* l : {
           "    地表均布荷载q＝10.000（kN/m²）    土的粘聚力c＝12.000（kN/m²）",
           "          κq ＝ 1+2*10.000/18.000/6.000*sin80.000°*Cos10.000°/Sin(80.000°+10.000°) ＝ "
           "1.180",
           "          η ＝ 2*12.000/18.000/6.000 ＝ 0.222",
           "    A ＝ Sin(α + β) / [Sinα * Sin(α + β - φ - δ)] ^ 2 ＝ 1.375",
           "    B ＝ κq * [Sin(α + β) * Sin(α - δ) + Sin(φ + δ) * Sin(φ - β)] ＝ 1.211",
           "    C ＝ 2 * η * Sinα * Cosφ * Cos(α + β - φ - δ) ＝ 0.206",
           "    D ＝ κq * Sin(α + β) * Sin(φ - β) + η * Sinα * Cosφ ＝ 0.410",
           "    E ＝ κq * Sin(α - δ) * Sin(φ + δ) + η * Sinα * Cosφ ＝ 0.760",
           "    Ka ＝ A * [B + C - 2 * (D * E) ^ 0.5] ＝ 0.412",
           "    Ea ＝ 0.5 * γ * h ^ 2 * Ka ＝ 0.5*18.000*6.000^2*0.412 ＝ 133.42 kN",
       })
    EXPECT_TRUE(HasLine(r.report, l)) << l << "\n" << r.report;
}

TEST(DtqKa, StopsAtEachFailingCheckWithTheReportAsFarAsWritten) {
  const std::string eta0 = "          η ＝ 2*0.000/18.000/5.000 ＝ 0.000";
  const std::string kq =
      "    其中：κq ＝ 1 + 2 * q / γ / h * Sinα * Cosβ / Sin(α + β)    （附11-2）";
  // {why it stops, fields, code, the line the report ends with}
  struct Case {
    const char* what;
    std::vector<std::string> text;
    int32_t code;
    std::string last;
  };
  const Case cases[] = {
      // clang-format off
      {"α + β = 180°: sin(π_single) = −8.7e-8 ≤ 0", {"18", "5", "0", "0", "30", "120", "60", "0", ""}, dtqka::kSinAlphaBeta, "     + η * Sinα * Cosφ)] ^ 0.5}    （附11-1）"},
      {"α = 0 (only when the field check is skipped): sin(0 + 10°) > 0 passes 800201", {"18", "5", "0", "0", "30", "0", "10", "0", ""}, dtqka::kSinAlpha, eta0},
      {"α + β − φ − δ = 60 + 0 − 30 − 30 = 0", {"18", "5", "0", "0", "30", "60", "0", "30", ""}, dtqka::kSinAll, eta0},
      {"70 + 10 − 50 − 30 = 0 in degrees (in radians the terms would not cancel exactly)", {"18", "5", "0", "0", "50", "70", "10", "30", ""}, dtqka::kSinAll, eta0},
      {"backfill steeper than φ: D = κq sin120 sin(−10°) < 0 < E = κq sin90 sin20", {"18", "5", "0", "0", "20", "90", "30", "0", ""}, dtqka::kNegativeRoot, "    E ＝ κq * Sin(α - δ) * Sin(φ + δ) + η * Sinα * Cosφ ＝ 0.342"},
      {"γ = 0: q/γ divides by zero", {"0", "5", "10", "0", "30", "90", "0", "0", ""}, dtqka::kFault, kq},
      {"h = 0 with no load: η = 2c/γ/h divides by zero", {"18", "0", "0", "0", "30", "90", "0", "0", ""}, dtqka::kFault, kq},
      // clang-format on
  };
  for (const auto& c : cases) {
    const KaRun r = RunKa(c.text);
    EXPECT_EQ(r.code, c.code) << c.what;
    const std::string tail = c.last + "\r\n";
    ASSERT_GE(r.report.size(), tail.size()) << c.what;
    EXPECT_EQ(r.report.substr(r.report.size() - tail.size()), tail) << c.what << "\n" << r.report;
    EXPECT_EQ(r.report.find("Ka ＝ A * ["), std::string::npos) << c.what;
  }
}

TEST(DtqKa, CheckEnterGivesEveryCodeWithItsField) {
  const std::vector<std::string> good = {"18", "5", "10", "12", "30", "90", "0", "0", "anything"};
  clsDtqKa k;
  auto check = [&](std::vector<std::string> t) {
    VBArray<std::string> a(0, std::move(t));
    int32_t code = 0;
    int16_t index = -1;
    k.CheckEnter(a, code, index);
    return std::pair(code, index);
  };
  auto with = [&](int16_t i, const char* v) {
    auto t = good;
    t[i] = v;
    return check(t);
  };
  using P = std::pair<int32_t, int16_t>;
  EXPECT_EQ(check(good), P(dtqka::kInputOk, -1));
  for (int16_t i = 0; i <= 7; ++i) {
    const bool positive = i == 0 || i == 1 || i == 5;  // γ, h, α; the others may be zero
    for (const char* bad : {"abc", "", "1.2.3"})
      EXPECT_EQ(with(i, bad), P(dtqka::kNotNumeric, i)) << bad;
    EXPECT_EQ(with(i, "0"), positive ? P(dtqka::kNotPositive, i) : P(dtqka::kInputOk, -1)) << i;
    EXPECT_EQ(with(i, "-5"), P(positive ? dtqka::kNotPositive : dtqka::kNegative, i)) << i;
  }
  // the first failing field wins
  EXPECT_EQ(check({"18", "abc", "10", "12", "30", "90", "-5", "0", ""}), P(dtqka::kNotNumeric, 1));
}

TEST(DtqKa, MsgErrorShowsTheListedTexts) {
  auto ui = std::make_shared<SilentHostUi>();
  modKalbex::SetUi(ui);
  clsDtqKa k;
  struct Msg {
    int32_t code;
    int16_t index;
    const char* text;
    std::string prompt;
  };
  const Msg msgs[] = {
      {800101, 3, "abc", "您输入的土的粘聚力 c为\"abc\"， \r\n一栏应输入数值。\r\n\r\n"},
      {800102, 1, "0", "您输入的挡土墙的高度 h＝0≤0， \r\n挡土墙的高度 h应＞0。\r\n\r\n"},
      {800103, 6, "-5", "您输入的土的坡度β＝-5＜0，\r\n土的坡度β应≥0。\r\n\r\n"},
      {800204, 0, "", "主动土压力系数Ka计算公式中，\r\n开根号内的数值小于0。\r\n\r\n"},
  };
  for (const auto& m : msgs) {
    ui->shown.clear();
    k.MsgError(m.code, m.index, m.text);
    ASSERT_EQ(ui->shown.size(), 1u) << m.code;
    EXPECT_EQ(ui->shown[0].prompt, m.prompt) << m.code;
    EXPECT_EQ(ui->shown[0].buttons, mb::kOkOnly | mb::kExclamation);
    EXPECT_EQ(ui->shown[0].title, m.code < 800200 ? "输入错误！" : "计算错误！");
  }
  // each calculation code shows its own message; success codes show nothing
  ui->shown.clear();
  for (int32_t c : {800201, 800202, 800203, 800204, 800299, 0, 800100, 800200})
    k.MsgError(c, 0, "");
  ASSERT_EQ(ui->shown.size(), 5u);
  for (size_t a = 0; a < 5; ++a) {
    EXPECT_EQ(ui->shown[a].title, "计算错误！");
    for (size_t b = a + 1; b < 5; ++b) EXPECT_NE(ui->shown[a].prompt, ui->shown[b].prompt);
  }
  modKalbex::SetUi(nullptr);
}

}  // namespace
}  // namespace tk
