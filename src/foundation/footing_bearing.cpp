// clsDlJcOld: basic data, volume and weight, additional loads, control forces and the base
// pressure checks (GBJ 7-89 art. 5.1.5), with the enlargement rules of the automatic sizing that
// belong to them.
#include <algorithm>
#include <cmath>

#include "codes/gbj7_89.h"
#include "foundation/footing_calc.h"
#include "frame/modkalbex.h"
#include "materials/material.h"

namespace tk::dljc {

namespace {

// The footing top is 50 mm wider than the column on each side: 2 × 50 mm = 100 mm.
constexpr double kLedges = 100;
constexpr double kLedge = 50;
// Load factor on the footing's self-weight (GBJ 9-87: permanent load 1.2).
constexpr double kSelfWeightFactor = 1.2;
// Single-precision π for angles, as the footing has always converted them.
constexpr double kPi = 3.1415927410125732;

}  // namespace

Dir FootingPass::Direction(int k) const {
  if (k == 0) return Dir{0, "X", "x", ft_.a, ft_.b, in_.hc, in_.bc, "a", "b", "hc", "bc", "Y"};
  return Dir{1, "Y", "y", ft_.b, ft_.a, in_.bc, in_.hc, "b", "a", "bc", "hc", "X"};
}

void FootingPass::BasicData() {
  const double a = ft_.a, b = ft_.b, H = ft_.H, h = ft_.h, hc = in_.hc, bc = in_.bc;
  r_.Raw("二、地基承载力验算：").HeadingEnd();
  r_.Raw(" 1．基本资料：").HeadingEnd();
  r_.Line(4, "柱子截面尺寸hc * bc ＝ $0 * $1", {{hc, U::mm}, {bc, U::mmd}});
  r_.Line(4, "基础底面尺寸a * b ＝ $0 * $1", {{a, U::mm}, {b, U::mmd}});
  r_.Line(4, "基础根部高度H ＝ $0    基础端部高度h ＝ $1", {{H, U::mmd}, {h, U::mmd}});
  // Heights of the sloped slab converted at the column face plus the ledge.
  Ha_ = h + fault::div((a + hc + kLedges) * (H - h), a) / 2.0;
  Hb_ = h + fault::div((b + bc + kLedges) * (H - h), b) / 2.0;
  r_.Line(2,
          "  X轴方向换算高度Ha ＝ h + (a + hc + $0) * (H - h) / a / 2 ＝ "
          "$1+($2+$3+$0)*($4-$1)/$2/2 ＝ $5",
          {{kLedges, "0"}, {h, U::mm}, {a, U::mm}, {hc, U::mm}, {H, U::mm}, {Ha_, U::mmd}});
  r_.Line(2,
          "  Y轴方向换算高度Hb ＝ h + (b + bc + $0) * (H - h) / b / 2 ＝ "
          "$1+($2+$3+$0)*($4-$1)/$2/2 ＝ $5",
          {{kLedges, "0"}, {h, U::mm}, {b, U::mm}, {bc, U::mm}, {H, U::mm}, {Hb_, U::mmd}});
  if (H > h) {
    // The steeper of the two slopes: horizontal run over the rise.
    const double ix = ((a - hc) / 2.0 - kLedge) / (H - h);
    const double iy = ((b - bc) / 2.0 - kLedge) / (H - h);
    r_.Line(4, "基础顶面坡度斜率i ＝ 1 / $0", {{std::min(ix, iy), "#0.0"}});
  }
  const double rx = fault::div(a - hc, 2.0 * H), ry = fault::div(b - bc, 2.0 * H);
  r_.Line(4, "基础台阶宽高比(a - hc) / 2H ＝ $0    (b - bc) / 2H ＝ $1",
          {{rx, "#0.0"}, {ry, "#0.0"}});
  if (rx > gbj7_89::kStepRatioMax || ry > gbj7_89::kStepRatioMax)
    r_.Line(4, "基础台阶宽高比大于$0。", {{gbj7_89::kStepRatioMax, "#0.0"}});
  if (in_.alpha != 0)
    r_.Line(4, "基础相对于外荷载坐标轴的旋转角度α ＝ $0°", {{in_.alpha, "0.###"}});
  clsMaterial& mat = modKalbex::Material();
  const float grade = static_cast<float>(in_.grade);
  fc_ = mat.CtoFc(grade);
  fcm_ = mat.CtoFcm(grade);
  ft_c_ = mat.CtoFt(grade);
  r_.Line(4, "混凝土强度等级为 C$0    fc ＝ $1    fcm ＝ $2    ft ＝ $3",
          {{in_.grade, "0.#"}, {fc_, U::nmm2d}, {fcm_, U::nmm2d}, {ft_c_, U::nmm2d}});
  r_.Line(4, "钢筋强度设计值fy ＝ $0    纵筋合力点至近边距离as ＝ $1",
          {{in_.fy, U::nmm2d}, {in_.as, U::mmd}});
  A_ = a * b / 1e6;
  r_.Line(4, "基础底面积A ＝ a * b ＝ $0*$1 ＝ $2",
          {{a / 1000, U::m}, {b / 1000, U::m}, {A_, U::m2d}});
}

// Volume of the footing (m³): a flat slab, or a slab of height h under the prismoid that rises to
// the top (hc + 0.1) × (bc + 0.1).
void FootingPass::CalDlJcVolume() {
  const double a = ft_.a / 1000, b = ft_.b / 1000, H = ft_.H / 1000, h = ft_.h / 1000;
  const double hc = in_.hc / 1000, bc = in_.bc / 1000, e = kLedge / 1000;
  if (ft_.H <= ft_.h) {
    Vjc1_ = Vjc_ = A_ * H;
    Vjc2_ = 0;
    r_.Line(4, "基础体积Vjc ＝ Ab * H ＝ $0*$1 ＝ $2", {{A_, U::m2}, {H, U::m}, {Vjc_, U::m3d}});
    return;
  }
  const double At = (hc + 2 * e) * (bc + 2 * e);
  if (in_.hc == in_.bc)
    r_.Line(4, "基础顶部面积At ＝ (hc + 2 * $0) ^ 2 ＝ ($1+2*$0)^2 ＝ $2",
            {{e, "0.00"}, {hc, U::m}, {At, U::m2d}});
  else
    r_.Line(4, "基础顶部面积At ＝ (hc + 2 * $0) * (bc + 2 * $0) ＝ ($1+2*$0)*($2+2*$0) ＝ $3",
            {{e, "0.00"}, {hc, U::m}, {bc, U::m}, {At, U::m2d}});
  Vjc1_ = A_ * h;
  r_.Line(4, "基础底部体积Vjc1 ＝ Ab * h ＝ $0*$1 ＝ $2",
          {{A_, U::m2}, {h, U::m}, {Vjc1_, U::m3d}});
  Vjc2_ = (a * b + (a + hc + 2 * e) * (b + bc + 2 * e) + (hc + 2 * e) * (bc + 2 * e)) * (H - h) / 6;
  r_.Line(4,
          "基础上部体积Vjc2 ＝ [a * b + (a + hc + 2 * $0) * (b + bc + 2 * $0) + (hc + 2 * $0) * "
          "(bc + 2 * $0)] * (H - h) / 6",
          {{e, "0.00"}});
  r_.Line(21, "＝ [$1*$2+($1+$3+2*$0)*($2+$4+2*$0)+($3+2*$0)*($4+2*$0)]*($5-$6)/6 ＝ $7",
          {{e, "0.00"},
           {a, U::m},
           {b, U::m},
           {hc, U::m},
           {bc, U::m},
           {H, U::m},
           {h, U::m},
           {Vjc2_, U::m3d}});
  Vjc_ = Vjc1_ + Vjc2_;
  r_.Line(4, "基础体积Vjc ＝ Vjc1 + Vjc2 ＝ $0+$1 ＝ $2",
          {{Vjc1_, U::m3}, {Vjc2_, U::m3}, {Vjc_, U::m3d}});
}

// G: factored self-weight of the footing and the soil on it; over a sloped footing the soil
// fills the space above the slope.
void FootingPass::Weight() {
  if (in_.G_given) {
    G_ = in_.G_direct;
    r_.Line(4, "基础自重设计值和基础上的土重标准值G ＝ $0", {{G_, U::knd}});
    return;
  }
  const double bchc = in_.bc * in_.hc / 1e6, ds = in_.ds / 1000;
  r_.Line(4, "基础自重设计值和基础上的土重标准值G为：");
  if (ft_.H <= ft_.h) {
    G_ = kSelfWeightFactor * Vjc_ * in_.gamma_c + (A_ - bchc) * ds * in_.gamma_s;
    r_.Line(2, "  G ＝ $0 * Vjc * γc + (A - bc * hc) * ds * γs ＝ $0*$1*$2+($3-$4*$5)*$6*$7 ＝ $8",
            {{kSelfWeightFactor, "0.0"},
             {Vjc_, U::m3},
             {in_.gamma_c, U::knpm3},
             {A_, U::m2},
             {in_.bc / 1000, U::m},
             {in_.hc / 1000, U::m},
             {ds, U::m},
             {in_.gamma_s, U::knpm3},
             {G_, U::knd}});
  } else {
    const double Hh = (ft_.H - ft_.h) / 1000;
    G_ =
        kSelfWeightFactor * Vjc_ * in_.gamma_c + ((A_ - bchc) * ds + A_ * Hh - Vjc2_) * in_.gamma_s;
    r_.Line(2, "  G ＝ $0 * Vjc * γc + [(A - bc * hc) * ds + A * (H - h) - Vjc2] * γs",
            {{kSelfWeightFactor, "0.0"}});
    r_.Line(8, "＝ $0*$1*$2+[($3-$4*$5)*$6+$3*$7-$8]*$9 ＝ ${10}",
            {{kSelfWeightFactor, "0.0"},
             {Vjc_, U::m3},
             {in_.gamma_c, U::knpm3},
             {A_, U::m2},
             {in_.bc / 1000, U::m},
             {in_.hc / 1000, U::m},
             {ds, U::m},
             {Hh, U::m},
             {Vjc2_, U::m3},
             {in_.gamma_s, U::knpm3},
             {G_, U::knd}});
  }
  fault::check(G_);
}

bool FootingPass::AdditionalLoads() {
  const AddLoad& q = in_.add;
  Gp_ = fault::div(G_, A_);
  if (q.Fx != 0 || q.Fy != 0 || q.Ey != 0 || q.Ex != 0) {
    Mx2_ = q.Fx * q.Ey / 1000;
    My2_ = q.Fy * q.Ex / 1000;
    Fadd_ = q.Fx + q.Fy;
    if (q.Fx != 0 || q.Ey != 0) {
      r_.Line(4, "基础上的附加荷载设计值Fx' ＝ $0", {{q.Fx, U::knd}});
      r_.Line(4, "    竖向附加荷载偏心距Ey' ＝ $0", {{q.Ey, U::mmd}});
      r_.Line(4, "    Mx'' ＝ Fx' * Ey' ＝ $0*$1 ＝ $2",
              {{q.Fx, U::kn}, {q.Ey / 1000, U::m}, {Mx2_, U::knmd}});
    }
    if (q.Fy != 0 || q.Ex != 0) {
      r_.Line(4, "基础上的附加荷载设计值Fy' ＝ $0", {{q.Fy, U::knd}});
      r_.Line(4, "    竖向附加荷载偏心距Ex' ＝ $0", {{q.Ex, U::mmd}});
      r_.Line(4, "    My'' ＝ Fy' * Ex' ＝ $0*$1 ＝ $2",
              {{q.Fy, U::kn}, {q.Ex / 1000, U::m}, {My2_, U::knmd}});
    }
    r_.Line(4, "基础上的竖向附加荷载设计值F' ＝ Fx' + Fy' ＝ $0+$1 ＝ $2",
            {{q.Fx, U::kn}, {q.Fy, U::kn}, {Fadd_, U::knd}});
  }
  // With G computed from the footing, G/A hardly changes with the base: when it reaches f no
  // base can pass. A G given directly falls per area as the base grows and stops nothing.
  if (in_.automatic && !in_.G_given && Gp_ >= f_) {
    r_.Line(4, "G / A ＝ $0/$1 ＝ $2 ≥ f ＝ $3",
            {{G_, U::kn}, {A_, U::m2}, {Gp_, U::kpad}, {f_, U::kpad}});
    r_.Raw(" 中断计算：").HeadingEnd();
    r_.Line(4, "地基承载力设计值偏低。请采取加大埋深等措施。");
    return false;
  }
  return true;
}

void FootingPass::ControlForces() {
  const bool added = Fadd_ != 0 || Mx2_ != 0 || My2_ != 0;
  const double Hm = ft_.H / 1000;
  r_.Raw(" 2．控制内力：");
  if (!in_.column.empty()) r_.Put("（柱子编号：$0）", {in_.column});
  r_.HeadingEnd();
  r_.Line(0, "  N ---------- 柱子轴力设计值（kN）；");
  r_.Line(0, "  Mx'、My' --- 作用于基础顶面的弯矩设计值（kN·M）；");
  r_.Line(0, "  Vx、Vy ----- 作用于基础顶面的剪力设计值（kN）；");
  r_.Line(0, "  F ---------- 作用于基础底面的竖向力设计值（kN）；");
  r_.Line(0, "  Mx、My ----- 作用于基础底面的弯矩设计值（kN·M）；");
  const char* plus_x = added ? " + Mx''" : "";
  const char* plus_y = added ? " + My''" : "";
  if (in_.alpha == 0) {
    r_.Line(2, "  Mx ＝ Mx' - Vy * H$0        My ＝ My' + Vx * H$1", {plus_x, plus_y});
  } else {
    r_.Line(2, "  Mx ＝ (Mx' - Vy * H) * Cosα + (My' + Vx * H) * Sinα$0", {plus_x});
    r_.Line(2, "  My ＝ (My' + Vx * H) * Cosα - (Mx' - Vy * H) * Sinα$0", {plus_y});
  }
  r_.Line(2, "  F ＝ N + F'");
  const double rad = in_.alpha * kPi / 180.0;
  const double ca = std::cos(rad), sa = std::sin(rad);
  cases_ = in_.cases;
  if (cases_.size() > 1)
    r_.Line(2, "应验算 $0 组控制内力：", {{static_cast<double>(cases_.size()), "0"}});
  for (LoadCase& c : cases_) {
    const double mx = c.Mx1 - c.Vy * Hm, my = c.My1 + c.Vx * Hm;
    if (in_.alpha == 0) {
      c.Mx = mx + Mx2_;
      c.My = my + My2_;
    } else {
      c.Mx = mx * ca + my * sa + Mx2_;
      c.My = my * ca - mx * sa + My2_;
    }
    c.F = c.N + Fadd_;
    r_.Sp(4).Put(c.label.empty() ? "" : "$0：", {c.label});
    r_.Put("N ＝ $0； Mx'＝ $1； My'＝ $2； Vx ＝ $3； Vy ＝ $4",
           {{c.N, U::knd}, {c.Mx1, U::knmd}, {c.My1, U::knmd}, {c.Vx, U::knd}, {c.Vy, U::knd}})
        .End();
    r_.Line(6, "F ＝ $0； Mx ＝ $1； My ＝ $2$3",
            {{c.F, U::knd}, {c.Mx, U::knmd}, {c.My, U::knmd}, c.seismic ? "  地震力参与组合" : ""});
  }
}

bool FootingPass::AxialCheck() {
  r_.Raw(" 3．当轴心荷载作用时：").HeadingEnd();
  r_.Line(2, "  p ＝ (F + G) / A       （基础规范式 5.1.5-1）");
  pmax_ = 0;
  for (size_t i = 0; i < cases_.size(); ++i) {
    const LoadCase& c = cases_[i];
    const double p = gbj7_89::AxialPressure(c.F + G_, A_), lim = Limit(c);
    if (i == 0 || p > pmax_) pmax_ = p, governing_ = static_cast<int>(i);
    const bool ok = p <= lim;
    r_.Sp(4).Put(c.label.empty() ? "" : "$0：", {c.label});
    r_.Put("p ＝ ($0+$1)/$2 ＝ $3$4$5 ＝ $6", {{c.F, U::kn},
                                               {G_, U::kn},
                                               {A_, U::m2},
                                               {p, U::kpad},
                                               ok ? " ≤ " : " ＞ ",
                                               c.seismic ? "fsE" : "f",
                                               {lim, U::kpad}})
        .End();
    if (ok) continue;
    axial_ok_ = false;
    r_.Line(4, "不满足要求。");
    if (!sz_) continue;
    // Rule 1: the smallest base grows by 100 mm; any other is sized for the required area with
    // equal overhangs (a − b = hc − bc), both sides rounded to whole 100 mm.
    Footing n = ft_;
    if (ft_.a <= std::max(in_.hc + 100, 100.0)) {
      n.a = ft_.a + 100;
      n.b = RoundTo100(std::max(n.a - in_.hc + in_.bc, 100.0));
    } else {
      const double Areq = 1e6 * fault::div(c.F + G_, lim);
      const double dc = in_.hc - in_.bc;
      const double a = (dc + fault::sqrt(dc * dc + 4 * Areq)) / 2;
      n.a = RoundTo100(a);
      n.b = RoundTo100(a - in_.hc + in_.bc);
    }
    return !Enlarge(n, true, true, false);
  }
  return true;
}

bool FootingPass::CalDlJcPressureQuiet(const LoadCase& c, int k, double& pmax, double& pmin) const {
  const double FG = c.F + G_, M = std::fabs(k == 0 ? c.Mx : c.My);
  const double L = (k == 0 ? ft_.a : ft_.b) / 1000, B = (k == 0 ? ft_.b : ft_.a) / 1000;
  const double e = fault::div(M, FG);
  if (e <= L / 6) {
    const double W = gbj7_89::BaseModulus(B, L);
    pmax = gbj7_89::EdgePressureMax(FG, A_, M, W);
    pmin = gbj7_89::EdgePressureMin(FG, A_, M, W);
    return true;
  }
  if (e < L / 2) {
    pmax = gbj7_89::EdgePressureBeyondKern(FG, B, L / 2 - e);
    pmin = 0;
    return true;
  }
  pmax = pmin = 0;
  return false;
}

void FootingPass::EdgePressureCheck(double pmax, double lim, const char* lim_name) {
  r_.Put("$0$1$2*$3 ＝ $4", {{pmax, U::kpad},
                             pmax <= lim ? " ≤ " : " ＞ ",
                             {gbj7_89::kEdgeFactor, "0.0"},
                             lim_name,
                             {lim, U::kpad}})
      .End();
}

// The eccentric check of one case in one direction with its report lines (GBJ 7-89 art. 5.1.5):
// the trapezoid inside the kern, the triangle beyond it, and a resultant outside the base.
// Returns true when the case passes in this direction.
bool FootingPass::CalDlJcPressure(const LoadCase& c, int k) {
  double pmax = 0, pmin = 0;
  const bool inside = CalDlJcPressureQuiet(c, k, pmax, pmin);
  const double lim = gbj7_89::kEdgeFactor * Limit(c);
  const bool ok = inside && pmax <= lim;
  const double Mk = k == 0 ? c.Mx : c.My;
  if (Mk == 0) return ok;
  const Dir d = Direction(k);
  const double FG = c.F + G_, M = std::fabs(Mk), L = d.L / 1000, B = d.B / 1000;
  const double e = fault::div(M, FG);
  r_.Line(4, "偏心距e$0 ＝ M$0 / (F + G) ＝ $1/($2+$3) ＝ $4",
          {d.low, {M, U::knm}, {c.F, U::kn}, {G_, U::kn}, {e, U::md}});
  const char* lim_name = c.seismic ? "fsE" : "f";
  if (e <= L / 6) {
    const double W = gbj7_89::BaseModulus(B, L);
    r_.Line(4, "e$0 ≤ $1 / 6，基础底面抵抗矩W$0 ＝ $2 * $1 ^ 2 / 6 ＝ $3*$4^2/6 ＝ $5",
            {d.low, d.Ln, d.Bn, {B, U::m}, {L, U::m}, {W, U::m3d}});
    r_.Sp(4).Put("pmax ＝ ($0+$1)/$2+$3/$4 ＝ ",
                 {{c.F, U::kn}, {G_, U::kn}, {A_, U::m2}, {M, U::knm}, {W, U::m3}});
    EdgePressureCheck(pmax, lim, lim_name);
    r_.Line(4, "pmin ＝ ($0+$1)/$2-$3/$4 ＝ $5 ≥ 0",
            {{c.F, U::kn}, {G_, U::kn}, {A_, U::m2}, {M, U::knm}, {W, U::m3}, {pmin, U::kpad}});
  } else if (e < L / 2) {
    const double a = L / 2 - e;
    r_.Line(
        4,
        "e$0 ＞ $1 / 6，合力作用点至基础底面最大压力边缘的距离a ＝ $1 / 2 - e$0 ＝ $2/2-$3 ＝ $4",
        {d.low, d.Ln, {L, U::m}, {e, U::m}, {a, U::md}});
    r_.Line(4, "pmax ＝ 2 * (F + G) / (3 * $0 * a)       （基础规范式 5.1.5-4）", {d.Bn});
    r_.Sp(9).Put("＝ 2*($0+$1)/(3*$2*$3) ＝ ", {{c.F, U::kn}, {G_, U::kn}, {B, U::m}, {a, U::m}});
    EdgePressureCheck(pmax, lim, lim_name);
  } else {
    r_.Line(4, "e$0 ≥ $1 / 2 ＝ $2，", {d.low, d.Ln, {L / 2, U::md}});
    r_.Line(4, "即：合力作用点在基础底面以外，不满足要求。");
    return false;
  }
  if (!ok) r_.Line(4, "不满足要求。");
  return ok;
}

bool FootingPass::EccentricCheck() {
  // The largest edge pressure of all cases governs the net pressure of the slab checks.
  for (size_t i = 0; i < cases_.size(); ++i)
    for (int k = 0; k < 2; ++k) {
      double pmax = 0, pmin = 0;
      if (CalDlJcPressureQuiet(cases_[i], k, pmax, pmin) && pmax > pmax_)
        pmax_ = pmax, governing_ = static_cast<int>(i);
    }
  bool any = false;
  for (const LoadCase& c : cases_) any = any || c.Mx != 0 || c.My != 0;
  if (!any) return true;
  r_.Raw(" 4．当偏心荷载作用时：").HeadingEnd();
  r_.Line(2, "  pmax ＝ (F + G) / A + M / W       （基础规范式 5.1.5-2）");
  r_.Line(2, "  pmin ＝ (F + G) / A - M / W       （基础规范式 5.1.5-3）");
  for (const LoadCase& c : cases_) {
    if (!c.label.empty() && (c.Mx != 0 || c.My != 0)) r_.Line(4, "$0：", {c.label});
    const bool fails[2] = {!CalDlJcPressure(c, 0), !CalDlJcPressure(c, 1)};
    if (!fails[0] && !fails[1]) continue;
    eccentric_ok_ = false;
    if (!sz_) continue;
    // Rule 2: the failing direction grows by 100 mm; the other side keeps at least the area.
    Footing n = ft_;
    if (fails[0] && !fails[1]) {
      n.a = ft_.a + 100;
      n.b = RoundTo100(std::max(ft_.b, 1e6 * A_ / (n.a + 20)));
    } else if (fails[1] && !fails[0]) {
      n.b = ft_.b + 100;
      n.a = RoundTo100(std::max(ft_.a, 1e6 * A_ / (n.b + 20)));
    } else {
      n.a = ft_.a + 100;
      n.b = ft_.b + 100;
    }
    return !Enlarge(n, fails[0], fails[1], false);
  }
  return true;
}

// Rule 3 (automatic sizing only): a step ratio above 2.5 raises H to (side − column)/5, rounded
// up to a whole height step.
bool FootingPass::StepRatioRule() {
  if (!sz_) return true;
  const double ra = (ft_.a - in_.hc) / (2 * ft_.H), rb = (ft_.b - in_.bc) / (2 * ft_.H);
  double H = 0;
  if (ra > gbj7_89::kStepRatioMax)
    H = (ft_.a - in_.hc) / 5;
  else if (rb > gbj7_89::kStepRatioMax)
    H = (ft_.b - in_.bc) / 5;
  else
    return true;
  Footing n = ft_;
  n.H = RoundUpToStep(H, sz_->search.s);
  return !Enlarge(n, false, false, true);
}

}  // namespace tk::dljc
