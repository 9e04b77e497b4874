#include "service/crack_width.h"

#include <string_view>

#include "frame/binding.h"
#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/text.h"

namespace tk {

namespace {

// Error codes of the crack-width calculation.
constexpr int32_t kLfOk = 900200;
constexpr int32_t kLfNoCheck = 900357;  // eccentric compression with eo/ho <= 0.55
// Our own code: a member kind or section shape this calculation has no rule for.
constexpr int32_t kLfBadKindShape = 900201;
constexpr int32_t kLfFault = 900999;

enum class Kind { kAxialTension, kEccTension, kFlexure, kEccCompression, kUnknown };
enum class Shape { kRect, kInvT, kT, kISym, kIUnsym, kUnknown };

// The kind and shape names as the shared services component numbers them.
struct Names {
  std::string_view kind[4];
  std::string_view shape[5];
};

const Names& LiteralNames() {
  static const Names n{
      {"轴心受拉", "偏心受拉", "受弯", "偏心受压"},
      {"矩形截面", "倒T形截面", "T形截面", "工形截面（对称）", "工形截面（不对称）"}};
  return n;
}

Names ServiceNames(ISharedServices& s) {
  return Names{{s.tTextById(31340), s.tTextById(31341), s.tTextById(31342), s.tTextById(31343)},
               {s.tTextById(30261), s.tTextById(30262), s.tTextById(30264), s.tTextById(30265),
                s.tTextById(30266)}};
}

Kind KindOf(const Names& n, std::string_view t) {
  for (int k = 0; k < 4; ++k)
    if (t == n.kind[k]) return static_cast<Kind>(k);
  return Kind::kUnknown;
}

Shape ShapeOf(const Names& n, std::string_view t) {
  for (int k = 0; k < 5; ++k)
    if (t == n.shape[k]) return static_cast<Shape>(k);
  return Shape::kUnknown;
}

bool IsI(Shape s) {
  return s == Shape::kISym || s == Shape::kIUnsym;
}

// The parameters of both operations, held by reference.
struct LfArgs {
  int32_t& lErrNumber;
  const std::string& tGjBh;
  const std::string& tGjSlTz;
  const std::string& tJmXs;
  bool bPxSrFs, bBxGj, bDpZj, bCfHz, bQzDc;
  double& c;
  double D, MsEo, Ns, dAs, B, H;
  double &Bf, &Hf, &Bf1, &Hf1;
  double Lo;
  double &Cas, &Cas1;
  double Ftk, Es;
  double* Wmax;
};

// Distance of the centroid of the gross section from the tension face.
double CentroidFromTensionFace(Shape shape, double b, double h, double bf, double hf, double bf1,
                               double hf1) {
  switch (shape) {
    case Shape::kRect:
      return fault::div(0.5 * b * h * h, b * h);
    case Shape::kInvT:
      return fault::div(0.5 * (b * h * h + (bf - b) * hf * hf), b * (h - hf) + bf * hf);
    case Shape::kT:
      return fault::div(0.5 * (b * h * h + (bf1 - b) * (2 * h - hf1) * hf1),
                        bf1 * hf1 + b * (h - hf1));
    default:
      return fault::div(0.5 * (b * h * h + (bf - b) * hf * hf + (bf1 - b) * (2 * h - hf1) * hf1),
                        bf1 * hf1 + b * (h - hf - hf1) + bf * hf);
  }
}

// Report pieces of the centroid: the symbolic term and the values term of yb.
void YbFormula(Report& r, Shape shape) {
  switch (shape) {
    case Shape::kRect:
      r.Raw("0.5b * h ^ 2 / (b * h)");
      break;
    case Shape::kInvT:
      r.Raw("0.5[b * h ^ 2 + (bf - b) * hf ^ 2] / [b * (h - hf) + bf * hf]");
      break;
    case Shape::kT:
      r.Raw("0.5[b * h ^ 2 + (bf' - b) * (2h - hf') * hf'] / [bf' * hf' + b * (h - hf')]");
      break;
    default:
      r.Raw(
          "0.5[b * h ^ 2 + (bf - b) * hf ^ 2 + (bf' - b) * (2h - hf') * hf'] / [bf' * hf' + b * (h "
          "- hf - hf') + bf * hf]");
  }
}
void YbValues(Report& r, Shape shape, double b, double h, double bf, double hf, double bf1,
              double hf1) {
  auto L = [&](double x) -> Report& { return r.Fmt(x, "mm", 0); };
  switch (shape) {
    case Shape::kRect:
      r.Raw("0.5*");
      L(b).Raw("*");
      L(h).Raw("^2/(");
      L(b).Raw("*");
      L(h).Raw(")");
      break;
    case Shape::kInvT:
      r.Raw("0.5*[");
      L(b).Raw("*");
      L(h).Raw("^2+(");
      L(bf).Raw("-");
      L(b).Raw(")*");
      L(hf).Raw("^2]/[");
      L(b).Raw("*(");
      L(h).Raw("-");
      L(hf).Raw(")+");
      L(bf).Raw("*");
      L(hf).Raw("]");
      break;
    case Shape::kT:
      r.Raw("0.5*[");
      L(b).Raw("*");
      L(h).Raw("^2+(");
      L(bf1).Raw("-");
      L(b).Raw(")*(2*");
      L(h).Raw("-");
      L(hf1).Raw(")*");
      L(hf1).Raw("]/[");
      L(bf1).Raw("*");
      L(hf1).Raw("+");
      L(b).Raw("*(");
      L(h).Raw("-");
      L(hf1).Raw(")]");
      break;
    default:
      r.Raw("0.5*[");
      L(b).Raw("*");
      L(h).Raw("^2+(");
      L(bf).Raw("-");
      L(b).Raw(")*");
      L(hf).Raw("^2+(");
      L(bf1).Raw("-");
      L(b).Raw(")*(2*");
      L(h).Raw("-");
      L(hf1).Raw(")*");
      L(hf1).Raw("]/[");
      L(bf1).Raw("*");
      L(hf1).Raw("+");
      L(b).Raw("*(");
      L(h).Raw("-");
      L(hf).Raw("-");
      L(hf1).Raw(")+");
      L(bf).Raw("*");
      L(hf).Raw("]");
  }
}

// GBJ 10-89 clause 5.2: maximum crack width under the short-term combination. With a report
// (kReport) every result is followed by its lines; without one nothing but the arithmetic runs,
// since the bar selection calls this once per candidate arrangement.
template <bool kReport>
void CrackWidth(LfArgs& a, const Names& names, Report* rp, bool ms_always) {
  a.lErrNumber = kLfOk;
  const Kind kind = KindOf(names, a.tGjSlTz);
  const Shape shape = ShapeOf(names, a.tJmXs);
  // A T section in axial tension has no effective-area rule (the form never offers it): it is
  // refused like an unknown kind or shape rather than given a made-up area.
  if (kind == Kind::kUnknown || shape == Shape::kUnknown ||
      (kind == Kind::kAxialTension && shape == Shape::kT)) {
    a.lErrNumber = kLfBadKindShape;
    if constexpr (kReport) {
      rp->Error("构件受力特征“" + a.tGjSlTz + "”与截面形式“" + a.tJmXs + "”不能进行裂缝宽度验算。");
    }
    return;
  }
  if (shape == Shape::kISym) {
    a.Bf1 = a.Bf;
    a.Hf1 = a.Hf;
  }
  // GBJ 10-89 clause 5.2.2: member-behaviour coefficient alpha_cr.
  static constexpr double kAlphaCr[4] = {2.7, 2.4, 2.1, 2.1};
  const double alpha_cr = kAlphaCr[static_cast<int>(kind)];
  const double c_given = a.c;
  if (a.bDpZj) {
    // A single layer of bars: their centroid lies half a diameter inside the given cover.
    a.Cas = c_given + a.D / 2;
    a.Cas1 = a.Cas;
  }
  const double as = a.Cas, as1 = a.Cas1;
  const double b = a.B, h = a.H, bf = a.Bf, hf = a.Hf, bf1 = a.Bf1, hf1 = a.Hf1;
  const double As = a.dAs, d = a.D, Ns = a.Ns, Es = a.Es, ftk = a.Ftk;
  const double ho = h - as;
  // GBJ 10-89 clause 5.2.2: a cover below 20 mm is taken as 20 mm.
  if (a.c < 20) a.c = 20;
  const double c = a.c;
  const double upsilon = a.bBxGj ? 0.7 : 1.0;
  const bool eccentric = kind == Kind::kEccTension || kind == Kind::kEccCompression;
  const bool ms_given =
      kind == Kind::kFlexure ? (ms_always || a.bPxSrFs) : (eccentric && a.bPxSrFs);
  const double Ms = ms_given ? a.MsEo : 0.0;

  const auto V = [&](double x, std::string_view tok) -> Report& { return rp->Fmt(x, tok, 0); };
  if constexpr (kReport) {
    Report& r = *rp;
    const std::string_view kind_name = names.kind[static_cast<int>(kind)];
    const std::string_view shape_name = names.shape[static_cast<int>(shape)];
    r.Raw("  1．基本资料：").HeadingEnd();
    r.Sp(4)
        .Raw(shape_name)
        .Raw(kind_name)
        .Raw("构件")
        .Sp(4)
        .Raw("构件受力特征系数αcr＝")
        .Raw(kind == Kind::kAxialTension ? "2.7"
             : kind == Kind::kEccTension ? "2.4"
                                         : "2.1")
        .End();
    r.Raw("    截面宽度b＝");
    V(b, "mmd").End();
    r.Raw("    截面高度h＝");
    V(h, "mmd").End();
    const auto flange = [&](const char* label, double x) {
      r.Raw(label);
      V(x, "mmd").End();
    };
    switch (shape) {
      case Shape::kISym:
        flange("    翼缘宽度bf,bf'＝", bf);
        flange("    翼缘高度hf,hf'＝", hf);
        break;
      case Shape::kInvT:
        flange("    受拉区翼缘宽度bf ＝", bf);
        flange("    受拉区翼缘高度hf ＝", hf);
        break;
      case Shape::kT:
        if (kind != Kind::kFlexure) {
          flange("    受压区翼缘宽度bf'＝", bf1);
          flange("    受压区翼缘高度hf'＝", hf1);
        }
        break;
      case Shape::kIUnsym:
        flange("    受拉区翼缘宽度bf ＝", bf);
        flange("    受拉区翼缘高度hf ＝", hf);
        flange("    受压区翼缘宽度bf'＝", bf1);
        flange("    受压区翼缘高度hf'＝", hf1);
        break;
      default:
        break;
    }
    if (kind == Kind::kEccCompression) {
      r.Raw("    受压构件计算长度lo＝");
      V(a.Lo, "mmd").End();
    }
    r.Raw("    最外层纵向受拉钢筋外边缘至受拉区底边的距离c＝");
    V(c_given, "mmd");
    if (c_given < 20) {
      r.Raw("＜20，取c＝");
      V(20, "mmd");
    }
    r.End();
    r.Raw("    钢筋直径（或换算直径）d＝");
    V(d, "mmd").End();
    r.Raw(a.bBxGj ? "    变形钢筋，υ＝0.7" : "    光面钢筋，υ＝1.0").End();
    r.Raw("    钢筋弹性模量Es＝");
    V(Es, "n/mm2d").End();
    r.Raw("    纵向受拉钢筋合力点至截面近边的距离as＝");
    V(as, "mmd").Raw("    ho ＝ ");
    V(ho, "mmd").End();
    if (kind == Kind::kEccTension) {
      r.Raw("    受压区（或受拉较小边）纵向钢筋合力点至截面近边的距离as'＝");
      V(as1, "mmd").End();
    }
    if (a.bCfHz)
      r.Raw("    构件为直接承受重复荷载（ψ ＝ 1.0）").End();
    else {
      r.Raw("    混凝土抗拉强度标准值ftk＝");
      V(ftk, "n/mm2d_2").End();
    }
    if (kind == Kind::kFlexure && a.bQzDc)
      r.Raw("    构件为直接承受轻、中级工作制吊车的受弯构件").End();
    if (kind != Kind::kFlexure) {
      r.Raw("    按荷载的短期效应组合计算的轴向力值Ns＝");
      V(Ns, "knd").End();
    }
    if (ms_given) {
      r.Raw("    按荷载的短期效应组合计算的弯矩值Ms＝");
      V(Ms, "knmd").End();
    }
  }
  // The data lines stand before eo, so that a zero Ns leaves them in the report.
  double eo = 0;
  if (eccentric) eo = a.bPxSrFs ? fault::div(Ms, Ns) * 1000 : a.MsEo;
  if constexpr (kReport) {
    Report& r = *rp;
    if (eccentric) {
      if (a.bPxSrFs) {
        r.Raw("    轴向力对截面重心的偏心距eo＝Ms / Ns ＝ ");
        V(Ms * 1e6, "nmm").Raw("/");
        V(Ns * 1000, "n").Raw(" ＝ ");
        V(eo, "mmd").End();
      } else {
        r.Raw("    轴向力对截面重心的偏心距eo＝");
        V(eo, "mmd").End();
      }
    }
  }

  // GBJ 10-89 clause 5.2: an eccentric compression member with eo/ho <= 0.55 needs no crack
  // check (the bars hardly work in tension); the service entry tells its caller by the code.
  if (kind == Kind::kEccCompression) {
    const double ratio = fault::div(eo, ho);
    // Decimal inputs that give 0.55 on paper may land a few ulps above it in binary.
    if (ratio <= 0.55 + 1e-12) {
      if constexpr (kReport) {
        rp->Raw("    eo / ho ＝");
        V(ratio, "m3").Raw(" ≤ 0.55，可不验算裂缝宽度。").End();
      } else {
        a.lErrNumber = kLfNoCheck;
      }
      return;
    }
  }
  if constexpr (kReport) {
    rp->Raw("    设计时执行的规范：").End();
    rp->Raw("    《混凝土结构设计规范》GBJ 10－89，以下简称“混凝土规范”").End();
  }

  // Effective tension area Ate, GBJ 10-89 clause 5.2.2.
  double Ate;
  int ate_rule;  // 0 b*h, 1 +(bf-b)hf, 2 +2(bf-b)hf, 3 both flanges, 4 0.5bh+(bf-b)hf, 5 0.5bh
  if (kind == Kind::kAxialTension) {
    switch (shape) {
      case Shape::kRect:
        Ate = b * h;
        ate_rule = 0;
        break;
      case Shape::kInvT:
        Ate = b * h + (bf - b) * hf;
        ate_rule = 1;
        break;
      case Shape::kISym:
        Ate = b * h + 2 * (bf - b) * hf;
        ate_rule = 2;
        break;
      default:
        Ate = b * h + (bf - b) * hf + (bf1 - b) * hf1;
        ate_rule = 3;
        break;
    }
  } else if (shape == Shape::kInvT || IsI(shape)) {
    Ate = 0.5 * b * h + (bf - b) * hf;
    ate_rule = 4;
  } else {
    Ate = 0.5 * b * h;
    ate_rule = 5;
  }
  const double rho_te_raw = fault::div(As, Ate);
  // GBJ 10-89 clause 5.2.2: rho_te below 0.01 is taken as 0.01 in the crack width.
  const double rho_te = rho_te_raw < 0.01 ? 0.01 : rho_te_raw;
  if constexpr (kReport) {
    Report& r = *rp;
    const std::string_view kind_name = names.kind[static_cast<int>(kind)];
    const std::string_view shape_name = names.shape[static_cast<int>(shape)];
    r.Raw("  2．裂缝宽度验算：").HeadingEnd();
    r.Raw("  (1) 以有效受拉混凝土截面面积计算的纵向受拉钢筋配筋率ρte，按下列公式计算：").End();
    r.Raw("    ρte ＝ As / Ate").Raw("    （混凝土规范式 5.2.2-3）").End();
    static constexpr std::string_view kAteRule[6] = {
        "Ate ＝ b * h",
        "Ate ＝ b * h + (bf - b) * hf",
        "Ate ＝ b * h + 2(bf - b) * hf",
        "Ate ＝ b * h + (bf - b) * hf + (bf' -b) * hf'",
        "Ate ＝ 0.5 * b * h + (bf - b) * hf",
        "Ate ＝ 0.5 * b * h"};
    r.Raw("    对")
        .Raw(shape_name)
        .Raw("的")
        .Raw(kind_name)
        .Raw("构件：")
        .Raw(kAteRule[ate_rule])
        .End();
    r.Raw("    Ate ＝ ");
    if (ate_rule >= 4) r.Raw("0.5*");
    V(b, "mm").Raw("*");
    V(h, "mm");
    if (ate_rule != 0 && ate_rule != 5) {
      r.Raw(ate_rule == 2 ? "+2*(" : "+(");
      V(bf, "mm").Raw("-");
      V(b, "mm").Raw(")*");
      V(hf, "mm");
      if (ate_rule == 3) {
        r.Raw("+(");
        V(bf1, "mm").Raw("-");
        V(b, "mm").Raw(")*");
        V(hf1, "mm");
      }
    }
    r.Raw(" ＝ ");
    V(Ate, "mm2d").End();
    r.Raw("    ρte ＝ ");
    V(As, "mm2").Raw("/");
    V(Ate, "mm2").Raw(" ＝ ");
    V(rho_te_raw, "pjl").End();
    if (rho_te_raw < 0.01) r.Raw("    在最大裂缝宽度计算中，当ρte＜0.01时，取ρte ＝ 0.01").End();
  }

  // Steel stress under the short-term combination, GBJ 10-89 clause 5.2.3.
  double sigma_ss = 0;
  switch (kind) {
    case Kind::kAxialTension: {
      sigma_ss = fault::div(Ns * 1000, As);  // eq. 5.2.3-1
      if constexpr (kReport) {
        Report& r = *rp;
        r.Raw("  (2) 在荷载的短期效应组合下构件纵向受拉钢筋应力σss，按下列公式计算：").End();
        r.Sp(4)
            .Raw(names.kind[0])
            .Raw("：σss ＝ Ns / As")
            .Raw("    （混凝土规范式 5.2.3-1）")
            .End();
        r.Raw("    σss ＝ ");
        V(Ns * 1000, "n").Raw("/");
        V(As, "mm2").Raw(" ＝ ");
        V(sigma_ss, "n/mm2d").End();
      }
      break;
    }
    case Kind::kEccTension: {
      const double yb = CentroidFromTensionFace(shape, b, h, bf, hf, bf1, hf1);
      const double ys1 = h - yb - as1;
      const double e1 = eo + ys1;
      if constexpr (kReport) {
        Report& r = *rp;
        r.Raw("  (2) 在荷载的短期效应组合下构件纵向受拉钢筋应力σss，按下列公式计算：").End();
        r.Sp(4)
            .Raw(names.kind[1])
            .Raw("：σss ＝ Ns * e' / [As * (ho - as')]")
            .Raw("    （混凝土规范式 5.2.3-2）")
            .End();
        r.Raw("    截面重心到受压区或受拉较小边纵向钢筋合力点的距离：").End();
        r.Raw("    ys' ＝ h - ");
        YbFormula(r, shape);
        r.Raw(" - as'").End();
        r.Raw("        ＝ ");
        V(h, "mm").Raw("-");
        YbValues(r, shape, b, h, bf, hf, bf1, hf1);
        r.Raw("-");
        V(as1, "mm").Raw(" ＝ ");
        V(ys1, "mmd").End();
        r.Raw("    轴向拉力作用点至受压区或受拉较小边纵向钢筋合力点的距离：").End();
        r.Raw("    e' ＝ eo + ys' ＝ ");
        V(eo, "mm").Raw("+");
        V(ys1, "mm").Raw(" ＝ ");
        V(e1, "mmd").End();
      }
      sigma_ss = fault::div(Ns * 1000 * e1, As * (ho - as1));  // eq. 5.2.3-2
      if constexpr (kReport) {
        Report& r = *rp;
        r.Raw("    σss ＝ ");
        V(Ns * 1000, "n").Raw("*");
        V(e1, "mm").Raw("/[");
        V(As, "mm2").Raw("*(");
        V(ho, "mm").Raw("-");
        V(as1, "mm").Raw(")] ＝ ");
        V(sigma_ss, "n/mm2d").End();
      }
      break;
    }
    case Kind::kFlexure: {
      sigma_ss = fault::div(Ms * 1e6, 0.87 * ho * As);  // eq. 5.2.3-3
      if constexpr (kReport) {
        Report& r = *rp;
        r.Raw("  (2) 在荷载的短期效应组合下构件纵向受拉钢筋应力σss，按下列公式计算：").End();
        r.Sp(4)
            .Raw(names.kind[2])
            .Raw("：σss ＝ Ms / (0.87 * ho * As)")
            .Raw("    （混凝土规范式 5.2.3-3）")
            .End();
        r.Raw("    σss ＝ ");
        V(Ms * 1e6, "nmm").Raw("/(0.87*");
        V(ho, "mm").Raw("*");
        V(As, "mm2").Raw(") ＝ ");
        V(sigma_ss, "n/mm2d").End();
      }
      break;
    }
    default: {  // eccentric compression
      const double lo_h = fault::div(a.Lo, h);
      // eq. 5.2.3-7: no magnification for lo/h up to 14.
      const double eta_s = lo_h <= 14 ? 1.0 : 1 + fault::div(1.0, 4000 * eo / ho) * lo_h * lo_h;
      if constexpr (kReport) {
        Report& r = *rp;
        r.Raw("  (2) 在荷载的短期效应组合下构件纵向受拉钢筋应力σss，按下列公式计算：").End();
        r.Sp(4)
            .Raw(names.kind[3])
            .Raw("：σss ＝ Ns * (e -z) / As / z")
            .Raw("    （混凝土规范式 5.2.3-4）")
            .End();
        r.Raw("    z ＝ [0.87 - 0.12 * (1 - γf') * (ho / e)^2] * ho")
            .Raw("    （混凝土规范式 5.2.3-5）")
            .End();
        r.Raw("    e ＝ ηs * eo + ys").Raw("    （混凝土规范式 5.2.3-6）").End();
        r.Raw("    ηs ＝ 1 + [1 / (4000 * eo / ho)] * (lo / h)^2")
            .Raw("    （混凝土规范式 5.2.3-7）")
            .End();
        if (lo_h <= 14) {
          r.Raw("    lo / h ＝ ");
          V(a.Lo, "mm").Raw("/");
          V(h, "mm").Raw(" ≤ 14，").Raw("取ηs ＝ 1.0　").End();
        } else {
          r.Raw("    ηs ＝ 1+[1/(4000*");
          V(eo, "mm").Raw("/");
          V(ho, "mm").Raw(")]*(");
          V(a.Lo, "mm").Raw("/");
          V(h, "mm").Raw(")^2 ＝ ");
          V(eta_s, "m3").End();
        }
      }
      const double yb = CentroidFromTensionFace(shape, b, h, bf, hf, bf1, hf1);
      const double ys = yb - as;
      const double e = eta_s * eo + ys;
      if constexpr (kReport) {
        Report& r = *rp;
        r.Raw("    截面重心到纵向受拉钢筋合力点的距离：").End();
        r.Raw("    ys ＝ ");
        YbFormula(r, shape);
        r.Raw(" - as").End();
        r.Raw("       ＝ ");
        YbValues(r, shape, b, h, bf, hf, bf1, hf1);
        r.Raw("-");
        V(as, "mm").Raw(" ＝ ");
        V(ys, "mmd").End();
        r.Raw("    轴向压力作用点至纵向受拉钢筋合力点的距离：").End();
        r.Raw("    e ＝ ηs * eo + ys ＝ ");
        V(eta_s, "m3").Raw("*");
        V(eo, "mm").Raw("+");
        V(ys, "mm").Raw(" ＝ ");
        V(e, "mmd").End();
        r.Raw("    受压翼缘面积与腹板有效面积的比值：").End();
      }
      // gamma_f': compression flange of T and I sections, its thickness limited to 0.2 ho
      // (GBJ 10-89 clause 5.2.3) for this ratio only.
      double gamma_f1 = 0;
      if (shape == Shape::kT || IsI(shape)) {
        double hf1_used = hf1;
        const bool reduced = hf1 > 0.2 * ho;
        if (reduced) hf1_used = 0.2 * ho;
        gamma_f1 = fault::div(fault::div((bf1 - b) * hf1_used, b), ho);
        if constexpr (kReport) {
          Report& r = *rp;
          if (reduced) {
            r.Raw("    当hf'＞0.2ho时，取hf' ＝ 0.2ho ＝ ");
            V(hf1_used, "mmd").End();
          }
          r.Raw("    γf' ＝ (bf' - b) * hf' / b /ho ＝ (");
          V(bf1, "mm").Raw("-");
          V(b, "mm").Raw(")*");
          V(hf1_used, "mm").Raw("/");
          V(b, "mm").Raw("/");
          V(ho, "mm").Raw(" ＝ ");
          V(gamma_f1, "m3").End();
        }
      } else if constexpr (kReport) {
        rp->Raw("    对于").Raw(names.shape[static_cast<int>(shape)]).Raw("，γf' ＝ 0").End();
      }
      const double ho_e = fault::div(ho, e);
      const double z_raw = (0.87 - 0.12 * (1 - gamma_f1) * ho_e * ho_e) * ho;  // eq. 5.2.3-5
      const double z = z_raw > 0.87 * ho ? 0.87 * ho : z_raw;
      if constexpr (kReport) {
        Report& r = *rp;
        r.Raw("    z ＝ [0.87-0.12(1-");
        V(gamma_f1, "m3").Raw(")*(");
        V(ho, "mm").Raw("/");
        V(e, "mm").Raw(")^2]*");
        V(ho, "mm").Raw(" ＝ ");
        V(z_raw, "mmd").End();
        if (z_raw > 0.87 * ho) {
          r.Raw("    当z＞0.87ho时，取z ＝ 0.87ho ＝ ");
          V(z, "mmd").End();
        }
      }
      sigma_ss = fault::div(fault::div(Ns * 1000 * (e - z), As), z);  // eq. 5.2.3-4
      if constexpr (kReport) {
        Report& r = *rp;
        r.Raw("    σss ＝ ");
        V(Ns * 1000, "n").Raw("*(");
        V(e, "mm").Raw("-");
        V(z, "mm").Raw(")/");
        V(As, "mm2").Raw("/");
        V(z, "mm").Raw(" ＝ ");
        V(sigma_ss, "n/mm2d").End();
      }
      break;
    }
  }

  // Strain non-uniformity of the bars between cracks, GBJ 10-89 eq. 5.2.2-2.
  double psi = 1.0, psi_raw = 1.0;
  if (!a.bCfHz) {
    psi_raw = 1.1 - fault::div(fault::div(0.65 * ftk, rho_te), sigma_ss);
    psi = psi_raw < 0.4 ? 0.4 : psi_raw > 1.0 ? 1.0 : psi_raw;
  }
  if constexpr (kReport) {
    Report& r = *rp;
    r.Raw("  (3) 裂缝间纵向受拉钢筋应变不均匀系数ψ，按下列公式计算：").End();
    r.Raw("    ψ ＝ 1.1 - 0.65ftk / ρte / σss").Raw("    （混凝土规范式 5.2.2-2）").End();
    if (a.bCfHz) {
      r.Raw("    对直接承受重复荷载的构件，取ψ ＝ 1.0").End();
    } else {
      r.Raw("    ψ ＝ 1.1 - 0.65*");
      V(ftk, "n/mm2").Raw("/");
      V(rho_te, "pjl").Raw("/");
      V(sigma_ss, "n/mm2").Raw(" ＝ ");
      V(psi_raw, "m3").End();
      if (psi_raw < 0.4)
        r.Raw("    当ψ＜0.4时，取ψ ＝ 0.4").End();
      else if (psi_raw > 1.0)
        r.Raw("    当ψ＞1.0时，取ψ ＝ 1.0").End();
    }
  }

  // GBJ 10-89 eq. 5.2.2-1.
  const double w_max =
      fault::div(alpha_cr * psi * sigma_ss * (2.7 * c + 0.1 * fault::div(d, rho_te)) * upsilon, Es);
  if constexpr (kReport) {
    Report& r = *rp;
    r.Raw("  (4) 最大裂缝宽度，按下列公式计算：").End();
    r.Raw("    ωmax ＝ αcr * ψ * σss * (2.7 * c + 0.1 * d / ρte ) * υ / Es ")
        .Raw("    （混凝土规范式 5.2.2-1）")
        .End();
    r.Raw("         ＝ ");
    V(alpha_cr, "m3").Raw("*");
    V(psi, "m3").Raw("*");
    V(sigma_ss, "n/mm2").Raw("*(2.7*");
    V(c, "mm").Raw("+0.1*");
    V(d, "mm").Raw("/");
    V(rho_te, "pjl").Raw(")*");
    V(upsilon, "m3").Raw("/");
    V(Es, "n/mm2").End();
    r.Raw("    ωmax ＝ ");
    V(w_max, "mmd_3").End();
  }
  double result = w_max;
  // GBJ 10-89 clause 5.2.2 note: flexural members carrying light or medium duty cranes directly.
  if (kind == Kind::kFlexure && a.bQzDc) {
    result = 0.85 * w_max;
    if constexpr (kReport) {
      rp->Raw("    对直接承受轻、中级工作制吊车的受弯构件，可将计算求得到ωmax乘以系数0.85：").End();
      rp->Raw("    ωmax' ＝ 0.85*");
      V(w_max, "mm_3").Raw(" ＝ ");
      V(result, "mmd_3").End();
    }
  }
  if (a.Wmax) *a.Wmax = result;
}

}  // namespace

clsLfKd::clsLfKd() : m_Member(std::make_unique<MemberComponent>()) {}

clsLfKd::~clsLfKd() {
  m_Member.reset();
}

void clsLfKd::LfKdCommon(std::string& tText, int32_t& lErrNumber, std::string& tGjBh,
                         std::string& tGjSlTz, std::string& tJmXs, bool& bPxSrFs, bool& bBxGj,
                         bool& bDpZj, bool& bCfHz, bool& bQzDc, double& c, double& D, double& MsEo,
                         double& Ns, double& dAs, double& B, double& H, double& Bf, double& Hf,
                         double& Bf1, double& Hf1, double& Lo, double& Cas, double& Cas1,
                         double& Ftk, double& Es, double* Wmax) {
  (void)tText;
  LfArgs a{lErrNumber, tGjBh, tGjSlTz, tJmXs, bPxSrFs, bBxGj, bDpZj, bCfHz, bQzDc,
           c,          D,     MsEo,    Ns,    dAs,     B,     H,     Bf,    Hf,
           Bf1,        Hf1,   Lo,      Cas,   Cas1,    Ftk,   Es,    Wmax};
  try {
    // Without the report the moment is read only when bPxSrFs says MsEo is one; a flexural
    // member called with false therefore has no moment and ends in the arithmetic trap.
    CrackWidth<false>(a, LiteralNames(), nullptr, false);
  } catch (const ArithmeticFault&) {
    lErrNumber = kLfFault;
  }
}

void clsLfKd::LfKdCommon_1(std::string& tText, int32_t& lErrNumber, std::string& tGjBh,
                           std::string& tGjSlTz, std::string& tJmXs, bool& bPxSrFs, bool& bBxGj,
                           bool& bDpZj, bool& bCfHz, bool& bQzDc, double& c, double& D,
                           double& MsEo, double& Ns, double& dAs, double& B, double& H, double& Bf,
                           double& Hf, double& Bf1, double& Hf1, double& Lo, double& Cas,
                           double& Cas1, double& Ftk, double& Es, double* Wmax) {
  ISharedServices& svc = modKalbex::Services();
  Report r(svc);
  r.Raw("裂缝宽度验算：").Raw(TrimView(tGjBh)).Raw("\r\n\r\n");
  LfArgs a{lErrNumber, tGjBh, tGjSlTz, tJmXs, bPxSrFs, bBxGj, bDpZj, bCfHz, bQzDc,
           c,          D,     MsEo,    Ns,    dAs,     B,     H,     Bf,    Hf,
           Bf1,        Hf1,   Lo,      Cas,   Cas1,    Ftk,   Es,    Wmax};
  try {
    CrackWidth<true>(a, ServiceNames(svc), &r, true);
  } catch (const ArithmeticFault&) {
    lErrNumber = kLfFault;
    r.End().Text(32005).Text(32007).Raw(" ").Text(32105);
  }
  r.MoveTo(tText);
}

void clsLfKd::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

void clsLfKd::PicForm(HostRef& frm) {
  pic_form_ = frm;
}

const ClassInfo& clsLfKd::ClassInfoOf() {
  using C [[maybe_unused]] = clsLfKd;
  static const ClassInfo ci{
      "clsLfKd",
      {
          Method("SubForm", &C::SubForm, {"frm"}),
          Method("PicForm", &C::PicForm, {"frm"}),
          Method("LfKdCommon", &C::LfKdCommon,
                 {"tText", "lErrNumber", "tGjBh", "tGjSlTz", "tJmXs", "bPxSrFs", "bBxGj",
                  "bDpZj", "bCfHz",      "bQzDc", "c",       "D",     "MsEo",    "Ns",
                  "dAs",   "B",          "H",     "Bf",      "Hf",    "Bf1",     "Hf1",
                  "Lo",    "Cas",        "Cas1",  "Ftk",     "Es",    "Wmax"}),
          Method("LfKdCommon_1", &C::LfKdCommon_1,
                 {"tText", "lErrNumber", "tGjBh", "tGjSlTz", "tJmXs", "bPxSrFs", "bBxGj",
                  "bDpZj", "bCfHz",      "bQzDc", "c",       "D",     "MsEo",    "Ns",
                  "dAs",   "B",          "H",     "Bf",      "Hf",    "Bf1",     "Hf1",
                  "Lo",    "Cas",        "Cas1",  "Ftk",     "Es",    "Wmax"}),
          Method("bLoadOrSaveData", &C::bLoadOrSaveData, {"tMode", "tDataSaveName", "tErr"}),
          Method("LoadOrSaveData", &C::LoadOrSaveData, {"tMode", "tDataSaveName"}),
          Method("CheckLfErr", &C::CheckLfErr, {"lErrNumber", "Index", "CboB", "OptSet"}),
          Method("CboB_KeyPress", &C::CboB_KeyPress, {"Index", "KeyAscii"}),
          Method("Form_Load", &C::Form_Load, {}),
          Method("chkXsTL_Click", &C::chkXsTL_Click, {}),
          Method("CboChangeAndClick", &C::CboChangeAndClick, {"Index"}),
          Method("ChkB_Click", &C::ChkB_Click, {"Index"}),
          Method("ChkOpt_Click", &C::ChkOpt_Click, {"Index"}),
          Method("OptSet_Click", &C::OptSet_Click, {"Index"}),
          Method("Calculate", &C::Calculate, {"tText", "tGjBh"}),
      }};
  return ci;
}

}  // namespace tk
