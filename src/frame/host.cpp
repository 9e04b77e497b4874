#include "frame/host.h"

#include <cmath>

#include "frame/text.h"

namespace tk {

std::string GetText(const HostRef& c, std::string_view property) {
  return c ? c->Get(property).AsText() : std::string();
}
int32_t GetWhole(const HostRef& c, std::string_view property, int32_t lo, int32_t hi,
                 int32_t fallback) {
  if (!c) return fallback;
  const Variant v = c->Get(property);
  if (!v.IsNumber()) return fallback;
  const double x = v.AsDouble();
  if (!(x >= lo && x <= hi) || x != std::floor(x)) return fallback;
  return static_cast<int32_t>(x);
}
void SetProp(const HostRef& c, std::string_view property, const Variant& v) {
  if (c) c->Set(property, v);
}
void SetText(const HostRef& c, std::string_view property, std::string_view text) {
  if (c) c->Set(property, Variant::String(std::string(text)));
}
HostRef ControlOf(const HostRef& form, std::string_view name, int index) {
  return form ? form->Control(name, index) : nullptr;
}
HostRef ItemOf(const HostRef& array, int index) {
  return array ? array->Item(index) : nullptr;
}

namespace {
Variant* FindProp(std::vector<std::pair<std::string, Variant>>& props, std::string_view name) {
  for (auto& [k, v] : props)
    if (EqualsNoCase(k, name)) return &v;
  return nullptr;
}
}  // namespace

MemoryControl::MemoryControl() = default;

Variant MemoryControl::Get(std::string_view property) {
  if (EqualsNoCase(property, "ListCount")) return Variant::Int32(static_cast<int32_t>(list.size()));
  if (Variant* v = FindProp(properties, property)) return *v;
  if (EqualsNoCase(property, "ListIndex")) return Variant::Int32(-1);
  if (EqualsNoCase(property, "Enabled") || EqualsNoCase(property, "Visible"))
    return Variant::Bool(true);
  return Variant::String("");
}

void MemoryControl::Set(std::string_view property, const Variant& value) {
  if (Variant* v = FindProp(properties, property))
    *v = value;
  else
    properties.emplace_back(std::string(property), value);
  // A combo box shows its selected item as its text.
  if (EqualsNoCase(property, "ListIndex")) {
    const int k = static_cast<int>(value.AsDouble());
    if (k >= 0 && k < static_cast<int>(list.size())) Set("Text", Variant::String(list[k]));
  }
}

Variant MemoryControl::Call(std::string_view method, const std::vector<Variant>& args) {
  if (EqualsNoCase(method, "AddItem")) {
    list.push_back(args.empty() ? std::string() : args[0].AsText());
    return {};
  }
  if (EqualsNoCase(method, "Clear")) {
    list.clear();
    if (Variant* v = FindProp(properties, "ListIndex")) *v = Variant::Int32(-1);
    return {};
  }
  if (EqualsNoCase(method, "List")) {
    const int k = args.empty() ? -1 : static_cast<int>(args[0].AsDouble());
    return Variant::String(k >= 0 && k < static_cast<int>(list.size()) ? list[k] : std::string());
  }
  if (EqualsNoCase(method, "SetFocus") || EqualsNoCase(method, "Refresh")) return {};
  throw ComponentFailure("host control has no method " + std::string(method));
}

Variant MemoryControlArray::Get(std::string_view property) {
  if (EqualsNoCase(property, "Count")) return Variant::Int32(Count());
  return {};
}
Variant MemoryControlArray::Call(std::string_view method, const std::vector<Variant>& args) {
  throw ComponentFailure("control array has no method " + std::string(method));
}
HostRef MemoryControlArray::Item(int index) {
  return index >= 0 && index < Count() ? items[index] : nullptr;
}

Variant MemoryForm::Get(std::string_view property) {
  if (Variant* v = FindProp(properties, property)) return *v;
  return Variant::String("");
}
void MemoryForm::Set(std::string_view property, const Variant& value) {
  if (Variant* v = FindProp(properties, property))
    *v = value;
  else
    properties.emplace_back(std::string(property), value);
}
Variant MemoryForm::Call(std::string_view method, const std::vector<Variant>& args) {
  if (EqualsNoCase(method, "Show") || EqualsNoCase(method, "Hide") ||
      EqualsNoCase(method, "Refresh"))
    return {};
  throw ComponentFailure("host form has no method " + std::string(method));
}
HostRef MemoryForm::Control(std::string_view name, int index) {
  for (auto& [k, c] : controls) {
    if (!EqualsNoCase(k, name)) continue;
    if (index < 0) return c;
    if (HostRef item = c->Item(index)) return item;
    return index == 0 && c->Count() == 0 ? c : nullptr;
  }
  return nullptr;
}

namespace mb {
int DefaultAnswer(int buttons) {
  const int set = buttons & 7;
  const int which = (buttons & kDefaultButton3) ? 2 : (buttons & kDefaultButton2) ? 1 : 0;
  static const int answers[6][3] = {{kOk, kOk, kOk},           {kOk, kCancel, kCancel},
                                    {kAbort, kRetry, kIgnore}, {kYes, kNo, kCancel},
                                    {kYes, kNo, kNo},          {kRetry, kCancel, kCancel}};
  return set < 6 ? answers[set][which] : kOk;
}
}  // namespace mb

int SilentHostUi::MsgBox(std::string_view prompt, int buttons, std::string_view title) {
  shown.push_back({std::string(prompt), std::string(title), buttons});
  return forced_answer != 0 ? forced_answer : mb::DefaultAnswer(buttons);
}

}  // namespace tk
