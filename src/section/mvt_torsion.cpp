// Torsion stage of clsMVT: torsion stirrups Ast1 and longitudinal steel Astl of the web and the
// flanges, and the web stirrups for shear plus torsion, to GBJ 10-89 clause 4.4 (members under
// shear and torsion), with the frame-beam forms of GBJ 11-89.
#include <algorithm>
#include <cmath>

#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "materials/material.h"
#include "section/mvt_stages.h"

namespace tk::mvt {

namespace {

Report& L(Report& r) {
  return r.Raw("      ");
}

struct Tor {
  Call& k;
  Report& r;
  double ho = 0, c = 0, fyv = 0, zeta = 1.0;
};

struct Part {
  bool ok = false;  // the core exists and the formulas ran
  double Ast1 = 0, Astl = 0;
};

// One part (web, or a flange) for its torque share: GBJ 10-89 eq. 4.4.3 (pure torsion) or
// 4.4.5-2 with βt (torsion with shear), then the longitudinal steel from ζ (eq. 4.4.3-2).
// beta_t < 0 means pure torsion.
Part DesignPart(Tor& t, std::string_view sfx, std::string_view Tname, std::string_view Wname,
                double Tpart, double Wpart, double beta_t, double bcor, double hcor,
                const std::string& bexpr, const std::string& hexpr) {
  Call& k = t.k;
  Report& r = t.r;
  Part p;
  const std::string Ast1 = "Ast1" + std::string(sfx), Astl = "Astl" + std::string(sfx);
  const bool with_beta = beta_t >= 0;
  L(r).Raw(Tname).Raw(" ≤ 0.35 * ").Raw(with_beta ? "βt * " : "").Raw("ft * ").Raw(Wname);
  r.Raw(" + 1.2 * ζ ^ 0.5 * fyv * ").Raw(Ast1).Raw(" * Acor / S").End();
  const double Acor = bcor * hcor;
  L(r).Raw("Acor ＝ bcor * hcor ＝ (")
      .Raw(bexpr)
      .Raw(")*(")
      .Raw(hexpr)
      .Raw(") ＝ ")
      .Val(Acor, "mm2d")
      .End();
  if (bcor <= 0 || hcor <= 0) {
    Fail(k, code::kCore,
         "箍筋内表面范围内截面核心部分的尺寸 bcor ＝ " + Fmt(k, bcor, "mmd") + "、hcor ＝ " +
             Fmt(k, hcor, "mmd") + "，应大于0");
    return p;
  }
  const double concrete = 0.35 * (with_beta ? beta_t : 1.0) * k.ft * Wpart;
  double a1 = (Tpart - concrete) * k.S / 1.2 / std::sqrt(t.zeta) / t.fyv / Acor;
  a1 = fault::check(a1);
  L(r).Raw(Ast1)
      .Raw(" ＝ (")
      .Raw(Tname)
      .Raw(" - 0.35 * ")
      .Raw(with_beta ? "βt * " : "")
      .Raw("ft * ")
      .Raw(Wname);
  r.Raw(") * S / 1.2 / ζ ^ 0.5 / fyv / Acor").End();
  r.Raw("        ＝ (").Val(Tpart, "nmm").Raw("-0.35*");
  if (with_beta) r.Num(beta_t, "#0.000").Raw("*");
  r.Val(k.ft, "n/mm2_2")
      .Raw("*")
      .Val(Wpart, "mm3")
      .Raw(")*")
      .Val(k.S, "mm")
      .Raw("/1.2/")
      .Num(t.zeta, "0.0");
  r.Raw("^0.5/").Val(t.fyv, "n/mm2").Raw("/").Val(Acor, "mm2").Raw(" ＝ ").Val(a1, "mm2d");
  if (a1 < 0) {
    r.Raw(" ＜ 0，仅需按构造配筋");
    a1 = 0;
  }
  r.End();
  const double Ucor = 2 * (bcor + hcor);
  L(r).Raw("Ucor ＝ 2 * (bcor + hcor) ＝ 2*(")
      .Val(bcor, "mm")
      .Raw("+")
      .Val(hcor, "mm")
      .Raw(") ＝ ")
      .Val(Ucor, "mmd")
      .End();
  L(r).Raw("由 ζ ＝ fy * ")
      .Raw(Astl)
      .Raw(" * S / (fyv * ")
      .Raw(Ast1)
      .Raw(" * Ucor) ＝ ")
      .Num(t.zeta, "0.0");
  r.Raw(" 可得：").End();
  const double al = fault::div(t.fyv * a1 * Ucor * t.zeta, k.fy * k.S);
  L(r).Raw(Astl)
      .Raw(" ＝ fyv * ")
      .Raw(Ast1)
      .Raw(" * Ucor * ζ / fy / S ＝ ")
      .Val(t.fyv, "n/mm2")
      .Raw("*");
  r.Val(a1, "mm2")
      .Raw("*")
      .Val(Ucor, "mm")
      .Raw("*")
      .Num(t.zeta, "0.0")
      .Raw("/")
      .Val(k.fy, "n/mm2")
      .Raw("/");
  r.Val(k.S, "mm").Raw(" ＝ ").Val(al, "mm2d").End();
  p.ok = true;
  p.Ast1 = a1;
  p.Astl = al;
  return p;
}

}  // namespace

void CalTAst(Call& k) {
  Report& r = k.r;
  Tor t{k, r};
  auto v = [&](double x, std::string_view tok) { return Fmt(k, x, tok); };
  k.Ast1 = k.AstL = k.Asvt = 0;
  const double b = k.b, h = k.h, fc = k.fc, ft = k.ft, S = k.S;
  t.ho = h - k.as;
  const double ho = t.ho;
  const bool eq = k.bEA;
  const double gamma_o = eq ? 1.0 : static_cast<double>(k.Rlfo);
  const std::string_view gtext =
      eq || gamma_o == 1 ? std::string_view() : std::string_view(" * γo");
  const double Vd = gamma_o * k.V * 1000, Td = gamma_o * k.T * 1e6;

  r.Sp(4).Raw("扭曲截面承载力计算：").HeadingEnd();
  if (eq)
    L(r).Raw("承载力抗震调整系数γRE ＝ 0.85").End();
  else if (gamma_o != 1)
    L(r).Raw("结构构件的重要性系数γo ＝ ").Raw(Factor(gamma_o)).End();

  // c: from the face to the stirrup core. An as below 10 mm leaves no room for a stirrup: the
  // core is taken as the whole section (c = 0) and the list says so.
  t.c = k.as - 10;
  L(r).Raw("c ＝ as - 10 ＝ ").Val(k.as, "mm").Raw("-10 ＝ ").Val(t.c, "mmd");
  if (t.c < 0) {
    t.c = 0;
    r.Raw("，取 c ＝ 0").End();
    L(r).Raw("警告：纵筋合力点至近边距离as ＜ 10 mm").Text(32095).End();
    Note(k, code::kSmallAs, "纵筋合力点至近边距离as ＝ " + v(k.as, "mmd") + " ＜ 10 mm，取 c ＝ 0");
  } else {
    r.End();
  }
  const double c = t.c;

  double lambda = 0;
  if (k.bConF) {
    lambda = std::clamp(fault::div(k.a, ho), 1.4, 3.0);
    L(r).Raw("λ ＝ a / ho ＝ ").Num(lambda, "#0.000").Raw("（1.4 ≤ λ ≤ 3.0）").End();
  }
  t.fyv = k.Fyv;
  if (t.fyv >= 310) {
    t.fyv = 310;
    L(r).Raw("当 fyv ≥ ").Val(310, "n/mm2").Raw("时，取 fyv ＝").Val(310, "n/mm2d").End();
  }
  const double fyv = t.fyv;

  // Plastic torsion moduli, GBJ 10-89 eq. 4.4.1 and 4.4.6; flange overhangs counted up to 3hf
  // on each side (bf ≤ b + 6hf). The widths are working copies.
  const Shape sh = k.shape;
  const bool tens_flange = sh == Shape::InvT || sh == Shape::IUnsym || sh == Shape::ISym;
  const bool comp_flange = sh == Shape::T || sh == Shape::InvL || sh == Shape::IUnsym;
  double bf = k.bf, hf = k.hf, bf1 = k.bf1, hf1 = k.hf1;
  const double Wtw = b * b * (3 * h - b) / 6;
  double Wtf = 0, Wtf1 = 0;
  L(r).Raw("受扭塑性抵抗矩Wt：").End();
  if (sh == Shape::Rect) {
    L(r).Raw("Wt ＝ b^2 * (3h - b) / 6 ＝ ")
        .Val(b, "mm")
        .Raw("^2*(3*")
        .Val(h, "mm")
        .Raw("-")
        .Val(b, "mm");
    r.Raw(")/6 ＝ ").Val(Wtw, "mm3d").End();
  } else {
    L(r).Raw("腹板的受扭塑性抵抗矩Wtw ＝ b ^ 2 * (3 * h - b) / 6").End();
    r.Raw("        ＝ ")
        .Val(b, "mm")
        .Raw("^2*(3*")
        .Val(h, "mm")
        .Raw("-")
        .Val(b, "mm")
        .Raw(")/6 ＝ ")
        .Val(Wtw, "mm3d")
        .End();
    if (tens_flange) {
      if (bf > b + 6 * hf) {
        r.Raw("        bf ＞ b + 6 * hf ＝ ")
            .Val(b + 6 * hf, "mmd")
            .Raw("，取 bf ＝ ")
            .Val(b + 6 * hf, "mmd")
            .End();
        bf = b + 6 * hf;
      }
      Wtf = hf * hf * std::max(0.0, bf - b) / 2;
      L(r).Raw(sh == Shape::ISym
                   ? "受拉及受压翼缘的受扭塑性抵抗矩Wtf ＝ Wtf' ＝ hf ^ 2 * (bf - b) / 2 ＝ "
                   : "受拉翼缘的受扭塑性抵抗矩Wtf ＝ hf ^ 2 * (bf - b) / 2 ＝ ");
      r.Val(hf, "mm")
          .Raw("^2*(")
          .Val(bf, "mm")
          .Raw("-")
          .Val(b, "mm")
          .Raw(")/2 ＝ ")
          .Val(Wtf, "mm3d")
          .End();
      if (sh == Shape::ISym) {
        bf1 = bf;
        hf1 = hf;
        Wtf1 = Wtf;
      }
    }
    if (comp_flange) {
      if (bf1 > b + 6 * hf1) {
        r.Raw("        bf' ＞ b + 6 * hf' ＝ ")
            .Val(b + 6 * hf1, "mmd")
            .Raw("，取 bf' ＝ ")
            .Val(b + 6 * hf1, "mmd")
            .End();
        bf1 = b + 6 * hf1;
      }
      Wtf1 = hf1 * hf1 * std::max(0.0, bf1 - b) / 2;
      L(r).Raw("受压翼缘的受扭塑性抵抗矩Wtf' ＝ hf' ^ 2 * (bf' - b) / 2 ＝ ")
          .Val(hf1, "mm")
          .Raw("^2*(");
      r.Val(bf1, "mm").Raw("-").Val(b, "mm").Raw(")/2 ＝ ").Val(Wtf1, "mm3d").End();
    }
  }
  const double Wt = Wtw + Wtf + Wtf1;
  if (sh != Shape::Rect) {
    L(r).Raw("Wt ＝ Wtw")
        .Raw(Wtf > 0 || tens_flange ? " + Wtf" : "")
        .Raw(Wtf1 > 0 || comp_flange || sh == Shape::ISym ? " + Wtf'" : "");
    r.Raw(" ＝ ").Val(Wt, "mm3d").End();
  }

  // Torque shares in proportion to the moduli, GBJ 10-89 4.4.6.
  double Tw = Td, Tf = 0, Tf1 = 0;
  if (sh != Shape::Rect) {
    Tw = fault::div(Wtw * Td, Wt);
    Tf = fault::div(Wtf * Td, Wt);
    Tf1 = fault::div(Wtf1 * Td, Wt);
    L(r).Raw("腹板和翼缘扭矩的分配：").End();
    L(r).Raw("Tw ＝ Wtw / Wt * T")
        .Raw(gtext)
        .Raw(" ＝ ")
        .Val(Wtw, "mm3")
        .Raw("/")
        .Val(Wt, "mm3")
        .Raw("*");
    r.Val(Td / 1e6, "knm").Raw(" ＝ ").Val(Tw / 1e6, "knmd").End();
    if (tens_flange) {
      L(r).Raw("Tf ＝ Wtf / Wt * T")
          .Raw(gtext)
          .Raw(" ＝ ")
          .Val(Wtf, "mm3")
          .Raw("/")
          .Val(Wt, "mm3")
          .Raw("*");
      r.Val(Td / 1e6, "knm").Raw(" ＝ ").Val(Tf / 1e6, "knmd").End();
    }
    if (comp_flange || sh == Shape::ISym) {
      L(r).Raw("Tf' ＝ Wtf' / Wt * T")
          .Raw(gtext)
          .Raw(" ＝ ")
          .Val(Wtf1, "mm3")
          .Raw("/")
          .Val(Wt, "mm3")
          .Raw("*");
      r.Val(Td / 1e6, "knm").Raw(" ＝ ").Val(Tf1 / 1e6, "knmd").End();
    }
  }

  // βt, GBJ 10-89 eq. 4.4.4-2 (general) and 4.4.4-5 (concentrated load), within 0.5 to 1.0.
  double beta_t;
  const std::string vwt = v(Vd, "n") + "*" + v(Wt, "mm3") + "/(" + v(Td, "nmm") + "*" + v(b, "mm") +
                          "*" + v(ho, "mm") + ")";
  if (k.bConF) {
    beta_t = 1.5 / (1 + 0.17 * (lambda + 1.5) * fault::div(Vd * Wt, Td * b * ho));
    L(r).Raw("对集中荷载作用下的剪扭构件混凝土受扭承载力降低系数 βt 按下式计算：").End();
    L(r).Raw("βt ＝ 1.5 / [1 + 0.17 * (λ + 1.5) * V * Wt / (T * b * ho)]").End();
    r.Raw("        ＝ 1.5/[1+0.17*(").Num(lambda, "#0.000").Raw("+1.5)*").Raw(vwt).Raw("] ＝ ");
  } else {
    beta_t = 1.5 / (1 + 0.5 * fault::div(Vd * Wt, Td * b * ho));
    L(r).Raw("一般剪扭构件混凝土受扭承载力降低系数 βt 应按下列公式计算：").End();
    L(r).Raw("βt ＝ 1.5 / (1 + 0.5 * V * Wt / (T * b * ho))").End();
    r.Raw("        ＝ 1.5/(1+0.5*").Raw(vwt).Raw(") ＝ ");
  }
  beta_t = fault::check(beta_t);
  r.Num(beta_t, "#0.000");
  if (beta_t < 0.5) {
    beta_t = 0.5;
    r.Raw(" ＜ 0.5，取 βt ＝ 0.5");
  } else if (beta_t > 1.0) {
    beta_t = 1.0;
    r.Raw(" ＞ 1.0，取 βt ＝ 1.0");
  }
  r.End();

  // Section checks, GBJ 10-89 4.4.2.
  L(r).Raw("验算截面适用条件：").End();
  double hw = ho;
  std::string hw_line;
  switch (sh) {
    case Shape::Rect:
      hw_line = "hw ＝ ho ＝ " + v(hw, "mmd");
      break;
    case Shape::InvT:
      hw = h - k.hf;
      hw_line = "hw ＝ h - hf ＝ " + v(h, "mm") + "-" + v(k.hf, "mm") + " ＝ " + v(hw, "mmd");
      break;
    case Shape::T:
    case Shape::InvL:
      hw = h - k.hf1;
      hw_line = "hw ＝ h - hf' ＝ " + v(h, "mm") + "-" + v(k.hf1, "mm") + " ＝ " + v(hw, "mmd");
      break;
    case Shape::ISym:
    case Shape::IUnsym:
      hw = h - k.hf - k.hf1;
      hw_line = "hw ＝ h - hf - hf' ＝ " + v(h, "mm") + "-" + v(k.hf, "mm") + "-" + v(k.hf1, "mm") +
                " ＝ " + v(hw, "mmd");
      break;
  }
  L(r).Raw(hw_line).End();
  const double hw_b = fault::div(hw, b);
  const std::string hw_text =
      "hw / b ＝ " + v(hw, "mm") + "/" + v(b, "mm") + " ＝ " + FormatNumber(hw_b, "#0.00");
  if (hw_b < 6) {
    L(r).Raw(hw_text).Raw(" ＜ 6 ，截面高宽比满足要求").End();
  } else {
    // The stage goes on, so that the report is complete.
    Fail(k, code::kHwB, hw_text + " ≥ 6 ，截面高宽比不满足要求");
  }
  const double tau = fault::div(Vd, b * ho) + fault::div(Td, Wt);
  L(r).Raw("V / (b * ho) + T / Wt ＝ ")
      .Val(Vd, "n")
      .Raw("/(")
      .Val(b, "mm")
      .Raw("*")
      .Val(ho, "mm")
      .Raw(")+");
  r.Val(Td, "nmm").Raw("/").Val(Wt, "mm3").Raw(" ＝ ").Val(tau, "n/mm2d_3").End();
  bool detailing_only = false;
  if (tau > 0.25 * fc) {
    Fail(k, code::kTorsionSection,
         "V / (b * ho) + T / Wt ＝ " + v(tau, "n/mm2d_3") + " ＞ 0.25*fc ＝ " +
             v(0.25 * fc, "n/mm2d_3") + "，不满足截面尺寸要求");
  } else {
    r.Raw("        ")
        .Val(tau, "n/mm2d_3")
        .Raw(" ≤ 0.25*fc ＝ ")
        .Val(0.25 * fc, "n/mm2d_3")
        .Raw("，满足截面尺寸要求")
        .End();
    detailing_only = tau <= 0.7 * ft;
    r.Raw("        ").Val(tau, "n/mm2d_3").Raw(detailing_only ? " ≤ 0.7*ft ＝ " : " ＞ 0.7*ft ＝ ");
    r.Val(0.7 * ft, "n/mm2d_3").Raw(detailing_only ? "，仅需按构造配筋" : "，需进行剪扭计算").End();
  }

  double Asv = 0;  // web stirrups for shear in this stage (all legs)
  Part web, flange_t, flange_c;
  bool torsion_counted = false;
  const std::string fcbho = v(fc, "n/mm2_1") + "*" + v(b, "mm") + "*" + v(ho, "mm");
  const std::string lam = FormatNumber(lambda, "#0.000");
  if (!detailing_only) {
    // GBJ 10-89 4.4.7 (and GBJ 11-89 for frame beams): which action may be neglected.
    L(r).Raw("验算是否要考虑剪力、扭矩的影响：").End();
    double Vlim;
    std::string lim_vals;
    if (eq && k.bConF) {
      Vlim = 0.08 * fc * b * ho / (lambda + 1.5) / 0.85;
      L(r).Raw("当 V ≤ 0.08*fc*b*ho/(λ+1.5)/γRE 时，可仅按纯扭构件计算受扭承载力").End();
      lim_vals = "0.08*" + fcbho + "/(" + lam + "+1.5)/0.85";
    } else if (k.bConF) {
      Vlim = 0.1 * fc * b * ho / (lambda + 1.5);
      L(r).Raw("当 V")
          .Raw(gtext)
          .Raw(" ≤ 0.1*fc*b*ho/(λ+1.5) 时，可仅按纯扭构件计算受扭承载力")
          .End();
      lim_vals = "0.1*" + fcbho + "/(" + lam + "+1.5)";
    } else if (eq) {
      Vlim = 0.028 * fc * b * ho / 0.85;
      L(r).Raw("当 V ≤ 0.028 * fc * b * ho / γRE 时，可仅按纯扭构件计算受扭承载力").End();
      lim_vals = "0.028*" + fcbho + "/0.85";
    } else {
      Vlim = 0.035 * fc * b * ho;
      L(r).Raw("当 V")
          .Raw(gtext)
          .Raw(" ≤ 0.035 * fc * b * ho 时，可仅按纯扭构件计算受扭承载力")
          .End();
      lim_vals = "0.035*" + fcbho;
    }
    const bool shear_counted = Vd > Vlim;
    r.Raw("        ")
        .Raw(lim_vals)
        .Raw(" ＝ ")
        .Val(Vlim, "nd")
        .Raw(shear_counted ? " ＜ V" : " ≥ V")
        .Raw(gtext);
    r.Raw(" ＝ ")
        .Val(Vd, "nd")
        .Raw(shear_counted ? "，应考虑剪力的影响" : "，可不考虑剪力的影响")
        .End();
    const double Tlim = 0.175 * ft * Wt;
    torsion_counted = Td > Tlim;
    L(r).Raw("当 T").Raw(gtext).Raw(" ≤ 0.175 * ft * Wt 时，可不进行受扭承载力计算").End();
    r.Raw("        0.175*")
        .Val(ft, "n/mm2_2")
        .Raw("*")
        .Val(Wt, "mm3")
        .Raw(" ＝ ")
        .Val(Tlim / 1e6, "knmd");
    r.Raw(torsion_counted ? " ＜ T" : " ≥ T").Raw(gtext).Raw(" ＝ ").Val(Td / 1e6, "knmd");
    r.Raw(torsion_counted ? "，应进行受扭承载力计算" : "，可不进行受扭承载力计算").End();

    const std::string bexpr = v(b, "mm") + "-2*" + v(c, "mm"),
                      hexpr = v(h, "mm") + "-2*" + v(c, "mm");
    const std::string_view Tw_name = sh == Shape::Rect ? "T" : "Tw",
                           Ww_name = sh == Shape::Rect ? "Wt" : "Wtw";
    if (!torsion_counted) {
      // Shear alone governs the web stirrups: the shear stage's design.
      Asv = k.shear_Asv;
      L(r).Raw("可不进行受扭承载力计算，腹板箍筋按受剪计算取 Asv ＝ ").Val(Asv, "mm2d").End();
    } else if (!shear_counted) {
      L(r).Raw("纯扭构件腹板的受扭承载力应按下列公式计算：").End();
      web = DesignPart(t, "", Tw_name, Ww_name, Tw, Wtw, -1, b - 2 * c, h - 2 * c, bexpr, hexpr);
    } else {
      static constexpr std::string_view kHead[] = {"在剪力和扭矩共同作用下", "对集中荷载作用下的",
                                                   "在剪力和扭矩共同作用下，且考虑地震作用组合的",
                                                   "对集中荷载作用下，且考虑地震作用组合的"};
      L(r).Raw(kHead[(eq ? 2 : 0) + (k.bConF ? 1 : 0)])
          .Raw("腹板的受扭承载力应按下列公式计算：")
          .End();
      L(r).Raw("剪扭构件的受剪承载力：").End();
      const std::string bt = FormatNumber(beta_t, "#0.000");
      const std::string tail = "]*" + v(S, "mm") + "/";
      // GBJ 10-89 eq. 4.4.4-1 and 4.4.4-4, GBJ 11-89 for frame beams.
      if (eq && k.bConF) {
        Asv = (Vd * 0.85 - 0.16 * (1.5 - beta_t) * fc * b * ho / (lambda + 1.5)) * S / fyv / ho;
        r.Raw(
             "        V ≤ [0.16 * (1.5 - βt) * fc * b * ho / (λ + 1.5) + fyv * Asv * ho / S] / γRE")
            .End();
        L(r).Raw("Asv ＝ [V * γRE - 0.16 * (1.5 - βt) * fc * b * ho / (λ + 1.5)] * S / fyv / ho")
            .End();
        r.Raw("        ＝ [")
            .Val(Vd, "n")
            .Raw("*0.85-0.16*(1.5-")
            .Raw(bt)
            .Raw(")*")
            .Raw(fcbho)
            .Raw("/(")
            .Raw(lam);
        r.Raw("+1.5)").Raw(tail).Val(fyv, "n/mm2").Raw("/").Val(ho, "mm");
      } else if (eq) {
        Asv = (Vd * 0.85 - 0.056 * (1.5 - beta_t) * fc * b * ho) * S / 1.2 / fyv / ho;
        r.Raw("        V ≤ [0.056 * (1.5 - βt) * fc * b * ho + 1.2 * fyv * Asv * ho / S] / γRE")
            .End();
        L(r).Raw("Asv ＝ [V * γRE - 0.056 * (1.5 - βt) * fc * b * ho] * S / 1.2 / fyv / ho").End();
        r.Raw("        ＝ [")
            .Val(Vd, "n")
            .Raw("*0.85-0.056*(1.5-")
            .Raw(bt)
            .Raw(")*")
            .Raw(fcbho)
            .Raw(tail);
        r.Raw("1.2/").Val(fyv, "n/mm2").Raw("/").Val(ho, "mm");
      } else if (k.bConF) {
        Asv = (Vd - 0.2 * (1.5 - beta_t) * fc * b * ho / (lambda + 1.5)) * S / 1.25 / fyv / ho;
        r.Raw("        V")
            .Raw(gtext)
            .Raw(" ≤ 0.2 * (1.5 - βt) * fc * b * ho / (λ + 1.5) + 1.25 * fyv * Asv * ho / S")
            .End();
        L(r).Raw("Asv ＝ [V")
            .Raw(gtext)
            .Raw(" - 0.2 * (1.5 - βt) * fc * b * ho / (λ + 1.5)] * S / 1.25 / fyv / ho")
            .End();
        r.Raw("        ＝ [")
            .Val(Vd, "n")
            .Raw("-0.2*(1.5-")
            .Raw(bt)
            .Raw(")*")
            .Raw(fcbho)
            .Raw("/(")
            .Raw(lam);
        r.Raw("+1.5)").Raw(tail).Raw("1.25/").Val(fyv, "n/mm2").Raw("/").Val(ho, "mm");
      } else {
        Asv = (Vd - 0.07 * (1.5 - beta_t) * fc * b * ho) * S / 1.5 / fyv / ho;
        r.Raw("        V")
            .Raw(gtext)
            .Raw(" ≤ 0.07 * (1.5 - βt) * fc * b * ho + 1.5 * fyv * Asv * ho / S")
            .End();
        L(r).Raw("Asv ＝ [V")
            .Raw(gtext)
            .Raw(" - 0.07 * (1.5 - βt) * fc * b * ho] * S / 1.5 / fyv / ho")
            .End();
        r.Raw("        ＝ [")
            .Val(Vd, "n")
            .Raw("-0.07*(1.5-")
            .Raw(bt)
            .Raw(")*")
            .Raw(fcbho)
            .Raw(tail);
        r.Raw("1.5/").Val(fyv, "n/mm2").Raw("/").Val(ho, "mm");
      }
      Asv = fault::check(Asv);
      r.Raw(" ＝ ").Val(Asv, "mm2d");
      if (Asv < 0) {
        r.Raw(" ＜ 0，仅需按构造配筋");
        Asv = 0;
      }
      r.End();
      L(r).Raw("剪扭构件的受扭承载力：").End();
      web =
          DesignPart(t, "", Tw_name, Ww_name, Tw, Wtw, beta_t, b - 2 * c, h - 2 * c, bexpr, hexpr);
    }

    // Flanges carry their shares in pure torsion (GBJ 10-89 4.4.6).
    if (torsion_counted) {
      if (tens_flange && bf > b) {
        L(r).Raw(sh == Shape::ISym ? "受拉及受压" : "受拉")
            .Raw("翼缘的受扭承载力应按下列公式计算：")
            .End();
        flange_t = DesignPart(t, "f", "Tf", "Wtf", Tf, Wtf, -1, (bf - b) - 2 * c, hf - 2 * c,
                              v(bf, "mm") + "-" + v(b, "mm") + "-2*" + v(c, "mm"),
                              v(hf, "mm") + "-2*" + v(c, "mm"));
      }
      if (comp_flange && bf1 > b) {
        L(r).Raw("受压翼缘的受扭承载力应按下列公式计算：").End();
        flange_c = DesignPart(t, "f'", "Tf'", "Wtf'", Tf1, Wtf1, -1, (bf1 - b) - 2 * c, hf1 - 2 * c,
                              v(bf1, "mm") + "-" + v(b, "mm") + "-2*" + v(c, "mm"),
                              v(hf1, "mm") + "-2*" + v(c, "mm"));
      }
    }
  }

  // Minimums, GBJ 10-89 4.4.8 and 4.4.9, with the βt of the section (also when shear was
  // neglected: then βt is near its upper bound 1.0, the pure-torsion value).
  L(r).Raw("剪扭构件中箍筋和纵筋的最小配筋面积：").End();
  const double rho_sv = (0.07 * beta_t - 0.015) * fault::div(fc, fyv);
  const double rho_tl = 0.08 * (2 * beta_t - 1) * fault::div(fc, k.fy);
  const std::string bt = FormatNumber(beta_t, "#0.000");
  L(r).Raw("箍筋最小配筋率 ρsv,min ＝ 0.02α * fc / fyv ＝ (0.07βt - 0.015) * fc / fyv").End();
  r.Raw("        ＝ (0.07*")
      .Raw(bt)
      .Raw("-0.015)*")
      .Val(fc, "n/mm2_1")
      .Raw("/")
      .Val(fyv, "n/mm2")
      .Raw(" ＝ ");
  r.Val(rho_sv, "percent").End();
  L(r).Raw("受扭纵筋最小配筋率 ρtl,min ＝ 0.08 * (2 * βt - 1) * fc / fy").End();
  r.Raw("        ＝ 0.08*(2*")
      .Raw(bt)
      .Raw("-1)*")
      .Val(fc, "n/mm2_1")
      .Raw("/")
      .Val(k.fy, "n/mm2")
      .Raw(" ＝ ");
  r.Val(rho_tl, "percent").End();

  double Ast1 = web.Ast1, Astl = web.Astl;
  double Asvt = Asv + 2 * Ast1;
  L(r).Raw("腹板箍筋计算配筋面积Asvt ＝ Asv + 2 * Ast1 ＝ ")
      .Val(Asv, "mm2")
      .Raw("+2*")
      .Val(Ast1, "mm2")
      .Raw(" ＝ ");
  r.Val(Asvt, "mm2d").End();
  const double Asvt_min = rho_sv * b * S;
  L(r).Raw("腹板箍筋最小配筋面积Asvt,min ＝ ρsv,min * b * S ＝ ")
      .Num(rho_sv, "0.000000")
      .Raw("*")
      .Val(b, "mm");
  r.Raw("*").Val(S, "mm").Raw(" ＝ ").Val(Asvt_min, "mm2d").End();
  if (Asvt < Asvt_min) {
    Asvt = Asvt_min;
    r.Raw("        Asvt ＜ Asvt,min， 取Asvt ＝ ").Val(Asvt, "mm2d").End();
  }
  // One leg of the torsion stirrup may need a thicker bar than the shear detailing asks for.
  if (Ast1 > 0) {
    const double d = modKalbex::Material().dGjDiameterFromAs(Ast1, int16_t{1});
    if (d > k.Dmin) {
      k.Dmin = fault::to_float(d);
      L(r).Raw("按受扭计算 Ast1 ＝ ")
          .Val(Ast1, "mm2d")
          .Raw("， 箍筋最小直径")
          .Raw(kPhi)
          .Val(d, "mm");
      r.Raw("  （@").Val(S, "mm").Raw("）").End();
    }
  }
  const double Astl_min = rho_tl * b * h;
  L(r).Raw("腹板受扭纵筋最小配筋面积Astl,min ＝ ρtl,min * b * h ＝ ")
      .Num(rho_tl, "0.000000")
      .Raw("*")
      .Val(b, "mm");
  r.Raw("*").Val(h, "mm").Raw(" ＝ ").Val(Astl_min, "mm2d").End();
  if (Astl < Astl_min) {
    Astl = Astl_min;
    r.Raw("        Astl ＜ Astl,min， 取Astl ＝ ").Val(Astl, "mm2d").End();
  }
  auto flange_minimum = [&](bool tension, Part& p, double w, double hh) {
    const std::string_view who =
        tension ? (sh == Shape::ISym ? "受拉及受压翼缘" : "受拉翼缘") : "受压翼缘";
    const std::string_view s1 = tension ? "Ast1f" : "Ast1f'", sl = tension ? "Astlf" : "Astlf'";
    const double a_min = rho_sv * (w - b) * S, l_min = rho_tl * hh * (w - b);
    L(r).Raw(who)
        .Raw("箍筋最小配筋面积")
        .Raw(s1)
        .Raw(",min ＝ ρsv,min * ")
        .Raw(tension ? "(bf - b)" : "(bf' - b)");
    r.Raw(" * S ＝ ")
        .Num(rho_sv, "0.000000")
        .Raw("*(")
        .Val(w, "mm")
        .Raw("-")
        .Val(b, "mm")
        .Raw(")*")
        .Val(S, "mm");
    r.Raw(" ＝ ").Val(a_min, "mm2d").End();
    if (p.Ast1 < 0.5 * a_min) {
      p.Ast1 = 0.5 * a_min;
      r.Raw("        ")
          .Raw(s1)
          .Raw(" ＜ 0.5 * ")
          .Raw(s1)
          .Raw(",min， 取")
          .Raw(s1)
          .Raw(" ＝ ")
          .Val(p.Ast1, "mm2d")
          .End();
    }
    L(r).Raw(who)
        .Raw("受扭纵筋最小配筋面积")
        .Raw(tension ? "Astlf,min ＝ ρtl,min * hf * (bf - b) ＝ "
                     : "Astl',min ＝ ρtl,min * hf' * (bf' - b) ＝ ");
    r.Num(rho_tl, "0.000000")
        .Raw("*")
        .Val(hh, "mm")
        .Raw("*(")
        .Val(w, "mm")
        .Raw("-")
        .Val(b, "mm")
        .Raw(") ＝ ");
    r.Val(l_min, "mm2d").End();
    if (p.Astl < l_min) {
      p.Astl = l_min;
      r.Raw("        ")
          .Raw(sl)
          .Raw(" ＜ ")
          .Raw(sl)
          .Raw(",min， 取")
          .Raw(sl)
          .Raw(" ＝ ")
          .Val(p.Astl, "mm2d")
          .End();
    }
  };
  if (tens_flange && bf > b) flange_minimum(true, flange_t, bf, hf);
  if (comp_flange && bf1 > b) flange_minimum(false, flange_c, bf1, hf1);

  k.Ast1 = Ast1;
  k.AstL = Astl;
  k.Asvt = Asvt;
  L(r).Raw("腹板：箍筋Asvt ＝ ")
      .Val(Asvt, "mm2d")
      .Raw("（其中单肢受扭箍筋Ast1 ＝ ")
      .Val(Ast1, "mm2d");
  r.Raw("），受扭纵筋Astl ＝ ").Val(Astl, "mm2d").End();
}

}  // namespace tk::mvt
