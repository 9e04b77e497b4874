// clsDlJcOld: punching (GBJ 10-89 art. 4.4.3), shear of the slab, the moments at the column
// faces (GBJ 7-89 art. 8.2.6) and the bottom reinforcement through clsMoment, with the height
// search of the automatic sizing.
#include <algorithm>
#include <cmath>

#include "codes/gbj7_89.h"
#include "foundation/footing_calc.h"
#include "section/flexure_common.h"

namespace tk::dljc {

namespace {

// Check indexes of the given-up flags.
constexpr int kPunch = 0, kShear = 2, kSteel = 4;
// The ledge round the column at the top of a sloped footing (mm).
constexpr double kLedge = 50;

}  // namespace

bool FootingPass::HeightRequest(int check, bool passing) {
  if (!sz_) return false;
  HeightSearch& hs = sz_->search;
  if (hs.given_up[check]) return false;
  bool changed = false;
  const double H = hs.Next(ft_.H, passing, changed);
  if (!changed) {
    if (!passing) hs.given_up[check] = true;
    return false;
  }
  Footing n = ft_;
  n.H = H;
  return Enlarge(n, false, false, true, H < ft_.H);
}

// With the bar centroid at or above the top of the slab there is no effective depth: punching and
// shear cannot be checked (the reinforcement reports 100108), and the sizing needs a taller
// footing.
bool FootingPass::NoEffectiveDepth() {
  r_.Raw("三、冲切验算：").HeadingEnd();
  r_.Line(4, "Ho ＝ H - as ＝ $0-$1 ＝ $2 ≤ 0", {{ft_.H, U::mm}, {in_.as, U::mm}, {Ho(), U::mmd}});
  r_.Line(6, "错误：纵筋合力点至近边距离as≥基础根部高度H，不能验算抗冲切和抗剪切。");
  punching_ok_[0] = punching_ok_[1] = shear_ok_[0] = shear_ok_[1] = false;
  if (!sz_) return true;
  Footing n = ft_;
  n.H = RoundUpToStep(in_.as + sz_->search.s, sz_->search.s);
  return !Enlarge(n, false, false, true);
}

bool FootingPass::Punching() {
  ps_ = pmax_ - Gp_;
  r_.Raw("三、冲切验算：").HeadingEnd();
  r_.Line(0, "    按《混凝土结构设计规范》GBJ 10－89 下列公式验算：");
  r_.Line(0, "    Fl ≤ 0.6 * ft * bm * Ho       （混凝土规范式 4.4.3-1）");
  r_.Line(0, "    Fl ＝ ps * A                   （混凝土规范式 4.4.3-2）");
  r_.Line(0, "    bm ＝ (bt + bb) / 2            （混凝土规范式 4.4.3-3）");
  r_.Line(4, "ps ＝ pmax - G / A ＝ $0-$1/$2 ＝ $3",
          {{pmax_, U::kpa}, {G_, U::kn}, {A_, U::m2}, {ps_, U::kpad}});
  for (int k = 0; k < 2; ++k)
    if (!CheckDlJcPunch(k)) return false;
  return true;
}

bool FootingPass::CheckDlJcPunch(int k) {
  const Dir d = Direction(k);
  r_.Heading(k == 0 ? "1．X方向（a方向）：" : "2．Y方向（b方向）：");
  const double Ho = this->Ho();
  if (d.L <= d.cL + 2 * Ho) {
    r_.Line(2, "  $0 ≤ 2 * Ho + $1，$2方向不需要验算抗冲切。", {d.Ln, d.cLn, d.up});
    return true;
  }
  const double L = d.L / 1000, B = d.B / 1000, cL = d.cL / 1000, cB = d.cB / 1000, ho = Ho / 1000;
  double A = 0;
  if (d.L - d.cL >= d.B - d.cB) {
    if (d.B > d.cB + 2 * Ho) {
      r_.Line(4, "因 $0 ＞ $1 + 2 * Ho、$2 ＞ $3 + 2 * Ho 且 $2 - $3 ≤ $0 - $1 有：",
              {d.Ln, d.cLn, d.Bn, d.cBn});
      A = 0.5 * (B + cB + 2 * ho) * (B - cB - 2 * ho) / 2 + B * (L - cL - B + cB) / 2;
      r_.Line(4, "A$0 ＝ 0.5 * ($1 + $2 + 2 * Ho) * ($1 - $2 - 2 * Ho) / 2", {d.up, d.Bn, d.cBn});
      r_.Line(4, "      + $0 * ($1 - $2 - $0 + $3) / 2", {d.Bn, d.Ln, d.cLn, d.cBn});
      r_.Line(8, "＝ 0.5*($0+$1+2*$2)*($0-$1-2*$2)/2+$0*($3-$4-$0+$1)/2 ＝ $5",
              {{B, U::m}, {cB, U::m}, {ho, U::m}, {L, U::m}, {cL, U::m}, {A, U::m2d}});
    } else {
      r_.Line(4, "因 $0 ＞ $1 + 2 * Ho 且 $2 ≤ $3 + 2 * Ho 有：", {d.Ln, d.cLn, d.Bn, d.cBn});
      A = B * (L / 2 - cL / 2 - ho);
      r_.Line(4, "A$0 ＝ $1 * ($2 / 2 - $3 / 2 - Ho) ＝ $4*($5/2-$6/2-$7) ＝ $8",
              {d.up, d.Bn, d.Ln, d.cLn, {B, U::m}, {L, U::m}, {cL, U::m}, {ho, U::m}, {A, U::m2d}});
    }
  } else {
    r_.Line(4, "因 $0 ＞ $1 + 2 * Ho 且 $2 - $3 ＞ $0 - $1 有：", {d.Ln, d.cLn, d.Bn, d.cBn});
    A = 0.5 * (L - cL + 2 * cB + 2 * ho) * ((L - cL) / 2 - ho);
    r_.Line(4, "A$0 ＝ 0.5 * ($1 - $2 + 2 * $3 + 2 * Ho) * [($1 - $2) / 2 - Ho]",
            {d.up, d.Ln, d.cLn, d.cBn});
    r_.Line(8, "＝ 0.5*($0-$1+2*$2+2*$3)*[($0-$1)/2-$3] ＝ $4",
            {{L, U::m}, {cL, U::m}, {cB, U::m}, {ho, U::m}, {A, U::m2d}});
  }
  const double bb = std::min(cB + 2 * ho, B);
  r_.Line(4, "bb ＝ Min{$0 + 2 * Ho，$1} ＝ Min{$2，$3} ＝ $4",
          {d.cBn, d.Bn, {cB + 2 * ho, U::m}, {B, U::m}, {bb, U::md}});
  const double bm = gbj7_89::PunchingMeanWidth(cB, bb);
  r_.Line(4, "bm$0 ＝ ($1 + bb) / 2 ＝ ($2+$3)/2 ＝ $4",
          {d.up, d.cBn, {cB, U::m}, {bb, U::m}, {bm, U::md}});
  const double Fl = ps_ * A;
  r_.Line(4, "Fl$0 ＝ ps * A$0 ＝ $1*$2 ＝ $3", {d.up, {ps_, U::kpa}, {A, U::m2}, {Fl, U::knd}});
  const double cap = gbj7_89::PunchingCapacity(ft_c_, bm, Ho);
  const bool ok = cap >= Fl;
  r_.Line(4, "$7 * ft * bm$0 * Ho ＝ $7*$1*$2*$3 ＝ $4 $5 Fl$0 ＝ $6",
          {d.up,
           {ft_c_, U::nmm2},
           {bm, U::m},
           {Ho, U::mm},
           {cap, U::knd},
           ok ? "≥" : "＜",
           {Fl, U::knd},
           {gbj7_89::kPunching, "0.0"}});
  if (ok) return true;
  punching_ok_[k] = false;
  return !HeightRequest(kPunch + k, false);
}

bool FootingPass::Shear() {
  r_.Raw("四、剪切验算：").HeadingEnd();
  r_.Line(0, "    V ≤ 0.07 * fc * bo * Ho");
  for (int k = 0; k < 2; ++k)
    if (!CheckDlJcShear(k)) return false;
  return true;
}

bool FootingPass::CheckDlJcShear(int k) {
  const Dir d = Direction(k);
  r_.Heading(k == 0 ? "1．X方向（a方向）：" : "2．Y方向（b方向）：");
  const double Ho = this->Ho();
  double bo = d.B / 1000;
  if (ft_.H <= ft_.h) {
    r_.Line(4, "计算宽度b$0o ＝ $1", {d.up, {bo, U::md}});
  } else {
    // Effective width of the sloped slab section (GBJ 7-89 art. 8.2.7).
    bo = (1 - 0.5 * (1 - (d.cB + 2 * kLedge) / d.B) * fault::div(ft_.H - ft_.h, Ho)) * d.B / 1000;
    r_.Line(4, "计算宽度b$0o ＝ {1 - 0.5 * [1 - ($1 + 2 * $2) / $3] * (H - h) / Ho} * $3",
            {d.up, {d.cB, U::mm}, {kLedge, "0"}, {d.B, U::mm}});
    r_.Line(15, "＝ $0", {{bo, U::md}});
  }
  const double L = d.L / 1000, cL = d.cL / 1000, B = d.B / 1000;
  const double V = ps_ * (L - cL) * B / 2;
  r_.Line(4, "V$0 ＝ ps * A$0 ＝ ps * ($1 - $2) * $3 / 2", {d.up, d.Ln, d.cLn, d.Bn});
  r_.Line(4, "    ＝ $0*($1-$2)*$3/2 ＝ $4",
          {{ps_, U::kpa}, {L, U::m}, {cL, U::m}, {B, U::m}, {V, U::knd}});
  // The capacity follows the combination that gives the largest base pressure.
  const bool seismic = cases_[static_cast<size_t>(governing_)].seismic;
  double cap = 0;
  if (seismic) {
    cap = gbj7_89::SlabShearCapacitySeismic(fc_, bo, Ho);
    r_.Sp(4).Put("0.056 * fc * b$0o * Ho / γRE ＝ 0.056*$1*$2*$3/0.85 ＝ $4",
                 {d.up, {fc_, U::nmm2}, {bo, U::m}, {Ho, U::mm}, {cap, U::knd}});
  } else {
    cap = gbj7_89::SlabShearCapacity(fc_, bo, Ho);
    r_.Sp(4).Put("0.07 * fc * b$0o * Ho ＝ 0.07*$1*$2*$3 ＝ $4",
                 {d.up, {fc_, U::nmm2}, {bo, U::m}, {Ho, U::mm}, {cap, U::knd}});
  }
  const bool ok = cap >= V;
  r_.Put(ok ? " ≥ V$0 ＝ $1" : " ＜ V$0 ＝ $1", {d.up, {V, U::knd}}).End();
  if (ok) return true;
  shear_ok_[k] = false;
  return !HeightRequest(kShear + k, false);
}

// Face moments of one direction for the combination with the largest edge pressure in it.
void FootingPass::CalDlJcMoment(int k, double& MI, double& MII) {
  const Dir d = Direction(k);
  r_.Line(2, "$0方向（$1方向）柱边（绕$2轴）：", {d.up, d.Ln, d.axis});
  size_t j = 0;
  double best = -1, pmax = 0, pmin = 0;
  for (size_t i = 0; i < cases_.size(); ++i) {
    double p1 = 0, p2 = 0;
    if (CalDlJcPressureQuiet(cases_[i], k, p1, p2) && p1 > best)
      best = p1, j = i, pmax = p1, pmin = p2;
  }
  const LoadCase& c = cases_[j];
  const double M = k == 0 ? c.Mx : c.My;
  const double L = d.L / 1000, B = d.B / 1000, cL = d.cL / 1000, cB = d.cB / 1000;
  const double FG = c.F + G_;
  if (!c.label.empty()) r_.Line(4, "（$0）", {c.label});
  if (M == 0) {
    const double p = gbj7_89::AxialPressure(FG, A_);
    MI = gbj7_89::FaceMomentI(L, cL, B, cB, p, p, Gp_);
    MII = gbj7_89::FaceMomentII(L, cL, B, cB, p, p, Gp_);
    r_.Line(4, "MⅠ$0 ＝ ($1 - $2) ^ 2 * (2 * $3 + $4) * (p - G / A) / 24",
            {d.low, d.Ln, d.cLn, d.Bn, d.cBn});
    r_.Line(4, "     ＝ ($0-$1)^2*(2*$2+$3)*($4-$5/$6)/24 ＝ $7",
            {{L, U::m},
             {cL, U::m},
             {B, U::m},
             {cB, U::m},
             {p, U::kpa},
             {G_, U::kn},
             {A_, U::m2},
             {MI, U::knmd}});
    r_.Line(4, "MⅡ$0 ＝ ($1 - $2) ^ 2 * (2 * $3 + $4) * (p - G / A) / 24",
            {d.low, d.Bn, d.cBn, d.Ln, d.cLn});
    r_.Line(4, "     ＝ ($0-$1)^2*(2*$2+$3)*($4-$5/$6)/24 ＝ $7",
            {{B, U::m},
             {cB, U::m},
             {L, U::m},
             {cL, U::m},
             {p, U::kpa},
             {G_, U::kn},
             {A_, U::m2},
             {MII, U::knmd}});
    return;
  }
  const double e = fault::div(std::fabs(M), FG);
  if (e > L / 6) {
    MI = MII = 0;
    r_.Line(4, "M$0 ＝ 0", {d.low});
    r_.Line(4, "e$0 ＞ $1 / 6，请自行验算，程序将忽略该方向的弯矩。", {d.low, d.Ln});
    return;
  }
  const double p = gbj7_89::FacePressure(L, cL, pmax, pmin);
  r_.Line(
      4, "p$0 ＝ pmin$0 + (pmax$0 - pmin$0) * ($1 + $2) / $1 / 2 ＝ $3+($4-$3)*($5+$6)/$5/2 ＝ $7",
      {d.low, d.Ln, d.cLn, {pmin, U::kpa}, {pmax, U::kpa}, {L, U::m}, {cL, U::m}, {p, U::kpad}});
  MI = gbj7_89::FaceMomentI(L, cL, B, cB, pmax, p, Gp_);
  MII = gbj7_89::FaceMomentII(L, cL, B, cB, pmax, pmin, Gp_);
  r_.Line(4, "MⅠ$0 ＝ ($1 - $2) ^ 2 * (2 * $3 + $4) * (pmax$0 + p$0 - 2 * G / A) / 48",
          {d.low, d.Ln, d.cLn, d.Bn, d.cBn});
  r_.Line(4, "     ＝ ($0-$1)^2*(2*$2+$3)*($4+$5-2*$6/$7)/48 ＝ $8",
          {{L, U::m},
           {cL, U::m},
           {B, U::m},
           {cB, U::m},
           {pmax, U::kpa},
           {p, U::kpa},
           {G_, U::kn},
           {A_, U::m2},
           {MI, U::knmd}});
  r_.Line(4, "MⅡ$0 ＝ ($1 - $2) ^ 2 * (2 * $3 + $4) * (pmax$0 + pmin$0 - 2 * G / A) / 48",
          {d.low, d.Bn, d.cBn, d.Ln, d.cLn});
  r_.Line(4, "     ＝ ($0-$1)^2*(2*$2+$3)*($4+$5-2*$6/$7)/48 ＝ $8",
          {{B, U::m},
           {cB, U::m},
           {L, U::m},
           {cL, U::m},
           {pmax, U::kpa},
           {pmin, U::kpa},
           {G_, U::kn},
           {A_, U::m2},
           {MII, U::knmd}});
}

void FootingPass::Moments() {
  r_.Raw("五、抗弯计算：").HeadingEnd();
  r_.Heading("1．弯矩计算：");
  r_.Line(4, "按《建筑地基基础设计规范》GBJ 7－89 下列公式验算：");
  r_.Line(4, "MⅠ ＝ a1 ^ 2 * (2 * l + a') * (pmax + p - 2 * G / A) / 12    （基础规范式 8.2.6-1）");
  r_.Line(4, "MⅡ ＝ (l - a') ^ 2 * (2 * b + b') * (pmax + pmin - 2 * G / A) / 48");
  r_.Line(4, "                                                      （基础规范式 8.2.6-2）");
  double MIx = 0, MIIx = 0, MIy = 0, MIIy = 0;
  CalDlJcMoment(0, MIx, MIIx);
  CalDlJcMoment(1, MIy, MIIy);
  MI_ = std::max(MIx, MIIy);
  MII_ = std::max(MIIx, MIy);
  r_.Line(4, "MⅠ ＝ Max{MⅠx，MⅡy} ＝ Max{$0，$1} ＝ $2",
          {{MIx, U::knm}, {MIIy, U::knm}, {MI_, U::knmd}});
  r_.Line(4, "MⅡ ＝ Max{MⅡx，MⅠy} ＝ Max{$0，$1} ＝ $2",
          {{MIIx, U::knm}, {MIy, U::knm}, {MII_, U::knmd}});
}

bool FootingPass::Reinforcement() {
  r_.Heading("2．配筋计算：");
  r_.Line(4, "MⅠmax ＝ $0", {{MI_, U::knmd}});
  r_.Line(4, "MⅡmax ＝ $0", {{MII_, U::knmd}});
  return CalDlJcAs(0, MI_) && CalDlJcAs(1, MII_);
}

// Bar ① (MⅠ) across the width b at the converted height Ha, bar ② (MⅡ) across a at Hb, each a
// rectangular section of the full width designed by clsMoment.
bool FootingPass::CalDlJcAs(int k, double M) {
  using namespace moment_codes;
  const double width = k == 0 ? ft_.b : ft_.a, Hk = k == 0 ? Ha_ : Hb_;
  int32_t err = 0;
  int16_t iK = 1, iSecPos = 5;
  double dMu = std::fabs(M), dAs = 0;
  float fy = static_cast<float>(in_.fy), fcm = static_cast<float>(fcm_);
  float b = fault::to_float(width), h = fault::to_float(Hk), cas = static_cast<float>(in_.as);
  float xi = 0, rho = 0, xi_b = 0;
  std::string message;
  moment_.MuAsCommon(err, iK, iSecPos, dMu, dAs, fy, fcm, b, h, cas, xi, rho, xi_b, &message);
  const bool redesign = err == kMuAsNotBelowH || err == kMuNoDepth || err == kMuXiOverBalanced;
  if (err == kMuAsNotBelowH) {
    r_.Line(6, "错误：纵筋合力点至近边距离as≥截面高度。");
  } else if (err == kMuNoDepth) {
    r_.Line(6, "错误：受压区高度≥截面有效高度。");
  } else if (err != 0 && err != kMuXiOverBalanced) {
    r_.Line(6, "错误：溢出，或不可知的错误。");
  }
  if (redesign && sz_) {
    // A section too shallow for the moment: a taller footing, even when the height search has
    // settled (Enlarge then moves past the footings already tried).
    HeightSearch& hs = sz_->search;
    hs.given_up[kSteel + k] = false;
    bool changed = false;
    Footing n = ft_;
    n.H = hs.Next(ft_.H, false, changed);
    if (n.H < ft_.H) n.H = ft_.H;
    return !Enlarge(n, false, false, true);
  }
  if (err != 0 && err != kMuXiOverBalanced) return true;
  if (err == kMuXiOverBalanced) r_.Line(8, "警告：相对受压区高度≥ξb。");
  double As = dAs;
  r_.Line(4, k == 0 ? "①号筋 AsⅠ ＝ $0（Ha ＝ $1）" : "②号筋 AsⅡ ＝ $0（Hb ＝ $1）",
          {{As, U::mm2d}, {Hk, U::mmd}});
  r_.Line(4, "  相对受压区高度ξ ＝ $0    配筋率ρ ＝ $1", {{xi, "#0.0000"}, {rho, U::percent}});
  const double rho_min = std::max(gbj7_89::MinimumSteelRatio(in_.grade), in_.rho_min / 100);
  const double As_min = rho_min * width * Hk;
  if (As < As_min) {
    r_.Line(4, "  最小配筋率ρmin  ＝ $0", {{rho_min, U::percent}});
    r_.Line(4,
            k == 0 ? "AsⅠmin ＝ ρmin * b * Ha ＝ $0*$1*$2 ＝ $3"
                   : "AsⅡmin ＝ ρmin * a * Hb ＝ $0*$1*$2 ＝ $3",
            {{rho_min, "0.0000"}, {width, U::mm}, {Hk, U::mm}, {As_min, U::mm2d}});
    As = As_min;
  }
  (k == 0 ? As1_ : As2_) = As;
  if (sz_ && HeightRequest(kSteel + k, true)) return false;
  return true;
}

}  // namespace tk::dljc
