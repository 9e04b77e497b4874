#include "service/crack_width.h"

#include <optional>
#include <string_view>

#include "codes/gbj10_89.h"
#include "codes/section_shape.h"
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

using gbj10_89::CrackMember;

// The kinds and shapes a crack width is worked for, in the order of their names below.
constexpr CrackMember kKinds[4] = {CrackMember::AxialTension, CrackMember::EccTension,
                                   CrackMember::Flexure, CrackMember::EccCompression};
constexpr SectionShape kShapes[5] = {SectionShape::Rect, SectionShape::InvT, SectionShape::T,
                                     SectionShape::ISym, SectionShape::IUnsym};

// The kind and shape names as the shared services component numbers them.
struct Names {
  std::string_view kind[4];
  std::string_view shape[5];
};

const Names& LiteralNames() {
  static const Names n{
      {"轴心受拉", "偏心受拉", "受弯", "偏心受压"},
      {SectionShapeName(kShapes[0]), SectionShapeName(kShapes[1]), SectionShapeName(kShapes[2]),
       SectionShapeName(kShapes[3]), SectionShapeName(kShapes[4])}};
  return n;
}

Names ServiceNames(ISharedServices& s) {
  return Names{{s.tTextById(31340), s.tTextById(31341), s.tTextById(31342), s.tTextById(31343)},
               {s.tTextById(30261), s.tTextById(30262), s.tTextById(30264), s.tTextById(30265),
                s.tTextById(30266)}};
}

std::optional<CrackMember> KindOf(const Names& n, std::string_view t) {
  for (size_t k = 0; k < 4; ++k)
    if (t == n.kind[k]) return kKinds[k];
  return std::nullopt;
}

std::optional<SectionShape> ShapeOf(const Names& n, std::string_view t) {
  for (size_t k = 0; k < 5; ++k)
    if (t == n.shape[k]) return kShapes[k];
  return std::nullopt;
}

std::string_view NameOf(const Names& n, CrackMember m) {
  return n.kind[static_cast<size_t>(m)];
}

std::string_view NameOf(const Names& n, SectionShape s) {
  for (size_t k = 0; k < 5; ++k)
    if (kShapes[k] == s) return n.shape[k];
  return {};
}

bool IsI(SectionShape s) {
  return s == SectionShape::ISym || s == SectionShape::IUnsym;
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
double CentroidFromTensionFace(SectionShape shape, double b, double h, double bf, double hf,
                               double bf1, double hf1) {
  switch (shape) {
    case SectionShape::Rect:
      return fault::div(0.5 * b * h * h, b * h);
    case SectionShape::InvT:
      return fault::div(0.5 * (b * h * h + (bf - b) * hf * hf), b * (h - hf) + bf * hf);
    case SectionShape::T:
      return fault::div(0.5 * (b * h * h + (bf1 - b) * (2 * h - hf1) * hf1),
                        bf1 * hf1 + b * (h - hf1));
    default:
      return fault::div(0.5 * (b * h * h + (bf - b) * hf * hf + (bf1 - b) * (2 * h - hf1) * hf1),
                        bf1 * hf1 + b * (h - hf - hf1) + bf * hf);
  }
}

// The centroid term of a report line: its symbols and its values, the values as $0 b, $1 h,
// $2 bf, $3 hf, $4 bf', $5 hf'.
struct CentroidForm {
  std::string_view symbols, values;
};
CentroidForm CentroidFormOf(SectionShape shape) {
  switch (shape) {
    case SectionShape::Rect:
      return {"0.5b * h ^ 2 / (b * h)", "0.5*$0*$1^2/($0*$1)"};
    case SectionShape::InvT:
      return {"0.5[b * h ^ 2 + (bf - b) * hf ^ 2] / [b * (h - hf) + bf * hf]",
              "0.5*[$0*$1^2+($2-$0)*$3^2]/[$0*($1-$3)+$2*$3]"};
    case SectionShape::T:
      return {"0.5[b * h ^ 2 + (bf' - b) * (2h - hf') * hf'] / [bf' * hf' + b * (h - hf')]",
              "0.5*[$0*$1^2+($4-$0)*(2*$1-$5)*$5]/[$4*$5+$0*($1-$5)]"};
    default:
      return {
          "0.5[b * h ^ 2 + (bf - b) * hf ^ 2 + (bf' - b) * (2h - hf') * hf'] / [bf' * hf' + b * "
          "(h - hf - hf') + bf * hf]",
          "0.5*[$0*$1^2+($2-$0)*$3^2+($4-$0)*(2*$1-$5)*$5]/[$4*$5+$0*($1-$3-$5)+$2*$3]"};
  }
}

// Effective tension area Ate (art. 5.2.2): its rule as the report names it.
enum class AteRule { Web, OneFlange, TwoFlanges, BothFlanges, HalfWebFlange, HalfWeb };
constexpr std::string_view kAteRuleText[6] = {"Ate ＝ b * h",
                                              "Ate ＝ b * h + (bf - b) * hf",
                                              "Ate ＝ b * h + 2(bf - b) * hf",
                                              "Ate ＝ b * h + (bf - b) * hf + (bf' -b) * hf'",
                                              "Ate ＝ 0.5 * b * h + (bf - b) * hf",
                                              "Ate ＝ 0.5 * b * h"};
constexpr std::string_view kAteRuleValues[6] = {"$0*$1",
                                                "$0*$1+($2-$0)*$3",
                                                "$0*$1+2*($2-$0)*$3",
                                                "$0*$1+($2-$0)*$3+($4-$0)*$5",
                                                "0.5*$0*$1+($2-$0)*$3",
                                                "0.5*$0*$1"};

AteRule AteRuleOf(CrackMember kind, SectionShape shape) {
  if (kind == CrackMember::AxialTension) {
    switch (shape) {
      case SectionShape::Rect:
        return AteRule::Web;
      case SectionShape::InvT:
        return AteRule::OneFlange;
      case SectionShape::ISym:
        return AteRule::TwoFlanges;
      default:
        return AteRule::BothFlanges;
    }
  }
  if (shape == SectionShape::InvT || IsI(shape)) return AteRule::HalfWebFlange;
  return AteRule::HalfWeb;
}

double EffectiveTensionArea(AteRule rule, double b, double h, double bf, double hf, double bf1,
                            double hf1) {
  switch (rule) {
    case AteRule::Web:
      return b * h;
    case AteRule::OneFlange:
      return b * h + (bf - b) * hf;
    case AteRule::TwoFlanges:
      return b * h + 2 * (bf - b) * hf;
    case AteRule::BothFlanges:
      return b * h + (bf - b) * hf + (bf1 - b) * hf1;
    case AteRule::HalfWebFlange:
      return 0.5 * b * h + (bf - b) * hf;
    case AteRule::HalfWeb:
      return 0.5 * b * h;
  }
  return 0.5 * b * h;
}

// One crack-width case (GBJ 10-89 art. 5.2). The bar selection runs it once per candidate
// arrangement with a disabled report, so every group of report lines stands behind
// r.enabled(): without a report no substitution pieces are built and no line is called.
struct CrackCase {
  CrackCase(LfArgs& args, const Names& n, Report& report) : a(args), names(n), r(report) {}
  LfArgs& a;
  const Names& names;
  Report& r;

  CrackMember kind = CrackMember::Flexure;
  SectionShape shape = SectionShape::Rect;
  double c_given = 0, c = 0, as = 0, as1 = 0, b = 0, h = 0, bf = 0, hf = 0, bf1 = 0, hf1 = 0;
  double As = 0, d = 0, Ns = 0, Es = 0, ftk = 0, ho = 0, upsilon = 1, alpha_cr = 0;
  double Ms = 0, eo = 0, rho_te = 0, sigma_ss = 0, psi = 1;
  bool eccentric = false, ms_given = false;

  // Kind and shape from their names, then the inputs as the code takes them; false when this
  // kind and shape have no rule. A T section in axial tension has no effective-area rule (the form
  // never offers it): it is refused like an unknown kind or shape rather than given a made-up area.
  bool Resolve(bool ms_always) {
    const auto k = KindOf(names, a.tGjSlTz);
    const auto s = ShapeOf(names, a.tJmXs);
    if (!k || !s || (*k == CrackMember::AxialTension && *s == SectionShape::T)) return false;
    kind = *k, shape = *s;
    if (shape == SectionShape::ISym) {
      a.Bf1 = a.Bf;
      a.Hf1 = a.Hf;
    }
    alpha_cr = gbj10_89::CrackMemberFactor(kind);
    c_given = a.c;
    if (a.bDpZj) {
      // A single layer of bars: their centroid lies half a diameter inside the given cover.
      a.Cas = c_given + a.D / 2;
      a.Cas1 = a.Cas;
    }
    as = a.Cas, as1 = a.Cas1;
    b = a.B, h = a.H, bf = a.Bf, hf = a.Hf, bf1 = a.Bf1, hf1 = a.Hf1;
    As = a.dAs, d = a.D, Ns = a.Ns, Es = a.Es, ftk = a.Ftk;
    ho = h - as;
    if (a.c < gbj10_89::kCrackCoverMin) a.c = gbj10_89::kCrackCoverMin;
    c = a.c;
    upsilon = gbj10_89::BarSurfaceFactor(a.bBxGj);
    eccentric = kind == CrackMember::EccTension || kind == CrackMember::EccCompression;
    ms_given = kind == CrackMember::Flexure ? (ms_always || a.bPxSrFs) : (eccentric && a.bPxSrFs);
    Ms = ms_given ? a.MsEo : 0.0;
    return true;
  }

  void FlangeLine(std::string_view label, double x) { r.Line(4, "$0$1", {label, {x, U::mmd}}); }

  // Section 1: the member, the section and the loads.
  void WriteData() {
    if (!r.enabled()) return;
    r.Raw("  1．基本资料：").HeadingEnd();
    r.Line(4, "$0$1构件    构件受力特征系数αcr＝$2",
           {NameOf(names, shape), NameOf(names, kind), {alpha_cr, "0.0"}});
    r.Line(4, "截面宽度b＝$0", {{b, U::mmd}});
    r.Line(4, "截面高度h＝$0", {{h, U::mmd}});
    switch (shape) {
      case SectionShape::ISym:
        FlangeLine("翼缘宽度bf,bf'＝", bf);
        FlangeLine("翼缘高度hf,hf'＝", hf);
        break;
      case SectionShape::InvT:
        FlangeLine("受拉区翼缘宽度bf ＝", bf);
        FlangeLine("受拉区翼缘高度hf ＝", hf);
        break;
      case SectionShape::T:
        if (kind != CrackMember::Flexure) {
          FlangeLine("受压区翼缘宽度bf'＝", bf1);
          FlangeLine("受压区翼缘高度hf'＝", hf1);
        }
        break;
      case SectionShape::IUnsym:
        FlangeLine("受拉区翼缘宽度bf ＝", bf);
        FlangeLine("受拉区翼缘高度hf ＝", hf);
        FlangeLine("受压区翼缘宽度bf'＝", bf1);
        FlangeLine("受压区翼缘高度hf'＝", hf1);
        break;
      default:
        break;
    }
    if (kind == CrackMember::EccCompression) r.Line(4, "受压构件计算长度lo＝$0", {{a.Lo, U::mmd}});
    r.Line(4,
           c_given < gbj10_89::kCrackCoverMin
               ? "最外层纵向受拉钢筋外边缘至受拉区底边的距离c＝$0＜$1，取c＝$2"
               : "最外层纵向受拉钢筋外边缘至受拉区底边的距离c＝$0",
           {{c_given, U::mmd}, {gbj10_89::kCrackCoverMin, "0"}, {c, U::mmd}});
    r.Line(4, "钢筋直径（或换算直径）d＝$0", {{d, U::mmd}});
    r.Line(4, a.bBxGj ? "变形钢筋，υ＝$0" : "光面钢筋，υ＝$0", {{upsilon, "0.0"}});
    r.Line(4, "钢筋弹性模量Es＝$0", {{Es, U::nmm2d}});
    r.Line(4, "纵向受拉钢筋合力点至截面近边的距离as＝$0    ho ＝ $1", {{as, U::mmd}, {ho, U::mmd}});
    if (kind == CrackMember::EccTension)
      r.Line(4, "受压区（或受拉较小边）纵向钢筋合力点至截面近边的距离as'＝$0", {{as1, U::mmd}});
    if (a.bCfHz)
      r.Line(4, "构件为直接承受重复荷载（ψ ＝ $0）", {{gbj10_89::kPsiMax, "0.0"}});
    else
      r.Line(4, "混凝土抗拉强度标准值ftk＝$0", {{ftk, U::nmm2d_2}});
    if (kind == CrackMember::Flexure && a.bQzDc)
      r.Line(4, "构件为直接承受轻、中级工作制吊车的受弯构件");
    if (kind != CrackMember::Flexure)
      r.Line(4, "按荷载的短期效应组合计算的轴向力值Ns＝$0", {{Ns, U::knd}});
    if (ms_given) r.Line(4, "按荷载的短期效应组合计算的弯矩值Ms＝$0", {{Ms, U::knmd}});
  }

  // The eccentricity of the axial force; the data lines stand before it, so that a zero Ns
  // leaves them in the report.
  void Eccentricity() {
    if (!eccentric) return;
    eo = a.bPxSrFs ? fault::div(Ms, Ns) * 1000 : a.MsEo;
    if (!r.enabled()) return;
    if (a.bPxSrFs)
      r.Line(4, "轴向力对截面重心的偏心距eo＝Ms / Ns ＝ $0/$1 ＝ $2",
             {{Ms * 1e6, U::nmm}, {Ns * 1000, U::n}, {eo, U::mmd}});
    else
      r.Line(4, "轴向力对截面重心的偏心距eo＝$0", {{eo, U::mmd}});
  }

  // An eccentric compression member with eo/ho ≤ 0.55 needs no crack check (the bars hardly work
  // in tension).
  bool NeedsNoCheck() {
    if (kind != CrackMember::EccCompression) return false;
    const double ratio = fault::div(eo, ho);
    // Decimal inputs that give 0.55 on paper may land a few ulps above it in binary.
    if (!(ratio <= gbj10_89::kNoCrackCheckEoHo + 1e-12)) return false;
    if (r.enabled())
      r.Line(4, "eo / ho ＝$0 ≤ $1，可不验算裂缝宽度。",
             {{ratio, U::m3}, {gbj10_89::kNoCrackCheckEoHo, "0.00"}});
    return true;
  }

  // Reinforcement ratio of the effective tension area (eq. 5.2.2-3).
  void TensionRatio() {
    const AteRule rule = AteRuleOf(kind, shape);
    const double Ate = EffectiveTensionArea(rule, b, h, bf, hf, bf1, hf1);
    const double rho_te_raw = fault::div(As, Ate);
    rho_te = rho_te_raw < gbj10_89::kRhoTeMin ? gbj10_89::kRhoTeMin : rho_te_raw;
    if (!r.enabled()) return;
    r.Raw("  2．裂缝宽度验算：").HeadingEnd();
    r.Line(2, "(1) 以有效受拉混凝土截面面积计算的纵向受拉钢筋配筋率ρte，按下列公式计算：");
    r.Line(4, "ρte ＝ As / Ate    （混凝土规范式 5.2.2-3）");
    const auto k = static_cast<size_t>(rule);
    r.Line(4, "对$0的$1构件：$2", {NameOf(names, shape), NameOf(names, kind), kAteRuleText[k]});
    r.Sp(4).Put("Ate ＝ ");
    r.Put(kAteRuleValues[k],
          {{b, U::mm}, {h, U::mm}, {bf, U::mm}, {hf, U::mm}, {bf1, U::mm}, {hf1, U::mm}});
    r.Line(0, " ＝ $0", {{Ate, U::mm2d}});
    r.Line(4, "ρte ＝ $0/$1 ＝ $2", {{As, U::mm2}, {Ate, U::mm2}, {rho_te_raw, U::pjl}});
    if (rho_te_raw < gbj10_89::kRhoTeMin)
      r.Line(4, "在最大裂缝宽度计算中，当ρte＜$0时，取ρte ＝ $0", {{gbj10_89::kRhoTeMin, "0.00"}});
  }

  void SteelStressHeading(std::string_view formula, Subs subs = {}) {
    if (!r.enabled()) return;
    r.Line(2, "(2) 在荷载的短期效应组合下构件纵向受拉钢筋应力σss，按下列公式计算：");
    r.Sp(4).Put("$0：", {NameOf(names, kind)}).Put(formula, subs).End();
  }

  // Steel stress under the short-term combination (art. 5.2.3).
  void SteelStress() {
    switch (kind) {
      case CrackMember::AxialTension:
        sigma_ss = gbj10_89::SteelStressAxialTension(Ns * 1000, As);
        if (!r.enabled()) break;
        SteelStressHeading("σss ＝ Ns / As    （混凝土规范式 5.2.3-1）");
        r.Line(4, "σss ＝ $0/$1 ＝ $2", {{Ns * 1000, U::n}, {As, U::mm2}, {sigma_ss, U::nmm2d}});
        break;
      case CrackMember::EccTension:
        SteelStressEccTension();
        break;
      case CrackMember::Flexure:
        sigma_ss = gbj10_89::SteelStressFlexure(Ms * 1e6, ho, As);
        if (!r.enabled()) break;
        SteelStressHeading("σss ＝ Ms / ($0 * ho * As)    （混凝土规范式 5.2.3-3）",
                           {{gbj10_89::kLeverArm, "0.00"}});
        r.Line(4, "σss ＝ $0/($4*$1*$2) ＝ $3",
               {{Ms * 1e6, U::nmm},
                {ho, U::mm},
                {As, U::mm2},
                {sigma_ss, U::nmm2d},
                {gbj10_89::kLeverArm, "0.00"}});
        break;
      case CrackMember::EccCompression:
        SteelStressEccCompression();
        break;
    }
  }

  // The centroid term of a line: form "$0 ... $C ... $1" where $C stands for the centroid values.
  void CentroidLine(int indent, std::string_view head, std::string_view tail, double a_dist,
                    double result) {
    if (!r.enabled()) return;
    r.Sp(indent).Put(head, {{h, U::mm}});
    r.Put(CentroidFormOf(shape).values,
          {{b, U::mm}, {h, U::mm}, {bf, U::mm}, {hf, U::mm}, {bf1, U::mm}, {hf1, U::mm}});
    r.Line(0, tail, {{a_dist, U::mm}, {result, U::mmd}});
  }

  // Eccentric tension (eq. 5.2.3-2).
  void SteelStressEccTension() {
    const double yb = CentroidFromTensionFace(shape, b, h, bf, hf, bf1, hf1);
    const double ys1 = h - yb - as1;
    const double e1 = eo + ys1;
    if (r.enabled()) {
      SteelStressHeading("σss ＝ Ns * e' / [As * (ho - as')]    （混凝土规范式 5.2.3-2）");
      r.Line(4, "截面重心到受压区或受拉较小边纵向钢筋合力点的距离：");
      r.Line(4, "ys' ＝ h - $0 - as'", {CentroidFormOf(shape).symbols});
      CentroidLine(8, "＝ $0-", "-$0 ＝ $1", as1, ys1);
      r.Line(4, "轴向拉力作用点至受压区或受拉较小边纵向钢筋合力点的距离：");
      r.Line(4, "e' ＝ eo + ys' ＝ $0+$1 ＝ $2", {{eo, U::mm}, {ys1, U::mm}, {e1, U::mmd}});
    }
    sigma_ss = gbj10_89::SteelStressEccTension(Ns * 1000, e1, As, ho, as1);
    if (!r.enabled()) return;
    r.Line(4, "σss ＝ $0*$1/[$2*($3-$4)] ＝ $5",
           {{Ns * 1000, U::n},
            {e1, U::mm},
            {As, U::mm2},
            {ho, U::mm},
            {as1, U::mm},
            {sigma_ss, U::nmm2d}});
  }

  // Eccentric compression (eq. 5.2.3-4 to -7).
  void SteelStressEccCompression() {
    const double lo_h = fault::div(a.Lo, h);
    const double eta_s = gbj10_89::EccentricityMagnification(lo_h, eo, ho);
    if (r.enabled()) WriteMagnification(lo_h, eta_s);
    const double yb = CentroidFromTensionFace(shape, b, h, bf, hf, bf1, hf1);
    const double ys = yb - as;
    const double e = eta_s * eo + ys;
    if (r.enabled()) WriteForceDistance(eta_s, ys, e);
    const double gamma_f1 = FlangeRatio();
    const double ho_e = fault::div(ho, e);
    const double z_raw = gbj10_89::LeverArmRaw(gamma_f1, ho_e, ho);
    const double z_cap = gbj10_89::kLeverArm * ho;
    const double z = z_raw > z_cap ? z_cap : z_raw;
    if (r.enabled()) WriteLeverArm(gamma_f1, e, z_raw, z);
    sigma_ss = gbj10_89::SteelStressEccCompression(Ns * 1000, e, z, As);
    if (!r.enabled()) return;
    r.Line(4, "σss ＝ $0*($1-$2)/$3/$2 ＝ $4",
           {{Ns * 1000, U::n}, {e, U::mm}, {z, U::mm}, {As, U::mm2}, {sigma_ss, U::nmm2d}});
  }

  // The formulas of eq. 5.2.3-4 to -7 and the magnification ηs of this member.
  void WriteMagnification(double lo_h, double eta_s) {
    SteelStressHeading("σss ＝ Ns * (e -z) / As / z    （混凝土规范式 5.2.3-4）");
    r.Line(4, "z ＝ [$0 - 0.12 * (1 - γf') * (ho / e)^2] * ho    （混凝土规范式 5.2.3-5）",
           {{gbj10_89::kLeverArm, "0.00"}});
    r.Line(4, "e ＝ ηs * eo + ys    （混凝土规范式 5.2.3-6）");
    r.Line(4, "ηs ＝ 1 + [1 / (4000 * eo / ho)] * (lo / h)^2    （混凝土规范式 5.2.3-7）");
    if (lo_h <= gbj10_89::kSlendernessNoMagnification)
      r.Line(4, "lo / h ＝ $0/$1 ≤ $2，取ηs ＝ 1.0　",
             {{a.Lo, U::mm}, {h, U::mm}, {gbj10_89::kSlendernessNoMagnification, "0"}});
    else
      r.Line(4, "ηs ＝ 1+[1/(4000*$0/$1)]*($2/$3)^2 ＝ $4",
             {{eo, U::mm}, {ho, U::mm}, {a.Lo, U::mm}, {h, U::mm}, {eta_s, U::m3}});
  }

  // ys and the distance e of the axial force from the tension bars (eq. 5.2.3-6).
  void WriteForceDistance(double eta_s, double ys, double e) {
    r.Line(4, "截面重心到纵向受拉钢筋合力点的距离：");
    r.Line(4, "ys ＝ $0 - as", {CentroidFormOf(shape).symbols});
    r.Sp(7).Put("＝ ");
    r.Put(CentroidFormOf(shape).values,
          {{b, U::mm}, {h, U::mm}, {bf, U::mm}, {hf, U::mm}, {bf1, U::mm}, {hf1, U::mm}});
    r.Line(0, "-$0 ＝ $1", {{as, U::mm}, {ys, U::mmd}});
    r.Line(4, "轴向压力作用点至纵向受拉钢筋合力点的距离：");
    r.Line(4, "e ＝ ηs * eo + ys ＝ $0*$1+$2 ＝ $3",
           {{eta_s, U::m3}, {eo, U::mm}, {ys, U::mm}, {e, U::mmd}});
    r.Line(4, "受压翼缘面积与腹板有效面积的比值：");
  }

  // The lever arm z of eq. 5.2.3-5 and its cap.
  void WriteLeverArm(double gamma_f1, double e, double z_raw, double z) {
    r.Line(4, "z ＝ [$5-0.12(1-$0)*($1/$2)^2]*$1 ＝ $3",
           {{gamma_f1, U::m3},
            {ho, U::mm},
            {e, U::mm},
            {z_raw, U::mmd},
            {z, U::mmd},
            {gbj10_89::kLeverArm, "0.00"}});
    if (z_raw > gbj10_89::kLeverArm * ho)
      r.Line(4, "当z＞$1ho时，取z ＝ $1ho ＝ $0", {{z, U::mmd}, {gbj10_89::kLeverArm, "0.00"}});
  }

  // γf' of the compression flange of T and I sections, its thickness limited to 0.2 ho for this
  // ratio only (art. 5.2.3).
  double FlangeRatio() {
    if (shape != SectionShape::T && !IsI(shape)) {
      if (r.enabled()) r.Line(4, "对于$0，γf' ＝ 0", {NameOf(names, shape)});
      return 0;
    }
    const double k = gbj10_89::kFlangeThicknessRatio;
    double hf1_used = hf1;
    const bool reduced = hf1 > k * ho;
    if (reduced) hf1_used = k * ho;
    const double gamma_f1 = fault::div(fault::div((bf1 - b) * hf1_used, b), ho);
    if (!r.enabled()) return gamma_f1;
    if (reduced) r.Line(4, "当hf'＞$1ho时，取hf' ＝ $1ho ＝ $0", {{hf1_used, U::mmd}, {k, "0.0"}});
    r.Line(4, "γf' ＝ (bf' - b) * hf' / b /ho ＝ ($0-$1)*$2/$1/$3 ＝ $4",
           {{bf1, U::mm}, {b, U::mm}, {hf1_used, U::mm}, {ho, U::mm}, {gamma_f1, U::m3}});
    return gamma_f1;
  }

  // Strain non-uniformity of the bars between cracks (eq. 5.2.2-2).
  void StrainNonUniformity() {
    // Worked before its lines, so that a zero steel stress stops the report at its heading.
    double psi_raw = gbj10_89::kPsiMax;
    if (a.bCfHz) {
      psi = gbj10_89::kPsiMax;
    } else {
      psi_raw = gbj10_89::StrainNonUniformityRaw(ftk, rho_te, sigma_ss);
      psi = gbj10_89::StrainNonUniformity(psi_raw);
    }
    if (!r.enabled()) return;
    r.Line(2, "(3) 裂缝间纵向受拉钢筋应变不均匀系数ψ，按下列公式计算：");
    r.Line(4, "ψ ＝ 1.1 - 0.65ftk / ρte / σss    （混凝土规范式 5.2.2-2）");
    if (a.bCfHz) {
      r.Line(4, "对直接承受重复荷载的构件，取ψ ＝ $0", {{psi, "0.0"}});
      return;
    }
    r.Line(4, "ψ ＝ 1.1 - 0.65*$0/$1/$2 ＝ $3",
           {{ftk, U::nmm2}, {rho_te, U::pjl}, {sigma_ss, U::nmm2}, {psi_raw, U::m3}});
    if (psi_raw < gbj10_89::kPsiMin)
      r.Line(4, "当ψ＜$0时，取ψ ＝ $0", {{gbj10_89::kPsiMin, "0.0"}});
    else if (psi_raw > gbj10_89::kPsiMax)
      r.Line(4, "当ψ＞$0时，取ψ ＝ $0", {{gbj10_89::kPsiMax, "0.0"}});
  }

  // Maximum crack width (eq. 5.2.2-1), reduced for crane girders.
  double MaxWidth() {
    const double w_max =
        gbj10_89::MaxCrackWidth(alpha_cr, psi, sigma_ss, c, d, rho_te, upsilon, Es);
    if (r.enabled()) WriteMaxWidth(w_max);
    if (kind != CrackMember::Flexure || !a.bQzDc) return w_max;
    const double k = gbj10_89::kCraneReduction;
    const double result = k * w_max;
    if (!r.enabled()) return result;
    r.Line(4, "对直接承受轻、中级工作制吊车的受弯构件，可将计算求得到ωmax乘以系数$0：",
           {{k, "0.00"}});
    r.Line(4, "ωmax' ＝ $0*$1 ＝ $2", {{k, "0.00"}, {w_max, U::mm_3}, {result, U::mmd_3}});
    return result;
  }

  void WriteMaxWidth(double w_max) {
    r.Line(2, "(4) 最大裂缝宽度，按下列公式计算：");
    r.Line(
        4,
        "ωmax ＝ αcr * ψ * σss * (2.7 * c + 0.1 * d / ρte ) * υ / Es     （混凝土规范式 5.2.2-1）");
    r.Line(9, "＝ $0*$1*$2*(2.7*$3+0.1*$4/$5)*$6/$7",
           {{alpha_cr, U::m3},
            {psi, U::m3},
            {sigma_ss, U::nmm2},
            {c, U::mm},
            {d, U::mm},
            {rho_te, U::pjl},
            {upsilon, U::m3},
            {Es, U::nmm2}});
    r.Line(4, "ωmax ＝ $0", {{w_max, U::mmd_3}});
  }
};

// GBJ 10-89 art. 5.2: maximum crack width under the short-term combination. A flexural member
// always reads its moment when `ms_always`; `flag_no_check` hands eo/ho ≤ 0.55 back as its own
// code (the service entry) rather than as a report line only.
void CrackWidth(LfArgs& a, const Names& names, Report& r, bool ms_always, bool flag_no_check) {
  a.lErrNumber = kLfOk;
  CrackCase k(a, names, r);
  if (!k.Resolve(ms_always)) {
    a.lErrNumber = kLfBadKindShape;
    if (r.enabled())
      r.Error("构件受力特征“" + a.tGjSlTz + "”与截面形式“" + a.tJmXs + "”不能进行裂缝宽度验算。");
    return;
  }
  k.WriteData();
  k.Eccentricity();
  if (k.NeedsNoCheck()) {
    if (flag_no_check) a.lErrNumber = kLfNoCheck;
    return;
  }
  if (r.enabled()) {
    r.Line(4, "设计时执行的规范：");
    r.Line(4, "《混凝土结构设计规范》GBJ 10－89，以下简称“混凝土规范”");
  }
  k.TensionRatio();
  k.SteelStress();
  k.StrainNonUniformity();
  const double w = k.MaxWidth();
  if (a.Wmax) *a.Wmax = w;
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
    Report none = Report::Disabled();
    CrackWidth(a, LiteralNames(), none, false, true);
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
    CrackWidth(a, ServiceNames(svc), r, true, false);
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
