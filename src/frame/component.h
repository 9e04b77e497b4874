// Component frame: every calculator class derives from Component, publishes a method table and
// is created through the registry under "TavrineKalbex.<class>".
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/export.h"
#include "frame/variant.h"

namespace tk {

class Component;

// One parameter of a public operation as the interface declares it.
struct ParamInfo {
  std::string name;
  std::string type;  // "Long", "Single", "String", "Variant", "Object", "Double()" ...
  bool by_ref = true;
  bool optional = false;
  int32_t lbound = 0;  // first index of an array parameter
  // Zero value of the declared type (what a left-out required parameter starts as).
  Variant zero;
};

struct MethodInfo {
  std::string name;
  std::vector<ParamInfo> params;
  std::string return_type;  // empty for a Sub / property set
  std::function<Variant(Component&, std::vector<Variant*>&)> invoke;
  // Converts the arguments without calling (throws ContractError as invoke would).
  std::function<void(std::vector<Variant*>&)> check;
};

struct TK_API ClassInfo {
  std::string name;  // "clsMoment"
  std::vector<MethodInfo> methods;
  const MethodInfo* Find(std::string_view method) const;
};

class TK_API Component {
 public:
  Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;
  virtual ~Component();
  virtual const ClassInfo& Info() const = 0;

  // Number of calculator objects alive in the process (backs DllCanUnloadNow).
  static long LiveObjects();

 protected:
  // Library-internal objects (the per-thread clsMaterial) do not keep the library loaded.
  struct Internal {};
  explicit Component(Internal) : counted_(false) {}

 private:
  static std::atomic<long> live_;
  bool counted_ = true;
};

// Base of every calculator class: Info() comes from the class's own static table ClassInfoOf(),
// and a class without numbered texts of its own needs no RegisterTexts().
template <class Derived>
class TK_API Calculator : public Component {
 public:
  const ClassInfo& Info() const override { return Derived::ClassInfoOf(); }
  static void RegisterTexts() {}

 protected:
  Calculator() = default;
  explicit Calculator(Internal i) : Component(i) {}
};

// A late-bound argument: by position (empty name) or by parameter name.
struct Arg {
  std::string name;
  Variant value;
};

// Calls `method` on `obj`. Arguments are matched by name (case-insensitively) or by position;
// parameters not given start as their zero value, or as Missing when optional. Every argument is
// written back after the call (by-reference semantics); `args` is reordered into parameter order
// with absent optional parameters marked Missing. Throws ContractError for an unknown operation or
// parameter and for a value of the wrong kind; ComponentFailure passes through.
// An operation whose result would not be a finite number (or whose calculation overflowed without
// an error code of its own) throws ContractError naming the output; nothing is written back.
TK_API Variant Invoke(Component& obj, std::string_view method, std::vector<Arg>& args);

// Matches and converts `args` exactly as Invoke would, without calling: throws the same
// ContractError for an unknown parameter or a value of the wrong kind.
TK_API void CheckArgs(const ClassInfo& ci, std::string_view method, const std::vector<Arg>& args);

}  // namespace tk
