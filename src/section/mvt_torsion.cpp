// Torsion stage of clsMVT: torsion stirrups Ast1 and longitudinal steel Astl of the web and the
// flanges, and the web stirrups for shear plus torsion, to GBJ 10-89 clause 4.4 (members under
// shear and torsion), with the frame-beam forms of GBJ 11-89.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "codes/gbj10_89.h"
#include "codes/gbj11_89.h"
#include "codes/section_shape.h"
#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/report.h"
#include "materials/material.h"
#include "section/mvt_stages.h"

namespace tk::mvt {

namespace {

namespace g = gbj10_89;

// Number patterns of the report besides the shared factor patterns: whole-number bounds, βt and
// λ, the minimum ratios as worked, and ζ.
constexpr const char* kWhole = "0";
constexpr const char* kRatio = "#0.000";
constexpr const char* kMinRatio = "0.000000";
constexpr const char* kZetaPattern = "0.0";

// The stirrup core starts 10 mm inside the centroid of the longitudinal bars: c = as − 10.
constexpr double kStirrupInset = 10;
// Strength ratio ζ of the longitudinal to the stirrup torsion steel (GBJ 10-89 art. 4.4.3): the
// design takes 1.0, within the range 0.6 … 1.7 the code allows.
constexpr double kZeta = 1.0;
// A flange stirrup leg is held to half of the flange minimum, which counts both legs.
constexpr double kLegOfMinimum = 0.5;

// The numbers every step of the torsion stage uses.
struct TorsionCase {
  SectionShape shape = SectionShape::Rect;
  bool seismic = false, concentrated = false;  // earthquake action, concentrated load
  double b = 0, h = 0, ho = 0, fc = 0, ft = 0, fy = 0, S = 0;
  double gamma_o = 1;
  std::string_view gtext{};  // " * γo" after V and T, or nothing
  double Vd = 0, Td = 0;     // design shear (N) and torque (N·mm), γo applied
  bool tens_flange = false, comp_flange = false;
  double c = 0, fyv = 0, lambda = 0;
};

TorsionCase StageCase(const Call& k) {
  TorsionCase t;
  t.shape = k.shape;
  t.seismic = k.bEA;
  t.concentrated = k.bConF;
  t.b = k.b;
  t.h = k.h;
  t.ho = k.h - k.as;
  t.fc = k.fc;
  t.ft = k.ft;
  t.fy = k.fy;
  t.S = k.S;
  t.gamma_o = t.seismic ? 1.0 : static_cast<double>(k.Rlfo);
  if (!t.seismic && t.gamma_o != 1) t.gtext = " * γo";
  t.Vd = t.gamma_o * k.V * 1000;
  t.Td = t.gamma_o * k.T * 1e6;
  const SectionShape sh = t.shape;
  t.tens_flange =
      sh == SectionShape::InvT || sh == SectionShape::IUnsym || sh == SectionShape::ISym;
  t.comp_flange = sh == SectionShape::T || sh == SectionShape::InvL || sh == SectionShape::IUnsym;
  return t;
}

// Heading, the adjustment factor, the cover c of the stirrup core, λ and the fyv cap.
void ReportStageInputs(Report& r, const TorsionCase& t, double as, double c_raw) {
  r.Sp(4).Put("扭曲截面承载力计算：").HeadingEnd();
  if (t.seismic)
    r.Line(6, "承载力抗震调整系数γRE ＝ $0", {{gbj11_89::kGammaReShear, kCodeFactor}});
  else if (t.gamma_o != 1)
    r.Line(6, "结构构件的重要性系数γo ＝ $0", {{t.gamma_o, kWorkedFactor}});
  r.Sp(6).Put("c ＝ as - $0 ＝ $1-$0 ＝ $2",
              {{kStirrupInset, kWhole}, {as, U::mm}, {c_raw, U::mmd}});
  if (c_raw < 0) {
    r.Line(0, "，取 c ＝ 0");
    r.Sp(6).Put("警告：纵筋合力点至近边距离as ＜ $0 mm", {{kStirrupInset, kWhole}});
    r.Text(32095).End();
  } else {
    r.End();
  }
  if (t.concentrated)
    r.Line(6, "λ ＝ a / ho ＝ $0（$1 ≤ λ ≤ $2）",
           {{t.lambda, kRatio}, {g::kShearSpanMin, kCodeFactor}, {g::kShearSpanMax, kCodeFactor}});
  if (t.fyv == g::kFyvMax)
    r.Line(6, "当 fyv ≥ $0时，取 fyv ＝$1", {{g::kFyvMax, U::nmm2}, {g::kFyvMax, U::nmm2d}});
}

// Plastic torsion moduli of the web and the flanges (GBJ 10-89 art. 4.4.1 and 4.4.6), with the
// flange widths as counted (overhangs up to 3hf each side).
struct Moduli {
  double bf = 0, hf = 0, bf1 = 0, hf1 = 0;
  bool bf_capped = false, bf1_capped = false;
  double Wtw = 0, Wtf = 0, Wtf1 = 0, Wt = 0;
};

Moduli TorsionModuli(const Call& k, const TorsionCase& t) {
  Moduli m{k.bf, k.hf, k.bf1, k.hf1};
  const double b = t.b;
  m.Wtw = g::TorsionModulusRect(b, t.h);
  if (t.tens_flange) {
    m.bf_capped = m.bf > g::TorsionFlangeWidthMax(b, m.hf);
    if (m.bf_capped) m.bf = g::TorsionFlangeWidthMax(b, m.hf);
    m.Wtf = g::TorsionModulusFlange(m.hf, m.bf, b);
    // A symmetric I section: the compression flange is the tension flange mirrored.
    if (t.shape == SectionShape::ISym) {
      m.bf1 = m.bf;
      m.hf1 = m.hf;
      m.Wtf1 = m.Wtf;
    }
  }
  if (t.comp_flange) {
    m.bf1_capped = m.bf1 > g::TorsionFlangeWidthMax(b, m.hf1);
    if (m.bf1_capped) m.bf1 = g::TorsionFlangeWidthMax(b, m.hf1);
    m.Wtf1 = g::TorsionModulusFlange(m.hf1, m.bf1, b);
  }
  m.Wt = m.Wtw + m.Wtf + m.Wtf1;
  return m;
}

void ReportModuli(Report& r, const TorsionCase& t, const Moduli& m) {
  const double b = t.b;
  const U mm = U::mm;
  r.Line(6, "受扭塑性抵抗矩Wt：");
  if (t.shape == SectionShape::Rect) {
    r.Line(6, "Wt ＝ b^2 * (3h - b) / 6 ＝ $0^2*(3*$1-$0)/6 ＝ $2",
           {{b, mm}, {t.h, mm}, {m.Wtw, U::mm3d}});
    return;
  }
  r.Line(6, "腹板的受扭塑性抵抗矩Wtw ＝ b ^ 2 * (3 * h - b) / 6");
  r.Line(8, "＝ $0^2*(3*$1-$0)/6 ＝ $2", {{b, mm}, {t.h, mm}, {m.Wtw, U::mm3d}});
  const Sub six{g::kTorsionFlangeThicknesses, kWhole};
  if (t.tens_flange) {
    if (m.bf_capped) r.Line(8, "bf ＞ b + $0 * hf ＝ $1，取 bf ＝ $1", {six, {m.bf, U::mmd}});
    r.Line(6,
           t.shape == SectionShape::ISym
               ? "受拉及受压翼缘的受扭塑性抵抗矩Wtf ＝ Wtf' ＝ hf ^ 2 * (bf - b) / 2 ＝ "
                 "$0^2*($1-$2)/2 ＝ $3"
               : "受拉翼缘的受扭塑性抵抗矩Wtf ＝ hf ^ 2 * (bf - b) / 2 ＝ $0^2*($1-$2)/2 ＝ $3",
           {{m.hf, mm}, {m.bf, mm}, {b, mm}, {m.Wtf, U::mm3d}});
  }
  if (t.comp_flange) {
    if (m.bf1_capped) r.Line(8, "bf' ＞ b + $0 * hf' ＝ $1，取 bf' ＝ $1", {six, {m.bf1, U::mmd}});
    r.Line(6, "受压翼缘的受扭塑性抵抗矩Wtf' ＝ hf' ^ 2 * (bf' - b) / 2 ＝ $0^2*($1-$2)/2 ＝ $3",
           {{m.hf1, mm}, {m.bf1, mm}, {b, mm}, {m.Wtf1, U::mm3d}});
  }
  r.Line(6, "Wt ＝ Wtw$0$1 ＝ $2",
         {t.tens_flange ? " + Wtf" : "",
          t.comp_flange || t.shape == SectionShape::ISym ? " + Wtf'" : "",
          {m.Wt, U::mm3d}});
}

// Torque shares in proportion to the moduli (GBJ 10-89 art. 4.4.6).
struct Shares {
  double Tw = 0, Tf = 0, Tf1 = 0;
};

Shares TorqueShares(const TorsionCase& t, const Moduli& m) {
  if (t.shape == SectionShape::Rect) return {t.Td, 0, 0};
  return {g::TorqueShare(m.Wtw, t.Td, m.Wt), g::TorqueShare(m.Wtf, t.Td, m.Wt),
          g::TorqueShare(m.Wtf1, t.Td, m.Wt)};
}

void ReportShares(Report& r, const TorsionCase& t, const Moduli& m, const Shares& s) {
  if (t.shape == SectionShape::Rect) return;
  const auto share = [&](std::string_view form, double W, double T) {
    r.Line(6, form,
           {t.gtext, {W, U::mm3}, {m.Wt, U::mm3}, {t.Td / 1e6, U::knm}, {T / 1e6, U::knmd}});
  };
  r.Line(6, "腹板和翼缘扭矩的分配：");
  share("Tw ＝ Wtw / Wt * T$0 ＝ $1/$2*$3 ＝ $4", m.Wtw, s.Tw);
  if (t.tens_flange) share("Tf ＝ Wtf / Wt * T$0 ＝ $1/$2*$3 ＝ $4", m.Wtf, s.Tf);
  if (t.comp_flange || t.shape == SectionShape::ISym)
    share("Tf' ＝ Wtf' / Wt * T$0 ＝ $1/$2*$3 ＝ $4", m.Wtf1, s.Tf1);
}

// βt (GBJ 10-89 eq. 4.4.4-2, general, and 4.4.4-5, concentrated load) as worked and as bounded.
struct BetaT {
  double raw = 0, value = 0;
};

BetaT TorsionBeta(const TorsionCase& t, double Wt) {
  BetaT bt;
  bt.raw = t.concentrated
               ? g::TorsionConcreteFactorConcentratedRaw(t.lambda, t.Vd, Wt, t.Td, t.b, t.ho)
               : g::TorsionConcreteFactorRaw(t.Vd, Wt, t.Td, t.b, t.ho);
  bt.value = g::TorsionConcreteFactor(bt.raw);
  return bt;
}

void ReportBeta(Report& r, const TorsionCase& t, double Wt, const BetaT& bt) {
  const Sub num{g::kBetaTNumerator, kCodeFactor}, shift{g::kShearSpanShift, kCodeFactor};
  const Subs vwt_subs = {num,
                         {t.lambda, kRatio},
                         shift,
                         {t.Vd, U::n},
                         {Wt, U::mm3},
                         {t.Td, U::nmm},
                         {t.b, U::mm},
                         {t.ho, U::mm},
                         {g::kBetaTShearConcentrated, kCodeFactor},
                         {g::kBetaTShear, kCodeFactor}};
  if (t.concentrated) {
    r.Line(6, "对集中荷载作用下的剪扭构件混凝土受扭承载力降低系数 βt 按下式计算：");
    r.Line(6, "βt ＝ $0 / [1 + $8 * (λ + $2) * V * Wt / (T * b * ho)]", vwt_subs);
    r.Sp(8).Put("＝ $0/[1+$8*($1+$2)*$3*$4/($5*$6*$7)] ＝ ", vwt_subs);
  } else {
    r.Line(6, "一般剪扭构件混凝土受扭承载力降低系数 βt 应按下列公式计算：");
    r.Line(6, "βt ＝ $0 / (1 + $9 * V * Wt / (T * b * ho))", vwt_subs);
    r.Sp(8).Put("＝ $0/(1+$9*$3*$4/($5*$6*$7)) ＝ ", vwt_subs);
  }
  r.Put("$0", {{bt.raw, kRatio}});
  if (bt.raw < g::kBetaTMin)
    r.Put(" ＜ $0，取 βt ＝ $0", {{g::kBetaTMin, kCodeFactor}});
  else if (bt.raw > g::kBetaTMax)
    r.Put(" ＞ $0，取 βt ＝ $0", {{g::kBetaTMax, kCodeFactor}});
  r.End();
}

// Web height hw of the section check (GBJ 10-89 art. 4.4.2, hw as in art. 4.2.1).
void ReportWebHeight(Report& r, const TorsionCase& t, double hf, double hf1, double hw) {
  const double h = t.h;
  switch (t.shape) {
    case SectionShape::Rect:
      r.Line(6, "hw ＝ ho ＝ $0", {{hw, U::mmd}});
      break;
    case SectionShape::InvT:
      r.Line(6, "hw ＝ h - hf ＝ $0-$1 ＝ $2", {{h, U::mm}, {hf, U::mm}, {hw, U::mmd}});
      break;
    case SectionShape::T:
    case SectionShape::InvL:
      r.Line(6, "hw ＝ h - hf' ＝ $0-$1 ＝ $2", {{h, U::mm}, {hf1, U::mm}, {hw, U::mmd}});
      break;
    case SectionShape::ISym:
    case SectionShape::IUnsym:
      r.Line(6, "hw ＝ h - hf - hf' ＝ $0-$1-$2 ＝ $3",
             {{h, U::mm}, {hf, U::mm}, {hf1, U::mm}, {hw, U::mmd}});
      break;
  }
}

// Sections under torsion keep hw/b below 6 (GBJ 10-89 art. 4.4.2); a slender web is code 3310
// and the stage goes on, so that the report is complete.
void CheckWebRatio(Call& k, const TorsionCase& t) {
  Report& r = k.r;
  const double hw = WebHeight(t.shape, t.h, t.ho, k.hf, k.hf1);
  r.Line(6, "验算截面适用条件：");
  ReportWebHeight(r, t, k.hf, k.hf1, hw);
  const double hw_b = fault::div(hw, t.b);
  const std::string hw_text = "hw / b ＝ " + Fmt(k, hw, "mm") + "/" + Fmt(k, t.b, "mm") + " ＝ " +
                              FormatNumber(hw_b, "#0.00");
  if (hw_b < g::kTorsionWebRatioMax)
    r.Line(6, "$0 ＜ $1 ，截面高宽比满足要求", {hw_text, {g::kTorsionWebRatioMax, kWhole}});
  else
    Fail(
        k, code::kHwB,
        hw_text + " ≥ " + FormatNumber(g::kTorsionWebRatioMax, kWhole) + " ，截面高宽比不满足要求");
}

// V/(b·ho) + T/Wt ≤ 0.25·fc (GBJ 10-89 eq. 4.4.2-1); above it code 3320, and the design goes on.
// True when the combined stress stays within 0.7·ft (eq. 4.4.2-2): the minimum steel suffices.
bool CheckCombinedStress(Call& k, const TorsionCase& t, double Wt) {
  Report& r = k.r;
  const double tau = g::ShearTorsionStress(t.Vd, t.b, t.ho, t.Td, Wt);
  const double tau_max = g::kTorsionSectionLimit * t.fc;
  r.Line(
      6, "V / (b * ho) + T / Wt ＝ $0/($1*$2)+$3/$4 ＝ $5",
      {{t.Vd, U::n}, {t.b, U::mm}, {t.ho, U::mm}, {t.Td, U::nmm}, {Wt, U::mm3}, {tau, U::nmm2d_3}});
  if (tau > tau_max) {
    Fail(k, code::kTorsionSection,
         "V / (b * ho) + T / Wt ＝ " + Fmt(k, tau, "n/mm2d_3") + " ＞ " +
             FormatNumber(g::kTorsionSectionLimit, kCodeFactor) + "*fc ＝ " +
             Fmt(k, tau_max, "n/mm2d_3") + "，不满足截面尺寸要求");
    return false;
  }
  r.Line(8, "$0 ≤ $1*fc ＝ $2，满足截面尺寸要求",
         {{tau, U::nmm2d_3}, {g::kTorsionSectionLimit, kCodeFactor}, {tau_max, U::nmm2d_3}});
  const bool detailing_only = tau <= g::kTorsionDetailingLimit * t.ft;
  r.Line(8,
         detailing_only ? "$0 ≤ $1*ft ＝ $2，仅需按构造配筋" : "$0 ＞ $1*ft ＝ $2，需进行剪扭计算",
         {{tau, U::nmm2d_3},
          {g::kTorsionDetailingLimit, kCodeFactor},
          {g::kTorsionDetailingLimit * t.ft, U::nmm2d_3}});
  return detailing_only;
}

// Which actions may be neglected (GBJ 10-89 art. 4.4.7; GBJ 11-89 for frame beams).
enum class Form { Ordinary, Concentrated, Seismic, SeismicConcentrated };

Form FormOf(const TorsionCase& t) {
  if (t.seismic) return t.concentrated ? Form::SeismicConcentrated : Form::Seismic;
  return t.concentrated ? Form::Concentrated : Form::Ordinary;
}

struct Neglect {
  double Vlim = 0, Tlim = 0;
  bool shear_counted = false, torsion_counted = false;
};

Neglect NeglectLimits(const TorsionCase& t, double Wt) {
  Neglect n;
  const double fc = t.fc, b = t.b, ho = t.ho, gre = gbj11_89::kGammaReShear;
  switch (FormOf(t)) {
    case Form::SeismicConcentrated:
      n.Vlim = g::ShearNeglectLimitSeismicConcentrated(fc, b, ho, t.lambda, gre);
      break;
    case Form::Concentrated:
      n.Vlim = g::ShearNeglectLimitConcentrated(fc, b, ho, t.lambda);
      break;
    case Form::Seismic:
      n.Vlim = g::ShearNeglectLimitSeismic(fc, b, ho, gre);
      break;
    case Form::Ordinary:
      n.Vlim = g::ShearNeglectLimit(fc, b, ho);
      break;
  }
  n.shear_counted = t.Vd > n.Vlim;
  n.Tlim = g::TorsionNeglectLimit(t.ft, Wt);
  n.torsion_counted = t.Td > n.Tlim;
  return n;
}

void ReportNeglect(Report& r, const TorsionCase& t, double Wt, const Neglect& n) {
  struct Text {
    double factor;
    std::string_view sym, vals;
  };
  static constexpr Text kText[] = {
      {g::kShearNeglect, "当 V$1 ≤ $0 * fc * b * ho 时，可仅按纯扭构件计算受扭承载力",
       "$0*$2*$3*$4"},
      {g::kShearNeglectConcentrated, "当 V$1 ≤ $0*fc*b*ho/(λ+$6) 时，可仅按纯扭构件计算受扭承载力",
       "$0*$2*$3*$4/($5+$6)"},
      {g::kShearNeglectSeismic, "当 V ≤ $0 * fc * b * ho / γRE 时，可仅按纯扭构件计算受扭承载力",
       "$0*$2*$3*$4/$7"},
      {g::kShearNeglectSeismicConcentrated,
       "当 V ≤ $0*fc*b*ho/(λ+$6)/γRE 时，可仅按纯扭构件计算受扭承载力", "$0*$2*$3*$4/($5+$6)/$7"}};
  const Text& x = kText[static_cast<int>(FormOf(t))];
  const Subs subs = {{x.factor, kCodeFactor},
                     t.gtext,
                     {t.fc, U::nmm2_1},
                     {t.b, U::mm},
                     {t.ho, U::mm},
                     {t.lambda, kRatio},
                     {g::kShearSpanShift, kCodeFactor},
                     {gbj11_89::kGammaReShear, kCodeFactor}};
  const bool vc = n.shear_counted, tc = n.torsion_counted;
  r.Line(6, "验算是否要考虑剪力、扭矩的影响：");
  r.Line(6, x.sym, subs);
  r.Sp(8).Put(x.vals, subs);
  r.Line(0, vc ? " ＝ $0 ＜ V$1 ＝ $2，应考虑剪力的影响" : " ＝ $0 ≥ V$1 ＝ $2，可不考虑剪力的影响",
         {{n.Vlim, U::nd}, t.gtext, {t.Vd, U::nd}});
  r.Line(6, "当 T$0 ≤ $1 * ft * Wt 时，可不进行受扭承载力计算",
         {t.gtext, {g::kTorsionNeglect, kCodeFactor}});
  r.Line(8,
         tc ? "$1*$2*$3 ＝ $4 ＜ T$0 ＝ $5，应进行受扭承载力计算"
            : "$1*$2*$3 ＝ $4 ≥ T$0 ＝ $5，可不进行受扭承载力计算",
         {t.gtext,
          {g::kTorsionNeglect, kCodeFactor},
          {t.ft, U::nmm2_2},
          {Wt, U::mm3},
          {n.Tlim / 1e6, U::knmd},
          {t.Td / 1e6, U::knmd}});
}

// Web stirrups for the shear with torsion (GBJ 10-89 eq. 4.4.4-1 and 4.4.4-4, the GBJ 11-89
// frame-beam forms with earthquake action), before the cut at zero.
double ShearStirrupsWithTorsion(const TorsionCase& t, double beta_t) {
  const double V = t.Vd, fc = t.fc, b = t.b, ho = t.ho, S = t.S, fyv = t.fyv;
  const double gre = gbj11_89::kGammaReShear;
  switch (FormOf(t)) {
    case Form::SeismicConcentrated:
      return g::StirrupsShearTorsionSeismicConcentrated(V, gre, beta_t, fc, b, ho, t.lambda, S,
                                                        fyv);
    case Form::Seismic:
      return g::StirrupsShearTorsionSeismic(V, gre, beta_t, fc, b, ho, S, fyv);
    case Form::Concentrated:
      return g::StirrupsShearTorsionConcentrated(V, beta_t, fc, b, ho, t.lambda, S, fyv);
    case Form::Ordinary:
      break;
  }
  return g::StirrupsShearTorsion(V, beta_t, fc, b, ho, S, fyv);
}

void ReportShearStirrups(Report& r, const TorsionCase& t, double beta_t, double Asv) {
  struct Text {
    double concrete, stirrups;
    std::string_view head, capacity, solved, vals;
  };
  static constexpr Text kText[] = {
      {g::kShearConcrete, g::kShearStirrups, "在剪力和扭矩共同作用下",
       "V$1 ≤ $2 * ($3 - βt) * fc * b * ho + ${11} * fyv * Asv * ho / S",
       "Asv ＝ [V$1 - $2 * ($3 - βt) * fc * b * ho] * S / ${11} / fyv / ho",
       "＝ [$0-$2*($3-$4)*$5*$6*$7]*${10}/${11}/${12}/$7"},
      {g::kShearConcreteConcentrated, g::kShearStirrupsConcentrated, "对集中荷载作用下的",
       "V$1 ≤ $2 * ($3 - βt) * fc * b * ho / (λ + $9) + ${11} * fyv * Asv * ho / S",
       "Asv ＝ [V$1 - $2 * ($3 - βt) * fc * b * ho / (λ + $9)] * S / ${11} / fyv / ho",
       "＝ [$0-$2*($3-$4)*$5*$6*$7/($8+$9)]*${10}/${11}/${12}/$7"},
      {gbj11_89::kShearConcrete, gbj11_89::kShearStirrups,
       "在剪力和扭矩共同作用下，且考虑地震作用组合的",
       "V ≤ [$2 * ($3 - βt) * fc * b * ho + ${11} * fyv * Asv * ho / S] / γRE",
       "Asv ＝ [V * γRE - $2 * ($3 - βt) * fc * b * ho] * S / ${11} / fyv / ho",
       "＝ [$0*${13}-$2*($3-$4)*$5*$6*$7]*${10}/${11}/${12}/$7"},
      {gbj11_89::kShearConcreteConcentrated, gbj11_89::kShearStirrupsConcentrated,
       "对集中荷载作用下，且考虑地震作用组合的",
       "V ≤ [$2 * ($3 - βt) * fc * b * ho / (λ + $9) + fyv * Asv * ho / S] / γRE",
       "Asv ＝ [V * γRE - $2 * ($3 - βt) * fc * b * ho / (λ + $9)] * S / fyv / ho",
       "＝ [$0*${13}-$2*($3-$4)*$5*$6*$7/($8+$9)]*${10}/${12}/$7"}};
  const Text& x = kText[static_cast<int>(FormOf(t))];
  const Subs subs = {{t.Vd, U::n},
                     t.gtext,
                     {x.concrete, kCodeFactor},
                     {g::kBetaTNumerator, kCodeFactor},
                     {beta_t, kRatio},
                     {t.fc, U::nmm2_1},
                     {t.b, U::mm},
                     {t.ho, U::mm},
                     {t.lambda, kRatio},
                     {g::kShearSpanShift, kCodeFactor},
                     {t.S, U::mm},
                     {x.stirrups, kCodeFactor},
                     {t.fyv, U::nmm2},
                     {gbj11_89::kGammaReShear, kCodeFactor}};
  r.Sp(6).Put(x.head).Line(0, "腹板的受扭承载力应按下列公式计算：");
  r.Line(6, "剪扭构件的受剪承载力：");
  r.Line(8, x.capacity, subs);
  r.Line(6, x.solved, subs);
  r.Sp(8).Put(x.vals, subs).Put(" ＝ $0", {{Asv, U::mm2d}});
  if (Asv < 0) r.Put(" ＜ 0，仅需按构造配筋");
  r.End();
}

// One part (the web, or a flange) for its torque share.
struct PartSpec {
  std::string_view sfx;           // "", "f", "f'": the names Ast1·, Astl·
  std::string_view Tname, Wname;  // its torque and modulus
  double T = 0, W = 0;
  double beta_t = -1;                    // below 0: pure torsion
  double width = 0, web = 0, depth = 0;  // core (width − web − 2c)·(depth − 2c); web 0 for the web
};

struct Part {
  bool ok = false;  // the core exists and the formulas ran
  double bcor = 0, hcor = 0, Acor = 0, Ast1_raw = 0, Ucor = 0;
  double Ast1 = 0, Astl = 0;
};

void ReportPartForm(Report& r, const TorsionCase& t, const PartSpec& p, const Part& o) {
  const bool with_beta = p.beta_t >= 0;
  r.Line(6, "$0 ≤ $3 * $4ft * $1 + $5 * ζ ^ 0.5 * fyv * $2 * Acor / S",
         {p.Tname,
          p.Wname,
          "Ast1" + std::string(p.sfx),
          {g::kTorsionConcrete, kCodeFactor},
          with_beta ? "βt * " : "",
          {g::kTorsionStirrups, kCodeFactor}});
  r.Line(6,
         p.web > 0 ? "Acor ＝ bcor * hcor ＝ ($0-$3-2*$1)*($2-2*$1) ＝ $4"
                   : "Acor ＝ bcor * hcor ＝ ($0-2*$1)*($2-2*$1) ＝ $4",
         {{p.width, U::mm}, {t.c, U::mm}, {p.depth, U::mm}, {p.web, U::mm}, {o.Acor, U::mm2d}});
}

void ReportPartSteel(Report& r, const TorsionCase& t, const PartSpec& p, const Part& o) {
  const bool with_beta = p.beta_t >= 0;
  const std::string Ast1 = "Ast1" + std::string(p.sfx), Astl = "Astl" + std::string(p.sfx);
  const Sub zeta{kZeta, kZetaPattern};
  r.Line(6, "$0 ＝ ($1 - $3 * $4ft * $2) * S / $5 / ζ ^ 0.5 / fyv / Acor",
         {Ast1,
          p.Tname,
          p.Wname,
          {g::kTorsionConcrete, kCodeFactor},
          with_beta ? "βt * " : "",
          {g::kTorsionStirrups, kCodeFactor}});
  r.Sp(8).Put(with_beta ? "＝ ($0-$1*$2*$3*$4)*$5/$6/$7^0.5/$8/$9 ＝ ${10}"
                        : "＝ ($0-$1*$3*$4)*$5/$6/$7^0.5/$8/$9 ＝ ${10}",
              {{p.T, U::nmm},
               {g::kTorsionConcrete, kCodeFactor},
               {p.beta_t, kRatio},
               {t.ft, U::nmm2_2},
               {p.W, U::mm3},
               {t.S, U::mm},
               {g::kTorsionStirrups, kCodeFactor},
               zeta,
               {t.fyv, U::nmm2},
               {o.Acor, U::mm2},
               {o.Ast1_raw, U::mm2d}});
  if (o.Ast1_raw < 0) r.Put(" ＜ 0，仅需按构造配筋");
  r.End();
  r.Line(6, "Ucor ＝ 2 * (bcor + hcor) ＝ 2*($0+$1) ＝ $2",
         {{o.bcor, U::mm}, {o.hcor, U::mm}, {o.Ucor, U::mmd}});
  r.Line(6, "由 ζ ＝ fy * $0 * S / (fyv * $1 * Ucor) ＝ $2 可得：", {Astl, Ast1, zeta});
  r.Line(6, "$0 ＝ fyv * $1 * Ucor * ζ / fy / S ＝ $2*$3*$4*$5/$6/$7 ＝ $8",
         {Astl,
          Ast1,
          {t.fyv, U::nmm2},
          {o.Ast1, U::mm2},
          {o.Ucor, U::mm},
          zeta,
          {t.fy, U::nmm2},
          {t.S, U::mm},
          {o.Astl, U::mm2d}});
}

// GBJ 10-89 eq. 4.4.3-1 (pure torsion) or 4.4.4-3 with βt (torsion with shear), then the
// longitudinal steel from ζ (eq. 4.4.3-2). A core without size stops the part with code 3339.
Part DesignPart(Call& k, const TorsionCase& t, const PartSpec& p) {
  Part o;
  o.bcor = (p.width - p.web) - 2 * t.c;
  o.hcor = p.depth - 2 * t.c;
  o.Acor = o.bcor * o.hcor;
  ReportPartForm(k.r, t, p, o);
  if (o.bcor <= 0 || o.hcor <= 0) {
    Fail(k, code::kCore,
         "箍筋内表面范围内截面核心部分的尺寸 bcor ＝ " + Fmt(k, o.bcor, "mmd") + "、hcor ＝ " +
             Fmt(k, o.hcor, "mmd") + "，应大于0");
    return o;
  }
  const double beta_t = p.beta_t >= 0 ? p.beta_t : 1.0;
  o.Ast1_raw = g::TorsionStirrupLeg(p.T, beta_t, t.ft, p.W, t.S, kZeta, t.fyv, o.Acor);
  o.Ast1 = std::max(o.Ast1_raw, 0.0);
  o.Ucor = g::CorePerimeter(o.bcor, o.hcor);
  o.Astl = g::TorsionLongitudinal(t.fyv, o.Ast1, o.Ucor, kZeta, t.fy, t.S);
  ReportPartSteel(k.r, t, p, o);
  o.ok = true;
  return o;
}

// What the design found for the web and the flanges.
struct Design {
  double Asv = 0;  // web stirrups for shear in this stage (all legs)
  Part web, flange_t, flange_c;
};

// The web for shear and torsion, or pure torsion, or shear alone (GBJ 10-89 art. 4.4.3 to 4.4.7),
// then the flanges in pure torsion for their shares (art. 4.4.6).
Design DesignForTorsion(Call& k, const TorsionCase& t, const Moduli& m, const Shares& s,
                        double beta_t) {
  Report& r = k.r;
  Design d;
  const Neglect n = NeglectLimits(t, m.Wt);
  ReportNeglect(r, t, m.Wt, n);
  const bool rect = t.shape == SectionShape::Rect;
  PartSpec web{"", rect ? "T" : "Tw", rect ? "Wt" : "Wtw", s.Tw, m.Wtw, -1, t.b, 0, t.h};
  if (!n.torsion_counted) {
    // Shear alone governs the web stirrups: the shear stage's design.
    d.Asv = k.shear_Asv;
    r.Line(6, "可不进行受扭承载力计算，腹板箍筋按受剪计算取 Asv ＝ $0", {{d.Asv, U::mm2d}});
    return d;
  }
  if (!n.shear_counted) {
    r.Line(6, "纯扭构件腹板的受扭承载力应按下列公式计算：");
  } else {
    const double Asv = ShearStirrupsWithTorsion(t, beta_t);
    ReportShearStirrups(r, t, beta_t, Asv);
    d.Asv = std::max(Asv, 0.0);
    r.Line(6, "剪扭构件的受扭承载力：");
    web.beta_t = beta_t;
  }
  d.web = DesignPart(k, t, web);
  if (t.tens_flange && m.bf > t.b) {
    r.Line(6, t.shape == SectionShape::ISym ? "受拉及受压翼缘的受扭承载力应按下列公式计算："
                                            : "受拉翼缘的受扭承载力应按下列公式计算：");
    d.flange_t = DesignPart(k, t, {"f", "Tf", "Wtf", s.Tf, m.Wtf, -1, m.bf, t.b, m.hf});
  }
  if (t.comp_flange && m.bf1 > t.b) {
    r.Line(6, "受压翼缘的受扭承载力应按下列公式计算：");
    d.flange_c = DesignPart(k, t, {"f'", "Tf'", "Wtf'", s.Tf1, m.Wtf1, -1, m.bf1, t.b, m.hf1});
  }
  return d;
}

// Minimum ratios (GBJ 10-89 art. 4.4.8 and 4.4.9) with the βt of the section, also when shear
// was neglected: then βt is near its upper bound 1.0, the pure-torsion value.
struct Minimums {
  double rho_sv = 0, rho_tl = 0;
};

void ReportMinimumRatios(Report& r, const TorsionCase& t, double beta_t, const Minimums& mn) {
  const Subs subs = {{beta_t, kRatio},
                     {t.fc, U::nmm2_1},
                     {t.fyv, U::nmm2},
                     {t.fy, U::nmm2},
                     {mn.rho_sv, U::percent},
                     {mn.rho_tl, U::percent},
                     {g::kMinStirrupRatio, kCodeFactor},
                     {g::kMinStirrupsTorsionSlope, kCodeFactor},
                     {g::kMinStirrupsTorsionOffset, kCodeFactor},
                     {g::kMinLongitudinalTorsion, kCodeFactor}};
  r.Line(6, "剪扭构件中箍筋和纵筋的最小配筋面积：");
  r.Line(6, "箍筋最小配筋率 ρsv,min ＝ $6α * fc / fyv ＝ ($7βt - $8) * fc / fyv", subs);
  r.Line(8, "＝ ($7*$0-$8)*$1/$2 ＝ $4", subs);
  r.Line(6, "受扭纵筋最小配筋率 ρtl,min ＝ $9 * (2 * βt - 1) * fc / fy", subs);
  r.Line(8, "＝ $9*(2*$0-1)*$1/$3 ＝ $5", subs);
}

// A flange held to its minimums; the lines name the flange and its steel.
void FlangeMinimums(Report& r, const TorsionCase& t, const Minimums& mn, bool tension, Part& p,
                    double w, double hh) {
  const std::string_view who =
      tension ? (t.shape == SectionShape::ISym ? "受拉及受压翼缘" : "受拉翼缘") : "受压翼缘";
  const std::string_view s1 = tension ? "Ast1f" : "Ast1f'", sl = tension ? "Astlf" : "Astlf'";
  const double a_min = mn.rho_sv * (w - t.b) * t.S, l_min = mn.rho_tl * hh * (w - t.b);
  const Subs subs = {who,
                     s1,
                     sl,
                     {mn.rho_sv, kMinRatio},
                     {mn.rho_tl, kMinRatio},
                     {w, U::mm},
                     {t.b, U::mm},
                     {t.S, U::mm},
                     {hh, U::mm},
                     {a_min, U::mm2d},
                     {l_min, U::mm2d},
                     {kLegOfMinimum, kCodeFactor}};
  r.Line(6,
         tension ? "$0箍筋最小配筋面积$1,min ＝ ρsv,min * (bf - b) * S ＝ $3*($5-$6)*$7 ＝ $9"
                 : "$0箍筋最小配筋面积$1,min ＝ ρsv,min * (bf' - b) * S ＝ $3*($5-$6)*$7 ＝ $9",
         subs);
  if (p.Ast1 < kLegOfMinimum * a_min) {
    p.Ast1 = kLegOfMinimum * a_min;
    r.Line(8, "$0 ＜ $2 * $0,min， 取$0 ＝ $1",
           {s1, {p.Ast1, U::mm2d}, {kLegOfMinimum, kCodeFactor}});
  }
  r.Line(6,
         tension ? "$0受扭纵筋最小配筋面积Astlf,min ＝ ρtl,min * hf * (bf - b) ＝ $4*$8*($5-$6) ＝ "
                   "${10}"
                 : "$0受扭纵筋最小配筋面积Astl',min ＝ ρtl,min * hf' * (bf' - b) ＝ "
                   "$4*$8*($5-$6) ＝ ${10}",
         subs);
  if (p.Astl < l_min) {
    p.Astl = l_min;
    r.Line(8, "$0 ＜ $0,min， 取$0 ＝ $1", {sl, {p.Astl, U::mm2d}});
  }
}

// The web steel held to its minimums, the flanges too, and the stage's outputs.
void ApplyMinimums(Call& k, const TorsionCase& t, const Moduli& m, double beta_t, Design& d) {
  Report& r = k.r;
  const double b = t.b, S = t.S;
  const Minimums mn{g::MinStirrupRatioTorsion(beta_t, t.fc, t.fyv),
                    g::MinLongitudinalRatioTorsion(beta_t, t.fc, t.fy)};
  ReportMinimumRatios(r, t, beta_t, mn);

  const double Ast1 = d.web.Ast1;
  double Astl = d.web.Astl;
  double Asvt = d.Asv + 2 * Ast1;
  r.Line(6, "腹板箍筋计算配筋面积Asvt ＝ Asv + 2 * Ast1 ＝ $0+2*$1 ＝ $2",
         {{d.Asv, U::mm2}, {Ast1, U::mm2}, {Asvt, U::mm2d}});
  const double Asvt_min = mn.rho_sv * b * S;
  r.Line(6, "腹板箍筋最小配筋面积Asvt,min ＝ ρsv,min * b * S ＝ $0*$1*$2 ＝ $3",
         {{mn.rho_sv, kMinRatio}, {b, U::mm}, {S, U::mm}, {Asvt_min, U::mm2d}});
  if (Asvt < Asvt_min) {
    Asvt = Asvt_min;
    r.Line(8, "Asvt ＜ Asvt,min， 取Asvt ＝ $0", {{Asvt, U::mm2d}});
  }
  // One leg of the torsion stirrup may need a thicker bar than the shear detailing asks for.
  if (Ast1 > 0) {
    const double dia = modKalbex::Material().dGjDiameterFromAs(Ast1, int16_t{1});
    if (dia > k.Dmin) {
      k.Dmin = fault::to_float(dia);
      r.Line(6, "按受扭计算 Ast1 ＝ $0， 箍筋最小直径$1$2  （@$3）",
             {{Ast1, U::mm2d}, kPhi, {dia, U::mm}, {S, U::mm}});
    }
  }
  const double Astl_min = mn.rho_tl * b * t.h;
  r.Line(6, "腹板受扭纵筋最小配筋面积Astl,min ＝ ρtl,min * b * h ＝ $0*$1*$2 ＝ $3",
         {{mn.rho_tl, kMinRatio}, {b, U::mm}, {t.h, U::mm}, {Astl_min, U::mm2d}});
  if (Astl < Astl_min) {
    Astl = Astl_min;
    r.Line(8, "Astl ＜ Astl,min， 取Astl ＝ $0", {{Astl, U::mm2d}});
  }
  if (t.tens_flange && m.bf > b) FlangeMinimums(r, t, mn, true, d.flange_t, m.bf, m.hf);
  if (t.comp_flange && m.bf1 > b) FlangeMinimums(r, t, mn, false, d.flange_c, m.bf1, m.hf1);

  k.Ast1 = Ast1;
  k.AstL = Astl;
  k.Asvt = Asvt;
  r.Line(6, "腹板：箍筋Asvt ＝ $0（其中单肢受扭箍筋Ast1 ＝ $1），受扭纵筋Astl ＝ $2",
         {{Asvt, U::mm2d}, {Ast1, U::mm2d}, {Astl, U::mm2d}});
}

}  // namespace

void CalTAst(Call& k) {
  k.Ast1 = k.AstL = k.Asvt = 0;
  TorsionCase t = StageCase(k);
  const double c_raw = k.as - kStirrupInset;
  t.c = std::max(c_raw, 0.0);
  if (t.concentrated) t.lambda = g::ShearSpanRatioBounded(g::ShearSpanRatio(k.a, t.ho));
  // Stirrup strength above 310 N/mm² is not counted (GBJ 10-89 art. 4.2.3).
  t.fyv = std::min(k.Fyv, g::kFyvMax);
  ReportStageInputs(k.r, t, k.as, c_raw);
  // An as below 10 mm leaves no room for a stirrup: the core is the whole section.
  if (c_raw < 0)
    Note(k, code::kSmallAs,
         "纵筋合力点至近边距离as ＝ " + Fmt(k, k.as, "mmd") + " ＜ " +
             FormatNumber(kStirrupInset, kWhole) + " mm，取 c ＝ 0");

  const Moduli m = TorsionModuli(k, t);
  ReportModuli(k.r, t, m);
  const Shares s = TorqueShares(t, m);
  ReportShares(k.r, t, m, s);
  const BetaT bt = TorsionBeta(t, m.Wt);
  ReportBeta(k.r, t, m.Wt, bt);

  Design d;
  CheckWebRatio(k, t);
  if (!CheckCombinedStress(k, t, m.Wt)) d = DesignForTorsion(k, t, m, s, bt.value);
  ApplyMinimums(k, t, m, bt.value, d);
}

}  // namespace tk::mvt
