// Where `kalbex demo` finds its call files, and how their file paths are made independent of
// the folder kalbex is started from.
#pragma once

#include <string>
#include <vector>

#include "frame/component.h"

namespace kalbex {

// The examples folder: $KALBEX_EXAMPLES; else ../share/tavrine_kalbex/examples beside the
// running binary (an installed kalbex); else the source tree's examples/ (the build tree).
std::string DefaultExamplesDir(const char* argv0);

// Makes the relative file and folder paths among `args` (parameters named *Path) relative to
// `base` instead of the current folder.
void ResolvePaths(const tk::MethodInfo& m, std::vector<tk::Arg>& args, const std::string& base);

}  // namespace kalbex
