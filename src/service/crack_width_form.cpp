// clsLfKd form operations: the host's crack-width form, bound through SubForm and PicForm.
//
// Sub-form controls (any may be absent):
//   lblB(0..17), CboB(0..17)  0 member kind, 1 section shape, 2 as' of an eccentric tension
//       member (mm), 3 c, 4 d, 5 Ms (kN·m) or eo (mm), 6 Ns (kN), 7 As (mm²), 8 b, 9 h,
//       10 bf, 11 hf (both flanges of the symmetric I section), 12 bf', 13 hf', 14 lo, 15 as,
//       16 concrete grade or ftk, 17 Es
//   optSet(0..3)  (0) moment Ms or (1) eccentricity eo; (2) concrete grade or (3) ftk
//   ChkB(0)       bars in one row: as and as' are c + d/2 (fields 2 and 15 unused)
//   ChkB(1)       member under directly repeated loads (ψ = 1.0)
//   ChkB(2)       flexural member carrying light or medium duty cranes directly (× 0.85)
//   ChkOpt(0..1)  (0) deformed or (1) plain bars, one choice
//   chkXsTL       shows the legend on the picture form
#include "frame/form_inputs.h"
#include "frame/input_check.h"
#include "frame/modkalbex.h"
#include "frame/persistence.h"
#include "frame/services.h"
#include "frame/text.h"
#include "materials/material.h"
#include "service/crack_width.h"

namespace tk {

namespace {

constexpr int kFields = 18;
constexpr int kKind = 0, kShape = 1, kAs1 = 2, kC = 3, kD = 4, kMsEo = 5, kNs = 6, kAs = 7, kB = 8,
              kH = 9, kBf = 10, kHf = 11, kBf1 = 12, kHf1 = 13, kLo = 14, kCas = 15, kConcrete = 16,
              kEs = 17;
constexpr const char* kDataFile = "QvfdLfKd.tav";

// Our codes of the form check: a member kind or section shape that is not one of the list.
constexpr int32_t kLfKindNotInList = 900202, kLfShapeNotInList = 900203;

// Kinds and shapes by their text numbers; the axial-tension list has no T section (no
// effective-area rule for it).
constexpr int32_t kKindIds[] = {31340, 31341, 31342, 31343};
constexpr int32_t kShapesAxial[] = {30261, 30262, 30265, 30266};
constexpr int32_t kShapesOther[] = {30261, 30264, 30262, 30265, 30266};
enum Kind { kAxial, kEccTension, kFlexure, kEccCompression, kNoKind };
enum Shape { kRect, kInvT, kT, kISym, kIUnsym, kNoShape };

Kind KindOf(std::string_view t) {
  auto& svc = modKalbex::Services();
  for (int k = 0; k < 4; ++k)
    if (t == svc.tTextById(kKindIds[k])) return static_cast<Kind>(k);
  return kNoKind;
}

Shape ShapeOf(std::string_view t, Kind kind) {
  auto& svc = modKalbex::Services();
  static constexpr int32_t ids[] = {30261, 30262, 30264, 30265, 30266};
  for (int k = 0; k < 5; ++k)
    if (t == svc.tTextById(ids[k])) {
      const auto s = static_cast<Shape>(k);
      return kind == kAxial && s == kT ? kNoShape : s;
    }
  return kNoShape;
}

struct FormState {
  Kind kind = kNoKind;
  Shape shape = kNoShape;
  bool by_moment = true;  // field 5 holds Ms
  bool by_grade = true;   // field 16 holds the grade
  bool one_row = false;   // as = as' = c + d/2
};

// Whether the calculation of the state reads field k (the others are disabled and not checked).
bool FieldUsed(const FormState& s, int k) {
  switch (k) {
    case kAs1:
      return s.kind == kEccTension && !s.one_row;
    case kCas:
      return !s.one_row;
    case kMsEo:
      return s.kind != kAxial;
    case kNs:
      return s.kind != kFlexure;
    case kLo:
      return s.kind == kEccCompression;
    case kBf:
    case kHf:
      return s.shape == kInvT || s.shape == kISym || s.shape == kIUnsym;
    case kBf1:
    case kHf1:
      // a compression flange counts only in the eccentric and axial formulas
      return (s.shape == kT || s.shape == kIUnsym) && s.kind != kFlexure;
    default:
      return k >= 0 && k < kFields;
  }
}

// Field names of the input messages.
std::string FieldName(const FormState& s, int k) {
  switch (k) {
    case kKind:
      return "构件受力特征";
    case kShape:
      return "截面形式";
    case kAs1:
      return "受压区（或受拉较小边）纵筋合力点至近边距离as'";
    case kC:
      return "纵筋外边缘至底边的距离c";
    case kD:
      return "钢筋直径（或换算直径）d";
    case kMsEo:
      return s.by_moment || s.kind == kFlexure ? "弯矩值Ms" : "偏心距eo";
    case kNs:
      return "轴向力Ns";
    case kAs:
      return "受拉区纵筋面积As";
    case kB:
      return "截面宽度b";
    case kH:
      return "截面高度h";
    case kBf:
      return s.shape == kISym ? "翼缘宽度bf、bf'" : "受拉区翼缘宽度bf";
    case kHf:
      return s.shape == kISym ? "翼缘高度hf、hf'" : "受拉区翼缘高度hf";
    case kBf1:
      return "受压区翼缘宽度bf'";
    case kHf1:
      return "受压区翼缘高度hf'";
    case kLo:
      return "受压构件计算长度lo";
    case kCas:
      return "纵筋合力点至近边距离as";
    case kConcrete:
      return s.by_grade ? "混凝土强度等级" : "抗拉强度标准值ftk";
    case kEs:
      return "钢筋弹性模量Es";
    default:
      return {};
  }
}

FormState ReadState(const HostRef& cbo, const HostRef& opt, const HostRef& form) {
  FormState s;
  s.kind = KindOf(FieldText(ItemOf(cbo, kKind)));
  s.shape = ShapeOf(FieldText(ItemOf(cbo, kShape)), s.kind);
  // An option pair that the host has not set reads as its first option.
  s.by_moment = !IsOn(ItemOf(opt, 1));
  s.by_grade = !IsOn(ItemOf(opt, 3));
  s.one_row = IsOn(ControlOf(form, "ChkB", 0));
  return s;
}

struct LfCheck {
  int32_t code = 0;
  int16_t index = -1;
  std::string message;
};

// Fields in ascending order, the unused ones skipped (GBJ 10-89 needs lo >= 0 only).
LfCheck CheckFields(const FormState& s, const HostRef& cbo) {
  LfCheck r;
  if (s.kind == kNoKind || s.shape == kNoShape) {
    const int k = s.kind == kNoKind ? kKind : kShape;
    r.code = k == kKind ? kLfKindNotInList : kLfShapeNotInList;
    r.index = static_cast<int16_t>(k);
    r.message = FieldName(s, k) + "应从列表框中选取。";
    return r;
  }
  IInputCheck& ic = modKalbex::InputCheck();
  for (int k = kAs1; k < kFields; ++k) {
    if (!FieldUsed(s, k)) continue;
    const std::string text = FieldText(ItemOf(cbo, k));
    const std::string name = FieldName(s, k);
    const int32_t flag = k == kConcrete && s.by_grade ? -1 : 0;
    int32_t code = 0;
    if (ic.CheckFieldText(k == kLo ? "S>=0" : "S>0", name, text, flag, code) != 0) {
      r.code = code;
      r.index = static_cast<int16_t>(k);
      r.message = ic.tCodeMessage(code, name, text);
      return r;
    }
  }
  return r;
}

// Saved inputs: the fields, the four options, the check boxes, the bar surface and the legend.
const std::vector<SavedFormVersion>& Versions() {
  static const std::vector<SavedFormVersion> v = [] {
    std::vector<SavedControl> c;
    for (int k = 0; k < kFields; ++k) c.push_back({"CboB", k, "Text"});
    for (int k = 0; k <= 3; ++k) c.push_back({"optSet", k, "Value"});
    for (int k = 0; k <= 2; ++k) c.push_back({"ChkB", k, "Value"});
    for (int k = 0; k <= 1; ++k) c.push_back({"ChkOpt", k, "Value"});
    c.push_back({"chkXsTL", -1, "Value"});
    return std::vector<SavedFormVersion>{{"Tavrine_LfKd_V2026.12", c}};
  }();
  return v;
}

std::string Sq() {
  return std::string(modKalbex::Services().tSquareSign());
}

void ShowMsEoCaption(const HostRef& lbl, const HostRef& cbo, bool moment) {
  const char* cap = moment ? "弯矩值Ms (kN·M)：" : "偏心距eo (mm)：";
  const char* tip = moment ? " 按荷载的短期效应组合的弯矩值Ms (kN·M) "
                           : " 按荷载的短期效应组合的轴向力Ns对截面重心的偏心距eo (mm) ";
  SetText(lbl, "Caption", cap);
  SetText(lbl, "ToolTipText", tip);
  SetText(cbo, "ToolTipText", tip);
}

}  // namespace

void clsLfKd::Form_Load() {
  const HostRef f = sub_form_;
  const HostRef lbl = ControlOf(f, "lblB"), cbo = ControlOf(f, "CboB");
  auto& svc = modKalbex::Services();
  const std::string sq = Sq();
  const std::pair<int, std::string> captions[] = {
      {kKind, "构件受力特征："},
      {kShape, "截面形式："},
      {kAs1, "受压区纵筋合力点至近边距离as' (mm)："},
      {kC, "纵筋外边缘至底边的距离c (mm)："},
      {kD, "钢筋直径（或换算直径）d (mm)："},
      {kNs, "轴向力Ns (kN)："},
      {kAs, "受拉区纵筋面积As (mm" + sq + ")："},
      {kB, "截面宽度b (mm)："},
      {kH, "截面高度h (mm)："},
      {kBf1, "受压区翼缘宽度bf' (mm)："},
      {kHf1, "受压区翼缘高度hf' (mm)："},
      {kLo, "受压构件计算长度lo (mm)："},
      {kCas, "纵筋合力点至近边距离as (mm)："},
      {kEs, "钢筋弹性模量Es (N/mm" + sq + ")："},
  };
  for (const auto& [k, cap] : captions) {
    SetCaption(ItemOf(lbl, k), cap);
    SetText(ItemOf(cbo, k), "ToolTipText", GetText(ItemOf(lbl, k), "ToolTipText"));
  }
  const HostRef kinds = ItemOf(cbo, kKind);
  const std::string kind = FieldText(kinds);
  FillList(kinds, {svc.tTextById(31340), svc.tTextById(31341), svc.tTextById(31342),
                   svc.tTextById(31343)});
  SetText(kinds, "Text", KindOf(kind) == kNoKind ? std::string(svc.tTextById(31342)) : kind);
  // Option pairs the host left unset start on their first option.
  const HostRef opt = ControlOf(f, "optSet");
  for (int k : {0, 2})
    if (!IsOn(ItemOf(opt, k)) && !IsOn(ItemOf(opt, k + 1)))
      SetProp(ItemOf(opt, k), "Value", Variant::Bool(true));
  const HostRef chk = ControlOf(f, "ChkOpt");
  if (!IsOn(ItemOf(chk, 0)) && !IsOn(ItemOf(chk, 1)))
    SetProp(ItemOf(chk, 0), "Value", Variant::Int32(1));
  const std::string grade = FieldText(ItemOf(cbo, kConcrete));
  const bool by_grade = !IsOn(ItemOf(opt, 3));
  modKalbex::Material().HntQdAddCboB(by_grade ? 0 : 1, ItemOf(cbo, kConcrete),
                                     ItemOf(lbl, kConcrete),
                                     grade.empty() ? (by_grade ? "20" : "1.50") : grade);
  SetText(ControlOf(f, "ChkOpt", 0), "Caption", "变形钢筋");
  SetText(ControlOf(f, "ChkOpt", 1), "Caption", "光面钢筋");
  chkXsTL_Click();
  RefreshForm(true);
}

// Captions, lists and enabled fields of the current kind, shape and options. The shape list is
// refilled after a change of kind; the chosen shape stays when the new list offers it.
void clsLfKd::RefreshForm(bool refill_shapes) {
  const HostRef f = sub_form_;
  const HostRef lbl = ControlOf(f, "lblB"), cbo = ControlOf(f, "CboB");
  auto& svc = modKalbex::Services();
  const Kind kind = KindOf(FieldText(ItemOf(cbo, kKind)));
  if (refill_shapes) {
    const HostRef shapes = ItemOf(cbo, kShape);
    const std::string shape = FieldText(shapes);
    std::vector<std::string_view> items;
    if (kind == kAxial)
      for (int32_t id : kShapesAxial) items.push_back(svc.tTextById(id));
    else
      for (int32_t id : kShapesOther) items.push_back(svc.tTextById(id));
    FillList(shapes, items);
    bool offered = false;
    for (auto t : items) offered |= t == shape;
    SetText(shapes, "Text", offered ? shape : std::string(items.front()));
  }
  const FormState s = ReadState(cbo, ControlOf(f, "optSet"), f);
  const std::string sq = Sq();
  const bool sym = s.shape == kISym;
  SetCaption(ItemOf(lbl, kBf), sym ? "翼缘宽度bf、bf' (mm)：" : "受拉区翼缘宽度bf (mm)：");
  SetCaption(ItemOf(lbl, kHf), sym ? "翼缘高度hf、hf' (mm)：" : "受拉区翼缘高度hf (mm)：");
  for (int k : {kBf, kHf})
    SetText(ItemOf(cbo, k), "ToolTipText", GetText(ItemOf(lbl, k), "ToolTipText"));
  ShowMsEoCaption(ItemOf(lbl, kMsEo), ItemOf(cbo, kMsEo), s.by_moment || s.kind == kFlexure);
  for (int k = kAs1; k < kFields; ++k)
    svc.EnableLabelAndCombo(ItemOf(lbl, k), ItemOf(cbo, k), FieldUsed(s, k));
  const bool eccentric = s.kind == kEccTension || s.kind == kEccCompression;
  svc.EnableControl(ControlOf(f, "optSet", 0), eccentric);
  svc.EnableControl(ControlOf(f, "optSet", 1), eccentric);
  svc.EnableControl(ControlOf(f, "ChkB", 2), s.kind == kFlexure);
}

void clsLfKd::CboChangeAndClick(int16_t& Index) {
  RefreshForm(Index == kKind);
}

void clsLfKd::OptSet_Click(int16_t& Index) {
  if (Index < 0 || Index > 3) return;
  const HostRef f = sub_form_;
  const HostRef opt = ControlOf(f, "optSet");
  const int pair = Index & ~1;
  SetProp(ItemOf(opt, Index), "Value", Variant::Bool(true));
  SetProp(ItemOf(opt, pair + 1 - (Index - pair)), "Value", Variant::Bool(false));
  if (pair == 2) {
    const bool grade = Index == 2;
    modKalbex::Material().HntQdAddCboB(grade ? 0 : 1, ControlOf(f, "CboB", kConcrete),
                                       ControlOf(f, "lblB", kConcrete), grade ? "20" : "1.50");
    return;
  }
  RefreshForm(false);
}

void clsLfKd::chkXsTL_Click() {
  const HostRef button = ControlOf(sub_form_, "chkXsTL");
  const bool show = IsOn(button);
  SetText(button, "Caption", show ? "隐藏图例(&T)" : "显示图例(&T)");
  if (!pic_form_) return;
  pic_form_->Set("Visible", Variant::Bool(show));
  pic_form_->Call(show ? "Show" : "Hide", {});
}

void clsLfKd::ChkB_Click(int16_t& Index) {
  if (Index >= 0 && Index <= 2) RefreshForm(false);
}

// ChkOpt(0) deformed and ChkOpt(1) plain bars are one choice: the clicked box's new state decides
// and the other box follows.
void clsLfKd::ChkOpt_Click(int16_t& Index) {
  if (Index != 0 && Index != 1) return;
  const HostRef f = sub_form_;
  const bool on = IsOn(ControlOf(f, "ChkOpt", Index));
  const int chosen = on ? Index : 1 - Index;
  SetProp(ControlOf(f, "ChkOpt", chosen), "Value", Variant::Int32(1));
  SetProp(ControlOf(f, "ChkOpt", 1 - chosen), "Value", Variant::Int32(0));
}

void clsLfKd::CboB_KeyPress(int16_t& Index, int16_t& KeyAscii) {
  if (Index < 0 || Index >= kFields) return;
  const int32_t cls = Index <= kShape ? keyclass::kText : keyclass::kPositiveNumber;
  KeyAscii = modKalbex::Services().FilterKey(KeyAscii, cls);
}

void clsLfKd::CheckLfErr(int32_t& lErrNumber, int16_t& Index, HostRef& CboB, HostRef& OptSet) {
  const LfCheck r = CheckFields(ReadState(CboB, OptSet, sub_form_), CboB);
  lErrNumber = r.code;
  Index = r.index;
}

void clsLfKd::Calculate(std::string& tText, std::string& tGjBh) {
  const HostRef f = sub_form_;
  const HostRef cbo = ControlOf(f, "CboB");
  const FormState s = ReadState(cbo, ControlOf(f, "optSet"), f);
  const LfCheck check = CheckFields(s, cbo);
  if (check.code != 0) {
    // The message takes the place of the report; the focus goes to the wrong field.
    tText = check.message;
    if (const HostRef wrong = ItemOf(cbo, check.index)) wrong->Call("SetFocus", {});
    return;
  }
  auto num = [&](int k) {
    return FieldUsed(s, k) ? LeadingNumber(FieldText(ItemOf(cbo, k))) : 0.0;
  };
  std::string kind = FieldText(ItemOf(cbo, kKind)), shape = FieldText(ItemOf(cbo, kShape));
  bool bPxSrFs = s.by_moment || s.kind == kFlexure;
  bool bBxGj = !IsOn(ControlOf(f, "ChkOpt", 1));
  bool bDpZj = s.one_row, bCfHz = IsOn(ControlOf(f, "ChkB", 1));
  bool bQzDc = s.kind == kFlexure && IsOn(ControlOf(f, "ChkB", 2));
  double c = num(kC), D = num(kD), MsEo = num(kMsEo), Ns = num(kNs), dAs = num(kAs), B = num(kB),
         H = num(kH), Bf = num(kBf), Hf = num(kHf), Bf1 = num(kBf1), Hf1 = num(kHf1), Lo = num(kLo),
         Cas = num(kCas), Es = num(kEs);
  // as' of the axial and flexural cases is not read by the calculation; it equals as there.
  double Cas1 = FieldUsed(s, kAs1) ? num(kAs1) : Cas;
  const double concrete = num(kConcrete);
  double Ftk = s.by_grade ? modKalbex::Material().CtoFtk(static_cast<float>(concrete)) : concrete;
  int32_t lErrNumber = 0;
  LfKdCommon_1(tText, lErrNumber, tGjBh, kind, shape, bPxSrFs, bBxGj, bDpZj, bCfHz, bQzDc, c, D,
               MsEo, Ns, dAs, B, H, Bf, Hf, Bf1, Hf1, Lo, Cas, Cas1, Ftk, Es);
}

bool clsLfKd::bLoadOrSaveData(std::string& tMode, std::string* tDataSaveName, std::string* tErr) {
  const SaveMode mode = SavedInputMode(tMode, "clsLfKd");
  const std::string path = SavedInputPath(tDataSaveName, kDataFile);
  std::string error;
  int32_t code;
  if (mode == SaveMode::kSave) {
    code = SaveFormInputs(sub_form_, path, Versions(), error);
  } else {
    code = LoadFormInputs(sub_form_, path, Versions(), error);
    if (code == persistcode::kOk) {
      // Lists, captions and enabled fields follow the loaded choices; loaded texts stay.
      const HostRef cbo = ControlOf(sub_form_, "CboB");
      const std::string concrete = GetText(ItemOf(cbo, kConcrete));
      const bool by_grade = !IsOn(ControlOf(sub_form_, "optSet", 3));
      modKalbex::Material().HntQdAddCboB(by_grade ? 0 : 1, ItemOf(cbo, kConcrete),
                                         ControlOf(sub_form_, "lblB", kConcrete), concrete);
      chkXsTL_Click();
      RefreshForm(true);
    }
  }
  if (tErr) *tErr = error;
  return code == persistcode::kOk;
}

void clsLfKd::LoadOrSaveData(std::string& tMode, std::string* tDataSaveName) {
  std::string error;
  if (!bLoadOrSaveData(tMode, tDataSaveName, &error)) throw ComponentFailure(error);
}

}  // namespace tk
