#include "frame/form_inputs.h"

#include "frame/modkalbex.h"
#include "frame/persistence.h"
#include "frame/services.h"
#include "frame/text.h"

namespace tk {

bool IsOn(const Variant& v) {
  switch (v.type) {
    case Variant::Type::Bool:
      return v.b;
    case Variant::Type::String: {
      const std::string_view t = TrimView(v.s);
      return EqualsNoCase(t, "True") || (IsNumericText(t) && LeadingNumber(t) != 0);
    }
    default:
      return v.IsNumber() && v.AsDouble() != 0;
  }
}

bool IsOn(const HostRef& control) {
  return control && IsOn(control->Get("Value"));
}

std::string FieldText(const HostRef& control) {
  return Trim(GetText(control, "Text"));
}

bool IsEnabled(const HostRef& control) {
  return control && IsOn(control->Get("Enabled"));
}

void SetCaption(const HostRef& label, std::string_view caption) {
  SetText(label, "Caption", caption);
  std::string_view tip = caption;
  if (tip.size() >= 3 && tip.substr(tip.size() - 3) == "：") tip.remove_suffix(3);
  SetText(label, "ToolTipText", " " + std::string(tip) + " ");
}

void FillList(const HostRef& combo, const std::vector<std::string_view>& items) {
  if (!combo) return;
  combo->Call("Clear", {});
  for (std::string_view t : items) combo->Call("AddItem", {Variant::String(std::string(t))});
}

SaveMode SavedInputMode(std::string_view tMode, std::string_view who) {
  ISharedServices& svc = modKalbex::Services();
  if (modKalbex::bTextEq(tMode, svc.tTextById(30021))) return SaveMode::kLoad;
  if (modKalbex::bTextEq(tMode, svc.tTextById(30022))) return SaveMode::kSave;
  throw ComponentFailure(std::string(who) + ".LoadOrSaveData: unknown mode \"" +
                         std::string(tMode) + "\"");
}

std::string SavedInputPath(const std::string* tDataSaveName, std::string_view default_name) {
  if (tDataSaveName) {
    std::string p = Trim(*tDataSaveName);
    if (!p.empty()) return p;
  }
  return std::string(default_name);
}

int32_t SaveFormInputs(const HostRef& form, const std::string& path,
                       const std::vector<SavedFormVersion>& versions, std::string& error) {
  IPersistence& store = modKalbex::Persistence();
  const SavedFormVersion& newest = versions.back();
  std::vector<std::string> values;
  values.reserve(newest.controls.size());
  for (const SavedControl& c : newest.controls) {
    const HostRef ctl = ControlOf(form, c.name, c.index);
    if (!ctl) {
      values.emplace_back();
    } else if (std::string_view(c.prop) == "Text") {
      values.push_back(ctl->Get(c.prop).AsText());
    } else {
      // check boxes and option buttons: one spelling whatever the host stores
      values.emplace_back(IsOn(ctl->Get(c.prop)) ? "True" : "False");
    }
  }
  std::string detail;
  const int32_t code = SaveInputs(store, path, newest.header, values, &detail);
  if (code != persistcode::kOk)
    error = store.tCodeMessage(code, path) + (detail.empty() ? "" : "（" + detail + "）");
  return code;
}

namespace {
bool IsBooleanText(std::string_view v) {
  const std::string_view t = TrimView(v);
  return t.empty() || EqualsNoCase(t, "True") || EqualsNoCase(t, "False") || IsNumericText(t);
}
}  // namespace

void RestoreSavedValue(const HostRef& control, std::string_view prop, const std::string& v) {
  if (!control) return;
  const std::string t = Trim(v);
  if (prop == "Text")
    control->Set("Text", Variant::String(v));
  else if (EqualsNoCase(t, "True") || EqualsNoCase(t, "False"))
    control->Set(prop, Variant::Bool(EqualsNoCase(t, "True")));
  else if (!t.empty())
    control->Set(prop, Variant::Int32(static_cast<int32_t>(LeadingNumber(v))));
}

int32_t LoadFormInputs(const HostRef& form, const std::string& path,
                       const std::vector<SavedFormVersion>& versions, std::string& error,
                       size_t* version) {
  IPersistence& store = modKalbex::Persistence();
  std::vector<std::string> headers;
  for (const auto& v : versions) headers.push_back(v.header);
  SavedInput data;
  const int32_t code = store.Load(path, headers, data, &error);
  if (code != persistcode::kOk) {
    if (error.empty()) error = store.tCodeMessage(code, path);
    return code;
  }
  const SavedFormVersion& ver = versions[data.version];
  bool fits = data.values.size() == ver.controls.size();
  for (size_t k = 0; fits && k < ver.controls.size(); ++k)
    if (std::string_view(ver.controls[k].prop) != "Text") fits = IsBooleanText(data.values[k]);
  if (!fits) {
    error =
        "数据文件 " + path + " 已损坏（数据项与版本 " + ver.header + " 不符），未读取任何数据。";
    return persistcode::kDamaged;
  }
  for (size_t k = 0; k < ver.controls.size(); ++k) {
    const SavedControl& c = ver.controls[k];
    const HostRef ctl = ControlOf(form, c.name, c.index);
    if (!ctl) continue;
    const std::string& v = data.values[k];
    if (std::string_view(c.prop) == "Text")
      ctl->Set("Text", Variant::String(v));
    else if (!Trim(v).empty())
      ctl->Set(c.prop, Variant::Bool(IsOn(Variant::String(v))));
  }
  if (version) *version = data.version;
  return persistcode::kOk;
}

}  // namespace tk
