#include "frame/component.h"

#include <cmath>

#include "frame/binding.h"
#include "frame/text.h"

namespace tk {

std::atomic<long> Component::live_{0};

Component::Component() {
  live_.fetch_add(1, std::memory_order_relaxed);
}
Component::~Component() {
  if (counted_) live_.fetch_sub(1, std::memory_order_relaxed);
}
long Component::LiveObjects() {
  return live_.load(std::memory_order_relaxed);
}

const MethodInfo* ClassInfo::Find(std::string_view method) const {
  for (const auto& m : methods)
    if (m.name == method) return &m;
  for (const auto& m : methods)
    if (EqualsNoCase(m.name, method)) return &m;
  return nullptr;
}

void ThrowWrongKind(const ParamInfo& p, const Variant& v, const char* why) {
  std::string msg =
      "parameter " + p.name + " (" + p.type + ") cannot take a value of kind " + v.TypeName();
  if (why) msg += std::string(": ") + why;
  throw ContractError(msg);
}

namespace {

// Puts the arguments into parameter order; parameters not given take their zero value.
std::vector<Variant> Bind(const ClassInfo& ci, const MethodInfo& m, std::vector<Arg>& args) {
  const size_t n = m.params.size();
  std::vector<Variant> vals(n);
  std::vector<bool> given(n, false);
  size_t pos = 0;
  for (auto& a : args) {
    size_t k = n;
    if (a.name.empty()) {
      k = pos++;
      if (k >= n)
        throw ContractError("operation " + ci.name + "." + m.name + " takes " + std::to_string(n) +
                            " arguments, " + std::to_string(args.size()) + " given");
    } else {
      for (size_t j = 0; j < n; ++j)
        if (m.params[j].name == a.name) k = j;
      if (k == n)
        for (size_t j = 0; j < n; ++j)
          if (EqualsNoCase(m.params[j].name, a.name)) k = j;
      if (k == n)
        throw ContractError("operation " + ci.name + "." + m.name + " has no parameter " + a.name);
    }
    if (given[k]) throw ContractError("parameter " + m.params[k].name + " given twice");
    given[k] = true;
    vals[k] = std::move(a.value);
    if (vals[k].IsMissing() && !m.params[k].optional)
      throw ContractError("parameter " + m.params[k].name + " is required");
  }
  for (size_t k = 0; k < n; ++k)
    if (!given[k]) vals[k] = m.params[k].zero;
  return vals;
}

const MethodInfo& FindOrThrow(const ClassInfo& ci, std::string_view method) {
  const MethodInfo* m = ci.Find(method);
  if (!m) throw ContractError("class " + ci.name + " has no operation " + std::string(method));
  return *m;
}

}  // namespace

bool IsFiniteValue(const Variant& v) {
  switch (v.type) {
    case Variant::Type::Single:
      return std::isfinite(v.f);
    case Variant::Type::Double:
      return std::isfinite(v.d);
    case Variant::Type::Array:
      for (const auto& x : v.arr->items)
        if (!IsFiniteValue(x)) return false;
      return true;
    case Variant::Type::Record:
      for (const auto& f : v.rec->fields)
        if (!IsFiniteValue(f.second)) return false;
      return true;
    default:
      return true;
  }
}

void ThrowNonFinite(const std::string& method, const std::string& what) {
  throw ContractError("operation " + method + ": " + what +
                      " is not a finite number (overflow); the inputs are out of range");
}

Variant Invoke(Component& obj, std::string_view method, std::vector<Arg>& args) {
  const ClassInfo& ci = obj.Info();
  const MethodInfo& m = FindOrThrow(ci, method);
  std::vector<Variant> vals = Bind(ci, m, args);
  const size_t n = vals.size();
  std::vector<Variant*> ptrs(n);
  for (size_t k = 0; k < n; ++k) ptrs[k] = &vals[k];
  Variant result = m.invoke(obj, ptrs);
  args.clear();
  args.reserve(n);
  for (size_t k = 0; k < n; ++k) args.push_back({m.params[k].name, std::move(vals[k])});
  return result;
}

void CheckArgs(const ClassInfo& ci, std::string_view method, const std::vector<Arg>& args) {
  const MethodInfo& m = FindOrThrow(ci, method);
  std::vector<Arg> copy = args;
  std::vector<Variant> vals = Bind(ci, m, copy);
  std::vector<Variant*> ptrs(vals.size());
  for (size_t k = 0; k < vals.size(); ++k) ptrs[k] = &vals[k];
  if (m.check) m.check(ptrs);
}

}  // namespace tk
