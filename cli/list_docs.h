// `kalbex list CLASS OPERATION` and `kalbex list --json`: the parameter table of the library.
#pragma once

#include <string>

namespace kalbex {

// One operation: its signature line, then one line per parameter (direction, unit, meaning in
// English and Chinese, allowed values) and the fields of its positional arrays.
int CmdListOperation(const std::string& cls, const std::string& op);
// The same as text ("" for an unknown class or operation).
std::string OperationText(const std::string& cls, const std::string& op);

// Every class (or one class, or one operation) with its operations and parameters, as JSON.
int CmdListJson(const std::string& cls, const std::string& op);

// The one-line summary of an operation ("" when undocumented), for `kalbex list CLASS`.
std::string OperationSummary(const std::string& cls, const std::string& op);

}  // namespace kalbex
