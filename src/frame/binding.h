// Binds member functions into a class's method table: converts each late-bound Variant to a
// temporary of the parameter's declared type, calls, and writes every temporary back.
//   T&                  by reference, required
//   T, const T&         by value, required
//   T*  (= nullptr)     by reference, optional: absent -> nullptr, the output is not written
//   std::optional<T>    by value, optional
#pragma once

#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "frame/component.h"
#include "frame/fault.h"
#include "frame/records.h"
#include "frame/text.h"

namespace tk {

struct ParamName {
  std::string name;
  int32_t lbound = 0;
  ParamName(const char* n) : name(n) {}
  ParamName(const char* n, int32_t lb) : name(n), lbound(lb) {}
};

[[noreturn]] void ThrowWrongKind(const ParamInfo& p, const Variant& v, const char* why = nullptr);

template <class T>
struct Traits;

template <>
struct Traits<bool> {
  static std::string Name() { return "Boolean"; }
  static bool From(const Variant& v, const ParamInfo& p) {
    if (v.type == Variant::Type::Bool) return v.b;
    if (v.IsEmpty() || v.IsMissing()) return false;
    ThrowWrongKind(p, v);
  }
  static Variant To(bool x) { return Variant::Bool(x); }
};

template <class I>
struct IntTraits {
  static I From(const Variant& v, const ParamInfo& p) {
    if (v.IsEmpty() || v.IsMissing()) return 0;
    if (!v.IsNumber()) ThrowWrongKind(p, v);
    const double x = v.AsDouble();
    if (!std::isfinite(x) || x != std::floor(x)) ThrowWrongKind(p, v, "a whole number is required");
    if (x < std::numeric_limits<I>::min() || x > std::numeric_limits<I>::max())
      ThrowWrongKind(p, v, "the number is out of range");
    return static_cast<I>(x);
  }
};
template <>
struct Traits<int16_t> : IntTraits<int16_t> {
  static std::string Name() { return "Integer"; }
  static Variant To(int16_t x) { return Variant::Int16(x); }
};
template <>
struct Traits<int32_t> : IntTraits<int32_t> {
  static std::string Name() { return "Long"; }
  static Variant To(int32_t x) { return Variant::Int32(x); }
};
template <>
struct Traits<float> {
  static std::string Name() { return "Single"; }
  static float From(const Variant& v, const ParamInfo& p) {
    if (v.IsEmpty() || v.IsMissing()) return 0;
    if (!v.IsNumber()) ThrowWrongKind(p, v);
    const double x = v.AsDouble();
    if (!std::isfinite(x) || std::fabs(x) > FLT_MAX)
      ThrowWrongKind(p, v, "the number is out of range");
    return static_cast<float>(x);
  }
  static Variant To(float x) { return Variant::Single(x); }
};
template <>
struct Traits<double> {
  static std::string Name() { return "Double"; }
  static double From(const Variant& v, const ParamInfo& p) {
    if (v.IsEmpty() || v.IsMissing()) return 0;
    if (!v.IsNumber()) ThrowWrongKind(p, v);
    const double x = v.AsDouble();
    if (!std::isfinite(x)) ThrowWrongKind(p, v, "the number is out of range");
    return x;
  }
  static Variant To(double x) { return Variant::Double(x); }
};
template <>
struct Traits<std::string> {
  static std::string Name() { return "String"; }
  static std::string From(const Variant& v, const ParamInfo& p) {
    if (v.type == Variant::Type::String) return v.s;
    if (v.IsEmpty() || v.IsMissing()) return {};
    if (v.IsNumber()) return v.AsText();
    ThrowWrongKind(p, v);
  }
  static Variant To(const std::string& x) { return Variant::String(x); }
};
template <>
struct Traits<Variant> {
  static std::string Name() { return "Variant"; }
  static Variant From(const Variant& v, const ParamInfo&) { return v; }
  static Variant To(const Variant& x) { return x; }
};
template <>
struct Traits<HostRef> {
  static std::string Name() { return "Object"; }
  static HostRef From(const Variant& v, const ParamInfo& p) {
    if (v.type == Variant::Type::Object) return v.obj;
    if (v.IsEmpty() || v.IsMissing()) return nullptr;
    ThrowWrongKind(p, v, "a host object is required");
  }
  static Variant To(const HostRef& x) { return x ? Variant::Object(x) : Variant(); }
};

// Record fields are listed once; conversion goes both ways through the list.
template <class R, class F>
struct FieldDesc {
  const char* name;
  F R::*member;
};

template <class R, class... F>
struct RecordTraits {
  static R FromFields(const Variant& v, const ParamInfo& p,
                      const std::tuple<FieldDesc<R, F>...>& fs) {
    R r{};
    if (v.IsEmpty() || v.IsMissing()) return r;
    if (v.type != Variant::Type::Record) ThrowWrongKind(p, v, "a record is required");
    for (const auto& field : v.rec->fields) {
      // named members rather than a structured binding: the lambda below captures them
      const std::string& name = field.first;
      const Variant& val = field.second;
      bool known = false;
      std::apply(
          [&](const auto&... f) {
            (([&] {
               if (!known && EqualsNoCase(f.name, name)) {
                 known = true;
                 ParamInfo fp = p;
                 fp.name = p.name + "." + f.name;
                 using FT = std::remove_reference_t<decltype(r.*(f.member))>;
                 r.*(f.member) = Traits<FT>::From(val, fp);
               }
             }()),
             ...);
          },
          fs);
      if (!known) ThrowWrongKind(p, v, ("unknown field " + name).c_str());
    }
    return r;
  }
  static Variant ToFields(const char* type, const R& r, const std::tuple<FieldDesc<R, F>...>& fs) {
    std::vector<std::pair<std::string, Variant>> out;
    std::apply(
        [&](const auto&... f) {
          (out.emplace_back(
               f.name,
               Traits<std::remove_cv_t<std::remove_reference_t<decltype(r.*(f.member))>>>::To(
                   r.*(f.member))),
           ...);
        },
        fs);
    return Variant::Record(type, std::move(out));
  }
};

template <>
struct Traits<useRecordSection> {
  using R = useRecordSection;
  static auto Fields() {
    return std::make_tuple(FieldDesc<R, int16_t>{"iType", &R::iType},
                           FieldDesc<R, float>{"B", &R::B}, FieldDesc<R, float>{"H", &R::H},
                           FieldDesc<R, float>{"Bf", &R::Bf}, FieldDesc<R, float>{"Hf", &R::Hf},
                           FieldDesc<R, float>{"Bf1", &R::Bf1},
                           FieldDesc<R, float>{"Hf1", &R::Hf1});
  }
  static std::string Name() { return "useRecordSection"; }
  static R From(const Variant& v, const ParamInfo& p) {
    return RecordTraits<R, int16_t, float, float, float, float, float, float>::FromFields(v, p,
                                                                                          Fields());
  }
  static Variant To(const R& r) {
    return RecordTraits<R, int16_t, float, float, float, float, float, float>::ToFields(
        "useRecordSection", r, Fields());
  }
};
template <>
struct Traits<BgjRecordOld> {
  using R = BgjRecordOld;
  static auto Fields() {
    return std::make_tuple(FieldDesc<R, std::string>{"D", &R::D},
                           FieldDesc<R, std::string>{"A", &R::A},
                           FieldDesc<R, int32_t>{"As", &R::As}, FieldDesc<R, bool>{"Two", &R::Two});
  }
  static std::string Name() { return "BgjRecordOld"; }
  static R From(const Variant& v, const ParamInfo& p) {
    return RecordTraits<R, std::string, std::string, int32_t, bool>::FromFields(v, p, Fields());
  }
  static Variant To(const R& r) {
    return RecordTraits<R, std::string, std::string, int32_t, bool>::ToFields("BgjRecordOld", r,
                                                                              Fields());
  }
};

template <class T>
struct Traits<VBArray<T>> {
  static std::string Name() { return Traits<T>::Name() + "()"; }
  static VBArray<T> From(const Variant& v, const ParamInfo& p) {
    VBArray<T> a;
    a.lbound = p.lbound;
    if (v.IsEmpty() || v.IsMissing()) return a;
    if (v.type != Variant::Type::Array) ThrowWrongKind(p, v, "an array is required");
    if (v.arr->lbound != VArray::kDeclaredLBound) a.lbound = v.arr->lbound;
    a.data.reserve(v.arr->items.size());
    ParamInfo ep = p;
    for (size_t k = 0; k < v.arr->items.size(); ++k) {
      ep.name = p.name + "(" + std::to_string(a.lbound + static_cast<int32_t>(k)) + ")";
      a.data.push_back(Traits<T>::From(v.arr->items[k], ep));
    }
    return a;
  }
  static Variant To(const VBArray<T>& a) {
    std::vector<Variant> items;
    items.reserve(a.data.size());
    for (const auto& x : a.data) items.push_back(Traits<T>::To(x));
    return Variant::Array(a.lbound, std::move(items));
  }
};

// --- finite results ---------------------------------------------------------------------------
// A result that is not a finite number never reaches the caller: the first offending output is
// named after the parameter it would reach.
template <class T>
bool IsFiniteValue(const T&) {
  return true;
}
inline bool IsFiniteValue(float x) {
  return std::isfinite(x);
}
inline bool IsFiniteValue(double x) {
  return std::isfinite(x);
}
bool IsFiniteValue(const Variant& v);
template <class T>
bool IsFiniteValue(const VBArray<T>& a) {
  for (const auto& x : a.data)
    if (!IsFiniteValue(x)) return false;
  return true;
}
inline bool IsFiniteValue(const useRecordSection& r) {
  return std::isfinite(r.B) && std::isfinite(r.H) && std::isfinite(r.Bf) && std::isfinite(r.Hf) &&
         std::isfinite(r.Bf1) && std::isfinite(r.Hf1);
}
// Raised by the binder for an operation whose result or output is not a finite number, or that
// let an arithmetic fault escape: the inputs lie outside what the operation can compute.
[[noreturn]] void ThrowNonFinite(const std::string& method, const std::string& what);

// --- parameter slots -------------------------------------------------------------------------
template <class A>
struct Slot {  // by value
  using T = std::remove_cv_t<std::remove_reference_t<A>>;
  static constexpr bool kByRef = false, kOptional = false;
  using Type = T;
  T v{};
  void Load(const Variant& var, const ParamInfo& p) { v = Traits<T>::From(var, p); }
  const T& Arg() { return v; }
  void Store(Variant& var) { var = Traits<T>::To(v); }
};
template <class T>
struct Slot<T&> {
  static constexpr bool kByRef = true, kOptional = false;
  using Type = T;
  T v{};
  void Load(const Variant& var, const ParamInfo& p) { v = Traits<T>::From(var, p); }
  T& Arg() { return v; }
  void Store(Variant& var) { var = Traits<T>::To(v); }
};
template <class T>
struct Slot<const T&> : Slot<T> {};
template <class T>
struct Slot<T*> {
  static constexpr bool kByRef = true, kOptional = true;
  using Type = T;
  std::optional<T> v;
  void Load(const Variant& var, const ParamInfo& p) {
    if (!var.IsMissing()) v = Traits<T>::From(var, p);
  }
  T* Arg() { return v ? &*v : nullptr; }
  void Store(Variant& var) {
    if (v) var = Traits<T>::To(*v);
  }
};
template <class T>
struct Slot<std::optional<T>> {
  static constexpr bool kByRef = false, kOptional = true;
  using Type = T;
  std::optional<T> v;
  void Load(const Variant& var, const ParamInfo& p) {
    if (!var.IsMissing()) v = Traits<T>::From(var, p);
  }
  std::optional<T> Arg() { return v; }
  void Store(Variant& var) {
    if (v) var = Traits<T>::To(*v);
  }
};

template <class A>
ParamInfo MakeParam(const ParamName& decl) {
  using S = Slot<A>;
  ParamInfo p;
  p.name = decl.name;
  p.type = Traits<typename S::Type>::Name();
  p.by_ref = S::kByRef;
  p.optional = S::kOptional;
  p.lbound = decl.lbound;
  if constexpr (!S::kOptional) {
    typename S::Type zero{};
    p.zero = Traits<typename S::Type>::To(zero);
    if (p.zero.type == Variant::Type::Array) p.zero.arr->lbound = decl.lbound;
  } else {
    p.zero = Variant::Missing();
  }
  return p;
}

template <class S>
bool SlotFinite(S& s) {
  if constexpr (!S::kByRef) {
    return true;
  } else if constexpr (S::kOptional) {
    return !s.v || IsFiniteValue(*s.v);
  } else {
    return IsFiniteValue(s.v);
  }
}

template <class C, class R, class... A, size_t... I>
Variant CallWith(C& obj, R (C::*pm)(A...), std::vector<Variant*>& vars,
                 const std::vector<ParamInfo>& ps, const std::string& name,
                 std::index_sequence<I...>) {
  std::tuple<Slot<A>...> slots;
  (std::get<I>(slots).Load(*vars[I], ps[I]), ...);
  Variant result;
  try {
    if constexpr (std::is_void_v<R>) {
      (obj.*pm)(std::get<I>(slots).Arg()...);
    } else {
      auto r = (obj.*pm)(std::get<I>(slots).Arg()...);
      if (!IsFiniteValue(r)) ThrowNonFinite(name, "its result");
      result = Traits<std::remove_cv_t<std::remove_reference_t<R>>>::To(r);
    }
  } catch (const ArithmeticFault&) {
    ThrowNonFinite(name, "its calculation");
  }
  std::string bad;
  ((bad.empty() && !SlotFinite(std::get<I>(slots)) ? (void)(bad = ps[I].name) : (void)0), ...);
  if (!bad.empty()) ThrowNonFinite(name, "output " + bad);
  (std::get<I>(slots).Store(*vars[I]), ...);
  return result;
}

// Converts every argument as a call would, without calling: a value of the wrong kind is found
// before anything runs.
template <class... A, size_t... I>
void LoadOnly(std::vector<Variant*>& vars, const std::vector<ParamInfo>& ps,
              std::index_sequence<I...>) {
  std::tuple<Slot<A>...> slots;
  (std::get<I>(slots).Load(*vars[I], ps[I]), ...);
}

template <class C, class R, class... A>
MethodInfo Method(std::string name, R (C::*pm)(A...), std::vector<ParamName> names) {
  static_assert(std::is_base_of_v<Component, C>);
  MethodInfo m;
  m.name = std::move(name);
  if (names.size() != sizeof...(A))
    throw std::logic_error("parameter names do not match " + m.name);
  size_t k = 0;
  ((m.params.push_back(MakeParam<A>(names[k])), ++k), ...);
  if constexpr (!std::is_void_v<R>)
    m.return_type = Traits<std::remove_cv_t<std::remove_reference_t<R>>>::Name();
  m.invoke = [pm, ps = m.params, n = m.name](Component& self, std::vector<Variant*>& vars) {
    return CallWith(static_cast<C&>(self), pm, vars, ps, n, std::index_sequence_for<A...>{});
  };
  m.check = [ps = m.params](std::vector<Variant*>& vars) {
    LoadOnly<A...>(vars, ps, std::index_sequence_for<A...>{});
  };
  return m;
}

}  // namespace tk
