#include "foundation/pile_lateral.h"

#include <cmath>
#include <numbers>
#include <string_view>
#include <utility>

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

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

// JGJ 94-94 table 5.4.2: the end values are repeated at αh = 0 and 5, so a pile shorter than
// 2.4/α takes the 2.4 row and one longer than 4.0/α the 4.0 row (the code's "αh > 4 取 4").
constexpr double kAlphaH[] = {0, 2.4, 2.6, 2.8, 3.0, 3.5, 4.0, 5};
constexpr double kNumHinged[] = {0.601, 0.601, 0.639, 0.675, 0.703, 0.750, 0.768, 0.768};
constexpr double kNumFixed[] = {1.045, 1.045, 1.018, 0.990, 0.967, 0.934, 0.926, 0.926};
constexpr double kNuxHinged[] = {3.526, 3.526, 3.163, 2.905, 2.727, 2.502, 2.441, 2.441};
constexpr double kNuxFixed[] = {1.095, 1.095, 1.079, 1.055, 1.028, 0.970, 0.940, 0.940};

double Table542(double ah, const double (&col)[8]) {
  constexpr int n = 8;
  if (!(ah > kAlphaH[0])) return col[0];
  if (ah >= kAlphaH[n - 1]) return col[n - 1];
  for (int k = 0; k + 1 < n; ++k)
    if (ah <= kAlphaH[k + 1])
      return modKalbex::dInterpolate(ah, kAlphaH[k], kAlphaH[k + 1], col[k], col[k + 1]);
  return col[n - 1];
}

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
std::string Nm(double x) {
  return FormatNumber(x, "0.####");
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
  return Table542(alpha_h, bFixed ? kNumFixed : kNumHinged);
}

double clsZhRh::CalZhRhNux(double alpha_h, bool bFixed) {
  return Table542(alpha_h, bFixed ? kNuxFixed : kNuxHinged);
}

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
    r.Heading("1．基本资料：");
    r.Sp(4).Raw("桩类型：").Raw(type).End();
    r.Raw("     桩顶约束情况：").Raw(ys).End();
    r.Sp(4).Raw("截面类型：").Raw(sec).End();
    r.Data(circular ? "桩身直径 d ＝ " : "桩身边长 d ＝ ", dD, "mmd");
    r.Sp(4).Raw("混凝土强度等级 C").Raw(Nm(dC)).End();
    r.Data("Ft ＝ ", ft, "n/mm2d");
    r.Data("Ec ＝ ", Ec, "n/mm2d");
    r.Data("桩身纵筋 As ＝ ", As, "mm2d");
    r.Data("净保护层厚度 c ＝ ", dCj, "mmd");
    r.Data("钢筋弹性模量 Es ＝ ", dEs, "n/mm2d");
    r.Data("桩入土深度 h ＝ ", dH, "md");
    r.Data("桩侧土水平抗力系数的比例系数 m ＝ ", dM, "MN/M4d");
    r.Data("桩顶竖向力 N ＝ ", dN, "knd");
    r.Data("桩顶容许水平位移 χoa ＝ ", dXoa, "mmd");
    r.Sp(4).Raw("设计时执行的规范：").End();
    r.Sp(4).Raw("《建筑桩基技术规范》JGJ 94－94，以下简称“桩基规范”").End();

    r.Heading("2．单桩水平承载力设计值计算：");
    const std::string m2 = "m" + std::string(svc.tSquareSign());
    const std::string m3 = "m" + std::string(svc.tCubeSign());
    const std::string m4 = "m⁴";
    const double d = dD / 1000.0;  // m
    double rho_g, Wo, An;
    r.Heading("(1)、桩身换算截面：");
    if (circular) {
      rho_g = fault::div(As, kPi * dD * dD / 4.0);
      r.Sp(6)
          .Raw("ρg ＝ As / (π * d ^ 2 / 4) ＝ ")
          .Raw(Nm(As))
          .Raw("/(3.1416*")
          .Raw(Nm(dD))
          .Raw("^2/4) ＝ ");
      r.Num(rho_g, "0.000%").End();
      if (low_ratio && rho_g >= 0.0065) return stop(zhrh::kRhoTooHigh, " ρg ≥ 0.65% 。");
      const double do_mm = dD - 2.0 * dCj;
      r.Sp(6)
          .Raw("扣除保护层的桩直径 do ＝ d - 2 * c ＝ ")
          .Raw(Nm(dD))
          .Raw("-2*")
          .Raw(Nm(dCj))
          .Raw(" ＝ ");
      r.Val(do_mm, "mmd");
      if (do_mm <= 0) {
        lErrNumber = zhrh::kCoreNotPositive;
        r.Raw("     ≤ 0，错误").End();
        r.MoveTo(tText);
        return;
      }
      r.End();
      const double dzero = do_mm / 1000.0;
      const double aE = fault::div(dEs, Ec);
      r.Sp(6)
          .Raw("αE ＝ Es / Ec ＝ ")
          .Raw(Nm(dEs))
          .Raw("/")
          .Raw(Nm(Ec))
          .Raw(" ＝ ")
          .Num(aE, "#0.000")
          .End();
      // JGJ 94-94 5.4.2: section modulus of the transformed circular section
      Wo = fault::check(kPi * d / 32.0 * (d * d + 2.0 * (aE - 1.0) * rho_g * dzero * dzero));
      r.Sp(6).Raw("Wo ＝ π * d / 32 * [d ^ 2 + 2 * (αE - 1) * ρg * do ^ 2]").End();
      r.Sp(9).Raw("＝ 3.1416*").Raw(Nm(d)).Raw("/32*[").Raw(Nm(d)).Raw("^2+2*(").Num(aE, "#0.000");
      r.Raw("-1)*").Num(rho_g, "0.00000").Raw("*").Raw(Nm(dzero)).Raw("^2]").End();
      r.Sp(9).Raw("＝ ").Num(Wo, "0.000000").Raw(" ").Raw(m3).End();
      An = fault::check(kPi * d * d / 4.0 * (1.0 + (aE - 1.0) * rho_g));
      r.Sp(6).Raw("An ＝ π * d ^ 2 / 4 * [1 + (αE - 1) * ρg]").End();
      r.Sp(9).Raw("＝ 3.1416*").Raw(Nm(d)).Raw("^2/4*[1+(").Num(aE, "#0.000").Raw("-1)*");
      r.Num(rho_g, "0.00000").Raw("]").End();
      r.Sp(9).Raw("＝ ").Num(An, "0.00000").Raw(" ").Raw(m2).End();
    } else {
      An = d * d;
      r.Sp(6)
          .Raw("桩身换算截面积 An ＝ d ^ 2 ＝ ")
          .Raw(Nm(d))
          .Raw("^2 ＝ ")
          .Num(An, "0.00000")
          .Raw(" ")
          .Raw(m2)
          .End();
      rho_g = fault::div(As, dD * dD);
      r.Sp(6)
          .Raw("ρg ＝ As / An ＝ ")
          .Raw(Nm(As))
          .Raw("/")
          .Raw(Nm(dD * dD))
          .Raw(" ＝ ")
          .Num(rho_g, "0.000%")
          .End();
      if (low_ratio && rho_g >= 0.0065) {
        lErrNumber = zhrh::kRhoTooHigh;
        r.Sp(6).Raw("错误 ρg ≥ 0.65%").End();
        r.MoveTo(tText);
        return;
      }
      Wo = d * d * d / 6.0;
      r.Sp(6)
          .Raw("Wo ＝ d ^ 3 / 6 ＝ ")
          .Raw(Nm(d))
          .Raw("^3/6 ＝ ")
          .Num(Wo, "0.000000")
          .Raw(" ")
          .Raw(m3)
          .End();
    }

    r.Heading("(2)、桩身抗弯刚度：");
    const double Io = Wo * d / 2.0;
    r.Sp(6)
        .Raw("桩身换算截面惯性距 Io ＝ Wo * d / 2 ＝ ")
        .Num(Wo, "0.000000")
        .Raw("*")
        .Raw(Nm(d))
        .Raw("/2 ＝ ");
    r.Num(Io, "0.0000000").Raw(" ").Raw(m4).End();
    // JGJ 94-94 5.4.2: EI = 0.85 Ec Io for a reinforced-concrete pile; Ec from N/mm² to kN/m²
    const double EI = fault::check(0.85 * Ec * 1000.0 * Io);
    r.Sp(6).Raw("对于钢筋混凝土桩，EI ＝ 0.85 * Ec * Io").End();
    r.Sp(6)
        .Raw("EI ＝ 0.85*")
        .Raw(Nm(Ec))
        .Raw("*1000*")
        .Num(Io, "0.0000000")
        .Raw(" ＝ ")
        .Val(EI, "knm2d")
        .End();

    r.Heading("(3)、桩的水平变形系数：");
    double bo;
    r.Sp(6).Raw("桩身计算宽度 bo：").End();
    r.Sp(6);
    // JGJ 94-94 5.4.5: calculation width; d is compared in millimetres so 1000 mm is "d ≤ 1m"
    if (circular) {
      if (dD <= 1000.0) {
        bo = 0.9 * (1.5 * d + 0.5);
        r.Raw("当直径 d ≤ 1m 时，bo ＝ 0.9 * (1.5 * d + 0.5) ＝ 0.9*(1.5*").Raw(Nm(d)).Raw("+0.5)");
      } else {
        bo = 0.9 * (d + 1.0);
        r.Raw("当直径 d ＞ 1m 时，bo ＝ 0.9 * (d + 1) ＝ 0.9*(").Raw(Nm(d)).Raw("+1)");
      }
    } else {
      if (dD <= 1000.0) {
        bo = 1.5 * d + 0.5;
        r.Raw("当边宽 d ≤ 1m 时，bo ＝ 1.5 * d + 0.5 ＝ 1.5*").Raw(Nm(d)).Raw("+0.5");
      } else {
        bo = d + 1.0;
        r.Raw("当直径 d ＞ 1m 时，bo ＝ d + 1 ＝ ").Raw(Nm(d)).Raw("+1");
      }
    }
    r.Raw(" ＝ ").Num(bo, "0.000").Raw(" m").End();
    // JGJ 94-94 eq. 5.4.5; m from MN/m⁴ to kN/m⁴
    const double alpha = fault::pow(fault::div(dM * 1000.0 * bo, EI), 0.2);
    r.Sp(6).Raw("α ＝ (m * bo / EI) ^ 1 / 5    （桩基规范式 5.4.5）").End();
    r.Sp(8).Raw("＝ (").Raw(Nm(dM * 1000.0)).Raw("*").Num(bo, "0.000").Raw("/").Val(EI, "knm2");
    r.Raw(")^(1/5) ＝ ").Num(alpha, "#0.0000").Raw("（1/m）").End();

    r.Heading("(4)、桩顶水平位移系数及桩身最大弯矩系数：");
    const double ah = alpha * dH;
    r.Sp(6)
        .Raw("桩的换算埋深 αh ＝ ")
        .Num(alpha, "#0.0000")
        .Raw("*")
        .Raw(Nm(dH))
        .Raw(" ＝ ")
        .Num(ah, "#0.000")
        .End();
    const double vm = CalZhRhNum(ah, fixed), vx = CalZhRhNux(ah, fixed);
    r.Sp(6).Raw("查桩基规范表5.4.2得：νm ＝ ").Num(vm, "#0.000").End();
    r.Sp(6).Raw("查桩基规范表5.4.2得：νx ＝ ").Num(vx, "#0.000").End();

    r.Heading("(5)、其它参数：");
    const double gm = circular ? 2.0 : 1.75;
    r.Sp(6).Raw("桩截面模量塑性系数 γm ＝ ").Num(gm, "#0.00").End();
    // N = 0 counts as compression; tension (N < 0) takes the full influence.
    const bool compression = dN >= 0;
    const double zN = compression ? 0.5 : 1.0;
    r.Sp(6)
        .Raw("桩顶竖向力影响系数 ζN ＝ ")
        .Num(zN, "#0.0")
        .Raw(compression ? " （竖向压力）" : " （竖向拉力）")
        .End();

    r.Heading("(6)、单桩水平承载力设计值：");
    r.Sp(4).Raw("对于").Raw(type).Raw("，可按下列公式计算单桩水平承载力设计值 Rh：").End();
    double Rh;
    if (low_ratio) {
      // JGJ 94-94 eq. 5.4.2-1: "+" for a compressive and "-" for a tensile head force, N taken by
      // its magnitude; ft from N/mm² to kN/m².
      const double ftk = ft * 1000.0, Na = std::fabs(dN);
      const double f = 1.0 + (compression ? 1.0 : -1.0) * fault::div(zN * Na, gm * ftk * An);
      Rh = fault::check(fault::div(alpha * gm * ftk * Wo, vm) * (1.25 + 22.0 * rho_g) * f);
      r.Sp(4).Raw("Rh ＝ α * γm * ft * Wo / νm * (1.25 + 22 * ρg) * (1 ± ζN * N / γm / ft / An)");
      r.Raw("    （桩基规范式 5.4.2-1）").End();
      r.Sp(7)
          .Raw("＝ ")
          .Num(alpha, "#0.0000")
          .Raw("*")
          .Num(gm, "#0.00")
          .Raw("*")
          .Raw(Nm(ftk))
          .Raw("*");
      r.Num(Wo, "0.000000")
          .Raw("/")
          .Num(vm, "#0.000")
          .Raw("*(1.25+22*")
          .Num(rho_g, "0.00000")
          .Raw(")*(1");
      r.Raw(compression ? "+" : "-")
          .Num(zN, "#0.0")
          .Raw("*")
          .Val(Na, "kn")
          .Raw("/")
          .Num(gm, "#0.00")
          .Raw("/");
      r.Raw(Nm(ftk)).Raw("/").Num(An, "0.00000").Raw(")").End();
    } else {
      // JGJ 94-94 eq. 5.4.2-2, χoa from mm to m
      const double xoa = dXoa / 1000.0;
      Rh = fault::check(fault::div(alpha * alpha * alpha * EI, vx) * xoa);
      r.Sp(4).Raw("Rh ＝ α ^ 3 * E * I / νx * χoa    （桩基规范式 5.4.2-2）").End();
      r.Sp(7)
          .Raw("＝ ")
          .Num(alpha, "#0.0000")
          .Raw("^3*")
          .Val(EI, "knm2")
          .Raw("/")
          .Num(vx, "#0.000")
          .Raw("*");
      r.Raw(Nm(xoa)).End();
    }
    r.Sp(7).Raw("＝ ").Val(Rh, "knd").End();
    // A tensile head force large enough to crack the whole section leaves no lateral capacity.
    // The calculation itself is complete, so the code stays 0 (only the section-ratio and core
    // stops are errors); the warning line tells the engineer.
    if (Rh <= 0) {
      r.Sp(4).Raw("    警告：Rh ≤ 0，桩顶竖向拉力过大，单桩不能承受水平力。").End();
    }

    if (bKz) {
      r.Heading("(7)、抗震验算：");
      r.Sp(4)
          .Raw("验算地震作用桩基的水平承载力时，应将单桩水平承载力设计值乘以调整系数 1.25：")
          .End();
      // GBJ 11-89 / JGJ 94-94 5.4.2: seismic increase of the lateral capacity
      const double RhE = 1.25 * Rh;
      r.Sp(4).Raw("RhE ＝ 1.25 * Rh ＝ 1.25*").Val(Rh, "kn").Raw(" ＝ ").Val(RhE, "knd").End();
    }
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
