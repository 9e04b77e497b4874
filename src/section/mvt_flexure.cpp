// Flexure stage of clsMVT: tension steel As for a design moment, or the moment capacity, of
// rectangular, T, inverted-T, inverted-L and I sections by the rectangular stress block of
// GBJ 10-89 clause 4.1 (fcm over the depth x), with the frame-beam limits of GBJ 11-89 6.3.
#include <algorithm>
#include <cmath>

#include "frame/fault.h"
#include "frame/numfmt.h"
#include "frame/text.h"
#include "section/mvt_stages.h"

namespace tk::mvt {

namespace {

struct Flex {
  Flex(Call& k_, Report& r_) : k(k_), r(r_) {}
  Call& k;
  Report& r;
  double ho = 0;
  double xi_b = 0;
  double limit = 0;            // the governing limit of ξ
  bool seismic_limit = false;  // 0.25 / 0.35 at a frame-beam end
  double gamma = 1;            // factor on M: γo, or γRE = 0.75 with earthquake action
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
};

Report& L(Flex& f) {
  return f.r.Raw("      ");
}  // a formula line
Report& C(Flex& f) {
  return f.r.Raw("        ＝ ");
}  // its continuation

// M with its factor inside a substitution: "150000000*0.75".
std::string MText(Flex& f) {
  std::string s = Fmt(f.k, f.k.M * 1e6, "nmm");
  if (!f.gtext.empty()) s += "*" + Factor(f.gamma);
  return s;
}

void FlexFail(Flex& f, int32_t code, const std::string& text) {
  if (f.quiet_errors)
    L(f).Raw(text).End();
  else
    Fail(f.k, code, text);
}

// GBJ 10-89 eq. 4.1.5-3: stress of steel that does not yield (x > ξb·ho). Below 0.5 N/mm² the
// steel carries nothing.
double SigmaS(Flex& f, double x) {
  const double s = f.k.fy * (fault::div(x, f.ho) - 0.8) / (f.xi_b - 0.8);
  return s < 0.5 ? 0.0 : fault::check(s);
}

// The seismic limit bounds ξ for ductility (GBJ 11-89 6.3.3). At a grade 1-3 frame-beam end the
// limit replaces ξb as the depth beyond which every case below takes the steel stress from the
// σs formula (still written with ξb) or recomputes x for the capacity, as the report's
// "ξb * Ho" comparison lines show; elsewhere the limit is ξb itself.
void CalXLimit(Flex& f) {
  f.limit = f.xi_b;
  f.seismic_limit = false;
  if (f.k.bBE && f.k.iSecPos == 1) {
    f.limit = 0.25;
    f.seismic_limit = true;
  } else if (f.k.bBE && (f.k.iSecPos == 2 || f.k.iSecPos == 3)) {
    f.limit = 0.35;
    f.seismic_limit = true;
  }
}

std::string LimitText(Flex& f) {
  if (f.seismic_limit) return Factor(f.limit) + "（" + GradeText(f.k.iSecPos) + "级框架梁端）";
  return "ξb ＝ " + FormatNumber(f.xi_b, "#0.000");
}

// " ≤ ξb * Ho ＝ 307.55 mm" / " ＞ ξb * Ho ＝ ..."
void XbCompare(Flex& f, double x) {
  f.r.Raw(x <= f.limit * f.ho ? " ≤ ξb * Ho ＝ " : " ＞ ξb * Ho ＝ ").Val(f.limit * f.ho, "mmd");
}

// ξ = x/ho with its limit; returns true when ξ is above the limit.
bool XiLine(Flex& f, double x) {
  Call& k = f.k;
  const double xi = fault::div(x, f.ho);
  if (k.Kc) *k.Kc = fault::to_float(xi);
  const bool over = xi > f.limit;
  L(f).Raw("相对受压区高度ξ ＝ x / Ho ＝ ")
      .Val(x, "mm")
      .Raw("/")
      .Val(f.ho, "mm")
      .Raw(" ＝ ")
      .Num(xi, "#0.0000");
  f.r.Raw(over ? " ＞ " : " ≤ ").Raw(LimitText(f)).End();
  if (over && !f.quiet_warning) {
    const std::string text = "相对受压区高度ξ ＞ " + LimitText(f);
    L(f).Raw("警告：").Raw(text).Text(32095).End();
    Note(k, code::kXiAboveLimit,
         "相对受压区高度ξ ＝ " + FormatNumber(xi, "#0.0000") + " ＞ " + LimitText(f));
  }
  return over;
}

// --- mode 0, rectangle and inverted T ---------------------------------------------------------

// GBJ 10-89 eq. 4.1.5-1 with x from the moment about the steel.
Outcome DesignSingle(Flex& f) {
  Call& k = f.k;
  Outcome o;
  const double ho = f.ho, b = k.b;
  L(f).Raw("单筋矩形截面或翼缘位于受拉边的T形截面受弯构件受压区高度x按下式计算：").End();
  L(f).Raw("x ＝ ho - (ho ^ 2 - 2 * M").Raw(f.gtext).Raw(" / fcm / b) ^ 0.5").End();
  const double R = ho * ho - fault::div(2 * f.Md, k.fcm * b);
  if (R <= 0) {
    FlexFail(
        f, code::kRadicand,
        "ho ^ 2 - 2 * M" + std::string(f.gtext) + " / fcm / b ＝ " + Fmt(k, R, "mm2") + " ≤ 0");
    o.err = code::kRadicand;
    return o;
  }
  const double x = ho - fault::sqrt(R);
  C(f).Val(ho, "mm").Raw("-(").Val(ho, "mm").Raw("^2-2*").Raw(MText(f)).Raw("/").Val(k.fcm,
                                                                                     "n/mm2_1");
  f.r.Raw("/").Val(b, "mm").Raw(")^0.5").End();
  C(f).Val(x, "mmd");
  XbCompare(f, x);
  f.r.End();
  o.x = x;
  if (x <= f.limit * ho) {
    o.As = fault::div(b * x * k.fcm, k.fy);
    L(f).Raw("As ＝ b * x * fcm / fy ＝ ")
        .Val(b, "mm")
        .Raw("*")
        .Val(x, "mm")
        .Raw("*")
        .Val(k.fcm, "n/mm2_1");
    f.r.Raw("/").Val(k.fy, "n/mm2").Raw(" ＝ ").Val(o.As, "mm2d").End();
  } else {
    const double sigma_s = SigmaS(f, x);
    L(f).Raw("钢筋应力σs ＝ fy * (x / Ho - 0.8) / (ξb - 0.8)").End();
    C(f).Val(k.fy, "n/mm2")
        .Raw("*(")
        .Val(x, "mm")
        .Raw("/")
        .Val(ho, "mm")
        .Raw("-0.8)/(")
        .Num(f.xi_b, "#0.000");
    f.r.Raw("-0.8) ＝ ").Val(sigma_s, "n/mm2d").End();
    if (sigma_s <= 0) {
      FlexFail(f, code::kSigmaS, "钢筋应力σs ＝ " + Fmt(k, sigma_s, "n/mm2d") + " ≤ 0");
      o.err = code::kSigmaS;
      return o;
    }
    o.As = fault::div(b * x * k.fcm, sigma_s);
    L(f).Raw("As ＝ b * x * fcm / σs ＝ ")
        .Val(b, "mm")
        .Raw("*")
        .Val(x, "mm")
        .Raw("*")
        .Val(k.fcm, "n/mm2_1");
    f.r.Raw("/").Val(sigma_s, "n/mm2").Raw(" ＝ ").Val(o.As, "mm2d").End();
  }
  o.over_limit = XiLine(f, x);
  return o;
}

// GBJ 10-89 eq. 4.1.6-1 with the compression steel As' known.
Outcome DesignKnownAs1(Flex& f, double As1) {
  Call& k = f.k;
  Outcome o;
  const double ho = f.ho, b = k.b, as1 = k.as1;
  L(f).Raw("双筋矩形截面或翼缘位于受拉边的T形截面受弯构件，").End();
  L(f).Raw("已知 As' ＝ ").Val(As1, "mm2d").Raw("，受压区高度x可按下式计算：").End();
  L(f).Raw("x ＝ ho - {ho ^ 2 - 2 * [M")
      .Raw(f.gtext)
      .Raw(" - fy' * As' * (ho - as')] / (fcm * b)} ^ 0.5")
      .End();
  const double R = ho * ho - fault::div(2 * (f.Md - k.fy1 * As1 * (ho - as1)), k.fcm * b);
  C(f).Val(ho, "mm")
      .Raw("-{")
      .Val(ho, "mm")
      .Raw("^2-2*[")
      .Raw(MText(f))
      .Raw("-")
      .Val(k.fy1, "n/mm2")
      .Raw("*");
  f.r.Val(As1, "mm2")
      .Raw("*(")
      .Val(ho, "mm")
      .Raw("-")
      .Val(as1, "mm")
      .Raw(")]/(")
      .Val(k.fcm, "n/mm2_1");
  f.r.Raw("*").Val(b, "mm").Raw(")}^0.5").End();
  if (R < 0) {
    FlexFail(f, code::kRadicand,
             "ho ^ 2 - 2 * [M" + std::string(f.gtext) +
                 " - fy' * As' * (ho - as')] / (fcm * b) ＝ " + Fmt(k, R, "mm2") + " ＜ 0");
    o.err = code::kRadicand;
    return o;
  }
  const double x = ho - fault::sqrt(R);
  o.x = x;
  if (x < 2 * as1) {
    C(f).Val(x, "mmd").Raw(" ＜ 2as' ＝ ").Val(2 * as1, "mmd").End();
    o.As = fault::div(f.Md, k.fy * (ho - as1));
    L(f).Raw("As ＝ M")
        .Raw(f.gtext)
        .Raw(" / [fy * (ho - as')] ＝ ")
        .Raw(MText(f))
        .Raw("/[")
        .Val(k.fy, "n/mm2");
    f.r.Raw("*(").Val(ho, "mm").Raw("-").Val(as1, "mm").Raw(")] ＝ ").Val(o.As, "mm2d").End();
  } else {
    C(f).Val(x, "mmd").Raw(" ≥ 2as' ＝ ").Val(2 * as1, "mmd").Raw("，");
    XbCompare(f, x);
    f.r.End();
    double sigma_s = k.fy;
    if (x > f.limit * ho) {
      sigma_s = SigmaS(f, x);
      L(f).Raw("钢筋应力σs ＝ fy * (x / Ho - 0.8) / (ξb - 0.8)").End();
      C(f).Val(k.fy, "n/mm2")
          .Raw("*(")
          .Val(x, "mm")
          .Raw("/")
          .Val(ho, "mm")
          .Raw("-0.8)/(")
          .Num(f.xi_b, "#0.000");
      f.r.Raw("-0.8) ＝ ").Val(sigma_s, "n/mm2d").End();
      if (sigma_s <= 0) {
        FlexFail(f, code::kSigmaS, "钢筋应力σs ＝ " + Fmt(k, sigma_s, "n/mm2d") + " ≤ 0");
        o.err = code::kSigmaS;
        return o;
      }
    }
    o.As = fault::div(k.fcm * b * x + k.fy1 * As1, sigma_s);
    L(f).Raw(x > f.limit * ho ? "As ＝ (fcm * b * x + fy' * As') / σs ＝ ("
                              : "As ＝ (fcm * b * x + fy' * As') / fy ＝ (");
    f.r.Val(k.fcm, "n/mm2_1")
        .Raw("*")
        .Val(b, "mm")
        .Raw("*")
        .Val(x, "mm")
        .Raw("+")
        .Val(k.fy1, "n/mm2")
        .Raw("*");
    f.r.Val(As1, "mm2").Raw(")/").Val(sigma_s, "n/mm2").Raw(" ＝ ").Val(o.As, "mm2d").End();
  }
  o.over_limit = XiLine(f, x);
  return o;
}

// x and Mu of a double-reinforced section whose steel does not yield (GBJ 10-89 eq. 4.1.5-3
// put into the equilibrium of forces).
bool OverReinforcedX(Flex& f, double width, double As, double As1, double extra_force, double& x) {
  Call& k = f.k;
  const double q = k.fy * As / (f.xi_b - 0.8);
  const double den = q - k.fcm * width * f.ho;
  if (den >= 0) return false;
  x = fault::div((extra_force + k.fy1 * As1 + 0.8 * q) * f.ho, den);
  return true;
}

// x beyond ξb·ho with K fixed: x of the steel that does not yield (GBJ 10-89 eq. 4.1.5-3), and
// more steel in the ratio K until Mu reaches the moment. False when the stage has failed.
bool ReviseOverReinforcedK(Flex& f, double K, double& As, double& As1, double& x, Outcome& o) {
  Call& k = f.k;
  const double ho = f.ho, b = k.b, as1 = k.as1;
  L(f).Raw("x ＞ ξb * ho，重新计算受压区高度x").End();
  auto capacity = [&](double& xx, double& Mu) {
    if (!OverReinforcedX(f, b, As, As1, 0, xx)) return false;
    Mu = k.fcm * b * xx * (ho - xx / 2) + k.fy1 * As1 * (ho - as1);
    return true;
  };
  double Mu = 0;
  bool ok = capacity(x, Mu);
  L(f).Raw(
          "x ＝ [fy' * As' + 0.8 * fy * As / (ξb - 0.8)] * ho / [fy * As / (ξb - 0.8) - fcm * b "
          "* ho]")
      .End();
  C(f).Raw("[")
      .Val(k.fy1, "n/mm2")
      .Raw("*")
      .Val(As1, "mm2")
      .Raw("+0.8*")
      .Val(k.fy, "n/mm2")
      .Raw("*");
  f.r.Val(As, "mm2")
      .Raw("/(")
      .Num(f.xi_b, "#0.000")
      .Raw("-0.8)]*")
      .Val(ho, "mm")
      .Raw("/[")
      .Val(k.fy, "n/mm2");
  f.r.Raw("*")
      .Val(As, "mm2")
      .Raw("/(")
      .Num(f.xi_b, "#0.000")
      .Raw("-0.8)-")
      .Val(k.fcm, "n/mm2_1")
      .Raw("*");
  f.r.Val(b, "mm").Raw("*").Val(ho, "mm").Raw("]");
  if (!ok) {
    f.r.End();
    Fail(k, code::kRadicand, "fy * As / (ξb - 0.8) - fcm * b * ho ≥ 0");
    o.err = code::kRadicand;
    return false;
  }
  f.r.Raw(" ＝ ").Val(x, "mmd").End();
  L(f).Raw("Mu ＝ fcm * b * x * (ho - x / 2) + fy' * As' * (ho - as')").End();
  C(f).Val(k.fcm, "n/mm2_1")
      .Raw("*")
      .Val(b, "mm")
      .Raw("*")
      .Val(x, "mm")
      .Raw("*(")
      .Val(ho, "mm")
      .Raw("-");
  f.r.Val(x, "mm")
      .Raw("/2)+")
      .Val(k.fy1, "n/mm2")
      .Raw("*")
      .Val(As1, "mm2")
      .Raw("*(")
      .Val(ho, "mm")
      .Raw("-");
  f.r.Val(as1, "mm").Raw(") ＝ ").Val(Mu / 1e6, "knmd");
  f.r.Raw(Mu < f.Md ? " ＜ M" : " ≥ M").Raw(f.gtext).Raw(" ＝ ").Val(f.Md / 1e6, "knmd").End();
  if (Mu < f.Md) {
    // More steel in the fixed ratio until the capacity reaches the moment. Mu grows without
    // bound with As (the As' term), so the loop ends; the guard only stops a runaway input.
    int rounds = 0;
    while (Mu < f.Md && ok && rounds < 200000) {
      As *= 1.001;
      As1 = K * As;
      ok = capacity(x, Mu);
      ++rounds;
    }
    if (!ok || Mu < f.Md) {
      Fail(k, code::kRadicand, "fy * As / (ξb - 0.8) - fcm * b * ho ≥ 0");
      o.err = code::kRadicand;
      return false;
    }
    L(f).Raw("重新计算，取 As ＝ ")
        .Val(As, "mm2d")
        .Raw("，As' ＝ K * As ＝ ")
        .Val(As1, "mm2d")
        .End();
    L(f).Raw("x ＝ ")
        .Val(x, "mmd")
        .Raw("，Mu ＝ ")
        .Val(Mu / 1e6, "knmd")
        .Raw(" ≥ M")
        .Raw(f.gtext)
        .Raw(" ＝ ");
    f.r.Val(f.Md / 1e6, "knmd").End();
  }
  return true;
}

// Known ratio K = As'/As: As from the quadratic of the moment equilibrium.
Outcome DesignK(Flex& f, double K) {
  Call& k = f.k;
  Outcome o;
  const double ho = f.ho, b = k.b, as1 = k.as1;
  L(f).Raw("双筋矩形截面或翼缘位于受拉边的T形截面受弯构件，").End();
  L(f).Raw("已知 K ＝ As' / As ＝ ").Num(K, "#0.000").Raw("，可推导出下列公式：").End();
  const double t = k.fy - k.fy1 * K;
  L(f).Raw("t ＝ fy - fy' * K ＝ ")
      .Val(k.fy, "n/mm2")
      .Raw("-")
      .Val(k.fy1, "n/mm2")
      .Raw("*")
      .Raw(Factor(K));
  f.r.Raw(" ＝ ").Val(t, "n/mm2d").End();
  if (t <= 0) {
    Fail(k, code::kKRatio, "fy - fy' * K ＝ " + Fmt(k, t, "n/mm2d") + " ≤ 0");
    o.err = code::kKRatio;
    return o;
  }
  const double p = ho * k.fy - as1 * k.fy1 * K;
  L(f).Raw("p ＝ ho * fy - as' * fy' * K ＝ ")
      .Val(ho, "mm")
      .Raw("*")
      .Val(k.fy, "n/mm2")
      .Raw("-")
      .Val(as1, "mm");
  f.r.Raw("*").Val(k.fy1, "n/mm2").Raw("*").Raw(Factor(K)).Raw(" ＝ ").Num(p, "0.##").End();
  L(f).Raw("As ＝ {p - [p ^ 2 - 2 * t ^ 2 * M")
      .Raw(f.gtext)
      .Raw(" / (fcm * b)] ^ 0.5} * fcm * b / t ^ 2")
      .End();
  const double R = p * p - fault::div(2 * t * t * f.Md, k.fcm * b);
  if (R <= 0) {
    Fail(k, code::kRadicand,
         "p ^ 2 - 2 * t ^ 2 * M" + std::string(f.gtext) + " / (fcm * b) ＝ " +
             FormatNumber(R, "0.##") + " ≤ 0");
    o.err = code::kRadicand;
    return o;
  }
  double As = fault::div((p - fault::sqrt(R)) * k.fcm * b, t * t);
  double As1 = K * As;
  C(f).Raw("{")
      .Num(p, "0.##")
      .Raw("-[")
      .Num(p, "0.##")
      .Raw("^2-2*")
      .Val(t, "n/mm2")
      .Raw("^2*")
      .Raw(MText(f));
  f.r.Raw("/(")
      .Val(k.fcm, "n/mm2_1")
      .Raw("*")
      .Val(b, "mm")
      .Raw(")]^0.5}*")
      .Val(k.fcm, "n/mm2_1")
      .Raw("*");
  f.r.Val(b, "mm").Raw("/").Val(t, "n/mm2").Raw("^2 ＝ ").Val(As, "mm2d").End();
  L(f).Raw("As' ＝ K * As ＝ ")
      .Raw(Factor(K))
      .Raw("*")
      .Val(As, "mm2")
      .Raw(" ＝ ")
      .Val(As1, "mm2d")
      .End();
  double x = fault::div(k.fy * As - k.fy1 * As1, k.fcm * b);
  L(f).Raw("x ＝ (fy * As - fy' * As') / (fcm * b) ＝ (")
      .Val(k.fy, "n/mm2")
      .Raw("*")
      .Val(As, "mm2")
      .Raw("-");
  f.r.Val(k.fy1, "n/mm2")
      .Raw("*")
      .Val(As1, "mm2")
      .Raw(")/(")
      .Val(k.fcm, "n/mm2_1")
      .Raw("*")
      .Val(b, "mm");
  f.r.Raw(") ＝ ").Val(x, "mmd");
  XbCompare(f, x);
  f.r.End();
  if (x > f.limit * ho && !ReviseOverReinforcedK(f, K, As, As1, x, o)) return o;
  o.As = As;
  o.x = x;
  o.over_limit = XiLine(f, x);
  return o;
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
  Call& k = f.k;
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

Outcome FailRadicand(Flex& f, double R) {
  Outcome o;
  FlexFail(f, code::kRadicand, "受压区高度x的根号内数值 ＝ " + Fmt(f.k, R, "mm2") + " ＜ 0");
  o.err = code::kRadicand;
  return o;
}

// GBJ 10-89 eq. 4.1.5-2: the steel stress of a flange section that does not yield.
void SigmaLine(Flex& f, const FlangedSol& s, double x) {
  Call& k = f.k;
  const double ho = f.ho;
  L(f).Raw("钢筋应力σs ＝ fy * (x / Ho - 0.8) / (ξb - 0.8)").End();
  C(f).Val(k.fy, "n/mm2")
      .Raw("*(")
      .Val(x, "mm")
      .Raw("/")
      .Val(ho, "mm")
      .Raw("-0.8)/(")
      .Num(f.xi_b, "#0.000");
  f.r.Raw("-0.8) ＝ ").Val(s.sigma_s, "n/mm2d").End();
}

Outcome FailSigma(Flex& f, const FlangedSol& s) {
  Outcome o;
  FlexFail(f, code::kSigmaS, "钢筋应力σs ＝ " + Fmt(f.k, s.sigma_s, "n/mm2d") + " ≤ 0");
  o.err = code::kSigmaS;
  return o;
}

// x beyond hf': the web in compression (GBJ 10-89 eq. 4.1.7-3). An outcome with its error when
// the stage has failed, an empty one otherwise.
Outcome ReportWebInCompression(Flex& f, const FlangedSol& s) {
  Call& k = f.k;
  const double ho = f.ho, b = k.b, bf1 = k.bf1, hf1 = k.hf1, as1 = k.as1;
  C(f).Val(s.x1, "mmd").Raw(" ＞ hf' ＝ ").Val(hf1, "mmd").End();
  L(f).Raw("当 x ＞ hf' 时，应考虑腹板的受压作用，重新计算受压区高度x：").End();
  L(f).Raw("x ＝ ho - {ho ^ 2 - 2 * [M").Raw(f.gtext);
  f.r.Raw(" - fy' * As' * (ho - as') - fcm * (bf' - b) * hf' * (ho - hf' / 2)] / (fcm * b)} ^ 0.5")
      .End();
  C(f).Val(ho, "mm")
      .Raw("-{")
      .Val(ho, "mm")
      .Raw("^2-2*[")
      .Raw(MText(f))
      .Raw("-")
      .Val(k.fy1, "n/mm2")
      .Raw("*");
  f.r.Val(s.As1, "mm2")
      .Raw("*(")
      .Val(ho, "mm")
      .Raw("-")
      .Val(as1, "mm")
      .Raw(")-")
      .Val(k.fcm, "n/mm2_1");
  f.r.Raw("*(")
      .Val(bf1, "mm")
      .Raw("-")
      .Val(b, "mm")
      .Raw(")*")
      .Val(hf1, "mm")
      .Raw("*(")
      .Val(ho, "mm")
      .Raw("-");
  f.r.Val(hf1, "mm").Raw("/2)]/(").Val(k.fcm, "n/mm2_1").Raw("*").Val(b, "mm").Raw(")}^0.5").End();
  if (s.R2 < 0) return FailRadicand(f, s.R2);
  C(f).Val(s.x, "mmd");
  XbCompare(f, s.x);
  f.r.End();
  const bool over = s.x > f.limit * ho;
  if (over) {
    SigmaLine(f, s, s.x);
    if (s.err == code::kSigmaS) return FailSigma(f, s);
  }
  L(f).Raw(over ? "As ＝ [fcm * b * x + fy' * As' + fcm * (bf' - b) * hf'] / σs ＝ ["
                : "As ＝ [fcm * b * x + fy' * As' + fcm * (bf' - b) * hf'] / fy ＝ [");
  f.r.Val(k.fcm, "n/mm2_1")
      .Raw("*")
      .Val(b, "mm")
      .Raw("*")
      .Val(s.x, "mm")
      .Raw("+")
      .Val(k.fy1, "n/mm2");
  f.r.Raw("*")
      .Val(s.As1, "mm2")
      .Raw("+")
      .Val(k.fcm, "n/mm2_1")
      .Raw("*(")
      .Val(bf1, "mm")
      .Raw("-")
      .Val(b, "mm");
  f.r.Raw(")*")
      .Val(hf1, "mm")
      .Raw("]/")
      .Val(s.sigma_s, "n/mm2")
      .Raw(" ＝ ")
      .Val(s.As, "mm2d")
      .End();
  return {};
}

Outcome ReportFlanged(Flex& f, const FlangedSol& s) {
  Call& k = f.k;
  Outcome o;
  const double ho = f.ho, bf1 = k.bf1, hf1 = k.hf1, as1 = k.as1;
  if (s.As1 > 0) {
    L(f).Raw("翼缘位于受压边的T形或工字形截面受弯构件，已知").Raw("As' ＝ ").Val(s.As1, "mm2d");
    f.r.Raw("，受压区高度x可按下式计算：").End();
  } else {
    L(f).Raw("翼缘位于受压边的T形或工字形截面受弯构件受压区高度x按下式计算：").End();
  }
  L(f).Raw("x ＝ ho - {ho ^ 2 - 2 * [M")
      .Raw(f.gtext)
      .Raw(" - fy' * As' * (ho - as')] / (fcm * bf')} ^ 0.5")
      .End();
  C(f).Val(ho, "mm")
      .Raw("-{")
      .Val(ho, "mm")
      .Raw("^2-2*[")
      .Raw(MText(f))
      .Raw("-")
      .Val(k.fy1, "n/mm2")
      .Raw("*");
  f.r.Val(s.As1, "mm2")
      .Raw("*(")
      .Val(ho, "mm")
      .Raw("-")
      .Val(as1, "mm")
      .Raw(")]/(")
      .Val(k.fcm, "n/mm2_1");
  f.r.Raw("*").Val(bf1, "mm").Raw(")}^0.5").End();
  if (s.R1 < 0) return FailRadicand(f, s.R1);
  if (s.branch == 1) {
    C(f).Val(s.x1, "mmd").Raw(" ＜ 2as' ＝ ").Val(2 * as1, "mmd").End();
    L(f).Raw("As ＝ M")
        .Raw(f.gtext)
        .Raw(" / [fy * (ho - as')] ＝ ")
        .Raw(MText(f))
        .Raw("/[")
        .Val(k.fy, "n/mm2");
    f.r.Raw("*(").Val(ho, "mm").Raw("-").Val(as1, "mm").Raw(")] ＝ ").Val(s.As, "mm2d").End();
  } else if (s.branch == 2 || s.branch == 3) {
    C(f).Val(s.x1, "mmd").Raw(" ≤ hf' ＝ ").Val(hf1, "mmd").Raw("，");
    XbCompare(f, s.x1);
    f.r.End();
    if (s.branch == 3) {
      SigmaLine(f, s, s.x1);
      if (s.err == code::kSigmaS) return FailSigma(f, s);
    }
    L(f).Raw(s.branch == 2 ? "As ＝ (fcm * bf' * x + fy' * As') / fy ＝ ("
                           : "As ＝ (fcm * bf' * x + fy' * As') / σs ＝ (");
    f.r.Val(k.fcm, "n/mm2_1")
        .Raw("*")
        .Val(bf1, "mm")
        .Raw("*")
        .Val(s.x1, "mm")
        .Raw("+")
        .Val(k.fy1, "n/mm2");
    f.r.Raw("*")
        .Val(s.As1, "mm2")
        .Raw(")/")
        .Val(s.sigma_s, "n/mm2")
        .Raw(" ＝ ")
        .Val(s.As, "mm2d")
        .End();
  } else {
    const Outcome w = ReportWebInCompression(f, s);
    if (w.err != 0) return w;
  }
  o.As = s.As;
  o.x = s.x;
  o.over_limit = XiLine(f, s.x);
  return o;
}

Outcome DesignFlanged(Flex& f, double As1) {
  return ReportFlanged(f, SolveFlanged(f, As1));
}

// As' = K·As on a flanged section: fixed point on As' from 0.1·K·Ac, until As' changes by less
// than 1 mm², at most min(1000, h/10) rounds; the last design is the one reported.
Outcome IterateK(Flex& f, double K) {
  Call& k = f.k;
  const double Ac = (k.bf1 - k.b) * k.hf1 + k.b * k.h;
  double As1 = 0.1 * K * Ac;
  const int rounds_max = static_cast<int>(std::clamp(std::floor(k.h / 10), 0.0, 1000.0));
  L(f).Raw("已知 K ＝ As' / As ＝ ").Num(K, "#0.000").Raw("，取 As' ＝ K * As 迭代计算：").End();
  L(f).Raw("As' 初值 ＝ 0.1 * K * [(bf' - b) * hf' + b * h] ＝ 0.1*")
      .Raw(Factor(K))
      .Raw("*[(")
      .Val(k.bf1, "mm");
  f.r.Raw("-")
      .Val(k.b, "mm")
      .Raw(")*")
      .Val(k.hf1, "mm")
      .Raw("+")
      .Val(k.b, "mm")
      .Raw("*")
      .Val(k.h, "mm");
  f.r.Raw("] ＝ ").Val(As1, "mm2d").End();
  int rounds = 0;
  bool converged = false;
  while (rounds < rounds_max) {
    ++rounds;
    const FlangedSol s = SolveFlanged(f, As1);
    if (s.err) break;
    const double next = K * s.As;
    const double change = std::fabs(next - As1);
    As1 = next;
    if (change < 1) {
      converged = true;
      break;
    }
  }
  L(f).Raw("迭代 ").Raw(std::to_string(rounds)).Raw(" 次");
  if (converged)
    f.r.Raw("，As' 的变化小于 1 mm").Raw(f.r.services().tSquareSign());
  else
    f.r.Raw("（上限 min(1000, h / 10) ＝ ").Raw(std::to_string(rounds_max)).Raw(" 次）");
  f.r.Raw("，取 As' ＝ ").Val(As1, "mm2d").End();
  return DesignFlanged(f, As1);
}

// --- mode 1 ------------------------------------------------------------------------------------

void WriteCapacity(Flex& f, double Mu, std::string_view formula, const std::string& values) {
  Call& k = f.k;
  const double M = fault::div(Mu, f.gamma) / 1e6;
  k.Mout = M;
  L(f).Raw("Mu ＝ ").Raw(f.gtext.empty() ? "" : "[").Raw(formula).Raw(f.gtext.empty() ? "" : "]");
  if (!f.gtext.empty()) f.r.Raw(f.gtext == " * γRE" ? " / γRE" : " / γo");
  f.r.End();
  C(f).Raw(f.gtext.empty() ? "" : "[")
      .Raw(values)
      .Raw(f.gtext.empty() ? "" : "]/" + Factor(f.gamma));
  f.r.Raw(" ＝ ").Val(M, "knmd").End();
}

// GBJ 10-89 eq. 4.1.5-1, 4.1.6-1 and 4.1.7 read for the capacity.
Outcome Capacity(Flex& f, double As, double As1) {
  Call& k = f.k;
  Outcome o;
  const double ho = f.ho, b = k.b, as1 = k.as1, fcm = k.fcm, fy = k.fy, fy1 = k.fy1;
  const bool flanged = Flanged(k.shape);
  const double bf1 = flanged ? k.bf1 : b, hf1 = k.hf1;
  auto v = [&](double x, std::string_view t) { return Fmt(k, x, t); };
  if (flanged)
    L(f).Raw("翼缘位于受压边的T形或工字形截面受弯构件受压区高度x按下式计算：").End();
  else if (As1 == 0)
    L(f).Raw("单筋矩形截面或翼缘位于受拉边的T形截面受弯构件受压区高度x按下式计算：").End();
  else
    L(f).Raw("双筋矩形截面或翼缘位于受拉边的T形截面受弯构件受压区高度x按下式计算：").End();

  double x = fault::div(fy * As - fy1 * As1, fcm * bf1);
  if (As1 == 0 && !flanged) {
    L(f).Raw("x ＝ fy * As / (fcm * b) ＝ ")
        .Val(fy, "n/mm2")
        .Raw("*")
        .Val(As, "mm2")
        .Raw("/(")
        .Val(fcm, "n/mm2_1");
  } else {
    L(f).Raw(flanged ? "x ＝ (fy * As - fy' * As') / (fcm * bf') ＝ ("
                     : "x ＝ (fy * As - fy' * As') / (fcm * b) ＝ (");
    f.r.Val(fy, "n/mm2")
        .Raw("*")
        .Val(As, "mm2")
        .Raw("-")
        .Val(fy1, "n/mm2")
        .Raw("*")
        .Val(As1, "mm2")
        .Raw(")/(");
    f.r.Val(fcm, "n/mm2_1");
  }
  f.r.Raw("*").Val(bf1, "mm").Raw(") ＝ ").Val(x, "mmd");

  const std::string steel =
      "+" + v(fy1, "n/mm2") + "*" + v(As1, "mm2") + "*(" + v(ho, "mm") + "-" + v(as1, "mm") + ")";
  auto rect_moment = [&](double width, double xx) {
    return fcm * width * xx * (ho - xx / 2) + fy1 * As1 * (ho - as1);
  };
  auto rect_values = [&](double width, double xx) {
    return v(fcm, "n/mm2_1") + "*" + v(width, "mm") + "*" + v(xx, "mm") + "*(" + v(ho, "mm") + "-" +
           v(xx, "mm") + "/2)" + (As1 != 0 ? steel : std::string());
  };
  auto over_x = [&](double width, double extra, std::string_view extra_text) {
    L(f).Raw("x ＝ [")
        .Raw(extra_text)
        .Raw(As1 != 0 ? "fy' * As' + " : "")
        .Raw("0.8 * fy * As / (ξb - 0.8)] * ho / [");
    f.r.Raw("fy * As / (ξb - 0.8) - fcm * ").Raw(width == b ? "b" : "bf'").Raw(" * ho]").End();
    if (!OverReinforcedX(f, width, As, As1, extra, x)) {
      Fail(k, code::kRadicand, "fy * As / (ξb - 0.8) - fcm * b * ho ≥ 0");
      o.err = code::kRadicand;
      return false;
    }
    C(f).Val(x, "mmd").End();
    return true;
  };

  if (!flanged || x <= hf1) {
    const double width = flanged ? bf1 : b;
    // The 2as' rule belongs to the double-reinforced and flanged forms, not to the single one.
    if ((flanged || As1 > 0) && x <= 2 * as1) {
      f.r.Raw(" ≤ 2as' ＝ ").Val(2 * as1, "mmd").End();
      WriteCapacity(
          f, fy * As * (ho - as1), "fy * As * (ho - as')",
          v(fy, "n/mm2") + "*" + v(As, "mm2") + "*(" + v(ho, "mm") + "-" + v(as1, "mm") + ")");
    } else {
      if (flanged) f.r.Raw(" ≤ hf' ＝ ").Val(hf1, "mmd").Raw("，");
      XbCompare(f, x);
      if (x > f.limit * ho) {
        f.r.Raw(flanged ? "" : "，重新计算受压区高度x").End();
        if (flanged)
          L(f).Raw("hf' ＞ x ＞ ξb * ho，应按照宽度为 bf' 的矩形截面重新计算受压区高度x").End();
        if (!over_x(width, 0, "")) return o;
      } else {
        f.r.End();
      }
      const std::string_view w = flanged ? "bf'" : "b";
      const std::string formula = "fcm * " + std::string(w) + " * x * (ho - x / 2)" +
                                  (As1 != 0 ? " + fy' * As' * (ho - as')" : "");
      WriteCapacity(f, rect_moment(width, x), formula, rect_values(width, x));
    }
  } else {
    f.r.Raw(" ＞ hf' ＝ ").Val(hf1, "mmd").End();
    const double flange_force = fcm * (bf1 - b) * hf1;
    x = fault::div(fy * As - fy1 * As1 - flange_force, fcm * b);
    L(f).Raw("x ＝ [fy * As - fy' * As' - fcm * (bf' - b) * hf'] / (fcm * b) ＝ [")
        .Val(fy, "n/mm2")
        .Raw("*");
    f.r.Val(As, "mm2")
        .Raw("-")
        .Val(fy1, "n/mm2")
        .Raw("*")
        .Val(As1, "mm2")
        .Raw("-")
        .Val(fcm, "n/mm2_1")
        .Raw("*(");
    f.r.Val(bf1, "mm")
        .Raw("-")
        .Val(b, "mm")
        .Raw(")*")
        .Val(hf1, "mm")
        .Raw("]/(")
        .Val(fcm, "n/mm2_1")
        .Raw("*");
    f.r.Val(b, "mm").Raw(") ＝ ").Val(x, "mmd");
    XbCompare(f, x);
    if (x > f.limit * ho) {
      f.r.Raw("，重新计算受压区高度x").End();
      if (!over_x(b, flange_force, "fcm * (bf' - b) * hf' + ")) return o;
    } else {
      f.r.End();
    }
    const double Mu =
        fcm * (b * x * (ho - x / 2) + (bf1 - b) * hf1 * (ho - hf1 / 2)) + fy1 * As1 * (ho - as1);
    WriteCapacity(
        f, Mu,
        "fcm * [b * x * (ho - x / 2) + (bf' - b) * hf' * (ho - hf' / 2)] + fy' * As' * (ho - as')",
        v(fcm, "n/mm2_1") + "*[" + v(b, "mm") + "*" + v(x, "mm") + "*(" + v(ho, "mm") + "-" +
            v(x, "mm") + "/2)+(" + v(bf1, "mm") + "-" + v(b, "mm") + ")*" + v(hf1, "mm") + "*(" +
            v(ho, "mm") + "-" + v(hf1, "mm") + "/2)]" + steel);
  }
  o.As = As;
  o.x = x;
  o.over_limit = XiLine(f, x);
  return o;
}

// --- reinforcement ratio -------------------------------------------------------------------------

// GBJ 10-89 clause 8.5.1 (0.15 % up to C35, 0.20 % above) and GBJ 11-89 table 6.3.3 for frame
// beams. When the designed As is below the minimum, the returned As is raised to AsMin: the area
// the host hands on is the one to provide. P keeps the ratio of the designed As.
void CheckAsMin(Flex& f, double As) {
  Call& k = f.k;
  const double ho = f.ho, b = k.b;
  const double rho = fault::div(As, b * ho);
  k.rho = rho;
  k.P = fault::to_float(rho);
  L(f).Raw("配筋率ρ ＝ As / b / ho ＝ ")
      .Val(As, "mm2")
      .Raw("/")
      .Val(b, "mm")
      .Raw("/")
      .Val(ho, "mm")
      .Raw(" ＝ ");
  f.r.Val(rho, "percent").End();
  double rho_min = std::max(k.fcm <= 19 ? 0.15 : 0.20, k.Pmin);  // per cent
  std::string label = "最小配筋率";
  if (IsFrame(k.iSecPos)) {
    static constexpr double kMid[] = {0.3, 0.25, 0.2, 0.2}, kEnd[] = {0.4, 0.3, 0.25, 0.25};
    const double frame = (k.bBE ? kEnd : kMid)[k.iSecPos - 1];
    if (frame > rho_min) {
      rho_min = frame;
      label = GradeText(k.iSecPos) + (k.bBE ? "级框架梁端" : "级框架梁跨中");
    }
  }
  rho_min /= 100;
  const double AsMin = b * k.h * rho_min;
  if (As < AsMin) {
    L(f).Raw(label).Raw("ρmin ＝ ").Val(rho_min, "percent").Sp(4).Raw("AsMin ＝ b * h * ρmin ＝ ");
    f.r.Val(AsMin, "mm2d").End();
    if (k.mode == 0) {
      k.dAs = AsMin;
      L(f).Raw("As ＜ AsMin，取 As ＝ AsMin ＝ ").Val(AsMin, "mm2d").End();
    }
  }
  if (k.bBE && IsFrame(k.iSecPos) && rho > 0.025) {
    Fail(k, code::kRatioAbove,
         "受拉钢筋配筋率ρ ＝ " + Fmt(k, rho, "percent") + " ＞ 2.5%（" + GradeText(k.iSecPos) +
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

}  // namespace

void CalMAs(Call& k) {
  Report& r = k.r;
  Flex f(k, r);
  r.Sp(4).Raw(k.mode == 0 ? "正截面受弯配筋计算：" : "正截面受弯承载力计算：").HeadingEnd();
  f.ho = k.h - k.as;
  // GBJ 10-89 eq. 4.1.4: balanced relative depth
  f.xi_b = fault::div(0.8, 1 + fault::div(k.fy, 0.0033 * k.Es));
  if (k.Kcb) *k.Kcb = fault::to_float(f.xi_b);
  CalXLimit(f);
  if (k.KcE) *k.KcE = fault::to_float(f.limit);
  f.gamma = k.bEA ? 0.75 : static_cast<double>(k.Rlfo);
  f.gtext = GammaText(k.bEA, k.Rlfo);
  f.Md = f.gamma * k.M * 1e6;

  if (k.bEA)
    L(f).Raw("承载力抗震调整系数γRE ＝ 0.75").End();
  else if (k.Rlfo != 1)
    L(f).Raw("结构构件的重要性系数γo ＝ ").Raw(Factor(k.Rlfo)).End();
  L(f).Raw("ξb ＝ 0.8 / (1 + fy / (0.0033 * Es)) ＝ 0.8/(1+")
      .Val(k.fy, "n/mm2")
      .Raw("/(0.0033*")
      .Val(k.Es, "n/mm2");
  r.Raw(")) ＝ ").Num(f.xi_b, "#0.000").End();
  if (f.seismic_limit)
    L(f).Raw(GradeText(k.iSecPos)).Raw("级框架梁端：ξ ≤ ").Raw(Factor(f.limit)).End();

  const std::string_view t = TrimView(k.tAs1);
  const bool expression = !(t.empty() || IsNumericText(t));
  ISharedServices& svc = r.services();
  // As' at the As passed in; the ratio K is the expression at As = 1.
  double As1 = expression ? svc.dEvalAsText(t, k.dAs) : (t.empty() ? 0.0 : LeadingNumber(t));
  double K = expression ? svc.dEvalAsText(t, 1.0) : 0.0;

  Outcome o;
  bool ok = true;
  if (k.mode == 1) {
    ok = Guarded(f, [&] { o = Capacity(f, k.As_in, As1); });
    if (ok && o.err == 0) Guarded(f, [&] { CheckAsMin(f, k.As_in); });
    return;
  }

  // Mode 0. The designed As is not known yet: a rectangle chooses between the single design and
  // the design with a ratio by As' at the As the caller passed in (an expression at As = 0 gives
  // the single design; the host passes its last As to ask for the ratio design).
  k.dAs = 0;
  const bool frame_end_1to3 = k.bBE && k.iSecPos >= 1 && k.iSecPos <= 3;
  auto turn_to_As1 = [&] {
    // GBJ 11-89 6.3.3: at grade-1 ends As'/As ≥ 0.5, at grade-2 and -3 ends ≥ 0.3.
    k.tAs1 = k.iSecPos == 1 ? "0.5As" : "0.3As";
    K = k.iSecPos == 1 ? 0.5 : 0.3;
    r.End();
    L(f).Raw("由于以上条件不满足要求，对于")
        .Raw(GradeText(k.iSecPos))
        .Raw("级框架梁端，可取As' ＝ ")
        .Raw(k.tAs1)
        .End();
  };
  const bool flanged = Flanged(k.shape);
  ok = Guarded(f, [&] {
    if (!flanged) {
      if (As1 == 0) {
        f.quiet_errors = f.quiet_warning = frame_end_1to3;
        o = DesignSingle(f);
        f.quiet_errors = f.quiet_warning = false;
        if (frame_end_1to3 && (o.err != 0 || o.over_limit)) {
          turn_to_As1();
          o = DesignK(f, K);
        }
      } else if (!expression) {
        o = DesignKnownAs1(f, As1);
      } else {
        o = DesignK(f, K);
      }
    } else if (!expression) {
      const bool may_turn = frame_end_1to3 && As1 == 0;
      f.quiet_errors = may_turn;
      o = DesignFlanged(f, As1);
      f.quiet_errors = false;
      if (may_turn && (o.err == code::kRadicand || o.err == code::kSigmaS)) {
        turn_to_As1();
        o = IterateK(f, K);
      }
    } else {
      o = IterateK(f, K);
    }
  });
  if (!ok || o.err != 0) return;
  k.dAs = o.As;
  Guarded(f, [&] { CheckAsMin(f, o.As); });
}

}  // namespace tk::mvt
