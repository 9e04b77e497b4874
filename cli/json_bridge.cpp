#include "json_bridge.h"

#include <cmath>
#include <cstdlib>

#include "frame/text.h"

namespace kalbex {

using tk::ContractError;
using tk::HostRef;
using tk::Variant;

namespace {

std::shared_ptr<tk::MemoryControl> MakeControl(const json& props, HostObjects& objects,
                                               const std::string& where) {
  if (props.is_object() && props.size() == 1 && props.contains("$control"))
    return MakeControl(props["$control"], objects, where);
  if (!props.is_object())
    throw ContractError(where + ": a control must be an object of properties");
  auto c = std::make_shared<tk::MemoryControl>();
  if (auto it = props.find("List"); it != props.end()) {
    if (!it->is_array()) throw ContractError(where + ".List: must be an array of texts");
    if (it->size() > kMaxArrayItems)
      throw ContractError(where + ".List: a list has at most " + std::to_string(kMaxArrayItems) +
                          " items");
    for (const auto& item : *it)
      c->list.push_back(item.is_string() ? item.get<std::string>() : item.dump());
  }
  for (auto it = props.begin(); it != props.end(); ++it) {
    if (it.key() == "List") continue;
    const Variant v = ToVariant(it.value(), objects, where + "." + it.key());
    if (v.type == Variant::Type::Array || v.type == Variant::Type::Record ||
        v.type == Variant::Type::Object)
      throw ContractError(where + "." + it.key() + ": a control property must be a plain value");
    c->properties.emplace_back(it.key(), v);
  }
  return c;
}

std::shared_ptr<tk::MemoryControlArray> MakeControls(const json& list, HostObjects& objects,
                                                     const std::string& where) {
  if (!list.is_array()) throw ContractError(where + ": a control array must be a list");
  auto a = std::make_shared<tk::MemoryControlArray>();
  for (size_t k = 0; k < list.size(); ++k)
    a->items.push_back(MakeControl(list[k], objects, where + "(" + std::to_string(k) + ")"));
  return a;
}

HostRef MakeForm(const json& desc, HostObjects& objects, const std::string& where) {
  if (desc.is_string()) {
    auto it = objects.forms.find(desc.get<std::string>());
    if (it == objects.forms.end())
      throw ContractError(where + ": no form named \"" + desc.get<std::string>() +
                          "\" defined earlier");
    return it->second;
  }
  if (!desc.is_object())
    throw ContractError(where + ": a form must be an object of controls or a form name");
  auto f = std::make_shared<tk::MemoryForm>();
  for (auto it = desc.begin(); it != desc.end(); ++it) {
    const std::string w = where + "." + it.key();
    if (it->is_array())
      f->controls.emplace_back(it.key(), MakeControls(*it, objects, w));
    else if (it->is_object() && it->contains("$controls"))
      f->controls.emplace_back(it.key(), MakeControls((*it)["$controls"], objects, w));
    else if (it->is_object())
      f->controls.emplace_back(it.key(), MakeControl(*it, objects, w));
    else
      throw ContractError(w + ": a form control must be an object or a list");
  }
  return f;
}

json ControlJson(tk::MemoryControl& c) {
  json props = json::object();
  for (const auto& [k, v] : c.properties) props[k] = ToJson(v);
  if (!c.list.empty() || props.contains("List"))
    props["List"] = c.list;
  else
    props["List"] = json::array();
  return props;
}

json ObjectJson(const HostRef& o) {
  if (auto* c = dynamic_cast<tk::MemoryControl*>(o.get()))
    return json{{"$control", ControlJson(*c)}};
  if (auto* a = dynamic_cast<tk::MemoryControlArray*>(o.get())) {
    json list = json::array();
    for (auto& item : a->items) {
      json x = ObjectJson(item);
      list.push_back(x.contains("$control") ? x["$control"] : x);
    }
    return json{{"$controls", list}};
  }
  if (auto* f = dynamic_cast<tk::MemoryForm*>(o.get())) {
    json form = json::object();
    for (auto& [name, ctl] : f->controls) {
      json x = ObjectJson(ctl);
      if (x.contains("$control"))
        form[name] = x["$control"];
      else if (x.contains("$controls"))
        form[name] = x["$controls"];
      else
        form[name] = x;
    }
    return json{{"$form", form}};
  }
  return json{{"$object", "host"}};
}

json NumberJson(double d, bool single) {
  if (std::isnan(d)) return "NaN";
  if (std::isinf(d)) return d > 0 ? "Infinity" : "-Infinity";
  // The shortest text of the declared width, read back as the JSON number.
  const std::string s = single ? tk::ShortestText(static_cast<float>(d)) : tk::ShortestText(d);
  if (s.find_first_of(".eE") == std::string::npos) {
    const long long i = std::strtoll(s.c_str(), nullptr, 10);
    if (std::to_string(i) == s) return i;
  }
  return std::strtod(s.c_str(), nullptr);
}

}  // namespace

void CheckNesting(std::string_view text) {
  size_t depth = 0;
  bool in_string = false, escaped = false;
  for (const char c : text) {
    if (in_string) {
      if (escaped)
        escaped = false;
      else if (c == '\\')
        escaped = true;
      else if (c == '"')
        in_string = false;
    } else if (c == '"') {
      in_string = true;
    } else if (c == '[' || c == '{') {
      if (++depth > kMaxDepth)
        throw ContractError("arrays and objects nest deeper than " + std::to_string(kMaxDepth) +
                            " levels");
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
}

Variant ToVariant(const json& j, HostObjects& objects, const std::string& where) {
  switch (j.type()) {
    case json::value_t::null:
      return Variant();
    case json::value_t::boolean:
      return Variant::Bool(j.get<bool>());
    case json::value_t::number_integer:
    case json::value_t::number_unsigned: {
      const double d = j.get<double>();
      if (d >= INT32_MIN && d <= INT32_MAX)
        return Variant::Int32(static_cast<int32_t>(j.get<long long>()));
      return Variant::Double(d);
    }
    case json::value_t::number_float: {
      const double d = j.get<double>();
      if (!std::isfinite(d)) throw ContractError(where + ": the number is out of range");
      return Variant::Double(d);
    }
    case json::value_t::string:
      if (j.get_ref<const std::string&>().size() > kMaxTextBytes)
        throw ContractError(where + ": a text has at most " + std::to_string(kMaxTextBytes) +
                            " bytes");
      return Variant::String(j.get<std::string>());
    case json::value_t::array: {
      if (j.size() > kMaxArrayItems)
        throw ContractError(where + ": an array has at most " + std::to_string(kMaxArrayItems) +
                            " items");
      std::vector<Variant> items;
      items.reserve(j.size());
      for (size_t k = 0; k < j.size(); ++k)
        items.push_back(ToVariant(j[k], objects, where + "[" + std::to_string(k) + "]"));
      return Variant::Array(tk::VArray::kDeclaredLBound, std::move(items));
    }
    case json::value_t::object: {
      if (j.contains("$control"))
        return Variant::Object(MakeControl(j["$control"], objects, where));
      if (j.contains("$controls"))
        return Variant::Object(MakeControls(j["$controls"], objects, where));
      if (j.contains("$form")) {
        HostRef f = MakeForm(j["$form"], objects, where);
        if (auto n = j.find("name"); n != j.end()) {
          if (!n->is_string()) throw ContractError(where + ".name: a form name must be a text");
          objects.forms[n->get<std::string>()] = f;
        }
        return Variant::Object(f);
      }
      std::vector<std::pair<std::string, Variant>> fields;
      for (auto it = j.begin(); it != j.end(); ++it) {
        if (!it.key().empty() && it.key()[0] == '$')
          throw ContractError(where + ": unknown host object " + it.key());
        fields.emplace_back(it.key(), ToVariant(it.value(), objects, where + "." + it.key()));
      }
      return Variant::Record("", std::move(fields));
    }
    default:
      throw ContractError(where + ": unsupported JSON value");
  }
}

json ToJson(const Variant& v) {
  switch (v.type) {
    case Variant::Type::Empty:
    case Variant::Type::Missing:
      return nullptr;
    case Variant::Type::Bool:
      return v.b;
    case Variant::Type::Int16:
    case Variant::Type::Int32:
      return v.i;
    case Variant::Type::Single:
      return NumberJson(v.f, true);
    case Variant::Type::Double:
      return NumberJson(v.d, false);
    case Variant::Type::String:
      return v.s;
    case Variant::Type::Array: {
      json a = json::array();
      for (const auto& x : v.arr->items) a.push_back(ToJson(x));
      return a;
    }
    case Variant::Type::Record: {
      json o = json::object();
      for (const auto& [k, x] : v.rec->fields) o[k] = ToJson(x);
      return o;
    }
    case Variant::Type::Object:
      return v.obj ? ObjectJson(v.obj) : json(nullptr);
  }
  return nullptr;
}

}  // namespace kalbex
