#include "service/stiffness.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "codes/gbj10_89.h"
#include "codes/section_shape.h"
#include "frame/binding.h"
#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/report.h"
#include "frame/services.h"

namespace tk {

namespace {

constexpr int32_t kStiffnessFault = 9999;

// Numbering style of the five sub-steps of the short-term stiffness in the GBJ 10-89 report:
// circled numbers, so that they read like the marked sub-steps of the GB 50010-2002 report.
constexpr int32_t kSubStepStyle = 2;

// The shape of a section record's type code 1..6; nullopt for any other code.
std::optional<SectionShape> ShapeOfType(int16_t type) {
  static constexpr SectionShape kTypes[] = {SectionShape::Rect,   SectionShape::InvT,
                                            SectionShape::T,      SectionShape::ISym,
                                            SectionShape::IUnsym, SectionShape::InvL};
  if (type < 1 || type > 6) return std::nullopt;
  return kTypes[type - 1];
}

struct BlIn {
  const useRecordSection& sec;
  double as, As, As1, M, Ml, ftk, Es, Ec;
};

// Short- and long-term stiffness of a flexural member. v02 selects GB 50010-2002 (clauses 8.1.2,
// 8.1.3, 8.2.2, 8.2.3, 8.2.5) instead of GBJ 10-89 (clauses 5.2.2, 5.2.3, 5.3.2 - 5.3.4); the two
// differ in the lower bound of psi, the flange-thickness cap in gamma_f' and the report texts.
// The report grows with each result, so a fault keeps the lines before it. The moment in the
// stress line is shown in N·mm so that the substituted numbers give the stress as printed; in the
// long-term stiffness only the ratio of moments counts (kN·m). Headings at 4 blanks, sub-steps at
// 6, formulas and values at 8.
struct StiffnessCase {
  StiffnessCase(const BlIn& input, bool v02_, Report& report, int32_t style_, int32_t start_)
      : in(input), v02(v02_), r(report), style(style_), start(start_) {}
  const BlIn& in;
  const bool v02;
  Report& r;
  const int32_t style, start;

  SectionShape shape = SectionShape::Rect;
  int16_t type = 1;
  double b = 0, h = 0, bf = 0, bf1 = 0, hf = 0, hf1 = 0, M = 0, Ml = 0, As = 0, As1 = 0;
  double ftk = 0, Es = 0, Ec = 0, ho = 0, rho = 0, sigma = 0, psi = 0, alpha_e = 0;
  double gamma_f1 = 0, Bs = 0, theta = 0;
  bool positive = true;

  // An unknown shape code has no tension-area rule; it cannot be computed.
  void Resolve() {
    const useRecordSection& s = in.sec;
    type = s.iType;
    const auto sh = ShapeOfType(type);
    if (!sh) fault::raise();
    shape = *sh;
    b = s.B, h = s.H;
    // Working copies: a flange narrower than the web adds no area.
    bf = s.Bf < s.B ? b : s.Bf, bf1 = s.Bf1 < s.B ? b : s.Bf1;
    hf = s.Hf, hf1 = s.Hf1;
    positive = in.M >= 0;  // bottom in tension
    M = std::fabs(in.M), Ml = std::fabs(in.Ml);
    As = in.As, As1 = in.As1, ftk = in.ftk, Es = in.Es, Ec = in.Ec;
  }

  // The number text of a heading; none is asked for without a report.
  std::string Numbered(int32_t k, int32_t numbering) {
    return r.enabled() ? r.services().tNumberText(k, numbering, 0) : std::string();
  }
  // A sub-step heading: numbered in the GBJ 10-89 report, lettered in its own text in the other.
  Report& Sub(int k, std::string_view text89, std::string_view text02) {
    r.Sp(6);
    if (v02) return r.Put(text02);
    return r.Put("$0$1", {Numbered(k, kSubStepStyle), text89});
  }

  // ① Strain non-uniformity ψ with the steel stress and the effective tension area.
  void StrainNonUniformity() {
    ho = h - in.as;
    rho = fault::div(As, b * ho);
    sigma = fault::div(fault::div(fault::div(M * 1e6, gbj10_89::kLeverArm), ho), As);
    // Effective tension area: the flange on the tension side, which the sign of M chooses.
    const bool ate_flange = positive ? (type == 2 || type == 4 || type == 5)
                                     : (type == 3 || type == 4 || type == 5 || type == 6);
    const double bt = positive ? bf : bf1, ht = positive ? hf : hf1;
    const double Ate = 0.5 * b * h + (ate_flange ? (bt - b) * ht : 0.0);
    const double rho_te = fault::div(As, Ate);
    const double psi_min = v02 ? 0.2 : gbj10_89::kPsiMin;
    const double psi_raw = gbj10_89::StrainNonUniformityRaw(ftk, rho_te, sigma);
    psi = gbj10_89::StrainNonUniformity(psi_raw, psi_min);
    Sub(1, "裂缝间纵向受拉钢筋应变不均匀系数ψ，按下列公式计算：",
        "①、裂缝间纵向受拉钢筋应变不均匀系数ψ，按下列公式计算：")
        .End();
    const Subs stress = {{M * 1e6, U::n},
                         {ho, U::mm},
                         {As, U::mm2},
                         {sigma, U::nmm2d},
                         {gbj10_89::kLeverArm, "0.00"}};
    if (v02) {
      r.Line(8, "ψ ＝ 1.1 - 0.65 * ftk / ρte / σsk    （混凝土规范式 8.1.2-2）");
      r.Line(8, "σsk ＝ Mk / $4 / ho / As    （混凝土规范式 8.1.3-3）", stress);
      r.Line(8, "σsk ＝ $0/$4/$1/$2 ＝ $3", stress);
    } else {
      r.Line(8, "ψ ＝ 1.1 - 0.65ftk / ρte / σss    （混凝土规范式 5.2.2-2）");
      r.Line(8, "σss ＝ Ms / ($4 * ho * As)    （混凝土规范式 5.2.3-3）", stress);
      r.Line(8, "σss ＝ $0/($4*$1*$2) ＝ $3", stress);
    }
    const std::string_view name = SectionShapeName(shape);
    if (ate_flange) {
      r.Line(8,
             positive ? "$0，Ate ＝ 0.5 * b * h + (bf - b) * hf"
                      : "$0，Ate ＝ 0.5 * b * h + (bf' - b) * hf'",
             {name});
      r.Line(8, "Ate ＝ 0.5*$0*$1+($2-$0)*$3 ＝ $4",
             {{b, U::mm}, {h, U::mm}, {bt, U::mm}, {ht, U::mm}, {Ate, U::mm2d}});
    } else {
      r.Line(8, "$0，Ate ＝ 0.5 * b * h ＝ 0.5*$1*$2 ＝ $3",
             {name, {b, U::mm}, {h, U::mm}, {Ate, U::mm2d}});
    }
    r.Line(8, v02 ? "ρte ＝ As / Ate    （混凝土规范式 8.1.2-4）"
                  : "ρte ＝ As / Ate    （混凝土规范式 5.2.2-3）");
    r.Line(8, "ρte ＝ $0/$1 ＝ $2", {{As, U::mm2}, {Ate, U::mm2}, {rho_te, U::pjl}});
    r.Line(8, "ψ ＝ 1.1 - 0.65*$0/$1/$2 ＝ $3",
           {{ftk, U::nmm2_2}, {rho_te, U::pjl}, {sigma, U::nmm2}, {psi_raw, U::m3}});
    if (psi_raw < psi_min)
      r.Line(8, v02 ? "当 ψ＜$0 时，取ψ ＝ $0" : "当ψ＜$0时，取ψ ＝ $0", {{psi_min, "0.0"}});
    else if (psi_raw > gbj10_89::kPsiMax)
      r.Line(8, v02 ? "当 ψ＞$0 时，取ψ ＝ $0" : "当ψ＞$0时，取ψ ＝ $0",
             {{gbj10_89::kPsiMax, "0.0"}});
  }

  // ② Modular ratio αE.
  void ModularRatio() {
    alpha_e = fault::div(Es, Ec);
    Sub(2, "钢筋弹性模量与混凝土模量的比值αE：", "②、钢筋弹性模量与混凝土模量的比值αE：").End();
    r.Line(8, "αE ＝ Es / Ec ＝ $0/$1 ＝ $2", {{Es, U::n}, {Ec, U::n}, {alpha_e, "#0.00"}});
  }

  // ③ γf' of the flange on the compression side. GBJ 10-89 clause 5.3.3 limits its thickness to
  // 0.2 ho; GB 50010-2002 takes the full thickness.
  void FlangeRatio() {
    const bool gf_upper = positive && !(type == 1 || type == 2);
    const bool gf_lower = !positive && (type == 2 || type == 4 || type == 5);
    const double k = gbj10_89::kFlangeThicknessRatio;
    double hf_used = 0;
    bool capped = false;
    if (gf_upper || gf_lower) {
      hf_used = gf_upper ? hf1 : hf;
      if (!v02 && hf_used > k * ho) {
        hf_used = k * ho;
        capped = true;
      }
      gamma_f1 = fault::div(fault::div(((gf_upper ? bf1 : bf) - b) * hf_used, b), ho);
    }
    Sub(3, "受压翼缘面积与腹板有效面积的比值γf'：", "③、受压翼缘面积与腹板有效面积的比值γf'：")
        .End();
    if (capped)
      r.Line(8,
             gf_upper ? "当hf'＞$1ho时，取hf' ＝ $1ho ＝ $0" : "当hf ＞$1ho时，取h ＝ $1ho ＝ $0",
             {{hf_used, U::mm}, {k, "0.0"}});
    const std::string_view name = SectionShapeName(shape);
    if (!(gf_upper || gf_lower)) {
      r.Line(8, "$0，γf' ＝ 0", {name});
      return;
    }
    r.Line(8,
           gf_upper ? "$0，γf' ＝ (bf' - b) * hf' / b / ho" : "$0，γf' ＝ (bf - b) * hf / b / ho",
           {name});
    r.Line(8, "γf' ＝ ($0-$1)*$2/$1/$3 ＝ $4",
           {{gf_upper ? bf1 : bf, U::mm},
            {b, U::mm},
            {hf_used, U::mm},
            {ho, U::mm},
            {gamma_f1, "#0.000"}});
  }

  // ④ Reinforcement ratio and ⑤ the short-term stiffness (GBJ 10-89 eq. 5.3.3-1).
  void ShortTerm() {
    Sub(4, "纵向受拉钢筋配筋率ρ ＝ As / b / ho ＝ ", "④、纵向受拉钢筋配筋率ρ ＝ As / b / ho ＝ ");
    r.Line(0, "$0/$1/$2 ＝ $3", {{As, U::mm2}, {b, U::mm}, {ho, U::mm}, {rho, "percent"}});
    Bs = gbj10_89::ShortTermStiffness(Es, As, ho, psi, alpha_e, rho, gamma_f1);
    Sub(5, "钢筋混凝土受弯构件的Bs按混凝土规范公式（5.3.3-1）计算：",
        "⑤、钢筋混凝土受弯构件的 Bs 按混凝土规范公式（8.2.3-1）计算：")
        .End();
    r.Line(8, v02 ? "Bs ＝ Es * As * ho ^ 2 / [1.15ψ + 0.2 + 6 * αE * ρ / (1 + 3.5γf')]"
                  : "Bs ＝ Es * As * ho ^ 2 / [1.15ψ + 0.2 + 6αE * ρ / (1 + 3.5γf')]");
    r.Line(8, "Bs ＝ $0*$1*$2^2/[1.15*$3+0.2+6*$4*$5/(1+3.5*$6)] ＝ $7",
           {{Es, U::n},
            {As, U::mm2},
            {ho, U::mm},
            {psi, "#0.00"},
            {alpha_e, "#0.00"},
            {rho, "#0.0000"},
            {gamma_f1, "#0.000"},
            {Bs / 1e9, U::knm2d}});
  }

  // Increase of deflection under the long-term combination (GBJ 10-89 clause 5.3.4,
  // GB 50010-2002 clause 8.2.5).
  void LongTermFactor() {
    const double rho1 = fault::div(As1, b * ho);
    theta = gbj10_89::DeflectionIncrease(rho1, rho);
    const double theta_plain = theta;
    // A flange in the tension zone raises theta by 20 %.
    const bool factor =
        (type == 2 && in.M > 0) || ((type == 3 || type == 6) && in.M < 0) || type == 4 || type == 5;
    if (factor) theta *= 1.2;
    r.Line(4, "$0考虑荷载长期效应组合对挠度影响增大影响系数θ：", {Numbered(start + 1, style)});
    if (As1 != 0)
      r.Line(6, "ρ' ＝ As' / b / ho ＝ $0/$1/$2 ＝ $3",
             {{As1, U::mm2}, {b, U::mm}, {ho, U::mm}, {rho1, "percent"}});
    r.Sp(6).Put(v02 ? "按混凝土规范第 8.2.5 条，" : "按混凝土规范第 5.3.4 条，");
    if (rho1 >= rho)
      r.Put(v02 ? "当ρ' ＝ ρ时，θ ＝ 1.6" : "当 ρ' ＝ ρ 时，θ ＝ 1.6");
    else if (rho1 == 0)
      r.Put(v02 ? "当ρ' ＝ 0时，θ ＝ 2.0" : "当 ρ' ＝ 0 时，θ ＝ 2.0");
    else
      r.Put("θ ＝ $0", {{theta_plain, "#0.00"}});
    r.End();
    if (factor) r.Line(6, "对翼缘位于受拉区的T型截面，θ ＝ 1.2 * θ ＝ $0", {{theta, "#0.00"}});
  }

  // Long-term stiffness (GBJ 10-89 eq. 5.3.2, GB 50010-2002 eq. 8.2.2).
  double LongTerm() {
    const double BL = gbj10_89::LongTermStiffness(M, Ml, theta, Bs);
    const Subs values = {
        {M, U::knm_2}, {Ml, U::knm_2}, {theta, "#0.00"}, {Bs / 1e9, U::knm2}, {BL / 1e9, U::knm2d}};
    r.Sp(4).Put("$0", {Numbered(start + 2, style)});
    if (v02) {
      r.Line(0, "受弯构件的长期刚度B，可按混凝土规范公式（8.2.2）计算：");
      r.Line(6, "B ＝ Mk / [Mq * (θ - 1) + Mk] * Bs");
      r.Line(6, "B ＝ $0/[$1*($2-1)+$0]*$3 ＝ $4", values);
    } else {
      r.Line(0, "受弯构件的长期刚度Bl，可按混凝土规范公式（5.3.2）计算：");
      r.Line(6, "Bl ＝ Ms * Bs / [Ml * (θ - 1) + Ms]");
      r.Line(6, "Bl ＝ $0*$3/[$1*($2-1)+$0] ＝ $4", values);
    }
    return BL;
  }

  // Returns the long-term stiffness; an arithmetic fault propagates to the caller.
  double Run() {
    Resolve();
    r.Line(4,
           v02 ? "$0在荷载效应的标准组合作用下，受弯构件的短期刚度Bs："
               : "$0荷载短期效应组合作用下受弯构件的短期刚度：",
           {Numbered(start, style)});
    StrainNonUniformity();
    ModularRatio();
    FlangeRatio();
    ShortTerm();
    LongTermFactor();
    return LongTerm();
  }
};

// The first input that no member can have, with its code and error text; 0 when all can be used.
int32_t CheckStiffnessInputs(const BlIn& in, std::string& text) {
  // Plain decimals for the values a form holds, the shortest text for absurd ones.
  auto shown = [](double x) {
    return std::fabs(x) < 1e7 ? FormatNumber(x, "0.###") : ShortestText(static_cast<float>(x));
  };
  const useRecordSection& s = in.sec;
  const std::pair<const char*, float> sizes[] = {{"截面宽度b", s.B},     {"截面高度h", s.H},
                                                 {"翼缘宽度bf", s.Bf},   {"翼缘高度hf", s.Hf},
                                                 {"翼缘宽度bf'", s.Bf1}, {"翼缘高度hf'", s.Hf1}};
  for (const auto& [name, x] : sizes)
    if (x < 0) {
      text = std::string(name) + " ＝ " + shown(x) + "，不应小于0";
      return stiffness::kBadSize;
    }
  if (in.as < 0 || (s.H > 0 && in.as >= s.H)) {
    text = "纵筋合力点至近边距离as ＝ " + shown(in.as) + "，应不小于0且小于截面高度h";
    return stiffness::kBadCover;
  }
  if (in.As < 0 || in.As1 < 0) {
    text =
        "钢筋面积As ＝ " + ShortestText(in.As) + "、As' ＝ " + ShortestText(in.As1) + "，不应小于0";
    return stiffness::kBadSteel;
  }
  if (in.ftk < 0 || in.Es < 0 || in.Ec < 0) {
    text = "ftk ＝ " + shown(in.ftk) + "、Es ＝ " + shown(in.Es) + "、Ec ＝ " + shown(in.Ec) +
           "，不应小于0";
    return stiffness::kBadMaterial;
  }
  return 0;
}

void Run(bool v02, int32_t& lErr, double& bL, useRecordSection& uSec, float Cas, double dAs,
         double dAs1, double M, double Ml, float Ftk, float Es, float Ec, std::string* tText,
         int16_t* iBhFs, int16_t* iStart) {
  const int32_t style = iBhFs ? *iBhFs : 0;
  const int32_t start = iStart ? *iStart : 1;
  std::optional<Report> report;
  if (tText) report.emplace(modKalbex::Services());
  std::string bad;
  if (const int32_t code =
          CheckStiffnessInputs(BlIn{uSec, Cas, dAs, dAs1, M, Ml, Ftk, Es, Ec}, bad)) {
    lErr = code;
    if (tText) {
      report->Error(bad);
      report->MoveTo(*tText);
    }
    return;
  }
  try {
    Report none = Report::Disabled();
    const BlIn in{uSec, Cas, dAs, dAs1, M, Ml, Ftk, Es, Ec};
    const double BL = StiffnessCase(in, v02, report ? *report : none, style, start).Run();
    bL = BL;
  } catch (const ArithmeticFault&) {
    // bL keeps its entry value; the report keeps the lines written before the fault.
    lErr = kStiffnessFault;
  }
  if (tText) report->MoveTo(*tText);
  // Three headings were numbered: the caller continues after the last one (also after a fault,
  // so that a caller's following headings keep their places). Held within the 16-bit range.
  if (iStart) *iStart = static_cast<int16_t>(start + 2 > 32767 ? 32767 : start + 2);
}

}  // namespace

clsBendComponentBl::clsBendComponentBl() {}

clsBendComponentBl::~clsBendComponentBl() = default;

void clsBendComponentBl::BendComponentBl(int32_t& lErr, double& bL, useRecordSection& uSec,
                                         float& Cas, double& dAs, double& dAs1, double& dMs,
                                         double& dMl, float& Ftk, float& Es, float& Ec,
                                         std::string* tText, int16_t* iBhFs, int16_t* iStart) {
  Run(false, lErr, bL, uSec, Cas, dAs, dAs1, dMs, dMl, Ftk, Es, Ec, tText, iBhFs, iStart);
}

void clsBendComponentBl::BendComponentBl02(int32_t& lErr, double& bL, useRecordSection& uSec,
                                           float& Cas, double& dAs, double& dAs1, double& Mk,
                                           double& Mq, float& Ftk, float& Es, float& Ec,
                                           std::string* tText, int16_t* iBhFs, int16_t* iStart) {
  Run(true, lErr, bL, uSec, Cas, dAs, dAs1, Mk, Mq, Ftk, Es, Ec, tText, iBhFs, iStart);
}

void clsBendComponentBl::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

const ClassInfo& clsBendComponentBl::ClassInfoOf() {
  using C [[maybe_unused]] = clsBendComponentBl;
  static const ClassInfo ci{
      "clsBendComponentBl",
      {
          Method("SubForm", &C::SubForm, {"frm"}),
          Method("BendComponentBl", &C::BendComponentBl,
                 {"lErr", "bL", "uSec", "Cas", "dAs", "dAs1", "dMs", "dMl", "Ftk", "Es", "Ec",
                  "tText", "iBhFs", "iStart"}),
          Method("BendComponentBl02", &C::BendComponentBl02,
                 {"lErr", "bL", "uSec", "Cas", "dAs", "dAs1", "Mk", "Mq", "Ftk", "Es", "Ec",
                  "tText", "iBhFs", "iStart"}),
          Method("CboB_KeyPress", &C::CboB_KeyPress, {"Index", "KeyAscii"}),
          Method("Form_Load", &C::Form_Load, {}),
          Method("DisPlayNdHs", &C::DisPlayNdHs, {"bShowRtb", "tText", "tBh"}),
          Method("CboBChangeAndClick", &C::CboBChangeAndClick, {"Index"}),
      }};
  return ci;
}

}  // namespace tk
