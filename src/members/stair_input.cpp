// clsLtBs: construction, the input check and CalResult.
#include <cmath>

#include "frame/binding.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/services.h"
#include "frame/text.h"
#include "members/stair.h"

namespace tk {

using namespace ltbs;

namespace {

constexpr const char* kFieldNames[kLastField + 1] = {"梯段类型",
                                                     "支座条件",
                                                     "楼梯体系",
                                                     "梯段水平投影长度Lo1",
                                                     "梯段下部水平段长度Lo2",
                                                     "梯段上部水平段长度Lo3",
                                                     "梯板厚度h1",
                                                     "梯段高度Hv",
                                                     "楼梯级数n",
                                                     "踏步高度t",
                                                     "踏步宽度w",
                                                     "梯板净宽度B",
                                                     "线性恒荷Pk",
                                                     "均布活荷qk",
                                                     "面层厚度c1",
                                                     "顶棚厚度c2",
                                                     "面层、顶棚容重γc",
                                                     "楼梯自重容重γb",
                                                     "纵筋合力点至近边距离as",
                                                     "混凝土强度等级",
                                                     "钢筋强度设计值fy",
                                                     "最小配筋率ρmin",
                                                     "下支座宽度d1",
                                                     "上支座宽度d2",
                                                     "准永久值系数ψq",
                                                     "梯梁宽度b",
                                                     "梯梁高度h",
                                                     "水平梯板厚度h2",
                                                     "板底配筋放大系数"};

// Text numbers of the support conditions (compared with Text(1)).
constexpr int32_t kSupportTexts[4] = {31125, 31126, 31127, 31128};

// Whether the flight needs field i whatever the form's bEnable says. The step height and width
// are always derived from Hv, n and Lo1; the user's ρmin and the bottom-bar factor are optional.
bool Needs(int i, stair::Flight type, bool beamSlab, bool deflection) {
  switch (i) {
    case kLo2:
      return stair::HasLowerLanding(type);
    case kLo3:
      return stair::HasUpperLanding(type);
    case kT:
    case kW:
    case kRhoMin:
    case kFactor:
      return false;
    case kPsiQ:
      return deflection;
    case kBeamB:
    case kBeamH:
      return beamSlab;
    case kH2:
      return beamSlab && type != stair::Flight::A;
    default:
      return true;
  }
}

bool EnabledIn(const VBArray<bool>& bEnable, int i) {
  return bEnable.Has(i) && static_cast<bool>(bEnable(i));
}

}  // namespace

RuleKind ltbs::ParseRule(std::string_view text, double& divisor) {
  const std::string_view t = TrimView(text);
  const size_t slash = t.find('/');
  if (slash == std::string_view::npos) return RuleKind::NotRule;
  const std::string_view a = TrimView(t.substr(0, slash)), b = TrimView(t.substr(slash + 1));
  if (!IsNumericText(a) || !IsNumericText(b)) return RuleKind::Bad;
  const double x = LeadingNumber(a), y = LeadingNumber(b);
  if (!(x > 0) || !(y > 0) || !std::isfinite(y)) return RuleKind::Bad;
  divisor = y;
  return RuleKind::Rule;
}

clsLtBs::clsLtBs()
    : m_Member(std::make_unique<MemberComponent>()),
      m_Moment(std::make_unique<clsMoment>()),
      m_LfKd(std::make_unique<clsLfKd>()),
      m_Stiffness(std::make_unique<clsBendComponentBl>()) {}

clsLtBs::~clsLtBs() {
  m_Member.reset();
  m_Moment.reset();
  m_LfKd.reset();
  m_Stiffness.reset();
}

void clsLtBs::SubForm(HostRef& frm) {
  sub_form_ = frm;
  modKalbex::Services().SetFormMode(3);
}

void clsLtBs::PicForm(HostRef& frm) {
  pic_form_ = frm;
}

void clsLtBs::iCboBoxGotFocusIndex(int16_t& Index) {
  cbo_focus_index_ = Index;
}

int32_t clsLtBs::lPictureID(std::string& tType) {
  const auto f = stair::FlightOf(tType);
  return f ? static_cast<int32_t>(*f) + 1 : 0;
}

std::string clsLtBs::tLtBsInputName(int i) {
  return i >= kFirstField && i <= kLastField ? kFieldNames[i] : std::string();
}

std::string clsLtBs::tLtBsCheckKind(int i) {
  if (i < kFirstField || i > kLastField) return {};
  if (i == kN) return "I>0";
  if ((i >= kPk && i <= kGammaB) || (i >= kD1 && i <= kPsiQ)) return "S>=0";
  return "S>0";
}

double clsLtBs::dLtBsQk(const std::string& tText, int16_t& iFlag) {
  if (IsNumericText(TrimView(tText))) {
    iFlag = 0;
    return LeadingNumber(tText);
  }
  if (const auto use = stair::LiveLoadOfUse(tText)) {
    iFlag = 1;
    return use->qk;
  }
  iFlag = 2;
  return 0;
}

namespace {

// The first failing field of the check.
struct Failure {
  int i = 0;
  int32_t code = 0;
  std::string message;
};

std::string Shown(const std::string& t) {
  return "（当前输入：" + Trim(t) + "）";
}

std::optional<Failure> ReadSupport(const VBArray<std::string>& Text, bool autoZz, Inputs& in) {
  if (autoZz) {
    in.support = stair::Support::Restrained;
    return std::nullopt;
  }
  auto& svc = modKalbex::Services();
  for (int k = 0; k < 4; ++k)
    if (TrimView(Text(kSupport)) == svc.tTextById(kSupportTexts[k])) {
      in.support = static_cast<stair::Support>(k);
      return std::nullopt;
    }
  return Failure{kSupport, kBadChoice,
                 "支座条件应为 两端铰支、两端固端、下端固定上端铰支、下端铰支上端固定 之一。" +
                     Shown(Text(kSupport))};
}

// The three choices: flight type, support condition and stair system.
std::optional<Failure> ReadChoices(const VBArray<std::string>& Text, bool autoZz, Inputs& in) {
  const auto type = stair::FlightOf(Text(kType));
  if (!type)
    return Failure{kType, kBadChoice,
                   "梯段类型应为 A 型～D 型之一（或字母 A～D）。" + Shown(Text(kType))};
  in.type = *type;
  if (auto f = ReadSupport(Text, autoZz, in)) return f;
  const std::string_view system = TrimView(Text(kSystem));
  if (system.empty() || system == kSlabSystem)
    in.beamSlab = false;
  else if (system == kBeamSlabSystem)
    in.beamSlab = true;
  else
    return Failure{kSystem, kBadChoice, "楼梯体系应为 板式 或 梁板式。" + Shown(Text(kSystem))};
  return std::nullopt;
}

// A thickness field may hold a span rule "1/30"; `taken` when it did.
std::optional<Failure> ReadThicknessRule(int i, const std::string& t, const std::string& name,
                                         Inputs& in, bool& taken) {
  if (i != kH1 && i != kBeamH && i != kH2) return std::nullopt;
  double divisor = 0;
  const RuleKind rule = ParseRule(t, divisor);
  if (rule == RuleKind::Bad)
    return Failure{i, kBadRule,
                   name +
                       "一栏应输入数值，或“/”两边均为大于0的数值的厚度规则（如 1/30，即跨度的 "
                       "1/30）。" +
                       Shown(t)};
  if (rule == RuleKind::Rule) {
    (i == kH1 ? in.h1Div : i == kBeamH ? in.hDiv : in.h2Div) = divisor;
    taken = true;
  }
  return std::nullopt;
}

// The live load may name a building use instead of a number; `taken` when it did.
std::optional<Failure> ReadLiveLoadUse(int i, const std::string& t, const std::string& name,
                                       Inputs& in, bool& taken) {
  if (i != kQk || Trim(t).empty() || IsNumericText(TrimView(t))) return std::nullopt;
  int16_t flag = 0;
  in.qk = clsLtBs::dLtBsQk(t, flag);
  if (flag == 2)
    return Failure{i, kUnknownUse,
                   name +
                       "一栏应输入数值或下列建筑用途之一：住宅、托儿所、幼儿园、宿舍、旅馆、医院、"
                       "办公楼、教室、食堂、礼堂、剧场、电影院、看台、展览馆。" +
                       Shown(t)};
  in.qkUse = Trim(t);
  taken = true;
  return std::nullopt;
}

std::optional<Failure> CheckNumberField(int i, const std::string& t, const std::string& name) {
  auto& check = modKalbex::InputCheck();
  int32_t code = 0;
  check.CheckFieldText(clsLtBs::tLtBsCheckKind(i), name, t, i == kGrade ? -1 : 0, code);
  if (code != 0) return Failure{i, code, check.tCodeMessage(code, name, Trim(t))};
  if (i == kN && LeadingNumber(t) == 1)
    return Failure{i, kOneRiser,
                   name + "一栏应输入大于1的整数（踏步宽度 w ＝ Lo1 / (n - 1)）。" + Shown(t)};
  // No flight has thousands of risers; the bound also keeps n a safe whole number.
  if (i == kN && !(LeadingNumber(t) <= kMaxRisers))
    return Failure{i, kOneRiser,
                   name + "一栏应输入不大于" + std::to_string(kMaxRisers) + "的整数。" + Shown(t)};
  return std::nullopt;
}

// Fields in ascending order, stopping at the first failure.
std::optional<Failure> CheckFields(const VBArray<std::string>& Text, const VBArray<bool>& bEnable,
                                   Inputs& in) {
  for (int i = kFirstField; i <= kLastField; ++i) {
    if (!EnabledIn(bEnable, i) && !Needs(i, in.type, in.beamSlab, in.deflection)) continue;
    const std::string& t = Text(i);
    const std::string name = clsLtBs::tLtBsInputName(i);
    bool taken = false;
    if (auto f = ReadThicknessRule(i, t, name, in, taken)) return f;
    if (taken) continue;
    if (auto f = ReadLiveLoadUse(i, t, name, in, taken)) return f;
    if (taken) continue;
    if (auto f = CheckNumberField(i, t, name)) return f;
  }
  return std::nullopt;
}

// The checked numbers; a field given as a rule or a use keeps what the check read.
void ReadNumbers(const VBArray<std::string>& Text, const VBArray<bool>& bEnable, Inputs& in) {
  auto num = [&](int i) { return LeadingNumber(Text(i)); };
  in.Lo1 = num(kLo1);
  if (stair::HasLowerLanding(in.type)) in.Lo2 = num(kLo2);
  if (stair::HasUpperLanding(in.type)) in.Lo3 = num(kLo3);
  if (in.h1Div == 0) in.h1 = num(kH1);
  in.Hv = num(kHv);
  in.n = static_cast<int>(num(kN));  // 2..kMaxRisers after the check
  in.B = num(kB);
  in.Pk = num(kPk);
  if (in.qkUse.empty()) in.qk = num(kQk);
  in.c1 = num(kC1);
  in.c2 = num(kC2);
  in.gammaC = num(kGammaC);
  in.gammaB = num(kGammaB);
  in.as = num(kAs);
  in.grade = num(kGrade);
  in.fy = num(kFy);
  if (EnabledIn(bEnable, kRhoMin)) in.rhoUser = num(kRhoMin);
  in.d1 = num(kD1);
  in.d2 = num(kD2);
  if (in.deflection || EnabledIn(bEnable, kPsiQ)) in.psiQ = num(kPsiQ);
  if (in.beamSlab) {
    in.b = num(kBeamB);
    if (in.hDiv == 0) in.h = num(kBeamH);
    if (in.type != stair::Flight::A && in.h2Div == 0) in.h2 = num(kH2);
  }
  in.hasFactor = EnabledIn(bEnable, kFactor);
  if (in.hasFactor) in.factor = num(kFactor);
}

}  // namespace

// Fields in ascending order (the three choices first), stopping at the first failure.
int32_t clsLtBs::CheckInputs(const VBArray<std::string>& Text, const VBArray<bool>& bEnable,
                             bool autoZz, Inputs& in, int16_t& Index, std::string& message) {
  std::optional<Failure> f = ReadChoices(Text, autoZz, in);
  if (!f) f = CheckFields(Text, bEnable, in);
  if (f) {
    Index = static_cast<int16_t>(f->i);
    message = std::move(f->message);
    return f->code;
  }
  ReadNumbers(Text, bEnable, in);
  return 0;
}

void clsLtBs::CalResult(VBArray<std::string>& Text, VBArray<bool>& bEnable, int16_t& Index,
                        bool& bDataCheck, bool& bXsSpGj, bool& bLfKd, bool& bAutoCalZz, bool& bNd,
                        bool& bNdXx, double& dNdXs, std::string& tZzXs, std::string& tText,
                        int32_t* lErr) {
  int32_t code = 0;
  bDataCheck = true;
  const std::string label = Trim(tText);
  Inputs in;
  in.lfkd = bLfKd;
  in.showBars = bXsSpGj;
  in.deflection = bNd;
  std::string message;
  code = CheckInputs(Text, bEnable, bAutoCalZz, in, Index, message);
  if (code != 0) {
    bDataCheck = false;
    tText = message;
    if (lErr) *lErr = code;
    return;
  }
  // The coefficient is used only with both options on; then a value outside its range is an
  // input error, not a silent fallback to the support condition's k.
  if (bNd && bNdXx && !(dNdXs > 0 && dNdXs <= kMaxDeflectionCoefficient)) {
    Index = kCoefficientIndex;
    bDataCheck = false;
    tText = "挠度系数k应为大于0且不大于" + ShortestText(kMaxDeflectionCoefficient) + "的数值" +
            (std::isfinite(dNdXs) ? "（当前输入：" + ShortestText(dNdXs) + "）。"
                                  : std::string("（当前输入超出数值范围）。"));
    if (lErr) *lErr = kBadCoefficient;
    return;
  }
  if (bAutoCalZz) {
    // An unknown rule is replaced by the 1/24 rule, and the caller's text with it.
    const stair::SupportRule rule = stair::SupportRuleOf(tZzXs);
    in.ruleDivisor = rule.divisor;
    if (!rule.known) tZzXs = std::string(stair::SupportRuleText(rule.divisor));
  }
  // A coefficient given by the user (checked above when the deflection is asked for) replaces
  // the one of the support condition.
  in.k = bNd && bNdXx ? dNdXs : stair::DeflectionCoefficient(in.support);

  Report r(modKalbex::Services(), 12288);
  try {
    CalLtBs(in, label, r);
  } catch (const ArithmeticFault&) {
    code = kArithmetic;
    auto& svc = modKalbex::Services();
    r.Put("\r\n$0$1\r\n", {svc.tTextById(32005), svc.tTextById(32007)});
  }
  r.MoveTo(tText);
  if (lErr) *lErr = code;
}

void clsLtBs::RegisterTexts() {
  AddTexts({
      {31125, "两端铰支"},
      {31126, "两端固端"},
      {31127, "下端固定上端铰支"},
      {31128, "下端铰支上端固定"},
  });
}

const ClassInfo& clsLtBs::ClassInfoOf() {
  using C [[maybe_unused]] = clsLtBs;
  static const ClassInfo ci{
      "clsLtBs",
      {
          Method("SubForm", &C::SubForm, {"frm"}),
          Method("PicForm", &C::PicForm, {"frm"}),
          Method("iCboBoxGotFocusIndex", &C::iCboBoxGotFocusIndex, {"Index"}),
          Method("lPictureID", &C::lPictureID, {"tType"}),
          Method("CalResult", &C::CalResult,
                 {{"Text", 0},
                  {"bEnable", 0},
                  "Index",
                  "bDataCheck",
                  "bXsSpGj",
                  "bLfKd",
                  "bAutoCalZz",
                  "bNd",
                  "bNdXx",
                  "dNdXs",
                  "tZzXs",
                  "tText",
                  "lErr"}),
          Method("Calculate", &C::Calculate, {"tText", "bDataCheck"}),
          Method("CboBChangeAndClick", &C::CboBChangeAndClick, {"Index"}),
          Method("LoadOrSaveData", &C::LoadOrSaveData, {"tMode", "tDataSaveName", "frmMain"}),
      }};
  return ci;
}

}  // namespace tk
