#include "service/stiffness.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "frame/binding.h"
#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/report.h"
#include "frame/services.h"

namespace tk {

namespace {

constexpr int32_t kStiffnessFault = 9999;

// Numbering style of the five sub-steps of the short-term stiffness in the GBJ 10-89 report:
// circled numbers, so that they read like the marked sub-steps of the GB 50010-2002 report.
constexpr int32_t kSubStepStyle = 2;

std::string_view ShapeName(int16_t type) {
  static constexpr std::string_view kNames[] = {
      "矩形截面", "倒T形截面", "T形截面", "工形截面（对称）", "工形截面（不对称）", "倒L形截面"};
  return type >= 1 && type <= 6 ? kNames[type - 1] : std::string_view();
}

struct BlIn {
  const useRecordSection& sec;
  double as, As, As1, M, Ml, ftk, Es, Ec;
};

// Short- and long-term stiffness of a flexural member. v02 selects GB 50010-2002 (clauses 8.1.2,
// 8.1.3, 8.2.2, 8.2.3, 8.2.5) instead of GBJ 10-89 (clauses 5.2.2, 5.2.3, 5.3.2 - 5.3.4); the two
// differ in the lower bound of psi, the flange-thickness cap in gamma_f' and the report texts.
// Returns the long-term stiffness; an arithmetic fault propagates to the caller.
double Stiffness(const BlIn& in, bool v02, Report* rp, int32_t style, int32_t start) {
  const useRecordSection& s = in.sec;
  const int16_t type = s.iType;
  // An unknown shape code has no tension-area rule; it cannot be computed.
  if (ShapeName(type).empty()) fault::raise();
  const double b = s.B, h = s.H;
  // Working copies: a flange narrower than the web adds no area.
  const double bf = s.Bf < s.B ? b : s.Bf, bf1 = s.Bf1 < s.B ? b : s.Bf1;
  const double hf = s.Hf, hf1 = s.Hf1;
  const bool positive = in.M >= 0;  // bottom in tension
  const double M = std::fabs(in.M), Ml = std::fabs(in.Ml);
  const double As = in.As, As1 = in.As1, ftk = in.ftk, Es = in.Es, Ec = in.Ec;

  // Report helpers; the report grows with each result, so a fault keeps the lines before it.
  ISharedServices* svc = rp ? &rp->services() : nullptr;
  const auto V = [&](double x, std::string_view tok) -> Report& { return rp->Fmt(x, tok, 0); };
  const std::string_view shape = ShapeName(type);
  const auto sub = [&](int k, std::string_view text89, std::string_view text02) -> Report& {
    rp->Sp(6);
    if (v02) return rp->Raw(text02);
    return rp->Raw(svc->tNumberText(k, kSubStepStyle, 0)).Raw(text89);
  };
  // The moment in the stress line is shown in N·mm so that the substituted numbers give the
  // stress as printed; in the long-term stiffness only the ratio of moments counts (kN·m).
  // Headings at 4 blanks, sub-steps at 6, formulas and values at 8.
  if (rp) {
    Report& r = *rp;
    r.Sp(4)
        .Raw(svc->tNumberText(start, style, 0))
        .Raw(v02 ? "在荷载效应的标准组合作用下，受弯构件的短期刚度Bs："
                 : "荷载短期效应组合作用下受弯构件的短期刚度：")
        .End();
  }

  const double ho = h - in.as;
  const double rho = fault::div(As, b * ho);
  const double sigma = fault::div(fault::div(fault::div(M * 1e6, 0.87), ho), As);

  // Effective tension area: the flange on the tension side, which the sign of M chooses.
  bool ate_flange;
  double Ate;
  if (positive) {
    ate_flange = type == 2 || type == 4 || type == 5;
    Ate = 0.5 * b * h + (ate_flange ? (bf - b) * hf : 0.0);
  } else {
    ate_flange = type == 3 || type == 4 || type == 5 || type == 6;
    Ate = 0.5 * b * h + (ate_flange ? (bf1 - b) * hf1 : 0.0);
  }
  const double rho_te = fault::div(As, Ate);
  const double psi_min = v02 ? 0.2 : 0.4;
  const double psi_raw = 1.1 - fault::div(fault::div(0.65 * ftk, rho_te), sigma);
  const double psi = psi_raw < psi_min ? psi_min : psi_raw > 1.0 ? 1.0 : psi_raw;
  if (rp) {
    Report& r = *rp;
    sub(1, "裂缝间纵向受拉钢筋应变不均匀系数ψ，按下列公式计算：",
        "①、裂缝间纵向受拉钢筋应变不均匀系数ψ，按下列公式计算：")
        .End();
    if (v02) {
      r.Sp(8).Raw("ψ ＝ 1.1 - 0.65 * ftk / ρte / σsk").Raw("    （混凝土规范式 8.1.2-2）").End();
      r.Sp(8).Raw("σsk ＝ Mk / 0.87 / ho / As").Raw("    （混凝土规范式 8.1.3-3）").End();
      r.Sp(8).Raw("σsk ＝ ");
      V(M * 1e6, "n").Raw("/0.87/");
      V(ho, "mm").Raw("/");
      V(As, "mm2");
    } else {
      r.Sp(8).Raw("ψ ＝ 1.1 - 0.65ftk / ρte / σss").Raw("    （混凝土规范式 5.2.2-2）").End();
      r.Sp(8).Raw("σss ＝ Ms / (0.87 * ho * As)").Raw("    （混凝土规范式 5.2.3-3）").End();
      r.Sp(8).Raw("σss ＝ ");
      V(M * 1e6, "n").Raw("/(0.87*");
      V(ho, "mm").Raw("*");
      V(As, "mm2").Raw(")");
    }
    r.Raw(" ＝ ");
    V(sigma, "n/mm2d").End();
    r.Sp(8).Raw(shape);
    if (ate_flange) {
      r.Raw(positive ? "，Ate ＝ 0.5 * b * h + (bf - b) * hf"
                     : "，Ate ＝ 0.5 * b * h + (bf' - b) * hf'")
          .End();
      r.Sp(8).Raw("Ate ＝ 0.5*");
      V(b, "mm").Raw("*");
      V(h, "mm").Raw("+(");
      V(positive ? bf : bf1, "mm").Raw("-");
      V(b, "mm").Raw(")*");
      V(positive ? hf : hf1, "mm").Raw(" ＝ ");
      V(Ate, "mm2d").End();
    } else {
      r.Raw("，Ate ＝ 0.5 * b * h ＝ 0.5*");
      V(b, "mm").Raw("*");
      V(h, "mm").Raw(" ＝ ");
      V(Ate, "mm2d").End();
    }
    r.Sp(8)
        .Raw("ρte ＝ As / Ate")
        .Raw(v02 ? "    （混凝土规范式 8.1.2-4）" : "    （混凝土规范式 5.2.2-3）")
        .End();
    r.Sp(8).Raw("ρte ＝ ");
    V(As, "mm2").Raw("/");
    V(Ate, "mm2").Raw(" ＝ ");
    V(rho_te, "pjl").End();
    r.Sp(8).Raw("ψ ＝ 1.1 - 0.65*");
    V(ftk, "n/mm2_2").Raw("/");
    V(rho_te, "pjl").Raw("/");
    V(sigma, "n/mm2").Raw(" ＝ ");
    V(psi_raw, "m3").End();
    if (psi_raw < psi_min)
      r.Sp(8).Raw(v02 ? "当 ψ＜0.2 时，取ψ ＝ 0.2" : "当ψ＜0.4时，取ψ ＝ 0.4").End();
    else if (psi_raw > 1.0)
      r.Sp(8).Raw(v02 ? "当 ψ＞1.0 时，取ψ ＝ 1.0" : "当ψ＞1.0时，取ψ ＝ 1.0").End();
  }

  const double alpha_e = fault::div(Es, Ec);
  if (rp) {
    Report& r = *rp;
    sub(2, "钢筋弹性模量与混凝土模量的比值αE：", "②、钢筋弹性模量与混凝土模量的比值αE：").End();
    r.Sp(8).Raw("αE ＝ Es / Ec ＝ ");
    V(Es, "n").Raw("/");
    V(Ec, "n").Raw(" ＝ ").Num(alpha_e, "#0.00").End();
  }

  // gamma_f': the flange on the compression side. GBJ 10-89 clause 5.3.3 limits its thickness to
  // 0.2 ho; GB 50010-2002 takes the full thickness.
  bool gf_upper = false, gf_lower = false;
  if (positive)
    gf_upper = !(type == 1 || type == 2);
  else
    gf_lower = type == 2 || type == 4 || type == 5;
  double gamma_f1 = 0, hf_used = 0;
  bool capped = false;
  if (gf_upper || gf_lower) {
    hf_used = gf_upper ? hf1 : hf;
    if (!v02 && hf_used > 0.2 * ho) {
      hf_used = 0.2 * ho;
      capped = true;
    }
    gamma_f1 = fault::div(fault::div(((gf_upper ? bf1 : bf) - b) * hf_used, b), ho);
  }
  if (rp) {
    Report& r = *rp;
    sub(3, "受压翼缘面积与腹板有效面积的比值γf'：", "③、受压翼缘面积与腹板有效面积的比值γf'：")
        .End();
    if (capped) {
      r.Sp(8).Raw(gf_upper ? "当hf'＞0.2ho时，取hf' ＝ 0.2ho ＝ "
                           : "当hf ＞0.2ho时，取h ＝ 0.2ho ＝ ");
      V(hf_used, "mm").End();
    }
    if (gf_upper || gf_lower) {
      r.Sp(8)
          .Raw(shape)
          .Raw(gf_upper ? "，γf' ＝ (bf' - b) * hf' / b / ho" : "，γf' ＝ (bf - b) * hf / b / ho")
          .End();
      r.Sp(8).Raw("γf' ＝ (");
      V(gf_upper ? bf1 : bf, "mm").Raw("-");
      V(b, "mm").Raw(")*");
      V(hf_used, "mm").Raw("/");
      V(b, "mm").Raw("/");
      V(ho, "mm").Raw(" ＝ ").Num(gamma_f1, "#0.000").End();
    } else {
      r.Sp(8).Raw(shape).Raw("，γf' ＝ 0").End();
    }
  }
  if (rp) {
    sub(4, "纵向受拉钢筋配筋率ρ ＝ As / b / ho ＝ ", "④、纵向受拉钢筋配筋率ρ ＝ As / b / ho ＝ ");
    V(As, "mm2").Raw("/");
    V(b, "mm").Raw("/");
    V(ho, "mm").Raw(" ＝ ");
    V(rho, "percent").End();
  }

  const double Bs = fault::div(
      Es * As * ho * ho, 1.15 * psi + 0.2 + fault::div(6 * alpha_e * rho, 1 + 3.5 * gamma_f1));
  if (rp) {
    Report& r = *rp;
    sub(5, "钢筋混凝土受弯构件的Bs按混凝土规范公式（5.3.3-1）计算：",
        "⑤、钢筋混凝土受弯构件的 Bs 按混凝土规范公式（8.2.3-1）计算：")
        .End();
    r.Sp(8)
        .Raw(v02 ? "Bs ＝ Es * As * ho ^ 2 / [1.15ψ + 0.2 + 6 * αE * ρ / (1 + 3.5γf')]"
                 : "Bs ＝ Es * As * ho ^ 2 / [1.15ψ + 0.2 + 6αE * ρ / (1 + 3.5γf')]")
        .End();
    r.Sp(8).Raw("Bs ＝ ");
    V(Es, "n").Raw("*");
    V(As, "mm2").Raw("*");
    V(ho, "mm")
        .Raw("^2/[1.15*")
        .Num(psi, "#0.00")
        .Raw("+0.2+")
        .Raw("6*")
        .Num(alpha_e, "#0.00")
        .Raw("*")
        .Num(rho, "#0.0000")
        .Raw("/(1+3.5*")
        .Num(gamma_f1, "#0.000")
        .Raw(")] ＝ ");
    V(Bs / 1e9, "knm2d").End();
  }

  // Increase of deflection under the long-term combination (GBJ 10-89 clause 5.3.4,
  // GB 50010-2002 clause 8.2.5).
  const double rho1 = fault::div(As1, b * ho);
  double theta;
  if (rho1 >= rho)
    theta = 1.6;
  else if (rho1 == 0)
    theta = 2.0;
  else
    theta = modKalbex::dInterpolate(rho1, 0, rho, 2.0, 1.6);
  const double theta_plain = theta;
  // A flange in the tension zone raises theta by 20 %.
  const bool factor =
      (type == 2 && in.M > 0) || ((type == 3 || type == 6) && in.M < 0) || type == 4 || type == 5;
  if (factor) theta *= 1.2;
  if (rp) {
    Report& r = *rp;
    r.Sp(4)
        .Raw(svc->tNumberText(start + 1, style, 0))
        .Raw("考虑荷载长期效应组合对挠度影响增大影响系数θ：")
        .End();
    if (As1 != 0) {
      r.Sp(6).Raw("ρ' ＝ As' / b / ho ＝ ");
      V(As1, "mm2").Raw("/");
      V(b, "mm").Raw("/");
      V(ho, "mm").Raw(" ＝ ");
      V(rho1, "percent").End();
    }
    r.Sp(6).Raw(v02 ? "按混凝土规范第 8.2.5 条，" : "按混凝土规范第 5.3.4 条，");
    if (rho1 >= rho)
      r.Raw(v02 ? "当ρ' ＝ ρ时，θ ＝ 1.6" : "当 ρ' ＝ ρ 时，θ ＝ 1.6");
    else if (rho1 == 0)
      r.Raw(v02 ? "当ρ' ＝ 0时，θ ＝ 2.0" : "当 ρ' ＝ 0 时，θ ＝ 2.0");
    else
      r.Raw("θ ＝ ").Num(theta_plain, "#0.00");
    r.End();
    if (factor)
      r.Sp(6).Raw("对翼缘位于受拉区的T型截面，θ ＝ 1.2 * θ ＝ ").Num(theta, "#0.00").End();
  }

  const double BL = fault::div(M, Ml * (theta - 1) + M) * Bs;
  if (rp) {
    Report& r = *rp;

    r.Sp(4).Raw(svc->tNumberText(start + 2, style, 0));
    if (v02) {
      r.Raw("受弯构件的长期刚度B，可按混凝土规范公式（8.2.2）计算：").End();
      r.Sp(6).Raw("B ＝ Mk / [Mq * (θ - 1) + Mk] * Bs").End();
      r.Sp(6).Raw("B ＝ ");
      V(M, "knm_2").Raw("/[");
      V(Ml, "knm_2").Raw("*(").Num(theta, "#0.00").Raw("-1)+");
      V(M, "knm_2").Raw("]*");
      V(Bs / 1e9, "knm2").Raw(" ＝ ");
      V(BL / 1e9, "knm2d").End();
    } else {
      r.Raw("受弯构件的长期刚度Bl，可按混凝土规范公式（5.3.2）计算：").End();
      r.Sp(6).Raw("Bl ＝ Ms * Bs / [Ml * (θ - 1) + Ms]").End();
      r.Sp(6).Raw("Bl ＝ ");
      V(M, "knm_2").Raw("*");
      V(Bs / 1e9, "knm2").Raw("/[");
      V(Ml, "knm_2").Raw("*(").Num(theta, "#0.00").Raw("-1)+");
      V(M, "knm_2").Raw("] ＝ ");
      V(BL / 1e9, "knm2d").End();
    }
  }
  return BL;
}

void Run(bool v02, int32_t& lErr, double& bL, useRecordSection& uSec, float Cas, double dAs,
         double dAs1, double M, double Ml, float Ftk, float Es, float Ec, std::string* tText,
         int16_t* iBhFs, int16_t* iStart) {
  const int32_t style = iBhFs ? *iBhFs : 0;
  const int32_t start = iStart ? *iStart : 1;
  std::optional<Report> report;
  if (tText) report.emplace(modKalbex::Services());
  try {
    const double BL = Stiffness(BlIn{uSec, Cas, dAs, dAs1, M, Ml, Ftk, Es, Ec}, v02,
                                report ? &*report : nullptr, style, start);
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
