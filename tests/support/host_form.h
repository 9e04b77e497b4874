// In-memory host forms for the form tests: control arrays of empty controls, or of controls that
// already hold their texts or values.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "frame/host.h"

namespace tk::test_support {

// A control array of n empty controls.
inline std::shared_ptr<MemoryControlArray> ControlArray(int n) {
  auto a = std::make_shared<MemoryControlArray>();
  for (int k = 0; k < n; ++k) a->items.push_back(std::make_shared<MemoryControl>());
  return a;
}

// A form with the named control arrays (name, count) and the named single controls.
inline std::shared_ptr<MemoryForm> MakeForm(
    std::initializer_list<std::pair<const char*, int>> arrays,
    std::initializer_list<const char*> singles = {}) {
  auto f = std::make_shared<MemoryForm>();
  for (const auto& [name, n] : arrays) f->controls.emplace_back(name, ControlArray(n));
  for (const char* name : singles)
    f->controls.emplace_back(name, std::make_shared<MemoryControl>());
  return f;
}

// A control array whose controls hold the texts, one each.
inline HostRef TextArray(const std::vector<std::string>& texts) {
  auto a = std::make_shared<MemoryControlArray>();
  for (const auto& s : texts) {
    auto c = std::make_shared<MemoryControl>();
    c->Set("Text", Variant::String(s));
    a->items.push_back(c);
  }
  return a;
}

// A control array whose controls hold the values, one each.
inline HostRef ValueArray(const std::vector<bool>& values) {
  auto a = std::make_shared<MemoryControlArray>();
  for (bool b : values) {
    auto c = std::make_shared<MemoryControl>();
    c->Set("Value", Variant::Bool(b));
    a->items.push_back(c);
  }
  return a;
}

// The list of a list control.
inline std::vector<std::string> ListOf(const HostRef& control) {
  return dynamic_cast<MemoryControl&>(*control).list;
}

}  // namespace tk::test_support
