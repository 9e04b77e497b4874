// Conversion between the JSON of kalbex calls and late-bound Variants, including the in-memory
// host controls, control arrays and forms.
#pragma once

#include <map>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "frame/host.h"
#include "frame/variant.h"

namespace kalbex {

using json = nlohmann::ordered_json;

// Named forms of one input ({"$form": {...}, "name": "f1"} defines, {"$form": "f1"} refers).
struct HostObjects {
  std::map<std::string, tk::HostRef> forms;
};

// Limits of one input: nesting of arrays and objects, characters of one text, items of one array.
inline constexpr size_t kMaxDepth = 64;
inline constexpr size_t kMaxTextBytes = 1 << 20;
inline constexpr size_t kMaxArrayItems = 100000;

// Throws tk::ContractError when arrays and objects of `text` nest deeper than kMaxDepth (checked
// on the raw text, before parsing, so that no recursion ever goes deeper).
void CheckNesting(std::string_view text);

// Throws tk::ContractError for JSON that is not a value of the contract.
tk::Variant ToVariant(const json& j, HostObjects& objects, const std::string& where);
json ToJson(const tk::Variant& v);

}  // namespace kalbex
