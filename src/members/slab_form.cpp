// Form operations of the slab calculator on the bound sub-form. Controls: CboB(0..15) and
// lblB(0..15) the inputs and their labels (label 8 names the load of CboB(0)), optB(0..14) the
// edge and load options, ChkB(0) the live-load arrangement, ChkOpt(0..1) Poisson's ratio 0.2 or
// 1/6, CboD, CboA, ChkPj, LblAs the bar option rows (diameter, spacing, grade Ⅱ, area label),
// ToolBar1 and sbBar.
#include "frame/form_inputs.h"
#include "frame/modkalbex.h"
#include "frame/persistence.h"
#include "frame/services.h"
#include "materials/material.h"
#include "members/slab.h"
#include "members/slab_detail.h"
#include "members/slab_equations.h"

namespace tk {

using namespace slab;

namespace {
constexpr const char* kDataFile = "QvfdB01.tav";
// The library holds no header text of its own for the slab's saved inputs; this one marks ours.
constexpr const char* kHeader = "Tavrine_Ban_V2026";
constexpr int kInputs = 16, kOptions = 15;
}  // namespace

void clsBanOld::CheckForm() {
  const HostRef f = sub_form_;
  HostRef cbo = ControlOf(f, "CboB"), tb = ControlOf(f, "ToolBar1"), sb = ControlOf(f, "sbBar"),
          opt = ControlOf(f, "optB"), chk = ControlOf(f, "ChkB");
  BWhetherCalculate(cbo, tb, sb, opt, chk);
}

void clsBanOld::RowsToForm(const VBArray<BgjRecordOld>& rows) {
  const HostRef f = sub_form_;
  HostRef d = ControlOf(f, "CboD"), a = ControlOf(f, "CboA"), pj = ControlOf(f, "ChkPj"),
          lbl = ControlOf(f, "LblAs");
  float fy2 = static_cast<float>(kFyGradeII);
  int16_t minA = 0;
  for (size_t k = 0; k < rows.size(); ++k) {
    const int i = static_cast<int>(k);
    SetText(ItemOf(d, i), "Text", rows.data[k].D);
    SetText(ItemOf(a, i), "Text", rows.data[k].A);
    SetProp(ItemOf(pj, i), "Value", Variant::Int32(rows.data[k].Two ? 1 : 0));
    int16_t index = static_cast<int16_t>(i);
    ChangeLblAs(index, fy2, d, a, pj, lbl, minA);
  }
}

void clsBanOld::Form_Load() {
  const HostRef f = sub_form_;
  SetText(ControlOf(f, "lblB", 1), "Caption", "活荷标准值 (kPa)：");
  const HostRef nu = ControlOf(f, "CboB", 15);
  if (nu) {
    nu->Call("Clear", {});
    nu->Call("AddItem", {Variant::String("0.2")});
    nu->Call("AddItem", {Variant::String("1/6")});
  }
  modKalbex::Material().HntQdAddCboB(0, ControlOf(f, "CboB", 4), ControlOf(f, "lblB", 4),
                                     GetText(ControlOf(f, "CboB", 4)));
  LblB8Caption();
  RmdXYEnable();
  VBArray<BgjRecordOld> rows;
  ReadBPJ(rows);
  RowsToForm(rows);
  CheckForm();
}

// The top-face factors apply to support moments: the X factor needs a fixed left or right edge,
// the Y factor a fixed bottom or top edge.
void clsBanOld::RmdXYEnable() {
  const HostRef f = sub_form_;
  const HostRef opt = ControlOf(f, "optB");
  auto fixed = [&](int edge) { return ItemOn(opt, edge * 3); };
  auto& svc = modKalbex::Services();
  svc.EnableLabelAndCombo(ControlOf(f, "lblB", 13), ControlOf(f, "CboB", 13), fixed(0) || fixed(2));
  svc.EnableLabelAndCombo(ControlOf(f, "lblB", 14), ControlOf(f, "CboB", 14), fixed(1) || fixed(3));
}

void clsBanOld::OptBClick(int16_t& Index) {
  if (Index >= 12 && Index <= 14)
    LblB8Caption();
  else
    RmdXYEnable();
  CheckForm();
}

void clsBanOld::LblB8Caption() {
  const HostRef f = sub_form_;
  const HostRef opt = ControlOf(f, "optB");
  const char* cap = ItemOn(opt, 12)   ? "荷载设计值 (kPa)："
                    : ItemOn(opt, 14) ? "附加恒荷标准值 (kPa)："
                                      : "恒荷标准值 (kPa)：";
  SetText(ControlOf(f, "lblB", 8), "Caption", cap);
  SetText(ControlOf(f, "lblB", 8), "ToolTipText", cap);
}

void clsBanOld::DefaultBanPjFa() {
  VBArray<BgjRecordOld> rows;
  float fy2 = static_cast<float>(kFyGradeII);
  ReadBPJ_Gj(rows, fy2);
  RowsToForm(rows);
}

// Numbers only; Poisson's ratio also takes the fraction bar of "1/6".
void clsBanOld::CboB_KeyPress(int16_t& Index, int16_t& KeyAscii) {
  if (Index == 15 && KeyAscii == '/') return;
  KeyAscii = modKalbex::Services().FilterKey(KeyAscii, keyclass::kPositiveNumber);
}

void clsBanOld::CboAD_KeyPress(int16_t& Index, int16_t& KeyAscii) {
  KeyAscii = modKalbex::Services().FilterKey(KeyAscii, keyclass::kPositiveNumber);
}

void clsBanOld::ChkB_Click(int16_t& Index) {
  CheckForm();
}

// ChkOpt(0) (ν = 0.2) and ChkOpt(1) (ν = 1/6) are one choice: the clicked box's new state
// decides, the other box and CboB(15) follow.
void clsBanOld::ChkOpt_Click(int16_t& Index) {
  if (Index != 0 && Index != 1) return;
  const HostRef f = sub_form_;
  const bool on = ItemOn(ControlOf(f, "ChkOpt"), Index);
  const int pick = on ? Index : 1 - Index;
  SetProp(ControlOf(f, "ChkOpt", pick), "Value", Variant::Int32(1));
  SetProp(ControlOf(f, "ChkOpt", 1 - pick), "Value", Variant::Int32(0));
  SetText(ControlOf(f, "CboB", 15), "Text", pick == 0 ? "0.2" : "1/6");
  CheckForm();
}

// Saved inputs, one value a line: CboB(0..15) Text, optB(0..14) Value, ChkB(0) Value. A control
// the form does not have saves an empty value and loads nothing.
void clsBanOld::LoadOrSaveData(std::string& tMode, std::string* tDataSaveName, HostRef* frmMain) {
  auto& svc = modKalbex::Services();
  if (frmMain && *frmMain) svc.SetMainForm(*frmMain);
  const HostRef f = sub_form_ ? sub_form_ : (frmMain ? *frmMain : HostRef());
  const std::string path = SavedInputPath(tDataSaveName, kDataFile);
  const bool save = SavedInputMode(tMode, "clsBanOld") == SaveMode::kSave;
  struct Saved {
    const char* name;
    int index;
    const char* prop;
  };
  std::vector<Saved> controls;
  for (int k = 0; k < kInputs; ++k) controls.push_back({"CboB", k, "Text"});
  for (int k = 0; k < kOptions; ++k) controls.push_back({"optB", k, "Value"});
  controls.push_back({"ChkB", 0, "Value"});
  auto& store = modKalbex::Persistence();
  std::string error;
  if (save) {
    std::vector<std::string> values;
    for (const auto& c : controls) {
      const HostRef ctl = ControlOf(f, c.name, c.index);
      values.push_back(ctl ? ctl->Get(c.prop).AsText() : std::string());
    }
    if (SaveInputs(store, path, kHeader, values, &error) != persistcode::kOk)
      throw ComponentFailure(error.empty() ? store.tCodeMessage(persistcode::kWriteFailed, path)
                                           : error);
    return;
  }
  SavedInput data;
  const int32_t code = store.Load(path, {kHeader}, data, &error);
  if (code != persistcode::kOk)
    throw ComponentFailure(error.empty() ? store.tCodeMessage(code, path) : error);
  for (const auto& c : controls) {
    std::string v;
    if (!data.Next(v)) break;
    RestoreSavedValue(ControlOf(f, c.name, c.index), c.prop, v);
  }
}

bool clsBanOld::bLoadOrSaveData(std::string& tMode, std::string* tDataSaveName, HostRef* frmMain) {
  try {
    LoadOrSaveData(tMode, tDataSaveName, frmMain);
    return true;
  } catch (const ComponentFailure&) {
    return false;
  }
}

}  // namespace tk
