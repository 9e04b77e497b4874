// Late-binding value: carries arguments (by reference) between a host and a calculator, and the
// few "variant values" of the interface (a steel strength given as "Ⅱ级" or as a number).
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "frame/export.h"

namespace tk {

class HostObject;
using HostRef = std::shared_ptr<HostObject>;
struct Variant;

// An array argument keeps its lower bound: dQui(), sH(), Wk() start at 1, Text() at 0.
struct VArray {
  // kDeclaredLBound: the array starts at the first index that the receiving parameter declares.
  static constexpr int32_t kDeclaredLBound = INT32_MIN;
  int32_t lbound = kDeclaredLBound;
  std::vector<Variant> items;
};

// A record argument (useRecordSection, BgjRecordOld): fields in declaration order.
struct TK_API VRecord {
  std::string type;
  std::vector<std::pair<std::string, Variant>> fields;
  Variant* Find(std::string_view name);
};

// A call through late binding that the callee cannot accept: unknown class, operation or
// parameter, or a value of the wrong kind. The host gets a failed call naming it.
struct TK_API ContractError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// An outside component (shared services, persistence, input check, file system...) returned an
// error status; the calculator passes it on to the host as a failed call.
struct TK_API ComponentFailure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct TK_API Variant {
  enum class Type : uint8_t {
    Empty,
    Missing,
    Bool,
    Int16,
    Int32,
    Single,
    Double,
    String,
    Array,
    Record,
    Object
  };

  Type type = Type::Empty;
  bool b = false;
  int32_t i = 0;
  float f = 0;
  double d = 0;
  std::string s;
  std::shared_ptr<VArray> arr;
  std::shared_ptr<VRecord> rec;
  HostRef obj;

  Variant() = default;
  static Variant Missing() {
    Variant v;
    v.type = Type::Missing;
    return v;
  }
  static Variant Bool(bool x) {
    Variant v;
    v.type = Type::Bool;
    v.b = x;
    return v;
  }
  static Variant Int16(int16_t x) {
    Variant v;
    v.type = Type::Int16;
    v.i = x;
    return v;
  }
  static Variant Int32(int32_t x) {
    Variant v;
    v.type = Type::Int32;
    v.i = x;
    return v;
  }
  static Variant Single(float x) {
    Variant v;
    v.type = Type::Single;
    v.f = x;
    return v;
  }
  static Variant Double(double x) {
    Variant v;
    v.type = Type::Double;
    v.d = x;
    return v;
  }
  static Variant String(std::string x) {
    Variant v;
    v.type = Type::String;
    v.s = std::move(x);
    return v;
  }
  static Variant Array(int32_t lbound, std::vector<Variant> items);
  static Variant Record(std::string type, std::vector<std::pair<std::string, Variant>> fields);
  static Variant Object(HostRef o);

  bool IsMissing() const { return type == Type::Missing; }
  bool IsEmpty() const { return type == Type::Empty; }
  bool IsNumber() const {
    return type == Type::Int16 || type == Type::Int32 || type == Type::Single ||
           type == Type::Double;
  }
  // Numeric value; a text reads by the leading-number rule, Empty/Missing as 0, a Boolean True as
  // -1.
  double AsDouble() const;
  // Text value; a number prints as the shortest text that reads back to the same value of its
  // width.
  std::string AsText() const;
  const char* TypeName() const;
};

}  // namespace tk
