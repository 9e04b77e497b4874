#include "section/flexure.h"

#include <string_view>

#include "codes/gbj10_89.h"
#include "codes/gbj11_89.h"
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

const char* const kOverflowText = "溢出，或不可知的错误";

// Number pattern of the code factors a report line shows (0.8, 0.75, 0.25).
constexpr const char* kFactor = "0.0#";

using gbj10_89::kBeta1;
using gbj11_89::kGammaReFlexure;

// One flexure case, shared by MuAsCommon (disabled report) and CalMu_As (report in r). The
// searches call MuAsCommon in their loops: report lines stand behind r.enabled() so that the
// report-less path builds no substitution pieces.
struct FlexureCase {
  explicit FlexureCase(Report& report) : r(report) {}

  // Inputs: Mu in kN*m (direction 1), As in mm2 (direction 2), N and mm elsewhere.
  int16_t iK = 1, iSecPos = 5;
  double Mu_in = 0, As_in = 0, fy = 0, fcm = 0, b = 0, h = 0, as = 0;
  // Results.
  double ho = 0, xi_b = 0, M = 0, x = 0, xi = 0, sigma_s = 0, As = 0, rho = 0, limit = 0;
  bool seismic = false, yielding = true;
  int32_t code = 0;
  Report& r;

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

  // Calculation steps 2 to 10: writes the outputs as they become known and the report lines of
  // section 2. Sets `code` to 100109 or a warning.
  void Run(double& dMu, double& dAs, float& sKc, float& sP, float& sKcb) {
    xi_b = gbj10_89::BalancedDepth(fy, modKalbex::Material().FyToEs(fy));
    sKcb = fault::to_float(xi_b);
    seismic = iSecPos != 5;
    if (iK == 1) {
      if (!AreaFromMoment(dMu, dAs)) return;
    } else {
      if (!MomentFromArea(dMu)) return;
    }
    sKc = fault::to_float(xi);
    if (r.enabled())
      r.Line(4, "相对受压区高度ξ ＝ x / Ho ＝ $0/$1 ＝ $2",
             {{x, U::mm}, {ho, U::mm}, {xi, "#0.0000"}});
    CheckDepthLimit(sKcb);
    rho = fault::div(fault::div(As, b), ho);
    sP = fault::to_float(rho);
    if (r.enabled())
      r.Line(4, "配筋率ρ ＝ As / B / Ho ＝ $0/$1/$2 ＝ $3",
             {{As, U::mm2}, {b, U::mm}, {ho, U::mm}, {rho, "percent"}});
  }

  // Seismic frame-beam ends of grades 1 to 3 limit x/ho (GBJ 11-89 art. 6.3.1); grade 4 and
  // ordinary sections keep the balanced depth. The grade limit is also what sKcb reports.
  void CheckDepthLimit(float& sKcb) {
    const double grade_limit = gbj11_89::XiLimitOfGrade(iSecPos);
    if (grade_limit > 0) {
      limit = grade_limit;
      sKcb = fault::to_float(limit);
    } else {
      limit = xi_b;
    }
    if (!(xi > limit)) return;
    if (grade_limit > 0)
      code = iSecPos == 1 ? kMuXiOverGrade1 : kMuXiOverGrade23;
    else
      code = kMuXiOverBalanced;
    if (!r.enabled()) return;
    if (grade_limit > 0)
      r.Sp(8).Put("警告：相对受压区高度ξ ＞ $0", {{limit, kFactor}});
    else
      r.Sp(8).Put("警告：相对受压区高度ξ ＞ $0", {{xi_b, "#0.000"}});
    r.Text(kTextCheckAdvice).End();
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
    if (r.enabled()) WriteDepthFromMoment();
    if (yielding) {
      As = fault::div(b * x * fcm, fy);
      if (r.enabled())
        r.Sp(4)
            .Put("As ＝ B * x * fcm / fy ＝ $0*$1*$2/$3 ＝ $4",
                 {{b, U::mm}, {x, U::mm}, {fcm, U::nmm2_1}, {fy, U::nmm2}, {As, U::mm2d}})
            .HeadingEnd();
    } else {
      sigma_s = gbj10_89::SteelStressLinear(fy, xi, xi_b);
      if (r.enabled()) WriteSteelStress();
      As = fault::div(b * x * fcm, sigma_s);
      if (r.enabled())
        r.Sp(4)
            .Put("As ＝ B * x * fcm / σs ＝ $0*$1*$2/$3 ＝ $4",
                 {{b, U::mm}, {x, U::mm}, {fcm, U::nmm2_1}, {sigma_s, U::nmm2}, {As, U::mm2d}})
            .HeadingEnd();
    }
    dAs = As;
    return true;
  }

  // Depth of the compression zone from the moment equilibrium of GBJ 10-89 art. 4.1.
  void WriteDepthFromMoment() {
    r.Line(4, seismic ? "受压区高度x ＝ Ho - (Ho ^ 2 - 2 * Mu * γRE / fcm / B) ^ 0.5"
                      : "受压区高度x ＝ Ho - (Ho ^ 2 - 2 * Mu / fcm / B) ^ 0.5");
    r.Line(16, seismic ? "＝ $0-($0^2-2*$1*$4/$2/$3)^0.5" : "＝ $0-($0^2-2*$1/$2/$3)^0.5",
           {{ho, U::mm}, {M, U::mm}, {fcm, U::nmm2_1}, {b, U::mm}, {kGammaReFlexure, kFactor}});
    r.Line(16, yielding ? "＝ $0 ≤ ξb * Ho" : "＝ $0 ＞ ξb * Ho", {{x, U::mmd}});
  }

  // Steel stress of an over-reinforced section by the linear rule (GBJ 10-89 eq. 4.1.5-2).
  void WriteSteelStress() {
    r.Line(4, "σs ＝ fy * (x / Ho - $0) / (ξb - $0)", {{kBeta1, kFactor}});
    r.Line(7, "＝ $0*($1/$2-$5)/($3-$5) ＝ $4",
           {{fy, U::nmm2},
            {x, U::mm},
            {ho, U::mm},
            {xi_b, "#0.000"},
            {sigma_s, U::nmm2d},
            {kBeta1, kFactor}});
  }

  // Direction 2: x from the force balance; beyond the balanced depth the steel does not yield
  // and x follows from fcm*b*x = As*sigma_s with the same linear steel stress.
  bool MomentFromArea(double& dMu) {
    As = As_in;
    x = fault::div(fault::div(As * fy, b), fcm);
    xi = fault::div(x, ho);
    yielding = !(xi > xi_b);
    if (r.enabled()) {
      r.Line(4, "受压区高度x ＝ As * fy / B / fcm ＝ $0*$1/$2/$3",
             {{As, U::mm2}, {fy, U::nmm2}, {b, U::mm}, {fcm, U::nmm2_1}});
      r.Line(16, yielding ? "＝ $0 ≤ ξb * Ho" : "＝ $0 ＞ ξb * Ho，需重新计算受压区高度x",
             {{x, U::mmd}});
    }
    if (!yielding) {
      x = gbj10_89::DepthOverReinforced(fy, As, xi_b, fcm, b, ho);
      xi = fault::div(x, ho);
      if (r.enabled()) WriteDepthOverReinforced();
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
    if (!r.enabled()) return true;
    r.Line(4, seismic ? "弯矩设计值Mu ＝ fcm * B * x * (Ho - x / 2) / γRE"
                      : "弯矩设计值Mu ＝ fcm * B * x * (Ho - x / 2)");
    r.Line(17, seismic ? "＝ $0*$1*$2*($3-$2/2)/$4" : "＝ $0*$1*$2*($3-$2/2)",
           {{fcm, U::nmm2_1}, {b, U::mm}, {x, U::mm}, {ho, U::mm}, {kGammaReFlexure, kFactor}});
    r.Sp(17).Put("＝ $0", {{Mu, U::knmd}}).HeadingEnd();
    return true;
  }

  // Depth of an over-reinforced section: the force balance with the linear steel stress of
  // GBJ 10-89 eq. 4.1.5-2 put in.
  void WriteDepthOverReinforced() {
    r.Line(4, "x ＝ $0 * fy * As / (ξb - $0) / [fy * As / (ξb - $0) - fcm * B * Ho] * Ho",
           {{kBeta1, kFactor}});
    r.Line(4, "  ＝ $6*$0*$1/($2-$6)/[$0*$1/($2-$6)-$3*$4*$5]*$5",
           {{fy, U::nmm2},
            {As, U::mm2},
            {xi_b, "#0.000"},
            {fcm, U::nmm2_1},
            {b, U::mm},
            {ho, U::mm},
            {kBeta1, kFactor}});
    r.Line(4, "  ＝ $0", {{x, U::mmd}});
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
  Report none = Report::Disabled();
  FlexureCase c(none);
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

namespace {

// Section 1 of the flexure report: the direction, the section position and the inputs.
void WriteFlexureInputs(Report& r, const FlexureCase& c, bool grade_given, float grade) {
  r.Heading("1．基本参数：");
  if (c.iK == 2)
    r.Line(4, "由配筋面积As求弯矩设计值Mu，配筋面积As＝$0", {{c.As_in, U::mm2d}});
  else
    r.Line(4, "由弯矩设计值Mu求配筋面积As，弯矩设计值Mu＝$0", {{c.Mu_in, U::knmd}});
  switch (c.iSecPos) {
    case 1:
      r.Line(4, "计算截面位置：一级框架梁端");
      break;
    case 2:
    case 3:
      r.Line(4, "计算截面位置：二、三级框架梁端");
      break;
    case 4:
      r.Line(4, "计算截面位置：四级框架梁端");
      break;
    default:
      break;
  }
  r.Line(4, "截面尺寸B*H＝$0*$1", {{c.b, U::mm}, {c.h, U::mmd}});
  // The grade line has no line end of its own: fcm follows on the same line.
  if (grade_given) r.Sp(4).Put("砼强度等级： C$0", {ShortestText(grade)});
  r.Line(4, "砼弯曲抗压强度设计值fcm＝$0", {{c.fcm, U::nmm2d_2}});
  r.Line(4, "钢筋强度设计值fy＝$0    纵筋合力点至近边距离as＝$1",
         {{c.fy, U::nmm2d}, {c.as, U::mmd}});
  r.Sp(4).Put("截面有效高度Ho ＝ H - as ＝ $0-$1 ＝ $2",
              {{c.h, U::mm}, {c.as, U::mm}, {c.ho, U::mmd}});
  r.HeadingEnd();
  r.Heading("2．计算结果：");
}

// Minimum ratio of GBJ 10-89: 0.15 % for concrete up to C35 (fcm 19), 0.2 % above;
// the user may ask for more. The check is on the full section b*h.
double MinimumRatio(double fcm, float sPmin) {
  const double rho_code = fcm > 19 ? 0.002 : 0.0015;
  return modKalbex::vMaxVal(rho_code, sPmin / 100.0);
}

}  // namespace

void clsMoment::CalMu_As(int32_t& lErrNumber, int16_t iK, int16_t iSecPos, double& dMu, double& dAs,
                         std::string& tFy, int16_t& iFcm, float& sFcm, float& sB, float& sH,
                         float& sCas, float& sKc, float& sP, float& sPmin, float& sKcb,
                         std::string& tText) {
  lErrNumber = 0;
  clsMaterial& mat = modKalbex::Material();
  Report r;
  FlexureCase c(r);
  c.iK = iK, c.iSecPos = iSecPos, c.Mu_in = dMu, c.As_in = dAs;
  c.fy = mat.dGanJinFy(tFy);
  // iFcm = 0: sFcm is the grade (20 for C20); a grade outside the table reads as fcm 0 and is
  // rejected by the check below.
  c.fcm = iFcm == 0 ? static_cast<double>(mat.CtoFcm(sFcm)) : static_cast<double>(sFcm);
  c.b = sB, c.h = sH, c.as = sCas;
  lErrNumber = c.Check();
  if (lErrNumber != 0) return;  // input errors leave the caller's report as it was

  try {
    r.Title("弯矩", tText);
    WriteFlexureInputs(r, c, iFcm == 0, sFcm);
    c.Run(dMu, dAs, sKc, sP, sKcb);
    lErrNumber = c.code;
    if (c.code != kMuNoDepth) {
      const double rho_min = MinimumRatio(c.fcm, sPmin);
      sPmin = fault::to_float(rho_min);
      const double AsMin = fault::check(c.b * c.h * rho_min);
      if (c.As < AsMin)
        r.Line(4, "最小配筋率ρmin ＝ $0    AsMin ＝ B * H * ρmin ＝ $1",
               {{rho_min, "percent"}, {AsMin, U::mm2d}});
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
