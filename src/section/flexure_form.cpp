// clsMoment form operations: the host's flexure form, bound by Let_Controls.
//
// Working form controls (looked up once by name; any may be absent):
//   lblB(0..7), CboB(0..7)  the fields and their labels:
//       0 Mu (kN·m) or As (mm²), as optMu chooses   4 concrete grade or fcm, as optSet chooses
//       1 b (mm)   2 h (mm)   3 as (mm)              5 fy: a grade text ("Ⅱ级") or a number
//       6 minimum ratio ρmin (%), used when ChkOpt(1) is on
//       7 member label of the report title
//   optSet(0..1)  concrete given as (0) grade or (1) fcm
//   optMu(0..1)   (0) As from Mu or (1) Mu from As
//   ChkOpt(0)     end section of a seismic frame beam; its grade in CboKz (lblKz) "一级".."四级"
//   ChkOpt(1)     the user's own minimum ratio (field 6)
//   lblJg(0..3)   results: the area or the moment, ξ, ρ, the applied ξ limit
//   rtbBox        the report of Calculate
#include <cfloat>
#include <cmath>

#include "frame/form_inputs.h"
#include "frame/modkalbex.h"
#include "frame/persistence.h"
#include "frame/report.h"
#include "frame/services.h"
#include "frame/text.h"
#include "materials/material.h"
#include "section/flexure.h"
#include "section/flexure_common.h"

namespace tk {

namespace {

using namespace moment_codes;

constexpr int kFields = 8;
constexpr int kFieldMoment = 0, kFieldB = 1, kFieldH = 2, kFieldAs = 3, kFieldConcrete = 4,
              kFieldSteel = 5, kFieldRhoMin = 6, kFieldLabel = 7;
constexpr const char* kDataFile = "QvfdMu01.tav";
constexpr const char* kTitle = "错误信息";

// Input classes of the key filter per field (the steel field takes grade texts: no filter).
constexpr int32_t kNoFilter = -1;
constexpr int32_t kKeyClass[kFields] = {keyclass::kPositiveNumber, keyclass::kPositiveNumber,
                                        keyclass::kPositiveNumber, keyclass::kSignedNumber,
                                        keyclass::kPositiveNumber, kNoFilter,
                                        keyclass::kPositiveNumber, keyclass::kAny};

constexpr std::string_view kGrades[] = {"7.5", "10", "15", "20", "25", "30",
                                        "35",  "40", "45", "50", "55", "60"};
constexpr std::string_view kFcm[] = {"4.1", "5.5",  "8.5",  "11", "13.5", "16.5",
                                     "19",  "21.5", "23.5", "26", "27.5", "29"};
constexpr std::string_view kSeismicGrades[] = {"一级", "二级", "三级", "四级"};

// Default texts of OptMu_Click: the quantity of field 0 in each mode, and the section, as and
// grade of a C20 beam 200 × 350 that both defaults design without warnings.
constexpr const char* kDefaultMoment = "80";
constexpr const char* kDefaultArea = "1000";
constexpr const char* kDefaultSection[] = {"200", "350", "35", "20"};  // fields 1..4

// Reasons appended after the field phrase and its text.
constexpr const char* kNotNumber = "，不是有效的数值。";
constexpr const char* kNotPositive = "，应为大于0的数值。";
constexpr const char* kOutOfRange = "，超出允许范围。";
constexpr const char* kNotBelowH = "，应小于截面高度h。";
constexpr const char* kNotSteel = "，应为“Ⅰ级”、“Ⅱ级”或钢筋强度设计值。";
constexpr const char* kGradeFromList = "混凝土强度等级应从列表框中选取";
constexpr const char* kSeismicFromList = "框架梁抗震等级应从列表框中选取";

std::vector<std::string_view> ListOf(const std::string_view* b, const std::string_view* e) {
  return {b, e};
}

// "截面宽度为“-5”，应为大于0的数值。"
std::string FieldMessage(std::string_view phrase, std::string_view text, std::string_view reason) {
  std::string m(phrase);
  m.append(text).append("”").append(reason);
  return m;
}

// The texts of the result labels, each through the report's substitution form.
std::string Fill(std::string_view form, Subs subs) {
  Report r(modKalbex::Services(), 64);
  r.Put(form, subs);
  return std::move(r.str());
}

// Saved inputs: the first version held the seven fields and the two option pairs; the second
// added the label, the check boxes and the seismic grade.
const std::vector<SavedFormVersion>& Versions() {
  static const std::vector<SavedFormVersion> v = [] {
    std::vector<SavedControl> old;
    for (int k = 0; k <= kFieldRhoMin; ++k) old.push_back({"CboB", k, "Text"});
    for (int k = 0; k <= 1; ++k) old.push_back({"optSet", k, "Value"});
    for (int k = 0; k <= 1; ++k) old.push_back({"optMu", k, "Value"});
    std::vector<SavedControl> now = old;
    now.push_back({"CboB", kFieldLabel, "Text"});
    for (int k = 0; k <= 1; ++k) now.push_back({"ChkOpt", k, "Value"});
    now.push_back({"CboKz", -1, "Text"});
    return std::vector<SavedFormVersion>{{"Tavrine_MuV2000.0138", old},
                                         {"Tavrine_MuV2000.0237", now}};
  }();
  return v;
}

// The caption, explanatory text and list of the concrete field in grade or strength mode.
void ShowConcreteMode(const HostRef& lbl, const HostRef& cbo, bool strength) {
  const std::string sq(modKalbex::Services().tSquareSign());
  const std::string tip =
      strength ? " 混凝土弯曲抗压强度fcm (N/mm" + sq + ") " : std::string(" 混凝土强度等级 ");
  SetText(lbl, "Caption", strength ? "弯曲抗压强度fcm (MPa)：" : "混凝土强度等级：");
  SetText(lbl, "ToolTipText", tip);
  SetText(cbo, "ToolTipText", tip);
  FillList(cbo, strength ? ListOf(std::begin(kFcm), std::end(kFcm))
                         : ListOf(std::begin(kGrades), std::end(kGrades)));
}

// The caption and explanatory text of field 0 for the moment or the area.
void ShowQuantityMode(const HostRef& lbl, const HostRef& cbo, bool area) {
  const std::string sq(modKalbex::Services().tSquareSign());
  const std::string cap = area ? "配筋面积As (mm" + sq + ")：" : std::string("弯矩Mu (kN·M)：");
  const std::string tip = area ? " 配筋面积As (mm" + sq + ") " : std::string(" 弯矩Mu (kN·M) ");
  SetText(lbl, "Caption", cap);
  SetText(lbl, "ToolTipText", tip);
  SetText(cbo, "ToolTipText", tip);
}

// One flexure case as read from the form.
struct FormCase {
  int16_t iK = 1, iSecPos = 5, iFcm = 0;
  double quantity = 0;
  float b = 0, h = 0, as = 0, concrete = 0, rho_min = 0;
  std::string steel, label;
};

struct FormError {
  int field = -1;
  std::string message;
};

// Reads a number field: empty or not a number, and not above 0, are the two failures.
bool ReadPositive(const HostRef& cbo, int field, std::string_view phrase, double& out,
                  FormError& err) {
  const std::string t = FieldText(ItemOf(cbo, field));
  if (!IsNumericText(t)) {
    err = {field, FieldMessage(phrase, t, kNotNumber)};
    return false;
  }
  out = LeadingNumber(t);
  if (!(out > 0)) {
    err = {field, FieldMessage(phrase, t, kNotPositive)};
    return false;
  }
  // b, h, as and the concrete go on as 32-bit floats.
  if (out > static_cast<double>(FLT_MAX)) {
    err = {field, FieldMessage(phrase, t, kOutOfRange)};
    return false;
  }
  return true;
}

}  // namespace

void clsMoment::BindControls() {
  const HostRef& f = work_form_;
  lbl_b_ = ControlOf(f, "lblB");
  cbo_b_ = ControlOf(f, "CboB");
  opt_set_ = ControlOf(f, "optSet");
  opt_mu_ = ControlOf(f, "optMu");
  chk_opt_ = ControlOf(f, "ChkOpt");
  lbl_kz_ = ControlOf(f, "lblKz");
  cbo_kz_ = ControlOf(f, "CboKz");
  lbl_jg_ = ControlOf(f, "lblJg");
  rtb_box_ = ControlOf(f, "rtbBox");
  const std::string cap =
      " 钢筋强度设计值fy (N/mm" + std::string(modKalbex::Services().tSquareSign()) + ")  ";
  SetText(ItemOf(lbl_b_, kFieldSteel), "Caption", cap);
}

bool clsMoment::bRestrain() {
  return restrain_;
}

void clsMoment::CboB_KeyPress(int16_t& Index, int16_t& KeyAscii) {
  if (Index < 0 || Index >= kFields || kKeyClass[Index] == kNoFilter) return;
  KeyAscii = modKalbex::Services().FilterKey(KeyAscii, kKeyClass[Index]);
}

void clsMoment::OptSet_Click(int16_t& Index) {
  if (Index != 0 && Index != 1) return;
  const bool strength = Index == 1;
  SetProp(ItemOf(opt_set_, Index), "Value", Variant::Bool(true));
  SetProp(ItemOf(opt_set_, 1 - Index), "Value", Variant::Bool(false));
  const HostRef cbo = ItemOf(cbo_b_, kFieldConcrete);
  ShowConcreteMode(ItemOf(lbl_b_, kFieldConcrete), cbo, strength);
  SetText(cbo, "Text", strength ? "11" : "20");
}

// Field 0 always takes the default of its new meaning; the section, as and grade are filled only
// where they are empty, so that switching the direction keeps the user's section.
void clsMoment::OptMu_Click(int16_t& Index) {
  if (Index != 0 && Index != 1) return;
  const bool area = Index == 1;
  SetProp(ItemOf(opt_mu_, Index), "Value", Variant::Bool(true));
  SetProp(ItemOf(opt_mu_, 1 - Index), "Value", Variant::Bool(false));
  ShowQuantityMode(ItemOf(lbl_b_, kFieldMoment), ItemOf(cbo_b_, kFieldMoment), area);
  SetText(ItemOf(cbo_b_, kFieldMoment), "Text", area ? kDefaultArea : kDefaultMoment);
  const bool strength = IsOn(ItemOf(opt_set_, 1));
  for (int k = kFieldB; k <= kFieldConcrete; ++k) {
    const HostRef c = ItemOf(cbo_b_, k);
    if (!FieldText(c).empty()) continue;
    SetText(c, "Text", k == kFieldConcrete && strength ? "11" : kDefaultSection[k - 1]);
  }
  for (int k = 0; k < 4; ++k) SetText(ItemOf(lbl_jg_, k), "Caption", "");
}

// ChkOpt(0) enables the seismic grade (filling its list on first use), ChkOpt(1) the minimum
// ratio field.
void clsMoment::ChkOpt_Click(int16_t& Index) {
  auto& svc = modKalbex::Services();
  const bool on = IsOn(ItemOf(chk_opt_, Index));
  if (Index == 0) {
    if (cbo_kz_ && cbo_kz_->Get("ListCount").AsDouble() == 0) {
      FillList(cbo_kz_, ListOf(std::begin(kSeismicGrades), std::end(kSeismicGrades)));
      SetText(cbo_kz_, "Text", kSeismicGrades[1]);
    }
    svc.EnableLabelAndCombo(lbl_kz_, cbo_kz_, on);
  } else if (Index == 1) {
    svc.EnableLabelAndCombo(ItemOf(lbl_b_, kFieldRhoMin), ItemOf(cbo_b_, kFieldRhoMin), on);
  }
}

namespace {
// Reads and checks the fields in their order; the first wrong one stops with its message.
bool ReadFormCase(const HostRef& cbo, const HostRef& opt_set, const HostRef& opt_mu,
                  const HostRef& chk_opt, const HostRef& cbo_kz, FormCase& c, FormError& err) {
  c.iK = IsOn(ItemOf(opt_mu, 1)) ? 2 : 1;
  c.iFcm = IsOn(ItemOf(opt_set, 1)) ? 1 : 0;
  double v = 0;
  if (!ReadPositive(cbo, kFieldMoment, c.iK == 1 ? "弯矩为“" : "配筋面积为“", v, err)) return false;
  c.quantity = v;
  if (!ReadPositive(cbo, kFieldB, "截面宽度为“", v, err)) return false;
  c.b = static_cast<float>(v);
  if (!ReadPositive(cbo, kFieldH, "截面高度为“", v, err)) return false;
  c.h = static_cast<float>(v);
  if (!ReadPositive(cbo, kFieldAs, "纵筋合力点至近边距离as为“", v, err)) return false;
  c.as = static_cast<float>(v);
  if (!(c.as < c.h)) {
    err = {kFieldAs,
           FieldMessage("纵筋合力点至近边距离as为“", FieldText(ItemOf(cbo, kFieldAs)), kNotBelowH)};
    return false;
  }
  if (c.iFcm == 0) {
    const std::string t = FieldText(ItemOf(cbo, kFieldConcrete));
    if (!IsNumericText(t)) {
      err = {kFieldConcrete, FieldMessage("混凝土强度等级为“", t, kNotNumber)};
      return false;
    }
    c.concrete = static_cast<float>(LeadingNumber(t));
    if (modKalbex::Material().CtoFcm(c.concrete) <= 0) {
      err = {kFieldConcrete, kGradeFromList};
      return false;
    }
  } else {
    if (!ReadPositive(cbo, kFieldConcrete, "砼弯曲抗压强度设计值fcm为“", v, err)) return false;
    c.concrete = static_cast<float>(v);
  }
  c.steel = FieldText(ItemOf(cbo, kFieldSteel));
  int16_t kind = 0;
  const double fy = modKalbex::Material().dGanJinFy(c.steel, &kind);
  if (kind == 2 || c.steel.empty()) {
    err = {kFieldSteel, FieldMessage("钢筋强度设计值fy为“", c.steel, kNotSteel)};
    return false;
  }
  if (!(fy > 0)) {
    err = {kFieldSteel, FieldMessage("钢筋强度设计值fy为“", c.steel, kNotPositive)};
    return false;
  }
  if (IsOn(ItemOf(chk_opt, 1))) {
    const std::string t = FieldText(ItemOf(cbo, kFieldRhoMin));
    if (!IsNumericText(t)) {
      err = {kFieldRhoMin, FieldMessage("最小配筋率ρmin 为“", t, kNotNumber)};
      return false;
    }
    const double p = LeadingNumber(t);
    if (p >= 100 || p <= 0) {
      err = {kFieldRhoMin, "最小配筋率ρmin ＝ " + t + (p >= 100 ? "% ≥100%" : "% ≤0")};
      return false;
    }
    c.rho_min = static_cast<float>(p);
  }
  c.iSecPos = 5;
  if (IsOn(ItemOf(chk_opt, 0))) {
    const std::string t = FieldText(cbo_kz);
    int16_t pos = 0;
    for (int16_t k = 0; k < 4; ++k)
      if (t == kSeismicGrades[k]) pos = static_cast<int16_t>(k + 1);
    if (pos == 0) {
      err = {-1, kSeismicFromList};
      return false;
    }
    c.iSecPos = pos;
  }
  c.label = FieldText(ItemOf(cbo, kFieldLabel));
  return true;
}
}  // namespace

// The calculation behind Calculate and CalculateA. Returns false when a field stops it (message
// box shown, focus on the field); the report goes to tText, or to rtbBox when tText is absent.
bool clsMoment::RunForm(std::string* tText) {
  restrain_ = false;
  FormCase c;
  FormError err;
  if (!ReadFormCase(cbo_b_, opt_set_, opt_mu_, chk_opt_, cbo_kz_, c, err)) {
    restrain_ = true;
    modKalbex::Ui().MsgBox(err.message, mb::kOkOnly | mb::kExclamation, kTitle);
    const HostRef wrong = err.field >= 0 ? ItemOf(cbo_b_, err.field) : cbo_kz_;
    if (wrong) wrong->Call("SetFocus", {});
    return false;
  }
  int32_t code = 0;
  double dMu = c.iK == 1 ? c.quantity : 0, dAs = c.iK == 2 ? c.quantity : 0;
  float sFcm = c.concrete, sKc = 0, sP = 0, sKcb = 0, sPmin = c.rho_min;
  std::string report = c.label.empty() && tText ? *tText : c.label;
  CalMu_As(code, c.iK, c.iSecPos, dMu, dAs, c.steel, c.iFcm, sFcm, c.b, c.h, c.as, sKc, sP, sPmin,
           sKcb, report);

  std::string lines[4];
  if (code == kMuNoDepth) {
    lines[0] = "受压区高度x ≥截面有效高度ho，截面尺寸不足。";
  } else if (code == kMuFault || (code >= kMuNegativeMoment && code <= kMuAsNotBelowH) ||
             code == kMuBadDirection || code == kMuBadPosition) {
    lines[0] = Fill("计算未完成（错误代码 $0）。", {std::to_string(code)});
  } else {
    lines[0] = c.iK == 1 ? Fill("配筋面积As ＝ $0", {{dAs, U::mm2d}})
                         : Fill("弯矩设计值Mu ＝ $0", {{dMu, U::knmd}});
    lines[1] = Fill("相对受压区高度ξ ＝ $0", {{sKc, "0.000"}});
    lines[2] = Fill("配筋率ρ ＝ $0", {{sP, U::percent}});
    lines[3] = Fill("ξ的限值 ＝ $0", {{sKcb, "0.000"}});
  }
  for (int k = 0; k < 4; ++k) SetText(ItemOf(lbl_jg_, k), "Caption", lines[k]);
  if (tText)
    *tText = std::move(report);
  else
    SetText(rtb_box_, "Text", report);
  return true;
}

void clsMoment::Calculate() {
  RunForm(nullptr);
}

void clsMoment::CalculateA(std::string& tText) {
  RunForm(&tText);
}

void clsMoment::LoadOrSaveData(std::string& tMode, std::string* tDataSaveName) {
  const SaveMode mode = SavedInputMode(tMode, "clsMoment");
  const std::string path = SavedInputPath(tDataSaveName, kDataFile);
  std::string error;
  if (mode == SaveMode::kSave) {
    if (SaveFormInputs(work_form_, path, Versions(), error) != persistcode::kOk)
      throw ComponentFailure(error);
    return;
  }
  if (LoadFormInputs(work_form_, path, Versions(), error) != persistcode::kOk)
    throw ComponentFailure(error);
  // Captions and enabled fields follow the loaded options; the loaded texts stay.
  const HostRef concrete = ItemOf(cbo_b_, kFieldConcrete);
  const std::string grade = GetText(concrete);
  ShowConcreteMode(ItemOf(lbl_b_, kFieldConcrete), concrete, IsOn(ItemOf(opt_set_, 1)));
  SetText(concrete, "Text", grade);
  ShowQuantityMode(ItemOf(lbl_b_, kFieldMoment), ItemOf(cbo_b_, kFieldMoment),
                   IsOn(ItemOf(opt_mu_, 1)));
  auto& svc = modKalbex::Services();
  svc.EnableLabelAndCombo(lbl_kz_, cbo_kz_, IsOn(ItemOf(chk_opt_, 0)));
  svc.EnableLabelAndCombo(ItemOf(lbl_b_, kFieldRhoMin), ItemOf(cbo_b_, kFieldRhoMin),
                          IsOn(ItemOf(chk_opt_, 1)));
}

}  // namespace tk
