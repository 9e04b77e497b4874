// Runs the late-bound calls of one JSON input, as `kalbex run` and the Python module take them.
#pragma once

#include <string>
#include <vector>

#include "json_bridge.h"

namespace kalbex {

struct RunResult {
  json output;              // one call object, or an array of them when the input is an array
  std::string reports;      // the tText of every call, in order, as built
  bool all_reports = true;  // every call had a tText
  std::vector<std::string> notes;  // one line per call whose code is not a success
};

// Runs one input (a call object or an array of them). Every call is resolved before the first
// runs. Throws tk::ContractError for input that is not a call of the contract, and passes
// tk::ComponentFailure on. `base`: the folder that relative file paths of the calls are taken
// from (empty: the current one).
RunResult RunJson(const std::string& text, const std::string& base = {});

}  // namespace kalbex
