// Flexure stage of clsMVT: tension steel As for a design moment, or the moment capacity, of
// rectangular, T, inverted-T, inverted-L and I sections by the rectangular stress block of
// GBJ 10-89 clause 4.1 (fcm over the depth x), with the frame-beam limits of GBJ 11-89 6.3.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "codes/gbj10_89.h"
#include "codes/gbj11_89.h"
#include "frame/fault.h"
#include "frame/numfmt.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/text.h"
#include "section/mvt_stages.h"

namespace tk::mvt {

namespace {

using gbj10_89::kBeta1;

constexpr int kFormula = 6;  // indent of a formula line
constexpr int kValues = 8;   // indent of its continuation, "＝ …"
constexpr const char* kXiPattern = "#0.000";
// House choices of the K iteration on flanged sections (IterateK).
constexpr double kInitialAs1Share = 0.1;  // As' to start from, × K × concrete area
constexpr double kAs1Tolerance = 1;       // mm², change of As' that ends the iteration
constexpr double kRoundsCap = 1000;       // rounds at most, and at most h / kMmPerRound
constexpr double kMmPerRound = 10;
// Growth of As per round when Mu with σs stays below the moment (ReviseOverReinforcedK).
constexpr double kAsGrowth = 1.001;

struct Flex {
  Flex(Call& k_, Report& r_) : k(k_), r(r_) {}
  Call& k;
  Report& r;
  double ho = 0;
  double xi_b = 0;
  double limit = 0;            // the governing limit of ξ
  bool seismic_limit = false;  // 0.25 / 0.35 at a frame-beam end
  double gamma = 1;            // factor on M: γo, or γRE with earthquake action
  std::string_view gtext;      // " * γo", " * γRE" or ""
  double Md = 0;               // γ·M, N·mm (mode 0)
  // A beam-end design that may still turn to compression steel reports its failures as plain
  // lines, without error or warning.
  bool quiet_errors = false;
  bool quiet_warning = false;
};

struct Outcome {
  int32_t err = 0;
  double As = 0;
  double x = 0;
  bool over_limit = false;
  bool has_xi = false;  // ξ was worked: the caller hands it on as Kc
  float xi = 0;
};

Outcome Failed(int32_t code) {
  Outcome o;
  o.err = code;
  return o;
}

// M with its factor inside a substitution: "150000000*0.75".
std::string MText(Flex& f) {
  std::string s = Fmt(f.k, f.k.M * 1e6, "nmm");
  if (!f.gtext.empty()) s += "*" + Factor(f.gamma);
  return s;
}

// The condition of a depth that the over-reinforced force balance cannot give.
std::string NoDepthText() {
  return "fy * As / (ξb - " + Factor(kBeta1) + ") - fcm * b * ho ≥ 0";
}

Outcome FlexFail(Flex& f, int32_t code, const std::string& text) {
  if (f.quiet_errors)
    f.r.Line(kFormula, "$0", {text});
  else
    Fail(f.k, code, text);
  return Failed(code);
}

Outcome FailRadicand(Flex& f, double R) {
  return FlexFail(f, code::kRadicand, "受压区高度x的根号内数值 ＝ " + Fmt(f.k, R, "mm2") + " ＜ 0");
}

Outcome FailSigma(Flex& f, double sigma_s) {
  return FlexFail(f, code::kSigmaS, "钢筋应力σs ＝ " + Fmt(f.k, sigma_s, "n/mm2d") + " ≤ 0");
}

// GBJ 10-89 eq. 4.1.5-3: stress of steel that does not yield (x > ξb·ho). Below 0.5 N/mm² the
// steel carries nothing.
double SigmaS(Flex& f, double x) {
  const double s = gbj10_89::SteelStressLinear(f.k.fy, fault::div(x, f.ho), f.xi_b);
  return s < 0.5 ? 0.0 : fault::check(s);
}

// The seismic limit bounds ξ for ductility (GBJ 11-89 6.3.3). At a grade 1-3 frame-beam end the
// limit replaces ξb as the depth beyond which every case below takes the steel stress from the
// σs formula (still written with ξb) or recomputes x for the capacity, as the report's
// "ξb * Ho" comparison lines show; elsewhere the limit is ξb itself.
void CalXLimit(Flex& f) {
  const double seismic = f.k.bBE ? gbj11_89::XiLimitOfGrade(f.k.iSecPos) : 0.0;
  f.seismic_limit = seismic > 0;
  f.limit = f.seismic_limit ? seismic : f.xi_b;
}

std::string LimitText(Flex& f) {
  if (f.seismic_limit) return Factor(f.limit) + "（" + GradeText(f.k.iSecPos) + "级框架梁端）";
  return "ξb ＝ " + FormatNumber(f.xi_b, kXiPattern);
}

// " ≤ ξb * Ho ＝ 307.55 mm" / " ＞ ξb * Ho ＝ ..."
void XbCompare(Flex& f, double x) {
  f.r.Put(x <= f.limit * f.ho ? " ≤ ξb * Ho ＝ $0" : " ＞ ξb * Ho ＝ $0",
          {{f.limit * f.ho, U::mmd}});
}

void XiLines(Flex& f, double x, double xi, bool over) {
  f.r.Line(kFormula, "相对受压区高度ξ ＝ x / Ho ＝ $0/$1 ＝ $2$3$4",
           {{x, U::mm}, {f.ho, U::mm}, {xi, "#0.0000"}, over ? " ＞ " : " ≤ ", LimitText(f)});
  if (over && !f.quiet_warning)
    f.r.Sp(kFormula).Put("警告：相对受压区高度ξ ＞ $0", {LimitText(f)}).Text(32095).End();
}

// The design or capacity is found: ξ = x/ho against its limit, reported, and a warning recorded
// when it is above.
Outcome Found(Flex& f, double As, double x) {
  Outcome o;
  o.As = As;
  o.x = x;
  const double xi = fault::div(x, f.ho);
  o.xi = fault::to_float(xi);
  o.has_xi = true;
  o.over_limit = xi > f.limit;
  XiLines(f, x, xi, o.over_limit);
  if (o.over_limit && !f.quiet_warning)
    Note(f.k, code::kXiAboveLimit,
         "相对受压区高度ξ ＝ " + FormatNumber(xi, "#0.0000") + " ＞ " + LimitText(f));
  return o;
}

// --- report blocks shared by the cases ---------------------------------------------------------

// GBJ 10-89 eq. 4.1.5-3: σs of steel that does not yield.
void SigmaLines(Flex& f, double x, double sigma_s) {
  f.r.Line(kFormula, "钢筋应力σs ＝ fy * (x / Ho - $0) / (ξb - $0)", {{kBeta1, kWorkedFactor}});
  f.r.Line(kValues, "＝ $0*($1/$2-$5)/($3-$5) ＝ $4",
           {{f.k.fy, U::nmm2},
            {x, U::mm},
            {f.ho, U::mm},
            {f.xi_b, kXiPattern},
            {sigma_s, U::nmm2d},
            {kBeta1, kWorkedFactor}});
}

// x with As' known over a rectangle of width b or bf' (GBJ 10-89 art. 4.1.6, 4.1.7-1).
void DepthWithAs1Lines(Flex& f, double As1, double width, std::string_view wname) {
  const Call& k = f.k;
  f.r.Line(kFormula, "x ＝ ho - {ho ^ 2 - 2 * [M$0 - fy' * As' * (ho - as')] / (fcm * $1)} ^ 0.5",
           {f.gtext, wname});
  f.r.Line(kValues, "＝ $0-{$0^2-2*[$1-$2*$3*($0-$4)]/($5*$6)}^0.5",
           {{f.ho, U::mm},
            MText(f),
            {k.fy1, U::nmm2},
            {As1, U::mm2},
            {k.as1, U::mm},
            {k.fcm, U::nmm2_1},
            {width, U::mm}});
}

// x below 2as': the lever arm ho - as' (GBJ 10-89 art. 4.1.6).
void LeverArmAsLine(Flex& f, double As) {
  f.r.Line(kFormula, "As ＝ M$0 / [fy * (ho - as')] ＝ $1/[$2*($3-$4)] ＝ $5",
           {f.gtext, MText(f), {f.k.fy, U::nmm2}, {f.ho, U::mm}, {f.k.as1, U::mm}, {As, U::mm2d}});
}

// As of a rectangle of width b or bf' with As' from the force balance, the steel at fy or σs.
void BalanceAsLine(Flex& f, double width, std::string_view wname, double x, double As1,
                   double sigma_s, bool yielded, double As) {
  f.r.Line(kFormula, "As ＝ (fcm * $7 * x + fy' * As') / $8 ＝ ($0*$1*$2+$3*$4)/$5 ＝ $6",
           {{f.k.fcm, U::nmm2_1},
            {width, U::mm},
            {x, U::mm},
            {f.k.fy1, U::nmm2},
            {As1, U::mm2},
            {sigma_s, U::nmm2},
            {As, U::mm2d},
            wname,
            yielded ? "fy" : "σs"});
}

// "x ＝ (fy * As - fy' * As') / (fcm * b) ＝ (...)/(...) ＝ x", without its line end.
void DepthFromForcesPut(Flex& f, double width, std::string_view wname, double As, double As1,
                        double x) {
  f.r.Sp(kFormula).Put("x ＝ (fy * As - fy' * As') / (fcm * $6) ＝ ($0*$1-$2*$3)/($4*$5) ＝ $7",
                       {{f.k.fy, U::nmm2},
                        {As, U::mm2},
                        {f.k.fy1, U::nmm2},
                        {As1, U::mm2},
                        {f.k.fcm, U::nmm2_1},
                        {width, U::mm},
                        wname,
                        {x, U::mmd}});
}

// The symbolic depth of an over-reinforced section (GBJ 10-89 eq. 4.1.5-3 in the force balance).
void OverReinforcedDepthLine(Flex& f, std::string_view flange_text, bool with_As1,
                             std::string_view wname) {
  f.r.Line(kFormula,
           "x ＝ [$0$1$3 * fy * As / (ξb - $3)] * ho / [fy * As / (ξb - $3) - fcm * $2 * ho]",
           {flange_text, with_As1 ? "fy' * As' + " : "", wname, {kBeta1, kWorkedFactor}});
}

// "Mu ＝ fcm * b * x * (ho - x / 2) + fy' * As' * (ho - as')" with its numbers, without the line
// end of the numbers.
void MomentDoublyLines(Flex& f, double width, double x, double As1, double Mu) {
  const Call& k = f.k;
  f.r.Line(kFormula, "Mu ＝ fcm * b * x * (ho - x / 2) + fy' * As' * (ho - as')");
  f.r.Sp(kValues).Put("＝ $0*$1*$2*($3-$2/2)+$4*$5*($3-$6) ＝ $7", {{k.fcm, U::nmm2_1},
                                                                    {width, U::mm},
                                                                    {x, U::mm},
                                                                    {f.ho, U::mm},
                                                                    {k.fy1, U::nmm2},
                                                                    {As1, U::mm2},
                                                                    {k.as1, U::mm},
                                                                    {Mu / 1e6, U::knmd}});
}

// Ends the depth line with its comparison to the limit and takes the steel stress at x: fy up to
// the limit, σs of GBJ 10-89 eq. 4.1.5-3 beyond it, with its lines.
struct SteelStress {
  bool yielded;
  double sigma_s;
};
SteelStress SteelAt(Flex& f, double x) {
  XbCompare(f, x);
  f.r.End();
  const bool yielded = x <= f.limit * f.ho;
  const double sigma_s = yielded ? f.k.fy : SigmaS(f, x);
  if (!yielded) SigmaLines(f, x, sigma_s);
  return {yielded, sigma_s};
}

// --- mode 0, rectangle and inverted T ---------------------------------------------------------

// GBJ 10-89 eq. 4.1.5-1 with x from the moment about the steel.
Outcome DesignSingle(Flex& f) {
  const Call& k = f.k;
  const double ho = f.ho, b = k.b;
  f.r.Line(kFormula, "单筋矩形截面或翼缘位于受拉边的T形截面受弯构件受压区高度x按下式计算：");
  f.r.Line(kFormula, "x ＝ ho - (ho ^ 2 - 2 * M$0 / fcm / b) ^ 0.5", {f.gtext});
  const double R = ho * ho - fault::div(2 * f.Md, k.fcm * b);
  if (R <= 0)
    return FlexFail(
        f, code::kRadicand,
        "ho ^ 2 - 2 * M" + std::string(f.gtext) + " / fcm / b ＝ " + Fmt(f.k, R, "mm2") + " ≤ 0");
  const double x = ho - fault::sqrt(R);
  f.r.Line(kValues, "＝ $0-($0^2-2*$1/$2/$3)^0.5",
           {{ho, U::mm}, MText(f), {k.fcm, U::nmm2_1}, {b, U::mm}});
  f.r.Sp(kValues).Put("＝ $0", {{x, U::mmd}});
  const auto [yielded, sigma_s] = SteelAt(f, x);
  if (sigma_s <= 0) return FailSigma(f, sigma_s);
  const double As = fault::div(b * x * k.fcm, sigma_s);
  f.r.Line(kFormula, "As ＝ b * x * fcm / $5 ＝ $0*$1*$2/$3 ＝ $4",
           {{b, U::mm},
            {x, U::mm},
            {k.fcm, U::nmm2_1},
            {sigma_s, U::nmm2},
            {As, U::mm2d},
            yielded ? "fy" : "σs"});
  return Found(f, As, x);
}

// GBJ 10-89 eq. 4.1.6-1 with the compression steel As' known.
Outcome DesignKnownAs1(Flex& f, double As1) {
  const Call& k = f.k;
  const double ho = f.ho, b = k.b, as1 = k.as1;
  f.r.Line(kFormula, "双筋矩形截面或翼缘位于受拉边的T形截面受弯构件，");
  f.r.Line(kFormula, "已知 As' ＝ $0，受压区高度x可按下式计算：", {{As1, U::mm2d}});
  const double R = ho * ho - fault::div(2 * (f.Md - k.fy1 * As1 * (ho - as1)), k.fcm * b);
  DepthWithAs1Lines(f, As1, b, "b");
  if (R < 0)
    return FlexFail(f, code::kRadicand,
                    "ho ^ 2 - 2 * [M" + std::string(f.gtext) +
                        " - fy' * As' * (ho - as')] / (fcm * b) ＝ " + Fmt(f.k, R, "mm2") +
                        " ＜ 0");
  const double x = ho - fault::sqrt(R);
  if (x < 2 * as1) {
    f.r.Line(kValues, "＝ $0 ＜ 2as' ＝ $1", {{x, U::mmd}, {2 * as1, U::mmd}});
    const double As = fault::div(f.Md, k.fy * (ho - as1));
    LeverArmAsLine(f, As);
    return Found(f, As, x);
  }
  f.r.Sp(kValues).Put("＝ $0 ≥ 2as' ＝ $1，", {{x, U::mmd}, {2 * as1, U::mmd}});
  const auto [yielded, sigma_s] = SteelAt(f, x);
  if (sigma_s <= 0) return FailSigma(f, sigma_s);
  const double As = fault::div(k.fcm * b * x + k.fy1 * As1, sigma_s);
  BalanceAsLine(f, b, "b", x, As1, sigma_s, yielded, As);
  return Found(f, As, x);
}

// x and Mu of a double-reinforced section whose steel does not yield (GBJ 10-89 eq. 4.1.5-3
// put into the equilibrium of forces); false where no depth balances the forces.
bool OverReinforcedX(Flex& f, double width, double As, double As1, double extra_force, double& x) {
  const Call& k = f.k;
  if (gbj10_89::OverReinforcedDenominator(k.fy, As, f.xi_b, k.fcm, width, f.ho) >= 0) return false;
  x = gbj10_89::DepthOverReinforcedDoubly(k.fy, As, k.fy1, As1, extra_force, f.xi_b, k.fcm, width,
                                          f.ho);
  return true;
}

// The numbers of the over-reinforced depth of a rectangle with As', without the line end.
void OverReinforcedDepthValuesPut(Flex& f, double As, double As1) {
  const Call& k = f.k;
  f.r.Sp(kValues).Put("＝ [$0*$1+$8*$2*$3/($4-$8)]*$5/[$2*$3/($4-$8)-$6*$7*$5]",
                      {{k.fy1, U::nmm2},
                       {As1, U::mm2},
                       {k.fy, U::nmm2},
                       {As, U::mm2},
                       {f.xi_b, kXiPattern},
                       {f.ho, U::mm},
                       {k.fcm, U::nmm2_1},
                       {k.b, U::mm},
                       {kBeta1, kWorkedFactor}});
}

// More steel in the fixed ratio K until the capacity with σs reaches the moment. Mu grows without
// bound with As (the As' term), so the loop ends; the guard only stops a runaway input.
bool GrowUntilCapacity(Flex& f, double K, double& As, double& As1, double& x, double& Mu) {
  const Call& k = f.k;
  bool ok = true;
  for (int rounds = 0; Mu < f.Md && ok && rounds < 200000; ++rounds) {
    As *= kAsGrowth;
    As1 = K * As;
    ok = OverReinforcedX(f, k.b, As, As1, 0, x);
    if (ok) Mu = gbj10_89::MomentDoubly(k.fcm, k.b, x, f.ho, k.fy1, As1, k.as1);
  }
  return ok && Mu >= f.Md;
}

// x beyond ξb·ho with K fixed: x of the steel that does not yield (GBJ 10-89 eq. 4.1.5-3), and
// more steel in the ratio K until Mu reaches the moment. False when the stage has failed.
bool ReviseOverReinforcedK(Flex& f, double K, double& As, double& As1, double& x) {
  Call& k = f.k;
  f.r.Line(kFormula, "x ＞ ξb * ho，重新计算受压区高度x");
  double Mu = 0;
  const bool ok = OverReinforcedX(f, k.b, As, As1, 0, x);
  if (ok) Mu = gbj10_89::MomentDoubly(k.fcm, k.b, x, f.ho, k.fy1, As1, k.as1);
  OverReinforcedDepthLine(f, "", true, "b");
  OverReinforcedDepthValuesPut(f, As, As1);
  if (!ok) {
    f.r.End();
    Fail(k, code::kRadicand, NoDepthText());
    return false;
  }
  f.r.Put(" ＝ $0", {{x, U::mmd}}).End();
  MomentDoublyLines(f, k.b, x, As1, Mu);
  f.r.Put(Mu < f.Md ? " ＜ M$0 ＝ $1" : " ≥ M$0 ＝ $1", {f.gtext, {f.Md / 1e6, U::knmd}}).End();
  if (Mu >= f.Md) return true;
  if (!GrowUntilCapacity(f, K, As, As1, x, Mu)) {
    Fail(k, code::kRadicand, NoDepthText());
    return false;
  }
  f.r.Line(kFormula, "重新计算，取 As ＝ $0，As' ＝ K * As ＝ $1", {{As, U::mm2d}, {As1, U::mm2d}});
  f.r.Line(kFormula, "x ＝ $0，Mu ＝ $1 ≥ M$2 ＝ $3",
           {{x, U::mmd}, {Mu / 1e6, U::knmd}, f.gtext, {f.Md / 1e6, U::knmd}});
  return true;
}

// Known ratio K = As'/As: As from the quadratic of the moment equilibrium.
Outcome DesignK(Flex& f, double K) {
  Call& k = f.k;
  const double ho = f.ho, b = k.b, as1 = k.as1;
  f.r.Line(kFormula, "双筋矩形截面或翼缘位于受拉边的T形截面受弯构件，");
  f.r.Line(kFormula, "已知 K ＝ As' / As ＝ $0，可推导出下列公式：", {{K, kXiPattern}});
  const double t = k.fy - k.fy1 * K;
  f.r.Line(kFormula, "t ＝ fy - fy' * K ＝ $0-$1*$2 ＝ $3",
           {{k.fy, U::nmm2}, {k.fy1, U::nmm2}, {K, kWorkedFactor}, {t, U::nmm2d}});
  if (t <= 0) {
    Fail(k, code::kKRatio, "fy - fy' * K ＝ " + Fmt(k, t, "n/mm2d") + " ≤ 0");
    return Failed(code::kKRatio);
  }
  const double p = ho * k.fy - as1 * k.fy1 * K;
  f.r.Line(kFormula, "p ＝ ho * fy - as' * fy' * K ＝ $0*$1-$2*$3*$4 ＝ $5",
           {{ho, U::mm},
            {k.fy, U::nmm2},
            {as1, U::mm},
            {k.fy1, U::nmm2},
            {K, kWorkedFactor},
            {p, "0.##"}});
  f.r.Line(kFormula, "As ＝ {p - [p ^ 2 - 2 * t ^ 2 * M$0 / (fcm * b)] ^ 0.5} * fcm * b / t ^ 2",
           {f.gtext});
  const double R = p * p - fault::div(2 * t * t * f.Md, k.fcm * b);
  if (R <= 0) {
    Fail(k, code::kRadicand,
         "p ^ 2 - 2 * t ^ 2 * M" + std::string(f.gtext) + " / (fcm * b) ＝ " +
             FormatNumber(R, "0.##") + " ≤ 0");
    return Failed(code::kRadicand);
  }
  double As = fault::div((p - fault::sqrt(R)) * k.fcm * b, t * t);
  double As1 = K * As;
  f.r.Line(kValues, "＝ {$0-[$0^2-2*$1^2*$2/($3*$4)]^0.5}*$3*$4/$1^2 ＝ $5",
           {{p, "0.##"}, {t, U::nmm2}, MText(f), {k.fcm, U::nmm2_1}, {b, U::mm}, {As, U::mm2d}});
  f.r.Line(kFormula, "As' ＝ K * As ＝ $0*$1 ＝ $2",
           {{K, kWorkedFactor}, {As, U::mm2}, {As1, U::mm2d}});
  double x = fault::div(k.fy * As - k.fy1 * As1, k.fcm * b);
  DepthFromForcesPut(f, b, "b", As, As1, x);
  XbCompare(f, x);
  f.r.End();
  if (x > f.limit * ho && !ReviseOverReinforcedK(f, K, As, As1, x)) return Failed(code::kRadicand);
  return Found(f, As, x);
}

// --- mode 0, flanged shapes --------------------------------------------------------------------

struct FlangedSol {
  double As1 = 0;
  double R1 = 0, x1 = 0;  // x with the flange width bf'
  int branch = 0;  // 1 x < 2as', 2 flange yields, 3 flange over-reinforced, 4 web in compression
  double R2 = 0, x = 0;  // x with the web (branch 4); x = x1 otherwise
  double sigma_s = 0, As = 0;
  int32_t err = 0;
};

// GBJ 10-89 eq. 4.1.7-1 (x within the flange: a rectangle of width bf') and 4.1.7-3 (the web
// in compression). A depth below 2as' takes the lever arm ho - as' also without As': the
// compression resultant is then taken at the steel level, which errs on the safe side.
FlangedSol SolveFlanged(Flex& f, double As1) {
  const Call& k = f.k;
  FlangedSol s;
  s.As1 = As1;
  const double ho = f.ho, b = k.b, bf1 = k.bf1, hf1 = k.hf1, as1 = k.as1;
  const double Ms = k.fy1 * As1 * (ho - as1);
  s.R1 = ho * ho - fault::div(2 * (f.Md - Ms), k.fcm * bf1);
  if (s.R1 < 0) {
    s.err = code::kRadicand;
    return s;
  }
  s.x1 = s.x = ho - fault::sqrt(s.R1);
  if (s.x1 < 2 * as1) {
    s.branch = 1;
    s.As = fault::div(f.Md, k.fy * (ho - as1));
    return s;
  }
  if (s.x1 <= hf1) {
    s.branch = s.x1 <= f.limit * ho ? 2 : 3;
    s.sigma_s = s.branch == 2 ? k.fy : SigmaS(f, s.x1);
  } else {
    s.branch = 4;
    const double Mf = k.fcm * (bf1 - b) * hf1 * (ho - hf1 / 2);
    s.R2 = ho * ho - fault::div(2 * (f.Md - Ms - Mf), k.fcm * b);
    if (s.R2 < 0) {
      s.err = code::kRadicand;
      return s;
    }
    s.x = ho - fault::sqrt(s.R2);
    s.sigma_s = s.x <= f.limit * ho ? k.fy : SigmaS(f, s.x);
  }
  if (s.sigma_s <= 0) {
    s.err = code::kSigmaS;
    return s;
  }
  const double force = s.branch == 4 ? k.fcm * b * s.x + k.fy1 * As1 + k.fcm * (bf1 - b) * hf1
                                     : k.fcm * bf1 * s.x + k.fy1 * As1;
  s.As = fault::div(force, s.sigma_s);
  return s;
}

// x beyond hf': the web in compression (GBJ 10-89 eq. 4.1.7-3).
Outcome ReportWebInCompression(Flex& f, const FlangedSol& s) {
  const Call& k = f.k;
  const double ho = f.ho, b = k.b, bf1 = k.bf1, hf1 = k.hf1;
  f.r.Line(kValues, "＝ $0 ＞ hf' ＝ $1", {{s.x1, U::mmd}, {hf1, U::mmd}});
  f.r.Line(kFormula, "当 x ＞ hf' 时，应考虑腹板的受压作用，重新计算受压区高度x：");
  f.r.Line(kFormula,
           "x ＝ ho - {ho ^ 2 - 2 * [M$0 - fy' * As' * (ho - as') - fcm * (bf' - b) * hf' * "
           "(ho - hf' / 2)] / (fcm * b)} ^ 0.5",
           {f.gtext});
  f.r.Line(kValues, "＝ $0-{$0^2-2*[$1-$2*$3*($0-$4)-$5*($6-$7)*$8*($0-$8/2)]/($5*$7)}^0.5",
           {{ho, U::mm},
            MText(f),
            {k.fy1, U::nmm2},
            {s.As1, U::mm2},
            {k.as1, U::mm},
            {k.fcm, U::nmm2_1},
            {bf1, U::mm},
            {b, U::mm},
            {hf1, U::mm}});
  if (s.R2 < 0) return FailRadicand(f, s.R2);
  f.r.Sp(kValues).Put("＝ $0", {{s.x, U::mmd}});
  XbCompare(f, s.x);
  f.r.End();
  const bool over = s.x > f.limit * ho;
  if (over) {
    SigmaLines(f, s.x, s.sigma_s);
    if (s.err == code::kSigmaS) return FailSigma(f, s.sigma_s);
  }
  f.r.Line(kFormula,
           "As ＝ [fcm * b * x + fy' * As' + fcm * (bf' - b) * hf'] / $9 ＝ "
           "[$0*$1*$2+$3*$4+$0*($5-$1)*$6]/$7 ＝ $8",
           {{k.fcm, U::nmm2_1},
            {b, U::mm},
            {s.x, U::mm},
            {k.fy1, U::nmm2},
            {s.As1, U::mm2},
            {bf1, U::mm},
            {hf1, U::mm},
            {s.sigma_s, U::nmm2},
            {s.As, U::mm2d},
            over ? "σs" : "fy"});
  return Found(f, s.As, s.x);
}

// x within the flange: a rectangle of width bf' (GBJ 10-89 eq. 4.1.7-1).
Outcome ReportWithinFlange(Flex& f, const FlangedSol& s) {
  const double hf1 = f.k.hf1;
  f.r.Sp(kValues).Put("＝ $0 ≤ hf' ＝ $1，", {{s.x1, U::mmd}, {hf1, U::mmd}});
  XbCompare(f, s.x1);
  f.r.End();
  if (s.branch == 3) {
    SigmaLines(f, s.x1, s.sigma_s);
    if (s.err == code::kSigmaS) return FailSigma(f, s.sigma_s);
  }
  BalanceAsLine(f, f.k.bf1, "bf'", s.x1, s.As1, s.sigma_s, s.branch == 2, s.As);
  return Found(f, s.As, s.x);
}

Outcome ReportFlanged(Flex& f, const FlangedSol& s) {
  if (s.As1 > 0)
    f.r.Line(kFormula,
             "翼缘位于受压边的T形或工字形截面受弯构件，已知As' ＝ $0，受压区高度x可按下式计算：",
             {{s.As1, U::mm2d}});
  else
    f.r.Line(kFormula, "翼缘位于受压边的T形或工字形截面受弯构件受压区高度x按下式计算：");
  DepthWithAs1Lines(f, s.As1, f.k.bf1, "bf'");
  if (s.R1 < 0) return FailRadicand(f, s.R1);
  if (s.branch == 1) {
    f.r.Line(kValues, "＝ $0 ＜ 2as' ＝ $1", {{s.x1, U::mmd}, {2 * f.k.as1, U::mmd}});
    LeverArmAsLine(f, s.As);
    return Found(f, s.As, s.x);
  }
  if (s.branch == 2 || s.branch == 3) return ReportWithinFlange(f, s);
  return ReportWebInCompression(f, s);
}

Outcome DesignFlanged(Flex& f, double As1) {
  return ReportFlanged(f, SolveFlanged(f, As1));
}

// As' = K·As on a flanged section: fixed point on As' from 0.1·K·Ac, until As' changes by less
// than 1 mm², at most min(1000, h/10) rounds; the last design is the one reported.
Outcome IterateK(Flex& f, double K) {
  const Call& k = f.k;
  const double Ac = (k.bf1 - k.b) * k.hf1 + k.b * k.h;
  double As1 = kInitialAs1Share * K * Ac;
  const int rounds_max =
      static_cast<int>(std::clamp(std::floor(k.h / kMmPerRound), 0.0, kRoundsCap));
  f.r.Line(kFormula, "已知 K ＝ As' / As ＝ $0，取 As' ＝ K * As 迭代计算：", {{K, kXiPattern}});
  f.r.Line(kFormula,
           "As' 初值 ＝ $6 * K * [(bf' - b) * hf' + b * h] ＝ $6*$0*[($1-$2)*$3+$2*$4] ＝ $5",
           {{K, kWorkedFactor},
            {k.bf1, U::mm},
            {k.b, U::mm},
            {k.hf1, U::mm},
            {k.h, U::mm},
            {As1, U::mm2d},
            {kInitialAs1Share, kWorkedFactor}});
  int rounds = 0;
  bool converged = false;
  while (rounds < rounds_max) {
    ++rounds;
    const FlangedSol s = SolveFlanged(f, As1);
    if (s.err) break;
    const double next = K * s.As;
    const double change = std::fabs(next - As1);
    As1 = next;
    if (change < kAs1Tolerance) {
      converged = true;
      break;
    }
  }
  f.r.Sp(kFormula).Put("迭代 $0 次", {std::to_string(rounds)});
  if (converged)
    f.r.Put("，As' 的变化小于 $0 mm$1", {{kAs1Tolerance, "0"}, f.r.services().tSquareSign()});
  else
    f.r.Put("（上限 min($0, h / $1) ＝ $2 次）",
            {{kRoundsCap, "0"}, {kMmPerRound, "0"}, std::to_string(rounds_max)});
  f.r.Put("，取 As' ＝ $0", {{As1, U::mm2d}}).End();
  return DesignFlanged(f, As1);
}

// --- mode 1 ------------------------------------------------------------------------------------

// The capacity as the host reads it: Mu over the factor, kN·m.
double CapacityOut(const Flex& f, double Mu) {
  return fault::div(Mu, f.gamma) / 1e6;
}

// "Mu ＝ [formula] / γRE" and "＝ [values]/0.75 ＝ M"; `values` is a form over `subs`.
void CapacityLines(Flex& f, double M, std::string_view formula, std::string_view values,
                   Subs subs) {
  const bool factored = !f.gtext.empty();
  f.r.Line(kFormula, factored ? "Mu ＝ [$0]$1" : "Mu ＝ $0",
           {formula, f.gtext == " * γRE" ? " / γRE" : " / γo"});
  f.r.Sp(kValues).Put(factored ? "＝ [" : "＝ ").Put(values, subs);
  f.r.Put(factored ? "]/$0 ＝ $1" : " ＝ $1", {{f.gamma, kWorkedFactor}, {M, U::knmd}}).End();
}

// The over-reinforced depth recomputed for the capacity (GBJ 10-89 eq. 4.1.5-3). False when no
// depth balances the forces (the stage has failed).
bool CapacityOverX(Flex& f, double width, double As, double As1, double flange_force,
                   std::string_view flange_text, double& x) {
  OverReinforcedDepthLine(f, flange_text, As1 != 0, width == f.k.b ? "b" : "bf'");
  if (!OverReinforcedX(f, width, As, As1, flange_force, x)) {
    Fail(f.k, code::kRadicand, NoDepthText());
    return false;
  }
  f.r.Line(kValues, "＝ $0", {{x, U::mmd}});
  return true;
}

// x of the capacity ends the line written before: below 2as' the lever arm ho - as'
// (GBJ 10-89 art. 4.1.6), otherwise a rectangle of width b, or bf' with x within the flange.
Outcome CapacityRectangle(Flex& f, double As, double As1, double x) {
  Call& k = f.k;
  const double ho = f.ho, as1 = k.as1;
  const bool flanged = Flanged(k.shape);
  const double width = flanged ? k.bf1 : k.b;
  // The 2as' rule belongs to the double-reinforced and flanged forms, not to the single one.
  if ((flanged || As1 > 0) && x <= 2 * as1) {
    f.r.Put(" ≤ 2as' ＝ $0", {{2 * as1, U::mmd}}).End();
    k.Mout = CapacityOut(f, k.fy * As * (ho - as1));
    CapacityLines(f, k.Mout, "fy * As * (ho - as')", "$0*$1*($2-$3)",
                  {{k.fy, U::nmm2}, {As, U::mm2}, {ho, U::mm}, {as1, U::mm}});
    return Found(f, As, x);
  }
  if (flanged) f.r.Put(" ≤ hf' ＝ $0，", {{k.hf1, U::mmd}});
  XbCompare(f, x);
  if (x > f.limit * ho) {
    f.r.Put(flanged ? "" : "，重新计算受压区高度x").End();
    if (flanged)
      f.r.Line(kFormula, "hf' ＞ x ＞ ξb * ho，应按照宽度为 bf' 的矩形截面重新计算受压区高度x");
    if (!CapacityOverX(f, width, As, As1, 0, "", x)) return Failed(code::kRadicand);
  } else {
    f.r.End();
  }
  k.Mout = CapacityOut(f, gbj10_89::MomentDoubly(k.fcm, width, x, ho, k.fy1, As1, as1));
  const std::string formula = "fcm * " + std::string(flanged ? "bf'" : "b") +
                              " * x * (ho - x / 2)" + (As1 != 0 ? " + fy' * As' * (ho - as')" : "");
  CapacityLines(f, k.Mout, formula,
                As1 != 0 ? "$0*$1*$2*($3-$2/2)+$4*$5*($3-$6)" : "$0*$1*$2*($3-$2/2)",
                {{k.fcm, U::nmm2_1},
                 {width, U::mm},
                 {x, U::mm},
                 {ho, U::mm},
                 {k.fy1, U::nmm2},
                 {As1, U::mm2},
                 {as1, U::mm}});
  return Found(f, As, x);
}

// x beyond hf': the web in compression (GBJ 10-89 art. 4.1.7).
Outcome CapacityWeb(Flex& f, double As, double As1) {
  Call& k = f.k;
  const double ho = f.ho, b = k.b, bf1 = k.bf1, hf1 = k.hf1, fcm = k.fcm;
  f.r.Put(" ＞ hf' ＝ $0", {{hf1, U::mmd}}).End();
  const double flange_force = fcm * (bf1 - b) * hf1;
  double x = fault::div(k.fy * As - k.fy1 * As1 - flange_force, fcm * b);
  f.r.Sp(kFormula).Put(
      "x ＝ [fy * As - fy' * As' - fcm * (bf' - b) * hf'] / (fcm * b) ＝ "
      "[$0*$1-$2*$3-$4*($5-$6)*$7]/($4*$6) ＝ $8",
      {{k.fy, U::nmm2},
       {As, U::mm2},
       {k.fy1, U::nmm2},
       {As1, U::mm2},
       {fcm, U::nmm2_1},
       {bf1, U::mm},
       {b, U::mm},
       {hf1, U::mm},
       {x, U::mmd}});
  XbCompare(f, x);
  if (x > f.limit * ho) {
    f.r.Put("，重新计算受压区高度x").End();
    if (!CapacityOverX(f, b, As, As1, flange_force, "fcm * (bf' - b) * hf' + ", x))
      return Failed(code::kRadicand);
  } else {
    f.r.End();
  }
  k.Mout =
      CapacityOut(f, gbj10_89::MomentFlangedDoubly(fcm, b, x, ho, bf1, hf1, k.fy1, As1, k.as1));
  CapacityLines(
      f, k.Mout,
      "fcm * [b * x * (ho - x / 2) + (bf' - b) * hf' * (ho - hf' / 2)] + fy' * As' * (ho - as')",
      "$0*[$1*$2*($3-$2/2)+($4-$1)*$5*($3-$5/2)]+$6*$7*($3-$8)",
      {{fcm, U::nmm2_1},
       {b, U::mm},
       {x, U::mm},
       {ho, U::mm},
       {bf1, U::mm},
       {hf1, U::mm},
       {k.fy1, U::nmm2},
       {As1, U::mm2},
       {k.as1, U::mm}});
  return Found(f, As, x);
}

// GBJ 10-89 eq. 4.1.5-1, 4.1.6-1 and 4.1.7 read for the capacity.
Outcome Capacity(Flex& f, double As, double As1) {
  const Call& k = f.k;
  const bool flanged = Flanged(k.shape);
  const double width = flanged ? k.bf1 : k.b;
  if (flanged)
    f.r.Line(kFormula, "翼缘位于受压边的T形或工字形截面受弯构件受压区高度x按下式计算：");
  else
    f.r.Line(kFormula, "$0筋矩形截面或翼缘位于受拉边的T形截面受弯构件受压区高度x按下式计算：",
             {As1 == 0 ? "单" : "双"});
  const double x = fault::div(k.fy * As - k.fy1 * As1, k.fcm * width);
  if (As1 == 0 && !flanged)
    f.r.Sp(kFormula).Put(
        "x ＝ fy * As / (fcm * b) ＝ $0*$1/($2*$3) ＝ $4",
        {{k.fy, U::nmm2}, {As, U::mm2}, {k.fcm, U::nmm2_1}, {width, U::mm}, {x, U::mmd}});
  else
    DepthFromForcesPut(f, width, flanged ? "bf'" : "b", As, As1, x);
  if (!flanged || x <= k.hf1) return CapacityRectangle(f, As, As1, x);
  return CapacityWeb(f, As, As1);
}

// --- reinforcement ratio -------------------------------------------------------------------------

// The governing minimum ratio, per cent, and its label: GBJ 10-89 clause 8.5.1 or the host's
// ρmin, raised to GBJ 11-89 table 6.3.3 for frame beams.
double MinimumRatioPercent(const Call& k, std::string& label) {
  double rho_min = std::max(gbj10_89::MinimumTensionRatioPercent(k.fcm), k.Pmin);
  label = "最小配筋率";
  if (IsFrame(k.iSecPos)) {
    const double frame = gbj11_89::FrameBeamMinRatioPercent(k.iSecPos, k.bBE);
    if (frame > rho_min) {
      rho_min = frame;
      label = GradeText(k.iSecPos) + (k.bBE ? "级框架梁端" : "级框架梁跨中");
    }
  }
  return rho_min;
}

// When the designed As is below the minimum, the returned As is raised to AsMin: the area the
// host hands on is the one to provide. P keeps the ratio of the designed As.
void CheckAsMin(Flex& f, double As) {
  Call& k = f.k;
  const double ho = f.ho, b = k.b;
  const double rho = fault::div(As, b * ho);
  k.rho = rho;
  k.P = fault::to_float(rho);
  f.r.Line(kFormula, "配筋率ρ ＝ As / b / ho ＝ $0/$1/$2 ＝ $3",
           {{As, U::mm2}, {b, U::mm}, {ho, U::mm}, {rho, U::percent}});
  std::string label;
  const double rho_min = MinimumRatioPercent(k, label) / 100;
  const double AsMin = b * k.h * rho_min;
  if (As < AsMin) {
    f.r.Line(kFormula, "$0ρmin ＝ $1    AsMin ＝ b * h * ρmin ＝ $2",
             {label, {rho_min, U::percent}, {AsMin, U::mm2d}});
    if (k.mode == 0) {
      k.dAs = AsMin;
      f.r.Line(kFormula, "As ＜ AsMin，取 As ＝ AsMin ＝ $0", {{AsMin, U::mm2d}});
    }
  }
  if (k.bBE && IsFrame(k.iSecPos) && rho > gbj11_89::kRhoMaxBeamEnd) {
    Fail(k, code::kRatioAbove,
         "受拉钢筋配筋率ρ ＝ " + Fmt(k, rho, "percent") + " ＞ " +
             FormatNumber(gbj11_89::kRhoMaxBeamEnd * 100, "0.#") + "%（" + GradeText(k.iSecPos) +
             "级框架梁端）");
  }
}

// Runs one case; a fault inside its formulas is the stage's error 3010.
template <class Fn>
bool Guarded(Flex& f, Fn&& fn) {
  try {
    fn();
    return true;
  } catch (const ArithmeticFault&) {
    Fail(f.k, code::kFlexureFault, "溢出，或不可知的错误。");
    return false;
  }
}

// As' as the host gives it: a number, or an expression in As whose value at As = 1 is the ratio K.
struct As1Input {
  bool expression = false;
  double As1 = 0;  // at the As passed in
  double K = 0;
};

As1Input ReadAs1(Call& k) {
  As1Input in;
  const std::string_view t = TrimView(k.tAs1);
  in.expression = !(t.empty() || IsNumericText(t));
  ISharedServices& svc = k.r.services();
  in.As1 = in.expression ? svc.dEvalAsText(t, k.dAs) : (t.empty() ? 0.0 : LeadingNumber(t));
  in.K = in.expression ? svc.dEvalAsText(t, 1.0) : 0.0;
  return in;
}

// The factor on M, ξb (GBJ 10-89 eq. 4.1.4) and the seismic limit of ξ.
void BasicsLines(Flex& f) {
  const Call& k = f.k;
  if (k.bEA)
    f.r.Line(kFormula, "承载力抗震调整系数γRE ＝ $0", {{gbj11_89::kGammaReFlexure, kWorkedFactor}});
  else if (k.Rlfo != 1)
    f.r.Line(kFormula, "结构构件的重要性系数γo ＝ $0", {{k.Rlfo, kWorkedFactor}});
  f.r.Line(kFormula, "ξb ＝ $3 / (1 + fy / ($4 * Es)) ＝ $3/(1+$0/($4*$1)) ＝ $2",
           {{k.fy, U::nmm2},
            {k.Es, U::nmm2},
            {f.xi_b, kXiPattern},
            {kBeta1, kWorkedFactor},
            {gbj10_89::kEpsilonCu, "0.####"}});
  if (f.seismic_limit)
    f.r.Line(kFormula, "$0级框架梁端：ξ ≤ $1", {GradeText(k.iSecPos), {f.limit, kWorkedFactor}});
}

void KeepXi(Call& k, const Outcome& o) {
  if (o.has_xi && k.Kc) *k.Kc = o.xi;
}

// GBJ 11-89 6.3.3: a grade 1-3 frame-beam end whose design without As' fails or exceeds the ξ
// limit takes As' = 0.5As (grade 1) or 0.3As (grades 2, 3).
double TurnToAs1(Flex& f) {
  const double K = gbj11_89::CompressionRatioOfGrade(f.k.iSecPos);
  f.k.tAs1 = Factor(K) + "As";
  f.r.End();
  f.r.Line(kFormula, "由于以上条件不满足要求，对于$0级框架梁端，可取As' ＝ $1",
           {GradeText(f.k.iSecPos), f.k.tAs1});
  return K;
}

// Mode 0. The designed As is not known yet: a rectangle chooses between the single design and
// the design with a ratio by As' at the As the caller passed in (an expression at As = 0 gives
// the single design; the host passes its last As to ask for the ratio design).
Outcome DesignRectangle(Flex& f, const As1Input& in, bool frame_end_1to3) {
  if (in.As1 != 0) return in.expression ? DesignK(f, in.K) : DesignKnownAs1(f, in.As1);
  f.quiet_errors = f.quiet_warning = frame_end_1to3;
  Outcome o = DesignSingle(f);
  f.quiet_errors = f.quiet_warning = false;
  KeepXi(f.k, o);
  if (frame_end_1to3 && (o.err != 0 || o.over_limit)) o = DesignK(f, TurnToAs1(f));
  return o;
}

Outcome DesignFlangedSection(Flex& f, const As1Input& in, bool frame_end_1to3) {
  if (in.expression) return IterateK(f, in.K);
  const bool may_turn = frame_end_1to3 && in.As1 == 0;
  f.quiet_errors = may_turn;
  Outcome o = DesignFlanged(f, in.As1);
  f.quiet_errors = false;
  KeepXi(f.k, o);
  if (may_turn && (o.err == code::kRadicand || o.err == code::kSigmaS))
    o = IterateK(f, TurnToAs1(f));
  return o;
}

}  // namespace

void CalMAs(Call& k) {
  Report& r = k.r;
  Flex f(k, r);
  r.Sp(4).Put(k.mode == 0 ? "正截面受弯配筋计算：" : "正截面受弯承载力计算：").HeadingEnd();
  f.ho = k.h - k.as;
  f.xi_b = gbj10_89::BalancedDepth(k.fy, k.Es);
  if (k.Kcb) *k.Kcb = fault::to_float(f.xi_b);
  CalXLimit(f);
  if (k.KcE) *k.KcE = fault::to_float(f.limit);
  f.gamma = k.bEA ? gbj11_89::kGammaReFlexure : static_cast<double>(k.Rlfo);
  f.gtext = GammaText(k.bEA, k.Rlfo);
  f.Md = f.gamma * k.M * 1e6;
  BasicsLines(f);
  const As1Input in = ReadAs1(k);

  Outcome o;
  if (k.mode == 1) {
    const bool ok = Guarded(f, [&] {
      o = Capacity(f, k.As_in, in.As1);
      KeepXi(k, o);
    });
    if (ok && o.err == 0) Guarded(f, [&] { CheckAsMin(f, k.As_in); });
    return;
  }
  k.dAs = 0;
  const bool frame_end_1to3 = k.bBE && k.iSecPos >= 1 && k.iSecPos <= 3;
  const bool ok = Guarded(f, [&] {
    o = Flanged(k.shape) ? DesignFlangedSection(f, in, frame_end_1to3)
                         : DesignRectangle(f, in, frame_end_1to3);
    KeepXi(k, o);
  });
  if (!ok || o.err != 0) return;
  k.dAs = o.As;
  Guarded(f, [&] { CheckAsMin(f, o.As); });
}

}  // namespace tk::mvt
