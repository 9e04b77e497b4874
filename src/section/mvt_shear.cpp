// Shear stage of clsMVT: stirrups Asv for the design shear, or the shear capacity, with the
// detailing minimums and the section check. GBJ 10-89 clauses 4.2 and 7.2.9 (ordinary beams),
// GBJ 11-89 clauses 6.2 and 6.3 (frame beams with earthquake action).
#include <algorithm>
#include <string>
#include <string_view>

#include "codes/gbj10_89.h"
#include "codes/gbj11_89.h"
#include "codes/section_shape.h"
#include "frame/fault.h"
#include "frame/numfmt.h"
#include "frame/report.h"
#include "section/mvt_stages.h"

namespace tk::mvt {

namespace {

using gbj10_89::kShearSpanShift;
using gbj11_89::kGammaReShear;

enum class Form { SeismicConcentrated, Seismic, Concentrated, Ordinary };

// The numbers every step of the shear stage uses.
struct ShearCase {
  double ho, b, fc, S, fyv = 0;
  double gamma_o = 1, gamma_re = 1;
  std::string_view gtext{};
  bool seismic = false;
  Form form = Form::Ordinary;
  double lambda = 0;
  std::string fcbho{};  // "fc*b*ho" with the numbers, as every form repeats it
};

// Shear span ratio of a concentrated load, GBJ 10-89 4.2.3: 1.4 ≤ λ ≤ 3.
double ShearSpanRatio(Call& k, double ho) {
  const double worked = gbj10_89::ShearSpanRatio(k.a, ho);
  k.r.Put("      λ ＝ a / ho ＝ $0/$1 ＝ $2", {{k.a, U::mm}, {ho, U::mm}, {worked, "#0.000"}});
  const double lambda = gbj10_89::ShearSpanRatioBounded(worked);
  std::string_view bound;
  if (lambda > worked)
    bound = " ＜ $0，取 λ ＝ $0";
  else if (lambda < worked)
    bound = " ＞ $0，取 λ ＝ $0";
  k.r.Line(0, bound, {{lambda, "0.0"}});
  return lambda;
}

struct Detailing {
  double Dmin = 0, Smax = 0, AsvMin = 0;
};

// The minimum stirrup area by ratio, symbolic and with its numbers.
void MinStirrupAreaLines(Report& r, double coef, const ShearCase& c, double AsvMin) {
  r.Line(8, "最小配箍面积Asvmin＝ ($0 * Fc / Fyv) * b * S", {{coef, kCodeFactor}});
  r.Line(10, "＝ ($0*$1/$2)*$3*$4 ＝ $5",
         {{coef, kCodeFactor},
          {c.fc, U::nmm2_1},
          {c.fyv, U::nmm2},
          {c.b, U::mm},
          {c.S, U::mm},
          {AsvMin, U::mm2d}});
}

// GBJ 11-89 6.3.6 and 6.3.7, by frame grade.
Detailing FrameDetailing(Call& k, const ShearCase& c) {
  Report& r = k.r;
  const int16_t grade = k.iSecPos;
  const gbj11_89::FrameStirrups& row = gbj11_89::FrameStirrupsOfGrade(grade);
  Detailing d;
  r.Line(6, "$0级框架梁构造要求：", {GradeText(grade)});
  d.Smax = gbj11_89::FrameStirrupSpacing(grade, k.h);
  r.Line(8, "加密区箍筋最大间距Smax'＝ Min{$0, h / 4} ＝ $1",
         {{row.smax_cap / 2, "0"}, {d.Smax / 2, U::mmd}});
  r.Line(8, "非加密区箍筋最大间距Smax＝ 2 * Smax' ＝ $0", {{d.Smax, U::mmd}});
  d.Dmin = gbj11_89::FrameStirrupDiameter(grade, k.rho);
  r.Put("        箍筋最小直径Dmin＝$0", {{d.Dmin, U::mmd}});
  if (d.Dmin > row.Dmin)  // the heavier bar for more than 2 % tension steel
    r.Put("    （ρ ＝ $0 ＞ $1%）", {{k.rho, U::percent}, {gbj11_89::kHeavySteelRatio * 100, "0"}});
  r.End();
  d.AsvMin = gbj10_89::MinStirrupArea(row.coef, c.fc, c.fyv, c.b, c.S);
  MinStirrupAreaLines(r, row.coef, c, d.AsvMin);
  return d;
}

// The height band of GBJ 10-89 7.2.9 as the report names it; $0 and $1 are its bounds. The
// second band reads "H" when the shear is above 0.07·fc·b·ho.
std::string_view BandForm(int band, bool low) {
  static constexpr std::string_view kForms[] = {
      "、h ≤ $1（mm）构造要求：", "、$0 ＜ h ≤ $1（mm）构造要求：",
      "、$0 ＜ h ≤ $1（mm）构造要求：", "、$0 ＜ h ≤ $1（mm）构造要求：",
      "、h ＞ $0（mm）构造要求："};
  if (band == 1 && !low) return "、$0 ＜ H ≤ $1（mm）构造要求：";
  return kForms[band];
}

// GBJ 10-89 7.2.9 and 7.2.10, by the design shear entered (also in mode 1, where V is the shear
// the beam is meant to carry).
Detailing BeamDetailing(Call& k, const ShearCase& c, double Vd, double V0) {
  Report& r = k.r;
  const double demand = Vd * c.gamma_re;
  const bool low = demand <= V0;
  r.Line(6, "$0 * fc * b * ho ＝ $0*$1*$2*$3 ＝ $4 $5 V$6 ＝ $7",
         {{gbj10_89::kShearConcrete, kCodeFactor},
          {c.fc, U::nmm2_1},
          {c.b, U::mm},
          {c.ho, U::mm},
          {V0, U::nd},
          low ? "≥" : "＜",
          c.gtext,
          {demand, U::nd}});
  const int band = gbj10_89::StirrupBandOf(k.h);
  const gbj10_89::StirrupBand& row = gbj10_89::kStirrupBands[band];
  const double lower = band > 0 ? gbj10_89::kStirrupBands[band - 1].h_max : 0;
  Detailing d;
  d.Dmin = row.Dmin;
  d.Smax = low ? row.smax_low : row.smax_high;
  r.Put("      当 V$0 $1 $2 * fc * b * ho",
        {c.gtext, low ? "≤" : "＞", {gbj10_89::kShearConcrete, kCodeFactor}});
  r.Line(0, BandForm(band, low), {{lower, "0"}, {row.h_max, "0"}});
  r.Line(8, "箍筋最小直径Dmin＝$0，箍筋最大间距Smax＝$1", {{d.Dmin, U::mmd}, {d.Smax, U::mmd}});
  if (!low) {
    d.AsvMin = gbj10_89::MinStirrupArea(gbj10_89::kMinStirrupRatio, c.fc, c.fyv, c.b, c.S);
    MinStirrupAreaLines(r, gbj10_89::kMinStirrupRatio, c, d.AsvMin);
  }
  return d;
}

Detailing ShearDetailing(Call& k, const ShearCase& c, double Vd, double V0) {
  Report& r = k.r;
  Detailing d;
  k.detailing = k.iSecPos >= 1 && k.iSecPos <= 5;
  if (IsFrame(k.iSecPos)) {
    d = FrameDetailing(k, c);
  } else if (k.iSecPos == 5) {
    d = BeamDetailing(k, c, Vd, V0);
  } else {
    // No detailing rules for other positions: Dmin, Smax and Asvmin return 0.
    r.Line(6, "截面位置未规定构造要求，不作箍筋构造验算");
  }
  if (k.detailing) {
    const double asv_d = gbj10_89::DetailingStirrupArea(d.Dmin, c.S, d.Smax);
    r.Line(6, "Dmin、Smax的配箍面积Asv#＝ Dmin ^ 2 * π / 4 * S / Smax ＝ $0^2*$1/4*$2/$3 ＝ $4",
           {{d.Dmin, U::mm},
            {gbj10_89::kPiSingle, "0.0000"},
            {c.S, U::mm},
            {d.Smax, U::mm},
            {asv_d, U::mm2d}});
    d.AsvMin = std::max(d.AsvMin, asv_d);
    r.Line(6, "最小配箍面积Asvmin＝ $0", {{d.AsvMin, U::mm2d}});
  }
  return d;
}

// The governing relation of the form (GBJ 11-89 eq. 6.2.9-2 and 6.2.9-1, GBJ 10-89 eq. 4.2.3-3
// and 4.2.3-2) under its heading.
void FormLines(Report& r, const ShearCase& c) {
  static constexpr std::string_view kHeading[] = {
      "集中荷载作用下、考虑地震作用组合的框架梁，其斜截面受剪承载力应满足：",
      "考虑地震作用组合的框架梁，其斜截面受剪承载力按下列公式计算：",
      "对集中荷载作用下的受弯构件，其斜截面受剪承载力应按下列公式计算：",
      "一般受弯构件，其斜截面受剪承载力按下列公式计算："};
  r.Line(6, kHeading[static_cast<int>(c.form)]);
  switch (c.form) {
    case Form::SeismicConcentrated:
      r.Line(6, "V ≤ [$0 * fc * b * ho / (λ + $1) + fyv * Asv / S * ho] / γRE",
             {{gbj11_89::kShearConcreteConcentrated, kCodeFactor}, {kShearSpanShift, kCodeFactor}});
      break;
    case Form::Seismic:
      r.Line(6, "V ≤ ($0 * fc * b * ho + $1 * fyv * Asv / S * ho) / γRE",
             {{gbj11_89::kShearConcrete, kCodeFactor}, {gbj11_89::kShearStirrups, kCodeFactor}});
      break;
    case Form::Concentrated:
      r.Line(6, "V$0 ≤ $1fc * b * ho / (λ + $2) + $3fyv * Asv / S * ho",
             {c.gtext,
              {gbj10_89::kShearConcreteConcentrated, kCodeFactor},
              {kShearSpanShift, kCodeFactor},
              {gbj10_89::kShearStirrupsConcentrated, kCodeFactor}});
      break;
    case Form::Ordinary:
      r.Line(6, "V$0 ≤ $1 * fc * b * ho + $2 * fyv * Asv / S * ho",
             {c.gtext,
              {gbj10_89::kShearConcrete, kCodeFactor},
              {gbj10_89::kShearStirrups, kCodeFactor}});
      break;
  }
}

// The concrete part of the form, N, written as "<formula> ＝ <numbers> ＝ Vc" without a line end.
double ConcreteShear(Report& r, const ShearCase& c, double V0) {
  const double fc = c.fc, b = c.b, ho = c.ho, lambda = c.lambda;
  double Vc = V0;
  switch (c.form) {
    case Form::SeismicConcentrated:
      Vc = gbj11_89::ShearConcreteSeismicConcentrated(fc, b, ho, lambda);
      r.Put("      $0 * fc * b * ho / (λ + $1) / γRE ＝ $0*$2/($3+$1)/$4 ＝ $5",
            {{gbj11_89::kShearConcreteConcentrated, kCodeFactor},
             {kShearSpanShift, kCodeFactor},
             c.fcbho,
             {lambda, "#0.000"},
             {kGammaReShear, kCodeFactor},
             {Vc, U::nd}});
      break;
    case Form::Seismic:
      Vc = gbj11_89::ShearConcreteSeismic(fc, b, ho);
      r.Put("      $0 * fc * b * ho / γRE ＝ $0*$1/$2 ＝ $3",
            {{gbj11_89::kShearConcrete, kCodeFactor},
             c.fcbho,
             {kGammaReShear, kCodeFactor},
             {Vc, U::nd}});
      break;
    case Form::Concentrated:
      Vc = gbj10_89::ShearConcreteConcentrated(fc, b, ho, lambda);
      r.Put("      $0fc * b * ho / (λ + $1) ＝ $0*$2/($3+$1) ＝ $4",
            {{gbj10_89::kShearConcreteConcentrated, kCodeFactor},
             {kShearSpanShift, kCodeFactor},
             c.fcbho,
             {lambda, "#0.000"},
             {Vc, U::nd}});
      break;
    case Form::Ordinary:
      r.Put("      $0 * fc * b * ho ＝ $0*$1 ＝ $2",
            {{gbj10_89::kShearConcrete, kCodeFactor}, c.fcbho, {Vc, U::nd}});
      break;
  }
  return Vc;
}

// The stirrups the demand Vd needs beyond the concrete part, in the form's own equation. The
// area is worked after its numbers are written, so that a fault leaves them in the report.
double StirrupsForDemand(Call& k, const ShearCase& c, double Vd, double V0) {
  Report& r = k.r;
  const double fc = c.fc, b = c.b, ho = c.ho, S = c.S, fyv = c.fyv, lambda = c.lambda;
  const double demand = Vd * c.gamma_re;
  double Asv = 0;
  switch (c.form) {
    case Form::SeismicConcentrated:
      r.Line(6, "Asv ＝ [V * γRE - $0 * fc * b * ho / (λ + $1)] * S / fyv / ho",
             {{gbj11_89::kShearConcreteConcentrated, kCodeFactor}, {kShearSpanShift, kCodeFactor}});
      r.Put("        ＝ [$0*$1-$2*$3/($4+$5)]*$6/$7/$8",
            {{Vd, U::n},
             {kGammaReShear, kCodeFactor},
             {gbj11_89::kShearConcreteConcentrated, kCodeFactor},
             c.fcbho,
             {lambda, "#0.000"},
             {kShearSpanShift, kCodeFactor},
             {S, U::mm},
             {fyv, U::nmm2},
             {ho, U::mm}});
      Asv = gbj11_89::StirrupsForShearSeismicConcentrated(Vd, fc, b, ho, lambda, S, fyv);
      break;
    case Form::Seismic:
      r.Line(6, "Asv ＝ (V * γRE - $0 * fc * b * ho) * S / ($1 * fyv * ho)",
             {{gbj11_89::kShearConcrete, kCodeFactor}, {gbj11_89::kShearStirrups, kCodeFactor}});
      r.Put("        ＝ ($0*$1-$2*$3)*$4/($5*$6*$7)", {{Vd, U::n},
                                                       {kGammaReShear, kCodeFactor},
                                                       {gbj11_89::kShearConcrete, kCodeFactor},
                                                       c.fcbho,
                                                       {S, U::mm},
                                                       {gbj11_89::kShearStirrups, kCodeFactor},
                                                       {fyv, U::nmm2},
                                                       {ho, U::mm}});
      Asv = gbj11_89::StirrupsForShearSeismic(Vd, fc, b, ho, S, fyv);
      break;
    case Form::Concentrated:
      r.Line(6, "Asv ＝ [V$0 - $1fc * b * ho / (λ + $2)] * S / ($3fyv * ho)",
             {c.gtext,
              {gbj10_89::kShearConcreteConcentrated, kCodeFactor},
              {kShearSpanShift, kCodeFactor},
              {gbj10_89::kShearStirrupsConcentrated, kCodeFactor}});
      r.Put("        ＝ [$0-$1*$2/($3+$4)]*$5/($6*$7*$8)",
            {{demand, U::n},
             {gbj10_89::kShearConcreteConcentrated, kCodeFactor},
             c.fcbho,
             {lambda, "#0.000"},
             {kShearSpanShift, kCodeFactor},
             {S, U::mm},
             {gbj10_89::kShearStirrupsConcentrated, kCodeFactor},
             {fyv, U::nmm2},
             {ho, U::mm}});
      Asv = gbj10_89::StirrupsForShearConcentrated(demand, fc, b, ho, lambda, S, fyv);
      break;
    case Form::Ordinary:
      r.Line(6, "Asv ＝ (V$0 - $1 * fc * b * ho) * S / ($2 * fyv * ho)",
             {c.gtext,
              {gbj10_89::kShearConcrete, kCodeFactor},
              {gbj10_89::kShearStirrups, kCodeFactor}});
      r.Put("        ＝ ($0-$1*$2)*$3/($4*$5*$6)", {{demand, U::n},
                                                    {gbj10_89::kShearConcrete, kCodeFactor},
                                                    c.fcbho,
                                                    {S, U::mm},
                                                    {gbj10_89::kShearStirrups, kCodeFactor},
                                                    {fyv, U::nmm2},
                                                    {ho, U::mm}});
      Asv = gbj10_89::StirrupsForShear(demand, V0, S, fyv, ho);
      break;
  }
  r.Line(0, " ＝ $0", {{Asv, U::mm2d}});
  return Asv;
}

// The shear the stirrups Asv_in give with the concrete, N, written after "V ＝ " with its
// numbers and without a line end. Worked after its numbers are written, as StirrupsForDemand.
double ShearCapacity(Call& k, const ShearCase& c, double V0) {
  Report& r = k.r;
  const double fc = c.fc, b = c.b, ho = c.ho, fyv = c.fyv, lambda = c.lambda;
  const std::string fyv_ho = Fmt(k, fyv, "n/mm2") + "*" + Fmt(k, k.Asv_in, "mm2") + "/" +
                             Fmt(k, c.S, "mm") + "*" + Fmt(k, ho, "mm");
  r.Put("      V ＝ ");
  const double asv_s = fault::div(k.Asv_in, c.S);
  double Vcap = 0;
  switch (c.form) {
    case Form::SeismicConcentrated:
      r.Put("[$0*$1/($2+$3)+$4]/$5", {{gbj11_89::kShearConcreteConcentrated, kCodeFactor},
                                      c.fcbho,
                                      {lambda, "#0.000"},
                                      {kShearSpanShift, kCodeFactor},
                                      fyv_ho,
                                      {kGammaReShear, kCodeFactor}});
      Vcap = gbj11_89::ShearCapacitySeismicConcentrated(fc, b, ho, lambda, fyv, asv_s);
      break;
    case Form::Seismic:
      r.Put("($0*$1+$2*$3)/$4", {{gbj11_89::kShearConcrete, kCodeFactor},
                                 c.fcbho,
                                 {gbj11_89::kShearStirrups, kCodeFactor},
                                 fyv_ho,
                                 {kGammaReShear, kCodeFactor}});
      Vcap = gbj11_89::ShearCapacitySeismicAsvFirst(fc, b, ho, fyv, asv_s);
      break;
    case Form::Concentrated:
      // Ordinary forms: the capacity over γo (1 with earthquake action).
      r.Put("($0*$1/($2+$3)+$4*$5)", {{gbj10_89::kShearConcreteConcentrated, kCodeFactor},
                                      c.fcbho,
                                      {lambda, "#0.000"},
                                      {kShearSpanShift, kCodeFactor},
                                      {gbj10_89::kShearStirrupsConcentrated, kCodeFactor},
                                      fyv_ho});
      if (c.gamma_o != 1) r.Put("/$0", {{c.gamma_o, kWorkedFactor}});
      Vcap = gbj10_89::ShearCapacityConcentrated(fc, b, ho, lambda, fyv, asv_s, c.gamma_o);
      break;
    case Form::Ordinary:
      r.Put("($0*$1+$2*$3)", {{gbj10_89::kShearConcrete, kCodeFactor},
                              c.fcbho,
                              {gbj10_89::kShearStirrups, kCodeFactor},
                              fyv_ho});
      if (c.gamma_o != 1) r.Put("/$0", {{c.gamma_o, kWorkedFactor}});
      Vcap = gbj10_89::ShearCapacityOrdinary(V0, fyv, asv_s, ho, c.gamma_o);
      break;
  }
  return Vcap;
}

// GBJ 11-89 eq. 6.2.9-3 / GBJ 10-89 eq. 8.3.3: the section of a frame beam with earthquake
// action. False when the section is too small (the stage has failed).
bool SeismicSectionCheck(Call& k, const ShearCase& c, double Vd) {
  Report& r = k.r;
  const double limit = gbj11_89::ShearSectionLimitSeismic(c.fc, c.b, c.ho);
  const std::string factor = FormatNumber(gbj11_89::kShearSection, kCodeFactor);
  r.Line(6, "考虑地震作用组合的框架梁，其受剪截面应符合混凝土规范公式（8.3.3）的规定：");
  r.Line(6, "V ≤ $0 * fc * b * ho / γRE", {factor});
  r.Put("      $0 * fc * b * ho / γRE ＝ $0*$1/$2 ＝ $3",
        {factor, c.fcbho, {kGammaReShear, kCodeFactor}, {limit, U::nd}});
  if (limit < Vd) {
    r.End();
    const double ratio = gbj10_89::ShearSectionRatio(Vd * kGammaReShear, c.fc, c.b, c.ho);
    Fail(k, code::kShearSeismic,
         Fmt(k, limit, "nd") + " ＜ V ＝ " + Fmt(k, Vd, "nd") + "，受剪截面尺寸不足",
         "V * γRE / (fc * b * ho) ＝ " + FormatNumber(ratio, "#0.000") + " ＞ " + factor +
             "，受剪截面尺寸不足");
    return false;
  }
  r.Line(0, " ≥ V ＝ $0", {{Vd, U::nd}});
  return true;
}

// The web height hw of GBJ 10-89 art. 4.2.1 with its numbers.
double WebHeightLine(Call& k, double ho) {
  const double hw = WebHeight(k.shape, k.h, ho, k.hf, k.hf1);
  std::string_view form = "      hw ＝ ho ＝ $3";
  switch (k.shape) {
    case SectionShape::Rect:
      break;
    case SectionShape::InvT:
      form = "      hw ＝ h - hf ＝ $0-$1 ＝ $3";
      break;
    case SectionShape::T:
    case SectionShape::InvL:
      form = "      hw ＝ h - hf' ＝ $0-$2 ＝ $3";
      break;
    case SectionShape::ISym:
    case SectionShape::IUnsym:
      form = "      hw ＝ h - hf - hf' ＝ $0-$1-$2 ＝ $3";
      break;
  }
  k.r.Line(0, form, {{k.h, U::mm}, {k.hf, U::mm}, {k.hf1, U::mm}, {hw, U::mmd}});
  return hw;
}

// GBJ 10-89 eq. 4.2.1: the section of other members. False when the section is too small.
bool OrdinarySectionCheck(Call& k, const ShearCase& c, double Vd) {
  using namespace gbj10_89;
  Report& r = k.r;
  const double hw = WebHeightLine(k, c.ho);
  r.Line(6, "$0受弯构件，其受剪截面应符合下式条件：", {SectionShapeName(k.shape)});
  const double ratio_hw = fault::div(hw, c.b);
  const double beta = ShearSectionFactor(ratio_hw);
  if (ratio_hw <= kShearSectionStockyRatio || ratio_hw >= kShearSectionSlenderRatio) {
    const bool stocky = ratio_hw <= kShearSectionStockyRatio;
    r.Line(6, "当 hw / b $0 $1 时，V$2 ≤ $3 * fc * b * ho    （hw / b ＝ $4）",
           {stocky ? "≤" : "≥",
            {stocky ? kShearSectionStockyRatio : kShearSectionSlenderRatio, "0"},
            c.gtext,
            {stocky ? kShearSectionStocky : kShearSectionSlender, kCodeFactor},
            {ratio_hw, "#0.00"}});
  } else {
    r.Line(6, "当 $0 ＜hw / b ＜ $1 时，β＝ $2 - $3 * hw / b ＝ $2-$3*$4/$5 ＝ $6",
           {{kShearSectionStockyRatio, "0"},
            {kShearSectionSlenderRatio, "0"},
            {kShearSectionIntercept, kCodeFactor},
            {kShearSectionSlope, kCodeFactor},
            {hw, U::mm},
            {c.b, U::mm},
            {beta, "#0.000"}});
    r.Line(6, "V$0 ≤ β * fc * b * ho", {c.gtext});
  }
  r.Put("      $0 * fc * b * ho ＝ $0*$1", {{beta, kWorkedFactor}, c.fcbho});
  const double limit = ShearSectionLimit(beta, c.fc, c.b, c.ho);
  const double demand = Vd * c.gamma_re;
  r.Put(" ＝ $0", {{limit, U::nd}});
  if (limit < demand) {
    r.End();
    const double ratio = ShearSectionRatio(demand, c.fc, c.b, c.ho);
    const std::string v = "V" + std::string(c.gtext);
    Fail(k, code::kShearOrdinary,
         Fmt(k, limit, "nd") + " ＜ " + v + " ＝ " + Fmt(k, demand, "nd") + "，受剪截面尺寸不足",
         v + " / (fc * b * ho) ＝ " + FormatNumber(ratio, "#0.000") + " ＞ " +
             FormatNumber(beta, "0.000") + "，受剪截面尺寸不足");
    return false;
  }
  r.Line(0, " ≥ V$0 ＝ $1", {c.gtext, {demand, U::nd}});
  return true;
}

// The case of the stage: sizes, factors and the form that applies.
ShearCase CaseOf(Call& k) {
  ShearCase c{k.h - k.as, k.b, k.fc, k.S};
  // With earthquake action the importance factor is replaced by γRE (GBJ 11-89 5.4.2).
  if (k.bEA) k.Rlfo = 1;
  c.gamma_o = k.Rlfo;
  c.gamma_re = k.bEA ? kGammaReShear : 1.0;
  c.gtext = GammaText(k.bEA, c.gamma_o);
  c.seismic = k.bEA && IsFrame(k.iSecPos);
  c.form = c.seismic ? (k.bConF ? Form::SeismicConcentrated : Form::Seismic)
                     : (k.bConF ? Form::Concentrated : Form::Ordinary);
  return c;
}

// GBJ 10-89 4.2.3: stirrup strength above 310 N/mm² is not counted in shear.
void CapStirrupStrength(Call& k) {
  if (k.Fyv < gbj10_89::kFyvMax) return;
  k.Fyv = gbj10_89::kFyvMax;
  k.r.Line(6, "当 fyv ≥ $0时，取 fyv ＝$1",
           {{gbj10_89::kFyvMax, U::nmm2}, {gbj10_89::kFyvMax, U::nmm2d}});
}

}  // namespace

void CalVAsv(Call& k) {
  Report& r = k.r;
  ShearCase c = CaseOf(k);
  r.Put("    斜截面承载力计算：").HeadingEnd();
  if (k.bEA)
    r.Line(6, "承载力抗震调整系数γRE ＝ $0", {{kGammaReShear, kCodeFactor}});
  else if (c.gamma_o != 1)
    r.Line(6, "结构构件的重要性系数γo ＝ $0", {{c.gamma_o, kWorkedFactor}});

  c.lambda = k.bConF ? ShearSpanRatio(k, c.ho) : 0;
  CapStirrupStrength(k);
  c.fyv = k.Fyv;

  double Vd = c.gamma_o * k.V * 1000;  // design shear, N (mode 0)
  const double V0 = gbj10_89::ShearConcrete(c.fc, c.b, c.ho);

  const Detailing d = ShearDetailing(k, c, Vd, V0);
  k.Dmin = fault::to_float(d.Dmin);
  k.Smax = fault::to_float(d.Smax);
  k.AsvMin = d.AsvMin;

  FormLines(r, c);
  c.fcbho = Fmt(k, c.fc, "n/mm2_1") + "*" + Fmt(k, c.b, "mm") + "*" + Fmt(k, c.ho, "mm");

  double Asv = 0;
  if (k.mode == 0) {
    // The demand in the form's own terms: V·γRE for the seismic forms (γo = 1 there), γo·V·γRE
    // for the ordinary ones (γRE = 1 without earthquake action).
    const double Vc = ConcreteShear(r, c, V0);
    const double demand = c.seismic ? Vd : Vd * c.gamma_re;
    const bool concrete_only = Vc >= demand;
    r.Line(0, concrete_only ? " ≥ V$0 ＝ $1，仅需按构造配箍" : " ＜ V$0 ＝ $1",
           {c.seismic ? std::string_view() : c.gtext, {demand, U::nd}});
    if (!concrete_only) Asv = StirrupsForDemand(k, c, Vd, V0);
    k.Asv = Asv;
  } else {
    const double Vcap = ShearCapacity(k, c, V0);
    r.Line(0, " ＝ $0", {{Vcap / 1000, U::knd}});
    k.Vout = Vcap / 1000;
    Vd = c.gamma_o * Vcap;
  }

  // Section check: GBJ 11-89 eq. 6.2.9-3 / GBJ 10-89 eq. 8.3.3 for frame beams with earthquake
  // action, GBJ 10-89 eq. 4.2.1 otherwise.
  if (!(c.seismic ? SeismicSectionCheck(k, c, Vd) : OrdinarySectionCheck(k, c, Vd))) return;

  if (k.mode == 0) {
    const bool by_min = k.detailing && Asv < d.AsvMin;
    if (by_min) Asv = d.AsvMin;
    k.Asv = Asv;
    r.Line(6, "$0 ＝ $1      箍筋最小直径$2$3      最大间距@$4",
           {by_min ? "Asvmin" : "Asv", {Asv, U::mm2d}, kPhi, {d.Dmin, U::mm}, {d.Smax, U::mm}});
  }
  k.shear_Asv = k.Asv;
}

}  // namespace tk::mvt
