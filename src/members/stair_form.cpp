// clsLtBs: the form's calculation and the saved inputs "QvfdLtBs.tav".
//
// The sub-form holds CboB(0..28) (flight type, support condition, stair system and the fields of
// CalResult; "Enabled" is bEnable), ChkSet(0..4) (show the bars, crack width, support-moment
// rule, deflection, user's deflection coefficient), CboZzXs (the support-moment rule) and
// CboNdXs (the user's deflection coefficient).
#include "frame/binding.h"
#include "frame/form_inputs.h"
#include "frame/modkalbex.h"
#include "frame/persistence.h"
#include "frame/services.h"
#include "members/stair.h"

namespace tk {

using namespace ltbs;

namespace {

constexpr const char* kDataFile = "QvfdLtBs.tav";
constexpr int kOptions = 5;

// A control that does not say otherwise is enabled, as host controls are by default.
bool EnabledUnlessSaid(const HostRef& c) {
  if (!c) return false;
  const Variant v = c->Get("Enabled");
  return v.IsEmpty() || v.IsMissing() || IsOn(v);
}

// Version headers, oldest first, and the controls each version saved, in file order. Every
// version saved its predecessor's list and appended to it:
//   V2000.0205: flight type, support condition, fields 3..23 (slab-type flights);
//   V2000.0310: + ψq (24) and the options ChkSet(0..3);
//   V2000.0320: + stair system (2), beam fields 25..27, ChkSet(4), CboZzXs, CboNdXs;
//   V2002.16:   + bottom-bar factor (28).
constexpr const char* kHeaders[] = {"Tavrine_LtBs_V2000.0205", "Tavrine_LtBs_V2000.0310",
                                    "Tavrine_LtBs_V2000.0320", "Tavrine_LtBs_V2002.16"};
struct SavedList {
  std::vector<SavedControl> controls;
  size_t count[4];  // controls of each version
};

const SavedList& Saved() {
  static const SavedList list = [] {
    SavedList l;
    auto& v = l.controls;
    v.push_back({"CboB", kType, "Text"});
    v.push_back({"CboB", kSupport, "Text"});
    for (int i = kFirstField; i <= kD2; ++i) v.push_back({"CboB", i, "Text"});
    l.count[0] = v.size();
    v.push_back({"CboB", kPsiQ, "Text"});
    for (int k = 0; k < 4; ++k) v.push_back({"ChkSet", k, "Value"});
    l.count[1] = v.size();
    v.push_back({"CboB", kSystem, "Text"});
    for (int i = kBeamB; i <= kH2; ++i) v.push_back({"CboB", i, "Text"});
    v.push_back({"ChkSet", 4, "Value"});
    v.push_back({"CboZzXs", -1, "Text"});
    v.push_back({"CboNdXs", -1, "Text"});
    l.count[2] = v.size();
    v.push_back({"CboB", kFactor, "Text"});
    l.count[3] = v.size();
    return l;
  }();
  return list;
}

}  // namespace

void clsLtBs::Calculate(std::string& tText, bool& bDataCheck) {
  const HostRef f = sub_form_;
  VBArray<std::string> Text;
  VBArray<bool> bEnable;
  Text.ReDim(0, kLastField);
  bEnable.ReDim(0, kLastField);
  for (int i = 0; i <= kLastField; ++i) {
    const HostRef c = ControlOf(f, "CboB", i);
    Text(i) = GetText(c);
    bEnable(i) = EnabledUnlessSaid(c);
  }
  bool opt[kOptions];
  for (int k = 0; k < kOptions; ++k) {
    const HostRef c = ControlOf(f, "ChkSet", k);
    opt[k] = c && IsOn(c->Get("Value"));
  }
  std::string tZzXs = GetText(ControlOf(f, "CboZzXs"));
  double dNdXs = LeadingNumber(GetText(ControlOf(f, "CboNdXs")));
  int16_t Index = -1;
  CalResult(Text, bEnable, Index, bDataCheck, opt[0], opt[1], opt[2], opt[3], opt[4], dNdXs, tZzXs,
            tText);
  if (!bDataCheck) {
    cbo_focus_index_ = Index;
    return;
  }
  // The rule actually used goes back to the form (an unknown one became the 1/24 rule).
  if (opt[2]) SetText(ControlOf(f, "CboZzXs"), "Text", tZzXs);
}

void clsLtBs::CboBChangeAndClick(int16_t& Index) {
  if (Index != kQk) return;
  const HostRef f = sub_form_;
  if (const auto use = stair::LiveLoadOfUse(GetText(ControlOf(f, "CboB", kQk))))
    SetText(ControlOf(f, "CboB", kPsiQ), "Text", use->psi_q);
}

void clsLtBs::LoadOrSaveData(std::string& tMode, std::string* tDataSaveName, HostRef* frmMain) {
  auto& svc = modKalbex::Services();
  if (frmMain && *frmMain) svc.SetMainForm(*frmMain);
  const HostRef f = sub_form_ ? sub_form_ : (frmMain ? *frmMain : HostRef());
  const std::string path = tDataSaveName && !Trim(*tDataSaveName).empty() ? Trim(*tDataSaveName)
                                                                          : std::string(kDataFile);
  auto& store = modKalbex::Persistence();
  const bool load = modKalbex::bTextEq(tMode, svc.tTextById(30021));
  const bool save = modKalbex::bTextEq(tMode, svc.tTextById(30022));
  if (!load && !save)
    throw ComponentFailure("clsLtBs.LoadOrSaveData: unknown mode \"" + tMode + "\"");
  const SavedList& list = Saved();
  auto control = [&](const SavedControl& c) {
    return c.index >= 0 ? ControlOf(f, c.name, c.index) : ControlOf(f, c.name);
  };
  if (save) {
    std::vector<std::string> values;
    values.reserve(list.controls.size());
    for (const auto& c : list.controls) {
      const HostRef ctl = control(c);
      values.push_back(ctl ? ctl->Get(c.prop).AsText() : std::string());
    }
    std::string error;
    if (SaveInputs(store, path, kHeaders[3], values, &error) != persistcode::kOk)
      throw ComponentFailure(error.empty() ? store.tCodeMessage(persistcode::kWriteFailed, path)
                                           : error);
    return;
  }
  SavedInput data;
  std::string error;
  const int32_t code =
      store.Load(path, {kHeaders[0], kHeaders[1], kHeaders[2], kHeaders[3]}, data, &error);
  if (code != persistcode::kOk)
    throw ComponentFailure(error.empty() ? store.tCodeMessage(code, path) : error);
  const size_t n = list.count[std::min<size_t>(data.version, 3)];
  for (size_t k = 0; k < n; ++k) {
    const SavedControl& c = list.controls[k];
    std::string v;
    if (!data.Next(v)) break;
    RestoreSavedValue(control(c), c.prop, v);
  }
}

}  // namespace tk
