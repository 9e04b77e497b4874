// clsDlJcOld: field names, the additional-load parser, the input check and its messages, the
// load cases and the reading of the inputs.
#include <cmath>

#include "foundation/footing.h"
#include "foundation/footing_calc.h"
#include "frame/modkalbex.h"
#include "frame/services.h"
#include "frame/text.h"
#include "materials/material.h"

namespace tk {

using namespace dljc;

namespace {

// Fields that must be greater than 0, and fields that must not be negative.
bool MustBePositive(int16_t i) {
  switch (i) {
    case kF:
    case kWidthF:
    case kAxial:
    case kA:
    case kB:
    case kH:
    case kCover:
    case kRhoMin:
    case kColumn:
    case kXiS:
    case kEdgeH:
      return true;
    default:
      return false;
  }
}
bool MustNotBeNegative(int16_t i) {
  return (i >= kEtaB && i <= kGammaO) || (i >= kGammaC && i <= kSoilCover);
}

// The concrete grade of field 17: the number of "20" or "C20".
double GradeOf(std::string_view text) {
  std::string_view t = TrimView(text);
  if (!t.empty() && (t.front() == 'C' || t.front() == 'c')) t.remove_prefix(1);
  return IsNumericText(t) ? LeadingNumber(t) : 0.0;
}

bool IsListedGrade(std::string_view text) {
  const double c = GradeOf(text);
  return c > 0 && modKalbex::Material().CtoFc(static_cast<float>(c)) > 0;
}

// The steel strength of field 18: a number or a grade text ("Ⅱ级").
double SteelOf(const std::string& text, bool& known) {
  int16_t kind = 0;
  const double fy = modKalbex::Material().dGanJinFy(text, &kind);
  known = kind == 1;
  return fy;
}

}  // namespace

namespace dljc {

bool ParseAddLoad(std::string_view text, AddLoad& out) {
  out = AddLoad{};
  double v[4] = {0, 0, 0, 0};
  int n = 0;
  std::string_view rest = text;
  static constexpr std::string_view kWide = "，";
  while (true) {
    size_t cut = std::string_view::npos, len = 0;
    const size_t c1 = rest.find(',');
    const size_t c2 = rest.find(kWide);
    if (c1 != std::string_view::npos && (c2 == std::string_view::npos || c1 < c2))
      cut = c1, len = 1;
    else if (c2 != std::string_view::npos)
      cut = c2, len = kWide.size();
    const std::string_view part = TrimView(rest.substr(0, cut));
    if (n >= 4) return false;
    if (!part.empty()) {
      if (!IsNumericText(part)) return false;
      v[n] = LeadingNumber(part);
    }
    ++n;
    if (cut == std::string_view::npos) break;
    rest.remove_prefix(cut + len);
  }
  out = AddLoad{v[0], v[1], v[2], v[3]};
  return true;
}

double RoundTo100(double x) {
  const int32_t n = fault::to_int32(x + 50.0);
  return static_cast<double>(n / 100 * 100);
}

double RoundUpToStep(double x, double step) {
  return -std::floor(-x / step) * step;
}

bool Inputs::AnySeismic() const {
  for (const auto& c : cases)
    if (c.seismic) return true;
  return false;
}

double Inputs::MaxVertical() const {
  double m = 0;
  bool first = true;
  for (const auto& c : cases) {
    const double F = c.N + add.Fx + add.Fy;
    if (first || F > m) m = F;
    first = false;
  }
  return m;
}

Inputs ReadInputs(const VBArray<std::string>& Text, const VBArray<bool>& bOptB,
                  const VBArray<bool>& bChkB, const VBArray<ColComForceRecord>& rColForce) {
  Inputs in;
  auto num = [&](int16_t i) { return LeadingNumber(Text(i)); };
  in.fk_given = bOptB(0);
  in.G_given = bChkB(1);
  in.automatic = bOptB(3);
  in.flat = bChkB(2);
  in.f0 = num(kF);
  in.eta_b = num(kEtaB);
  in.eta_d = num(kEtaD);
  in.gamma = num(kGamma);
  in.gamma_o = num(kGammaO);
  in.width_f = num(kWidthF);
  in.depth = num(kDepth);
  in.bc = num(kBc);
  in.hc = num(kHc);
  in.as = num(kCover);
  in.grade = GradeOf(Text(kGrade));
  bool known = false;
  in.fy = SteelOf(Text(kFy), known);
  in.rho_min = num(kRhoMin);
  (in.G_given ? in.G_direct : in.gamma_c) = num(kGammaC);
  in.gamma_s = num(kGammaS);
  in.ds = num(kSoilCover);
  in.xi_s = num(kXiS);
  in.alpha = num(kAlpha);
  in.column = Trim(Text(kColumn));
  ParseAddLoad(Text(kAddLoad), in.add);
  in.start = Footing{num(kA), num(kB), num(kH), num(kEdgeH)};
  // The records with bCal set, in index order; without any, the single case of the fields.
  for (int32_t i = rColForce.LBound(); i <= rColForce.UBound() && in.cases.size() < 7; ++i) {
    const ColComForceRecord& rec = rColForce(i);
    if (!rec.bCal) continue;
    LoadCase c;
    c.label = clsDlJcOld::tDlJcLoadCaseName(static_cast<int16_t>(i >= 1 && i <= 7 ? i : 0));
    c.N = -rec.N;
    c.Mx1 = rec.Mx;
    c.My1 = rec.My;
    c.Vx = rec.Vx;
    c.Vy = rec.Vy;
    c.seismic = rec.bNe;
    in.cases.push_back(c);
  }
  if (in.cases.empty()) {
    LoadCase c;
    c.N = num(kAxial);
    c.Mx1 = num(kMx);
    c.My1 = num(kMy);
    c.Vx = num(kVx);
    c.Vy = num(kVy);
    in.cases.push_back(c);
  }
  return in;
}

}  // namespace dljc

std::string clsDlJcOld::tDlJcInputName(int16_t Index, bool fk_given, bool G_given) {
  switch (Index) {
    case kF:
      return fk_given ? "地基承载力标准值fk" : "地基承载力设计值f";
    case kEtaB:
      return "ηb";
    case kEtaD:
      return "ηd";
    case kGamma:
      return "土的重度γ";
    case kGammaO:
      return "基础底面以上土的重度γo";
    case kWidthF:
      return "基础底面宽度b";
    case kDepth:
      return "基础埋置深度d";
    case kAxial:
      return "轴力N";
    case kAddLoad:
      return "附加荷载F'";
    case kMx:
      return "Mx";
    case kMy:
      return "My";
    case kA:
      return "基础长度a";
    case kB:
      return "基础宽度b";
    case kH:
      return "基础根部高度H";
    case kBc:
      return "柱宽度bc";
    case kHc:
      return "柱高度hc";
    case kCover:
      return "纵筋合力点至近边距离as";
    case kGrade:
      return "混凝土强度等级";
    case kFy:
      return "钢筋强度fy";
    case kRhoMin:
      return "最小配筋率ρmin";
    case kGammaC:
      return G_given ? "基础自重、土重G" : "砼容重γc";
    case kGammaS:
      return "土容重γs";
    case kSoilCover:
      return "土层厚度d1";
    case kVx:
      return "Vx";
    case kVy:
      return "Vy";
    case kColumn:
      return "柱子编号";
    case kKind:
      return "计算程序类别";
    case kFolder:
      return "数据文件的目录";
    case kXiS:
      return "地基土抗震承载力调整系数ξs";
    case kAlpha:
      return "基础旋转角度α";
    case kEdgeH:
      return "基础端部高度h";
    default:
      return {};
  }
}

std::string clsDlJcOld::tDlJcLoadCaseName(int16_t Index) {
  static const char* const kNames[] = {"",      "Vxmax", "Vymax", "Nmin ",
                                       "Nmax ", "Mxmax", "Mymax", "D + L"};
  return Index >= 0 && Index <= 7 ? kNames[Index] : "";
}

namespace {

bool SkippedInCheck(int16_t i, const VBArray<bool>& bText, bool automatic) {
  if (bText.Has(i) && !bText(i)) return true;
  if (i == 19 || i == kKind || i == kFolder) return true;
  return automatic && (i == kWidthF || i == kA || i == kB || i == kH);
}

int32_t SteelCode(std::string_view t) {
  bool known = false;
  const double fy = SteelOf(std::string(t), known);
  if (!known) return kNotNumber;
  return fy > 0 ? 0 : kNotPositive;
}

// The bounds of a numeric field holding v.
int32_t NumberCode(int16_t i, double v, const VBArray<std::string>& Text, bool automatic) {
  if (MustBePositive(i) && !(v > 0)) return kNotPositive;
  if (MustNotBeNegative(i) && v < 0) return kNegative;
  if (i == kRhoMin && v >= 100) return kRatioTooLarge;
  if (i == kColumn && v >= 32767) return kNumberTooLarge;
  if (i == kAlpha && v < -180) return kAngleBelow;
  if (i == kAlpha && v > 180) return kAngleAbove;
  if (i == kEdgeH && !automatic && IsNumericText(TrimView(Text(kH))) && v > LeadingNumber(Text(kH)))
    return kEdgeAboveRoot;
  return 0;
}

int32_t FieldCode(int16_t i, const VBArray<std::string>& Text, bool automatic) {
  const std::string_view t = TrimView(Text(i));
  if (i == kAddLoad) {
    AddLoad add;
    return ParseAddLoad(t, add) ? 0 : kNotNumber;
  }
  if (i == kGrade) return IsListedGrade(t) ? 0 : kGradeNotListed;
  if (i == kFy) return SteelCode(t);
  if (!IsNumericText(t)) return kNotNumber;
  return NumberCode(i, LeadingNumber(t), Text, automatic);
}

}  // namespace

// Fields in ascending order; the first failure stops. Fields switched off in bText() (an index
// beyond the array counts as on), fields 19, 27 and 28, and in automatic sizing the sizes a, b,
// H and the width of the bearing formula (which the sizing sets) and the relation h ≤ H (h is
// then capped at H) are not checked.
int32_t clsDlJcOld::CheckDlJcErr(const VBArray<std::string>& Text, const VBArray<bool>& bText,
                                 bool automatic, int16_t& Index) {
  for (int16_t i = 0; i < kFieldCount; ++i) {
    if (SkippedInCheck(i, bText, automatic)) continue;
    if (const int32_t code = FieldCode(i, Text, automatic); code != 0) {
      Index = i;
      return code;
    }
  }
  return 0;
}

std::string clsDlJcOld::tDlJcMessage(int32_t lErr, int16_t Index, const std::string& text,
                                     bool fk_given, bool G_given) {
  const std::string le(modKalbex::Services().tLineEnd());
  const std::string name = tDlJcInputName(Index, fk_given, G_given);
  const std::string who = "您输入的" + name;
  const std::string t = Trim(text);
  switch (lErr) {
    case kNotNumber:
      if (Index == kAddLoad)
        return "输入内容无法识别！" + le + who + "为“" + t + "”， " + le + "请按规定的方式输入" +
               name + "。";
      return who + "为“" + t + "”，" + le + name + "一栏应输入数值。";
    case kNotPositive:
      return who + "＝" + t + "≤0， " + le + name + "应＞0。";
    case kNegative:
      return who + "＝" + t + "＜0，" + le + name + "应≥0。";
    case kGradeNotListed:
      return who + "为“" + t + "”，" + le + "砼强度等级应从列表框中选取。";
    case kEdgeAboveRoot:
      return who + "＝" + t + "＞基础根部高度H，" + le + name + "应≤基础根部高度H。";
    case kRatioTooLarge:
      return who + "＝" + t + "%≥100%，" + le + name + "应＜100%。";
    case kNumberTooLarge:
      return who + "＝" + t + "≥32767，" + le + name + "应＜32767。";
    case kAngleBelow:
      return who + "＝" + t + "＜-180°，" + le + name + "应≥-180°。";
    case kAngleAbove:
      return who + "＝" + t + "＞180°，" + le + name + "应≤180°。";
    default:
      return {};
  }
}

}  // namespace tk
