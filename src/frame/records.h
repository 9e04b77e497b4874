// Public records of the interface and the array type of array parameters.
#pragma once

#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace tk {

// Section shape and dimensions. Bf/Hf are the lower, tension-side flange (bf, hf) and Bf1/Hf1 the
// upper, compression-side flange (bf', hf'), as the T, inverted-T and I-section formulas use them.
struct useRecordSection {
  int16_t iType = 0;
  float B = 0;
  float H = 0;
  float Bf = 0;
  float Hf = 0;
  float Bf1 = 0;
  float Hf1 = 0;
};

// One row of a slab bar option list.
struct BgjRecordOld {
  std::string D;
  std::string A;
  int32_t As = 0;
  bool Two = false;
};

// Element of a Boolean array: a real bool object (std::vector<bool> packs bits and cannot hand
// out references), used like a bool.
struct VBBool {
  bool v = false;
  VBBool() = default;
  VBBool(bool b) : v(b) {}
  operator bool() const { return v; }
  VBBool& operator=(bool b) {
    v = b;
    return *this;
  }
};

// An array parameter with its own lower bound: dQui(1..n), Text(0..n).
template <class T>
struct VBArray {
  using Elem = std::conditional_t<std::is_same_v<T, bool>, VBBool, T>;
  int32_t lbound = 0;
  std::vector<Elem> data;

  VBArray() = default;
  VBArray(int32_t lb, std::vector<Elem> d) : lbound(lb), data(std::move(d)) {}
  int32_t LBound() const { return lbound; }
  int32_t UBound() const { return lbound + static_cast<int32_t>(data.size()) - 1; }
  size_t size() const { return data.size(); }
  bool empty() const { return data.empty(); }
  bool Has(int32_t i) const { return i >= lbound && i <= UBound(); }
  // Element i; an index outside the bounds reads a zero value (never out of bounds).
  const Elem& operator()(int32_t i) const {
    static const Elem zero{};
    if (!Has(i)) return zero;
    return data[static_cast<size_t>(i - lbound)];
  }
  // Element i for writing; the array grows to hold it.
  Elem& operator()(int32_t i) {
    if (i < lbound) {
      data.insert(data.begin(), static_cast<size_t>(lbound - i), Elem{});
      lbound = i;
    }
    if (i > UBound()) data.resize(static_cast<size_t>(i - lbound + 1));
    return data[i - lbound];
  }
  void ReDim(int32_t lb, int32_t ub) {
    lbound = lb;
    data.assign(ub >= lb ? static_cast<size_t>(ub - lb + 1) : 0, Elem{});
  }
  void ReDimPreserve(int32_t ub) {
    data.resize(ub >= lbound ? static_cast<size_t>(ub - lbound + 1) : 0);
  }
};

}  // namespace tk
