#include "foundation/earth_pressure.h"

#include <cfloat>
#include <cmath>

#include "codes/gbj7_89.h"
#include "frame/binding.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/text.h"

namespace tk {

namespace {

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

namespace {

// The inputs of one wall, read from the form's texts.
struct Wall {
  double gamma, h, q, c, phi, alpha, beta, delta;
};

// Section 1 and the formula lines of section 2.
void WriteWallData(Report& r, const Wall& w, std::string_view name) {
  const std::string sq(r.services().tSquareSign()), cube(r.services().tCubeSign());
  r.Put("挡土墙：$0", {TrimView(name)}).HeadingEnd();
  r.Heading("1．基本资料：");
  // Two data to a line; the first of a pair has no line end of its own.
  r.Sp(4).Put("填土重度γ＝$0（kN/m$1）", {{w.gamma, U::d3}, cube});
  r.Line(4, "挡土墙的高度h＝$0（m）", {{w.h, U::d3}});
  r.Sp(4).Put("地表均布荷载q＝$0（kN/m$1）", {{w.q, U::d3}, sq});
  r.Line(4, "土的粘聚力c＝$0（kN/m$1）", {{w.c, U::d3}, sq});
  r.Sp(4).Put("墙背填土内摩擦角φ＝$0°", {{w.phi, U::d3}});
  r.Line(4, "挡土墙的墙背倾角α＝$0°", {{w.alpha, U::d3}});
  r.Sp(4).Put("土的坡度β＝$0°", {{w.beta, U::d3}});
  r.Line(4, "土对挡土墙背的摩擦角δ＝$0°", {{w.delta, U::d3}});

  r.Heading("2．主动土压力：");
  r.Line(4, "计算公式：《建筑地基基础设计规范》GBJ 7－89");
  r.Line(4, "Ea ＝ 0.5 * γ * h ^ 2 * Ka    （基础规范式 6.4.4）");
  r.Line(4, "式中：Ka － 主动土压力系数，按规范附录十一确定。");
  r.Line(4,
         "Ka ＝ {Sin(α + β) / [Sinα * Sin(α + β - φ - δ)] ^ 2} * {κq * [Sin(α + β) * Sin(α - δ)");
  r.Line(5, "+ Sin(φ + δ) * Sin(φ - β)] + 2 * η * Sinα * Cosφ * Cos(α + β - φ - δ)");
  r.Line(5,
         "- 2 * [(κq * Sin(α + β) * Sin(φ - β) + η * Sinα * Cosφ) * (κq * Sin(α - δ) * Sin(φ + δ)");
  r.Line(5, "+ η * Sinα * Cosφ)] ^ 0.5}    （附11-1）");
}

// Section 2: κq, η, the parts of Ka, Ka and Ea; returns the code (kDone when Ea is written).
int32_t ActivePressure(Report& r, const Wall& w) {
  // GBJ 7-89 appendix 11: the trial wedge needs α + β < 180° (the backfill surface meets the
  // back).
  if (!(gbj7_89::SinDeg(w.alpha + w.beta) > 0)) return dtqka::kSinAlphaBeta;
  r.Line(4, "其中：κq ＝ 1 + 2 * q / γ / h * Sinα * Cosβ / Sin(α + β)    （附11-2）");
  const double kq = gbj7_89::SurchargeFactor(w.q, w.gamma, w.h, w.alpha, w.beta);
  r.Line(10, "κq ＝ 1+2*$0/$1/$2*sin$3°*Cos$4°/Sin($3°+$4°) ＝ $5",
         {{w.q, U::d3},
          {w.gamma, U::d3},
          {w.h, U::d3},
          {w.alpha, U::d3},
          {w.beta, U::d3},
          {kq, U::d3}});
  r.Line(10, "η＝ 2 * c / γ / h    （附11-3）");
  const double eta = gbj7_89::CohesionFactor(w.c, w.gamma, w.h);
  r.Line(10, "η ＝ 2*$0/$1/$2 ＝ $3", {{w.c, U::d3}, {w.gamma, U::d3}, {w.h, U::d3}, {eta, U::d3}});

  if (gbj7_89::SinDeg(w.alpha) == 0) return dtqka::kSinAlpha;
  if (gbj7_89::SinDeg(w.alpha + w.beta - w.phi - w.delta) == 0) return dtqka::kSinAll;
  const gbj7_89::KaParts p =
      gbj7_89::ActiveCoefficientParts(kq, eta, w.phi, w.alpha, w.beta, w.delta);
  r.Line(4, "分步计算公式（附11-1）");
  r.Line(4, "A ＝ Sin(α + β) / [Sinα * Sin(α + β - φ - δ)] ^ 2 ＝ $0", {{p.A, U::d3}});
  r.Line(4, "B ＝ κq * [Sin(α + β) * Sin(α - δ) + Sin(φ + δ) * Sin(φ - β)] ＝ $0", {{p.B, U::d3}});
  r.Line(4, "C ＝ 2 * η * Sinα * Cosφ * Cos(α + β - φ - δ) ＝ $0", {{p.C, U::d3}});
  r.Line(4, "D ＝ κq * Sin(α + β) * Sin(φ - β) + η * Sinα * Cosφ ＝ $0", {{p.D, U::d3}});
  r.Line(4, "E ＝ κq * Sin(α - δ) * Sin(φ + δ) + η * Sinα * Cosφ ＝ $0", {{p.E, U::d3}});
  if (p.D * p.E < 0) return dtqka::kNegativeRoot;
  const double Ka = gbj7_89::ActiveCoefficient(p);
  r.Line(4, "Ka ＝ A * [B + C - 2 * (D * E) ^ 0.5] ＝ $0", {{Ka, U::d3}});
  const double Ea = gbj7_89::ActiveThrust(w.gamma, w.h, Ka);
  r.Line(4, "Ea ＝ 0.5 * γ * h ^ 2 * Ka ＝ 0.5*$0*$1^2*$2 ＝ $3",
         {{w.gamma, U::d3}, {w.h, U::d3}, {Ka, U::d3}, {Ea, U::knd}});
  return dtqka::kDone;
}

}  // namespace

void clsDtqKa::CalResult(VBArray<std::string>& Text, std::string& tText, int32_t& lErrNumber) {
  lErrNumber = 0;
  // A host may calculate without CheckEnter. A number beyond the 32-bit float range ("1e400",
  // "1e39") is then the input error CheckEnter gives the same text (the input-check component's
  // range rule, code 1009, taken as 800101), not an arithmetic fault: tText holds the message that
  // names the field, and no report is written.
  for (int16_t i = dtqka::kGamma; i <= dtqka::kDelta; ++i)
    if (!(std::fabs(LeadingNumber(Text(i))) <= FLT_MAX)) {
      lErrNumber = dtqka::kNotNumeric;
      tText = tMessage(lErrNumber, i, Text(i));
      return;
    }
  Report r;
  try {
    const Wall w{LeadingNumber(Text(dtqka::kGamma)), LeadingNumber(Text(dtqka::kHeight)),
                 LeadingNumber(Text(dtqka::kLoad)),  LeadingNumber(Text(dtqka::kCohesion)),
                 LeadingNumber(Text(dtqka::kPhi)),   LeadingNumber(Text(dtqka::kAlpha)),
                 LeadingNumber(Text(dtqka::kBeta)),  LeadingNumber(Text(dtqka::kDelta))};
    WriteWallData(r, w, Text(dtqka::kName));
    lErrNumber = ActivePressure(r, w);
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
