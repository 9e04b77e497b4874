#include "foundation/pile_lateral.h"

#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>

#include "codes/jgj94_94.h"
#include "frame/binding.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/numfmt.h"
#include "frame/report.h"
#include "frame/services.h"
#include "materials/material.h"

namespace tk {

namespace {

constexpr std::string_view kCircular = "圆形截面";
constexpr std::string_view kSquare = "方形截面";
constexpr std::string_view kBoredLow = "桩身配筋率ρg＜0.65%的灌注桩";
constexpr std::string_view kBoredHigh = "桩身配筋率ρg≥0.65%的灌注桩";
constexpr std::string_view kPrecast = "钢筋混凝土预制桩";
constexpr std::string_view kHinged = "铰接、自由";
constexpr std::string_view kFixed = "固接";

constexpr double kPi = std::numbers::pi;

// Display name and check kind of each host field; field 3 is the total pile length L, which the
// form shows beside the embedded length and which must be a positive number.
struct Field {
  const char* name;
  const char* kind;
};
constexpr int kFirstField = 3, kLastField = 12;
constexpr Field kFields[] = {
    {"桩长L", "S>0"},                // 3
    {"混凝土强度等级", "7.5~60"},    // 4
    {"桩身直径（边长）d", "S>0"},    // 5
    {"桩身纵筋As", "UnCheckNum"},    // 6: bar text, checked here
    {"净保护层厚度c", "S>0"},        // 7
    {"桩入土深度h", "S>0"},          // 8
    {"比例系数m值", "S>0"},          // 9
    {"桩顶竖向力N", "S"},            // 10
    {"桩顶容许水平位移χoa", "S>0"},  // 11
    {"钢筋弹性模量Es", "S>0"},       // 12
};
constexpr int16_t kBarField = 6;

// Numbers inside substitutions: no trailing zeros, enough places for the small quantities.
constexpr const char* kNm = "0.####";
std::string Nm(double x) {
  return FormatNumber(x, kNm);
}

}  // namespace

clsZhRh::clsZhRh() {}

clsZhRh::~clsZhRh() = default;

int32_t clsZhRh::CalZhRhAs(const std::string& tAs, double& dAs) {
  const std::string_view t = TrimView(tAs);
  if (IsNumericText(t)) {
    const double a = LeadingNumber(t);
    if (!(a > 0) || !std::isfinite(a)) return checkcode::kNotPositive;
    dAs = a;
    return 0;
  }
  ISharedServices& svc = modKalbex::Services();
  const std::string_view symbols[] = {
      "φ", "Φ", svc.tBarSymbol1(), svc.tBarSymbol2(), svc.tBarSymbol3(), "-", " "};
  size_t at = std::string_view::npos, len = 0;
  for (std::string_view s : symbols) {
    if (s.empty()) continue;
    const size_t k = t.find(s);
    if (k != std::string_view::npos && k < at) {
      at = k;
      len = s.size();
    }
  }
  if (at == std::string_view::npos) return zhrh::kBarNotNumber;
  const std::string_view left = TrimView(t.substr(0, at)), right = TrimView(t.substr(at + len));
  double count = 1;
  if (!left.empty()) {
    if (!IsNumericText(left)) return zhrh::kBarBadCount;
    count = LeadingNumber(left);
    if (!(count > 0) || !std::isfinite(count)) return zhrh::kBarBadCount;
  }
  if (right.empty() || !IsNumericText(right)) return zhrh::kBarNoDiameter;
  const double dia = LeadingNumber(right);
  if (!(dia > 0) || !std::isfinite(dia)) return zhrh::kBarNoDiameter;
  const double a = count * kPi * dia * dia / 4.0;
  if (!std::isfinite(a)) return zhrh::kBarNoDiameter;
  dAs = a;
  return 0;
}

double clsZhRh::CalZhRhNum(double alpha_h, bool bFixed) {
  return jgj94_94::MomentCoefficient(alpha_h, bFixed);
}

double clsZhRh::CalZhRhNux(double alpha_h, bool bFixed) {
  return jgj94_94::DisplacementCoefficient(alpha_h, bFixed);
}

namespace {

// The steps of the lateral capacity of one pile (JGJ 94-94 art. 5.4.2, 5.4.5), each writing its
// report lines; the results pass from step to step.
struct PileLateral {
  Report& r;
  ISharedServices& svc;
  std::string_view type, ys, sec;
  bool circular, low_ratio, fixed;
  double dC, dD, dCj, dH, dM, dN, dXoa, dEs, ft, Ec, As;
  // Results.
  int32_t code = 0;
  double d = 0, rho_g = 0, Wo = 0, An = 0, EI = 0, alpha = 0, Rh = 0;

  void WriteData() {
    r.Heading("1．基本资料：");
    r.Line(4, "桩类型：$0", {type});
    r.Line(5, "桩顶约束情况：$0", {ys});
    r.Line(4, "截面类型：$0", {sec});
    r.Line(4, circular ? "桩身直径 d ＝ $0" : "桩身边长 d ＝ $0", {{dD, U::mmd}});
    r.Line(4, "混凝土强度等级 C$0", {{dC, kNm}});
    r.Line(4, "Ft ＝ $0", {{ft, U::nmm2d}});
    r.Line(4, "Ec ＝ $0", {{Ec, U::nmm2d}});
    r.Line(4, "桩身纵筋 As ＝ $0", {{As, U::mm2d}});
    r.Line(4, "净保护层厚度 c ＝ $0", {{dCj, U::mmd}});
    r.Line(4, "钢筋弹性模量 Es ＝ $0", {{dEs, U::nmm2d}});
    r.Line(4, "桩入土深度 h ＝ $0", {{dH, U::md}});
    r.Line(4, "桩侧土水平抗力系数的比例系数 m ＝ $0", {{dM, U::mnpm4d}});
    r.Line(4, "桩顶竖向力 N ＝ $0", {{dN, U::knd}});
    r.Line(4, "桩顶容许水平位移 χoa ＝ $0", {{dXoa, U::mmd}});
    r.Line(4, "设计时执行的规范：");
    r.Line(4, "《建筑桩基技术规范》JGJ 94－94，以下简称“桩基规范”");
  }

  std::string M2() const { return "m" + std::string(svc.tSquareSign()); }
  std::string M3() const { return "m" + std::string(svc.tCubeSign()); }

  // (1) The transformed section; false with `code` set where the pile cannot be designed.
  bool TransformedSection() {
    d = dD / 1000.0;  // m
    r.Heading("(1)、桩身换算截面：");
    return circular ? CircularSection() : SquareSection();
  }

  bool CircularSection() {
    rho_g = fault::div(As, kPi * dD * dD / 4.0);
    r.Line(6, "ρg ＝ As / (π * d ^ 2 / 4) ＝ $0/($1*$2^2/4) ＝ $3",
           {{As, kNm}, {kPi, kNm}, {dD, kNm}, {rho_g, "0.000%"}});
    if (low_ratio && rho_g >= jgj94_94::kLowRatioLimit) {
      code = zhrh::kRhoTooHigh;
      r.Error(" ρg ≥ 0.65% 。");
      return false;
    }
    const double do_mm = dD - 2.0 * dCj;
    r.Sp(6).Put("扣除保护层的桩直径 do ＝ d - 2 * c ＝ $0-2*$1 ＝ $2",
                {{dD, kNm}, {dCj, kNm}, {do_mm, U::mmd}});
    if (do_mm <= 0) {
      code = zhrh::kCoreNotPositive;
      r.Line(5, "≤ 0，错误");
      return false;
    }
    r.End();
    const double dzero = do_mm / 1000.0;
    const double aE = fault::div(dEs, Ec);
    r.Line(6, "αE ＝ Es / Ec ＝ $0/$1 ＝ $2", {{dEs, kNm}, {Ec, kNm}, {aE, "#0.000"}});
    Wo = jgj94_94::SectionModulusCircular(d, aE, rho_g, dzero);
    r.Line(6, "Wo ＝ π * d / 32 * [d ^ 2 + 2 * (αE - 1) * ρg * do ^ 2]");
    r.Line(9, "＝ $4*$0/32*[$0^2+2*($1-1)*$2*$3^2]",
           {{d, kNm}, {aE, "#0.000"}, {rho_g, "0.00000"}, {dzero, kNm}, {kPi, kNm}});
    r.Line(9, "＝ $0 $1", {{Wo, "0.000000"}, M3()});
    An = jgj94_94::AreaCircular(d, aE, rho_g);
    r.Line(6, "An ＝ π * d ^ 2 / 4 * [1 + (αE - 1) * ρg]");
    r.Line(9, "＝ $3*$0^2/4*[1+($1-1)*$2]",
           {{d, kNm}, {aE, "#0.000"}, {rho_g, "0.00000"}, {kPi, kNm}});
    r.Line(9, "＝ $0 $1", {{An, "0.00000"}, M2()});
    return true;
  }

  bool SquareSection() {
    An = d * d;
    r.Line(6, "桩身换算截面积 An ＝ d ^ 2 ＝ $0^2 ＝ $1 $2", {{d, kNm}, {An, "0.00000"}, M2()});
    rho_g = fault::div(As, dD * dD);
    r.Line(6, "ρg ＝ As / An ＝ $0/$1 ＝ $2", {{As, kNm}, {dD * dD, kNm}, {rho_g, "0.000%"}});
    if (low_ratio && rho_g >= jgj94_94::kLowRatioLimit) {
      code = zhrh::kRhoTooHigh;
      r.Line(6, "错误 ρg ≥ 0.65%");
      return false;
    }
    Wo = jgj94_94::SectionModulusSquare(d);
    r.Line(6, "Wo ＝ d ^ 3 / 6 ＝ $0^3/6 ＝ $1 $2", {{d, kNm}, {Wo, "0.000000"}, M3()});
    return true;
  }

  // (2) Flexural stiffness EI = 0.85·Ec·Io; Ec from N/mm² to kN/m².
  void Stiffness() {
    r.Heading("(2)、桩身抗弯刚度：");
    const double Io = Wo * d / 2.0;
    r.Line(6, "桩身换算截面惯性距 Io ＝ Wo * d / 2 ＝ $0*$1/2 ＝ $2 m⁴",
           {{Wo, "0.000000"}, {d, kNm}, {Io, "0.0000000"}});
    EI = jgj94_94::FlexuralStiffness(Ec, Io);
    const double k = jgj94_94::kStiffnessFactor;
    r.Line(6, "对于钢筋混凝土桩，EI ＝ $0 * Ec * Io", {{k, "0.00"}});
    r.Line(6, "EI ＝ $0*$1*1000*$2 ＝ $3",
           {{k, "0.00"}, {Ec, kNm}, {Io, "0.0000000"}, {EI, U::knm2d}});
  }

  // (3) Calculation width and the deformation coefficient α (eq. 5.4.5); m from MN/m⁴ to kN/m⁴.
  void Deformation() {
    r.Heading("(3)、桩的水平变形系数：");
    r.Line(6, "桩身计算宽度 bo：");
    const double bo = jgj94_94::CalculationWidth(dD, circular);
    const bool small = dD <= 1000.0;
    std::string_view form;
    if (circular)
      form = small ? "当直径 d ≤ 1m 时，bo ＝ 0.9 * (1.5 * d + 0.5) ＝ 0.9*(1.5*$0+0.5) ＝ $1 m"
                   : "当直径 d ＞ 1m 时，bo ＝ 0.9 * (d + 1) ＝ 0.9*($0+1) ＝ $1 m";
    else
      form = small ? "当边宽 d ≤ 1m 时，bo ＝ 1.5 * d + 0.5 ＝ 1.5*$0+0.5 ＝ $1 m"
                   : "当直径 d ＞ 1m 时，bo ＝ d + 1 ＝ $0+1 ＝ $1 m";
    r.Line(6, form, {{d, kNm}, {bo, "0.000"}});
    alpha = jgj94_94::DeformationCoefficient(dM * 1000.0, bo, EI);
    r.Line(6, "α ＝ (m * bo / EI) ^ 1 / 5    （桩基规范式 5.4.5）");
    r.Line(8, "＝ ($0*$1/$2)^(1/5) ＝ $3（1/m）",
           {{dM * 1000.0, kNm}, {bo, "0.000"}, {EI, U::knm2}, {alpha, "#0.0000"}});
  }

  // (4)–(6) Coefficients of table 5.4.2 and the lateral capacity (eq. 5.4.2-1 or -2).
  void Capacity() {
    r.Heading("(4)、桩顶水平位移系数及桩身最大弯矩系数：");
    const double ah = alpha * dH;
    r.Line(6, "桩的换算埋深 αh ＝ $0*$1 ＝ $2", {{alpha, "#0.0000"}, {dH, kNm}, {ah, "#0.000"}});
    const double vm = jgj94_94::MomentCoefficient(ah, fixed);
    const double vx = jgj94_94::DisplacementCoefficient(ah, fixed);
    r.Line(6, "查桩基规范表5.4.2得：νm ＝ $0", {{vm, "#0.000"}});
    r.Line(6, "查桩基规范表5.4.2得：νx ＝ $0", {{vx, "#0.000"}});

    r.Heading("(5)、其它参数：");
    const double gm = jgj94_94::PlasticFactor(circular);
    r.Line(6, "桩截面模量塑性系数 γm ＝ $0", {{gm, "#0.00"}});
    // N = 0 counts as compression; tension (N < 0) takes the full influence.
    const bool compression = dN >= 0;
    const double zN = jgj94_94::AxialInfluence(compression);
    r.Line(6,
           compression ? "桩顶竖向力影响系数 ζN ＝ $0 （竖向压力）"
                       : "桩顶竖向力影响系数 ζN ＝ $0 （竖向拉力）",
           {{zN, "#0.0"}});

    r.Heading("(6)、单桩水平承载力设计值：");
    r.Line(4, "对于$0，可按下列公式计算单桩水平承载力设计值 Rh：", {type});
    if (low_ratio) {
      // "+" for a compressive and "-" for a tensile head force, N taken by its magnitude; ft from
      // N/mm² to kN/m².
      const double ftk = ft * 1000.0, Na = std::fabs(dN);
      Rh = jgj94_94::LateralCapacityByCracking(alpha, gm, ftk, Wo, vm, rho_g, zN, Na, An,
                                               compression);
      r.Line(4,
             "Rh ＝ α * γm * ft * Wo / νm * (1.25 + 22 * ρg) * (1 ± ζN * N / γm / ft / An)    "
             "（桩基规范式 5.4.2-1）");
      r.Line(7,
             compression ? "＝ $0*$1*$2*$3/$4*(1.25+22*$5)*(1+$6*$7/$1/$2/$8)"
                         : "＝ $0*$1*$2*$3/$4*(1.25+22*$5)*(1-$6*$7/$1/$2/$8)",
             {{alpha, "#0.0000"},
              {gm, "#0.00"},
              {ftk, kNm},
              {Wo, "0.000000"},
              {vm, "#0.000"},
              {rho_g, "0.00000"},
              {zN, "#0.0"},
              {Na, U::kn},
              {An, "0.00000"}});
    } else {
      const double xoa = dXoa / 1000.0;  // χoa from mm to m
      Rh = jgj94_94::LateralCapacityByDisplacement(alpha, EI, vx, xoa);
      r.Line(4, "Rh ＝ α ^ 3 * E * I / νx * χoa    （桩基规范式 5.4.2-2）");
      r.Line(7, "＝ $0^3*$1/$2*$3",
             {{alpha, "#0.0000"}, {EI, U::knm2}, {vx, "#0.000"}, {xoa, kNm}});
    }
    r.Line(7, "＝ $0", {{Rh, U::knd}});
    // A tensile head force large enough to crack the whole section leaves no lateral capacity.
    // The calculation itself is complete, so the code stays 0 (only the section-ratio and core
    // stops are errors); the warning line tells the engineer.
    if (Rh <= 0) r.Line(8, "警告：Rh ≤ 0，桩顶竖向拉力过大，单桩不能承受水平力。");
  }

  // (7) Seismic check of the lateral capacity.
  void Seismic() {
    const double k = jgj94_94::kSeismicIncrease;
    r.Heading("(7)、抗震验算：");
    r.Line(4, "验算地震作用桩基的水平承载力时，应将单桩水平承载力设计值乘以调整系数 $0：",
           {{k, "0.00"}});
    const double RhE = k * Rh;
    r.Line(4, "RhE ＝ $0 * Rh ＝ $0*$1 ＝ $2", {{k, "0.00"}, {Rh, U::kn}, {RhE, U::knd}});
  }
};

}  // namespace

void clsZhRh::ZhRhCal(std::string& tText, int32_t& lErrNumber, const std::string& tZhBh,
                      const std::string& tJmLx, const std::string& tZhLx, const std::string& tYs,
                      double dC, double dD, const std::string& tAs, double dCj, double dH,
                      double dM, double dN, double dXoa, double dEs, bool bKz) {
  lErrNumber = 0;
  Report r;
  ISharedServices& svc = r.services();
  const std::string_view sec = TrimView(tJmLx), type = TrimView(tZhLx), ys = TrimView(tYs);
  // The pile identifier leads the title; without one the title is the bare heading.
  const std::string_view id = TrimView(tZhBh);
  if (!id.empty()) r.Raw(id).Raw(" ");
  r.Raw("单桩水平承载力设计值 Rh：").HeadingEnd();

  auto stop = [&](int32_t code, std::string_view line) {
    lErrNumber = code;
    r.Error(line);
    r.MoveTo(tText);
  };
  const bool circular = sec == kCircular;
  if (!circular && sec != kSquare)
    return stop(zhrh::kBadSection, "截面类型应为“圆形截面”或“方形截面”。");
  const bool low_ratio = type == kBoredLow;
  const bool formula2 = type == kBoredHigh || type == kPrecast;
  if (!low_ratio && !formula2)
    return stop(zhrh::kBadPileType, "桩类型“" + std::string(type) + "”无法识别。");
  const bool fixed = ys == kFixed;
  if (!fixed && ys != kHinged)
    return stop(zhrh::kBadRestraint, "桩顶约束情况应为“铰接、自由”或“固接”。");
  const double ft = modKalbex::Material().CtoFt(static_cast<float>(dC));
  const double Ec = modKalbex::Material().CtoEc(dC);
  if (!(ft > 0)) return stop(zhrh::kBadGrade, "混凝土强度等级 C" + Nm(dC) + " 不在规范表中。");
  double As = 0;
  if (CalZhRhAs(tAs, As) != 0) return stop(zhrh::kBadBars, "桩身纵筋“" + tAs + "”无法识别。");
  if (!(dD > 0) || !(dH > 0) || !(dM > 0) || !(dXoa > 0) || !(dEs > 0) || !(dCj >= 0) ||
      !std::isfinite(dN))
    return stop(zhrh::kBadInput,
                "桩径、入土深度、m值、容许水平位移及钢筋弹性模量应大于0，保护层厚度不应小于0。");

  try {
    PileLateral p{r,   svc, type, ys, sec,  circular, low_ratio, fixed, dC, dD,
                  dCj, dH,  dM,   dN, dXoa, dEs,      ft,        Ec,    As};
    p.WriteData();
    r.Heading("2．单桩水平承载力设计值计算：");
    if (!p.TransformedSection()) {
      lErrNumber = p.code;
      r.MoveTo(tText);
      return;
    }
    p.Stiffness();
    p.Deformation();
    p.Capacity();
    if (bKz) p.Seismic();
  } catch (const ArithmeticFault&) {
    lErrNumber = zhrh::kFault;
    r.Raw("      错误：").Text(32005).Text(32007).End();
  }
  r.MoveTo(tText);
}

void clsZhRh::CheckZhRhErr(int32_t& lErrNumber, int16_t& Index, VBArray<std::string>& Text,
                           VBArray<bool>& bText) {
  lErrNumber = 0;
  IInputCheck& ic = modKalbex::InputCheck();
  for (int16_t i = kFirstField; i <= kLastField; ++i) {
    // A field the host disabled is skipped; a host that sends no flag for a field has it checked.
    if (bText.Has(i) && !bText.data[static_cast<size_t>(i - bText.lbound)]) continue;
    const Field& f = kFields[i - kFirstField];
    const std::string& text = std::as_const(Text)(i);
    int32_t code = 0;
    if (i == kBarField) {
      if (TrimView(text).empty()) {
        code = checkcode::kEmpty;
      } else {
        double as = 0;
        code = CalZhRhAs(text, as);
      }
    } else {
      ic.CheckFieldText(f.kind, f.name, text, i == 4 ? -1 : 0, code);
    }
    if (code != 0) {
      lErrNumber = code;
      Index = i;
      return;
    }
  }
}

void clsZhRh::CboB_KeyPress(int16_t Index, int16_t& KeyAscii) {
  // Field 6 takes bar texts (count, symbol, diameter) and field 10 a signed force; the other
  // number fields take digits and a point, and the text fields below 3 anything.
  int32_t cls = keyclass::kPositiveNumber;
  if (Index < kFirstField)
    cls = keyclass::kAny;
  else if (Index == kBarField)
    cls = keyclass::kText;
  else if (Index == 10)
    cls = keyclass::kSignedNumber;
  KeyAscii = modKalbex::Services().FilterKey(KeyAscii, cls);
}

const ClassInfo& clsZhRh::ClassInfoOf() {
  using C [[maybe_unused]] = clsZhRh;
  static const ClassInfo ci{
      "clsZhRh",
      {
          Method("CheckZhRhErr", &C::CheckZhRhErr, {"lErrNumber", "Index", "Text", "bText"}),
          Method("ZhRhCal", &C::ZhRhCal,
                 {"tText", "lErrNumber", "tZhBh", "tJmLx", "tZhLx", "tYs", "dC", "dD", "tAs", "dCj",
                  "dH", "dM", "dN", "dXoa", "dEs", "bKz"}),
          Method("CboB_KeyPress", &C::CboB_KeyPress, {"Index", "KeyAscii"}),
      }};
  return ci;
}

}  // namespace tk
