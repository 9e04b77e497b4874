// Shear stage of clsMVT: stirrups Asv for the design shear, or the shear capacity, with the
// detailing minimums and the section check. GBJ 10-89 clauses 4.2 and 7.2.9 (ordinary beams),
// GBJ 11-89 clauses 6.2 and 6.3 (frame beams with earthquake action).
#include <algorithm>
#include <cmath>

#include "codes/gbj10_89.h"
#include "codes/gbj11_89.h"
#include "frame/fault.h"
#include "frame/numfmt.h"
#include "section/mvt_stages.h"

namespace tk::mvt {

namespace {

enum class Form { SeismicConcentrated, Seismic, Concentrated, Ordinary };

Report& L(Report& r) {
  return r.Raw("      ");
}

// The numbers every step of the shear stage uses.
struct ShearCase {
  double ho, b, fc, S, fyv = 0;
  double gamma_o = 1, gamma_re = 1;
  std::string_view gtext{};
  bool seismic = false;
  Form form = Form::Ordinary;
  double lambda = 0;
  std::string lam{}, fcbho{};
};

// Shear span ratio of a concentrated load, GBJ 10-89 4.2.3: 1.4 ≤ λ ≤ 3.
double ShearSpanRatio(Call& k, double ho) {
  Report& r = k.r;
  double lambda = 0;
  if (k.bConF) {
    lambda = fault::div(k.a, ho);
    L(r).Raw("λ ＝ a / ho ＝ ")
        .Val(k.a, "mm")
        .Raw("/")
        .Val(ho, "mm")
        .Raw(" ＝ ")
        .Num(lambda, "#0.000");
    if (lambda < 1.4) {
      lambda = 1.4;
      r.Raw(" ＜ 1.4，取 λ ＝ 1.4");
    } else if (lambda > 3.0) {
      lambda = 3.0;
      r.Raw(" ＞ 3.0，取 λ ＝ 3.0");
    }
    r.End();
  }
  return lambda;
}

struct Detailing {
  double Dmin = 0, Smax = 0, AsvMin = 0;
};

// GBJ 11-89 6.3.6 and 6.3.7, by frame grade.
Detailing FrameDetailing(Call& k, const ShearCase& c) {
  Report& r = k.r;
  const double fc = c.fc, fyv = c.fyv, b = c.b, S = c.S;
  double Dmin = 0, Smax = 0, AsvMin = 0;
  // GBJ 11-89 6.3.6 and 6.3.7, by frame grade.
  static constexpr double kD[] = {10, 8, 8, 6}, kX[] = {200, 200, 300, 300},
                          kC[] = {0.035, 0.03, 0.025, 0.025};
  const int g = k.iSecPos - 1;
  L(r).Raw(GradeText(k.iSecPos)).Raw("级框架梁构造要求：").End();
  Smax = std::min(kX[g], k.h / 2);
  r.Raw("        加密区箍筋最大间距Smax'＝ Min{")
      .Num(kX[g] / 2, "0")
      .Raw(", h / 4} ＝ ")
      .Val(Smax / 2, "mmd")
      .End();
  r.Raw("        非加密区箍筋最大间距Smax＝ 2 * Smax' ＝ ").Val(Smax, "mmd").End();
  Dmin = kD[g];
  // GBJ 11-89 6.3.6: with more than 2 % tension steel the stirrup is 2 mm thicker.
  const bool heavy = k.rho > 0.02;
  if (heavy) Dmin += 2;
  r.Raw("        箍筋最小直径Dmin＝").Val(Dmin, "mmd");
  if (heavy) r.Raw("    （ρ ＝ ").Val(k.rho, "percent").Raw(" ＞ 2%）");
  r.End();
  AsvMin = kC[g] * fault::div(fc, fyv) * b * S;
  r.Raw("        最小配箍面积Asvmin＝ (").Raw(Factor(kC[g])).Raw(" * Fc / Fyv) * b * S").End();
  r.Raw("          ＝ (")
      .Raw(Factor(kC[g]))
      .Raw("*")
      .Val(fc, "n/mm2_1")
      .Raw("/")
      .Val(fyv, "n/mm2")
      .Raw(")*");
  r.Val(b, "mm").Raw("*").Val(S, "mm").Raw(" ＝ ").Val(AsvMin, "mm2d").End();
  return {Dmin, Smax, AsvMin};
}

// GBJ 10-89 7.2.9 and 7.2.10, by the design shear entered (also in mode 1, where V is the shear
// the beam is meant to carry).
Detailing BeamDetailing(Call& k, const ShearCase& c, double Vd, double V0) {
  Report& r = k.r;
  const double fc = c.fc, fyv = c.fyv, b = c.b, ho = c.ho, S = c.S, gamma_re = c.gamma_re;
  const std::string_view gtext = c.gtext;
  double Dmin = 0, Smax = 0, AsvMin = 0;
  const bool low = Vd * gamma_re <= V0;
  L(r).Raw("0.07 * fc * b * ho ＝ 0.07*")
      .Val(fc, "n/mm2_1")
      .Raw("*")
      .Val(b, "mm")
      .Raw("*")
      .Val(ho, "mm");
  r.Raw(" ＝ ").Val(V0, "nd");
  r.Raw(low ? " ≥ V" : " ＜ V").Raw(gtext).Raw(" ＝ ").Val(Vd * gamma_re, "nd");
  r.End();
  const double h = k.h;
  int band;
  if (h <= 250)
    band = 0;
  else if (h <= 300)
    band = 1;
  else if (h <= 500)
    band = 2;
  else if (h <= 800)
    band = 3;
  else
    band = 4;
  static constexpr double kD[] = {4, 6, 6, 6, 8}, kSlow[] = {200, 200, 300, 350, 500},
                          kShigh[] = {150, 150, 200, 250, 300};
  static constexpr std::string_view kLow[] = {
      "、h ≤ 250（mm）构造要求：", "、250 ＜ h ≤ 300（mm）构造要求：",
      "、300 ＜ h ≤ 500（mm）构造要求：", "、500 ＜ h ≤ 800（mm）构造要求：",
      "、h ＞ 800（mm）构造要求："};
  static constexpr std::string_view kHigh[] = {
      "、h ≤ 250（mm）构造要求：", "、250 ＜ H ≤ 300（mm）构造要求：",
      "、300 ＜ h ≤ 500（mm）构造要求：", "、500 ＜ h ≤ 800（mm）构造要求：",
      "、h ＞ 800（mm）构造要求："};
  Dmin = kD[band];
  Smax = low ? kSlow[band] : kShigh[band];
  L(r).Raw("当 V").Raw(gtext).Raw(low ? " ≤ 0.07 * fc * b * ho" : " ＞ 0.07 * fc * b * ho");
  r.Raw(low ? kLow[band] : kHigh[band]).End();
  r.Raw("        箍筋最小直径Dmin＝")
      .Val(Dmin, "mmd")
      .Raw("，箍筋最大间距Smax＝")
      .Val(Smax, "mmd")
      .End();
  if (!low) {
    AsvMin = 0.02 * fault::div(fc, fyv) * b * S;
    r.Raw("        最小配箍面积Asvmin＝ (0.02 * Fc / Fyv) * b * S").End();
    r.Raw("          ＝ (0.02*")
        .Val(fc, "n/mm2_1")
        .Raw("/")
        .Val(fyv, "n/mm2")
        .Raw(")*")
        .Val(b, "mm")
        .Raw("*");
    r.Val(S, "mm").Raw(" ＝ ").Val(AsvMin, "mm2d").End();
  }
  return {Dmin, Smax, AsvMin};
}

Detailing ShearDetailing(Call& k, const ShearCase& c, double Vd, double V0) {
  Report& r = k.r;
  const double S = c.S;
  Detailing d;
  k.detailing = k.iSecPos >= 1 && k.iSecPos <= 5;
  if (IsFrame(k.iSecPos)) {
    d = FrameDetailing(k, c);
  } else if (k.iSecPos == 5) {
    d = BeamDetailing(k, c, Vd, V0);
  } else {
    // No detailing rules for other positions: Dmin, Smax and Asvmin return 0.
    L(r).Raw("截面位置未规定构造要求，不作箍筋构造验算").End();
  }
  double &Dmin = d.Dmin, &Smax = d.Smax, &AsvMin = d.AsvMin;
  if (k.detailing) {
    // The area of Dmin bars at Smax, brought to the spacing S.
    const double asv_d = Dmin * Dmin * kPi32 / 4 * fault::div(S, Smax);
    L(r).Raw("Dmin、Smax的配箍面积Asv#＝ Dmin ^ 2 * π / 4 * S / Smax ＝ ")
        .Val(Dmin, "mm")
        .Raw("^2*3.1416/4*");
    r.Val(S, "mm").Raw("/").Val(Smax, "mm").Raw(" ＝ ").Val(asv_d, "mm2d").End();
    AsvMin = std::max(AsvMin, asv_d);
    L(r).Raw("最小配箍面积Asvmin＝ ").Val(AsvMin, "mm2d").End();
  }
  return d;
}

// The concrete part of the form, with its symbolic and numeric texts.
struct ConcretePart {
  double Vc = 0;
  std::string sym, vals;
};

ConcretePart ConcreteShear(const ShearCase& c, double V0) {
  const double fc = c.fc, b = c.b, ho = c.ho, lambda = c.lambda;
  const std::string &lam = c.lam, &fcbho = c.fcbho;
  ConcretePart p;
  double& Vc = p.Vc;
  std::string &vc_sym = p.sym, &vc_vals = p.vals;
  switch (c.form) {
    case Form::SeismicConcentrated:
      Vc = 0.16 * fc * b * ho / (lambda + 1.5) / gbj11_89::kGammaReShear;
      vc_sym = "0.16 * fc * b * ho / (λ + 1.5) / γRE";
      vc_vals = "0.16*" + fcbho + "/(" + lam + "+1.5)/0.85";
      break;
    case Form::Seismic:
      Vc = gbj11_89::kShearConcrete * fc * b * ho / gbj11_89::kGammaReShear;
      vc_sym = "0.056 * fc * b * ho / γRE";
      vc_vals = "0.056*" + fcbho + "/0.85";
      break;
    case Form::Concentrated:
      Vc = 0.2 * fc * b * ho / (lambda + 1.5);
      vc_sym = "0.2fc * b * ho / (λ + 1.5)";
      vc_vals = "0.2*" + fcbho + "/(" + lam + "+1.5)";
      break;
    case Form::Ordinary:
      Vc = V0;
      vc_sym = "0.07 * fc * b * ho";
      vc_vals = "0.07*" + fcbho;
      break;
  }
  return p;
}

// The stirrups the demand Vd needs beyond the concrete part, in the form's own equation.
double StirrupsForDemand(Call& k, const ShearCase& c, double Vd, double V0) {
  Report& r = k.r;
  auto v = [&](double x, std::string_view t) { return Fmt(k, x, t); };
  const double fc = c.fc, b = c.b, ho = c.ho, S = c.S, fyv = c.fyv, lambda = c.lambda,
               gamma_re = c.gamma_re;
  const std::string_view gtext = c.gtext;
  const std::string &lam = c.lam, &fcbho = c.fcbho;
  double Asv = 0;
  const std::string vd = v(Vd, "n"), vdg = v(Vd * gamma_re, "n");
  switch (c.form) {
    case Form::SeismicConcentrated:
      Asv = (Vd * gbj11_89::kGammaReShear - 0.16 * fc * b * ho / (lambda + 1.5)) * S / fyv / ho;
      L(r).Raw("Asv ＝ [V * γRE - 0.16 * fc * b * ho / (λ + 1.5)] * S / fyv / ho").End();
      r.Raw("        ＝ [").Raw(vd).Raw("*0.85-0.16*").Raw(fcbho).Raw("/(").Raw(lam).Raw("+1.5)]*");
      r.Val(S, "mm").Raw("/").Val(fyv, "n/mm2").Raw("/").Val(ho, "mm");
      break;
    case Form::Seismic:
      Asv = (Vd * gbj11_89::kGammaReShear - gbj11_89::kShearConcrete * fc * b * ho) * S /
            (gbj11_89::kShearStirrups * fyv * ho);
      L(r).Raw("Asv ＝ (V * γRE - 0.056 * fc * b * ho) * S / (1.2 * fyv * ho)").End();
      r.Raw("        ＝ (")
          .Raw(vd)
          .Raw("*0.85-0.056*")
          .Raw(fcbho)
          .Raw(")*")
          .Val(S, "mm")
          .Raw("/(1.2*");
      r.Val(fyv, "n/mm2").Raw("*").Val(ho, "mm").Raw(")");
      break;
    case Form::Concentrated:
      Asv = (Vd * gamma_re - 0.2 * fc * b * ho / (lambda + 1.5)) * S / (1.25 * fyv * ho);
      L(r).Raw("Asv ＝ [V")
          .Raw(gtext)
          .Raw(" - 0.2fc * b * ho / (λ + 1.5)] * S / (1.25fyv * ho)")
          .End();
      r.Raw("        ＝ [")
          .Raw(vdg)
          .Raw("-0.2*")
          .Raw(fcbho)
          .Raw("/(")
          .Raw(lam)
          .Raw("+1.5)]*")
          .Val(S, "mm");
      r.Raw("/(1.25*").Val(fyv, "n/mm2").Raw("*").Val(ho, "mm").Raw(")");
      break;
    case Form::Ordinary:
      Asv = (Vd * gamma_re - V0) * S / (1.5 * fyv * ho);
      L(r).Raw("Asv ＝ (V").Raw(gtext).Raw(" - 0.07 * fc * b * ho) * S / (1.5 * fyv * ho)").End();
      r.Raw("        ＝ (").Raw(vdg).Raw("-0.07*").Raw(fcbho).Raw(")*").Val(S, "mm").Raw("/(1.5*");
      r.Val(fyv, "n/mm2").Raw("*").Val(ho, "mm").Raw(")");
      break;
  }
  Asv = fault::check(Asv);
  r.Raw(" ＝ ").Val(Asv, "mm2d").End();
  return Asv;
}

// The shear the stirrups Asv_in give with the concrete, N.
double ShearCapacity(Call& k, const ShearCase& c, double V0) {
  Report& r = k.r;
  auto v = [&](double x, std::string_view t) { return Fmt(k, x, t); };
  const double fc = c.fc, b = c.b, ho = c.ho, S = c.S, fyv = c.fyv, lambda = c.lambda,
               gamma_o = c.gamma_o;
  const std::string &lam = c.lam, &fcbho = c.fcbho;
  const double Asv_in = k.Asv_in;
  const std::string fyv_ho =
      v(fyv, "n/mm2") + "*" + v(k.Asv_in, "mm2") + "/" + v(S, "mm") + "*" + v(ho, "mm");
  double Vcap = 0;
  r.Raw("      V ＝ ");
  switch (c.form) {
    case Form::SeismicConcentrated:
      Vcap = (0.16 * fc * b * ho / (lambda + 1.5) + fyv * fault::div(Asv_in, S) * ho) /
             gbj11_89::kGammaReShear;
      r.Raw("[0.16*").Raw(fcbho).Raw("/(").Raw(lam).Raw("+1.5)+").Raw(fyv_ho).Raw("]/0.85");
      break;
    case Form::Seismic:
      Vcap = (gbj11_89::kShearConcrete * fc * b * ho +
              gbj11_89::kShearStirrups * fyv * fault::div(Asv_in, S) * ho) /
             gbj11_89::kGammaReShear;
      r.Raw("(0.056*").Raw(fcbho).Raw("+1.2*").Raw(fyv_ho).Raw(")/0.85");
      break;
    case Form::Concentrated:
      // Ordinary forms: the capacity over γo (1 with earthquake action).
      Vcap =
          (0.2 * fc * b * ho / (lambda + 1.5) + 1.25 * fyv * fault::div(Asv_in, S) * ho) / gamma_o;
      r.Raw("(0.2*").Raw(fcbho).Raw("/(").Raw(lam).Raw("+1.5)+1.25*").Raw(fyv_ho).Raw(")");
      break;
    case Form::Ordinary:
      Vcap = (V0 + 1.5 * fyv * fault::div(Asv_in, S) * ho) / gamma_o;
      r.Raw("(0.07*").Raw(fcbho).Raw("+1.5*").Raw(fyv_ho).Raw(")");
      break;
  }
  if (!c.seismic && gamma_o != 1) r.Raw("/").Raw(Factor(gamma_o));
  return fault::check(Vcap);
}

// GBJ 11-89 eq. 6.2.9-3 / GBJ 10-89 eq. 8.3.3: the section of a frame beam with earthquake
// action. False when the section is too small (the stage has failed).
bool SeismicSectionCheck(Call& k, const ShearCase& c, double Vd) {
  Report& r = k.r;
  auto v = [&](double x, std::string_view t) { return Fmt(k, x, t); };
  const double fc = c.fc, b = c.b, ho = c.ho;
  const std::string& fcbho = c.fcbho;
  const double limit = gbj11_89::kShearSection * fc * b * ho / gbj11_89::kGammaReShear;
  L(r).Raw("考虑地震作用组合的框架梁，其受剪截面应符合混凝土规范公式（8.3.3）的规定：").End();
  L(r).Raw("V ≤ 0.2 * fc * b * ho / γRE").End();
  L(r).Raw("0.2 * fc * b * ho / γRE ＝ 0.2*").Raw(fcbho).Raw("/0.85 ＝ ").Val(limit, "nd");
  if (limit < Vd) {
    r.End();
    const double ratio = fault::div(Vd * gbj11_89::kGammaReShear, fc * b * ho);
    Fail(k, code::kShearSeismic, v(limit, "nd") + " ＜ V ＝ " + v(Vd, "nd") + "，受剪截面尺寸不足",
         "V * γRE / (fc * b * ho) ＝ " + FormatNumber(ratio, "#0.000") +
             " ＞ 0.2，受剪截面尺寸不足");
    return false;
  }
  r.Raw(" ≥ V ＝ ").Val(Vd, "nd").End();
  return true;
}

// GBJ 10-89 eq. 4.2.1: the section of other members. False when the section is too small.
bool OrdinarySectionCheck(Call& k, const ShearCase& c, double Vd) {
  Report& r = k.r;
  auto v = [&](double x, std::string_view t) { return Fmt(k, x, t); };
  const double fc = c.fc, b = c.b, ho = c.ho, gamma_re = c.gamma_re;
  const std::string_view gtext = c.gtext;
  const std::string& fcbho = c.fcbho;
  double hw = ho;
  switch (k.shape) {
    case Shape::Rect:
      L(r).Raw("hw ＝ ho ＝ ").Val(hw, "mmd").End();
      break;
    case Shape::InvT:
      hw = k.h - k.hf;
      L(r).Raw("hw ＝ h - hf ＝ ")
          .Val(k.h, "mm")
          .Raw("-")
          .Val(k.hf, "mm")
          .Raw(" ＝ ")
          .Val(hw, "mmd")
          .End();
      break;
    case Shape::T:
    case Shape::InvL:
      hw = k.h - k.hf1;
      L(r).Raw("hw ＝ h - hf' ＝ ")
          .Val(k.h, "mm")
          .Raw("-")
          .Val(k.hf1, "mm")
          .Raw(" ＝ ")
          .Val(hw, "mmd")
          .End();
      break;
    case Shape::ISym:
    case Shape::IUnsym:
      hw = k.h - k.hf - k.hf1;
      L(r).Raw("hw ＝ h - hf - hf' ＝ ")
          .Val(k.h, "mm")
          .Raw("-")
          .Val(k.hf, "mm")
          .Raw("-")
          .Val(k.hf1, "mm");
      r.Raw(" ＝ ").Val(hw, "mmd").End();
      break;
  }
  L(r).Raw(ShapeName(k.shape)).Raw("受弯构件，其受剪截面应符合下式条件：").End();
  const double ratio_hw = fault::div(hw, b);
  double beta;
  if (ratio_hw <= 4) {
    beta = gbj10_89::ShearSectionFactor(ratio_hw);
    L(r).Raw("当 hw / b ≤ 4 时，V").Raw(gtext).Raw(" ≤ 0.25 * fc * b * ho").Raw("    （hw / b ＝ ");
    r.Num(ratio_hw, "#0.00").Raw("）").End();
  } else if (ratio_hw >= 6) {
    beta = gbj10_89::ShearSectionFactor(ratio_hw);
    L(r).Raw("当 hw / b ≥ 6 时，V").Raw(gtext).Raw(" ≤ 0.2 * fc * b * ho").Raw("    （hw / b ＝ ");
    r.Num(ratio_hw, "#0.00").Raw("）").End();
  } else {
    beta = gbj10_89::ShearSectionFactor(ratio_hw);
    L(r).Raw("当 4 ＜hw / b ＜ 6 时，β＝ 0.35 - 0.025 * hw / b ＝ 0.35-0.025*")
        .Val(hw, "mm")
        .Raw("/")
        .Val(b, "mm");
    r.Raw(" ＝ ").Num(beta, "#0.000").End();
    L(r).Raw("V").Raw(gtext).Raw(" ≤ β * fc * b * ho").End();
  }
  const double limit = beta * fc * b * ho;
  L(r).Raw(Factor(beta))
      .Raw(" * fc * b * ho ＝ ")
      .Raw(FormatNumber(beta, "0.###"))
      .Raw("*")
      .Raw(fcbho);
  r.Raw(" ＝ ").Val(limit, "nd");
  if (limit < Vd * gamma_re) {
    r.End();
    const double ratio = fault::div(Vd * gamma_re, fc * b * ho);
    Fail(k, code::kShearOrdinary,
         v(limit, "nd") + " ＜ V" + std::string(gtext) + " ＝ " + v(Vd * gamma_re, "nd") +
             "，受剪截面尺寸不足",
         "V" + std::string(gtext) + " / (fc * b * ho) ＝ " + FormatNumber(ratio, "#0.000") +
             " ＞ " + FormatNumber(beta, "0.000") + "，受剪截面尺寸不足");
    return false;
  }
  r.Raw(" ≥ V").Raw(gtext).Raw(" ＝ ").Val(Vd * gamma_re, "nd").End();
  return true;
}

}  // namespace

void CalVAsv(Call& k) {
  Report& r = k.r;
  auto v = [&](double x, std::string_view t) { return Fmt(k, x, t); };
  ShearCase c{k.h - k.as, k.b, k.fc, k.S};
  const double ho = c.ho, b = c.b, fc = c.fc;
  // With earthquake action the importance factor is replaced by γRE (GBJ 11-89 5.4.2).
  if (k.bEA) k.Rlfo = 1;
  const double gamma_o = c.gamma_o = k.Rlfo;
  const double gamma_re = c.gamma_re = k.bEA ? gbj11_89::kGammaReShear : 1.0;
  const std::string_view gtext = c.gtext = GammaText(k.bEA, gamma_o);
  const bool seismic = c.seismic = k.bEA && IsFrame(k.iSecPos);
  const Form form = c.form = seismic ? (k.bConF ? Form::SeismicConcentrated : Form::Seismic)
                                     : (k.bConF ? Form::Concentrated : Form::Ordinary);

  r.Sp(4).Raw("斜截面承载力计算：").HeadingEnd();
  if (k.bEA)
    L(r).Raw("承载力抗震调整系数γRE ＝ 0.85").End();
  else if (gamma_o != 1)
    L(r).Raw("结构构件的重要性系数γo ＝ ").Raw(Factor(gamma_o)).End();

  c.lambda = k.bConF ? ShearSpanRatio(k, ho) : 0;
  c.lam = FormatNumber(c.lambda, "#0.000");

  // GBJ 10-89 4.2.3: stirrup strength above 310 N/mm² is not counted in shear.
  if (k.Fyv >= gbj10_89::kFyvMax) {
    k.Fyv = gbj10_89::kFyvMax;
    L(r).Raw("当 fyv ≥ ")
        .Val(gbj10_89::kFyvMax, "n/mm2")
        .Raw("时，取 fyv ＝")
        .Val(gbj10_89::kFyvMax, "n/mm2d")
        .End();
  }
  c.fyv = k.Fyv;

  double Vd = gamma_o * k.V * 1000;  // design shear, N (mode 0)
  const double V0 = gbj10_89::kShearConcrete * fc * b * ho;

  const Detailing d = ShearDetailing(k, c, Vd, V0);
  const double Dmin = d.Dmin, Smax = d.Smax, AsvMin = d.AsvMin;
  k.Dmin = fault::to_float(Dmin);
  k.Smax = fault::to_float(Smax);
  k.AsvMin = AsvMin;

  // The four forms: GBJ 11-89 eq. 6.2.9-2 and 6.2.9-1, GBJ 10-89 eq. 4.2.3-3 and 4.2.3-2.
  static constexpr std::string_view kHeading[] = {
      "集中荷载作用下、考虑地震作用组合的框架梁，其斜截面受剪承载力应满足：",
      "考虑地震作用组合的框架梁，其斜截面受剪承载力按下列公式计算：",
      "对集中荷载作用下的受弯构件，其斜截面受剪承载力应按下列公式计算：",
      "一般受弯构件，其斜截面受剪承载力按下列公式计算："};
  const int fi = static_cast<int>(form);
  L(r).Raw(kHeading[fi]).End();
  switch (form) {
    case Form::SeismicConcentrated:
      L(r).Raw("V ≤ [0.16 * fc * b * ho / (λ + 1.5) + fyv * Asv / S * ho] / γRE").End();
      break;
    case Form::Seismic:
      L(r).Raw("V ≤ (0.056 * fc * b * ho + 1.2 * fyv * Asv / S * ho) / γRE").End();
      break;
    case Form::Concentrated:
      L(r).Raw("V").Raw(gtext).Raw(" ≤ 0.2fc * b * ho / (λ + 1.5) + 1.25fyv * Asv / S * ho").End();
      break;
    case Form::Ordinary:
      L(r).Raw("V").Raw(gtext).Raw(" ≤ 0.07 * fc * b * ho + 1.5 * fyv * Asv / S * ho").End();
      break;
  }
  c.fcbho = v(fc, "n/mm2_1") + "*" + v(b, "mm") + "*" + v(ho, "mm");
  const ConcretePart vc = ConcreteShear(c, V0);

  double Asv = 0;
  if (k.mode == 0) {
    // The demand in the form's own terms: V·γRE for the seismic forms (γo = 1 there), γo·V·γRE
    // for the ordinary ones (γRE = 1 without earthquake action).
    const bool concrete_only = seismic ? vc.Vc >= Vd : vc.Vc >= Vd * gamma_re;
    L(r).Raw(vc.sym).Raw(" ＝ ").Raw(vc.vals).Raw(" ＝ ").Val(vc.Vc, "nd");
    r.Raw(concrete_only ? " ≥ V" : " ＜ V").Raw(seismic ? std::string_view() : gtext).Raw(" ＝ ");
    r.Val(seismic ? Vd : Vd * gamma_re, "nd");
    if (concrete_only) r.Raw("，仅需按构造配箍");
    r.End();
    if (!concrete_only) Asv = StirrupsForDemand(k, c, Vd, V0);
    k.Asv = Asv;
  } else {
    const double Vcap = ShearCapacity(k, c, V0);
    r.Raw(" ＝ ").Val(Vcap / 1000, "knd").End();
    k.Vout = Vcap / 1000;
    Vd = gamma_o * Vcap;
  }

  // Section check: GBJ 11-89 eq. 6.2.9-3 / GBJ 10-89 eq. 8.3.3 for frame beams with earthquake
  // action, GBJ 10-89 eq. 4.2.1 otherwise.
  if (!(seismic ? SeismicSectionCheck(k, c, Vd) : OrdinarySectionCheck(k, c, Vd))) return;

  if (k.mode == 0) {
    const bool by_min = k.detailing && Asv < AsvMin;
    if (by_min) Asv = AsvMin;
    k.Asv = Asv;
    L(r).Raw(by_min ? "Asvmin ＝ " : "Asv ＝ ").Val(Asv, "mm2d");
    r.Raw("      箍筋最小直径").Raw(kPhi).Val(Dmin, "mm").Raw("      最大间距@").Val(Smax, "mm");
    r.End();
  }
  k.shear_Asv = k.Asv;
}

}  // namespace tk::mvt
