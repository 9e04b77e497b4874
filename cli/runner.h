// Runs the late-bound calls of one JSON input, as `kalbex run` and the Python module take them.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "frame/registry.h"
#include "json_bridge.h"

namespace kalbex {

struct RunResult {
  json output;              // one call object, or an array of them when the input is an array
  std::string reports;      // the tText of every call, in order, as built
  bool all_reports = true;  // every call had a tText
  std::vector<std::string> notes;  // one line per call whose code is not a success
};

// Wraps the calculator call itself (the Python module releases its interpreter lock there).
using InvokeHook = std::function<tk::Variant(const std::function<tk::Variant()>&)>;

// One call on an existing object: its output object ("class", "operation", "args" after the call,
// "return", and "error" / "note" for a code that is not a plain success).
struct OneCall {
  json out;
  std::string report;
  bool has_report = false;
  std::string note;  // the stderr line of a call that did not succeed
};
OneCall RunCall(tk::Component& obj, const tk::ClassEntry& cls, const tk::MethodInfo& method,
                const json* args, HostObjects& objects, const std::string& where,
                const std::string& base = {}, const InvokeHook& hook = {});

// Runs one input (a call object or an array of them). Every call is resolved before the first
// runs. Throws tk::ContractError for input that is not a call of the contract, and passes
// tk::ComponentFailure on. `base`: the folder that relative file paths of the calls are taken
// from (empty: the current one).
RunResult RunJson(const std::string& text, const std::string& base = {},
                  const InvokeHook& hook = {});

}  // namespace kalbex
