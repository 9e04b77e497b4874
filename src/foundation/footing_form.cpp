// clsDlJcOld: the operations that drive the host's footing form, the column-force dialog and the
// saved-input file "QvfdDlJc.tav".
//
// Controls of the sub-form: lblB(0..31) captions and CboB(0..31) inputs of the fields; optB(0)
// fk / optB(1) f; optB(2) check, optB(3) automatic sizing, optB(4) the third mode; ChkOpt(0..2)
// the check-box twins of optB(2..4); ChkB(0) no long-run warning, ChkB(1) G given directly,
// ChkB(2) flat footing in automatic sizing, ChkB(3) legend of the picture; LstB(..) list boxes;
// rtbBox the report. Picture form: imgB (the sketch) and picLegend. Column-force dialog: for the
// combinations 1..7 the items 0..6 of lblCase, chkCal, txtN, txtMx, txtMy, txtVx, txtVy, chkNe.
#include <chrono>
#include <ctime>

#include "foundation/footing.h"
#include "frame/form_inputs.h"
#include "frame/modkalbex.h"
#include "frame/persistence.h"
#include "frame/services.h"
#include "frame/text.h"
#include "materials/material.h"

namespace tk {

using namespace dljc;

namespace {

constexpr const char* kDataFile = "QvfdDlJc.tav";
// Version headers, oldest first; saves write the last.
const std::vector<std::string>& Headers() {
  static const std::vector<std::string> h = {"Tavrine_DlJc_V2000.0138", "Tavrine_DlJc_V2000.0239",
                                             "Tavrine_DlJc_V2000.0315"};
  return h;
}
constexpr int kOptions = 5, kChecks = 5, kRecords = 7;

bool ValueOf(const HostRef& c) {
  return c && IsOn(c->Get("Value"));
}

std::string Sup2() {
  return std::string(modKalbex::Services().tSquareSign());
}
std::string Sup3() {
  return std::string(modKalbex::Services().tCubeSign());
}

void Caption(const HostRef& f, int i, const std::string& caption, const std::string& tip) {
  SetText(ControlOf(f, "lblB", i), "Caption", caption);
  SetText(ControlOf(f, "lblB", i), "ToolTipText", tip);
  SetText(ControlOf(f, "CboB", i), "ToolTipText", tip);
}

}  // namespace

void clsDlJcOld::DisplayPicture() {
  const HostRef p = pic_form_;
  if (!p) return;
  const HostRef f = sub_form_;
  const double H = LeadingNumber(GetText(ControlOf(f, "CboB", kH))),
               h = LeadingNumber(GetText(ControlOf(f, "CboB", kEdgeH)));
  // Sketch 1: flat footing; sketch 2: sloped footing.
  SetProp(ControlOf(p, "imgB"), "Picture", Variant::String(H > h ? "DlJc2" : "DlJc1"));
  SetProp(ControlOf(p, "picLegend"), "Visible",
          Variant::Bool(!f || !ControlOf(f, "ChkB", 3) || ValueOf(ControlOf(f, "ChkB", 3))));
}

void clsDlJcOld::Form_Load() {
  const HostRef f = sub_form_;
  const std::string sq = Sup2(), cu = Sup3();
  Caption(f, kFy, "钢筋强度fy (N/mm" + sq + ")：", " 钢筋强度设计值fy (N/mm" + sq + ")  ");
  Caption(f, kGamma, "γ (kN/m" + cu + ")：", " 土的重度γ (kN/m" + cu + ")  ");
  Caption(f, kGammaO, "γo (kN/m" + cu + ")：",
          " 基础底面以上土的加权平均重度γo (kN/m" + cu + ")  ");
  Caption(f, kGammaS, "土容重γs (kN/m" + cu + ")：", " 基础顶面以上土的容重γs (kN/m" + cu + ")  ");
  modKalbex::Material().HntQdAddCboB(0, ControlOf(f, "CboB", kGrade), ControlOf(f, "lblB", kGrade),
                                     GetText(ControlOf(f, "CboB", kGrade)));
  int16_t i = 1;
  ChkB_Click(i);
  i = 3;
  ChkB_Click(i);
  i = ValueOf(ControlOf(f, "optB", 1)) ? 1 : 0;
  OptB_Click(i);
}

// Key filter classes by field: the additional loads take a number list, moments, shears and the
// angle a signed number, the column number digits, the steel a grade text, the folder any text.
void clsDlJcOld::CboB_KeyPress(int16_t& Index, int16_t& KeyAscii) {
  int32_t cls = keyclass::kPositiveNumber;
  switch (Index) {
    case kAddLoad:
      cls = keyclass::kNumberList;
      break;
    case kMx:
    case kMy:
    case kVx:
    case kVy:
    case kAlpha:
    case kDepth:
      cls = keyclass::kSignedNumber;
      break;
    case kColumn:
      cls = keyclass::kInteger;
      break;
    case kFy:
    case kKind:
    case kFolder:
      cls = keyclass::kText;
      break;
    default:
      break;
  }
  KeyAscii = modKalbex::Services().FilterKey(KeyAscii, cls);
}

void clsDlJcOld::ChkB_Click(int16_t& Index) {
  const HostRef f = sub_form_;
  if (Index == 1) {
    const std::string cu = Sup3();
    if (ValueOf(ControlOf(f, "ChkB", 1)))
      Caption(f, kGammaC, "自重、土重G (kN)：", " 基础的自重设计值和基础上的土重标准值G (kN) ");
    else
      Caption(f, kGammaC, "砼容重γc (kN/m" + cu + ")：", " 基础混凝土的容重γc (kN/m" + cu + ")  ");
  } else if (Index == 3) {
    const HostRef box = ControlOf(f, "ChkB", 3);
    SetText(box, "Caption", ValueOf(box) ? "隐藏图例(&T)" : "显示图例(&T)");
    DisplayPicture();
  }
}

void clsDlJcOld::OptB_Click(int16_t& Index) {
  const HostRef f = sub_form_;
  if (Index == 0 || Index == 1) {
    const bool fk =
        Index == 0 ? ValueOf(ControlOf(f, "optB", 0)) : !ValueOf(ControlOf(f, "optB", 1));
    if (fk)
      Caption(
          f, kF, "地基承载力标准值fk (kPa)：",
          " 地基承载力标准值ftk，按《建筑地基基础设计规范》GBJ 7－89 第3.2.1条至3.2.3条确定。 ");
    else
      Caption(f, kF, "地基承载力设计值f (kPa)：", " 地基承载力设计值f （kPa） ");
    // The correction terms apply only when f is computed from fk.
    auto& svc = modKalbex::Services();
    for (int i : {kEtaB, kEtaD, kGamma, kGammaO, kWidthF})
      svc.EnableLabelAndCombo(ControlOf(f, "lblB", i), ControlOf(f, "CboB", i), fk);
  } else if (Index >= 2 && Index <= 4) {
    // The automatic sizing sets a, b and H itself.
    const bool automatic = ValueOf(ControlOf(f, "optB", 3));
    auto& svc = modKalbex::Services();
    for (int i : {kA, kB, kH})
      svc.EnableLabelAndCombo(ControlOf(f, "lblB", i), ControlOf(f, "CboB", i), !automatic);
    for (int k = 0; k < 3; ++k)
      SetProp(ControlOf(f, "ChkOpt", k), "Value",
              Variant::Int32(ValueOf(ControlOf(f, "optB", 2 + k)) ? 1 : 0));
  }
}

// A choice in a list: the concrete grade shows its strengths in the tool tip, a steel grade its
// design strength; a new a or b renews the width of the bearing formula.
void clsDlJcOld::CboBClickAndChange(int16_t& Index) {
  const HostRef f = sub_form_;
  const HostRef box = ControlOf(f, "CboB", Index);
  const std::string t = Trim(GetText(box));
  const std::string sq = Sup2();
  if (Index == kGrade) {
    const float c = static_cast<float>(LeadingNumber(t));
    auto& mat = modKalbex::Material();
    if (mat.CtoFc(c) > 0)
      SetText(box, "ToolTipText",
              " C" + t + "：fc ＝ " + ShortestText(mat.CtoFc(c)) + " N/mm" + sq + "，ft ＝ " +
                  ShortestText(mat.CtoFt(c)) + " N/mm" + sq + " ");
  } else if (Index == kFy) {
    int16_t kind = 0;
    const double fy = modKalbex::Material().dGanJinFy(t, &kind);
    if (kind == 1) SetText(box, "ToolTipText", " fy ＝ " + ShortestText(fy) + " N/mm" + sq + " ");
  } else if (Index == kA || Index == kB) {
    const std::string a = Trim(GetText(ControlOf(f, "CboB", kA)));
    const std::string b = Trim(GetText(ControlOf(f, "CboB", kB)));
    if (IsNumericText(a) && IsNumericText(b))
      SetText(ControlOf(f, "CboB", kWidthF), "Text",
              ShortestText(std::min(LeadingNumber(a), LeadingNumber(b))));
  } else if (Index == kH || Index == kEdgeH) {
    DisplayPicture();
  }
}

// The column-force dialog is filled with the combinations held by the calculator, shown modally
// by the host ("Show" with 1), and read back when it closes.
void clsDlJcOld::cmdZ_Click_1(HostRef& frmColComForceDlJc) {
  const HostRef d = frmColComForceDlJc;
  if (!d) return;
  SetText(d, "Caption", "柱下扩展基础");
  for (int i = 1; i <= kRecords; ++i) {
    const ColComForceRecord& r = col_force_(i);
    const int k = i - 1;
    SetText(ControlOf(d, "lblCase", k), "Caption", tDlJcLoadCaseName(static_cast<int16_t>(i)));
    SetProp(ControlOf(d, "chkCal", k), "Value", Variant::Int32(r.bCal ? 1 : 0));
    SetText(ControlOf(d, "txtN", k), "Text", ShortestText(r.N));
    SetText(ControlOf(d, "txtMx", k), "Text", ShortestText(r.Mx));
    SetText(ControlOf(d, "txtMy", k), "Text", ShortestText(r.My));
    SetText(ControlOf(d, "txtVx", k), "Text", ShortestText(r.Vx));
    SetText(ControlOf(d, "txtVy", k), "Text", ShortestText(r.Vy));
    SetProp(ControlOf(d, "chkNe", k), "Value", Variant::Int32(r.bNe ? 1 : 0));
  }
  d->Call("Show", {Variant::Int32(1)});
  for (int i = 1; i <= kRecords; ++i) {
    ColComForceRecord& r = col_force_(i);
    const int k = i - 1;
    r.bCal = ValueOf(ControlOf(d, "chkCal", k));
    r.N = LeadingNumber(GetText(ControlOf(d, "txtN", k)));
    r.Mx = LeadingNumber(GetText(ControlOf(d, "txtMx", k)));
    r.My = LeadingNumber(GetText(ControlOf(d, "txtMy", k)));
    r.Vx = LeadingNumber(GetText(ControlOf(d, "txtVx", k)));
    r.Vy = LeadingNumber(GetText(ControlOf(d, "txtVy", k)));
    r.bNe = ValueOf(ControlOf(d, "chkNe", k));
  }
}

// Reads the form, runs DlJcResult with the combinations held by the calculator, and writes the
// report (rtbBox) and, after an automatic sizing, the footing found back into the form. A field
// whose input box is disabled is not checked.
void clsDlJcOld::Calculation(std::string& tText, bool& bDataCheck) {
  const HostRef f = sub_form_;
  VBArray<std::string> Text;
  VBArray<bool> bText, bOptB, bChkB, bListSel;
  Text.ReDim(0, kFieldCount - 1);
  bText.ReDim(0, kFieldCount - 1);
  for (int i = 0; i < kFieldCount; ++i) {
    const HostRef box = ControlOf(f, "CboB", i);
    Text(i) = GetText(box);
    const Variant en = box ? box->Get("Enabled") : Variant();
    bText(i) = en.IsEmpty() || IsOn(en);
  }
  bOptB.ReDim(0, kOptions - 1);
  for (int i = 0; i < kOptions; ++i) bOptB(i) = ValueOf(ControlOf(f, "optB", i));
  bChkB.ReDim(0, kChecks - 1);
  for (int i = 0; i < kChecks; ++i) bChkB(i) = ValueOf(ControlOf(f, "ChkB", i));
  if (!ControlOf(f, "optB", 0) && !ControlOf(f, "optB", 1)) bOptB(0) = true;
  int32_t lErr = 0;
  int16_t Index = 0;
  DlJcResult(lErr, tText, Text, bText, bOptB, bChkB, bListSel, col_force_, Index, bDataCheck);
  if (!bDataCheck) return;
  SetText(ControlOf(f, "rtbBox"), "Text", tText);
  if (bOptB(3))
    for (int i : {kWidthF, kA, kB, kH, kEdgeH}) SetText(ControlOf(f, "CboB", i), "Text", Text(i));
  DisplayPicture();
}

// ChkOpt(0..2) are the check-box twins of the mode options optB(2..4): the clicked one chooses
// the mode, the others are cleared.
void clsDlJcOld::ChkOpt_Click(int16_t& Index) {
  if (Index < 0 || Index > 2) return;
  const HostRef f = sub_form_;
  if (!ValueOf(ControlOf(f, "ChkOpt", Index))) return;
  for (int k = 0; k < 3; ++k) {
    SetProp(ControlOf(f, "ChkOpt", k), "Value", Variant::Int32(k == Index ? 1 : 0));
    SetProp(ControlOf(f, "optB", 2 + k), "Value", Variant::Bool(k == Index));
  }
  int16_t opt = static_cast<int16_t>(2 + Index);
  OptB_Click(opt);
}

// The saved-input file holds one "name=value" item a line after the version header: optB(i),
// chkB(i), ListBox(i) (list index of LstB(i)), CboB(i), ColComForceRecord(i) =
// "bCal,N,Mx,My,Vx,Vy,bNe", then dtmfReadTime (time of the save), ifZhuBianHao (the column
// number) and tfUpdataFileName (the file written). Files of 0138 have no fields 29..31 and no
// seismic flag, files of 0239 no field 31: what a file lacks keeps its current value.
namespace {

std::string ItemKey(const char* name, int i) {
  return std::string(name) + "(" + std::to_string(i) + ")";
}

std::string BoolText(bool b) {
  return b ? "True" : "False";
}

std::string ForceRecordText(const ColComForceRecord& r) {
  return BoolText(r.bCal) + "," + ShortestText(r.N) + "," + ShortestText(r.Mx) + "," +
         ShortestText(r.My) + "," + ShortestText(r.Vx) + "," + ShortestText(r.Vy) + "," +
         BoolText(r.bNe);
}

// The form's controls, in the order they are saved.
void AppendControlItems(const HostRef& f, std::vector<std::string>& v) {
  for (int i = 0; i < kOptions; ++i)
    v.push_back(ItemKey("optB", i) + "=" + BoolText(ValueOf(ControlOf(f, "optB", i))));
  for (int i = 0; i < kChecks; ++i)
    v.push_back(ItemKey("chkB", i) + "=" + BoolText(ValueOf(ControlOf(f, "ChkB", i))));
  if (const HostRef lists = ControlOf(f, "LstB"))
    for (int i = 0; i < std::max(lists->Count(), 1); ++i)
      if (const HostRef l = ControlOf(f, "LstB", i))
        v.push_back(ItemKey("ListBox", i) + "=" + l->Get("ListIndex").AsText());
  for (int i = 0; i < kFieldCount; ++i)
    v.push_back(ItemKey("CboB", i) + "=" + GetText(ControlOf(f, "CboB", i)));
}

std::string SaveStamp() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  char stamp[32] = {};
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", std::gmtime(&now));
  return stamp;
}

std::vector<std::string> SplitAtCommas(const std::string& value) {
  std::vector<std::string> parts;
  size_t s = 0;
  while (true) {
    const size_t c = value.find(',', s);
    parts.push_back(value.substr(s, c == std::string::npos ? std::string::npos : c - s));
    if (c == std::string::npos) break;
    s = c + 1;
  }
  return parts;
}

// "bCal,N,Mx,My,Vx,Vy,bNe"; a record without the seismic flag keeps `bNe`.
ColComForceRecord ParseForceRecord(const std::string& value, bool bNe) {
  const std::vector<std::string> parts = SplitAtCommas(value);
  auto part = [&](size_t k) { return k < parts.size() ? Trim(parts[k]) : std::string(); };
  ColComForceRecord r;
  r.bCal = EqualsNoCase(part(0), "True");
  r.N = LeadingNumber(part(1));
  r.Mx = LeadingNumber(part(2));
  r.My = LeadingNumber(part(3));
  r.Vx = LeadingNumber(part(4));
  r.Vy = LeadingNumber(part(5));
  r.bNe = parts.size() > 6 ? EqualsNoCase(part(6), "True") : bNe;
  return r;
}

// Puts one control item back on the form; false when the item is not a control item.
bool ApplyControlItem(const HostRef& f, const std::string& base, int i, const std::string& value) {
  if (base == "optB" && i >= 0 && i < kOptions) {
    SetProp(ControlOf(f, "optB", i), "Value", Variant::Bool(EqualsNoCase(Trim(value), "True")));
  } else if (base == "chkB" && i >= 0 && i < kChecks) {
    SetProp(ControlOf(f, "ChkB", i), "Value",
            Variant::Int32(EqualsNoCase(Trim(value), "True") ? 1 : 0));
  } else if (base == "ListBox" && i >= 0) {
    SetProp(ControlOf(f, "LstB", i), "ListIndex",
            Variant::Int32(static_cast<int32_t>(LeadingNumber(value))));
  } else if (base == "CboB" && i >= 0 && i < kFieldCount) {
    SetText(ControlOf(f, "CboB", i), "Text", value);
  } else {
    return false;
  }
  return true;
}

void ApplySavedItem(const HostRef& f, VBArray<ColComForceRecord>& forces, const std::string& item) {
  const size_t eq = item.find('=');
  if (eq == std::string::npos) return;
  const std::string name = item.substr(0, eq), value = item.substr(eq + 1);
  const size_t open = name.find('(');
  const std::string base = name.substr(0, open);
  const int i =
      open == std::string::npos ? -1 : static_cast<int>(LeadingNumber(name.substr(open + 1)));
  if (ApplyControlItem(f, base, i, value)) return;
  if (base == "ColComForceRecord" && i >= 1 && i <= kRecords) {
    forces(i) = ParseForceRecord(value, forces(i).bNe);
  } else if (base == "ifZhuBianHao") {
    if (Trim(GetText(ControlOf(f, "CboB", kColumn))).empty())
      SetText(ControlOf(f, "CboB", kColumn), "Text", Trim(value));
  }
}

void SaveData(const HostRef& f, const std::string& path, VBArray<ColComForceRecord>& forces) {
  std::vector<std::string> v;
  AppendControlItems(f, v);
  for (int i = 1; i <= kRecords; ++i)
    v.push_back(ItemKey("ColComForceRecord", i) + "=" + ForceRecordText(forces(i)));
  v.push_back("dtmfReadTime=" + SaveStamp());
  v.push_back("ifZhuBianHao=" +
              ShortestText(LeadingNumber(GetText(ControlOf(f, "CboB", kColumn)))));
  v.push_back("tfUpdataFileName=" + path);
  auto& store = modKalbex::Persistence();
  std::string error;
  if (SaveInputs(store, path, Headers().back(), v, &error) != persistcode::kOk)
    throw ComponentFailure(error.empty() ? store.tCodeMessage(persistcode::kWriteFailed, path)
                                         : error);
}

void LoadData(const HostRef& f, const std::string& path, VBArray<ColComForceRecord>& forces) {
  auto& store = modKalbex::Persistence();
  SavedInput data;
  std::string error;
  const int32_t code = store.Load(path, Headers(), data, &error);
  if (code != persistcode::kOk)
    throw ComponentFailure(error.empty() ? store.tCodeMessage(code, path) : error);
  std::string item;
  while (data.Next(item)) ApplySavedItem(f, forces, item);
}

}  // namespace

void clsDlJcOld::LoadOrSaveData(std::string& tMode, std::string* tDataSaveName, HostRef* frmMain) {
  auto& svc = modKalbex::Services();
  if (frmMain && *frmMain) svc.SetMainForm(*frmMain);
  const HostRef f = sub_form_ ? sub_form_ : (frmMain ? *frmMain : HostRef());
  const std::string path = SavedInputPath(tDataSaveName, kDataFile);
  const bool save = SavedInputMode(tMode, "clsDlJcOld") == SaveMode::kSave;
  if (save)
    SaveData(f, path, col_force_);
  else
    LoadData(f, path, col_force_);
}

}  // namespace tk
