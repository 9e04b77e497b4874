// What a call's error code means for the person who ran it: the "error" (or "note") object
// beside "return", the one-line stderr note, `kalbex explain`, and platform line ends.
#pragma once

#include <string>
#include <vector>

#include "frame/component.h"
#include "json_bridge.h"

namespace kalbex {

// The error-code argument of a call (by-reference lErr / lErrNumber), if the operation has one.
const tk::Arg* ErrorArg(const tk::MethodInfo& m, const std::vector<tk::Arg>& args);

// Adds "error": {"code", "message", "kind"} to `out` when the call's code is not a success
// (warnings, stops, faults, a cancelled search), or "note" for an informative code, and returns
// the stderr line for it (empty for a success or a note).
std::string AddOutcome(json& out, const std::string& cls, const tk::MethodInfo& m,
                       const std::vector<tk::Arg>& args);

// `kalbex explain CODE [CLASS]`.
int CmdExplain(const std::string& code, const std::string& cls);

// The report for a text-mode stream, which writes the platform's line ends: "\r\n" becomes "\n".
std::string PlatformLineEnds(std::string text);

}  // namespace kalbex
