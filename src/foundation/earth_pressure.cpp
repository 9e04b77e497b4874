#include "foundation/earth_pressure.h"

#include <cmath>

#include "frame/binding.h"
#include "frame/modkalbex.h"
#include "frame/services.h"

namespace tk {

namespace {

// The angles are converted with π in single precision, as in the footing calculator, so that
// sin 180° comes out as −8.74e-8 and not as a rounding-noise zero.
constexpr double kPi = 3.1415927410125732;
constexpr double kDeg = kPi / 180.0;

// Numbered texts: the words before a field name in an input message and the box titles.
constexpr int32_t kTxtYouEntered = 80010;
constexpr int32_t kTxtInputTitle = 80011;
constexpr int32_t kTxtCalcTitle = 80012;

// Check kinds of fields 0..7: γ, h and α must be positive, the others must not be negative.
const char* KindOf(int16_t index) {
  return index == dtqka::kGamma || index == dtqka::kHeight || index == dtqka::kAlpha ? "S>0"
                                                                                     : "S>=0";
}

}  // namespace

clsDtqKa::clsDtqKa() {}

clsDtqKa::~clsDtqKa() = default;

void clsDtqKa::RegisterTexts() {
  AddTexts({
      {kTxtYouEntered, "您输入的"},
      {kTxtInputTitle, "输入错误！"},
      {kTxtCalcTitle, "计算错误！"},
  });
}

std::string clsDtqKa::tDtqKaInputName(int16_t Index) {
  switch (Index) {
    case dtqka::kGamma:
      return "填土重度γ";
    case dtqka::kHeight:
      return "挡土墙的高度 h";
    case dtqka::kLoad:
      return "地表均布荷载 q";
    case dtqka::kCohesion:
      return "土的粘聚力 c";
    case dtqka::kPhi:
      return "墙背填土内摩擦角ψ";
    case dtqka::kAlpha:
      return "挡土墙的墙背倾角α";
    case dtqka::kBeta:
      return "土的坡度β";
    case dtqka::kDelta:
      return "土对挡土墙背的摩擦角δ";
    default:
      return {};
  }
}

void clsDtqKa::CheckEnter(VBArray<std::string>& Text, int32_t& lErrNumber, int16_t& Index) {
  lErrNumber = dtqka::kInputOk;
  IInputCheck& check = modKalbex::InputCheck();
  for (int16_t i = dtqka::kGamma; i <= dtqka::kDelta; ++i) {
    int32_t code = 0;
    check.CheckFieldText(KindOf(i), tDtqKaInputName(i), Text(i), 0, code);
    if (code == checkcode::kOk) continue;
    // An empty field is not a number either.
    if (code == checkcode::kNotPositive)
      lErrNumber = dtqka::kNotPositive;
    else if (code == checkcode::kNegative)
      lErrNumber = dtqka::kNegative;
    else
      lErrNumber = dtqka::kNotNumeric;
    Index = i;
    return;
  }
}

std::string clsDtqKa::tMessage(int32_t lErrNumber, int16_t Index, const std::string& Text) {
  ISharedServices& svc = modKalbex::Services();
  const std::string name = tDtqKaInputName(Index);
  const std::string who = std::string(svc.tTextById(kTxtYouEntered)) + name;
  std::string m;
  switch (lErrNumber) {
    case dtqka::kNotNumeric:
      m = who + "为\"" + Text + "\"， \r\n一栏应输入数值。";
      break;
    case dtqka::kNotPositive:
      m = who + "＝" + Text + "≤0， \r\n" + name + "应＞0。";
      break;
    case dtqka::kNegative:
      m = who + "＝" + Text + "＜0，\r\n" + name + "应≥0。";
      break;
    case dtqka::kSinAlphaBeta:
      m = "Sin(α + β)≤0，\r\nSin(α + β)应＞0。";
      break;
    case dtqka::kSinAlpha:
      m = "Sinα＝0，\r\nSinα不应为0。";
      break;
    case dtqka::kSinAll:
      m = "Sin(α+β-ψ-δ)＝0，\r\nSin(α+β-ψ-δ)不应为0。";
      break;
    case dtqka::kNegativeRoot:
      m = "主动土压力系数Ka计算公式中，\r\n开根号内的数值小于0。";
      break;
    case dtqka::kFault:
      m = std::string(svc.tTextById(32005)) + "\r\n" + std::string(svc.tTextById(32007));
      break;
    case 0:
    case dtqka::kInputOk:
    case dtqka::kDone:
      return {};
    default:
      m = "未知的错误代码 " + std::to_string(lErrNumber) + "。";
      break;
  }
  m += "\r\n\r\n";
  return m;
}

void clsDtqKa::MsgError(int32_t lErrNumber, int16_t Index, const std::string& Text) {
  const std::string m = tMessage(lErrNumber, Index, Text);
  if (m.empty()) return;
  const int32_t title =
      lErrNumber >= dtqka::kInputOk && lErrNumber < dtqka::kDone ? kTxtInputTitle : kTxtCalcTitle;
  modKalbex::Ui().MsgBox(m, mb::kOkOnly | mb::kExclamation, modKalbex::Services().tTextById(title));
}

void clsDtqKa::CalResult(VBArray<std::string>& Text, std::string& tText, int32_t& lErrNumber) {
  lErrNumber = 0;
  Report r;
  try {
    const double gamma = LeadingNumber(Text(dtqka::kGamma)),
                 h = LeadingNumber(Text(dtqka::kHeight));
    const double q = LeadingNumber(Text(dtqka::kLoad)), c = LeadingNumber(Text(dtqka::kCohesion));
    const double phi_d = LeadingNumber(Text(dtqka::kPhi)),
                 alpha_d = LeadingNumber(Text(dtqka::kAlpha));
    const double beta_d = LeadingNumber(Text(dtqka::kBeta)),
                 delta_d = LeadingNumber(Text(dtqka::kDelta));
    // Angles are combined in degrees before the conversion, so that α + β − φ − δ of whole
    // degrees that cancel is exactly 0 and its sine exactly 0.
    auto sind = [](double deg) { return std::sin(deg * kDeg); };
    auto cosd = [](double deg) { return std::cos(deg * kDeg); };
    auto n = [&](double x) -> Report& { return r.Fmt(x, "3"); };
    const std::string sq(r.services().tSquareSign()), cube(r.services().tCubeSign());

    r.Raw("挡土墙：").Raw(TrimView(Text(dtqka::kName))).HeadingEnd();
    r.Heading("1．基本资料：");
    r.Sp(4).Raw("填土重度γ＝"), n(gamma).Raw("（kN/m" + cube + "）");
    r.Sp(4).Raw("挡土墙的高度h＝"), n(h).Raw("（m）").End();
    r.Sp(4).Raw("地表均布荷载q＝"), n(q).Raw("（kN/m" + sq + "）");
    r.Sp(4).Raw("土的粘聚力c＝"), n(c).Raw("（kN/m" + sq + "）").End();
    r.Sp(4).Raw("墙背填土内摩擦角φ＝"), n(phi_d).Raw("°");
    r.Sp(4).Raw("挡土墙的墙背倾角α＝"), n(alpha_d).Raw("°").End();
    r.Sp(4).Raw("土的坡度β＝"), n(beta_d).Raw("°");
    r.Sp(4).Raw("土对挡土墙背的摩擦角δ＝"), n(delta_d).Raw("°").End();

    r.Heading("2．主动土压力：");
    r.Sp(4).Raw("计算公式：《建筑地基基础设计规范》GBJ 7－89").End();
    r.Sp(4).Raw("Ea ＝ 0.5 * γ * h ^ 2 * Ka    （基础规范式 6.4.4）").End();
    r.Raw("    式中：Ka － 主动土压力系数，按规范附录十一确定。").End();
    // Formula lines take the report's 4-space indent; the three stored continuation lines of
    // (附11-1) carry their own.
    r.Sp(4)
        .Raw(
            "Ka ＝ {Sin(α + β) / [Sinα * Sin(α + β - φ - δ)] ^ 2} * {κq * [Sin(α + β) * Sin(α - δ)")
        .End();
    r.Raw("     + Sin(φ + δ) * Sin(φ - β)] + 2 * η * Sinα * Cosφ * Cos(α + β - φ - δ)").End();
    r.Raw(
         "     - 2 * [(κq * Sin(α + β) * Sin(φ - β) + η * Sinα * Cosφ) * (κq * Sin(α - δ) * Sin(φ "
         "+ δ)")
        .End();
    r.Raw("     + η * Sinα * Cosφ)] ^ 0.5}    （附11-1）").End();

    // GBJ 7-89 appendix 11: the trial wedge needs α + β < 180° (the backfill surface meets the
    // back).
    const double s_ab = sind(alpha_d + beta_d);
    if (!(s_ab > 0)) {
      lErrNumber = dtqka::kSinAlphaBeta;
      r.MoveTo(tText);
      return;
    }
    // (附11-2): the surface load as an equivalent extra height of backfill.
    r.Raw("    其中：κq ＝ 1 + 2 * q / γ / h * Sinα * Cosβ / Sin(α + β)    （附11-2）").End();
    const double kq =
        1.0 +
        fault::div(fault::div(fault::div(2.0 * q, gamma), h) * sind(alpha_d) * cosd(beta_d), s_ab);
    r.Raw("          κq ＝ 1+2*"), n(q).Raw("/"), n(gamma).Raw("/"), n(h).Raw("*sin"),
        n(alpha_d).Raw("°*Cos"), n(beta_d).Raw("°/Sin("), n(alpha_d).Raw("°+"),
        n(beta_d).Raw("°) ＝ "), n(kq).End();
    // (附11-3): cohesion made dimensionless.
    r.Raw("          η＝ 2 * c / γ / h    （附11-3）").End();
    const double eta = fault::div(fault::div(2.0 * c, gamma), h);
    r.Raw("          η ＝ 2*"), n(c).Raw("/"), n(gamma).Raw("/"), n(h).Raw(" ＝ "), n(eta).End();

    const double s_a = sind(alpha_d);
    if (s_a == 0) {
      lErrNumber = dtqka::kSinAlpha;
      r.MoveTo(tText);
      return;
    }
    const double s_all = sind(alpha_d + beta_d - phi_d - delta_d);
    if (s_all == 0) {
      lErrNumber = dtqka::kSinAll;
      r.MoveTo(tText);
      return;
    }
    const double A = fault::div(s_ab, (s_a * s_all) * (s_a * s_all));
    const double B =
        kq * (s_ab * sind(alpha_d - delta_d) + sind(phi_d + delta_d) * sind(phi_d - beta_d));
    const double C = 2.0 * eta * s_a * cosd(phi_d) * cosd(alpha_d + beta_d - phi_d - delta_d);
    const double D = kq * s_ab * sind(phi_d - beta_d) + eta * s_a * cosd(phi_d);
    const double E = kq * sind(alpha_d - delta_d) * sind(phi_d + delta_d) + eta * s_a * cosd(phi_d);
    r.Raw("    分步计算公式（附11-1）").End();
    r.Raw("    A ＝ Sin(α + β) / [Sinα * Sin(α + β - φ - δ)] ^ 2 ＝ "), n(A).End();
    r.Raw("    B ＝ κq * [Sin(α + β) * Sin(α - δ) + Sin(φ + δ) * Sin(φ - β)] ＝ "), n(B).End();
    r.Raw("    C ＝ 2 * η * Sinα * Cosφ * Cos(α + β - φ - δ) ＝ "), n(C).End();
    r.Raw("    D ＝ κq * Sin(α + β) * Sin(φ - β) + η * Sinα * Cosφ ＝ "), n(D).End();
    r.Raw("    E ＝ κq * Sin(α - δ) * Sin(φ + δ) + η * Sinα * Cosφ ＝ "), n(E).End();
    if (D * E < 0) {
      lErrNumber = dtqka::kNegativeRoot;
      r.MoveTo(tText);
      return;
    }
    const double Ka = fault::check(A * (B + C - 2.0 * fault::sqrt(D * E)));
    r.Sp(4).Raw("Ka ＝ A * [B + C - 2 * (D * E) ^ 0.5] ＝ "), n(Ka).End();
    // GBJ 7-89 eq. 6.4.4, per metre run of the wall.
    const double Ea = fault::check(0.5 * gamma * h * h * Ka);
    r.Sp(4).Raw("Ea ＝ 0.5 * γ * h ^ 2 * Ka ＝ 0.5*"), n(gamma).Raw("*"), n(h).Raw("^2*"),
        n(Ka).Raw(" ＝ ");
    r.Val(Ea, "knd").End();
    lErrNumber = dtqka::kDone;
  } catch (const ArithmeticFault&) {
    lErrNumber = dtqka::kFault;
  }
  r.MoveTo(tText);
}

const ClassInfo& clsDtqKa::ClassInfoOf() {
  using C [[maybe_unused]] = clsDtqKa;
  static const ClassInfo ci{
      "clsDtqKa",
      {
          Method("CheckEnter", &C::CheckEnter, {"Text", "lErrNumber", "Index"}),
          Method("MsgError", &C::MsgError, {"lErrNumber", "Index", "Text"}),
          Method("CalResult", &C::CalResult, {"Text", "tText", "lErrNumber"}),
      }};
  return ci;
}

}  // namespace tk
