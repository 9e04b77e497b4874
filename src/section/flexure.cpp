#include "section/flexure.h"

#include <string_view>

#include "frame/binding.h"
#include "frame/fault.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/text.h"
#include "materials/material.h"
#include "section/flexure_common.h"

namespace tk {

namespace {

using namespace moment_codes;

// Seismic adjustment factor gamma_RE of frame-beam sections in bending (GBJ 11-89).
constexpr double kGammaReFlexure = 0.75;

const char* const kOverflowText = "溢出，或不可知的错误";

// Relative depth of the rectangular stress block at which the tension steel just yields
// (GBJ 10-89 art. 4.1): xi_b = 0.8 / (1 + fy / (0.0033 Es)).
double BalancedDepth(double fy) {
  const double Es = modKalbex::Material().FyToEs(fy);
  return fault::div(0.8, 1.0 + fault::div(fy, 0.0033 * Es));
}

// One flexure case, shared by MuAsCommon (no report) and CalMu_As (report in r).
struct FlexureCase {
  // Inputs: Mu in kN*m (direction 1), As in mm2 (direction 2), N and mm elsewhere.
  int16_t iK = 1, iSecPos = 5;
  double Mu_in = 0, As_in = 0, fy = 0, fcm = 0, b = 0, h = 0, as = 0;
  // Results.
  double ho = 0, xi_b = 0, M = 0, x = 0, xi = 0, sigma_s = 0, As = 0, rho = 0, limit = 0;
  bool seismic = false, yielding = true;
  int32_t code = 0;
  Report* r = nullptr;
  const UnitPatterns* u = nullptr;  // set together with r

  // Input checks in the order the messages are numbered; 0 when the case can be computed.
  int32_t Check() {
    // The direction and the section position choose the formulas and the limit of xi: anything
    // else is rejected here rather than silently computing half a case.
    if (iK != 1 && iK != 2) return kMuBadDirection;
    if (iSecPos < 1 || iSecPos > 5) return kMuBadPosition;
    if (!(Mu_in >= 0)) return kMuNegativeMoment;
    if (!(As_in >= 0)) return kMuNegativeArea;
    if (!(fy > 0)) return kMuBadFy;
    if (!(fcm > 0)) return kMuBadFcm;
    if (!(b > 0)) return kMuBadB;
    if (!(h > 0)) return kMuBadH;
    if (!(as > 0)) return kMuBadAs;
    ho = h - as;
    if (!(ho > 0)) return kMuAsNotBelowH;
    return 0;
  }

  // Message of an input error; the offending value is shown so the user sees what was wrong.
  std::string InputMessage(int32_t c) const {
    auto msg = [](std::string_view label, const std::string& value, std::string_view suffix) {
      std::string s;
      s.reserve(label.size() + value.size() + suffix.size());
      s.append(label).append(value).append(suffix);
      return s;
    };
    switch (c) {
      case kMuBadDirection:
        return msg("计算方向iK ＝ ", std::to_string(iK), " 应为1（由Mu求As）或2（由As求Mu）");
      case kMuBadPosition:
        return msg("计算截面位置iSecPos ＝ ", std::to_string(iSecPos), " 应为1～5");
      case kMuNegativeMoment:
        return msg("弯矩Mu ＝ ", ShortestText(Mu_in), " ＜0");
      case kMuNegativeArea:
        return msg("配筋面积As ＝ ", ShortestText(As_in), " ＜0");
      case kMuBadFy:
        return msg("钢筋抗拉强度设计值fy ＝ ", ShortestText(static_cast<float>(fy)), " ≤0");
      case kMuBadFcm:
        return msg("砼弯曲抗压强度设计值fcm ＝ ", ShortestText(static_cast<float>(fcm)), " ≤0");
      case kMuBadB:
        return msg("截面宽度b ＝ ", ShortestText(static_cast<float>(b)), " ≤0");
      case kMuBadH:
        return msg("截面高度h ＝ ", ShortestText(static_cast<float>(h)), " ≤0");
      case kMuBadAs:
        return msg("纵筋合力点至近边距离as ＝ ", ShortestText(static_cast<float>(as)), " ≤0");
      case kMuAsNotBelowH:
        return msg("纵筋合力点至近边距离as ＝ ", ShortestText(static_cast<float>(as)),
                   " ≥截面高度h");
      default:
        return {};
    }
  }

  std::string WarningMessage() const {
    std::string s = "相对受压区高度ξ ＝ ";
    AppendFormatted(s, xi, "##,###0.000");
    s.append(" ＞ ξb ＝ ");
    AppendFormatted(s, limit, "0.000");
    return s;
  }

  // Calculation steps 2 to 10: writes the outputs as they become known and appends the report
  // lines of section 2 when a report is built. Sets `code` to 100109 or a warning.
  void Run(double& dMu, double& dAs, float& sKc, float& sP, float& sKcb) {
    xi_b = BalancedDepth(fy);
    sKcb = fault::to_float(xi_b);
    seismic = iSecPos != 5;
    if (iK == 1) {
      if (!AreaFromMoment(dMu, dAs)) return;
    } else {
      if (!MomentFromArea(dMu)) return;
    }
    sKc = fault::to_float(xi);
    if (r) {
      r->Sp(4)
          .Raw("相对受压区高度ξ ＝ x / Ho ＝ ")
          .Num(x, u->mm)
          .Raw("/")
          .Num(ho, u->mm)
          .Raw(" ＝ ");
      r->Num(xi, "#0.0000").End();
    }
    // Seismic frame-beam ends: GBJ 11-89 limits x/ho to 0.25 (grade 1) and 0.35
    // (grades 2, 3); grade 4 and ordinary sections keep the balanced depth.
    std::string_view warn;
    if (iSecPos == 1) {
      limit = 0.25;
      sKcb = fault::to_float(limit);
      if (xi > limit) code = kMuXiOverGrade1, warn = "    警告：相对受压区高度ξ ＞ 0.25";
    } else if (iSecPos == 2 || iSecPos == 3) {
      limit = 0.35;
      sKcb = fault::to_float(limit);
      if (xi > limit) code = kMuXiOverGrade23, warn = "    警告：相对受压区高度ξ ＞ 0.35";
    } else {
      limit = xi_b;
      if (xi > limit) code = kMuXiOverBalanced, warn = "    警告：相对受压区高度ξ ＞ ";
    }
    if (r && !warn.empty()) {
      r->Sp(4).Raw(warn);
      if (code == kMuXiOverBalanced) r->Num(xi_b, "#0.000");
      r->Text(kTextCheckAdvice).End();
    }
    rho = fault::div(fault::div(As, b), ho);
    sP = fault::to_float(rho);
    if (r) {
      r->Sp(4)
          .Raw("配筋率ρ ＝ As / B / Ho ＝ ")
          .Num(As, u->mm2)
          .Raw("/")
          .Num(b, u->mm)
          .Raw("/")
          .Num(ho, u->mm);
      r->Raw(" ＝ ").Num(rho, "percent").End();
    }
  }

  // Direction 1 (GBJ 10-89 art. 4.1, rectangular sections): x from the moment, then As from the
  // force balance.
  bool AreaFromMoment(double& dMu, double& dAs) {
    M = fault::check(Mu_in * 1e6);
    dMu = M;  // callers of this service read the moment back in N*mm
    const double gamma = seismic ? kGammaReFlexure : 1.0;
    const double D = fault::check(ho * ho - fault::div(fault::div(2.0 * M * gamma, fcm), b));
    if (D <= 0) {
      code = kMuNoDepth;
      return false;
    }
    x = ho - fault::sqrt(D);
    xi = fault::div(x, ho);
    yielding = xi <= xi_b;
    if (r) {
      if (seismic) {
        r->Sp(4).Raw("受压区高度x ＝ Ho - (Ho ^ 2 - 2 * Mu * γRE / fcm / B) ^ 0.5").End();
      } else {
        r->Sp(4).Raw("受压区高度x ＝ Ho - (Ho ^ 2 - 2 * Mu / fcm / B) ^ 0.5").End();
      }
      r->Sp(16).Raw("＝ ").Num(ho, u->mm).Raw("-(").Num(ho, u->mm).Raw("^2-2*").Num(M, u->mm);
      r->Raw(seismic ? "*0.75/" : "/")
          .Num(fcm, u->nmm2_1)
          .Raw("/")
          .Num(b, u->mm)
          .Raw(")^0.5")
          .End();
      r->Sp(16).Raw("＝ ").Num(x, u->mmd).Raw(yielding ? " ≤ ξb * Ho" : " ＞ ξb * Ho").End();
    }
    if (yielding) {
      As = fault::div(b * x * fcm, fy);
      if (r) {
        r->Sp(4).Raw("As ＝ B * x * fcm / fy ＝ ").Num(b, u->mm).Raw("*").Num(x, u->mm).Raw("*");
        r->Num(fcm, u->nmm2_1).Raw("/").Num(fy, u->nmm2).Raw(" ＝ ").Num(As, u->mm2d).HeadingEnd();
      }
    } else {
      // Over-reinforced: the steel stress follows the linear rule of GBJ 10-89 art. 4.1.
      sigma_s = fault::div(fy * (xi - 0.8), xi_b - 0.8);
      if (r) {
        r->Sp(4).Raw("σs ＝ fy * (x / Ho - 0.8) / (ξb - 0.8)").End();
        r->Sp(7)
            .Raw("＝ ")
            .Num(fy, u->nmm2)
            .Raw("*(")
            .Num(x, u->mm)
            .Raw("/")
            .Num(ho, u->mm)
            .Raw("-0.8)/(");
        r->Num(xi_b, "#0.000").Raw("-0.8) ＝ ").Num(sigma_s, u->nmm2d).End();
      }
      As = fault::div(b * x * fcm, sigma_s);
      if (r) {
        r->Sp(4).Raw("As ＝ B * x * fcm / σs ＝ ").Num(b, u->mm).Raw("*").Num(x, u->mm).Raw("*");
        r->Num(fcm, u->nmm2_1)
            .Raw("/")
            .Num(sigma_s, u->nmm2)
            .Raw(" ＝ ")
            .Num(As, u->mm2d)
            .HeadingEnd();
      }
    }
    dAs = As;
    return true;
  }

  // Direction 2: x from the force balance; beyond the balanced depth the steel does not yield
  // and x follows from fcm*b*x = As*sigma_s with the same linear steel stress.
  bool MomentFromArea(double& dMu) {
    As = As_in;
    x = fault::div(fault::div(As * fy, b), fcm);
    xi = fault::div(x, ho);
    yielding = !(xi > xi_b);
    if (r) {
      r->Sp(4)
          .Raw("受压区高度x ＝ As * fy / B / fcm ＝ ")
          .Num(As, u->mm2)
          .Raw("*")
          .Num(fy, u->nmm2)
          .Raw("/");
      r->Num(b, u->mm).Raw("/").Num(fcm, u->nmm2_1).End();
      r->Sp(16).Raw("＝ ").Num(x, u->mmd);
      r->Raw(yielding ? " ≤ ξb * Ho" : " ＞ ξb * Ho，需重新计算受压区高度x").End();
    }
    if (!yielding) {
      const double k = fault::div(fy * As, xi_b - 0.8);
      x = fault::div(fault::div(0.8 * fy * As, xi_b - 0.8), fault::check(k - fcm * b * ho)) * ho;
      xi = fault::div(x, ho);
      if (r) {
        r->Sp(4)
            .Raw("x ＝ 0.8 * fy * As / (ξb - 0.8) / [fy * As / (ξb - 0.8) - fcm * B * Ho] * Ho")
            .End();
        r->Sp(4)
            .Raw("  ＝ 0.8*")
            .Num(fy, u->nmm2)
            .Raw("*")
            .Num(As, u->mm2)
            .Raw("/(")
            .Num(xi_b, "#0.000");
        r->Raw("-0.8)/[")
            .Num(fy, u->nmm2)
            .Raw("*")
            .Num(As, u->mm2)
            .Raw("/(")
            .Num(xi_b, "#0.000")
            .Raw("-0.8)-");
        r->Num(fcm, u->nmm2_1)
            .Raw("*")
            .Num(b, u->mm)
            .Raw("*")
            .Num(ho, u->mm)
            .Raw("]*")
            .Num(ho, u->mm)
            .End();
        r->Sp(4).Raw("  ＝ ").Num(x, u->mmd).End();
      }
    }
    // With xi_b below 0.8 the recomputed x stays below 0.8 ho; the guard keeps the moment
    // formula from running past the section depth whatever the steel modulus.
    if (x >= ho) {
      code = kMuNoDepth;
      return false;
    }
    // fcm*b*x*(ho - x/2), written as a difference of squares.
    M = fault::check((ho * ho - (ho - x) * (ho - x)) * fcm * b / 2.0);
    if (seismic) M = M / kGammaReFlexure;
    const double Mu = M / 1e6;
    dMu = Mu;
    if (r) {
      if (seismic)
        r->Sp(4).Raw("弯矩设计值Mu ＝ fcm * B * x * (Ho - x / 2) / γRE").End();
      else
        r->Sp(4).Raw("弯矩设计值Mu ＝ fcm * B * x * (Ho - x / 2)").End();
      r->Sp(17)
          .Raw("＝ ")
          .Num(fcm, u->nmm2_1)
          .Raw("*")
          .Num(b, u->mm)
          .Raw("*")
          .Num(x, u->mm)
          .Raw("*(");
      r->Num(ho, u->mm).Raw("-").Num(x, u->mm).Raw(seismic ? "/2)/0.75" : "/2)").End();
      r->Sp(17).Raw("＝ ").Num(Mu, u->knmd).HeadingEnd();
    }
    return true;
  }
};

}  // namespace

clsMoment::clsMoment() {}

clsMoment::~clsMoment() = default;

void clsMoment::MuAsCommon(int32_t& lErrNumber, int16_t& iK, int16_t& iSecPos, double& dMu,
                           double& dAs, float& sFy, float& sFcm, float& sB, float& sH, float& sCas,
                           float& sKc, float& sP, float& sKcb, std::string* tErr) {
  lErrNumber = 0;
  // A caller that reuses its message text must not see the message of an earlier call.
  if (tErr) tErr->clear();
  FlexureCase c;
  c.iK = iK, c.iSecPos = iSecPos, c.Mu_in = dMu, c.As_in = dAs;
  c.fy = sFy, c.fcm = sFcm, c.b = sB, c.h = sH, c.as = sCas;
  lErrNumber = c.Check();
  if (lErrNumber != 0) {
    if (tErr) *tErr = c.InputMessage(lErrNumber);
    return;
  }
  try {
    c.Run(dMu, dAs, sKc, sP, sKcb);
    lErrNumber = c.code;
    if (tErr) {
      if (c.code == kMuNoDepth)
        *tErr = "受压区高度x ≥截面有效高度ho";
      else if (c.code != 0)
        *tErr = c.WarningMessage();
    }
  } catch (const ComponentFailure&) {
    throw;
  } catch (...) {
    lErrNumber = kMuFault;
    if (tErr) *tErr = kOverflowText;
  }
}

void clsMoment::CalMu_As(int32_t& lErrNumber, int16_t iK, int16_t iSecPos, double& dMu, double& dAs,
                         std::string& tFy, int16_t& iFcm, float& sFcm, float& sB, float& sH,
                         float& sCas, float& sKc, float& sP, float& sPmin, float& sKcb,
                         std::string& tText) {
  lErrNumber = 0;
  clsMaterial& mat = modKalbex::Material();
  FlexureCase c;
  c.iK = iK, c.iSecPos = iSecPos, c.Mu_in = dMu, c.As_in = dAs;
  c.fy = mat.dGanJinFy(tFy);
  // iFcm = 0: sFcm is the grade (20 for C20); a grade outside the table reads as fcm 0 and is
  // rejected by the check below.
  c.fcm = iFcm == 0 ? static_cast<double>(mat.CtoFcm(sFcm)) : static_cast<double>(sFcm);
  c.b = sB, c.h = sH, c.as = sCas;
  lErrNumber = c.Check();
  if (lErrNumber != 0) return;  // input errors leave the caller's report as it was

  Report r;
  const UnitPatterns units(r.services());
  c.r = &r;
  c.u = &units;
  try {
    r.Title("弯矩", tText);
    r.Heading("1．基本参数：");
    if (c.iK == 2)
      r.Sp(4).Raw("由配筋面积As求弯矩设计值Mu，配筋面积As＝").Num(c.As_in, units.mm2d).End();
    else
      r.Sp(4).Raw("由弯矩设计值Mu求配筋面积As，弯矩设计值Mu＝").Num(c.Mu_in, units.knmd).End();
    switch (c.iSecPos) {
      case 1:
        r.Sp(4).Raw("计算截面位置：一级框架梁端").End();
        break;
      case 2:
      case 3:
        r.Sp(4).Raw("计算截面位置：二、三级框架梁端").End();
        break;
      case 4:
        r.Sp(4).Raw("计算截面位置：四级框架梁端").End();
        break;
      default:
        break;
    }
    r.Sp(4).Raw("截面尺寸B*H＝").Num(c.b, units.mm).Raw("*").Num(c.h, units.mmd).End();
    if (iFcm == 0) r.Sp(4).Raw("砼强度等级： C").Raw(ShortestText(sFcm));
    r.Sp(4).Raw("砼弯曲抗压强度设计值fcm＝").Val(c.fcm, "n/mm2d_2").End();
    r.Sp(4).Raw("钢筋强度设计值fy＝").Num(c.fy, units.nmm2d).Sp(4).Raw("纵筋合力点至近边距离as＝");
    r.Num(c.as, units.mmd).End();
    r.Sp(4)
        .Raw("截面有效高度Ho ＝ H - as ＝ ")
        .Num(c.h, units.mm)
        .Raw("-")
        .Num(c.as, units.mm)
        .Raw(" ＝ ");
    r.Num(c.ho, units.mmd).HeadingEnd();
    r.Heading("2．计算结果：");

    c.Run(dMu, dAs, sKc, sP, sKcb);
    lErrNumber = c.code;
    if (c.code != kMuNoDepth) {
      // Minimum ratio of GBJ 10-89: 0.15 % for concrete up to C35 (fcm 19), 0.2 % above; the user
      // may ask for more. The check is on the full section b*h.
      const double rho_code = c.fcm > 19 ? 0.002 : 0.0015;
      const double rho_min = modKalbex::vMaxVal(rho_code, sPmin / 100.0);
      sPmin = fault::to_float(rho_min);
      const double AsMin = fault::check(c.b * c.h * rho_min);
      if (c.As < AsMin) {
        r.Sp(4)
            .Raw("最小配筋率ρmin ＝ ")
            .Num(rho_min, "percent")
            .Sp(4)
            .Raw("AsMin ＝ B * H * ρmin ＝ ");
        r.Num(AsMin, units.mm2d).End();
      }
    }
  } catch (const ComponentFailure&) {
    throw;
  } catch (...) {
    // The report keeps what was computed and says why it stops there.
    lErrNumber = kMuFault;
    r.Error(kOverflowText);
  }
  r.MoveTo(tText);
}

void clsMoment::Let_Controls(HostRef& frmM, HostRef& frmX) {
  modKalbex::Services().SetMainForm(frmM);
  work_form_ = frmX;
  BindControls();
}

void clsMoment::RegisterTexts() {
  AddTexts({
      {kTextShearSectionOk, "，受剪截面满足要求。"},
  });
}

const ClassInfo& clsMoment::ClassInfoOf() {
  using C [[maybe_unused]] = clsMoment;
  static const ClassInfo ci{
      "clsMoment",
      {
          Method("bRestrain", &C::bRestrain, {}),
          Method("Let_Controls", &C::Let_Controls, {"frmM", "frmX"}),
          Method("MuAsCommon", &C::MuAsCommon,
                 {"lErrNumber", "iK", "iSecPos", "dMu", "dAs", "sFy", "sFcm", "sB", "sH", "sCas",
                  "sKc", "sP", "sKcb", "tErr"}),
          Method("CalMu_As", &C::CalMu_As,
                 {"lErrNumber", "iK", "iSecPos", "dMu", "dAs", "tFy", "iFcm", "sFcm", "sB", "sH",
                  "sCas", "sKc", "sP", "sPmin", "sKcb", "tText"}),
          Method("VAsCommon", &C::VAsCommon,
                 {"lErrNumber", "iK", "iSecPos", "dV", "dAs", "sFy", "Fc", "sB", "sH", "sCas",
                  "sAt", "sAsMin", "sK", "sKcal", "sDmin", "sAtMax"}),
          Method("CalV_As", &C::CalV_As,
                 {"lErr", "iK", "iSecPos", "dV", "dAsv", "tFyv", "iFc", "sfC", "sB", "sH", "sCas",
                  "sS", "sAsvMin", "sK", "sKcal", "sDmin", "sSmax", "tText"}),
          Method("CboB_KeyPress", &C::CboB_KeyPress, {"Index", "KeyAscii"}),
          Method("LoadOrSaveData", &C::LoadOrSaveData, {"tMode", "tDataSaveName"}),
          Method("Calculate", &C::Calculate, {}),
          Method("CalculateA", &C::CalculateA, {"tText"}),
          Method("OptSet_Click", &C::OptSet_Click, {"Index"}),
          Method("OptMu_Click", &C::OptMu_Click, {"Index"}),
          Method("ChkOpt_Click", &C::ChkOpt_Click, {"Index"}),
      }};
  return ci;
}

}  // namespace tk
